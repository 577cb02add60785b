#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The directory service ("DIP") hands out the server parameters of a user: an HTTP GET of
// "<address>?user=<user>" answered by five lines: server, port (may be empty), login,
// password, database.
struct TDipReply {
    bool Valid = false;  // the reply had exactly five lines
    QString Server;
    QString Port;
    QString User;
    QString Password;
    QString Database;
};

// The lines of a reply body, split on "\r\n" or "\n". A line break at the very end closes the
// last line and does not start another one.
QStringList DipReplyLines(const QByteArray& body);
TDipReply ParseDipReply(const QByteArray& body);

// Sends the request and waits for the reply (at most timeoutMs). A failed request (network
// error, HTTP error status, time-out) says so in an information box and gives an invalid
// reply; a reply of another number of lines is invalid without a message.
TDipReply FetchDipReply(const QString& address, const QString& user, int timeoutMs = 15000);
