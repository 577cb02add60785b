#pragma once

#include <QList>
#include <QString>

// One row of the link table: a web page ("IEXPLORE.EXE" with the address as parameters), a
// document or a program started from the tools menu.
struct TLink {
    int Id = -1;
    int GroupId = 0;
    QString Title;
    QString lpFile;
    QString lpParameters;
    QString Note;

    // Reads the link of that Id; false (and the fields unchanged) when there is none.
    bool LoadLink(int id);
    bool IsWebLink() const { return lpFile == QLatin1String("IEXPLORE.EXE"); }
};

// Every link in Id order, as the tools menu lists them.
QList<TLink> ReadToolLinks();
