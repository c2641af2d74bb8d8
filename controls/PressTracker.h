// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When a drawn button looks pushed and when letting go makes a click. Two things hold
// a button down: the left mouse button pressed on it (it keeps every move and the
// release until the button comes up: the capture), and Space pressed while it has the
// focus. The widgets report the events and draw; this decides. Plain C++ so that the
// rules can be tested on their own, beside the hover button's HoverTracker.
//
// Every call that can change the look returns true when it did (the button must be
// redrawn). Clearing the pushed look after a release is the widget's own step
// (Unpush, UnpushUnlessCaptured), since the option and the toggle clear it at
// different moments around their click.
namespace hn {

class PressTracker {
public:
    // The left button went down on the control: captured and pushed.
    bool OnLeftPress();
    // The pointer moved while captured: pushed while it is over the control. Ignored
    // (false) when not captured.
    bool OnPointerMove(bool inside);
    // The left button came up: the capture ends. A click when the press started here
    // and the pointer is over the control. The pushed look stays.
    bool OnLeftRelease(bool inside);

    // Space went down while the control had the focus: pushed.
    bool OnSpaceDown();
    // Space came up: a click when it went down here (and not dropped since).
    bool OnSpaceUp();
    // The focus left: a Space held is dropped, and its pushed look with it unless the
    // mouse still holds the control.
    bool OnFocusLost();

    bool Unpush();
    bool UnpushUnlessCaptured();

    bool IsPushed() const { return m_bPushed; }
    bool IsCaptured() const { return m_bCapture; }
    bool IsSpaceDown() const { return m_bSpaceDown; }

private:
    bool SetPushed(bool pushed);

    bool m_bPushed = false;
    bool m_bCapture = false;   // the left button went down here and is still held
    bool m_bSpaceDown = false; // Space went down while the control had the focus
};

} // namespace hn
