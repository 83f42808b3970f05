#pragma once

#include "report/PrintJob.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace quillon::cli {

// What a key of a sub-command's input or output holds; shown by --help.
enum class KeyKind { Number, Integer, Date, Text, Flag, List, Object };

struct KeySpec {
    QString name;
    KeyKind kind = KeyKind::Number;
    QString help;
};

// Reads one input object against the keys a sub-command declares. The first problem (an
// unknown key, a value of the wrong kind, a date that cannot be read) is kept and reported;
// later reads then return their fallbacks, so a command reads all its keys and checks ok() once.
class InputReader {
public:
    InputReader(const QJsonObject &object, const std::vector<KeySpec> &keys);

    double number(const QString &key, double fallback = 0);
    // A whole number held in 16 bits (ages, counts, flags); fractions are refused.
    std::int16_t int16(const QString &key, std::int16_t fallback = 0);
    // dd/mm/yyyy or yyyy-mm-dd.
    QDate date(const QString &key, const QDate &fallback);
    QString text(const QString &key, const QString &fallback = {});
    bool flag(const QString &key, bool fallback = false);
    QJsonArray list(const QString &key);
    bool has(const QString &key) const { return m_object.contains(key); }

    // Reports a problem found by the command itself (a date outside the tax year, say).
    void fail(const QString &message);
    bool ok() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }

private:
    QJsonObject m_object;
    QString m_error;
};

// A sub-command's answer for one input object: the output object, or an error. A calculator
// with a printout also hands over its print job (tables, layout and title, as its window would
// print them); the runner renders it for --pdf, so no command draws a report itself.
struct CommandResult {
    QJsonObject output;
    QString error;
    std::optional<report::PrintJob> print = std::nullopt;
    static CommandResult failure(QString message) { return {{}, std::move(message)}; }
};

// Options that apply to the whole run, not to one input object.
struct RunOptions {
    QString pdfPath;                                                 // --pdf FILE
    report::PrintLanguage language = report::PrintLanguage::English; // --lang en|af
    QString dataFolder; // where the report layouts are read from
};

struct Command {
    QString name;
    QString summary;
    std::vector<KeySpec> inputs;
    std::vector<KeySpec> outputs;
    std::function<CommandResult(const QJsonObject &input, const RunOptions &options)> run;
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
