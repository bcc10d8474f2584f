// The program in the middle of a live game, to be killed by the test that starts it:
// live_child FOLDER runs the main window on FOLDER's setting.ini and team, records a live game
// through its windows, prints "recorded" and waits.
#include "entry/fm_game_input.h"
#include "entry/fm_live.h"
#include "store/data_store.h"
#include "support/message_boxes.h"
#include "support/wizard_clicks.h"
#include "views/fm_main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        return 64;
    }
    md::DataStore store;
    kl::fm_main window(store);
    window.start();
    window.findChild<QAction*>(QStringLiteral(u"tb_main_live"))->trigger();
    auto* pages = qobject_cast<kl::fm_game_input*>(kl::test::find_window(QStringLiteral(u"fm_game_input")));
    if (pages == nullptr) {
        return 1;
    }
    kl::test::fill_game_information(pages,
                                    {QStringLiteral(u"2026/11/01"), 10, 0, 0, QStringLiteral(u"山田")});
    pages->cm_next[0]->click();
    pages->cb_formation->setCurrentIndex(0);
    for (QPushButton* row : pages->cm_poji) {
        row->click();
    }
    pages->cm_next[1]->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* live = qobject_cast<kl::fm_live*>(kl::test::find_window(QStringLiteral(u"fm_live")));
    if (live == nullptr) {
        return 1;
    }
    const auto pick = [live](const QString& member) {
        live->lstv_live_pitch->clearSelection();
        live->lstv_live_pitch->findItems(member, Qt::MatchExactly, 1).value(0)->setSelected(true);
    };
    live->cm_live_start->click();
    pick(QStringLiteral(u"選手10"));
    live->cm_live_goal->click();
    live->cm_live_period_end->click();
    live->cm_live_start->click();
    pick(QStringLiteral(u"選手4"));
    live->cm_live_card->click();
    std::puts("recorded");
    std::fflush(stdout);
    return QApplication::exec();
}
