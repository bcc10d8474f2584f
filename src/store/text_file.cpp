#include "text_file.h"

#include "cp932_codec.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <tuple>

namespace md {

namespace {

// Calls on_line(start, length) for each line of text (a QByteArrayView or QStringView): lines end
// at CR LF, LF or a lone CR. The line ends are found with the views' vectorised searches; each
// search result is kept until the walk has passed it, so no byte is searched twice.
template <typename View, typename Unit, typename OnLine>
void for_each_line(View text, Unit cr, Unit lf, OnLine on_line) {
    const qsizetype size = text.size();
    auto next = [&](Unit unit, qsizetype from) {
        const qsizetype at = text.indexOf(unit, from);
        return at < 0 ? size : at;
    };
    qsizetype next_cr = next(cr, 0);
    qsizetype next_lf = next(lf, 0);
    qsizetype start = 0;
    while (start < size) {
        next_cr = next_cr < start ? next(cr, start) : next_cr;
        next_lf = next_lf < start ? next(lf, start) : next_lf;
        const qsizetype end = std::min(next_cr, next_lf);
        on_line(start, end - start);
        start = end + (end == next_cr && next_lf == end + 1 ? 2 : 1);
    }
}

bool in_lead_range(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Whether the byte at position is the lead byte of a two-byte character. After any byte outside the
// lead range a character begins, and from there lead-range bytes pair up as lead and trail.
bool is_lead_at(const unsigned char* data, qsizetype position) {
    qsizetype run = 0;
    while (position - run > 0 && in_lead_range(data[position - run - 1])) {
        ++run;
    }
    return run % 2 == 0;
}

// Whether bytes hold a character from the rows where cp932 has characters with two codes: those
// whose lead byte is 0x87, 0xED, 0xEE or 0xFA. The bytes are searched for each value (these also
// occur as trail bytes), and only the places found are examined.
bool has_doubled_code_row(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (const char doubled : {'\x87', '\xED', '\xEE', '\xFA'}) {
        for (qsizetype at = bytes.indexOf(doubled); at >= 0; at = bytes.indexOf(doubled, at + 1)) {
            if (is_lead_at(data, at)) {
                return true;
            }
        }
    }
    return false;
}

// Runs one step of writing; on failure, reason tells why. Qt reports the cause of a failed flush
// only through errno, so errno is cleared before the step and read right after it.
template <typename Step>
bool write_step(Step step, QString& reason) {
    errno = 0;
    if (step()) {
        return true;
    }
    reason = write_failure_reason(errno);
    return false;
}

FileContent::Failure refusal_by_status(const struct stat& status, qint64 max_bytes) {
    if (!S_ISREG(status.st_mode)) {
        return FileContent::Failure::not_regular;
    }
    return status.st_size > max_bytes ? FileContent::Failure::too_large : FileContent::Failure::none;
}

// Reads an open file to its end; a file that grew beyond max_bytes since its stat is refused.
FileContent read_descriptor(int descriptor, qint64 size, qint64 max_bytes) {
    QByteArray bytes;
    bytes.reserve(size);
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(descriptor, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return {{}, FileContent::Failure::unreadable};
        }
        if (count == 0) {
            return {bytes, FileContent::Failure::none};
        }
        if (bytes.size() + count > max_bytes) {
            return {{}, FileContent::Failure::too_large};
        }
        bytes.append(chunk, count);
    }
}

// A resource built into the program.
FileContent read_resource(const QString& path, qint64 max_bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, FileContent::Failure::missing};
    }
    if (file.size() > max_bytes) {
        return {{}, FileContent::Failure::too_large};
    }
    return {file.readAll(), FileContent::Failure::none};
}

}  // namespace

QString write_failure_reason(int error_number) {
    switch (error_number) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral(u"（ディスクの空き容量が足りません）");
        case EACCES:
        case EPERM:
        case EROFS:
            return QStringLiteral(u"（書き込みが許可されていません）");
        case EPIPE:
            return QStringLiteral(u"（書き込み先が閉じられています）");
        default:
            return QStringLiteral(u"（ファイルに書き込めません）");
    }
}

std::vector<QByteArray> split_raw_lines(const QByteArray& content) {
    std::vector<QByteArray> lines;
    for_each_line(QByteArrayView(content), '\r', '\n',
                  [&](qsizetype start, qsizetype length) { lines.push_back(content.mid(start, length)); });
    return lines;
}

QStringList split_text_lines(const QString& text) {
    QStringList lines;
    for_each_line(QStringView(text), u'\r', u'\n',
                  [&](qsizetype start, qsizetype length) { lines.append(text.mid(start, length)); });
    return lines;
}

DecodedLines decode_cp932_lines(const QByteArray& content) {
    DecodedLines decoded;
    // A UTF-8 file announces itself with a byte order mark; its bytes may happen to pass as cp932.
    if (content.startsWith("\xEF\xBB\xBF")) {
        decoded.undecodable_line = 1;
        return decoded;
    }
    const std::optional<QString> text = decode_cp932(content);
    if (!text) {
        // Only a file that is not cp932 takes the slow way: find its first line that does not decode.
        const std::vector<QByteArray> raw_lines = split_raw_lines(content);
        decoded.undecodable_line = static_cast<int>(raw_lines.size());
        for (size_t i = 0; i < raw_lines.size(); ++i) {
            if (!decode_cp932(raw_lines[i])) {
                decoded.undecodable_line = static_cast<int>(i + 1);
                break;
            }
        }
        return decoded;
    }
    decoded.lines = split_text_lines(*text);
    if (has_doubled_code_row(content)) {
        const std::vector<QByteArray> raw_lines = split_raw_lines(content);
        for (size_t i = 0; i < raw_lines.size(); ++i) {
            const QString& line = decoded.lines[static_cast<qsizetype>(i)];
            if (has_doubled_code_row(raw_lines[i]) && encode_cp932(line) != raw_lines[i]) {
                decoded.verbatim.insert(line, raw_lines[i]);
            }
        }
    }
    return decoded;
}

