// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Early repayment (繰上げ返済) on a repayment schedule. A prepayment is paid
// right after a monthly instalment and goes wholly to the principal; the rows
// after it are recomputed with the schedule's own row arithmetic
// (AmortisedRow), so the prepaid schedule carries the same self-checks as any
// other. The prepaid amount is shown in the row it follows (ScheduleRow::prepaid)
// and is part of that row's payment and principal.
//
// The three ways the rest of the loan can go on:
// - Reduce (返済額軽減型): same end, smaller instalments. The balance is
//   re-amortised at once over the instalments that remain of the annuity the
//   current instalment was formed over (the end of the loan; for the first five
//   years of the reduced-payment methods their 50-year annuity), at the rate of
//   the next instalment. A later re-amortisation of the method (month 61, 121;
//   bonus 11, 21) recomputes from the balance then, over the instalments left.
//   Equal principal: the principal share becomes the balance over the
//   instalments left. Never below the instalment (share) before, scaled down
//   with the balance: so a prepayment never raises the interest, also after a
//   期間短縮型 one left a shorter last instalment.
// - Shorten (期間短縮型): every later instalment keeps its amount in the
//   schedule before the prepayment (equal principal: its principal share), and
//   the loan ends with the first instalment that clears the balance, which
//   settles it as the last instalment of a schedule does.
// - ShortenWhole (期間短縮型, 回数単位): the prepayment repays the principal parts
//   of the next whole instalments of the schedule; those instalments drop out
//   and the ones after them move up, unchanged. Only what those whole
//   principal parts add up to is used. The rows keep their planned numbers
//   (ScheduleRow::plannedNumber): a later re-amortisation follows them.
//
// The bonus part is untouched unless part of the amount is directed to it; that
// part is paid right after the last bonus instalment due by the monthly
// instalment named (bonus instalment k / 6), the same way.
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleChecks.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace hn {

enum class PrepayMode {
    Reduce,       // 返済額軽減型
    Shorten,      // 期間短縮型
    ShortenWhole, // 期間短縮型 (回数単位)
};

struct Prepayment {
    int instalment = 0;              // paid right after this monthly instalment ("after year y": 12y)
    std::int64_t amountYen = 0;      // towards the monthly part; more than its balance pays the balance
    std::int64_t bonusAmountYen = 0; // towards the bonus part, after bonus instalment instalment / 6
    PrepayMode mode = PrepayMode::Shorten;
};

struct AppliedPrepayment {
    Prepayment asked;
    std::int64_t usedYen = 0;      // monthly part: what was paid (at most the balance; ShortenWhole: whole instalments)
    int droppedInstalments = 0;    // monthly instalments fewer than before it
    std::int64_t nextInstalmentYen = 0; // the monthly instalment right after it; 0 when the part ended with it
    int bonusInstalment = 0;       // the bonus instalment it followed; 0 when nothing went to the bonus part
    std::int64_t bonusUsedYen = 0;
    int droppedBonus = 0;
    std::int64_t nextBonusYen = 0;
};

struct PrepaymentOutcome {
    bool ok = false;
    std::string_view message; // when !ok: one of PlanningMessages.h
    Schedule before;          // as given
    Schedule after;           // with the prepayments
    std::vector<AppliedPrepayment> applied; // in the order applied: by instalment, then as listed

    ScheduleTotals totalsBefore;
    ScheduleTotals totalsAfter;  // payments include the prepaid amounts
    std::int64_t interestSaved = 0; // Σ interest before − after
    std::int64_t prepaidYen = 0;    // Σ used, both parts
    ScheduleCheckReport checks;     // CheckSchedule(after)

    int monthsBefore() const noexcept { return static_cast<int>(before.monthly.rows.size()); }
    int monthsAfter() const noexcept { return static_cast<int>(after.monthly.rows.size()); }
    int bonusBefore() const noexcept { return static_cast<int>(before.bonus.rows.size()); }
    int bonusAfter() const noexcept { return static_cast<int>(after.bonus.rows.size()); }
};

// Applies the prepayments to a schedule (one that BuildSchedule made, or one
// already prepaid). Messages: the schedule is not Ok; an instalment number
// below 1 or an amount below 0; an instalment at or after the part's last one;
// an amount for the bonus part of a loan without one, or before its first
// bonus instalment, or after its last.
PrepaymentOutcome ApplyPrepayments(const Schedule& schedule, std::span<const Prepayment> prepayments);

// One prepayment each way, side by side (the mode of `prepayment` is ignored).
struct PrepaymentComparison {
    PrepaymentOutcome reduce;
    PrepaymentOutcome shorten;
    PrepaymentOutcome shortenWhole;
};
PrepaymentComparison ComparePrepayModes(const Schedule& schedule, const Prepayment& prepayment);

// "reduce", "shorten", "shorten-whole", as the command line names them.
std::string_view PrepayModeName(PrepayMode mode) noexcept;
std::optional<PrepayMode> PrepayModeFromName(std::string_view name) noexcept;
// "返済額軽減型", "期間短縮型", "期間短縮型 (回数単位)".
std::string_view PrepayModeCaption(PrepayMode mode) noexcept;

} // namespace hn
