#include "platform/base/typedfile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

// Reads until `wanted` bytes are in or the file ends; the bytes read, -1 with errno set on an
// error.
qsizetype readUpTo(int fd, char* into, qsizetype wanted)
{
    qsizetype total = 0;
    while (total < wanted) {
        const ssize_t n = ::read(fd, into + total, size_t(wanted - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
    }
    return total;
}

// Reads the records that follow the first `count` into the list one by one, up to the end of
// the file: the records a file grew by, or all of a file that reports no size (as in /proc).
// A partial record at the end is left out. The number of records in all; -1 with errno set on
// an error.
qsizetype readRecordsOn(int fd, qsizetype recordSize, qsizetype count,
                        const std::function<char*(qsizetype count)>& resize)
{
    QByteArray record(recordSize, Qt::Uninitialized);
    for (;;) {
        const qsizetype n = readUpTo(fd, record.data(), recordSize);
        if (n < 0)
            return -1;
        if (n < recordSize)
            return count;
        char* records = resize(count + 1);
        std::memcpy(records + count * recordSize, record.constData(), size_t(recordSize));
        ++count;
    }
}

} // namespace

Read<qsizetype> readRecordsInto(const QString& path, qsizetype recordSize,
                                const std::function<char*(qsizetype count)>& resize)
{
    Read<qsizetype> result;
    result.file.action = FileAction::Read;
    result.file.path = path;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            result.missing = true;
        else
            result.file.fail(errno);
        return result;
    }
    const auto failed = [&result, fd](int errorNumber) {
        ::close(fd);
        result.file.fail(errorNumber);
        result.value = 0;
        return result;
    };
    struct stat info {
    };
    if (::fstat(fd, &info) != 0)
        return failed(errno);
    if (S_ISDIR(info.st_mode))
        return failed(EISDIR);
    const qsizetype count = info.st_size > 0 ? qsizetype(info.st_size) / recordSize : 0;
    const qsizetype wanted = count * recordSize;
    const qsizetype got = readUpTo(fd, resize(count), wanted);
    if (got < 0)
        return failed(errno);
    if (got < wanted) {
        result.value = got / recordSize; // the file shrank while it was read
        resize(result.value);
    } else {
        result.value = readRecordsOn(fd, recordSize, count, resize);
        if (result.value < 0)
            return failed(errno);
    }
    ::close(fd);
    return result;
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool readFileHead(const QString& path, qsizetype maxBytes, QByteArray& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.read(maxBytes);
    return true;
}

} // namespace platform
