// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/CScheduleDlg.h"

#include "calc/schedule/ScheduleTexts.h"
#include "controls/FigureGrid.h"
#include "controls/Utf8Text.h"
#include "platform/WindowFit.h"
#include "report/ScheduleCsv.h"
#include "report/Units.h"
#include "schedule/HeadingLabel.h"
#include "schedule/ScheduleChart.h"
#include "schedule/ScheduleReport.h"
#include "schedule/ScheduleTableModel.h"
#include "schedule/ScheduleWindowTexts.h"
#include "schedule/ScheduleWindowView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace hn {

namespace {

// The totals and checks beside the chart and the table.
constexpr int kSidePanelWidth = 330;

// Readable red on the window's background, light or dark.
QColor WarningColour(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 120, 120) : QColor(190, 0, 0);
}

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

} // namespace

YearMonth CScheduleDlg::CurrentYearMonth()
{
    const QDate today = QDate::currentDate();
    return {today.year(), today.month()};
}

CScheduleDlg::CScheduleDlg(QWidget* owner, YearMonth today) : QDialog(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(FromUtf8(kScheduleTitle));
    setModal(false);
    m_calendar.firstMonth = DefaultFirstMonth(today);
    m_calendar.bonusMonths = {6, 12};
    BuildWidgets();
    // As large as the figures need where the screen has room, beside the program's other
    // windows where it has room for that; what does not fit scrolls inside.
    PlaceOnScreen(this, {1040, 680}, OpenWindows(this), m_scroll->widget()->minimumSizeHint());
}

QWidget* CScheduleDlg::BuildControlRow()
{
    auto* row = new QWidget(this);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);

    auto* viewCaption = new QLabel(FromUtf8(kViewGroup), row);
    box->addWidget(viewCaption);
    m_viewGroup = new QButtonGroup(this);
    const std::string_view captions[3] = {kViewMonthly, kViewYearly, kViewCombined};
    for (int i = 0; i < 3; ++i) {
        m_viewButtons[i] = new QRadioButton(FromUtf8(captions[i]), row);
        m_viewGroup->addButton(m_viewButtons[i], i);
        box->addWidget(m_viewButtons[i]);
    }
    m_viewButtons[0]->setChecked(true);
    m_viewButtons[2]->setEnabled(false);
    connect(m_viewGroup, &QButtonGroup::idClicked, this, [this](int id) { SetView(static_cast<ScheduleView>(id)); });
    box->addStretch(1);

    m_btnSave = new QPushButton(FromUtf8(kSaveCsv), row);
    m_btnCopy = new QPushButton(FromUtf8(kCopy), row);
    m_btnSave->setAutoDefault(false);
    m_btnCopy->setAutoDefault(false);
    box->addWidget(m_btnSave);
    box->addWidget(m_btnCopy);
    connect(m_btnSave, &QPushButton::clicked, this, &CScheduleDlg::OnSaveCsv);
    connect(m_btnCopy, &QPushButton::clicked, this, &CScheduleDlg::OnCopy);
    return row;
}

QWidget* CScheduleDlg::BuildCalendarRow()
{
    auto* row = new QWidget(this);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    auto* firstCaption = new QLabel(FromUtf8(kFirstMonthCaption), row);
    m_firstMonth = new QDateEdit(row);
    m_firstMonth->setDisplayFormat(FromUtf8(kYearMonthFormat));
    m_firstMonth->setDateRange(QDate(kMinCalendarYear, 1, 1), QDate(kMaxCalendarYear, 12, 1));
    m_firstMonth->setDate(QDate(m_calendar.firstMonth.year, m_calendar.firstMonth.month, 1));
    m_firstMonth->setAccessibleName(FromUtf8(kFirstMonthName));
    firstCaption->setBuddy(m_firstMonth);
    box->addWidget(firstCaption);
    box->addWidget(m_firstMonth);
    connect(m_firstMonth, &QDateEdit::dateChanged, this, &CScheduleDlg::OnCalendarEdited);
    box->addSpacing(12);

    auto* bonusCaption = new QLabel(FromUtf8(kBonusMonthsCaption), row);
    box->addWidget(bonusCaption);
    const std::string_view bonusNames[2] = {kFirstBonusMonthName, kSecondBonusMonthName};
    for (int i = 0; i < 2; ++i) {
        m_bonusMonth[i] = new QComboBox(row);
        for (int m = 1; m <= 12; ++m)
            m_bonusMonth[i]->addItem(QString::number(m) + FromUtf8(kMonthSuffix), m);
        m_bonusMonth[i]->setCurrentIndex(m_calendar.bonusMonths[static_cast<std::size_t>(i)] - 1);
        m_bonusMonth[i]->setAccessibleName(FromUtf8(bonusNames[i]));
        box->addWidget(m_bonusMonth[i]);
        connect(m_bonusMonth[i], &QComboBox::currentIndexChanged, this, &CScheduleDlg::OnCalendarEdited);
    }
    bonusCaption->setBuddy(m_bonusMonth[0]);
    box->addStretch(1);
    box->addWidget(new QLabel(FromUtf8(kUnitNote), row));
    return row;
}

