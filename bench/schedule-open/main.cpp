// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the repayment schedule window with a 35-year loan, timed inside the process:
// from the window's construction to the end of its first paint, and the parts of it.
//   schedule-open [RUNS]      (under a display, e.g. xvfb-run; or QT_QPA_PLATFORM=offscreen)
// Prints the median and range of RUNS openings (default 20) after the first, and the
// first on its own.
#include "schedule/CScheduleDlg.h"
#include "schedule/ScheduleChart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Notes when the chart has been painted: the window's first frame is then complete.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

hn::LoanInput WorkedLoan()
{
    return hn::MakeLoanInput({hn::CorporationBasic, 3000, 600, 2.0, 3.0, 35});
}

struct Sample {
    double build, fill, shown;
};

Sample OpenOnce()
{
    QElapsedTimer clock;
    clock.start();
    auto* dlg = new hn::CScheduleDlg(nullptr);
    const double built = clock.nsecsElapsed() / 1e6;
    dlg->ShowLoan({WorkedLoan(), 0, "計算結果"});
    const double filled = clock.nsecsElapsed() / 1e6;
    PaintWatch watch;
    dlg->Chart()->installEventFilter(&watch);
    dlg->show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents(); // the rest of the frame
    const double shown = clock.nsecsElapsed() / 1e6;
    dlg->Chart()->removeEventFilter(&watch);
    dlg->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {built, filled - built, shown - filled};
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const Sample first = OpenOnce(); // loads the style, fonts and table classes: reported apart
    std::vector<double> build, fill, shown, total;
    for (int i = 0; i < runs; ++i) {
        const Sample s = OpenOnce();
        build.push_back(s.build);
        fill.push_back(s.fill);
        shown.push_back(s.shown);
        total.push_back(s.build + s.fill + s.shown);
    }
    std::printf("schedule window, 35-year loan with bonus part (490 rows), %d openings:\n", runs);
    std::printf("  build widgets       %6.1f ms median\n", Median(build));
    std::printf("  schedule and table  %6.1f ms median\n", Median(fill));
    std::printf("  show and first paint %5.1f ms median\n", Median(shown));
    std::printf("  total               %6.1f ms median (%.1f to %.1f)\n", Median(total),
                *std::min_element(total.begin(), total.end()), *std::max_element(total.begin(), total.end()));
    std::printf("  first opening in the process %.1f ms\n", first.build + first.fill + first.shown);
    return 0;
}
