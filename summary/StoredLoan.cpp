// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/StoredLoan.h"

#include "calc/CalculateCommand.h"
#include "calc/DecimalText.h"

#include <string>

namespace hn {

namespace {

// An entry field's text as the field reads it: its thousands characters dropped, its
// decimal character a ".".
double FieldValue(std::string_view text, FieldSeparators separators)
{
    std::string plain;
    for (const char ch : text) {
        if (ch == separators.thousand)
            continue;
        plain += ch == separators.decimal ? '.' : ch;
    }
    return ReadDecimalPrefix(plain);
}

} // namespace

std::optional<LoanInput> StoredLoanInput(RepaymentMethod method, const HostTexts& texts, FieldSeparators separators)
{
    if (!IsValidMethod(method))
        return std::nullopt;
    CalcRequest request;
    request.method = method;
    request.loanMan = FieldValue(texts.loan, separators);
    request.bonusMan = FieldValue(texts.bonusPart, separators);
    request.rate1Percent = ReadDecimalPrefix(texts.rate1);
    request.rate2Percent = ReadDecimalPrefix(texts.rate2);
    request.periodText = texts.periodEdit;
    const CalcOutcome outcome = RunCalculateCommand(request);
    if (!outcome.ok)
        return std::nullopt;
    return outcome.success.input;
}

} // namespace hn
