// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DialogSetUp.h"

#include "controls/CColorLabel.h"
#include "controls/CHoverButton.h"
#include "platform/DialogBuilder.h"

namespace hn {

void SetUpPictureButton(const PictureButton& b, ColorRef rest, ColorRef lit, const std::optional<QCursor>& cursor)
{
    b.button->SetIconAlign(1);
    b.button->SetNormalBkColor(rest, 0);
    b.button->SetActiveBkColor(lit, 0);
    b.button->SetIcon(b.icon);
    b.button->SetBtnCursor(cursor);
    // Qt's tool tips follow the pointer themselves; the text is all they need.
    b.button->setToolTip(b.tip);
    b.button->setAccessibleName(b.tip);
}

void ApplyLabelLooks(const DialogLayout& layout, std::span<const LabelLook> looks)
{
    for (const LabelLook& look : looks) {
        auto* label = layout.Item<CColorLabel>(look.id);
        if (!label)
            continue;
        label->SetFontSize(look.fontHeight);
        if (look.background)
            label->SetBkColor(*look.background);
        if (look.text)
            label->SetTextColor(*look.text);
    }
}

} // namespace hn
