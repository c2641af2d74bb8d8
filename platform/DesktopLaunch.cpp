// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLaunch.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace hn {

namespace {

class SystemLauncher final : public DesktopLauncher {
public:
    QString FindExecutable(const QString& name) override { return QStandardPaths::findExecutable(name); }
    // No shell: the path is run as it is.
    bool StartDetached(const QString& program) override { return QProcess::startDetached(program, {}); }
    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

SystemLauncher g_system;
DesktopLauncher* g_launcher = &g_system;

} // namespace

DesktopLauncher* SetDesktopLauncher(DesktopLauncher* launcher)
{
    DesktopLauncher* previous = g_launcher;
    g_launcher = launcher ? launcher : &g_system;
    return previous;
}

QStringList DeskCalculatorCandidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),       QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("mate-calc"),   QStringLiteral("speedcrunch"),
            QStringLiteral("xcalc")};
}

QString FindDeskCalculator()
{
    for (const QString& name : DeskCalculatorCandidates()) {
        const QString path = g_launcher->FindExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

DeskCalculatorStart StartDeskCalculator()
{
    const QString program = FindDeskCalculator();
    if (program.isEmpty())
        return DeskCalculatorStart::NotFound;
    return g_launcher->StartDetached(program) ? DeskCalculatorStart::Started : DeskCalculatorStart::FailedToStart;
}

bool OpenAddress(const QString& address)
{
    return g_launcher->OpenUrl(QUrl(address, QUrl::StrictMode));
}

} // namespace hn
