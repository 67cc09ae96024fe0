#pragma once

#include <QList>
#include <QString>

namespace data {

struct Candidate {
    int idAna = 0;
    QString name;
};

// The persons not yet enrolled in this season and championship, in name order.
// Enrolments in other seasons or championships do not matter.
QList<Candidate> enrolmentCandidates(int season, int camp);

// Enrols a person; every season column but the three keys stays Null until the card is
// saved. Returns the new IdGio.
int enrol(int idAna, int season, int camp);

} // namespace data
