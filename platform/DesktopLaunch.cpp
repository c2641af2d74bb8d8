#include "platform/DesktopLaunch.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace hn {

QStringList DeskCalculatorCandidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),       QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("mate-calc"),   QStringLiteral("speedcrunch"),
            QStringLiteral("xcalc")};
}

QString FindDeskCalculator()
{
    for (const QString& name : DeskCalculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool StartDeskCalculator()
{
    const QString program = FindDeskCalculator();
    // No shell: the path is run as it is.
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

bool OpenAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

} // namespace hn
