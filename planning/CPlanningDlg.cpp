// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/CPlanningDlg.h"

#include "calc/PlanningTexts.h"
#include "calc/ScenarioTexts.h"
#include "controls/CNumEdit.h"
#include "planning/PlanningPages.h"
#include "planning/ScenarioPage.h"
#include "schedule/CScheduleDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hn {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

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

CPlanningDlg::CPlanningDlg(SeedSource source, QWidget* owner) : QDialog(owner), m_source(std::move(source))
{
    setWindowTitle(Q(kPlanningTitle));
    setAccessibleName(Q(kPlanningTitle));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_capacity = new CapacityPage;
    m_reading = new ReadingPage;
    m_prepay = new PrepayPage;
    m_scenario = new ScenarioPage;
    m_tabs->addTab(Scrolled(m_capacity), Q(kCapCapacity) + QStringLiteral("(&1)"));
    m_tabs->addTab(Scrolled(m_reading), QStringLiteral("金融機関から見た返済負担率(&2)"));
    m_tabs->addTab(Scrolled(m_prepay), Q(kPrepay) + QStringLiteral("(&3)"));
    m_tabs->addTab(Scrolled(m_scenario), Q(kScenarioTitle) + QStringLiteral("(&4)"));
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole)->setAutoDefault(false);
    auto* reseed = buttons->addButton(QStringLiteral("計算画面の値を取り込む(&R)"), QDialogButtonBox::ActionRole);
    reseed->setAutoDefault(false);
    connect(reseed, &QPushButton::clicked, this, &CPlanningDlg::Reseed);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the three ways of early repayment side by side.
    resize(820, 660);
    const auto opener = [this](const DerivedSchedule& schedule) { ShowSchedule(schedule); };
    m_prepay->SetScheduleOpener(opener);
    m_scenario->SetScheduleOpener(opener);
    Reseed();
    // The first question is the first field: typing can start at once.
    m_capacity->m_income->setFocus();
}

void CPlanningDlg::Reseed()
{
    if (!m_source)
        return;
    const PlanningSeed seed = m_source();
    m_capacity->Seed(seed.loan);
    m_reading->Seed(seed);
    m_prepay->Seed(seed.loan);
    m_scenario->Seed(seed.loan);
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
