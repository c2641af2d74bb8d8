// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ComparisonReport.h"

#include "calc/RepaymentMethod.h"
#include "calc/schedule/ScheduleTexts.h"
#include "report/TextPattern.h"

namespace hn {

namespace {

struct Keys {
    std::string_view schedule, window, difference;
};

void Compare(std::vector<Figure>& f, Keys keys, std::string scheduleCaption, std::int64_t scheduleYen,
             std::string windowCaption, std::int64_t windowYen)
{
    f.push_back({std::string(keys.schedule), std::move(scheduleCaption), Quantity::Yen(scheduleYen)});
    f.push_back({std::string(keys.window), std::move(windowCaption), Quantity::Yen(windowYen)});
    f.push_back({std::string(keys.difference), std::string(kDifference), Quantity::YenDifference(scheduleYen - windowYen)});
}

} // namespace

bool IsDifference(const Figure& figure)
{
    return figure.value.plusSign;
}

void AddEndedEarlyNotes(const Schedule& s, std::string_view lead, std::vector<std::string>& notes)
{
    if (!s.endedEarly())
        return;
    notes.emplace_back(lead);
    const auto part = [&](const SchedulePart& p, std::string_view pattern) {
        if (p.endedEarly())
            notes.push_back(FillIn(pattern, {std::to_string(p.rows.size()), std::to_string(p.termCount)}));
    };
    part(s.monthly, kEndedEarlyMonthly);
    part(s.bonus, kEndedEarlyBonus);
}

std::vector<std::string> ScheduleNotes(const Schedule& s)
{
    std::vector<std::string> notes;
    AddEndedEarlyNotes(s, kNoteEndedEarly, notes);
    if (HasUnpaidInterest(s))
        notes.emplace_back(kNoteUnpaidInterest);
    return notes;
}

ComparisonReport MakeComparisonReport(const Schedule& schedule, const WindowComparison& c)
{
    ComparisonReport report;
    Compare(report.figures, {"scheduleTotalYen", "windowTotalYen", "totalDifferenceYen"}, std::string(kScheduleTotal), c.scheduleTotal, std::string(kWindowTotal),
            c.windowTotal);
    for (const BandDifference& d : c.bands)
        Compare(report.figures, {"scheduleYen", "windowYen", "differenceYen"}, ScheduleBandCaption(d), d.scheduleYen, WindowBandCaption(d), d.windowYen);
    Compare(report.figures, {"firstYearYen", "windowAnnualYen", "firstYearDifferenceYen"}, std::string(kScheduleFirstYear), c.firstYear, std::string(kWindowAnnual),
            c.windowAnnual);

    report.notes = ScheduleNotes(schedule);
    if (c.totalDifference() != 0 || !c.bands.empty())
        report.notes.emplace_back(TotalDifferenceNote(schedule.method));
    // Elsewhere year 1 differs only where the schedule ended within it, which the note
    // on the early end explains.
    if (c.firstYearDifference() != 0 && schedule.method == EqualPrincipal && schedule.bonus.loanYen != 0)
        report.notes.emplace_back(kNoteFirstYearDiffers);
    return report;
}

} // namespace hn
