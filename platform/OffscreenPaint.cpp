#include "platform/OffscreenPaint.h"

#include <QPainter>
#include <QWidget>

namespace hn {

QImage RenderOffscreen(QSize size, const CanvasDraw& draw)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);
    draw(canvas);
    return image;
}

void PaintOffscreen(QWidget* widget, const CanvasDraw& draw)
{
    const QImage image = RenderOffscreen(widget->size(), draw);
    QPainter painter(widget);
    painter.drawImage(QPoint(0, 0), image);
}

} // namespace hn
