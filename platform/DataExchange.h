// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog data exchange: moving a dialog's bound strings to and from its controls.
// Writing replaces a control's text only where it differs, so that a selection or
// caret in an unchanged field survives.
#include <QString>

class QWidget;

namespace hn {

// The text a control shows: a label's or button's caption, an entry field's text, a
// combo box's edit text.
QString ControlText(const QWidget* control);

// Sets the text unless the control already shows it. Returns whether it changed.
bool SetControlTextIfDifferent(QWidget* control, const QString& text);

} // namespace hn
