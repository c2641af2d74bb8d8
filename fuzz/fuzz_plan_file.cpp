// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the plan file reader and computes every plan it accepts,
// checking what must hold whatever the file: no undefined behaviour (the
// sanitizers), a refusal always with a message, a plan written back and read again
// is the same text, and a plan computed either answers figures or says why not.
#include "report/PlanFile.h"
#include "report/PlanReport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_plan_file: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const hn::PlanFileRead read = hn::ReadPlanText(text);
    if (!read.ok) {
        Require(!read.message.empty(), "a refused file without a message");
        return 0;
    }
    const std::string written = hn::WritePlanText(read.plan);
    const hn::PlanFileRead again = hn::ReadPlanText(written);
    Require(again.ok, "a plan written back is not read again");
    Require(hn::WritePlanText(again.plan) == written, "a plan read back is written otherwise");
    const hn::PlanReport report = hn::MakePlanReport(read.plan);
    Require(report.ok || !report.message.empty(), "a refused plan without a message");
    return 0;
}
