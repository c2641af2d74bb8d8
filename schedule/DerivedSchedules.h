// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The schedules the planning window builds, made ready for the schedule window: what
// each is called and what it is, and what its maker knows that the rows alone do not
// say (why it ends before its term, a scenario's warnings). Plain C++.
#include "calc/rates/RateScenario.h"
#include "calc/schedule/Prepayment.h"
#include "schedule/ScheduleReport.h"

#include <span>
#include <string>

namespace hn {

// The schedule after the prepayments of `outcome` (ok) on `loan` (whole yen).
DerivedSchedule PrepaidSchedule(const LoanInput& loan, const PrepaymentOutcome& outcome);

// "繰上げ返済 100万円（120回目の後）、50万円（内ﾎﾞｰﾅｽ 10万円）（240回目の後）・期間短縮型":
// the amounts asked, in the order applied; one way named at the end, or each its own.
std::string PrepaymentsText(std::span<const AppliedPrepayment> applied);

// Scenario `number` (from 1) run as `in`, built as `scenario` (ok).
DerivedSchedule ScenarioScheduleToShow(int number, const ScenarioInput& in, const ScenarioSchedule& scenario);

// "5年ルール・125%ルール、未払利息は最終回にまとめて支払う" (the settlement only where
// the rules can leave interest unpaid).
std::string ScenarioRulesText(const ScenarioInput& in);

// "0.5%（1回目～）→1.5%（13回目～）", the first steps of a long path and how many there are.
std::string RateStepsText(const RatePath& path);

} // namespace hn
