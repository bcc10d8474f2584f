#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <ostream>

// Readable test failures: Qt texts print as UTF-8, with CR, LF and TAB made visible.
inline void PrintTo(const QString& text, std::ostream* out) {
    QString shown = text;
    shown.replace(u'\r', QStringLiteral(u"\\r"))
        .replace(u'\n', QStringLiteral(u"\\n"))
        .replace(u'\t', QStringLiteral(u"\\t"));
    *out << '"' << shown.toStdString() << '"';
}
inline void PrintTo(QStringView text, std::ostream* out) {
    PrintTo(text.toString(), out);
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << ", ";
    }
    *out << '}';
}
