#pragma once

#include "platform/base/fileresult.h"

#include <QByteArray>
#include <QString>

namespace platform
{

// Writes the whole file atomically: either the new content is in place, or the earlier
// file is untouched. Shows nothing; the result carries the cause of a failure.
WriteResult writeFileAtomic(const QString& path, const QByteArray& content);

// The message every data file of the program shows when it cannot be saved.
QString saveFailedMessage(const QString& path, const QString& reason);

} // namespace platform
