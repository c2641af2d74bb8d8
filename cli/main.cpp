// SPDX-License-Identifier: GPL-3.0-or-later
// hensai-calc: the loan calculation of Hensai Navi on the command line.
#include "calc/HeapReuse.h"
#include "cli/Batch.h"
#include "cli/CliOptions.h"
#include "cli/ProgramOutput.h"
#include "cli/Request.h"

#include "Version.h"

#include <string>
#include <vector>

namespace {

// Everything on standard output has to reach its destination: a full disk or a
// closed pipe is a failure, not a silent success with half a result.
int FinishOutput(int status)
{
    return hn::FinishOut() ? status : hn::kExitWriteFailed;
}

} // namespace

int main(int argc, char** argv)
{
    hn::KeepFreedMemoryForReuse();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const hn::CliParse parse = hn::ParseCliOptions(args);
    if (!parse.ok) {
        hn::WriteErr("hensai-calc: " + parse.error + "\n" + std::string(hn::kHelpHint));
        return hn::kExitUsage;
    }
    const hn::CliOptions& o = parse.options;
    if (o.help) {
        hn::WriteOut(hn::CliHelpText());
        return FinishOutput(0);
    }
    if (o.version) {
        hn::WriteOut("hensai-calc " HENSAI_VERSION "\n" HENSAI_VERSION_NOTICE);
        return FinishOutput(0);
    }
    if (o.batch)
        return FinishOutput(hn::RunBatch());
    const hn::Answer answer = hn::AnswerRequest(o, args.empty());
    hn::WriteOut(answer.out);
    const int status = FinishOutput(answer.status);
    hn::WriteErr(answer.err);
    return status;
}
