// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CAboutDlg.h"

#include "Version.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(AboutBox, ShowsNameVersionLicenceAndIconAndEndsOnOkOrEscape)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
    bool version = false, icon = false, licence = false;
    for (QWidget* w : about.Layout().Controls())
        if (auto* label = qobject_cast<QLabel*>(w)) {
            version |= label->text() == "Hensai Navi  version " HENSAI_VERSION;
            icon |= !label->pixmap().isNull();
            // The licence and the missing warranty, shown whole.
            if (label->text() == "ライセンス: GPL-3.0-or-later・無保証") {
                licence = true;
                EXPECT_GE(label->width(), label->sizeHint().width());
            }
        }
    EXPECT_TRUE(version);
    EXPECT_TRUE(icon);
    EXPECT_TRUE(licence);

    auto* ok = about.Layout().Item<QPushButton>(1);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    about.show();
    QSignalSpy accepted(&about, &QDialog::accepted);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);

    about.show();
    QSignalSpy rejected(&about, &QDialog::rejected);
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

} // namespace
} // namespace hn
