// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule window itself: what it shows for a loan, its views and calendar, the
// notices, the file and the clipboard, keyboard and screen-reader reach, its chart, and
// how the calculator window keeps it.
#include "schedule/CScheduleDlg.h"

#include "calc/schedule/ScheduleTexts.h"
#include "controls/Utf8Text.h"
#include "report/ScheduleCsv.h"
#include "schedule/DerivedSchedules.h"
#include "schedule/ScheduleChart.h"
#include "schedule/ScheduleTableModel.h"
#include "schedule/ScheduleWindowOwner.h"
#include "schedule/ScheduleWindowTexts.h"
#include "tests/support/MessageBoxCatcher.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <memory>

namespace hn {
namespace {

LoanInput Loan(RepaymentMethod method, double loanMan, double bonusMan, double rate1Percent, double rate2Percent,
               double years)
{
    return MakeLoanInput({method, loanMan, bonusMan, rate1Percent, rate2Percent, years});
}

const ScheduleLoan kWorked{Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35), 0, std::string(kSourceCalculator)};
const ScheduleLoan kSlotLoan{Loan(EqualPrincipal, 3000, 600, 2.0, 3.0, 35), 5, "元金1"};

class ScheduleDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = new CScheduleDlg(nullptr, YearMonth{2026, 12});
        dlg->ShowLoan(kWorked);
        dlg->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override { delete dlg.data(); }

    QRadioButton* ViewButton(int i) const { return dlg->findChildren<QRadioButton*>().at(i); }
    QPushButton* Button(std::string_view caption) const
    {
        for (QPushButton* b : dlg->findChildren<QPushButton*>())
            if (b->text() == FromUtf8(caption))
                return b;
        return nullptr;
    }
    QString Cell(int row, int column) const
    {
        return dlg->Model()->data(dlg->Model()->index(row, column), Qt::DisplayRole).toString();
    }

    QPointer<CScheduleDlg> dlg;
    test::MessageBoxCatcher boxes;
};

TEST_F(ScheduleDlgTest, OpensOnTheChartWithEveryInstalmentBelowAndBothTotals)
{
    EXPECT_EQ(dlg->windowTitle(), FromUtf8(kScheduleTitle));
    EXPECT_FALSE(dlg->isModal());
    ASSERT_TRUE(dlg->Chart()->isVisible());
    EXPECT_LT(dlg->Chart()->geometry().top(), dlg->Table()->geometry().top());
    EXPECT_EQ(dlg->Chart()->Years().size(), 35u);

    EXPECT_EQ(dlg->View(), ScheduleView::Monthly);
    EXPECT_EQ(dlg->Model()->rowCount(), 490);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("2027年1月")); // the month after "today"
    EXPECT_EQ(Cell(0, 3), QStringLiteral("79,503"));
    EXPECT_EQ(dlg->HeadingText(),
              QStringLiteral("計算結果　公庫基本型　借入額 3,000万円（内ﾎﾞｰﾅｽ 600万円）　金利 2%／3%　35年"));

    const QStringList totals = dlg->TotalsTexts();
    ASSERT_EQ(totals.size(), 6);
    EXPECT_EQ(totals[0], FromUtf8(kScheduleTotal) + QStringLiteral(": 45,313,439円"));
    EXPECT_EQ(totals[1], FromUtf8(kWindowTotal) + QStringLiteral(": 45,313,480円"));
    EXPECT_EQ(totals[2], FromUtf8(kDifference) + QStringLiteral(": -41円"));
    EXPECT_TRUE(dlg->NotesTexts().contains(FromUtf8(kNoteTotalDiffers)));

    const auto checks = dlg->CheckLines();
    ASSERT_GT(checks.size(), 5u);
    EXPECT_EQ(checks[0].first, FromUtf8(kCheckPassed) + FromUtf8(kAllChecksPassed));
    for (const auto& [text, failed] : checks)
        EXPECT_FALSE(failed) << text.toStdString();
    EXPECT_TRUE(dlg->NoticeText().isEmpty());
}

