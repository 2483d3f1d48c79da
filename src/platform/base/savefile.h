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

// Whether `fileName` (a bare name) is one of the program's own temporary files: a safe save's
// "<data file>.XXXXXX" (Zorbeln.opt.ErFiLC) or a copy's hidden ".~<name>.XXXXXX". A save or
// copy that was cut off leaves such a file behind.
bool isTemporarySaveName(const QString& fileName);

// Removes the program's own leftover temporary files in `folder` (nothing else) and returns
// how many were removed. Only to be called while no save of this program runs there.
int removeTemporarySaveFiles(const QString& folder);

// The message every data file of the program shows when it cannot be saved; it says that the
// earlier file stays as it was only when there is one.
QString saveFailedMessage(const QString& path, const QString& reason, bool earlierFile);

} // namespace platform
