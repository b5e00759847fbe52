#pragma once

// Short builders for the catalogue's field and index lists; private to the catalogue sources.

#include "store/FieldDef.h"

namespace kzp::catalogue_fields {

using store::FieldDef;
using store::FieldType;
using store::IndexDef;

inline FieldDef autoInc(const QString& n) { return {n, FieldType::AutoInc, 0}; }
inline FieldDef integer(const QString& n) { return {n, FieldType::Integer, 0}; }
inline FieldDef smallint(const QString& n) { return {n, FieldType::Smallint, 0}; }
inline FieldDef text(const QString& n, int size) { return {n, FieldType::String, size}; }
inline FieldDef money(const QString& n) { return {n, FieldType::Money, 0}; }
inline FieldDef real(const QString& n) { return {n, FieldType::Float, 0}; }
inline FieldDef date(const QString& n) { return {n, FieldType::Date, 0}; }
inline FieldDef boolean(const QString& n) { return {n, FieldType::Boolean, 0}; }
inline FieldDef memo(const QString& n) { return {n, FieldType::Memo, 0}; }

// An ordering index over "A;B;C".
inline IndexDef orderBy(const QString& fields) { return {store::splitFieldList(fields), false, QString()}; }

} // namespace kzp::catalogue_fields
