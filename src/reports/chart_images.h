#pragma once

#include <QString>

namespace kl {

enum class ImageFormat { png, svg };

struct ImageFile {
    QString path;
    ImageFormat format = ImageFormat::png;
};

// The file a save dialog's answer names: a name ending in ".png" or ".svg" (in any case) is saved
// in that format; any other name gets the suffix of the type chosen in the dialog.
ImageFile chart_image_file(const QString& answer, ImageFormat chosen);

// The name the save dialog proposes: the team and the chart, "さくらFC_試合結果の推移.png".
// Characters that cannot stand in a file name become "_".
QString proposed_image_name(const QString& team_name, const QString& chart_title);

}  // namespace kl
