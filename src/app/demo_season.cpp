#include "demo_season.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kl {
namespace {

const QString demo_name = QStringLiteral(u"demo.kld");

}  // namespace

QStringList demo_season_candidates(const QString& program_folder) {
    const QDir folder(program_folder);
    return {QDir::cleanPath(folder.filePath(QStringLiteral(u"samples/") + demo_name)),
            QDir::cleanPath(folder.filePath(QStringLiteral(u"../share/kickledger/samples/") + demo_name))};
}

QString find_demo_season(const QString& program_folder) {
    for (const QString& candidate : demo_season_candidates(program_folder)) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

PlacedDemo place_demo_season(const QString& demo_file, const QString& data_folder) {
    const QString copy = QDir(data_folder).absoluteFilePath(demo_name);
    if (QFileInfo::exists(copy)) {
        return {copy, {}};
    }
    if (demo_file.isEmpty()) {
        return {
            {},
            QStringLiteral(u"デモのシーズン　「") + demo_name + QStringLiteral(u"」　が見つかりません。")};
    }
    QFile source(demo_file);
    // The installed file is read-only; the copy is the user's to change.
    if (!QDir().mkpath(data_folder) || !source.copy(copy) ||
        !QFile::setPermissions(copy,
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)) {
        return {{},
                QStringLiteral(u"「") + QDir::toNativeSeparators(copy) +
                    QStringLiteral(u"」　を作成できません。")};
    }
    return {copy, {}};
}

}  // namespace kl
