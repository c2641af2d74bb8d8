// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ScheduleCsv.h"

#include "report/ScheduleTable.h"

namespace hn {

namespace {

using C = ScheduleColumn;

// The file's own column order, kept as it has always been so that a spreadsheet
// reading it by position goes on working; a prepaid schedule adds its prepaid
// amounts as a last column.
std::vector<C> MonthlyFileColumns(bool prepaid)
{
    std::vector<C> columns{C::Year,    C::Part,        C::Number,  C::Month,  C::Payment,
                           C::Interest, C::Principal, C::Balance, C::RatePercent, C::Unpaid};
    if (prepaid)
        columns.push_back(C::Prepaid);
    return columns;
}

std::string Csv(const ScheduleTable& table)
{
    std::string out(kUtf8ByteOrderMark);
    const auto line = [&](auto cell) {
        for (int c = 0; c < table.columnCount(); ++c) {
            if (c > 0)
                out += ',';
            out += cell(c); // no cell holds a comma, a quote or a line break
        }
        out += "\r\n";
    };
    line([&](int c) { return table.heading(c); });
    for (int r = 0; r < table.rowCount(); ++r)
        line([&](int c) {
            std::string text = table.text(r, c, FigureStyle::Data);
            // A figure column is summed by the spreadsheet: no prepayment is 0, not blank.
            return text.empty() && IsFigureColumn(table.column(c)) ? std::string("0") : text;
        });
    return out;
}

} // namespace

std::string ScheduleCsv(const Schedule& schedule, ScheduleViewKind view, const ScheduleCalendar& calendar)
{
    if (view != ScheduleViewKind::Monthly)
        return YearlyCsv(YearlyView(schedule, calendar));
    return Csv(ScheduleTable::Monthly(MonthlyView(schedule, calendar), MonthlyFileColumns(HasPrepayments(schedule))));
}

std::string YearlyCsv(std::span<const YearlyRow> rows)
{
    return Csv(ScheduleTable::Yearly(std::vector<YearlyRow>(rows.begin(), rows.end()),
                                     {C::Year, C::From, C::To, C::Payment, C::Interest, C::Principal, C::Balance,
                                      C::Unpaid}));
}

} // namespace hn
