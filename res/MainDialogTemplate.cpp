// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 102: the calculator window. Positions in dialog units, in window order; the
// tab stops in this order are 1059, 1002, 1011, 1014, 1017, 1020, 1052, 1064, 1062, 1101.
#include "res/DialogTemplates.h"
#include "res/MainDialogIds.h"

namespace hn {

namespace {

using K = ControlKind;
constexpr std::uint32_t kEntry = kTabStop | kBorder | kAlignRight;
constexpr std::uint32_t kResult = kSunken | kAlignRight;

constexpr DialogItem kMainItems[] = {
    {IDC_INCOME, K::Edit, "", 87, 7, 40, 12, kEntry | kGroupStart},
    {IDC_LOAN, K::Edit, "", 8, 99, 40, 12, kEntry},
    {IDC_BONUS_PART, K::Edit, "", 8, 126, 40, 12, kEntry},
    {IDC_RATE1, K::Edit, "", 94, 99, 27, 12, kEntry},
    {IDC_RATE2, K::Edit, "", 94, 126, 27, 12, kEntry},
    {IDC_PERIOD, K::DropDownCombo, "", 150, 99, 28, 102, kTabStop},
    {IDC_METHOD_CORPORATION_BASIC, K::Option, "公庫基本型", 10, 43, 50, 10, 0},
    {IDC_METHOD_CORPORATION_YUTORI, K::Option, "公庫（ゆとり)型", 10, 60, 57, 10, 0},
    {IDC_METHOD_PENSION_BASIC, K::Option, "年金基本型", 79, 43, 50, 10, 0},
    {IDC_METHOD_PENSION_STEP, K::Option, "年金(ｽﾃｯﾌﾟ)型", 79, 60, 59, 10, 0},
    {IDC_METHOD_EQUAL_PRINCIPAL, K::Option, "元金均等型", 148, 42, 47, 10, 0},
    {IDC_METHOD_BANK, K::Option, "銀行型・他", 148, 60, 47, 10, 0},
    {IDC_DESK_CALCULATOR, K::PushButton, "", 151, 122, 26, 16, kTabStop},
    {IDC_SHOW_SUMMARY, K::PushButton, "", 171, 5, 27, 16, kTabStop},
    {IDC_CALCULATE, K::DefPushButton, "", 5, 6, 42, 16, kTabStop},
    {1009, K::Text, "借入額", 9, 90, 22, 8, 0},
    {1010, K::Text, "万円", 49, 103, 15, 8, 0},
    {1012, K::Text, "内ﾎﾞｰﾅｽ", 9, 117, 28, 8, 0},
    {1013, K::Text, "万円", 49, 130, 15, 8, 0},
    {IDC_RATE1_CAPTION, K::Text, "金利 当初10年間", 81, 90, 51, 8, 0},
    {1016, K::Text, "%", 122, 104, 8, 8, 0},
    {IDC_RATE2_CAPTION, K::Text, "金利 11年目以降", 81, 116, 51, 8, 0},
    {IDC_RATE2_UNIT, K::Text, "%", 122, 130, 8, 8, 0},
    {1021, K::Text, "返済期間", 150, 90, 28, 8, 0},
    {1022, K::Text, "ﾎﾞｰﾅｽ", 9, 187, 21, 8, 0},
    {1023, K::Text, "通　常", 10, 173, 19, 8, 0},
    {1025, K::Text, "円", 69, 173, 8, 8, 0},
    {1027, K::Text, "円", 69, 188, 8, 8, 0},
    {IDC_MONTHLY1, K::Text, "999,999", 30, 170, 37, 12, kResult},
    {IDC_BONUS1, K::Text, "999,999", 30, 184, 37, 12, kResult},
    {1029, K::Text, "円", 125, 173, 8, 8, 0},
    {1030, K::Text, "円", 125, 188, 8, 8, 0},
    {IDC_MONTHLY2, K::Text, "999,999", 86, 170, 37, 12, kResult},
    {IDC_BONUS2, K::Text, "999,999", 86, 184, 37, 12, kResult},
    {1033, K::Text, "円", 180, 173, 8, 8, 0},
    {1034, K::Text, "円", 180, 188, 8, 8, 0},
    {IDC_MONTHLY3, K::Text, "999,999", 141, 170, 37, 12, kResult},
    {IDC_BONUS3, K::Text, "999,999", 141, 184, 37, 12, kResult},
    {IDC_BAND1_CAPTION, K::Text, "1～5年目", 32, 159, 34, 8, 0},
    {IDC_BAND2_CAPTION, K::Text, "6～10年目", 88, 159, 34, 8, 0},
    {IDC_BAND3_CAPTION, K::Text, "11年目以降", 142, 159, 42, 8, 0},
    {1040, K::Text, "年間返済額", 7, 215, 35, 8, 0},
    {1041, K::Text, "円", 88, 222, 8, 8, 0},
    {IDC_ANNUAL, K::Text, "999,999", 43, 218, 43, 12, kResult},
    {1043, K::Text, "必要年収", 104, 221, 28, 8, 0},
    {1044, K::Text, "万円", 168, 222, 15, 8, 0},
    {IDC_REQUIRED_INCOME, K::Text, "9,999", 133, 218, 33, 12, kResult},
    {IDC_ANNUAL_YEAR_CAPTION, K::Text, "1～5年目", 7, 223, 35, 8, 0},
    {1047, K::Text, "年", 179, 106, 8, 8, 0},
    {IDC_HEADING_METHOD, K::Text, "返済方法の選択", 4, 26, 193, 8, 0},
    {IDC_HEADING_CONDITIONS, K::Text, "借入条件の入力", 4, 76, 193, 8, 0},
    {IDC_HEADING_INSTALMENTS, K::Text, "返済額の表示", 4, 145, 193, 8, 0},
    {IDC_HEADING_ANNUAL, K::Text, "年間返済額と必要年収", 4, 204, 193, 8, 0},
    {IDC_REQUIRED_INCOME_SUFFIX, K::Text, "以上", 183, 223, 15, 8, 0},
    {IDC_HEADING_TOTAL, K::Text, "総返済額", 4, 237, 193, 8, 0},
    {1055, K::Text, "借入総返済額", 46, 255, 42, 8, 0},
    {1056, K::Text, "円", 146, 256, 8, 8, 0},
    {IDC_TOTAL, K::Text, "999,999", 89, 252, 55, 12, kResult},
    {-1, K::EtchedLine, "", 0, 0, 202, 1, 0},
    {IDC_INCOME_CAPTION, K::Text, "年収", 72, 10, 15, 8, 0},
    {IDC_INCOME_UNIT, K::Text, "万円", 128, 11, 15, 8, 0},
    {IDC_INCOME_TOGGLE, K::PushButton, "", 51, 9, 6, 8, kTabStop},
};

constexpr DialogTemplate kMain{IDD_MAIN, "Hensai Navi", 202, 268, kMainItems};

constexpr MenuItemRow kMenuRows[] = {
    {"ﾌｧｲﾙ(&F)", ID_ALWAYS_ON_TOP, "常に手前に表示", true, false},
    {"ﾌｧｲﾙ(&F)", ID_APP_EXIT, "終了", false, false},
    {"表示(&V)", ID_FIX_PERIOD, "返済期間を固定", true, true},
    {"表示(&V)", ID_TOGGLE_SUMMARY, "集計結果表示", true, false},
    {"表示(&V)", ID_SHOW_SCHEDULE, "返済予定表", false, false},
    {"表示(&V)", ID_PLANNING, "借入可能額・繰上げ返済", false, false},
    {"表示(&V)", ID_PLAN, "プラン", false, false},
    {"ﾍﾙﾌﾟ(&H)", ID_HOME_PAGE, "ﾎｰﾑﾍﾟｰｼﾞへ", false, false},
    {"ﾍﾙﾌﾟ(&H)", ID_SEND_MAIL, "ﾒｰﾙを送る", false, false},
    {"ﾍﾙﾌﾟ(&H)", ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報", false, false},
};

} // namespace

const DialogTemplate& MainDialogTemplate()
{
    return kMain;
}

std::span<const MenuItemRow> MainMenuTable()
{
    return kMenuRows;
}

} // namespace hn
