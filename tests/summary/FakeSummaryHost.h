// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in main window for the summary window's tests: it serves figures and texts
// and records what the summary window asks of it.
#include "summary/SummaryHost.h"

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

namespace hn::test {

class FakeSummaryHost : public CSummaryHost {
public:
    FakeSummaryHost()
    {
        window.setWindowTitle(QStringLiteral("fake main window"));
        window.setFixedSize(303, 420);
        window.move(100, 50);
        window.show();
    }

    // The state a calculator window would hold with these figures and texts.
    const LoanWindowState& LoanState() const override
    {
        state = LoanWindowState{};
        ApplyShownTexts(state, texts);
        state.m_nMethod = kept.method;
        state.m_nFirstMonthly = kept.firstMonthly;
        state.m_nFirstBonus = kept.firstBonus;
        state.m_nIncome = kept.income;
        state.m_nLoanMan = kept.loanMan;
        state.m_nTotal = kept.total;
        return state;
    }

    void SetMethodChecks(RepaymentMethod method) override
    {
        checkedMethod = method;
        calls.push_back("checks");
    }
    void ApplyCaptionSet(const CaptionSet& set) override
    {
        captions = &set;
        calls.push_back("captions");
    }
    void ShowSecondRate() override
    {
        secondRateShown = true;
        calls.push_back("show");
    }
    void HideSecondRate() override
    {
        secondRateShown = false;
        calls.push_back("hide");
    }
    std::optional<LoanInput> ShownLoan() const override { return shownLoan; }
    void RecallTexts(const HostTexts& t, const std::optional<LoanInput>& loan) override
    {
        recalled = t;
        recalledLoan = loan;
        calls.push_back("texts");
    }
    void OnSummaryClosed() override { ++closedCalls; }
    QWidget* HostWindow() override { return owner; }

    QWidget window;
    QWidget* owner = &window; // the summary window's owner; a test may give another
    KeptFigures kept;
    HostTexts texts;
    std::optional<LoanInput> shownLoan;
    mutable LoanWindowState state;

    std::vector<std::string> calls;
    std::optional<RepaymentMethod> checkedMethod;
    const CaptionSet* captions = nullptr;
    std::optional<bool> secondRateShown;
    std::optional<HostTexts> recalled;
    std::optional<LoanInput> recalledLoan;
    int closedCalls = 0;
};

} // namespace hn::test
