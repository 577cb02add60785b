#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The report variables every print template of the program can use: the company's name,
// telephone, fax, address and zip code and the login name of the operator, as name/value
// pairs in that order.
QList<QPair<QString, QString>> ProjRepVariables();
