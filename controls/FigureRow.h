// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of figures as a window's figure grid shows it: a caption and the figure's
// text. Plain C++, so that the code choosing the rows is tested without Qt.
#include <string>

namespace hn {

struct FigureRow {
    std::string caption;
    std::string value;
    friend bool operator==(const FigureRow&, const FigureRow&) = default;
};

} // namespace hn
