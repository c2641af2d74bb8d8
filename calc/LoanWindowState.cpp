// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/LoanWindowState.h"

namespace hn {

CalcRequest MakeCalcRequest(const LoanWindowState& state)
{
    CalcRequest request;
    request.method = state.selectedMethod;
    request.loanMan = state.loanMan;
    request.bonusMan = state.bonusMan;
    request.rate1Percent = state.rate1Percent;
    request.rate2Percent = state.rate2Percent;
    request.periodText = state.periodText;
    request.incomeMan = state.incomeMan;
    return request;
}

LoanInput MakeLoanInput(const LoanWindowState& state)
{
    return RequestedLoan(MakeCalcRequest(state));
}

CalcOutcome Calculate(LoanWindowState& state)
{
    const CalcRequest request = MakeCalcRequest(state);
    CalcOutcome outcome = RunCalculateCommand(request);
    if (!outcome.ok)
        return outcome;

    const CalcSuccess& success = outcome.success;
    const ResultTexts& t = success.texts;
    state.m_strMonthly1 = t.monthly[0];
    state.m_strMonthly2 = t.monthly[1];
    state.m_strMonthly3 = t.monthly[2];
    state.m_strBonus1 = t.bonus[0];
    state.m_strBonus2 = t.bonus[1];
    state.m_strBonus3 = t.bonus[2];
    state.m_strAnnual = t.annual;
    state.m_strRequiredIncome = t.requiredIncome;
    state.m_strTotal = t.total;

    // With no option checked the result is kept under the method kept before.
    if (IsValidMethod(request.method))
        state.m_nMethod = request.method;
    state.m_nFirstMonthly = success.result.monthly[0];
    state.m_nFirstBonus = success.result.bonus[0];
    state.m_nIncome = success.incomeYen;
    state.m_nLoanMan = success.loanMan;
    state.m_nTotal = success.result.totalYen;
    return outcome;
}

void ClearResultTexts(LoanWindowState& state)
{
    for (std::string* text : {&state.m_strMonthly1, &state.m_strMonthly2, &state.m_strMonthly3, &state.m_strBonus1,
                              &state.m_strBonus2, &state.m_strBonus3, &state.m_strAnnual, &state.m_strRequiredIncome,
                              &state.m_strTotal})
        text->clear();
}

} // namespace hn
