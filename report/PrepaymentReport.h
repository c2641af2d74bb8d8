// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What prepayments did to the whole loan, as the planning window's columns and the
// command line's --prepay lines say it.
#include "calc/schedule/Prepayment.h"
#include "calc/schedule/PrepaymentSummary.h"
#include "report/Figure.h"

#include <string>
#include <string_view>
#include <vector>

namespace hn {

// "第369回 (2057年9月)", "ﾎﾞｰﾅｽ第64回 (2058年12月)".
std::string LoanEndText(const LoanEnd& end);

// One line of the summary: caption, value and, where the loan had one before the
// prepayments, the planned value beside it.
struct PrepaymentLine {
    std::string_view key; // the figure's name: "nextMonthlyYen", "end" ...
    std::string_view caption;
    std::string value;
    std::string planned;
};

// 次回からの返済額 and 次回からのﾎﾞｰﾅｽ返済額 (where there is one), 完済 of the whole
// loan, 短縮 (where a way shortens or the end came earlier), and, where the parts
// end in different months, 毎月分の完済 and ﾎﾞｰﾅｽ分の完済.
std::vector<PrepaymentLine> PrepaymentSummaryLines(const PrepaymentSummary& summary);

// One way's column of the side-by-side comparison: the whole loan's summary after the
// last prepayment (the lines above), the amount asked where less was used, what was
// used and what it saves; a way that cannot be applied gives its message alone.
std::vector<Figure> PrepaymentColumnFigures(PrepayMode mode, const PrepaymentOutcome& o,
                                            const ScheduleCalendar& calendar);

} // namespace hn
