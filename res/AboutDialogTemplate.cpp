// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 100: the about box.
#include "res/DialogTemplates.h"

#include "Version.h"

namespace hn {

namespace {

using K = ControlKind;

constexpr DialogItem kAboutItems[] = {
    {-1, K::IconStatic, "128", 6, 5, 20, 20, 0},
    {-1, K::Text, "Hensai Navi  version " HENSAI_VERSION, 34, 8, 85, 8, kNoPrefix},
    {-1, K::Text, "© 2026 Hensai Navi", 45, 20, 73, 8, 0},
    {-1, K::Text, "2026年12月版", 20, 37, 59, 8, 0},
    {1063, K::Text, "製作: 返済ナビ", 80, 37, 57, 8, 0},
    // Below the described rows: the licence, and that the program comes without warranty.
    {-1, K::Text, HENSAI_ABOUT_LICENSE, 20, 50, 128, 8, kNoPrefix},
    {1, K::DefPushButton, "OK", 123, 4, 26, 15, kTabStop | kGroupStart},
};

constexpr DialogTemplate kAbout{100, "ﾊﾞｰｼﾞｮﾝ情報", 154, 62, kAboutItems};

} // namespace

const DialogTemplate& AboutDialogTemplate()
{
    return kAbout;
}

} // namespace hn
