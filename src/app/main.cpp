#include "app/data_folder.h"
#include "app/file_handoff.h"
#include "app/single_instance.h"
#include "store/data_store.h"
#include "views/fm_main.h"
#include "widgets/fonts.h"
#include "widgets/japanese_ui.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

namespace {

const QString application_id = QStringLiteral(u"org.kickledger.Kickledger");

struct StartArguments {
    QString data_folder;  // absolute
    QString file;         // absolute, or empty when no file was named
};

// kickledger [--data-folder FOLDER] [FILE.kld]. --help, --version and bad usage end the program here.
StartArguments parse_arguments(const QApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(u"Kickledger: サッカーチームの試合記録"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption data_folder(QStringLiteral(u"data-folder"),
                                         QStringLiteral(u"データフォルダ（既定は ~/Kickledger）"),
                                         QStringLiteral(u"FOLDER"));
    parser.addOption(data_folder);
    parser.addPositionalArgument(QStringLiteral(u"FILE.kld"), QStringLiteral(u"開くチームデータファイル"),
                                 QStringLiteral(u"[FILE.kld]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("kickledger: only one file can be opened at a time\n", stderr);
        parser.showHelp(1);
    }
    // Both are named relative to where the program was started, before it enters its data folder.
    return {QFileInfo(parser.isSet(data_folder) ? parser.value(data_folder) : kl::default_data_folder())
                .absoluteFilePath(),
            files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath()};
}

QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(u":/icons/%1x%1/apps/%2.png").arg(size).arg(application_id));
    }
    return icon;
}

// A second start: the running instance takes the file (or just comes to the front) and this one ends.
int hand_over(const QString& file) {
    if (kl::hand_to_running_instance(file) || file.isEmpty()) {
        return 0;
    }
    kl::show_message({QStringLiteral(u"エラー"), QStringLiteral(u"「") + QDir::toNativeSeparators(file) +
                                                     QStringLiteral(u"」　を開けません。起動中の Kickledger "
                                                                    u"が応答しません。")});
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(KL_VERSION));
    QGuiApplication::setDesktopFileName(application_id);
    QApplication::setWindowIcon(program_icon());
    kl::use_japanese_ui();
    kl::use_program_font();
    const StartArguments arguments = parse_arguments(application);

    kl::SingleInstance instance;
    if (!instance.acquire()) {
        return hand_over(arguments.file);
    }
    // Without the socket only the hand-over from second starts is lost; the program runs on.
    kl::FileHandoffServer handoff;
    handoff.listen();
    if (!kl::enter_data_folder(arguments.data_folder)) {
        kl::show_message({QStringLiteral(u"エラー"), QStringLiteral(u"データフォルダ　「") +
                                                         QDir::toNativeSeparators(arguments.data_folder) +
                                                         QStringLiteral(u"」　を作成できません。")});
        return 1;
    }
    md::DataStore store;
    kl::fm_main window(store);
    QObject::connect(&handoff, &kl::FileHandoffServer::file_handed, &window, [&window](const QString& file) {
        window.bring_to_front();
        if (!file.isEmpty()) {
            window.open_given_file(file);
        }
    });
    window.start(arguments.file);
    return QApplication::exec();
}
