#pragma once

#include <QVariant>
#include <QVector>

namespace store {

// The values of one row as a cursor holds it: stored fields first, then calculated and look-up
// fields, in the cursor's field order. rowid 0 marks a row that is not stored yet.
struct Record {
    qint64 rowid = 0;
    QVector<QVariant> values;
};

} // namespace store
