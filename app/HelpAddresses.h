// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the help menu's ﾎｰﾑﾍﾟｰｼﾞへ and ﾒｰﾙを送る lead. The addresses are set
// when the program is built; either may be empty.
#include <QString>
#include <QUrl>

namespace hn {

// The configured web address; without one, the installed README at
// `readmePath` when that file exists; else an empty URL (the command does
// nothing).
QUrl HomePageUrl(const QString& configuredAddress, const QString& readmePath);

// A mailto: URL of the configured address (given with or without "mailto:"),
// or an empty URL when none is configured.
QUrl SupportMailUrl(const QString& configuredAddress);

// The README installed beside this executable (share/doc/hensai-navi/README.md
// from its bin folder), whether or not it exists.
QString InstalledReadmePath();

} // namespace hn
