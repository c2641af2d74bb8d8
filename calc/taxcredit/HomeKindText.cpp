// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/HomeKindText.h"

namespace hn {
namespace {

struct KindText {
    HomeKind kind;
    std::string_view caption;
    std::string_view name;
};

constexpr KindText kKindTexts[] = {
    {HomeKind::Certified, "認定住宅（長期優良住宅・低炭素住宅）", "certified"},
    {HomeKind::Zeh, "ZEH水準省エネ住宅", "zeh"},
    {HomeKind::EnergyEfficient, "省エネ基準適合住宅", "energy"},
    {HomeKind::Other, "その他の住宅", "other"},
    {HomeKind::ExistingCertified, "既存住宅（認定住宅）", "existing-certified"},
    {HomeKind::ExistingZeh, "既存住宅（ZEH水準省エネ住宅）", "existing-zeh"},
    {HomeKind::ExistingEnergyEfficient, "既存住宅（省エネ基準適合住宅）", "existing-energy"},
    {HomeKind::ExistingOther, "既存住宅（その他）", "existing"},
};

const KindText* Find(HomeKind kind) noexcept
{
    for (const KindText& t : kKindTexts)
        if (t.kind == kind)
            return &t;
    return nullptr;
}

} // namespace

std::string_view HomeKindCaption(HomeKind kind) noexcept
{
    const KindText* t = Find(kind);
    return t ? t->caption : std::string_view{};
}

std::string_view HomeKindName(HomeKind kind) noexcept
{
    const KindText* t = Find(kind);
    return t ? t->name : std::string_view{};
}

std::optional<HomeKind> HomeKindFromName(std::string_view name) noexcept
{
    for (const KindText& t : kKindTexts)
        if (t.name == name)
            return t.kind;
    return std::nullopt;
}

bool IsExistingHome(HomeKind kind) noexcept
{
    switch (kind) {
    case HomeKind::ExistingCertified:
    case HomeKind::ExistingZeh:
    case HomeKind::ExistingEnergyEfficient:
    case HomeKind::ExistingOther:
        return true;
    default:
        return false;
    }
}

} // namespace hn
