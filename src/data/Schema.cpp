#include "data/Schema.h"

#include "data/Sql.h"

namespace data {

namespace {

struct Object {
    const char *type; // "table" or "index"
    const char *name;
    const char *create;
};

// IdAna, IdGio, IdGara and Campionati.Id are INTEGER PRIMARY KEY: SQLite then numbers new
// rows greatest + 1, which the photo naming relies on. DatiGare and Formazione keep the
// implicit rowid, whose order is the order in which free rows are reused.
const Object objects[] = {
    {"table", "Stagioni", "CREATE TABLE Stagioni (Nome INTEGER)"},
    {"table", "Campionati", "CREATE TABLE Campionati (Id INTEGER PRIMARY KEY, Nome TEXT)"},
    {"table", "Anagrafica",
     "CREATE TABLE Anagrafica (IdAna INTEGER PRIMARY KEY, Nome TEXT, DataNas TEXT, "
     "LuogoNas TEXT, Paese TEXT, Documento TEXT)"},
    {"table", "Giocatori",
     "CREATE TABLE Giocatori (IdGio INTEGER PRIMARY KEY, IdAna INTEGER, Stagione INTEGER, "
     "Camp INTEGER, Ruolo TEXT, Peso REAL, Altezza REAL, Scadenza TEXT, SocPre TEXT, "
     "Squalifiche INTEGER, Vestiario TEXT, Infortuni TEXT, Cure TEXT)"},
    {"table", "Gare",
     "CREATE TABLE Gare (IdGara INTEGER PRIMARY KEY, Stagione INTEGER, Camp INTEGER, "
     "Data TEXT, SqA TEXT, SqB TEXT, GolA INTEGER, GolB INTEGER, Recupero INTEGER)"},
    {"table", "DatiGare",
     "CREATE TABLE DatiGare (Valid INTEGER, IdGara INTEGER, Stagione INTEGER, Camp INTEGER, "
     "IdGio INTEGER, Tipo TEXT, Min INTEGER)"},
    {"table", "Formazione", "CREATE TABLE Formazione (Valid INTEGER, IdGio INTEGER, Tipo TEXT)"},
    // The statistics read a player's valid rows; the index covers them without the table.
    {"index", "DatiGare_IdGio",
     "CREATE INDEX DatiGare_IdGio ON DatiGare (IdGio, Valid, IdGara, Tipo, Min)"},
    {"index", "DatiGare_IdGara", "CREATE INDEX DatiGare_IdGara ON DatiGare (IdGara)"},
    // Free rows only, in rowid order: the next row to reuse is the first entry. Being
    // partial, these never tempt the planner into walking every valid row.
    {"index", "DatiGare_Free", "CREATE INDEX DatiGare_Free ON DatiGare (Valid) WHERE Valid=0"},
    {"index", "Formazione_Free",
     "CREATE INDEX Formazione_Free ON Formazione (Valid) WHERE Valid=0"},
    {"index", "Formazione_IdGio", "CREATE INDEX Formazione_IdGio ON Formazione (IdGio)"},
    {"index", "Giocatori_Stagione_Camp",
     "CREATE INDEX Giocatori_Stagione_Camp ON Giocatori (Stagione, Camp)"},
    {"index", "Giocatori_IdAna", "CREATE INDEX Giocatori_IdAna ON Giocatori (IdAna)"},
    {"index", "Gare_Stagione_Camp", "CREATE INDEX Gare_Stagione_Camp ON Gare (Stagione, Camp)"},
};

bool present(const char *type, const char *name)
{
    return exists(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type=? AND name=? COLLATE "
                                 "NOCASE LIMIT 1"),
                  {QString::fromLatin1(type), QString::fromLatin1(name)});
}

bool tablePresent(const char *indexCreate)
{
    // "CREATE INDEX x ON Table (...)": an index of a missing table cannot be made.
    const QString sql = QString::fromLatin1(indexCreate);
    const qsizetype on = sql.indexOf(QStringLiteral(" ON "));
    const QString table = sql.mid(on + 4).section(QLatin1Char(' '), 0, 0);
    return present("table", table.toLatin1().constData());
}

} // namespace

void ensureSchema(bool readOnly)
{
    // Only what is missing is created, so that a store that is complete but read-only
    // still opens for reading.
    for (const Object &o : objects) {
        if (present(o.type, o.name))
            continue;
        const bool index = QLatin1String(o.type) == QLatin1String("index");
        if (index && (readOnly || !tablePresent(o.create)))
            continue;
        run(QString::fromLatin1(o.create));
    }
}

} // namespace data
