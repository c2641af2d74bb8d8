// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/CreditBorrowers.h"

#include "calc/MulDivFloor.h"

#include <map>

namespace hn {

std::optional<std::int64_t> ShareOf(std::int64_t yen, Share share) noexcept
{
    if (!share.valid())
        return std::nullopt;
    return MulDivFloor(yen, share.numerator, share.denominator);
}

std::optional<YearAmounts> JointShare(const YearAmounts& balances, Share share)
{
    YearAmounts out;
    out.reserve(balances.size());
    for (const YearAmount& b : balances) {
        const auto part = ShareOf(b.yen, share);
        if (!part)
            return std::nullopt;
        out.push_back({b.year, *part});
    }
    return out;
}

YearAmounts SumOfOwnLoans(std::span<const YearAmounts> loans)
{
    std::map<int, std::int64_t> byYear;
    for (const YearAmounts& loan : loans)
        for (const YearAmount& b : loan)
            byYear[b.year] += b.yen;
    YearAmounts out;
    out.reserve(byYear.size());
    for (const auto& [year, yen] : byYear)
        out.push_back({year, yen});
    return out;
}

} // namespace hn
