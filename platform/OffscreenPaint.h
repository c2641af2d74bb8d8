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

// Draws into a fresh RGB image of the given size (contents undefined until drawn).
QImage RenderOffscreen(QSize size, const CanvasDraw& draw);

// For paintEvent: renders the widget's rectangle and puts it on the widget, which it
// marks as painting every one of its pixels.
void PaintOffscreen(QWidget* widget, const CanvasDraw& draw);

} // namespace hn
