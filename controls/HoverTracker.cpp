// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/HoverTracker.h"

namespace hn {

bool HoverTracker::OnPointerMove(bool inside, bool leftHeld, bool appActive)
{
    // Dragging in from elsewhere with the button held does not light the button.
    if (leftHeld && !m_bHover)
        return false;
    if (!m_bIsFlat)
        return false;
    if (!inside || !m_bEnabled)
        return Unlight();
    // Over the button: light it only while the application is the active one, so that
    // passing over it with another program in front leaves it flat.
    if (!m_bHover && appActive) {
        m_bHover = true;
        return true;
    }
    return false;
}

bool HoverTracker::OnPointerLeave()
{
    return Unlight();
}

bool HoverTracker::OnFocusLost()
{
    return m_bIsFlat ? Unlight() : false;
}

bool HoverTracker::SetEnabled(bool enabled)
{
    m_bEnabled = enabled;
    return enabled ? false : Unlight();
}

void HoverTracker::SetFlat(bool flat)
{
    m_bIsFlat = flat;
    if (!flat)
        m_bHover = false;
}

bool HoverTracker::Unlight()
{
    if (!m_bHover)
        return false;
    m_bHover = false;
    return true;
}

} // namespace hn
