#include "platform/DialogBuilder.h"

#include "platform/DialogFont.h"
#include "platform/DialogGroup.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace hn {

namespace {

// A drop-down combo's template height is that of its open list; the closed box is as
// tall as an entry field plus its button frame.
constexpr int kComboClosedHeightDlu = 13;

Qt::Alignment HorizontalAlignment(std::uint32_t style)
{
    if (style & kAlignRight)
        return Qt::AlignRight;
    if (style & kAlignCenter)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

QWidget* MakeStandardControl(const DialogItem& item, QWidget* parent)
{
    const QString text = QString::fromUtf8(item.text ? item.text : "");
    switch (item.kind) {
    case ControlKind::Text: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        if (item.style & kSunken) {
            label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            label->setAlignment(HorizontalAlignment(item.style) | Qt::AlignVCenter);
        } else {
            label->setAlignment(HorizontalAlignment(item.style) | Qt::AlignTop);
        }
        return label;
    }
    case ControlKind::IconStatic:
        return new QLabel(parent);
    case ControlKind::EtchedLine: {
        auto* line = new QFrame(parent);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        return line;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, parent);
        edit->setAlignment(HorizontalAlignment(item.style) | Qt::AlignVCenter);
        edit->setReadOnly(item.style & kReadOnly);
        return edit;
    }
    case ControlKind::DropDownCombo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        return combo;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(item.kind == ControlKind::DefPushButton);
        return button;
    }
    case ControlKind::Option:
        return new QRadioButton(text, parent);
    case ControlKind::Progress:
        return new QProgressBar(parent);
    }
    return new QWidget(parent);
}

} // namespace

QRect DialogUnitsToPixels(int x, int y, int w, int h)
{
    return QRect(DluToPixelsX(x), DluToPixelsY(y), DluToPixelsX(w), DluToPixelsY(h));
}

void DialogLayout::Build(QWidget* client, const DialogTemplate& dialog, std::span<const CustomControl> custom)
{
    client->setFont(DialogFont());
    client->setFixedSize(DluToPixelsX(dialog.width), DluToPixelsY(dialog.height));

    QWidget* previousTabStop = nullptr;
    for (const DialogItem& item : dialog.items) {
        QWidget* control = nullptr;
        for (const CustomControl& c : custom)
            if (c.id == item.id && item.id != -1)
                control = c.make(item, client);
        if (!control)
            control = MakeStandardControl(item, client);

        control->setObjectName(QString::number(item.id));
        int h = item.h;
        if (item.kind == ControlKind::DropDownCombo)
            h = std::min(h, kComboClosedHeightDlu);
        control->setGeometry(DialogUnitsToPixels(item.x, item.y, item.w, h));

        const bool focusable = item.kind == ControlKind::Edit || item.kind == ControlKind::DropDownCombo ||
                               item.kind == ControlKind::PushButton || item.kind == ControlKind::DefPushButton ||
                               item.kind == ControlKind::Option;
        if (item.style & kTabStop)
            control->setFocusPolicy(Qt::StrongFocus);
        else if (focusable)
            control->setFocusPolicy(Qt::ClickFocus);
        else
            control->setFocusPolicy(Qt::NoFocus);

        if (item.style & kTabStop) {
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, control);
            previousTabStop = control;
        }
        if (item.style & kGroupStart || m_controls.empty())
            SetGroupStart(control);
        if (item.style & kDisabled)
            control->setEnabled(false);
        if (item.style & kHidden)
            control->hide();

        if (item.id != -1 && !m_byId.contains(item.id))
            m_byId.emplace(item.id, control);
        m_controls.push_back(control);
    }
}

QWidget* DialogLayout::GetDlgItem(int id) const
{
    const auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

} // namespace hn
