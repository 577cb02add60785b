#include "shell/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include "data/Gbk.h"

namespace {

QByteArray Lower(const QString& name) {
    return GbkBytes(name).trimmed().toLower();
}

}  // namespace

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    qsizetype from = 0;
    bool styleKnown = false;
    while (from < data.size()) {
        const qsizetype lf = data.indexOf('\n', from);
        Line line;
        if (lf < 0) {
            line.text = data.mid(from);
            from = data.size();
        } else {
            const bool crlf = lf > from && data[lf - 1] == '\r';
            line.text = data.mid(from, lf - from - (crlf ? 1 : 0));
            line.end = crlf ? QByteArray("\r\n") : QByteArray("\n");
            if (!styleKnown) {
                newLine_ = line.end;
                styleKnown = true;
            }
            from = lf + 1;
        }
        lines_.append(line);
    }
}

QByteArray TIniFile::SectionName(const QByteArray& line, bool* isHeader) {
    const QByteArray t = line.trimmed();
    *isHeader = t.startsWith('[') && t.indexOf(']') > 0;
    if (!*isHeader)
        return QByteArray();
    return t.mid(1, t.indexOf(']') - 1).trimmed().toLower();
}

QByteArray TIniFile::KeyName(const QByteArray& line, bool* hasEquals) {
    const qsizetype eq = line.indexOf('=');
    *hasEquals = eq >= 0 && !line.trimmed().startsWith(';');
    if (!*hasEquals)
        return QByteArray();
    return line.left(eq).trimmed().toLower();
}

int TIniFile::FindSection(const QString& section) const {
    const QByteArray wanted = Lower(section);
    for (int i = 0; i < lines_.size(); ++i) {
        bool header = false;
        if (SectionName(lines_[i].text, &header) == wanted && header)
            return i;
    }
    return -1;
}

int TIniFile::FindKey(const QString& section, const QString& key) const {
    const int header = FindSection(section);
    if (header < 0)
        return -1;
    const QByteArray wanted = Lower(key);
    for (int i = header + 1; i < lines_.size(); ++i) {
        bool isHeader = false;
        SectionName(lines_[i].text, &isHeader);
        if (isHeader)
            break;
        bool hasEquals = false;
        if (KeyName(lines_[i].text, &hasEquals) == wanted && hasEquals)
            return i;
    }
    return -1;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return FindKey(section, key) >= 0;
}

QByteArray TIniFile::ReadBytes(const QString& section, const QString& key,
                               const QByteArray& defaultValue) const {
    const int i = FindKey(section, key);
    if (i < 0)
        return defaultValue;
    const QByteArray& text = lines_[i].text;
    return text.mid(text.indexOf('=') + 1);
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    const int i = FindKey(section, key);
    return i < 0 ? defaultValue : FromGbk(ReadBytes(section, key));
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = ReadBytes(section, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    const QByteArray value = ReadBytes(section, key).trimmed();
    if (value == "1")
        return true;
    if (value == "0")
        return false;
    return defaultValue;
}

bool TIniFile::WriteBytes(const QString& section, const QString& key, const QByteArray& value) {
    if (value.contains('\r') || value.contains('\n'))
        return false;
    const int at = FindKey(section, key);
    if (at >= 0) {
        Line& line = lines_[at];
        const QByteArray updated = line.text.left(line.text.indexOf('=') + 1) + value;
        if (updated != line.text) {
            line.text = updated;
            modified_ = true;
        }
        return true;
    }
    const Line entry{GbkBytes(key) + '=' + value, newLine_};
    int header = FindSection(section);
    if (header < 0) {
        if (!lines_.isEmpty() && lines_.last().end.isEmpty())
            lines_.last().end = newLine_;
        lines_.append({'[' + GbkBytes(section) + ']', newLine_});
        lines_.append(entry);
        modified_ = true;
        return true;
    }
    // After the section's last key, so blank lines before the next section stay there.
    int insertAt = header + 1;
    for (int i = header + 1; i < lines_.size(); ++i) {
        bool isHeader = false;
        SectionName(lines_[i].text, &isHeader);
        if (isHeader)
            break;
        if (!lines_[i].text.trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (insertAt == lines_.size() && lines_.last().end.isEmpty())
        lines_.last().end = newLine_;
    lines_.insert(insertAt, entry);
    modified_ = true;
    return true;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    return WriteBytes(section, key, GbkBytes(value));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteBytes(section, key, QByteArray::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteBytes(section, key, value ? QByteArray("1") : QByteArray("0"));
}

QByteArray TIniFile::Contents() const {
    QByteArray data;
    for (const Line& line : lines_)
        data += line.text + line.end;
    return data;
}

bool TIniFile::UpdateFile() {
    if (!modified_)
        return true;
    // Written whole under a temporary name, so a failed write leaves the old file intact.
    QSaveFile file(fileName_);
    file.setDirectWriteFallback(true);  // a writable file in a read-only folder
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Contents());
    if (!file.commit())
        return false;
    modified_ = false;
    return true;
}
