// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PressTracker.h"

namespace hn {

bool PressTracker::SetPushed(bool pushed)
{
    if (m_bPushed == pushed)
        return false;
    m_bPushed = pushed;
    return true;
}

bool PressTracker::OnLeftPress()
{
    m_bCapture = true;
    return SetPushed(true);
}

bool PressTracker::OnPointerMove(bool inside)
{
    return m_bCapture && SetPushed(inside);
}

bool PressTracker::OnLeftRelease(bool inside)
{
    const bool click = m_bCapture && inside;
    m_bCapture = false;
    return click;
}

bool PressTracker::OnSpaceDown()
{
    m_bSpaceDown = true;
    return SetPushed(true);
}

bool PressTracker::OnSpaceUp()
{
    const bool click = m_bSpaceDown;
    m_bSpaceDown = false;
    return click;
}

bool PressTracker::OnFocusLost()
{
    if (!m_bSpaceDown)
        return false;
    m_bSpaceDown = false;
    return UnpushUnlessCaptured();
}

bool PressTracker::Unpush()
{
    return SetPushed(false);
}

bool PressTracker::UnpushUnlessCaptured()
{
    return !m_bCapture && SetPushed(false);
}

} // namespace hn
