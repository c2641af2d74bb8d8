// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery shots of the flat hover button, the gauge bar and the colour label, sized as
// the main and summary windows use them.
#include "controls/CColorLabel.h"
#include "controls/CGaugeBar.h"
#include "controls/CHoverButton.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogTemplate.h"
#include "res/ImageResources.h"
#include "tools/gallery/Gallery.h"

#include <QApplication>
#include <QEnterEvent>
#include <memory>

namespace hn::gallery {
namespace {

QImage Grab(QWidget& w)
{
    return w.grab().toImage();
}

// One button as its window sets it up, in each of its looks.
std::vector<Shot> HoverButtonShots(const QString& prefix, QSize size, int iconId)
{
    auto host = std::make_unique<QWidget>();
    host->resize(size + QSize(16, 16));
    auto* button = new CHoverButton(host.get());
    button->setGeometry(QRect(QPoint(8, 8), size));
    const ColorRef face = button->GetNormalBkColor();
    button->SetIconAlign(1);
    button->SetNormalBkColor(face.Shifted(-20), 0);
    button->SetActiveBkColor(face.Shifted(20), 0);
    button->SetIcon(LoadIconSizes(iconId));
    button->SetBtnCursor(LoadCursorResource(IDC_HANDCURSOR));

    std::vector<Shot> shots;
    shots.push_back({prefix + QStringLiteral("rest"), Grab(*button)});

    // Lit the way a user lights it: the program active, the pointer entering.
    host->show();
    QApplication::setActiveWindow(host.get());
    const QPointF centre = QRectF(button->rect()).center();
    QEnterEvent enter(centre, button->mapTo(host.get(), centre), button->mapToGlobal(centre));
    QApplication::sendEvent(button, &enter);
    shots.push_back({prefix + QStringLiteral("lit"), Grab(*button)});

    button->setDown(true);
    shots.push_back({prefix + QStringLiteral("pressed"), Grab(*button)});
    button->setDown(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);

    button->setEnabled(false);
    shots.push_back({prefix + QStringLiteral("disabled"), Grab(*button)});
    return shots;
}

std::vector<Shot> HoverShots()
{
    // The main window's calculate button and a summary window's clear button.
    std::vector<Shot> shots = HoverButtonShots(QString(), QSize(DluToPixelsX(42), DluToPixelsY(16)), IDI_CALCULATE);
    for (Shot& s : HoverButtonShots(QStringLiteral("clear-"), QSize(DluToPixelsX(12), DluToPixelsY(11)), IDI_CLEAR))
        shots.push_back(std::move(s));
    return shots;
}

std::vector<Shot> GaugeShots()
{
    struct Ratio {
        const char* name;
        ColorRef colour;
    };
    const Ratio ratios[] = {{"blue", ColorRef::Rgb(100, 100, 255)},
                            {"yellow", ColorRef::Rgb(240, 240, 25)},
                            {"red", ColorRef::Rgb(254, 71, 99)}};
    const QSize summarySize(DluToPixelsX(107), DluToPixelsY(9));

    std::vector<Shot> shots;
    for (const Ratio& r : ratios)
        for (int pos : {0, 15, 40}) {
            CGaugeBar gauge;
            gauge.resize(summarySize);
            gauge.SetRange(0, 40);
            gauge.SetBarColor(r.colour);
            gauge.SetPos(pos);
            shots.push_back({QStringLiteral("%1-pos%2").arg(QLatin1String(r.name)).arg(pos), Grab(gauge)});
        }

    CGaugeBar amber;
    amber.resize(summarySize);
    amber.SetRange(0, 40);
    amber.SetAnimate(true);
    amber.SetBarColor(ColorRef::Rgb(255, 204, 0));
    shots.push_back({QStringLiteral("animated-amber"), Grab(amber)});
    amber.SetAnimate(false);

    // The summary window's gauge has a one-pixel border.
    DialogItem row{1102, ControlKind::Progress, "", 54, 264, 107, 9, kBorder};
    CGaugeBar bordered(row, nullptr);
    bordered.resize(summarySize);
    bordered.SetRange(0, 40);
    bordered.SetBarColor(ColorRef::Rgb(100, 100, 255));
    bordered.SetPos(15);
    shots.push_back({QStringLiteral("bordered-blue-pos15"), Grab(bordered)});

    CGaugeBar vertical;
    vertical.setOrientation(Qt::Vertical);
    vertical.resize(summarySize.height(), summarySize.width() / 2);
    vertical.SetRange(0, 40);
    vertical.SetBarColor(ColorRef::Rgb(100, 100, 255));
    vertical.SetPos(25);
    shots.push_back({QStringLiteral("vertical-pos25"), Grab(vertical)});

    CGaugeBar verticalAnimated;
    verticalAnimated.setOrientation(Qt::Vertical);
    verticalAnimated.resize(summarySize.height(), summarySize.width() / 2);
    verticalAnimated.SetBarColor(ColorRef::Rgb(255, 204, 0));
    verticalAnimated.SetAnimate(true);
    shots.push_back({QStringLiteral("vertical-animated-amber"), Grab(verticalAnimated)});
    verticalAnimated.SetAnimate(false);
    return shots;
}

// A label made the way the windows make theirs: by the dialog builder from a one-row
// template, which gives it the row's text, alignment and frame.
struct BuiltLabel {
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    DialogLayout layout;
    CColorLabel* label = nullptr;

