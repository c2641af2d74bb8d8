// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the summary window needs of the main window: the figures and texts of its last
// calculation, and the few operations that a slot recall performs on it. CLoanDlg
// implements it; tests can give the summary window a stand-in.
#include "calc/LoanWindowState.h"
#include "calc/Repayment.h"
#include "calc/RepaymentMethod.h"

#include <cstdint>
#include <optional>
#include <string>

class QWidget;

namespace hn {

// Figures kept from the main window's last successful calculation.
struct KeptFigures {
    std::int32_t method = CorporationBasic; // m_nMethod
    std::int32_t firstMonthly = 0;          // m_nFirstMonthly, yen
    std::int32_t firstBonus = 0;            // m_nFirstBonus, yen
    std::int32_t income = 0;                // m_nIncome, yen
    std::int32_t loanMan = 0;               // m_nLoanMan, 万円
    std::int32_t total = 0;                 // m_nTotal, yen
};

// The calculator window's texts that a slot keeps, UTF-8: its inputs as shown, and the
// nine result texts (the base).
struct HostTexts : ResultTexts {
    std::string loan;          // m_strLoan
    std::string bonusPart;     // m_strBonusPart
    std::string rate1;         // m_strRate1
    std::string rate2;         // m_strRate2
    std::string periodEdit;    // the period box's edit text, read from the control

    friend bool operator==(const HostTexts&, const HostTexts&) = default;
};

// The kept figures and the texts a slot keeps, as the calculator window's state holds
// them.
KeptFigures KeptFiguresOf(const LoanWindowState& state);
HostTexts ShownTextsOf(const LoanWindowState& state);
// A recalled slot's texts into the state: loan, bonus part, rates, period and the nine
// results (the income and the kept figures stay).
void ApplyShownTexts(LoanWindowState& state, const HostTexts& texts);

class CSummaryHost {
public:
    // The calculator window's state as it stands: the bound texts as last exchanged
    // (not refreshed from the controls), the period text as the box shows it.
    virtual const LoanWindowState& LoanState() const = 0;
    KeptFigures GetKeptFigures() const { return KeptFiguresOf(LoanState()); }
    HostTexts GetHostTexts() const { return ShownTextsOf(LoanState()); }
    // The loan the result texts show, as the calculate command computed it (or as a
    // recalled slot kept it); none before the first calculation.
    virtual std::optional<LoanInput> ShownLoan() const = 0;

    // Recall: check the option of `method` and uncheck the five others; no method
    // handler runs and the kept figures stay as they are.
    virtual void SetMethodChecks(RepaymentMethod method) = 0;
    virtual void ApplyCaptionSet(const CaptionSet& captions) = 0;
    virtual void ShowSecondRate() = 0;
    virtual void HideSecondRate() = 0;
    // Recall: bound texts of the loan, bonus part and rates and the nine results from
    // `texts`, the period box's edit text set directly, then every bound text shown;
    // `loan` is the loan the results were computed from.
    virtual void RecallTexts(const HostTexts& texts, const std::optional<LoanInput>& loan) = 0;

    // The summary window was closed by the user (close button, close box, Escape).
    virtual void OnSummaryClosed() = 0;
    // The context menu of a filled slot asked for that slot's repayment schedule.
    virtual void OnSlotScheduleRequested(int /*slot*/) {}
    // A slot was filled or cleared (a schedule of it follows).
    virtual void OnSlotChanged(int /*slot*/) {}
    // The main window: the summary window's owner and the window it stands beside.
    virtual QWidget* HostWindow() = 0;

protected:
    ~CSummaryHost() = default;
};

} // namespace hn
