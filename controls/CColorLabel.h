#pragma once
// A static text with its own text colour, background colour and font height, used for
// the result figures and the coloured headings. The frame the dialog gave it (a sunken
// panel for the figures) stays; the background fills the area inside the frame.
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorRef m_crText;
    ColorRef m_crBk;
};

} // namespace hn
