// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: one copy at a time, then the calculator window run modally. The
// program's whole life is that modal run.
#include "platform/SingleInstance.h"

namespace hn {

class CHensaiApp {
public:
    // The guard's name, also the lock file's.
    static constexpr const char* kRunningGuard = "HNLOAN01_RUNNING";

    CHensaiApp();
    // Returns the process exit status.
    int Run(int& argc, char** argv);

private:
    bool InitInstance(int& argc, char** argv);
    int ExitInstance();

    SingleInstance m_runningGuard;
};

} // namespace hn
