// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results summary window (dialog 151, "集計結果表示"): eight result slots, two per
// repayment family, with their sums, the yearly repayment, the income it requires and
// the burden ratio against the main window's income as a text and a coloured gauge.
// Selecting a slot's option puts its stored result back into the main window.
//
// It is a modeless window owned by the main window (its CSummaryHost). The main window
// uses it like this:
//   auto* dlg = new CSummaryDlg(host);  // keep the pointer before Create: a move of
//   dlg->Create();                      // the main window during Create calls FollowHost
//   dlg->EnableAddButton();             // after each successful calculation
//   dlg->Activate();                    // show button pressed while it is open
//   dlg->FollowHost();                  // after every move of the main window
//   dlg->DestroyWindow();               // menu command: closes it without OnSummaryClosed
// The user's close (close button, close box, Escape) calls host.OnSummaryClosed() and
// then closes the window. In both cases the object deletes itself once its window is
// closed (Qt::WA_DeleteOnClose), so the host only forgets its pointer (a QPointer is
// the safe kind). Deleting it directly is also fine, e.g. from the host's destructor;
// it calls nothing on the host while it is being destroyed. All slots live only as
// long as the window.
#include "platform/DialogBuilder.h"
#include "summary/SlotTable.h"
#include "summary/SummaryHost.h"

#include <QDialog>
#include <array>
#include <memory>

class QMenu;

namespace hn {

class CColorLabel;
class CDrawnOptionButton;
class CGaugeBar;
class CHoverButton;
struct FrameRect;

class CSummaryDlg : public QDialog {
    Q_OBJECT
public:
    // The window's owner is host.HostWindow(); the host must outlive the object (it
    // does as the owner: the window is one of its children).
    explicit CSummaryDlg(CSummaryHost& host);
    ~CSummaryDlg() override;

    // Builds the window from its template, places it beside the main window (which may
    // move to make room), sets up its controls and shows it. True when the window now
    // exists; a second call answers false and changes nothing.
    bool Create();

    // The main window finished a calculation: its result may now be added.
    void EnableAddButton();
    // Raises the window and makes it the active one.
    void Activate();
    // Beside the main window again, at its height and 16 pixels narrower, kept on the
    // screen; called after every move of the main window.
    void FollowHost();
    // Closes the window on the host's behalf (the menu command): the host is not called
    // back; it forgets its pointer itself.
    void DestroyWindow();

    // The button handlers, public so that a host or a test can drive them by id too.
    void OnAddResult();
    void OnClearSlot(int slot);
    void OnSelectSlot(int slot);
    // Writes the snapshot of `slot` back into the main window (nothing for an empty row).
    void RecallSlot(int slot);
    // Sums, yearly repayment, required income and ratio; shows them and sets the gauge.
    void RecalcTotals();
    // The context menu of a slot (its option and its two figures): "返済予定表" for a
    // filled slot, none for an empty one.
    std::unique_ptr<QMenu> SlotContextMenu(int slot);

    const SlotTable& Slots() const { return m_slots; }
    QWidget* GetDlgItem(int id) const { return m_layout.GetDlgItem(id); }
    CGaugeBar* Gauge() const { return m_gauge; }

protected:
    // Cancel: the close button (id 2), the close box and Escape all arrive here.
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();
    void PlaceOnOpening();
    void SetOuterGeometry(const FrameRect& outer);
    void SetUpButtons();
    void SetUpLabels();
    void SetUpGauge();
    void AttachOptions();
    void ConnectCommands();
    void ApplyGauge(const GaugeState& gauge);
    // The display texts into their labels (changing only those that differ).
    void UpdateLabels();

    CSummaryHost& m_host;
    SlotTable m_slots;
    DialogLayout m_layout;
    bool m_bCreated = false;
    bool m_bClosingForHost = false;

    CHoverButton* m_btnAdd = nullptr;
    CHoverButton* m_btnClose = nullptr;
    std::array<CHoverButton*, kSlotCount> m_btnClear{};
    std::array<CDrawnOptionButton*, kSlotCount> m_optSlot{};
    CGaugeBar* m_gauge = nullptr;
};

} // namespace hn
