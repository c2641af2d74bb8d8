// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs' 9-point Japanese Gothic font, asked for by family so that Latin text and
// half-width katakana come from the same proportional face.
#include <QFont>
#include <QStringList>

namespace hn {

QStringList DialogFontFamilies();

// The dialog font at a given pixel height (12 pixels = 9 points at 96 dpi).
QFont DialogFont(int pixelHeight = 12);

// True when at least one font on the system can draw Japanese; without one Qt draws
// empty boxes and says nothing.
bool HasJapaneseFont();

} // namespace hn
