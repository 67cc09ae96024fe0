#include "core/Season.h"

#include "core/Numbers.h"

namespace core {

QString seasonLabel(int season)
{
    const int next = season - 1999;
    const QString tail = next < 0 ? QStringLiteral("-%1").arg(-next, 2, 10, QLatin1Char('0'))
                                  : QStringLiteral("%1").arg(next, 2, 10, QLatin1Char('0'));
    return QString::number(season) + QLatin1Char('-') + tail;
}

int seasonNumber(const QString &label)
{
    return wholeNumber(label.left(4));
}

} // namespace core
