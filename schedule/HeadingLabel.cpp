// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/HeadingLabel.h"

#include "schedule/HeadingLines.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

namespace hn {

HeadingLabel::HeadingLabel(QWidget* parent) : QLabel(parent)
{
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void HeadingLabel::SetHeading(const QString& heading)
{
    m_heading = heading;
    m_pieces.clear();
    for (const std::string& piece : HeadingPieces(heading.toStdString()))
        m_pieces << QString::fromStdString(piece);
    setAccessibleName(heading);
    Relayout();
}

QStringList HeadingLabel::Lines(int width) const
{
    const QFontMetrics fm(font());
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(m_pieces.size()));
    for (const QString& piece : m_pieces)
        widths.push_back(fm.horizontalAdvance(piece));
    const int room = std::max(1, width - contentsMargins().left() - contentsMargins().right() - 2 * margin());
    const std::vector<std::size_t> starts = PackLines(widths, room);
    QStringList lines;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : widths.size();
        QString line;
        for (std::size_t p = starts[k]; p < end; ++p)
            line += m_pieces[static_cast<qsizetype>(p)];
        lines << line;
    }
    return lines;
}

void HeadingLabel::Relayout()
{
    const QString wrapped = Lines(width()).join(QLatin1Char('\n'));
    if (wrapped == text())
        return;
    setText(wrapped);
    updateGeometry();
}

QSize HeadingLabel::sizeHint() const
{
    // On one line where there is room for it.
    const QFontMetrics fm(font());
    const int extra = contentsMargins().left() + contentsMargins().right() + 2 * margin();
    return {fm.horizontalAdvance(m_heading) + extra, heightForWidth(QWIDGETSIZE_MAX)};
}

QSize HeadingLabel::minimumSizeHint() const
{
    // As narrow as its widest piece.
    const QFontMetrics fm(font());
    int widest = 0;
    for (const QString& piece : m_pieces)
        widest = std::max(widest, fm.horizontalAdvance(piece));
    const int extra = contentsMargins().left() + contentsMargins().right() + 2 * margin();
    return {widest + extra, heightForWidth(widest + extra)};
}

int HeadingLabel::heightForWidth(int width) const
{
    const QFontMetrics fm(font());
    const auto lines = static_cast<int>(std::max<qsizetype>(1, Lines(width).size()));
    return lines * fm.lineSpacing() + contentsMargins().top() + contentsMargins().bottom() + 2 * margin();
}

void HeadingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Relayout();
}

void HeadingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Relayout();
}

} // namespace hn
