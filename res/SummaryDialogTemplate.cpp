// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 151: the results summary window. Positions in dialog units, in window order.
#include "res/DialogTemplates.h"
#include "res/SummaryDialogIds.h"

namespace hn {

namespace {

using K = ControlKind;
constexpr std::uint32_t kValue = kSunken | kAlignRight;

// One slot row: option, monthly value, "円", bonus value, "円", clear button.
#define HN_SLOT_ROW(k, yenMonthly, yenBonus, clearY)                                                    \
    {kSlotControls[k].option, K::Option, kSlotCaptions[k], 15, 44 + 16 * (k), 31, 10, 0},               \
        {kSlotControls[k].monthly, K::Text, "", 49, 43 + 16 * (k), 37, 12, kValue},                     \
        {yenMonthly, K::Text, "円", 88, 47 + 16 * (k), 8, 8, 0},                                         \
        {kSlotControls[k].bonus, K::Text, "", 111, 43 + 16 * (k), 37, 12, kValue},                      \
        {yenBonus, K::Text, "円", 150, 47 + 16 * (k), 8, 8, 0},                                          \
        {kSlotControls[k].clear, K::PushButton, "", 163, clearY, 12, 11, 0}

constexpr DialogItem kSummaryItems[] = {
    {IDC_ADD_RESULT, K::PushButton, "", 4, 4, 32, 16, kTabStop | kDisabled | kGroupStart},
    {IDC_SUMMARY_CLOSE, K::PushButton, "", 157, 4, 32, 16, kTabStop},
    {1061, K::Text, "合計借入額", 57, 11, 35, 8, 0},
    {IDC_SUM_LOAN, K::Text, "", 87, 9, 34, 12, kValue},
    {1062, K::Text, "万円", 123, 13, 14, 8, 0},
    {IDC_SUMMARY_NOTE, K::Text, "表示は1年目の1回目の額です", 56, 0, 84, 8, 0},
    {IDC_SUMMARY_HEADING_RESULTS, K::Text, "集計結果", 4, 24, 185, 8, kAlignCenter},
    {1023, K::Text, "通　常", 58, 34, 19, 8, 0},
    {1022, K::Text, "ﾎﾞｰﾅｽ", 119, 34, 21, 8, 0},
    HN_SLOT_ROW(0, 1025, 1027, 44),
    HN_SLOT_ROW(1, 1053, 1054, 60),
    HN_SLOT_ROW(2, 1026, 1029, 76),
    HN_SLOT_ROW(3, 1032, 1033, 92),
    HN_SLOT_ROW(4, 1036, 1037, 108),
    HN_SLOT_ROW(5, 1040, 1041, 124),
    HN_SLOT_ROW(6, 1039, 1043, 139),
    HN_SLOT_ROW(7, 1049, 1050, 155),
    {-1, K::EtchedLine, "", 16, 171, 160, 1, 0},
    {-1, K::Text, "合  計", 22, 178, 19, 8, 0},
    {IDC_SUM_MONTHLY, K::Text, "", 49, 176, 37, 12, kValue},
    {1044, K::Text, "円", 88, 180, 8, 8, 0},
    {IDC_SUM_BONUS, K::Text, "", 111, 176, 37, 12, kValue},
    {1045, K::Text, "円", 150, 180, 8, 8, 0},
    {IDC_SUMMARY_HEADING_ANNUAL, K::Text, "年間返済額と必要年収", 4, 193, 185, 8, kAlignCenter},
    {1055, K::Text, "年間返済額", 6, 207, 35, 8, 0},
    {IDC_SUM_ANNUAL, K::Text, "", 36, 205, 45, 12, kValue},
    {1056, K::Text, "円", 83, 209, 8, 8, 0},
    {1057, K::Text, "必要年収", 99, 207, 28, 8, 0},
    {IDC_SUM_REQUIRED_INCOME, K::Text, "", 124, 205, 34, 12, kValue},
    {1058, K::Text, "万円", 160, 209, 14, 8, 0},
    {1052, K::Text, "以上", 174, 210, 15, 8, 0},
    {IDC_SUMMARY_HEADING_TOTAL, K::Text, "合計総借入返済額", 4, 222, 185, 8, kAlignCenter},
    {1059, K::Text, "合計総借入返済額", 38, 236, 46, 8, 0},
    {IDC_SUM_GRAND_TOTAL, K::Text, "", 85, 234, 55, 12, kValue},
    {1060, K::Text, "円", 142, 238, 8, 8, 0},
    {IDC_SUMMARY_HEADING_RATIO, K::Text, "年収に対する返済負担率 (20%以下が理想)", 4, 251, 185, 8, kAlignCenter},
    {IDC_RATIO_TEXT, K::Text, "", 30, 264, 20, 9, kSunken | kAlignCenter},
    {IDC_RATIO_GAUGE, K::Progress, "", 54, 264, 107, 9, kBorder},
};

#undef HN_SLOT_ROW

constexpr DialogTemplate kSummary{IDD_SUMMARY, "集計結果表示", 194, 279, kSummaryItems};

} // namespace

const DialogTemplate& SummaryDialogTemplate()
{
    return kSummary;
}

} // namespace hn
