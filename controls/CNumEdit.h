// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entry field for a signed decimal number (loan amount, bonus part, annual income). The
// editing itself is CNumEditCore's; this widget feeds it the keys and mirrors its text
// and caret. The program reads the number with GetValue, never the text; a text written
// into the field from outside sets that number too.
#include "controls/NumEditBase.h"
#include "controls/NumEditCore.h"
#include "platform/LocaleSeparators.h"

namespace hn {

class CNumEdit : public CNumEditBase {
    Q_OBJECT
public:
    // Separators from the user's locale.
    explicit CNumEdit(QWidget* parent = nullptr);
    // Explicit separators (tests, and a field that must not follow the locale).
    explicit CNumEdit(const LocaleSeparators& separators, QWidget* parent = nullptr);

    void SetValue(double v);
    double GetValue() const;
    // Fraction digits shown (0 = whole numbers); the default is 2.
    void SetDecimals(int n);
    int GetDecimals() const;
    char GetDecimalChar() const;
    char GetThousandChar() const;

protected:
    void OnTypedChar(char32_t ch) override;
    void OnEditKey(const QKeyEvent& event) override;

private:
    // A text written from outside (setText by the window) goes to the core at once, so
    // that the value follows it.
    void OnTextChanged(const QString& text);
    void PullState();
    void PushState();

    CNumEditCore m_core;
    bool m_bPushing = false;
};

} // namespace hn
