#include "app/report.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Painting a PDF (--pdf, or the book), a picture or a web site's charts needs fonts, and so a
// QGuiApplication; the report never shows a window, so it runs on the offscreen platform and needs no
// display. Text and CSV need QtCore alone.
std::unique_ptr<QCoreApplication> application_for(int& argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const bool paints =
            i == 1 && (std::strcmp(argv[i], "book") == 0 || std::strcmp(argv[i], "image") == 0 ||
                       std::strcmp(argv[i], "card") == 0 || std::strcmp(argv[i], "site") == 0);
        if (std::strcmp(argv[i], "--pdf") == 0 || paints) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            // Qt's notes about the platform (a missing runtime folder, say) are not the report's.
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

// kickledger-report: the views of Kickledger as text, CSV or PDF, for scripts and spreadsheets.
int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = application_for(argc, argv);
    // A reader that went away is a failed write to report, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    return kl::print_outcome(kl::run_report(QCoreApplication::arguments().mid(1)), stdout, stderr);
}
