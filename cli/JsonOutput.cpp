// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JsonOutput.h"

#include "calc/ExactRate.h"
#include "calc/rates/ScenarioSummary.h"
#include "calc/schedule/PrepaymentSummary.h"
#include "cli/ScenarioCli.h"
#include "report/CalculatorReport.h"
#include "report/PlanReport.h"
#include "report/ScenarioReport.h"
#include "report/Units.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>

namespace hn {

namespace {

// Members keep the order they are added in: format and mode first, then input.
using Json = nlohmann::ordered_json;

// A figure held as a double: an integer where it is whole (30000000, not
// 30000000.0), null where a failed computation left it undefined.
Json Number(double v)
{
    if (!std::isfinite(v))
        return nullptr;
    if (v == std::trunc(v) && std::fabs(v) < 9007199254740992.0) // 2^53: every integer exact
        return static_cast<std::int64_t>(v);
    return v;
}

// A decimal as typed ("2.375"). Written back in the shortest form that reads
// as the same double, which is this text again.
Json Decimal(std::string_view text)
{
    double v = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc{} && end == text.data() + text.size() ? Number(v) : Json(nullptr);
}

// A yearly rate (fraction) as the decimal typed: 0.011 for 1.1 %, not the
// 0.011000000000000001 that 1.1 × 0.01 is in doubles.
Json Rate(double fraction)
{
    return fraction > 0.0 && fraction < 1.0 ? Decimal(ExactRate::FromFraction(fraction).FractionText())
                                            : Number(fraction);
}

std::string_view PartName(SchedulePartKind kind)
{
    return kind == SchedulePartKind::Monthly ? "monthly" : "bonus";
}

Json Month(const LoanEnd& end)
{
    return end.instalment != 0 ? Json(IsoText(end.month)) : Json(nullptr);
}

// An object with room for its members: the ordered map's keys are const, so a
// growing object copies every member it holds.
Json Object(std::size_t members)
{
    Json j = Json::object();
    j.get_ref<Json::object_t&>().reserve(members);
    return j;
}

// Member by member rather than from an initializer list, which builds and copies a
// temporary for every member: a batch writes this for every plain loan.
Json LoanInputJson(const LoanInput& in, std::string_view periodText)
{
    Json j = Object(10);
    j["method"] = static_cast<int>(in.method);
    j["methodCaption"] = MethodCaption(in.method);
    j["loanYen"] = Number(in.loanYen);
    j["bonusYen"] = Number(in.bonusYen);
    j["normalYen"] = Number(in.normalYen);
    j["rate1"] = Rate(in.rate1);
    j["rate2"] = Rate(in.rate2);
    j["periodText"] = periodText;
    j["periodYears"] = Number(in.periodYears);
    j["incomeYen"] = Number(in.incomeYen);
    return j;
}

// The calculator's figures: a band's instalments as an array over the three bands
// (blank ones too), the others under their keys.
void AddFigures(Json& j, const CalculatorReport& report)
{
    // Each array made whole and put in once: a batch writes this for every plain loan.
    const std::vector<ResultField>& fields = report.fields;
    for (std::size_t i = 0; i < fields.size();) {
        if (fields[i].band < 0) {
            ++i;
            continue;
        }
        const std::string& key = fields[i].figure.key;
        Json bands = Json::array();
        bands.get_ref<Json::array_t&>().reserve(3);
        for (; i < fields.size() && fields[i].band >= 0 && fields[i].figure.key == key; ++i)
            bands.push_back(fields[i].figure.value.whole);
        j[key] = std::move(bands);
    }
    j["bandUsed"] = report.bandUsed;
    for (const ResultField& f : report.fields)
        if (f.band < 0)
            j[f.figure.key] = f.figure.value.whole;
}

Json ChecksJson(const ScheduleCheckReport& checks)
{
    Json a = Json::array();
    for (const ScheduleCheckResult& c : checks.items) {
        Json o = {{"check", CheckName(c.check)}, {"scope", ScopeName(c.scope)}, {"passed", c.passed},
                  {"actual", c.actual},          {"expected", c.expected},     {"failedRow", c.failedRow}};
        if (c.comparedRow != 0)
            o["comparedRow"] = c.comparedRow;
        a.push_back(std::move(o));
    }
    return a;
}

Json RowsJson(const Schedule& schedule, const ScheduleOutputOptions& options)
{
    // The JSON's own columns: every figure of a row under its key, the month where a
    // first month was given, the prepaid amount where the schedule has prepayments.
    using C = ScheduleColumn;
    const bool dated = options.calendar.has_value();
    const ScheduleCalendar calendar = options.calendar.value_or(ScheduleCalendar{});
    std::vector<C> columns;
    ScheduleTable table;
    if (options.view == ScheduleViewKind::Monthly) {
        columns = {C::Part, C::Number, C::Year};
        if (dated)
            columns.push_back(C::Month);
        columns.insert(columns.end(),
                       {C::Payment, C::Charged, C::Interest, C::Principal, C::Balance, C::RatePercent, C::Unpaid});
        if (options.prepaidColumn)
            columns.push_back(C::Prepaid);
        table = ScheduleTable::Monthly(MonthlyView(schedule, calendar), std::move(columns));
    } else {
        columns = {C::Year};
        if (dated)
            columns.insert(columns.end(), {C::From, C::To});
        columns.insert(columns.end(), {C::Payment, C::Charged, C::Interest, C::Principal, C::Balance, C::Unpaid});
        table = ScheduleTable::Yearly(YearlyView(schedule, calendar), std::move(columns));
    }
    Json rows = Json::array();
    for (int r = 0; r < table.rowCount(); ++r) {
        Json row = Json::object();
        for (int c = 0; c < table.columnCount(); ++c) {
            const std::string key(ScheduleTable::key(table.column(c)));
            switch (table.column(c)) {
            case C::Part:
                row[key] = PartName(table.isBonusRow(r) ? SchedulePartKind::Bonus : SchedulePartKind::Monthly);
                break;
            case C::Number:
            case C::Year: row[key] = *table.count(r, c); break;
            case C::Month:
            case C::From:
            case C::To: row[key] = table.text(r, c, FigureStyle::Data); break;
            case C::RatePercent: row[key] = Decimal(table.text(r, c, FigureStyle::Data)); break;
            default: row[key] = table.figure(r, c).value_or(0); break; // no prepayment: 0
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

Json OutcomeJson(const PrepaymentOutcome& o, const ScheduleCalendar& calendar)
{
    const PrepaymentSummary summary = SummarisePrepayments(o, calendar);
    const auto endText = [](const LoanEnd& end) { return end.instalment != 0 ? IsoText(end.month) : std::string(); };
    Json j = {{"interestSavedYen", o.interestSaved},
              {"prepaidYen", o.prepaidYen},
              {"totalBeforeYen", o.totalsBefore.payment},
              {"totalAfterYen", o.totalsAfter.payment},
              {"interestBeforeYen", o.totalsBefore.interest},
              {"interestAfterYen", o.totalsAfter.interest},
              {"monthsBefore", o.monthsBefore()},
              {"monthsAfter", o.monthsAfter()},
              {"bonusBefore", o.bonusBefore()},
              {"bonusAfter", o.bonusAfter()},
              {"endMonth", endText(summary.monthlyEnd)},
              {"plannedEndMonth", endText(summary.plannedMonthlyEnd)},
              {"bonusEndMonth", Month(summary.bonusEnd)},
              {"plannedBonusEndMonth", Month(summary.plannedBonusEnd)},
              {"loanEndMonth", Month(summary.end)},
              {"plannedLoanEndMonth", Month(summary.plannedEnd)},
              {"shortenedMonths", summary.shortenedMonths},
              {"nextMonthlyYen", summary.nextMonthly},
              {"nextBonusYen", summary.nextBonus}};
    Json applied = Json::array();
    for (const AppliedPrepayment& a : o.applied)
        applied.push_back({{"instalment", a.asked.instalment},
                           {"mode", PrepayModeName(a.asked.mode)},
                           {"amountYen", a.asked.amountYen},
                           {"usedYen", a.usedYen},
                           {"droppedInstalments", a.droppedInstalments},
                           {"nextInstalmentYen", a.nextInstalmentYen},
                           {"bonusAmountYen", a.asked.bonusAmountYen},
                           {"bonusInstalment", a.bonusInstalment},
                           {"bonusUsedYen", a.bonusUsedYen},
                           {"droppedBonus", a.droppedBonus},
                           {"nextBonusYen", a.nextBonusYen}});
    j["prepayments"] = std::move(applied);
    return j;
}

std::string_view WarningName(ScenarioWarningKind k)
{
    switch (k) {
    case ScenarioWarningKind::UnpaidLeft:
        return "unpaidLeft";
    case ScenarioWarningKind::UnpaidCleared:
        return "unpaidCleared";
    case ScenarioWarningKind::NegativeAmortisation:
        return "negativeAmortisation";
    }
    return {};
}

} // namespace

struct JsonDocument::Impl {
    Json j;
};

JsonDocument::JsonDocument(std::string_view mode) : m(std::make_unique<Impl>())
{
    m->j = Object(16);
    m->j["format"] = kJsonFormat;
    m->j["mode"] = mode;
}

JsonDocument::~JsonDocument() = default;

void JsonDocument::AddCalculator(const CalculatorReport& report)
{
    m->j["input"] = LoanInputJson(report.input, report.periodText);
    AddFigures(m->j, report);
}

void JsonDocument::AddScheduleInput(const CalcSuccess& success, const LoanInput& wholeYen,
                                    std::string_view periodText, bool withRates)
{
    // The schedule's loan in whole yen, as it was built; the window's figures beside it.
    Json in = LoanInputJson(wholeYen, periodText);
    if (!withRates) {
        in.erase("rate1");
        in.erase("rate2");
    }
    m->j["input"] = std::move(in);
    if (withRates)
        AddFigures(m->j, MakeCalculatorReport(success, periodText));
}

void JsonDocument::AddSchedule(const Schedule& schedule, const ScheduleCheckReport& checks,
                               const ScheduleOutputOptions* view)
{
    Json s = Json::object();
    if (view) {
        s["view"] = view->view == ScheduleViewKind::Monthly ? "monthly" : "yearly";
        s["rows"] = RowsJson(schedule, *view);
    }
    s["checks"] = ChecksJson(checks);
    m->j["schedule"] = std::move(s);
}

void JsonDocument::AddTopLevelChecks(const ScheduleCheckReport& checks)
{
    m->j["checks"] = ChecksJson(checks);
}

void JsonDocument::AddComparison(const Schedule& schedule, const WindowComparison& c)
{
    Json bands = Json::array();
    for (const BandDifference& d : c.bands)
        bands.push_back({{"part", PartName(d.part)},
                         {"instalment", d.instalment},
                         {"scheduleYen", d.scheduleYen},
                         {"windowYen", d.windowYen},
                         {"differenceYen", d.difference()}});
    m->j["comparison"] = {{"scheduleTotalYen", c.scheduleTotal},
                          {"windowTotalYen", c.windowTotal},
                          {"totalDifferenceYen", c.totalDifference()},
                          {"firstYearYen", c.firstYear},
                          {"windowAnnualYen", c.windowAnnual},
                          {"firstYearDifferenceYen", c.firstYearDifference()},
                          {"monthlyInstalments", schedule.monthly.rows.size()},
                          {"bonusInstalments", schedule.bonus.rows.size()},
                          {"endedEarly", schedule.endedEarly()},
                          {"bandDifferences", std::move(bands)}};
}

void JsonDocument::AddPrepayment(const PrepaymentOutcome& outcome, const ScheduleCalendar& calendar,
                                 const PrepaymentComparison* sideBySide)
{
    Json p = OutcomeJson(outcome, calendar);
    if (sideBySide) {
        const auto way = [&](const PrepaymentOutcome& o) { return o.ok ? OutcomeJson(o, calendar) : Json(nullptr); };
        p["sideBySide"] = {{"reduce", way(sideBySide->reduce)},
                           {"shorten", way(sideBySide->shorten)},
                           {"shortenWhole", way(sideBySide->shortenWhole)}};
    }
    m->j["prepayment"] = std::move(p);
}

void JsonDocument::AddScenario(const ScenarioInput& in, const ScenarioSchedule& s)
{
    const ScenarioSummary sum = SummariseScenario(s);
    Json steps = Json::array();
    for (const RateStep& step : in.path.steps)
        steps.push_back({{"month", step.month}, {"ratePercent", Decimal(ExactRate::FromFraction(step.rate).PercentText())}});
    Json warnings = Json::array();
    for (const ScenarioWarning& w : ScenarioWarnings(s, sum)) {
        Json o = {{"kind", WarningName(w.kind)}};
        if (w.kind == ScenarioWarningKind::NegativeAmortisation) {
            o["part"] = w.bonusPart ? "bonus" : "monthly";
            o["at"] = w.at;
            o["owedBeforeYen"] = w.before;
        }
        o["yen"] = w.yen;
        o["text"] = ScenarioWarningText(w);
        warnings.push_back(std::move(o));
    }
    m->j["scenario"] = {{"ratePath", FormatRatePath(in.path)},
                        {"steps", std::move(steps)},
                        {"review", ReviewName(in.review)},
                        {"unpaid", UnpaidName(in.unpaid)},
                        {"totalRepaidYen", sum.totalRepaid},
                        {"totalInterestYen", sum.totalInterest},
                        {"peakMonthlyYen", sum.peakMonthly},
                        {"lastMonthlyYen", sum.lastMonthly},
                        {"peakBonusYen", sum.peakBonus},
                        {"lastBonusYen", sum.lastBonus},
                        {"monthsWithUnpaid", sum.monthsWithUnpaid},
                        {"largestUnpaidYen", sum.largestUnpaid},
                        {"unpaidAtEndYen", sum.unpaidAtEnd},
                        {"endMonth", sum.endMonth},
                        {"endYear", sum.endYear},
                        {"endsEarly", sum.endsEarly},
                        {"warnings", std::move(warnings)}};
}

namespace {

// A figure's value as JSON: amounts and counts as integers, ratios as numbers, a
// month as "2027-04", words as text.
Json FigureValue(const Quantity& q)
{
    switch (q.unit) {
    case Unit::Percent:
    case Unit::SummaryPercent:
        return Number(q.number);
    case Unit::Rate:
        return Rate(q.number);
    case Unit::Month:
        return q.month.year == 0 ? Json(nullptr) : Json(IsoText(q.month));
    case Unit::Text:
        return q.text;
    default:
        return q.whole;
    }
}

Json FigureObject(const std::vector<Figure>& figures)
{
    Json j = Json::object();
    for (const Figure& f : figures)
        j[f.key] = FigureValue(f.value);
    return j;
}

Json FigureObjects(const std::vector<std::vector<Figure>>& groups)
{
    Json j = Json::array();
    for (const auto& g : groups)
        j.push_back(FigureObject(g));
    return j;
}

} // namespace

void JsonDocument::AddPlan(const PlanReport& report)
{
    Json years = Json::array();
    for (const YearlyRow& y : report.years) {
        years.push_back({{"year", y.year},
                         {"from", IsoText(y.from)},
                         {"to", IsoText(y.to)},
                         {"paymentYen", y.payment},
                         {"interestYen", y.interest},
                         {"principalYen", y.principal},
                         {"balanceYen", y.balance},
                         {"unpaidInterestYen", y.unpaidInterest}});
    }
    Json plan = {{"purchase", FigureObject(report.purchase)},
                 {"tranches", FigureObjects(report.tranches)},
                 {"borrowers", FigureObjects(report.borrowers)},
                 {"whole", FigureObject(report.whole)},
                 {"years", std::move(years)},
                 {"warnings", report.warnings}};
    if (!report.household.empty())
        plan["household"] = FigureObject(report.household);
    m->j["plan"] = std::move(plan);
}

void JsonDocument::AddCapacity(const CapacityResult& r, const BurdenLimitRule& rule, std::string_view periodText)
{
    const CalculatorReport loanReport = MakeCalculatorReport(r.loan, periodText);
    AddCalculator(loanReport);
    m->j["capacity"] = {{"capacityMan", r.capacityMan},
                        {"largestFittingMan", r.largestFittingMan},
                        {"cappedBy", r.cappedBy.empty() ? Json(nullptr) : Json(r.cappedBy)},
                        {"limit", rule.key},
                        {"limitWording", rule.wording},
                        {"limitPercent", r.limitPercent},
                        {"incomeYen", r.incomeYen},
                        {"otherDebtsYen", r.otherDebtsYen},
                        {"allowanceYen", r.allowanceYen},
                        {"screeningRate", Rate(r.screeningRate)},
                        {"screeningMonthlyYen", r.screeningMonthlyYen},
                        {"screeningAnnualYen", r.screeningAnnualYen},
                        {"screeningRatioPercent", Number(r.screeningRatioPercent)},
                        {"screeningRatioText", hn::Text(Quantity::SummaryPercent(r.screeningRatioPercent))},
                        {"bonusMan", r.bonusMan},
                        {"ratioPercent", Number(r.ratioPercent)},
                        {"ratioText", hn::Text(Quantity::SummaryPercent(r.ratioPercent))}};
    // Where the first layout put the loan found; the same figures as at the top.
    Json loan = {{"input", m->j["input"]}};
    AddFigures(loan, loanReport);
    m->j["loan"] = std::move(loan);
}

void JsonDocument::AddError(long line, int status, std::string_view message, const std::vector<std::string>& details)
{
    m->j["error"] = {{"line", line}, {"status", status}, {"message", message}, {"details", details}};
}

std::string JsonDocument::Text() const
{
    // Invalid UTF-8 in a text given on the command line becomes U+FFFD rather than an exception.
    return m->j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace hn
