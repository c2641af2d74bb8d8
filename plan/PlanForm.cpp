// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/PlanForm.h"

#include "calc/ExactRate.h"
#include "calc/rates/RatePath.h"
#include "report/Units.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace hn {

namespace {

constexpr double kYenPerMan = 10000.0;

std::int64_t Yen(double man)
{
    return static_cast<std::int64_t>(std::llround(man * kYenPerMan));
}

std::optional<LoanProduct> Product(const PlanFormLoan& loan)
{
    const auto rate = ExactRate::FromPercentText(loan.rate);
    if (!rate)
        return std::nullopt;
    switch (loan.product) {
    case PlanProductKind::Fixed:
        return WholeTermFixedProduct{*rate};
    case PlanProductKind::Variable: {
        VariableProduct p;
        p.path = RatePath{{RateStep{1, rate->Fraction(), *rate}}};
        return p;
    }
    case PlanProductKind::FixedPeriod: {
        const auto after = ExactRate::FromPercentText(loan.rateAfter);
        if (!after)
            return std::nullopt;
        FixedPeriodProduct p;
        p.fixedYears = loan.fixedYears;
        p.fixedRate = *rate;
        p.after = RatePath{{RateStep{1, after->Fraction(), *after}}};
        return p;
    }
    }
    return std::nullopt;
}

std::array<double, 2> Shares(const PlanForm& form, const PlanFormLoan& loan)
{
    const bool inShares = form.arrangement == PlanArrangement::IncomeCombined ||
                          form.arrangement == PlanArrangement::JointDebt;
    if (inShares)
        return {loan.share1Percent, std::round((100.0 - loan.share1Percent) * 100.0) / 100.0};
    return loan.owner == 1 ? std::array<double, 2>{0.0, 100.0} : std::array<double, 2>{100.0, 0.0};
}

} // namespace

PlanFormRead ReadPlanForm(const PlanForm& form)
{
    PlanFormRead read;
    PlanReportInput& in = read.input;
    in.purchase = {Yen(form.priceMan), Yen(form.downMan), Yen(form.costsMan), form.costsFinanced};
    const int count = form.borrowerCount == 2 ? 2 : 1;
    for (int b = 0; b < count; ++b)
        in.borrowers.push_back({form.borrowers[static_cast<std::size_t>(b)].incomeMan,
                                static_cast<double>(form.borrowers[static_cast<std::size_t>(b)].age)});
    in.arrangement = form.arrangement;
    int number = 0;
    for (const PlanFormLoan& loan : form.loans) {
        ++number;
        const auto product = Product(loan);
        if (!product) {
            char text[128];
            std::snprintf(text, sizeof text, kPlanRateUnread.data(), number);
            read.message = text;
            return read;
        }
        PlanTrancheInput t;
        t.tranche.amountYen = Yen(loan.amountMan);
        t.tranche.bonusYen = Yen(loan.bonusMan);
        t.tranche.periodYears = loan.years;
        t.tranche.firstMonth = {loan.firstYear, loan.firstMonth};
        t.tranche.product = *product;
        t.sharePercent = Shares(form, loan);
        in.tranches.push_back(t);
    }
    read.ok = true;
    return read;
}

std::vector<FigureRow> PlanRows(const std::vector<Figure>& figures)
{
    std::vector<FigureRow> rows;
    rows.reserve(figures.size());
    for (const Figure& f : figures)
        rows.push_back({f.caption, Text(f.value)});
    return rows;
}

} // namespace hn
