#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A small INI file reader and writer that keeps the file byte for byte: lines it does not
// change (comments, blank lines, other keys, line ends) are written back as they were read.
// Section and key names match without regard to case. Values are the bytes after the first
// "=" exactly as they stand (GBK on disk; scrambled values may begin or end with blanks, so
// nothing is trimmed). A missing file reads as empty, so every read gives its default.
// Writes change the contents in memory; UpdateFile puts them on disk.
class TIniFile {
public:
    explicit TIniFile(const QString& fileName);

    QString FileName() const { return fileName_; }

    bool ValueExists(const QString& section, const QString& key) const;
    QByteArray ReadBytes(const QString& section, const QString& key,
                         const QByteArray& defaultValue = QByteArray()) const;
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // A whole decimal number (blanks around it allowed), else the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // "1" is true, "0" false, anything else the default.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // False, and nothing written, for a value holding a line break (it would end the line).
    bool WriteBytes(const QString& section, const QString& key, const QByteArray& value);
    bool WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Writes the contents to the file when they changed; false when it cannot be written.
    bool UpdateFile();
    // The file's contents as they would be written.
    QByteArray Contents() const;

private:
    struct Line {
        QByteArray text;  // without its line end
        QByteArray end;   // "\r\n", "\n", or empty for a last line without one
    };

    int FindSection(const QString& section) const;  // index of the header line, or -1
    int FindKey(const QString& section, const QString& key) const;
    static QByteArray SectionName(const QByteArray& line, bool* isHeader);
    static QByteArray KeyName(const QByteArray& line, bool* hasEquals);

    QString fileName_;
    QList<Line> lines_;
    QByteArray newLine_ = "\r\n";
    bool modified_ = false;
};
