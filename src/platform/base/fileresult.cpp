#include "platform/base/fileresult.h"

#include "platform/base/savefile.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

Read<QByteArray> readFailure(Read<QByteArray> result, int errorNumber)
{
    result.file.fail(errorNumber);
    result.value.clear();
    return result;
}

// Reads until `wanted` bytes are in or the file ends; -1 with errno set on an error.
qsizetype readAtMost(int fd, QByteArray& into, qsizetype wanted)
{
    qsizetype total = 0;
    into.resize(wanted);
    while (total < wanted) {
        const ssize_t n = ::read(fd, into.data() + total, size_t(wanted - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
    }
    into.resize(total);
    return total;
}

} // namespace

void FileResult::fail(int errorNumber)
{
    ok = false;
    errorCode = errorNumber;
    reason = systemErrorText(errorNumber);
}

void FileResult::failContent(const QString& why)
{
    ok = false;
    errorCode = 0;
    reason = why;
}

Read<QByteArray> readFile(const QString& path, qsizetype maxBytes)
{
    Read<QByteArray> result;
    result.file.action = FileAction::Read;
    result.file.path = path;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            result.missing = true;
            return result;
        }
        return readFailure(result, errno);
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0) {
        const int err = errno;
        ::close(fd);
        return readFailure(result, err);
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd);
        return readFailure(result, EISDIR);
    }
    // The size is a hint only: a file may grow or shrink while it is read.
    const qsizetype size = info.st_size > 0 ? qsizetype(info.st_size) : 0;
    qsizetype wanted = maxBytes >= 0 ? std::min(maxBytes, size) : size;
    if (readAtMost(fd, result.value, wanted) < 0) {
        const int err = errno;
        ::close(fd);
        return readFailure(result, err);
    }
    // A file that grew (or reports no size, as in /proc) is read on to its end.
    if (maxBytes < 0 || result.value.size() < maxBytes) {
        QByteArray rest;
        for (;;) {
            const qsizetype chunk = maxBytes >= 0 ? maxBytes - result.value.size() : 65536;
            if (chunk <= 0)
                break;
            const qsizetype n = readAtMost(fd, rest, chunk);
            if (n < 0) {
                const int err = errno;
                ::close(fd);
                return readFailure(result, err);
            }
            if (n == 0)
                break;
            result.value += rest;
        }
    }
    ::close(fd);
    return result;
}

QString fileErrorMessage(const FileResult& result, const QString& consequence)
{
    const QString datei = QDir::toNativeSeparators(result.path);
    switch (result.action) {
    case FileAction::Write:
        return saveFailedMessage(result.path, result.reason, result.earlierFile) +
               (consequence.isEmpty() ? QString() : QStringLiteral("\n") + consequence);
    case FileAction::Read:
    case FileAction::Delete:
        break;
    }
    // A file whose bytes arrived but cannot be used was read all right: it is its content
    // that fails.
    const QString verb = result.contentFailed()              ? QStringLiteral("verwendet")
                         : result.action == FileAction::Read ? QStringLiteral("gelesen")
                                                             : QStringLiteral("gelöscht");
    QString text = QStringLiteral("Die Datei \"%1\" konnte nicht %2 werden.\nGrund: %3")
                       .arg(datei, verb, result.reason);
    if (!consequence.isEmpty())
        text += QStringLiteral("\n\n") + consequence;
    return text;
}

} // namespace platform
