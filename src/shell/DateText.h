#pragma once

#include <QDate>
#include <QString>

// A day as the main window shows it: "2005年02月21日 星期一".
QString GregorianDateText(const QDate& date);
