// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule's CSV file: several loans together in the yearly file's form.
#include "report/ScheduleCsv.h"

#include "calc/schedule/Schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hn {
namespace {

Schedule WorkedSchedule()
{
    return BuildSchedule(MakeLoanInput({CorporationBasic, 3000, 600, 2.0, 3.0, 35}));
}

const ScheduleCalendar kCalendar{{2027, 4}, {6, 12}};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "text does not end with a line end";
    return lines;
}

TEST(YearlyCsv, SeveralLoansTogetherInTheYearlyFileForm)
{
    const LoanInput bank = MakeLoanInput({BankOther, 1000, 0, 1.5, 1.5, 10});
    const std::vector<Schedule> loans{WorkedSchedule(), BuildSchedule(bank)};
    const std::vector<YearlyRow> together = CombinedYearlyView(loans, kCalendar);
    const std::string csv = YearlyCsv(together);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> lines = Lines(csv.substr(3));
    ASSERT_EQ(lines.size(), 36u);
    // The heading and the form of one loan's yearly file.
    EXPECT_EQ(lines[0], Lines(ScheduleCsv(loans[0], ScheduleViewKind::Yearly, kCalendar).substr(3))[0]);
    const std::int64_t year1 = YearlyView(loans[0], kCalendar)[0].payment + YearlyView(loans[1], kCalendar)[0].payment;
    EXPECT_TRUE(lines[1].starts_with("1,2027-04,2028-03," + std::to_string(year1) + ",")) << lines[1];
    EXPECT_TRUE(lines[35].starts_with("35,2061-04,2062-03,")) << lines[35];
}

} // namespace
} // namespace hn
