// SPDX-License-Identifier: GPL-3.0-or-later
// The program runs under Qt, which sets the C library's locale from the
// environment. The calc tests do the same before any test runs, so that the
// run registered with LC_ALL=de_DE.UTF-8 really has "," as the C decimal point.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

class LocaleFromEnvironment : public ::testing::Environment {
public:
    void SetUp() override { std::setlocale(LC_ALL, ""); }
};

[[maybe_unused]] ::testing::Environment* const kLocaleEnvironment =
    ::testing::AddGlobalTestEnvironment(new LocaleFromEnvironment);

// Guards the comma-locale run itself: if the locale did not switch, that run
// would prove nothing.
TEST(LocaleRun, CLibraryFollowsTheEnvironment)
{
    const char* all = std::getenv("LC_ALL");
    const bool comma = all && std::string_view(all).rfind("de_DE", 0) == 0;
    EXPECT_STREQ(std::localeconv()->decimal_point, comma ? "," : ".");
    if (comma) {
        EXPECT_EQ(std::strtod("2.5", nullptr), 2.0); // the C reader stops at "."
    }
}

} // namespace
