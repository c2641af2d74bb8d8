// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogGroup.h"

#include <QVariant>
#include <QWidget>
#include <vector>

namespace hn {

namespace {
constexpr const char* kGroupStartProperty = "hnGroupStart";
}

std::optional<std::size_t> NextGroupMember(std::span<const GroupMember> members, std::size_t from, bool previous)
{
    const std::size_t count = members.size();
    if (from >= count)
        return std::nullopt;

    // The group runs from the nearest group start at or before `from` up to the next one.
    std::size_t first = from;
    while (first > 0 && !members[first].groupStart)
        --first;
    std::size_t end = from + 1;
    while (end < count && !members[end].groupStart)
        ++end;
    const std::size_t size = end - first;

    std::size_t i = from;
    for (std::size_t step = 1; step < size; ++step) {
        i = previous ? (i == first ? end - 1 : i - 1) : (i + 1 == end ? first : i + 1);
        if (members[i].usable)
            return i;
    }
    return from;
}

void SetGroupStart(QWidget* control, bool start)
{
    control->setProperty(kGroupStartProperty, start);
}

bool IsGroupStart(const QWidget* control)
{
    return control->property(kGroupStartProperty).toBool();
}

QWidget* GetNextDlgGroupItem(QWidget* from, bool previous)
{
    if (!from || !from->parentWidget())
        return nullptr;
    std::vector<QWidget*> controls;
    std::vector<GroupMember> members;
    std::size_t index = 0;
    for (QObject* child : from->parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        if (w == from)
            index = controls.size();
        controls.push_back(w);
        // isHidden, not isVisible: a dialog that is not shown yet still has an order.
        members.push_back({IsGroupStart(w), !w->isHidden() && w->isEnabled()});
    }
    const auto next = NextGroupMember(members, index, previous);
    return next ? controls[*next] : nullptr;
}

} // namespace hn
