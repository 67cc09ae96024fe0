#include "core/Csv.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A reader of our own, as a spreadsheet program reads the file: fields split at ";" outside
// quotes, "" inside quotes for one quote, records ended by CRLF outside quotes.
QList<QStringList> readCsv(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            row << cell;
            cell.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                   text.at(i + 1) == QLatin1Char('\n')) {
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            ++i;
        } else {
            cell += c;
        }
    }
    return rows;
}

} // namespace

class CsvTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsSurviveARoundTrip()
    {
        const QList<QStringList> rows{
            {"Nome", "Nato il", "Ruolo"},
            {"D'ANGELO LUCA", "01/02/1990", "A"},
            {"ROSSI; MARIO", "", "C"},
            {"\"IL BOMBER\" NERI", "12/05/1985", ""},
            {"NICCOLÒ ÈLIA CORRÀ", "", "P"},
            {"due\nrighe", " spazi ", "D"},
            {"", "", ""},
        };
        const QByteArray bytes = core::csvText(rows);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.contains("Nome;Nato il;Ruolo\r\n"));
        QVERIFY(bytes.contains("\"ROSSI; MARIO\";;C\r\n"));
        QVERIFY(bytes.contains("\"\"\"IL BOMBER\"\" NERI\""));
        QCOMPARE(readCsv(bytes), rows);
    }

    void writingLeavesAWholeFileOrNone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rosa.csv"));
        const QList<QStringList> rows{{"a", "b"}, {"1", "2"}};
        QCOMPARE(core::writeCsv(path, rows), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readCsv(file.readAll()), rows);

        // Into a folder that cannot be made: the reason, and no file, partial or whole.
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString error = core::writeCsv(dir.filePath(QStringLiteral("file/rosa.csv")), rows);
        QVERIFY2(error.startsWith(QStringLiteral("Impossibile scrivere")), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
                 (QStringList{"file", "rosa.csv"}));
    }
};

VELMORA_TEST(CsvTest)
#include "tst_csv.moc"
