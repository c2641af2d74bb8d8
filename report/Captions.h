// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Captions several reports give the same figure, in one place. A caption only one
// report uses stays beside that report.
#include <string_view>

namespace hn {

inline constexpr std::string_view kCaptionMonthly = "毎月返済額";
inline constexpr std::string_view kCaptionBonus = "ﾎﾞｰﾅｽ返済額";
inline constexpr std::string_view kCaptionAnnual = "年間返済額";
inline constexpr std::string_view kCaptionTotal = "総返済額";

} // namespace hn
