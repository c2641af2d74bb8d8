// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The limits of the mortgage tax credit (住宅ローン控除) as one table: for each kind
// of home, household and year of moving in, the largest year-end balance the credit
// is computed from and for how many years, with the source each row was read from.
// Rows for moving in from 2026 rest on secondary sources (the reform's own text was
// not found) and are marked to be confirmed (要確認); the user is shown so.
// docs/taxcredit.md shows the same table with its sources.
#include <array>
#include <cstdint>
#include <string_view>

namespace hn {

enum class HomeKind {
    Certified,               // 認定住宅 (認定長期優良住宅・認定低炭素住宅), new or resold after renovation
    Zeh,                     // ZEH水準省エネ住宅
    EnergyEfficient,         // 省エネ基準適合住宅
    Other,                   // その他の住宅 (none of the above)
    ExistingCertified,       // 既存住宅: 認定住宅
    ExistingZeh,             // 既存住宅: ZEH水準省エネ住宅
    ExistingEnergyEfficient, // 既存住宅: 省エネ基準適合住宅
    ExistingOther,           // 既存住宅: その他
};
inline constexpr std::array<HomeKind, 8> kHomeKinds{
    HomeKind::Certified,         HomeKind::Zeh,         HomeKind::EnergyEfficient,         HomeKind::Other,
    HomeKind::ExistingCertified, HomeKind::ExistingZeh, HomeKind::ExistingEnergyEfficient, HomeKind::ExistingOther,
};

enum class Household {
    Normal,
    ChildRearing, // 子育て世帯・若者夫婦世帯 (特例対象個人)
};

// Who a row applies to.
enum class RowHousehold { Any, Normal, ChildRearing };

// A special case a row is for; a home without the case takes the row without one.
enum class HomeCondition {
    None,
    PermitBy2023,          // その他の住宅 with its building permit by 2023-12-31 or built by 2024-06-30
    ResoldAfterRenovation, // 買取再販 (bought and renovated by a dealer), where it has its own row
};

struct CreditSource {
    std::string_view title;
    std::string_view publisher;
    std::string_view address;
    std::string_view covers; // what was read there, in its terms
};

enum class CreditSourceId {
    MlitGuide2025,      // the ministry's table as printed in a prefectural housing guide
    SeraTax2022,        // a tax office's table of 2022-2025 with the exceptions for その他
    Shinagawa2025,      // Shinagawa City: 子育て世帯等 limits for 2025
    Hiratsuka2024,      // Hiratsuka City: 子育て世帯等 limits for 2024
    Hamura2022,         // Hamura City: the resident-tax cap for 2022-2025
    SHousing2026,       // 新建ハウジング on the 2026 reform outline (secondary)
    RenovationNews2026, // a renovation firm's summary of the 2026 reform (secondary)
    OutlineText2026,    // the 2026 reform outline's text as transcribed by a tax blog (secondary)
    YamadaPartners2026, // a tax firm's commentary on the 2026 reform (secondary)
    KukanDesign2026,    // a builder's table for moving in during 2026 (secondary)
};
extern const std::array<CreditSource, 10> kCreditSources;
const CreditSource& SourceOf(CreditSourceId id) noexcept;

struct CreditLimitRow {
    int fromYear;  // years of moving in covered, inclusive
    int toYear;
    HomeKind kind;
    RowHousehold household;
    HomeCondition condition;
    std::int64_t limitYen; // 0: the home gets no credit
    int years;             // credit years: 13 or 10
    bool smallHomeAllowed; // 40 to 50 ㎡ accepted (with the lower income ceiling)
    bool toBeConfirmed;    // 要確認: from secondary sources only
    CreditSourceId source;
};

inline constexpr int kFirstTableYear = 2022;
inline constexpr int kLastTableYear = 2030;

extern const std::array<CreditLimitRow, 36> kCreditLimitRows;

// The rules around the table (the same sources).
inline constexpr std::int64_t kCreditRatePerMille = 7;                // 0.7 %
inline constexpr std::int64_t kCreditUnitYen = 100;                   // the credit is floored to 100 円
inline constexpr std::int64_t kIncomeCeilingYen = 20'000'000;         // 合計所得金額
inline constexpr std::int64_t kSmallHomeIncomeCeilingYen = 10'000'000; // for 40 to 50 ㎡
inline constexpr double kMinFloorAreaM2 = 50.0;
inline constexpr double kMinSmallFloorAreaM2 = 40.0;
inline constexpr std::int64_t kResidentCapPercent = 5;     // of 課税総所得金額等
inline constexpr std::int64_t kResidentCapYen = 97'500;
inline constexpr int kShortestRepaymentMonths = 120;       // the loan must run 10 years or more

} // namespace hn
