// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shown window with one entry field under test and a plain QLineEdit beside it: the
// plain one takes the focus away and, fed the same events, shows that an event would
// have changed an ordinary field (so a test of "nothing changed" can fail).
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>

namespace hn::test {

template <typename Field>
class FieldWindow {
public:
    template <typename... Args>
    explicit FieldWindow(Args&&... args)
        : field(new Field(std::forward<Args>(args)..., &window))
        , plain(new QLineEdit(&window))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(plain);
        window.resize(240, 80);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    Field* field;
    QLineEdit* plain;
};

inline void PutOnClipboard(const QString& text)
{
    QApplication::clipboard()->setText(text);
    ASSERT_EQ(QApplication::clipboard()->text(), text) << "the clipboard does not work here";
}

// Paste keys, context menu and a text drop: an ordinary line edit takes text from each.
inline void ExpectPasteChangesPlainField(QLineEdit* plain)
{
    plain->clear();
    QTest::keyClick(plain, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(plain->text(), QApplication::clipboard()->text());
    plain->clear();
    QTest::keyClick(plain, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(plain->text(), QApplication::clipboard()->text());
    plain->clear();
}

inline void SendTextDrop(QWidget* target, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Sends a context-menu request; true when a menu popped up (it is closed again).
inline bool ContextMenuOpens(QWidget* target)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, target->rect().center(), target->mapToGlobal(target->rect().center()));
    QApplication::sendEvent(target, &event);
    QWidget* popup = QApplication::activePopupWidget();
    if (popup)
        popup->close();
    return popup != nullptr;
}

} // namespace hn::test
