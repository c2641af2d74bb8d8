// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the planning window's readers what a user could type: the list of prepayments,
// a scenario's table of rates and a preset's figures (any number, however large), and
// checks what must hold whatever was typed: no undefined behaviour (the sanitizers), a
// refusal always with a message and the row or field it is about and nothing half read,
// a list of sound prepayments, a path the scenario can run, and a preset's rows that
// read back as a path of the same steps.
//
// The input is text, so a seed reads like what it types: its first character picks the
// reader ('P' list, 'T' table, 'R' preset), then lines of cells separated by ';'.
//   P  instalment;amount;bonus            one line per row
//   T  months, then month;rate            one line per row
//   R  preset;rise;month;years;cap;rate1;rate2;method;periodYears;months
#include "calc/DecimalText.h"
#include "calc/Repayment.h"
#include "calc/rates/RatePath.h"
#include "planning/PrepayList.h"
#include "planning/ScenarioInputs.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_planning_inputs: %s\n", what);
        std::abort();
    }
}

std::vector<std::string> Split(std::string_view text, char at)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(at, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string Cell(const std::vector<std::string>& cells, std::size_t k)
{
    return k < cells.size() ? cells[k] : std::string();
}

double Number(const std::vector<std::string>& cells, std::size_t k)
{
    return hn::ParseDecimal(Cell(cells, k)).value_or(0.0);
}

// 0 .. n - 1 from any double.
int Pick(double value, int n)
{
    return std::isfinite(value) ? static_cast<int>(std::fmod(std::fabs(value), n)) : 0;
}

int Months(double value)
{
    return Pick(value, hn::kMaxPathMonth) + 1;
}

void FuzzList(const std::vector<std::string>& lines)
{
    std::vector<hn::PrepayRowText> rows;
    for (const std::string& line : lines) {
        const auto cells = Split(line, ';');
        rows.push_back({Cell(cells, 0), Cell(cells, 1), Cell(cells, 2)});
    }
    const hn::PrepayList list = hn::ReadPrepayList(rows);
    if (!list.ok()) {
        Require(list.prepayments.empty() && list.rows.empty(), "a refused list kept prepayments");
        Require(list.faultyRow >= 0 && list.faultyRow <= static_cast<int>(rows.size()), "fault outside the rows");
        Require(list.faultyColumn >= 0 && list.faultyColumn <= 2, "fault outside the columns");
        return;
    }
    Require(!list.prepayments.empty() && list.prepayments.size() == list.rows.size(), "rows and prepayments differ");
    for (const hn::Prepayment& p : list.prepayments) {
        Require(p.instalment >= 1 && p.instalment <= hn::kMaxPathMonth, "instalment out of range");
        Require(p.amountYen >= 0 && p.bonusAmountYen >= 0 && p.amountYen + p.bonusAmountYen > 0, "amount not sound");
    }
}

void FuzzTable(const std::vector<std::string>& lines)
{
    const int months = Months(hn::ParseDecimal(lines.front()).value_or(0.0));
    std::vector<hn::PathRowText> rows;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const auto cells = Split(lines[k], ';');
        rows.push_back({Cell(cells, 0), Cell(cells, 1)});
    }
    const hn::PathTable table = hn::ReadPathTable(rows, months);
    if (!table.ok()) {
        Require(table.path.steps.empty() && table.notes.empty(), "a refused table kept a path");
        Require(table.faultyRow >= 0 && table.faultyRow <= static_cast<int>(rows.size()), "fault outside the rows");
        return;
    }
    Require(table.faultyRow == 0, "a fault on a table read");
    Require(hn::CheckRatePath(table.path).ok(), "a table read into a path no scenario runs");
}

void FuzzPreset(const std::vector<std::string>& lines)
{
    const auto cells = Split(lines.front(), ';');
    hn::PresetFields fields;
    fields.preset = static_cast<hn::PathPreset>(Pick(Number(cells, 0), 4));
    fields.risePercent = Number(cells, 1);
    fields.riseMonth = Number(cells, 2);
    fields.everyYears = Number(cells, 3);
    fields.capPercent = Number(cells, 4);
    const auto method = static_cast<hn::RepaymentMethod>(Pick(Number(cells, 7), 6) + 1);
    const hn::LoanRates rates = hn::RatesOfLoan(method, Number(cells, 8), Number(cells, 5), Number(cells, 6));
    const int months = Months(Number(cells, 9));
    const hn::PresetRows preset = hn::RowsOfPreset(fields, rates, months);
    if (!preset.ok()) {
        Require(preset.rows.empty() && preset.field != hn::PresetField::None, "a refusal without its field");
        return;
    }
    const auto inRange = [](double percent) { return percent * 0.01 >= hn::kMinRate && percent * 0.01 <= hn::kMaxRate; };
    if (preset.rows.empty() || !inRange(rates.rate1Percent) || !inRange(rates.rate2Percent))
        return; // the loan's own rates are the calculate command's to refuse
    const hn::PathTable table = hn::ReadPathTable(preset.rows, months);
    Require(table.ok(), "a preset's rows do not read back");
    Require(table.path.steps.size() == preset.rows.size(), "a preset's rows read back as other steps");
    for (const std::string& note : table.notes)
        Require(note != hn::kNoteRowsNotInOrder, "a preset's rows out of order");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || size > 4096)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> lines = Split(text, '\n');
    switch (data[0]) {
    case 'P':
        FuzzList(lines);
        break;
    case 'T':
        FuzzTable(lines);
        break;
    case 'R':
        FuzzPreset(lines);
        break;
    default:
        break;
    }
    return 0;
}
