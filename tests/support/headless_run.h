#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kl::test {

// What a program run without any display left behind.
struct HeadlessRun {
    int exit_code = -1;
    QByteArray out;
    QString err;
};

// Runs program as a script on a machine without a display would: DISPLAY, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM unset. A run that does not end within timeout_ms fails the test.
HeadlessRun run_headless(const QString& program, const QStringList& arguments, int timeout_ms);

}  // namespace kl::test
