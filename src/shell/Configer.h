#pragma once

#include <QString>
#include <memory>

class TIniFile;

// The connection settings of cfg.ini (section db) beside the program. Construction reads every
// key; the password fields, the database file and the stored connection string are scrambled
// on disk.
class TConfiger {
public:
    // providerIdx values.
    static constexpr int ServerProvider = 0;  // PostgreSQL server
    static constexpr int FileProvider = 1;    // SQLite database file
    static constexpr int DipProvider = 2;     // PostgreSQL server named by the directory service

    TConfiger();
    ~TConfiger();
    TConfiger(const TConfiger&) = delete;
    TConfiger& operator=(const TConfiger&) = delete;

    QString mssqlServer;
    int mssqlPort = 5432;
    QString mssqlDb;
    QString mssqlUser;
    QString mssqlPw;
    QString jetfile;
    QString jetUser;  // kept, not used in the connection string
    QString jetPw;    // kept; SQLite files have no password
    QString dipUrl;
    QString dipUser;
    int providerIdx = ServerProvider;
    bool defaultCon = true;
    bool SmartConnect = false;  // from the dialog only, never stored

    // Writes every db key, then the connection string of the chosen back end (ConnStr), and
    // puts the file on disk. False when cfg.ini cannot be written or a value holds a line break.
    bool Save();
    // The connection string of the configured back end; empty when none can be had.
    QString GetConnectionString();
    // True when the configuration names the default database beside the program.
    bool UsesDefaultDatabase() const;
    // Routes the server to the port through the server alias, or removes its alias.
    void WriteServerAlias(const QString& server, const QString& port, bool remove);
    // Asks the directory service for the server's parameters; empty when it gives none.
    QString FetchDipConnection();

    static QString ReadLastLoginId();
    static bool WriteLastLoginId(const QString& loginId);

    // The connection strings Save builds.
    static QString ServerConnectionString(const QString& user, const QString& password,
                                          const QString& database, const QString& server);
    static QString FileConnectionString(const QString& file);
    static QString DipConnectionString(const QString& server, const QString& user,
                                       const QString& password, const QString& database);

    TIniFile& Ini() { return *ini_; }

private:
    std::unique_ptr<TIniFile> ini_;
};
