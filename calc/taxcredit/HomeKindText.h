// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a kind of home reads: its caption and the name the command line gives it.
#include "calc/taxcredit/CreditLimitTable.h"

#include <optional>
#include <string_view>

namespace hn {

// "認定住宅（長期優良住宅・低炭素住宅）" ...
std::string_view HomeKindCaption(HomeKind kind) noexcept;
// "certified", "zeh", "energy", "other", "existing-certified", "existing-zeh",
// "existing-energy", "existing".
std::string_view HomeKindName(HomeKind kind) noexcept;
std::optional<HomeKind> HomeKindFromName(std::string_view name) noexcept;

bool IsExistingHome(HomeKind kind) noexcept;

} // namespace hn
