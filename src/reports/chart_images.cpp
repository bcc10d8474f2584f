#include "chart_images.h"

namespace kl {
namespace {

const QString png_suffix = QStringLiteral(u".png");
const QString svg_suffix = QStringLiteral(u".svg");

}  // namespace

ImageFile chart_image_file(const QString& answer, ImageFormat chosen) {
    if (answer.endsWith(svg_suffix, Qt::CaseInsensitive)) {
        return {answer, ImageFormat::svg};
    }
    if (answer.endsWith(png_suffix, Qt::CaseInsensitive)) {
        return {answer, ImageFormat::png};
    }
    return {answer + (chosen == ImageFormat::svg ? svg_suffix : png_suffix), chosen};
}

QString proposed_image_name(const QString& team_name, const QString& chart_title) {
    QString name = team_name.isEmpty() ? chart_title : team_name + u'_' + chart_title;
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20) {
            c = u'_';
        }
    }
    return name + png_suffix;
}

}  // namespace kl
