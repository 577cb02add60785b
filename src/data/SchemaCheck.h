#pragma once

#include <QStringList>

class TDatabase;

// Compares the connected database with the expected schema (SchemaDescription.h): one text per
// missing table, missing column, column of another logical type, and counter the database does
// not generate. Names are compared without regard to case; extra tables and columns are fine.
// An empty list means the program can work with the database. Throws EDatabaseError when the
// database cannot be read.
QStringList CheckSchema(TDatabase& db);
