#include "platform/base/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform
{

namespace
{

ShellExecutor& executorSlot()
{
    static ShellExecutor executor;
    return executor;
}

UrlOpener& openerSlot()
{
    static UrlOpener opener;
    return opener;
}

int startDetached(const QString& program, const QString& workingFolder)
{
    const QFileInfo file(program);
    if (!file.exists() || file.isDir())
        return kShellDateiFehlt;
    if (!QDir(workingFolder).exists())
        return kShellOrdnerFehlt;
    if (!file.isExecutable())
        return kShellZugriffVerweigert;
    QProcess process;
    process.setProgram(file.absoluteFilePath());
    process.setWorkingDirectory(workingFolder);
    // The file exists and may be executed: a failed start means the system cannot run it
    // (for instance a program built for another operating system).
    return process.startDetached() ? kShellGestartet : kShellUngueltigeDatei;
}

} // namespace

int shellExecute(const QString& program, const QString& workingFolder)
{
    if (executorSlot())
        return executorSlot()(program, workingFolder);
    return startDetached(program, workingFolder);
}

ShellExecutor setShellExecutor(ShellExecutor executor)
{
    ShellExecutor previous = std::move(executorSlot());
    executorSlot() = std::move(executor);
    return previous;
}

bool openUrl(const QUrl& url)
{
    if (openerSlot())
        return openerSlot()(url);
    return QDesktopServices::openUrl(url);
}

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(openerSlot());
    openerSlot() = std::move(opener);
    return previous;
}

} // namespace platform