FileContent read_regular_file(const QString& path, qint64 max_bytes) {
    using Failure = FileContent::Failure;
    if (path.startsWith(u':')) {
        return read_resource(path, max_bytes);
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        return {{}, errno == ENOENT || errno == ENOTDIR ? Failure::missing : Failure::unreadable};
    }
    if (const Failure refused = refusal_by_status(status, max_bytes); refused != Failure::none) {
        return {{}, refused};
    }
    // Should a FIFO take the file's place after the stat, the open does not wait for its writer,
    // and the status of what was opened is checked again.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return {{}, Failure::unreadable};
    }
    FileContent content;
    if (::fstat(descriptor, &status) != 0) {
        content.failure = Failure::unreadable;
    } else {
        content.failure = refusal_by_status(status, max_bytes);
    }
    if (content.ok()) {
        content = read_descriptor(descriptor, status.st_size, max_bytes);
    }
    ::close(descriptor);
    return content;
}

std::optional<QByteArray> read_whole_file(const QString& path, qint64 max_bytes) {
    FileContent content = read_regular_file(path, max_bytes);
    if (!content.ok()) {
        return std::nullopt;
    }
    return std::move(content.bytes);
}

bool FileStamp::operator==(const FileStamp& other) const {
    const auto fields = [](const FileStamp& stamp) {
        return std::tie(stamp.device, stamp.inode, stamp.size, stamp.modified_ns, stamp.status_changed_ns);
    };
    return fields(*this) == fields(other);
}

bool FileStamp::settled() const {
    constexpr qint64 coarsest_file_time_ns = 2'000'000'000;
    const qint64 now_ns = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    return std::max(modified_ns, status_changed_ns) + coarsest_file_time_ns < now_ns;
}

std::optional<FileStamp> file_stamp(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    const auto nanoseconds = [](const timespec& time) {
        return static_cast<qint64>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    return FileStamp{static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino),
                     static_cast<qint64>(status.st_size), nanoseconds(status.st_mtim),
                     nanoseconds(status.st_ctim)};
}

EncodedLines encode_cp932_lines(const QStringList& lines, const VerbatimLines& verbatim) {
    EncodedLines encoded;
    for (const QString& line : lines) {
        const auto kept = verbatim.isEmpty() ? verbatim.constEnd() : verbatim.constFind(line);
        if (kept != verbatim.constEnd()) {
            encoded.bytes += *kept;
        } else if (const std::optional<QByteArray> bytes = encode_cp932(line)) {
            encoded.bytes += *bytes;
        } else {
            const QString character = first_unencodable_character(line).value_or(QString());
            encoded.refusal =
                QStringLiteral(u"（「") + character + QStringLiteral(u"」　は保存できない文字です）");
            return encoded;
        }
        encoded.bytes += "\r\n";
    }
    return encoded;
}

WriteResult write_whole_file(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return write_whole_file(file, bytes);
}

std::optional<QString> unwritable_target(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return QStringLiteral(u"（通常のファイルではありません）");
}

WriteResult write_whole_file(QSaveFile& file, const QByteArray& bytes) {
    const WriteResult prepared = prepare_replacement(file, bytes);
    return prepared.ok ? complete_replacement(file, bytes.size()) : prepared;
}

WriteResult prepare_replacement(QSaveFile& file, const QByteArray& bytes) {
    if (const std::optional<QString> refusal = unwritable_target(file.fileName())) {
        return {false, *refusal};
    }
    // QSaveFile::commit() replaces the old file even when its own flush of the buffered bytes
    // fails (a full disk leaves an empty or cut file), so the bytes are flushed and checked first.
    QString reason;
    if (!write_step([&] { return file.open(QIODevice::WriteOnly); }, reason) ||
        !write_step([&] { return file.write(bytes) == bytes.size(); }, reason) ||
        !write_step([&] { return file.flush(); }, reason)) {
        file.cancelWriting();
        return {false, reason};
    }
    return {};
}

WriteResult complete_replacement(QSaveFile& file, qint64 size) {
    QString reason;
    if (!write_step([&] { return file.commit() && file.error() == QFileDevice::NoError; }, reason)) {
        file.cancelWriting();
        return {false, reason};
    }
    // What is on disk now is what later steps (a reload, a message of success) rely on.
    if (QFileInfo(file.fileName()).size() != size) {
        return {false, QStringLiteral(u"（保存したファイルの大きさが書き込んだ内容と合いません）")};
    }
    return {};
}

WriteResult write_cp932_lines(const QString& path, const QStringList& lines, const VerbatimLines& verbatim) {
    const EncodedLines encoded = encode_cp932_lines(lines, verbatim);
    if (!encoded.ok()) {
        return {false, encoded.refusal};
    }
    return write_whole_file(path, encoded.bytes);
}

}  // namespace md