TEST_F(ScheduleDlgTest, ViewsSwitchByTheirButtonsAndCombinedOnlyWithSlots)
{
    QTest::mouseClick(ViewButton(1), Qt::LeftButton);
    EXPECT_EQ(dlg->View(), ScheduleView::Yearly);
    EXPECT_EQ(dlg->Model()->rowCount(), 35);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("2027年1月～2027年12月"));

    EXPECT_FALSE(ViewButton(2)->isEnabled());
    dlg->SetCombinedLoans({{Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35), 1, "公庫1"},
                           {Loan(BankOther, 1000, 0, 1.5, 1.5, 40), 7, "銀行1"}});
    ASSERT_TRUE(ViewButton(2)->isEnabled());
    QTest::mouseClick(ViewButton(2), Qt::LeftButton);
    EXPECT_EQ(dlg->View(), ScheduleView::Combined);
    EXPECT_EQ(dlg->Model()->rowCount(), 40); // up to the longer loan
    EXPECT_TRUE(dlg->HeadingText().startsWith(FromUtf8(kSourceCombined)));
    EXPECT_TRUE(dlg->HeadingText().contains(QStringLiteral("公庫1、銀行1")));
    EXPECT_EQ(dlg->Chart()->Years().size(), 40u);
    EXPECT_EQ(dlg->CheckLines().size(), 2u);

    // The summary window emptied: back to the loan's own yearly view.
    dlg->SetCombinedLoans({});
    EXPECT_EQ(dlg->View(), ScheduleView::Yearly);
    EXPECT_TRUE(ViewButton(1)->isChecked());
    EXPECT_FALSE(ViewButton(2)->isEnabled());
    EXPECT_EQ(dlg->Model()->rowCount(), 35);
}

TEST_F(ScheduleDlgTest, CalendarChangesLabelsOnlyAndRefusesEqualBonusMonths)
{
    const QString payment = Cell(0, 3);
    auto* first = dlg->findChild<QDateEdit*>();
    first->setDate(QDate(2030, 10, 1));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("2030年10月"));
    // Bonus 1 falls in the first bonus month from October and stands right after month 3,
    // December's monthly instalment.
    EXPECT_EQ(Cell(3, 1), QStringLiteral("2030年12月"));
    EXPECT_EQ(Cell(3, 2), QStringLiteral("ﾎﾞｰﾅｽ"));
    EXPECT_EQ(Cell(0, 3), payment);

    auto combos = dlg->findChildren<QComboBox*>();
    ASSERT_EQ(combos.size(), 2);
    combos[1]->setCurrentIndex(5); // 6月 twice
    EXPECT_EQ((dlg->Calendar().bonusMonths), (std::array<int, 2>{6, 12}));
    EXPECT_EQ(combos[1]->currentIndex(), 11);
    EXPECT_EQ(Cell(3, 1), QStringLiteral("2030年12月"));

    combos[0]->setCurrentIndex(2); // 3月 and 12月: bonus 2 after month 6, March
    EXPECT_EQ(Cell(3, 1), QStringLiteral("2030年12月"));
    EXPECT_EQ(Cell(7, 1), QStringLiteral("2031年3月"));
    EXPECT_EQ(Cell(7, 2), QStringLiteral("ﾎﾞｰﾅｽ"));
}

