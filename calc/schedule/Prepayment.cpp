// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/Prepayment.h"

#include "calc/schedule/PrepaymentMessages.h"

#include <algorithm>

namespace hn {

namespace {

// What a part of a schedule needs to know of its method to re-amortise.
struct PartShape {
    bool monthly = true;
    RepaymentFamily family = RepaymentFamily::LevelPayment;
    bool bankOther = false;
    int perBand = kMonthsPerBand;
    int reducedFirstBand = 600; // the reduced family's first instalment: a 50-year annuity
};

PartShape ShapeOf(const Schedule& schedule, SchedulePartKind kind) noexcept
{
    PartShape s;
    s.monthly = kind == SchedulePartKind::Monthly;
    s.family = FamilyOf(schedule.method);
    s.bankOther = schedule.method == BankOther;
    s.perBand = s.monthly ? kMonthsPerBand : kBonusPerBand;
    s.reducedFirstBand = s.monthly ? 600 : 100;
    return s;
}

double PeriodRate(const PartShape& shape, double yearlyRate) noexcept
{
    return shape.monthly ? MonthlyRate(yearlyRate) : HalfYearRate(yearlyRate);
}

// Whether the method forms a new instalment from the balance at a row planned
// as instalment `number` that follows one planned as `before`: at the start of
// band 2 (reduced family) and of band 3 (every method but 銀行型・他 and 元金均等型).
// After a prepayment by whole instalments the rows keep their planned numbers,
// so the point moves up with them, and a point a dropped row held passes to the
// first row of the new band.
bool StartsNewInstalment(const PartShape& shape, int before, int number) noexcept
{
    const int from = BandOf(before, shape.perBand);
    const int to = BandOf(number, shape.perBand);
    switch (shape.family) {
    case RepaymentFamily::ReducedEarly:
        return to > from;
    case RepaymentFamily::LevelPayment:
        return !shape.bankOther && to == 2 && from < 2;
    case RepaymentFamily::EqualPrincipal:
        break;
    }
    return false;
}

std::int64_t LevelInstalment(std::int64_t balance, double periodRate, int count) noexcept
{
    if (count <= 0)
        return balance;
    return static_cast<std::int64_t>(AnnuityPayment(static_cast<double>(balance), periodRate, count));
}

// An instalment of the schedule before a prepayment, for a balance that fell
// from `was` to `now`: floor(instalment × now ÷ was). Paid from here on, the
// balance keeps its course at the smaller scale, so the interest can only fall.
std::int64_t Scaled(std::int64_t instalment, std::int64_t now, std::int64_t was) noexcept
{
    __extension__ using U128 = unsigned __int128;
    if (was <= 0 || instalment <= 0 || now <= 0)
        return 0;
    return static_cast<std::int64_t>(static_cast<U128>(instalment) * static_cast<U128>(now) /
                                     static_cast<U128>(was));
}

// 返済額軽減型: the annuity of the balance over the instalments left of the term
// the instalment was formed over; never below the instalment before scaled down
// with the balance. The two agree to a yen or so, except where the schedule
// before ends with a shorter instalment (after 期間短縮型): spread over its full
// rows the annuity would repay more slowly than before and cost interest.
std::int64_t ReducedInstalment(std::int64_t annuity, std::int64_t before, std::int64_t now, std::int64_t was) noexcept
{
    return std::max(annuity, Scaled(before, now, was));
}

struct PartPrepaid {
    std::int64_t used = 0;
    int dropped = 0;
    std::int64_t next = 0; // payment of the row after the prepayment, 0 when none
};

std::int64_t NextPayment(const SchedulePart& part, int afterNumber) noexcept
{
    const auto k = static_cast<std::size_t>(afterNumber);
    return k < part.rows.size() ? part.rows[k].payment : 0;
}

// Pays `amount` right after instalment k (1 <= k < rows) and recomputes the
// rows after it, charging each the rate of the row it takes after.
PartPrepaid PrepayPart(SchedulePart& part, const PartShape& shape, std::span<const ExactRate> rates, int k,
                       std::int64_t amount, PrepayMode mode)
{
    PartPrepaid result;
    const std::vector<ScheduleRow> current = part.rows;
    const int end = static_cast<int>(current.size());
    const std::int64_t balance = current[static_cast<std::size_t>(k - 1)].balance;
    const bool equalPrincipal = shape.family == RepaymentFamily::EqualPrincipal;

    // ShortenWhole: as many whole principal parts of the next instalments as
    // the amount covers; those instalments drop out.
    int skip = 0;
    std::int64_t used = std::min(amount, balance);
    if (mode == PrepayMode::ShortenWhole) {
        used = 0;
        while (k + skip < end) {
            const std::int64_t principal = current[static_cast<std::size_t>(k + skip)].principal;
            if (principal <= 0 || used + principal > amount)
                break;
            used += principal;
            ++skip;
        }
    }
    if (used <= 0) {
        result.next = NextPayment(part, k);
        return result;
    }

    part.rows.resize(static_cast<std::size_t>(k));
    ScheduleRow& at = part.rows.back();
    at.payment += used;
    at.principal += used;
    at.balance -= used;
    at.prepaid += used;
    result.used = used;
    if (at.balance == 0) {
        // Nothing left: interest still owed from earlier instalments is settled too.
        at.payment += at.unpaidInterest;
        at.unpaidInterest = 0;
        result.dropped = end - k;
        return result;
    }

    std::int64_t bal = at.balance;
    std::int64_t unpaid = at.unpaidInterest;
    std::int64_t level = 0; // Reduce: the instalment (equal principal: the share) in force
    if (mode == PrepayMode::Reduce) {
        const ScheduleRow& next = current[static_cast<std::size_t>(k)];
        const std::int64_t was = current[static_cast<std::size_t>(k - 1)].balance;
        if (equalPrincipal) {
            level = ReducedInstalment(bal / (end - k), next.principal - next.prepaid, bal, was);
        } else {
            // The 50-year annuity of the reduced family's first band: its
            // instalments left after the one just paid, counted as planned.
            const bool firstReducedBand = shape.family == RepaymentFamily::ReducedEarly
                && BandOf(PlannedNumber(next), shape.perBand) == 0;
            const int paid = PlannedNumber(current[static_cast<std::size_t>(k - 1)]);
            const std::int64_t annuity = LevelInstalment(bal, PeriodRate(shape, next.yearlyRate),
                                                         firstReducedBand ? shape.reducedFirstBand - paid : end - k);
            level = ReducedInstalment(annuity, next.payment - next.prepaid, bal, was);
        }
    }

    for (int j = k + 1;; ++j) {
        const int ref = mode == PrepayMode::ShortenWhole ? j + skip : j; // the row of `current` it takes after
        if (ref > end)
            break; // not reached: the row `end` settles
        const ScheduleRow& r = current[static_cast<std::size_t>(ref - 1)];
        const ExactRate& exact = rates[static_cast<std::size_t>(r.rateIndex)];
        const std::int64_t interest = exact.PeriodInterest(bal, !shape.monthly);
        std::int64_t payment = 0;
        if (mode == PrepayMode::Reduce) {
            // Where the method forms a new instalment, it does so from the balance
            // then, over the instalments left.
            const ScheduleRow& prev = current[static_cast<std::size_t>(ref - 2)];
            if (!equalPrincipal && j > k + 1 && StartsNewInstalment(shape, PlannedNumber(prev), PlannedNumber(r))) {
                const std::int64_t annuity = LevelInstalment(bal, PeriodRate(shape, r.yearlyRate), end - (j - 1));
                level = ReducedInstalment(annuity, r.payment - r.prepaid, bal, prev.balance);
            }
            payment = equalPrincipal ? level + interest : level;
        } else {
            // The instalment the schedule asked for at this row; for equal
            // principal its share, the interest coming from the balance now.
            payment = equalPrincipal ? (r.principal - r.prepaid) + interest : r.payment - r.prepaid;
        }
        ScheduleRow row = AmortisedRow(j, bal, unpaid, payment, exact, r.rateIndex, !shape.monthly, ref == end);
        row.plannedNumber = PlannedNumber(r);
        part.rows.push_back(row);
        bal = row.balance;
        unpaid = row.unpaidInterest;
        if (bal == 0 && unpaid == 0)
            break;
    }
    result.dropped = end - static_cast<int>(part.rows.size());
    result.next = NextPayment(part, k);
    return result;
}

// Every row names a rate of the schedule: the rows after a prepayment are
// charged the rate of the row they take after.
bool ChargesKnownRates(const Schedule& schedule) noexcept
{
    for (const SchedulePart* part : {&schedule.monthly, &schedule.bonus})
        for (const ScheduleRow& r : part->rows)
            if (r.rateIndex < 0 || static_cast<std::size_t>(r.rateIndex) >= schedule.rates.size())
                return false;
    return true;
}

PrepaymentOutcome Fail(PrepaymentOutcome out, std::string_view message)
{
    out.ok = false;
    out.message = message;
    out.applied.clear();
    out.after = out.before;
    return out;
}

} // namespace

PrepaymentOutcome ApplyPrepayments(const Schedule& schedule, std::span<const Prepayment> prepayments)
{
    PrepaymentOutcome out;
    out.before = schedule;
    out.after = schedule;
    if (!schedule.ok() || !ChargesKnownRates(schedule))
        return Fail(std::move(out), kMsgPrepayNoSchedule);

    std::vector<Prepayment> ordered(prepayments.begin(), prepayments.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Prepayment& a, const Prepayment& b) { return a.instalment < b.instalment; });

