// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CAboutDlg.h"

#include "platform/WindowFit.h"
#include "res/DialogTemplates.h"
#include "res/ImageResources.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hn {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    const DialogTemplate& t = AboutDialogTemplate();
    setWindowTitle(QString::fromUtf8(t.caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    m_layout.Build(client, t);
    // Icon statics name their icon resource in the row's text.
    for (std::size_t i = 0; i < t.items.size(); ++i) {
        if (t.items[i].kind != ControlKind::IconStatic)
            continue;
        auto* label = qobject_cast<QLabel*>(m_layout.Controls()[i]);
        const int iconId = QByteArray(t.items[i].text).toInt();
        label->setPixmap(QPixmap::fromImage(LoadIconImage(iconId, 32)));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    auto* ok = m_layout.Item<QPushButton>(1);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setDefault(true);
    ok->setFocus();

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(client);
    box->setSizeConstraint(QLayout::SetFixedSize);
    box->activate();
    PlaceOver(this, parent);
}

} // namespace hn
