// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace hn {

// `pattern` with %1, %2 ... replaced by `args` in order.
std::string FillIn(std::string_view pattern, const std::vector<std::string>& args);

} // namespace hn
