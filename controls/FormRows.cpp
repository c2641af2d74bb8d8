// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FormRows.h"

#include "controls/Utf8Text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace hn {

void SizeForDigits(QLineEdit* edit, int digits)
{
    const int width = edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) +
                      edit->fontMetrics().averageCharWidth() * 2 + 8;
    edit->setMinimumWidth(width);
    edit->setMaximumWidth(width);
}

void AddCaptionedRow(QFormLayout* form, QWidget* field, std::string_view caption)
{
    field->setAccessibleName(FromUtf8(caption));
    field->setObjectName(FromUtf8(caption));
    auto* label = new QLabel(FromUtf8(caption), form->parentWidget());
    label->setBuddy(field);
    form->addRow(label, field);
}

} // namespace hn
