// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery shots of the drawn option button and the drawn toggle button in each of their
// states, sized as the main window uses them, with the program's Japanese captions.
#include "controls/CDrawnOptionButton.h"
#include "controls/CDrawnToggleButton.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogFont.h"
#include "platform/SysColors.h"
#include "tools/gallery/Gallery.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

namespace hn::gallery {
namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void Press(QWidget* w)
{
    SendMouse(w, QEvent::MouseButtonPress, w->rect().center());
}

void Release(QWidget* w, QPoint pos)
{
    SendMouse(w, QEvent::MouseButtonRelease, pos);
}

// The option of method 1003 ("公庫基本型", 50 × 10 dialog units).
std::unique_ptr<CDrawnOptionButton> MethodOption(const char* caption, int widthDlu = 50)
{
    auto option = std::make_unique<CDrawnOptionButton>(QString::fromUtf8(caption), nullptr);
    option->setFont(DialogFont());
    option->setGeometry(DialogUnitsToPixels(0, 0, widthDlu, 10));
    option->Attach();
    return option;
}

std::vector<Shot> OptionShots()
{
    std::vector<Shot> shots;
    {
        auto option = MethodOption("公庫基本型");
        shots.push_back({QStringLiteral("unchecked"), option->RenderItem({})});
        option->SetCheck(1);
        shots.push_back({QStringLiteral("checked"), option->RenderItem({})});
        shots.push_back({QStringLiteral("checked-focused"), option->RenderItem({false, true})});
    }
    {
        auto option = MethodOption("年金(ｽﾃｯﾌﾟ)型", 59);
        Press(option.get());
        shots.push_back({QStringLiteral("pressed"), option->RenderItem({})});
        option->SetCheck(1);
        shots.push_back({QStringLiteral("pressed-checked"), option->RenderItem({})});
        Release(option.get(), QPoint(-50, -50));
        option->SetCheck(0);
        shots.push_back({QStringLiteral("focused"), option->RenderItem({false, true})});
    }
    {
        // The summary window's slot option (31 × 10 units) and a taller control, whose
        // ball sits lower.
        auto slot = MethodOption("公庫1", 31);
        slot->SetCheck(1);
        shots.push_back({QStringLiteral("slot-checked"), slot->RenderItem({})});
        auto tall = MethodOption("公庫（ゆとり)型", 57);
        tall->resize(tall->width(), 20);
        shots.push_back({QStringLiteral("height-20"), tall->RenderItem({})});
    }
    {
        // The six method options where the main window puts them, 1003 checked.
        struct Row {
            const char* caption;
            int x, y, w;
        };
        const Row rows[] = {{"公庫基本型", 10, 43, 50},   {"公庫（ゆとり)型", 10, 60, 57},
                            {"年金基本型", 79, 43, 50},   {"年金(ｽﾃｯﾌﾟ)型", 79, 60, 59},
                            {"元金均等型", 148, 42, 47}, {"銀行型・他", 148, 60, 47}};
        const QRect area = DialogUnitsToPixels(4, 38, 194, 34);
        QImage panel(area.size(), QImage::Format_RGB32);
        panel.fill(ToQColor(GetSysColor(SysColor::BtnFace)));
        QPainter painter(&panel);
        bool first = true;
        for (const Row& row : rows) {
            auto option = MethodOption(row.caption, row.w);
            option->SetCheck(first ? 1 : 0);
            first = false;
            const QRect place = DialogUnitsToPixels(row.x, row.y, row.w, 10);
            painter.drawImage(place.topLeft() - area.topLeft(), option->RenderItem({}));
        }
        painter.end();
        shots.push_back({QStringLiteral("main-window-methods"), panel});
    }
    return shots;
}

// The income toggle as the main window has it: a 6 × 8 unit button, widened when
// attached, with the red face.
std::unique_ptr<CDrawnToggleButton> IncomeToggle()
{
    auto toggle = std::make_unique<CDrawnToggleButton>();
    toggle->setGeometry(DialogUnitsToPixels(51, 9, 6, 8));
    toggle->Attach();
    toggle->SetFaceColor(ColorRef::Rgb(255, 64, 64));
    return toggle;
}

std::vector<Shot> ToggleShots()
{
    std::vector<Shot> shots;
    auto toggle = IncomeToggle();
    shots.push_back({QStringLiteral("closed"), toggle->RenderItem({})});
    Press(toggle.get());
    shots.push_back({QStringLiteral("closed-pressed"), toggle->RenderItem(toggle->CurrentItemState())});
    // Released over the control: the click flips it; a hidden control keeps the diagonal
    // frame for its next picture.
    Release(toggle.get(), toggle->rect().center());
    shots.push_back({QStringLiteral("intermediate"), toggle->RenderItem({})});
    shots.push_back({QStringLiteral("open"), toggle->RenderItem({})});
    Press(toggle.get());
    shots.push_back({QStringLiteral("open-pressed"), toggle->RenderItem(toggle->CurrentItemState())});
    Release(toggle.get(), QPoint(-50, -50));
    return shots;
}

} // namespace
} // namespace hn::gallery

HN_GALLERY_FAMILY(drawn_option, hn::gallery::OptionShots);
HN_GALLERY_FAMILY(drawn_toggle, hn::gallery::ToggleShots);
