// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpAddresses.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(HelpAddresses, HomePageIsTheConfiguredAddressElseTheInstalledReadmeElseNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString readme = dir.filePath(QStringLiteral("README.md"));

    // No README installed (a build tree): nothing to open, and no made-up address.
    EXPECT_TRUE(HomePageUrl({}, readme).isEmpty());
    EXPECT_TRUE(HomePageUrl({}, {}).isEmpty());

    QFile file(readme);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QUrl local = HomePageUrl({}, readme);
    EXPECT_TRUE(local.isLocalFile());
    EXPECT_EQ(local.toLocalFile(), readme);

    // A configured address wins even over an installed README.
    EXPECT_EQ(HomePageUrl(QStringLiteral("https://example.org/hensai/"), readme),
              QUrl(QStringLiteral("https://example.org/hensai/")));
    // A folder of that name is not a README.
    EXPECT_TRUE(HomePageUrl({}, dir.path()).isEmpty());
}

TEST(HelpAddresses, MailGoesToTheConfiguredAddressOnlyAndAlwaysAsMailto)
{
    EXPECT_TRUE(SupportMailUrl({}).isEmpty());
    EXPECT_TRUE(SupportMailUrl(QStringLiteral("  ")).isEmpty());
    EXPECT_EQ(SupportMailUrl(QStringLiteral("help@example.org")).toString(), "mailto:help@example.org");
    EXPECT_EQ(SupportMailUrl(QStringLiteral("MAILTO:help@example.org")).scheme(), "mailto");
    EXPECT_EQ(SupportMailUrl(QStringLiteral(" help@example.org\n")).toString(), "mailto:help@example.org");
}

} // namespace
} // namespace hn