TEST_F(ScheduleDlgTest, ADerivedScheduleIsShownAsItIsWithoutTheCombinedView)
{
    dlg->SetCombinedLoans({{Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35), 1, "公庫1"}});
    QTest::mouseClick(ViewButton(2), Qt::LeftButton);
    ASSERT_EQ(dlg->View(), ScheduleView::Combined);

    const LoanInput loan = WholeYenInput(Loan(BankOther, 2000, 0, 3.0, 0, 35));
    const Prepayment p{120, 1'000'000, 0, PrepayMode::Shorten};
    const PrepaymentOutcome o = ApplyPrepayments(BuildSchedule(loan), std::span<const Prepayment>(&p, 1));
    ASSERT_TRUE(o.ok);
    dlg->ShowDerived(PrepaidSchedule(loan, o));
    EXPECT_EQ(dlg->View(), ScheduleView::Monthly);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("返済予定表 - 繰上げ返済"));
    EXPECT_FALSE(ViewButton(2)->isEnabled());
    dlg->SetView(ScheduleView::Combined);
    EXPECT_NE(dlg->View(), ScheduleView::Combined);
    dlg->SetView(ScheduleView::Monthly);
    EXPECT_EQ(dlg->Model()->rowCount(), 394);
    EXPECT_EQ(dlg->TotalsHeadingText(), FromUtf8(kTotalsHeadingDerived));
    EXPECT_FALSE(dlg->TotalsTexts().join('\n').contains(FromUtf8(kWindowTotal)));
    EXPECT_TRUE(dlg->NotesTexts().contains(FromUtf8(kNotePrepaidEnd)));
    EXPECT_EQ(dlg->CheckLines().front().first, FromUtf8(kCheckPassed) + FromUtf8(kAllChecksPassed));

    // Other calendar labels keep the prepaid rows.
    dlg->findChild<QDateEdit*>()->setDate(QDate(2030, 1, 1));
    EXPECT_EQ(dlg->Model()->rowCount(), 394);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("2030年1月"));
    EXPECT_EQ(dlg->CsvText(), ScheduleCsv(o.after, ScheduleViewKind::Monthly, dlg->Calendar()));
    EXPECT_NE(dlg->CsvText().find(",繰上げ返済\r\n"), std::string::npos);

    // A loan again: the comparison with the calculator window and the combined view return.
    dlg->ShowLoan(kWorked);
    EXPECT_EQ(dlg->windowTitle(), FromUtf8(kScheduleTitle));
    EXPECT_TRUE(ViewButton(2)->isEnabled());
    EXPECT_EQ(dlg->TotalsHeadingText(), FromUtf8(kTotalsHeading));
    EXPECT_EQ(dlg->SourceSlot(), 0);
}

// The lines the heading shows at its width, as a text layout breaks them.
QStringList ShownLines(const QLabel* label)
{
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(label->wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    doc.setDefaultTextOption(option);
    doc.setPlainText(label->text());
    doc.setTextWidth(label->contentsRect().width());
    doc.size(); // lays it out
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines << block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    }
    return lines;
}

// However wide the window, the heading breaks between its parts, never inside one:
// not in "期間短縮型 (回数単位)", an amount or an instalment number.
TEST_F(ScheduleDlgTest, TheHeadingBreaksOnlyBetweenItsParts)
{
    DerivedSchedule derived;
    derived.caption = "繰上げ返済";
    derived.heading = "公庫基本型　借入額 2,000万円　金利 3%／3%　35年　繰上げ返済 100万円（120回目の後）・期間短縮型、"
                      "50万円（240回目の後）・期間短縮型 (回数単位)";
    derived.schedule = BuildSchedule(WholeYenInput(kWorked.input));
    dlg->ShowDerived(derived);
    const QLabel* heading = nullptr;
    for (const QLabel* l : dlg->findChildren<QLabel*>())
        if (l->text().startsWith(QStringLiteral("繰上げ返済　公庫基本型")))
            heading = l;
    ASSERT_NE(heading, nullptr);
    const QStringList whole = {QStringLiteral("期間短縮型 (回数単位)"), QStringLiteral("借入額 2,000万円"),
                               QStringLiteral("50万円（240回目の後）"), QStringLiteral("金利 3%／3%")};
    int wrapped = 0;
    for (int width = 700; width <= 1500; width += 7) {
        dlg->resize(width, 600);
        QCoreApplication::processEvents();
        const QStringList lines = ShownLines(heading);
        wrapped += lines.size() > 1 ? 1 : 0;
        EXPECT_EQ(lines.join(QString()).remove(QLatin1Char('\n')).toStdString(), dlg->HeadingText().toStdString())
            << width;
        for (const QString& term : whole) {
            bool inOneLine = false;
            for (const QString& line : lines)
                inOneLine = inOneLine || line.contains(term);
            EXPECT_TRUE(inOneLine) << width << " " << term.toStdString() << ": " << lines.join(QLatin1Char('|')).toStdString();
        }
    }
    EXPECT_GT(wrapped, 0); // narrow enough to wrap
}

