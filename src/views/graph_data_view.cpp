#include "graph_data_view.h"

#include "print/view_documents.h"
#include "reports/season_texts.h"
#include "season_chart_pictures.h"
#include "statistics_models.h"
#include "store/text_file.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <utility>

namespace kl {
namespace {

const std::array<QString, GraphDataView::chart_page_count> page_titles = {
    QStringLiteral(u"試合結果の推移"), QStringLiteral(u"得点・アシスト"), QStringLiteral(u"出場時間"),
    QStringLiteral(u"得点の時間帯"), QStringLiteral(u"得点の形")};

const QString png_filter = QStringLiteral(u"PNG 画像 (*.png)");
const QString svg_filter = QStringLiteral(u"SVG 画像 (*.svg)");

// Charts smaller than this are not readable; one with many bars asks for room for each.
constexpr QSize least_chart_size(200, 220);
constexpr int bar_room = 22;
constexpr int chart_frame_room = 130;

QChartView* chart_view(int index) {
    auto* view = named(new QChartView(new QChart), indexed(u"pt_graph", index));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(least_chart_size);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    return view;
}

// Shows part in view, which is made long enough for the part's bars.
void show_part(QChartView* view, const ChartPart& part) {
    QChart* old = view->chart();
    view->setChart(part.chart);
    delete old;
    const int length = part.bars * bar_room + chart_frame_room;
    view->setMinimumSize(
        part.along == Qt::Horizontal ? std::max(length, least_chart_size.width()) : least_chart_size.width(),
        part.along == Qt::Vertical ? std::max(length, least_chart_size.height()) : least_chart_size.height());
}

// A saved or printed chart is drawn on a canvas at least this large, whatever the window's size.
constexpr QSize least_picture_size(960, 600);

}  // namespace

GraphDataView::GraphDataView(const md::DataStore& store, const SharedChoices& choices, QWidget* parent)
    : MainView(parent),
      fr_graph_setting(named(new QWidget(this), QStringLiteral(u"fr_graph_setting"))),
      ck_graph_date(
          named(new QCheckBox(QStringLiteral(u"期間"), fr_graph_setting), QStringLiteral(u"ck_graph_date"))),
      cb_date{selection_combo(fr_graph_setting, indexed(u"cb_date", 4), 2100),
              selection_combo(fr_graph_setting, indexed(u"cb_date", 5), 2100)},
      lb_graph_date(
          named(new QLabel(QStringLiteral(u"～"), fr_graph_setting), QStringLiteral(u"lb_graph_date"))),
      ck_graph_meeting(named(new QCheckBox(QStringLiteral(u"大会名"), fr_graph_setting),
                             QStringLiteral(u"ck_graph_meeting"))),
      cb_graph_meeting(selection_combo(fr_graph_setting, QStringLiteral(u"cb_graph_meeting"), 1800)),
      cm_graph(
          named(new QPushButton(QStringLiteral(u"更新"), fr_graph_setting), QStringLiteral(u"cm_graph"))),
      sp_graph(named(new QSplitter(Qt::Vertical, this), QStringLiteral(u"sp_graph"))),
      ts_graph(named(new QTabWidget, QStringLiteral(u"ts_graph"))),
      pt_graph{},
      lstv_squad(nullptr),
      lb_caution(nullptr),
      store_(store),
      squad_(new SquadTableModel(this)) {
    setObjectName(QStringLiteral(u"fr_data_4"));
    share_filter_choices(choices, cb_date, cb_graph_meeting);
    lb_graph_date->setEnabled(false);
    auto* bar = new QHBoxLayout(fr_graph_setting);
    bar->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ck_graph_date, cb_date[0], lb_graph_date, cb_date[1],
                                         ck_graph_meeting, cb_graph_meeting, cm_graph}) {
        bar->addWidget(widget);
    }
    govern(ck_graph_date, {cb_date[0], cb_date[1], lb_graph_date});
    govern(ck_graph_meeting, {cb_graph_meeting});
    connect(cm_graph, &QPushButton::clicked, this, &GraphDataView::update);

    build_chart_pages();
    sp_graph->addWidget(ts_graph);
    sp_graph->addWidget(build_squad_panel());
    sp_graph->setChildrenCollapsible(false);
    sp_graph->setStretchFactor(0, 3);
    sp_graph->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), 0, px(120), px(120));
    layout->addLayout(centred(fr_graph_setting));
    layout->addWidget(sp_graph, 1);
    clear();
}