    explicit BuiltLabel(const DialogItem& row)
    {
        DialogItem item = row;
        item.x = 0;
        item.y = 0;
        const DialogItem items[] = {item};
        const DialogTemplate dialog{1, "", item.w, item.h, items};
        const CustomControl custom[] = {{item.id, [](const DialogItem& i, QWidget* parent) -> QWidget* {
                                             return new CColorLabel(i, parent);
                                         }}};
        layout.Build(host.get(), dialog, custom);
        label = layout.Item<CColorLabel>(item.id);
    }
};

std::vector<Shot> LabelShots()
{
    // A result figure (right-aligned, sunken, 37 × 12 units) and a section heading
    // (193 × 8 units), each at the two text heights the windows use.
    const DialogItem figure{1024, ControlKind::Text, "63,309", 30, 170, 37, 12, kAlignRight | kSunken};
    const DialogItem heading{1049, ControlKind::Text, "返済額の表示", 4, 145, 193, 8, 0};
    struct LabelShot {
        const char* name;
        const DialogItem* item;
        int height;
        ColorRef bk;
    };
    const LabelShot list[] = {
        {"figure-15", &figure, 15, ColorRef::Rgb(180, 254, 173)},
        {"figure-10", &figure, 10, ColorRef::Rgb(180, 254, 173)},
        {"heading-10", &heading, 10, ColorRef::Rgb(253, 236, 119)},
        {"heading-15", &heading, 15, ColorRef::Rgb(253, 236, 119)},
    };
    std::vector<Shot> shots;
    for (const LabelShot& s : list) {
        BuiltLabel built(*s.item);
        built.label->SetFontSize(s.height);
        built.label->SetBkColor(s.bk);
        shots.push_back({QString::fromLatin1(s.name), Grab(*built.label)});
    }
    // Too wide for its place: clipped on the left, the font kept.
    BuiltLabel wide(figure);
    wide.label->SetFontSize(15);
    wide.label->SetBkColor(ColorRef::Rgb(180, 254, 173));
    wide.label->setText(QStringLiteral("45,965,590"));
    shots.push_back({QStringLiteral("figure-15-too-wide"), Grab(*wide.label)});
    // The summary window's note in dark blue on the face colour.
    BuiltLabel note({1048, ControlKind::Text, "表示は1年目の1回目の額です", 56, 0, 84, 8, 0});
    note.label->SetFontSize(10);
    note.label->SetTextColor(ColorRef::Rgb(0, 0, 100));
    shots.push_back({QStringLiteral("note-10-dark-blue"), Grab(*note.label)});
    return shots;
}

} // namespace

HN_GALLERY_FAMILY(hover_button, HoverShots);
HN_GALLERY_FAMILY(gauge_bar, GaugeShots);
HN_GALLERY_FAMILY(color_label, LabelShots);

} // namespace hn::gallery
