#include "fm_name_import.h"

#include "store/text_file.h"
#include "widgets/list_columns.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kl {
namespace {

QString list_title(NameList list) {
    switch (list) {
        case NameList::members:
            return QStringLiteral(u"メンバーの読み込み");
        case NameList::grounds:
            return QStringLiteral(u"場所の読み込み");
        case NameList::opponents:
            break;
    }
    return QStringLiteral(u"対戦相手の読み込み");
}

}  // namespace

fm_name_import::fm_name_import(NameList list, const QStringList& listed, QWidget* parent)
    : QDialog(parent),
      cm_import_file(named(new QPushButton(QStringLiteral(u"ファイルを選択..."), this),
                           QStringLiteral(u"cm_import_file"))),
      cm_import_clipboard(named(new QPushButton(QStringLiteral(u"クリップボードから"), this),
                                QStringLiteral(u"cm_import_clipboard"))),
      lb_import_source(named(
          new QLabel(QStringLiteral(u"CSV・TSV のファイルか、表計算ソフトでコピーした範囲から読み込みます。"),
                     this),
          QStringLiteral(u"lb_import_source"))),
      lstv_import(named(new QTreeWidget(this), QStringLiteral(u"lstv_import"))),
      lb_import_count(named(new QLabel(this), QStringLiteral(u"lb_import_count"))),
      cm_import_add(named(new QPushButton(QStringLiteral(u"追加"), this), QStringLiteral(u"cm_import_add"))),
      cm_cancel(named(new QPushButton(QStringLiteral(u"キャンセル"), this), QStringLiteral(u"cm_cancel"))),
      list_(list),
      listed_(listed) {
    setObjectName(QStringLiteral(u"fm_name_import"));
    setWindowTitle(list_title(list));
    lb_import_source->setWordWrap(true);
    lstv_import->setRootIsDecorated(false);
    lstv_import->setUniformRowHeights(true);
    lstv_import->setHeaderLabels({QStringLiteral(u"行"), name_list_heading(list), QStringLiteral(u"結果")});
    fit_columns(lstv_import, {600, 2400});
    cm_import_add->setEnabled(false);

    auto* sources = new QHBoxLayout;
    sources->addWidget(cm_import_file);
    sources->addWidget(cm_import_clipboard);
    sources->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lb_import_count, 1);
    buttons->addWidget(cm_import_add);
    buttons->addWidget(cm_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sources);
    layout->addWidget(lb_import_source);
    layout->addWidget(lstv_import, 1);
    layout->addLayout(buttons);
    resize(px(9000), px(6000));

    connect(cm_import_file, &QPushButton::clicked, this, &fm_name_import::choose_file);
    connect(cm_import_clipboard, &QPushButton::clicked, this,
            [this] { load_text(QGuiApplication::clipboard()->text(), QStringLiteral(u"クリップボード")); });
    connect(cm_import_add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cm_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void fm_name_import::choose_file() {
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral(u"読み込むファイル"), QDir::currentPath(),
                                     QStringLiteral(u"CSV・TSV (*.csv *.tsv *.txt);;すべてのファイル (*)"));
    if (!file.isEmpty()) {
        load_file(file);
    }
}

void fm_name_import::load_file(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const std::optional<QByteArray> bytes = md::read_whole_file(path);
    if (!bytes) {
        show_message({QStringLiteral(u"読み込みエラー"),
                      QStringLiteral(u"「") + name +
                          QStringLiteral(u"」　を読み込めません。（ファイルを開けません）")});
        return;
    }
    const std::optional<ImportText> text = decode_import_bytes(*bytes);
    if (!text) {
        show_message(unreadable_import_message(name));
        return;
    }
    load_text(text->text, name + QStringLiteral(u"（") + text->encoding + QStringLiteral(u"）"));
}

void fm_name_import::load_text(const QString& text, const QString& source) {
    preview_ = preview_import(list_, text, listed_);
    lstv_import->clear();
    for (const ImportLine& line : preview_.lines) {
        auto* item = new QTreeWidgetItem(lstv_import, {QString::number(line.row), line.name,
                                                       line.refusal.value_or(QStringLiteral(u"追加"))});
        if (line.refusal) {
            item->setForeground(2, QColor(0xc0, 0x20, 0x20));
        }
    }
    const QString heading = preview_.header.isEmpty()
                                ? QStringLiteral(u"1列目")
                                : QStringLiteral(u"「") + preview_.header + QStringLiteral(u"」の列");
    lb_import_source->setText(QStringLiteral(u"読み込み元：") + source + QStringLiteral(u"　") + heading);
    const int adding = static_cast<int>(preview_.names_to_add().size());
    lb_import_count->setText(QStringLiteral(u"追加する名前：") + QString::number(adding) +
                             QStringLiteral(u"件　追加しない行：") +
                             QString::number(preview_.refused_count()) + QStringLiteral(u"件"));
    cm_import_add->setEnabled(adding > 0);
}

}  // namespace kl
