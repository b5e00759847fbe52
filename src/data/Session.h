#pragma once

#include "common/DateTriple.h"

#include <QList>
#include <QString>

namespace kzp {

// The rights of a user, by their index in the user record.
enum Right : int {
    RightActive = 0,        // Aktywny
    RightAdministrator = 1, // Administrator
    RightBrowse = 2,        // Przegladanie
    RightUpdate = 3,        // Aktualizacja
    RightTransferToFK = 4,  // PrzenoszenieDoFK
    RightClosing = 5,       // Zamkniecie
};

// The in-memory copy of one row of the users table.
struct UserRecord {
    bool rights[6] = {false, false, false, false, false, false};
    int identyfikator = 0;
    int identZm = 0;
    QString nazwaKrotka;
    QString haslo; // the stored password hash
    QString nazwaPelna;
};

// The state of one run of the program: who works, for which date, in which folder.
// Created once by main and handed to whoever needs it.
class Session {
public:
    Session();

    DateTriple processingDate;
    DateTriple startDate;
    UserRecord currentUser;
    QList<UserRecord> users; // loaded once after start
    QString workDir;
    bool loginPending = true;
    // The HR register file found by the last successful look-up (empty until one succeeds).
    QString hrRegisterPath;

    // Index 0..5; any other index answers no.
    bool hasRight(int index) const;
    int currentUserId() const { return currentUser.identyfikator; }
    // The full name of the first user with that identifier, or the empty text.
    QString userFullName(int identyfikator) const;
};

} // namespace kzp
