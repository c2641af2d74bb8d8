// SPDX-License-Identifier: GPL-3.0-or-later
// Where a heading may break, and how its pieces fill lines.
#include "schedule/HeadingLines.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(HeadingLines, BreaksOnlyAfterSpacesCommasAndArrows)
{
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(HeadingPieces(""), Pieces{});
    EXPECT_EQ(HeadingPieces("公庫基本型"), Pieces{"公庫基本型"});
    EXPECT_EQ(HeadingPieces("繰上げ返済　借入額 2,000万円　100万円（120回目の後）、50万円・期間短縮型 (回数単位)"),
              (Pieces{"繰上げ返済　", "借入額 2,000万円　", "100万円（120回目の後）、", "50万円・期間短縮型 (回数単位)"}));
    EXPECT_EQ(HeadingPieces("金利 3%（1回目～）→5%（13回目～）　"), (Pieces{"金利 3%（1回目～）→", "5%（13回目～）　"}));
}

TEST(HeadingLines, FillsEachLineAsFarAsItGoes)
{
    using Starts = std::vector<std::size_t>;
    EXPECT_EQ(PackLines({}, 100), Starts{});
    EXPECT_EQ(PackLines({30, 30, 30}, 100), Starts{0});
    EXPECT_EQ(PackLines({30, 30, 30}, 90), Starts{0});
    EXPECT_EQ(PackLines({30, 30, 30}, 89), (Starts{0, 2}));
    // A piece wider than a line has one of its own.
    EXPECT_EQ(PackLines({30, 150, 30}, 100), (Starts{0, 1, 2}));
    EXPECT_EQ(PackLines({150}, 100), Starts{0});
}

} // namespace
} // namespace hn
