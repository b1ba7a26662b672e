#pragma once

#include <QByteArray>
#include <QString>

// A settings file in the INI form Qt reads and writes, edited in place: setting a value rewrites
// only that value's line, so the user's comments, blank lines, other sections and lines no
// program can read stay as they were. The file is written whole through SafeFileWriter, so a full
// disk or a failed write leaves it as it was. Should an edit not read back (a quotation mark left
// open above it swallows the new line), the file as it was is kept beside it with ".bak" added
// and a new one holds the section's values.
class IniSettingsFile
{
public:
    explicit IniSettingsFile(const QString &path);

    // The value of `key` in `section` as Qt reads it as a string; null when there is none, or when
    // it holds something else (a list, a typed value).
    QString value(const QString &section, const QString &key) const;
    // False, with the reason in `error`, when the file could not be read or written.
    bool setValue(const QString &section, const QString &key, const QString &value, QString *error);

    // The same, on the file's bytes.
    static QString valueIn(const QByteArray &file, const QString &section, const QString &key);
    static QByteArray withValue(const QByteArray &file, const QString &section, const QString &key,
                                const QString &value);

private:
    QString m_path;
};
