// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window (dialog 102 with menu 150): inputs, the six method options,
// the result table and the picture buttons. Its life is the program's life.
#include "calc/LoanWindowState.h"
#include "calc/Repayment.h"
#include "planning/PlanningState.h"
#include "platform/DialogBuilder.h"
#include "summary/SummaryHost.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenuBar;

namespace hn {

class CColorLabel;
class CDrawnOptionButton;
class CDrawnToggleButton;
class CHoverButton;
class CNumEdit;
class CRateEdit;
class CSummaryDlg;
class CPlanningDlg;
class CPlanDlg;
struct PlanForm;
class CScheduleDlg;
class ScheduleWindowOwner;
struct ScheduleLoan;

class CLoanDlg : public QDialog, public CSummaryHost {
    Q_OBJECT
public:
    explicit CLoanDlg(QWidget* parent = nullptr);
    ~CLoanDlg() override;

    // What the window shows and keeps: inputs, method, period, kept figures and result
    // texts. The window maps its controls to and from it and holds nothing else.
    const LoanWindowState& State() const { return m_state; }

    // Data exchange: save = true reads the controls into the state's bound texts, false
    // shows the bound texts in the controls (changing only those that differ).
    void UpdateData(bool save);

    void ShowSecondRate() override;
    void HideSecondRate() override;
    void ResetBandLabels();
    void ClearResults();

    QWidget* GetDlgItem(int id) const { return m_layout.GetDlgItem(id); }
    QAction* MenuAction(int id) const;
    CSummaryDlg* SummaryDlg() const;
    // The repayment schedule window while it is open.
    CScheduleDlg* ScheduleDlg() const;
    QWidget* ClientArea() const { return m_client; }

    // CSummaryHost
    const LoanWindowState& LoanState() const override { return m_state; }
    void SetMethodChecks(RepaymentMethod method) override;
    void ApplyCaptionSet(const CaptionSet& captions) override;
    std::optional<LoanInput> ShownLoan() const override { return m_shownLoan; }
    void RecallTexts(const HostTexts& texts, const std::optional<LoanInput>& loan) override;
    void OnSummaryClosed() override;
    void OnSlotScheduleRequested(int slot) override;
    void OnSlotChanged(int slot) override;
    QWidget* HostWindow() override { return this; }

public slots:
    void OnCalculate();
    void OnMethodBasic();
    void OnMethodStep();
    void OnMethodEqualPrincipal();
    void OnMethodBank();
    void OnPeriodSelChange();
    void OnPeriodEditChange();
    void OnIncomeToggle();
    void OnCalculator();
    void OnShowSummary();
    void OnToggleSummary();
    // 表示 › 借入可能額・繰上げ返済: opens the planning window, or raises it.
    void OnPlanning();
    // 表示 › プラン: opens the plan window, or raises it (LoanDlgPlan.cpp).
    void OnPlan();
    void OnAlwaysOnTop();
    void OnFixPeriod();
    void OnHomePage();
    void OnSendMail();
    void OnAppAbout();
    // 表示 › 返済予定表: the schedule of the loan this window shows.
    void OnShowSchedule();

protected:
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();
    // The state's input numbers, period text and method from the controls.
    void ReadFieldNumbers();
    // The repayment schedule (LoanDlgSchedule.cpp): the menu command set up; the loan
    // this window shows from now on (none: nothing to show); a summary slot's loan and
    // all of them.
    void SetUpSchedule();
    void ShowsLoan(const std::optional<LoanInput>& input);
    std::optional<ScheduleLoan> SlotLoan(int slot) const;
    std::vector<ScheduleLoan> SummaryLoans() const;
    // The summary window's slots changed: the planning window's lenders' section follows.
    void PlanningFollowsSlots();
    void BuildMenu();
    void ConnectCommands();
    void SetUpPictureButtons();
    void SetUpColorLabels();
    void SetUpKeyboardAndNames();
    void NameFieldsByCaptions();
    // Result figures described by the captions over them; again whenever they change.
    void DescribeResults();
    // Enter on a push button with the focus presses that button.
    bool ClickFocusedPushButton();

    void ShowCheckMessage(const QString& text);
    // A message box owned by this window: no icon, one OK button.
    void ShowMessage(const QString& caption, const QString& text);
    QWidget* FieldWidget(int focusField) const;
    int SelectedMethod() const;
    bool PeriodFixed() const;
    QString PeriodEditText() const;
    int PeriodNumber(const QString& text) const;
    void SetSecondRateRowVisible(bool visible);
    void SetCaptions(const CaptionSet& captions);
    void OpenSummary();
    void ReapplyTopmost();

    LoanWindowState m_state;
    DialogLayout m_layout;
    QWidget* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QPointer<CSummaryDlg> m_pSummaryDlg;
    QPointer<CPlanningDlg> m_pPlanningDlg;
    // What was typed in the planning window when it last closed, for its next opening.
    std::optional<PlanningState> m_planningKept;
    QPointer<CPlanDlg> m_pPlanDlg;
    // What was typed in the plan window when it last closed (shared: its header stays
    // out of this one, whose includers have a function of the plan's struct's name).
    std::shared_ptr<const PlanForm> m_planKept;
    std::unique_ptr<ScheduleWindowOwner> m_schedule;
    std::optional<LoanInput> m_shownLoan; // the loan the schedule menu command shows

    QLabel* m_staticIncome = nullptr;
    QLabel* m_staticIncomeUnit = nullptr;
    CHoverButton* m_btnCalculate = nullptr;
    CHoverButton* m_btnCalculator = nullptr;
    CHoverButton* m_btnSummary = nullptr;
    CNumEdit* m_editLoan = nullptr;
    CNumEdit* m_editBonusPart = nullptr;
    CNumEdit* m_editIncome = nullptr;
    CRateEdit* m_editRate1 = nullptr;
    CRateEdit* m_editRate2 = nullptr;
    QComboBox* m_comboPeriod = nullptr;
    CDrawnToggleButton* m_btnIncomeToggle = nullptr;
    std::array<CDrawnOptionButton*, 6> m_optMethod{};
};

} // namespace hn
