// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the schedule window that is its own (the column headings, part names
// and notes it shares with the command line are in calc/ScheduleTexts.h). UTF-8.
#include <string_view>

namespace hn {

// Where the loan shown comes from.
inline constexpr std::string_view kSourceCalculator = "計算結果";
inline constexpr std::string_view kSourceCombined = "集計結果の合算";

// Views and calendar.
inline constexpr std::string_view kViewMonthly = "月別(&M)";
inline constexpr std::string_view kViewYearly = "年別(&Y)";
inline constexpr std::string_view kViewCombined = "集計結果の合算(&G)";
inline constexpr std::string_view kViewGroup = "表示";
inline constexpr std::string_view kFirstMonthCaption = "初回返済月(&F)";
inline constexpr std::string_view kFirstMonthName = "初回返済月";
inline constexpr std::string_view kBonusMonthsCaption = "ﾎﾞｰﾅｽ月(&B)";
inline constexpr std::string_view kFirstBonusMonthName = "ﾎﾞｰﾅｽ月（1回目）";
inline constexpr std::string_view kSecondBonusMonthName = "ﾎﾞｰﾅｽ月（2回目）";
inline constexpr std::string_view kMonthSuffix = "月";
inline constexpr std::string_view kYearMonthFormat = "yyyy年M月"; // QDateEdit display format
inline constexpr std::string_view kSameBonusMonths = "ﾎﾞｰﾅｽ月には異なる2つの月を選んでください";

// Commands.
inline constexpr std::string_view kSaveCsv = "CSV保存(&S)...";
inline constexpr std::string_view kCopy = "コピー(&C)";
inline constexpr std::string_view kSaveCsvTitle = "返済予定表をCSV形式で保存";
inline constexpr std::string_view kCsvFilter = "CSVファイル (*.csv)";
inline constexpr std::string_view kCsvDefaultName = "返済予定表.csv";
inline constexpr std::string_view kSaveFailedCaption = "CSV保存";
inline constexpr std::string_view kSaveFailed = "ファイルを保存できませんでした。";
inline constexpr std::string_view kCopied = "表をクリップボードにコピーしました";
inline constexpr std::string_view kSaved = "保存しました: ";

// Panels.
inline constexpr std::string_view kChartName = "返済予定表のグラフ";
inline constexpr std::string_view kTableName = "返済予定表の表";
inline constexpr std::string_view kTotalsHeading = "総返済額の比較";
inline constexpr std::string_view kChecksHeading = "検算";
inline constexpr std::string_view kUnitNote = "金額の単位：円";
inline constexpr std::string_view kCheckPassed = "✓ ";
inline constexpr std::string_view kCheckFailed = "✗ ";
inline constexpr std::string_view kAllChecksPassed = "検算はすべて一致しました";
inline constexpr std::string_view kCombinedChecksPassed = "：検算はすべて一致";
inline constexpr std::string_view kCombinedChecksFailed = "：検算に不一致があります（プログラムの誤りです）";
inline constexpr std::string_view kFailedRow = "（第%1回）";
inline constexpr std::string_view kComparedRow = " 第%1回";
inline constexpr std::string_view kNotComparable = "－";
inline constexpr std::string_view kYen = "円";

// Chart legend and axes.
inline constexpr std::string_view kLegendInterest = "支払利息";
inline constexpr std::string_view kLegendPrincipal = "元金";
inline constexpr std::string_view kLegendBalance = "残高（右目盛）";
inline constexpr std::string_view kAxisYearly = "年間返済額（万円）";
inline constexpr std::string_view kAxisBalance = "残高（万円）";
inline constexpr std::string_view kAxisYears = "年目";


// The source of the window changed under it.
inline constexpr std::string_view kSlotCleared =
    "%1は集計結果表示でクリアされました。表示しているのはクリアする前の返済予定表です。";
inline constexpr std::string_view kSummaryClosed =
    "集計結果表示が閉じられました。表示しているのは閉じる前の%1の返済予定表です。";
inline constexpr std::string_view kCombinedEmpty = "集計結果表示に結果がありません。";
inline constexpr std::string_view kCombinedSkipped = "%1は返済予定表を作成できないため合算から除きました。";

// Header of the loan shown: "公庫基本型　借入額 3,000万円（内ﾎﾞｰﾅｽ 600万円）　金利 2%／3%　35年".
inline constexpr std::string_view kLoanAmount = "借入額 ";
inline constexpr std::string_view kBonusPartOpen = "（内ﾎﾞｰﾅｽ ";
inline constexpr std::string_view kBonusPartClose = "）";
inline constexpr std::string_view kManYen = "万円";
inline constexpr std::string_view kRate = "金利 ";
inline constexpr std::string_view kRateSeparator = "／";
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kYears = "年";
inline constexpr std::string_view kGap = "　";

// A schedule built elsewhere: after prepayments, or along a rate path. Its window's
// title names it, so that it is told apart from the calculator window's.
inline constexpr std::string_view kDerivedTitle = "返済予定表 - %1";
inline constexpr std::string_view kTotalsHeadingDerived = "総返済額";
inline constexpr std::string_view kTotalInterest = "利息の合計";
inline constexpr std::string_view kTotalPrepaid = "繰上げ返済額の合計";
// "繰上げ返済 100万円（120回目の後）、50万円（内ﾎﾞｰﾅｽ 10万円）（240回目の後）・期間短縮型".
inline constexpr std::string_view kPrepaidHeading = "繰上げ返済 ";
inline constexpr std::string_view kPrepaidAfter = "（%1回目の後）";
inline constexpr std::string_view kListSeparator = "、";
inline constexpr std::string_view kModeSeparator = "・";
// "金利シナリオ1　銀行型・他　借入額 1,000万円　30年　金利 2.375%（1回目～）→5.375%（13回目～）
// 5年ルール・125%ルール、未払利息は最終回にまとめて支払う".
inline constexpr std::string_view kScenarioCaption = "金利シナリオ%1";
inline constexpr std::string_view kScenarioUnpaid = "、未払利息は";
inline constexpr std::string_view kScenarioStep = "%1%（%2回目～）";
inline constexpr std::string_view kScenarioStepArrow = "→";
inline constexpr std::string_view kScenarioMoreSteps = "→…（全%1段階）";
inline constexpr std::string_view kNotePrepaidIncluded = "繰上げ返済の額は、その回の返済額と元金に含まれます。";
inline constexpr std::string_view kNotePrepaidEnd = "繰上げ返済により、返済期間より早く完済します。";
inline constexpr std::string_view kNoteScenarioEnd =
    "返済額が残高と利息を上回る回で完済します。最終回で残高を精算します。";
inline constexpr std::string_view kNoteUnpaidCarried =
    "返済額が利息に満たない回は、不足分を未払利息として持ち越し、最終回にまとめて支払います。";
inline constexpr std::string_view kNoteWarning = "注意：";

} // namespace hn
