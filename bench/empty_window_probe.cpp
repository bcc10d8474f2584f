// An empty Qt window, to compare the program's start with: shown, then the program ends. With
// --peak, it prints its peak memory (kB) first.
#include "peak_memory.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    const int result = QApplication::exec();
    if (argc > 1 && std::strcmp(argv[1], "--peak") == 0) {
        std::fputs(kl::bench::peak_memory().constData(), stdout);
    }
    return result;
}
