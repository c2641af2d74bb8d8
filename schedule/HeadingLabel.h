// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A heading that wraps only where schedule/HeadingLines.h lets it: between its pieces,
// never inside one. Its lines are laid out again whenever its width changes.
#include <QLabel>
#include <QStringList>

namespace hn {

class HeadingLabel : public QLabel {
public:
    explicit HeadingLabel(QWidget* parent = nullptr);

    void SetHeading(const QString& heading);
    // The heading as set, without the line breaks.
    QString Heading() const { return m_heading; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The heading in lines that fit `width`.
    QStringList Lines(int width) const;
    void Relayout();

    QString m_heading;
    QStringList m_pieces;
};

} // namespace hn
