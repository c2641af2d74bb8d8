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

using Q = Quantity;

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    std::string Text() const
    {
        std::vector<int> width(header.size(), 0);
        for (std::size_t c = 0; c < header.size(); ++c)
            width[c] = DisplayWidth(header[c]);
        for (const auto& r : rows)
            for (std::size_t c = 0; c < r.size(); ++c)
                width[c] = std::max(width[c], DisplayWidth(r[c]));
        std::string out;
        const auto line = [&](const std::vector<std::string>& cells) {
            for (std::size_t c = 0; c < cells.size(); ++c) {
                if (c)
                    out += "  ";
                out.append(static_cast<std::size_t>(width[c] - DisplayWidth(cells[c])), ' ');
                out += cells[c];
            }
            out += '\n';
        };
        line(header);
        for (const auto& r : rows)
            line(r);
        return out;
    }
};

std::string_view PartCaption(SchedulePartKind kind)
{
    return kind == SchedulePartKind::Monthly ? kPartMonthly : kPartBonus;
}

} // namespace

std::string FormatScheduleText(const Schedule& schedule, const ScheduleCheckReport& checks,
                               const ScheduleOutputOptions& options)
{
    const ScheduleCalendar calendar = options.calendar.value_or(ScheduleCalendar{});
    const bool dated = options.calendar.has_value();
    Table t;
    // 返済額 = 支払利息 + 元金 on every row, with what is left unpaid beside them wherever
    // an instalment leaves some.
    const bool unpaid = options.rateColumns || HasUnpaidInterest(schedule);
    const auto figures = [&](std::vector<std::string>& r, std::int64_t payment, std::int64_t interestPaid,
                             std::int64_t principal, std::int64_t unpaidInterest, std::int64_t balance) {
        for (std::int64_t figure : {payment, interestPaid, principal})
            r.push_back(Bare(Q::Yen(figure)));
        if (unpaid)
            r.push_back(Bare(Q::Yen(unpaidInterest)));
        r.push_back(Bare(Q::Yen(balance)));
    };
    const auto figureHeadings = [&] {
        for (std::string_view h : {kColPayment, kColInterestPaid, kColPrincipal})
            t.header.emplace_back(h);
        if (unpaid)
            t.header.emplace_back(kColUnpaid);
        t.header.emplace_back(kColBalance);
    };
    if (options.view == ScheduleViewKind::Monthly) {
        t.header = {std::string(kColYear), std::string(kColPart), std::string(kColNumber)};
        if (dated)
            t.header.emplace_back(kColMonth);
        figureHeadings();
        if (options.rateColumns)
            t.header.emplace_back(std::string(kColRate) + "(%)");
        if (options.prepaidColumn)
            t.header.emplace_back(kColPrepaid);
        for (const MonthlyViewRow& v : MonthlyView(schedule, calendar)) {
            std::vector<std::string> r = {std::to_string(v.year), std::string(PartCaption(v.part)),
                                          std::to_string(v.row.number)};
            if (dated)
                r.push_back(IsoText(v.when));
            figures(r, v.row.payment, InterestPaid(v.row), v.row.principal, v.row.unpaidInterest, v.row.balance);
            if (options.rateColumns)
                r.push_back(Bare(Q::Rate(v.row.yearlyRate)));
            if (options.prepaidColumn)
                r.push_back(v.row.prepaid != 0 ? Bare(Q::Yen(v.row.prepaid)) : std::string());
            t.rows.push_back(std::move(r));
        }
    } else {
        t.header = {std::string(kColYear)};
        if (dated)
            t.header.emplace_back(kColPeriod);
        figureHeadings();
        for (const YearlyRow& y : YearlyView(schedule, calendar)) {
            std::vector<std::string> r = {std::to_string(y.year)};
            if (dated)
                r.push_back(IsoText(y.from) + "～" + IsoText(y.to));
            figures(r, y.payment, y.interestPaid(), y.principal, y.unpaidInterest, y.balance);
            t.rows.push_back(std::move(r));
        }
    }
    return t.Text() + FormatCheckLines(checks);
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
            out += " (" + Bare(Q::Yen(c.actual)) + " / " + Bare(Q::Yen(c.expected)) + ")";
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
