// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The repayment schedule window ("返済予定表"): the chart first, then every instalment
// (or every year) in a table, the schedule's total beside the calculator window's with
// why they differ, and the schedule's self-checks. Non-modal; the owner keeps one at a
// time and tells it when its loan changes:
//   auto* dlg = new CScheduleDlg(owner);  // deletes itself when closed
//   dlg->ShowLoan(loan);                   // again after each new calculation / refill
//   dlg->SetCombinedLoans(slots);          // the summary window's loans, for 合算
//   dlg->SourceCleared();                  // its slot was cleared: says so
//   dlg->show();
// It also shows a schedule built elsewhere (prepaid, a rate scenario) as it is:
//   dlg->ShowDerived(derived);
#include "calc/schedule/ScheduleCalendar.h"
#include "schedule/ScheduleReport.h"
#include "schedule/ScheduleWindowView.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableView;
class QVBoxLayout;

namespace hn {

class FigureGrid;
class HeadingLabel;
class ScheduleChart;
class ScheduleTableModel;

class CScheduleDlg : public QDialog {
    // No Q_OBJECT here or in the chart and the model: they declare no signals or slots,
    // and moc (Qt 6.4) cannot read the C++20 standard headers the schedule's types use.
public:
    // `today` decides the default first repayment month (the month after it).
    explicit CScheduleDlg(QWidget* owner, YearMonth today = CurrentYearMonth());

    // The loan of the monthly and yearly views; clears any notice about its source and
    // the line saying what was saved or copied.
    void ShowLoan(const ScheduleLoan& loan);
    // A loan the user asked to see (a menu command): shown in its own views, the
    // combined view giving way to the monthly one.
    void ShowAsked(const ScheduleLoan& loan);
    // The same with the report already made (for the window's current calendar).
    void ShowReport(LoanReport report);
    // A schedule built elsewhere, with its own heading and notes; no calculator-window
    // figures to compare, no combined view.
    void ShowDerived(const DerivedSchedule& derived);
    // Its source is gone: its slot was cleared, or the whole summary window closed. The
    // figures stay; a notice says what they are.
    void SourceCleared();
    void SourceClosed();
    // The loans of the summary window's filled slots, for the combined view (empty:
    // none, and the view is not offered).
    void SetCombinedLoans(std::vector<ScheduleLoan> loans);

    void SetView(ScheduleView view);
    ScheduleView View() const noexcept { return m_view; }
    // Calendar labels; an invalid calendar (two equal bonus months) is refused with a
    // notice and the labels stay as they were. True when taken.
    bool SetCalendar(const ScheduleCalendar& calendar);
    const ScheduleCalendar& Calendar() const noexcept { return m_calendar; }

    // Where the loan shown comes from: 0 the calculator window, 1 to 8 a slot; none
    // before the first ShowLoan and for a derived schedule.
    std::optional<int> SourceSlot() const;

    // The view shown as a CSV file (empty without rows).
    std::string CsvText() const;
    // Writes CsvText to `path` through a save file: all or nothing. On
    // failure a message box says why and nothing is left at `path`. True on success.
    bool ExportCsv(const QString& path);
    // Asks for a file name, then ExportCsv.
    void OnSaveCsv();
    // The rows selected in the table, or all rows, as tab-separated text.
    void OnCopy();

    // For tests and the gallery.
    const LoanReport* Report() const { return m_report ? &*m_report : nullptr; }
    const CombinedReport& Combined() const noexcept { return m_combined; }
    ScheduleTableModel* Model() const { return m_model; }
    ScheduleChart* Chart() const { return m_chart; }
    QTableView* Table() const { return m_table; }
    QString NoticeText() const;
    QString StatusText() const; // what was saved or copied, or why a calendar was refused
    QString HeadingText() const;
    QString TotalsHeadingText() const;
    // The totals panel as "caption: figure" lines, and the check lines with whether each
    // is shown as failed.
    QStringList TotalsTexts() const;
    QStringList NotesTexts() const;
    std::vector<std::pair<QString, bool>> CheckLines() const;

    static YearMonth CurrentYearMonth();

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildWidgets();
    QWidget* BuildControlRow();
    QWidget* BuildCalendarRow();
    void Refresh();
    void ShowTotals(const std::vector<TotalsLine>& lines);
    void ShowNotes(const std::vector<std::string>& notes);
    void ShowChecks(const std::vector<CheckLine>& lines);
    void SetNotice(const QString& text, bool warning);
    void ApplyWarningColours();
    void FitColumns();
    bool CombinedOffered() const;
    void OnCalendarEdited();

    ScheduleCalendar m_calendar;
    ScheduleView m_view = ScheduleView::Monthly;
    std::optional<LoanReport> m_report;
    std::vector<ScheduleLoan> m_combinedLoans;
    CombinedReport m_combined;
    QString m_notice;
    bool m_noticeWarning = false;

    QScrollArea* m_scroll = nullptr;
    HeadingLabel* m_heading = nullptr;
    QLabel* m_noticeLabel = nullptr;
    QLabel* m_status = nullptr;
    QRadioButton* m_viewButtons[3] = {};
    QButtonGroup* m_viewGroup = nullptr;
    QDateEdit* m_firstMonth = nullptr;
    QComboBox* m_bonusMonth[2] = {};
    QPushButton* m_btnSave = nullptr;
    QPushButton* m_btnCopy = nullptr;
    ScheduleChart* m_chart = nullptr;
    QTableView* m_table = nullptr;
    ScheduleTableModel* m_model = nullptr;
    QGroupBox* m_totalsBox = nullptr;
    FigureGrid* m_totals = nullptr;
    QLabel* m_notes = nullptr;
    QVBoxLayout* m_checksBox = nullptr;
    std::vector<QLabel*> m_checkLabels;
    std::vector<bool> m_checkFailed;
};

} // namespace hn
