#include "app/data_folder.h"
#include "app/demo_season.h"
#include "app/file_handoff.h"
#include "app/single_instance.h"
#include "app/start_arguments.h"
#include "store/data_store.h"
#include "views/fm_main.h"
#include "widgets/child_window.h"
#include "widgets/fonts.h"
#include "widgets/japanese_ui.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <variant>

namespace {

const QString application_id = QStringLiteral(u"org.kickledger.Kickledger");

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

// The given file, or the demo season's copy in the data folder (with a message when there is none).
QString file_to_open(const kl::StartArguments& arguments) {
    if (!arguments.demo) {
        return arguments.file;
    }
    const kl::PlacedDemo demo = kl::place_demo_season(
        kl::find_demo_season(QCoreApplication::applicationDirPath()), arguments.data_folder);
    if (!demo.failure.isEmpty()) {
        kl::show_message({QStringLiteral(u"エラー"), demo.failure});
    }
    return demo.file;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read before the window system is needed: --help and --version work
    // without a display.
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words.append(QString::fromLocal8Bit(argv[i]));
    }
    const std::variant<kl::StartArguments, kl::CommandLineAnswer> read = kl::read_start_arguments(
        words, QDir::currentPath(), kl::default_data_folder(), QStringLiteral(KL_VERSION));
    if (const auto* answer = std::get_if<kl::CommandLineAnswer>(&read)) {
        std::fputs(answer->text.toLocal8Bit().constData(), answer->is_error() ? stderr : stdout);
        return answer->exit_code;
    }
    const kl::StartArguments& arguments = std::get<kl::StartArguments>(read);

    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(KL_VERSION));
    QGuiApplication::setDesktopFileName(application_id);
    QApplication::setWindowIcon(program_icon());
    kl::use_japanese_ui();
    kl::keep_windows_on_screen();
    kl::use_program_font();
    const QString file = file_to_open(arguments);

    kl::SingleInstance instance;
    if (!instance.acquire()) {
        return hand_over(file);
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
    QObject::connect(&handoff, &kl::FileHandoffServer::file_handed, &window,
                     [&window](const QString& handed) {
                         window.bring_to_front();
                         if (!handed.isEmpty()) {
                             window.open_given_file(handed);
                         }
                     });
    window.start(file);
    return QApplication::exec();
}
