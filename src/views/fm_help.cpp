#include "fm_help.h"

#include "help_manual.h"
#include "store/text_file.h"
#include "widgets/naming.h"
#include "widgets/window_keys.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

namespace kl {
namespace {

constexpr int target_role = Qt::UserRole;
const QString help_style_sheet = QStringLiteral(u"manual.css");

QString target_of(const QUrl& source) {
    const QString page = source.fileName();
    return source.hasFragment() ? page + u'#' + source.fragment() : page;
}

}  // namespace

fm_help::fm_help(const QString& folder)
    : cm_back(nullptr),
      cm_forward(nullptr),
      cm_home(nullptr),
      tx_search(named(new QLineEdit, QStringLiteral(u"tx_search"))),
      cm_search(named(new QPushButton(QStringLiteral(u"検索")), QStringLiteral(u"cm_search"))),
      tv_contents(named(new QTreeWidget, QStringLiteral(u"tv_contents"))),
      lst_search(named(new QListWidget, QStringLiteral(u"lst_search"))),
      tx_help(named(new QTextBrowser, QStringLiteral(u"tx_help"))),
      folder_(folder) {
    setObjectName(QStringLiteral(u"fm_help"));
    setWindowTitle(QStringLiteral(u"Kickledger ヘルプ"));
    resize(1100, 760);

    QToolBar* bar = addToolBar(QStringLiteral(u"tb_help"));
    bar->setObjectName(QStringLiteral(u"tb_help"));
    bar->setMovable(false);
    cm_back = named(bar->addAction(QStringLiteral(u"戻る")), QStringLiteral(u"cm_back"));
    cm_forward = named(bar->addAction(QStringLiteral(u"進む")), QStringLiteral(u"cm_forward"));
    cm_home = named(bar->addAction(QStringLiteral(u"目次")), QStringLiteral(u"cm_home"));
    cm_back->setShortcut(QKeySequence::Back);
    cm_forward->setShortcut(QKeySequence::Forward);
    cm_back->setEnabled(false);
    cm_forward->setEnabled(false);
    bar->addSeparator();
    tx_search->setPlaceholderText(QStringLiteral(u"ヘルプ内を検索"));
    tx_search->setMaximumWidth(260);
    bar->addWidget(tx_search);
    bar->addWidget(cm_search);

    tv_contents->setHeaderHidden(true);
    tv_contents->setRootIsDecorated(true);
    auto* side = new QWidget;
    auto* side_layout = new QVBoxLayout(side);
    side_layout->setContentsMargins(4, 4, 0, 4);
    side_layout->addWidget(new QLabel(QStringLiteral(u"目次")));
    side_layout->addWidget(tv_contents, 3);
    side_layout->addWidget(new QLabel(QStringLiteral(u"検索結果")));
    side_layout->addWidget(lst_search, 1);
    tx_help->setOpenExternalLinks(true);
    tx_help->setSearchPaths({folder_});
    // The pages' style sheet, which a text browser does not follow from their <link>.
    if (const std::optional<QByteArray> css = md::read_whole_file(QDir(folder_).filePath(help_style_sheet))) {
        tx_help->document()->setDefaultStyleSheet(QString::fromUtf8(*css));
    }
    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(tx_help);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 870});
    setCentralWidget(splitter);

    close_on_escape(this);
    connect(cm_back, &QAction::triggered, tx_help, &QTextBrowser::backward);
    connect(cm_forward, &QAction::triggered, tx_help, &QTextBrowser::forward);
    connect(cm_home, &QAction::triggered, this, [this] { show_page(help_contents_page); });
    connect(tx_help, &QTextBrowser::backwardAvailable, cm_back, &QAction::setEnabled);
    connect(tx_help, &QTextBrowser::forwardAvailable, cm_forward, &QAction::setEnabled);
    connect(tx_help, &QTextBrowser::sourceChanged, this, &fm_help::select_contents_entry);
    connect(tv_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { show_page(item->data(0, target_role).toString()); });
    connect(cm_search, &QPushButton::clicked, this, [this] { search(tx_search->text()); });
    connect(tx_search, &QLineEdit::returnPressed, this, [this] { search(tx_search->text()); });
    connect(lst_search, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { show_search_hit(item->data(target_role).toString()); });

    fill_contents();
    show_page(help_contents_page);
}

void fm_help::fill_contents() {
    QTreeWidgetItem* page = nullptr;
    for (const HelpEntry& entry : help_contents(folder_)) {
        auto* item = entry.level == 0 || page == nullptr ? new QTreeWidgetItem(tv_contents)
                                                         : new QTreeWidgetItem(page);
        item->setText(0, entry.title);
        item->setData(0, target_role, entry.target);
        if (entry.level == 0) {
            page = item;
        }
    }
}

void fm_help::show_page(const QString& target) {
    const QString page = target.section(u'#', 0, 0);
    QUrl url = QUrl::fromLocalFile(QDir(folder_).absoluteFilePath(page));
    if (target.contains(u'#')) {
        url.setFragment(target.section(u'#', 1));
    }
    tx_help->setSource(url);
}

void fm_help::select_contents_entry(const QUrl& source) {
    const QString target = target_of(source);
    QTreeWidgetItemIterator it(tv_contents);
    for (; *it != nullptr; ++it) {
        if ((*it)->data(0, target_role).toString() == target) {
            tv_contents->setCurrentItem(*it);
            return;
        }
    }
}

void fm_help::search(const QString& query) {
    query_ = query.simplified();
    lst_search->clear();
    if (query_.isEmpty()) {
        return;
    }
    const std::vector<HelpEntry> hits = search_help(folder_, query_);
    for (const HelpEntry& hit : hits) {
        auto* item = new QListWidgetItem(hit.title, lst_search);
        item->setData(target_role, hit.target);
    }
    if (hits.empty()) {
        auto* none = new QListWidgetItem(QStringLiteral(u"見つかりませんでした。"), lst_search);
        none->setFlags(Qt::NoItemFlags);
        return;
    }
    lst_search->setCurrentRow(0);
    show_search_hit(hits.front().target);
}

// The page with the first place of the query's first word marked.
void fm_help::show_search_hit(const QString& target) {
    show_page(target);
    tx_help->moveCursor(QTextCursor::Start);
    tx_help->find(query_.section(u' ', 0, 0));
}

}  // namespace kl
