// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/CSummaryDlg.h"

#include "calc/schedule/ScheduleTexts.h"
#include "controls/CColorLabel.h"
#include "controls/CDrawnOptionButton.h"
#include "controls/CGaugeBar.h"
#include "controls/CHoverButton.h"
#include "controls/DialogSetUp.h"
#include "platform/DataExchange.h"
#include "platform/DialogFont.h"
#include "platform/WindowFit.h"
#include "res/DialogTemplates.h"
#include "res/ImageResources.h"
#include "res/StringTable.h"
#include "res/SummaryDialogIds.h"
#include "summary/SlotRecall.h"
#include "summary/SummaryPlacement.h"

#include <QAction>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <optional>
#include <vector>

namespace hn {

namespace {

constexpr int kValueFontHeight = 15;
constexpr int kCaptionFontHeight = 10;
// Smallest height a figure is drawn at to keep all its digits.
constexpr int kMinFigureFontHeight = 7;

// How a colour label looks; an empty colour keeps the label's default.

std::vector<LabelLook> LabelLooks()
{
    std::vector<LabelLook> looks;
    const ColorRef slotBk = ColorRef::Rgb(172, 255, 235);
    for (const SlotControlIds& slot : kSlotControls)
        looks.push_back({slot.monthly, kValueFontHeight, slotBk, {}});
    for (const SlotControlIds& slot : kSlotControls)
        looks.push_back({slot.bonus, kValueFontHeight, slotBk, {}});
    const ColorRef sumBk = ColorRef::Rgb(255, 255, 235);
    const ColorRef annualBk = ColorRef::Rgb(255, 206, 219);
    const ColorRef headingBk = ColorRef::Rgb(253, 236, 119);
    const LabelLook rest[] = {
        {IDC_SUM_MONTHLY, kValueFontHeight, sumBk, {}},
        {IDC_SUM_BONUS, kValueFontHeight, sumBk, {}},
        {IDC_SUM_ANNUAL, kValueFontHeight, annualBk, {}},
        {IDC_SUM_REQUIRED_INCOME, kValueFontHeight, annualBk, {}},
        {IDC_SUM_GRAND_TOTAL, kValueFontHeight, ColorRef::Rgb(240, 200, 250), {}},
        {IDC_SUM_LOAN, kValueFontHeight, ColorRef::Rgb(172, 200, 235), {}},
        {IDC_SUMMARY_HEADING_RESULTS, kCaptionFontHeight, headingBk, {}},
        {IDC_SUMMARY_HEADING_ANNUAL, kCaptionFontHeight, headingBk, {}},
        {IDC_SUMMARY_HEADING_TOTAL, kCaptionFontHeight, headingBk, {}},
        {IDC_SUMMARY_HEADING_RATIO, kCaptionFontHeight, headingBk, {}},
        {1052, kCaptionFontHeight, {}, {}}, // "以上"
        {1023, kCaptionFontHeight, {}, {}}, // "通　常"
        {1022, kCaptionFontHeight, {}, {}}, // "ﾎﾞｰﾅｽ"
        {1055, kCaptionFontHeight, {}, {}}, // "年間返済額"
        {1057, kCaptionFontHeight, {}, {}}, // "必要年収"
        {1059, kCaptionFontHeight, {}, {}}, // "合計総借入返済額"
        {1061, kCaptionFontHeight, {}, {}}, // "合計借入額"
        {IDC_SUMMARY_NOTE, kCaptionFontHeight, {}, ColorRef::Rgb(0, 0, 100)},
        {IDC_RATIO_TEXT, kCaptionFontHeight, ColorRef::Rgb(255, 113, 255), {}},
    };
    looks.insert(looks.end(), std::begin(rest), std::end(rest));
    return looks;
}

// Screen readers hear a value label's figure as its text; the description says what
// the figure is, from the captions beside it.
struct LabelDescription {
    int id;
    int captions[2]; // control ids whose texts name the figure; 0 = none
};

std::vector<LabelDescription> LabelDescriptions()
{
    std::vector<LabelDescription> d;
    for (const SlotControlIds& slot : kSlotControls) {
        d.push_back({slot.monthly, {slot.option, 1023}});
        d.push_back({slot.bonus, {slot.option, 1022}});
    }
    const LabelDescription rest[] = {
        {IDC_SUM_MONTHLY, {IDC_SUMMARY_HEADING_RESULTS, 1023}},
        {IDC_SUM_BONUS, {IDC_SUMMARY_HEADING_RESULTS, 1022}},
        {IDC_SUM_ANNUAL, {1055, 0}},
        {IDC_SUM_REQUIRED_INCOME, {1057, 0}},
        {IDC_SUM_GRAND_TOTAL, {1059, 0}},
        {IDC_SUM_LOAN, {1061, 0}},
        {IDC_RATIO_TEXT, {IDC_SUMMARY_HEADING_RATIO, 0}},
    };
    d.insert(d.end(), std::begin(rest), std::end(rest));
    return d;
}

// The Gothic faces found on Linux set digits wider than the face the layout was drawn
// for, so at the window's height a figure like 145,714 would lose its leading digit to
// the label's edge and show as a different number. Such a figure is drawn smaller.
void FitFigure(CColorLabel* label, int fontHeight)
{
    const int room = label->contentsRect().width();
    int height = fontHeight;
    while (height > kMinFigureFontHeight &&
           QFontMetrics(DialogFont(height)).horizontalAdvance(label->text()) > room)
        --height;
    if (label->font().pixelSize() != height)
        label->SetFontSize(height);
}


} // namespace

CSummaryDlg::CSummaryDlg(CSummaryHost& host)
    : QDialog(host.HostWindow(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}

CSummaryDlg::~CSummaryDlg() = default;

bool CSummaryDlg::Create()
{
    if (m_bCreated)
        return false;
    m_bCreated = true;
    OnInitDialog();
    ConnectCommands();
    // The keyboard starts on the first slot, not on the first button (閉じる), which a
    // stray Enter would press. Opened by the main window's button, the main window takes
    // the keyboard back at once; this is where it lands when the user comes here.
    m_optSlot[0]->setFocus();
    show();
    // The window manager may only now have given it a frame; stand beside the host with
    // the real frame.
    FollowHost();
    return true;
}

void CSummaryDlg::OnInitDialog()
{
    const DialogTemplate& dialog = SummaryDialogTemplate();
    setWindowTitle(QString::fromUtf8(dialog.caption));

    std::vector<CustomControl> custom;
    const auto hover = [](const DialogItem& item, QWidget* parent) -> QWidget* {
        return new CHoverButton(item, parent);
    };
    const auto label = [](const DialogItem& item, QWidget* parent) -> QWidget* {
        return new CColorLabel(item, parent);
    };
    const auto option = [](const DialogItem& item, QWidget* parent) -> QWidget* {
        return new CDrawnOptionButton(item, parent);
    };
    custom.push_back({IDC_ADD_RESULT, hover});
    custom.push_back({IDC_SUMMARY_CLOSE, hover});
    for (const SlotControlIds& slot : kSlotControls) {
        custom.push_back({slot.clear, hover});
        custom.push_back({slot.option, option});
    }
    for (const LabelLook& look : LabelLooks())
        custom.push_back({look.id, label});
    custom.push_back({IDC_RATIO_GAUGE, [](const DialogItem& item, QWidget* parent) -> QWidget* {
                          return new CGaugeBar(item, parent);
                      }});
    m_layout.Build(this, dialog, custom);

    m_btnAdd = m_layout.Item<CHoverButton>(IDC_ADD_RESULT);
    m_btnClose = m_layout.Item<CHoverButton>(IDC_SUMMARY_CLOSE);
    for (std::size_t k = 0; k < kSlotControls.size(); ++k) {
        m_btnClear[k] = m_layout.Item<CHoverButton>(kSlotControls[k].clear);
        m_optSlot[k] = m_layout.Item<CDrawnOptionButton>(kSlotControls[k].option);
    }
    m_gauge = m_layout.Item<CGaugeBar>(IDC_RATIO_GAUGE);

    PlaceOnOpening();
    SetUpButtons();
    SetUpLabels();
    SetUpGauge();
    AttachOptions();
    UpdateLabels();
}

// ---------------------------------------------------------------- placement

void CSummaryDlg::PlaceOnOpening()
{
    QWidget* main = m_host.HostWindow();
    if (!main)
        return;
    const QRect frame = main->frameGeometry();
    const SummaryPlacement placed = hn::PlaceOnOpening(ToFrameRect(frame), ToFrameRect(AvailableArea(main)));
    if (placed.mainX != frame.x())
        main->move(placed.mainX, frame.y());
    SetOuterGeometry(placed.summary);
}

void CSummaryDlg::FollowHost()
{
    QWidget* main = m_host.HostWindow();
    if (!main || !m_bCreated)
        return;
    SetOuterGeometry(PlaceBesideMain(ToFrameRect(main->frameGeometry()), ToFrameRect(AvailableArea(main))));
}

void CSummaryDlg::SetOuterGeometry(const FrameRect& outer)
{
    // Outer size minus the frame gives the client size. Until this window has a frame
    // of its own, the main window's (same decorations) stands in for it; without a
    // window manager there is none.
    const FrameRect client = ClientOf(outer, FrameOf(this, FrameMargins{}));
    setFixedSize(client.width, client.height);
    move(outer.x, outer.y); // a window's position is that of its frame
}

// ---------------------------------------------------------------- set-up

void CSummaryDlg::SetUpButtons()
{
    // Both shades come from the face colour the close button starts with.
    const ColorRef base = m_btnClose->GetNormalBkColor();
    struct ButtonSetUp {
        CHoverButton* button;
        int icon;
        int tip;
    };
    std::vector<ButtonSetUp> buttons{{m_btnClose, IDI_CLOSE, IDS_TIP_CLOSE}};
    for (CHoverButton* clear : m_btnClear)
        buttons.push_back({clear, IDI_CLEAR, IDS_TIP_CLEAR_SLOT});
    buttons.push_back({m_btnAdd, IDI_ADD, IDS_TIP_ADD_RESULT});

    const std::optional<QCursor> hand = LoadCursorResource(IDC_HANDCURSOR);
    for (const ButtonSetUp& b : buttons)
        SetUpPictureButton({b.button, LoadIconSizes(b.icon), FromUtf8(LoadStringUtf8(b.tip))},
                           base.Shifted(-kHoverButtonShade), base.Shifted(kHoverButtonShade), hand);
    // Eight buttons with one tip: a screen reader needs to hear which slot each clears,
    // and a keyboard user to reach them.
    for (std::size_t k = 0; k < kSlotControls.size(); ++k) {
        m_btnClear[k]->setAccessibleName(m_optSlot[k]->text() + QStringLiteral("のクリア"));
        m_btnClear[k]->setFocusPolicy(Qt::StrongFocus);
    }
    m_gauge->setAccessibleName(ControlText(m_layout.GetDlgItem(IDC_SUMMARY_HEADING_RATIO)).simplified());
}

void CSummaryDlg::SetUpLabels()
{
    ApplyLabelLooks(m_layout, LabelLooks());
    for (const LabelDescription& d : LabelDescriptions()) {
        QStringList parts;
        for (int id : d.captions)
            if (const QWidget* caption = id ? m_layout.GetDlgItem(id) : nullptr)
                parts << ControlText(caption).simplified();
        if (QWidget* value = m_layout.GetDlgItem(d.id))
            value->setAccessibleDescription(parts.join(QLatin1Char(' ')));
    }
}

void CSummaryDlg::SetUpGauge()
{
    m_gauge->SetPos(0);
    m_gauge->SetRange(kGaugeLower, kGaugeUpper);
    m_gauge->SetAnimate(true);
    m_gauge->SetBarColor(kNoRatioColor);
}

void CSummaryDlg::AttachOptions()
{
    for (CDrawnOptionButton* option : m_optSlot) {
        option->Attach();
        // Choosing a slot recalls it into the main window: the arrows only move among
        // the slots, Space or Enter recalls the one with the focus.
        option->SetArrowsMoveFocusOnly(true);
    }
}

void CSummaryDlg::ConnectCommands()
{
    connect(m_btnAdd, &QAbstractButton::clicked, this, &CSummaryDlg::OnAddResult);
    connect(m_btnClose, &QAbstractButton::clicked, this, &CSummaryDlg::reject);
    for (std::size_t k = 0; k < kSlotControls.size(); ++k) {
        const int slot = static_cast<int>(k) + 1;
        connect(m_btnClear[k], &QAbstractButton::clicked, this, [this, slot] { OnClearSlot(slot); });
        connect(m_optSlot[k], &QAbstractButton::clicked, this, [this, slot] { OnSelectSlot(slot); });
        // A filled slot offers its repayment schedule (right click, or the menu key on
        // its option).
        for (QWidget* w : {static_cast<QWidget*>(m_optSlot[k]), GetDlgItem(kSlotControls[k].monthly),
                           GetDlgItem(kSlotControls[k].bonus)}) {
            w->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(w, &QWidget::customContextMenuRequested, this, [this, slot, w](const QPoint& at) {
                if (const std::unique_ptr<QMenu> menu = SlotContextMenu(slot))
                    menu->exec(w->mapToGlobal(at));
            });
        }
    }
}

// ---------------------------------------------------------------- commands

void CSummaryDlg::EnableAddButton()
{
    if (m_btnAdd)
        m_btnAdd->setEnabled(true);
}

void CSummaryDlg::Activate()
{
    raise();
    activateWindow();
}

void CSummaryDlg::DestroyWindow()
{
    m_bClosingForHost = true;
    close();
}

void CSummaryDlg::reject()
{
    if (!m_bClosingForHost) {
        m_bClosingForHost = true; // once: a close box after Escape must not call twice
        m_host.OnSummaryClosed();
    }
    QDialog::reject();
}

void CSummaryDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the button that has the focus (add, close, a clear button); it never
    // closes the window by itself. (On a slot option it recalls; the option handles it.)
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled() &&
                                                                       !event->isAutoRepeat())
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSummaryDlg::OnAddResult()
{
    const std::optional<int> slot = m_slots.AddResult(m_host.GetKeptFigures(), m_host.GetHostTexts(), m_host.ShownLoan());
    RecalcTotals();
    if (slot)
        m_host.OnSlotChanged(*slot);
}

void CSummaryDlg::OnClearSlot(int slot)
{
    if (!IsValidSlot(slot))
        return;
    m_slots.ClearSlot(slot);
    RecalcTotals();
    m_host.OnSlotChanged(slot);
}

std::unique_ptr<QMenu> CSummaryDlg::SlotContextMenu(int slot)
{
    if (!IsValidSlot(slot) || !m_slots.IsOccupied(slot))
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    QAction* schedule = menu->addAction(FromUtf8(kScheduleTitle));
    connect(schedule, &QAction::triggered, this, [this, slot] { m_host.OnSlotScheduleRequested(slot); });
    return menu;
}

void CSummaryDlg::RecalcTotals()
{
    ApplyGauge(m_slots.RecalcTotals(m_host.GetKeptFigures().income));
    UpdateLabels();
}

void CSummaryDlg::ApplyGauge(const GaugeState& gauge)
{
    m_gauge->SetAnimate(false);
    m_gauge->SetBarColor(gauge.color);
    if (gauge.position)
        m_gauge->SetPos(*gauge.position);
    if (gauge.animate)
        m_gauge->SetAnimate(true);
}

void CSummaryDlg::UpdateLabels()
{
    const SummaryTexts& t = m_slots.Texts();
    std::vector<std::pair<int, const std::string*>> texts;
    for (std::size_t k = 0; k < kSlotControls.size(); ++k) {
        texts.emplace_back(kSlotControls[k].monthly, &t.monthly[k]);
        texts.emplace_back(kSlotControls[k].bonus, &t.bonus[k]);
    }
    texts.insert(texts.end(), {
                                  {IDC_SUM_MONTHLY, &t.sumMonthly},
                                  {IDC_SUM_BONUS, &t.sumBonus},
                                  {IDC_SUM_ANNUAL, &t.annual},
                                  {IDC_SUM_REQUIRED_INCOME, &t.requiredIncome},
                                  {IDC_SUM_GRAND_TOTAL, &t.grandTotal},
                                  {IDC_SUM_LOAN, &t.loan},
                                  {IDC_RATIO_TEXT, &t.ratio},
                              });
    const std::vector<LabelLook> looks = LabelLooks();
    for (const auto& [id, text] : texts) {
        auto* label = m_layout.Item<CColorLabel>(id);
        if (!label)
            continue;
        SetControlTextIfDifferent(label, FromUtf8(*text));
        const auto look = std::find_if(looks.begin(), looks.end(), [id = id](const LabelLook& l) { return l.id == id; });
        if (look != looks.end())
            FitFigure(label, look->fontHeight);
    }
    m_gauge->SetValueText(FromUtf8(t.ratio));
}

// ---------------------------------------------------------------- recall

void CSummaryDlg::OnSelectSlot(int slot)
{
    if (!IsValidSlot(slot))
        return;
    const SlotSelectionPlan plan = PlanSlotSelection(slot, m_slots.SnapshotOf(slot));
    m_host.ApplyCaptionSet(*plan.captions);
    if (plan.secondRate == SecondRateRow::Show)
        m_host.ShowSecondRate();
    else
        m_host.HideSecondRate();
    if (plan.recall)
        RecallSlot(slot);
}

void CSummaryDlg::RecallSlot(int slot)
{
    const Snapshot& snapshot = m_slots.SnapshotOf(slot);
    if (!snapshot.HoldsResult())
        return;
    m_host.SetMethodChecks(snapshot.method);
    m_host.RecallTexts(snapshot.texts, snapshot.loan);
}

} // namespace hn
