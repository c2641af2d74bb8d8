// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked loan that the tests share: 3,000 万円 of which 600 is repaid by the bonus
// instalments, 2.0 % for the first ten years and 3.0 % after, 35 years, income 600 万円;
// and what each repayment family gives for it, exact to the yen.
#include "calc/Repayment.h"
#include "calc/schedule/ScheduleCalendar.h"

#include <array>
#include <cstdint>

namespace hn::test {

inline constexpr double kWorkedLoanMan = 3000;
inline constexpr double kWorkedBonusMan = 600;
inline constexpr double kWorkedRate1Percent = 2.0;
inline constexpr double kWorkedRate2Percent = 3.0;
inline constexpr double kWorkedYears = 35;
inline constexpr double kWorkedIncomeMan = 600;

// Any loan in the calculator's units (万円, %, years), as the calculate command makes it.
inline LoanInput Loan(RepaymentMethod method, double loanMan, double bonusMan, double rate1Percent,
                      double rate2Percent, double years)
{
    return MakeLoanInput(LoanInFieldUnits{method, loanMan, bonusMan, rate1Percent, rate2Percent, years});
}

// The worked loan for `method` (and, where a test needs it, another term).
inline LoanInput WorkedLoan(RepaymentMethod method, double years = kWorkedYears)
{
    return MakeLoanInput(LoanInFieldUnits{method, kWorkedLoanMan, kWorkedBonusMan, kWorkedRate1Percent,
                                          kWorkedRate2Percent, years, kWorkedIncomeMan});
}

// Its figures per family: the first monthly and bonus instalment of each band (years
// 1-5, 6-10, 11 on), the first year's repayment, the income for a 20 % burden (万円)
// and the total repaid.
struct WorkedFigures {
    std::array<std::int32_t, 3> monthly;
    std::array<std::int32_t, 3> bonus;
    std::int32_t annual;
    std::int32_t requiredIncomeMan;
    std::int32_t total;
};

inline constexpr WorkedFigures kWorkedBasic{{79503, 79503, 88948}, {119596, 119596, 133936}, 1193228, 596, 45313480};
inline constexpr WorkedFigures kWorkedYutori{{63309, 83276, 93170}, {95194, 125275, 140296}, 950096, 596, 45965590};
inline constexpr WorkedFigures kWorkedEqualPrincipal{
    {97142, 91427, 99999}, {145714, 137142, 149999}, 1450841, 728, 43246377};
inline constexpr WorkedFigures kWorkedBank{{79503, 79503, 79503}, {119596, 119596, 119596}, 1193228, 596, 41762980};

// A calendar: the first repayment month and the two bonus months.
inline ScheduleCalendar Calendar(int year, int month, int bonusA = 6, int bonusB = 12)
{
    return {{year, month}, {bonusA, bonusB}};
}

} // namespace hn::test
