#include "japanese_ui.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kl {
namespace {

// Qt's own texts that its Japanese catalogue lacks: the type column of the file dialogs ("Folder").
// Asked before the catalogue, it knows only these and passes every other text on.
class MissingQtTexts : public QTranslator {
  public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        static const QHash<QByteArray, QString> file_types = {
            {"Folder", QStringLiteral(u"フォルダ")},  {"Drive", QStringLiteral(u"ドライブ")},
            {"File", QStringLiteral(u"ファイル")},    {"Shortcut", QStringLiteral(u"ショートカット")},
            {"Alias", QStringLiteral(u"エイリアス")},
        };
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        return file_types.value(QByteArray(source));
    }
};

}  // namespace

bool use_japanese_ui() {
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // The translators live as long as the application that uses them.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(japanese, QStringLiteral(u"qtbase"), QStringLiteral(u"_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // The last one installed is asked first.
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new MissingQtTexts(QCoreApplication::instance()));
}

}  // namespace kl
