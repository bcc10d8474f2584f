#include "given_file.h"

#include "store/cp932_codec.h"
#include "store/data_store.h"
#include "store/file_location.h"

#include <QFileInfo>

namespace kl {
namespace {

const QString load_error_title = QStringLiteral(u"読み込みエラー");

// setting.ini holds the name in cp932 on one line.
std::optional<QString> unstorable_character(const QString& name) {
    if (name.contains(u'\r') || name.contains(u'\n')) {
        return QStringLiteral(u"改行");
    }
    return md::first_unencodable_character(name);
}

}  // namespace

std::variant<StagedFile, md::UserMessage> stage_given_file(const md::DataStore& store, const QString& path) {
    if (QFileInfo(path).suffix().compare(QStringLiteral(u"kld"), Qt::CaseInsensitive) != 0) {
        return md::UserMessage{load_error_title, QStringLiteral(u"「") + path +
                                                     QStringLiteral(u"」　はチームデータファイル（.kld）"
                                                                    u"ではありません。")};
    }
    const QString file = md::team_file_name(path);
    if (const std::optional<QString> character = unstorable_character(file)) {
        return md::UserMessage{
            load_error_title, QStringLiteral(u"「") + path + QStringLiteral(u"」　を開けません。（「") +
                                  *character + QStringLiteral(u"」　は設定ファイルに保存できない文字です）")};
    }
    StagedFile staged = stage_team_file(store, file);
    if (!staged.loaded.ok()) {
        // Named as it was given, not by its name in the data folder.
        staged.loaded.file = path;
        return md::UserMessage{load_error_title, staged.loaded.refusal_text()};
    }
    return staged;
}

}  // namespace kl
