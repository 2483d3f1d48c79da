#pragma once

#include <QString>

// The folder of the program file with a trailing separator. Every data file is opened as
// Datenordner followed by its bare name. Tests point it at a temporary folder.
extern QString Datenordner;

namespace platform
{

// Sets Datenordner to the folder of the running program file.
void setDataFolderFromProgram();
// Sets Datenordner to `folder`, adding the trailing separator.
void setDataFolder(const QString& folder);
// Datenordner + name.
QString dataFile(const QString& name);

} // namespace platform
