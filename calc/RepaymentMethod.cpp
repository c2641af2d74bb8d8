// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/RepaymentMethod.h"

namespace hn {

namespace {

struct MethodText {
    std::string_view caption;
    std::string_view name;
};

// Index = method - 1.
constexpr MethodText kMethods[] = {
    {"公庫基本型", "CorporationBasic"},
    {"公庫（ゆとり)型", "CorporationYutori"},
    {"年金基本型", "PensionBasic"},
    {"年金(ｽﾃｯﾌﾟ)型", "PensionStep"},
    {"元金均等型", "EqualPrincipal"},
    {"銀行型・他", "BankOther"},
};

} // namespace

const CaptionSet kStandardCaptions{
    {"1～5年目", "6～10年目", "11年目以降"}, "金利 当初10年間", "1～5年目"};
const CaptionSet kEqualPrincipalCaptions{
    {"1年目第1回", "6年目第1回", "11年目第1回"}, "金利 当初10年間", "1年目"};
const CaptionSet kBankCaptions{
    {"1～5年目", "6～10年目", "11年目以降"}, "金利 一定", "一定"};

std::string_view MethodCaption(RepaymentMethod method) noexcept
{
    return IsValidMethod(method) ? kMethods[method - 1].caption : std::string_view{};
}

std::string_view MethodName(RepaymentMethod method) noexcept
{
    return IsValidMethod(method) ? kMethods[method - 1].name : std::string_view{};
}

std::optional<RepaymentMethod> MethodFromCaption(std::string_view caption) noexcept
{
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        if (kMethods[m - 1].caption == caption)
            return m;
    return std::nullopt;
}

const CaptionSet& CaptionSetOf(RepaymentMethod method) noexcept
{
    switch (method) {
    case EqualPrincipal:
        return kEqualPrincipalCaptions;
    case BankOther:
        return kBankCaptions;
    default:
        return kStandardCaptions;
    }
}

} // namespace hn
