// gauge-demo: one gauge bar in its animation mode, amber as the summary window shows it
// while there is no ratio, at the summary window's size. bench/cpu-usage.sh measures
// what the running animation costs.
//   gauge-demo                 animating until closed
//   gauge-demo --static        the same gauge at a fixed position, no timer
//   gauge-demo --count SECONDS animate for SECONDS, then print how many times the
//                              gauge was painted (to check the 40 steps a second)
#include "controls/CGaugeBar.h"
#include "platform/DialogTemplate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool still = argc > 1 && std::strcmp(argv[1], "--static") == 0;
    const int countSeconds = argc > 2 && std::strcmp(argv[1], "--count") == 0 ? std::atoi(argv[2]) : 0;

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