    const PartShape monthlyShape = ShapeOf(schedule, SchedulePartKind::Monthly);
    const PartShape bonusShape = ShapeOf(schedule, SchedulePartKind::Bonus);
    for (const Prepayment& p : ordered) {
        if (p.instalment < 1)
            return Fail(std::move(out), kMsgPrepayInstalmentInvalid);
        if (p.amountYen < 0 || p.bonusAmountYen < 0)
            return Fail(std::move(out), kMsgPrepayAmountInvalid);
        if (p.instalment >= static_cast<int>(out.after.monthly.rows.size()))
            return Fail(std::move(out), kMsgPrepayAfterEnd);

        AppliedPrepayment a;
        a.asked = p;
        if (p.bonusAmountYen > 0) {
            // Bonus instalments 2y-1 and 2y fall with months 12y-6 and 12y.
            const int b = p.instalment / 6;
            if (out.after.bonus.loanYen == 0)
                return Fail(std::move(out), kMsgPrepayNoBonus);
            if (b < 1)
                return Fail(std::move(out), kMsgPrepayBeforeBonus);
            if (b >= static_cast<int>(out.after.bonus.rows.size()))
                return Fail(std::move(out), kMsgPrepayBonusAfterEnd);
            const PartPrepaid bonus = PrepayPart(out.after.bonus, bonusShape, out.after.rates, b,
                                                   p.bonusAmountYen, p.mode);
            a.bonusInstalment = b;
            a.bonusUsedYen = bonus.used;
            a.droppedBonus = bonus.dropped;
            a.nextBonusYen = bonus.next;
        }
        const PartPrepaid monthly = PrepayPart(out.after.monthly, monthlyShape, out.after.rates,
                                                 p.instalment, p.amountYen, p.mode);
        a.usedYen = monthly.used;
        a.droppedInstalments = monthly.dropped;
        a.nextInstalmentYen = monthly.next;
        out.prepaidYen += a.usedYen + a.bonusUsedYen;
        out.applied.push_back(a);
    }

