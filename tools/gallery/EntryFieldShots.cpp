// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery shots of the entry fields and the about box: the numeric field with grouped
// digits (also with the comma-decimal separators), the rate field, and the about box.
#include "app/CAboutDlg.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "platform/DialogFont.h"
#include "platform/DialogTemplate.h"
#include "tools/gallery/Gallery.h"

#include <QTest>
#include <QLineEdit>

namespace hn::gallery {
namespace {

// A field of the main window's height with keys typed into it.
QImage Typed(QLineEdit& field, int widthDlu, const QString& keys)
{
    field.setFont(DialogFont());
    field.resize(DluToPixelsX(widthDlu), DluToPixelsY(12));
    field.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field.show();
    QTest::keyClicks(&field, keys);
    return field.grab().toImage();
}

QImage Amount(const QString& keys, LocaleSeparators separators, int decimals = 0)
{
    CNumEdit field(separators);
    field.SetDecimals(decimals);
    return Typed(field, 40, keys);
}

QImage Rate(const QString& keys)
{
    CRateEdit field;
    field.setMaxLength(5);
    return Typed(field, 27, keys);
}

std::vector<Shot> EntryShots()
{
    const LocaleSeparators usual{'.', ','}, german{',', '.'};
    return {
        {QStringLiteral("amount-empty"), Amount(QString(), usual)},
        {QStringLiteral("amount-1234567"), Amount(QStringLiteral("1234567"), usual)},
        {QStringLiteral("amount-negative"), Amount(QStringLiteral("500-"), usual)},
        {QStringLiteral("amount-comma-decimal-locale"), Amount(QStringLiteral("1234567"), german)},
        {QStringLiteral("amount-two-fraction-digits"), Amount(QStringLiteral("1234.5"), usual, 2)},
        {QStringLiteral("rate-2.0"), Rate(QStringLiteral("2.0"))},
        {QStringLiteral("rate-1.2.3-typed"), Rate(QStringLiteral("1.2.3"))},
    };
}

std::vector<Shot> AboutShots()
{
    CAboutDlg about;
    about.show();
    return {{QStringLiteral("about-box"), about.grab().toImage()}};
}

} // namespace

HN_GALLERY_FAMILY(entry_field, EntryShots);
HN_GALLERY_FAMILY(about_box, AboutShots);

} // namespace hn::gallery
