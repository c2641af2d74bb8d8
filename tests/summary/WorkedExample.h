// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two results of the summary window's worked example (the shared worked loan
// under 公庫（ゆとり)型 and 元金均等型), as the main window keeps them.
#include "calc/AmountText.h"
#include "summary/SummaryHost.h"
#include "tests/support/WorkedLoan.h"

namespace hn::test {

inline KeptFigures YutoriKept()
{
    return {CorporationYutori, kWorkedYutori.monthly[0], kWorkedYutori.bonus[0], 6000000, 3000, kWorkedYutori.total};
}

inline KeptFigures EqualPrincipalKept()
{
    return {EqualPrincipal, kWorkedEqualPrincipal.monthly[0], kWorkedEqualPrincipal.bonus[0], 6000000, 3000,
            kWorkedEqualPrincipal.total};
}

// Main-window texts that go with a kept result (bands 2 and 3 hold markers).
inline HostTexts TextsFor(const KeptFigures& kept, const char* period = "35")
{
    HostTexts t;
    t.loan = "3,000";
    t.bonusPart = "600";
    t.rate1 = "2.0";
    t.rate2 = "3.0";
    t.periodEdit = period;
    t.monthly[0] = FormatAmount(kept.firstMonthly);
    t.monthly[1] = "m2";
    t.monthly[2] = "m3";
    t.bonus[0] = kept.firstBonus ? FormatAmount(kept.firstBonus) : "";
    t.bonus[1] = "b2";
    t.bonus[2] = "b3";
    t.annual = "annual";
    t.requiredIncome = "required";
    t.total = FormatAmount(kept.total);
    return t;
}

} // namespace hn::test
