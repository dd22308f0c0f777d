// Entry point of every GUI test program: a QApplication on the offscreen
// platform (unless one is chosen) in a Spanish locale, so that numbers read and
// write with the decimal comma the receipts are made for.

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says so each time a window is raised or a popup grabs
// the keyboard; these notes are no fault of the program.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.startsWith(QLatin1String("This plugin does not support")) ||
                                 message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))))
        return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt reads the locale's name from the environment itself; the C library's
    // locale need not be installed.
    qputenv("LC_ALL", "es_AR.UTF-8");
    qputenv("LANG", "es_AR.UTF-8");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
