// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The repayment engine: one LoanInput in, one LoanResult out, no state, no
// allocation. Money is computed in doubles in a fixed order; every instalment
// and every period's interest is floored to whole yen when it is computed, and
// figures go into 32-bit ints by truncation (through TruncateToInt32).
#include "calc/RepaymentMethod.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace hn {

struct LoanInput {
    RepaymentMethod method = CorporationBasic;
    double loanYen = 0.0;     // whole loan
    double bonusYen = 0.0;    // part repaid by the twice-yearly bonus instalments
    double normalYen = 0.0;   // loanYen - bonusYen, repaid monthly
    double rate1 = 0.0;       // fraction per year, years 1 to 10 (all years for BankOther)
    double rate2 = 0.0;       // fraction per year, year 11 on
    double periodYears = 0.0; // whole years, 1 to 99
    double incomeYen = 0.0;   // not used here; carried for the summary window
    friend bool operator==(const LoanInput&, const LoanInput&) = default;
};

// A loan in the units its fields show: amounts in 万円, rates in percent.
struct LoanInFieldUnits {
    RepaymentMethod method = CorporationBasic;
    double loanMan = 0.0;
    double bonusMan = 0.0;
    double rate1Percent = 0.0;
    double rate2Percent = 0.0;
    double periodYears = 0.0;
    double incomeMan = 0.0;
};

// The same loan in the engine's units: yen and fractions per year, the normal part
// being the loan less its bonus part. No checks: ComputeRepayment refuses what is
// outside its domain.
LoanInput MakeLoanInput(const LoanInFieldUnits& fields) noexcept;

// Band 1 = years 1-5 (months 1-60, bonus 1-10), band 2 = years 6-10,
// band 3 = year 11 to the end. An unused band holds 0.
struct LoanResult {
    std::array<std::int32_t, 3> monthly{}; // first ordinary instalment of each band
    std::array<std::int32_t, 3> bonus{};   // first bonus instalment of each band
    std::array<bool, 3> bandUsed{};
    std::int32_t annualYen = 0;         // repayment of the first year
    std::int32_t requiredIncomeMan = 0; // income (万円) for a 20 % burden
    std::int32_t totalYen = 0;          // repaid over the whole term

    friend bool operator==(const LoanResult&, const LoanResult&) = default;
};

enum class RepaymentStatus {
    Ok,
    InvalidInput,   // input outside the domain below; nothing computed
    OutOfRange,     // some figure does not fit a 32-bit int; nothing usable
    NegativeFigure, // an instalment came out below zero; nothing usable
};
// NegativeFigure: a small loan at an extreme rate. Each period's floored
// interest hands the principal up to a yen more than the annuity plans, and at
// rates near the 99 % ceiling that surplus compounds until the schedule has
// over-repaid the loan before its re-amortisation, which then gives a negative
// instalment (1 万円 at 99 % over 28 years: -802 yen a month from year 11).

struct RepaymentOutcome {
    RepaymentStatus status = RepaymentStatus::InvalidInput;
    LoanResult result; // all zero unless status is Ok

    bool ok() const noexcept { return status == RepaymentStatus::Ok; }
};

// Limits of the input domain. The smallest rate is the smallest one the
// five-character rate field can state, ".0001" (%), computed as the calculate
// command computes it so that the field's own value is never refused; far below
// it the annuity factor loses its precision and then its meaning.
inline constexpr double kMinRate = 0.0001 * 0.01;
inline constexpr double kMaxRate = 0.99;
// The same as the percents a message or a document states them.
inline constexpr std::string_view kMinRatePercentText = "0.0001";
inline constexpr std::string_view kMaxRatePercentText = "99";
inline constexpr int kMinPeriodYears = 1;
inline constexpr int kMaxPeriodYears = 99;
inline constexpr int kMinReducedPeriodYears = 25;

// True when the second rate takes part in the computation (band 3 of every
// method but BankOther).
bool UsesSecondRate(const LoanInput& in) noexcept;