    out.totalsBefore = TotalsOf(out.before);
    out.totalsAfter = TotalsOf(out.after);
    out.interestSaved = out.totalsBefore.interest - out.totalsAfter.interest;
    out.checks = CheckSchedule(out.after);
    out.ok = true;
    return out;
}

PrepaymentComparison ComparePrepayModes(const Schedule& schedule, const Prepayment& prepayment)
{
    const auto run = [&](PrepayMode mode) {
        Prepayment p = prepayment;
        p.mode = mode;
        return ApplyPrepayments(schedule, std::span<const Prepayment>(&p, 1));
    };
    return {run(PrepayMode::Reduce), run(PrepayMode::Shorten), run(PrepayMode::ShortenWhole)};
}

std::string_view PrepayModeName(PrepayMode mode) noexcept
{
    switch (mode) {
    case PrepayMode::Reduce:
        return "reduce";
    case PrepayMode::Shorten:
        return "shorten";
    case PrepayMode::ShortenWhole:
        return "shorten-whole";
    }
    return {};
}

std::optional<PrepayMode> PrepayModeFromName(std::string_view name) noexcept
{
    for (PrepayMode m : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole})
        if (PrepayModeName(m) == name)
            return m;
    return std::nullopt;
}

std::string_view PrepayModeCaption(PrepayMode mode) noexcept
{
    switch (mode) {
    case PrepayMode::Reduce:
        return "返済額軽減型";
    case PrepayMode::Shorten:
        return "期間短縮型";
    case PrepayMode::ShortenWhole:
        return "期間短縮型 (回数単位)";
    }
    return {};
}

} // namespace hn
