// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window as plain data: the inputs as its fields show them, the method
// chosen, the period, the figures kept from its last successful calculation and the
// result texts. The window only maps its controls to and from this state; the
// calculate command runs on it, the summary window reads it and a recalled slot is
// written back into it, the command-line tool fills it from its options, and the
// windows that show more of the loan read the loan from it (MakeLoanInput).
// Texts are UTF-8.
#include "calc/CalculateCommand.h"
#include "calc/Repayment.h"

#include <cstdint>
#include <string>

namespace hn {

struct LoanWindowState {
    // The option checked now: 1..6, 0 when none is.
    RepaymentMethod selectedMethod = CorporationBasic;

    // The numbers the amount and rate fields stand for (万円, %): what the calculate
    // command reads. Each field shows its own number.
    double loanMan = 0.0;
    double bonusMan = 0.0;
    double rate1Percent = 0.0;
    double rate2Percent = 0.0;
    double incomeMan = 0.0;
    // The period box's edit text as it shows now.
    std::string periodText;

    // The fourteen bound texts, as the window last exchanged them with its controls.
    std::string m_strLoan, m_strBonusPart, m_strRate1, m_strRate2, m_strIncome;
    std::string m_strMonthly1, m_strMonthly2, m_strMonthly3;
    std::string m_strBonus1, m_strBonus2, m_strBonus3;
    std::string m_strAnnual, m_strRequiredIncome, m_strTotal;

    // Kept from the last successful calculation.
    std::int32_t m_nMethod = CorporationBasic;
    std::int32_t m_nFirstMonthly = 0; // yen
    std::int32_t m_nFirstBonus = 0;   // yen
    std::int32_t m_nIncome = 0;       // yen
    std::int32_t m_nLoanMan = 0;      // 万円
    std::int32_t m_nTotal = 0;        // yen
};

// What the calculate command reads from the state. The period text is a view into
// `state`, which must outlive the request.
CalcRequest MakeCalcRequest(const LoanWindowState& state);

// The loan the inputs describe, in the engine's units, as the calculate command
// computes it (no checks: a failing check shows in ComputeRepayment's status).
LoanInput MakeLoanInput(const LoanWindowState& state);

// Runs the calculate command on the inputs. On success the nine result texts and the
// kept figures take the new result (the kept method only when an option is checked);
// on failure nothing changes and the outcome says what the window shows.
CalcOutcome Calculate(LoanWindowState& state);

// The nine result texts the state holds, and the same written into it.
ResultTexts ResultTextsOf(const LoanWindowState& state);
void SetResultTexts(LoanWindowState& state, const ResultTexts& texts);

// Empties the nine result texts; the inputs and the kept figures stay.
void ClearResultTexts(LoanWindowState& state);

} // namespace hn
