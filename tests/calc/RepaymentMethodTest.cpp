// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/RepaymentMethod.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(RepaymentMethod, CaptionsAndFamiliesFollowTheOptionOrder)
{
    EXPECT_EQ(MethodCaption(CorporationBasic), "公庫基本型");
    EXPECT_EQ(MethodCaption(CorporationYutori), "公庫（ゆとり)型");
    EXPECT_EQ(MethodCaption(PensionBasic), "年金基本型");
    EXPECT_EQ(MethodCaption(PensionStep), "年金(ｽﾃｯﾌﾟ)型");
    EXPECT_EQ(MethodCaption(EqualPrincipal), "元金均等型");
    EXPECT_EQ(MethodCaption(BankOther), "銀行型・他");
    EXPECT_EQ(MethodCaption(0), "");
    EXPECT_EQ(MethodCaption(7), "");

    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        EXPECT_EQ(MethodFromCaption(MethodCaption(m)), m);
    EXPECT_FALSE(MethodFromCaption("公庫(ゆとり)型")); // the bracket is full-width

    EXPECT_EQ(FamilyOf(PensionBasic), RepaymentFamily::LevelPayment);
    EXPECT_EQ(FamilyOf(BankOther), RepaymentFamily::LevelPayment);
    EXPECT_EQ(FamilyOf(PensionStep), RepaymentFamily::ReducedEarly);
    EXPECT_EQ(FamilyOf(EqualPrincipal), RepaymentFamily::EqualPrincipal);
}

TEST(RepaymentMethod, CaptionSetsSwitchWithTheMethod)
{
    EXPECT_EQ(CaptionSetOf(EqualPrincipal).band[0], "1年目第1回");
    EXPECT_EQ(CaptionSetOf(EqualPrincipal).band[2], "11年目第1回");
    EXPECT_EQ(CaptionSetOf(EqualPrincipal).annual, "1年目");
    EXPECT_EQ(CaptionSetOf(BankOther).rate1, "金利 一定");
    EXPECT_EQ(CaptionSetOf(BankOther).annual, "一定");
    EXPECT_EQ(CaptionSetOf(BankOther).band[2], "11年目以降");
    for (RepaymentMethod m : {CorporationBasic, CorporationYutori, PensionBasic, PensionStep, 0})
        EXPECT_EQ(&CaptionSetOf(m), &kStandardCaptions);
    EXPECT_EQ(kStandardCaptions.band[1], "6～10年目");
    EXPECT_EQ(kStandardCaptions.rate1, "金利 当初10年間");
}

} // namespace
} // namespace hn
