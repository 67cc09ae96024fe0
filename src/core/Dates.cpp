#include "core/Dates.h"

#include <QRegularExpression>

namespace core {

namespace {
QDate fixedToday;
}

QDate parseDate(const QString &text, int firstYear)
{
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:[T ]\d{1,2}:\d{2}(?::\d{2}(?:\.\d+)?)?)?$)"));
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

QDate parseGameDate(const QString &text)
{
    return parseDate(text, today().year() - 80);
}

QDate parseBirthDate(const QString &text)
{
    return parseDate(text, today().year() - 99);
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
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
