#pragma once

#include "platform/base/message.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform
{

enum class FileAction { Read, Write, Delete };

// What became of one read, write or delete of a data file. A failure carries its cause: the
// system's error number and its German text, or (a read whose bytes arrived but cannot be
// used) error number 0 and a German text that says what is wrong with the content.
// fileErrorMessage() words the message.
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
    // Marks a read as failed on its content: the file was read, but what it holds cannot be
    // used. `why` says in German what is wrong ("Die Datei hat die Version 2; …").
    void failContent(const QString& why);
    // A read that failed on its content rather than on the system.
    bool contentFailed() const { return !ok && action == FileAction::Read && errorCode == 0; }
};

using WriteResult = FileResult;

// What a reader hands back: the value it read, the read itself, whether there was no file at
// all, and the messages a window shows afterwards. Each reader says what `value` holds after
// a missing or unreadable file.
template <class T> struct Read {
    T value{};
    FileResult file;         // the read; !file.ok: the file exists but could not be read or used
    bool missing = false;    // no file at the path, which is no failure
    QList<Message> messages; // German messages for the window, in the order they arose

    explicit operator bool() const { return file.ok; }
    // The file was there and could be used.
    bool found() const { return file.ok && !missing; }
};

// Reads the file (at most `maxBytes` from its start when maxBytes >= 0) into `value`. A
// missing file is no failure; a folder in its place, missing permission or an I/O error are.
// After either, `value` is empty. Adds no messages.
Read<QByteArray> readFile(const QString& path, qsizetype maxBytes = -1);

// German text for an operating-system error number (errno).
QString systemErrorText(int errorNumber);

// The one German message for a failed file action: the file, the reason and, for a write,
// that the earlier file stays as it was (when there is one). `consequence` is added as the
// last line: what became of the operation ("Es wurden keine Spieler ausgelost.").
QString fileErrorMessage(const FileResult& result, const QString& consequence = {});

} // namespace platform
