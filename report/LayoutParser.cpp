#include "report/LayoutParser.h"

#include "report/LayoutOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>

namespace quillon::report {

using namespace layout_text;

namespace {

constexpr double kSlack = 0.001;         // mm: rounding in hand-written sums
constexpr double kDefaultPen = 0.25;     // mm
constexpr double kDefaultRowHeight = 7;  // mm
constexpr double kDefaultSectionPad = 1; // mm
constexpr double kAccentWidth = 1.6;     // mm: the bar down a section's left edge
constexpr double kDividerPen = 0.15;     // mm
const QString kDefaultSign = QStringLiteral("R");

struct Token {
    QString text;
    QString key; // set for key=value
    bool quoted = false;
    bool isOption() const { return !key.isNull(); }
};

// Thrown inside this file only, caught by parse(): one message with its line number.
struct LayoutError {
    QString message;
};

[[noreturn]] void failAt(int line, const QString &message) {
    throw LayoutError{QStringLiteral("line %1: %2").arg(line).arg(message)};
}

std::vector<Token> tokenize(const QString &line, int lineNo) {
    std::vector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && line[i].isSpace())
            ++i;
        if (i >= n || line[i] == u'#')
            break; // the rest of the line is a comment
        Token t;
        QString current;
        bool inQuote = false;
        bool sawQuote = false;
        for (; i < n; ++i) {
            const QChar c = line[i];
            if (inQuote) {
                if (c == u'\\' && i + 1 < n) {
                    current += line[++i];
                } else if (c == u'"') {
                    inQuote = false;
                } else {
                    current += c;
                }
                continue;
            }
            if (c.isSpace())
                break;
            if (c == u'"') {
                inQuote = sawQuote = true;
                if (current.isEmpty())
                    t.quoted = true;
                continue;
            }
            if (c == u'=' && !sawQuote && t.key.isNull() && !t.quoted) {
                if (current.isEmpty())
                    failAt(lineNo, QStringLiteral("\"=\" without a name before it"));
                t.key = current;
                current.clear();
                continue;
            }
            current += c;
        }
        if (inQuote)
            failAt(lineNo, QStringLiteral("a quoted text is not closed"));
        t.text = current;
        tokens.push_back(std::move(t));
    }
    return tokens;
}

double number(const Token &t, int line, const char *what) {
    bool ok = false;
    const double v = t.text.toDouble(&ok);
    if (t.quoted || t.isOption() || !ok || !std::isfinite(v))
        failAt(line,
               QStringLiteral("%1 must be a number, not \"%2\"").arg(QLatin1String(what), t.text));
    if (v < 0)
        failAt(line, QStringLiteral("%1 must not be negative").arg(QLatin1String(what)));
    return v;
}

QColor colour(const QString &text, int line) {
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!hex.match(text).hasMatch())
        failAt(line, QStringLiteral("a colour is written #rrggbb, not \"%1\"").arg(text));
    return QColor::fromString(text);
}

const QRegularExpression &numberPatternRule() {
    static const QRegularExpression rule(QStringLiteral("^[#0 ,]*[#0](\\.0+)?$"));
    return rule;
}

// Day, month and year in any order, between single separators: dd/mm/yyyy, d mmm yyyy, yyyy-mm-dd.
const QRegularExpression &datePatternRule() {
    static const QRegularExpression rule(
        QStringLiteral("^(d{1,2}|m{1,3}|yy|yyyy)([/. -](d{1,2}|m{1,3}|yy|yyyy))*$"));
    return rule;
}

void checkPattern(const QString &pattern, int line) {
    if (!numberPatternRule().match(pattern).hasMatch() &&
        !datePatternRule().match(pattern).hasMatch())
        failAt(line, QStringLiteral("\"%1\" is not a number format (use # 0 blank , and .) nor a "
                                    "date format (dd mm mmm yy yyyy)")
                         .arg(pattern));
}

// Where the parts of a row go, as the last "columns" statement set them.
struct Columns {
    double caption = 0; // the caption starts here and runs to the sign column
    double sign = 0;    // the sign ("R") starts here and runs to the value column
    double value = 0;   // the value runs from here to `end`, right-aligned
    double end = 0;
    double height = kDefaultRowHeight;
    Options captionStyle;
    Options signStyle;
    Options valueStyle;
};

// A section between "section" and "end": its box is drawn once its height is known.
struct OpenSection {
    int line = 0;
    double top = 0;
    Options options;
    std::optional<std::size_t> fillItem; // the background, placed first so it lies under the rows
    bool lastWasRow = false;             // the next row gets a divider above it
};

// One statement's options as written, and with its style under them.
struct ReadOptions {
    Options written;
    Options merged;
};

class Parser {
public:
    // `folder` is where included files are looked for; empty, a layout cannot include.
    explicit Parser(QString folder = {}) : m_folder(std::move(folder)) {}

