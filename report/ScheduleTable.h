// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A schedule's rows as a report: which columns a view has, each column's heading, and
// what each cell holds and says on screen, on the clipboard and in a file. The
// window's table model, the clipboard, the CSV file and the command line's text and
// JSON all read their rows here; each picks its columns and its style and computes
// nothing. Plain C++.
#include "calc/schedule/ScheduleViews.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hn {

enum class ScheduleColumn {
    Number,       // 回 (within its part)
    Month,        // 年月
    From,         // 開始年月: first month of a loan year
    To,           // 終了年月: last month of a loan year
    Part,         // 区分: 毎月 / ﾎﾞｰﾅｽ
    Year,         // 年目
    Period,       // 期間: first and last month of a loan year
    Payment,      // 返済額
    Interest,     // 支払利息: what the payment paid of interest (返済額 = 支払利息 + 元金)
    Charged,      // 利息: the interest charged for the period, paid or not
    Principal,    // 元金
    Balance,      // 残高 (its own part in the monthly view; both parts in the yearly)
    TotalBalance, // 残高合計 (both parts, monthly view)
    Unpaid,       // 未払利息 still owed after the row (only where some instalment left
                  // interest unpaid), beside the principal
    Rate,         // 適用金利: the yearly rate in force (rows that follow a rate path)
    RatePercent,  // 金利(%): the same as a bare percent, as typed into a rate field
    Prepaid,      // 繰上げ返済: paid ahead right after the instalment (monthly view)
};

// Columns beyond those of a fixed-rate loan without prepayments.
struct ExtraColumns {
    bool rate = false;    // the rows follow a rate path
    bool unpaid = false;  // some instalment leaves interest unpaid, or may
    bool prepaid = false; // some instalment is followed by a prepayment (monthly view only)

    friend bool operator==(const ExtraColumns&, const ExtraColumns&) = default;
};

// How a cell is written:
// - Grouped, for the eye: a comma every three digits, "2027年4月", "2.375%";
// - Plain, for pasting into a spreadsheet: bare digits, months as on screen;
// - Data, for files and the JSON: bare digits, months as "2027-04", rates as typed;
// - Listing, the command line's text: digits grouped, months and rates as data.
// A row without a prepayment leaves that cell blank in every style.
enum class FigureStyle { Grouped, Plain, Data, Listing };

class ScheduleTable {
public:
    ScheduleTable() = default;
    // Every instalment: monthly rows with the bonus instalments in between.
    static ScheduleTable Monthly(std::vector<MonthlyViewRow> rows, ExtraColumns extra);
    static ScheduleTable Monthly(std::vector<MonthlyViewRow> rows, bool withUnpaid)
    {
        return Monthly(std::move(rows), ExtraColumns{false, withUnpaid, false});
    }
    // One row per loan year (one loan or several together). A year has no single rate
    // and its prepayments are part of its payment: of the extra columns only unpaid
    // interest applies.
    static ScheduleTable Yearly(std::vector<YearlyRow> rows, ExtraColumns extra);
    static ScheduleTable Yearly(std::vector<YearlyRow> rows, bool withUnpaid)
    {
        return Yearly(std::move(rows), ExtraColumns{false, withUnpaid, false});
    }
    // The same rows in columns of the caller's choosing (a file's or the command
    // line's layout).
    static ScheduleTable Monthly(std::vector<MonthlyViewRow> rows, std::vector<ScheduleColumn> columns);
    static ScheduleTable Yearly(std::vector<YearlyRow> rows, std::vector<ScheduleColumn> columns);

    bool isMonthly() const noexcept { return m_monthlyView; }
    int rowCount() const noexcept;
    int columnCount() const noexcept { return static_cast<int>(m_columns.size()); }
    ScheduleColumn column(int index) const { return m_columns.at(static_cast<std::size_t>(index)); }
    int columnOf(ScheduleColumn c) const noexcept; // -1 when the view has no such column

    // The heading of a column ("返済額" ...).
    std::string heading(int column) const;
    // The figure of a money column, none for a text column (and for a row without a
    // prepayment in the prepaid column, which stays blank).
    std::optional<std::int64_t> figure(int row, int column) const;
    // The whole number of a 回 or 年目 cell; none for any other column.
    std::optional<int> count(int row, int column) const;
    // What a cell says.
    std::string text(int row, int column, FigureStyle style = FigureStyle::Grouped) const;
    // A bonus instalment's row (the window sets it apart).
    bool isBonusRow(int row) const;
    // The JSON's name of a column ("payment", "interestPaid", ...).
    static std::string_view key(ScheduleColumn c) noexcept;

    const std::vector<MonthlyViewRow>& monthlyRows() const noexcept { return m_monthly; }
    const std::vector<YearlyRow>& yearlyRows() const noexcept { return m_yearly; }

private:
    ScheduleTable(bool monthlyView, std::vector<ScheduleColumn> columns, std::vector<MonthlyViewRow> monthly,
                  std::vector<YearlyRow> yearly)
        : m_monthlyView(monthlyView), m_columns(std::move(columns)), m_monthly(std::move(monthly)),
          m_yearly(std::move(yearly))
    {
    }

    bool m_monthlyView = true;
    std::vector<ScheduleColumn> m_columns;
    std::vector<MonthlyViewRow> m_monthly;
    std::vector<YearlyRow> m_yearly;
};

// True for the columns that hold figures (right-aligned, summed by a spreadsheet).
bool IsFigureColumn(ScheduleColumn c) noexcept;

// Tab-separated headings and rows (figures as bare digits), for pasting into a
// spreadsheet; `rows` empty means all rows.
std::string ScheduleTabText(const ScheduleTable& table, const std::vector<int>& rows = {});

} // namespace hn