// The domain ComputeRepayment computes on: a valid method; finite loanYen > 0;
// finite bonusYen >= 0 with bonusYen / loanYen <= 0.5; finite normalYen >= 0;
// rate1 (and rate2 where it is used) from kMinRate to kMaxRate; periodYears a
// whole number from 1 to 99, at least 25 for the reduced family.
bool IsComputable(const LoanInput& in) noexcept;

// Never fails with undefined behaviour, whatever the input: input outside the
// domain answers InvalidInput, a figure beyond the int32 range OutOfRange, a
// negative instalment NegativeFigure. Only Ok carries figures.
RepaymentOutcome ComputeRepayment(const LoanInput& in) noexcept;

// The double nearest 1/12: monthly rates are the yearly rate times this.
inline constexpr double kMonthlyRateFactor = 0.08333333333333333;

// The period rates of a yearly rate, formed as every part of the engine forms
// them: the monthly rate is multiplied by the constant, not divided by 12.
constexpr double MonthlyRate(double yearlyRate) noexcept { return yearlyRate * kMonthlyRateFactor; }
constexpr double HalfYearRate(double yearlyRate) noexcept { return yearlyRate * 0.5; }

// (g * i) / (g - 1) with g = (1 + i)^m: the level instalment per yen.
double AnnuityFactor(double i, double m) noexcept;

// floor(amount * AnnuityFactor(i, m)): the level instalment in whole yen.
double AnnuityPayment(double amount, double i, double m) noexcept;

// The whole amount as one level loan repaid monthly over the whole period:
// AnnuityPayment(amountYen, MonthlyRate(yearlyRate), 12 * periodYears). The
// basis of the required income, and the instalment lenders screen a loan by.
double WholeLoanMonthly(double amountYen, double yearlyRate, double periodYears) noexcept;

// The balance left after k instalments of `payment`; each period's interest is
// floored to whole yen and only the principal share reduces the balance.
double RollBalance(double balance, double i, double payment, int k) noexcept;

// What the instalments of a loan are before they become LoanResult fields:
// per-period rates and, per band, the instalment (level and reduced families)
// or the fixed principal share (equal principal), as doubles of whole yen.
// The repayment schedule is built from this, so that its rows and the
// window's band figures come from one computation.
struct RepaymentPlan {
    RepaymentFamily family = RepaymentFamily::LevelPayment;
    int months = 0;               // monthly instalments over the term (12 x years)
    int bonusCount = 0;           // bonus instalments (2 x years); 0 without a bonus part
    double monthlyRate[2] = {};   // i1, i2; i2 = i1 for BankOther
    double bonusRate[2] = {};     // j1, j2; j2 = j1 for BankOther
    double yearlyRate[2] = {};    // rate1, and the rate from year 11 (rate1 for BankOther)
    double monthly[3] = {};       // level and reduced families: each band's instalment
    double bonus[3] = {};         // likewise for the bonus part
    double monthlyShare = 0.0;    // equal principal: floor(normalYen / months)
    double bonusShare = 0.0;      // equal principal: floor(bonusYen / bonusCount)
    bool bandUsed[3] = {true, false, false};
};

// Band boundaries: the second band starts with month 61 / bonus instalment 11,
// the third (and the second rate) with month 121 / bonus instalment 21.
inline constexpr int kMonthsPerBand = 60;
inline constexpr int kBonusPerBand = 10;

// The band (0, 1, 2) that instalment `number` (1-based) of a part with
// `perBand` instalments per band belongs to.
constexpr int BandOf(int number, int perBand) noexcept
{
    return number <= perBand ? 0 : number <= 2 * perBand ? 1 : 2;
}

// The plan ComputeRepayment works from; only for IsComputable input (anything
// else answers an empty plan with months 0).
RepaymentPlan PlanRepayment(const LoanInput& in) noexcept;

// Yen to 万円, rounded half up: (yen + 5000) / 10000 in whole numbers. The engine
// turns its required-income basis into the required-income figure with it.
std::int32_t RoundYenToMan(std::int32_t yen) noexcept;

} // namespace hn
