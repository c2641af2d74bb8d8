// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control, menu and string ids of the main calculator window (dialog 102, menu 150).
namespace hn {

enum MainDialogId : int {
    IDD_MAIN = 102,
    IDR_MAIN_MENU = 150,

    // inputs
    IDC_LOAN = 1002,
    IDC_BONUS_PART = 1011,
    IDC_RATE1 = 1014,
    IDC_RATE2 = 1017,
    IDC_PERIOD = 1020,
    IDC_INCOME = 1059,

    // repayment methods, in RepaymentMethod order
    IDC_METHOD_FIRST = 1003,
    IDC_METHOD_CORPORATION_BASIC = 1003,
    IDC_METHOD_CORPORATION_YUTORI = 1004,
    IDC_METHOD_PENSION_BASIC = 1005,
    IDC_METHOD_PENSION_STEP = 1006,
    IDC_METHOD_EQUAL_PRINCIPAL = 1007,
    IDC_METHOD_BANK = 1008,

    // buttons
    IDC_CALCULATE = 1062,
    IDC_DESK_CALCULATOR = 1052,
    IDC_SHOW_SUMMARY = 1064,
    IDC_INCOME_TOGGLE = 1101,

    // result texts
    IDC_MONTHLY1 = 1024,
    IDC_MONTHLY2 = 1031,
    IDC_MONTHLY3 = 1035,
    IDC_BONUS1 = 1028,
    IDC_BONUS2 = 1032,
    IDC_BONUS3 = 1036,
    IDC_ANNUAL = 1042,
    IDC_REQUIRED_INCOME = 1045,
    IDC_TOTAL = 1057,

    // captions that change with the method, and the second-rate row
    IDC_LOAN_CAPTION = 1009,
    IDC_BONUS_PART_CAPTION = 1012,
    IDC_PERIOD_CAPTION = 1021,
    IDC_MONTHLY_ROW_CAPTION = 1023,
    IDC_BONUS_ROW_CAPTION = 1022,
    IDC_ANNUAL_CAPTION = 1040,
    IDC_REQUIRED_INCOME_CAPTION = 1043,
    IDC_TOTAL_CAPTION = 1055,
    IDC_RATE1_CAPTION = 1015,
    IDC_RATE2_CAPTION = 1018,
    IDC_RATE2_UNIT = 1019,
    IDC_BAND1_CAPTION = 1037,
    IDC_BAND2_CAPTION = 1038,
    IDC_BAND3_CAPTION = 1039,
    IDC_ANNUAL_YEAR_CAPTION = 1046,

    // income row
    IDC_INCOME_CAPTION = 1058,
    IDC_INCOME_UNIT = 1060,

    // coloured headings and captions
    IDC_HEADING_METHOD = 1026,
    IDC_HEADING_CONDITIONS = 1048,
    IDC_HEADING_INSTALMENTS = 1049,
    IDC_HEADING_ANNUAL = 1050,
    IDC_HEADING_TOTAL = 1054,
    IDC_REQUIRED_INCOME_SUFFIX = 1051,

    // menu commands
    ID_ALWAYS_ON_TOP = 32771,
    ID_SEND_MAIL = 32772,
    ID_HOME_PAGE = 32773,
    ID_TOGGLE_SUMMARY = 32775,
    ID_FIX_PERIOD = 32777,
    ID_PLANNING = 32779,
    ID_SHOW_SCHEDULE = 32780, // 表示 › 返済予定表: the repayment schedule window
    ID_PLAN = 32781,          // 表示 › プラン: the plan window
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
};

} // namespace hn
