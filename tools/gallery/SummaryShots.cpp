// SPDX-License-Identifier: GPL-3.0-or-later
// The summary window: empty, after the worked example's two results, and with a result
// but no income (amber stripes).
#include "calc/AmountText.h"
#include "summary/CSummaryDlg.h"
#include "tools/gallery/Gallery.h"

#include <QWidget>
#include <memory>

namespace hn::gallery {

namespace {

// Just enough of a main window to feed the summary window.
class ShotHost : public CSummaryHost {
public:
    ShotHost()
    {
        window.setFixedSize(303, 420);
        window.move(0, 0);
    }
    const LoanWindowState& LoanState() const override
    {
        state.m_nMethod = kept.method;
        state.m_nFirstMonthly = kept.firstMonthly;
        state.m_nFirstBonus = kept.firstBonus;
        state.m_nIncome = kept.income;
        state.m_nLoanMan = kept.loanMan;
        state.m_nTotal = kept.total;
        state.m_strMonthly1 = FormatAmount(kept.firstMonthly);
        state.m_strBonus1 = FormatAmount(kept.firstBonus);
        state.periodText = "35";
        return state;
    }
    void SetMethodChecks(RepaymentMethod) override {}
    void ApplyCaptionSet(const CaptionSet&) override {}
    void ShowSecondRate() override {}
    void HideSecondRate() override {}
    std::optional<LoanInput> ShownLoan() const override { return std::nullopt; }
    void RecallTexts(const HostTexts&, const std::optional<LoanInput>&) override {}
    void OnSummaryClosed() override {}
    QWidget* HostWindow() override { return &window; }

    QWidget window;
    KeptFigures kept;
    mutable LoanWindowState state;
};

QImage Shoot(const std::vector<KeptFigures>& adds)
{
    ShotHost host;
    auto* dlg = new CSummaryDlg(host);
    dlg->Create();
    for (const KeptFigures& kept : adds) {
        host.kept = kept;
        dlg->EnableAddButton();
        dlg->OnAddResult();
    }
    QImage image = dlg->grab().toImage();
    delete dlg;
    return image;
}

std::vector<Shot> SummaryShots()
{
    const KeptFigures yutori{CorporationYutori, 63309, 95194, 6000000, 3000, 45965590};
    const KeptFigures equal{EqualPrincipal, 97142, 145714, 6000000, 3000, 43246377};
    KeptFigures noIncome = yutori;
    noIncome.income = 0;
    return {
        {QStringLiteral("empty"), Shoot({})},
        {QStringLiteral("one-result"), Shoot({yutori})},
        {QStringLiteral("worked-example"), Shoot({yutori, equal})},
        {QStringLiteral("no-income"), Shoot({noIncome})},
    };
}

} // namespace

HN_GALLERY_FAMILY(summary_window, SummaryShots);

} // namespace hn::gallery
