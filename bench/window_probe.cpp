// The program's main window on the data folder FOLDER, as kickledger starts it.
//   window_probe first FOLDER       ends once the first window is on the screen
//   window_probe every-view FOLDER  shows every view and computes each (every chart page shown),
//                                   then prints its peak memory (kB)
#include "peak_memory.h"
#include "store/data_store.h"
#include "views/fm_main.h"
#include "widgets/fonts.h"

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void show_every_view(kl::fm_main& window) {
    auto trigger = [&window](const char16_t* name) {
        window.findChild<QAction*>(QString::fromUtf16(name))->trigger();
        settle();
    };
    auto click = [&window](const char16_t* name) {
        window.findChild<QPushButton*>(QString::fromUtf16(name))->click();
        settle();
    };
    trigger(u"tb_main_13");
    window.findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(0);
    settle();
    trigger(u"tb_main_14");
    click(u"cm_setting");
    trigger(u"tb_main_15");
    window.findChild<QComboBox*>(QStringLiteral(u"cb_player"))->setCurrentIndex(0);
    click(u"cm_renew");
    trigger(u"tb_main_graph");
    click(u"cm_graph");
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral(u"ts_graph"));
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        settle();
    }
    trigger(u"tb_main_12");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: window_probe first|every-view FOLDER\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    kl::use_program_font();
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    md::DataStore store;
    kl::fm_main window(store);
    window.start();
    if (std::strcmp(argv[1], "first") == 0) {
        QTimer::singleShot(0, &application, &QApplication::quit);
        return QApplication::exec();
    }
    settle();
    show_every_view(window);
    std::fputs(kl::bench::peak_memory().constData(), stdout);
    return 0;
}
