// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ScheduleCsv.h"

#include "calc/ExactRate.h"
#include "calc/schedule/ScheduleTexts.h"

#include <initializer_list>

namespace hn {

namespace {

void Row(std::string& out, std::initializer_list<std::string_view> cells)
{
    bool first = true;
    for (std::string_view c : cells) {
        if (!first)
            out += ',';
        first = false;
        out += c; // no cell holds a comma, a quote or a line break
    }
    out += "\r\n";
}

std::string_view PartText(SchedulePartKind kind)
{
    return kind == SchedulePartKind::Monthly ? kPartMonthly : kPartBonus;
}

} // namespace

std::string ScheduleCsv(const Schedule& schedule, ScheduleViewKind view, const ScheduleCalendar& calendar)
{
    std::string out(kUtf8ByteOrderMark);
    const auto n = [](std::int64_t v) { return std::to_string(v); };
    // A rate as the percent a user typed ("2.375", "0.0005", never "5e-04").
    const auto rate = [](double yearlyRate) { return ExactRate::FromFraction(yearlyRate).PercentText(); };
    if (view == ScheduleViewKind::Monthly) {
        // A prepaid schedule adds its prepaid amounts as a last column; any other
        // keeps the columns it always had.
        const bool prepaid = HasPrepayments(schedule);
        if (prepaid)
            Row(out, {kColYear, kColPart, kColNumber, kColMonth, kColPayment, kColInterestPaid, kColPrincipal, kColBalance,
                      kColRatePercent, kColUnpaid, kColPrepaid});
        else
            Row(out, {kColYear, kColPart, kColNumber, kColMonth, kColPayment, kColInterestPaid, kColPrincipal, kColBalance,
                      kColRatePercent, kColUnpaid});
        for (const MonthlyViewRow& v : MonthlyView(schedule, calendar)) {
            const ScheduleRow& r = v.row;
            if (prepaid)
                Row(out, {n(v.year), PartText(v.part), n(r.number), IsoText(v.when), n(r.payment), n(InterestPaid(r)),
                          n(r.principal), n(r.balance), rate(r.yearlyRate), n(r.unpaidInterest),
                          n(r.prepaid)});
            else
                Row(out, {n(v.year), PartText(v.part), n(r.number), IsoText(v.when), n(r.payment), n(InterestPaid(r)),
                          n(r.principal), n(r.balance), rate(r.yearlyRate), n(r.unpaidInterest)});
        }
    } else {
        return YearlyCsv(YearlyView(schedule, calendar));
    }
    return out;
}

std::string YearlyCsv(std::span<const YearlyRow> rows)
{
    std::string out(kUtf8ByteOrderMark);
    const auto n = [](std::int64_t v) { return std::to_string(v); };
    Row(out, {kColYear, kColFrom, kColTo, kColPayment, kColInterestPaid, kColPrincipal, kColBalance, kColUnpaid});
    for (const YearlyRow& y : rows)
        Row(out, {n(y.year), IsoText(y.from), IsoText(y.to), n(y.payment), n(y.interestPaid()), n(y.principal),
                  n(y.balance), n(y.unpaidInterest)});
    return out;
}

} // namespace hn
