// The style file "Styledat.txt".
#include "fuzzsupport.h"

#include "appearance/logic/stile.h"
#include "platform/base/cp1252.h"
#include "platform/base/datafolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzDatenordner();
    fuzzDateiSchreiben(QStringLiteral("Styledat.txt"), data, size);
    const QString name =
        appearance::styleNameOfFile(platform::dataFile(QStringLiteral("Styledat.txt")));
    const QByteArray gespeichert = platform::toCp1252(name);
    fuzzPruefen(gespeichert.size() <= 4096, "read no further than the head");
    fuzzPruefen(!gespeichert.contains('\n') && !gespeichert.contains('\r'), "one line");
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fuzzPruefen(bytes.startsWith(gespeichert), "the name is the start of the file");
    return 0;
}
