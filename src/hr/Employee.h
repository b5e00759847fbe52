#pragma once

#include <QString>

#include <optional>

namespace hr {

// One person of the HR register KADRY.DB. Field names are those of the register's table; a number
// that the register leaves empty is nullopt, an empty text is an empty string.
struct Employee
{
    std::optional<int> Identyfikator;
    std::optional<int> NumerPracownika;
    QString Nazwisko;
    QString Imie1;
    QString Imie2;
    QString PESEL;
    QString KodPocztowy;
    QString Miejscowosc;
    QString Poczta;
    QString Ulica;
    QString NrDomuiMieszkania;
    QString NumerDowoduOsobistego;

    friend bool operator==(const Employee&, const Employee&) = default;
};

} // namespace hr
