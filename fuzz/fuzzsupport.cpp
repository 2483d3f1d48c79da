#include "fuzzsupport.h"

#include "platform/base/cp1252.h"
#include "platform/base/datafolder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

void fuzzDatenordner()
{
    static QTemporaryDir ordner;
    static bool gesetzt = false;
    if (gesetzt)
        return;
    fuzzPruefen(ordner.isValid(), "temporary data folder");
    platform::setDataFolder(ordner.path());
    QDir::setCurrent(ordner.path());
    gesetzt = true;
}

void fuzzGuiAnwendung()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zorbel_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication anwendung(argc, argv);
}

void fuzzDateiSchreiben(const QString& name, const std::uint8_t* data, std::size_t size)
{
    QFile datei(platform::dataFile(name));
    fuzzPruefen(datei.open(QIODevice::WriteOnly | QIODevice::Truncate), "input file opened");
    fuzzPruefen(datei.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
                "input file written");
}

void fuzzPruefen(bool bedingung, const char* was)
{
    if (bedingung)
        return;
    std::fprintf(stderr, "Check failed: %s\n", was);
    std::abort();
}

bool cp1252Rundweg(const QByteArray& bytes)
{
    return platform::toCp1252(platform::fromCp1252(bytes)) == bytes;
}
