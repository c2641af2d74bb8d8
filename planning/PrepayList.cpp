// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PrepayList.h"

#include "calc/CheckedInt.h"
#include "calc/DecimalText.h"
#include "calc/capacity/BurdenLimit.h"
#include "calc/rates/RatePath.h"
#include "calc/schedule/PrepaymentMessages.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace hn {

namespace {

std::string Trimmed(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' && c != ',' && c != '\t')
            out += c;
    return out;
}

std::string RowMessage(int row, std::string_view message)
{
    return std::to_string(row) + "行目: " + std::string(message);
}

} // namespace

PrepayList ReadPrepayList(std::span<const PrepayRowText> rows)
{
    PrepayList list;
    const auto refuse = [&](int row, std::string_view message, int column = 0) {
        list.prepayments.clear();
        list.rows.clear();
        list.faultyRow = row;
        list.faultyColumn = column;
        list.message = row > 0 ? RowMessage(row, message) : std::string(message);
        return list;
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const std::string k = Trimmed(rows[i].instalment);
        const std::string amount = Trimmed(rows[i].amountMan);
        const std::string bonus = Trimmed(rows[i].bonusMan);
        if (k.empty() && amount.empty() && bonus.empty())
            continue;
        const std::optional<double> n = ParseDecimal(k);
        const std::optional<int> instalment = n ? WholeNumberIn(*n, 1, kMaxPathMonth) : std::nullopt;
        if (!instalment)
            return refuse(row, kMsgPrepayInstalmentInvalid, 0);
        const std::optional<double> man = ParseDecimal(amount);
        const std::optional<std::int64_t> yen = man && *man > 0 ? ManToWholeYen(*man) : std::nullopt;
        if (!yen || *yen <= 0)
            return refuse(row, kMsgPrepayAmountInvalid, 1);
        std::int64_t bonusYen = 0;
        if (!bonus.empty()) {
            const std::optional<double> b = ParseDecimal(bonus);
            const std::optional<std::int64_t> by = b && *b >= 0 ? ManToWholeYen(*b) : std::nullopt;
            if (!by)
                return refuse(row, kMsgPrepayBonusInvalid, 2);
            if (*by > *yen)
                return refuse(row, kMsgPrepayBonusOverAmount, 2);
            bonusYen = *by;
        }
        Prepayment p;
        p.instalment = *instalment;
        p.amountYen = *yen - bonusYen;
        p.bonusAmountYen = bonusYen;
        list.prepayments.push_back(p);
        list.rows.push_back(row);
    }
    if (list.prepayments.empty())
        return refuse(0, kMsgPrepayListEmpty);
    return list;
}

const PrepaymentOutcome& PrepayWays::Outcome(PrepayMode mode) const noexcept
{
    switch (mode) {
    case PrepayMode::Reduce:
        return outcomes.reduce;
    case PrepayMode::Shorten:
        return outcomes.shorten;
    case PrepayMode::ShortenWhole:
        break;
    }
    return outcomes.shortenWhole;
}

bool PrepayWays::anyOk() const noexcept
{
    return outcomes.reduce.ok || outcomes.shorten.ok || outcomes.shortenWhole.ok;
}

PrepayWays ApplyEachWay(const Schedule& schedule, const PrepayList& list)
{
    PrepayWays ways;
    // The order calc applies them in: by instalment, then as listed.
    std::vector<std::size_t> order(list.prepayments.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return list.prepayments[a].instalment < list.prepayments[b].instalment;
    });
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        std::vector<Prepayment> ordered;
        for (std::size_t i : order) {
            ordered.push_back(list.prepayments[i]);
            ordered.back().mode = mode;
        }
        PrepaymentOutcome outcome = ApplyPrepayments(schedule, ordered);
        std::string message;
        if (!outcome.ok) {
            // The first prepayment whose addition is refused is the one at fault.
            std::size_t faulty = ordered.size() - 1;
            for (std::size_t n = 1; n < ordered.size(); ++n)
                if (!ApplyPrepayments(schedule, std::span<const Prepayment>(ordered.data(), n)).ok) {
                    faulty = n - 1;
                    break;
                }
            message = RowMessage(list.rows.at(order[faulty]), outcome.message);
        }
        ways.messages[static_cast<std::size_t>(mode)] = std::move(message);
        switch (mode) {
        case PrepayMode::Reduce: ways.outcomes.reduce = std::move(outcome); break;
        case PrepayMode::Shorten: ways.outcomes.shorten = std::move(outcome); break;
        case PrepayMode::ShortenWhole: ways.outcomes.shortenWhole = std::move(outcome); break;
        }
    }
    return ways;
}

} // namespace hn