void CScheduleDlg::BuildWidgets()
{
    // Everything scrolls inside the window where the screen is smaller than the figures
    // need (2x on a small screen), so that the window itself always fits the screen.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget(m_scroll);
    auto* layout = new QVBoxLayout(content);
    // A scenario's or a prepaid schedule's heading says more than fits on one line; it
    // breaks between its parts.
    m_heading = new HeadingLabel(this);
    m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    layout->addWidget(m_heading);
    layout->addWidget(BuildControlRow());

    m_noticeLabel = new QLabel(this);
    m_noticeLabel->setWordWrap(true);
    m_noticeLabel->setVisible(false);
    layout->addWidget(m_noticeLabel);

    auto* grid = new QGridLayout;
    layout->addLayout(grid, 1);

    // The chart first: it is what most people look at.
    m_chart = new ScheduleChart(this);
    grid->addWidget(m_chart, 0, 0);

    auto* totals = new QGroupBox(FromUtf8(kTotalsHeading), this);
    m_totalsBox = totals;
    auto* totalsBox = new QVBoxLayout(totals);
    m_totals = new FigureGrid(totals);
    totalsBox->addWidget(m_totals);
    m_notes = new QLabel(totals);
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    totalsBox->addWidget(m_notes);
    totalsBox->addStretch(1);
    totals->setFixedWidth(kSidePanelWidth);
    grid->addWidget(totals, 0, 1);

    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(BuildCalendarRow());
    m_model = new ScheduleTableModel(this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setAccessibleName(FromUtf8(kTableName));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table, as in any table; the arrows move within it.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    tableColumn->addWidget(m_table, 1);
    grid->addLayout(tableColumn, 1, 0);

    auto* checks = new QGroupBox(FromUtf8(kChecksHeading), this);
    auto* checksOuter = new QVBoxLayout(checks);
    auto* scroll = new QScrollArea(checks);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* checksInner = new QWidget(scroll);
    m_checksBox = new QVBoxLayout(checksInner);
    m_checksBox->setContentsMargins(0, 0, 0, 0);
    m_checksBox->addStretch(1);
    scroll->setWidget(checksInner);
    checksOuter->addWidget(scroll);
    checks->setFixedWidth(kSidePanelWidth);
    grid->addWidget(checks, 1, 1);
    grid->setRowStretch(0, 2);
    grid->setRowStretch(1, 3);

    m_status = new QLabel(this);
    layout->addWidget(m_status);
    m_scroll->setWidget(content);
    outer->addWidget(m_scroll);

    // Ctrl+C copies from anywhere in the window, as the button does.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &CScheduleDlg::OnCopy);
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &CScheduleDlg::OnSaveCsv);

    // Window order: the views and commands at the top, then the calendar and the table.
    setTabOrder(m_viewButtons[0], m_btnSave);
    setTabOrder(m_btnSave, m_btnCopy);
    setTabOrder(m_btnCopy, m_firstMonth);
    setTabOrder(m_firstMonth, m_bonusMonth[0]);
    setTabOrder(m_bonusMonth[0], m_bonusMonth[1]);
    setTabOrder(m_bonusMonth[1], m_table);
}

