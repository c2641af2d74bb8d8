// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/LoanDlgFixture.h"

#include <QAbstractItemView>

namespace hn::test {

QString LoanDlgTest::Text(int id) const
{
    QWidget* w = Item(id);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    ADD_FAILURE() << "no text control " << id;
    return {};
}

void LoanDlgTest::Type(int id, const QString& keys)
{
    QWidget* w = Item(id);
    w->setFocus();
    QTest::keyClicks(w, keys);
}

void LoanDlgTest::Click(int id)
{
    QWidget* w = Item(id);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
}

void LoanDlgTest::PickPeriod(const QString& years)
{
    auto* combo = qobject_cast<QComboBox*>(Item(IDC_PERIOD));
    const int index = combo->findText(years);
    ASSERT_GE(index, 0) << years.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void LoanDlgTest::TypePeriod(const QString& text)
{
    auto* combo = qobject_cast<QComboBox*>(Item(IDC_PERIOD));
    QLineEdit* edit = combo->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void LoanDlgTest::EnterWorkedExample()
{
    Type(IDC_LOAN, "3000");
    Type(IDC_BONUS_PART, "600");
    Type(IDC_RATE1, "2.0");
    Type(IDC_RATE2, "3.0");
    PickPeriod("35");
}

} // namespace hn::test