void GraphDataView::build_chart_pages() {
    for (int i = 0; i < static_cast<int>(pt_graph.size()); ++i) {
        pt_graph[static_cast<size_t>(i)] = chart_view(i);
    }
    // 得点の形 is three small charts side by side.
    fr_graph_shape = named(new QWidget, QStringLiteral(u"fr_graph_shape"));
    auto* row = new QHBoxLayout(fr_graph_shape);
    row->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 4; i < pt_graph.size(); ++i) {
        row->addWidget(pt_graph[i]);
    }
    for (int page = 0; page < chart_page_count; ++page) {
        // A chart with many bars grows beyond the page, which then scrolls.
        auto* scroller = new QScrollArea;
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidget(chart_page(page));
        ts_graph->addTab(scroller, page_titles[static_cast<size_t>(page)]);
        auto* save =
            named(new QAction(QStringLiteral(u"画像として保存..."), this), indexed(u"menu_graph_save", page));
        connect(save, &QAction::triggered, this, [this, page] { ask_and_save_chart_image(page); });
        const auto first = static_cast<size_t>(page);  // the three of the last page follow each other
        for (size_t view = first; view < (page == chart_page_count - 1 ? pt_graph.size() : first + 1);
             ++view) {
            pt_graph[view]->addAction(save);
        }
    }
}

QWidget* GraphDataView::chart_page(int page) const {
    return page == chart_page_count - 1 ? fr_graph_shape
                                        : static_cast<QWidget*>(pt_graph.at(static_cast<size_t>(page)));
}

QWidget* GraphDataView::build_squad_panel() {
    auto* panel = named(new QWidget, QStringLiteral(u"fr_squad"));
    lstv_squad = named(new QTreeView(panel), QStringLiteral(u"lstv_squad"));
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(squad_);
    sorted->setSortRole(SquadTableModel::sort_role);
    lstv_squad->setModel(sorted);
    lstv_squad->setRootIsDecorated(false);
    lstv_squad->setItemsExpandable(false);
    lstv_squad->setUniformRowHeights(true);
    lstv_squad->setAllColumnsShowFocus(true);
    lstv_squad->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstv_squad->header()->setStretchLastSection(false);
    // Wide enough for each header: two, three or four characters.
    const std::array<int, squad_column_count> widths = {1440, 700, 700, 950, 950, 800,
                                                        700,  950, 700, 700, 700, 800};
    for (int column = 0; column < squad_column_count; ++column) {
        lstv_squad->setColumnWidth(column, column_width(lstv_squad, widths[static_cast<size_t>(column)]));
    }
    lstv_squad->setSortingEnabled(true);
    lstv_squad->sortByColumn(squad_minutes, Qt::DescendingOrder);  // who played most first
    lb_caution = named(new QLabel(panel), QStringLiteral(u"lb_caution"));
    lb_caution->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(lstv_squad, 1);
    column->addWidget(lb_caution);
    return panel;
}

StatsFilter GraphDataView::filter() const {
    return filter_of(ck_graph_date, cb_date, ck_graph_meeting, cb_graph_meeting);
}

void GraphDataView::update() {
    const StatsFilter chosen = filter();
    if (const std::optional<md::UserMessage> refusal = validate_filter(StatsView::team, chosen)) {
        show_message(*refusal);
        return;
    }
    filter_texts_ =
        show_filter_texts(chosen, cb_date, cb_graph_meeting, static_cast<int>(store_.game_lines.size()))
            .value_or(FilterTexts{});
    team_name_ = store_.team_name;
    charts_ = compute_season_charts(store_.game_lines, chosen);
    show_charts();
    show_squad();
    cleared_ = false;
}

void GraphDataView::clear() {
    // Every change of the games clears the view; empty charts are drawn only once.
    if (cleared_) {
        return;
    }
    charts_ = SeasonCharts{};
    filter_texts_ = FilterTexts{};
    show_charts();
    show_squad();
    cleared_ = true;
}

QString GraphDataView::copy_text() const {
    return season_copy_text(charts_, filter_texts_);
}

std::optional<PrintDocument> GraphDataView::print_document(const QDate& today) const {
    if (!computed()) {
        return std::nullopt;
    }
    return chart_document(today);
}

std::vector<ChartPart> GraphDataView::page_charts(int page) const {
    const int members = static_cast<int>(charts_.squad.size());
    switch (page) {
        case 0:
            return {
                {results_chart(charts_.games), Qt::Horizontal, static_cast<int>(charts_.games.size()) + 2}};
        case 1:
            return {{scorers_chart(charts_.squad), Qt::Vertical,
                     static_cast<int>(scorers_order(charts_.squad).size())}};
        case 2:
            return {{minutes_chart(charts_.squad, charts_.totals.minutes), Qt::Vertical, members}};
        case 3:
            return {{time_bands_chart(charts_.bands)}};
        default:
            return {{goal_shape_chart(QStringLiteral(u"部位"), charts_.shapes.body)},
                    {goal_shape_chart(QStringLiteral(u"エリア"), charts_.shapes.area)},
                    {goal_shape_chart(QStringLiteral(u"アクション"), charts_.shapes.action)}};
    }
}

