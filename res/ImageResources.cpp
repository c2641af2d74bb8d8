// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/ImageResources.h"

#include <QPixmap>
#include <QPoint>

// XPM is C: the pictures are compiled in as the arrays they declare and decoded by
// QImage directly. Read as files (Qt's resources included), each one would make Qt
// ask every installed image-format plugin whether it knows the format, which loads
// all of them, with the SVG and JPEG libraries, into every start of the program.
#include "res/icons/add.xpm"
#include "res/icons/add_32.xpm"
#include "res/icons/add_48.xpm"
#include "res/icons/calculate.xpm"
#include "res/icons/calculate_32.xpm"
#include "res/icons/calculate_48.xpm"
#include "res/icons/clear.xpm"
#include "res/icons/clear_32.xpm"
#include "res/icons/clear_48.xpm"
#include "res/icons/close.xpm"
#include "res/icons/close_32.xpm"
#include "res/icons/close_48.xpm"
#include "res/icons/deskcalc.xpm"
#include "res/icons/deskcalc_32.xpm"
#include "res/icons/deskcalc_48.xpm"
#include "res/icons/hand.xpm"
#include "res/icons/mainframe_16.xpm"
#include "res/icons/mainframe_32.xpm"
#include "res/icons/summary.xpm"
#include "res/icons/summary_32.xpm"
#include "res/icons/summary_48.xpm"

namespace hn {

namespace {

struct ImageEntry {
    int id;
    int size;
    const char* const* xpm;
};

// One row per drawn picture. The button icons are drawn at 16 pixels for ordinary
// screens and at 32 and 48 for dense ones; the natural size is an id's first row.
constexpr ImageEntry kImages[] = {
    {IDR_MAINFRAME, 32, mainframe_32_xpm},
    {IDR_MAINFRAME, 16, mainframe_16_xpm},
    {IDI_CALCULATE, 16, calculate_xpm},
    {IDI_CALCULATE, 32, calculate_32_xpm},
    {IDI_CALCULATE, 48, calculate_48_xpm},
    {IDI_DESKCALC, 16, deskcalc_xpm},
    {IDI_DESKCALC, 32, deskcalc_32_xpm},
    {IDI_DESKCALC, 48, deskcalc_48_xpm},
    {IDC_HANDCURSOR, 32, hand_xpm},
    {IDI_SUMMARY, 16, summary_xpm},
    {IDI_SUMMARY, 32, summary_32_xpm},
    {IDI_SUMMARY, 48, summary_48_xpm},
    {IDI_ADD, 16, add_xpm},
    {IDI_ADD, 32, add_32_xpm},
    {IDI_ADD, 48, add_48_xpm},
    {IDI_CLOSE, 16, close_xpm},
    {IDI_CLOSE, 32, close_32_xpm},
    {IDI_CLOSE, 48, close_48_xpm},
    {IDI_CLEAR, 16, clear_xpm},
    {IDI_CLEAR, 32, clear_32_xpm},
    {IDI_CLEAR, 48, clear_48_xpm},
};

// The click point of the hand: the top pixel of the index fingertip, so that
// what is clicked is what the finger touches.
constexpr QPoint kHandHotSpot{7, 0};

const ImageEntry* FindImage(int id, int size)
{
    for (const ImageEntry& entry : kImages) {
        if (entry.id == id && entry.size == size)
            return &entry;
    }
    return nullptr;
}

} // namespace

QImage LoadIconImage(int id, int size)
{
    const ImageEntry* entry = FindImage(id, size);
    if (!entry)
        return {};
    QImage image(entry->xpm);
    if (image.isNull() || image.size() != QSize(size, size))
        return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

IconSizes LoadIconSizes(int id)
{
    IconSizes sizes;
    for (const ImageEntry& entry : kImages) {
        if (entry.id != id)
            continue;
        QImage image = LoadIconImage(id, entry.size);
        if (!image.isNull())
            sizes.push_back(std::move(image));
    }
    return sizes;
}

QSize IconSize(int id)
{
    for (const ImageEntry& entry : kImages) {
        if (entry.id == id)
            return {entry.size, entry.size};
    }
    return {};
}

QIcon LoadAppIcon()
{
    QIcon icon;
    for (const int size : {16, 32}) {
        const QImage image = LoadIconImage(IDR_MAINFRAME, size);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

std::optional<QCursor> LoadCursorResource(int id)
{
    if (id != IDC_HANDCURSOR)
        return std::nullopt;
    const QImage image = LoadIconImage(id, IconSize(id).width());
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), kHandHotSpot.x(), kHandHotSpot.y());
}

QCursor LoadHandCursor()
{
    return LoadCursorResource(IDC_HANDCURSOR).value_or(QCursor(Qt::PointingHandCursor));
}

} // namespace hn
