// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// hensai-calc --batch: many requests in one process. Each line of standard input
// is a JSON object whose keys are the options' names without "--"
// ({"method": 1, "loan": 3000, "rate1": 2.0, ...}); each gets one line of JSON on
// standard output, in order: the object --json prints, or an error object.
#include <string>
#include <string_view>
#include <vector>

namespace hn {

// The arguments a request line stands for ("--loan=3000" ...), or an error
// (one line, for the error object) when the line is no request.
struct BatchRequest {
    std::vector<std::string> args;
    std::string error;
};
BatchRequest ReadBatchRequest(std::string_view line);

// The answer to one line, ended by a newline. `status` is set to the exit status
// the request would have had on its own.
std::string AnswerBatchLine(std::string_view line, long lineNumber, int& status);

// Reads standard input to its end. The exit status: 0 when every request was
// computed, 2 when a line gave an error object, 3 when a self-check failed.
int RunBatch();

} // namespace hn
