// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for the desktop while it exists: records the programs and addresses the
// windows would start or open, and starts nothing. `installed` names the programs that
// count as found on PATH. The test main keeps one in place for the whole run, so no
// test ever starts a real program; a test that looks at the records makes its own.
#include "platform/DesktopLaunch.h"

#include <QStringList>
#include <QUrl>

namespace hn::test {

class LaunchRecorder final : public DesktopLauncher {
public:
    LaunchRecorder() : m_previous(SetDesktopLauncher(this)) {}
    ~LaunchRecorder() override { SetDesktopLauncher(m_previous); }
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;

    QString FindExecutable(const QString& name) override
    {
        return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    bool StartDetached(const QString& program) override
    {
        started << program;
        return true;
    }
    bool OpenUrl(const QUrl& url) override
    {
        opened << url.toString();
        return true;
    }

    QStringList installed;
    QStringList started;
    QStringList opened;

private:
    DesktopLauncher* m_previous;
};

} // namespace hn::test
