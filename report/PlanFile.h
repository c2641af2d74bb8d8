// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plan kept as a file: UTF-8 JSON, "format": 1, the purchase, the borrowers,
// how the loans are owed and the loans with their products (amounts in whole
// yen, rates in percent as decimal texts or numbers, read as typed). Reading
// never trusts the file: anything malformed answers a message naming the member
// at fault (docs/schema/hensai-plan.schema.json describes the format).
#include "report/PlanReport.h"

#include <string>
#include <string_view>

namespace hn {

inline constexpr int kPlanFileFormat = 1;
// A plan file is a few kilobytes; anything far larger is not one.
inline constexpr std::size_t kMaxPlanFileBytes = std::size_t{1} << 20;

struct PlanFileRead {
    bool ok = false;
    std::string message; // when !ok: the member at fault and what is wrong, in Japanese
    PlanReportInput plan;
};

PlanFileRead ReadPlanText(std::string_view utf8);
// The file's text read as above; a file that cannot be read says so.
PlanFileRead ReadPlanFile(const std::string& path);

// The plan as a file's text, which ReadPlanText reads back as the same plan.
std::string WritePlanText(const PlanReportInput& plan);

} // namespace hn
