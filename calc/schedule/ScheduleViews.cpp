// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/ScheduleViews.h"

#include "calc/schedule/ScheduleTexts.h"

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

// MonthOfInstalment and MonthOfBonus with what they work out from the calendar
// worked out once, for a view that asks for every row's month.
class InstalmentMonths {
public:
    explicit InstalmentMonths(const ScheduleCalendar& calendar) noexcept
        : m_first(MonthIndex(calendar.firstMonth)),
          m_firstYear(calendar.firstMonth.year),
          m_early(std::min(calendar.bonusMonths[0], calendar.bonusMonths[1])),
          m_late(std::max(calendar.bonusMonths[0], calendar.bonusMonths[1])),
          m_slot(calendar.firstMonth.month <= m_early ? 0 : calendar.firstMonth.month <= m_late ? 1 : 2)
    {
    }

    YearMonth Monthly(int number) const noexcept
    {
        return YearMonthAt(m_first + (number - 1));
    }

    YearMonth Bonus(int number) const noexcept
    {
        // Bonus months in order: (year, early), (year, late), (year + 1, early) ...
        const int slot = m_slot + number - 1;
        return {m_firstYear + slot / 2, slot % 2 == 0 ? m_early : m_late};
    }

private:
    long long m_first;
    int m_firstYear;
    int m_early;
    int m_late;
    int m_slot;
};

// A part's rows summed into the years of `view`, and what it still owes at each
// year's end. The instalments a year is a constant, so that finding a row's
// year is no division instruction.
template <int PerYear>
void AddPart(const SchedulePart& part, std::vector<YearlyRow>& view) noexcept
{
    // Summed in registers while the rows stay in one year: adding each row to
    // the year's row in memory made every addition wait on the one before.
    std::size_t year = 0;
    ScheduleTotals sum;
    const auto flush = [&] {
        if (sum == ScheduleTotals{})
            return;
        YearlyRow& row = view[year];
        row.payment += sum.payment;
        row.interest += sum.interest;
        row.principal += sum.principal;
        sum = {};
    };
    for (const ScheduleRow& r : part.rows) {
        const auto y = static_cast<std::size_t>((r.number - 1) / PerYear);
        if (y != year) {
            flush();
            year = y;
        }
        sum.payment += r.payment;
        sum.interest += r.interest;
        sum.principal += r.principal;
    }
    flush();
    for (YearlyRow& row : view) {
        const Owed owed = OwedAfterYear(part, row.year);
        row.balance += owed.balance;
        row.unpaidInterest += owed.unpaid;
    }
}

// A monthly view row's parts, which the vector makes the row from in its place
// (the conversion's result initialises the element itself).
struct RowMaker {
    SchedulePartKind part;
    int year;
    YearMonth when;
    const ScheduleRow& row;
    std::int64_t totalBalance;

    operator MonthlyViewRow() const noexcept { return {part, year, when, row, totalBalance}; }
};

void Label(YearlyRow& row, const ScheduleCalendar& calendar)
{
    row.from = MonthOfInstalment(calendar, 12 * (row.year - 1) + 1);
    row.to = MonthOfInstalment(calendar, 12 * row.year);
}

} // namespace

// Rows come in instalment order, so the year's rows are the first ones.
std::int64_t FirstYearPayment(const Schedule& schedule) noexcept
{
    std::int64_t paid = 0;
    for (const ScheduleRow& r : schedule.monthly.rows) {
        if (r.number > 12)
            break;
        paid += r.payment;
    }
    for (const ScheduleRow& r : schedule.bonus.rows) {
        if (r.number > kBonusPerYear)
            break;
        paid += r.payment;
    }
    return paid;
}

std::vector<MonthlyViewRow> MonthlyView(const Schedule& schedule, const ScheduleCalendar& calendar)
{
    const std::vector<ScheduleRow>& months = schedule.monthly.rows;
    const std::vector<ScheduleRow>& bonuses = schedule.bonus.rows;
    std::vector<MonthlyViewRow> view;
    view.reserve(months.size() + bonuses.size());
    const InstalmentMonths when(calendar);
    std::int64_t monthlyBalance = schedule.monthly.loanYen;
    std::int64_t bonusBalance = schedule.bonus.loanYen;

    // In date order: a bonus instalment right after the monthly instalment of its
    // month, before those of later months.
    std::size_t m = 0;
    std::size_t b = 0;
    YearMonth nextMonth = m < months.size() ? when.Monthly(months[m].number) : YearMonth{};
    YearMonth nextBonus = b < bonuses.size() ? when.Bonus(bonuses[b].number) : YearMonth{};
    while (m < months.size() || b < bonuses.size()) {
        const bool bonusNext = b < bonuses.size() && (m == months.size() || nextBonus < nextMonth);
        // Each row made whole in its place: a row made empty first and then filled
        // in cost a loop clearing it, one made aside a copy.
        if (bonusNext) {
            const ScheduleRow& r = bonuses[b];
            bonusBalance = r.balance;
            view.emplace_back(RowMaker{SchedulePartKind::Bonus, (r.number - 1) / kBonusPerYear + 1, nextBonus, r,
                                       monthlyBalance + bonusBalance});
            if (++b < bonuses.size())
                nextBonus = when.Bonus(bonuses[b].number);
        } else {
            const ScheduleRow& r = months[m];
            monthlyBalance = r.balance;
            view.emplace_back(RowMaker{SchedulePartKind::Monthly, (r.number - 1) / 12 + 1, nextMonth, r,
                                       monthlyBalance + bonusBalance});
            if (++m < months.size())
                nextMonth = when.Monthly(months[m].number);
        }
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
    AddPart<12>(schedule.monthly, view);
    AddPart<kBonusPerYear>(schedule.bonus, view);
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
    c.firstYear = FirstYearPayment(schedule);
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
