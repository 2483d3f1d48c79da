#include "core/base/programm.h"

#include "core/base/optionen.h"
#include "platform/base/datafolder.h"

QString Programmversion = QStringLiteral("1.06");
QString Hilfedatei;
std::int32_t TaskleistenHoehe = 0;
std::int32_t TaskleisteFest = 1;

platform::WriteResult programmInitialisieren()
{
    platform::setDataFolderFromProgram();
    return optionen_lesen();
}

QString hilfeFehltMeldung(const QString& hilfedatei)
{
    // A message box on this platform breaks a line only at a line feed: the carriage return
    // alone would glue the path to the text.
    return QStringLiteral("Hilfe-Datei nicht gefunden\r\n") + hilfedatei;
}
