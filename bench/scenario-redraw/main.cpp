// SPDX-License-Identifier: GPL-3.0-or-later
// What one edit of a rate scenario costs in the planning window: a rate typed
// into a path's table (the table read again, the figures shown cleared), the three
// scenarios computed again (35 years, the rate changing every 6 months, the
// five-year and 125 % rules) and both charts painted at the size the window
// gives them, against one frame at 60 Hz.
//   scenario-redraw [RUNS] [--dpr N] [--screen] [--paint-only]
// By default each chart paints into a QImage at device pixel ratio N (default
// 1) through QWidget::render, the paintEvent the window runs, and is timed on
// its own. With --screen (under a display; QT_SCALE_FACTOR=2 gives ratio 2)
// the charts are scrolled into view and the window's next frame is painted and
// flushed to the display as the event loop would: the charts together with the
// figures and warnings the edit changed. --paint-only paints the charts RUNS
// times without edits, for a profiler.
#include "calc/rates/RateScenario.h"
#include "calc/rates/ScenarioSummary.h"
#include "planning/CPlanningDlg.h"
#include "planning/ChartSeries.h"
#include "planning/ScenarioChart.h"
#include "planning/ScenarioPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr double kFrameMs = 1000.0 / 60.0;
constexpr int kTablePreset = 3; // the path editor's "表で指定"

// Three paths over 35 years, each changing every 6 months (69 changes): a
// slow climb, a climb that falls back, and a steep rise with dips that makes
// reviews capped and interest unpaid.
hn::RatePath HalfYearly(int which, double nudge)
{
    hn::RatePath path = hn::FlatRatePath(0.5);
    for (int k = 1; k < 70; ++k) {
        double percent = 0.5;
        if (which == 0)
            percent += 0.02 * k;
        else if (which == 1)
            percent += k < 35 ? 0.08 * k : 0.08 * (70 - k);
        else
            percent += 0.2 * k + (k % 2 ? 0.4 : 0.0);
        path.steps.push_back({6 * k + 1, (percent + nudge) * 0.01});
    }
    return path;
}

void FillTable(hn::PathEditor& editor, const hn::RatePath& path)
{
    editor.m_preset->setCurrentIndex(kTablePreset);
    QTableWidget* table = editor.Table();
    const QSignalBlocker block(table);
    table->clearContents();
    table->setRowCount(static_cast<int>(path.steps.size()));
    for (std::size_t k = 0; k < path.steps.size(); ++k) {
        const int row = static_cast<int>(k);
        table->setItem(row, 0, new QTableWidgetItem(QString::number(path.steps[k].month)));
        table->setItem(row, 1, new QTableWidgetItem(QString::number(path.steps[k].rate * 100, 'f', 3)));
    }
}

// The user's edit: one rate of scenario 2's table typed again.
void EditOneRate(hn::PathEditor& editor, int run)
{
    QTableWidgetItem* item = editor.Table()->item(20, 1);
    item->setText(QString::number(1.5 + 0.125 * (run % 4), 'f', 3));
}

// The three scenarios alone, as the page computes them (no widgets).
double ComputeOnly(const hn::LoanInput& loan, int run)
{
    QElapsedTimer clock;
    clock.start();
    std::int64_t sink = 0;
    std::vector<hn::ChartSeries> series;
    for (int which = 0; which < 3; ++which) {
        hn::ScenarioInput in;
        in.loan = loan;
        in.path = HalfYearly(which, which == 1 ? 0.125 * (run % 4) : 0.0);
        const hn::ScenarioSchedule s = hn::BuildScenarioSchedule(in);
        const hn::ScenarioSummary sum = hn::SummariseScenario(s);
        sink += static_cast<std::int64_t>(hn::ScenarioWarnings(s, sum).size()) + sum.totalRepaid;
        series.push_back(hn::SeriesOf(s));
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    if (sink == 42)
        std::puts("");
    return ms;
}

// CPU time of this thread: what the edit costs apart from waiting for a core.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double PaintChart(hn::ScenarioChart& chart, QImage& image)
{
    QElapsedTimer clock;
    clock.start();
    chart.render(&image);
    return clock.nsecsElapsed() / 1e6;
}

// The window's pending frame: what the edit left to the event loop (labels shown,
// layouts redone) and then every area marked for repainting, painted into the
// backing store and flushed to the display. Events posted while posted events are
// sent wait for the next round, hence the rounds.
double PaintFrame(QWidget& window)
{
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 3; ++round)
        QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
    return clock.nsecsElapsed() / 1e6;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Percentile(std::vector<double> v, double share)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(share * static_cast<double>(v.size())))];
}

