// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control ids of the results summary window (dialog 151).
#include <array>

namespace hn {

enum SummaryDialogId : int {
    IDD_SUMMARY = 151,

    IDC_SUMMARY_CLOSE = 2, // the dialog's cancel command
    IDC_ADD_RESULT = 1084,

    IDC_SUM_MONTHLY = 1046,
    IDC_SUM_BONUS = 1080,
    IDC_SUM_ANNUAL = 1083,
    IDC_SUM_REQUIRED_INCOME = 1089,
    IDC_SUM_GRAND_TOTAL = 1099,
    IDC_SUM_LOAN = 1101,
    IDC_RATIO_TEXT = 1103,
    IDC_RATIO_GAUGE = 1102,

    IDC_SUMMARY_NOTE = 1048,
    IDC_SUMMARY_HEADING_RESULTS = 1081,
    IDC_SUMMARY_HEADING_ANNUAL = 1082,
    IDC_SUMMARY_HEADING_TOTAL = 1098,
    IDC_SUMMARY_HEADING_RATIO = 1100,
};

constexpr int kSlotCount = 8;

// The slots' names, as their options caption them (index 0 = slot 1); every window
// that names a slot uses these.
constexpr std::array<const char*, kSlotCount> kSlotCaptions{"公庫1", "公庫2", "年金1", "年金2",
                                                            "元金1", "元金2", "銀行1", "銀行2"};

// Per slot (index 0 = slot 1): option button, monthly and bonus value labels, clear button.
struct SlotControlIds {
    int option, monthly, bonus, clear;
};

constexpr std::array<SlotControlIds, kSlotCount> kSlotControls{{
    {1090, 1072, 1074, 1066},
    {1091, 1073, 1075, 1067},
    {1092, 1030, 1076, 1068},
    {1093, 1034, 1077, 1069},
    {1094, 1038, 1078, 1070},
    {1095, 1042, 1079, 1071},
    {1096, 1047, 1085, 1086},
    {1097, 1051, 1087, 1088},
}};

} // namespace hn
