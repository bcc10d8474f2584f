#include "start_arguments.h"

#include <QCommandLineParser>
#include <QDir>

namespace kl {
namespace {

// The help is the program's own, in Japanese: Qt's texts for it need an application object, which
// needs a display.
QString help_text() {
    return QStringLiteral(
        u"使い方: kickledger [オプション] [FILE.kld]\n"
        u"Kickledger: サッカーチームの試合記録\n"
        u"\n"
        u"オプション:\n"
        u"  --data-folder FOLDER  データフォルダ（既定は ~/Kickledger）\n"
        u"  --demo                デモのシーズンをデータフォルダにコピーして開きます\n"
        u"                        （demo.kld、同じ名前のファイルがあればそれを開きます）\n"
        u"  -h, --help            この説明を表示して終了します\n"
        u"  -v, --version         バージョンを表示して終了します\n"
        u"\n"
        u"引数:\n"
        u"  FILE.kld              開くチームデータファイル\n");
}

CommandLineAnswer usage_error(const QString& reason) {
    return {QStringLiteral(u"kickledger: ") + reason +
                QStringLiteral(u"\n使い方は kickledger --help で表示されます。\n"),
            usage_exit_code};
}

}  // namespace

std::variant<StartArguments, CommandLineAnswer> read_start_arguments(const QStringList& arguments,
                                                                     const QString& working_folder,
                                                                     const QString& default_data_folder,
                                                                     const QString& version) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral(u"h"), QStringLiteral(u"help")});
    const QCommandLineOption version_option(QStringList{QStringLiteral(u"v"), QStringLiteral(u"version")});
    const QCommandLineOption data_folder(QStringLiteral(u"data-folder"), QString(),
                                         QStringLiteral(u"FOLDER"));
    const QCommandLineOption demo(QStringLiteral(u"demo"));
    parser.addOptions({help, version_option, data_folder, demo});
    if (!parser.parse(QStringList{QStringLiteral(u"kickledger")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes = unknown.front().size() == 1 ? QStringLiteral(u"-") : QStringLiteral(u"--");
            return usage_error(QStringLiteral(u"「") + dashes + unknown.front() +
                               QStringLiteral(u"」　というオプションはありません。"));
        }
        return usage_error(QStringLiteral(u"「--data-folder」　のあとにフォルダを指定して下さい。"));
    }
    if (parser.isSet(help)) {
        return CommandLineAnswer{help_text(), 0};
    }
    if (parser.isSet(version_option)) {
        return CommandLineAnswer{QStringLiteral(u"Kickledger ") + version + u'\n', 0};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return usage_error(QStringLiteral(u"一度に開けるファイルは一つだけです。"));
    }
    if (!files.isEmpty() && parser.isSet(demo)) {
        return usage_error(QStringLiteral(u"「--demo」　とファイルは一緒に指定できません。"));
    }
    const QDir here(working_folder);
    return StartArguments{QDir::cleanPath(here.absoluteFilePath(
                              parser.isSet(data_folder) ? parser.value(data_folder) : default_data_folder)),
                          files.isEmpty() ? QString() : QDir::cleanPath(here.absoluteFilePath(files.front())),
                          parser.isSet(demo)};
}

}  // namespace kl
