#include "controls/CColorLabel.h"

#include "platform/DialogFont.h"
#include "platform/SysColors.h"

#include <QPainter>
#include <QPalette>

namespace hn {

CColorLabel::CColorLabel(QWidget* parent)
    : QLabel(parent), m_crText(GetSysColor(SysColor::WindowText)), m_crBk(GetSysColor(SysColor::BtnFace))
{
    setTextFormat(Qt::PlainText);
    // A framed QLabel would indent its text by half an "x" from the aligned edge; the
    // figures need every pixel of their narrow fields, so the text meets the frame.
    setIndent(0);
    setFont(DialogFont());
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(m_crText));
    setPalette(p);
}

CColorLabel::CColorLabel(const DialogItem&, QWidget* parent) : CColorLabel(parent) {}

CColorLabel::~CColorLabel() = default;

void CColorLabel::SetTextColor(ColorRef colour)
{
    m_crText = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(colour));
    setPalette(p);
    repaint();
}

void CColorLabel::SetBkColor(ColorRef colour)
{
    m_crBk = colour;
}

void CColorLabel::SetFontSize(int pixelHeight)
{
    setFont(DialogFont(pixelHeight));
    repaint();
}

void CColorLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), ToQColor(m_crBk));
    }
    // The frame and the text as any label draws them; text wider than the label is
    // clipped, the font stays.
    QLabel::paintEvent(event);
}

} // namespace hn
