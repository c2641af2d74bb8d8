// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ScheduleOutput.h"

#include "calc/DecimalText.h"
#include "calc/ExactRate.h"
#include "calc/schedule/ScheduleTexts.h"
#include "calc/schedule/ScheduleViews.h"
#include "report/ComparisonReport.h"
#include "report/Units.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hn {

namespace {

// Columns a text takes in a terminal: ASCII and half-width katakana one,
// everything else (kanji, kana, full-width forms) two.
int DisplayWidth(std::string_view s)
{
    int width = 0;
    for (std::size_t k = 0; k < s.size();) {
        const auto c = static_cast<unsigned char>(s[k]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        bool narrow = c < 0x80;
        if (len == 3 && k + 2 < s.size()) {
            // U+FF61 ... U+FF9F: EF BD A1 ... EF BE 9F
            const auto b1 = static_cast<unsigned char>(s[k + 1]);
            const auto b2 = static_cast<unsigned char>(s[k + 2]);
            narrow = c == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || b1 == 0xBE);
        }
        width += narrow ? 1 : 2;
        k += len;
    }
    return width;
}

using C = ScheduleColumn;

// The command line's columns: where each row falls (year, part, number, and the month
// when a first month was given), then 返済額 = 支払利息 + 元金 with what is left unpaid
// beside them wherever an instalment leaves some, and the balance.
std::vector<C> TextColumns(const Schedule& schedule, const ScheduleOutputOptions& options)
{
    const bool dated = options.calendar.has_value();
    std::vector<C> columns;
    if (options.view == ScheduleViewKind::Monthly) {
        columns = {C::Year, C::Part, C::Number};
        if (dated)
            columns.push_back(C::Month);
    } else {
        columns = {C::Year};
        if (dated)
            columns.push_back(C::Period);
    }
    columns.insert(columns.end(), {C::Payment, C::Interest, C::Principal});
    if (options.rateColumns || HasUnpaidInterest(schedule))
        columns.push_back(C::Unpaid);
    columns.push_back(C::Balance);
    if (options.view == ScheduleViewKind::Monthly) {
        if (options.rateColumns)
            columns.push_back(C::RatePercent);
        if (options.prepaidColumn)
            columns.push_back(C::Prepaid);
    }
    return columns;
}

} // namespace

ScheduleTable ScheduleOutputTable(const Schedule& schedule, const ScheduleOutputOptions& options)
{
    const ScheduleCalendar calendar = options.calendar.value_or(ScheduleCalendar{});
    if (options.view == ScheduleViewKind::Monthly)
        return ScheduleTable::Monthly(MonthlyView(schedule, calendar), TextColumns(schedule, options));
    return ScheduleTable::Yearly(YearlyView(schedule, calendar), TextColumns(schedule, options));
}

std::string FormatScheduleText(const Schedule& schedule, const ScheduleCheckReport& checks,
                               const ScheduleOutputOptions& options)
{
    return FormatTableText(ScheduleOutputTable(schedule, options)) + FormatCheckLines(checks);
}

std::string FormatTableText(const ScheduleTable& table)
{
    // Each column as wide as its widest cell, figures and headings flush right.
    std::vector<int> width(static_cast<std::size_t>(table.columnCount()), 0);
    for (int c = 0; c < table.columnCount(); ++c) {
        int& w = width[static_cast<std::size_t>(c)];
        w = DisplayWidth(table.heading(c));
        for (int r = 0; r < table.rowCount(); ++r)
            w = std::max(w, DisplayWidth(table.text(r, c, FigureStyle::Listing)));
    }
    std::string out;
    const auto line = [&](auto cell) {
        for (int c = 0; c < table.columnCount(); ++c) {
            const std::string text = cell(c);
            if (c)
                out += "  ";
            out.append(static_cast<std::size_t>(width[static_cast<std::size_t>(c)] - DisplayWidth(text)), ' ');
            out += text;
        }
        out += '\n';
    };
    line([&](int c) { return table.heading(c); });
    for (int r = 0; r < table.rowCount(); ++r)
        line([&](int c) { return table.text(r, c, FigureStyle::Listing); });
    return out;
}

std::string FormatCheckLines(const ScheduleCheckReport& checks)
{
    std::string out;
    for (const ScheduleCheckResult& c : checks.items) {
        out += "検算 ";
        out += CheckCaption(c.check);
        out += " (";
        out += ScopeCaption(c.scope);
        if (c.comparedRow != 0)
            out += "、第" + std::to_string(c.comparedRow) + "回";
        out += "): ";
        out += c.passed ? "OK" : "NG";
        if (!c.passed && c.failedRow != 0 && c.comparedRow == 0)
            out += " (第" + std::to_string(c.failedRow) + "回)";
        else if (!c.passed)
            out += " (" + Bare(Quantity::Yen(c.actual)) + " / " + Bare(Quantity::Yen(c.expected)) + ")";
        out += '\n';
    }
    return out;
}

std::string FormatComparisonText(const Schedule& schedule, const WindowComparison& c)
{
    const ComparisonReport report = MakeComparisonReport(schedule, c);
    std::string out;
    const std::vector<Figure>& f = report.figures;
    for (std::size_t k = 0; k < f.size(); ++k) {
        // Year 1 is listed only where it differs from the window's 年間返済額.
        if (IsDifference(f[k]) || (f[k].key == "firstYearYen" && c.firstYearDifference() == 0)) {
            k += IsDifference(f[k]) ? 0 : 2;
            continue;
        }
        out += f[k].caption + ": " + Text(f[k].value);
        // A difference follows the window's figure on its line.
        if (k + 1 < f.size() && IsDifference(f[k + 1]))
            out += " (" + f[k + 1].caption + " " + Text(f[k + 1].value) + ")";
        out += '\n';
    }
    for (const std::string& note : report.notes)
        out += note + '\n';
    return out;
}

} // namespace hn
