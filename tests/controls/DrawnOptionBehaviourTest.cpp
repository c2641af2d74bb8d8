// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn option button's mouse, keyboard, focus and group behaviour.
#include "controls/CDrawnOptionButton.h"
#include "platform/DialogFont.h"
#include "platform/DialogGroup.h"
#include "platform/DialogTemplate.h"
#include "tests/controls/DrawnTestSupport.h"

#include <QAccessible>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace hn {
namespace {

using namespace drawn_test;

// A dialog-like window: an entry field that starts the group, three drawn options and a
// push button after them, in creation (group) order.
class OptionGroup : public DrawnFixture {
protected:
    void SetUp() override
    {
        DrawnFixture::SetUp();
        m_window = std::make_unique<QWidget>();
        m_window->setFont(DialogFont());
        m_window->resize(240, 120);
        m_edit = new QLineEdit(m_window.get());
        m_edit->setGeometry(5, 5, 60, 18);
        SetGroupStart(m_edit);
        for (int i = 0; i < 3; ++i) {
            m_option[i] = new CDrawnOptionButton(QString::fromUtf8(kCaptions[i]), m_window.get());
            m_option[i]->setGeometry(5, 30 + 16 * i, 90, 15);
            m_spy[i] = std::make_unique<QSignalSpy>(m_option[i], &QAbstractButton::clicked);
        }
        m_button = new QPushButton(QStringLiteral("OK"), m_window.get());
        m_button->setGeometry(120, 30, 60, 22);
        ASSERT_TRUE(ShowActive(m_window.get()));
    }

    void TearDown() override
    {
        for (auto& spy : m_spy)
            spy.reset();
        m_window.reset();
        DrawnFixture::TearDown();
    }

    std::array<int, 3> Checks() const
    {
        return {m_option[0]->GetCheck(), m_option[1]->GetCheck(), m_option[2]->GetCheck()};
    }
    std::array<qsizetype, 3> Clicks() const { return {m_spy[0]->count(), m_spy[1]->count(), m_spy[2]->count()}; }

