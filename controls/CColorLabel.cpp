#include "controls/CColorLabel.h"

#include "platform/DialogFont.h"
#include "platform/SysColors.h"
#include "platform/TextContrast.h"

#include <QPainter>
#include <QPalette>
#include <QStyle>

namespace hn {

CColorLabel::CColorLabel(QWidget* parent)
    : QLabel(parent), m_crText(GetSysColor(SysColor::WindowText)), m_crBk(GetSysColor(SysColor::BtnFace))
{
    setTextFormat(Qt::PlainText);
    // A framed QLabel would indent its text by half an "x" from the aligned edge; the
    // figures need every pixel of their narrow fields, so the text meets the frame.
    setIndent(0);
    setFont(DialogFont());
}

CColorLabel::CColorLabel(const DialogItem&, QWidget* parent) : CColorLabel(parent) {}

CColorLabel::~CColorLabel() = default;

void CColorLabel::SetTextColor(ColorRef colour)
{
    m_crText = colour;
    m_bTextSet = true;
    repaint();
}

void CColorLabel::SetBkColor(ColorRef colour)
{
    m_crBk = colour;
    m_bBkSet = true;
}

ColorRef CColorLabel::ShownBkColor() const
{
    return m_bBkSet ? m_crBk : FromQColor(palette().color(QPalette::Window));
}

ColorRef CColorLabel::ShownTextColor() const
{
    if (m_bTextSet && m_bBkSet)
        return m_crText; // both chosen by the dialog, for each other
    if (!m_bTextSet && !m_bBkSet)
        return FromQColor(palette().color(QPalette::WindowText)); // both the scheme's
    // One comes from the dialog, the other from whatever scheme the desktop has.
    const ColorRef preferred = m_bTextSet ? m_crText : FromQColor(palette().color(QPalette::WindowText));
    return ReadableTextColour(preferred, ShownBkColor());
}

void CColorLabel::SetFontSize(int pixelHeight)
{
    setFont(DialogFont(pixelHeight));
    repaint();
}

void CColorLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(ShownBkColor()));
    drawFrame(&painter);
    // The text as a label draws it (aligned in the area inside the frame, clipped when
    // wider, the font kept), in the colour chosen for the background.
    QPalette shown = palette();
    shown.setColor(QPalette::WindowText, ToQColor(ShownTextColor()));
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), shown,
                          isEnabled(), text(), QPalette::WindowText);
}

} // namespace hn
