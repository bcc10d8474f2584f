#include "fm_career.h"

#include "paper_output.h"
#include "print/career_book.h"
#include "reports/career_texts.h"
#include "reports/output_files.h"
#include "stats/career.h"
#include "stats/head_to_head.h"
#include "widgets/child_window.h"
#include "widgets/choice_list.h"
#include "widgets/list_columns.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace kl {
namespace {

QTreeWidget* table(QWidget* parent, const QString& name, const QStringList& headers,
                   const std::vector<int>& widths) {
    auto* list = named(new QTreeWidget(parent), name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels(headers);
    fit_columns(list, widths);
    return list;
}

template <size_t N>
QStringList cells_of(const std::array<QString, N>& row) {
    return QStringList(row.begin(), row.end());
}

template <size_t N>
void show_rows(QTreeWidget* list, const std::vector<std::array<QString, N>>& rows,
               const std::vector<int>& right_aligned) {
    list->clear();
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem(list, cells_of(row));
        for (const int column : right_aligned) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

std::vector<int> columns_from(int first, int last) {
    std::vector<int> columns(static_cast<size_t>(last - first + 1));
    std::iota(columns.begin(), columns.end(), first);
    return columns;
}

const QString team_file_filter = QStringLiteral(u"チームデータ (*.kld)");

}  // namespace

fm_career::fm_career(const QStringList& files, const QWidget* owner)
    : lst_career_file(named(new QListWidget(this), QStringLiteral(u"lst_career_file"))),
      lb_career_message(named(new QLabel(this), QStringLiteral(u"lb_career_message"))),
      cm_career_file_add(named(new QPushButton(QStringLiteral(u"ファイルを追加..."), this),
                               QStringLiteral(u"cm_career_file_add"))),
      ts_career(named(new QTabWidget(this), QStringLiteral(u"ts_career"))),
      cb_career_member(nullptr),
      lstv_career(nullptr),
      lstv_career_position(nullptr),
      lstv_career_milestone(nullptr),
      ck_career_book_all(nullptr),
      cm_career_book(nullptr),
      lstv_h2h(nullptr),
      cm_cancel(named(new QPushButton(QStringLiteral(u"閉じる"), this), QStringLiteral(u"cm_cancel"))) {
    setObjectName(QStringLiteral(u"fm_career"));
    setWindowTitle(QStringLiteral(u"通算成績"));
    setWindowFlags(Qt::Window);
    lb_career_message->setWordWrap(true);
    lb_career_message->setStyleSheet(QStringLiteral(u"color: #b02020;"));
    lb_career_message->hide();
    ts_career->addTab(build_career_page(), QStringLiteral(u"通算成績"));
    ts_career->addTab(build_h2h_page(), QStringLiteral(u"対戦成績"));

    auto* files_row = new QHBoxLayout;
    files_row->addWidget(
        new QLabel(QStringLiteral(u"チームデータのファイル（チェックしたファイルを集計します）"), this));
    files_row->addStretch();
    files_row->addWidget(cm_career_file_add);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files_row);
    layout->addWidget(lst_career_file);
    layout->addWidget(lb_career_message);
    layout->addWidget(ts_career, 1);
    layout->addLayout(buttons);
    lst_career_file->setFixedHeight(lst_career_file->fontMetrics().height() * 5 + 12);

    {
        const QSignalBlocker quiet(lst_career_file);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QStringList refusals;
        for (const QString& file : files) {
            if (const std::optional<QString> refusal = load_file(file, true)) {
                refusals.append(*refusal);
            }
        }
        QApplication::restoreOverrideCursor();
        if (!refusals.isEmpty()) {
            refusals.append(QStringLiteral(u"読み込めないファイルは集計に含めません。"));
            lb_career_message->setText(refusals.join(u'\n'));
            lb_career_message->show();
        }
        show_files();
    }
    resize(px(14400), px(9600));
    centre_over(this, owner);

    connect(lst_career_file, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = lst_career_file->row(item);
        if (row >= 0 && static_cast<size_t>(row) < ticked_.size()) {
            ticked_[static_cast<size_t>(row)] = item->checkState() == Qt::Checked;
            refresh();
        }
    });
    connect(cm_career_file_add, &QPushButton::clicked, this, [this] {
        const QStringList chosen = QFileDialog::getOpenFileNames(this, QStringLiteral(u"ファイルを追加"),
                                                                 QDir::currentPath(), team_file_filter);
        for (const QString& file : chosen) {
            add_file(file);
        }
    });
    connect(cb_career_member, &QComboBox::currentIndexChanged, this, &fm_career::show_career);
    connect(cm_career_book, &QPushButton::clicked, this, &fm_career::save_book);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
    refresh();
}

