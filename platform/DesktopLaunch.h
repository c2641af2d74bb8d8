// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting outside programs: the desk calculator, and the desktop's handler for a web or
// mailto: address. Everything goes through one DesktopLauncher, the desktop's own unless
// another is put in its place; tests put a recorder there so that no real program starts.
#include <QString>
#include <QStringList>

class QUrl;

namespace hn {

class DesktopLauncher {
public:
    virtual ~DesktopLauncher() = default;
    // The full path of a program found on PATH, or an empty string.
    virtual QString FindExecutable(const QString& name) = 0;
    // Starts a program on its own, without a shell and without arguments.
    virtual bool StartDetached(const QString& program) = 0;
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// Puts `launcher` (not owned; it must outlive its use) in place of the current one and
// answers the one it replaced; nullptr puts the desktop's own back.
DesktopLauncher* SetDesktopLauncher(DesktopLauncher* launcher);

// Desk calculators tried in this order; the first one found on PATH is started.
QStringList DeskCalculatorCandidates();
// The program that StartDeskCalculator would start, or an empty string.
QString FindDeskCalculator();

enum class DeskCalculatorStart {
    Started,
    NotFound,      // none of the candidates is installed
    FailedToStart, // one was found but would not start
};
DeskCalculatorStart StartDeskCalculator();

// Opens a web or mailto: address with the desktop's handler.
bool OpenAddress(const QString& address);

} // namespace hn
