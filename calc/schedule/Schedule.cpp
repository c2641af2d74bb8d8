// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/Schedule.h"

#include "calc/FloorLoop.h"

#include <cmath>

namespace hn {

namespace {

bool IsWholeYen(double v) noexcept
{
    return std::isfinite(v) && std::trunc(v) == v;
}

bool IsExact(std::int64_t v) noexcept
{
    return v <= kMaxExactYen && v >= -kMaxExactYen;
}

// A planned instalment (a double of whole yen) as a schedule figure; empty when
// it lies beyond the exact range (or is not a number at all).
bool ToExactYen(double v, std::int64_t& out) noexcept
{
    if (!(v <= static_cast<double>(kMaxExactYen) && v >= -static_cast<double>(kMaxExactYen)))
        return false;
    out = static_cast<std::int64_t>(v);
    return true;
}

// One instalment's split, in whole yen held as int64 or as exact doubles.
template <typename T>
struct Split {
    T payment, principal, balance, unpaid;
};

// Interest is paid first, then interest left unpaid earlier, then principal.
// An instalment below the interest leaves the rest unpaid rather than adding it
// to the balance, so no figure turns negative. The settling instalment repays
// the balance and everything owed.
template <typename T>
Split<T> SplitPayment(T balanceBefore, T unpaidBefore, T payment, T interest, bool settle) noexcept
{
    const T towardsPrincipal = payment - (unpaidBefore + interest);
    if (settle || towardsPrincipal >= balanceBefore)
        return {unpaidBefore + interest + balanceBefore, balanceBefore, T(0), T(0)};
    if (towardsPrincipal < T(0))
        return {payment, T(0), balanceBefore, -towardsPrincipal};
    // Grouped so that the next balance waits on the floored interest for one
    // addition only: the schedule is one long chain of such waits.
    return {payment, towardsPrincipal, (balanceBefore - payment + unpaidBefore) + interest, T(0)};
}

struct PartPlan {
    std::int64_t loan = 0;
    int count = 0;
    int perBand = 0;
    bool halfYear = false;
    const ExactRate* rate[2] = {nullptr, nullptr}; // first, second
    int rateIndex[2] = {0, 0};                     // theirs in Schedule::rates
    const double* band = nullptr;       // level and reduced: instalment per band
    double share = 0.0;                 // equal principal
};

// Fills part.rows; false when a figure leaves the exact range.
HN_FLOOR_LOOP
bool BuildPart(const PartPlan& pp, const RepaymentPlan& plan, SchedulePart& part)
{
    part.loanYen = pp.loan;
    part.termCount = pp.count;
    part.rows.clear();
    part.rows.reserve(static_cast<std::size_t>(pp.count));

    std::int64_t payments[3] = {0, 0, 0};
    std::int64_t share = 0;
    if (plan.family == RepaymentFamily::EqualPrincipal) {
        if (!ToExactYen(pp.share, share))
            return false;
    } else {
        for (int b = 0; b < 3; ++b)
            if (!ToExactYen(pp.band[b], payments[b]))
                return false;
    }

    // Doubles hold every figure exactly here (all below kMaxExactYen) and keep
    // the loop free of conversions between one interest and the next balance.
    const bool equalPrincipal = plan.family == RepaymentFamily::EqualPrincipal;
    const double shareD = static_cast<double>(share);
    const double paymentsD[3] = {static_cast<double>(payments[0]), static_cast<double>(payments[1]),
                                 static_cast<double>(payments[2])};
    constexpr double kExact = static_cast<double>(kMaxExactYen);
    double balance = static_cast<double>(pp.loan);
    double unpaid = 0.0;
    double paid = 0.0;
    for (int k = 1; k <= pp.count; ++k) {
        const int band = BandOf(k, pp.perBand);
        const int rate = band == 2 ? 1 : 0;
        const double interest = pp.rate[rate]->PeriodInterest(balance, pp.halfYear);
        const double payment = equalPrincipal ? shareD + interest : paymentsD[band];
        const Split<double> split = SplitPayment(balance, unpaid, payment, interest, k == pp.count);
        paid += split.payment;
        if (!(split.payment <= kExact && interest <= kExact && split.unpaid <= kExact && paid <= kExact))
            return false;
        // Written in place: a row built aside and copied in made the loop wait
        // on its own stack stores.
        ScheduleRow& row = part.rows.emplace_back();
        row.number = k;
        row.payment = static_cast<std::int64_t>(split.payment);
        row.interest = static_cast<std::int64_t>(interest);
        row.principal = static_cast<std::int64_t>(split.principal);
        row.balance = static_cast<std::int64_t>(split.balance);
        row.yearlyRate = plan.yearlyRate[rate];
        row.unpaidInterest = static_cast<std::int64_t>(split.unpaid);
        row.rateIndex = pp.rateIndex[rate];
        row.plannedNumber = k;
        balance = split.balance;
        unpaid = split.unpaid;
        if (balance == 0.0)
            break;
    }
    return true;
}

} // namespace

ScheduleTotals TotalsOf(const SchedulePart& part) noexcept
{
    ScheduleTotals t;
    for (const ScheduleRow& r : part.rows) {
        t.payment += r.payment;
        t.interest += r.interest;
        t.principal += r.principal;
    }
    return t;
}

ScheduleTotals TotalsOf(const Schedule& schedule) noexcept
{
    const ScheduleTotals m = TotalsOf(schedule.monthly);
    const ScheduleTotals b = TotalsOf(schedule.bonus);
    return {m.payment + b.payment, m.interest + b.interest, m.principal + b.principal};
}

namespace {

template <typename Test>
bool AnyRow(const Schedule& schedule, Test test) noexcept
{
    for (const SchedulePart* part : {&schedule.monthly, &schedule.bonus})
        for (const ScheduleRow& r : part->rows)
            if (test(r))
                return true;
    return false;
}

} // namespace

bool HasUnpaidInterest(const Schedule& schedule) noexcept
{
    return AnyRow(schedule, [](const ScheduleRow& r) { return r.unpaidInterest != 0; });
}

bool HasPrepayments(const Schedule& schedule) noexcept
{
    return AnyRow(schedule, [](const ScheduleRow& r) { return r.prepaid != 0; });
}

LoanInput WholeYenInput(const LoanInput& in) noexcept
{
    LoanInput out = in;
    if (std::isfinite(in.loanYen) && std::isfinite(in.bonusYen)) {
        out.loanYen = std::round(in.loanYen);
        out.bonusYen = std::round(in.bonusYen);
        out.normalYen = out.loanYen - out.bonusYen;
    }
    return out;
}

ScheduleRow AmortisedRow(int number, std::int64_t balanceBefore, std::int64_t unpaidBefore, std::int64_t payment,
                         const ExactRate& rate, int rateIndex, bool halfYear, bool settle) noexcept
{
    const std::int64_t interest = rate.PeriodInterest(balanceBefore, halfYear);
    const Split<std::int64_t> split = SplitPayment(balanceBefore, unpaidBefore, payment, interest, settle);
    ScheduleRow row;
    row.number = number;
    row.payment = split.payment;
    row.interest = interest;
    row.principal = split.principal;
    row.balance = split.balance;
    row.yearlyRate = rate.Fraction();
    row.unpaidInterest = split.unpaid;
    row.rateIndex = rateIndex;
    return row;
}

ExactLoanRates ExactRatesOf(const LoanInput& in)
{
    return {ExactRate::FromFraction(in.rate1), ExactRate::FromFraction(in.rate2)};
}

ExactLoanRates ExactRatesFromTexts(const LoanInput& in, std::string_view rate1Text, std::string_view rate2Text)
{
    const auto typed = [](std::string_view text, double fraction) {
        const auto rate = ExactRate::FromPercentText(text);
        return rate && rate->Fraction() == fraction ? *rate : ExactRate::FromFraction(fraction);
    };
    return {typed(rate1Text, in.rate1), typed(rate2Text, in.rate2)};
}

Schedule BuildSchedule(const LoanInput& in)
{
    return BuildSchedule(in, ExactRatesOf(in));
}

Schedule BuildSchedule(const LoanInput& in, const ExactLoanRates& rates)
{
    Schedule s;
    s.method = in.method;
    if (!IsComputable(in) || !IsWholeYen(in.normalYen) || !IsWholeYen(in.bonusYen))
        return s; // InvalidInput
    // The rates charged must be the ones the instalments were formed with.
    const bool second = UsesSecondRate(in);
    if (rates.first.Fraction() != in.rate1 || (second && rates.second.Fraction() != in.rate2))
        return s;
    s.periodYears = static_cast<int>(in.periodYears);

    std::int64_t normal = 0;
    std::int64_t bonus = 0;
    if (!ToExactYen(in.normalYen, normal) || !ToExactYen(in.bonusYen, bonus)) {
        s.status = ScheduleStatus::BeyondExactRange;
        return s;
    }

    // 銀行型・他 and terms up to ten years charge the first rate throughout; so
    // does a second rate equal to the first.
    s.rates = {rates.first};
    if (second && !(rates.second == rates.first))
        s.rates.push_back(rates.second);
    const ExactRate* charged[2] = {&s.rates.front(), &s.rates.back()};
    const int index[2] = {0, static_cast<int>(s.rates.size()) - 1};
    const RepaymentPlan plan = PlanRepayment(in);
    // A plan with a negative instalment (a small loan at an extreme rate) is one
    // the engine refuses: rows paying money back to the borrower prove nothing.
    for (int band = 0; band < 3; ++band)
        if (plan.monthly[band] < 0.0 || plan.bonus[band] < 0.0)
            return s; // InvalidInput
    PartPlan monthly{normal, plan.months, kMonthsPerBand, false, {charged[0], charged[1]}, {index[0], index[1]},
                     plan.monthly, plan.monthlyShare};
    PartPlan bonusPart{bonus, plan.bonusCount, kBonusPerBand, true, {charged[0], charged[1]}, {index[0], index[1]},
                       plan.bonus, plan.bonusShare};
    if (!BuildPart(monthly, plan, s.monthly) || !BuildPart(bonusPart, plan, s.bonus)
        || !IsExact(TotalsOf(s).payment)) {
        s.monthly.rows.clear();
        s.bonus.rows.clear();
        s.status = ScheduleStatus::BeyondExactRange;
        return s;
    }
    s.status = ScheduleStatus::Ok;
    return s;
}

} // namespace hn