TEST_F(ScheduleDlgTest, NoScheduleShowsItsMessageInRedAndOffersNothingToSave)
{
    dlg->ShowLoan({Loan(CorporationBasic, 1e12, 0, 99.0, 99.0, 99), 0, std::string(kSourceCalculator)});
    EXPECT_EQ(dlg->NoticeText(), FromUtf8(kMsgScheduleBeyondExact));
    EXPECT_EQ(dlg->Model()->rowCount(), 0);
    EXPECT_FALSE(dlg->Chart()->isVisible());
    EXPECT_FALSE(Button(kSaveCsv)->isEnabled());
    EXPECT_FALSE(Button(kCopy)->isEnabled());
    EXPECT_TRUE(dlg->TotalsTexts().isEmpty());

    // A loan with a schedule again: the message goes.
    dlg->ShowLoan(kWorked);
    EXPECT_TRUE(dlg->NoticeText().isEmpty());
    EXPECT_TRUE(dlg->Chart()->isVisible());
}

TEST_F(ScheduleDlgTest, EarlyEndAndFailedCheckAreShownPlainly)
{
    dlg->ShowLoan({Loan(CorporationBasic, 10, 0, 50.0, 50.0, 25), 0, std::string(kSourceCalculator)});
    EXPECT_TRUE(dlg->NotesTexts().contains(FromUtf8(kNoteEndedEarly)));
    EXPECT_TRUE(dlg->NotesTexts().contains(QStringLiteral("毎月分は第299回で完済します（返済期間は300回）。")));

    // A check that fails (a fault the program must never have) is red and heads the list.
    LoanReport broken = MakeLoanReport(kWorked, dlg->Calendar());
    broken.checks.items[1].passed = false;
    dlg->ShowReport(broken);
    const auto checks = dlg->CheckLines();
    EXPECT_EQ(checks[0].first, FromUtf8(kCheckFailed) + FromUtf8(kMsgCheckFailed));
    EXPECT_TRUE(checks[0].second);
    EXPECT_TRUE(checks[2].second);
    EXPECT_FALSE(checks[1].second);
    QLabel* failed = nullptr;
    for (QLabel* l : dlg->findChildren<QLabel*>())
        if (l->text() == checks[2].first)
            failed = l;
    ASSERT_NE(failed, nullptr);
    const QColor red = failed->palette().color(QPalette::WindowText);
    EXPECT_GT(red.red(), 150);
    EXPECT_LT(red.green(), 60);
}

TEST_F(ScheduleDlgTest, SaysSoWhenItsSlotGoesAndForgetsThatOnANewLoan)
{
    dlg->ShowLoan(kSlotLoan);
    EXPECT_EQ(dlg->SourceSlot(), 5);
    dlg->SourceCleared();
    EXPECT_EQ(dlg->NoticeText(), FromUtf8(FillIn(kSlotCleared, {"元金1"})));
    EXPECT_EQ(dlg->Model()->rowCount(), 490); // the figures stay
    // Still said after a view change.
    dlg->SetView(ScheduleView::Yearly);
    EXPECT_EQ(dlg->NoticeText(), FromUtf8(FillIn(kSlotCleared, {"元金1"})));
    dlg->SourceClosed();
    EXPECT_EQ(dlg->NoticeText(), FromUtf8(FillIn(kSummaryClosed, {"元金1"})));
    dlg->ShowLoan(kSlotLoan);
    EXPECT_TRUE(dlg->NoticeText().isEmpty());
}

TEST_F(ScheduleDlgTest, CsvGoesWholeToTheFileOrNotAtAllWithAMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("返済予定表.csv"));
    ASSERT_TRUE(dlg->ExportCsv(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The command line's file of the same view (calc writes both).
    EXPECT_EQ(bytes.toStdString(), ScheduleCsv(dlg->Report()->schedule, ScheduleViewKind::Monthly, dlg->Calendar()));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(boxes.Boxes().empty());

    // Several loans together: the yearly form of their sums.
    dlg->SetCombinedLoans({kWorked, kSlotLoan});
    dlg->SetView(ScheduleView::Combined);
    ASSERT_TRUE(dlg->ExportCsv(path));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), YearlyCsv(dlg->Combined().yearly));

    const QString nowhere = dir.filePath(QStringLiteral("no-such-folder/a.csv"));
    EXPECT_FALSE(dlg->ExportCsv(nowhere));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, FromUtf8(kSaveFailedCaption));
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith(FromUtf8(kSaveFailed)));
    EXPECT_TRUE(boxes.Boxes()[0].text.contains(QStringLiteral("no-such-folder")));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left over
}

