#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QSaveFile;

namespace md {

// The lines of a text. Lines end at CR LF, LF or a lone CR; a line end after the last line adds no
// empty line.
std::vector<QByteArray> split_raw_lines(const QByteArray& content);
QStringList split_text_lines(const QString& text);

// A file read whole, or why it was not.
struct FileContent {
    enum class Failure { none, missing, not_regular, too_large, unreadable };
    QByteArray bytes;
    Failure failure = Failure::none;
    bool ok() const { return failure == Failure::none; }
};

// Reads the file at path whole when it is a regular file (links followed) of at most max_bytes. A
// FIFO, a device or a folder is refused without being opened, and a larger file before a byte of it
// is read: no read waits for a writer, and no file fills the memory. Resources (":/...") are read
// as they are.
FileContent read_regular_file(const QString& path, qint64 max_bytes);

// More than any file the program reads besides team files (help pages, setting.ini, a PDF it wrote).
inline constexpr qint64 ordinary_file_limit = 64 * 1024 * 1024;

// The bytes of read_regular_file; nullopt when it refuses the file or cannot read it.
std::optional<QByteArray> read_whole_file(const QString& path, qint64 max_bytes = ordinary_file_limit);

// What one stat of a file tells: which file it is, its size and the times of its last change. Any
// write to the file, or a new file put in its place (as sync tools do), changes the stamp.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified_ns = 0;
    qint64 status_changed_ns = 0;
    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
    // Whether any later change of the file changes its stamp. File times are coarse (a few
    // milliseconds; two seconds on some file systems): a file changed again within the time its
    // stamp shows, and to the same size, may keep its stamp.
    bool settled() const;
};
// The stamp of the file at path; nullopt when there is no such file.
std::optional<FileStamp> file_stamp(const QString& path);

// Lines whose cp932 bytes differ from what encoding their text gives (cp932 has a few characters
// with two codes). Saving writes these bytes back, so an unchanged line keeps its exact bytes.
using VerbatimLines = QHash<QString, QByteArray>;

// A cp932 file's lines as text, with the bytes of its lines that have no canonical encoding.
struct DecodedLines {
    QStringList lines;
    VerbatimLines verbatim;
    int undecodable_line = 0;  // 1-based number of the first line that is not cp932; 0 when all are
};
DecodedLines decode_cp932_lines(const QByteArray& content);

struct WriteResult {
    bool ok = true;
    QString reason;  // why not, in Japanese within full-width parentheses
};

// Why a write failed, from the system's error number right after it: "（ディスクの空き容量が足りません）".
QString write_failure_reason(int error_number);

// Lines in cp932, each ended by CR LF; the bytes, or the reason they cannot be made.
struct EncodedLines {
    QByteArray bytes;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};
EncodedLines encode_cp932_lines(const QStringList& lines, const VerbatimLines& verbatim = {});

// Why nothing may be written at path: only a regular file (links followed) or a new name is. A
// FIFO, a device or a folder there would be replaced by a regular file.
std::optional<QString> unwritable_target(const QString& path);

// Replaces a file with bytes atomically: on any failure the file on disk is left as it was, and
// success means the file on disk now holds exactly these bytes. Every file the program writes is
// written here.
WriteResult write_whole_file(const QString& path, const QByteArray& bytes);
// The same through a save file the caller made for the file (tests hand in one whose writes fail).
WriteResult write_whole_file(QSaveFile& file, const QByteArray& bytes);

// write_whole_file in two steps, for a caller that acts between them: the bytes are written beside
// the file and flushed, then they take the file's place. Until then the file is as it was, and a
// save file dropped without the second step is discarded.
WriteResult prepare_replacement(QSaveFile& file, const QByteArray& bytes);
WriteResult complete_replacement(QSaveFile& file, qint64 size);

// Both of the above.
WriteResult write_cp932_lines(const QString& path, const QStringList& lines,
                              const VerbatimLines& verbatim = {});

}  // namespace md
