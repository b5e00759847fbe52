#pragma once

#include <QDate>
#include <QString>
#include <memory>

namespace kzp {

class Balances;
struct RuleContext;

// The initial generation for members added when the fund is put into service: every member still
// in the fund without contributions gets an opening contribution ("40") of 0, and every one
// without an entry fee gets the fund's entry fee ("10"), both dated with the chosen day, status
// "Z", form "L", document "Inicjacja".
class InitialGeneration {
public:
    static inline const QString ClosedMonth =
        QStringLiteral("Miesiąc jest zamknięty ! Niemożliwe generowanie rat dla  wcześniejszej  daty!!!");
    static inline const QString RowErrorCaption = QStringLiteral("Błąd przegrania!!! !!!");
    static inline const QString SummaryCaption = QStringLiteral("       Generowanie  * rat i składek *  ");
    static inline const QString DocumentNumber = QStringLiteral("Inicjacja");

    struct Result {
        bool completed = false; // the walk went through every member
        int openingRows = 0;
        int entryFeeRows = 0;
        double entryFeeSum = 0; // sum of the entry fees written
    };

    explicit InitialGeneration(RuleContext& ctx);
    ~InitialGeneration();
    InitialGeneration(const InitialGeneration&) = delete;
    InitialGeneration& operator=(const InitialGeneration&) = delete;

    // Writes the rows for the members as TCzlonkowie shows them, in one transaction under the
    // initial-generation batch mode, and reports the outcome to the user: the summary after a
    // complete walk, the error of a row that could not be written (rows before it stay), or the
    // refusal of a closed month (nothing written).
    Result run(const QDate& date);

    // The summary shown after a complete walk.
    static QString summaryText(double entryFeeSum);

private:
    bool refusedByClosedMonth(const QDate& date);

    RuleContext& m_ctx;
    std::unique_ptr<Balances> m_balances;
};

} // namespace kzp
