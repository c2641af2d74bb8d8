// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "calc/CalculateCommand.h"
#include "calc/DecimalText.h"

#include <optional>
#include <string_view>

namespace hn {

namespace {

// Options that go with --capacity and options that do not.
std::string CheckPlanningOptions(const CliOptions& o)
{
    const PlanningCliOptions& p = o.planning;
    if (!p.capacity) {
        if (p.capacityOptionGiven)
            return "options '--limit', '--screening-rate', '--other-debts' and '--bonus-share' need '--capacity'";
        if (!p.prepayments.empty() && o.scenario.requested)
            return "option '--prepay' does not go with '--rate-path'";
        return {};
    }
    if (o.loanGiven || o.bonusGiven)
        return "option '--capacity' finds the loan: give '--bonus-share' instead of '--loan' and '--bonus'";
    if (!p.prepayments.empty() || o.scenario.requested || o.scenario.schedule || o.csv)
        return "option '--capacity' goes with neither '--prepay', '--rate-path', '--schedule' nor '--csv'";
    return {};
}

std::optional<RepaymentMethod> ReadMethod(std::string_view text)
{
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '6')
        return text[0] - '0';
    if (auto m = MethodFromCaption(text))
        return m;
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        if (MethodName(m) == text)
            return m;
    return std::nullopt;
}

// An amount or rate: the whole value must be a decimal number; an empty value
// is an empty field and reads 0.
bool ReadNumber(std::string_view text, double& value)
{
    if (text.empty()) {
        value = 0.0;
        return true;
    }
    const auto v = ParseDecimal(text);
    if (!v)
        return false;
    value = *v;
    return true;
}

// Whether every argument is --plan and its value, --json, --csv or --schedule yearly.
bool OnlyPlanOptions(const std::vector<std::string>& args)
{
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string_view a = args[k];
        if (a == "--json" || a == "--csv" || a.starts_with("--plan=") || a == "--schedule=yearly")
            continue;
        if (a == "--plan" || (a == "--schedule" && k + 1 < args.size() && args[k + 1] == "yearly")) {
            ++k;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

CliParse ParseCliOptions(const std::vector<std::string>& args)
{
    CliParse result;
    CliOptions& o = result.options;
    bool optionsEnded = false; // after "--" every word is an argument, not an option
    for (std::size_t k = 0; k < args.size(); ++k) {
        std::string_view arg = args[k];
        if (arg == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        // hensai-calc takes options only: a word that is not one is not an unknown option.
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            result.error = "unexpected argument '" + std::string(arg) + "': hensai-calc takes options only";
            return result;
        }
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--version") {
            o.version = true;
            continue;
        }
        if (arg == "--json") {
            o.json = true;
            continue;
        }
        if (arg == "--batch") {
            o.batch = true;
            continue;
        }
        if (arg == "--csv") {
            o.csv = true;
            continue;
        }
        if (IsPlanningFlag(arg)) {
            o.planning.capacity = true;
            continue;
        }
        std::string_view name = arg;
        std::string_view value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }

        if (hasValue && (name == "--help" || name == "--version" || name == "--json" || name == "--csv" || name == "--batch" ||
                         IsPlanningFlag(name))) {
            result.error = "option '" + std::string(name) + "' takes no value";
            return result;
        }

        double* number = nullptr;
        std::string* typed = nullptr; // where the value's text is kept as well
        const bool scenarioOption = IsScenarioOption(name);
        const bool planningOption = IsPlanningOption(name);
        if (name == "--loan") {
            number = &o.loanMan;
            o.loanGiven = true;
        } else if (name == "--bonus") {
            number = &o.bonusMan;
            o.bonusGiven = true;
        }
        else if (name == "--rate1") {
            number = &o.rate1Percent;
            typed = &o.rate1Text;
            o.rate1Given = true;
        } else if (name == "--rate2") {
            number = &o.rate2Percent;
            typed = &o.rate2Text;
            o.rate2Given = true;
        } else if (name == "--income")
            number = &o.incomeMan;
        else if (name != "--method" && name != "--years" && name != "--plan" && !scenarioOption && !planningOption) {
            result.error = "unknown option '" + std::string(arg) + "'";
            return result;
        }

        if (!hasValue) {
            if (k + 1 >= args.size()) {
                result.error = "option '" + std::string(name) + "' needs a value";
                return result;
            }
            value = args[++k];
        }

        if (scenarioOption) {
            if (ReadScenarioOption(name, value, o.scenario, result.error) != OptionRead::Read)
                return result;
        } else if (planningOption) {
            if (ReadPlanningOption(name, value, o.planning, result.error) != OptionRead::Read)
                return result;
        } else if (number) {
            if (!ReadNumber(value, *number)) {
                result.error = "option '" + std::string(name) + "' needs a number, not '" + std::string(value) + "'";
                return result;
            }
            if (typed)
                *typed = std::string(value);
        } else if (name == "--plan") {
            o.planFile = std::string(value);
            o.planGiven = true;
        } else if (name == "--method") {
            const auto m = ReadMethod(value);
            if (!m) {
                result.error = "option '--method' needs 1 to 6 or a method caption, not '" + std::string(value) + "'";
                return result;
            }
            o.method = *m;
        } else {
            // The period is a text, read as the window reads its period box.
            o.periodText = std::string(value);
        }
    }
    // A batch's requests come from its lines; options beside it would be ignored.
    if (o.batch && args.size() != 1) {
        result.error = "option '--batch' reads its requests from standard input: give it alone";
        return result;
    }
    result.error = CheckScenarioOptions(o.scenario, o.rate1Given, o.rate2Given);
    // A plan's file holds its loans: nothing of one loan's options goes with it.
    if (result.error.empty() && o.planGiven && !OnlyPlanOptions(args))
        result.error = "option '--plan' reads the loans from its file: give it alone or with '--json', '--schedule yearly' or '--csv'";
    if (result.error.empty())
        result.error = CheckPlanningOptions(o);
    if (result.error.empty() && o.csv && !o.scenario.schedule)
        result.error = "option '--csv' needs '--schedule'";
    if (result.error.empty() && o.csv && o.json)
        result.error = "options '--csv' and '--json' exclude each other";
    result.ok = result.error.empty();
    return result;
}

std::vector<std::string> MissingRequiredOptions(const CliOptions& options)
{
    std::vector<std::string> missing;
    if (!options.loanGiven)
        missing.emplace_back("--loan");
    // A rate path takes the place of both rates.
    if (options.scenario.requested)
        return missing;
    if (!options.rate1Given)
        missing.emplace_back("--rate1");
    // Up to ten years the first rate stands for the second; 銀行型・他 has one rate.
    const bool usesRate2 = options.method != BankOther && ReadPeriodYears(options.periodText) > 10;
    if (usesRate2 && !options.rate2Given)
        missing.emplace_back("--rate2");
    return missing;
}

const char* CliHelpText()
{
    return
        "使い方: hensai-calc [オプション]\n"
        "住宅ローンの返済額を計算します。チェックと計算は返済ナビの画面と同じです。\n"
        "\n"
        "  --method 値   返済方法: 1 公庫基本型, 2 公庫（ゆとり)型, 3 年金基本型,\n"
        "                4 年金(ｽﾃｯﾌﾟ)型, 5 元金均等型, 6 銀行型・他\n"
        "                (番号、表示名、または CorporationBasic などの名前。既定 1)\n"
        "  --loan 数値   借入額 (万円)\n"
        "  --bonus 数値  内ﾎﾞｰﾅｽ: 借入額のうちﾎﾞｰﾅｽ払いの分 (万円、既定 0)\n"
        "  --rate1 数値  金利 当初10年間 (年 %)\n"
        "  --rate2 数値  金利 11年目以降 (年 %; 銀行型・他と10年以下では不要)\n"
        "  --years 文字  返済期間 (年、1～99の整数。既定 25)\n"
        "  --income 数値 年収 (万円、既定 0)\n"
        "  --json        結果を JSON で出力\n"
        "  --schedule 値 返済予定表も出力: monthly (毎回) または yearly (年ごと)。検算の結果と\n"
        "                計算結果の借入総返済額との比較つき\n"
        "  --csv         返済予定表を CSV で出力 (--schedule と。UTF-8、BOM つき、CR LF。\n"
        "                検算の結果は標準エラーへ)\n"
        "  --bonus-months 月,月  ﾎﾞｰﾅｽ返済の月 (既定 6,12。--schedule と)\n"
        "  --rate-path 文字  金利シナリオ (変動金利): \"1:0.5,13:1.5\" = 1回目から年0.5 %、\n"
        "                13回目から1.5 %。--rate1 と --rate2 の代わり\n"
        "  --review 値   返済額の見直し: 5y125 (5年ルール・125%ルール、既定) または\n"
        "                every (金利が変わるたび)\n"
        "  --unpaid 値   未払利息: carry (最終回にまとめて、既定) または first (次回以降に先に)\n"
        "  --first-month 年-月  1回目の返済月 (例 2027-04、既定は来月): 返済予定表の年月。\n"
        "                --rate-path では金利の基準日 (4/1・10/1) も表示\n"
        "  --capacity    借入可能額を計算 (--loan の代わり)。--income と --limit と\n"
        "                --screening-rate (省略時は --rate1) と --years で\n"
        "  --limit 値    返済負担率の上限: 20, 25, 30, 35, 40 (%)、public (年収400万円未満\n"
        "                30%、以上35%)、bank (300万円まで25%、400万円まで30%、600万円まで\n"
        "                35%、超えると40%)\n"
        "  --screening-rate 数値  審査金利 (年 %。銀行では3～4%程度が一般的)\n"
        "  --other-debts 数値  他の借入の年間返済額 (万円、既定 0)\n"
        "  --bonus-share 数値  借入可能額のうちﾎﾞｰﾅｽ払いにする割合 (%、0～50、既定 0)\n"
        "  --prepay K:額:型[:ﾎﾞｰﾅｽ分]  繰上げ返済 (くり返し指定可): 第K回の返済の後に額 (万円)。\n"
        "                型は reduce (返済額軽減型)、shorten (期間短縮型)、shorten-whole\n"
        "                (期間短縮型・回数単位)。ﾎﾞｰﾅｽ分 (万円) は額のうちﾎﾞｰﾅｽ返済分へ\n"
        "  --plan ファイル  住宅購入の計画 (JSON、docs/examples/ に例) をまとめて計算:\n"
        "                借入必要額、借入ごと・借りる人ごと・計画全体の数字と注意。\n"
        "                --json、--schedule yearly (年ごとの合算、--csv で CSV) と\n"
        "                組み合わせます\n"
        "  --batch       標準入力の各行の JSON (キーはオプション名、例 {\"loan\":3000,\"rate1\":2})\n"
        "                をそれぞれ計算し、1行に1つの JSON で出力 (JSON Lines)\n"
        "  --help, -h    この説明を表示\n"
        "  --version     バージョンを表示\n"
        "  --            オプションの終わり (hensai-calc はオプションだけを取るので、\n"
        "                この後には何も置けません)\n"
        "数値は小数点に \".\" を使います (ロケールに関係なく)。空の値は 0 です。\n"
        "終了コード: 0 計算成功, 1 標準出力への書き込みの失敗,\n"
        "2 入力チェックの失敗 (標準エラーにメッセージ) または使い方の誤り,\n"
        "3 返済予定表の検算の失敗 (プログラムの誤り)。\n"
        "\n"
        "Usage: hensai-calc [options]\n"
        "Computes the repayments of a Japanese housing loan with the same input checks\n"
        "and arithmetic as the Hensai Navi window.\n"
        "\n"
        "  --method V    repayment method: 1 to 6 as listed above, its Japanese\n"
        "                caption, or CorporationBasic, CorporationYutori, PensionBasic,\n"
        "                PensionStep, EqualPrincipal, BankOther (default 1)\n"
        "  --loan N      loan amount in units of 10,000 yen (万円)\n"
        "  --bonus N     part of the loan repaid by bonus instalments, 万円 (default 0)\n"
        "  --rate1 N     interest rate for years 1 to 10, percent per year\n"
        "  --rate2 N     interest rate from year 11 on, percent per year (not needed\n"
        "                for BankOther or for periods of 10 years or less)\n"
        "  --years T     repayment period in whole years, 1 to 99 (default 25); read as\n"
        "                the window reads its period box, so \"7a\" is 7 years\n"
        "  --income N    annual income, 万円 (default 0)\n"
        "  --json        print the result as one JSON object\n"
        "  --schedule V  also print the repayment schedule: monthly (every instalment)\n"
        "                or yearly (one row a year), with its self-checks and its total\n"
        "                beside the window's band-based total\n"
        "  --csv         print the schedule as CSV instead (with --schedule; UTF-8 with\n"
        "                a byte-order mark, CR LF; the self-checks go to standard error)\n"
        "  --bonus-months M,M  calendar months of the bonus instalments (default 6,12;\n"
        "                with --schedule)\n"
        "  --rate-path P rate scenario of a variable-rate loan: \"1:0.5,13:1.5\" is 0.5 %\n"
        "                a year from instalment 1 and 1.5 % from instalment 13; takes\n"
        "                the place of --rate1 and --rate2\n"
        "  --review V    instalment review: 5y125 (every five years, rising at most\n"
        "                25 %; the default) or every (at every change of the rate)\n"
        "  --unpaid V    unpaid interest: carry (paid with the last instalment; the\n"
        "                default) or first (later instalments pay it first)\n"
        "  --first-month YYYY-MM  month of instalment 1 (default: next month): labels\n"
        "                the schedule's rows with calendar months, and with --rate-path\n"
        "                the 1 April / 1 October rate-setting dates\n"
        "  --capacity    compute the borrowing capacity instead of a loan's figures,\n"
        "                from --income, --limit, --screening-rate (default: --rate1)\n"
        "                and --years; --method, --rate1, --rate2 and --bonus-share\n"
        "                shape the figures shown for the loan found\n"
        "  --limit V     burden-ratio limit: 20, 25, 30, 35 or 40 (percent), public\n"
        "                (30 % below 400 万円 of income, 35 % from 400) or bank (25 % up\n"
        "                to 300 万円, 30 % up to 400, 35 % up to 600, 40 % above)\n"
        "  --screening-rate N  the lender's screening rate, percent a year (banks'\n"
        "                are typically 3 to 4 %)\n"
        "  --other-debts N  other debts' annual repayment, 万円 (default 0)\n"
        "  --bonus-share N  percent of the capacity repaid by bonus instalments,\n"
        "                0 to 50 (default 0)\n"
        "  --prepay K:AMOUNT:MODE[:BONUS]  early repayment after monthly instalment K\n"
        "                (after year y: K = 12y), AMOUNT 万円; MODE reduce (same end,\n"
        "                smaller instalments), shorten (same instalments, earlier end)\n"
        "                or shorten-whole (whole instalments drop out); BONUS 万円 of\n"
        "                the amount go to the bonus part. Repeatable\n"
        "  --plan FILE   a home purchase planned as one whole, read from a JSON plan\n"
        "                file (examples in docs/examples/): the amount to borrow, each\n"
        "                loan's, each borrower's and the whole plan's figures and\n"
        "                warnings; goes with --json, and with --schedule yearly (the\n"
        "                loans together a year a line; as CSV with --csv)\n"
        "  --batch       read one request a line from standard input as a JSON object\n"
        "                whose keys are the options' names ({\"loan\":3000,\"rate1\":2});\n"
        "                write one JSON result a line, in order (JSON Lines)\n"
        "  --help, -h    show this help\n"
        "  --version     show the version\n"
        "  --            end of the options (hensai-calc takes options only, so\n"
        "                nothing may follow it)\n"
        "Numbers use \".\" as the decimal point whatever the locale; an empty value is 0.\n"
        "Exit status: 0 computed, 1 the output could not be written, 2 an input\n"
        "check failed (its message goes to standard error) or the options were wrong,\n"
        "3 a self-check of the schedule failed (a fault of the program).\n"
        "The JSON keys and units are described in hensai-calc(1).\n";
}

} // namespace hn
