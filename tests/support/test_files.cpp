#include "support/test_files.h"

#include "store/cp932_codec.h"

#include <gtest/gtest.h>
#include <QFile>

namespace kl::test {

QString data_file(const QString& name) {
    return QStringLiteral(KL_TEST_DATA_DIR "/") + name;
}

QByteArray read_bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
    }
}

QByteArray cp932_lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += md::encode_cp932(line).value_or(QByteArray("?")) + "\r\n";
    }
    return bytes;
}

void write_cp932_lines(const QString& path, const QStringList& lines) {
    write_bytes(path, cp932_lines(lines));
}

}  // namespace kl::test

#include <QDir>

namespace kl::test {

void InTemporaryFolder::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
}

void InTemporaryFolder::TearDown() {
    QDir::setCurrent(previous_);
}

}  // namespace kl::test

namespace kl::test {

QStringList read_lines_cp932(const QString& path) {
    QString text = md::decode_cp932(read_bytes(path)).value_or(QString());
    if (text.endsWith(QStringLiteral(u"\r\n"))) {
        text.chop(2);
    }
    return text.split(QStringLiteral(u"\r\n"));
}

}  // namespace kl::test
