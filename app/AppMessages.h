// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the main window's own message boxes (the calculate command's are in
// calc/CheckMessages.h).
#include <string_view>

namespace hn {

// Followed by the desk calculators looked for, as a list.
inline constexpr std::string_view kNoDeskCalculatorText =
    "電卓のプログラムが見つかりません。\n次のいずれかをインストールしてください:\n";

} // namespace hn
