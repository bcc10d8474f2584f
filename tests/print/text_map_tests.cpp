#include "print/pdf_output.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

QByteArray text_map(const QByteArray& ranges) {
    return "stream\n/CIDInit /ProcSet findresource begin\n2 beginbfrange\n" + ranges +
           "endbfrange\nendcmap\nendstream\n";
}

// The font draws 一 (U+4E00) and the radical ⼀ (U+2F00) with one glyph, and Qt names the lower.
TEST(TextMaps, ACodeTheTextNeverDrewIsTheDrawnCharacterWithItsGlyph) {
    const QByteArray pdf = text_map("<0000> <0000> <0000>\n<0001> <0003> [<2F00> <89A7> <2F24> ]\n");
    EXPECT_EQ(mend_text_maps(pdf, QStringLiteral(u"一覧大会")),
              text_map("<0000> <0000> <0000>\n<0001> <0003> [<4E00> <89A7> <5927> ]\n"));
    // Drawn as it stands, a radical stays.
    EXPECT_EQ(mend_text_maps(pdf, QStringLiteral(u"⼀覧⼤")), pdf);
}

TEST(TextMaps, OnlyCodesNamingOneGlyphChangeAndNoByteMoves) {
    // A range of ten glyphs counts its codes up from the first: it is left alone.
    const QByteArray ranges = "<0001> <000A> <2F00>\n<000B> <000B> <2F24>\n";
    const QByteArray mended = mend_text_maps(text_map(ranges), QStringLiteral(u"一大"));
    EXPECT_EQ(mended, text_map("<0001> <000A> <2F00>\n<000B> <000B> <5927>\n"));
    EXPECT_EQ(mend_text_maps(QByteArrayLiteral("no maps at all <2F00>"), QStringLiteral(u"一")),
              QByteArrayLiteral("no maps at all <2F00>"));
}

}  // namespace
}  // namespace kl
