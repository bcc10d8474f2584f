#include "window_caption.h"

#include "store/file_location.h"

#include <QDir>

namespace kl {
namespace {

// The home folder as "~", as a shell and the file manager's path bar show it.
QString shown_folder(const QString& folder) {
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + u'/')) {
        return QDir::toNativeSeparators(u'~' + folder.mid(home.size()));
    }
    return QDir::toNativeSeparators(folder);
}

}  // namespace

QString main_window_caption(const QString& team_name, const QString& suffix, const QString& data_file_path) {
    QString caption = QStringLiteral(u"Kickledger - ") + team_name + suffix;
    if (const QString folder = md::folder_outside_data_folder(data_file_path); !folder.isEmpty()) {
        caption += QStringLiteral(u"  （") + shown_folder(folder) + QStringLiteral(u"）");
    }
    return caption;
}

}  // namespace kl
