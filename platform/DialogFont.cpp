// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QFontDatabase>

namespace hn {

QStringList DialogFontFamilies()
{
    return {QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
            QStringLiteral("Noto Sans CJK JP")};
}

QFont DialogFont(int pixelHeight)
{
    QFont font;
    font.setFamilies(DialogFontFamilies());
    font.setPixelSize(pixelHeight);
    return font;
}

bool HasJapaneseFont()
{
    return !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

} // namespace hn
