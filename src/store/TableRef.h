#pragma once

#include <QString>

namespace store {

// Names a table file: the folder that holds it and its name. Each folder keeps its tables in one
// database file; table names compare without regard to letter case.
struct TableRef {
    QString folder;
    QString name;

    bool isNull() const { return name.isEmpty(); }
    QString displayName() const { return name; }
    bool operator==(const TableRef& other) const;
};

} // namespace store