// What was saved or copied belongs to the loan it was saved from: another loan, or a
// schedule built elsewhere, shown in the same window does not carry the line over.
TEST_F(ScheduleDlgTest, TheSavedLineGoesWithTheLoanItWasSavedFrom)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.csv"));
    ASSERT_TRUE(dlg->ExportCsv(path));
    EXPECT_TRUE(dlg->StatusText().startsWith(FromUtf8(kSaved)));
    dlg->SetView(ScheduleView::Yearly); // the same loan: still said
    EXPECT_TRUE(dlg->StatusText().startsWith(FromUtf8(kSaved)));
    dlg->ShowLoan(kSlotLoan);
    EXPECT_TRUE(dlg->StatusText().isEmpty());

    ASSERT_TRUE(dlg->ExportCsv(path));
    DerivedSchedule derived;
    derived.caption = "繰上げ返済";
    derived.schedule = BuildSchedule(WholeYenInput(kWorked.input));
    dlg->ShowDerived(derived);
    EXPECT_TRUE(dlg->StatusText().isEmpty());
}

// A slot's 返済予定表 asked for while the window shows the loans together: the window
// shows that slot's loan, under its own heading, not the sums of all.
TEST(ScheduleWindowOwner, AskingForALoanLeavesTheCombinedView)
{
    QWidget mainWindow;
    ScheduleWindowOwner owner(&mainWindow);
    owner.SetSummaryLoans({kWorked, kSlotLoan});
    owner.Show(kWorked);
    CScheduleDlg* window = owner.Window();
    ASSERT_NE(window, nullptr);
    window->SetView(ScheduleView::Combined);
    ASSERT_TRUE(window->HeadingText().startsWith(FromUtf8(kSourceCombined)));
    owner.Show(kSlotLoan);
    EXPECT_EQ(window->View(), ScheduleView::Monthly);
    EXPECT_TRUE(window->HeadingText().startsWith(QStringLiteral("元金1　元金均等型"))) << window->HeadingText().toStdString();
    EXPECT_EQ(window->Model()->rowCount(), 490);
    // Following a changed slot, the view stays as the user left it.
    window->SetView(ScheduleView::Combined);
    owner.SlotChanged(5, kSlotLoan);
    EXPECT_EQ(window->View(), ScheduleView::Combined);
}

TEST_F(ScheduleDlgTest, CopyTakesTheSelectedRowsOrAllWithTheKeyToo)
{
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(Button(kCopy), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), ScheduleTabText(dlg->Model()->Table()));

    dlg->Table()->selectRow(6);
    dlg->Table()->setFocus();
    QTest::keyClick(dlg->Table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), ScheduleTabText(dlg->Model()->Table(), {6}));
}

// Tab leaves the table as it leaves any table; the arrows move within it.
TEST_F(ScheduleDlgTest, TabLeavesTheTable)
{
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    dlg->Table()->setFocus();
    dlg->Table()->setCurrentIndex(dlg->Model()->index(0, 0));
    QTest::keyClick(dlg->Table(), Qt::Key_Down);
    EXPECT_EQ(dlg->Table()->currentIndex().row(), 1);
    QTest::keyClick(dlg->Table(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), dlg->Table());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), dlg->Table());
    EXPECT_EQ(dlg->Table()->currentIndex().row(), 1);
}

