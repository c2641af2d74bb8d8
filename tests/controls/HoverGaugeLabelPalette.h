// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fixed application palette for the pixel tests of the hover button, gauge bar and
// colour label, so that the system colours they draw with are known values.
#include "platform/ColorRef.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

namespace hn::test {

inline constexpr ColorRef kFace = ColorRef::Rgb(200, 196, 188);
inline constexpr ColorRef kHighlight3D = ColorRef::Rgb(255, 255, 255);
inline constexpr ColorRef kLight3D = ColorRef::Rgb(228, 226, 222);
inline constexpr ColorRef kShadow = ColorRef::Rgb(130, 128, 124);
inline constexpr ColorRef kDkShadow = ColorRef::Rgb(40, 40, 40);
inline constexpr ColorRef kWindowText = ColorRef::Rgb(10, 20, 30);
inline constexpr ColorRef kSelection = ColorRef::Rgb(0, 84, 227);

inline QColor Q(ColorRef c)
{
    return QColor(c.Red(), c.Green(), c.Blue());
}

class FixedPaletteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = QApplication::palette();
        QPalette p;
        p.setColor(QPalette::Button, Q(kFace));
        p.setColor(QPalette::Window, Q(kFace));
        p.setColor(QPalette::Light, Q(kHighlight3D));
        p.setColor(QPalette::Midlight, Q(kLight3D));
        p.setColor(QPalette::Dark, Q(kShadow));
        p.setColor(QPalette::Shadow, Q(kDkShadow));
        p.setColor(QPalette::WindowText, Q(kWindowText));
        p.setColor(QPalette::Highlight, Q(kSelection));
        QApplication::setPalette(p);
    }
    void TearDown() override { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

// The widget as it paints itself, pixel for pixel.
inline QImage Snapshot(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline ColorRef PixelAt(const QImage& image, int x, int y)
{
    const QRgb v = image.pixel(x, y);
    return ColorRef::Rgb(qRed(v), qGreen(v), qBlue(v));
}

} // namespace hn::test

// Lets gtest print colours as (r, g, b).
namespace hn {
inline void PrintTo(ColorRef c, std::ostream* os)
{
    *os << '(' << c.Red() << ", " << c.Green() << ", " << c.Blue() << ')';
}
} // namespace hn
