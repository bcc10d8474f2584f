#pragma once

#include "live_clock.h"
#include "live_game.h"
#include "live_journal.h"
#include "store/data_store.h"

#include <QObject>

class QWidget;

namespace kl {

class fm_live;

// ライブ入力 as the main window runs it: pages 1 and 2 of the wizard, the live window, page 3 of the
// wizard; and the question about a live game of the open file left unfinished (the program
// stopped, or the live window was closed). The main window stays disabled from the first window to
// the last.
class LiveEntry : public QObject {
    Q_OBJECT
  public:
    // main: the main window, owner of every window opened; clock: the wall clock (tests: their own).
    LiveEntry(md::DataStore& store, QWidget* main, TimeSource clock = wall_clock());

    // ライブ入力(&L): a live game left unfinished is offered first; otherwise pages 1 and 2.
    void start();
    // Asks about each unfinished live game of the open file, oldest first, until one is taken up
    // (true). いいえ keeps a journal under live/abandoned/; one that cannot be read in full is kept
    // there too and reported.
    bool offer_resume();

  Q_SIGNALS:
    void games_changed();
    void team_file_reloaded();

  private:
    void begin_game(const LiveGameSetup& setup);
    void open_live_window(LiveGame game, LiveJournal journal);
    void open_page_3(const LiveGame& game, const QString& journal);
    // Takes the journal's game up again, or tells why not (false).
    bool resume(const QString& path);

    md::DataStore& store_;
    QWidget* main_;
    TimeSource clock_;
};

}  // namespace kl
