// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IconSizes.h"

#include <QtMath>
#include <algorithm>

namespace hn {

QImage IconForRatio(const IconSizes& sizes, qreal devicePixelRatio)
{
    const QImage* smallest = nullptr;
    for (const QImage& image : sizes)
        if (!image.isNull() && (!smallest || image.width() < smallest->width()))
            smallest = &image;
    if (!smallest)
        return {};
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize want(qRound(smallest->width() * ratio), qRound(smallest->height() * ratio));

    const QImage* exact = nullptr;
    const QImage* larger = nullptr;
    const QImage* largest = nullptr;
    for (const QImage& image : sizes) {
        if (image.isNull())
            continue;
        if (image.size() == want)
            exact = &image;
        if (image.width() > want.width() && (!larger || image.width() < larger->width()))
            larger = &image;
        if (!largest || image.width() > largest->width())
            largest = &image;
    }
    QImage picked;
    if (exact)
        picked = *exact;
    else if (larger)
        picked = larger->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else
        picked = largest->scaled(want, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    picked.setDevicePixelRatio(ratio);
    return picked;
}

} // namespace hn
