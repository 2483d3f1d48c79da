#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// The names of the files in `folder` and of the links to files there, hidden ones included:
// what QDir lists with QDir::Files | QDir::Hidden (no folders, broken links, pipes or
// devices), in the order the folder gives them. None when the folder cannot be read.
QStringList filesInFolder(const QString& folder);

// What opening a folder and reading its first entries found.
struct FolderProbe {
    bool opened = false;     // the folder could be opened
    bool hasEntries = false; // it holds anything besides "." and ".."
    int errorCode = 0;       // errno when it could not be opened, or read before an entry
};
FolderProbe probeFolder(const QString& folder);

} // namespace platform
