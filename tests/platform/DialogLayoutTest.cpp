// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogBuilder.h"
#include "platform/DialogGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(DialogUnits, MapTwoPixelsPerUnit)
{
    EXPECT_EQ(DialogUnitsToPixels(8, 99, 40, 12), QRect(16, 198, 80, 24));
    EXPECT_EQ(DluToPixelsX(202), 404);
    EXPECT_EQ(DluToPixelsY(268), 536);
}

TEST(GroupOrder, WrapsWithinTheGroupAndSkipsUnusableMembers)
{
    const std::array<GroupMember, 6> m{{
        {true, true},   // 0 group A
        {false, true},  // 1
        {false, false}, // 2 hidden
        {false, true},  // 3
        {true, true},   // 4 group B
        {false, true},  // 5
    }};
    EXPECT_EQ(NextGroupMember(m, 1, false), 3u);
    EXPECT_EQ(NextGroupMember(m, 3, false), 0u); // wraps, does not enter group B
    EXPECT_EQ(NextGroupMember(m, 0, true), 3u);
    EXPECT_EQ(NextGroupMember(m, 3, true), 1u);
    EXPECT_EQ(NextGroupMember(m, 5, false), 4u);
    EXPECT_EQ(NextGroupMember(m, 4, true), 5u);
    EXPECT_FALSE(NextGroupMember(m, 6, false).has_value());
}

TEST(GroupOrder, ALoneMemberAnswersItself)
{
    const std::array<GroupMember, 3> m{{{true, true}, {false, false}, {false, false}}};
    EXPECT_EQ(NextGroupMember(m, 0, false), 0u);
    EXPECT_EQ(NextGroupMember(m, 0, true), 0u);
}

constexpr DialogItem kItems[] = {
    {1, ControlKind::Edit, "", 10, 10, 40, 12, kTabStop | kGroupStart | kAlignRight},
    {2, ControlKind::Option, "A", 10, 30, 40, 10, 0},
    {3, ControlKind::Option, "B", 10, 40, 40, 10, kDisabled},
    {4, ControlKind::Option, "C", 10, 50, 40, 10, 0},
    {5, ControlKind::DefPushButton, "OK", 60, 10, 30, 14, kTabStop},
    {-1, ControlKind::Text, "円", 60, 30, 8, 8, 0},
    {-1, ControlKind::Text, "万円", 60, 40, 15, 8, kHidden},
    {6, ControlKind::Text, "999", 60, 50, 30, 12, kSunken | kAlignRight},
};
constexpr DialogTemplate kDialog{42, "test", 100, 80, kItems};

TEST(DialogLayout, BuildsOneNamedWidgetPerRowAtItsPlace)
{
    QWidget client;
    DialogLayout layout;
    layout.Build(&client, kDialog);
    EXPECT_EQ(client.size(), QSize(200, 160));
    ASSERT_EQ(layout.Controls().size(), std::size(kItems));

    auto* edit = layout.Item<QLineEdit>(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->objectName(), "1");
    EXPECT_EQ(edit->geometry(), QRect(20, 20, 80, 24));
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);

    auto* ok = layout.Item<QPushButton>(5);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(layout.Item<QLabel>(6)->text(), "999");
    EXPECT_FALSE(layout.Item<QRadioButton>(3)->isEnabled());
    EXPECT_TRUE(layout.Controls()[6]->isHidden());
    EXPECT_EQ(layout.GetDlgItem(99), nullptr);
    EXPECT_EQ(layout.GetDlgItem(-1), nullptr);
}

TEST(DialogLayout, FocusChainFollowsTheTableAndOnlyStopsAreTabStops)
{
    QWidget client;
    DialogLayout layout;
    layout.Build(&client, kDialog);
    // Every control that can take the focus is in the chain at its place, so that one
    // that becomes a Tab stop later is reached there; the others are passed by Tab.
    EXPECT_EQ(layout.GetDlgItem(1)->nextInFocusChain(), layout.GetDlgItem(2));
    EXPECT_EQ(layout.GetDlgItem(2)->nextInFocusChain(), layout.GetDlgItem(3));
    EXPECT_EQ(layout.GetDlgItem(4)->nextInFocusChain(), layout.GetDlgItem(5));
    EXPECT_EQ(layout.GetDlgItem(1)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(layout.GetDlgItem(2)->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(layout.GetDlgItem(6)->focusPolicy(), Qt::NoFocus);
}

TEST(DialogLayout, CustomFactoriesMakeTheirRows)
{
    QWidget client;
    DialogLayout layout;
    const CustomControl custom[] = {
        {4, [](const DialogItem& item, QWidget* parent) {
             auto* label = new QLabel(parent);
             label->setProperty("madeFor", item.id);
             return label;
         }},
    };
    layout.Build(&client, kDialog, custom);
    auto* label = layout.Item<QLabel>(4);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->property("madeFor").toInt(), 4);
    EXPECT_EQ(label->objectName(), "4");
    EXPECT_EQ(label->text(), "C"); // the row's text, as for a standard control
    EXPECT_EQ(label->geometry(), DialogUnitsToPixels(10, 50, 40, 10));
}

TEST(DialogLayout, GroupWalkUsesCreationOrderAndSkipsDisabled)
{
    QWidget client;
    DialogLayout layout;
    layout.Build(&client, kDialog);
    QWidget* a = layout.GetDlgItem(2);
    QWidget* c = layout.GetDlgItem(4);
    // One group for the whole table: after C comes the OK button, B is skipped.
    EXPECT_EQ(GetNextDlgGroupItem(a, false), c);
    EXPECT_EQ(GetNextDlgGroupItem(c, true), a);
    EXPECT_EQ(GetNextDlgGroupItem(c, false), layout.GetDlgItem(5));
    EXPECT_EQ(GetNextDlgGroupItem(layout.GetDlgItem(1), true), layout.GetDlgItem(6)); // wraps, hidden skipped
    EXPECT_EQ(GetNextDlgGroupItem(&client, false), nullptr);
}

} // namespace
} // namespace hn
