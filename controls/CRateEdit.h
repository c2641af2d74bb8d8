// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entry field for an interest rate in percent. Typed characters pass RateFieldAccepts;
// the window limits the length (setMaxLength). GetValue reads the text as a "."-number
// whatever the user's locale.
#include "controls/NumEditBase.h"

namespace hn {

class CRateEdit : public CNumEditBase {
    Q_OBJECT
public:
    explicit CRateEdit(QWidget* parent = nullptr);

    // The text read as strtod would in the "C" locale; a text with no number reads 0.
    double GetValue() const;

protected:
    void OnTypedChar(char32_t ch) override;
    // A paste is taken whole when it is a rate that fits (RatePaste), else refused.
    void OnPaste(const QString& text) override;
    void OnEditKey(const QKeyEvent& event) override;
};

} // namespace hn
