// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ScheduleViews.h"

#include "calc/ScheduleTexts.h"

#include <algorithm>

namespace hn {

namespace {

constexpr int kBonusPerYear = 2;

// Instalments per year of a part.
int PerYear(const SchedulePart& part) noexcept
{
    return part.kind == SchedulePartKind::Monthly ? 12 : kBonusPerYear;
}

// Loan year of instalment `number` of a part.
int YearOf(const SchedulePart& part, int number) noexcept
{
    return (number - 1) / PerYear(part) + 1;
}

// What a part still owes after loan year `year`: the balance and unpaid
// interest after its last row within that year (the loan itself before its
// first row, nothing after its last).
struct Owed {
    std::int64_t balance = 0;
    std::int64_t unpaid = 0;
};

Owed OwedAfterYear(const SchedulePart& part, int year) noexcept
{
    const std::size_t last = static_cast<std::size_t>(year) * static_cast<std::size_t>(PerYear(part));
    if (part.rows.empty())
        return {part.loanYen, 0};
    const ScheduleRow& r = part.rows[std::min(last, part.rows.size()) - 1];
    return {r.balance, r.unpaidInterest};
}

int LastYear(const Schedule& schedule) noexcept
{
    int years = 0;
    for (const SchedulePart* part : {&schedule.monthly, &schedule.bonus})
        if (!part->rows.empty())
            years = std::max(years, YearOf(*part, part->rows.back().number));
    return years;
}

void Label(YearlyRow& row, const ScheduleCalendar& calendar)
{
    row.from = MonthOfInstalment(calendar, 12 * (row.year - 1) + 1);
    row.to = MonthOfInstalment(calendar, 12 * row.year);
}

} // namespace

std::vector<MonthlyViewRow> MonthlyView(const Schedule& schedule, const ScheduleCalendar& calendar)
{
    std::vector<MonthlyViewRow> view;
    view.reserve(schedule.monthly.rows.size() + schedule.bonus.rows.size());
    std::int64_t monthlyBalance = schedule.monthly.loanYen;
    std::int64_t bonusBalance = schedule.bonus.loanYen;

    auto add = [&](const SchedulePart& part, std::size_t index) {
        MonthlyViewRow v;
        v.part = part.kind;
        v.row = part.rows[index];
        v.year = YearOf(part, v.row.number);
        if (part.kind == SchedulePartKind::Monthly) {
            v.when = MonthOfInstalment(calendar, v.row.number);
            monthlyBalance = v.row.balance;
        } else {
            v.when = MonthOfBonus(calendar, v.row.number);
            bonusBalance = v.row.balance;
        }
        v.totalBalance = monthlyBalance + bonusBalance;
        view.push_back(v);
    };

    // In date order: a bonus instalment right after the monthly instalment of its
    // month, before those of later months.
    const std::size_t months = schedule.monthly.rows.size();
    const std::size_t bonuses = schedule.bonus.rows.size();
    std::size_t m = 0;
    std::size_t b = 0;
    while (m < months || b < bonuses) {
        const bool bonusNext =
            b < bonuses && (m == months || MonthOfBonus(calendar, schedule.bonus.rows[b].number) <
                                               MonthOfInstalment(calendar, schedule.monthly.rows[m].number));
        if (bonusNext)
            add(schedule.bonus, b++);
        else
            add(schedule.monthly, m++);
    }
    return view;
}

std::vector<YearlyRow> YearlyView(const Schedule& schedule, const ScheduleCalendar& calendar)
{
    const int years = LastYear(schedule);
    std::vector<YearlyRow> view(static_cast<std::size_t>(years));
    for (int y = 1; y <= years; ++y) {
        YearlyRow& row = view[static_cast<std::size_t>(y - 1)];
        row.year = y;
        Label(row, calendar);
    }
    for (const SchedulePart* part : {&schedule.monthly, &schedule.bonus}) {
        for (const ScheduleRow& r : part->rows) {
            YearlyRow& row = view[static_cast<std::size_t>(YearOf(*part, r.number) - 1)];
            row.payment += r.payment;
            row.interest += r.interest;
            row.principal += r.principal;
        }
        for (YearlyRow& row : view) {
            const Owed owed = OwedAfterYear(*part, row.year);
            row.balance += owed.balance;
            row.unpaidInterest += owed.unpaid;
        }
    }
    return view;
}

std::vector<YearlyRow> CombinedYearlyView(std::span<const Schedule> schedules, const ScheduleCalendar& calendar)
{
    std::vector<YearlyRow> combined;
    for (const Schedule& s : schedules) {
        const std::vector<YearlyRow> one = YearlyView(s, calendar);
        if (one.size() > combined.size()) {
            const std::size_t from = combined.size();
            combined.resize(one.size());
            for (std::size_t k = from; k < combined.size(); ++k) {
                combined[k].year = static_cast<int>(k) + 1;
                Label(combined[k], calendar);
            }
        }
        for (std::size_t k = 0; k < one.size(); ++k) {
            combined[k].payment += one[k].payment;
            combined[k].interest += one[k].interest;
            combined[k].principal += one[k].principal;
            combined[k].balance += one[k].balance;
            combined[k].unpaidInterest += one[k].unpaidInterest;
        }
    }
    return combined;
}

WindowComparison CompareWithWindow(const Schedule& schedule, const LoanResult& result)
{
    WindowComparison c;
    c.scheduleTotal = TotalsOf(schedule).payment;
    c.windowTotal = result.totalYen;
    const std::vector<YearlyRow> years = YearlyView(schedule, ScheduleCalendar{});
    c.firstYear = years.empty() ? 0 : years.front().payment;
    c.windowAnnual = result.annualYen;
    if (FamilyOf(schedule.method) != RepaymentFamily::EqualPrincipal)
        return c;
    for (const SchedulePart* part : {&schedule.monthly, &schedule.bonus}) {
        const bool monthly = part->kind == SchedulePartKind::Monthly;
        const int perBand = monthly ? kMonthsPerBand : kBonusPerBand;
        for (int b = 0; b < 3; ++b) {
            const std::size_t index = static_cast<std::size_t>(b * perBand);
            // A row that settled an early end is no band instalment.
            if (!result.bandUsed[static_cast<std::size_t>(b)] || index >= part->rows.size()
                || (part->endedEarly() && index + 1 >= part->rows.size()))
                continue;
            const std::int64_t window = monthly ? result.monthly[static_cast<std::size_t>(b)]
                                                : result.bonus[static_cast<std::size_t>(b)];
            if (part->rows[index].payment != window)
                c.bands.push_back({part->kind, b, static_cast<int>(index) + 1, part->rows[index].payment, window});
        }
    }
    return c;
}

std::string ScheduleBandCaption(const BandDifference& d)
{
    return std::string(kScheduleOf) + (d.part == SchedulePartKind::Bonus ? std::string(kPartBonus) : std::string()) +
           "第" + std::to_string(d.instalment) + "回";
}

std::string WindowBandCaption(const BandDifference& d)
{
    return std::string(d.part == SchedulePartKind::Bonus ? kWindowBonusBand : kWindowMonthlyBand) + "（" +
           std::string(kBandYears[static_cast<std::size_t>(d.band)]) + "）";
}

std::string_view TotalDifferenceNote(RepaymentMethod method) noexcept
{
    return FamilyOf(method) == RepaymentFamily::EqualPrincipal ? kNoteExactInterest : kNoteTotalDiffers;
}

} // namespace hn
