// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every section of the planning window shares: its 計算 button (the window's
// default button while the section is shown, so Enter computes it), computing with or
// without telling the user why an input is refused, and figures that never outlive the
// inputs they came from.
#include <QWidget>

#include <string_view>

class QPushButton;
class QVBoxLayout;

namespace hn {

// Whether a refused input is reported in a message box (the user pressed 計算) or not
// (the window computes again by itself: after taking new values, on opening).
enum class Feedback { Tell, Quiet };

class PlanningSection : public QWidget {
    Q_OBJECT
public:
    explicit PlanningSection(QWidget* parent = nullptr) : QWidget(parent) {}

    // Computes and shows the figures; false (after the message when told) when an input
    // is refused, with the figures cleared.
    virtual bool Compute(Feedback feedback) = 0;
    bool Compute() { return Compute(Feedback::Tell); }
    QPushButton* ComputeButton() const { return m_compute; }
    // Figures of the inputs shown are on display.
    bool HasFigures() const { return m_hasFigures && !m_clearPending; }

protected:
    // Adds the 計算 button, right-aligned, to `column`.
    QPushButton* AddComputeButton(QVBoxLayout* column, const QString& caption);
    // A message box captioned as every input check is, when the user is to be told.
    void Refuse(Feedback feedback, std::string_view message);
    // Any change of an input makes the figures shown old: they go.
    void ClearWhenChanged(QWidget* input);
    void InputsChanged();
    void SetHasFigures(bool shown)
    {
        m_hasFigures = shown;
        m_clearPending = false;
    }
    virtual void ClearFigures() = 0;

private:
    QPushButton* m_compute = nullptr;
    bool m_hasFigures = false;
    // An input changed and the figures go at the next turn of the event loop, unless
    // they are computed again before it.
    bool m_clearPending = false;
};

} // namespace hn
