#pragma once

#include "store/data_store.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace kl {

// What 開く is opened for: to open a team file, or to choose the fixed start file of 環境設定.
enum class OpenPurpose { open_team_file, choose_start_file };

// 開く: the team files of the working directory; OK opens the chosen one, or, for the settings
// dialog (起動ファイル設定), only hands its name back.
class fm_open : public QWidget {
    Q_OBJECT
  public:
    // owner: the window to centre over (the main window, or the settings dialog).
    fm_open(md::DataStore& store, const QWidget* owner, OpenPurpose purpose);

    QListWidget* flst;
    QPushButton* cm_ok;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    void start_file_chosen(const QString& file);
    void team_file_opened(const md::LoadResult& result);

  private:
    void accept();

    md::DataStore& store_;
    OpenPurpose purpose_;
};

}  // namespace kl