void GraphDataView::show_charts() {
    for (int page = 0; page < chart_page_count; ++page) {
        const std::vector<ChartPart> parts = page_charts(page);
        const size_t first = static_cast<size_t>(page);  // the three of the last page follow each other
        for (size_t i = 0; i < parts.size(); ++i) {
            show_part(pt_graph[first + i], parts[i]);
        }
    }
}

std::unique_ptr<QWidget> GraphDataView::picture_of_page(int page, Canvas canvas) const {
    auto picture = std::make_unique<QWidget>();
    picture->setAttribute(Qt::WA_DontShowOnScreen);
    auto* row = new QHBoxLayout(picture.get());
    row->setContentsMargins(0, 0, 0, 0);
    for (const ChartPart& part : page_charts(page)) {
        auto* view = new QChartView(picture.get());
        view->setRenderHint(QPainter::Antialiasing);
        show_part(view, part);
        row->addWidget(view);
    }
    const QSize shown = canvas == Canvas::as_shown ? chart_page(page)->size() : QSize();
    picture->resize(shown.expandedTo(least_picture_size).expandedTo(picture->minimumSizeHint()));
    picture->show();  // laid out, never on the screen
    return picture;
}

void GraphDataView::show_squad() {
    squad_->set_members(charts_.squad);
    lb_caution->setText(caution_summary(charts_.cautions));
}

QString GraphDataView::chart_page_title(int page) const {
    return page_titles.at(static_cast<size_t>(page));
}

int GraphDataView::current_chart_page() const {
    return ts_graph->currentIndex();
}

void GraphDataView::paint_chart_page(int page, QPainter& painter, const QRectF& area) const {
    const std::unique_ptr<QWidget> picture = picture_of_page(page, Canvas::for_paper);
    const QSizeF size = picture->size();
    if (area.isEmpty()) {
        return;
    }
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.save();
    painter.translate(area.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    picture->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

PrintDocument GraphDataView::chart_document(const QDate& date) const {
    const int page = current_chart_page();
    const QSizeF canvas = picture_of_page(page, Canvas::for_paper)->size();
    DrawingBlock charts{
        [canvas](double width, const PageStyle&) { return width * canvas.height() / canvas.width(); },
        [this, page](QPainter& painter, const QRectF& area, const PageStyle&) {
            paint_chart_page(page, painter, area);
        }};
    return graph_data_document(team_name_, date, filter_texts_, chart_page_title(page), std::move(charts));
}

std::optional<md::UserMessage> GraphDataView::save_chart_image(int page, const ImageFile& file) const {
    const std::unique_ptr<QWidget> picture = picture_of_page(page, Canvas::as_shown);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (file.format == ImageFormat::svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(picture->size());
        svg.setViewBox(QRect(QPoint(), picture->size()));
        svg.setTitle(chart_page_title(page));
        QPainter painter(&svg);
        picture->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    } else {
        // Twice the canvas, so the picture stays sharp in a document or on paper.
        constexpr int scale = 2;
        QImage image(picture->size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        painter.end();
        image.save(&buffer, "PNG");
    }
    const md::WriteResult written = md::write_whole_file(file.path, bytes);
    if (!written.ok) {
        return md::SaveResult{false, file.path, written.reason}.message();
    }
    return std::nullopt;
}

void GraphDataView::ask_and_save_chart_image(int page) {
    QString chosen_filter = png_filter;
    const QString answer = QFileDialog::getSaveFileName(
        this, QStringLiteral(u"画像として保存"),
        QDir::current().absoluteFilePath(proposed_image_name(team_name_, chart_page_title(page))),
        png_filter + QStringLiteral(u";;") + svg_filter, &chosen_filter);
    if (answer.isEmpty()) {
        return;
    }
    const ImageFile file =
        chart_image_file(answer, chosen_filter == svg_filter ? ImageFormat::svg : ImageFormat::png);
    if (const std::optional<md::UserMessage> failure = save_chart_image(page, file)) {
        show_message(*failure);
    }
}

void GraphDataView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Wide enough, the squad table stands beside the charts; otherwise below them.
    const QSize size = event->size();
    const Qt::Orientation wanted =
        size.width() >= 1100 && size.width() > size.height() * 3 / 2 ? Qt::Horizontal : Qt::Vertical;
    if (wanted == sp_graph->orientation()) {
        return;
    }
    sp_graph->setOrientation(wanted);
    const int whole = wanted == Qt::Horizontal ? sp_graph->width() : sp_graph->height();
    const int whole_table = lstv_squad->header()->length() + 2 * lstv_squad->frameWidth() +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    const int table = wanted == Qt::Horizontal ? std::min(whole_table, whole / 2) : whole * 2 / 5;
    sp_graph->setSizes({whole - table, table});
}

}  // namespace kl
