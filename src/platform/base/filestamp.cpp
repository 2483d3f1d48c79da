#include "platform/base/filestamp.h"

#include <QFile>
#include <algorithm>
#include <sys/stat.h>
#include <time.h>

namespace platform
{

FileStamp fileStamp(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {true,
            qint64(info.st_size),
            ns(info.st_mtim),
            ns(info.st_ctim),
            quint64(info.st_dev),
            quint64(info.st_ino)};
}

FileStampBeforeRead fileStampBeforeRead(const QString& path)
{
    // Longer than the coarse clock's step on any kernel setting (at most 10 ms).
    constexpr qint64 kZeitschritt = 20'000'000;
    timespec jetzt = {};
    ::clock_gettime(CLOCK_REALTIME, &jetzt);
    const qint64 jetztNs = qint64(jetzt.tv_sec) * 1000000000 + jetzt.tv_nsec;
    FileStampBeforeRead vorher;
    vorher.stamp = fileStamp(path);
    vorher.settled =
        !vorher.stamp.exists ||
        std::max(vorher.stamp.modifiedNs, vorher.stamp.changedNs) < jetztNs - kZeitschritt;
    return vorher;
}

} // namespace platform
