// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives the real calculator window the way a user does: typing into its fields,
// clicking its options and buttons, and reading back what it shows.
#include "app/CLoanDlg.h"
#include "res/MainDialogIds.h"
#include "tests/support/MessageBoxCatcher.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace hn::test {

class LoanDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<CLoanDlg>();
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    void TearDown() override { dlg.reset(); }

    QWidget* Item(int id) const { return dlg->GetDlgItem(id); }
    QString Text(int id) const;
    void Type(int id, const QString& keys);
    void Click(int id);
    void SelectMethod(int optionId) { Click(optionId); }
    // Picks a list entry of the period box as the user does.
    void PickPeriod(const QString& years);
    // Types into the period box's edit part (the period must not be fixed).
    void TypePeriod(const QString& text);
    void Calculate() { Click(IDC_CALCULATE); }
    // The worked example's inputs: 3,000 and 600 万円, 2.0 % and 3.0 %, 35 years.
    void EnterWorkedExample();
    bool Visible(int id) const { return !Item(id)->isHidden(); }
    QWidget* Focused() const { return dlg->focusWidget(); }

    std::unique_ptr<CLoanDlg> dlg;
    MessageBoxCatcher boxes;
};

} // namespace hn::test
