// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One picture drawn at several sizes (16 pixels for ordinary screens, 32 and 48 for
// dense ones), and the choice of the one to show at a device pixel ratio.
#include <QImage>
#include <vector>

namespace hn {

using IconSizes = std::vector<QImage>;

// The picture for `devicePixelRatio`, carrying that ratio, so that it covers the
// smallest size's place in drawing pixels. A size drawn for exactly that many device
// pixels is taken as it is; otherwise the smallest larger one is reduced smoothly (a
// reduced picture keeps its shapes, an enlarged one turns blocky), and only when none
// is large enough the largest is enlarged pixel for pixel. Null when there is none.
QImage IconForRatio(const IconSizes& sizes, qreal devicePixelRatio);

} // namespace hn