void CScheduleDlg::ShowLoan(const ScheduleLoan& loan)
{
    ShowReport(MakeLoanReport(loan, m_calendar));
}

void CScheduleDlg::ShowAsked(const ScheduleLoan& loan)
{
    if (m_view == ScheduleView::Combined)
        m_view = ScheduleView::Monthly;
    ShowLoan(loan);
}

void CScheduleDlg::ShowReport(LoanReport report)
{
    m_report = std::move(report);
    m_notice.clear();
    // What was saved or copied was another schedule's.
    m_status->clear();
    Refresh();
}

void CScheduleDlg::ShowDerived(const DerivedSchedule& derived)
{
    if (m_view == ScheduleView::Combined)
        m_view = ScheduleView::Monthly;
    ShowReport(MakeDerivedReport(derived, m_calendar));
}

void CScheduleDlg::SourceCleared()
{
    if (!m_report)
        return;
    m_notice = FromUtf8(FillIn(kSlotCleared, {m_report->loan.caption}));
    SetNotice(m_notice, true);
}

void CScheduleDlg::SourceClosed()
{
    if (!m_report)
        return;
    m_notice = FromUtf8(FillIn(kSummaryClosed, {m_report->loan.caption}));
    SetNotice(m_notice, true);
}

void CScheduleDlg::SetCombinedLoans(std::vector<ScheduleLoan> loans)
{
    m_combinedLoans = std::move(loans);
    if (!CombinedOffered() && m_view == ScheduleView::Combined)
        m_view = ScheduleView::Yearly;
    Refresh();
}

void CScheduleDlg::SetView(ScheduleView view)
{
    if (view == ScheduleView::Combined && !CombinedOffered())
        view = ScheduleView::Yearly;
    m_view = view;
    Refresh();
}

bool CScheduleDlg::SetCalendar(const ScheduleCalendar& calendar)
{
    if (!IsValidCalendar(calendar)) {
        m_status->setText(FromUtf8(kSameBonusMonths));
        SetTextColour(m_status, WarningColour(palette()));
        // Show the calendar in force again.
        const QSignalBlocker b0(m_bonusMonth[0]), b1(m_bonusMonth[1]), b2(m_firstMonth);
        m_bonusMonth[0]->setCurrentIndex(m_calendar.bonusMonths[0] - 1);
        m_bonusMonth[1]->setCurrentIndex(m_calendar.bonusMonths[1] - 1);
        m_firstMonth->setDate(QDate(m_calendar.firstMonth.year, m_calendar.firstMonth.month, 1));
        return false;
    }
    m_calendar = calendar;
    {
        const QSignalBlocker b0(m_bonusMonth[0]), b1(m_bonusMonth[1]), b2(m_firstMonth);
        m_bonusMonth[0]->setCurrentIndex(m_calendar.bonusMonths[0] - 1);
        m_bonusMonth[1]->setCurrentIndex(m_calendar.bonusMonths[1] - 1);
        m_firstMonth->setDate(QDate(m_calendar.firstMonth.year, m_calendar.firstMonth.month, 1));
    }
    m_status->clear();
    if (m_report)
        m_report = WithCalendar(std::move(*m_report), m_calendar);
    Refresh();
    return true;
}

void CScheduleDlg::OnCalendarEdited()
{
    ScheduleCalendar c;
    const QDate d = m_firstMonth->date();
    c.firstMonth = {d.year(), d.month()};
    c.bonusMonths = {m_bonusMonth[0]->currentData().toInt(), m_bonusMonth[1]->currentData().toInt()};
    SetCalendar(c);
}

std::optional<int> CScheduleDlg::SourceSlot() const
{
    if (!m_report || m_report->derived)
        return std::nullopt;
    return m_report->loan.slot;
}

bool CScheduleDlg::CombinedOffered() const
{
    return hn::CombinedOffered(m_report ? &*m_report : nullptr, m_combinedLoans);
}

