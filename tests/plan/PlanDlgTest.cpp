// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CheckMessages.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/FigureGrid.h"
#include "controls/Utf8Text.h"
#include "plan/CPlanDlg.h"
#include "plan/PlanFields.h"
#include "tests/support/MessageBoxCatcher.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace hn {
namespace {

void Type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The published mixed loan typed field by field: 3,000 万円, half at 1.4 % fixed for the
// whole term and half variable at 0.6 %, 35 years each, one borrower of 600 万円.
void TypeMixedPlan(CPlanDlg& dlg)
{
    Type(dlg.Price(), QStringLiteral("3000"));
    Type(dlg.Income(0), QStringLiteral("600"));
    PlanLoanBox* second = dlg.Loans().size() > 1 ? dlg.Loans()[1] : dlg.AddLoan();
    ASSERT_NE(second, nullptr);
    PlanLoanBox* first = dlg.Loans()[0];
    Type(first->Amount(), QStringLiteral("1500"));
    Type(first->Rate(), QStringLiteral("1.4"));
    Type(second->Amount(), QStringLiteral("1500"));
    second->Product()->setCurrentIndex(1); // 変動
    Type(second->Rate(), QStringLiteral("0.6"));
}

class PlanDlgTest : public ::testing::Test {
protected:
    test::MessageBoxCatcher boxes;
    CPlanDlg dlg{nullptr};
};

TEST_F(PlanDlgTest, TheMixedLoanTypedAndEnteredShowsThePublishedFigures)
{
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    TypeMixedPlan(dlg);
    // Tab goes down the page: from the borrower to the first loan (the second borrower's
    // hidden fields skipped), from one loan to the next.
    auto* age = dlg.findChild<QAbstractSpinBox*>(QStringLiteral("借入者1の年齢 (歳)"));
    ASSERT_NE(age, nullptr);
    age->setFocus();
    QTest::keyClick(age, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dlg.Loans()[0]->Amount());
    QApplication::processEvents(); // the added loan's box is shown
    dlg.Loans()[0]->Rate()->setFocus();
    QTest::keyClick(dlg.Loans()[0]->Rate(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dlg.Loans()[1]->Amount());
    // Enter in the last field computes, as in the planning window.
    QTest::keyClick(dlg.Loans()[1]->Rate(), Qt::Key_Return);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.OnlyText().toStdString();
    const QString monthly = QStringLiteral("毎月返済額 (初回)");
    ASSERT_NE(dlg.Grid(QStringLiteral("借入1")), nullptr);
    EXPECT_EQ(dlg.Grid(QStringLiteral("借入1"))->Value(monthly), QStringLiteral("45,196円"));
    EXPECT_EQ(dlg.Grid(QStringLiteral("借入2"))->Value(monthly), QStringLiteral("39,604円"));
    ASSERT_NE(dlg.Grid(QStringLiteral("プラン全体")), nullptr);
    EXPECT_EQ(dlg.Grid(QStringLiteral("プラン全体"))->Value(monthly), QStringLiteral("84,800円"));
    EXPECT_NE(dlg.Grid(QStringLiteral("購入")), nullptr);
    EXPECT_NE(dlg.Grid(QStringLiteral("借入者1")), nullptr);
    EXPECT_EQ(dlg.Grid(QStringLiteral("世帯")), nullptr); // one borrower: no household of two

    // A changed input takes the old figures away.
    Type(dlg.Price(), QStringLiteral("3100"));
    EXPECT_EQ(dlg.Grid(QStringLiteral("プラン全体")), nullptr);
}

TEST_F(PlanDlgTest, ARefusedPlanTellsWhyCaptionedAsEveryInputCheckAndShowsNothing)
{
    TypeMixedPlan(dlg);
    Type(dlg.Price(), QString());
    EXPECT_FALSE(dlg.Compute());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, FromUtf8(kCheckCaption));
    EXPECT_FALSE(boxes.Boxes()[0].text.isEmpty());
    EXPECT_EQ(dlg.Grid(QStringLiteral("購入")), nullptr);

    boxes.Clear();
    Type(dlg.Price(), QStringLiteral("3000"));
    Type(dlg.Loans()[0]->Rate(), QString());
    EXPECT_FALSE(dlg.Compute());
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("借入1の金利を正しく入力してください。"));
    boxes.Clear();
    EXPECT_FALSE(dlg.Compute(PlanFeedback::Quiet));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PlanDlgTest, WhatWasTypedOpensAgainInANewWindow)
{
    TypeMixedPlan(dlg);
    dlg.Arrangement()->setCurrentIndex(static_cast<int>(PlanArrangement::IncomeCombined));
    Type(dlg.Income(1), QStringLiteral("400"));
    dlg.Loans()[1]->Product()->setCurrentIndex(2); // 固定期間選択型
    const PlanForm kept = dlg.Form();
    CPlanDlg again(nullptr, &kept);
    const PlanForm shown = again.Form();
    EXPECT_EQ(shown.priceMan, 3000);
    EXPECT_EQ(shown.arrangement, PlanArrangement::IncomeCombined);
    EXPECT_EQ(shown.borrowerCount, 2);
    EXPECT_EQ(shown.borrowers[1].incomeMan, 400);
    ASSERT_EQ(shown.loans.size(), 2u);
    EXPECT_EQ(shown.loans[1].product, PlanProductKind::FixedPeriod);
    EXPECT_EQ(shown.loans[1].rate, "0.6");
    EXPECT_EQ(shown.loans[0].rate, "1.4");

    // Loans are added up to four and removed down to one.
    while (again.AddLoan()) {
    }
    EXPECT_EQ(again.Loans().size(), 4u);
    for (int k = 0; k < 5; ++k)
        again.RemoveLoan();
    EXPECT_EQ(again.Loans().size(), 1u);
}

TEST_F(PlanDlgTest, EveryFieldIsNamedForScreenReaders)
{
    int fields = 0;
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractSpinBox*>(w))
            continue;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue; // a spin box's own line edit
        ++fields;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    }
    EXPECT_GE(fields, 19); // 8 of the purchase and borrowers, 11 of the loan
}

} // namespace
} // namespace hn
