#pragma once

#include <QByteArray>
#include <QString>

namespace platform
{

struct WriteResult {
    bool ok = false;
    QString reason; // German text of the system's reason when !ok
};

// Writes the whole file atomically: either the new content is in place, or the earlier
// file is untouched. Shows nothing.
WriteResult writeFileAtomic(const QString& path, const QByteArray& content);

// The message every data file of the program shows when it cannot be saved.
QString saveFailedMessage(const QString& path, const QString& reason);

// writeFileAtomic, and on failure the German message naming the file and the reason.
bool saveDataFile(const QString& path, const QByteArray& content);

// German text for an operating-system error number (errno).
QString systemErrorText(int errorNumber);

} // namespace platform
