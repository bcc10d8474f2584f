#include "app/single_instance.h"
#include "store/data_store.h"
#include "views/fm_main.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    kl::SingleInstance instance;
    if (!instance.acquire()) {
        return 0;
    }
    QApplication application(argc, argv);
    // The windows are laid out for a 9-point font, as the twip sizes of their design assume.
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
    md::DataStore store;
    kl::fm_main window(store);
    window.start();
    return QApplication::exec();
}
