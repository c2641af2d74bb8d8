// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's flat picture button: a small icon on a background a little darker than
// the dialog face and no frame at rest; lighter with a thin raised frame while the
// pointer is over it (and the program is the active one); sunken with the icon one
// pixel down and right while held. Clicks arrive as QAbstractButton::clicked.
#include "controls/HoverTracker.h"
#include "platform/ColorRef.h"
#include "platform/DialogTemplate.h"
#include "platform/IconSizes.h"

#include <QCursor>
#include <QImage>
#include <QPushButton>
#include <QString>
#include <optional>

namespace hn {

// The windows set their picture buttons this much darker than the dialog face in each
// channel at rest and this much lighter while lit or pressed, held within 0..255 so
// that a face near white or black keeps shades next to it.
inline constexpr int kHoverButtonShade = 20;

class CHoverButton : public QPushButton {
    Q_OBJECT
public:
    explicit CHoverButton(QWidget* parent = nullptr);
    // For a dialog's control factory. The dialog builder then makes a default push
    // button row the dialog's default button, as it does a plain push button.
    CHoverButton(const DialogItem& item, QWidget* parent);
    ~CHoverButton() override;

    // The icon shown while lit or pressed, and the one at rest (empty: the same icon).
    // Both keep their own size. Redraws at once.
    void SetIcon(const QImage& hoverAndPress, const QImage& rest = {});
    // The same with every size the pictures were drawn at: the smallest gives the icon's
    // place, the larger ones are shown on screens of a higher device pixel ratio.
    void SetIcon(const IconSizes& hoverAndPress, const IconSizes& rest = {});
    // The cursor over the button; nullopt leaves the default arrow. Returns true when
    // a cursor is now set.
    bool SetBtnCursor(const std::optional<QCursor>& cursor);
    // 0: icon left of the caption, 1: above it. The buttons have no caption, so both
    // centre the icon: the alignment is kept but changes nothing drawn.
    void SetIconAlign(int align) { m_nIconAlign = align; }
    int GetIconAlign() const { return m_nIconAlign; }

    // Backgrounds at rest and while lit or pressed; repaint 1 invalidates the button,
    // any other value only stores the colour.
    void SetNormalBkColor(ColorRef colour, int repaint);
    void SetActiveBkColor(ColorRef colour, int repaint);
    ColorRef GetNormalBkColor() const { return m_crNormalBk; }
    ColorRef GetActiveBkColor() const { return m_crActiveBk; }

    // Screen readers announce the tool-tip text until setAccessibleName gives the button
    // a name of its own.

    bool IsHover() const { return m_hover.IsLit(); }
    bool HasBtnCursor() const { return m_cursor.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void PointerAt(QPointF pos, Qt::MouseButtons buttons);
    // The picture for this paint at the widget's ratio, kept until the ratio changes.
    const QImage& IconToDraw(bool lit);

    int m_nIconAlign = 0;
    HoverTracker m_hover;
    std::optional<QCursor> m_cursor;
    IconSizes m_iconHover;
    IconSizes m_iconRest;
    QImage m_drawnHover; // m_iconHover at m_drawnRatio
    QImage m_drawnRest;
    qreal m_drawnRatio = 0;
    ColorRef m_crNormalBk;
    ColorRef m_crActiveBk;
    QString m_strNameFromTip; // the accessible name as the tool tip last set it
};

} // namespace hn
