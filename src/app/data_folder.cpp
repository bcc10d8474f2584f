#include "data_folder.h"

#include <QDir>

namespace kl {

QString default_data_folder() {
    return QDir::home().filePath(QStringLiteral(u"Kickledger"));
}

bool enter_data_folder(const QString& folder) {
    return QDir().mkpath(folder) && QDir::setCurrent(folder);
}

}  // namespace kl
