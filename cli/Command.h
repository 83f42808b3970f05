#pragma once

#include "cli/JsonInput.h"
#include "cli/JsonOutput.h"
#include "report/PrintJob.h"
#include "taxengine/FieldRanges.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace quillon::cli {

// The length of the name field of a window's print panel.
inline constexpr qsizetype kPrintedNameMaxLength = 50;

// What a key of a sub-command's input or output holds; shown by --help.
enum class KeyKind { Number, Integer, Date, Text, Flag, List, Object };

// A key of a sub-command's input or output: its name, what it holds and its --help text.
struct JsonKey {
    QString name;
    KeyKind kind = KeyKind::Number;
    QString help;
};

// Reads one input object against the keys a sub-command declares. The first problem (an
// unknown key, a value of the wrong kind or outside its field's range, a date that cannot be
// read) is kept and reported; later reads then return their fallbacks, so a command reads all
// its keys and checks ok() once.
class InputReader {
public:
    InputReader(const JsonInputValue &object, const std::vector<JsonKey> &keys);

    // A figure of a window field: within the field's minimum and maximum, with no more
    // decimals than its display pattern shows.
    double number(const QString &key, const tax::FieldRange &range, double fallback = 0);
    // A whole number held in 16 bits (ages, counts) within the field's range.
    std::int16_t int16(const QString &key, const tax::FieldRange &range, std::int16_t fallback = 0);
    // One of a few exact values (the 80 % / 20 % options).
    double choice(const QString &key, std::initializer_list<double> allowed, double fallback);
    double choice(const QString &key, std::span<const double> allowed, double fallback);
    // dd/mm/yyyy or yyyy-mm-dd.
    QDate date(const QString &key, const QDate &fallback);
    QString text(const QString &key, const QString &fallback = {});
    // A name typed into a print panel, which holds at most kPrintedNameMaxLength characters.
    QString printedName(const QString &key);
    bool flag(const QString &key, bool fallback = false);
    std::span<const JsonInputValue> list(const QString &key);
    bool has(const QString &key) const { return find(key) != nullptr; }
    // Whether the key at `index` of the declared keys, which `key` must be, is surely not in the
    // object: a test of one bit where has() compares names.
    bool surelyAbsent(std::size_t index, const QString &key) const {
        return index < kTracked && index < m_keys.size() &&
               m_keys[index].name.constData() == key.constData() &&
               m_keys[index].name.size() == key.size() && (m_present & (1ULL << index)) == 0;
    }

    // Reports a problem found by the command itself (a date outside the tax year, say).
    void fail(const QString &message);
    bool ok() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }

private:
    const JsonInputValue *find(const QString &key) const;
    // The value of a present key, when nothing failed before.
    const JsonInputValue *take(const QString &key) const { return ok() ? find(key) : nullptr; }

    static constexpr std::size_t kTracked = 64;
    const JsonInputValue &m_object;
    const std::vector<JsonKey> &m_keys;
    // Bit i: the object holds the i-th declared key (of the first kTracked).
    std::uint64_t m_present = 0;
    QString m_error;
};

// Checks a figure against a field's range; an empty text when it fits, else the message that
// names the key, the figure and what the field takes.
QString rangeProblem(const QString &key, double value, const tax::FieldRange &range);

// A number as texts show it: at most 15 significant digits, so no binary noise shows.
QString numberText(double value);

// A sub-command's answer for one input object: the output object, or an error. A calculator
// with a printout also says how to make its print job (tables, layout and title, as its window
// would print them); the runner asks for it only for --pdf, so a batch does not pay for it.
struct CommandResult {
    JsonObject output;
    QString error;
    std::function<report::PrintJob()> print = {};
    static CommandResult failure(QString message) { return {{}, std::move(message)}; }
};

// Options that apply to the whole run, not to one input object.
struct RunOptions {
    QString pdfPath;                                                 // --pdf FILE
    report::PrintLanguage language = report::PrintLanguage::English; // --lang en|af
    QString dataFolder; // where the report layouts are read from
};

// The way to a command's print job, kept only when the run asks for a PDF.
template <typename MakeJob>
std::function<report::PrintJob()> printWhenAsked(const RunOptions &options, MakeJob make) {
    if (options.pdfPath.isEmpty())
        return {};
    return make;
}

struct Command {
    QString name;
    QString summary;
    std::vector<JsonKey> inputs;
    std::vector<JsonKey> outputs;
    std::function<CommandResult(const JsonInputValue &input, const RunOptions &options)> run;
    // Whether --pdf is offered: the command hands over a print job.
    bool rendersPdf = false;
};

// The sub-commands of quillon-calc; each calculator family adds its own.
class CommandRegistry {
public:
    void add(Command command) { m_commands.push_back(std::move(command)); }
    const Command *find(const QString &name) const;
    const std::vector<Command> &commands() const { return m_commands; }

private:
    std::vector<Command> m_commands;
};

// Registration hooks, one per calculator family.
void registerPayeCommands(CommandRegistry &registry);
void registerPackageCommands(CommandRegistry &registry);
void registerVehicleCommands(CommandRegistry &registry);
void registerBusinessCommands(CommandRegistry &registry);

// Formats a date for output the way it is typed: dd/mm/yyyy.
QString dateOut(const QDate &date);

} // namespace quillon::cli
