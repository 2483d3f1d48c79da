#pragma once

#include "platform/base/fileresult.h"

#include <QByteArray>
#include <QString>

namespace platform
{

// Writes the whole file atomically: either the new content is in place, or the earlier
// file is untouched. Shows nothing; the result carries the cause of a failure and whether an
// earlier file exists.
WriteResult writeFileAtomic(const QString& path, const QByteArray& content);

// The message every data file of the program shows when it cannot be saved; it says that the
// earlier file stays as it was only when there is one.
QString saveFailedMessage(const QString& path, const QString& reason, bool earlierFile);

} // namespace platform
