#pragma once

#include <QByteArray>
#include <QString>

namespace platform
{

enum class FileAction { Read, Write, Delete };

// What became of one read, write or delete of a data file. A failure carries its cause as
// the system's error number and its German text; fileErrorMessage() words the message.
struct FileResult {
    bool ok = true;
    FileAction action = FileAction::Read;
    QString path;
    int errorCode = 0;        // errno of the failing step, 0 when the system gave none
    QString reason;           // German text of the cause when !ok
    bool earlierFile = false; // a write: a file stood at the path before and stays as it was

    explicit operator bool() const { return ok; }

    // Marks the action as failed with the system's error number and its German text.
    void fail(int errorNumber);
};

using WriteResult = FileResult;

struct ReadResult : FileResult {
    bool missing = false; // the file does not exist: ok stays true and `bytes` is empty
    QByteArray bytes;
};

// Reads the file (at most `maxBytes` from its start when maxBytes >= 0). A missing file is
// no failure; a folder in its place, missing permission or an I/O error are.
ReadResult readFile(const QString& path, qsizetype maxBytes = -1);

// German text for an operating-system error number (errno).
QString systemErrorText(int errorNumber);

// The one German message for a failed file action: the file, the reason and, for a write,
// that the earlier file stays as it was (when there is one). `consequence` is added as the
// last line: what became of the operation ("Es wurden keine Spieler ausgelost.").
QString fileErrorMessage(const FileResult& result, const QString& consequence = {});

} // namespace platform
