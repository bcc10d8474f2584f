#include "graph_data_view.h"

#include "print/view_documents.h"
#include "reports/season_texts.h"
#include "season_chart_pictures.h"
#include "statistics_models.h"
#include "store/text_file.h"
#include "widgets/list_columns.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
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

// Shows part in view, made long enough for the part's bars. The view takes an empty chart and its
// size first: the chart is laid out once, at the size it is shown, when its series and axes are in.
void show_part(QChartView* view, const ChartPart& part) {
    QChart* old = view->chart();
    auto* chart = new QChart;
    view->setChart(chart);
    delete old;
    const int length = part.bars * bar_room + chart_frame_room;
    view->setMinimumSize(
        part.along == Qt::Horizontal ? std::max(length, least_chart_size.width()) : least_chart_size.width(),
        part.along == Qt::Vertical ? std::max(length, least_chart_size.height()) : least_chart_size.height());
    // A chart page that scrolls takes its new size now rather than at its next layout: the room
    // of the page, less a scroll bar where the chart is longer.
    if (auto* scroller = qobject_cast<QScrollArea*>(
            view->parentWidget() != nullptr ? view->parentWidget()->parentWidget() : nullptr)) {
        QSize room = scroller->maximumViewportSize();
        if (view->minimumHeight() > room.height()) {
            room.rwidth() -= scroller->verticalScrollBar()->sizeHint().width();
        }
        if (view->minimumWidth() > room.width()) {
            room.rheight() -= scroller->horizontalScrollBar()->sizeHint().height();
        }
        view->resize(room.expandedTo(view->minimumSize()));
    }
    part.draw(chart);
}

// The bars of the results trend that fit a chart this wide: a bar and its label need bar_room, and
// the axes and their titles the frame and two bars more.
int trend_capacity(int width) {
    return std::max(1, (width - chart_frame_room) / bar_room - 2);
}

// The lines of cautions that add up shown below the squad table without scrolling.
constexpr int shown_caution_lines = 4;

// A label of many lines that draws only the lines in view: in a scroll area it costs as much as the
// lines shown, however many it holds.
class LinesLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        const QStringList lines = text().split(u'\n');
        const QRect area = contentsRect();
        // As tall as the label's own layout makes each line.
        const double spacing = double(area.height()) / double(lines.size());
        if (spacing <= 0) {
            return;
        }
        const QRect exposed = event->rect();
        const auto first = static_cast<qsizetype>(std::max(0.0, (exposed.top() - area.top()) / spacing));
        const auto last =
            std::min(lines.size() - 1, static_cast<qsizetype>((exposed.bottom() - area.top()) / spacing));
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        for (qsizetype line = first; line <= last; ++line) {
            const QRectF box(area.left(), area.top() + double(line) * spacing, area.width(), spacing);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines[line]);
        }
    }
};

void unclip(QGraphicsItem* item) {
    item->setFlag(QGraphicsItem::ItemClipsChildrenToShape, false);
    item->setFlag(QGraphicsItem::ItemClipsToShape, false);
    for (QGraphicsItem* child : item->childItems()) {
        unclip(child);
    }
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), 0, px(120), px(120));
    layout->addLayout(centred(fr_graph_setting));
    refit_trend_.setSingleShot(true);
    connect(&refit_trend_, &QTimer::timeout, this, [this] {
        if (trend_for(Canvas::as_shown).bars.size() != shown_trend_bars_) {
            drawn_[0] = false;
            show_current_page();
        }
    });
}

void GraphDataView::setVisible(bool visible) {
    if (visible && sp_graph == nullptr) {
        build_charts();
    }
    MainView::setVisible(visible);
}

void GraphDataView::build_charts() {
    sp_graph = named(new QSplitter(Qt::Vertical, this), QStringLiteral(u"sp_graph"));
    ts_graph = named(new QTabWidget, QStringLiteral(u"ts_graph"));
    build_chart_pages();
    sp_graph->addWidget(ts_graph);
    sp_graph->addWidget(build_squad_panel());
    sp_graph->setChildrenCollapsible(false);
    sp_graph->setStretchFactor(0, 3);
    sp_graph->setStretchFactor(1, 2);
    static_cast<QVBoxLayout*>(layout())->addWidget(sp_graph, 1);
    show_squad();
    // A page's charts are drawn when the page is first shown after a computation.
    connect(ts_graph, &QTabWidget::currentChanged, this, &GraphDataView::show_current_page);
    // The results trend has as many bars as its page is wide enough for.
    ts_graph->widget(0)->installEventFilter(this);
    fit_splitter(size());
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
    // Wide enough for each header: two, three or four characters.
    fit_columns(lstv_squad, {1440, 700, 700, 950, 950, 800, 700, 950, 700, 700, 700, 800});
    lstv_squad->setSortingEnabled(true);
    lstv_squad->sortByColumn(squad_minutes, Qt::DescendingOrder);  // who played most first
    lb_caution = named(new LinesLabel, QStringLiteral(u"lb_caution"));
    lb_caution->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A long season has many cautions that add up: a few lines show, the rest scroll.
    sc_caution = new QScrollArea(panel);
    sc_caution->setWidget(lb_caution);
    sc_caution->setWidgetResizable(true);
    sc_caution->setFrameShape(QFrame::NoFrame);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(lstv_squad, 1);
    column->addWidget(sc_caution);
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
    cleared_ = false;
    show_squad();
    drawn_.fill(false);
    show_current_page();
}

