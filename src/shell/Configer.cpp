#include "shell/Configer.h"

#include "data/ConnectionString.h"
#include "data/ServerAlias.h"
#include "shell/DipClient.h"
#include "shell/IniFile.h"
#include "shell/ProgramFolder.h"
#include "shell/Scramble.h"

namespace {

const QString Db = QStringLiteral("db");
const QString Login = QStringLiteral("Login");
const QString LastLoginIdKey = QStringLiteral("LastLoginId");
// Shown by the server as the client's name; any short name will do.
const QString WorkstationId = QStringLiteral("LUMORA");

}  // namespace

TConfiger::TConfiger() : ini_(std::make_unique<TIniFile>(CfgIniPath())) {
    const TIniFile& ini = *ini_;
    mssqlServer = ini.ReadString(Db, QStringLiteral("mssqlServer"));
    mssqlPort = ini.ReadInteger(Db, QStringLiteral("mssqlPort"), 5432);
    mssqlDb = ini.ReadString(Db, QStringLiteral("mssqlDb"));
    mssqlUser = ini.ReadString(Db, QStringLiteral("mssqlUser"));
    mssqlPw = UnscrambleText(ini.ReadBytes(Db, QStringLiteral("mssqlPw")));
    jetfile = UnscrambleText(ini.ReadBytes(Db, QStringLiteral("jetfile")));
    jetUser = ini.ReadString(Db, QStringLiteral("jetUser"));
    jetPw = UnscrambleText(ini.ReadBytes(Db, QStringLiteral("jetPw")));
    dipUrl = ini.ReadString(Db, QStringLiteral("dipUrl"));
    dipUser = ini.ReadString(Db, QStringLiteral("dipUser"));
    providerIdx = ini.ReadInteger(Db, QStringLiteral("providerIdx"), ServerProvider);
    defaultCon = ini.ReadBool(Db, QStringLiteral("defaultCon"), true);
}

TConfiger::~TConfiger() = default;

QString TConfiger::ServerConnectionString(const QString& user, const QString& password,
                                          const QString& database, const QString& server) {
    return QStringLiteral(
               "Provider=%1;Persist Security Info=False;User ID=%2;Password=%3;Initial "
               "Catalog=%4;Data Source=%5;Use Procedure for Prepare=1;Auto Translate=True;Packet "
               "Size=4096;Workstation ID=%6;Use Encryption for Data=False;Tag with column "
               "collation when possible=False")
        .arg(QLatin1String(ConnStr::PostgreSQLProvider), user, password, database, server,
             WorkstationId);
}

QString TConfiger::FileConnectionString(const QString& file) {
    return QStringLiteral("Provider=%1;Mode = ReadWrite;Data Source=%2;Persist Security Info=True")
        .arg(QLatin1String(ConnStr::SQLiteProvider), file);
}

QString TConfiger::DipConnectionString(const QString& server, const QString& user,
                                       const QString& password, const QString& database) {
    return QStringLiteral(
               "Provider=%1;Data Source=%2;User ID=%3;Password=%4;Initial Catalog=%5;Persist "
               "Security Info=True")
        .arg(QLatin1String(ConnStr::PostgreSQLProvider), server, user, password, database);
}

bool TConfiger::Save() {
    TIniFile& ini = *ini_;
    bool ok = true;
    ok &= ini.WriteString(Db, QStringLiteral("mssqlServer"), mssqlServer);
    ini.WriteInteger(Db, QStringLiteral("mssqlPort"), mssqlPort);
    ok &= ini.WriteString(Db, QStringLiteral("mssqlDb"), mssqlDb);
    ok &= ini.WriteString(Db, QStringLiteral("mssqlUser"), mssqlUser);
    ok &= ini.WriteBytes(Db, QStringLiteral("mssqlPw"), ScrambleText(mssqlPw));
    ok &= ini.WriteBytes(Db, QStringLiteral("jetfile"), ScrambleText(jetfile));
    ok &= ini.WriteString(Db, QStringLiteral("jetUser"), jetUser);
    ok &= ini.WriteBytes(Db, QStringLiteral("jetPw"), ScrambleText(jetPw));
    ok &= ini.WriteString(Db, QStringLiteral("dipUrl"), dipUrl);
    ok &= ini.WriteString(Db, QStringLiteral("dipUser"), dipUser);
    ini.WriteInteger(Db, QStringLiteral("providerIdx"), providerIdx);
    ini.WriteBool(Db, QStringLiteral("defaultCon"), defaultCon);

    QString connectionString;
    if (providerIdx == ServerProvider) {
        connectionString = ServerConnectionString(mssqlUser, mssqlPw, mssqlDb, mssqlServer);
        WriteServerAlias(mssqlServer, QString::number(mssqlPort), SmartConnect);
    } else if (providerIdx == FileProvider) {
        connectionString = FileConnectionString(jetfile);
    }
    ok &= ini.WriteBytes(Db, QStringLiteral("ConnStr"), ScrambleText(connectionString));
    return ini.UpdateFile() && ok;
}

bool TConfiger::UsesDefaultDatabase() const {
    return providerIdx == FileProvider && defaultCon;
}

QString TConfiger::GetConnectionString() {
    if (UsesDefaultDatabase())
        return ConnStr::SQLite(DefaultDatabasePath());
    if (providerIdx == DipProvider)
        return FetchDipConnection();
    return UnscrambleText(ini_->ReadBytes(Db, QStringLiteral("ConnStr")));
}

void TConfiger::WriteServerAlias(const QString& server, const QString& port, bool remove) {
    if (server.isEmpty())
        return;  // an alias is named after its server
    const QString alias = port.isEmpty() ? server : server + QLatin1Char(',') + port;
    ServerAlias::Write(server, QStringLiteral("DBMSSOCN,") + alias, remove);
}

QString TConfiger::FetchDipConnection() {
    const TDipReply reply = FetchDipReply(dipUrl, dipUser);
    if (!reply.Valid)
        return QString();
    WriteServerAlias(reply.Server, reply.Port, false);
    return DipConnectionString(reply.Server, reply.User, reply.Password, reply.Database);
}

QString TConfiger::ReadLastLoginId() {
    return TIniFile(CfgIniPath()).ReadString(Login, LastLoginIdKey);
}

bool TConfiger::WriteLastLoginId(const QString& loginId) {
    TIniFile ini(CfgIniPath());
    return ini.WriteString(Login, LastLoginIdKey, loginId) && ini.UpdateFile();
}
