#include "team_year.h"

namespace md {
namespace {

constexpr qsizetype year_digits = 4;
constexpr char16_t full_width_zero = u'０';

// The value of an ASCII or full-width digit, or -1.
int digit_value(QChar c) {
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    if (c.unicode() >= full_width_zero && c.unicode() <= full_width_zero + 9) {
        return c.unicode() - full_width_zero;
    }
    return -1;
}

bool is_blank(QChar c) {
    return c == u' ' || c == u'\u3000';
}

}  // namespace

std::optional<YearInName> year_in_name(QStringView name) {
    std::optional<YearInName> found;
    qsizetype start = 0;
    while (start < name.size()) {
        if (digit_value(name[start]) < 0) {
            ++start;
            continue;
        }
        qsizetype end = start;
        int value = 0;
        while (end < name.size() && digit_value(name[end]) >= 0) {
            value = end - start < year_digits ? value * 10 + digit_value(name[end]) : value;
            ++end;
        }
        if (end - start == year_digits && value >= 1900 && value <= 2099) {
            found = YearInName{start, value};
        }
        start = end;
    }
    return found;
}

QString with_year(QStringView name, int year) {
    const std::optional<YearInName> found = year_in_name(name);
    QString result = name.toString();
    if (!found) {
        return result;
    }
    const bool full_width = digit_value(name[found->position]) >= 0 && name[found->position] > u'9';
    QString digits = QString::number(year).rightJustified(year_digits, u'0').right(year_digits);
    if (full_width) {
        for (QChar& c : digits) {
            c = QChar(static_cast<char16_t>(full_width_zero + (c.unicode() - u'0')));
        }
    }
    return result.replace(found->position, year_digits, digits);
}

QString without_year(QStringView name) {
    const std::optional<YearInName> found = year_in_name(name);
    if (!found) {
        return name.toString();
    }
    qsizetype begin = found->position;
    qsizetype end = found->position + year_digits;
    for (const QStringView unit : {QStringView(u"年度"), QStringView(u"年")}) {
        if (name.mid(end).startsWith(unit)) {
            end += unit.size();
            break;
        }
    }
    const qsizetype digits_begin = begin;
    const qsizetype digits_end = end;
    while (begin > 0 && is_blank(name[begin - 1])) {
        --begin;
    }
    while (end < name.size() && is_blank(name[end])) {
        ++end;
    }
    // A year set off by blanks between two words leaves one blank between them.
    const bool between_words = begin > 0 && end < name.size() && (begin < digits_begin || end > digits_end);
    QString rest = name.left(begin).toString() + (between_words ? QStringLiteral(u" ") : QString()) +
                   name.mid(end).toString();
    return rest.isEmpty() ? name.toString() : rest;
}

}  // namespace md
