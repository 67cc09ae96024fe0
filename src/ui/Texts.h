#pragma once

#include <QString>

// The titles and messages that several windows show, written once so that they read the
// same everywhere.
namespace ui::texts {

// Box titles.
inline const QString errorTitle = QStringLiteral("Errore");
inline const QString noticeTitle = QStringLiteral("AVVISO");
inline const QString confirmDeletionTitle = QStringLiteral("CONFERMI ELIMINAZIONE");
inline const QString confirmTitle = QStringLiteral("CONFERMA");
inline const QString cannotDeleteItTitle = QStringLiteral("Impossibile eliminarlo");

// Window titles.
inline const QString registryTitle = QStringLiteral("VELMORA - ANAGRAFICA");

// Messages.
inline const QString noPlayers =
    QStringLiteral("Nessun GIOCATORE inserito in questa stagione/campionato");
inline const QString chooseSeasonAndChampionship =
    QStringLiteral("Selezionare prima STAGIONE e CAMPIONATO");
inline const QString choosePlayerFirst = QStringLiteral("Selezionare prima un GIOCATORE");
inline const QString choosePlayer = QStringLiteral("Selezionare GIOCATORE");
inline const QString duringDeletion = QStringLiteral("Durante eliminazione");
inline const QString duringTheDeletion = QStringLiteral("Durante l'eliminazione");
inline const QString invalidDate = QStringLiteral("DATA non valida");
inline const QString saveChanges = QStringLiteral("Salvare le modifiche apportate ?");

// Captions.
inline const QString closeCaption = QStringLiteral("&CHIUDI");
inline const QString saveCaption = QStringLiteral("&SALVA");
inline const QString cancelCaption = QStringLiteral("&ANNULLA");
inline const QString removeCaption = QStringLiteral("<- &REM");
inline const QString insertCaption = QStringLiteral("&Inserisci");
inline const QString deleteCaption = QStringLiteral("&Elimina");

} // namespace ui::texts
