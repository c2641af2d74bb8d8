// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CColorLabel.h"

#include "platform/DialogFont.h"
#include "platform/SysColors.h"
#include "platform/TextContrast.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
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
    ApplyTextColour();
}

CColorLabel::CColorLabel(const DialogItem&, QWidget* parent) : CColorLabel(parent) {}

CColorLabel::~CColorLabel() = default;

void CColorLabel::SetTextColor(ColorRef colour)
{
    m_crText = colour;
    m_bTextSet = true;
    ApplyTextColour();
    repaint();
}

void CColorLabel::SetBkColor(ColorRef colour)
{
    m_crBk = colour;
    m_bBkSet = true;
    ApplyTextColour(); // the text colour may depend on it; shows with the background
}

void CColorLabel::SetFontSize(int pixelHeight)
{
    setFont(DialogFont(pixelHeight));
    repaint();
}

void CColorLabel::SetCopyable(bool copyable)
{
    // Selecting with the mouse gives the label the focus on a click (never a Tab stop),
    // and with it Ctrl+C.
    setTextInteractionFlags(copyable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    setContextMenuPolicy(copyable ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
    disconnect(this, &QWidget::customContextMenuRequested, this, nullptr);
    if (copyable)
        connect(this, &QWidget::customContextMenuRequested, this, &CColorLabel::ShowCopyMenu);
}

QString CColorLabel::CopyText() const
{
    return hasSelectedText() ? selectedText() : text();
}

void CColorLabel::ShowCopyMenu(const QPoint& pos)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("コピー"));
    copy->setEnabled(!CopyText().isEmpty());
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(CopyText()); });
    menu.exec(mapToGlobal(pos));
}

QPalette CColorLabel::SchemePalette() const
{
    // The scheme as the window has it: this label's own palette carries the chosen
    // text colour and is no guide to it.
    return parentWidget() ? parentWidget()->palette() : QApplication::palette();
}

ColorRef CColorLabel::ShownBkColor() const
{
    return m_bBkSet ? m_crBk : FromQColor(SchemePalette().color(QPalette::Window));
}

ColorRef CColorLabel::ShownTextColor() const
{
    if (m_bTextSet && m_bBkSet)
        return m_crText; // both chosen by the dialog, for each other
    const ColorRef scheme = FromQColor(SchemePalette().color(QPalette::WindowText));
    if (!m_bTextSet && !m_bBkSet)
        return scheme; // both the scheme's
    // One comes from the dialog, the other from whatever scheme the desktop has.
    return ReadableTextColour(m_bTextSet ? m_crText : scheme, ShownBkColor());
}

void CColorLabel::ApplyTextColour()
{
    if (m_bApplying)
        return;
    m_bApplying = true;
    QPalette p = palette();
    const QColor text = ToQColor(ShownTextColor());
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    setPalette(p);
    m_bApplying = false;
}

void CColorLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // The desktop's colours changed (or the window's): choose the text colour anew.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        ApplyTextColour();
}

void CColorLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), ToQColor(ShownBkColor()));
    }
    // The frame and the text as any label draws them (a selection included); text wider
    // than the label is clipped, the font stays.
    QLabel::paintEvent(event);
}

} // namespace hn
