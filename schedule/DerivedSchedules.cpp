// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/DerivedSchedules.h"

#include "calc/RepaymentMethod.h"
#include "calc/rates/ScenarioSummary.h"
#include "calc/rates/ScenarioTexts.h"
#include "calc/schedule/PrepaymentTexts.h"
#include "calc/schedule/ScheduleTexts.h"
#include "report/ComparisonReport.h"
#include "report/ScenarioReport.h"
#include "report/Units.h"
#include "schedule/ScheduleWindowTexts.h"

#include <algorithm>

namespace hn {

namespace {

// A path changing every six months for 35 years has 70 steps: the heading names the
// first few, which are what a user typed or chose.
constexpr std::size_t kStepsNamed = 4;

} // namespace

std::string PrepaymentsText(std::span<const AppliedPrepayment> applied)
{
    const bool oneWay = std::all_of(applied.begin(), applied.end(), [&](const AppliedPrepayment& a) {
        return a.asked.mode == applied.front().asked.mode;
    });
    std::string text(kPrepaidHeading);
    for (std::size_t i = 0; i < applied.size(); ++i) {
        const Prepayment& p = applied[i].asked;
        if (i > 0)
            text += kListSeparator;
        text += Text(Quantity::Amount(static_cast<double>(p.amountYen + p.bonusAmountYen)));
        if (p.bonusAmountYen > 0)
            text += std::string(kBonusPartOpen) + Text(Quantity::Amount(static_cast<double>(p.bonusAmountYen))) +
                    std::string(kBonusPartClose);
        text += FillIn(kPrepaidAfter, {std::to_string(p.instalment)});
        if (!oneWay)
            text += std::string(kModeSeparator) + std::string(PrepayModeCaption(p.mode));
    }
    if (oneWay && !applied.empty())
        text += std::string(kModeSeparator) + std::string(PrepayModeCaption(applied.front().asked.mode));
    return text;
}

DerivedSchedule PrepaidSchedule(const LoanInput& loan, const PrepaymentOutcome& outcome)
{
    DerivedSchedule d;
    d.caption = std::string(kPrepay);
    d.heading = LoanHeading(loan) + std::string(kGap) + PrepaymentsText(outcome.applied);
    d.schedule = outcome.after;
    d.notes.emplace_back(kNotePrepaidIncluded);
    AddEndedEarlyNotes(d.schedule, kNotePrepaidEnd, d.notes);
    return d;
}

std::string RateStepsText(const RatePath& path)
{
    std::string text;
    const std::size_t named = std::min(path.steps.size(), kStepsNamed);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0)
            text += kScenarioStepArrow;
        text += FillIn(kScenarioStep, {Bare(Quantity::Rate(path.steps[i].rate)), std::to_string(path.steps[i].month)});
    }
    if (path.steps.size() > named)
        text += FillIn(kScenarioMoreSteps, {std::to_string(path.steps.size())});
    return text;
}

std::string ScenarioRulesText(const ScenarioInput& in)
{
    std::string text(in.review == ReviewRule::FiveYear125 ? kReviewFiveYear125 : kReviewEveryChange);
    // Only an instalment held between reviews can fall short of the interest.
    const bool canLeaveUnpaid = in.review == ReviewRule::FiveYear125 && in.loan.method != EqualPrincipal;
    if (canLeaveUnpaid) {
        text += kScenarioUnpaid;
        text += in.unpaid == UnpaidSettlement::CarryToEnd ? kUnpaidCarryToEnd : kUnpaidPayFirst;
    }
    return text;
}

DerivedSchedule ScenarioScheduleToShow(int number, const ScenarioInput& in, const ScenarioSchedule& scenario)
{
    DerivedSchedule d;
    d.caption = FillIn(kScenarioCaption, {std::to_string(number)});
    d.heading = LoanHeading(in.loan, false) + std::string(kGap) + std::string(kRate) + RateStepsText(in.path) +
                std::string(kGap) + ScenarioRulesText(in);
    d.schedule = scenario.schedule;
    d.ratePath = true;
    if (!scenario.ok())
        return d;
    const ScenarioSummary summary = SummariseScenario(scenario);
    for (const ScenarioWarning& w : ScenarioWarnings(scenario, summary))
        d.notes.push_back(std::string(kNoteWarning) + ScenarioWarningText(w));
    if (summary.largestUnpaid > 0)
        d.notes.emplace_back(in.unpaid == UnpaidSettlement::CarryToEnd ? kNoteUnpaidCarried : kNoteUnpaidInterest);
    AddEndedEarlyNotes(d.schedule, kNoteScenarioEnd, d.notes);
    return d;
}

} // namespace hn