void Report(const char* what, const std::vector<double>& v)
{
    std::printf("  %-34s median %6.2f ms   p95 %6.2f   worst %6.2f\n", what, Median(v), Percentile(v, 0.95),
                *std::max_element(v.begin(), v.end()));
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 200;
    double dpr = 1.0;
    bool screen = false;
    bool paintOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screen") == 0)
            screen = true;
        else if (std::strcmp(argv[i], "--paint-only") == 0)
            paintOnly = true;
        else if (std::strcmp(argv[i], "--dpr") == 0 && i + 1 < argc)
            dpr = std::atof(argv[++i]);
        else
            runs = std::max(1, std::atoi(argv[i]));
    }
    if (!screen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The worked loan: 3,000 万円 with 600 in bonus instalments, 35 years, 0.5 %.
    const hn::PlanningLoan loan{hn::BankOther, 3000, 600, 0.5, 0, 35, 600};
    hn::CPlanningDlg dlg([&] { return hn::PlanningSeed{loan, {}}; }, nullptr);
    hn::ScenarioPage& page = *dlg.Scenario();
    for (int k = 0; k < 3; ++k) {
        page.Path(k)->Use()->setChecked(true);
        FillTable(*page.Path(k), HalfYearly(k, 0.0));
    }
    dlg.Sections()->setCurrentIndex(3);
    dlg.show(); // lays the window out at the size it opens at
    QCoreApplication::processEvents();
    if (!page.Compute() || page.Scenarios().size() != 3) {
        std::fprintf(stderr, "scenario-redraw: the scenarios were not computed\n");
        return 1;
    }
    QCoreApplication::processEvents();
    hn::ScenarioChart& instalment = *page.InstalmentChart();
    hn::ScenarioChart& owed = *page.OwedChart();
    // The section scrolls: bring the charts into view, as a user watching them would
    // (a chart out of view is not painted on the display at all).
    auto* area = qobject_cast<QScrollArea*>(dlg.Sections()->currentWidget());
    for (int round = 0, last = -1; round < 20; ++round) { // the page's layout settles over a few passes
        const int at = instalment.mapTo(area->widget(), QPoint(0, 0)).y();
        if (at == last)
            break;
        last = at;
        QCoreApplication::processEvents();
    }
    area->verticalScrollBar()->setValue(instalment.mapTo(area->widget(), QPoint(0, 0)).y());
    QCoreApplication::processEvents();
    if (screen)
        dpr = instalment.devicePixelRatioF();
    QImage instalmentImage(instalment.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    QImage owedImage(owed.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    instalmentImage.setDevicePixelRatio(dpr);
    owedImage.setDevicePixelRatio(dpr);

    if (paintOnly) {
        std::vector<double> both;
        for (int run = 0; run < runs; ++run) {
            if (screen) {
                instalment.update();
                owed.update();
                both.push_back(PaintFrame(dlg));
            } else {
                both.push_back(PaintChart(instalment, instalmentImage) + PaintChart(owed, owedImage));
            }
        }
        Report("both charts painted", both);
        return 0;
    }

    const hn::LoanInput computedLoan = hn::WholeYenInput(hn::PlanLoan(loan).input);
    std::vector<double> compute, editTimes, pageTimes, instalmentTimes, owedTimes, frameTimes, totals, cpu;
    for (int run = -3; run < runs; ++run) { // three warm-up edits
        const double calc = ComputeOnly(computedLoan, run + 3);
        const double cpuBefore = ThreadCpuMs();
        QElapsedTimer clock;
        clock.start();
        // The edit itself: the table reads the path again and the figures shown go.
        EditOneRate(*page.Path(1), run + 3);
        const double editMs = clock.nsecsElapsed() / 1e6;
        clock.start();
        page.Compute();
        const double pageMs = clock.nsecsElapsed() / 1e6;
        double paintMs = 0;
        if (screen) {
            paintMs = PaintFrame(dlg);
            frameTimes.push_back(paintMs);
        } else {
            const double a = PaintChart(instalment, instalmentImage);
            const double b = PaintChart(owed, owedImage);
            paintMs = a + b;
            instalmentTimes.push_back(a);
            owedTimes.push_back(b);
        }
        const double cpuMs = ThreadCpuMs() - cpuBefore;
        QCoreApplication::processEvents(); // offscreen: the window's own repaint, untimed
        if (run < 0) {
            instalmentTimes.clear();
            owedTimes.clear();
            frameTimes.clear();
            continue;
        }
        compute.push_back(calc);
        editTimes.push_back(editMs);
        pageTimes.push_back(pageMs);
        totals.push_back(editMs + pageMs + paintMs);
        cpu.push_back(cpuMs);
    }

    double load = -1;
    if (std::FILE* loadavg = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(loadavg, "%lf", &load) != 1)
            load = -1;
        std::fclose(loadavg);
    }
    std::printf("scenario-redraw: %d edits, charts %dx%d and %dx%d at device pixel ratio %g, painted %s\n", runs,
                instalment.width(), instalment.height(), owed.width(), owed.height(), dpr,
                screen ? "on the display (the window's frame, flushed)" : "offscreen into a QImage (render)");
    Report("three scenarios, calc only", compute);
    Report("edit (table read, figures cleared)", editTimes);
    Report("page update (paths, calc, figures)", pageTimes);
    if (screen) {
        Report("frame: charts, figures, warnings", frameTimes);
    } else {
        Report("instalment chart paint", instalmentTimes);
        Report("balance chart paint", owedTimes);
    }
    Report("edit to both charts painted", totals);
    Report("the same, CPU time of the thread", cpu);
    const double worst = *std::max_element(totals.begin(), totals.end());
    if (screen)
        std::printf("  in view on the display: %d and %d of the charts' %d and %d rows\n",
                    instalment.visibleRegion().boundingRect().height(), owed.visibleRegion().boundingRect().height(),
                    instalment.height(), owed.height());
    std::printf("  load average %.2f (1 min) on %d cores\n", load, QThread::idealThreadCount());
    std::printf("  one frame at 60 Hz is %.1f ms: median %s, worst %s\n", kFrameMs,
                Median(totals) < kFrameMs ? "within" : "OVER", worst < kFrameMs ? "within" : "OVER");
    return 0;
}
