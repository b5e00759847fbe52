#pragma once

#include <QDate>
#include <QtGlobal>

#include <compare>

namespace kzp {

// A calendar date as year, month and day; three zeros mean "no date". Triples order by year,
// then month, then day, so the empty triple lies before every date.
struct DateTriple {
    qint32 year = 0;
    quint8 month = 0;
    quint8 day = 0;

    // A month or day that does not fit its 8 bits is kept as 255 (an invalid triple) rather than
    // wrapped around into some other, valid, date.
    static DateTriple fromValues(int year, int month, int day);

    // A null or invalid date, or one before year 1, gives the empty triple.
    static DateTriple fromDate(const QDate& date);

    // The date of a valid triple; a null date for the empty or any invalid triple.
    QDate toDate() const;

    void clear() { *this = DateTriple{}; }
    bool isEmpty() const { return year == 0 && month == 0 && day == 0; }

    // Year above 0, month 1..12, a day that exists in that month.
    bool isValid() const;

    friend bool operator==(const DateTriple&, const DateTriple&) = default;
    friend auto operator<=>(const DateTriple&, const DateTriple&) = default;
};

// A date field's value compared with a triple. A null QDate is an empty field: it counts as three
// zeros and so lies before every date.
bool dateEquals(const QDate& field, const DateTriple& date);
bool dateBefore(const QDate& field, const DateTriple& date);
bool dateAfter(const QDate& field, const DateTriple& date);
bool dateNotAfter(const QDate& field, const DateTriple& date);
bool dateNotBefore(const QDate& field, const DateTriple& date);

} // namespace kzp
