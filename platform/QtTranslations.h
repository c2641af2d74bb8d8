// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the file dialog's buttons and captions, message box buttons) in
// the user's language, as the environment's locale names it. The program's own
// texts are Japanese whatever the locale; only what Qt draws follows it.
class QCoreApplication;

namespace hn {

// Loads Qt's translation for the system locale from Qt's translations folder
// (Debian: qt6-translations-l10n) and installs it on `app`. False when the
// locale is English or C, or no translation is installed: Qt then stays English.
bool InstallQtTranslations(QCoreApplication& app);

} // namespace hn
