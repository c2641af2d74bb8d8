// SPDX-License-Identifier: GPL-3.0-or-later
// The planning window: each section with the worked examples of docs/planning.md
// computed, the rate scenarios with their charts and warnings (also under a dark
// palette), and the scenario charts at 2×.
#include "controls/CNumEdit.h"
#include "controls/FigureGrid.h"
#include "planning/CPlanningDlg.h"
#include "planning/CapacityPage.h"
#include "planning/LimitChoice.h"
#include "planning/PlanningFields.h"
#include "planning/PrepayPage.h"
#include "planning/ReadingPage.h"
#include "planning/ScenarioChart.h"
#include "planning/ScenarioPage.h"
#include "tools/gallery/Gallery.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <memory>

namespace hn::gallery {

namespace {

enum Section { kCapacity, kReading, kPrepay, kScenario };

// A window on a desktop screen, tall enough for the scenarios' figures and both charts.
constexpr QSize kShotSize(1040, 840);

LoanInput Level(double man, double ratePercent, double years)
{
    return MakeLoanInput({BankOther, man, 0, ratePercent, ratePercent, years});
}

// The calculator's loan as the window takes it: 銀行型・他, 3,000 万円 over 35
// years at 0.5 %, income 600 万円; two filled summary slots.
PlanningSeed Seed()
{
    PlanningSeed seed;
    seed.loan = {BankOther, 3000, 0, 0.5, 0, 35, 600};
    seed.slotLoans = {{1, "公庫1　銀行型・他 2,000万円", Level(2000, 1.8, 35)},
                      {7, "銀行1　銀行型・他 1,500万円", Level(1500, 0.5, 35)}};
    return seed;
}

std::unique_ptr<CPlanningDlg> Window()
{
    auto dlg = std::make_unique<CPlanningDlg>([] { return Seed(); }, nullptr);
    dlg->setAttribute(Qt::WA_DeleteOnClose, false);
    return dlg;
}

// The capacity worked example: bank tiers, 24 万円 of other debts, screened at 3.5 %.
void Capacity(CPlanningDlg& dlg)
{
    CapacityPage& page = *dlg.Capacity();
    page.m_limit->SelectKey("bank");
    page.m_otherDebts->SetValue(24);
    SetPercent(page.m_screening, 3.5);
    page.Compute();
}

// Both slots at 30 % of 500 万円; the public lender's loan is not screened.
void Reading(CPlanningDlg& dlg)
{
    ReadingPage& page = *dlg.Reading();
    page.m_income->SetValue(500);
    page.m_limit->SelectKey("30");
    SetPercent(page.m_screening, 3.5);
    page.LoanChecks()[0]->setChecked(false);
    page.Compute();
}

// The published example: 2,000 万円 at 3 % over 35 years, 100 万円 after 10 years.
void Prepay(CPlanningDlg& dlg)
{
    PrepayPage& page = *dlg.Prepay();
    page.m_loan->SetLoan({BankOther, 2000, 0, 3, 0, 35, 600});
    page.SetListRows({{"120", "100", ""}});
    page.Compute();
}

// Three paths from 0.5 %: flat; +1 % once from month 61; +0.5 % every year up
// to 5 %, which the five-year and 125 % rules cannot keep up with.
void Scenarios(CPlanningDlg& dlg)
{
    ScenarioPage& page = *dlg.Scenario();
    PathEditor& once = *page.Path(1);
    once.Use()->setChecked(true);
    once.m_preset->setCurrentIndex(1);
    SetPercent(once.m_rise, 1);
    once.m_month->SetValue(61);
    PathEditor& every = *page.Path(2);
    every.Use()->setChecked(true);
    every.m_preset->setCurrentIndex(2);
    SetPercent(every.m_rise, 0.5);
    every.m_years->SetValue(1);
    SetPercent(every.m_cap, 5);
    page.Compute();
}

QImage Shoot(Section section, const std::function<void(CPlanningDlg&)>& fill, bool dark = false,
             bool scrollToResults = false)
{
    auto dlg = Window();
    if (dark)
        dlg->setPalette(DarkPalette());
    fill(*dlg);
    dlg->Sections()->setCurrentIndex(section);
    dlg->show();
    QCoreApplication::processEvents();
    // The size it opens at on a desktop screen, larger than the offscreen one it is
    // placed on.
    dlg->resize(kShotSize);
    QCoreApplication::processEvents();
    if (scrollToResults) {
        // The figures, warnings and both charts; the path tables are above.
        QCoreApplication::processEvents(); // the page's layout settles in a second pass
        auto* area = qobject_cast<QScrollArea*>(dlg->Sections()->currentWidget());
        const QWidget* results = dlg->Scenario()->Figures(0)->parentWidget();
        area->verticalScrollBar()->setValue(results->mapTo(area->widget(), QPoint(0, 0)).y());
        QCoreApplication::processEvents();
    }
    return dlg->grab().toImage();
}

// Both charts at device pixel ratio 2, one above the other, at the size the window gives them.
QImage ChartsAt2x()
{
    auto dlg = Window();
    Scenarios(*dlg);
    dlg->Sections()->setCurrentIndex(kScenario);
    dlg->show();
    QCoreApplication::processEvents();
    ScenarioChart& instalment = *dlg->Scenario()->InstalmentChart();
    ScenarioChart& owed = *dlg->Scenario()->OwedChart();
    const QSize size(std::max(instalment.width(), owed.width()), instalment.height() + owed.height());
    QImage image(size * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2.0);
    image.fill(dlg->palette().color(QPalette::Window));
    instalment.render(&image);
    owed.render(&image, QPoint(0, instalment.height()));
    return image;
}

std::vector<Shot> PlanningShots()
{
    return {
        {QStringLiteral("capacity"), Shoot(kCapacity, Capacity), false},
        {QStringLiteral("lenders-reading"), Shoot(kReading, Reading), false},
        {QStringLiteral("prepayment"), Shoot(kPrepay, Prepay), false},
        {QStringLiteral("scenarios"), Shoot(kScenario, Scenarios, false, true), false},
        {QStringLiteral("scenarios-dark"), Shoot(kScenario, Scenarios, true, true), false},
        {QStringLiteral("scenario-charts-2x"), ChartsAt2x(), false},
    };
}

} // namespace

HN_GALLERY_FAMILY(planning_window, PlanningShots);

} // namespace hn::gallery
