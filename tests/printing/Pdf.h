#pragma once

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// Reading a PDF back with poppler's tools, as a user's viewer would show it.
namespace pdf {

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text laid out as on the page; pages end with a form feed.
inline QString text(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// The document's properties: "Pages", "Title", "Page size", ...
inline QHash<QString, QString> info(const QString &path)
{
    QHash<QString, QString> fields;
    const QStringList lines = run(QStringLiteral("pdfinfo"), {path}).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return fields;
}

struct Word {
    QString text;
    double xMin = 0; // points from the left edge of the page
    double yMin = 0; // points from the top edge
};

// Every word of the first page with where it begins.
inline QList<Word> wordsOfFirstPage(const QString &path)
{
    const QString html =
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
             QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                       "yMax=\"[0-9.]+\">([^<]*)</word>"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words << Word{m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
    return words;
}

} // namespace pdf
