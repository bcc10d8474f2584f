#include "game_detail_view.h"

#include "print/view_documents.h"
#include "reports/career_texts.h"
#include "reports/copy_texts.h"
#include "stats/head_to_head.h"
#include "widgets/choice_list.h"
#include "widgets/fonts.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace kl {
namespace {

// The sheet's line unit: each added line makes a box 200 twips taller.
constexpr int line_pixels = 200 / twips_per_pixel;

// A box of the sheet. Each box is as tall as its lines, so it never scrolls its own text: the wheel
// over it scrolls the sheet.
class SheetTextBox : public QTextEdit {
  public:
    using QTextEdit::QTextEdit;

  protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

QTextEdit* make_box(QWidget* parent, int index) {
    auto* box = new SheetTextBox(parent);
    named(box, indexed(u"tx_game_data", index));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    // Long lines wrap, as an assisted goal or a conceded goal takes two lines of its box.
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setBackgroundRole(QPalette::Button);
    box->viewport()->setBackgroundRole(QPalette::Button);
    box->document()->setDocumentMargin(2);
    // Numbers are padded with blanks to line up, which only a fixed-pitch font shows.
    box->setFont(fixed_pitch_font(11));
    return box;
}

}  // namespace

GameDetailView::GameDetailView(const md::DataStore& store, QWidget* parent)
    : MainView(parent),
      lb_game_data(named(new QLabel(QStringLiteral(u"試合データ"), this), QStringLiteral(u"lb_game_data"))),
      cb_game_data(named(new QComboBox(this), QStringLiteral(u"cb_game_data"))),
      pt_game_data(named(new QScrollArea(this), QStringLiteral(u"pt_game_data"))),
      fr_game_data(named(new QWidget, QStringLiteral(u"fr_game_data"))),
      store_(store),
      entries_(new ChoiceList(this)),
      sheet_extent_(new QWidget) {
    setObjectName(QStringLiteral(u"fr_data_1"));
    cb_game_data->setMinimumWidth(px(4800));
    // Its width is the design's: sizing it to its longest entry would measure every stored game.
    cb_game_data->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    entries_->attach(cb_game_data);
    pt_game_data->verticalScrollBar()->setObjectName(QStringLiteral(u"vsb_game_data"));
    pt_game_data->horizontalScrollBar()->setObjectName(QStringLiteral(u"hsb_game_data"));
    pt_game_data->setFrameShape(QFrame::NoFrame);
    pt_game_data->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fr_game_data->setParent(sheet_extent_);
    for (int i = 0; i < sheet_box_count; ++i) {
        tx_game_data[static_cast<size_t>(i)] = make_box(fr_game_data, i);
    }
    pt_game_data->setWidget(sheet_extent_);
    show_sheet(empty_game_sheet());

    auto* title_row = new QHBoxLayout;
    title_row->addStretch();
    title_row->addWidget(lb_game_data);
    title_row->addSpacing(px(240));
    title_row->addWidget(cb_game_data);
    title_row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(240), 0, px(240), px(120));
    layout->addLayout(title_row);
    layout->addWidget(pt_game_data, 1);

    connect(cb_game_data, &QComboBox::currentIndexChanged, this, [this] {
        if (const std::optional<md::GameRecord> game = chosen_game()) {
            // Below the header: the record against this opponent before this game.
            const OpponentRecord before =
                record_before(store_.game_lines, game->opponent(), game->date(), game->start_time());
            show_sheet(
                with_line_below_header(compose_game_sheet(*game, store_.team_name), record_line(before)));
        }
    });
}

void GameDetailView::clear() {
    entries_->set({});
    for (int i = 0; i < sheet_box_count; ++i) {
        set_box_text(i, empty_sheet_texts()[static_cast<size_t>(i)]);
    }
}

void GameDetailView::set_entries(const QStringList& entries) {
    entries_->set(entries);
}

void GameDetailView::choose_game(int position) {
    cb_game_data->setFocus();
    cb_game_data->setCurrentIndex(position);
}

std::optional<int> GameDetailView::chosen_position() const {
    const int chosen = cb_game_data->currentIndex();
    return chosen >= 0 ? std::optional(chosen) : std::nullopt;
}

std::optional<md::GameRecord> GameDetailView::chosen_game() const {
    const std::optional<int> chosen = chosen_position();
    if (!chosen || *chosen >= store_.game_lines.size()) {
        return std::nullopt;
    }
    return md::GameRecord::parse(store_.game_lines[*chosen]);
}

QString GameDetailView::copy_text() const {
    return compose_game_detail_text(chosen_game(), store_.team_name);
}

std::optional<PrintDocument> GameDetailView::print_document(const QDate& today) const {
    if (const std::optional<md::GameRecord> game = chosen_game()) {
        return game_detail_document(store_.team_name, today, *game);
    }
    return std::nullopt;
}

QDate GameDetailView::output_day(const QDate& today) const {
    if (const std::optional<md::GameRecord> game = chosen_game()) {
        if (const QDate played = QDate::fromString(game->date(), QStringLiteral(u"yyyy/MM/dd"));
            played.isValid()) {
            return played;
        }
    }
    return today;
}

void GameDetailView::show_sheet(const GameSheet& sheet) {
    for (int i = 0; i < sheet_box_count; ++i) {
        const SheetBox& box = sheet.boxes[static_cast<size_t>(i)];
        tx_game_data[static_cast<size_t>(i)]->setGeometry(px(box.left), px(box.top), px(box.width),
                                                          px(box.height));
        set_box_text(i, box.text);
    }
    fr_game_data->setFixedSize(px(sheet_width), px(sheet.frame_height));
    // The scrolled extent leaves a margin right of and below the sheet.
    sheet_extent_->setFixedSize(px(sheet_width + 120), px(sheet.content_height() + 100));
    pt_game_data->verticalScrollBar()->setValue(0);
}

void GameDetailView::set_box_text(int box, const QString& text) {
    QTextEdit* edit = tx_game_data[static_cast<size_t>(box)];
    // The text keeps its CR LF line ends; the box shows one line per CR LF, each one line unit high.
    edit->setPlainText(QString(text).replace(QStringLiteral(u"\r\n"), QStringLiteral(u"\n")));
    QTextCursor cursor(edit->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(line_pixels, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(format);
}

}  // namespace kl
