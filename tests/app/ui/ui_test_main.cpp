// The windows are driven headless: one QApplication for every test.

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cstdio>

#include "app/ui/program_application.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The headless platform warns about window features it lacks; the tests do
// not depend on them.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    if (defaultHandler) defaultHandler(type, context, message);
    else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(QuietHandler);
    QStandardPaths::setTestModeEnabled(true);
    // The program's own application, so that events reach the windows as in the program.
    vorlane::ProgramApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VorlaneTest"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
