// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/CPlanningDlg.h"

#include "calc/capacity/PlanningTexts.h"
#include "calc/rates/ScenarioTexts.h"
#include "calc/schedule/PrepaymentTexts.h"
#include "controls/CNumEdit.h"
#include "controls/Utf8Text.h"
#include "planning/CapacityPage.h"
#include "planning/PrepayPage.h"
#include "planning/ReadingPage.h"
#include "planning/ScenarioPage.h"
#include "platform/WindowFit.h"
#include "schedule/CScheduleDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

namespace hn {

namespace {

// Narrower than this, the sections scroll sideways.
constexpr int kNarrowest = 820;

// Sections scroll when the window is smaller than they are (2x, small screens).
QWidget* Scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

CPlanningDlg::CPlanningDlg(SeedSource source, QWidget* owner, const PlanningState* kept)
    : QDialog(owner), m_source(std::move(source))
{
    // An ordinary window of its own: not kept above the calculator window, which comes to
    // the front, keyboard and all, when it is clicked.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(FromUtf8(kPlanningTitle));
    setAccessibleName(FromUtf8(kPlanningTitle));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_capacity = new CapacityPage;
    m_reading = new ReadingPage;
    m_prepay = new PrepayPage;
    m_scenario = new ScenarioPage;
    m_sections = {m_capacity, m_reading, m_prepay, m_scenario};
    m_tabs->addTab(Scrolled(m_capacity), FromUtf8(kCapCapacity) + QStringLiteral("(&1)"));
    m_tabs->addTab(Scrolled(m_reading), QStringLiteral("金融機関から見た返済負担率(&2)"));
    m_tabs->addTab(Scrolled(m_prepay), FromUtf8(kPrepay) + QStringLiteral("(&3)"));
    m_tabs->addTab(Scrolled(m_scenario), FromUtf8(kScenarioTitle) + QStringLiteral("(&4)"));
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole)->setAutoDefault(false);
    auto* reseed = buttons->addButton(QStringLiteral("計算画面の値を取り込む(&R)"), QDialogButtonBox::ActionRole);
    reseed->setAutoDefault(false);
    connect(reseed, &QPushButton::clicked, this, &CPlanningDlg::Reseed);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the widest section (three ways of early repayment, three rate
    // scenarios side by side) where the screen allows it; a section scrolls otherwise.
    int widest = 0;
    for (const QWidget* page : std::initializer_list<const QWidget*>{m_capacity, m_reading, m_prepay, m_scenario})
        widest = std::max(widest, page->sizeHint().width());
    const QMargins margins = layout->contentsMargins();
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_tabs);
    const int width = std::max(kNarrowest, widest + margins.left() + margins.right() + 2 * frame +
                                               style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    // Beside the calculator window where the screen has room for it (narrowed down to
    // kNarrowest if need be), else over it below its title bar; a section scrolls where
    // the window is smaller than it.
    PlaceOnScreen(this, {width, 660}, OpenWindows(this), {kNarrowest, 400});
    const auto opener = [this](const DerivedSchedule& schedule) { ShowSchedule(schedule); };
    m_prepay->SetScheduleOpener(opener);
    m_scenario->SetScheduleOpener(opener);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPlanningDlg::MakeDefault);
    if (kept) {
        if (m_source)
            m_reading->SetSlotLoans(m_source().slotLoans);
        Restore(*kept);
    } else {
        Reseed();
    }
    MakeDefault(m_tabs->currentIndex());
    // The first question is the first field: typing can start at once.
    if (m_tabs->currentIndex() == 0)
        m_capacity->m_income->setFocus();
}

void CPlanningDlg::MakeDefault(int section)
{
    for (std::size_t k = 0; k < m_sections.size(); ++k)
        m_sections[k]->ComputeButton()->setDefault(static_cast<int>(k) == section);
}

void CPlanningDlg::Reseed()
{
    if (!m_source)
        return;
    const PlanningSeed seed = m_source();
    // Sections that showed figures show those of the new values, or none when these
    // are refused; never the old ones.
    std::array<bool, 4> shown{};
    for (std::size_t k = 0; k < m_sections.size(); ++k)
        shown[k] = m_sections[k]->HasFigures();
    m_capacity->Seed(seed.loan);
    m_reading->Seed(seed);
    m_prepay->Seed(seed.loan);
    m_scenario->Seed(seed.loan);
    for (std::size_t k = 0; k < m_sections.size(); ++k)
        if (shown[k])
            m_sections[k]->Compute(Feedback::Quiet);
}

void CPlanningDlg::SetSlotLoans(const std::vector<SlotLoan>& loans)
{
    m_reading->SetSlotLoans(loans);
}

PlanningState CPlanningDlg::State() const
{
    PlanningState state;
    state.section = m_tabs->currentIndex();
    state.capacity = m_capacity->Inputs();
    state.reading = m_reading->Inputs();
    state.prepay = m_prepay->Inputs();
    state.scenario = m_scenario->Inputs();
    for (std::size_t k = 0; k < m_sections.size(); ++k)
        state.computed[k] = m_sections[k]->HasFigures();
    return state;
}

void CPlanningDlg::Restore(const PlanningState& state)
{
    m_capacity->SetInputs(state.capacity);
    m_reading->SetInputs(state.reading);
    m_prepay->SetInputs(state.prepay);
    m_scenario->SetInputs(state.scenario);
    for (std::size_t k = 0; k < m_sections.size(); ++k)
        if (state.computed[k])
            m_sections[k]->Compute(Feedback::Quiet);
    m_tabs->setCurrentIndex(std::clamp(state.section, 0, m_tabs->count() - 1));
}

void CPlanningDlg::ShowSchedule(const DerivedSchedule& schedule)
{
    if (!m_schedule)
        m_schedule = new CScheduleDlg(this); // deletes itself when closed
    m_schedule->ShowDerived(schedule);
    m_schedule->show();
    m_schedule->raise();
    m_schedule->activateWindow();
}

CScheduleDlg* CPlanningDlg::ScheduleWindow() const
{
    return m_schedule.data();
}

} // namespace hn
