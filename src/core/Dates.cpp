#include "core/Dates.h"

#include <QRegularExpression>

#include <optional>

namespace core {

namespace {
QDate fixedToday;

int digitsAt(const QString &t, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const QChar c = t.at(i);
        if (!c.isDigit())
            return -1;
        value = value * 10 + c.digitValue();
    }
    return value;
}

// The stored form, yyyy-mm-dd and nothing else, read without the general patterns: the
// roster reads one for every player on every refresh.
std::optional<QDate> storedForm(const QString &t)
{
    if (t.size() != 10 || t.at(4) != QLatin1Char('-') || t.at(7) != QLatin1Char('-'))
        return std::nullopt;
    const int year = digitsAt(t, 0, 4);
    const int month = digitsAt(t, 5, 2);
    const int day = digitsAt(t, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    return QDate(year, month, day);
}

void appendTwoDigits(QString &out, int value)
{
    out += QLatin1Char(char('0' + value / 10 % 10));
    out += QLatin1Char(char('0' + value % 10));
}
} // namespace

QDate parseDate(const QString &text, int firstYear)
{
    if (const std::optional<QDate> stored = storedForm(text))
        return *stored;

    static const QRegularExpression iso(QStringLiteral(
        R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:[T ]\d{1,2}:\d{2}(?::\d{2}(?:\.\d+)?)?)?$)"));
    static const QRegularExpression dayFirst(
        QStringLiteral(R"(^(\d{1,2})([/.-])(\d{1,2})\2(\d{1,2}|\d{4})$)"));

    const QString t = text.trimmed();
    if (const auto m = iso.match(t); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());

    const auto m = dayFirst.match(t);
    if (!m.hasMatch())
        return {};
    const int day = m.captured(1).toInt();
    const int month = m.captured(3).toInt();
    int year = m.captured(4).toInt();
    if (m.captured(4).size() <= 2) {
        year += firstYear - firstYear % 100;
        if (year < firstYear)
            year += 100;
    }
    return QDate(year, month, day); // invalid when the day does not exist
}

// Today is asked for only when a two-digit year needs it: the stored form, read for every
// player on every refresh, does not.
QDate parseGameDate(const QString &text)
{
    if (const std::optional<QDate> stored = storedForm(text))
        return *stored;
    return parseDate(text, today().year() - 80);
}

QDate parseBirthDate(const QString &text)
{
    if (const std::optional<QDate> stored = storedForm(text))
        return *stored;
    return parseDate(text, today().year() - 99);
}

QString formatDate(const QDate &date)
{
    if (!date.isValid() || date.year() < 1000 || date.year() > 9999)
        return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
    QString out;
    out.reserve(10);
    appendTwoDigits(out, date.day());
    out += QLatin1Char('/');
    appendTwoDigits(out, date.month());
    out += QLatin1Char('/');
    appendTwoDigits(out, date.year() / 100);
    appendTwoDigits(out, date.year());
    return out;
}

QString formatDateShort(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yy")) : QString();
}

QString storeDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QDate today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void setToday(const QDate &date)
{
    fixedToday = date;
}

} // namespace core
