// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints a control through an off-screen image: the whole picture is composed first and
// reaches the screen in one drawImage call, so nothing flickers.
#include "platform/Canvas.h"

#include <QImage>
#include <QSize>
#include <functional>

class QWidget;

namespace hn {

using CanvasDraw = std::function<void(Canvas&)>;

// Draws into a fresh RGB image of the given size in drawing pixels (contents undefined
// until drawn). At a device pixel ratio above 1 the image has that many more device
// pixels and carries the ratio, so that it goes onto the screen without scaling.
QImage RenderOffscreen(QSize size, const CanvasDraw& draw, qreal devicePixelRatio = 1.0);

// For paintEvent: renders the widget's rectangle at the widget's device pixel ratio and
// puts it on the widget, which it marks as painting every one of its pixels.
void PaintOffscreen(QWidget* widget, const CanvasDraw& draw);

} // namespace hn
