// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/ScheduleChecks.h"

#include <algorithm>

namespace hn {

namespace {

ScheduleCheckResult Compare(ScheduleCheck check, CheckScope scope, std::int64_t actual, std::int64_t expected)
{
    ScheduleCheckResult c;
    c.check = check;
    c.scope = scope;
    c.passed = actual == expected;
    c.actual = actual;
    c.expected = expected;
    return c;
}

ScheduleCheckResult RowCheck(ScheduleCheck check, CheckScope scope, int failedRow)
{
    ScheduleCheckResult c;
    c.check = check;
    c.scope = scope;
    c.passed = failedRow == 0;
    c.failedRow = failedRow;
    return c;
}

// What one pass over a part's rows finds: the first row (instalment number)
// breaking each row rule, 0 when every row keeps it, and the part's totals.
struct PartScan {
    int brokenRow = 0;   // numbered 1, 2, ...; adds up; balance follows
    int negativeRow = 0; // a figure below 0
    ScheduleTotals totals;
};

PartScan ScanPart(const SchedulePart& part) noexcept
{
    PartScan scan;
    std::int64_t balanceBefore = part.loanYen;
    std::int64_t unpaidBefore = 0;
    int expectedNumber = 1;
    for (const ScheduleRow& r : part.rows) {
        // Payment = interest charged + principal + unpaid interest settled
        // (negative while interest goes unpaid), and each balance the one before
        // less the principal.
        const bool addsUp = r.number == expectedNumber
            && r.payment == r.interest + r.principal + (unpaidBefore - r.unpaidInterest)
            && r.balance == balanceBefore - r.principal;
        const bool nonNegative =
            r.payment >= 0 && r.interest >= 0 && r.principal >= 0 && r.balance >= 0 && r.unpaidInterest >= 0;
        const int where = r.number != 0 ? r.number : expectedNumber;
        if (!addsUp && scan.brokenRow == 0)
            scan.brokenRow = where;
        if (!nonNegative && scan.negativeRow == 0)
            scan.negativeRow = where;
        scan.totals.payment += r.payment;
        scan.totals.interest += r.interest;
        scan.totals.principal += r.principal;
        balanceBefore = r.balance;
        unpaidBefore = r.unpaidInterest;
        ++expectedNumber;
    }
    return scan;
}

// The part's checks; answers its totals for the checks on the whole schedule.
ScheduleTotals CheckPart(const SchedulePart& part, CheckScope scope, ScheduleCheckReport& report)
{
    const PartScan scan = ScanPart(part);
    report.items.push_back(RowCheck(ScheduleCheck::RowsAddUp, scope, scan.brokenRow));
    report.items.push_back(Compare(ScheduleCheck::PrincipalRepaysLoan, scope, scan.totals.principal, part.loanYen));
    const std::int64_t lastBalance = part.rows.empty() ? part.loanYen : part.rows.back().balance;
    report.items.push_back(Compare(ScheduleCheck::BalanceEndsAtZero, scope, lastBalance, 0));
    const std::int64_t lastUnpaid = part.rows.empty() ? 0 : part.rows.back().unpaidInterest;
    report.items.push_back(Compare(ScheduleCheck::NothingUnpaid, scope, lastUnpaid, 0));
    report.items.push_back(RowCheck(ScheduleCheck::NoNegativeFigure, scope, scan.negativeRow));
    return scan.totals;
}

void CompareBand(const SchedulePart& part, int perBand, const std::array<std::int32_t, 3>& figures,
                 const std::array<bool, 3>& used, CheckScope scope, ScheduleCheckReport& report)
{
    for (int b = 0; b < 3; ++b) {
        if (!used[b])
            continue;
        const std::size_t index = static_cast<std::size_t>(b * perBand);
        // A row that settled the balance ahead of the term is not a band
        // instalment; nor are the rows it left out.
        const bool settledEarly = part.endedEarly() && index + 1 >= part.rows.size();
        if (index >= part.rows.size() || settledEarly)
            continue;
        ScheduleCheckResult c = Compare(ScheduleCheck::BandFiguresMatch, scope, part.rows[index].payment,
                                        figures[static_cast<std::size_t>(b)]);
        c.comparedRow = static_cast<int>(index) + 1;
        c.failedRow = c.passed ? 0 : c.comparedRow;
        report.items.push_back(c);
    }
}

} // namespace

bool ScheduleCheckReport::allPassed() const noexcept
{
    return !items.empty()
        && std::all_of(items.begin(), items.end(), [](const ScheduleCheckResult& c) { return c.passed; });
}

ScheduleCheckReport CheckSchedule(const Schedule& schedule)
{
    ScheduleCheckReport report;
    if (!schedule.ok())
        return report;
    // Five checks a part, one on the whole, three band figures a part.
    report.items.reserve(17);
    const ScheduleTotals m = CheckPart(schedule.monthly, CheckScope::MonthlyPart, report);
    const ScheduleTotals b = CheckPart(schedule.bonus, CheckScope::BonusPart, report);
    report.items.push_back(Compare(ScheduleCheck::PaymentsCoverLoanAndInterest, CheckScope::WholeSchedule,
                                   m.payment + b.payment,
                                   schedule.monthly.loanYen + schedule.bonus.loanYen + m.interest + b.interest));
    return report;
}

void CheckAgainstResult(const Schedule& schedule, const LoanResult& result, ScheduleCheckReport& report)
{
    // Equal principal instalments are the share plus the exact interest, which the
    // window's band figures (floored in doubles) can miss by a yen: CompareWithWindow
    // shows both. The other families pay the window's own band instalments.
    if (!schedule.ok() || FamilyOf(schedule.method) == RepaymentFamily::EqualPrincipal)
        return;
    CompareBand(schedule.monthly, kMonthsPerBand, result.monthly, result.bandUsed, CheckScope::MonthlyPart,
                report);
    if (schedule.bonus.termCount != 0)
        CompareBand(schedule.bonus, kBonusPerBand, result.bonus, result.bandUsed, CheckScope::BonusPart, report);
}

std::string_view CheckCaption(ScheduleCheck check) noexcept
{
    switch (check) {
    case ScheduleCheck::RowsAddUp:
        return "各回 返済額 = 支払利息 + 元金、支払利息 = 利息 − 未払利息の増減、残高 = 前回残高 − 元金";
    case ScheduleCheck::PrincipalRepaysLoan:
        return "元金の合計 = 借入額";
    case ScheduleCheck::BalanceEndsAtZero:
        return "最終回後の残高 = 0";
    case ScheduleCheck::NothingUnpaid:
        return "最終回後の未払利息 = 0";
    case ScheduleCheck::PaymentsCoverLoanAndInterest:
        return "返済額の合計 = 借入額 + 利息の合計";
    case ScheduleCheck::NoNegativeFigure:
        return "負の金額なし";
    case ScheduleCheck::BandFiguresMatch:
        return "各期間の初回返済額 = 計算結果の返済額";
    }
    return {};
}

std::string_view CheckName(ScheduleCheck check) noexcept
{
    switch (check) {
    case ScheduleCheck::RowsAddUp:
        return "rowsAddUp";
    case ScheduleCheck::PrincipalRepaysLoan:
        return "principalRepaysLoan";
    case ScheduleCheck::BalanceEndsAtZero:
        return "balanceEndsAtZero";
    case ScheduleCheck::NothingUnpaid:
        return "nothingUnpaid";
    case ScheduleCheck::PaymentsCoverLoanAndInterest:
        return "paymentsCoverLoanAndInterest";
    case ScheduleCheck::NoNegativeFigure:
        return "noNegativeFigure";
    case ScheduleCheck::BandFiguresMatch:
        return "bandFiguresMatch";
    }
    return {};
}

std::string_view ScopeCaption(CheckScope scope) noexcept
{
    switch (scope) {
    case CheckScope::MonthlyPart:
        return "毎月分";
    case CheckScope::BonusPart:
        return "ﾎﾞｰﾅｽ分";
    case CheckScope::WholeSchedule:
        return "全体";
    }
    return {};
}

std::string_view ScopeName(CheckScope scope) noexcept
{
    switch (scope) {
    case CheckScope::MonthlyPart:
        return "monthly";
    case CheckScope::BonusPart:
        return "bonus";
    case CheckScope::WholeSchedule:
        return "schedule";
    }
    return {};
}

} // namespace hn
