// SPDX-License-Identifier: GPL-3.0-or-later
// The limit table as the sources give it, the lookup's choices (household, special
// cases, floor area) and its refusals, and who counts as 子育て世帯・若者夫婦世帯.
#include "calc/taxcredit/CreditHousehold.h"
#include "calc/taxcredit/CreditLimitLookup.h"
#include "calc/taxcredit/CreditLimitTable.h"
#include "calc/taxcredit/HomeKindText.h"
#include "calc/taxcredit/TaxCreditTexts.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

using enum HomeKind;

LimitLookup Look(int year, HomeKind kind, Household household = Household::Normal,
                 HomeCondition condition = HomeCondition::None, double area = 70.0)
{
    return LookupCreditLimit({year, kind, household, condition, area});
}

// The figures as the sources print them (万円, years), one line per row of the table,
// looked up in every year the row covers.
TEST(CreditLimitTable, EveryRowAsPublished)
{
    struct Expected {
        int from, to;
        HomeKind kind;
        Household household;
        HomeCondition condition;
        int limitMan, years;
    };
    constexpr Household N = Household::Normal, C = Household::ChildRearing;
    constexpr HomeCondition None = HomeCondition::None;
    const Expected published[] = {
        {2022, 2023, Certified, C, None, 5000, 13},
        {2022, 2023, Zeh, N, None, 4500, 13},
        {2022, 2023, EnergyEfficient, C, None, 4000, 13},
        {2022, 2023, Other, N, None, 3000, 13},
        {2022, 2023, ExistingCertified, N, None, 3000, 10},
        {2022, 2023, ExistingZeh, C, None, 3000, 10},
        {2022, 2023, ExistingEnergyEfficient, N, None, 3000, 10},
        {2022, 2023, ExistingOther, C, None, 2000, 10},
        {2024, 2025, Certified, N, None, 4500, 13},
        {2024, 2025, Certified, C, None, 5000, 13},
        {2024, 2025, Zeh, N, None, 3500, 13},
        {2024, 2025, Zeh, C, None, 4500, 13},
        {2024, 2025, EnergyEfficient, N, None, 3000, 13},
        {2024, 2025, EnergyEfficient, C, None, 4000, 13},
        {2024, 2025, Other, C, HomeCondition::PermitBy2023, 2000, 10},
        {2024, 2025, ExistingCertified, C, None, 3000, 10},
        {2024, 2025, ExistingZeh, N, None, 3000, 10},
        {2024, 2025, ExistingEnergyEfficient, C, None, 3000, 10},
        {2024, 2025, ExistingOther, N, None, 2000, 10},
        {2026, 2030, Certified, N, None, 4500, 13},
        {2026, 2030, Certified, C, None, 5000, 13},
        {2026, 2030, Zeh, N, None, 3500, 13},
        {2026, 2030, Zeh, C, None, 4500, 13},
        {2026, 2027, EnergyEfficient, N, None, 2000, 13},
        {2026, 2027, EnergyEfficient, C, None, 3000, 13},
        {2028, 2030, EnergyEfficient, C, HomeCondition::ResoldAfterRenovation, 2000, 13},
        {2026, 2030, ExistingCertified, N, None, 3500, 13},
        {2026, 2030, ExistingCertified, C, None, 4500, 13},
        {2026, 2030, ExistingZeh, N, None, 3500, 13},
        {2026, 2030, ExistingZeh, C, None, 4500, 13},
        {2026, 2030, ExistingEnergyEfficient, N, None, 2000, 13},
        {2026, 2030, ExistingEnergyEfficient, C, None, 3000, 13},
        {2026, 2030, ExistingOther, C, None, 2000, 10},
    };
    for (const Expected& e : published)
        for (int year = e.from; year <= e.to; ++year) {
            const LimitLookup l = Look(year, e.kind, e.household, e.condition);
            ASSERT_TRUE(l.ok) << year << " " << HomeKindName(e.kind) << ": " << l.message;
            EXPECT_EQ(l.row->limitYen, e.limitMan * 10'000LL) << year << " " << HomeKindName(e.kind);
            EXPECT_EQ(l.row->years, e.years) << year << " " << HomeKindName(e.kind);
            EXPECT_EQ(l.row->toBeConfirmed, year >= 2026) << year;
            EXPECT_EQ(l.incomeCeilingYen, 20'000'000);
        }
    // Homes the credit does not cover in these years.
    for (int year : {2024, 2025, 2026, 2030})
        EXPECT_EQ(Look(year, Other).message, kMsgCreditNotEligible) << year;
    for (int year : {2028, 2030})
        EXPECT_EQ(Look(year, EnergyEfficient, Household::ChildRearing).message, kMsgCreditNotEligible) << year;
}

// Every kind, household and year of the table finds exactly one row, each citing a source.
TEST(CreditLimitTable, CoversEveryYearWithoutOverlap)
{
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year)
        for (HomeKind kind : kHomeKinds)
            for (Household household : {Household::Normal, Household::ChildRearing})
                for (HomeCondition condition :
                     {HomeCondition::None, HomeCondition::PermitBy2023, HomeCondition::ResoldAfterRenovation}) {
                    int matches = 0;
                    for (const CreditLimitRow& row : kCreditLimitRows) {
                        const bool forHousehold = row.household == RowHousehold::Any ||
                                                  (row.household == RowHousehold::ChildRearing) ==
                                                      (household == Household::ChildRearing);
                        matches += year >= row.fromYear && year <= row.toYear && row.kind == kind && forHousehold &&
                                   row.condition == condition;
                    }
                    EXPECT_LE(matches, 1) << year << " " << HomeKindName(kind);
                    if (condition == HomeCondition::None) {
                        EXPECT_EQ(matches, 1) << year << " " << HomeKindName(kind);
                    }
                }
    for (const CreditLimitRow& row : kCreditLimitRows)
        EXPECT_FALSE(SourceOf(row.source).address.empty());
}

