#pragma once

#include "reports/share_contents.h"
#include "store/text_file.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kl {

// The pictures made for sharing (LINE and the like): a phone's portrait screen, painted with QtGui
// alone so that kickledger-report makes them without a display. Text in the CJK font of the print
// layer, large enough to read at arm's length.
inline constexpr int share_picture_width = 1080;
inline constexpr int share_picture_height = 1350;

// The result of one game: the teams, the score, the meeting, date and ground, the goals and cards,
// and the line-up on a pitch with who came on where.
QImage result_picture_image(const ResultPicture& picture);

// One member's season or game, for the member's family.
QImage member_card_image(const MemberCard& card);

// The picture as a PNG file's bytes.
QByteArray png_bytes(const QImage& image);
// Writes the picture's PNG to path, replacing the file only when the whole of it is written.
md::WriteResult write_png(const QImage& image, const QString& path);

}  // namespace kl
