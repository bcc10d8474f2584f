#include "main_window_program.h"

#include "team_file_generator.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace kl::bench {

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Program::Program() {
    QDir::setCurrent(large_file().folder.path());
    QFile::remove(QStringLiteral(u"team.kld"));
    QFile::copy(large_file().path, QStringLiteral(u"team.kld"));
    QFile settings(QStringLiteral(u"setting.ini"));
    settings.open(QIODevice::WriteOnly);
    settings.write("team.kld\r\n");
    settings.close();
    window = std::make_unique<fm_main>(store);
    window->start();
    settle();
}

void Program::trigger(const char16_t* action) {
    window->findChild<QAction*>(QString::fromUtf16(action))->trigger();
    settle();
}

QWidget* Program::top_window(const char16_t* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QString::fromUtf16(name) && top->isVisible()) {
            return top;
        }
    }
    return nullptr;
}

}  // namespace kl::bench
