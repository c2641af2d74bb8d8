// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/capacity/BurdenLimit.h"

#include "calc/CheckedInt.h"
#include "calc/Repayment.h"
#include "calc/capacity/PlanningMessages.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hn {

namespace {

constexpr std::int64_t kManYen = 10000;

constexpr BurdenLimitTier kFlat20[] = {{std::nullopt, false, 20}};
constexpr BurdenLimitTier kFlat25[] = {{std::nullopt, false, 25}};
constexpr BurdenLimitTier kFlat30[] = {{std::nullopt, false, 30}};
constexpr BurdenLimitTier kFlat35[] = {{std::nullopt, false, 35}};
constexpr BurdenLimitTier kFlat40[] = {{std::nullopt, false, 40}};

// The public lender: 30 % below 400 万円, 35 % from 400 万円 on.
constexpr BurdenLimitTier kPublic[] = {
    {400 * kManYen, true, 30},
    {std::nullopt, false, 35},
};

// The tiers many banks use: 25 % up to 300 万円, 30 % up to 400 万円, 35 % up to
// 600 万円, 40 % above.
constexpr BurdenLimitTier kBank[] = {
    {300 * kManYen, false, 25},
    {400 * kManYen, false, 30},
    {600 * kManYen, false, 35},
    {std::nullopt, false, 40},
};

constexpr std::array<BurdenLimitRule, 7> kRules = {{
    {"20", "20%", "年収の20%まで (理想とされる返済負担率)", kFlat20},
    {"25", "25%", "年収の25%まで", kFlat25},
    {"30", "30%", "年収の30%まで", kFlat30},
    {"35", "35%", "年収の35%まで", kFlat35},
    {"40", "40%", "年収の40%まで", kFlat40},
    {"public", "公的融資の基準", "年収400万円未満は30%、400万円以上は35%まで (公的融資の基準)", kPublic},
    {"bank", "銀行の段階基準",
     "年収300万円までは25%、400万円までは30%、600万円までは35%、600万円を超えると40%まで (多くの銀行の基準)",
     kBank},
}};

bool InTier(const BurdenLimitTier& tier, std::int64_t incomeYen) noexcept
{
    if (!tier.upToIncomeYen)
        return true;
    return tier.below ? incomeYen < *tier.upToIncomeYen : incomeYen <= *tier.upToIncomeYen;
}

} // namespace

std::span<const BurdenLimitRule> BurdenLimitRules() noexcept
{
    return kRules;
}

const BurdenLimitRule* FindBurdenLimitRule(std::string_view key) noexcept
{
    for (const BurdenLimitRule& rule : kRules)
        if (rule.key == key)
            return &rule;
    return nullptr;
}

int LimitPercentFor(const BurdenLimitRule& rule, std::int64_t incomeYen) noexcept
{
    for (const BurdenLimitTier& tier : rule.tiers)
        if (InTier(tier, incomeYen))
            return tier.percent;
    return rule.tiers.empty() ? 0 : rule.tiers.back().percent;
}

std::int64_t AnnualAllowanceYen(std::int64_t incomeYen, int percent, std::int64_t otherDebtsYen) noexcept
{
    return incomeYen * percent / 100 - otherDebtsYen;
}

std::int64_t AnnualAllowanceYen(const BurdenLimitRule& rule, std::int64_t incomeYen,
                                std::int64_t otherDebtsYen) noexcept
{
    return AnnualAllowanceYen(incomeYen, LimitPercentFor(rule, incomeYen), otherDebtsYen);
}

std::int64_t IncomeNeededMan(const BurdenLimitRule& rule, std::int64_t annualYen, std::int64_t otherDebtsYen) noexcept
{
    const std::int64_t burden = std::max<std::int64_t>(annualYen, 0) + std::max<std::int64_t>(otherDebtsYen, 0);
    if (burden == 0 || rule.tiers.empty())
        return 0;
    // The allowance grows with the income (every rule's share rises with it), so
    // the incomes that cover the burden are all those from some point on.
    int smallest = 100;
    for (const BurdenLimitTier& tier : rule.tiers)
        smallest = std::min(smallest, tier.percent);
    if (smallest <= 0)
        return 0;
    std::int64_t lo = 0; // does not cover the burden
    std::int64_t hi = burden * 100 / (std::int64_t{smallest} * kManYen) + 1; // covers it at the smallest share
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (AnnualAllowanceYen(rule, mid * kManYen, otherDebtsYen) >= annualYen)
            hi = mid;
        else
            lo = mid;
    }
    return hi;
}

std::optional<std::int64_t> ManToWholeYen(double man) noexcept
{
    return TruncateToExactWhole(man * 10000.0);
}

std::optional<std::string_view> ScreeningRateFault(double percent) noexcept
{
    if (percent == 0.0)
        return kMsgScreeningRateMissing;
    const double rate = percent * 0.01;
    if (!(rate >= kMinRate))
        return kMsgScreeningRateInvalid;
    if (rate > kMaxRate)
        return kMsgScreeningRateTooLarge;
    return std::nullopt;
}

} // namespace hn
