// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Captioned rows of entry fields, as the planning and plan windows lay them out.
#include <string_view>

class QFormLayout;
class QLineEdit;
class QWidget;

namespace hn {

// "99.999" and a few more digits: every rate a rate field can state.
inline constexpr int kRateDigits = 8;

// Entry fields hold short figures: wide enough for `digits` of them beside their
// captions, instead of stretching across the window.
void SizeForDigits(QLineEdit* edit, int digits);

// A row of `form`: the caption as a label that is the field's buddy (Alt+key reaches
// it), and as the field's accessible and object name, so a screen reader and a test
// find it by what the window calls it.
void AddCaptionedRow(QFormLayout* form, QWidget* field, std::string_view caption);

} // namespace hn
