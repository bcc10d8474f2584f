#include "fm_name_reading.h"

#include "name_readings.h"
#include "reports/shared_names_rule.h"
#include "widgets/child_window.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kl {
namespace {

enum Column { name_column = 0, reading_column = 1, initials_column = 2 };

QTableWidgetItem* fixed_item(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

fm_name_reading::fm_name_reading(const md::DataStore& store, const QWidget* owner)
    : lb_reading(
          named(new QLabel(QStringLiteral(u"漢字の名前のイニシャルは、ここに入力した読みから作ります。\n"
                                          u"読みは、かなまたはローマ字で「姓 名」の順に入力します。"),
                           this),
                QStringLiteral(u"lb_reading"))),
      lstv_reading(named(new QTableWidget(this), QStringLiteral(u"lstv_reading"))),
      cm_set(named(new QPushButton(QStringLiteral(u"保存"), this), QStringLiteral(u"cm_set"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      store_(store) {
    setObjectName(QStringLiteral(u"fm_name_reading"));
    setWindowTitle(QStringLiteral(u"読みの設定"));
    setWindowFlags(Qt::Dialog);
    lstv_reading->setColumnCount(3);
    lstv_reading->setHorizontalHeaderLabels(
        {QStringLiteral(u"名前"), QStringLiteral(u"読み"), QStringLiteral(u"イニシャル")});
    lstv_reading->verticalHeader()->hide();
    lstv_reading->horizontalHeader()->setSectionResizeMode(reading_column, QHeaderView::Stretch);
    const std::vector<ReadingRow> rows =
        reading_rows(store, md::read_name_readings(md::readings_path_for(store.data_file_path)));
    lstv_reading->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < lstv_reading->rowCount(); ++row) {
        lstv_reading->setItem(row, name_column, fixed_item(rows[static_cast<size_t>(row)].name));
        lstv_reading->setItem(row, reading_column,
                              new QTableWidgetItem(rows[static_cast<size_t>(row)].reading));
        lstv_reading->setItem(row, initials_column, fixed_item({}));
        show_initials(row);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_set);
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lb_reading);
    layout->addWidget(lstv_reading);
    layout->addLayout(buttons);
    resize(px(7200), px(6000));
    centre_over(this, owner);

    connect(lstv_reading, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == reading_column) {
            show_initials(item->row());
        }
    });
    connect(cm_set, &QPushButton::clicked, this, &fm_name_reading::save);
    connect(cm_cancel, &QPushButton::clicked, this, &QWidget::close);
}

void fm_name_reading::show_initials(int row) {
    const QString reading = lstv_reading->item(row, reading_column)->text().trimmed();
    const QString name = lstv_reading->item(row, name_column)->text();
    const std::optional<QString> initials = latin_initials(reading.isEmpty() ? name : reading);
    lstv_reading->item(row, initials_column)->setText(initials.value_or(QStringLiteral(u"（番号で表示）")));
}

void fm_name_reading::save() {
    std::vector<ReadingRow> rows;
    for (int row = 0; row < lstv_reading->rowCount(); ++row) {
        rows.push_back(
            {lstv_reading->item(row, name_column)->text(), lstv_reading->item(row, reading_column)->text()});
    }
    if (const std::optional<md::UserMessage> failure = save_readings(store_, rows)) {
        show_message(*failure);
        return;
    }
    close();
}

}  // namespace kl
