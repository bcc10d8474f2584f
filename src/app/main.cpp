#include "app/single_instance.h"
#include "store/data_store.h"
#include "views/fm_main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    kl::SingleInstance instance;
    if (!instance.acquire()) {
        return 0;
    }
    QApplication application(argc, argv);
    md::DataStore store;
    kl::fm_main window(store);
    window.start();
    return QApplication::exec();
}
