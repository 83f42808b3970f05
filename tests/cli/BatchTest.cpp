#include "cli/CliRun.h"
#include "cli/JsonOutput.h"
#include "common/TestData.h"

#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace quillon;

namespace {

test::CliRun annual(const QString &input, const QStringList &options = {}) {
    return test::runCli(&cli::registerPayeCommands, QStringLiteral("annual"), input, options);
}

QJsonObject parsed(const QString &line) {
    return QJsonDocument::fromJson(line.toUtf8()).object();
}

// Row i of the answers stays employee i: refused lines answer in place with their line number.
TEST(Batch, RefusedLinesKeepTheirPlace) {
    const QString input = QStringLiteral("{\"salary\":100000}\n"
                                         "{\"salary\":200000}\n"
                                         "{\"salary\":-1}\n"
                                         "{\"salary\":300000}\n"
                                         "not json\n"
                                         "{\"salary\":400000}\n"
                                         "\n"
                                         "{\"salary\":500000}\n");
    const test::CliRun r = annual(input);
    EXPECT_EQ(r.code, 1);
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), 7) << r.out.toStdString();
    const int refusedAt[] = {3, 5};
    for (int line : refusedAt) {
        EXPECT_TRUE(r.err.contains(QStringLiteral("line %1: ").arg(line))) << line;
    }
    EXPECT_EQ(parsed(lines[2]).value(QStringLiteral("line")).toInt(), 3);
    EXPECT_EQ(parsed(lines[4]).value(QStringLiteral("line")).toInt(), 5);
    // The answers around them are the right employees': tax rises with the salary.
    double previous = 0;
    for (int i : {0, 1, 3, 5, 6}) {
        const double tax = parsed(lines[i]).value(QStringLiteral("taxLiability")).toDouble();
        EXPECT_GT(tax, previous) << "answer " << i;
        previous = tax;
    }
}

// A batch whose answers fill several writes keeps every answer whole and in its place.
TEST(Batch, AnswersBeyondOneWriteKeepTheirOrder) {
    QString input;
    const int count = 1000;
    for (int i = 1; i <= count; ++i)
        input += QStringLiteral("{\"salary\":%1}\n").arg(100000 + 1000 * i);
    const test::CliRun r = annual(input);
    EXPECT_EQ(r.code, 0);
    ASSERT_GT(r.out.size(), 3 * 65536);
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), count);
    double previous = 0;
    for (const QString &line : lines) {
        const double tax = parsed(line).value(QStringLiteral("taxLiability")).toDouble();
        ASSERT_GT(tax, previous) << line.toStdString();
        previous = tax;
    }
}

// Numbers the JSON library read as garbage in full precision are read as they are written: a
// zero with a large exponent, and a long mantissa (1.000…0e-330 is too small to hold: zero).
// A malformed number near them is still refused.
TEST(Batch, NumbersAreReadAsWritten) {
    const QString longOne = QStringLiteral("1.") + QString(900, u'0') + QStringLiteral("e-330");
    const test::CliRun r = annual(QStringLiteral("{\"salary\":0e104}\n"
                                                 "{\"salary\":300000,\"age\":-0.00E+40}\n"
                                                 "{\"salary\":300000,\"age\":0}\n"
                                                 "{\"salary\":0.e5}\n"
                                                 "{\"salary\":0e5.3}\n"
                                                 "{\"salary\":%1}\n")
                                      .arg(longOne));
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), 6) << r.out.toStdString();
    ASSERT_TRUE(parsed(lines[0]).contains(QStringLiteral("taxLiability")))
        << lines[0].toStdString();
    EXPECT_EQ(parsed(lines[0]).value(QStringLiteral("taxLiability")).toDouble(), 0);
    EXPECT_EQ(lines[1], lines[2]);
    EXPECT_EQ(parsed(lines[3]).value(QStringLiteral("line")).toInt(), 4);
    EXPECT_EQ(parsed(lines[4]).value(QStringLiteral("line")).toInt(), 5);
    EXPECT_EQ(lines[5], lines[0]);
}

// Lines that crashed the tool or were misread are refused in place; the next is still answered.
TEST(Batch, HostileLinesAreRefusedInPlace) {
    const auto nested = [](int depth) -> QString {
        return QStringLiteral("{\"zz\":") + QString(depth - 1, u'[') + QString(depth - 1, u']') +
               QChar(u'}');
    };
    const std::pair<QString, const char *> rows[] = {
        {nested(100000), "nested more than 64 deep"},
        {nested(64), "unknown key \"zz\""},
        {QStringLiteral("{\"salary\":1}") + QChar(u'\0') + QChar(u'}'),
         "a NUL byte (at character 13)"},
        {QStringLiteral("{\"employeeName\":\"%1\"}").arg(QString(51, u'x')), "at most 50 char"},
    };
    for (const auto &[line, error] : rows) {
        const QStringList lines = annual(line + QStringLiteral("\n{\"salary\":300000}\n")).lines();
        ASSERT_EQ(lines.size(), 2) << error;
        EXPECT_TRUE(parsed(lines[0])[u"error"].toString().contains(QLatin1String(error))) << error;
        EXPECT_TRUE(parsed(lines[1]).contains(u"taxLiability")) << error;
    }
    static_assert(sizeof(std::declval<cli::LineReader>().lineNumber()) == 8, "past 2^31 lines");
}

