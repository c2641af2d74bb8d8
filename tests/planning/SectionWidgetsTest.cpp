// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets the planning sections keep between computations: a path editor's table,
// read again only after it changed, and a figure grid that keeps its labels.
#include "controls/FigureGrid.h"
#include "planning/PathEditor.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QWidget>
#include <gtest/gtest.h>

namespace hn {
namespace {

// The months of a path as read from the editor's table, for a 35-year loan.
std::vector<int> MonthsRead(const PathEditor& editor)
{
    std::vector<int> months;
    for (const RateStep& step : editor.Read(420).path.steps)
        months.push_back(step.month);
    return months;
}

TEST(PathEditorTest, TheTableIsReadAfreshAfterEveryKindOfChange)
{
    PathEditor editor(2);
    editor.SetRows({{"1", "1.0"}, {"61", "2.0"}});
    ASSERT_TRUE(editor.Read(420).ok()) << editor.Read(420).message;
    EXPECT_EQ(MonthsRead(editor), (std::vector<int>{1, 61}));

    // Typed into a cell, as the user does.
    editor.Table()->item(1, 0)->setText(QStringLiteral("121"));
    EXPECT_EQ(MonthsRead(editor), (std::vector<int>{1, 121}));
    EXPECT_EQ(editor.Rows().back(), (PathRowText{"121", "2.0"}));

    // Written with the table's signals blocked, as code filling it does.
    {
        const QSignalBlocker block(editor.Table());
        editor.Table()->setItem(2, 0, new QTableWidgetItem(QStringLiteral("241")));
        editor.Table()->setItem(2, 1, new QTableWidgetItem(QStringLiteral("3.0")));
    }
    EXPECT_EQ(MonthsRead(editor), (std::vector<int>{1, 121, 241}));

    // A row taken away, and the table emptied.
    editor.Table()->removeRow(1);
    EXPECT_EQ(MonthsRead(editor), (std::vector<int>{1, 241}));
    editor.Table()->clearContents();
    EXPECT_TRUE(editor.Rows().empty());
    EXPECT_FALSE(editor.Read(420).ok());

    // The same rows read for another term: the change past its last instalment is noted.
    editor.SetRows({{"1", "1.0"}, {"241", "2.0"}});
    EXPECT_TRUE(editor.Read(420).notes.empty());
    EXPECT_EQ(editor.Read(120).notes.size(), 1u);
    EXPECT_TRUE(editor.Read(420).notes.empty());
}

TEST(FigureGridTest, RowsGoneLeaveNoFigureAndComeBackWithTheirOwn)
{
    QWidget box;
    auto* grid = new FigureGrid(&box);
    const auto shownLabels = [&] {
        int shown = 0;
        for (const QLabel* label : grid->findChildren<QLabel*>())
            shown += label->isVisibleTo(&box) ? 1 : 0;
        return shown;
    };
    grid->SetRows({{"総返済額", "1,000円"}, {"利息の合計", "200円"}, {"最終回", "第420回"}});
    EXPECT_EQ(grid->Value(QStringLiteral("利息の合計")), QStringLiteral("200円"));
    EXPECT_EQ(shownLabels(), 6);

    // Fewer rows with other captions: nothing of the old rows can be read or found.
    grid->SetRows({{"総返済額", "2,000円"}, {"未払利息", "5円"}});
    EXPECT_EQ(shownLabels(), 4);
    EXPECT_EQ(grid->Value(QStringLiteral("総返済額")), QStringLiteral("2,000円"));
    EXPECT_EQ(grid->Value(QStringLiteral("未払利息")), QStringLiteral("5円"));
    EXPECT_TRUE(grid->Value(QStringLiteral("利息の合計")).isEmpty());
    EXPECT_TRUE(grid->Value(QStringLiteral("最終回")).isEmpty());
    EXPECT_EQ(grid->findChild<QLabel*>(QStringLiteral("最終回")), nullptr);
    auto* value = grid->findChild<QLabel*>(QStringLiteral("未払利息"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->accessibleDescription(), QStringLiteral("未払利息"));

    // Cleared: nothing shows or reads; filled again: every row shows its new figure.
    grid->SetRows({});
    EXPECT_EQ(shownLabels(), 0);
    EXPECT_TRUE(grid->Value(QStringLiteral("総返済額")).isEmpty());
    grid->SetRows({{"総返済額", "3,000円"}, {"利息の合計", "300円"}, {"最終回", "第400回"}});
    EXPECT_EQ(shownLabels(), 6);
    EXPECT_EQ(grid->Value(QStringLiteral("総返済額")), QStringLiteral("3,000円"));
    EXPECT_EQ(grid->Value(QStringLiteral("最終回")), QStringLiteral("第400回"));
}

TEST(FigureGridTest, AValueIsAlwaysWideEnoughForItsFigureAndFlushRight)
{
    // Value labels keep a fixed size, so that a new figure of the same width repaints
    // alone; a longer figure or a larger font must still widen them.
    QWidget box;
    auto* grid = new FigureGrid(&box);
    box.resize(400, 100);
    grid->resize(400, 100);
    grid->SetRows({{"総返済額", "1円"}});
    auto* value = grid->findChild<QLabel*>(QStringLiteral("総返済額"));
    ASSERT_NE(value, nullptr);
    const auto fits = [&] { return value->width() >= value->fontMetrics().horizontalAdvance(value->text()); };
    grid->SetRows({{"総返済額", "123,456,789,012円"}});
    box.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(fits());
    EXPECT_EQ(value->geometry().right(), grid->contentsRect().right());
    QFont larger = box.font();
    if (larger.pointSizeF() > 0)
        larger.setPointSizeF(larger.pointSizeF() * 2);
    else
        larger.setPixelSize(larger.pixelSize() * 2);
    box.setFont(larger);
    QCoreApplication::processEvents();
    EXPECT_TRUE(fits());
}

} // namespace
} // namespace hn
