// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Batch.h"

#include "cli/CliOptions.h"
#include "cli/JsonOutput.h"
#include "cli/ProgramOutput.h"
#include "cli/Request.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace hn {

namespace {

using Json = nlohmann::json;

// Keys that are no request: the results are JSON, one a line.
bool NotARequestKey(std::string_view key)
{
    return key == "batch" || key == "csv" || key == "help" || key == "version";
}

// Reads a request line as it is parsed, without building a document: each member
// becomes an option, a number keeps the text it was written in ("2.0", "1e-4"), as
// the option would have had it.
class RequestReader : public nlohmann::json_sax<Json> {
public:
    explicit RequestReader(BatchRequest& request) : m_request(request) {}

    bool null() override { return Skip(); }
    bool boolean(bool v) override
    {
        if (m_depth == 1 && !m_inList) {
            if (v)
                m_request.args.push_back("--" + m_key); // a flag: the parser says if the option needs a value
            return true;
        }
        return Refuse(v ? "true" : "false");
    }
    bool number_integer(number_integer_t v) override { return Value(std::to_string(v)); }
    bool number_unsigned(number_unsigned_t v) override { return Value(std::to_string(v)); }
    bool number_float(number_float_t, const string_t& text) override { return Value(text); }
    bool string(string_t& v) override { return Value(v); }
    bool binary(binary_t&) override { return Refuse("binary"); }
    bool start_object(std::size_t) override
    {
        if (m_depth != 0)
            return Refuse("an object");
        m_depth = 1;
        return true;
    }
    bool key(string_t& k) override
    {
        if (NotARequestKey(k))
            return Fail("key '" + k + "' has no place in a batch request");
        m_key = k;
        return true;
    }
    bool end_object() override
    {
        m_depth = 0;
        m_done = true;
        return true;
    }
    // A repeatable option (--prepay) takes a list; each item is given once.
    bool start_array(std::size_t) override
    {
        if (m_depth != 1 || m_inList)
            return m_depth == 0 ? Fail(kNotAnObject) : Refuse("a list in a list");
        m_inList = true;
        return true;
    }
    bool end_array() override
    {
        m_inList = false;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override
    {
        return Fail(kNotAnObject);
    }

    bool Complete() const { return m_done && m_request.error.empty(); }

    static constexpr std::string_view kNotAnObject =
        "not a JSON object: each line is one request, as {\"loan\": 3000, \"rate1\": 2}";

private:
    bool Value(const std::string& text)
    {
        if (m_depth != 1)
            return Fail(kNotAnObject);
        m_request.args.push_back("--" + m_key + "=" + text);
        return true;
    }
    bool Skip() { return m_depth == 1 ? true : Fail(kNotAnObject); } // null: not given
    bool Refuse(std::string_view what)
    {
        if (m_depth != 1)
            return Fail(kNotAnObject);
        return Fail("key '" + m_key + "' needs a number or a text, not " + std::string(what));
    }
    bool Fail(std::string_view error)
    {
        if (m_request.error.empty())
            m_request.error = std::string(error);
        return false;
    }

    BatchRequest& m_request;
    std::string m_key;
    int m_depth = 0;
    bool m_inList = false;
    bool m_done = false;
};

void SplitMessage(std::string_view err, std::string& message, std::vector<std::string>& details)
{
    bool first = true;
    while (!err.empty()) {
        const std::size_t end = err.find('\n');
        const std::string_view line = err.substr(0, end);
        err = end == std::string_view::npos ? std::string_view() : err.substr(end + 1);
        if (line.empty())
            continue;
        if (first)
            message = std::string(line);
        else
            details.emplace_back(line);
        first = false;
    }
}

} // namespace

BatchRequest ReadBatchRequest(std::string_view line)
{
    BatchRequest r;
    if (line.find_first_not_of(" \t") == std::string_view::npos) {
        r.error = "an empty line: each line is one request, a JSON object";
        return r;
    }
    RequestReader reader(r);
    Json::sax_parse(line.begin(), line.end(), &reader);
    if (!reader.Complete() && r.error.empty())
        r.error = std::string(RequestReader::kNotAnObject);
    if (!r.error.empty())
        r.args.clear();
    return r;
}

std::string AnswerBatchLine(std::string_view line, long lineNumber, int& status)
{
    const BatchRequest request = ReadBatchRequest(line);
    Answer answer;
    if (!request.error.empty()) {
        answer = {kExitUsage, {}, request.error};
    } else {
        CliParse parse = ParseCliOptions(request.args);
        if (!parse.ok) {
            answer = {kExitUsage, {}, parse.error};
        } else {
            parse.options.json = true;
            answer = AnswerRequest(parse.options, false);
        }
    }
    status = answer.status;
    if (answer.status == 0)
        return std::move(answer.out);
    std::string message;
    std::vector<std::string> details;
    SplitMessage(answer.err, message, details);
    JsonDocument error("error");
    error.AddError(lineNumber, answer.status, message, details);
    return error.Text();
}

int RunBatch()
{
    int worst = 0;
    long lineNumber = 0;
    std::string buffer;
    std::size_t start = 0; // the unread part of buffer begins here
    char chunk[1 << 16];
    for (bool atEnd = false; !atEnd;) {
        std::size_t end = buffer.find('\n', start);
        if (end == std::string::npos) {
            // Before waiting for more input, what is answered goes out: a program
            // that writes a line and waits for its answer is not kept waiting.
            std::fflush(stdout);
            buffer.erase(0, start);
            start = 0;
            const ssize_t n = read(STDIN_FILENO, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n > 0) {
                buffer.append(chunk, static_cast<std::size_t>(n));
                continue;
            }
            atEnd = true; // end of input (or an error reading it): the last line may lack its newline
            if (buffer.empty())
                break;
            end = buffer.size();
        }
        std::string_view line(buffer.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        int status = 0;
        WriteOut(AnswerBatchLine(line, ++lineNumber, status));
        // A self-check failure outweighs a refused request.
        worst = std::max(worst, status == kExitSelfCheckFailed ? 3 : status != 0 ? 2 : 0);
        start = end + 1;
    }
    return worst;
}

} // namespace hn
