// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/SummaryReport.h"

#include "report/Captions.h"

#include <cmath>

namespace hn {

namespace {

std::optional<Figure> Shown(bool shows, std::string_view key, std::string_view caption, Quantity value)
{
    if (!shows)
        return std::nullopt;
    return Figure(key, caption, std::move(value));
}

} // namespace

std::int64_t AnnualRepayment(std::int64_t monthlySum, std::int64_t bonusSum) noexcept
{
    return (monthlySum * 6 + bonusSum) * 2;
}

double IncomeManAtTwentyPercentBurden(double annualYen) noexcept
{
    return std::floor((annualYen * 5 + 5000) * 0.0001);
}

std::optional<double> BurdenRatio(double annualYen, double incomeYen) noexcept
{
    if (incomeYen == 0.0 || annualYen == 0.0)
        return std::nullopt;
    return annualYen / incomeYen * 100;
}

SummaryReport MakeSummaryReport(const SlotSums& sums, std::int32_t incomeYen)
{
    SummaryReport report;
    // Only the monthly sum decides whether the four sums show.
    const bool sumsShow = sums.monthly != 0;
    report.sumMonthly = Shown(sumsShow, "sumMonthlyYen", "合計 (通常)", Quantity::Yen(sums.monthly));
    report.sumBonus = Shown(sumsShow, "sumBonusYen", "合計 (ﾎﾞｰﾅｽ)", Quantity::Yen(sums.bonus));
    report.grandTotal = Shown(sumsShow, "grandTotalYen", "合計総借入返済額", Quantity::Yen(sums.total));
    report.loan = Shown(sumsShow, "loanMan", "合計借入額", Quantity::Man(sums.loanMan));

    const std::int64_t annual = AnnualRepayment(sums.monthly, sums.bonus);
    report.annual = Shown(annual != 0, "annualYen", kCaptionAnnual, Quantity::Yen(annual));
    const auto annualYen = static_cast<double>(annual);
    const double required = IncomeManAtTwentyPercentBurden(annualYen);
    // |annual| < 2^40, so the required income is far inside the 64-bit range.
    report.requiredIncome =
        Shown(required != 0, "requiredIncomeMan", "必要年収", Quantity::Man(static_cast<std::int64_t>(required)));

    report.ratioPercent = BurdenRatio(annualYen, static_cast<double>(incomeYen));
    report.ratio = Figure("ratioPercent", "年収に対する返済負担率",
                          report.ratioPercent ? Quantity::SummaryPercent(*report.ratioPercent)
                                              : Quantity::Words(kNoRatioText));
    return report;
}

std::string FieldText(const std::optional<Figure>& figure)
{
    return figure ? Bare(figure->value) : std::string();
}

} // namespace hn
