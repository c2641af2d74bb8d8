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
    static_cast<ResultTexts&>(t) = ResultTextsOf(s);
    t.loan = s.m_strLoan;
    t.bonusPart = s.m_strBonusPart;
    t.rate1 = s.m_strRate1;
    t.rate2 = s.m_strRate2;
    t.periodEdit = s.periodText;
    return t;
}

void ApplyShownTexts(LoanWindowState& s, const HostTexts& t)
{
    SetResultTexts(s, t);
    s.m_strLoan = t.loan;
    s.m_strBonusPart = t.bonusPart;
    s.m_strRate1 = t.rate1;
    s.m_strRate2 = t.rate2;
    s.periodText = t.periodEdit;
}

} // namespace hn
