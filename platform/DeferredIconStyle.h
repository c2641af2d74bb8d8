// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's style, with the menu bar's overflow icon read when it is first
// drawn instead of when each menu bar is made.
//
// Qt's styles read that icon from PNG files in Qt's resources, and Qt's image reader
// asks every installed image-format plugin about each file it opens without a fixed
// format: the first such read loads all of them (SVG, JPEG, GIF, ICO, with the SVG
// and JPEG libraries). Every menu bar asks for the icon when it is made, for a button
// shown only when the menus do not fit the window's width; deferred, the calculator
// window starts without any of those libraries. Other standard icons are asked for
// when they are about to be shown and come from the wrapped style as they are.
#include <QProxyStyle>

namespace hn {

class DeferredIconStyle : public QProxyStyle {
public:
    // Wraps the style the application would use by default.
    DeferredIconStyle() = default;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace hn
