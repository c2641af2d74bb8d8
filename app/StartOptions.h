// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options hensai-navi answers itself, before it takes the single-instance
// lock or opens a window: --help and --version. Everything else goes to Qt.
namespace hn {

enum class StartAction {
    RunWindow,
    PrintHelp,
    PrintVersion,
};

StartAction ReadStartOptions(int argc, const char* const* argv);

// Prints the help or version text; returns the process exit status (1 when
// standard output cannot be written).
int PrintStartText(StartAction action);

} // namespace hn
