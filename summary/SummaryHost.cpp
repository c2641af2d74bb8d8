// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SummaryHost.h"

namespace hn {

KeptFigures KeptFiguresOf(const LoanWindowState& s)
{
    return {s.m_nMethod, s.m_nFirstMonthly, s.m_nFirstBonus, s.m_nIncome, s.m_nLoanMan, s.m_nTotal};
}

HostTexts ShownTextsOf(const LoanWindowState& s)
{
    HostTexts t;
    t.loan = s.m_strLoan;
    t.bonusPart = s.m_strBonusPart;
    t.rate1 = s.m_strRate1;
    t.rate2 = s.m_strRate2;
    t.periodEdit = s.periodText;
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

void ApplyShownTexts(LoanWindowState& s, const HostTexts& t)
{
    s.m_strLoan = t.loan;
    s.m_strBonusPart = t.bonusPart;
    s.m_strRate1 = t.rate1;
    s.m_strRate2 = t.rate2;
    s.periodText = t.periodEdit;
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

} // namespace hn
