#pragma once

#include "platform/base/fileresult.h"

#include <QString>

namespace platform
{

// Copies `source` to `target`, replacing a file already there. The copy is written beside the
// target and moved into place at the end, so a failed copy never leaves a half-written file:
// the target is either the earlier file or the complete copy. The time of the last change goes
// with the copy; the copy gets the user's normal read-write permission, whatever the source's
// (a file from read-only media would otherwise stay read-only). Shows nothing.
// The result is the write of the target. A failure names the side that failed: a read of
// `source` when it cannot be opened or read, otherwise a write of `target`.
FileResult copyFileReplacing(const QString& source, const QString& target);

// The line that tells which copy failed.
QString copyFailedText(const QString& source, const QString& target);

// The general error report for operating-system failures:
// "Systemfehler.  Code: <code>." + line break + the system's text.
QString systemErrorReportText(int code, const QString& systemText);

// The general error report of a failed copy: the code, the system's German text and the file.
QString copyFailureReport(const FileResult& result, const QString& source, const QString& target);

} // namespace platform