void CScheduleDlg::Refresh()
{
    {
        const QSignalBlocker block(m_viewGroup);
        m_viewButtons[static_cast<int>(m_view)]->setChecked(true);
    }
    m_viewButtons[2]->setEnabled(CombinedOffered());
    if (m_view == ScheduleView::Combined)
        m_combined = MakeCombinedReport(m_combinedLoans, m_calendar);
    ScheduleWindowView view = MakeScheduleWindowView(m_view, m_report ? &*m_report : nullptr, m_combined, m_combinedLoans);

    m_heading->SetHeading(FromUtf8(view.heading));
    setWindowTitle(FromUtf8(view.title));
    m_totalsBox->setTitle(FromUtf8(view.totalsHeading));
    m_model->SetTable(std::move(view.table));
    FitColumns();
    m_chart->SetYears(std::move(view.chartYears), view.openingBalance);
    ShowTotals(view.totals);
    ShowNotes(view.notes);
    ShowChecks(view.checks);

    const bool hasRows = m_model->rowCount() > 0;
    m_chart->setVisible(hasRows);
    m_btnSave->setEnabled(hasRows);
    m_btnCopy->setEnabled(hasRows);

    // The notice: a source that went away wins over the loan's own message.
    if (!m_notice.isEmpty())
        SetNotice(m_notice, true);
    else if (!view.message.empty())
        SetNotice(FromUtf8(view.message), true);
    else
        SetNotice({}, false);
}

void CScheduleDlg::FitColumns()
{
    // Widths from the widest text each column can hold, measured once rather than by
    // asking every row (resizing to contents walks the rows).
    const ScheduleTable& t = m_model->Table();
    const QFontMetrics fm(m_table->font());
    QFont bold = m_table->font();
    bold.setBold(true);
    const QFontMetrics fmBold(bold);
    for (int c = 0; c < t.columnCount(); ++c) {
        QString widest = FromUtf8(t.heading(c));
        const ScheduleColumn column = t.column(c);
        if (column == ScheduleColumn::Rate) {
            widest = QStringLiteral("99.999%");
        } else if (IsFigureColumn(column)) {
            std::int64_t most = 0;
            for (int r = 0; r < t.rowCount(); ++r)
                most = std::max(most, t.figure(r, c).value_or(0));
            const QString figure = FromUtf8(Bare(Quantity::Yen(most)));
            if (figure.size() > widest.size())
                widest = figure;
        } else if (column == ScheduleColumn::Month) {
            widest = QStringLiteral("9999年12月");
        } else if (column == ScheduleColumn::Period) {
            widest = QStringLiteral("9999年12月～9999年12月");
        } else if (column == ScheduleColumn::Part) {
            widest = FromUtf8(kPartBonus);
        } else {
            widest = QStringLiteral("9999");
        }
        const int width = std::max(fmBold.horizontalAdvance(widest), fm.horizontalAdvance(FromUtf8(t.heading(c)))) + 14;
        m_table->setColumnWidth(c, width);
    }
}

void CScheduleDlg::ShowTotals(const std::vector<TotalsLine>& lines)
{
    std::vector<FigureRow> rows;
    for (const TotalsLine& line : lines)
        rows.push_back({line.caption, line.yen ? hn::Text(Quantity::Yen(*line.yen)) : std::string(kNotComparable)});
    m_totals->SetRows(rows);
}

void CScheduleDlg::ShowNotes(const std::vector<std::string>& notes)
{
    QStringList texts;
    for (const std::string& n : notes)
        texts << FromUtf8(n);
    m_notes->setText(texts.join(QLatin1Char('\n')));
    m_notes->setVisible(!texts.isEmpty());
}

void CScheduleDlg::ShowChecks(const std::vector<CheckLine>& lines)
{
    for (QLabel* label : m_checkLabels)
        delete label;
    m_checkLabels.clear();
    m_checkFailed.clear();
    int at = 0;
    for (const auto& [text, passed] : lines) {
        auto* label = new QLabel(FromUtf8(passed ? kCheckPassed : kCheckFailed) + FromUtf8(text));
        label->setWordWrap(true);
        m_checksBox->insertWidget(at++, label);
        m_checkLabels.push_back(label);
        m_checkFailed.push_back(!passed);
    }
    ApplyWarningColours();
}

