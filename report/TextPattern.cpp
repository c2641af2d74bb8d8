// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TextPattern.h"

namespace hn {

std::string FillIn(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += args[index];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace hn
