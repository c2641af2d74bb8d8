// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of the drawn option and toggle buttons: the kind, the pressed flag, the
// seven-colour palette with its pens (rebuilt whenever the system colours change), the
// attach step and the off-screen drawing frame. The mouse and keyboard handling is the
// derived classes' own, with a PressTracker deciding when they look pushed and click;
// the button class underneath gives the clicked() signal and the screen-reader view.
#include "controls/DrawnPalette.h"
#include "controls/DrawnRecipes.h"
#include "controls/PressTracker.h"

#include <QAbstractButton>
#include <QImage>

namespace hn {

class Canvas;

// What a paint request says about the item besides the control's own flags.
struct DrawItemState {
    bool selected = false; // held down: the pushed look
    bool focused = false;
};

class CDrawnButton : public QAbstractButton {
    Q_OBJECT

public:
    DrawnKind Kind() const { return m_nKind; }
    const DrawnPalette& Palette() const { return m_palette; }
    const DrawnPens& Pens() const { return m_pens; }
    bool IsPressed() const { return m_press.IsPushed(); }

    // The dialog calls this once the control has its place (the attach step). Only the
    // first call counts.
    void Attach();
    bool IsAttached() const { return m_bAttached; }

    // The state the next paint draws with: held, focused.
    DrawItemState CurrentItemState() const;
    // Draws the control exactly as a paint does, into an image of the control's size at
    // the given device pixel ratio.
    QImage RenderItem(const DrawItemState& state, qreal devicePixelRatio = 1.0);

protected:
    CDrawnButton(DrawnKind kind, QWidget* parent);

    // The palette from the system colours (and the toggle's own face colour).
    virtual void RecalcPalette() = 0;
    // The solid pens of the current palette; the toggle builds five of the seven.
    void CreatePalettePens();
    // What attaching adds for the derived kind (the toggle widens itself).
    virtual void OnAttach() {}

    // Draws the whole item; the canvas covers the control with (0, 0) at its top-left.
    virtual void DrawItem(Canvas& canvas, const DrawItemState& state) = 0;

    // Tells the parent about a click: the clicked() signal, sent synchronously.
    void NotifyClick();

    // Draws a recipe's lines and pixels with these pens, relative to the canvas origin.
    static void DrawRecipe(Canvas& canvas, const DrawnRecipe& recipe, const DrawnPens& pens);

    // Redraws what the pushed look changes: the option its ball, the toggle all of it.
    virtual void RedrawPushedLook() = 0;
    // What a left press does besides the pushed look (the option takes the focus).
    virtual void OnLeftPressed() {}
    // Space came up after going down here: the kind's click.
    virtual void OnSpaceClick() = 0;

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A left press is this control's own: it keeps every move and the release until the
    // button comes up (Qt's implicit grab is the capture).
    void mousePressEvent(QMouseEvent* event) override;
    // While the press that started here is held: pushed while the pointer is inside.
    void mouseMoveEvent(QMouseEvent* event) override;
    // The second press of a double click is a press like the first: two clicks.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Space up: a click when it went down here; a Space that went down elsewhere is not.
    void keyReleaseEvent(QKeyEvent* event) override;
    // A Space held while the focus leaves is dropped, not clicked.
    void focusOutEvent(QFocusEvent* event) override;
    // The whole control takes clicks.
    bool hitButton(const QPoint& pos) const override;

    PressTracker m_press;
    DrawnPalette m_palette;
    DrawnPens m_pens;

private:
    const DrawnKind m_nKind;
    bool m_bAttached = false;
};

} // namespace hn
