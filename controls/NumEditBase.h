// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of the program's numeric entry fields (CNumEdit, CRateEdit): a QLineEdit whose
// text changes only through its own key filter. Typed characters and the Backspace,
// Delete and Insert keys go to the subclass; there is no other way in: no paste (Ctrl+V,
// Shift+Insert, context menu, middle-button primary selection), no drag and drop, no
// input method. Arrow keys, Home and End move the caret as usual; Tab, Enter and Esc are
// left to the dialog. The right button is swallowed: no menu, no caret move, no focus.
#include <QLineEdit>

class QKeyEvent;

namespace hn {

class CNumEditBase : public QLineEdit {
    Q_OBJECT
public:
    explicit CNumEditBase(QWidget* parent = nullptr);

    using QLineEdit::inputMethodQuery;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    // One typed character (Shift and AltGr included, Ctrl or Alt alone not).
    virtual void OnTypedChar(char32_t ch) = 0;
    // Backspace, Delete or Insert, with whatever modifiers are held.
    virtual void OnEditKey(const QKeyEvent& event) = 0;
    // The clipboard's text on a paste key. Refused unless a field takes it through its
    // own filter.
    virtual void OnPaste(const QString& text) { (void)text; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Qt gives click focus before the widget sees the press, whatever the button. The
    // field keeps click focus out of its focus policy (whoever set it, e.g. the dialog
    // builder) and takes the focus itself on a left press when the policy asked for it.
    void TakeOverClickFocus();

    bool m_bClickFocus = true;
    Qt::FocusPolicy m_nOwnPolicy = Qt::TabFocus;
};

} // namespace hn
