#include "support/headless_run.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QProcessEnvironment>

namespace kl::test {

HeadlessRun run_headless(const QString& program, const QStringList& arguments, int timeout_ms) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(timeout_ms)) << program.toStdString();
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace kl::test
