#include "data_store.h"

#include "capacities.h"
#include "cp932_codec.h"
#include "game_record.h"
#include "master_lists.h"
#include "save_lock.h"
#include "startup_settings.h"
#include "team_backups.h"
#include "vocabulary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <iterator>
#include <utility>

namespace md {
namespace {

const QString team_name_header = QStringLiteral(u"[チーム名]");
const QString member_header = QStringLiteral(u"[メンバー]");
const QString ground_header = QStringLiteral(u"[グラウンド]");
const QString opponent_header = QStringLiteral(u"[対戦チーム]");
const QString recorder_header = QStringLiteral(u"[起票者]");
const QString formation_header = QStringLiteral(u"[フォーメーション]");
const QString meeting_header = QStringLiteral(u"[大会]");
const QString game_header = QStringLiteral(u"[試合データ]");

QString line_reason(int line_number, const QString& what) {
    return QStringLiteral(u"（") + QString::number(line_number) + QStringLiteral(u"行目：") + what +
           QStringLiteral(u"）");
}

// A block section: where its lines go and what each line must be.
struct Block {
    QStringList* table;
    QString form;  // what is wrong with a line that `fields` refuses
    // The line's number of fields, or 0 when it is not a line of this block.
    qsizetype (*fields)(QStringView line, std::vector<QStringView>& scratch);
};

template <int minimum>
qsizetype at_least(QStringView line, std::vector<QStringView>&) {
    const qsizetype count = line.count(u',') + 1;
    return count >= minimum ? count : 0;
}

// "（大会が166件を超えています）": what a table holds more of than the file may.
QString beyond(const QString& what, int capacity, const QString& unit) {
    return QStringLiteral(u"（") + what + QString::number(capacity) + unit +
           QStringLiteral(u"を超えています）");
}

qsizetype game_field_total(const QStringList& game_lines) {
    qsizetype total = 0;
    for (const QString& line : game_lines) {
        total += record_field_count(line);
    }
    return total;
}

// The section walk over the decoded lines of a team data file, into store. Returns an empty reason
// when every section could be taken.
QString walk_sections(const QStringList& lines, DataStore& store, bool& team_name_read) {
    const qsizetype n = lines.size();
    auto at = [&](qsizetype i) { return i < n ? lines[i] : QString(); };
    const std::pair<const QString*, QString*> one_line_sections[] = {
        {&team_name_header, &store.team_name},    {&member_header, &store.member_list},
        {&ground_header, &store.ground_list},     {&opponent_header, &store.opponent_list},
        {&recorder_header, &store.recorder_list},
    };
    const std::pair<const QString*, Block> blocks[] = {
        {&formation_header,
         {&store.formation_lines, QStringLiteral(u"フォーメーションの形式が正しくありません"),
          at_least<formation_field_count>}},
        {&meeting_header,
         {&store.meeting_lines, QStringLiteral(u"大会の形式が正しくありません"),
          at_least<meeting_field_count>}},
        {&game_header,
         {&store.game_lines, QStringLiteral(u"試合データの形式が正しくありません"),
          readable_game_line_fields}},
    };
    std::vector<QStringView> scratch;
    for (qsizetype i = 0; i < n; ++i) {
        const QString& line = lines[i];
        team_name_read = team_name_read || line == team_name_header;
        for (const auto& [header, value] : one_line_sections) {
            if (line == *header) {
                *value = at(i + 1);
            }
        }
        for (const auto& [header, block] : blocks) {
            if (line != *header) {
                continue;
            }
            // The block runs to its first empty line; the walk goes on after its last line.
            for (qsizetype j = 0; !at(i + 1).isEmpty(); ++j, ++i) {
                if (block.fields(lines[i + 1], scratch) == 0) {
                    return line_reason(static_cast<int>(i + 2), block.form);
                }
                if (j < block.table->size()) {
                    (*block.table)[j] = lines[i + 1];
                } else {
                    block.table->append(lines[i + 1]);
                }
            }
            break;
        }
    }
    return store.beyond_capacity().value_or(QString());
}

QString read_failure_reason(FileContent::Failure failure) {
    switch (failure) {
        case FileContent::Failure::not_regular:
            return QStringLiteral(u"（通常のファイルではありません）");
        case FileContent::Failure::too_large:
            return QStringLiteral(u"（ファイルが大きすぎます）");
        default:
            return QStringLiteral(u"（ファイルを開けません）");
    }
}

}  // namespace

FileContent read_team_file(const QString& path) {
    return read_regular_file(path, max_team_file_bytes);
}

bool is_section_header(QStringView line) {
    for (const QString* header : {&team_name_header, &member_header, &ground_header, &opponent_header,
                                  &recorder_header, &formation_header, &meeting_header, &game_header}) {
        if (line == *header) {
            return true;
        }
    }
    return false;
}

UserMessage LoadResult::message() const {
    const QString title = QStringLiteral(u"読み込みエラー");
    if (status == Status::no_file) {
        return {title, QStringLiteral(u"前回開いたファイルがありません。　「新規作成」　か　「開く」　でファ"
                                      u"イルを選択して下さい。")};
    }
    return {title, refusal_text()};
}

QString LoadResult::refusal_text() const {
    const QString why = status == Status::no_file ? QStringLiteral(u"（ファイルがありません）") : reason;
    return QStringLiteral(u"「") + file + QStringLiteral(u"」　を読み込めません。") + why;
}

UserMessage SaveResult::message() const {
    const QString title = QStringLiteral(u"保存エラー");
    if (busy) {
        return {title, QStringLiteral(u"「") + file +
                           QStringLiteral(u"」　は他のプログラムが保存中です。もう一度お試し下さい。")};
    }
    return {title, QStringLiteral(u"「") + file + QStringLiteral(u"」　を保存できません。") + reason};
}

UserMessage SaveResult::changed_question() const {
    return {QStringLiteral(u"変更の確認"),
            QStringLiteral(u"「") + file +
                QStringLiteral(u"」　は他のプログラムによって変更されています。上書きしますか？")};
}

void DataStore::clear_data_store() {
    team_name.clear();
    member_list.clear();
    ground_list.clear();
    opponent_list.clear();
    recorder_list.clear();
    formation_lines.clear();
    meeting_lines.clear();
    game_lines.clear();
    verbatim_lines_.clear();
    known_file_.reset();
    data_file_path.clear();
    start_mode = StartMode::fixed_file;
}

LoadResult DataStore::load_team_data(const QString& reloaded_file) {
    read_settings(reloaded_file);
    return load_team_file(data_file_path);
}

LoadResult DataStore::reload_team_data() {
    const QString open_file = data_file_path;
    clear_data_store();
    return load_team_data(open_file);
}

LoadResult DataStore::load_team_file(const QString& path) {
    LoadResult result;
    result.file = path;
    const auto fail = [&](LoadResult::Status status, const QString& reason) {
        data_file_path.clear();
        result.status = status;
        result.reason = reason;
        return result;
    };
    // Stamped before reading: a change while it is read makes the stamp differ at the next save.
    const std::optional<FileStamp> stamp = file_stamp(path);
    const FileContent content = read_team_file(path);
    if (content.failure == FileContent::Failure::missing) {
        return fail(LoadResult::Status::no_file, {});
    }
    if (!content.ok()) {
        return fail(LoadResult::Status::unreadable, read_failure_reason(content.failure));
    }
    result = load_team_bytes(content.bytes, path);
    if (result.ok()) {
        known_file_ = KnownFile{path, stamp, content.bytes};
    }
    return result;
}

LoadResult DataStore::load_team_bytes(const QByteArray& content, const QString& name) {
    LoadResult result;
    result.file = name;
    const auto fail = [&](const QString& reason) {
        data_file_path.clear();
        result.status = LoadResult::Status::unreadable;
        result.reason = reason;
        return result;
    };
    DecodedLines decoded = decode_cp932_lines(content);
    if (decoded.undecodable_line != 0) {
        return fail(line_reason(decoded.undecodable_line, QStringLiteral(u"文字コードが正しくありません")));
    }
    if (decoded.lines.size() > max_file_lines) {
        return fail(beyond(QStringLiteral(u"行数が"), max_file_lines, QStringLiteral(u"行")));
    }
    DataStore staged = *this;
    const QString reason = walk_sections(decoded.lines, staged, result.team_name_read);
    if (!reason.isEmpty()) {
        return fail(reason);
    }
    staged.verbatim_lines_.insert(decoded.verbatim);
    staged.data_file_path = name;
    staged.known_file_.reset();
    *this = std::move(staged);
    return result;
}

QStringList DataStore::team_file_lines() const {
    QStringList lines = {team_name_header, team_name,     member_header,   member_list,
                         ground_header,    ground_list,   opponent_header, opponent_list,
                         recorder_header,  recorder_list, formation_header};
    lines += formation_lines;
    lines += {QString(), meeting_header};
    lines += meeting_lines;
    lines += {QString(), game_header};
    lines += game_lines;
    return lines;
}

SaveResult DataStore::save_team_data(OnDiskChange on_change) {
    if (data_file_path.isEmpty()) {
        return write_team_file({}, on_change);
    }
    const EncodedLines encoded = encode_team_file();
    if (!encoded.ok()) {
        return {false, data_file_path, encoded.refusal};
    }
    return write_team_file(encoded.bytes, on_change);
}

SaveResult DataStore::write_team_file(const QByteArray& bytes, OnDiskChange on_change) {
    SaveResult result{false, data_file_path, {}};
    const auto fail = [&result](const QString& reason) {
        result.reason = reason;
        return result;
    };
    if (data_file_path.isEmpty()) {
        return fail(QStringLiteral(u"（ファイルが開かれていません）"));
    }
    const SaveLock lock(data_file_path);
    if (lock.busy()) {
        result.busy = true;
        return result;
    }
    const FileOnDisk on_disk = file_on_disk(known_file_);
    if (!on_disk.readable) {
        return fail(QStringLiteral(u"（ファイルを読み込めません）"));
    }
    const auto refuse_changed = [&] {
        result.changed_on_disk = true;
        result.unsaved = bytes;
        return fail(QStringLiteral(u"（他のプログラムによって変更されています）"));
    };
    if (on_disk.changed && on_change == OnDiskChange::refuse) {
        return refuse_changed();
    }
    // Only a save that can go ahead keeps a backup: a failed one leaves the backups as they were.
    QSaveFile file(data_file_path);
    if (const WriteResult prepared = prepare_replacement(file, bytes); !prepared.ok) {
        return fail(prepared.reason);
    }
    std::optional<QString> backup_failure;
    QString backup_made;
    if (on_disk.bytes) {
        const BackupWritten backup = add_backup(data_file_path, *on_disk.bytes);
        // Another program's version would be kept nowhere: then the file is not overwritten.
        if (!backup.ok && on_disk.changed) {
            return fail(backup_failure_text(backup.reason));
        }
        backup_failure = backup.ok ? std::nullopt : std::optional<QString>(backup.reason);
        backup_made = backup.path;
    }
    // A program that takes no lock may have written the file since the check; its version would
    // be in no backup.
    if (changed_since(on_disk)) {
        return refuse_changed();
    }
    if (const WriteResult written = complete_replacement(file, bytes.size()); !written.ok) {
        // The file is as it was, and the backup a copy of it.
        if (!backup_made.isEmpty()) {
            QFile::remove(backup_made);
        }
        return fail(written.reason);
    }
    known_file_ = KnownFile{data_file_path, file_stamp(data_file_path), bytes};
    if (!backup_made.isEmpty()) {
        remove_old_backups(data_file_path, backup_made);
    }
    result.ok = true;
    if (backup_failure && !backup_failure_told_) {
        backup_failure_told_ = true;
        result.backup_notice =
            UserMessage{QStringLiteral(u"バックアップエラー"), backup_failure_text(*backup_failure)};
    }
    return result;
}

DataStore::FileOnDisk DataStore::file_on_disk(const std::optional<KnownFile>& known) const {
    const std::optional<FileStamp> stamp = file_stamp(data_file_path);
    if (!stamp) {
        return {};
    }
    const bool same_file = known && known->path == data_file_path;
    if (same_file && known->unchanged(stamp)) {
        return {true, known->bytes, false, stamp};
    }
    FileContent content = read_team_file(data_file_path);
    if (!content.ok()) {
        return {false, std::nullopt, false, stamp};
    }
    const bool changed = same_file && content.bytes != known->bytes;
    return {true, std::move(content.bytes), changed, stamp};
}

bool DataStore::changed_since(const FileOnDisk& before) const {
    if (!before.bytes) {
        return file_stamp(data_file_path).has_value();
    }
    const FileOnDisk now = file_on_disk(KnownFile{data_file_path, before.stamp, *before.bytes});
    return !now.readable || now.changed;
}

KeptDiskVersion DataStore::keep_disk_version(const QByteArray& unsaved) {
    const BackupWritten backup = write_backup(data_file_path, unsaved);
    if (!backup.ok) {
        return {false, SaveResult{false, data_file_path, backup_failure_text(backup.reason)}.message()};
    }
    const QString kept =
        QDir::cleanPath(QFileInfo(data_file_path)
                            .dir()
                            .filePath(QStringLiteral(u"backup/") + QFileInfo(backup.path).fileName()));
    const QString where = QStringLiteral(u"保存しなかった変更は　「") + kept +
                          QStringLiteral(u"」　に残してあります。「バックアップから復元」　で戻せます。");
    // The store is loaded again only from a file that can be read in full.
    DataStore reloaded = *this;
    const LoadResult loaded = reloaded.reload_team_data();
    if (!loaded.ok()) {
        return {false, {loaded.message().title, loaded.refusal_text() + where}};
    }
    *this = std::move(reloaded);
    return {true,
            {QStringLiteral(u"変更の確認"),
             QStringLiteral(u"「") + data_file_path + QStringLiteral(u"」　を読み込み直しました。") + where}};
}

EncodedLines DataStore::encode_team_file() const {
    // A file is only written when it would read back as it is.
    for (const QString& value : {team_name, member_list, ground_list, opponent_list, recorder_list}) {
        if (is_section_header(value)) {
            return {{},
                    QStringLiteral(u"（「") + value + QStringLiteral(u"」　はファイルに書けない値です）")};
        }
    }
    if (const std::optional<QString> refusal = beyond_capacity()) {
        return {{}, *refusal};
    }
    return encode_cp932_lines(team_file_lines(), verbatim_lines_);
}

std::optional<QString> DataStore::beyond_capacity() const {
    if (formation_lines.size() > max_formations) {
        return beyond(QStringLiteral(u"フォーメーションが"), max_formations, QStringLiteral(u"件"));
    }
    if (meeting_lines.size() > max_meetings) {
        return beyond(QStringLiteral(u"大会が"), max_meetings, QStringLiteral(u"件"));
    }
    if (game_lines.size() > max_game_lines) {
        return beyond(QStringLiteral(u"試合データが"), max_game_lines, QStringLiteral(u"件"));
    }
    if (team_file_lines().size() > max_file_lines) {
        return beyond(QStringLiteral(u"行数が"), max_file_lines, QStringLiteral(u"行"));
    }
    if (game_field_total(game_lines) > max_game_fields) {
        return beyond(QStringLiteral(u"試合データの項目が"), max_game_fields, QStringLiteral(u"個"));
    }
    return std::nullopt;
}

void DataStore::read_settings(const QString& reloaded_file) {
    const std::optional<QByteArray> content = read_whole_file(settings_file_name, max_settings_file_bytes);
    const StartupSettings settings =
        parse_settings(content ? split_raw_lines(*content) : std::vector<QByteArray>{});
    // A reload names its file itself, whatever setting.ini holds (or whether it is there at all).
    if (!reloaded_file.isEmpty()) {
        data_file_path = reloaded_file;
    } else if (settings.file_path) {
        data_file_path = *settings.file_path;
        start_file_path = *settings.file_path;
    }
    window_placement = settings.window_placement.value_or(window_placement);
    start_mode = settings.start_mode.value_or(start_mode);
    keyboard_entry = settings.keyboard_entry.value_or(keyboard_entry);
    add_typed_names = settings.add_typed_names.value_or(add_typed_names);
    // Written only while on: a file without the line (or with a bad one) means off.
    small_sided_games = settings.small_sided_games.value_or(false);
    live_elapsed_minutes = settings.live_elapsed_minutes.value_or(false);
    live_target_share = settings.live_target_share.value_or(0);
    shared_names = settings.shared_names.value_or(SharedNames::full);
}

SaveResult DataStore::save_settings(const QString& file) const {
    // A file whose name setting.ini cannot hold is open for this run only: the start file stays.
    const QString named_file = encode_cp932(file) ? file : start_file_path;
    QStringList lines = {named_file, window_placement, print_form(static_cast<int>(start_mode)),
                         print_form(keyboard_entry), print_form(add_typed_names)};
    // The later options in their line order, each with whether it is at its default; a line stands
    // only when it or a later one is not, so each keeps its line number whichever of them are set.
    const std::pair<QString, bool> later_options[] = {
        {print_form(small_sided_games), !small_sided_games},
        {print_form(live_elapsed_minutes), !live_elapsed_minutes},
        {print_form(live_target_share), live_target_share == 0},
        {print_form(static_cast<int>(shared_names)), shared_names == SharedNames::full},
    };
    const auto last_set = std::find_if(std::rbegin(later_options), std::rend(later_options),
                                       [](const auto& option) { return !option.second; });
    for (auto option = std::begin(later_options); option != last_set.base(); ++option) {
        lines.append(option->first);
    }
    const WriteResult written = write_cp932_lines(settings_file_name, lines);
    return {written.ok, settings_file_name, written.reason};
}

std::vector<Formation> DataStore::formations() const {
    return formations_of(formation_lines);
}

std::vector<Meeting> DataStore::meetings() const {
    return meetings_of(meeting_lines);
}

std::optional<int> DataStore::find_game(const GameIdentity& game, std::optional<int> except) const {
    for (int position = 0; position < game_lines.size(); ++position) {
        if (position != except && game.matches(game_lines[position])) {
            return position;
        }
    }
    return std::nullopt;
}

}  // namespace md
