#pragma once

#include "stats/season_record.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace kl {

// 通算成績: the seasons of the team files side by side. Each file of the data folder is listed with
// its team and its dates and counted while ticked; 通算成績 shows one member's line per file with
// the total, positions and milestones, and writes the 卒団記録帳; 対戦成績 the record against each
// opponent. A file that cannot be read is listed as such and never counted.
class fm_career : public QWidget {
    Q_OBJECT
  public:
    // files: the team files to list (the data folder's); owner: the window to centre over.
    fm_career(const QStringList& files, const QWidget* owner);

    // Adds a team file from elsewhere, ticked; a file that cannot be read is told and left out.
    void add_file(const QString& path);
    // The ticked files that could be read, in date order.
    std::vector<const SeasonRecord*> chosen_seasons() const;

    QListWidget* lst_career_file;
    QLabel* lb_career_message;
    QPushButton* cm_career_file_add;
    QTabWidget* ts_career;
    QComboBox* cb_career_member;
    QTreeWidget* lstv_career;
    QTreeWidget* lstv_career_position;
    QTreeWidget* lstv_career_milestone;
    QCheckBox* ck_career_book_all;
    QPushButton* cm_career_book;
    QTreeWidget* lstv_h2h;
    QPushButton* cm_cancel;

  private:
    QWidget* build_career_page();
    QWidget* build_h2h_page();
    // Loads a file and lists it; its refusal when it cannot be read.
    std::optional<QString> load_file(const QString& file, bool ticked);
    // Shows the files again in date order, ticks kept.
    void show_files();
    // The chosen files changed: members, the member's career and the head-to-head table again.
    void refresh();
    void show_career();
    void save_book();

    std::vector<SeasonSource> sources_;
    std::vector<bool> ticked_;  // in step with sources_
};

}  // namespace kl
