// Feeds every file of the given folders (or the given files) once to the target, without
// fuzzing: the stored corpus replayed as an ordinary program.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace
{

bool einspielen(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(pfad));
        return false;
    }
    const QByteArray bytes = datei.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           std::size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        const QString pfad = QString::fromLocal8Bit(argv[i]);
        QStringList dateien;
        if (QFileInfo(pfad).isDir()) {
            const QDir ordner(pfad);
            for (const QString& name : ordner.entryList(QDir::Files | QDir::Hidden, QDir::Name))
                dateien << ordner.filePath(name);
        } else {
            dateien << pfad;
        }
        for (const QString& datei : dateien) {
            if (!einspielen(datei))
                return 1;
            ++anzahl;
        }
    }
    std::printf("%d inputs replayed\n", anzahl);
    return anzahl > 0 ? 0 : 1; // an empty corpus is a fault of the set-up
}
