// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small disclosure button: a coloured triangle that points right while closed and down
// while open, swinging through a diagonal frame for 50 ms whenever it changes. Each
// click flips it; the parent hears of the click before the flip, so its handler reads
// the state from before the click.
#include "controls/CDrawnButton.h"

#include <QTimer>

namespace hn {

struct DialogItem;

class CDrawnToggleButton : public CDrawnButton {
    Q_OBJECT

public:
    // How long the diagonal frame stays before the final one is drawn.
    static constexpr int kIntermediateFrameMs = 50;

    explicit CDrawnToggleButton(QWidget* parent = nullptr);
    CDrawnToggleButton(const DialogItem& item, QWidget* parent);

    // Sets the triangle's face colour, recomputes the palette and repaints.
    void SetFaceColor(ColorRef face);
    ColorRef GetFaceColor() const { return m_face; }

    // 0 closed (points right), 1 open (points down).
    int GetToggleState() const { return m_bOpen ? 1 : 0; }

    // Whether what the toggle shows and hides is shown now, as screen readers announce
    // it (expanded or collapsed). The owner says so: it decides what the state means.
    void SetExpanded(bool expanded);
    bool IsExpanded() const { return m_bExpanded; }

    QSize sizeHint() const override;

protected:
    void RecalcPalette() override;
    // Attaching widens the control by 12 pixels to the right; its top-left stays.
    void OnAttach() override;
    void DrawItem(Canvas& canvas, const DrawItemState& state) override;

    void RedrawPushedLook() override { update(); }

    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void OnSpaceClick() override;
    // QAbstractButton::click() (a screen reader's press, a program's click): flip once
    // every handler connected so far has seen the click.
    void nextCheckState() override;

private:
    void Flip();

    bool m_bAnimate = false;
    bool m_bOpen = false;
    bool m_bExpanded = true;
    ColorRef m_face;
    // Asks for the final frame once the diagonal one has been seen; the window stays
    // responsive meanwhile.
    QTimer m_finalFrameTimer{this};
};

} // namespace hn
