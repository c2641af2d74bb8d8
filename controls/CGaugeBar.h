// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A progress bar that draws itself: a shaded tube in one base colour with a two-pixel
// shadow after its end, or, in animation mode, diagonal stripes over the whole control
// moving one pixel every 25 ms. The summary window shows the burden ratio with it.
#include "controls/GaugeShades.h"
#include "platform/DialogTemplate.h"

#include <QBasicTimer>
#include <QProgressBar>

namespace hn {

class CGaugeBar : public QProgressBar {
    Q_OBJECT
public:
    explicit CGaugeBar(QWidget* parent = nullptr);
    // For a template row: a border row gets the one-pixel frame around the client area.
    CGaugeBar(const DialogItem& item, QWidget* parent);
    ~CGaugeBar() override;

    // Range and position as the standard progress control keeps them: the position is
    // held within the range (QProgressBar::setValue would ignore an outside value).
    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int pos); // returns the previous position
    int GetPos() const { return value(); }

    void SetBarColor(ColorRef colour);
    ColorRef GetBarColor() const { return m_shades.base; }
    void SetAnimate(bool on);
    bool IsAnimating() const { return m_bAnimating; }

    // What a screen reader gives as the gauge's value (the gauge draws no text): the
    // owner's own wording of what the bar shows, such as a percentage.
    void SetValueText(const QString& text);
    QString ValueText() const { return accessibleDescription(); }

    // A one-pixel window-frame outline; the gauge then draws inside it.
    void SetBorder(bool border);

    // Read-outs for tests and the gallery.
    const GaugeShades& Shades() const { return m_shades; }
    int GetAnimOffset() const { return m_nAnimOffset; }
    bool IsAnimationTimerActive() const { return m_timer.isActive(); }
    int AnimationTimerId() const { return m_timer.timerId(); }

    static constexpr int kAnimIntervalMs = 25;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void MakeShades();

    int m_nAnimOffset = 0;
    bool m_bAnimating = false;
    bool m_bBorder = false;
    GaugeShades m_shades{};
    QBasicTimer m_timer;
};

} // namespace hn
