#pragma once

#include <QString>

namespace md {

// A message for an OK box: core decides the words, the window shows them.
struct UserMessage {
    QString title;
    QString text;
    bool operator==(const UserMessage& other) const { return title == other.title && text == other.text; }
};

inline const QString input_error_title = QStringLiteral(u"入力エラー");

}  // namespace md
