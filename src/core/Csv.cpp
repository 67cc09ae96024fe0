#include "core/Csv.h"

#include <QDir>
#include <QSaveFile>

namespace core {

namespace {
QString field(const QString &text)
{
    const bool quoted = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                        text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}
} // namespace

QByteArray csvText(const QList<QStringList> &rows)
{
    QByteArray out("\xEF\xBB\xBF");
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &text : row)
            fields << field(text);
        out += fields.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    return out;
}

QString writeCsv(const QString &path, const QList<QStringList> &rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Impossibile scrivere %1: %2")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    const QByteArray text = csvText(rows);
    if (file.write(text) != text.size() || !file.commit())
        return QStringLiteral("Impossibile scrivere %1: %2")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

} // namespace core
