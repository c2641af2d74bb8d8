// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ScheduleTable.h"

#include "calc/schedule/ScheduleTexts.h"
#include "report/Units.h"

#include <algorithm>

namespace hn {

namespace {

std::vector<ScheduleColumn> MonthlyColumns(ExtraColumns extra)
{
    using C = ScheduleColumn;
    std::vector<C> columns{C::Number, C::Month, C::Part};
    if (extra.rate)
        columns.push_back(C::Rate);
    columns.push_back(C::Payment);
    // Right after the payment it is part of.
    if (extra.prepaid)
        columns.push_back(C::Prepaid);
    // 返済額 = 支払利息 + 元金, with what is left unpaid beside them.
    columns.insert(columns.end(), {C::Interest, C::Principal});
    if (extra.unpaid)
        columns.push_back(C::Unpaid);
    columns.insert(columns.end(), {C::Balance, C::TotalBalance});
    return columns;
}

std::vector<ScheduleColumn> YearlyColumns(ExtraColumns extra)
{
    using C = ScheduleColumn;
    std::vector<C> columns{C::Year, C::Period, C::Payment, C::Interest, C::Principal};
    if (extra.unpaid)
        columns.push_back(C::Unpaid);
    columns.push_back(C::Balance);
    return columns;
}

std::string FigureText(std::int64_t value, FigureStyle style)
{
    const bool grouped = style == FigureStyle::Grouped || style == FigureStyle::Listing;
    return grouped ? Bare(Quantity::Yen(value)) : std::to_string(value);
}

std::string MonthText(YearMonth month, FigureStyle style)
{
    const bool data = style == FigureStyle::Data || style == FigureStyle::Listing;
    return data ? IsoText(month) : Bare(Quantity::Month(month));
}

} // namespace

ScheduleTable ScheduleTable::Monthly(std::vector<MonthlyViewRow> rows, ExtraColumns extra)
{
    return Monthly(std::move(rows), MonthlyColumns(extra));
}

ScheduleTable ScheduleTable::Yearly(std::vector<YearlyRow> rows, ExtraColumns extra)
{
    return Yearly(std::move(rows), YearlyColumns(extra));
}

ScheduleTable ScheduleTable::Monthly(std::vector<MonthlyViewRow> rows, std::vector<ScheduleColumn> columns)
{
    return ScheduleTable(true, std::move(columns), std::move(rows), {});
}

ScheduleTable ScheduleTable::Yearly(std::vector<YearlyRow> rows, std::vector<ScheduleColumn> columns)
{
    return ScheduleTable(false, std::move(columns), {}, std::move(rows));
}

int ScheduleTable::rowCount() const noexcept
{
    return static_cast<int>(m_monthlyView ? m_monthly.size() : m_yearly.size());
}

int ScheduleTable::columnOf(ScheduleColumn c) const noexcept
{
    const auto it = std::find(m_columns.begin(), m_columns.end(), c);
    return it == m_columns.end() ? -1 : static_cast<int>(it - m_columns.begin());
}

std::string ScheduleTable::heading(int index) const
{
    switch (column(index)) {
    case ScheduleColumn::Number: return std::string(kColNumber);
    case ScheduleColumn::Month: return std::string(kColMonth);
    case ScheduleColumn::From: return std::string(kColFrom);
    case ScheduleColumn::To: return std::string(kColTo);
    case ScheduleColumn::Part: return std::string(kColPart);
    case ScheduleColumn::Year: return std::string(kColYear);
    case ScheduleColumn::Period: return std::string(kColPeriod);
    case ScheduleColumn::Payment: return std::string(kColPayment);
    case ScheduleColumn::Interest: return std::string(kColInterestPaid);
    case ScheduleColumn::Charged: return std::string(kColInterest);
    case ScheduleColumn::Principal: return std::string(kColPrincipal);
    case ScheduleColumn::Balance: return std::string(kColBalance);
    case ScheduleColumn::TotalBalance: return std::string(kColTotalBalance);
    case ScheduleColumn::Unpaid: return std::string(kColUnpaid);
    case ScheduleColumn::Rate: return std::string(kColRateInForce);
    case ScheduleColumn::RatePercent: return std::string(kColRatePercent);
    case ScheduleColumn::Prepaid: return std::string(kColPrepaid);
    }
    return {};
}

bool IsFigureColumn(ScheduleColumn c) noexcept
{
    switch (c) {
    case ScheduleColumn::Payment:
    case ScheduleColumn::Interest:
    case ScheduleColumn::Charged:
    case ScheduleColumn::Principal:
    case ScheduleColumn::Balance:
    case ScheduleColumn::TotalBalance:
    case ScheduleColumn::Unpaid:
    case ScheduleColumn::Rate:
    case ScheduleColumn::RatePercent:
    case ScheduleColumn::Prepaid:
        return true;
    default:
        return false;
    }
}

std::optional<std::int64_t> ScheduleTable::figure(int row, int index) const
{
    const ScheduleColumn c = column(index);
    if (m_monthlyView) {
        const MonthlyViewRow& r = m_monthly.at(static_cast<std::size_t>(row));
        switch (c) {
        case ScheduleColumn::Payment: return r.row.payment;
        case ScheduleColumn::Interest: return InterestPaid(r.row);
        case ScheduleColumn::Charged: return r.row.interest;
        case ScheduleColumn::Principal: return r.row.principal;
        case ScheduleColumn::Balance: return r.row.balance;
        case ScheduleColumn::TotalBalance: return r.totalBalance;
        case ScheduleColumn::Unpaid: return r.row.unpaidInterest;
        case ScheduleColumn::Prepaid:
            return r.row.prepaid != 0 ? std::optional<std::int64_t>(r.row.prepaid) : std::nullopt;
        default: return std::nullopt;
        }
    }
    const YearlyRow& r = m_yearly.at(static_cast<std::size_t>(row));
    switch (c) {
    case ScheduleColumn::Payment: return r.payment;
    case ScheduleColumn::Interest: return r.interestPaid();
    case ScheduleColumn::Charged: return r.interest;
    case ScheduleColumn::Principal: return r.principal;
    case ScheduleColumn::Balance: return r.balance;
    case ScheduleColumn::Unpaid: return r.unpaidInterest;
    default: return std::nullopt;
    }
}

std::optional<int> ScheduleTable::count(int row, int index) const
{
    const ScheduleColumn c = column(index);
    if (c != ScheduleColumn::Number && c != ScheduleColumn::Year)
        return std::nullopt;
    if (m_monthlyView) {
        const MonthlyViewRow& r = m_monthly.at(static_cast<std::size_t>(row));
        return c == ScheduleColumn::Number ? r.row.number : r.year;
    }
    if (c == ScheduleColumn::Number)
        return std::nullopt;
    return m_yearly.at(static_cast<std::size_t>(row)).year;
}

std::string ScheduleTable::text(int row, int index, FigureStyle style) const
{
    if (const std::optional<std::int64_t> value = figure(row, index))
        return FigureText(*value, style);
    if (const std::optional<int> n = count(row, index))
        return std::to_string(*n);
    const ScheduleColumn c = column(index);
    if (m_monthlyView) {
        const MonthlyViewRow& r = m_monthly.at(static_cast<std::size_t>(row));
        switch (c) {
        case ScheduleColumn::Month: return MonthText(r.when, style);
        case ScheduleColumn::Part:
            return std::string(r.part == SchedulePartKind::Monthly ? kPartMonthly : kPartBonus);
        case ScheduleColumn::Rate:
        case ScheduleColumn::RatePercent:
            // As typed into a rate field; on screen with its unit unless the heading has it.
            return style == FigureStyle::Grouped && c == ScheduleColumn::Rate ? Text(Quantity::Rate(r.row.yearlyRate))
                                                                              : Bare(Quantity::Rate(r.row.yearlyRate));
        default: return {};
        }
    }
    const YearlyRow& r = m_yearly.at(static_cast<std::size_t>(row));
    switch (c) {
    case ScheduleColumn::Period:
        return r.from.year == 0 ? std::string() : MonthText(r.from, style) + "～" + MonthText(r.to, style);
    case ScheduleColumn::From: return MonthText(r.from, style);
    case ScheduleColumn::To: return MonthText(r.to, style);
    default: return {};
    }
}

std::string_view ScheduleTable::key(ScheduleColumn c) noexcept
{
    switch (c) {
    case ScheduleColumn::Number: return "number";
    case ScheduleColumn::Month: return "month";
    case ScheduleColumn::From: return "from";
    case ScheduleColumn::To: return "to";
    case ScheduleColumn::Part: return "part";
    case ScheduleColumn::Year: return "year";
    case ScheduleColumn::Period: return "period";
    case ScheduleColumn::Payment: return "payment";
    case ScheduleColumn::Interest: return "interestPaid";
    case ScheduleColumn::Charged: return "interest";
    case ScheduleColumn::Principal: return "principal";
    case ScheduleColumn::Balance: return "balance";
    case ScheduleColumn::TotalBalance: return "totalBalance";
    case ScheduleColumn::Unpaid: return "unpaidInterest";
    case ScheduleColumn::Rate:
    case ScheduleColumn::RatePercent: return "ratePercent";
    case ScheduleColumn::Prepaid: return "prepaid";
    }
    return {};
}

bool ScheduleTable::isBonusRow(int row) const
{
    return m_monthlyView && m_monthly.at(static_cast<std::size_t>(row)).part == SchedulePartKind::Bonus;
}

std::string ScheduleTabText(const ScheduleTable& table, const std::vector<int>& rows)
{
    std::string out;
    const auto line = [&](auto cell) {
        for (int c = 0; c < table.columnCount(); ++c) {
            if (c > 0)
                out += '\t';
            out += cell(c);
        }
        out += '\n';
    };
    line([&](int c) { return table.heading(c); });
    const auto add = [&](int r) { line([&](int c) { return table.text(r, c, FigureStyle::Plain); }); };
    if (rows.empty()) {
        for (int r = 0; r < table.rowCount(); ++r)
            add(r);
    } else {
        for (int r : rows)
            if (r >= 0 && r < table.rowCount())
                add(r);
    }
    return out;
}

} // namespace hn