TEST(CreditLimitLookup, AYearOutsideTheTableIsNeverGuessed)
{
    for (int year : {2021, 2031, 0}) {
        const LimitLookup l = Look(year, Certified);
        EXPECT_FALSE(l.ok);
        EXPECT_EQ(l.message, kMsgCreditYearOutsideTable);
        EXPECT_EQ(l.row, nullptr);
    }
}

TEST(CreditLimitLookup, SpecialCasesFallBackToTheOrdinaryRow)
{
    // A permit by 2023 changes nothing in 2023, and gives nothing from 2026 in the table.
    EXPECT_EQ(Look(2023, Other, Household::Normal, HomeCondition::PermitBy2023).row->limitYen, 30'000'000);
    EXPECT_EQ(Look(2026, Other, Household::Normal, HomeCondition::PermitBy2023).message, kMsgCreditNotEligible);
    // Resold after renovation has its own row only from 2028.
    EXPECT_EQ(Look(2026, EnergyEfficient, Household::ChildRearing, HomeCondition::ResoldAfterRenovation).row->limitYen,
              30'000'000);
}

TEST(CreditLimitLookup, FloorArea)
{
    EXPECT_EQ(Look(2025, Zeh, Household::Normal, HomeCondition::None, 39.99).message, kMsgCreditFloorAreaTooSmall);
    EXPECT_EQ(Look(2025, Zeh, Household::Normal, HomeCondition::None, 0).message, kMsgCreditFloorAreaInvalid);
    // 40 to 50 ㎡: new homes, with the 1,000 万円 ceiling; existing homes need 50 ㎡ until 2025.
    const LimitLookup small = Look(2025, Zeh, Household::ChildRearing, HomeCondition::None, 40.0);
    ASSERT_TRUE(small.ok);
    EXPECT_TRUE(small.smallHome);
    EXPECT_EQ(small.incomeCeilingYen, 10'000'000);
    EXPECT_EQ(small.row->limitYen, 45'000'000);
    EXPECT_EQ(Look(2025, ExistingZeh, Household::Normal, HomeCondition::None, 49.99).message,
              kMsgCreditSmallHomeNotCovered);
    EXPECT_TRUE(Look(2025, ExistingZeh, Household::Normal, HomeCondition::None, 50.0).ok);
    // From 2026 the small-home rule and the household's uplift exclude each other.
    const LimitLookup given = Look(2026, Certified, Household::ChildRearing, HomeCondition::None, 45.0);
    ASSERT_TRUE(given.ok);
    EXPECT_TRUE(given.upliftGivenUp);
    EXPECT_EQ(given.row->limitYen, 45'000'000);
    EXPECT_TRUE(Look(2026, ExistingOther, Household::Normal, HomeCondition::None, 45.0).ok);
}

TEST(CreditHousehold, JudgedFromTheAgesOnTheLastDayOfTheYearOfMovingIn)
{
    EXPECT_TRUE(IsChildRearingOrYoungCouple({39, 45, std::nullopt}));  // under 40 with a spouse
    EXPECT_FALSE(IsChildRearingOrYoungCouple({39, std::nullopt, std::nullopt})); // no spouse
    EXPECT_TRUE(IsChildRearingOrYoungCouple({52, 39, std::nullopt}));  // a spouse under 40
    EXPECT_FALSE(IsChildRearingOrYoungCouple({40, 40, std::nullopt}));
    EXPECT_TRUE(IsChildRearingOrYoungCouple({60, std::nullopt, 18})); // a dependant under 19
    EXPECT_FALSE(IsChildRearingOrYoungCouple({60, 58, 19}));
    EXPECT_EQ(HouseholdOf(false, HouseholdAges{30, 30, 1}), Household::Normal); // the tick wins
    EXPECT_EQ(HouseholdOf(std::nullopt, HouseholdAges{30, 30, std::nullopt}), Household::ChildRearing);
    EXPECT_EQ(HouseholdOf(std::nullopt, std::nullopt), Household::Normal);
}

TEST(HomeKindText, NamesReadBack)
{
    for (HomeKind kind : kHomeKinds) {
        EXPECT_EQ(HomeKindFromName(HomeKindName(kind)), kind);
        EXPECT_FALSE(HomeKindCaption(kind).empty());
    }
    EXPECT_FALSE(HomeKindFromName("zeh "));
}

} // namespace
} // namespace hn
