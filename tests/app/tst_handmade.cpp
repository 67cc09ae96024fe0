#include "app/Module1.h"
#include "data/Database.h"
#include "registry/FrmAna.h"
#include "roster/Form1.h"
#include "roster/FrmInsGio.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <memory>

// A store written by another SQLite tool: loose column types, ids that are no row keys,
// dates with a time part. The application reads it and numbers new rows all the same.
class HandmadeTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

    static void makeStore()
    {
        QDir().mkpath(QStringLiteral("Dati"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "byhand");
            db.setDatabaseName(data::storePath());
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char *statement :
                 {"CREATE TABLE Stagioni (Nome)",
                  "CREATE TABLE Campionati (Id INTEGER, Nome VARCHAR(50))",
                  "CREATE TABLE Anagrafica (IdAna INTEGER, Nome VARCHAR(100), DataNas DATE, "
                  "LuogoNas VARCHAR(50), Paese VARCHAR(50), Documento VARCHAR(50))",
                  "CREATE TABLE Giocatori (IdGio INTEGER, IdAna INTEGER, Stagione INTEGER, "
                  "Camp INTEGER, Ruolo CHAR(1), Peso NUMERIC, Altezza NUMERIC, Scadenza "
                  "VARCHAR(30), SocPre VARCHAR(50), Squalifiche INTEGER, Vestiario TEXT, "
                  "Infortuni TEXT, Cure TEXT)",
                  "CREATE TABLE Gare (IdGara INTEGER, Stagione INTEGER, Camp INTEGER, Data "
                  "DATE, SqA TEXT, SqB TEXT, GolA INTEGER, GolB INTEGER, Recupero INTEGER)",
                  "CREATE TABLE DatiGare (Valid INTEGER, IdGara INTEGER, Stagione INTEGER, "
                  "Camp INTEGER, IdGio INTEGER, Tipo TEXT, Min INTEGER)",
                  "CREATE TABLE Formazione (Valid INTEGER, IdGio INTEGER, Tipo TEXT)",
                  "INSERT INTO Stagioni VALUES (2008), (2009)",
                  "INSERT INTO Campionati VALUES (7, 'Serie D'), (9, 'Coppa')",
                  "INSERT INTO Anagrafica VALUES (5, 'ROSSI MARIO', '1990-05-12 00:00:00', "
                  "'ROMA', 'ITALIA', ''), (8, 'BIANCHI LUCA', NULL, NULL, NULL, NULL)",
                  "INSERT INTO Giocatori (IdGio, IdAna, Stagione, Camp, Ruolo) VALUES "
                  "(11, 5, 2009, 7, 'A')",
                  "INSERT INTO Gare VALUES (3, 2009, 7, '2009-09-06', 'NOI', 'LORO', 2, 1, 3)",
                  "INSERT INTO DatiGare VALUES (1, 3, 2009, 7, 11, 'TIT', NULL), "
                  "(1, 3, 2009, 7, 11, 'RETE', 15)"})
                QVERIFY2(q.exec(QString::fromLatin1(statement)), statement);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("byhand"));
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>(false);
        makeStore();
        QCOMPARE(data::openStore(data::storePath()), QString());
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void readsAndExtendsIt()
    {
        Form1 form;
        QCOMPARE(entries(*form.ComboStag), (QStringList{"2008-09", "2009-10"}));
        QCOMPARE(Module1::selectedSeason, 2009);
        QCOMPARE(Module1::selectedChampionship, 7);
        QCOMPARE(entries(*form.Fgrid, 2), QStringList{"ROSSI MARIO"});
        QCOMPARE(entries(*form.Fgrid, 3), QStringList{"12/05/1990"});
        QCOMPARE(entries(*form.Fgrid, 5), QStringList{"1"});
        QCOMPARE(entries(*form.Fgrid, 6), QStringList{"1"});

        ModalHook hook;
        hook.on<FrmInsGio>([](FrmInsGio &w) {
            QVERIFY(drive::activate(w));
            QVERIFY(drive::choose(*w.ComboGio, QStringLiteral("BIANCHI LUCA")));
            w.BtnOK->click();
        });
        form.BtnInsGio->click();
        QCOMPARE(entries(*form.Fgrid, 2), (QStringList{"BIANCHI LUCA", "ROSSI MARIO"}));
        QCOMPARE(fx->scalar("SELECT IdGio FROM Giocatori WHERE IdAna=8").toInt(), 12);

        MsgRecorder rec;
        FrmAna editor;
        QString newPerson;
        editor.Carica(newPerson);
        QCOMPARE(editor.TxtId->text(), QStringLiteral("0009"));
        QVERIFY(drive::activate(editor));
        drive::type(*editor.TxtNome, QStringLiteral("verdi carlo"));
        editor.BtnSalva->click();
        QCOMPARE(fx->scalar("SELECT IdAna FROM Anagrafica WHERE Nome='VERDI CARLO'").toInt(), 9);
    }
};

VELMORA_TEST(HandmadeTest)
#include "tst_handmade.moc"
