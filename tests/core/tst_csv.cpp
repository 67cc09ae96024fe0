#include "core/Csv.h"
#include "support/CsvReader.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
