// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OffscreenPaint.h"

#include <QPainter>
#include <QtMath>
#include <QWidget>

namespace hn {

QImage RenderOffscreen(QSize size, const CanvasDraw& draw, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize logical = size.expandedTo(QSize(1, 1));
    QImage image(QSize(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    Canvas canvas(image);
    draw(canvas);
    return image;
}

void PaintOffscreen(QWidget* widget, const CanvasDraw& draw)
{
    // The picture covers the whole widget, so the window behind it need not be painted
    // first. Said here rather than in a constructor: polishing by the style clears it,
    // and then every frame of an animation would repaint the dialog beneath as well.
    widget->setAttribute(Qt::WA_OpaquePaintEvent); // returns at once when already set
    const QImage image = RenderOffscreen(widget->size(), draw, widget->devicePixelRatioF());
    QPainter painter(widget);
    painter.drawImage(QPoint(0, 0), image);
}

} // namespace hn
