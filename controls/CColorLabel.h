// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A static text with its own text colour, background colour and font height, used for
// the result figures and the coloured headings. The frame the dialog gave it (a sunken
// panel for the figures) stays; the background fills the area inside the frame.
//
// Colours that are not set follow the desktop's scheme. Whatever the scheme, the text
// stays readable: on a background the dialog fixed (the pastel figures) a scheme's light
// text would all but vanish, and a text colour the dialog fixed may vanish on a scheme's
// dark window, so where only one of the two is fixed a text colour that does not stand
// out enough from the background gives way to black or white.
#include "platform/ColorRef.h"
#include "platform/DialogTemplate.h"

#include <QLabel>

namespace hn {

class CColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit CColorLabel(QWidget* parent = nullptr);
    // For a dialog's control factory. The dialog builder then gives the label its
    // row's text, alignment and frame, as it does a plain static.
    CColorLabel(const DialogItem& item, QWidget* parent);
    ~CColorLabel() override;

    // Shows at once.
    void SetTextColor(ColorRef colour);
    // Shows at the next repaint; the caller decides when that happens.
    void SetBkColor(ColorRef colour);
    // Character height in pixels. Shows at once.
    void SetFontSize(int pixelHeight);

    ColorRef GetTextColor() const { return m_crText; }
    ColorRef GetBkColor() const { return m_crBk; }

    // What the next paint shows: the background set (or the scheme's window colour),
    // and the text colour chosen for it.
    ColorRef ShownBkColor() const;
    ColorRef ShownTextColor() const;

    // Lets the user select the text with the mouse and copy it (Ctrl+C, or "コピー" in
    // the label's context menu, which copies the whole text when nothing is selected).
    void SetCopyable(bool copyable);
    // What a copy takes now.
    QString CopyText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPalette SchemePalette() const;
    // The chosen text colour into the label's own palette, where the label's painting
    // and its selection take it from.
    void ApplyTextColour();
    void ShowCopyMenu(const QPoint& pos);

    ColorRef m_crText;
    ColorRef m_crBk;
    bool m_bTextSet = false;
    bool m_bBkSet = false;
    bool m_bApplying = false;
};

} // namespace hn
