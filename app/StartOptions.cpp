// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartOptions.h"

#include "Version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace hn {

namespace {

constexpr const char* kHelpText =
    "Usage: hensai-navi [Qt options]\n"
    "       hensai-navi --help | --version\n"
    "Opens the Hensai Navi window, a calculator for Japanese housing loans\n"
    "(返済ナビ: 住宅ローンの返済額を計算します).\n"
    "\n"
    "  -h, --help   show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Only one copy runs at a time; a second one ends at once.\n"
    "The same calculation on the command line: hensai-calc --help.\n"
    "More in hensai-navi(1).\n";

} // namespace

StartAction ReadStartOptions(int argc, const char* const* argv)
{
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--help" || arg == "-h")
            return StartAction::PrintHelp;
        if (arg == "--version")
            return StartAction::PrintVersion;
    }
    return StartAction::RunWindow;
}

int PrintStartText(StartAction action)
{
    constexpr const char* kVersionText = "hensai-navi " HENSAI_VERSION "\n" HENSAI_VERSION_NOTICE;
    std::fputs(action == StartAction::PrintVersion ? kVersionText : kHelpText, stdout);
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    const int err = errno;
    std::fprintf(stderr, "hensai-navi: cannot write to standard output%s%s\n", err ? ": " : "",
                 err ? std::strerror(err) : "");
    return 1;
}

} // namespace hn
