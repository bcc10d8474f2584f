#include "share_commands.h"

#include "print/season_site_files.h"
#include "print/share_pictures.h"
#include "reports/share_contents.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>

namespace kl {
namespace {

const QString select_error_title = QStringLiteral(u"選択エラー");
const QString png_filter = QStringLiteral(u"PNG 画像 (*.png)");

bool has_game(const std::optional<md::GameRecord>& game) {
    if (!game) {
        show_message({select_error_title, QStringLiteral(u"「試合データ詳細」　で試合を選択して下さい。")});
    }
    return game.has_value();
}

QImage picture_of(const md::DataStore& store, const md::GameRecord& game) {
    return result_picture_image(result_picture(shared_game(game, shared_name_rule(store)), store.team_name));
}

// Asks where to save a picture, default_name offered in the working directory; empty when cancelled.
QString chosen_png(QWidget* owner, const QString& caption, const QString& default_name) {
    QString answer = QFileDialog::getSaveFileName(owner, caption,
                                                  QDir::current().absoluteFilePath(default_name), png_filter);
    if (!answer.isEmpty() && !answer.endsWith(QStringLiteral(u".png"), Qt::CaseInsensitive)) {
        answer += QStringLiteral(u".png");
    }
    return answer;
}

void save_png(const QImage& image, const QString& file) {
    if (const md::WriteResult written = write_png(image, file); !written.ok) {
        show_message(md::SaveResult{false, QDir::toNativeSeparators(file), written.reason}.message());
    }
}

}  // namespace

SharedNameRule shared_name_rule(const md::DataStore& store) {
    return SharedNameRule::for_team(store, store.shared_names,
                                    md::read_name_readings(md::readings_path_for(store.data_file_path)));
}

void save_result_image(QWidget* owner, const md::DataStore& store,
                       const std::optional<md::GameRecord>& game) {
    if (!has_game(game)) {
        return;
    }
    const QString file = chosen_png(owner, QStringLiteral(u"結果画像を保存"),
                                    result_picture_file_name(store.team_name, *game));
    if (!file.isEmpty()) {
        save_png(picture_of(store, *game), file);
    }
}

void copy_result_image(const md::DataStore& store, const std::optional<md::GameRecord>& game) {
    if (has_game(game)) {
        QApplication::clipboard()->setImage(picture_of(store, *game));
    }
}

void save_member_card(QWidget* owner, const md::DataStore& store, const QString& member,
                      const StatsFilter& filter, const FilterTexts& texts) {
    if (member.isEmpty()) {
        show_message({select_error_title,
                      QStringLiteral(u"「個人データ」　で　「更新」　をクリックしてから選択して下さい。")});
        return;
    }
    const SharedNameRule rule = shared_name_rule(store);
    const QString shown = rule.shown(member);
    const QString file = chosen_png(owner, QStringLiteral(u"個人カードを保存"),
                                    member_card_file_name(store.team_name, shown, {}));
    if (!file.isEmpty()) {
        save_png(member_card_image(season_card(store.team_name, shared_game_lines(store.game_lines, rule),
                                               filter, texts, shown)),
                 file);
    }
}

void export_season_site(QWidget* owner, const md::DataStore& store) {
    if (store.data_file_path.isEmpty()) {
        show_message({md::input_error_title, QStringLiteral(u"書き出すデータがありません。")});
        return;
    }
    const QString folder = QFileDialog::getExistingDirectory(
        owner, QStringLiteral(u"Webページとして書き出し"), QDir::currentPath());
    if (folder.isEmpty()) {
        return;
    }
    const md::SaveResult written = write_season_site(folder, store.team_name, store.game_lines,
                                                     shared_name_rule(store), QDate::currentDate());
    if (!written.ok) {
        show_message(written.message());
    }
}

}  // namespace kl
