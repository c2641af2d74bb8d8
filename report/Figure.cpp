// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Figure.h"

#include <algorithm>

namespace hn {

std::string FigureLine(const Figure& figure)
{
    std::string line = figure.caption + ": " + Text(figure.value);
    if (!figure.note.empty())
        line += " (" + figure.note + ")";
    return line + "\n";
}

std::string FigureLines(const std::vector<Figure>& figures)
{
    std::string lines;
    for (const Figure& f : figures)
        lines += FigureLine(f);
    return lines;
}

std::vector<Figure> BriefFigures(const std::vector<Figure>& figures)
{
    std::vector<Figure> brief;
    std::copy_if(figures.begin(), figures.end(), std::back_inserter(brief), [](const Figure& f) { return !f.fullOnly; });
    return brief;
}

const Figure* FindFigure(const std::vector<Figure>& figures, std::string_view key)
{
    const auto it = std::find_if(figures.begin(), figures.end(), [&](const Figure& f) { return f.key == key; });
    return it == figures.end() ? nullptr : &*it;
}

} // namespace hn
