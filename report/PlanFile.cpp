// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PlanFile.h"

#include "calc/plan/PlanTables.h"
#include "calc/schedule/Schedule.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <utility>

namespace hn {
namespace {

using Json = nlohmann::json;

// A member at fault: where it is in the file and what is wrong with it.
struct Fault {
    std::string message;
};

constexpr std::array<std::pair<PlanArrangement, std::string_view>, 4> kArrangements{{
    {PlanArrangement::Single, "single"},
    {PlanArrangement::PairLoan, "pairLoan"},
    {PlanArrangement::IncomeCombined, "incomeCombined"},
    {PlanArrangement::JointDebt, "jointDebt"},
}};
constexpr std::array<std::pair<ReviewRule, std::string_view>, 2> kReviews{{
    {ReviewRule::FiveYear125, "fiveYear125"},
    {ReviewRule::EveryChange, "everyChange"},
}};
constexpr std::array<std::pair<UnpaidSettlement, std::string_view>, 2> kUnpaid{{
    {UnpaidSettlement::CarryToEnd, "carryToEnd"},
    {UnpaidSettlement::PayFirst, "payFirst"},
}};

[[noreturn]] void Fail(const std::string& where, std::string_view what)
{
    throw Fault{where + ": " + std::string(what)};
}

const Json& Member(const Json& object, const std::string& where, const char* name)
{
    const auto it = object.find(name);
    if (it == object.end())
        Fail(where + "." + name, "ありません");
    return *it;
}

const Json& Object(const Json& j, const std::string& where)
{
    if (!j.is_object())
        Fail(where, "オブジェクトではありません");
    return j;
}

std::int64_t WholeNumber(const Json& j, const std::string& where, std::int64_t low, std::int64_t high)
{
    std::int64_t v = 0;
    if (j.is_number_unsigned()) {
        const auto u = j.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            Fail(where, "大きすぎます");
        v = static_cast<std::int64_t>(u);
    } else if (j.is_number_integer()) {
        v = j.get<std::int64_t>();
    } else {
        Fail(where, "整数ではありません");
    }
    if (v < low || v > high)
        Fail(where, "範囲外です (" + std::to_string(low) + "～" + std::to_string(high) + ")");
    return v;
}

std::int64_t Yen(const Json& object, const std::string& where, const char* name, std::int64_t fallback)
{
    if (!object.contains(name))
        return fallback;
    return WholeNumber(object[name], where + "." + name, 0, kMaxExactYen - 1);
}

double Number(const Json& j, const std::string& where)
{
    if (!j.is_number())
        Fail(where, "数値ではありません");
    const double v = j.get<double>();
    if (!std::isfinite(v))
        Fail(where, "数値ではありません");
    return v;
}

bool Flag(const Json& object, const std::string& where, const char* name)
{
    if (!object.contains(name))
        return false;
    if (!object[name].is_boolean())
        Fail(where + "." + name, "true か false で書いてください");
    return object[name].get<bool>();
}

template <typename T, std::size_t N>
T Named(const Json& j, const std::string& where, const std::array<std::pair<T, std::string_view>, N>& names)
{
    if (j.is_string()) {
        const std::string text = j.get<std::string>();
        for (const auto& [value, name] : names) {
            if (name == text)
                return value;
        }
    }
    std::string list;
    for (const auto& [value, name] : names)
        list += (list.empty() ? "" : ", ") + std::string(name);
    Fail(where, "次のどれかで書いてください: " + list);
}

// A rate in percent: a decimal text as typed, or a number read as the fields read
// what is typed (the percent as a double × 0.01), which gives back the typed
// decimal for every percent of up to 15 significant digits.
ExactRate Rate(const Json& j, const std::string& where)
{
    std::optional<ExactRate> rate;
    if (j.is_string())
        rate = ExactRate::FromPercentText(j.get<std::string>());
    else if (j.is_number() && std::isfinite(j.get<double>()) && j.get<double>() >= 0.0 && j.get<double>() < 100.0)
        rate = ExactRate::FromFraction(j.get<double>() * 0.01);
    if (!rate || rate->Percent().Text().starts_with('-'))
        Fail(where, "金利を 0 以上 100 未満の % で書いてください");
    return *rate;
}

RatePath Path(const Json& j, const std::string& where)
{
    if (!j.is_array() || j.empty())
        Fail(where, "金利の段階を1つ以上並べてください");
    RatePath path;
    for (std::size_t i = 0; i < j.size(); ++i) {
        const std::string at = where + "[" + std::to_string(i) + "]";
        const Json& step = Object(j[i], at);
        const int month = static_cast<int>(WholeNumber(Member(step, at, "month"), at + ".month", 1, 12 * 100));
        const ExactRate rate = Rate(Member(step, at, "rate"), at + ".rate");
        path.steps.push_back(RateStep{month, rate.Fraction(), rate});
    }
    return path;
}

LoanProduct Product(const Json& j, const std::string& where)
{
    Object(j, where);
    const Json& type = Member(j, where, "type");
    const std::string kind = type.is_string() ? type.get<std::string>() : std::string();
    if (kind == "fixed")
        return WholeTermFixedProduct{Rate(Member(j, where, "rate"), where + ".rate")};
    if (kind == "variable") {
        VariableProduct p{Path(Member(j, where, "path"), where + ".path")};
        if (j.contains("review"))
            p.review = Named(j["review"], where + ".review", kReviews);
        if (j.contains("unpaid"))
            p.unpaid = Named(j["unpaid"], where + ".unpaid", kUnpaid);
        return p;
    }
    if (kind == "fixedPeriod") {
        FixedPeriodProduct p;
        p.fixedYears = static_cast<int>(WholeNumber(Member(j, where, "fixedYears"), where + ".fixedYears", 1, 100));
        p.fixedRate = Rate(Member(j, where, "fixedRate"), where + ".fixedRate");
        p.after = Path(Member(j, where, "after"), where + ".after");
        if (j.contains("review"))
            p.review = Named(j["review"], where + ".review", kReviews);
        if (j.contains("unpaid"))
            p.unpaid = Named(j["unpaid"], where + ".unpaid", kUnpaid);
        return p;
    }
    if (kind == "stepped")
        return SteppedProduct{Path(Member(j, where, "steps"), where + ".steps")};
    if (kind == "method") {
        const Json& name = Member(j, where, "method");
        const std::optional<RepaymentMethod> method =
            name.is_string() ? MethodFromCaption(name.get<std::string>()) : std::nullopt;
        if (!method)
            Fail(where + ".method", "返済方法を計算画面の名前 (公庫基本型 など) で書いてください");
        MethodProduct p{*method, Rate(Member(j, where, "rate1"), where + ".rate1"), {}};
        p.rate2 = j.contains("rate2") ? Rate(j["rate2"], where + ".rate2") : p.rate1;
        return p;
    }
    Fail(where + ".type", "fixed, variable, fixedPeriod, stepped, method のどれかで書いてください");
}

PlanTrancheInput TrancheOf(const Json& j, const std::string& where)
{
    Object(j, where);
    PlanTrancheInput t;
    t.tranche.amountYen = WholeNumber(Member(j, where, "amountYen"), where + ".amountYen", 1, kMaxExactYen - 1);
    t.tranche.bonusYen = Yen(j, where, "bonusYen", 0);
    t.tranche.periodYears = static_cast<int>(WholeNumber(Member(j, where, "years"), where + ".years", 1, 100));
    const Json& first = Member(j, where, "firstMonth");
    const std::optional<YearMonth> month =
        first.is_string() ? ParseYearMonth(first.get<std::string>()) : std::nullopt;
    if (!month)
        Fail(where + ".firstMonth", "返済開始月を \"2027-04\" の形で書いてください");
    t.tranche.firstMonth = *month;
    if (j.contains("bonusMonths")) {
        const Json& b = j["bonusMonths"];
        if (!b.is_array() || b.size() != 2)
            Fail(where + ".bonusMonths", "ﾎﾞｰﾅｽ月を2つ並べてください");
        for (std::size_t k = 0; k < 2; ++k)
            t.bonusMonths[k] = static_cast<int>(WholeNumber(b[k], where + ".bonusMonths", 1, 12));
    }
    if (j.contains("shares")) {
        const Json& s = j["shares"];
        if (!s.is_array() || s.size() != 2)
            Fail(where + ".shares", "2人の持分 (%) を2つ並べてください");
        for (std::size_t k = 0; k < 2; ++k)
            t.sharePercent[k] = Number(s[k], where + ".shares");
    }
    t.tranche.product = Product(Member(j, where, "product"), where + ".product");
    return t;
}

PlanReportInput PlanOf(const Json& root)
{
    Object(root, "plan");
    const Json& format = Member(root, "plan", "format");
    if (!format.is_number_integer() || format.get<std::int64_t>() != kPlanFileFormat)
        Fail("format", "この版で読める形式は 1 です");
    PlanReportInput plan;
    const Json& purchase = Object(Member(root, "plan", "purchase"), "purchase");
    plan.purchase.priceYen = WholeNumber(Member(purchase, "purchase", "priceYen"), "purchase.priceYen", 0, kMaxExactYen - 1);
    plan.purchase.downPaymentYen = Yen(purchase, "purchase", "downPaymentYen", 0);
    plan.purchase.costsYen = Yen(purchase, "purchase", "costsYen", 0);
    plan.purchase.costsFinanced = Flag(purchase, "purchase", "costsFinanced");

    const Json& borrowers = Member(root, "plan", "borrowers");
    if (!borrowers.is_array() || borrowers.empty() || borrowers.size() > 2)
        Fail("borrowers", "借りる人を1人か2人並べてください");
    for (std::size_t k = 0; k < borrowers.size(); ++k) {
        const std::string at = "borrowers[" + std::to_string(k) + "]";
        const Json& b = Object(borrowers[k], at);
        plan.borrowers.push_back({Number(Member(b, at, "incomeMan"), at + ".incomeMan"),
                                  Number(Member(b, at, "age"), at + ".age")});
    }
    if (root.contains("arrangement"))
        plan.arrangement = Named(root["arrangement"], "arrangement", kArrangements);
    if (root.contains("limit")) {
        if (!root["limit"].is_string())
            Fail("limit", "返済負担率の上限を \"35\" などの名前で書いてください");
        plan.limitKey = root["limit"].get<std::string>();
    }
    const Json& tranches = Member(root, "plan", "tranches");
    if (!tranches.is_array())
        Fail("tranches", "借入を並べてください");
    for (std::size_t i = 0; i < tranches.size() && i <= static_cast<std::size_t>(kPlanLimits.maxLoans); ++i)
        plan.tranches.push_back(TrancheOf(tranches[i], "tranches[" + std::to_string(i) + "]"));
    return plan;
}

Json PathJson(const RatePath& path)
{
    Json steps = Json::array();
    for (const RateStep& s : path.steps)
        steps.push_back({{"month", s.month}, {"rate", (s.exact ? *s.exact : ExactRate::FromFraction(s.rate)).PercentText()}});
    return steps;
}

template <typename T, std::size_t N>
std::string NameOf(T value, const std::array<std::pair<T, std::string_view>, N>& names)
{
    for (const auto& [v, name] : names) {
        if (v == value)
            return std::string(name);
    }
    return std::string(names[0].second);
}

Json ProductJson(const LoanProduct& product)
{
    struct Visitor {
        Json operator()(const MethodProduct& p) const
        {
            return {{"type", "method"}, {"method", std::string(MethodCaption(p.method))},
                    {"rate1", p.rate1.PercentText()}, {"rate2", p.rate2.PercentText()}};
        }
        Json operator()(const WholeTermFixedProduct& p) const { return {{"type", "fixed"}, {"rate", p.rate.PercentText()}}; }
        Json operator()(const VariableProduct& p) const
        {
            return {{"type", "variable"}, {"path", PathJson(p.path)}, {"review", NameOf(p.review, kReviews)},
                    {"unpaid", NameOf(p.unpaid, kUnpaid)}};
        }
        Json operator()(const FixedPeriodProduct& p) const
        {
            return {{"type", "fixedPeriod"}, {"fixedYears", p.fixedYears}, {"fixedRate", p.fixedRate.PercentText()},
                    {"after", PathJson(p.after)}, {"review", NameOf(p.review, kReviews)},
                    {"unpaid", NameOf(p.unpaid, kUnpaid)}};
        }
        Json operator()(const SteppedProduct& p) const { return {{"type", "stepped"}, {"steps", PathJson(p.steps)}}; }
    };
    return std::visit(Visitor{}, product);
}

} // namespace

PlanFileRead ReadPlanText(std::string_view utf8)
{
    PlanFileRead out;
    if (utf8.size() > kMaxPlanFileBytes) {
        out.message = "計画ファイルが大きすぎます";
        return out;
    }
    const Json root = Json::parse(utf8.begin(), utf8.end(), nullptr, false);
    if (root.is_discarded()) {
        out.message = "計画ファイルを JSON として読めません";
        return out;
    }
    try {
        out.plan = PlanOf(root);
        out.ok = true;
    } catch (const Fault& f) {
        out.message = f.message;
    } catch (const Json::exception&) {
        out.message = "計画ファイルの内容を読めません";
    }
    return out;
}

PlanFileRead ReadPlanFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        PlanFileRead out;
        out.message = "計画ファイルを開けません: " + path;
        return out;
    }
    std::string text;
    text.resize(kMaxPlanFileBytes + 1);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return ReadPlanText(text);
}

