#include "report/LayoutParser.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace quillon::report {

namespace {

constexpr double kSlack = 0.001; // mm: rounding in hand-written sums

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

void checkPattern(const QString &pattern, int line) {
    static const QRegularExpression allowed(QStringLiteral("^[#0 ,]*[#0](\\.0+)?$"));
    if (!allowed.match(pattern).hasMatch())
        failAt(
            line,
            QStringLiteral("\"%1\" is not a number format (use # 0 blank , and .)").arg(pattern));
}

class Parser {
public:
    ReportLayout parse(const QString &text) {
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
        m_line = static_cast<int>(lines.size());
        if (!m_sawVersion)
            failAt(
                1,
                QStringLiteral(
                    "the file is not a report layout (it must begin with \"quillon-layout 1\")"));
        if (m_layout.table.isEmpty())
            failAt(m_line, QStringLiteral("the layout names no table (\"table NAME\")"));
        checkHeights();
        return m_layout;
    }

private:
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
        if (w == QLatin1String("table"))
            return tableStatement(t);
        if (w == QLatin1String("page") || w == QLatin1String("margins") ||
            w == QLatin1String("font"))
            return setupStatement(t);
        if (w == QLatin1String("band"))
            return bandStatement(t);
        if (w == QLatin1String("text") || w == QLatin1String("field") ||
            w == QLatin1String("line") || w == QLatin1String("box"))
            return itemStatement(t);
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

    void bandStatement(const std::vector<Token> &t) {
        if (t.size() < 3 || t[1].isOption() || t[2].isOption())
            failAt(m_line,
                   QStringLiteral("expected \"band title|header|detail|summary|footer HEIGHT\""));
        static const std::array<const char *, kBandKinds> names = {"title", "header", "detail",
                                                                   "summary", "footer"};
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
    }

    void itemStatement(const std::vector<Token> &t) {
        const QString &w = t.front().text;
        if (!m_current)
            failAt(m_line, QStringLiteral("\"%1\" must stand inside a band").arg(w));
        LayoutItem item;
        item.line = m_line;
        std::size_t positional = 5;
        if (w == QLatin1String("text") || w == QLatin1String("field"))
            positional = 6;
        if (t.size() < positional)
            failAt(m_line, QStringLiteral("expected \"%1\"").arg(form(w)));
        for (std::size_t i = 1; i < positional; ++i)
            if (t[i].isOption())
                failAt(m_line, QStringLiteral("expected \"%1\"").arg(form(w)));
        const double a = number(t[1], m_line, "x"), b = number(t[2], m_line, "y");
        if (w == QLatin1String("line")) {
            item.kind = ItemKind::Line;
            item.segment = QLineF(a, b, number(t[3], m_line, "x2"), number(t[4], m_line, "y2"));
            item.pen = 0.25;
        } else {
            item.rect =
                QRectF(a, b, number(t[3], m_line, "the width"), number(t[4], m_line, "the height"));
            if (item.rect.width() <= 0 || item.rect.height() <= 0)
                failAt(m_line, QStringLiteral("the width and height must be above 0"));
            if (w == QLatin1String("box")) {
                item.kind = ItemKind::Box;
                item.pen = 0.25;
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
        for (std::size_t i = positional; i < t.size(); ++i)
            option(item, t[i]);
        checkInside(item);
        m_current->items.push_back(std::move(item));
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

    void option(LayoutItem &item, const Token &t) {
        const bool isText = item.kind == ItemKind::Text || item.kind == ItemKind::Field;
        const QString name = t.isOption() ? t.key : t.text;
        auto refuse = [&] {
            failAt(m_line,
                   QStringLiteral("\"%1\" does not apply to %2").arg(name, kindName(item.kind)));
        };
        if (!t.isOption()) {
            if (t.quoted)
                failAt(m_line, QStringLiteral("unexpected text \"%1\"").arg(t.text));
            if (!isText)
                refuse();
            if (name == QLatin1String("bold"))
                item.bold = true;
            else if (name == QLatin1String("italic"))
                item.italic = true;
            else if (name == QLatin1String("wrap"))
                item.wrap = true;
            else if (name == QLatin1String("blankzero") && item.kind == ItemKind::Field)
                item.blankZero = true;
            else
                failAt(m_line, QStringLiteral("unknown option \"%1\"").arg(name));
            return;
        }
        if (name == QLatin1String("color")) {
            item.color = colour(t.text, m_line);
        } else if (name == QLatin1String("fill")) {
            if (item.kind == ItemKind::Line)
                refuse();
            item.fill = colour(t.text, m_line);
        } else if (name == QLatin1String("pen")) {
            if (isText)
                refuse();
            item.pen = number(Token{t.text, {}, false}, m_line, "the pen width");
            if (item.pen > 5)
                failAt(m_line, QStringLiteral("a pen wider than 5 mm is not a line"));
        } else if (name == QLatin1String("size")) {
            if (!isText)
                refuse();
            item.fontSize = fontSize(Token{t.text, {}, false});
        } else if (name == QLatin1String("align")) {
            if (!isText)
                refuse();
            if (t.text == QLatin1String("left"))
                item.align = Qt::AlignLeft;
            else if (t.text == QLatin1String("center"))
                item.align = Qt::AlignHCenter;
            else if (t.text == QLatin1String("right"))
                item.align = Qt::AlignRight;
            else
                failAt(m_line,
                       QStringLiteral("align is left, center or right, not \"%1\"").arg(t.text));
        } else if (name == QLatin1String("format")) {
            if (item.kind != ItemKind::Field)
                refuse();
            checkPattern(t.text, m_line);
            item.format = t.text;
        } else {
            failAt(m_line, QStringLiteral("unknown option \"%1\"").arg(name));
        }
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
        const double width = m_layout.frameSize().width();
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
        const double fixed = h(BandKind::Header) + h(BandKind::Footer);
        for (BandKind k : {BandKind::Title, BandKind::Detail, BandKind::Summary}) {
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
    bool m_sawVersion = false;
    int m_line = 0;
};

} // namespace

QString ReportLayout::detailTable() const {
    const auto &detail = band(BandKind::Detail);
    return detail && !detail->table.isEmpty() ? detail->table : table;
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
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("The report layout %1 was not found.").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The report layout %1 could not be read: %2")
                         .arg(path, file.errorString());
        return std::nullopt;
    }
    QString why;
    auto layout = parse(QString::fromUtf8(file.readAll()), &why);
    if (!layout && error)
        *error = QStringLiteral("The report layout %1 is not valid: %2").arg(path, why);
    return layout;
}

} // namespace quillon::report