    ReportLayout parse(const QString &text) {
        m_line = readLines(text);
        if (!m_sawVersion)
            failAt(
                1,
                QStringLiteral(
                    "the file is not a report layout (it must begin with \"quillon-layout 1\")"));
        if (m_layout.table.isEmpty())
            failAt(m_line, QStringLiteral("the layout names no table (\"table NAME\")"));
        closedSection();
        checkHeights();
        return m_layout;
    }

private:
    // Reads every statement of the text; returns its number of lines.
    int readLines(const QString &text) {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            m_line = static_cast<int>(i + 1);
            QString line = lines[i];
            if (line.endsWith(u'\r'))
                line.chop(1);
            const std::vector<Token> tokens = tokenize(line, m_line);
            if (tokens.empty())
                continue;
            statement(tokens);
        }
        return static_cast<int>(lines.size());
    }

    // `include "FILE"`: the statements of a file beside the layout, read as if written here.
    // Shared styles and blocks live in such files; an included file includes no other.
    void includeStatement(const std::vector<Token> &t) {
        expectCount(t, 2, "include \"FILE\"");
        if (m_folder.isEmpty())
            failAt(m_line, QStringLiteral("only a layout read from a file can include another"));
        if (m_including)
            failAt(m_line, QStringLiteral("an included file cannot include another"));
        const QString name = t[1].text;
        QFile file(QDir(m_folder).filePath(name));
        // Only a regular file of the layout folder: a pipe would block the read for good, and a
        // link could show any file of the system in the error.
        const QFileInfo info(file.fileName());
        const QString real = info.canonicalFilePath();
        if (name.contains(u'/') || name.contains(u'\\') || !info.isFile() ||
            QFileInfo(real).absolutePath() != QFileInfo(m_folder).canonicalFilePath())
            failAt(m_line,
                   QStringLiteral("the included file \"%1\" is not a file of the layout folder")
                       .arg(name));
        if (!file.open(QIODevice::ReadOnly))
            failAt(m_line, QStringLiteral("the included file \"%1\" cannot be read").arg(name));
        const int outer = m_line;
        m_including = true;
        try {
            readLines(QString::fromUtf8(file.readAll()));
        } catch (const LayoutError &e) {
            throw LayoutError{
                QStringLiteral("line %1: in \"%2\", %3").arg(outer).arg(name, e.message)};
        }
        m_including = false;
        m_line = outer;
    }

    void statement(const std::vector<Token> &t) {
        const Token &word = t.front();
        if (word.quoted || word.isOption())
            failAt(m_line, QStringLiteral("a line must begin with a statement word"));
        const QString &w = word.text;
        if (!m_sawVersion) {
            if (w != QLatin1String("quillon-layout"))
                failAt(m_line, QStringLiteral("the file is not a report layout (it must begin with "
                                              "\"quillon-layout 1\")"));
            expectCount(t, 2, "quillon-layout VERSION");
            if (t[1].text != QLatin1String("1"))
                failAt(m_line, QStringLiteral(
                                   "layout version %1 is not known (this program reads version 1)")
                                   .arg(t[1].text));
            m_sawVersion = true;
            return;
        }
        if (w == QLatin1String("include"))
            return includeStatement(t);
        if (w == QLatin1String("table"))
            return tableStatement(t);
        if (w == QLatin1String("page") || w == QLatin1String("margins") ||
            w == QLatin1String("font"))
            return setupStatement(t);
        if (w == QLatin1String("style"))
            return styleStatement(t);
        if (w == QLatin1String("columns"))
            return columnsStatement(t);
        if (w == QLatin1String("band"))
            return bandStatement(t);
        if (w == QLatin1String("text") || w == QLatin1String("field") ||
            w == QLatin1String("line") || w == QLatin1String("box"))
            return itemStatement(t);
        if (w == QLatin1String("row"))
            return rowStatement(t);
        if (w == QLatin1String("gap"))
            return gapStatement(t);
        if (w == QLatin1String("rule"))
            return ruleStatement(t);
        if (w == QLatin1String("section"))
            return sectionStatement(t);
        if (w == QLatin1String("when"))
            return whenStatement(t);
        if (w == QLatin1String("end"))
            return endStatement(t);
        failAt(m_line, QStringLiteral("unknown statement \"%1\"").arg(w));
    }

    void expectCount(const std::vector<Token> &t, std::size_t count, const char *form) {
        if (t.size() != count)
            failAt(m_line, QStringLiteral("expected \"%1\"").arg(QLatin1String(form)));
        for (std::size_t i = 1; i < t.size(); ++i)
            if (t[i].isOption())
                failAt(m_line, QStringLiteral("expected \"%1\"").arg(QLatin1String(form)));
    }

    void beforeBands(const QString &what) {
        if (m_current)
            failAt(m_line, QStringLiteral("\"%1\" belongs before the first band").arg(what));
    }

    void insideBand(const QString &what) {
        if (!m_current)
            failAt(m_line, QStringLiteral("\"%1\" must stand inside a band").arg(what));
    }

    double frameWidth() const { return m_layout.frameSize().width(); }

    void tableStatement(const std::vector<Token> &t) {
        beforeBands(QStringLiteral("table"));
        expectCount(t, 2, "table NAME");
        if (!m_layout.table.isEmpty())
            failAt(m_line, QStringLiteral("the table is already named"));
        m_layout.table = t[1].text;
        if (m_layout.table.isEmpty())
            failAt(m_line, QStringLiteral("the table name is empty"));
    }

    void setupStatement(const std::vector<Token> &t) {
        const QString &w = t.front().text;
        beforeBands(w);
        if (!m_setupSeen.insert(w))
            failAt(m_line, QStringLiteral("\"%1\" is given twice").arg(w));
        if (w == QLatin1String("page")) {
            expectCount(t, 3, "page A4|A5|Letter|Legal portrait|landscape");
            const QString size = t[1].text.toLower();
            if (size == QLatin1String("a4"))
                m_layout.pageSize = QPageSize::A4;
            else if (size == QLatin1String("a5"))
                m_layout.pageSize = QPageSize::A5;
            else if (size == QLatin1String("letter"))
                m_layout.pageSize = QPageSize::Letter;
            else if (size == QLatin1String("legal"))
                m_layout.pageSize = QPageSize::Legal;
            else
                failAt(m_line, QStringLiteral("unknown paper size \"%1\"").arg(t[1].text));
            if (t[2].text == QLatin1String("portrait"))
                m_layout.orientation = QPageLayout::Portrait;
            else if (t[2].text == QLatin1String("landscape"))
                m_layout.orientation = QPageLayout::Landscape;
            else
                failAt(m_line,
                       QStringLiteral("the orientation is portrait or landscape, not \"%1\"")
                           .arg(t[2].text));
        } else if (w == QLatin1String("margins")) {
            expectCount(t, 5, "margins LEFT TOP RIGHT BOTTOM");
            m_layout.margins = {number(t[1], m_line, "the left margin"),
                                number(t[2], m_line, "the top margin"),
                                number(t[3], m_line, "the right margin"),
                                number(t[4], m_line, "the bottom margin")};
        } else {
            expectCount(t, 3, "font \"FAMILY\" SIZE");
            m_layout.fontFamily = t[1].text;
            m_layout.fontSize = fontSize(t[2]);
        }
        const QSizeF frame = m_layout.frameSize();
        if (frame.width() <= 0 || frame.height() <= 0)
            failAt(m_line, QStringLiteral("the margins leave no room on the page"));
    }

    double fontSize(const Token &t) {
        const double size = number(t, m_line, "a font size");
        if (size < 4 || size > 72)
            failAt(m_line, QStringLiteral("a font size must lie between 4 and 72 points"));
        return size;
    }

    // --- Styles and options ---

    const Options &namedStyle(const QString &name) {
        const auto found = m_styles.find(name);
        if (found == m_styles.end())
            failAt(m_line, QStringLiteral("unknown style \"%1\"").arg(name));
        return found->second;
    }

    void styleStatement(const std::vector<Token> &t) {
        beforeBands(QStringLiteral("style"));
        if (t.size() < 2 || t[1].isOption() || t[1].quoted || t[1].text.isEmpty())
            failAt(m_line, QStringLiteral("expected \"style NAME [options]\""));
        if (m_styles.count(t[1].text))
            failAt(m_line, QStringLiteral("the style \"%1\" is given twice").arg(t[1].text));
        m_styles[t[1].text] = readOptions(t, 2, OnStyle, QStringLiteral("a style")).merged;
    }

    // Options from `from` on, for a statement of kind `target` (`what` names it in messages).
    ReadOptions readOptions(const std::vector<Token> &t, std::size_t from, unsigned target,
                            const QString &what) {
        ReadOptions r;
        const Options *style = nullptr;
        for (std::size_t i = from; i < t.size(); ++i) {
            const Token &tok = t[i];
            if (!tok.isOption() && tok.quoted)
                failAt(m_line, QStringLiteral("unexpected text \"%1\"").arg(tok.text));
            const QString name = tok.isOption() ? tok.key : tok.text;
            if (tok.isOption() && name == QLatin1String("style")) {
                if (style)
                    failAt(m_line, QStringLiteral("\"style\" is given twice"));
                style = &namedStyle(tok.text);
                continue;
            }
            const OptionRule *rule = findOption(name);
            if (!rule)
                failAt(m_line, QStringLiteral("unknown option \"%1\"").arg(name));
            if (rule->flag && tok.isOption())
                failAt(m_line, QStringLiteral("\"%1\" is written alone, without =").arg(name));
            if (!rule->flag && !tok.isOption())
                failAt(m_line, QStringLiteral("\"%1\" is written %1=VALUE").arg(name));
            if (!(rule->targets & target))
                failAt(m_line, QStringLiteral("\"%1\" does not apply to %2").arg(name, what));
            setOption(r.written, name, tok.text);
        }
        if (style)
            r.merged = *style;
        r.merged.overlay(r.written);
        return r;
    }

    void setOption(Options &o, const QString &name, const QString &value) {
        const Token asNumber{value, {}, false};
        if (name == QLatin1String("size")) {
            o.size = fontSize(asNumber);
        } else if (name == QLatin1String("bold")) {
            o.bold = true;
        } else if (name == QLatin1String("italic")) {
            o.italic = true;
        } else if (name == QLatin1String("wrap")) {
            o.wrap = true;
        } else if (name == QLatin1String("blankzero")) {
            o.blankZero = true;
        } else if (name == QLatin1String("align")) {
            if (value == QLatin1String("left"))
                o.align = Qt::AlignLeft;
            else if (value == QLatin1String("center"))
                o.align = Qt::AlignHCenter;
            else if (value == QLatin1String("right"))
                o.align = Qt::AlignRight;
            else
                failAt(m_line,
                       QStringLiteral("align is left, center or right, not \"%1\"").arg(value));
        } else if (name == QLatin1String("color")) {
            o.color = colour(value, m_line);
        } else if (name == QLatin1String("fill")) {
            o.fill = colour(value, m_line);
        } else if (name == QLatin1String("accent")) {
            o.accent = colour(value, m_line);
        } else if (name == QLatin1String("divider")) {
            o.divider = colour(value, m_line);
        } else if (name == QLatin1String("format")) {
            checkPattern(value, m_line);
            o.format = value;
        } else if (name == QLatin1String("days")) {
            if (value == QLatin1String("serial"))
                o.days = DayCount::Serial;
            else if (value == QLatin1String("julian"))
                o.days = DayCount::Julian;
            else
                failAt(m_line, QStringLiteral("days is serial or julian, not \"%1\"").arg(value));
        } else if (name == QLatin1String("suffix")) {
            o.suffix = value;
        } else if (name == QLatin1String("sign")) {
            o.sign = value;
        } else if (name == QLatin1String("pen")) {
            o.pen = number(asNumber, m_line, "the pen width");
            if (*o.pen > 5)
                failAt(m_line, QStringLiteral("a pen wider than 5 mm is not a line"));
        } else if (name == QLatin1String("pad")) {
            o.pad = number(asNumber, m_line, "the padding");
        } else if (name == QLatin1String("height")) {
            o.height = number(asNumber, m_line, "the row height");
            if (*o.height <= 0)
                failAt(m_line, QStringLiteral("the row height must be above 0"));
        }
    }

    // Gives the item the options that apply to its kind; the rest (from a style) are ignored.
    static void applyTo(LayoutItem &item, const Options &o) {
        if (item.kind == ItemKind::Line || item.kind == ItemKind::Box) {
            item.pen = o.pen.value_or(item.pen);
            item.color = o.color.value_or(item.color);
            if (item.kind == ItemKind::Box)
                item.fill = o.fill.value_or(item.fill);
            return;
        }
        item.fontSize = o.size.value_or(item.fontSize);
        item.bold = o.bold.value_or(item.bold);
        item.italic = o.italic.value_or(item.italic);
        item.wrap = o.wrap.value_or(item.wrap);
        item.align = o.align.value_or(item.align);
        item.color = o.color.value_or(item.color);
        item.fill = o.fill.value_or(item.fill);
        if (item.kind != ItemKind::Field)
            return;
        item.format = o.format.value_or(item.format);
        item.blankZero = o.blankZero.value_or(item.blankZero);
        item.days = o.days.value_or(item.days);
        item.suffix = o.suffix.value_or(item.suffix);
    }

    void checkDays(const LayoutItem &item, const Options &written) {
        if (written.days && !isDatePattern(item.format))
            failAt(m_line, QStringLiteral("days= goes with a date format such as "
                                          "format=\"dd/mm/yyyy\""));
    }

    // --- Columns and the row cursor ---

    void columnsStatement(const std::vector<Token> &t) {
        static const char *form =
            "columns caption=X sign=X value=X end=X [height=MM] [captionstyle=NAME] "
            "[signstyle=NAME] [valuestyle=NAME]";
        static constexpr std::array<const char *, 4> kPositions = {"caption", "sign", "value",
                                                                   "end"};
        std::array<std::optional<double>, 4> at;
        Columns c;
        for (std::size_t i = 1; i < t.size(); ++i) {
            const Token &tok = t[i];
            if (!tok.isOption())
                failAt(m_line, QStringLiteral("expected \"%1\"").arg(QLatin1String(form)));
            const Token value{tok.text, {}, false};
            const QString &key = tok.key;
            const auto position =
                std::find_if(kPositions.begin(), kPositions.end(),
                             [&key](const char *p) { return key == QLatin1String(p); });
            if (position != kPositions.end()) {
                at[static_cast<std::size_t>(position - kPositions.begin())] =
                    number(value, m_line, *position);
            } else if (key == QLatin1String("height")) {
                c.height = number(value, m_line, "the row height");
                if (c.height <= 0)
                    failAt(m_line, QStringLiteral("the row height must be above 0"));
            } else if (key == QLatin1String("captionstyle")) {
                c.captionStyle = namedStyle(tok.text);
            } else if (key == QLatin1String("signstyle")) {
                c.signStyle = namedStyle(tok.text);
            } else if (key == QLatin1String("valuestyle")) {
                c.valueStyle = namedStyle(tok.text);
            } else {
                failAt(m_line, QStringLiteral("unknown option \"%1\"").arg(key));
            }
        }
        if (!at[0] || !at[1] || !at[2] || !at[3])
            failAt(m_line, QStringLiteral("expected \"%1\"").arg(QLatin1String(form)));
        c.caption = *at[0];
        c.sign = *at[1];
        c.value = *at[2];
        c.end = *at[3];
        if (!(c.caption < c.sign && c.sign < c.value && c.value < c.end))
            failAt(m_line, QStringLiteral("the columns go left to right: caption < sign < value "
                                          "< end"));
        m_columns = c;
    }

    // "row CAPTION VALUE": the caption (a field, or a text in quotes) at the left, the sign and
    // the right-aligned value in their columns; the cursor moves down by the row's height.
    void rowStatement(const std::vector<Token> &t) {
        insideBand(QStringLiteral("row"));
        if (!m_columns)
            failAt(m_line, QStringLiteral("a row needs a \"columns\" statement before it"));
        if (t.size() < 3 || t[1].isOption() || t[2].isOption() || t[2].quoted ||
            t[2].text.isEmpty() || (!t[1].quoted && t[1].text.isEmpty()))
            failAt(m_line, QStringLiteral("expected \"row CAPTION VALUE [options]\" (CAPTION a "
                                          "field or a \"text\", VALUE a field or -)"));
        const Columns &c = *m_columns;
        const ReadOptions r = readOptions(t, 3, OnRow, QStringLiteral("a row"));
        const double height = r.merged.height.value_or(c.height);
        const double y = m_cursor;

        if (m_section && m_section->lastWasRow && m_section->options.divider) {
            LayoutItem divider = lineAt(std::max(0.0, c.caption - 1), c.end, y);
            divider.pen = kDividerPen;
            divider.color = *m_section->options.divider;
            addItem(std::move(divider));
        }
        if (r.merged.fill) {
            LayoutItem background = boxAt(0, y, frameWidth(), height);
            background.pen = 0;
            background.fill = *r.merged.fill;
            addItem(std::move(background));
        }

        const Options font = r.merged.font();
        LayoutItem caption;
        caption.kind = t[1].quoted ? ItemKind::Text : ItemKind::Field;
        (t[1].quoted ? caption.text : caption.field) = t[1].text;
        caption.rect = QRectF(c.caption, y, c.sign - c.caption, height);
        addPart(std::move(caption), c.captionStyle, font);

        const bool hasValue = t[2].text != QLatin1String("-");
        const QString sign = r.merged.sign.value_or(kDefaultSign);
        if (hasValue && !sign.isEmpty()) {
            LayoutItem mark;
            mark.kind = ItemKind::Text;
            mark.text = sign;
            mark.rect = QRectF(c.sign, y, c.value - c.sign, height);
            addPart(std::move(mark), c.signStyle, font);
        }
        if (hasValue) {
            LayoutItem value;
            value.kind = ItemKind::Field;
            value.field = t[2].text;
            value.align = Qt::AlignRight;
            value.rect = QRectF(c.value, y, c.end - c.value, height);
            checkDays(addPart(std::move(value), c.valueStyle, r.merged.value()), r.written);
        }
        m_cursor = y + height;
        if (m_section)
            m_section->lastWasRow = true;
    }

    const LayoutItem &addPart(LayoutItem item, const Options &partStyle, const Options &row) {
        Options o = partStyle;
        o.overlay(row);
        applyTo(item, o);
        return addItem(std::move(item));
    }

    void gapStatement(const std::vector<Token> &t) {
        insideBand(QStringLiteral("gap"));
        expectCount(t, 2, "gap MM");
        m_cursor += number(t[1], m_line, "the gap");
        if (m_cursor > m_current->height + kSlack)
            failAt(m_line,
                   QStringLiteral("the cursor moves to %1 mm, beyond its band's height of %2 mm")
                       .arg(m_cursor)
                       .arg(m_current->height));
        if (m_section)
            m_section->lastWasRow = false;
    }

    void ruleStatement(const std::vector<Token> &t) {
        insideBand(QStringLiteral("rule"));
        const ReadOptions r = readOptions(t, 1, OnRule, QStringLiteral("a rule"));
        LayoutItem rule = lineAt(0, frameWidth(), m_cursor);
        applyTo(rule, r.merged);
        addItem(std::move(rule));
        if (m_section)
            m_section->lastWasRow = false;
    }

    void sectionStatement(const std::vector<Token> &t) {
        insideBand(QStringLiteral("section"));
        if (m_section)
            failAt(m_line,
                   QStringLiteral("a section is already open (from line %1)").arg(m_section->line));
        OpenSection s;
        s.line = m_line;
        s.top = m_cursor;
        s.options = readOptions(t, 1, OnSection, QStringLiteral("a section")).merged;
        if (s.options.fill) {
            // Its height is known at "end"; placed now so that it lies under the rows.
            s.fillItem = m_current->items.size();
            LayoutItem background = boxAt(0, s.top, frameWidth(), kSlack);
            background.pen = 0;
            background.fill = *s.options.fill;
            addItem(std::move(background));
        }
        m_cursor += s.options.pad.value_or(kDefaultSectionPad);
        gapWithin();
        m_section = std::move(s);
    }

    // `when FIELD`: what follows, up to its "end", prints only when the field has something
    // to print. A block may hold a section but not stand inside one.
    void whenStatement(const std::vector<Token> &t) {
        insideBand(QStringLiteral("when"));
        expectCount(t, 2, "when FIELD");
        if (m_section)
            failAt(m_line, QStringLiteral("\"when\" cannot stand inside a section (opened on "
                                          "line %1)")
                               .arg(m_section->line));
        if (m_block)
            failAt(m_line, QStringLiteral("a \"when\" block is already open (from line %1)")
                               .arg(m_current->blocks[*m_block].line));
        m_current->blocks.push_back({t[1].text, m_line, m_cursor, 0});
        m_block = static_cast<int>(m_current->blocks.size() - 1);
    }

    void endStatement(const std::vector<Token> &t) {
        insideBand(QStringLiteral("end"));
        expectCount(t, 1, "end");
        if (!m_section && m_block) {
            LayoutBlock &block = m_current->blocks[*m_block];
            block.height = m_cursor - block.top;
            m_block.reset();
            return;
        }
        if (!m_section)
            failAt(m_line, QStringLiteral("\"end\" without an open section or block"));
        const OpenSection s = std::move(*m_section);
        m_section.reset();
        m_cursor += s.options.pad.value_or(kDefaultSectionPad);
        gapWithin();
        const double height = m_cursor - s.top;
        if (s.fillItem)
            m_current->items[*s.fillItem].rect.setHeight(height);
        const double pen = s.options.pen.value_or(kDefaultPen);
        if (pen > 0) {
            LayoutItem outline = boxAt(0, s.top, frameWidth(), height);
            outline.pen = pen;
            outline.color = s.options.color.value_or(QColor());
            addItem(std::move(outline));
        }
        if (s.options.accent) {
            LayoutItem bar = boxAt(0, s.top, kAccentWidth, height);
            bar.pen = 0;
            bar.fill = *s.options.accent;
            addItem(std::move(bar));
        }
    }

    void gapWithin() {
        if (m_cursor > m_current->height + kSlack)
            failAt(m_line, QStringLiteral("the section reaches %1 mm down, beyond its band's "
                                          "height of %2 mm")
                               .arg(m_cursor)
                               .arg(m_current->height));
    }

    void closedSection() {
        if (m_section)
            failAt(m_section->line, QStringLiteral("the section has no \"end\""));
        if (m_block)
            failAt(m_current->blocks[*m_block].line,
                   QStringLiteral("the \"when\" block has no \"end\""));
    }

    static LayoutItem lineAt(double x1, double x2, double y) {
        LayoutItem item;
        item.kind = ItemKind::Line;
        item.segment = QLineF(x1, y, x2, y);
        item.pen = kDefaultPen;
        return item;
    }

    static LayoutItem boxAt(double x, double y, double w, double h) {
        LayoutItem item;
        item.kind = ItemKind::Box;
        item.rect = QRectF(x, y, w, h);
        item.pen = kDefaultPen;
        return item;
    }

    const LayoutItem &addItem(LayoutItem item) {
        item.line = m_line;
        item.block = m_block.value_or(-1);
        checkInside(item);
        m_current->items.push_back(std::move(item));
        return m_current->items.back();
    }

    // --- Bands and placed items ---

    void bandStatement(const std::vector<Token> &t) {
        if (m_section)
            failAt(m_line, QStringLiteral("the section opened on line %1 has no \"end\"")
                               .arg(m_section->line));
        if (m_block)
            failAt(m_line, QStringLiteral("the \"when\" block opened on line %1 has no \"end\"")
                               .arg(m_current->blocks[*m_block].line));
        if (t.size() < 3 || t[1].isOption() || t[2].isOption())
            failAt(m_line,
                   QStringLiteral(
                       "expected \"band title|header|detail|summary|footer|continued HEIGHT\""));
        static const std::array<const char *, kBandKinds> names = {
            "title", "header", "detail", "summary", "footer", "continued"};
        std::optional<BandKind> kind;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (t[1].text == QLatin1String(names[i]))
                kind = static_cast<BandKind>(i);
        if (!kind)
            failAt(m_line, QStringLiteral("unknown band \"%1\"").arg(t[1].text));
        auto &slot = m_layout.bands[static_cast<std::size_t>(*kind)];
        if (slot)
            failAt(m_line, QStringLiteral("the %1 band is given twice (first on line %2)")
                               .arg(t[1].text)
                               .arg(slot->line));
        LayoutBand band;
        band.kind = *kind;
        band.line = m_line;
        band.height = number(t[2], m_line, "the band height");
        if (band.height <= 0)
            failAt(m_line, QStringLiteral("the band height must be above 0"));
        for (std::size_t i = 3; i < t.size(); ++i) {
            if (t[i].key == QLatin1String("table") && *kind == BandKind::Detail &&
                !t[i].text.isEmpty())
                band.table = t[i].text;
            else
                failAt(m_line,
                       QStringLiteral("unexpected \"%1\" (only a detail band takes table=NAME)")
                           .arg(t[i].isOption() ? t[i].key : t[i].text));
        }
        slot = std::move(band);
        m_current = &*slot;
        m_cursor = 0;
    }

    // A Y position: millimetres from the band's top, or "@" (the cursor) and "@N" (N below it).
    double yPosition(const Token &t, const char *what) {
        if (!t.quoted && !t.isOption() && t.text.startsWith(u'@')) {
            const QString below = t.text.mid(1);
            return m_cursor + (below.isEmpty() ? 0 : number(Token{below, {}, false}, m_line, what));
        }
        return number(t, m_line, what);
    }

    void itemStatement(const std::vector<Token> &t) {
        const QString &w = t.front().text;
        insideBand(w);
        LayoutItem item;
        std::size_t positional = 5;
        if (w == QLatin1String("text") || w == QLatin1String("field"))
            positional = 6;
        if (t.size() < positional)
            failAt(m_line, QStringLiteral("expected \"%1\"").arg(form(w)));
        for (std::size_t i = 1; i < positional; ++i)
            if (t[i].isOption())
                failAt(m_line, QStringLiteral("expected \"%1\"").arg(form(w)));
        const double a = number(t[1], m_line, "x"), b = yPosition(t[2], "y");
        if (w == QLatin1String("line")) {
            item.kind = ItemKind::Line;
            item.segment = QLineF(a, b, number(t[3], m_line, "x2"), yPosition(t[4], "y2"));
            item.pen = kDefaultPen;
        } else {
            item.rect =
                QRectF(a, b, number(t[3], m_line, "the width"), number(t[4], m_line, "the height"));
            if (item.rect.width() <= 0 || item.rect.height() <= 0)
                failAt(m_line, QStringLiteral("the width and height must be above 0"));
            if (w == QLatin1String("box")) {
                item.kind = ItemKind::Box;
                item.pen = kDefaultPen;
            } else if (w == QLatin1String("text")) {
                item.kind = ItemKind::Text;
                if (!t[5].quoted)
                    failAt(m_line, QStringLiteral("the text of a caption is written in quotes"));
                item.text = t[5].text;
            } else {
                item.kind = ItemKind::Field;
                if (t[5].text.isEmpty())
                    failAt(m_line, QStringLiteral("the field name is empty"));
                item.field = t[5].text;
            }
        }
        const ReadOptions r = readOptions(t, positional, target(item.kind), kindName(item.kind));
        applyTo(item, r.merged);
        if (item.kind == ItemKind::Field)
            checkDays(item, r.written);
        addItem(std::move(item));
    }

    static unsigned target(ItemKind kind) {
        switch (kind) {
        case ItemKind::Text:
            return OnText;
        case ItemKind::Field:
            return OnField;
        case ItemKind::Line:
            return OnLine;
        case ItemKind::Box:
            return OnBox;
        }
        return 0;
    }

    static QString form(const QString &w) {
        if (w == QLatin1String("text"))
            return QStringLiteral("text X Y WIDTH HEIGHT \"TEXT\" [options]");
        if (w == QLatin1String("field"))
            return QStringLiteral("field X Y WIDTH HEIGHT NAME [options]");
        if (w == QLatin1String("line"))
            return QStringLiteral("line X1 Y1 X2 Y2 [pen=MM] [color=#rrggbb]");
        return QStringLiteral("box X Y WIDTH HEIGHT [pen=MM] [color=#rrggbb] [fill=#rrggbb]");
    }

    static QString kindName(ItemKind kind) {
        switch (kind) {
        case ItemKind::Text:
            return QStringLiteral("a text");
        case ItemKind::Field:
            return QStringLiteral("a field");
        case ItemKind::Line:
            return QStringLiteral("a line");
        case ItemKind::Box:
            return QStringLiteral("a box");
        }
        return {};
    }

    void checkInside(const LayoutItem &item) {
        const double width = frameWidth();
        const double height = m_current->height;
        const QRectF bounds = item.kind == ItemKind::Line
                                  ? QRectF(item.segment.p1(), item.segment.p2()).normalized()
                                  : item.rect;
        if (bounds.right() > width + kSlack)
            failAt(m_line,
                   QStringLiteral(
                       "the item reaches %1 mm across, beyond the %2 mm between the margins")
                       .arg(bounds.right())
                       .arg(width));
        if (bounds.bottom() > height + kSlack)
            failAt(m_line,
                   QStringLiteral("the item reaches %1 mm down, beyond its band's height of %2 mm")
                       .arg(bounds.bottom())
                       .arg(height));
    }

    // Each page must hold what it has to repeat plus one more band, or the page breaks would
    // never end.
    void checkHeights() {
        const double frame = m_layout.frameSize().height();
        auto h = [this](BandKind k) {
            const auto &b = m_layout.band(k);
            return b ? b->height : 0.0;
        };
        for (BandKind k : {BandKind::Title, BandKind::Detail, BandKind::Summary}) {
            // Only the first page goes without the continued band.
            const double fixed = h(BandKind::Header) + h(BandKind::Footer) +
                                 (k == BandKind::Title ? 0 : h(BandKind::Continued));
            const auto &b = m_layout.band(k);
            if (b && fixed + b->height > frame + kSlack)
                failAt(b->line, QStringLiteral("the band with the header and footer needs %1 mm, "
                                               "more than the %2 mm the page holds")
                                    .arg(fixed + b->height)
                                    .arg(frame));
        }
    }

    // Small set of names already seen, for "given twice".
    struct Seen {
        QStringList names;
        bool insert(const QString &n) {
            if (names.contains(n))
                return false;
            names << n;
            return true;
        }
    };

    ReportLayout m_layout;
    LayoutBand *m_current = nullptr;
    Seen m_setupSeen;
    std::map<QString, Options> m_styles;
    std::optional<Columns> m_columns;
    std::optional<OpenSection> m_section;
    std::optional<int> m_block; // the open "when" block of the current band
    double m_cursor = 0;        // mm below the current band's top, where the next row goes
    bool m_sawVersion = false;
    int m_line = 0;
    QString m_folder;
    bool m_including = false;
};

} // namespace

