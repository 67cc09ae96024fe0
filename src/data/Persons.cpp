#include "data/Persons.h"

#include "data/Sql.h"

namespace data {

namespace {
// The enrolment row that holds a person's season texts.
const QString seasonRow = QStringLiteral("SELECT IdGio FROM Giocatori WHERE Stagione=? AND IdAna=?"
                                         " ORDER BY IdGio"
                                         " LIMIT 1");

bool updated(const QSqlQuery &q)
{
    return q.numRowsAffected() > 0;
}
} // namespace

QStringList personNames()
{
    QStringList names;
    const QString sql = QStringLiteral("SELECT Nome FROM Anagrafica"
                                       " ORDER BY Nome");
    QSqlQuery q = run(sql);
    while (q.next())
        names << text(q.value(0));
    return names;
}

QSet<int> personNumbers()
{
    QSet<int> numbers;
    QSqlQuery q = run(QStringLiteral("SELECT IdAna FROM Anagrafica"));
    while (q.next())
        numbers.insert(q.value(0).toInt());
    return numbers;
}

bool isEnrolled(const QString &name)
{
    return exists(QStringLiteral("SELECT 1 FROM Giocatori G,Anagrafica A "
                                 "WHERE G.IdAna=A.IdAna AND A.Nome=? LIMIT 1"),
                  {name});
}

std::optional<int> deletePerson(const QString &name)
{
    Transaction t;
    const QVariant id = scalar(
        QStringLiteral("SELECT IdAna FROM Anagrafica WHERE Nome=? ORDER BY rowid LIMIT 1"), {name});
    if (id.isNull())
        return std::nullopt;
    run(QStringLiteral("DELETE FROM Anagrafica WHERE IdAna=?"), {id});
    t.commit();
    return id.toInt();
}

std::optional<Person> findPerson(const QString &name)
{
    QSqlQuery q = run(QStringLiteral("SELECT IdAna,Nome,DataNas,LuogoNas,Paese,Documento "
                                     "FROM Anagrafica WHERE Nome=? ORDER BY rowid LIMIT 1"),
                      {name});
    if (!q.next())
        return std::nullopt;
    return Person{q.value(0).toInt(), text(q.value(1)), q.value(2),
                  q.value(3),         q.value(4),       q.value(5)};
}

int nextPersonNumber()
{
    return scalar(QStringLiteral("SELECT Max(IdAna) FROM Anagrafica")).toInt() + 1;
}

bool nameTakenByOther(const QString &name, int idAna)
{
    const QString sql = QStringLiteral("SELECT 1 FROM Anagrafica WHERE IdAna<>? AND Nome=?"
                                       " COLLATE NOCASE"
                                       " LIMIT 1");
    return exists(sql, {idAna, name});
}

bool updatePerson(const Person &p)
{
    QSqlQuery q = run(QStringLiteral("UPDATE Anagrafica SET Nome=?,DataNas=?,LuogoNas=?,Paese=?,"
                                     "Documento=? WHERE IdAna=?"),
                      {p.name, p.born, p.place, p.country, p.document, p.idAna});
    return updated(q);
}

int insertPerson(const Person &p)
{
    // The number is given explicitly, greatest + 1, so that the photo stored under the
    // predicted number follows the person even in a store whose IdAna is no row key.
    return scalar(QStringLiteral("INSERT INTO Anagrafica (IdAna,Nome,DataNas,LuogoNas,Paese,"
                                 "Documento) VALUES ((SELECT COALESCE(Max(IdAna),0)+1 FROM "
                                 "Anagrafica),?,?,?,?,?) RETURNING IdAna"),
                  {p.name, p.born, p.place, p.country, p.document})
        .toInt();
}

std::optional<QVariant> seasonClothing(int idAna, int season)
{
    QSqlQuery q =
        run(QStringLiteral("SELECT Vestiario FROM Giocatori WHERE IdGio=(%1)").arg(seasonRow),
            {season, idAna});
    if (!q.next())
        return std::nullopt;
    return q.value(0);
}

bool saveSeasonClothing(int idAna, int season, const QVariant &clothing)
{
    QSqlQuery q =
        run(QStringLiteral("UPDATE Giocatori SET Vestiario=? WHERE IdGio=(%1)").arg(seasonRow),
            {clothing, season, idAna});
    return updated(q);
}

std::optional<MedicalRecord> medicalRecord(int idAna, int season)
{
    QSqlQuery q =
        run(QStringLiteral("SELECT Infortuni,Cure FROM Giocatori WHERE IdGio=(%1)").arg(seasonRow),
            {season, idAna});
    if (!q.next())
        return std::nullopt;
    return MedicalRecord{q.value(0), q.value(1)};
}

bool saveMedicalRecord(int idAna, int season, const MedicalRecord &record)
{
    QSqlQuery q = run(
        QStringLiteral("UPDATE Giocatori SET Infortuni=?,Cure=? WHERE IdGio=(%1)").arg(seasonRow),
        {record.injuries, record.treatments, season, idAna});
    return updated(q);
}

PersonSaved savePerson(const PersonDraft &draft)
{
    Transaction transaction;
    int idAna = draft.person.idAna;
    if (draft.isNew)
        idAna = insertPerson(draft.person);
    else if (!updatePerson(draft.person))
        return PersonSaved::PersonMissing;
    bool clothingSaved = true;
    if (draft.clothing)
        clothingSaved = saveSeasonClothing(idAna, draft.season, *draft.clothing);
    // The person stays written when only the enrolment has gone.
    transaction.commit();
    return clothingSaved ? PersonSaved::Saved : PersonSaved::ClothingMissing;
}

} // namespace data
