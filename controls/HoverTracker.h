// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When a flat hover button is lit. The windowing layer reports pointer moves, leaving
// and focus loss; this decides. Plain C++ so that the rules can be tested on their own.
namespace hn {

class HoverTracker {
public:
    // The pointer moved (or entered). `inside`: it is over the button; `leftHeld`: the
    // left button is down; `appActive`: one of the application's windows is active.
    // Returns true when the lit state changed (the button must be redrawn).
    bool OnPointerMove(bool inside, bool leftHeld, bool appActive);
    // The pointer left the button.
    bool OnPointerLeave();
    // The button lost the keyboard focus.
    bool OnFocusLost();
    // The button was enabled or disabled. A disabled button is never lit: it would
    // promise a click that does nothing.
    bool SetEnabled(bool enabled);

    bool IsLit() const { return m_bHover; }
    bool IsFlat() const { return m_bIsFlat; }
    void SetFlat(bool flat);

private:
    bool Unlight();

    bool m_bIsFlat = true;
    bool m_bEnabled = true;
    bool m_bHover = false;
};

} // namespace hn
