// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The early-repayment section's list of prepayments as typed, one row each, read
// into prepayments and applied each way. Plain C++: the window only shows what this
// says.
#include "calc/schedule/Prepayment.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

inline constexpr std::string_view kMsgPrepayListEmpty = "繰上げ返済を1行以上入力してください";
inline constexpr std::string_view kMsgPrepayBonusOverAmount = "内ﾎﾞｰﾅｽ分は繰上げ返済額以下で入力してください";
inline constexpr std::string_view kMsgPrepayBonusInvalid = "内ﾎﾞｰﾅｽ分を正しく入力してください";

// One row of the list: instalment k, the amount in 万円 and the part of it that goes
// to the bonus part (empty: none), as the cells hold them.
struct PrepayRowText {
    std::string instalment;
    std::string amountMan;
    std::string bonusMan;
    friend bool operator==(const PrepayRowText&, const PrepayRowText&) = default;
};

struct PrepayList {
    std::vector<Prepayment> prepayments; // the filled rows, in their order
    std::vector<int> rows;               // the row (from 1) each came from
    std::string message;                 // "2行目: 繰上げ返済額を正しく入力してください"; empty when sound
    int faultyRow = 0;                   // the row (from 1) the message is about; 0 for the whole list
    int faultyColumn = 0;                // the cell at fault: 0 instalment, 1 amount, 2 bonus part

    bool ok() const noexcept { return message.empty(); }
};

// Rows with every cell empty are left out. A row needs a whole instalment number from
// 1 and an amount above 0 (万円, to the yen); its bonus part may not exceed it. A fault
// names the row and the field.
PrepayList ReadPrepayList(std::span<const PrepayRowText> rows);

// The list applied once each way (every row that way), side by side. Where a way
// refuses the list, its message names the row at fault ("3行目: その回ではすでに完済
// しています": an earlier row already ended the loan that way).
struct PrepayWays {
    PrepaymentComparison outcomes;
    std::array<std::string, 3> messages; // by PrepayMode; empty where that way is ok

    const PrepaymentOutcome& Outcome(PrepayMode mode) const noexcept;
    const std::string& Message(PrepayMode mode) const noexcept { return messages[static_cast<std::size_t>(mode)]; }
    bool anyOk() const noexcept;
};

PrepayWays ApplyEachWay(const Schedule& schedule, const PrepayList& list);

} // namespace hn