    static constexpr const char* kCaptions[3] = {"公庫基本型", "公庫（ゆとり)型", "年金基本型"};
    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_edit = nullptr;
    std::array<CDrawnOptionButton*, 3> m_option{};
    std::array<std::unique_ptr<QSignalSpy>, 3> m_spy;
    QPushButton* m_button = nullptr;
};

using Ints = std::array<int, 3>;
using Counts = std::array<qsizetype, 3>;

TEST_F(OptionGroup, ClickChecksUnchecksTheOthersAndNotifies)
{
    m_option[0]->SetCheck(1);
    QTest::mouseClick(m_option[1], Qt::LeftButton);
    EXPECT_EQ(Checks(), (Ints{0, 1, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 1, 0}));
    EXPECT_EQ(QApplication::focusWidget(), m_option[1]);
    EXPECT_FALSE(m_option[1]->IsPressed());

    // A click on the option that is already checked notifies again.
    QTest::mouseClick(m_option[1], Qt::LeftButton);
    EXPECT_EQ(Checks(), (Ints{0, 1, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 2, 0}));
}

TEST_F(OptionGroup, NotifiedHandlerSeesTheGroupAlreadySettled)
{
    m_option[2]->SetCheck(1);
    Ints seen{};
    QObject::connect(m_option[0], &QAbstractButton::clicked, [&] { seen = Checks(); });
    QTest::mouseClick(m_option[0], Qt::LeftButton);
    EXPECT_EQ(seen, (Ints{1, 0, 0}));
}

TEST_F(OptionGroup, PressMoveOutAndReleaseOutsideDoesNothing)
{
    m_option[0]->SetCheck(1);
    QTest::mousePress(m_option[1], Qt::LeftButton);
    EXPECT_TRUE(m_option[1]->IsPressed());
    QTest::mouseMove(m_option[1], QPoint(150, 7));
    EXPECT_FALSE(m_option[1]->IsPressed());
    QTest::mouseMove(m_option[1], QPoint(20, 7));
    EXPECT_TRUE(m_option[1]->IsPressed());
    QTest::mouseMove(m_option[1], QPoint(20, -30));
    EXPECT_FALSE(m_option[1]->IsPressed());
    QTest::mouseRelease(m_option[1], Qt::LeftButton, {}, QPoint(20, -30));
    EXPECT_EQ(Checks(), (Ints{1, 0, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
    EXPECT_FALSE(m_option[1]->IsPressed());
}

TEST_F(OptionGroup, ReleaseWithoutAPressHereIsNoClick)
{
    QTest::mouseRelease(m_option[1], Qt::LeftButton);
    EXPECT_EQ(Checks(), (Ints{0, 0, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
}

TEST_F(OptionGroup, RightButtonDoesNotClick)
{
    QTest::mouseClick(m_option[1], Qt::RightButton);
    EXPECT_EQ(Checks(), (Ints{0, 0, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
}

TEST_F(OptionGroup, DoubleClickGivesTwoNotifications)
{
    DoubleClick(m_option[2]);
    EXPECT_EQ(Clicks(), (Counts{0, 0, 2}));
    EXPECT_EQ(Checks(), (Ints{0, 0, 1}));
    EXPECT_FALSE(m_option[2]->IsPressed());
}

TEST_F(OptionGroup, ArrowsWalkTheRunAndKeepTheLastCheckedAtTheEnd)
{
    m_option[0]->SetCheck(1);
    m_option[0]->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), m_option[0]);

    QTest::keyClick(m_option[0], Qt::Key_Down);
    EXPECT_EQ(Checks(), (Ints{0, 1, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 1, 0}));
    EXPECT_EQ(QApplication::focusWidget(), m_option[1]);

    QTest::keyClick(m_option[1], Qt::Key_Right);
    EXPECT_EQ(Checks(), (Ints{0, 0, 1}));
    EXPECT_EQ(Clicks(), (Counts{0, 1, 1}));
    EXPECT_EQ(QApplication::focusWidget(), m_option[2]);

    // Past the last option the neighbour is the push button: the last option stays
    // checked (a keyboard user never ends up with no method), nobody is notified and
    // the focus stays.
    QTest::keyClick(m_option[2], Qt::Key_Down);
    EXPECT_EQ(Checks(), (Ints{0, 0, 1}));
    EXPECT_EQ(Clicks(), (Counts{0, 1, 1}));
    EXPECT_EQ(QApplication::focusWidget(), m_option[2]);
}

TEST_F(OptionGroup, ArrowsBackwardsAndOffTheFirstOption)
{
    m_option[2]->SetCheck(1);
    m_option[2]->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(m_option[2], Qt::Key_Up);
    EXPECT_EQ(Checks(), (Ints{0, 1, 0}));
    QTest::keyClick(m_option[1], Qt::Key_Left);
    EXPECT_EQ(Checks(), (Ints{1, 0, 0}));
    EXPECT_EQ(Clicks(), (Counts{1, 1, 0}));
    QTest::keyClick(m_option[0], Qt::Key_Up);
    EXPECT_EQ(Checks(), (Ints{1, 0, 0}));
    EXPECT_EQ(Clicks(), (Counts{1, 1, 0}));
    EXPECT_EQ(QApplication::focusWidget(), m_option[0]);
}

// Tab reaches a group at its checked option, or at its first while none is checked,
// and at no other option; the window order places that stop.
TEST_F(OptionGroup, TheCheckedOptionIsTheGroupsTabStop)
{
    auto tabStops = [&] {
        std::array<bool, 3> stops{};
        for (std::size_t i = 0; i < 3; ++i)
            stops[i] = (m_option[i]->focusPolicy() & Qt::TabFocus) != 0;
        return stops;
    };
    m_option[0]->UpdateGroupTabStop();
    EXPECT_EQ(tabStops(), (std::array<bool, 3>{true, false, false}));
    m_option[2]->SetCheck(1);
    EXPECT_EQ(tabStops(), (std::array<bool, 3>{false, false, true}));
    QTest::mouseClick(m_option[1], Qt::LeftButton);
    EXPECT_EQ(tabStops(), (std::array<bool, 3>{false, true, false}));

    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    QWidget::setTabOrder(m_edit, m_option[0]);
    QWidget::setTabOrder(m_option[0], m_option[1]);
    QWidget::setTabOrder(m_option[1], m_option[2]);
    QWidget::setTabOrder(m_option[2], m_button);
    m_edit->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_option[1]);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_button);
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), m_option[1]);
}

// Where choosing does more than choose (the summary's recall), the arrows only move the
// focus among the options, wrapping past other controls, and Space or Enter chooses.
TEST_F(OptionGroup, ArrowsThatOnlyMoveTheFocusAndEnterThatChooses)
{
    for (CDrawnOptionButton* option : m_option)
        option->SetArrowsMoveFocusOnly(true);
    m_option[0]->SetCheck(1);
    m_option[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_option[0], Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), m_option[1]);
    QTest::keyClick(m_option[1], Qt::Key_Down);
    QTest::keyClick(m_option[2], Qt::Key_Down); // wraps past the button and the field
    EXPECT_EQ(QApplication::focusWidget(), m_option[0]);
    QTest::keyClick(m_option[0], Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), m_option[2]);
    EXPECT_EQ(Checks(), (Ints{1, 0, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));

    QTest::keyClick(m_option[2], Qt::Key_Return);
    EXPECT_EQ(Checks(), (Ints{0, 0, 1}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 1}));
    QTest::keyClick(m_option[2], Qt::Key_Up);
    QTest::keyClick(m_option[1], Qt::Key_Space);
    EXPECT_EQ(Checks(), (Ints{0, 1, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 1, 1}));
}

TEST_F(OptionGroup, ArrowsSkipHiddenOptions)
{
    m_option[1]->hide();
    m_option[0]->SetCheck(1);
    m_option[0]->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(m_option[0], Qt::Key_Down);
    EXPECT_EQ(Checks(), (Ints{0, 0, 1}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 1}));
}

TEST_F(OptionGroup, SetCheckHasNoGroupEffectAndNoNotification)
{
    EXPECT_EQ(m_option[0]->SetCheck(1), 0);
    EXPECT_EQ(m_option[1]->SetCheck(1), 0);
    EXPECT_EQ(Checks(), (Ints{1, 1, 0}));
    EXPECT_EQ(m_option[1]->SetCheck(1), 1);
    EXPECT_EQ(m_option[1]->SetCheck(0), 1);
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
    // The button underneath mirrors the state for screen readers without exclusivity.
    EXPECT_TRUE(m_option[0]->isChecked());
    EXPECT_FALSE(m_option[1]->isChecked());
}

// Counts paint events of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(OptionGroup, SetCheckRepaintsOnlyOnChange)
{
    PaintCounter counter;
    QCoreApplication::processEvents();
    m_option[1]->installEventFilter(&counter);
    m_option[1]->SetCheck(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    m_option[1]->SetCheck(1);
    QTRY_VERIFY(counter.paints > 0);
    m_option[1]->removeEventFilter(&counter);
}

TEST_F(OptionGroup, FocusArrivalMovesToTheCheckedOption)
{
    m_option[2]->SetCheck(1);
    m_option[0]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), m_option[2]);
    EXPECT_EQ(Checks(), (Ints{0, 0, 1}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
}

TEST_F(OptionGroup, FocusWalkStopsAtTheEndOfTheRun)
{
    // The walk goes forwards only and ends at the push button: a checked option before
    // this one is not found.
    m_option[0]->SetCheck(1);
    m_option[2]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), m_option[2]);
}

