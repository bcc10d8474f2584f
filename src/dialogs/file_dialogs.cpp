#include "file_dialogs.h"

#include "store/cp932_codec.h"
#include "store/game_record.h"
#include "store/name_check.h"
#include "store/startup_settings.h"

#include <QDir>
#include <QFileInfo>

namespace kl {
namespace {

md::UserMessage input_error(const QString& text) {
    return {md::input_error_title, text};
}

QString base_name(const QString& team_name, bool file_named_by_team, const QString& file_text) {
    return file_named_by_team ? team_name : file_text;
}

}  // namespace

std::optional<md::UserMessage> check_new_file(const QString& team_name, bool file_named_by_team,
                                              const QString& file_text) {
    if (team_name.isEmpty()) {
        return input_error(QStringLiteral(u"チーム名を入力して下さい。"));
    }
    if (file_text.isEmpty() && !file_named_by_team) {
        return input_error(QStringLiteral(u"ファイル名を入力して下さい。"));
    }
    if (std::optional<md::UserMessage> refusal = md::check_name(team_name)) {
        return refusal;
    }
    const QString base = base_name(team_name, file_named_by_team, file_text);
    if (base.trimmed().isEmpty() || base.contains(u'/') || base.contains(QChar(0))) {
        return input_error(QStringLiteral(u"「ファイル名」　が正しくありません。変更して下さい。"));
    }
    // The file name is written into setting.ini, which is cp932 too.
    if (const std::optional<QString> character = md::first_unencodable_character(base)) {
        return input_error(QStringLiteral(u"「") + *character +
                           QStringLiteral(u"」　は保存できない文字です。変更して下さい。"));
    }
    return std::nullopt;
}

QString new_file_name(const QString& team_name, bool file_named_by_team, const QString& file_text) {
    return base_name(team_name, file_named_by_team, file_text) + QStringLiteral(u".kld");
}

md::UserMessage overwrite_question(const QString& file_name) {
    return {QStringLiteral(u"上書きの確認"),
            QStringLiteral(u"「") + file_name + QStringLiteral(u"」　は既に存在します。上書きしますか？")};
}

std::optional<md::UserMessage> write_new_team_file(const QString& team_name, const QString& file_name) {
    md::DataStore fresh;
    fresh.team_name = team_name;
    fresh.data_file_path = file_name;
    if (!fresh.save_team_data().ok) {
        return input_error(QStringLiteral(u"「ファイル名」　が正しくありません。変更して下さい。"));
    }
    return std::nullopt;
}

md::SaveResult switch_to_new_file(md::DataStore& store, const QString& team_name, const QString& file_name,
                                  bool first_start) {
    const QString open_before = store.data_file_path;
    const qint16 mode = store.start_mode;
    store.clear_data_store();
    store.data_file_path = open_before;
    store.start_mode = mode;
    if (!first_start && !store.data_file_path.isEmpty() && store.start_mode == 0) {
        store.start_file_path = store.data_file_path;
    }
    store.data_file_path = file_name;
    store.team_name = team_name;
    return store.save_settings();
}

QStringList team_files() {
    return QDir::current().entryList({QStringLiteral(u"*.kld")}, QDir::Files, QDir::Name);
}

md::LoadResult open_team_file(md::DataStore& store, const QString& file) {
    if (!store.data_file_path.isEmpty() && store.start_mode != 1) {
        // setting.ini names the chosen file for the load, then the fixed start file again.
        const QString fixed = store.start_file_path;
        store.data_file_path = file;
        store.save_settings();
        store.clear_data_store();
        const md::LoadResult loaded = store.load_team_data();
        store.data_file_path = fixed;
        store.start_file_path = fixed;
        store.save_settings();
        // A file that could not be read is not open: nothing may be saved into it.
        store.data_file_path = loaded.ok() ? file : QString();
        return loaded;
    }
    store.data_file_path = file;
    store.start_file_path = file;
    store.save_settings();
    store.clear_data_store();
    return store.load_team_data();
}

QStringList deletion_entries(const md::DataStore& store) {
    QStringList entries;
    for (const QString& line : store.game_lines) {
        const std::vector<QStringView> fields = md::split_record_line(line);
        auto field = [&](int position) {
            return static_cast<size_t>(position) < fields.size()
                       ? fields[static_cast<size_t>(position)].toString()
                       : QString();
        };
        entries.append(md::deletion_list_text(field(md::record::date), field(md::record::start_time),
                                              field(md::record::opponent), field(md::record::ground)));
    }
    return entries;
}

std::optional<md::UserMessage> delete_game(md::DataStore& store, int position) {
    const QString removed = store.game_lines.takeAt(position);
    const md::SaveResult saved = store.save_team_data();
    if (!saved.ok) {
        store.game_lines.insert(position, removed);
        return saved.message();
    }
    const QString open_file = store.data_file_path;
    const md::LoadResult reloaded = store.reload_team_data();
    if (!reloaded.ok()) {
        return reloaded.message();
    }
    store.data_file_path = open_file;
    return std::nullopt;
}

}  // namespace kl
