#include "calc/Schedule.h"

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

// Interest is paid first, then interest left unpaid earlier, then principal.
// An instalment below the interest leaves the rest unpaid rather than adding it
// to the balance, so no figure turns negative.
// Writes straight into `row` (a vector element): building a row aside and
// copying it in made the loop wait on its own stack stores, at five times the
// cost.
void FillRow(ScheduleRow& row, int number, std::int64_t balanceBefore, std::int64_t unpaidBefore,
             std::int64_t payment, std::int64_t interest, double yearlyRate, bool settle) noexcept
{
    row.number = number;
    row.interest = interest;
    row.yearlyRate = yearlyRate;
    const std::int64_t owedInterest = unpaidBefore + interest;
    const std::int64_t towardsPrincipal = payment - owedInterest;
    if (settle || towardsPrincipal >= balanceBefore) {
        row.principal = balanceBefore;
        row.payment = owedInterest + balanceBefore;
        row.balance = 0;
        row.unpaidInterest = 0;
    } else if (towardsPrincipal < 0) {
        row.payment = payment;
        row.principal = 0;
        row.balance = balanceBefore;
        row.unpaidInterest = -towardsPrincipal;
    } else {
        row.payment = payment;
        row.principal = towardsPrincipal;
        row.balance = balanceBefore - towardsPrincipal;
        row.unpaidInterest = 0;
    }
}

struct PartPlan {
    std::int64_t loan = 0;
    int count = 0;
    int perBand = 0;
    const double* periodRate = nullptr; // [first, second]
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

    const bool equalPrincipal = plan.family == RepaymentFamily::EqualPrincipal;
    std::int64_t balance = pp.loan;
    std::int64_t unpaid = 0;
    std::int64_t paid = 0;
    for (int k = 1; k <= pp.count; ++k) {
        const int band = BandOf(k, pp.perBand);
        const int rateIndex = band == 2 ? 1 : 0;
        const double rate = pp.periodRate[rateIndex];
        const std::int64_t interest = FlooredInterest(balance, rate);
        const std::int64_t payment = equalPrincipal ? share + interest : payments[band];
        ScheduleRow& row = part.rows.emplace_back();
        FillRow(row, k, balance, unpaid, payment, interest, plan.yearlyRate[rateIndex], k == pp.count);
        paid += row.payment;
        if (!IsExact(row.payment) || !IsExact(row.interest) || !IsExact(row.unpaidInterest) || !IsExact(paid))
            return false;
        balance = row.balance;
        unpaid = row.unpaidInterest;
        if (balance == 0)
            break;
    }
    return true;
}

} // namespace

std::int64_t FlooredInterest(std::int64_t balance, double periodRate) noexcept
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(balance) * periodRate));
}

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
                         double periodRate, double yearlyRate, bool settle) noexcept
{
    ScheduleRow row;
    FillRow(row, number, balanceBefore, unpaidBefore, payment, FlooredInterest(balanceBefore, periodRate), yearlyRate,
            settle);
    return row;
}

Schedule BuildSchedule(const LoanInput& in)
{
    Schedule s;
    s.method = in.method;
    if (!IsComputable(in) || !IsWholeYen(in.normalYen) || !IsWholeYen(in.bonusYen))
        return s; // InvalidInput
    s.periodYears = static_cast<int>(in.periodYears);

    std::int64_t normal = 0;
    std::int64_t bonus = 0;
    if (!ToExactYen(in.normalYen, normal) || !ToExactYen(in.bonusYen, bonus)) {
        s.status = ScheduleStatus::BeyondExactRange;
        return s;
    }

    const RepaymentPlan plan = PlanRepayment(in);
    PartPlan monthly{normal, plan.months, kMonthsPerBand, plan.monthlyRate, plan.monthly, plan.monthlyShare};
    PartPlan bonusPart{bonus, plan.bonusCount, kBonusPerBand, plan.bonusRate, plan.bonus, plan.bonusShare};
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
