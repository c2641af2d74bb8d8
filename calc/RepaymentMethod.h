// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six repayment methods, their families and every caption that depends on
// the method. The value is what the main window and the summary window store
// and compare: 1 to 6 in the order of the option buttons 1003 to 1008.
#include <optional>
#include <string_view>

namespace hn {

using RepaymentMethod = int;

inline constexpr RepaymentMethod CorporationBasic = 1;  // 公庫基本型, option 1003
inline constexpr RepaymentMethod CorporationYutori = 2; // 公庫（ゆとり)型, option 1004
inline constexpr RepaymentMethod PensionBasic = 3;      // 年金基本型, option 1005
inline constexpr RepaymentMethod PensionStep = 4;       // 年金(ｽﾃｯﾌﾟ)型, option 1006
inline constexpr RepaymentMethod EqualPrincipal = 5;    // 元金均等型, option 1007
inline constexpr RepaymentMethod BankOther = 6;         // 銀行型・他, option 1008

inline constexpr RepaymentMethod kFirstMethod = CorporationBasic;
inline constexpr RepaymentMethod kLastMethod = BankOther;

// How a method is computed. Methods of one family differ only in the value the
// result carries (BankOther differs from the other level methods in keeping the
// first instalment and never using the second rate).
enum class RepaymentFamily {
    LevelPayment,   // CorporationBasic, PensionBasic, BankOther
    ReducedEarly,   // CorporationYutori, PensionStep
    EqualPrincipal, // EqualPrincipal
};

constexpr bool IsValidMethod(int method) noexcept
{
    return method >= kFirstMethod && method <= kLastMethod;
}

// Family of a valid method; a value outside 1..6 answers LevelPayment (the
// window computes "no option on" as CorporationBasic).
constexpr RepaymentFamily FamilyOf(RepaymentMethod method) noexcept
{
    switch (method) {
    case CorporationYutori:
    case PensionStep:
        return RepaymentFamily::ReducedEarly;
    case EqualPrincipal:
        return RepaymentFamily::EqualPrincipal;
    default:
        return RepaymentFamily::LevelPayment;
    }
}

// The option button caption ("公庫基本型" ...); empty for a value outside 1..6.
std::string_view MethodCaption(RepaymentMethod method) noexcept;

// The method whose caption is exactly `caption`.
std::optional<RepaymentMethod> MethodFromCaption(std::string_view caption) noexcept;

// The code name ("CorporationBasic" ...); empty for a value outside 1..6.
std::string_view MethodName(RepaymentMethod method) noexcept;

// Captions that switch with the method: the three band column captions
// (1037, 1038, 1039), the first rate's caption (1015) and the caption beside
// the annual repayment (1046).
struct CaptionSet {
    std::string_view band[3];
    std::string_view rate1;
    std::string_view annual;
};

// What ResetBandLabels sets (公庫 and 年金 methods).
extern const CaptionSet kStandardCaptions;
// What 元金均等型 shows.
extern const CaptionSet kEqualPrincipalCaptions;
// What 銀行型・他 shows.
extern const CaptionSet kBankCaptions;

// The caption set a method shows; the standard set for a value outside 1..6.
const CaptionSet& CaptionSetOf(RepaymentMethod method) noexcept;

} // namespace hn
