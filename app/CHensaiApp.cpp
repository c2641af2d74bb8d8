// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CHensaiApp.h"

#include "app/CLoanDlg.h"
#include "app/StartOptions.h"
#include "platform/DeferredIconStyle.h"
#include "platform/DialogFont.h"
#include "platform/QtTranslations.h"

#include "AppConfig.h"
#include "Version.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace hn {

namespace {

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

CHensaiApp::CHensaiApp() : m_runningGuard(kRunningGuard) {}

int CHensaiApp::Run(int& argc, char** argv)
{
    // --help and --version answer at once: no lock taken, no display needed.
    if (const StartAction action = ReadStartOptions(argc, argv); action != StartAction::RunWindow)
        return PrintStartText(action);

    const bool ran = InitInstance(argc, argv);
    const int status = ExitInstance();
    return ran ? status : (HasDisplay() ? 0 : 1);
}

bool CHensaiApp::InitInstance(int& argc, char** argv)
{
    // A second copy ends at once and silently; the running one is left as it is. Without
    // a guard the program still runs, and says why.
    switch (m_runningGuard.TryAcquire()) {
    case SingleInstance::Result::HeldElsewhere:
        return false;
    case SingleInstance::Result::Unavailable:
        std::fprintf(stderr, "hensai-navi: running without the one-copy guard: %s\n",
                     m_runningGuard.WhyUnavailable().c_str());
        break;
    case SingleInstance::Result::Acquired:
        break;
    }

    // The guard ignored a relative runtime folder; so must Qt, which would otherwise make
    // that folder in whatever folder the program was started from.
    if (const std::string ignored = SingleInstance::IgnoredRuntimeFolder(); !ignored.empty()) {
        std::fprintf(stderr, "hensai-navi: XDG_RUNTIME_DIR=%s is not an absolute path; ignored\n", ignored.c_str());
        qunsetenv("XDG_RUNTIME_DIR");
    }

    if (!HasDisplay()) {
        std::fprintf(stderr, "hensai-navi: no display to show the window on; "
                             "run it under a virtual display: xvfb-run -a hensai-navi\n");
        return false;
    }

    // The windows are small and the only animation repaints a gauge strip forty times a
    // second. Through X shared memory every such flush waits for a completion event, an
    // extra wake-up that costs more than sending the few kilobytes over the socket
    // (measured: 1.9 % of a core against 1.4 %). A user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hensai-navi"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hensai Navi"));
    QApplication::setApplicationVersion(QStringLiteral(HENSAI_VERSION));
    // Ties the window to the installed desktop entry (its icon and name in the
    // task bar under Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral(HENSAI_APP_ID));
    QApplication::setStyle(new DeferredIconStyle);  // the application owns it
    QApplication::setFont(DialogFont());
    // Qt's own dialogs (the CSV file dialog) speak the user's language.
    InstallQtTranslations(app);
    if (!HasJapaneseFont())
        std::fprintf(stderr, "hensai-navi: no Japanese font found; texts will show as empty boxes "
                             "(install fonts-ipafont-gothic)\n");

    CLoanDlg dlg;
    dlg.exec();
    return true;
}

int CHensaiApp::ExitInstance()
{
    m_runningGuard.Release();
    return 0;
}

} // namespace hn
