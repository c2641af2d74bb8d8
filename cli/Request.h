// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One request to hensai-calc, answered: what goes to standard output and error
// and the exit status. The program's arguments are one request; each line of
// --batch is another.
#include "cli/CliOptions.h"

#include <string>
#include <string_view>

namespace hn {

inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitCheckFailed = 2;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitSelfCheckFailed = 3;

inline constexpr std::string_view kHelpHint = "Try 'hensai-calc --help'.\n";

struct Answer {
    int status = 0;
    std::string out;
    std::string err;
};

// The calculation the options ask for (not --help, --version or --batch).
// `noArguments`: the program was started without any, which earns a hint.
Answer AnswerRequest(const CliOptions& options, bool noArguments);

} // namespace hn
