#include "platform/base/folderlisting.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace platform
{

namespace
{

bool isDotOrDotDot(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Whether a folder entry is a file, or a link to one.
bool isFile(DIR* dir, const dirent& entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info {
    };
    return ::fstatat(::dirfd(dir), entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

} // namespace

QStringList filesInFolder(const QString& folder)
{
    QStringList names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isDotOrDotDot(entry->d_name) && isFile(dir, *entry))
            names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

FolderProbe probeFolder(const QString& folder)
{
    FolderProbe probe;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        probe.errorCode = errno;
        return probe;
    }
    probe.opened = true;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isDotOrDotDot(entry->d_name)) {
            probe.hasEntries = true;
            break;
        }
    }
    if (!probe.hasEntries)
        probe.errorCode = errno;
    ::closedir(dir);
    return probe;
}

} // namespace platform