TEST_F(ScheduleDlgTest, EveryControlReachableByKeyHasANameAndFiguresKeepTheirText)
{
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        // The edit inside a spin or combo box speaks through its box.
        if (w->focusProxy())
            w = w->focusProxy();
        else if (w->parentWidget() && w->parentWidget()->focusProxy() == w)
            w = w->parentWidget();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
    }
    // Totals: the figure is the text, the caption its description.
    bool found = false;
    for (QLabel* l : dlg->findChildren<QLabel*>())
        if (l->accessibleDescription() == FromUtf8(kScheduleTotal)) {
            EXPECT_EQ(l->text(), QStringLiteral("45,313,439円"));
            EXPECT_TRUE(l->accessibleName().isEmpty());
            found = true;
        }
    EXPECT_TRUE(found);
    // Escape closes the window like the others.
    QTest::keyClick(dlg, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dlg.isNull());
}

TEST_F(ScheduleDlgTest, DarkPaletteGetsALightRedAndTheChartItsBase)
{
    dlg->ShowLoan({Loan(CorporationBasic, 1e12, 0, 99.0, 99.0, 99), 0, std::string(kSourceCalculator)});
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dlg->setPalette(dark);
    QCoreApplication::processEvents();
    QLabel* notice = nullptr;
    for (QLabel* l : dlg->findChildren<QLabel*>())
        if (l->text() == FromUtf8(kMsgScheduleBeyondExact))
            notice = l;
    ASSERT_NE(notice, nullptr);
    EXPECT_GT(notice->palette().color(QPalette::WindowText).lightness(), 128);

    dlg->ShowLoan(kWorked);
    const QImage image = dlg->Chart()->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(2, image.height() - 2)), QColor(20, 20, 20));
}

// The chart on its own, at 1× and 2×: bars in the two shares' colours where the
// years are, the balance line starting at the loan.
// A year whose instalments left interest unpaid: its bar is what was paid (46.6 万円),
// not the interest charged on top of the principal (52.5 万円).
TEST(ScheduleChart, DrawsWhatWasPaid)
{
    YearlyRow unpaid;
    unpaid.year = 1;
    unpaid.payment = 466380;
    unpaid.interest = 525060;
    unpaid.principal = 0;
    unpaid.balance = 10000000;
    unpaid.unpaidInterest = 58680;
    YearlyRow next = unpaid;
    next.year = 2;
    next.payment = 700000; // sets the scale: 0 to 70 or 80 万円
    next.interest = 500000;
    next.principal = 200000;
    next.unpaidInterest = 0;
    ScheduleChart chart;
    chart.resize(700, 300);
    chart.SetYears({unpaid, next}, 10000000);
    QImage image(chart.size(), QImage::Format_ARGB32);
    chart.render(&image);
    const QRectF plot = chart.PlotArea();
    const double perYear = plot.width() / 2.0;
    const QColor base = chart.palette().color(QPalette::Base);
    // The top of the scale, read from where year 2's bar ends.
    int top2 = static_cast<int>(plot.bottom()) - 2;
    const int x2 = static_cast<int>(plot.left() + perYear * 1.5);
    while (top2 > plot.top() && image.pixelColor(x2, top2 - 1) != base)
        --top2;
    const double perYen = (plot.bottom() - top2) / 700000.0;
    const int x1 = static_cast<int>(plot.left() + perYear * 0.5);
    // Above 466,380 yen (at 500,000) nothing of year 1's bar; below it (at 430,000) the bar.
    EXPECT_EQ(image.pixelColor(x1, static_cast<int>(plot.bottom() - 500000 * perYen)), base);
    EXPECT_NE(image.pixelColor(x1, static_cast<int>(plot.bottom() - 430000 * perYen)), base);
}

