// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box (dialog 100): product name, version and credits. Modal; OK, Escape and
// the close box end it.
#include "platform/DialogBuilder.h"

#include <QDialog>

namespace hn {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    const DialogLayout& Layout() const { return m_layout; }

private:
    DialogLayout m_layout;
};

} // namespace hn
