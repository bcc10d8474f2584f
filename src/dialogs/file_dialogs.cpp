#include "file_dialogs.h"

#include "store/cp932_codec.h"
#include "store/game_record.h"
#include "store/name_check.h"
#include "store/startup_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <tuple>
#include <utility>

namespace kl {
namespace {

const QString team_file_extension = QStringLiteral(u".kld");
constexpr int max_file_name_bytes = 255;  // what file systems take for one name

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
    // A line break in a file name would break setting.ini, which names the file on one line.
    if (base.trimmed().isEmpty() || base.contains(u'/') || md::has_control_character(base) ||
        QFile::encodeName(base + team_file_extension).size() > max_file_name_bytes) {
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
    return base_name(team_name, file_named_by_team, file_text) + team_file_extension;
}

md::UserMessage overwrite_question(const QString& file_name) {
    return {QStringLiteral(u"上書きの確認"),
            QStringLiteral(u"「") + file_name + QStringLiteral(u"」　は既に存在します。上書きしますか？")};
}

std::optional<md::UserMessage> write_new_team_file(const QString& team_name, const QString& file_name) {
    md::DataStore fresh;
    fresh.team_name = team_name;
    fresh.data_file_path = file_name;
    if (const md::SaveResult saved = fresh.save_team_data(); !saved.ok) {
        return saved.message();
    }
    return std::nullopt;
}

md::SaveResult switch_to_new_file(md::DataStore& store, const QString& team_name, const QString& file_name,
                                  bool first_start) {
    const QString open_before = store.data_file_path;
    const md::StartMode mode = store.start_mode;
    store.clear_data_store();
    store.data_file_path = open_before;
    store.start_mode = mode;
    if (!first_start && store.start_mode == md::StartMode::fixed_file) {
        // The file open before stays the one to start with; with none open, as after a start that
        // found no file, the new file becomes it, as 開く makes a file chosen then.
        store.start_file_path = store.data_file_path.isEmpty() ? file_name : store.data_file_path;
    }
    // Read back as written, so that the next save knows the file as the program left it.
    if (!store.load_team_file(file_name).ok()) {
        store.data_file_path = file_name;
        store.team_name = team_name;
    }
    return store.save_settings(store.data_file_path);
}

QStringList team_files() {
    return QDir::current().entryList({QStringLiteral(u"*.kld")}, QDir::Files, QDir::Name);
}

std::optional<md::UserMessage> check_start_file(const QString& file) {
    if (md::encode_cp932(file)) {
        return std::nullopt;
    }
    return md::UserMessage{
        QStringLiteral(u"保存エラー"),
        QStringLiteral(u"「") + file + QStringLiteral(u"」　は起動ファイルに設定できません。")};
}

StagedFile stage_team_file(const md::DataStore& store, const QString& file) {
    StagedFile staged{store, {}, false};
    // In mode 1, and whenever no file was open, the chosen file becomes the start file.
    staged.becomes_start_file =
        store.data_file_path.isEmpty() || store.start_mode == md::StartMode::last_file;
    staged.store.clear_data_store();
    staged.store.start_mode = store.start_mode;
    // The file is loaded by its own name: setting.ini is written only once the file is open, so a
    // settings file that cannot be written never decides which team is loaded.
    staged.loaded = staged.store.load_team_file(file);
    return staged;
}

OpenedFile commit_team_file(md::DataStore& store, StagedFile staged) {
    store = std::move(staged.store);
    OpenedFile opened{std::move(staged.loaded), {}};
    if (!opened.loaded.ok()) {
        return opened;
    }
    const QString& file = opened.loaded.file;
    md::SaveResult saved;
    if (staged.becomes_start_file) {
        if (std::optional<md::UserMessage> refusal = check_start_file(file)) {
            opened.notices.push_back(*refusal);
        } else {
            store.start_file_path = file;
        }
        saved = store.save_settings(file);
    } else {
        saved = store.save_settings(store.start_file_path);
    }
    if (!saved.ok) {
        opened.notices.push_back(saved.message());
    }
    return opened;
}

OpenedFile open_team_file(md::DataStore& store, const QString& file) {
    return commit_team_file(store, stage_team_file(store, file));
}

std::optional<md::UserMessage> apply_environment_settings(md::DataStore& store,
                                                          const EnvironmentSettings& chosen) {
    if (chosen.fixed_start_file) {
        if (std::optional<md::UserMessage> refusal = check_start_file(chosen.start_file)) {
            return refusal;
        }
    }
    const auto settings = [&store] {
        return std::tie(store.start_mode, store.start_file_path, store.keyboard_entry, store.add_typed_names,
                        store.small_sided_games, store.live_elapsed_minutes, store.live_target_share,
                        store.shared_names);
    };
    const std::tuple<md::StartMode, QString, bool, bool, bool, bool, int, md::SharedNames> before =
        settings();
    store.start_mode = chosen.fixed_start_file ? md::StartMode::fixed_file : md::StartMode::last_file;
    if (chosen.fixed_start_file) {
        store.start_file_path = chosen.start_file;
    }
    store.keyboard_entry = chosen.keyboard_entry;
    store.add_typed_names = chosen.keyboard_entry && chosen.add_typed_names;
    store.small_sided_games = chosen.small_sided_games;
    store.live_elapsed_minutes = chosen.live_elapsed_minutes;
    store.live_target_share = std::clamp(chosen.live_target_share, 0, md::max_target_share);
    store.shared_names = chosen.shared_names;
    // Until the program ends, setting.ini names the open file.
    if (const md::SaveResult saved = store.save_settings(store.data_file_path); !saved.ok) {
        settings() = before;
        return saved.message();
    }
    return std::nullopt;
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

md::SaveResult delete_game(md::DataStore& store, int position, md::OnDiskChange on_change) {
    const QString removed = store.game_lines.takeAt(position);
    const md::SaveResult saved = store.save_team_data(on_change);
    if (!saved.ok) {
        store.game_lines.insert(position, removed);
    }
    return saved;
}

}  // namespace kl
