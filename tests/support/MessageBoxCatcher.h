// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers every modal message box that a test provokes: records its caption, text,
// buttons and icon, then presses OK, so that a handler that shows one runs to its end.
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

namespace hn::test {

struct CaughtBox {
    QString caption;
    QString text;
    int buttonCount = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
};

class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();

    const std::vector<CaughtBox>& Boxes() const { return m_boxes; }
    // The text of the only box shown since the last Clear (empty when none; fails the
    // test when there were several).
    QString OnlyText() const;
    void Clear() { m_boxes.clear(); }

private:
    void Poll();

    QTimer m_timer;
    std::vector<CaughtBox> m_boxes;
};

} // namespace hn::test
