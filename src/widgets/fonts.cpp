#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace kl {

void use_program_font() {
    QFont font = QApplication::font();
    font.setPointSize(9);
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

QFont fixed_pitch_font(int pixel_size) {
    // Looked up once: the sheet and the personal view ask for it box by box.
    static const QFont chosen = [] {
        const QString family = QStringLiteral(u"Noto Sans Mono CJK JP");
        return QFontDatabase::hasFamily(family) ? QFont(family)
                                                : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }();
    QFont font = chosen;
    font.setStyleHint(QFont::Monospace);
    // An even size makes a half-width character a whole number of pixels, so a full-width blank is
    // exactly two half-width ones on the screen too.
    font.setPixelSize(pixel_size + pixel_size % 2);
    return font;
}

}  // namespace kl
