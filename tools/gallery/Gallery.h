// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control gallery: every control in each of its states, rendered to PNG files at 1×
// and 4× so that anyone can look at the pixels. Each control family registers a
// function that builds its shots.
#include <QImage>
#include <QPalette>
#include <QString>
#include <functional>
#include <vector>

namespace hn::gallery {

struct Shot {
    QString name;  // file-name friendly, e.g. "checked-pressed"
    QImage image;
    bool magnified = true; // also written at 4×; whole windows are large enough as they are
};

using ShotMaker = std::function<std::vector<Shot>()>;

// Called from a static initialiser in each family's file (see HN_GALLERY_FAMILY).
bool RegisterFamily(const char* family, ShotMaker maker);

struct Family {
    QString name;
    ShotMaker maker;
};
const std::vector<Family>& Families();

// A dark desktop palette, for the shots that check the windows read on it.
QPalette DarkPalette();


} // namespace hn::gallery

#define HN_GALLERY_FAMILY(name, maker) \
    static const bool hnGalleryRegistered_##name = ::hn::gallery::RegisterFamily(#name, maker)
