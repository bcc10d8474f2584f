#include "file_location.h"

#include <QDir>
#include <QFileInfo>

namespace md {
namespace {

// Two names of one folder, however they reach it (symbolic links, "..").
bool same_folder(const QString& one, const QString& other) {
    const QString canonical_one = QFileInfo(one).canonicalFilePath();
    if (!canonical_one.isEmpty()) {
        return canonical_one == QFileInfo(other).canonicalFilePath();
    }
    return QDir::cleanPath(one) == QDir::cleanPath(other);
}

}  // namespace

QString team_file_name(const QString& path) {
    const QFileInfo file(path);
    if (same_folder(file.absolutePath(), QDir::currentPath())) {
        return file.fileName();
    }
    return QDir::cleanPath(file.absoluteFilePath());
}

QString folder_outside_data_folder(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const QString folder = QFileInfo(path).absolutePath();
    return same_folder(folder, QDir::currentPath()) ? QString() : QDir::cleanPath(folder);
}

}  // namespace md