TEST_F(OptionGroup, ClickTakesTheFocusAndKeepsIt)
{
    m_option[2]->SetCheck(1);
    QTest::mousePress(m_option[0], Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), m_option[0]);
    QTest::mouseRelease(m_option[0], Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), m_option[0]);
    EXPECT_EQ(Checks(), (Ints{1, 0, 0}));
}

TEST_F(OptionGroup, SpaceChecksAndNotifies)
{
    m_option[0]->SetCheck(1);
    m_option[1]->setFocus(Qt::MouseFocusReason);
    QTest::keyPress(m_option[1], Qt::Key_Space);
    EXPECT_TRUE(m_option[1]->IsPressed());
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
    QTest::keyRelease(m_option[1], Qt::Key_Space);
    EXPECT_FALSE(m_option[1]->IsPressed());
    EXPECT_EQ(Checks(), (Ints{0, 1, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 1, 0}));
}

TEST_F(OptionGroup, SpaceReleasedWithoutItsPressIsNoClick)
{
    m_option[1]->setFocus(Qt::MouseFocusReason);
    QTest::keyRelease(m_option[1], Qt::Key_Space);
    EXPECT_EQ(Checks(), (Ints{0, 0, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
}

TEST_F(OptionGroup, SpaceHeldWhileTheFocusLeavesIsDropped)
{
    m_option[1]->setFocus(Qt::MouseFocusReason);
    QTest::keyPress(m_option[1], Qt::Key_Space);
    m_edit->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(m_option[1]->IsPressed());
    QTest::keyRelease(m_option[1], Qt::Key_Space);
    EXPECT_EQ(Clicks(), (Counts{0, 0, 0}));
}

TEST_F(OptionGroup, OtherKeysGoToTheDialog)
{
    m_option[1]->setFocus(Qt::MouseFocusReason);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(m_option[1], &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(Checks(), (Ints{0, 0, 0}));
}

TEST_F(OptionGroup, ScreenReadersSeeAnOptionNamedByItsCaption)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(m_option[1]);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::RadioButton);
    EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(kCaptions[1]));
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);
    m_option[1]->SetCheck(1);
    EXPECT_TRUE(iface->state().checked);

    // Their press is a click: the group follows and the parent hears of it.
    m_option[1]->SetCheck(0);
    m_option[0]->SetCheck(1);
    QAccessibleActionInterface* action = iface->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Checks(), (Ints{0, 1, 0}));
    EXPECT_EQ(Clicks(), (Counts{0, 1, 0}));
}

TEST(DrawnOptionTemplate, TemplateRowGivesTheCaption)
{
    const DialogItem row{1006, ControlKind::Option, "年金(ｽﾃｯﾌﾟ)型", 79, 60, 59, 10, 0};
    CDrawnOptionButton option(row, nullptr);
    EXPECT_EQ(option.text(), QStringLiteral("年金(ｽﾃｯﾌﾟ)型"));
    EXPECT_EQ(option.GetCheck(), 0);
    EXPECT_EQ(option.Kind(), DrawnKind::Option);
}

TEST(DrawnOptionAlone, ArrowOnALoneOptionKeepsItChecked)
{
    QWidget window;
    window.resize(120, 40);
    auto* option = new CDrawnOptionButton(QStringLiteral("公庫1"), &window);
    option->setGeometry(5, 5, 60, 15);
    QSignalSpy clicks(option, &QAbstractButton::clicked);
    ASSERT_TRUE(ShowActive(&window));
    option->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(option, Qt::Key_Down);
    EXPECT_EQ(option->GetCheck(), 1);
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
} // namespace hn
