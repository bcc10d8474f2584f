#pragma once

#include "live_game.h"
#include "store/master_lists.h"
#include "store/user_message.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace kl {

// --- ライブ入力: the journal that keeps a live game through a crash ---
//
// live/NAME_yyyyMMdd-HHmmss.journal in the data folder (NAME: the team file's name without ".kld"),
// UTF-8 text, one line per line feed. Line 1 names the format and its version, line 2 the setup
// (team file, small-sided games, the counting of minutes), line 3 the game's fixed fields; then one
// line per action of the live window: its wall-clock time in ms, its verb and what it takes, fields
// separated by tabs (a tab, a line break or a backslash in a name written as \t, \n, \r, \\). Each
// line is on the disk before the window shows its action; the file goes when 完了 has stored the game.

inline const QString journal_folder = QStringLiteral(u"live");
inline const QString abandoned_folder = QStringLiteral(u"live/abandoned");

// The journal of a game of the team file begun at started.
QString journal_path(const QString& team_file, const QDateTime& started);
// The journals of the team file's live games not yet stored, oldest first.
QStringList unfinished_journals(const QString& team_file);

// A journal's bytes up to the actions, and one action's line.
QByteArray journal_header(const LiveGameSetup& setup);
QByteArray journal_line(const TimedAction& timed);

// A journal as read: the setup and the actions of its complete lines. A last line without its line
// end (a write cut short by a crash or a power loss) is not an action: its bytes are counted.
struct JournalContent {
    LiveGameSetup setup;
    std::vector<TimedAction> actions;
    qsizetype torn_bytes = 0;
};
// A journal that cannot be read in full gives the reason ("（5行目：読めない操作です）").
std::variant<JournalContent, QString> read_journal(const QByteArray& bytes);

// The live game a journal's actions make, every action applied as the window applied it; the
// reason when one is refused (then nothing of it is used).
std::variant<LiveGame, QString> replay_journal(const JournalContent& journal,
                                               std::vector<md::Formation> formations);

// The journal of one live game, written as the game goes on.
class LiveJournal {
  public:
    // Begins the journal of a new game at path (live/ is made when missing).
    static std::variant<LiveJournal, md::UserMessage> begin(const QString& path, const LiveGameSetup& setup);
    // Goes on with the journal of a game taken up again.
    explicit LiveJournal(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    // Appends an action and syncs it to the disk; the message when it could not be written (the
    // journal then ends as it did before).
    std::optional<md::UserMessage> append(const TimedAction& timed) const;

  private:
    QString path_;
};

// "「2026/11/01 10:00 FC東京」": how questions and messages name a live game.
QString live_game_label(const LiveGameSetup& setup);
// The question at start: "「…」　のライブ入力が途中です。再開しますか？" (title ライブ入力の再開).
md::UserMessage resume_question(const LiveGameSetup& setup);
// A journal that cannot be read in full: kept under live/abandoned/ and reported.
md::UserMessage unreadable_journal_message(const QString& path, const QString& reason);
// The end of a journal lost to a crash: the last action, which was being written.
md::UserMessage torn_journal_message(qsizetype torn_bytes);

// ライブ入力 with no team file open: its journal would belong to no file, and its game could not be stored.
md::UserMessage no_team_file_message();
// A stored game's journal that could not be removed.
md::UserMessage journal_kept_message(const QString& path);

// いいえ to the question, or a journal that cannot be used: the journal moves to live/abandoned/ and
// is not asked about again. False when it could not be moved.
bool abandon_journal(const QString& path);
// After 完了 stored the game.
bool remove_journal(const QString& path);

}  // namespace kl
