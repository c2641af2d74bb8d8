// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <gtest/gtest.h>

namespace hn::test {

MessageBoxCatcher::MessageBoxCatcher()
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start();
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    m_timer.stop();
}

void MessageBoxCatcher::Poll()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible())
            continue;
        m_boxes.push_back({box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()), box->icon(),
                           box->parentWidget()});
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->accept();
    }
}

QString MessageBoxCatcher::OnlyText() const
{
    EXPECT_LE(m_boxes.size(), 1u) << "more than one message box";
    return m_boxes.empty() ? QString() : m_boxes.back().text;
}

} // namespace hn::test
