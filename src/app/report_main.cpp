#include "app/report.h"

#include <QCoreApplication>
#include <cstdio>

// kickledger-report: the views of Kickledger as text, for scripts and spreadsheets.
int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const kl::ReportOutcome outcome = kl::run_report(QCoreApplication::arguments().mid(1));
    const QByteArray out = outcome.out.toUtf8();
    const QByteArray err = outcome.err.toUtf8();
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    std::fwrite(err.constData(), 1, static_cast<size_t>(err.size()), stderr);
    return outcome.exit_code;
}
