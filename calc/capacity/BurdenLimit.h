// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The burden-ratio limits lenders lend by: a fixed share of the income, or a
// rule whose share rises with the income. The rules are data (BurdenLimitRules),
// each with the wording it is shown with, so that a changed lender practice is a
// changed table row and the window and the command line show what they apply.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace hn {

// One step of a rule: incomes up to `upToIncomeYen` (below it when `below` is
// set, else up to and including it) carry `percent`. The last tier of a rule
// has no bound and takes every higher income.
struct BurdenLimitTier {
    std::optional<std::int64_t> upToIncomeYen;
    bool below = false;
    int percent = 0;
};

struct BurdenLimitRule {
    std::string_view key;     // as the command line names it: "20" ... "40", "public", "bank"
    std::string_view caption; // short Japanese name for a list
    std::string_view wording; // the rule as it is shown beside the figures
    std::span<const BurdenLimitTier> tiers;
};

// Every rule, fixed shares first: 20 % (the ideal the summary window speaks
// of), 25, 30, 35, 40 %, the public lender's rule and the tiers many banks use.
std::span<const BurdenLimitRule> BurdenLimitRules() noexcept;

// The rule with this key; nullptr when there is none.
const BurdenLimitRule* FindBurdenLimitRule(std::string_view key) noexcept;

// The share in percent that the rule applies to an income (whole yen).
int LimitPercentFor(const BurdenLimitRule& rule, std::int64_t incomeYen) noexcept;

// The annual repayment a lender allows at an income, in whole yen and integer
// arithmetic: incomeYen × percent / 100 (truncated), minus the other debts'
// annual repayment. Negative when the other debts exceed the allowance.
std::int64_t AnnualAllowanceYen(std::int64_t incomeYen, int percent, std::int64_t otherDebtsYen) noexcept;

// The same with the rule's share at that income.
std::int64_t AnnualAllowanceYen(const BurdenLimitRule& rule, std::int64_t incomeYen,
                                std::int64_t otherDebtsYen) noexcept;

// The smallest income in whole 万円 whose allowance under the rule covers
// `annualYen` plus the other debts: for a fixed share, (annual + other debts) ÷
// share rounded up to whole 万円. Found by search, so that it agrees with
// AnnualAllowanceYen to the yen for the tiered rules too.
std::int64_t IncomeNeededMan(const BurdenLimitRule& rule, std::int64_t annualYen, std::int64_t otherDebtsYen) noexcept;

// An amount in 万円 as whole yen, truncated as the window truncates its income;
// empty for NaN, a negative value or one beyond any sensible income.
std::optional<std::int64_t> ManToWholeYen(double man) noexcept;

// Why a screening rate in percent cannot be used (0 counts as not given), or
// nothing when it can: the same bounds as the window's rates.
std::optional<std::string_view> ScreeningRateFault(double percent) noexcept;

} // namespace hn
