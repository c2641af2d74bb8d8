// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program's windows do alike when they set up their controls: the picture
// buttons, the colour labels and the UTF-8 texts of the resource tables. Each window
// keeps its own lists (which button, which icon, which colours); this applies them.
#include "controls/Utf8Text.h"
#include "platform/ColorRef.h"
#include "platform/IconSizes.h"

#include <QCursor>
#include <QString>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hn {

class CHoverButton;
class DialogLayout;

// A picture button: the icon centred, the face `rest` at rest and `lit` while lit or
// pressed (each window shades its own face by its own rule), `cursor` over it, and the
// tool tip that screen readers also announce as its name.
struct PictureButton {
    CHoverButton* button;
    IconSizes icon;
    QString tip;
};
void SetUpPictureButton(const PictureButton& b, ColorRef rest, ColorRef lit, const std::optional<QCursor>& cursor);

// A colour label's look: its font height and, where given, its background and text
// colours.
struct LabelLook {
    int id;
    int fontHeight;
    std::optional<ColorRef> background = {};
    std::optional<ColorRef> text = {};
};
// Applies each look to the colour label of its id; an id without one is passed over.
void ApplyLabelLooks(const DialogLayout& layout, std::span<const LabelLook> looks);

} // namespace hn
