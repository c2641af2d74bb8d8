// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One figure of a report: a stable key, the caption every view shows it under, and
// its quantity. A window's grid shows a report's brief figures as caption and text;
// the command line prints every figure as "caption: text" with its note.
#include "report/Units.h"

#include <string>
#include <utility>
#include <string_view>
#include <vector>

namespace hn {

struct Figure {
    Figure() = default;
    Figure(std::string_view key_, std::string_view caption_, Quantity value_)
        : key(key_), caption(caption_), value(std::move(value_))
    {
    }

    std::string key;     // its name where the command line's JSON writes it
    std::string caption;
    Quantity value;
    std::string note;      // said after the figure in a full listing: "35% (note)"
    bool fullOnly = false; // in a full listing (the command line's) only, not in a window's grid

    friend bool operator==(const Figure&, const Figure&) = default;
};

// The figure as the command line prints it: "caption: 35% (note)\n".
std::string FigureLine(const Figure& figure);
// Every figure of `figures` so.
std::string FigureLines(const std::vector<Figure>& figures);
// The figures a window's grid shows: all but the full listing's own.
std::vector<Figure> BriefFigures(const std::vector<Figure>& figures);
// The figure named `key`; null when the report has none.
const Figure* FindFigure(const std::vector<Figure>& figures, std::string_view key);

} // namespace hn
