// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point for widget tests: one QApplication for the whole run, and no real
// outside program started by any of them.
#include "tests/support/LaunchRecorder.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// The offscreen platform says this for every fixed-size window it shows; it is noise.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenNotes);
    QApplication app(argc, argv);
    const hn::test::LaunchRecorder noOutsidePrograms;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
