#include "japanese_ui.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kl {

bool use_japanese_ui() {
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // The translator lives as long as the application that uses it.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(japanese, QStringLiteral(u"qtbase"), QStringLiteral(u"_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace kl
