#pragma once

#include "report/ReportLayout.h"

#include <QColor>
#include <QString>

#include <optional>

namespace quillon::report::layout_text {

// The statements an option may stand on, as bits, so one table says where each option applies.
enum Target : unsigned {
    OnText = 1u << 0,
    OnField = 1u << 1,
    OnLine = 1u << 2,
    OnBox = 1u << 3,
    OnRow = 1u << 4,
    OnSection = 1u << 5,
    OnRule = 1u << 6,
    OnStyle = ~0u, // a style may hold any option; each statement takes the ones that apply
};

// Options as written on one statement or in one style. Each is either set or left to what
// comes before it: the style, then the statement's default.
struct Options {
    std::optional<double> size;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> wrap;
    std::optional<Qt::Alignment> align;
    std::optional<QColor> color;
    std::optional<QColor> fill;
    std::optional<QString> format;
    std::optional<bool> blankZero;
    std::optional<DayCount> days;
    std::optional<QString> suffix;
    std::optional<double> pen;
    std::optional<QColor> accent;  // section: the bar down its left edge
    std::optional<QColor> divider; // section: the rule between its rows
    std::optional<double> pad;     // section: room above the first and below the last row
    std::optional<QString> sign;   // row: the text of the sign column ("R")
    std::optional<double> height;  // row: its height

    // `over`'s set options win.
    void overlay(const Options &over) {
        auto take = [](auto &mine, const auto &theirs) {
            if (theirs)
                mine = theirs;
        };
        take(size, over.size);
        take(bold, over.bold);
        take(italic, over.italic);
        take(wrap, over.wrap);
        take(align, over.align);
        take(color, over.color);
        take(fill, over.fill);
        take(format, over.format);
        take(blankZero, over.blankZero);
        take(days, over.days);
        take(suffix, over.suffix);
        take(pen, over.pen);
        take(accent, over.accent);
        take(divider, over.divider);
        take(pad, over.pad);
        take(sign, over.sign);
        take(height, over.height);
    }

    // What every part of a row shares: the font and the ink.
    Options font() const {
        Options o;
        o.size = size;
        o.bold = bold;
        o.italic = italic;
        o.color = color;
        return o;
    }
    // What a row's value takes: the font plus how the number prints and where it stands.
    Options value() const {
        Options o = font();
        o.align = align;
        o.format = format;
        o.blankZero = blankZero;
        o.days = days;
        o.suffix = suffix;
        return o;
    }
};

struct OptionRule {
    const char *name;
    bool flag; // written as a single word; the others are name=value
    unsigned targets;
};

inline constexpr unsigned kTextual = OnText | OnField | OnRow;
inline constexpr unsigned kValue = OnField | OnRow;
inline constexpr OptionRule kOptionRules[] = {
    {"size", false, kTextual},
    {"bold", true, kTextual},
    {"italic", true, kTextual},
    {"wrap", true, OnText | OnField},
    {"align", false, kTextual},
    {"color", false, kTextual | OnLine | OnBox | OnSection | OnRule},
    {"fill", false, kTextual | OnBox | OnSection},
    {"format", false, kValue},
    {"blankzero", true, kValue},
    {"days", false, kValue},
    {"suffix", false, kValue},
    {"pen", false, OnLine | OnBox | OnSection | OnRule},
    {"accent", false, OnSection},
    {"divider", false, OnSection},
    {"pad", false, OnSection},
    {"sign", false, OnRow},
    {"height", false, OnRow},
};

inline const OptionRule *findOption(const QString &name) {
    for (const OptionRule &rule : kOptionRules)
        if (name == QLatin1String(rule.name))
            return &rule;
    return nullptr;
}

} // namespace quillon::report::layout_text
