#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace data {

// Every person's name, in the store's text order.
QStringList personNames();

// Every person's number.
QSet<int> personNumbers();

// True when the person has an enrolment in any season and championship.
bool isEnrolled(const QString &name);

// Deletes the person found by name; returns the IdAna it had, or nothing when no such
// person exists.
std::optional<int> deletePerson(const QString &name);

// A registry row. born is the stored date text, or Null.
struct Person {
    int idAna = 0;
    QString name;
    QVariant born;
    QVariant place;
    QVariant country;
    QVariant document;
};

std::optional<Person> findPerson(const QString &name);

// The number the store hands the next new person: greatest IdAna + 1, 1 when empty.
int nextPersonNumber();

// True when a person other than idAna has this name. Letter case does not count, so
// that an older name stored in small letters still blocks its capital twin.
bool nameTakenByOther(const QString &name, int idAna);

// Writes name, birth date, place, country and document. updatePerson returns false when
// no row has that IdAna; insertPerson returns the IdAna the store assigned, which is the
// number nextPersonNumber predicted.
bool updatePerson(const Person &person);
int insertPerson(const Person &person);

// The season columns a person carries in the selected season live on the first of the
// person's enrolments in that season (by IdGio), whatever the championship.

// The clothing of the season: nothing when the person is not enrolled in it; a Null
// value when enrolled but nothing is recorded.
std::optional<QVariant> seasonClothing(int idAna, int season);
bool saveSeasonClothing(int idAna, int season, const QVariant &clothing);

struct MedicalRecord {
    QVariant injuries;
    QVariant treatments;
};
std::optional<MedicalRecord> medicalRecord(int idAna, int season);
bool saveMedicalRecord(int idAna, int season, const MedicalRecord &record);

// What the person editor saves: the person and, when the person is enrolled in the
// season, the season's clothing (Null clears it).
struct PersonDraft {
    Person person; // idAna is ignored for a new person
    bool isNew = false;
    int season = 0;
    std::optional<QVariant> clothing;
};

enum class PersonSaved {
    Saved,
    PersonMissing,   // no row has the person's IdAna: nothing written
    ClothingMissing, // no enrolment in the season: the person is written, the clothing not
};

// Inserts or updates the person, then writes the clothing, in one transaction; an engine
// error writes nothing.
PersonSaved savePerson(const PersonDraft &draft);

} // namespace data