QWidget* fm_career::build_career_page() {
    auto* page = new QWidget;
    cb_career_member = named(new QComboBox(page), QStringLiteral(u"cb_career_member"));
    cb_career_member->setMinimumWidth(px(3000));
    lstv_career = table(page, QStringLiteral(u"lstv_career"), cells_of(career_headers()),
                        {2200, 1800, 700, 700, 1000, 800, 700, 900, 700, 700});
    lstv_career_position = table(page, QStringLiteral(u"lstv_career_position"),
                                 {QStringLiteral(u"ポジション"), QStringLiteral(u"出場時間")}, {1000, 1000});
    lstv_career_milestone = table(
        page, QStringLiteral(u"lstv_career_milestone"),
        {QStringLiteral(u"日付"), QStringLiteral(u"記録"), QStringLiteral(u"対戦相手")}, {1100, 1300, 1800});
    ck_career_book_all =
        named(new QCheckBox(QStringLiteral(u"全メンバー"), page), QStringLiteral(u"ck_career_book_all"));
    cm_career_book = named(new QPushButton(QStringLiteral(u"記録帳をPDFに保存..."), page),
                           QStringLiteral(u"cm_career_book"));

    auto* member_row = new QHBoxLayout;
    member_row->addWidget(new QLabel(QStringLiteral(u"メンバー"), page));
    member_row->addWidget(cb_career_member);
    member_row->addStretch();
    member_row->addWidget(ck_career_book_all);
    member_row->addWidget(cm_career_book);
    auto* position_box = new QVBoxLayout;
    position_box->addWidget(new QLabel(QStringLiteral(u"ポジション別の出場時間"), page));
    position_box->addWidget(lstv_career_position);
    auto* milestone_box = new QVBoxLayout;
    milestone_box->addWidget(new QLabel(QStringLiteral(u"記録"), page));
    milestone_box->addWidget(lstv_career_milestone);
    auto* below = new QHBoxLayout;
    below->addLayout(position_box, 2);
    below->addLayout(milestone_box, 3);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(member_row);
    layout->addWidget(lstv_career, 3);
    layout->addLayout(below, 2);
    return page;
}

QWidget* fm_career::build_h2h_page() {
    auto* page = new QWidget;
    lstv_h2h = table(page, QStringLiteral(u"lstv_h2h"), cells_of(h2h_headers()),
                     {2200, 700, 600, 600, 600, 700, 700, 2400});
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lstv_h2h);
    return page;
}

std::optional<QString> fm_career::load_file(const QString& file, bool ticked) {
    SeasonSource source = load_season(file);
    std::optional<QString> refusal;
    if (!source.record) {
        refusal = source.load.refusal_text();
        ticked = false;
    }
    sources_.push_back(std::move(source));
    ticked_.push_back(ticked);
    return refusal;
}

void fm_career::show_files() {
    std::vector<size_t> order(sources_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return source_before(sources_[a], sources_[b]); });
    std::vector<SeasonSource> sources;
    std::vector<bool> ticked;
    for (const size_t i : order) {
        sources.push_back(std::move(sources_[i]));
        ticked.push_back(ticked_[i]);
    }
    sources_ = std::move(sources);
    ticked_ = std::move(ticked);

    const QSignalBlocker quiet(lst_career_file);
    lst_career_file->clear();
    for (size_t i = 0; i < sources_.size(); ++i) {
        const SeasonSource& source = sources_[i];
        auto* item = new QListWidgetItem(
            source.record ? season_file_entry(*source.record) : unreadable_file_entry(source.file),
            lst_career_file);
        if (source.record) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(ticked_[i] ? Qt::Checked : Qt::Unchecked);
        } else {
            item->setFlags(Qt::NoItemFlags);
        }
    }
}

void fm_career::add_file(const QString& path) {
    const bool listed = std::any_of(sources_.begin(), sources_.end(), [&path](const SeasonSource& source) {
        return QFileInfo(source.file).absoluteFilePath() == QFileInfo(path).absoluteFilePath();
    });
    if (listed) {
        return;
    }
    const std::optional<QString> refusal = load_file(path, true);
    show_files();
    refresh();
    if (refusal) {
        show_message({QStringLiteral(u"読み込みエラー"),
                      *refusal + QStringLiteral(u"\n読み込めないファイルは集計に含めません。")});
    }
}

std::vector<const SeasonRecord*> fm_career::chosen_seasons() const {
    std::vector<const SeasonRecord*> chosen;
    for (size_t i = 0; i < sources_.size(); ++i) {
        if (ticked_[i] && sources_[i].record) {
            chosen.push_back(&*sources_[i].record);
        }
    }
    return chosen;
}

void fm_career::refresh() {
    const std::vector<const SeasonRecord*> seasons = chosen_seasons();
    const QString member = cb_career_member->currentText();
    {
        const QSignalBlocker quiet(cb_career_member);
        cb_career_member->clear();
        cb_career_member->addItems(career_members(seasons));
        cb_career_member->setCurrentIndex(cb_career_member->findText(member));
    }
    show_career();
    std::vector<HeadToHeadRow> rows;
    for (const OpponentRecord& record : head_to_head(seasons)) {
        rows.push_back(h2h_row(record));
    }
    show_rows(lstv_h2h, rows, columns_from(1, 6));
}

void fm_career::show_career() {
    const QString member = cb_career_member->currentText();
    if (member.isEmpty()) {
        lstv_career->clear();
        lstv_career_position->clear();
        lstv_career_milestone->clear();
        return;
    }
    const Career career = compute_career(chosen_seasons(), member);
    show_rows(lstv_career, career_table_rows(career), columns_from(2, 9));
    show_rows(lstv_career_position, career_position_rows(career), {1});
    show_rows(lstv_career_milestone, milestone_rows(career), {});
}

void fm_career::save_book() {
    const std::vector<const SeasonRecord*> seasons = chosen_seasons();
    if (seasons.empty()) {
        show_message({md::input_error_title, QStringLiteral(u"「ファイル」　を選択して下さい。")});
        return;
    }
    const bool everyone = ck_career_book_all->isChecked();
    const QString member = cb_career_member->currentText();
    if (!everyone && member.isEmpty()) {
        show_message({md::input_error_title, QStringLiteral(u"「メンバー」　を選択して下さい。")});
        return;
    }
    const QDate today = QDate::currentDate();
    const PrintDocument book =
        career_book_document(seasons, everyone ? members_with_games(seasons) : QStringList{member}, today);
    const QString name = everyone ? seasons_team_names(seasons) : member;
    save_document_as_pdf(
        this, book, book.name(),
        output_base_name(name, QStringLiteral(u"卒団記録帳"), today) + QStringLiteral(u".pdf"));
}

}  // namespace kl
