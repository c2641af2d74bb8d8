// SPDX-License-Identifier: GPL-3.0-or-later
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
// tall as an entry field.
constexpr int kComboClosedHeightDlu = 12;

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
    switch (item.kind) {
    case ControlKind::Text:
    case ControlKind::IconStatic:
        return new QLabel(parent);
    case ControlKind::EtchedLine: {
        auto* line = new QFrame(parent);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        return line;
    }
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::DropDownCombo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        return new QPushButton(parent);
    case ControlKind::Option:
        return new QRadioButton(parent);
    case ControlKind::Progress:
        return new QProgressBar(parent);
    }
    return new QWidget(parent);
}

// Text, frame and alignment of a row, applied to standard and custom controls alike.
void ApplyRowLook(QWidget* control, const DialogItem& item)
{
    const QString text = QString::fromUtf8(item.text ? item.text : "");
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (item.kind == ControlKind::IconStatic)
            return;
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        if (item.style & kSunken) {
            label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            label->setAlignment(HorizontalAlignment(item.style) | Qt::AlignVCenter);
        } else {
            label->setAlignment(HorizontalAlignment(item.style) | Qt::AlignTop);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        edit->setAlignment(HorizontalAlignment(item.style) | Qt::AlignVCenter);
        edit->setReadOnly(item.style & kReadOnly);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
        if (auto* push = qobject_cast<QPushButton*>(control)) {
            push->setAutoDefault(false);
            push->setDefault(item.kind == ControlKind::DefPushButton);
        }
    }
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
        ApplyRowLook(control, item);

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

        // Every control that can take the focus joins the focus chain in window order;
        // Tab stops only at those with a Tab stop, so a control that becomes one later
        // (the checked option of a group) is reached at its place in the window.
        if (focusable || (item.style & kTabStop)) {
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
