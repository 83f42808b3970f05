#pragma once

#include "cli/Command.h"
#include "taxengine/FieldDescription.h"
#include "taxengine/TaxRules.h"

#include <algorithm>
#include <concepts>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace quillon::cli {

// What --help calls a described value.
KeyKind keyKind(tax::ValueKind kind);

// The keys --help lists for a calculator, in its description's order.
template <class Fields> std::vector<JsonKey> describedKeys(const Fields &fields) {
    std::vector<JsonKey> keys;
    for (const auto &f : fields)
        if (!f.key.isEmpty())
            keys.push_back({f.key, keyKind(f.kind), f.help});
    return keys;
}

// A figure of a window field (see InputReader::number). Above the field's maximum the window's
// own message, when it has one, comes first and the key, figure and range after it.
double fieldNumber(InputReader &r, const QString &key, const tax::FieldRange &range,
                   const QString &aboveMessage = {}, double fallback = 0);

// Reads every described input that has a place in the inputs struct; a key that is absent keeps
// the struct's opening value. Lists and objects are left to the calculator's command.
// The same, handing each key without a place (a list, a name the command checks itself) to
// `own` in its turn, so that a line's first problem is the first in the description's order.
template <class Inputs, class Own>
void readDescribed(InputReader &r, const std::vector<tax::InputField<Inputs>> &fields, Inputs &in,
                   Own &&own) {
    std::size_t index = 0; // of the key among the declared ones, which skip keyless fields
    for (const auto &f : fields) {
        if (f.key.isEmpty())
            continue;
        if (!f.slot) {
            ++index;
            own(f.key);
            continue;
        }
        // An absent key leaves its field as it is; most lines give a few keys of many.
        if (r.surelyAbsent(index++, f.key))
            continue;
        const tax::ValueSlot place = f.slot(in);
        if (auto *figure = std::get_if<double *>(&place)) {
            **figure = f.kind == tax::ValueKind::Choice
                           ? r.choice(f.key, f.choices, **figure)
                           : fieldNumber(r, f.key, f.range, f.aboveMessage, **figure);
        } else if (auto *single = std::get_if<float *>(&place)) {
            **single = static_cast<float>(
                fieldNumber(r, f.key, f.range, f.aboveMessage, static_cast<double>(**single)));
        } else if (auto *count = std::get_if<std::int16_t *>(&place)) {
            // A flag held in 16 bits is 1 or 0; a field with its own message reads as a figure,
            // rounded into 16 bits as the window's field does.
            if (f.kind == tax::ValueKind::Flag)
                **count = r.flag(f.key, **count != 0) ? 1 : 0;
            else if (!f.aboveMessage.isEmpty())
                **count = tax::toInt16(fieldNumber(r, f.key, f.range, f.aboveMessage, **count));
            else
                **count = r.int16(f.key, f.range, **count);
        } else if (auto *date = std::get_if<QDate *>(&place)) {
            **date = r.date(f.key, **date);
        } else if (auto *day = std::get_if<qint64 *>(&place)) {
            **day = r.date(f.key, QDate::fromJulianDay(**day)).toJulianDay();
        } else if (auto *text = std::get_if<QString *>(&place)) {
            **text = r.text(f.key, **text);
        } else if (auto *flag = std::get_if<bool *>(&place)) {
            **flag = r.flag(f.key, **flag);
        }
    }
}

// A value the command works out itself (a list, an object, a text) for the described result of
// that key.
struct OwnValue {
    QString key;
    JsonValue value;
};

template <class Inputs>
void readDescribed(InputReader &r, const std::vector<tax::InputField<Inputs>> &fields, Inputs &in) {
    readDescribed(r, fields, in, [](const QString &) {});
}

// Writes a calculator's described results, in their order, as the members of its answer. The
// keys are kept as UTF-8 once, since a batch writes them on every line; lists and objects have no
// figure of their own: the command adds them after, or hands them in as own values to stand at
// their described place.
template <class Results> class AnswerWriter {
public:
    explicit AnswerWriter(const std::vector<tax::OutputField<Results>> &fields) {
        for (const auto &f : fields)
            if (!f.key.isEmpty()) {
                std::string key = f.key.toStdString();
                std::string frame = ",\"" + key + "\":";
                m_members.push_back({std::move(key), std::move(frame), f.key, f.kind, f.value});
            }
    }

    // `o` may already hold members the command puts first.
    JsonObject answer(const Results &out, JsonObject o = {}) const {
        return fill(out, std::move(o), [](const QString &, std::string_view, JsonObject &) {});
    }

    // `own` gives the values the command works out itself, written at their described place.
    JsonObject answer(const Results &out, std::initializer_list<OwnValue> own,
                      JsonObject o = {}) const {
        return fill(out, std::move(o),
                    [own](const QString &name, std::string_view key, JsonObject &answer) {
                        for (const OwnValue &v : own)
                            if (v.key == name) {
                                answer.add(key, v.value);
                                return;
                            }
                    });
    }

    // The same, with the command writing the values it gives itself: `own(name, key, answer)`
    // adds the member for `key` to `answer` at its described place, or nothing to leave it out.
    template <class Own>
    requires std::invocable<Own, const QString &, std::string_view, JsonObject &>
        JsonObject answer(const Results &out, Own &&own)
    const { return fill(out, {}, own); }

private:
    template <class Own> JsonObject fill(const Results &out, JsonObject o, Own &&own) const {
        // Room for an answer as long as the longest so far, made once instead of growing.
        o.reserve(m_room);
        for (const Member &m : m_members) {
            if (!m.value) {
                own(m.name, m.key, o);
                continue;
            }
            const double value = m.value(out);
            if (m.kind == tax::ValueKind::Flag)
                o.addFlag(m.key, value != 0);
            else
                o.addFramedNumber(m.frame, value);
        }
        m_room = std::max(m_room, o.size() + kRoomToSpare);
        return o;
    }

    struct Member {
        std::string key;
        std::string frame; // the member's text before its value: ,"key":
        QString name;
        tax::ValueKind kind;
        std::function<double(const Results &)> value;
    };
    std::vector<Member> m_members;
    // What the command adds after the described results (lists, the lookup) mostly fits here.
    static constexpr std::size_t kRoomToSpare = 256;
    mutable std::size_t m_room = 512;
};

// A command's name, summary and --help lists from its calculator's description.
template <class Inputs, class Results>
Command
describedCommand(const tax::CalculatorDescription<Inputs, Results> &d,
                 std::function<CommandResult(const JsonInputValue &, const RunOptions &)> run) {
    return {d.command,      d.summary, describedKeys(d.inputs), describedKeys(d.outputs),
            std::move(run), true};
}

} // namespace quillon::cli
