#pragma once

#include "support/qt_printers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kl::test {

// A file of tests/data.
QString data_file(const QString& name);

QByteArray read_bytes(const QString& path);
void write_bytes(const QString& path, const QByteArray& bytes);
// Writes lines in cp932, each ended by CR LF.
void write_cp932_lines(const QString& path, const QStringList& lines);
QByteArray cp932_lines(const QStringList& lines);

}  // namespace kl::test

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace kl::test {

// Runs each test in a fresh temporary folder as working directory, where setting.ini and team files
// are looked up by their relative names.
class InTemporaryFolder : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    QString path(const QString& name) const { return folder_.filePath(name); }

  private:
    QTemporaryDir folder_;
    QString previous_;
};

}  // namespace kl::test

namespace kl::test {

// The lines of a cp932 file with CR LF line ends.
QStringList read_lines_cp932(const QString& path);

}  // namespace kl::test
