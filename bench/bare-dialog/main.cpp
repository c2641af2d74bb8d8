// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time and memory: the smallest Qt 6 dialog, with the same
// libraries and platform plugin as the program and one line of Japanese text.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("bare dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("返済ナビ"), &dialog));
    dialog.show();
    return app.exec();
}
