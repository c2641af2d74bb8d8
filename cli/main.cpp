// hensai-calc: the loan calculation of Hensai Navi on the command line.
#include "calc/CalculateCommand.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kExitCheckFailed = 2;
constexpr int kExitUsage = 2;

void Write(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const hn::CliParse parse = hn::ParseCliOptions(args);
    if (!parse.ok) {
        Write(stderr, "hensai-calc: " + parse.error + "\nTry 'hensai-calc --help'.\n");
        return kExitUsage;
    }
    const hn::CliOptions& o = parse.options;
    if (o.help) {
        std::fputs(hn::CliHelpText(), stdout);
        return 0;
    }

    hn::CalcRequest request;
    request.method = o.method;
    request.loanMan = o.loanMan;
    request.bonusMan = o.bonusMan;
    request.rate1Percent = o.rate1Percent;
    request.rate2Percent = o.rate2Percent;
    request.periodText = o.periodText;
    request.incomeMan = o.incomeMan;

    const hn::CalcOutcome outcome = hn::RunCalculateCommand(request);
    if (!outcome.ok) {
        Write(stderr, std::string(outcome.failure.message) + "\n");
        return kExitCheckFailed;
    }
    Write(stdout, o.json ? hn::FormatResultJson(outcome.success, o.periodText)
                         : hn::FormatResultLines(outcome.success));
    return std::fflush(stdout) == 0 ? 0 : 1;
}