void GraphDataView::clear() {
    if (cleared_) {
        return;
    }
    charts_ = SeasonCharts{};
    filter_texts_ = FilterTexts{};
    cleared_ = true;
    show_squad();
    drawn_.fill(false);
    show_current_page();
}

void GraphDataView::showEvent(QShowEvent* event) {
    MainView::showEvent(event);
    show_current_page();
}

bool GraphDataView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == ts_graph->widget(0)) {
        refit_trend_.start();
    }
    return MainView::eventFilter(watched, event);
}

void GraphDataView::show_current_page() {
    const int page = current_chart_page();
    if (!isVisible() || drawn_[static_cast<size_t>(page)]) {
        return;
    }
    const std::vector<ChartPart> parts = page_charts(page, Canvas::as_shown);
    if (page == 0) {
        shown_trend_bars_ = trend_for(Canvas::as_shown).bars.size();
    }
    const size_t first = static_cast<size_t>(page);  // the three of the last page follow each other
    for (size_t i = 0; i < parts.size(); ++i) {
        show_part(pt_graph[first + i], parts[i]);
    }
    drawn_[static_cast<size_t>(page)] = true;
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

ResultsTrend GraphDataView::trend_for(Canvas canvas) const {
    if (canvas == Canvas::for_paper) {
        return results_trend(charts_.games, static_cast<int>(charts_.games.size()));
    }
    const int width = ts_graph != nullptr ? ts_graph->widget(0)->width() : least_picture_size.width();
    return results_trend(charts_.games, trend_capacity(width));
}

std::vector<ChartPart> GraphDataView::page_charts(int page, Canvas canvas) const {
    const SeasonCharts& charts = charts_;
    switch (page) {
        case 0: {
            ResultsTrend trend = trend_for(canvas);
            const int bars = static_cast<int>(trend.bars.size()) + 2;
            return {{[&charts, trend = std::move(trend)](QChart* chart) {
                         results_chart(chart, trend, charts.games);
                     },
                     Qt::Horizontal, bars}};
        }
        case 1:
            return {{[&charts](QChart* chart) { scorers_chart(chart, charts.squad); }, Qt::Vertical,
                     static_cast<int>(scorers_order(charts.squad).size())}};
        case 2:
            return {{[&charts](QChart* chart) { minutes_chart(chart, charts.squad, charts.totals.minutes); },
                     Qt::Vertical, static_cast<int>(charts.squad.size())}};
        case 3:
            return {{[&charts](QChart* chart) { time_bands_chart(chart, charts.bands); }}};
        default:
            return {{[&charts](QChart* chart) {
                        goal_shape_chart(chart, QStringLiteral(u"部位"), charts.shapes.body);
                    }},
                    {[&charts](QChart* chart) {
                        goal_shape_chart(chart, QStringLiteral(u"エリア"), charts.shapes.area);
                    }},
                    {[&charts](QChart* chart) {
                        goal_shape_chart(chart, QStringLiteral(u"アクション"), charts.shapes.action);
                    }}};
    }
}

std::unique_ptr<QWidget> GraphDataView::picture_of_page(int page, Canvas canvas) const {
    auto picture = std::make_unique<QWidget>();
    picture->setAttribute(Qt::WA_DontShowOnScreen);
    auto* row = new QHBoxLayout(picture.get());
    row->setContentsMargins(0, 0, 0, 0);
    for (const ChartPart& part : page_charts(page, canvas)) {
        auto* view = new QChartView(picture.get());
        view->setRenderHint(QPainter::Antialiasing);
        show_part(view, part);
        row->addWidget(view);
    }
    const QSize shown =
        canvas == Canvas::as_shown && sp_graph != nullptr ? chart_page(page)->size() : QSize();
    picture->resize(shown.expandedTo(least_picture_size).expandedTo(picture->minimumSizeHint()));
    picture->show();  // laid out, never on the screen
    // The charts are laid out when their series and axes are in, as a posted request; an axis
    // that takes fewer steps for its height asks once more.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // Qt's PDF output cuts a legend clipped to its own shape down to its first label; the legend is
    // laid out to fit, so it needs no clipping.
    for (const QChartView* view : picture->findChildren<QChartView*>()) {
        unclip(view->chart()->legend());
    }
    return picture;
}

void GraphDataView::show_squad() {
    squad_->set_members(charts_.squad);
    if (lb_caution != nullptr) {
        // Before 更新 there is nothing to sum up: "なし" would claim a computation.
        lb_caution->setText(cleared_ ? QString() : caution_summary(charts_.cautions));
        // As tall as its lines up to a few, with room for a scroll bar below long lines.
        const int lines = static_cast<int>(lb_caution->text().count(u'\n')) + 1;
        // An empty label keeps the height of a line, so the table does not jump at 更新.
        const int line_height =
            std::max(lb_caution->fontMetrics().height(), lb_caution->sizeHint().height() / lines);
        sc_caution->setFixedHeight(line_height * std::min(lines, shown_caution_lines) +
                                   sc_caution->horizontalScrollBar()->sizeHint().height());
    }
}

QString GraphDataView::chart_page_title(int page) const {
    return page_titles.at(static_cast<size_t>(page));
}

int GraphDataView::current_chart_page() const {
    return ts_graph != nullptr ? ts_graph->currentIndex() : 0;
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
    if (sp_graph != nullptr) {
        fit_splitter(event->size());
    }
}

void GraphDataView::fit_splitter(const QSize& size) {
    // Wide enough, the squad table stands beside the charts; otherwise below them.
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
