// The draw pool "Str_list.txt", and the pool built from "aktuelle_Liste2.akt".
#include "fuzzsupport.h"

#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "platform/base/datafolder.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzDatenordner();
    // The pool file as read by the draw.
    fuzzDateiSchreiben(kPoolDatei, data, size);
    const platform::Read<Poolzeilen> pool = poolLaden();
    fuzzPruefen(pool.found(), "a readable pool file is read");
    fuzzPruefen(pool.messages.isEmpty(), "a readable file never produces a message");
    const Poolzeilen& zeilen = pool.value;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fuzzPruefen(zeilen.size() <= bytes.count('\n') + bytes.count('\r') + 1,
                "no more lines than line ends");
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        fuzzPruefen(!zeilen.value(i).contains(QLatin1Char('\r')) &&
                        !zeilen.value(i).contains(QLatin1Char('\n')),
                    "no line holds a line end");

    // The same bytes as the selection file the pool is built from.
    fuzzDateiSchreiben(kAuswahlDateiGewaehlt, data, size);
    const platform::Read<std::int32_t> neu = StrList();
    fuzzPruefen(neu.found(), "pool built from a readable selection");
    fuzzPruefen(neu.messages.isEmpty(), "a readable file never produces a message");
    fuzzPruefen(neu.value == Poolanzahl, "as many lines written as counted");
    fuzzPruefen(Auswahlanzahl == std::int32_t(size / sizeof(TAuswahlRec)),
                "record count = size / record size");
    fuzzPruefen(Poolanzahl == Auswahlanzahl, "one pool line per record");
    const platform::Read<Poolzeilen> gebaut = poolLaden();
    fuzzPruefen(gebaut.found() && gebaut.messages.isEmpty(), "built pool read back");
    fuzzPruefen(gebaut.value.size() >= Poolanzahl, "every pool line read back");
    return 0;
}
