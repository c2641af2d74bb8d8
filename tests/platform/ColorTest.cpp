#include "platform/ColorRef.h"
#include "platform/SysColors.h"

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

TEST(ColorRef, PackedOffsetsAndChannelShiftsDifferAtTheEdges)
{
    const ColorRef face = ColorRef::Rgb(240, 240, 240);
    // Channel-wise: held at 255. Packed: red carries into green.
    EXPECT_EQ(face.Shifted(20), ColorRef::Rgb(255, 255, 255));
    EXPECT_EQ(face.PackedPlus(0x141414u), ColorRef(0xF0F0F0u + 0x141414u));
    EXPECT_EQ(face.PackedPlus(0x141414u).Red(), 4);
    EXPECT_EQ(face.PackedPlus(0x141414u).Green(), 5);
    // The usual face colour moves by 20 per channel either way.
    const ColorRef usual = ColorRef::Rgb(212, 208, 200);
    EXPECT_EQ(usual.PackedMinus(0x141414u), usual.Shifted(-20));
    EXPECT_EQ(usual.PackedPlus(0x141414u), usual.Shifted(20));
    EXPECT_EQ(ColorRef::Rgb(5, 5, 5).Shifted(-20), ColorRef::Rgb(0, 0, 0));
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

} // namespace
} // namespace hn
