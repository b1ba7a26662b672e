#pragma once

#include <QByteArray>
#include <QString>

// Writes whole files so that a failure at any step (a full disk, a quota, a file size limit, a
// lost device) leaves the file that was there before byte for byte, and nothing half-written
// under its name: the bytes go to a new file beside it, are flushed to the disk and checked, and
// only then does the new file take the name.
class SafeFileWriter
{
public:
    // Why nothing may be written at `path`, in a sentence; empty when it is free, a regular file or
    // a link to one. A folder, a pipe, a device, a socket or a link to nothing are refused: writing
    // there would replace something that is not a document, or create a file somewhere else.
    static QString refusal(const QString &path);

    // Writes `bytes` as the whole of `path`. A link to a regular file is written through, as
    // editors do: the file it points at gets the new bytes and the link stays. A file replaced
    // keeps its permissions. False, with the reason in `error`, when anything failed or
    // refusal() refuses the place; the old file is then untouched.
    static bool write(const QString &path, const QByteArray &bytes, QString *error);
};
