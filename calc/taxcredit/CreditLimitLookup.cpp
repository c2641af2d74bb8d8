// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/CreditLimitLookup.h"

#include "calc/taxcredit/TaxCreditTexts.h"

#include <cmath>

namespace hn {
namespace {

bool Matches(const CreditLimitRow& row, int year, HomeKind kind, Household household, HomeCondition condition) noexcept
{
    if (year < row.fromYear || year > row.toYear || row.kind != kind || row.condition != condition)
        return false;
    return row.household == RowHousehold::Any ||
           (row.household == RowHousehold::ChildRearing) == (household == Household::ChildRearing);
}

// The row for the home's own condition, else the row without one.
const CreditLimitRow* FindRow(int year, HomeKind kind, Household household, HomeCondition condition) noexcept
{
    for (HomeCondition c : {condition, HomeCondition::None})
        for (const CreditLimitRow& row : kCreditLimitRows)
            if (Matches(row, year, kind, household, c))
                return &row;
    return nullptr;
}

} // namespace

LimitLookup LookupCreditLimit(const CreditHome& home) noexcept
{
    LimitLookup out;
    if (!std::isfinite(home.floorAreaM2) || home.floorAreaM2 <= 0.0) {
        out.message = kMsgCreditFloorAreaInvalid;
        return out;
    }
    if (home.moveInYear < kFirstTableYear || home.moveInYear > kLastTableYear) {
        out.message = kMsgCreditYearOutsideTable;
        return out;
    }
    if (home.floorAreaM2 < kMinSmallFloorAreaM2) {
        out.message = kMsgCreditFloorAreaTooSmall;
        return out;
    }
    out.row = FindRow(home.moveInYear, home.kind, home.household, home.condition);
    if (out.row == nullptr) { // every kind has a row in every year of the table
        out.message = kMsgCreditYearOutsideTable;
        return out;
    }
    out.smallHome = home.floorAreaM2 < kMinFloorAreaM2;
    if (out.smallHome && !out.row->smallHomeAllowed && home.household == Household::ChildRearing) {
        // The small-home rule and the household's uplift exclude each other: take the normal limit.
        const CreditLimitRow* normal = FindRow(home.moveInYear, home.kind, Household::Normal, home.condition);
        if (normal != nullptr && normal->smallHomeAllowed) {
            out.row = normal;
            out.upliftGivenUp = true;
        }
    }
    if (out.smallHome && !out.row->smallHomeAllowed) {
        out.message = kMsgCreditSmallHomeNotCovered;
        return out;
    }
    if (out.row->limitYen == 0) {
        out.message = kMsgCreditNotEligible;
        return out;
    }
    out.ok = true;
    out.incomeCeilingYen = out.smallHome ? kSmallHomeIncomeCeilingYen : kIncomeCeilingYen;
    return out;
}

} // namespace hn
