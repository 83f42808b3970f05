#include "cli/CliRun.h"

#include <QJsonObject>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

void registerAll(cli::CommandRegistry &registry) {
    cli::registerPayeCommands(registry);
    cli::registerPackageCommands(registry);
    cli::registerVehicleCommands(registry);
    cli::registerBusinessCommands(registry);
}

test::CliRun run(const char *command, const QString &input) {
    return test::runCli(&registerAll, QString::fromLatin1(command), input);
}

// One key of each field family, with figures just outside what its window field takes.
struct Family {
    const char *command;
    const char *key;
    const char *maximum;  // accepted
    const char *tooLarge; // just above the maximum
    const char *belowMinimum;
    const char *tooPrecise; // one decimal more than the field shows
    const char *allowed;    // how the message states the range
};

const Family kFamilies[] = {
    {"annual", "salary", "999999999999", "1000000000000", "-1", "0.5",
     "a whole number from 0 to 999999999999"},
    {"weekly", "salary", "999999999999.99", "1000000000000", "-0.01", "0.125",
     "a number from 0 to 999999999999.99 with at most 2 decimals"},
    {"monthly", "bonus", "999999999999", "1000000000000", "-1", "0.5",
     "a whole number from 0 to 999999999999"},
    {"quicktax", "age", "32767", "32768", "-1", "40.5", "a whole number from 0 to 32767"},
    {"monthly", "employeeUIF", "100", "100.001", "-0.001", "1.0005",
     "a number from 0 to 100 with at most 3 decimals"},
    {"brisvane-annual", "package", "999999999999.99", "1000000000000", "-0.01", "0.125",
     "a number from 0 to 999999999999.99 with at most 2 decimals"},
    {"car-allowance", "closeKm", "999999999999", "1000000000000", "-1", "0.5",
     "a whole number from 0 to 999999999999"},
    {"loan-buster", "extraPayment", "99999999.99", "100000000", "-0.01", "0.125",
     "a number from 0 to 99999999.99 with at most 2 decimals"},
    {"loan", "repayment", "9999999.99", "10000000", "-0.01", "0.125",
     "a number from 0 to 9999999.99 with at most 2 decimals"},
    {"loan-buster", "period", "600", "601", "-1", "0.5", "a whole number from 0 to 600"},
    {"loan-comparison", "rate", "50", "50.001", "-0.001", "0.0005",
     "a number from 0 to 50 with at most 3 decimals"},
    {"daily-balance", "rate", "40", "40.001", "-0.001", "0.0005",
     "a number from 0 to 40 with at most 3 decimals"},
    {"inflation", "period", "40", "41", "-1", "0.5", "a whole number from 0 to 40"},
    {"inflation", "rate", "40", "40.001", "-5.001", "0.0005",
     "a number from -5 to 40 with at most 3 decimals"},
    {"annual", "allMonthsBeneficiaries", "24", "25", "-1", "0.5", "a whole number from 0 to 24"},
    {"daily", "medAidBeneficiaries", "16", "17", "-1", "0.5", "a whole number from 0 to 16"},
};

// Every refused kind answers one error line naming the key and the figure, and is never
// worked out; the field's maximum itself is taken.
TEST(InputRanges, EveryFieldFamilyRefusesWhatItsWindowRefuses) {
    for (const Family &f : kFamilies) {
        const QString key = QString::fromLatin1(f.key);
        const QString allowed = QString::fromLatin1(f.allowed);
        SCOPED_TRACE(std::string(f.command) + " " + f.key);
        auto object = [&](const char *value) {
            return QStringLiteral("{\"%1\":%2}").arg(key, QString::fromLatin1(value));
        };
        const test::CliRun maximum = run(f.command, object(f.maximum));
        EXPECT_EQ(maximum.code, 0) << maximum.err.toStdString();

        struct Refusal {
            QString input;
            QString message;
        };
        auto outOfRange = [&](const char *value) {
            return Refusal{object(value), QStringLiteral("\"%1\" must be %2 (given: %3)")
                                              .arg(key, allowed, QString::fromLatin1(value))};
        };
        const Refusal refusals[] = {
            outOfRange(f.tooLarge),
            outOfRange(f.belowMinimum),
            outOfRange(f.tooPrecise),
            {object("NaN"), QStringLiteral("\"%1\" must be %2 (given: NaN)").arg(key, allowed)},
            {object("-Infinity"),
             QStringLiteral("\"%1\" must be %2 (given: infinite)").arg(key, allowed)},
            {object("\"1\""), QStringLiteral("\"%1\" must be a number").arg(key)},
            {QStringLiteral("{\"%1\":1,\"%1\":1}").arg(key),
             QStringLiteral("the key \"%1\" is given twice").arg(key)},
        };
        for (const Refusal &refusal : refusals) {
            const test::CliRun r = run(f.command, refusal.input);
            EXPECT_EQ(r.code, 1) << refusal.input.toStdString();
            const QJsonObject answer = r.json();
            EXPECT_EQ(answer.value(QStringLiteral("line")).toInt(), 1);
            EXPECT_TRUE(answer.value(QStringLiteral("error")).toString().contains(refusal.message))
                << refusal.input.toStdString() << " answered " << r.out.toStdString();
            EXPECT_TRUE(r.err.contains(refusal.message)) << r.err.toStdString();
        }
    }
}

TEST(InputRanges, OptionSettingsTakeOnlyTheirTwoValues) {
    for (const char *input : {R"({"inclusionRate":0.5})", R"({"inclusionRate":1e308})"}) {
        const test::CliRun r = run("monthly", QString::fromLatin1(input));
        EXPECT_EQ(r.code, 1) << input;
        EXPECT_TRUE(r.err.contains(QStringLiteral("\"inclusionRate\" must be 0.8 or 0.2")))
            << input;
    }
}

} // namespace
