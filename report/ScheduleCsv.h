// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A schedule as a CSV file for spreadsheet programs: UTF-8 with a byte-order
// mark (without it spreadsheet programs in Japan read the file as Shift_JIS
// and garble the headings), a Japanese heading row, figures as plain digits,
// lines ended by CR LF. The rows only: the self-checks are shown, not filed.
// The schedule window's export and hensai-calc --csv both write this.
#include "calc/schedule/ScheduleViews.h"

#include <span>
#include <string>

namespace hn {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Monthly view: 年目, 区分, 回, 年月, 返済額, 支払利息, 元金, 残高, 金利(%), 未払利息,
// and 繰上げ返済 for a schedule with prepayments.
// Yearly view: 年目, 開始年月, 終了年月, 返済額, 支払利息, 元金, 残高, 未払利息.
// 返済額 = 支払利息 + 元金 on every line; 未払利息 is what is still owed after it.
// Months as "2027-04".
std::string ScheduleCsv(const Schedule& schedule, ScheduleViewKind view, const ScheduleCalendar& calendar);

// Yearly rows in the yearly view's form, e.g. several loans together
// (CombinedYearlyView).
std::string YearlyCsv(std::span<const YearlyRow> rows);

} // namespace hn