TEST(ScheduleChart, DrawsEachYearsSharesAndFindsTheYearUnderThePointer)
{
    const LoanReport r = MakeLoanReport(kWorked, ScheduleCalendar{{2027, 1}, {6, 12}});
    ScheduleChart chart;
    chart.resize(700, 260);
    chart.SetYears(r.yearly, 30000000);
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        QImage image(chart.size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        chart.render(&image);
        const QRectF plot = chart.PlotArea();
        const double perYear = plot.width() / 35.0;
        // Year 1: interest (about 0.6 of the payment) at the foot, principal higher up.
        const QPoint foot(static_cast<int>((plot.left() + perYear * 0.5) * ratio),
                          static_cast<int>((plot.bottom() - 3) * ratio));
        const QColor footColour = image.pixelColor(foot);
        EXPECT_GT(footColour.red(), footColour.blue()) << "interest is the warm colour";
        // Year 35 is nearly all principal: the cool colour halfway up its bar (below,
        // the balance line runs down to 0).
        const QPoint last(static_cast<int>((plot.left() + perYear * 34.5) * ratio),
                          static_cast<int>((plot.bottom() - plot.height() * 0.4) * ratio));
        const QColor lastColour = image.pixelColor(last);
        EXPECT_GT(lastColour.blue(), lastColour.red()) << "principal is the cool colour";
    }
    const QRectF plot = chart.PlotArea();
    EXPECT_EQ(chart.YearAt(QPoint(static_cast<int>(plot.left()) + 1, static_cast<int>(plot.center().y()))), 1);
    EXPECT_EQ(chart.YearAt(QPoint(static_cast<int>(plot.right()) - 1, static_cast<int>(plot.center().y()))), 35);
    EXPECT_EQ(chart.YearAt(QPoint(0, 0)), 0);
}

} // namespace
} // namespace hn

namespace hn {
namespace {

// The calculator window's side: one window at a time that follows its source.
TEST(ScheduleWindowOwner, KeepsOneWindowThatFollowsItsSource)
{
    QWidget mainWindow;
    auto owner = std::make_unique<ScheduleWindowOwner>(&mainWindow);
    EXPECT_EQ(owner->Window(), nullptr);
    owner->CalculatorLoanChanged(kWorked); // nothing open: nothing happens
    EXPECT_EQ(owner->Window(), nullptr);

    owner->Show(kWorked);
    QPointer<CScheduleDlg> first = owner->Window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), &mainWindow);

    // A new calculation: the window shows it.
    ScheduleLoan changed = kWorked;
    changed.input.periodYears = 20;
    owner->CalculatorLoanChanged(changed);
    EXPECT_EQ(first->Model()->rowCount(), 12 * 20 + 2 * 20);

    // A slot's schedule replaces it in the same window; then the calculator window's
    // changes no longer reach it, the slot's do.
    owner->Show(kSlotLoan);
    EXPECT_EQ(owner->Window(), first.data());
    EXPECT_EQ(first->SourceSlot(), 5);
    owner->CalculatorLoanChanged(kWorked);
    EXPECT_TRUE(first->HeadingText().startsWith(QStringLiteral("元金1")));
    owner->SlotChanged(6, std::nullopt); // another slot
    EXPECT_TRUE(first->NoticeText().isEmpty());
    owner->SlotChanged(5, std::nullopt);
    EXPECT_EQ(first->NoticeText(), FromUtf8(FillIn(kSlotCleared, {"元金1"})));
    ScheduleLoan refilled = kSlotLoan;
    refilled.input.periodYears = 30;
    owner->SlotChanged(5, refilled);
    EXPECT_TRUE(first->NoticeText().isEmpty());
    EXPECT_EQ(first->Model()->rowCount(), 12 * 30 + 2 * 30);

    // The summary window's loans feed the combined view until it closes.
    owner->SetSummaryLoans({kSlotLoan});
    first->SetView(ScheduleView::Combined);
    EXPECT_EQ(first->View(), ScheduleView::Combined);
    owner->SummaryClosed();
    EXPECT_EQ(first->View(), ScheduleView::Yearly);
    EXPECT_EQ(first->NoticeText(), FromUtf8(FillIn(kSummaryClosed, {"元金1"})));

    // Closed by the user: forgotten, and the next request opens a new one that knows
    // the summary window's loans.
    owner->SetSummaryLoans({kSlotLoan});
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(owner->Window(), nullptr);
    owner->Show(kWorked);
    QPointer<CScheduleDlg> second = owner->Window();
    ASSERT_NE(second, nullptr);
    second->SetView(ScheduleView::Combined);
    EXPECT_EQ(second->View(), ScheduleView::Combined);

    // The owner goes (the calculator window closes): so does the window.
    owner.reset();
    EXPECT_TRUE(second.isNull());
}

} // namespace
} // namespace hn
