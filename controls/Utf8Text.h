// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts and figures are UTF-8 std::strings (the calculation and the
// reports know no Qt); these carry them into and out of Qt's strings.
#include <QString>

#include <string>
#include <string_view>

namespace hn {

inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

} // namespace hn
