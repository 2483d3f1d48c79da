#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace platform
{

// Result codes of starting a program, as the Windows shell reports them: a value above 32
// means the program was started; 32 or less names the reason it was not.
inline constexpr int kShellGestartet = 42;
inline constexpr int kShellDateiFehlt = 2;        // the program file does not exist
inline constexpr int kShellOrdnerFehlt = 3;       // the working folder does not exist
inline constexpr int kShellZugriffVerweigert = 5; // the file may not be executed
inline constexpr int kShellUngueltigeDatei = 11;  // the file is no program this system can run

// Starts `program` without parameters in `workingFolder`, detached from this program, and
// returns the result code above.
int shellExecute(const QString& program, const QString& workingFolder);

using ShellExecutor = std::function<int(const QString& program, const QString& workingFolder)>;
// Installs a replacement (tests) and returns the one before; empty restores the real one.
ShellExecutor setShellExecutor(ShellExecutor executor);

// Opens a web address in the user's default browser; false when no browser could be started.
bool openUrl(const QUrl& url);

using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener setUrlOpener(UrlOpener opener);

} // namespace platform
