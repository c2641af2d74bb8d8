// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ModalRun.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace hn::test {

ModalRun::ModalRun(QDialog& dialog) : m_dialog(dialog)
{
    m_driver.setSingleShot(true);
    m_driver.setInterval(0);
    connect(&m_driver, &QTimer::timeout, this, &ModalRun::Tick);
    m_modalCloser.setInterval(20);
    connect(&m_modalCloser, &QTimer::timeout, this, &ModalRun::CloseOtherModals);
}

ModalRun::~ModalRun()
{
    m_dialog.removeEventFilter(this);
}

ModalRun& ModalRun::Step(std::string name, std::function<void()> run)
{
    m_steps.push_back({std::move(name), std::move(run), false});
    return *this;
}

ModalRun& ModalRun::StepThatEnds(std::string name, std::function<void()> run)
{
    m_steps.push_back({std::move(name), std::move(run), true});
    return *this;
}

int ModalRun::Exec()
{
    m_dialog.installEventFilter(this);
    m_driver.start();
    m_modalCloser.start();
    const int result = m_dialog.exec();
    m_driver.stop();
    m_modalCloser.stop();
    m_dialog.removeEventFilter(this);

    if (m_bClosingByUs || m_bStepEnded)
        return result;
    if (m_next == 0)
        ADD_FAILURE() << "the modal loop ended before the first step";
    else
        ADD_FAILURE() << "step \"" << m_steps[m_next - 1].name << "\" ended the modal loop";
    return result;
}

bool ModalRun::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_dialog && event->type() == QEvent::Hide && !m_bClosingByUs)
        m_bHidden = true;
    return false;
}

void ModalRun::Tick()
{
    // Getting here means the dialog's loop (or one nested in it) still runs.
    if (m_next == 0) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
        m_nativeWindow = m_dialog.winId();
    } else {
        CheckAfter(m_steps[m_next - 1]);
    }
    if (m_next == m_steps.size()) {
        m_bClosingByUs = true;
        m_dialog.reject();
        return;
    }
    Entry& step = m_steps[m_next++];
    SCOPED_TRACE("step \"" + step.name + "\"");
    m_bHidden = false;
    step.run();
    if (step.ends) {
        m_bStepEnded = true;
        EXPECT_FALSE(m_dialog.isVisible()) << "step \"" << step.name << "\" was to end the run";
        if (m_dialog.isVisible()) {
            m_bClosingByUs = true;
            m_dialog.reject();
        }
        return;
    }
    m_driver.start();
}

void ModalRun::CheckAfter(const Entry& step)
{
    EXPECT_FALSE(m_bHidden) << "step \"" << step.name << "\" hid the window";
    EXPECT_TRUE(m_dialog.isVisible()) << "step \"" << step.name << "\" left the window hidden";
    EXPECT_EQ(m_dialog.winId(), m_nativeWindow) << "step \"" << step.name << "\" replaced the native window";
    ++m_survived;
}

void ModalRun::CloseOtherModals()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* other = qobject_cast<QDialog*>(w);
        if (!other || other == &m_dialog || qobject_cast<QMessageBox*>(other) || !other->isVisible() ||
            !other->isModal())
            continue;
        m_otherModals << other->windowTitle();
        other->accept();
    }
}

} // namespace hn::test
