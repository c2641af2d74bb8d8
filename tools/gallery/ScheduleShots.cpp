// SPDX-License-Identifier: GPL-3.0-or-later
// The repayment schedule window: the worked example by month and by year, two loans
// together, a dark palette, a loan too large to schedule, and the chart at 2×.
#include "schedule/CScheduleDlg.h"
#include "schedule/ScheduleChart.h"
#include "tools/gallery/Gallery.h"

#include <QCoreApplication>
#include <memory>

namespace hn::gallery {

namespace {

LoanInput Loan(RepaymentMethod method, double loanMan, double bonusMan, double rate1Percent, double rate2Percent,
               double years)
{
    return MakeLoanInput({method, loanMan, bonusMan, rate1Percent, rate2Percent, years});
}

const ScheduleLoan kWorked{Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35), 0, "計算結果"};

QImage Shoot(const std::function<void(CScheduleDlg&)>& setUp)
{
    auto dlg = std::make_unique<CScheduleDlg>(nullptr, YearMonth{2026, 12});
    dlg->setAttribute(Qt::WA_DeleteOnClose, false);
    dlg->ShowLoan(kWorked);
    setUp(*dlg);
    dlg->show();
    QCoreApplication::processEvents();
    // The size it opens at on a desktop screen, larger than the offscreen one it is
    // placed on.
    dlg->resize(1040, 680);
    QCoreApplication::processEvents();
    return dlg->grab().toImage();
}

QImage ChartAt2x()
{
    CScheduleDlg dlg(nullptr, YearMonth{2026, 12});
    dlg.ShowLoan(kWorked);
    ScheduleChart& chart = *dlg.Chart();
    chart.resize(640, 240);
    QImage image(chart.size() * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2.0);
    chart.render(&image);
    return image;
}

std::vector<Shot> ScheduleShots()
{
    const std::vector<ScheduleLoan> twoLoans{{Loan(CorporationBasic, 2500, 500, 1.8, 2.5, 35), 1, "公庫1"},
                                          {Loan(BankOther, 1500, 0, 1.2, 1.2, 20), 7, "銀行1"}};
    return {
        {QStringLiteral("monthly"), Shoot([](CScheduleDlg&) {}), false},
        {QStringLiteral("yearly"), Shoot([](CScheduleDlg& d) { d.SetView(ScheduleView::Yearly); }), false},
        {QStringLiteral("combined"),
         Shoot([&](CScheduleDlg& d) {
             d.SetCombinedLoans(twoLoans);
             d.SetView(ScheduleView::Combined);
         }),
         false},
        {QStringLiteral("equal-principal-dark"),
         Shoot([](CScheduleDlg& d) {
             d.setPalette(DarkPalette());
             d.ShowLoan({Loan(EqualPrincipal, 3000, 600, 2.0, 3.0, 35), 5, "元金1"});
             d.SetView(ScheduleView::Yearly);
         }),
         false},
        {QStringLiteral("too-large"),
         Shoot([](CScheduleDlg& d) { d.ShowLoan({Loan(CorporationBasic, 1e12, 0, 99.0, 99.0, 99), 0, "計算結果"}); }),
         false},
        {QStringLiteral("chart-2x"), ChartAt2x(), false},
    };
}

} // namespace

HN_GALLERY_FAMILY(schedule_window, ScheduleShots);

} // namespace hn::gallery
