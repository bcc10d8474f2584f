#include "live_entry.h"

#include "fm_game_input.h"
#include "fm_live.h"
#include "store/text_file.h"
#include "widgets/child_window.h"
#include "widgets/message_box.h"

#include <QDateTime>
#include <QPointer>
#include <memory>

namespace kl {
namespace {

md::GameIdentity identity_of(const LiveGameSetup& setup) {
    const auto field = [&](int position) { return setup.fixed_fields.value(md::working_entry(position)); };
    return {field(md::record::date), field(md::record::start_time), field(md::record::ground),
            field(md::record::opponent)};
}

}  // namespace

LiveEntry::LiveEntry(md::DataStore& store, QWidget* main, TimeSource clock)
    : QObject(main), store_(store), main_(main), clock_(std::move(clock)) {}

void LiveEntry::start() {
    if (store_.data_file_path.isEmpty()) {
        show_message(no_team_file_message());
        return;
    }
    if (offer_resume()) {
        return;
    }
    auto* wizard = new fm_game_input(store_, main_, LiveStart{});
    auto ready = std::make_shared<std::optional<LiveGameSetup>>();
    connect(wizard, &fm_game_input::live_game_ready, this,
            [ready](const LiveGameSetup& setup) { *ready = setup; });
    open_child_window(main_, wizard);
    // Once the wizard has given the main window back, the live window takes it again.
    connect(wizard, &QObject::destroyed, this, [this, ready] {
        if (*ready) {
            begin_game(**ready);
        }
    });
}

void LiveEntry::begin_game(const LiveGameSetup& setup) {
    std::variant<LiveJournal, md::UserMessage> journal =
        LiveJournal::begin(journal_path(setup.team_file, QDateTime::currentDateTime()), setup);
    if (const auto* failure = std::get_if<md::UserMessage>(&journal)) {
        show_message(*failure);
        return;
    }
    open_live_window(LiveGame(setup, store_.formations()), std::get<LiveJournal>(std::move(journal)));
}

void LiveEntry::open_live_window(LiveGame game, LiveJournal journal) {
    auto* window = new fm_live(std::move(game), std::move(journal), clock_, store_.live_target_share, main_);
    auto finished = std::make_shared<std::optional<LiveFinish>>();
    connect(window, &fm_live::game_finished, this, [window, finished] {
        *finished = LiveFinish{window->game(), window->journal_path()};
    });
    open_child_window(main_, window);
    connect(window, &QObject::destroyed, this, [this, finished] {
        if (*finished) {
            open_page_3((*finished)->game, (*finished)->journal);
        }
    });
}

void LiveEntry::open_page_3(const LiveGame& game, const QString& journal) {
    auto* wizard = new fm_game_input(store_, main_, LiveFinish{game, journal});
    connect(wizard, &fm_game_input::games_changed, this, &LiveEntry::games_changed);
    connect(wizard, &fm_game_input::team_file_reloaded, this, &LiveEntry::team_file_reloaded);
    open_child_window(main_, wizard);
}

bool LiveEntry::offer_resume() {
    for (const QString& path : unfinished_journals(store_.data_file_path)) {
        if (resume(path)) {
            return true;
        }
    }
    return false;
}

bool LiveEntry::resume(const QString& path) {
    const std::optional<QByteArray> bytes = md::read_whole_file(path);
    const std::variant<JournalContent, QString> read =
        bytes ? read_journal(*bytes)
              : std::variant<JournalContent, QString>(QStringLiteral(u"（読み込めません）"));
    const auto refuse = [&](const QString& reason) {
        show_message(unreadable_journal_message(path, reason));
        abandon_journal(path);
        return false;
    };
    if (const auto* reason = std::get_if<QString>(&read)) {
        return refuse(*reason);
    }
    const JournalContent& content = std::get<JournalContent>(read);
    // Stored already: the program stopped between storing the game and removing its journal.
    if (store_.find_game(identity_of(content.setup))) {
        show_message({QStringLiteral(u"ライブ入力の再開"),
                      live_game_label(content.setup) +
                          QStringLiteral(u"　は保存されています。ライブ入力の記録は　「") + abandoned_folder +
                          QStringLiteral(u"」　に移します。")});
        abandon_journal(path);
        return false;
    }
    const md::UserMessage question = resume_question(content.setup);
    if (!ask_yes_no(question.title, question.text)) {
        abandon_journal(path);
        return false;
    }
    std::variant<LiveGame, QString> replayed = replay_journal(content, store_.formations());
    if (const auto* reason = std::get_if<QString>(&replayed)) {
        return refuse(*reason);
    }
    if (content.torn_bytes > 0) {
        show_message(torn_journal_message(content.torn_bytes));
    }
    LiveGame& game = std::get<LiveGame>(replayed);
    LiveJournal journal(path);
    // The clock paused where the game has got to, for the scorer to start again.
    LiveAction paused(LiveVerb::clock_set);
    const qint64 now = clock_();
    paused.clock_ms = game.resumed_clock_ms(now);
    const TimedAction timed{now, paused};
    if (!game.apply(timed)) {
        if (const std::optional<md::UserMessage> failure = journal.append(timed)) {
            show_message(*failure);
        }
    }
    open_live_window(std::move(game), std::move(journal));
    return true;
}

}  // namespace kl
