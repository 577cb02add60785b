#include "shell/ToolLinks.h"

#include "data/Database.h"
#include "data/QuerySet.h"

namespace {

TLink CurrentLink(TRecordSet& rs) {
    TLink link;
    link.Id = rs.FieldByName(QStringLiteral("Id"))->AsInteger();
    link.GroupId = rs.FieldByName(QStringLiteral("GroupId"))->AsInteger();
    link.Title = rs.FieldByName(QStringLiteral("Title"))->AsString();
    link.lpFile = rs.FieldByName(QStringLiteral("lpFile"))->AsString();
    link.lpParameters = rs.FieldByName(QStringLiteral("lpParameters"))->AsString();
    link.Note = rs.FieldByName(QStringLiteral("Note"))->AsString();
    return link;
}

}  // namespace

bool TLink::LoadLink(int id) {
    TRecordSet& rs = AppRecordSet();
    const bool found = rs.OpenSql(QStringLiteral("select * from link where Id=:Id"),
                                  {DBParam(QStringLiteral("Id"), id)}) == 1;
    if (found)
        *this = CurrentLink(rs);
    rs.Close();
    return found;
}

QList<TLink> ReadToolLinks() {
    TRecordSet& rs = AppRecordSet();
    QList<TLink> links;
    if (rs.OpenSql(QStringLiteral(
            "select Id,GroupId,Title,lpFile,lpParameters,Note from link order by Id")) > 0) {
        for (rs.First(); !rs.Eof(); rs.Next())
            links.append(CurrentLink(rs));
    }
    rs.Close();
    return links;
}
