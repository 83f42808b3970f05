#include "taxengine/NumberText.h"

#include <gtest/gtest.h>

#include <random>

using quillon::formatPattern;
using quillon::leadingNumber;
using quillon::plainNumber;

namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const std::pair<const char *, double> cases[] = {
        {"", 0},          {"abc", 0},      {"12", 12},
        {"  12.5", 12.5}, {"12.5R", 12.5}, {"1 234.56", 1234.56},
        {"-7", -7},       {"+3", 3},       {"1.2.3", 1.2},
        {".5", 0.5},      {"-", 0},        {"1e3", 1000},
        {"1e", 1},        {"2E-2x", 0.02}, {"14 872", 14872},
        {"12,5", 12},     {"1e999", 0},    {"0.00", 0}};
    for (auto [text, value] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(text)), value) << text;
}

TEST(LeadingNumber, AnyBytesGiveANumberAndNeverCrash) {
    std::mt19937 rng(20170228);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    const char alphabet[] = "0123456789 .+-eEdD\t,xR";
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int len = length(rng);
        for (int i = 0; i < len; ++i) {
            const int b = byte(rng);
            bytes.append(b < 200 ? alphabet[b % (sizeof(alphabet) - 1)] : static_cast<char>(b));
        }
        const double v = leadingNumber(QString::fromUtf8(bytes));
        EXPECT_TRUE(std::isfinite(v)) << bytes.toHex().constData();
    }
}

TEST(FormatPattern, DisplayPatterns) {
    struct Case {
        double value;
        const char *pattern;
        const char *text;
    };
    const Case cases[] = {{1234.5, "0.00", "1234.50"},
                          {0, "0.00", "0.00"},
                          {3132.864, "0.000", "3132.864"},
                          {1101.0949, "0.00", "1101.09"},
                          {2.5, "0", "3"},
                          {-1.005, "0.00", "-1.00"},
                          {1234567.891, "# ### ### ##0.00", "1 234 567.89"},
                          {0.5, "# ### ### ##0.00", "0.50"},
                          {12, "##", "12"},
                          {0, "##", ""},
                          {1234567, "#,##0", "1,234,567"},
                          {-1234.5, "### ### ##0.00", "-1 234.50"},
                          {5, "# ### ### ###.00", "5.00"},
                          {0.25, "# ### ### ###.00", ".25"}};
    for (const Case &c : cases)
        EXPECT_EQ(formatPattern(c.value, QString::fromLatin1(c.pattern)),
                  QString::fromLatin1(c.text))
            << c.value << " " << c.pattern;
}

TEST(PlainNumber, NoGroupingNoTrailingZeros) {
    EXPECT_EQ(plainNumber(250000), QStringLiteral("250000"));
    EXPECT_EQ(plainNumber(123456.5), QStringLiteral("123456.5"));
    EXPECT_EQ(plainNumber(1.8), QStringLiteral("1.8"));
    EXPECT_EQ(plainNumber(1.09), QStringLiteral("1.09"));
    EXPECT_EQ(plainNumber(-0.0), QStringLiteral("0"));
    // No binary noise past 15 significant digits.
    EXPECT_EQ(plainNumber(2500000.07), QStringLiteral("2500000.07"));
    EXPECT_EQ(plainNumber(99999999.99), QStringLiteral("99999999.99"));
}

} // namespace
