// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a dialog the way the program runs it: shown by its own modal loop (exec), with
// the test's steps performed one after another inside that loop. After every step the
// loop must still be running and the window still shown on the same native window; a
// step that ends the loop, hides the window or replaces its native window (which hides
// it first) fails the test, because in the program that ends the run and loses
// everything the user typed. Only a step declared with StepThatEnds may end the loop.
//
//   ModalRun run(dlg);
//   run.Step("calculate", [&] { ... });
//   run.StepThatEnds("終了", [&] { ... });
//   run.Exec();   // then EXPECT_... on what the steps left behind
//
// Modal dialogs that a step opens (an about box) are closed with OK a moment after they
// show; their titles are kept in OtherModals(). Message boxes are MessageBoxCatcher's.
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace hn::test {

class ModalRun : public QObject {
public:
    explicit ModalRun(QDialog& dialog);
    ~ModalRun() override;

    ModalRun& Step(std::string name, std::function<void()> run);
    ModalRun& StepThatEnds(std::string name, std::function<void()> run);

    // Runs exec() with the steps and closes the window after the last one (unless that
    // one ends the loop itself). Answers exec's result.
    int Exec();

    const QStringList& OtherModals() const { return m_otherModals; }
    // Steps that ran to their end with the loop still going.
    std::size_t StepsSurvived() const { return m_survived; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        std::string name;
        std::function<void()> run;
        bool ends = false;
    };
    void Tick();
    void CheckAfter(const Entry& step);
    void CloseOtherModals();

    QDialog& m_dialog;
    std::vector<Entry> m_steps;
    std::size_t m_next = 0;
    std::size_t m_survived = 0;
    QTimer m_driver;
    QTimer m_modalCloser;
    WId m_nativeWindow = 0;
    bool m_bHidden = false;
    bool m_bClosingByUs = false;
    bool m_bStepEnded = false;
    QStringList m_otherModals;
};

} // namespace hn::test
