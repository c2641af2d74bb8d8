// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpAddresses.h"

#include "AppConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace hn {

QUrl HomePageUrl(const QString& configuredAddress, const QString& readmePath)
{
    if (!configuredAddress.isEmpty())
        return QUrl(configuredAddress, QUrl::StrictMode);
    if (!readmePath.isEmpty() && QFileInfo(readmePath).isFile())
        return QUrl::fromLocalFile(QFileInfo(readmePath).absoluteFilePath());
    return {};
}

QUrl SupportMailUrl(const QString& configuredAddress)
{
    const QString address = configuredAddress.trimmed();
    if (address.isEmpty())
        return {};
    if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return QUrl(address, QUrl::StrictMode);
    return QUrl(QStringLiteral("mailto:") + address, QUrl::StrictMode);
}

QString InstalledReadmePath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QString::fromUtf8(HENSAI_README_FROM_BINDIR));
}

} // namespace hn
