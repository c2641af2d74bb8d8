// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/ImageResources.h"

#include <QPixmap>
#include <QPoint>

#include <mutex>

// Q_INIT_RESOURCE has to be used outside any namespace. Calling it keeps the
// compiled-in images linked into programs that take them from this static
// library, where nothing else would refer to them.
static void InitImageResources()
{
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(images); });
}

namespace hn {

namespace {

struct ImageEntry {
    int id;
    int size;
    const char* path;
};

// One row per drawn picture. The button icons are drawn at 16 pixels for ordinary
// screens and at 32 and 48 for dense ones; the natural size is an id's first row.
constexpr ImageEntry kImages[] = {
    {IDR_MAINFRAME, 32, ":/icons/mainframe_32.xpm"},
    {IDR_MAINFRAME, 16, ":/icons/mainframe_16.xpm"},
    {IDI_CALCULATE, 16, ":/icons/calculate.xpm"},
    {IDI_CALCULATE, 32, ":/icons/calculate_32.xpm"},
    {IDI_CALCULATE, 48, ":/icons/calculate_48.xpm"},
    {IDI_DESKCALC, 16, ":/icons/deskcalc.xpm"},
    {IDI_DESKCALC, 32, ":/icons/deskcalc_32.xpm"},
    {IDI_DESKCALC, 48, ":/icons/deskcalc_48.xpm"},
    {IDC_HANDCURSOR, 32, ":/icons/hand.xpm"},
    {IDI_SUMMARY, 16, ":/icons/summary.xpm"},
    {IDI_SUMMARY, 32, ":/icons/summary_32.xpm"},
    {IDI_SUMMARY, 48, ":/icons/summary_48.xpm"},
    {IDI_ADD, 16, ":/icons/add.xpm"},
    {IDI_ADD, 32, ":/icons/add_32.xpm"},
    {IDI_ADD, 48, ":/icons/add_48.xpm"},
    {IDI_CLOSE, 16, ":/icons/close.xpm"},
    {IDI_CLOSE, 32, ":/icons/close_32.xpm"},
    {IDI_CLOSE, 48, ":/icons/close_48.xpm"},
    {IDI_CLEAR, 16, ":/icons/clear.xpm"},
    {IDI_CLEAR, 32, ":/icons/clear_32.xpm"},
    {IDI_CLEAR, 48, ":/icons/clear_48.xpm"},
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
    InitImageResources();
    QImage image(QString::fromLatin1(entry->path));
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
