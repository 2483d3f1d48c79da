#pragma once

#include <QString>

namespace platform
{

struct CopyResult {
    bool ok = false;
    int errorCode = 0; // errno of the failing step when !ok
    QString reason;    // German text of that error
};

// Copies `source` to `target`, replacing a file already there. The copy is written beside the
// target and moved into place at the end, so a failed copy never leaves a half-written file:
// the target is either the earlier file or the complete copy. Permission bits and the time of
// the last change go with the copy. Shows nothing.
CopyResult copyFileReplacing(const QString& source, const QString& target);

// The line that tells which copy failed.
QString copyFailedText(const QString& source, const QString& target);

// copyFileReplacing; a failure goes to the general error report with the code, the system's
// German text and the file. Returns whether the copy is in place.
bool copyFileReported(const QString& source, const QString& target);

} // namespace platform