void CScheduleDlg::SetNotice(const QString& text, bool warning)
{
    m_noticeLabel->setText(text);
    m_noticeLabel->setVisible(!text.isEmpty());
    m_noticeWarning = warning;
    ApplyWarningColours();
}

void CScheduleDlg::ApplyWarningColours()
{
    const QColor warning = WarningColour(palette());
    const QColor normal = palette().color(QPalette::WindowText);
    SetTextColour(m_noticeLabel, m_noticeWarning ? warning : normal);
    for (std::size_t i = 0; i < m_checkLabels.size(); ++i)
        SetTextColour(m_checkLabels[i], m_checkFailed[i] ? warning : normal);
}

void CScheduleDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // A new palette (light to dark) needs its own red.
    if (event->type() == QEvent::PaletteChange)
        ApplyWarningColours();
}

std::string CScheduleDlg::CsvText() const
{
    // The command line writes the same file (hensai-calc --csv).
    if (m_view == ScheduleView::Combined)
        return YearlyCsv(m_combined.yearly);
    if (!m_report || !m_report->ok())
        return {};
    return ScheduleCsv(m_report->schedule,
                       m_view == ScheduleView::Monthly ? ScheduleViewKind::Monthly : ScheduleViewKind::Yearly, m_calendar);
}

bool CScheduleDlg::ExportCsv(const QString& path)
{
    const std::string csv = CsvText();
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly))
        error = file.errorString();
    else if (file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()))
        error = file.errorString();
    else if (!file.commit())
        error = file.errorString();
    if (!error.isEmpty()) {
        file.cancelWriting();
        QMessageBox box(QMessageBox::Warning, FromUtf8(kSaveFailedCaption),
                        FromUtf8(kSaveFailed) + QLatin1Char('\n') + QDir::toNativeSeparators(path) + QLatin1Char('\n') +
                            error,
                        QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    SetTextColour(m_status, palette().color(QPalette::WindowText));
    m_status->setText(FromUtf8(kSaved) + QDir::toNativeSeparators(path));
    return true;
}

void CScheduleDlg::OnSaveCsv()
{
    if (m_model->rowCount() == 0)
        return;
    const QString start = QDir::home().filePath(FromUtf8(kCsvDefaultName));
    const QString path = QFileDialog::getSaveFileName(this, FromUtf8(kSaveCsvTitle), start, FromUtf8(kCsvFilter));
    if (!path.isEmpty())
        ExportCsv(path);
}

void CScheduleDlg::OnCopy()
{
    if (m_model->rowCount() == 0)
        return;
    std::set<int> chosen;
    if (const QItemSelectionModel* selection = m_table->selectionModel())
        for (const QModelIndex& index : selection->selectedIndexes())
            chosen.insert(index.row());
    const std::string text = ScheduleTabText(m_model->Table(), std::vector<int>(chosen.begin(), chosen.end()));
    QGuiApplication::clipboard()->setText(FromUtf8(text));
    SetTextColour(m_status, palette().color(QPalette::WindowText));
    m_status->setText(FromUtf8(kCopied));
}

QString CScheduleDlg::NoticeText() const
{
    return m_noticeLabel->isVisibleTo(this) ? m_noticeLabel->text() : QString();
}

QString CScheduleDlg::StatusText() const
{
    return m_status->text();
}

QString CScheduleDlg::HeadingText() const
{
    return m_heading->Heading();
}

QString CScheduleDlg::TotalsHeadingText() const
{
    return m_totalsBox->title();
}

QStringList CScheduleDlg::TotalsTexts() const
{
    return m_totals->Lines();
}

QStringList CScheduleDlg::NotesTexts() const
{
    return m_notes->text().isEmpty() ? QStringList() : m_notes->text().split(QLatin1Char('\n'));
}

std::vector<std::pair<QString, bool>> CScheduleDlg::CheckLines() const
{
    std::vector<std::pair<QString, bool>> lines;
    for (std::size_t i = 0; i < m_checkLabels.size(); ++i)
        lines.emplace_back(m_checkLabels[i]->text(), m_checkFailed[i]);
    return lines;
}

} // namespace hn
