#pragma once

#include <QString>
#include <QtGlobal>

namespace platform
{

// What tells one state of a file from another without reading it: a write, an atomic save
// (a new file takes the old one's place) or a copy over it changes at least one field.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0; // the status change time, which no copy can set back
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path` now; a missing or unreachable file gives exists == false.
FileStamp fileStamp(const QString& path);

// The stamp taken before reading a file, and whether it is settled. File times advance in
// coarse steps of the system clock, so a rewrite of the same size within the step of the last
// change keeps every field; a stamp whose last change is that recent tells nothing for sure.
struct FileStampBeforeRead {
    FileStamp stamp;
    bool settled = false;
};
FileStampBeforeRead fileStampBeforeRead(const QString& path);

} // namespace platform
