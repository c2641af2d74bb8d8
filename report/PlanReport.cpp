// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PlanReport.h"

#include "calc/plan/PlanMessages.h"
#include "calc/plan/PlanTables.h"
#include "calc/rates/ScenarioTexts.h"
#include "report/Captions.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

namespace hn {
namespace {

using Q = Quantity;

// Captions and texts only this report gives.
constexpr std::string_view kCaptionLoanAmount = "借入額";
constexpr std::string_view kCaptionFirstMonthly = "毎月返済額 (初回)";
constexpr std::string_view kCaptionFirstBonus = "ﾎﾞｰﾅｽ返済額 (初回)";
constexpr std::string_view kCaptionLastMonth = "最終返済月";
constexpr std::string_view kCaptionChecks = "検算";
constexpr std::string_view kChecksPassed = "すべて一致";
constexpr std::string_view kChecksFailed = "一致しない項目があります";
constexpr std::string_view kCaptionBorrow = "借入必要額";
constexpr std::string_view kCaptionOwnFunds = "自己資金";
constexpr std::string_view kCaptionLoansSum = "借入の合計";
constexpr std::string_view kCaptionIncome = "年収";
constexpr std::string_view kCaptionRatio = "返済負担率";
constexpr std::string_view kCaptionLimit = "返済負担率の上限";
constexpr std::string_view kCaptionAllowance = "上限までの年間返済額";
constexpr std::string_view kCaptionPayoffAge = "完済時年齢 (歳)";
constexpr std::string_view kCaptionPeakMonth = "その最初の月";
constexpr std::string_view kCaptionEnd = "完済";
constexpr std::string_view kMsgLimitUnknown = "返済負担率の上限を正しく選んでください";

std::string LoanName(std::size_t index)
{
    return "借入" + std::to_string(index + 1);
}

std::string BorrowerName(std::size_t index)
{
    return std::to_string(index + 1) + "人目";
}

std::string TrancheRefusal(std::size_t index, TrancheStatus status)
{
    std::string what;
    switch (status) {
    case TrancheStatus::InvalidTranche:
        what = "借入額 (1円以上)、ﾎﾞｰﾅｽ返済分 (借入額の半分まで)、返済期間、返済開始月を正しく入力してください";
        break;
    case TrancheStatus::InvalidProduct:
        what = "金利の種類と金利を正しく入力してください";
        break;
    case TrancheStatus::BeyondExactRange:
        what = "金額が大きすぎて計算できません";
        break;
    case TrancheStatus::Ok:
    case TrancheStatus::ChecksFailed:
        break;
    }
    return LoanName(index) + ": " + what;
}

// The month of a tranche's last instalment of either part.
YearMonth LastMonth(const Schedule& s, const ScheduleCalendar& calendar)
{
    YearMonth last{};
    if (!s.monthly.rows.empty())
        last = MonthOfInstalment(calendar, s.monthly.rows.back().number);
    if (!s.bonus.rows.empty())
        last = std::max(last, MonthOfBonus(calendar, s.bonus.rows.back().number));
    return last;
}

std::vector<Figure> TrancheFigures(const Tranche& t, const TrancheSchedule& built, const ScheduleCalendar& calendar)
{
    const Schedule& s = built.schedule;
    const ScheduleTotals totals = TotalsOf(s);
    std::vector<Figure> f;
    f.push_back({"amountYen", kCaptionLoanAmount, Q::Yen(t.amountYen)});
    f.push_back({"firstMonthlyYen", kCaptionFirstMonthly, Q::Yen(s.monthly.rows.empty() ? 0 : s.monthly.rows[0].payment)});
    if (!s.bonus.rows.empty())
        f.push_back({"firstBonusYen", kCaptionFirstBonus, Q::Yen(s.bonus.rows[0].payment)});
    f.push_back({"totalRepaidYen", kCaptionTotal, Q::Yen(totals.payment)});
    f.push_back({"totalInterestYen", kSumTotalInterest, Q::Yen(totals.interest)});
    f.push_back({"lastMonth", kCaptionLastMonth, Q::Month(LastMonth(s, calendar))});
    f.push_back({"checks", kCaptionChecks, Q::Words(std::string(built.checks.allPassed() ? kChecksPassed : kChecksFailed))});
    return f;
}

std::string AgeText(int age)
{
    return std::to_string(age) + "歳";
}

std::vector<Figure> BurdenFiguresOf(const BurdenFigures& b, bool withLimit)
{
    std::vector<Figure> f;
    f.push_back({"incomeYen", kCaptionIncome, Q::Yen(b.incomeYen)});
    f.push_back({"annualYen", kCaptionAnnual, Q::Yen(b.annualYen)});
    f.push_back({"ratioPercent", kCaptionRatio, Q::Percent(b.ratioPercent)});
    if (withLimit) {
        f.push_back({"limitPercent", kCaptionLimit, Q::Percent(b.limitPercent)});
        f.push_back({"allowanceYen", kCaptionAllowance, Q::Yen(b.allowanceYen)});
        if (b.overLimit)
            f.back().note = "上限を超えています";
    }
    return f;
}

std::vector<std::string> Warnings(const PlanReport& r, const PlanReportInput& in)
{
    std::vector<std::string> w;
    const std::int64_t shortfall = r.result.shortfallYen;
    if (shortfall > 0)
        w.push_back("借入の合計が借入必要額に" + Text(Q::Yen(shortfall)) + "足りません。");
    else if (shortfall < 0)
        w.push_back("借入の合計が借入必要額を" + Text(Q::Yen(-shortfall)) + "超えています。");
    for (std::size_t k = 0; k < r.result.borrowers.size(); ++k) {
        const BorrowerFigures& b = r.result.borrowers[k];
        const std::string who = in.borrowers.size() > 1 ? BorrowerName(k) + "の" : std::string();
        if (b.payoffAgeHigh)
            w.push_back(who + "完済時年齢が" + AgeText(b.payoffAge) + "です: 多くの金融機関は" +
                        AgeText(kPlanLimits.payoffAgeCeiling) + "未満までで貸します。");
        if (b.burden.overLimit)
            w.push_back(who + "返済負担率が上限を超えています。");
    }
    for (std::size_t i = 0; i < r.schedules.size(); ++i) {
        const TrancheSchedule& s = r.schedules[i];
        if (!s.checks.allPassed())
            w.push_back(LoanName(i) + ": 返済予定表の検算に一致しない項目があります。");
        if (HasUnpaidInterest(s.schedule))
            w.push_back(LoanName(i) + ": 返済額が利息に届かない月があり、未払利息が生じます。");
    }
    return w;
}

} // namespace

PlanReport MakePlanReport(const PlanReportInput& in)
{
    PlanReport r;
    const BurdenLimitRule* rule = nullptr;
    if (!in.limitKey.empty()) {
        rule = FindBurdenLimitRule(in.limitKey);
        if (rule == nullptr) {
            r.message = kMsgLimitUnknown;
            return r;
        }
    }
    if (in.tranches.size() > static_cast<std::size_t>(kPlanLimits.maxLoans)) {
        r.message = kMsgTooManyLoans;
        return r;
    }

    PlanInput plan;
    plan.purchase = in.purchase;
    plan.arrangement = in.arrangement;
    plan.borrowers = in.borrowers;
    plan.limit = rule;
    for (std::size_t i = 0; i < in.tranches.size(); ++i) {
        const PlanTrancheInput& t = in.tranches[i];
        TrancheSchedule built = BuildTrancheSchedule(t.tranche);
        // Rows that fail their own checks are still shown, with a warning.
        if (!built.ok() && built.status != TrancheStatus::ChecksFailed) {
            r.schedules.clear();
            r.message = TrancheRefusal(i, built.status);
            return r;
        }
        // The schedule moves into the plan and back after it: rows are not copied.
        PlanLoan loan;
        loan.loan.schedule = std::move(built.schedule);
        loan.loan.calendar = ScheduleCalendar{t.tranche.firstMonth, t.bonusMonths};
        loan.sharePercent = t.sharePercent;
        plan.loans.push_back(std::move(loan));
        r.schedules.push_back(std::move(built));
    }

    PlanOutcome out = ComputePlan(plan);
    if (!out.ok) {
        r.schedules.clear();
        r.message = out.message;
        return r;
    }
    for (std::size_t i = 0; i < plan.loans.size(); ++i)
        r.schedules[i].schedule = std::move(plan.loans[i].loan.schedule);
    r.ok = true;
    r.result = std::move(out.result);
    const PlanResult& p = r.result;

    r.purchase.push_back({"borrowYen", kCaptionBorrow, Q::Yen(p.purchase.borrowYen)});
    r.purchase.push_back({"ownFundsYen", kCaptionOwnFunds, Q::Yen(p.purchase.ownFundsYen)});
    r.purchase.push_back({"loansYen", kCaptionLoansSum, Q::Yen(p.loansYen)});

    for (std::size_t i = 0; i < in.tranches.size(); ++i)
        r.tranches.push_back(TrancheFigures(in.tranches[i].tranche, r.schedules[i], plan.loans[i].loan.calendar));

    for (const BorrowerFigures& b : p.borrowers) {
        std::vector<Figure> f = BurdenFiguresOf(b.burden, rule != nullptr);
        f.push_back({"payoffAge", kCaptionPayoffAge, Q::Count(b.payoffAge)});
        r.borrowers.push_back(std::move(f));
    }
    if (p.borrowers.size() > 1)
        r.household = BurdenFiguresOf(p.household, rule != nullptr);

    const PlanScheduleSummary& s = p.schedule;
    // What the household pays in the plan's first month: the loans starting then.
    std::int64_t firstMonthly = 0;
    for (std::size_t i = 0; i < in.tranches.size(); ++i) {
        const auto& rows = r.schedules[i].schedule.monthly.rows;
        if (in.tranches[i].tranche.firstMonth == s.firstMonth && !rows.empty())
            firstMonthly += rows[0].payment;
    }
    r.whole.push_back({"firstMonthlyYen", kCaptionFirstMonthly, Q::Yen(firstMonthly)});
    r.whole.push_back({"totalRepaidYen", kSumTotalRepaid, Q::Yen(s.totals.payment)});
    r.whole.push_back({"totalInterestYen", kSumTotalInterest, Q::Yen(s.totals.interest)});
    r.whole.push_back({"peakMonthlyYen", kSumPeakMonthly, Q::Yen(s.peakMonthlyYen)});
    r.whole.push_back({"peakMonth", kCaptionPeakMonth, Q::Month(s.peakMonth)});
    r.whole.push_back({"endMonth", kCaptionEnd, Q::Month(s.lastMonth)});
    r.whole.back().note = Text(Q::LoanYear(PlanYearOf(s.firstMonth, s.lastMonth)));
    r.years = s.years;

    r.warnings = Warnings(r, in);
    return r;
}

std::string PlanReportLines(const PlanReport& report)
{
    if (!report.ok)
        return report.message + "\n";
    std::string out = FigureLines(report.purchase);
    const auto section = [&out](const std::string& heading, const std::vector<Figure>& figures) {
        out.append("[").append(heading).append("]\n").append(FigureLines(figures));
    };
    for (std::size_t i = 0; i < report.tranches.size(); ++i)
        section(LoanName(i), report.tranches[i]);
    for (std::size_t k = 0; k < report.borrowers.size(); ++k)
        section(BorrowerName(k), report.borrowers[k]);
    if (!report.household.empty())
        section("世帯", report.household);
    section("計画全体", report.whole);
    for (const std::string& w : report.warnings)
        out.append(kSumWarning).append(": ").append(w).append("\n");
    return out;
}

} // namespace hn
