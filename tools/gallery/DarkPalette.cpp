// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/gallery/Gallery.h"

namespace hn::gallery {

QPalette DarkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(60, 60, 66));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 60));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Mid, QColor(110, 110, 115));
    p.setColor(QPalette::Highlight, QColor(40, 90, 160));
    return p;
}

} // namespace hn::gallery