std::string WritePlanText(const PlanReportInput& plan)
{
    Json root;
    root["format"] = kPlanFileFormat;
    root["purchase"] = {{"priceYen", plan.purchase.priceYen}, {"downPaymentYen", plan.purchase.downPaymentYen},
                        {"costsYen", plan.purchase.costsYen}, {"costsFinanced", plan.purchase.costsFinanced}};
    root["borrowers"] = Json::array();
    for (const Borrower& b : plan.borrowers)
        root["borrowers"].push_back({{"incomeMan", b.incomeMan}, {"age", b.ageYears}});
    root["arrangement"] = NameOf(plan.arrangement, kArrangements);
    root["limit"] = plan.limitKey;
    root["tranches"] = Json::array();
    for (const PlanTrancheInput& t : plan.tranches) {
        root["tranches"].push_back({{"amountYen", t.tranche.amountYen},
                                    {"bonusYen", t.tranche.bonusYen},
                                    {"years", t.tranche.periodYears},
                                    {"firstMonth", IsoText(t.tranche.firstMonth)},
                                    {"bonusMonths", t.bonusMonths},
                                    {"shares", t.sharePercent},
                                    {"product", ProductJson(t.tranche.product)}});
    }
    return root.dump(2) + "\n";
}

} // namespace hn
