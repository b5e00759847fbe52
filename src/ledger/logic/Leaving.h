#pragma once

#include <QString>
#include <memory>

namespace kzp {

class Balances;
struct RuleContext;

// A member leaving the fund: the leaving date typed into the current member (TCzlonkowie) is
// stored only when the member owes nothing and is owed nothing, i.e. when his loans' balances and
// his contributions balance add up to zero to the grosz.
class Leaving {
public:
    enum class Outcome {
        Left,        // the member was stored with his leaving date
        NotSettled,  // a balance remains: nothing stored, the typed date stays as an unsaved change
        NoDate,      // no leaving date typed: nothing stored
        StoreFailed, // the member rules or the database refused to store the member
    };

    static inline const QString Done = QStringLiteral("Dokonano wypisu z kasy");
    static inline const QString StoreError = QStringLiteral("Błąd zapisu ! Sprawdź datę wypisu");
    static inline const QString Caption = QStringLiteral("Uwaga!");

    explicit Leaving(RuleContext& ctx);
    ~Leaving();
    Leaving(const Leaving&) = delete;
    Leaving& operator=(const Leaving&) = delete;

    // The sum of the balances of all the member's loans plus his contributions balance, rounded
    // to the grosz. Read from the stored rows, whatever the cursors show.
    double totalBalance();
    // Stores the leaving when the balance allows it and tells the user the outcome.
    Outcome confirm();
    // Drops the typed date (the member's pending edit).
    void cancel();

    static bool isSettled(double roundedTotal) { return roundedTotal < 0.0000001 && roundedTotal > -0.0000001; }

private:
    double loansBalance(int memberId);

    RuleContext& m_ctx;
    std::unique_ptr<Balances> m_balances;
};

} // namespace kzp
