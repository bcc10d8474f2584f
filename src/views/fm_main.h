#pragma once

#include "store/data_store.h"

#include <QMainWindow>
#include <QString>

namespace kl {

class fm_main : public QMainWindow {
    Q_OBJECT
  public:
    explicit fm_main(md::DataStore& store);

    // The start-up of the window: loads the team data file that setting.ini names and takes the
    // stored placement. Shows the window.
    void start();

    // "Kickledger - " + team name + suffix.
    void set_caption(const QString& suffix);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void apply_load_result(const md::LoadResult& result);
    void restore_placement();
    void record_placement();

    md::DataStore& store_;
    QString help_file_;
};

}  // namespace kl