TEST(Batch, WholeRunRefusals) {
    struct Case {
        QString input;
        QStringList options;
        int code;
        const char *message;
    };
    const Case cases[] = {
        {QStringLiteral("{}"), {QStringLiteral("--pdf"), QString()}, 2, "--pdf needs a value"},
        {QStringLiteral("{}\n{}\n"),
         {QStringLiteral("--pdf"), QStringLiteral("x.pdf")},
         1,
         "--pdf takes a single input object"},
        {QString(), {}, 1, "no input object"},
        {QString(2 << 20, u'x') + QStringLiteral("\n{}\n"), {}, 1, "line 1: the line is longer"},
    };
    for (const Case &c : cases) {
        const test::CliRun r = annual(c.input, c.options);
        EXPECT_EQ(r.code, c.code) << c.message;
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.message))) << r.err.toStdString();
    }
}

TEST(Batch, AnswersNeverHoldAFigureThatIsNotFinite) {
    cli::JsonObject o{
        {"fine", 1.5}, {"whole", 300000.0}, {"tooLarge", HUGE_VAL}, {"text", "a\"b\n"}};
    EXPECT_EQ(o.nonFinite(), "tooLarge");
    EXPECT_EQ(o.text(), R"({"fine":1.5,"whole":300000,"tooLarge":null,"text":"a\"b\n"})");

    // Members whose frame was written ahead, the same figure twice among them.
    cli::JsonObject framed;
    framed.addFramedNumber(",\"a\":", 2.5)
        .addFramedNumber(",\"b\":", HUGE_VAL)
        .addFramedNumber(",\"c\":", 2.5);
    EXPECT_EQ(framed.nonFinite(), "b");
    EXPECT_EQ(framed.text(), R"({"a":2.5,"b":null,"c":2.5})");
}

// Figures are written in their shortest exact form, rand and cents by a quicker way than the
// rest: both ways must give the same texts at their meeting points.
TEST(Batch, FiguresAreWrittenInTheirShortestForm) {
    const std::pair<double, const char *> cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {0.1, "0.1"},
        {-0.01, "-0.01"},
        {1784.64, "1784.64"},
        {0.005, "0.005"},
        {0.1 + 0.2, "0.30000000000000004"},
        {9999999999999.99, "9999999999999.99"},
        {1e13, "10000000000000"},
        {4294967295.0, "4294967295"},
        {-4294967296.0, "-4294967296"},
        {42949672.96, "42949672.96"},
        {999999999999999.0, "999999999999999"},
        {123456789012345.67, "123456789012345.67"},
        {1e21, "1e+21"},
        {1e-7, "1e-07"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(cli::JsonValue(value).text(), text) << text;
}

// The real tool, for what only a process shows: its pipes and its output devices.
QString tool() {
    return test::binPath(QStringLiteral("quillon-calc"));
}

TEST(Batch, AnswersTheFirstLineBeforeTheInputEnds) {
    QProcess p;
    p.start(tool(), {QStringLiteral("annual")});
    ASSERT_TRUE(p.waitForStarted());
    p.write("{\"salary\":300000}\n");
    ASSERT_TRUE(p.waitForReadyRead(60000)) << "no answer while the input is still open";
    EXPECT_TRUE(p.readLine().startsWith("{\"allowableRFundDeduction\""));
    p.write("{\"salary\":400000}\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAll().count('\n'), 1);
}

TEST(Batch, AFailedWriteExitsNonZero) {
    QTemporaryDir dir;
    struct Case {
        QStringList arguments;
        const char *message;
    };
    const Case cases[] = {
        {{QStringLiteral("annual")}, "could not be written to standard output"},
        {{QStringLiteral("annual"), QStringLiteral("--pdf"), QStringLiteral("/dev/full")},
         "the PDF file \"/dev/full\" could not be written"},
    };
    for (const Case &c : cases) {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(tool(), c.arguments);
        p.write("{\"salary\":300000}\n");
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 3) << c.message;
        EXPECT_TRUE(p.readAllStandardError().contains(c.message)) << c.message;
    }
    // A PDF that cannot be drawn leaves the file that was there as it was.
    const QString pdf = dir.filePath(QStringLiteral("kept.pdf"));
    QFile kept(pdf);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("earlier");
    kept.close();
    const test::CliRun r = annual(
        QStringLiteral("{}"), {QStringLiteral("--pdf"), pdf, QStringLiteral("--data"), dir.path()});
    EXPECT_EQ(r.code, 1);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "earlier");
}

} // namespace
