#pragma once

#include <QByteArray>
#include <QString>
#include <map>

// The text of an INI settings file in memory, read and written in the layout
// Qt's QSettings gives INI files, so that a file keeps its bytes whichever of
// the two wrote it last: comments and the order of the lines are not kept,
// sections and keys come out sorted, and values keep their quoting and
// escapes. Keys are "Section/Name", or "Name" for the General section.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QByteArray &bytes);

    // False when a line is neither a comment nor a section nor a key: such a
    // file is read but must not be replaced by what could be read of it.
    bool isWellFormed() const { return mWellFormed; }

    // The value as text; empty when the key is missing, a list or not text.
    QString value(const QString &key) const;
    bool contains(const QString &key) const { return mEntries.count(key) != 0; }
    void setValue(const QString &key, const QString &value);
    // The key and every key below it ("group/...").
    void remove(const QString &group);

    QByteArray bytes() const;

    bool operator==(const IniFile &other) const { return mEntries == other.mEntries; }
    bool operator!=(const IniFile &other) const { return !(*this == other); }

private:
    struct Entry
    {
        QString text;       // what value() gives
        QByteArray written; // what follows "key=" in the file
        bool operator==(const Entry &other) const { return written == other.written && text == other.text; }
    };

    void readSection(const QString &prefix, const QByteArray &data);

    std::map<QString, Entry> mEntries;
    bool mWellFormed = true;
};
