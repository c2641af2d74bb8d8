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
    SetResultTexts(state, success.texts);

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

ResultTexts ResultTextsOf(const LoanWindowState& s)
{
    ResultTexts t;
    t.monthly[0] = s.m_strMonthly1;
    t.monthly[1] = s.m_strMonthly2;
    t.monthly[2] = s.m_strMonthly3;
    t.bonus[0] = s.m_strBonus1;
    t.bonus[1] = s.m_strBonus2;
    t.bonus[2] = s.m_strBonus3;
    t.annual = s.m_strAnnual;
    t.requiredIncome = s.m_strRequiredIncome;
    t.total = s.m_strTotal;
    return t;
}

void SetResultTexts(LoanWindowState& s, const ResultTexts& t)
{
    s.m_strMonthly1 = t.monthly[0];
    s.m_strMonthly2 = t.monthly[1];
    s.m_strMonthly3 = t.monthly[2];
    s.m_strBonus1 = t.bonus[0];
    s.m_strBonus2 = t.bonus[1];
    s.m_strBonus3 = t.bonus[2];
    s.m_strAnnual = t.annual;
    s.m_strRequiredIncome = t.requiredIncome;
    s.m_strTotal = t.total;
}

void ClearResultTexts(LoanWindowState& state)
{
    SetResultTexts(state, {});
}

} // namespace hn
