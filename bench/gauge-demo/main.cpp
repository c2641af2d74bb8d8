// SPDX-License-Identifier: GPL-3.0-or-later
// gauge-demo: one gauge bar in its animation mode, amber as the summary window shows it
// while there is no ratio, at the summary window's size. bench/cpu-usage.sh measures
// what the running animation costs.
//   gauge-demo                 animating until closed
//   gauge-demo --static        the same gauge at a fixed position, no timer
//   gauge-demo --count SECONDS animate for SECONDS, then print how many times the
//                              gauge was painted (to check the 40 steps a second)
//   gauge-demo --draw STEPS    draw STEPS animation steps off screen, no window, and
//                              print the drawing time per step
#include "controls/CGaugeBar.h"
#include "controls/GaugeDraw.h"
#include "controls/GaugeGeometry.h"
#include "platform/DialogTemplate.h"
#include "platform/OffscreenPaint.h"
#include "platform/SysColors.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The drawing alone, without Qt's repaint and the trip to the X server.
int TimeDrawing(int steps)
{
    const hn::GaugeShades shades = hn::MakeGaugeShades(
        hn::ColorRef::Rgb(255, 204, 0), hn::GetSysColor(hn::SysColor::BtnShadow), hn::GetSysColor(hn::SysColor::DkShadow3D));
    hn::GaugePaintState state;
    state.width = hn::DluToPixelsX(107);
    state.height = hn::DluToPixelsY(9);
    state.animating = true;
    state.lower = 0;
    state.upper = 40;
    const hn::ColorRef face = hn::GetSysColor(hn::SysColor::BtnFace);
    QElapsedTimer clock;
    clock.start();
    unsigned checksum = 0;
    for (int i = 0; i < steps; ++i) {
        state.animOffset = i % hn::kGaugeStripePeriod;
        const QImage image = hn::RenderOffscreen(QSize(state.width, state.height),
                                                 [&](hn::Canvas& canvas) { hn::PaintGauge(canvas, shades, face, state); });
        checksum += image.pixel(i % state.width, 0);
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("%d steps drawn in %.1f ms: %.4f ms a step (checksum %08x)\n", steps, ms, ms / steps, checksum);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool still = argc > 1 && std::strcmp(argv[1], "--static") == 0;
    const int countSeconds = argc > 2 && std::strcmp(argv[1], "--count") == 0 ? std::atoi(argv[2]) : 0;
    if (argc > 2 && std::strcmp(argv[1], "--draw") == 0)
        return TimeDrawing(std::max(1, std::atoi(argv[2])));

    QWidget window;
    window.setWindowTitle(QStringLiteral("gauge-demo"));
    window.resize(hn::DluToPixelsX(107) + 16, hn::DluToPixelsY(9) + 16);
    auto* gauge = new hn::CGaugeBar(&window);
    gauge->setGeometry(8, 8, hn::DluToPixelsX(107), hn::DluToPixelsY(9));
    gauge->SetRange(0, 40);
    gauge->SetPos(15);
    gauge->SetBarColor(hn::ColorRef::Rgb(255, 204, 0));
    gauge->SetAnimate(!still);
    window.show();

    PaintCounter counter;
    QElapsedTimer clock;
    if (countSeconds > 0) {
        gauge->installEventFilter(&counter);
        clock.start();
        QTimer::singleShot(countSeconds * 1000, &app, &QApplication::quit);
    }
    const int rc = app.exec();
    if (countSeconds > 0)
        std::printf("%d paints in %.2f s: %.1f a second\n", counter.paints, clock.elapsed() / 1000.0,
                    counter.paints * 1000.0 / static_cast<double>(clock.elapsed()));
    return rc;
}
