#pragma once

#include "store/data_store.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "views/fm_main.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

namespace kl::test {

// The main window started on team.kld in a temporary folder, the file setting.ini names.
class MainWindowOnTeam : public InTemporaryFolder {
  protected:
    // Writes team.kld with these lines and a setting.ini naming it, then starts the window.
    void start_on(const QStringList& team_lines) {
        write_cp932_lines(QStringLiteral(u"team.kld"), team_lines);
        write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"team.kld")});
        window = std::make_unique<fm_main>(store);
        window->start();
    }
    // Starts the window on a writable copy of a team file of the repository (the demo season).
    void start_on_copy_of(const QString& team_file) {
        const QString name = QFileInfo(team_file).fileName();
        QFile::copy(team_file, name);
        QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner);
        write_cp932_lines(QStringLiteral(u"setting.ini"), {name});
        window = std::make_unique<fm_main>(store);
        window->start();
    }
    void TearDown() override {
        window.reset();
        InTemporaryFolder::TearDown();
    }
    template <typename T, typename Name>
    T* find(const Name& name) {
        return find_child<T>(window.get(), name);
    }

    md::DataStore store;
    std::unique_ptr<fm_main> window;
};

}  // namespace kl::test
