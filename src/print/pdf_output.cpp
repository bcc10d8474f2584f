#include "pdf_output.h"

#include "page_painter.h"

#include <QBuffer>
#include <QHash>
#include <QPdfWriter>
#include <QRawFont>
#include <QSet>
#include <algorithm>
#include <optional>
#include <vector>

namespace kl {
namespace {

// The drawn character each code of a text map stands for, found by the glyph both have.
class PrintedCharacters {
  public:
    explicit PrintedCharacters(const QString& drawn) {
        for (const QChar c : drawn) {
            drawn_.insert(c.unicode());
        }
        for (const bool bold : {false, true}) {
            fonts_.push_back(QRawFont::fromFont(print_font(10, bold)));
        }
        for (QRawFont& font : fonts_) {
            QHash<quint32, char16_t>& glyphs = drawn_by_glyph_.emplace_back();
            for (const char16_t c : drawn_) {
                if (const quint32 glyph = glyph_of(font, c); glyph != 0 && !glyphs.contains(glyph)) {
                    glyphs.insert(glyph, c);
                }
            }
        }
    }

    char16_t of(char16_t code) const {
        if (drawn_.contains(code)) {
            return code;
        }
        for (size_t i = 0; i < fonts_.size(); ++i) {
            if (const auto drawn = drawn_by_glyph_[i].constFind(glyph_of(fonts_[i], code));
                drawn != drawn_by_glyph_[i].constEnd()) {
                return *drawn;
            }
        }
        return code;
    }

  private:
    static quint32 glyph_of(const QRawFont& font, char16_t c) {
        return font.glyphIndexesForString(QString(QChar(c))).value(0);
    }

    QSet<char16_t> drawn_;
    std::vector<QRawFont> fonts_;
    std::vector<QHash<quint32, char16_t>> drawn_by_glyph_;
};

int hex_value(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The code of a "<XXXX>" at position, when there is one.
std::optional<char16_t> code_at(const QByteArray& pdf, qsizetype position) {
    if (position + 5 >= pdf.size() || pdf[position] != '<' || pdf[position + 5] != '>') {
        return std::nullopt;
    }
    int code = 0;
    for (qsizetype i = position + 1; i < position + 5; ++i) {
        const int digit = hex_value(pdf[i]);
        if (digit < 0) {
            return std::nullopt;
        }
        code = code * 16 + digit;
    }
    return static_cast<char16_t>(code);
}

void write_code(QByteArray& pdf, qsizetype position, char16_t code) {
    pdf.replace(position + 1, 4,
                QByteArray::number(static_cast<int>(code), 16).toUpper().rightJustified(4, '0'));
}

// One line of a bfrange: "<from> <to> <code>" or "<from> <to> [<code> ...]". A range of one glyph
// and every code of a list name one glyph each; a longer range counts codes up and is left alone.
void mend_range_line(QByteArray& pdf, qsizetype begin, qsizetype end, const PrintedCharacters& printed) {
    const std::optional<char16_t> from = code_at(pdf, begin);
    const std::optional<char16_t> to = code_at(pdf, begin + 7);
    if (!from || !to) {
        return;
    }
    const bool list = pdf.indexOf('[', begin) >= 0 && pdf.indexOf('[', begin) < end;
    if (!list && *from != *to) {
        return;
    }
    for (qsizetype i = begin + 14; i < end; ++i) {
        if (const std::optional<char16_t> code = code_at(pdf, i)) {
            if (const char16_t character = printed.of(*code); character != *code) {
                write_code(pdf, i, character);
            }
            i += 5;
        }
    }
}

}  // namespace

QByteArray mend_text_maps(QByteArray pdf, const QString& drawn) {
    const PrintedCharacters printed(drawn);
    qsizetype at = 0;
    while ((at = pdf.indexOf("beginbfrange\n", at)) >= 0) {
        const qsizetype end = pdf.indexOf("endbfrange", at);
        if (end < 0) {
            break;
        }
        qsizetype line = pdf.indexOf('\n', at) + 1;
        while (line > 0 && line < end) {
            const qsizetype line_end = pdf.indexOf('\n', line);
            mend_range_line(pdf, line, line_end < 0 ? end : std::min(line_end, end), printed);
            line = line_end < 0 ? -1 : line_end + 1;
        }
        at = end;
    }
    return pdf;
}

QByteArray pdf_bytes(const PrintDocument& document, const QString& title) {
    QByteArray bytes;
    QString drawn;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral(u"Kickledger"));
        writer.setResolution(600);
        use_a4_pages(writer);
        paint_document(document, writer, &drawn);
    }
    return mend_text_maps(bytes, drawn);
}

md::WriteResult write_pdf(const PrintDocument& document, const QString& title, const QString& path) {
    return md::write_whole_file(path, pdf_bytes(document, title));
}

bool mend_text_maps_of_file(const QString& path, const QString& drawn) {
    const std::optional<QByteArray> bytes = md::read_whole_file(path);
    return bytes && md::write_whole_file(path, mend_text_maps(*bytes, drawn)).ok;
}

}  // namespace kl
