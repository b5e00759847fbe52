#pragma once

#include "hr/Employee.h"

#include <QList>
#include <QString>
#include <chrono>

namespace kzp {

struct RuleContext;

// The company's HR register KADRY.DB as the fund sees it: read (never written) into the table
// that TKadry browses in name order, searched by surname, and the source of new members or of
// fresh personal data for existing ones.
class HrRegister {
public:
    enum class Assignment {
        NewMember, // a new member was started with the person's data (not stored)
        Refreshed, // the member with that employee number took the person's data (not stored)
        Abandoned, // declined or refused: nothing changed
    };

    static inline const QString ReplaceQuestion =
        QStringLiteral("Pracownik przypisany już do kasy !\nCzy chcesz podmienic dane kadrowe ?    ");
    static inline const QString ReplaceCaption = QStringLiteral("Uwaga ");

    explicit HrRegister(RuleContext& ctx, std::chrono::milliseconds timeLimit = std::chrono::seconds(5));

    // Finds KADRY.DB for the open fund, reads it and fills TKadry's table anew in one transaction,
    // then opens TKadry. False when the register is missing or cannot be read: the user has been
    // told why and TKadry is left closed over an empty table.
    bool load();
    // The register file last read.
    QString sourcePath() const { return m_source; }

    // Fills TKadry's table with the people given (the table is made anew; TKadry is closed).
    void fill(const QList<hr::Employee>& people);

    // Moves TKadry to the first person whose surname is equal to or follows the text.
    void search(const QString& text);

    // Takes the current person of TKadry into the fund: refreshes the member with the same
    // employee number (after asking) or starts a new member. The member is left in edit or
    // insert for the clerk to complete and store. Any refusal or No ends it silently with the
    // member's insert or edit cancelled.
    Assignment assignCurrent();

private:
    void copyPerson(bool newMember);

    RuleContext& m_ctx;
    std::chrono::milliseconds m_timeLimit;
    QString m_source;
    // The members cursor holds an unstored member from an assignment made here.
    bool m_assignmentPending = false;
};

} // namespace kzp
