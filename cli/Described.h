#pragma once

#include "cli/Command.h"
#include "taxengine/FieldDescription.h"

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

// Reads every described input that has a place in the inputs struct; a key that is absent keeps
// the struct's opening value. Lists and objects are left to the calculator's command.
// The same, handing each key without a place (a list, a name the command checks itself) to
// `own` in its turn, so that a line's first problem is the first in the description's order.
template <class Inputs, class Own>
void readDescribed(InputReader &r, const std::vector<tax::InputField<Inputs>> &fields, Inputs &in,
                   Own &&own) {
    for (const auto &f : fields) {
        if (f.key.isEmpty())
            continue;
        if (!f.slot) {
            own(f.key);
            continue;
        }
        const tax::ValueSlot place = f.slot(in);
        if (auto *figure = std::get_if<double *>(&place)) {
            **figure = f.kind == tax::ValueKind::Choice ? r.choice(f.key, f.choices, **figure)
                                                        : r.number(f.key, f.range, **figure);
        } else if (auto *count = std::get_if<std::int16_t *>(&place)) {
            **count = r.int16(f.key, f.range, **count);
        } else if (auto *date = std::get_if<QDate *>(&place)) {
            **date = r.date(f.key, **date);
        } else if (auto *text = std::get_if<QString *>(&place)) {
            **text = r.text(f.key, **text);
        } else if (auto *flag = std::get_if<bool *>(&place)) {
            **flag = r.flag(f.key, **flag);
        }
    }
}

template <class Inputs>
void readDescribed(InputReader &r, const std::vector<tax::InputField<Inputs>> &fields, Inputs &in) {
    readDescribed(r, fields, in, [](const QString &) {});
}

// Writes a calculator's described results, in their order, as the members of its answer. The
// keys are kept as UTF-8 once, since a batch writes them on every line; lists and objects have no
// figure of their own and are added by the command.
template <class Results> class AnswerWriter {
public:
    explicit AnswerWriter(const std::vector<tax::OutputField<Results>> &fields) {
        for (const auto &f : fields)
            if (!f.key.isEmpty())
                m_members.push_back({f.key.toStdString(), f.key, f.kind, f.value});
    }

    JsonObject answer(const Results &out) const {
        return answer(out, [](const QString &) -> std::optional<JsonValue> { return {}; });
    }

    // The same, with the values the command gives itself (`own` by key, nothing to leave the
    // key out) in their described places.
    template <class Own> JsonObject answer(const Results &out, Own &&own) const {
        JsonObject o;
        for (const Member &m : m_members) {
            if (!m.value) {
                if (const std::optional<JsonValue> given = own(m.name))
                    o.add(m.key, *given);
                continue;
            }
            const double value = m.value(out);
            if (m.kind == tax::ValueKind::Flag)
                o.add(m.key, value != 0);
            else
                o.add(m.key, value);
        }
        return o;
    }

private:
    struct Member {
        std::string key;
        QString name;
        tax::ValueKind kind;
        std::function<double(const Results &)> value;
    };
    std::vector<Member> m_members;
};

} // namespace quillon::cli
