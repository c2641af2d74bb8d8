// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the drawn button tests: fixed system colours so that every pixel is known,
// and small helpers to read pixels and drive the mouse.
#include "platform/ColorRef.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace hn::drawn_test {

// A classic light scheme. Light differs from face here so that a line in the wrong
// pen shows.
inline QPalette ClassicPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, QColor(212, 208, 200));   // face
    p.setColor(QPalette::Window, QColor(212, 208, 200));
    p.setColor(QPalette::Light, QColor(255, 255, 255));    // highlight
    p.setColor(QPalette::Midlight, QColor(227, 227, 227)); // light
    p.setColor(QPalette::Dark, QColor(128, 128, 128));     // shadow
    p.setColor(QPalette::Shadow, QColor(65, 65, 65));      // dark
    p.setColor(QPalette::WindowText, QColor(0, 0, 0));     // window frame
    return p;
}

// A dark scheme whose channels are all below 40.
inline QPalette DarkPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, QColor(30, 20, 10));
    p.setColor(QPalette::Window, QColor(30, 20, 10));
    p.setColor(QPalette::Light, QColor(39, 38, 37));
    p.setColor(QPalette::Midlight, QColor(25, 25, 25));
    p.setColor(QPalette::Dark, QColor(12, 8, 4));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    p.setColor(QPalette::WindowText, QColor(200, 200, 200));
    return p;
}

class DrawnFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = QApplication::palette();
        QApplication::setPalette(ClassicPalette());
    }
    void TearDown() override { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

inline ColorRef At(const QImage& image, int x, int y)
{
    const QRgb v = image.pixel(x, y);
    return ColorRef::Rgb(qRed(v), qGreen(v), qBlue(v));
}

inline ColorRef Rgb(int r, int g, int b)
{
    return ColorRef::Rgb(r, g, b);
}

// What the window system delivers for a double click: press, release, double-click
// press, release.
inline void DoubleClick(QWidget* w, QPoint pos = {})
{
    QTest::mousePress(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

// Shows a top-level window and makes it active so that focus events arrive.
inline bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace hn::drawn_test

// gtest prints ColorRef values readably.
namespace hn {
inline void PrintTo(const ColorRef& c, std::ostream* os)
{
    *os << "RGB(" << c.Red() << ", " << c.Green() << ", " << c.Blue() << ")";
}
} // namespace hn
