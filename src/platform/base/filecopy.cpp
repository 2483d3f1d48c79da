#include "platform/base/filecopy.h"

#include "platform/base/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

class FileHandle
{
public:
    explicit FileHandle(int fd = -1) : m_fd(fd) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Returns errno of a failing close (a late write error shows up here on some file systems).
    int close()
    {
        if (m_fd < 0)
            return 0;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

FileResult failure(FileAction action, const QString& path, int code, bool earlierFile = false)
{
    FileResult result;
    result.action = action;
    result.path = path;
    result.earlierFile = earlierFile;
    result.fail(code);
    return result;
}

int writeAll(int fd, const char* data, ssize_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, size_t(length));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        length -= written;
    }
    return 0;
}

// Copies the rest of `from` into `to`; on failure the action that failed, on the file it
// failed on.
FileResult copyContent(int from, const QString& source, int to, const QString& target)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return failure(FileAction::Read, source, errno);
        }
        if (got == 0)
            return {};
        if (const int err = writeAll(to, buffer, got))
            return failure(FileAction::Write, target, err);
    }
}

// The copy is written under a hidden name in the target's folder, so it is on the same file
// system and the final rename replaces the target in one step.
QByteArray temporaryNameBeside(const QString& target)
{
    const QString folder = QFileInfo(target).path();
    const QString name = QFileInfo(target).fileName();
    return QFile::encodeName(folder + QStringLiteral("/.~") + name + QStringLiteral(".XXXXXX"));
}

// The permission a file the user creates gets: read and write for whom the user's umask allows.
// A copy from read-only media must not stay read-only, or every later save of it fails.
mode_t normalFilePermission()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

FileResult copyFileReplacing(const QString& source, const QString& target)
{
    FileHandle in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    if (!in.isOpen())
        return failure(FileAction::Read, source, errno);
    struct stat info {
    };
    if (::fstat(in.fd(), &info) != 0)
        return failure(FileAction::Read, source, errno);
    if (S_ISDIR(info.st_mode))
        return failure(FileAction::Read, source, EISDIR);

    const bool earlierFile = QFileInfo(target).isFile();
    QByteArray temporary = temporaryNameBeside(target);
    FileHandle out(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!out.isOpen())
        return failure(FileAction::Write, target, errno, earlierFile);

    if (FileResult copied = copyContent(in.fd(), source, out.fd(), target); !copied) {
        out.close();
        ::unlink(temporary.constData());
        copied.earlierFile = copied.action == FileAction::Write && earlierFile;
        return copied;
    }
    int err = 0;
    if (::fchmod(out.fd(), normalFilePermission()) != 0)
        err = errno;
    if (err == 0) {
        const struct timespec times[2] = {info.st_atim, info.st_mtim};
        ::futimens(out.fd(), times); // a copy with today's time is still a good copy
    }
    if (const int closeErr = out.close(); err == 0)
        err = closeErr;
    if (err == 0 && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temporary.constData());
        return failure(FileAction::Write, target, err, earlierFile);
    }
    FileResult done;
    done.action = FileAction::Write;
    done.path = target;
    return done;
}

QString copyFailedText(const QString& source, const QString& target)
{
    return QStringLiteral("Die Datei \"%1\" konnte nicht nach \"%2\" kopiert werden.")
        .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target));
}

QString systemErrorReportText(int code, const QString& systemText)
{
    return QStringLiteral("Systemfehler.  Code: %1.\n%2").arg(code).arg(systemText);
}

QString copyFailureReport(const FileResult& result, const QString& source, const QString& target)
{
    return systemErrorReportText(result.errorCode, result.reason + QStringLiteral("\n\n") +
                                                       copyFailedText(source, target));
}

} // namespace platform
