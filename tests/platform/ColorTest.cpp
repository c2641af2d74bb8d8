// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColorRef.h"
#include "platform/SysColors.h"
#include "platform/TextContrast.h"

#include <QColor>
#include <QPalette>
#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(ColorRef, PacksRedInTheLowestByte)
{
    const ColorRef c = ColorRef::Rgb(0x12, 0x34, 0x56);
    EXPECT_EQ(c.Packed(), 0x563412u);
    EXPECT_EQ(c.Red(), 0x12);
    EXPECT_EQ(c.Green(), 0x34);
    EXPECT_EQ(c.Blue(), 0x56);
}

TEST(ColorRef, ChannelShiftsHoldAtBothEndsOfTheScale)
{
    EXPECT_EQ(ColorRef::Rgb(240, 240, 240).Shifted(20), ColorRef::Rgb(255, 255, 255));
    EXPECT_EQ(ColorRef::Rgb(239, 250, 10).Shifted(20), ColorRef::Rgb(255, 255, 30));
    EXPECT_EQ(ColorRef::Rgb(10, 10, 10).Shifted(-20), ColorRef::Rgb(0, 0, 0));
    EXPECT_EQ(ColorRef::Rgb(212, 208, 200).Shifted(-20), ColorRef::Rgb(192, 188, 180));
}

TEST(SysColors, ComeFromThePaletteRoles)
{
    QPalette p;
    p.setColor(QPalette::Button, QColor(212, 208, 200));
    p.setColor(QPalette::Dark, QColor(128, 128, 128));
    p.setColor(QPalette::Shadow, QColor(65, 65, 65));
    p.setColor(QPalette::Light, QColor(255, 255, 255));
    EXPECT_EQ(GetSysColor(SysColor::BtnFace, p), ColorRef::Rgb(212, 208, 200));
    EXPECT_EQ(GetSysColor(SysColor::BtnShadow, p), ColorRef::Rgb(128, 128, 128));
    EXPECT_EQ(GetSysColor(SysColor::DkShadow3D, p), ColorRef::Rgb(65, 65, 65));
    EXPECT_EQ(GetSysColor(SysColor::BtnHighlight, p), ColorRef::Rgb(255, 255, 255));
    EXPECT_EQ(FromQColor(ToQColor(ColorRef::Rgb(1, 2, 3))), ColorRef::Rgb(1, 2, 3));
}

TEST(SysColors, InnerLitEdgeLiesBetweenFaceAndHighlight)
{
    QPalette p;
    p.setColor(QPalette::Button, QColor(200, 100, 0));
    p.setColor(QPalette::Light, QColor(255, 255, 255));
    p.setColor(QPalette::Midlight, QColor(10, 10, 10)); // darker than the face: not used
    EXPECT_EQ(GetSysColor(SysColor::Light3D, p), ColorRef::Rgb(227, 177, 127));
    p.setColor(QPalette::Midlight, QColor(230, 200, 150)); // a scheme's own lit edge is kept
    EXPECT_EQ(GetSysColor(SysColor::Light3D, p), ColorRef::Rgb(230, 200, 150));
}

// Contrast as accessible-text guidance measures it, and the text colour chosen for a
// fixed background: the wanted colour where it reads well, else black or white.
TEST(TextContrast, RatiosAndTheChoiceOfTextColour)
{
    const ColorRef black = ColorRef::Rgb(0, 0, 0), white = ColorRef::Rgb(255, 255, 255);
    EXPECT_NEAR(ContrastRatio(black, white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(white, black), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(ColorRef::Rgb(90, 40, 200), ColorRef::Rgb(90, 40, 200)), 1.0, 1e-9);
    // Mid grey #777 on white is the usual example just below 4.5.
    EXPECT_NEAR(ContrastRatio(ColorRef::Rgb(119, 119, 119), white), 4.48, 0.01);

    // A dark scheme's light text on the instalments' pastel green: unreadable, so black.
    const ColorRef pastel = ColorRef::Rgb(180, 254, 173);
    const ColorRef lightText = ColorRef::Rgb(220, 220, 220);
    EXPECT_LT(ContrastRatio(lightText, pastel), 1.5);
    EXPECT_EQ(ReadableTextColour(lightText, pastel), black);
    // The note's navy on a dark window: white; on a light one it stays navy.
    const ColorRef navy = ColorRef::Rgb(0, 0, 100);
    EXPECT_EQ(ReadableTextColour(navy, ColorRef::Rgb(53, 53, 53)), white);
    EXPECT_EQ(ReadableTextColour(navy, ColorRef::Rgb(240, 240, 240)), navy);
}

} // namespace
} // namespace hn
