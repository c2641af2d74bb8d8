// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculate command (button 1062) without its window: the input checks in
// their fixed order, the computation and the result texts, as one function over
// the values the fields give. The main window and the command-line tool both
// call RunCalculateCommand; the window then only moves data and focus.
//
// Use from a window:
//   CalcRequest req;
//   req.method = <selected option 1..6, or 0 when none is on>;
//   req.loanMan = m_editLoan.GetValue();  ... req.periodText = <period edit text>;
//   CalcOutcome out = RunCalculateCommand(req);
//   if (!out.ok) {
//       message box (kCheckCaption, out.failure.message);
//       if (out.failure.showSecondRate) ShowSecondRate();
//       if (out.failure.periodTo25) <period box selects its "25" entry>;
//       if (out.failure.selectAll) <select the whole text of the focus field>;
//       <focus out.failure.focus>;
//   } else {
//       <result members from out.success.texts>;
//       if (IsValidMethod(req.method)) m_nMethod = req.method; // none on: keep it
//       m_nFirstMonthly = out.success.result.monthly[0]; ... m_nIncome =
//       out.success.incomeYen; m_nLoanMan = out.success.loanMan;
//   }
//   <show the text members>
#include "calc/Repayment.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hn {

// The values as the fields give them.
struct CalcRequest {
    RepaymentMethod method = 0;  // selected option 1..6; 0 (or any other value) when none is on
    double loanMan = 0.0;        // loan field 1002, GetValue (万円)
    double bonusMan = 0.0;       // bonus part field 1011, GetValue (万円)
    double rate1Percent = 0.0;   // first rate field 1014, GetValue (%)
    double rate2Percent = 0.0;   // second rate field 1017, GetValue (%)
    std::string_view periodText; // whole text of the period box's edit field (1020)
    double incomeMan = 0.0;      // annual income field 1059, GetValue (万円)
};

// The field a failed check moves the focus to.
enum class CalcField {
    Period,    // combo 1020
    Loan,      // 1002
    BonusPart, // 1011
    Rate1,     // 1014
    Rate2,     // 1017
    Income,    // 1059
};

struct CalcFailure {
    std::string_view message;   // one of CheckMessages.h
    CalcField focus = CalcField::Loan;
    bool selectAll = false;     // select the focus field's whole text first
    bool periodTo25 = false;    // the period box selects its fifth entry, "25"
    bool showSecondRate = false;
};

// The nine result texts; empty where the field stays blank.
struct ResultTexts {
    std::string monthly[3]; // 1024, 1031, 1035
    std::string bonus[3];   // 1028, 1032, 1036
    std::string annual;     // 1042
    std::string requiredIncome; // 1045
    std::string total;      // 1057

    friend bool operator==(const ResultTexts&, const ResultTexts&) = default;
};

struct CalcSuccess {
    LoanInput input;     // what was computed (method 1 when no option is on)
    LoanResult result;
    ResultTexts texts;
    std::int32_t incomeYen = 0; // for m_nIncome: incomeYen truncated
    std::int32_t loanMan = 0;   // for m_nLoanMan: the loan field's value truncated
};

struct CalcOutcome {
    bool ok = false;
    CalcFailure failure; // when !ok: the first check that failed
    CalcSuccess success; // when ok
};

// The period as a number: the text read the way ReadDecimalPrefix reads.
double ReadPeriodYears(std::string_view periodText) noexcept;

// The loan a request describes, as the command computes it once every check has
// passed: method 1 when no option is on, amounts and rates in the engine's units,
// the first rate for both when the period is ten years or less.
LoanInput RequestedLoan(const CalcRequest& request) noexcept;

// Runs the checks in order and, when all pass, the computation.
//   1  period text empty or reading 0
//   2  (period 10 or less: the second rate takes the first rate's value)
//   3  loan 0, first rate 0, or second rate 0 outside BankOther
//   4  income above 9,999 万円
//   5  bonus part above half the loan or above 4,999 万円
//   6  公庫（ゆとり)型 / 年金(ｽﾃｯﾌﾟ)型 below 25 years
//   7  first rate above 99 %, then second rate above 99 %
//   8  period not a whole number from 1 to 99
//   9  loan negative or NaN; bonus part, income, first rate likewise; second
//      rate likewise outside BankOther; a rate below kMinRate counts as wrong
//   10 a loan whose figures do not fit the result fields, or (a small loan at
//      an extreme rate) whose floored schedule gives a negative instalment
CalcOutcome RunCalculateCommand(const CalcRequest& request);

// Which band fields a computed loan fills: a band's monthly instalment where the band
// is used, its bonus instalment as well where the loan has a bonus part.
constexpr bool ShowsMonthly(const LoanResult& result, int band) noexcept
{
    return result.bandUsed[static_cast<std::size_t>(band)];
}
constexpr bool ShowsBonus(const LoanInput& input, const LoanResult& result, int band) noexcept
{
    return ShowsMonthly(result, band) && input.bonusYen != 0.0;
}

// The result texts of a computed loan: FormatAmount of each figure, blank for the
// band fields it does not fill.
ResultTexts MakeResultTexts(const LoanInput& input, const LoanResult& result);

} // namespace hn
