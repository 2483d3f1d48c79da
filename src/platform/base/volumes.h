#pragma once

#include <QList>
#include <QString>

namespace platform
{

// One place the user can choose as a drive: a mounted volume or the home folder.
struct Volume {
    QString rootPath;   // with "/" separators, no trailing "/" except for the root itself
    QString label;      // what the drive box shows
    QString fileSystem; // empty for the home folder
};

// The home folder first, then every mounted volume that holds the user's files, sorted by
// path. Kernel and system mounts (proc, sysfs, cgroups, squashfs images, /dev, /run ...)
// are left out, and so are memory file systems (tmpfs): a backup there is gone at the next
// start of the computer.
QList<Volume> mountedVolumes();

// The choice above applied to a list of mounts: tests pass their own.
QList<Volume> volumesForUser(const QString& homePath, const QList<Volume>& mounts);

// The entry of `volumes` whose root holds `path` most closely; -1 when none does.
int volumeIndexOf(const QList<Volume>& volumes, const QString& path);

} // namespace platform
