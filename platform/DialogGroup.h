// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog's group order, as its keyboard handling walks it: controls in creation
// order, a group starting at a control marked group-start (or at the first control),
// wrapping within the group and skipping hidden and disabled controls.
#include <cstddef>
#include <optional>
#include <span>

class QWidget;

namespace hn {

struct GroupMember {
    bool groupStart = false;
    bool usable = true; // visible and enabled
};

// Index of the next (or previous) usable member of from's group, wrapping; from itself
// when no other member is usable; nullopt when from is out of range.
std::optional<std::size_t> NextGroupMember(std::span<const GroupMember> members, std::size_t from, bool previous);

// Marks a control as the first of a group (a dynamic property, read by the walk below).
void SetGroupStart(QWidget* control, bool start = true);
bool IsGroupStart(const QWidget* control);

// The next or previous control of from's group among its sibling widgets; from itself
// when it is alone; nullptr without a parent.
QWidget* GetNextDlgGroupItem(QWidget* from, bool previous);

} // namespace hn