QString ReportLayout::detailTable() const {
    const auto &detail = band(BandKind::Detail);
    return detail && !detail->table.isEmpty() ? detail->table : table;
}

bool isDatePattern(const QString &format) {
    return !format.isEmpty() &&
           (format.front() == u'd' || format.front() == u'm' || format.front() == u'y');
}

QStringList embeddedFields(const QString &text) {
    static const QRegularExpression braces(QStringLiteral("\\{([^{}\\s]+)\\}"));
    QStringList names;
    for (const QRegularExpressionMatch &m : braces.globalMatch(text)) {
        const QString name = m.captured(1);
        if (name != QLatin1String("page") && name != QLatin1String("pages") &&
            name != QLatin1String("printed"))
            names << name;
    }
    return names;
}

QSizeF ReportLayout::paperSize() const {
    QSizeF size = QPageSize::size(pageSize, QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        size.transpose();
    return size;
}

QSizeF ReportLayout::frameSize() const {
    const QSizeF paper = paperSize();
    return {paper.width() - margins.left() - margins.right(),
            paper.height() - margins.top() - margins.bottom()};
}

std::optional<ReportLayout> LayoutParser::parse(const QString &text, QString *error) {
    try {
        return Parser().parse(text);
    } catch (const LayoutError &e) {
        if (error)
            *error = e.message;
        return std::nullopt;
    }
}

std::optional<ReportLayout> LayoutParser::parseFile(const QString &path, QString *error) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (error)
            *error = info.exists()
                         ? QStringLiteral("The report layout %1 is not a file.").arg(path)
                         : QStringLiteral("The report layout %1 was not found.").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The report layout %1 could not be read: %2")
                         .arg(path, file.errorString());
        return std::nullopt;
    }
    QString why;
    std::optional<ReportLayout> layout;
    try {
        layout = Parser(QFileInfo(path).absolutePath()).parse(QString::fromUtf8(file.readAll()));
    } catch (const LayoutError &e) {
        why = e.message;
    }
    if (!layout && error)
        *error = QStringLiteral("The report layout %1 is not valid: %2").arg(path, why);
    return layout;
}

} // namespace quillon::report
