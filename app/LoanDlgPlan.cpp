// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's menu command for the plan window.
#include "app/CLoanDlg.h"

#include "plan/CPlanDlg.h"

namespace hn {

void CLoanDlg::OnPlan()
{
    if (!m_pPlanDlg) {
        m_pPlanDlg = new CPlanDlg(this, m_planKept.get());
        m_pPlanDlg->setAttribute(Qt::WA_DeleteOnClose);
        // Closing (閉じる, Esc, the close box) keeps what was typed for the next opening.
        connect(m_pPlanDlg, &QDialog::finished, this,
                [this, dlg = m_pPlanDlg.data()] { m_planKept = dlg->Kept(); });
    }
    m_pPlanDlg->show();
    m_pPlanDlg->raise();
    m_pPlanDlg->activateWindow();
}

} // namespace hn
