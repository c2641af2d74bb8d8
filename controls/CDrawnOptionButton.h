// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own option (radio) button: a 12 × 12 shaded ball left of the caption,
// sunken and dotted when checked, darker while held. It keeps its own check state,
// handles the mouse, Space and the arrow keys itself, and unchecks the other drawn
// option buttons of its dialog group.
#include "controls/CDrawnButton.h"
#include "controls/DrawnButtonGeometry.h"

#include <QString>
#include <vector>

namespace hn {

struct DialogItem;

class CDrawnOptionButton : public CDrawnButton {
    Q_OBJECT

public:
    explicit CDrawnOptionButton(QWidget* parent = nullptr);
    CDrawnOptionButton(const QString& caption, QWidget* parent);
    // From a dialog template row: the row's text becomes the caption.
    CDrawnOptionButton(const DialogItem& item, QWidget* parent);

    // Stores the state and repaints the ball if it changed; no group effect and no click
    // notification. Returns the previous state.
    int SetCheck(int state);
    int GetCheck() const { return m_nChecked; }

    // The keyboard's way into a group of options: the group's checked option (the first
    // one while none is checked) is a Tab stop, the others are reached with the arrows.
    // Called on every check change and when the option is first shown.
    void UpdateGroupTabStop();

    // Arrows that only move the focus to the previous or next option of the group,
    // checking nothing; Space or Enter then checks the focused option and notifies the
    // parent. For options whose click does more than choose (a recall), so that moving
    // through them changes nothing.
    void SetArrowsMoveFocusOnly(bool on) { m_bArrowsMoveFocusOnly = on; }
    bool ArrowsMoveFocusOnly() const { return m_bArrowsMoveFocusOnly; }

    // Where the ball and the caption go in the current size and font.
    DrawnRect BulletRectangle() const;
    DrawnRect CaptionRectangle() const;

    QSize sizeHint() const override;

protected:
    void RecalcPalette() override;
    void DrawItem(Canvas& canvas, const DrawItemState& state) override;

    void RedrawPushedLook() override { InvalidateBullet(); }
    void OnLeftPressed() override { setFocus(Qt::MouseFocusReason); }

    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void OnSpaceClick() override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // QAbstractButton::click() (a screen reader's press, a program's click): check and
    // clear the group before the button sends clicked(), as a mouse click does.
    void nextCheckState() override;

private:
    void InvalidateBullet();
    void DrawBullet(Canvas& canvas) const;
    void UncheckGroupSiblings();
    void MoveInGroup(bool previous);
    void MoveFocusInGroup(bool previous);
    // The drawn options of this control's dialog group, in window order.
    std::vector<CDrawnOptionButton*> GroupOptions();

    int m_nChecked = 0;
    bool m_bArrowsMoveFocusOnly = false;
};

} // namespace hn
