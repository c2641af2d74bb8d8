// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds a dialog's controls from its template table: one widget per row, placed by
// dialog units, objectName set to the control id, hidden/disabled/group-start/tab-stop
// applied, tab order in table order. The dialog supplies its own classes for the rows
// that need them (entry fields, drawn buttons, …) through factories.
#include "platform/DialogTemplate.h"

#include <QRect>
#include <QWidget>
#include <functional>
#include <span>
#include <unordered_map>
#include <vector>

namespace hn {

using ControlFactory = std::function<QWidget*(const DialogItem& item, QWidget* parent)>;

struct CustomControl {
    int id;
    ControlFactory make;
};

QRect DialogUnitsToPixels(int x, int y, int w, int h);

class DialogLayout {
public:
    // Creates the controls as children of `client` and fixes the client's size to the
    // template's. Rows whose id has a factory in `custom` are made by it.
    void Build(QWidget* client, const DialogTemplate& dialog, std::span<const CustomControl> custom = {});

    // The control with this id (the first one for repeated ids), or nullptr.
    QWidget* GetDlgItem(int id) const;
    template <class T>
    T* Item(int id) const
    {
        return qobject_cast<T*>(GetDlgItem(id));
    }

    // Every control in creation (template) order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }

private:
    std::unordered_map<int, QWidget*> m_byId;
    std::vector<QWidget*> m_controls;
};

} // namespace hn
