#include "appearance/ui/stilwahl.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/tischdatei.h"
#include "grid/logic/filtergridmodel.h"
#include "platform/base/datafolder.h"
#include "platform/base/filecopy.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressverwaltung.h"
#include "players/logic/auswahlpaar.h"
#include "players/logic/auswahlregeln.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <sys/wait.h>
#include <unistd.h>

// A save killed (SIGKILL) at a random moment leaves every file byte for byte as it was or as
// it was to become, on the machine's disk and on a tmpfs. A child process saves two versions
// of one kind of file in turn until it is killed. ZORBEL_KILLS sets the kills per kind.

namespace
{

constexpr long kTmpfsMagic = 0x01021994;

int killsPerKind()
{
    const int n = qEnvironmentVariableIntValue("ZORBEL_KILLS");
    return n > 0 ? n : 30;
}

// One kind of save: `speichern(v)` stores version 0 or 1; `dateien` are the files it writes.
struct Art {
    QStringList dateien;
    std::function<void(int)> speichern;
};

const QStringList kTeilnehmer = {"Anna Alt", "Bert Bunt", "Carl Cord", "Dora Dorn"};

QList<TAdressRec> teilnehmerAdressen()
{
    QList<TAdressRec> adressen;
    for (const QString& t : kTeilnehmer) {
        AdressFelder f;
        f.vorname = t.section(QLatin1Char(' '), 0, 0);
        f.name = t.section(QLatin1Char(' '), 1);
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

QStringList namen(int v, int anzahl)
{
    QStringList liste;
    for (int i = 0; i < anzahl; ++i)
        liste << QStringLiteral("Spieler %1 Fassung %2").arg(i).arg(v);
    return liste;
}

Art artFuer(const QString& name)
{
    if (name == "settings")
        return {{"Zorbeln.opt"}, [](int v) {
                    Optionen.SicherungsPfad.set(v ? QStringLiteral("/neu")
                                                  : QStringLiteral("/alt"));
                    Optionen.DruckGroesse = 10 + v;
                    if (!optionen_speichern())
                        _exit(3);
                }};
    if (name == "participants")
        return {{"Adressen.adr"}, [](int v) {
                    QList<TAdressRec> adressen = teilnehmerAdressen();
                    for (int i = 0; i < 200 * (v + 1); ++i)
                        adressen.append(teilnehmerAdressen().first());
                    if (!adressenSchreiben(adressen))
                        _exit(3);
                }};
    if (name == "selection pair")
        return {{kAuswahlDateiNichtGewaehlt, kAuswahlDateiGewaehlt}, [](int v) {
                    const QStringList links = v ? QStringList{"Anna Alt", "Carl Cord"}
                                                : QStringList{"Anna Alt", "Bert Bunt"};
                    const QStringList rechts = v ? QStringList{"Bert Bunt", "Dora Dorn"}
                                                 : QStringList{"Carl Cord", "Dora Dorn"};
                    if (!auswahlSchreiben(auswahldatei1(), links) ||
                        !auswahlSchreiben(auswahldatei2(), rechts))
                        _exit(3);
                }};
    if (name == "table file")
        return {{tischdateiName(6)}, [](int v) {
                    int i = 0;
                    for (TischSlot& slot : tischRecord(6))
                        slot.set(namen(v, 36).at(i++));
                    if (!tischSpeichern(6))
                        _exit(3);
                }};
    if (name == "pool")
        return {{kPoolDatei, kAuswahlDateiGewaehlt}, [](int v) {
                    if (!auswahlSchreiben(auswahldatei2(), namen(v, 40 + v)) || !StrList().found())
                        _exit(3);
                }};
    if (name == "style file")
        return {{"Styledat.txt"}, [](int v) {
                    Stilname =
                        v ? QStringLiteral("Emerald Light Slate") : QStringLiteral("Windows");
                    if (!style_speichern())
                        _exit(3);
                }};
    if (name == "grid file")
        return {{"Gitter.dat"}, [](int v) {
                    grid::FilterGridModel g;
                    g.SetColCount(3);
                    g.SetRowCount(50 + v);
                    for (int r = 0; r < g.RowCount(); ++r)
                        for (int c = 0; c < 3; ++c)
                            g.SetCells(c, r, QStringLiteral("%1-%2-%3").arg(v).arg(r).arg(c));
                    g.SetFileName(platform::dataFile(QStringLiteral("Gitter.dat")));
                    g.ModiDaten_True();
                    if (!g.SaveToFile(true, 0))
                        _exit(3);
                }};
    // The backup copy: two sources copied in turn over one target.
    return {{"Sicherung.adr"}, [](int v) {
                const QString quelle = platform::dataFile(v ? "quelle1.dat" : "quelle0.dat");
                if (!platform::copyFileReplacing(quelle, platform::dataFile("Sicherung.adr")).ok)
                    _exit(3);
            }};
}

const QStringList kArten = {"settings", "participants", "selection pair", "table file",
                            "pool",     "style file",   "grid file",      "backup copy"};

QByteArray dateiInhalt(const QString& name)
{
    return readFileBytes(platform::dataFile(name));
}

} // namespace

class TestAbbruch : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_platte;
    QTemporaryDir m_tmpfsOrt;
    QString m_tmpfs; // empty when no tmpfs can be had
    bool m_eingehaengt = false;
    QString m_vorherOrdner;
    QString m_vorherArbeit;
    struct Zaehlung {
        QString wo;
        int kills = 0;
        int neu = 0;   // kills after which the files held the new version
        int reste = 0; // stray temporary files cleared away
    };
    QList<Zaehlung> m_zaehlungen;

    void mitTmpfs();

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void killedSaveLeavesOldOrNew_data();
    void killedSaveLeavesOldOrNew();
};

void TestAbbruch::mitTmpfs()
{
    if (::geteuid() == 0 && m_tmpfsOrt.isValid() &&
        ::mount("tmpfs", QFile::encodeName(m_tmpfsOrt.path()).constData(), "tmpfs", 0,
                "size=64m") == 0) {
        m_eingehaengt = true;
        m_tmpfs = m_tmpfsOrt.path();
        return;
    }
    // Without the right to mount, the system's shared-memory folder is a tmpfs on most systems.
    struct statfs info {
    };
    if (::statfs("/dev/shm", &info) == 0 && long(info.f_type) == kTmpfsMagic &&
        ::access("/dev/shm", W_OK) == 0)
        m_tmpfs = QStringLiteral("/dev/shm");
}

void TestAbbruch::initTestCase()
{
    QVERIFY(m_platte.isValid());
    m_vorherOrdner = Datenordner;
    m_vorherArbeit = QDir::currentPath();
    mitTmpfs();
    qInfo("disk: %s; tmpfs: %s%s", qPrintable(m_platte.path()),
          m_tmpfs.isEmpty() ? "none" : qPrintable(m_tmpfs), m_eingehaengt ? " (mounted)" : "");
}

void TestAbbruch::cleanupTestCase()
{
    platform::setDataFolder(m_vorherOrdner);
    QDir::setCurrent(m_vorherArbeit);
    if (m_eingehaengt)
        ::umount(QFile::encodeName(m_tmpfs).constData());
    for (const Zaehlung& z : m_zaehlungen)
        qInfo("%s: %d kills, %d left the new version, %d stray temporary files cleared",
              qPrintable(z.wo), z.kills, z.neu, z.reste);
}

void TestAbbruch::killedSaveLeavesOldOrNew_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<bool>("tmpfs");
    for (const QString& art : kArten) {
        QTest::addRow("%s on disk", qPrintable(art)) << art << false;
        QTest::addRow("%s on tmpfs", qPrintable(art)) << art << true;
    }
}

void TestAbbruch::killedSaveLeavesOldOrNew()
{
    QFETCH(QString, art);
    QFETCH(bool, tmpfs);
    if (tmpfs && m_tmpfs.isEmpty())
        QSKIP("No tmpfs: not root (cannot mount one) and /dev/shm is no writable tmpfs.");
    QTemporaryDir ordner((tmpfs ? m_tmpfs : m_platte.path()) + QStringLiteral("/kill-XXXXXX"));
    QVERIFY(ordner.isValid());
    platform::setDataFolder(ordner.path());
    QDir::setCurrent(ordner.path());
    QVERIFY(platform::saveRecords(adressdateiPfad(), teilnehmerAdressen()) ||
            art == "participants");
    QVERIFY(writeFileBytes(platform::dataFile("quelle0.dat"), QByteArray(300 * 1024, 'a')));
    QVERIFY(writeFileBytes(platform::dataFile("quelle1.dat"), QByteArray(200 * 1024, 'b')));

    const Art a = artFuer(art);
    // The two versions as the program writes them.
    QList<QByteArray> fassung[2];
    for (int v : {1, 0}) {
        a.speichern(v);
        for (const QString& datei : a.dateien)
            fassung[v] << dateiInhalt(datei);
    }
    QVERIFY(fassung[0] != fassung[1]);
    const QStringList vorher = QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden);

    Zaehlung z{QString::fromLatin1(QTest::currentDataTag())};
    for (int k = 0; k < killsPerKind(); ++k) {
        const pid_t kind = ::fork();
        QVERIFY(kind >= 0);
        if (kind == 0) {
            for (;;) {
                a.speichern(1);
                a.speichern(0);
            }
        }
        ::usleep(useconds_t(QRandomGenerator::global()->bounded(40000)));
        ::kill(kind, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(kind, &status, 0), kind);
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                 "the saving child stopped by itself: a save failed");
        ++z.kills;
        z.neu += dateiInhalt(a.dateien.first()) == fassung[1].first() ? 1 : 0;
        for (qsizetype d = 0; d < a.dateien.size(); ++d) {
            const QByteArray jetzt = dateiInhalt(a.dateien[d]);
            QVERIFY2(jetzt == fassung[0][d] || jetzt == fassung[1][d],
                     qPrintable(a.dateien[d] + QStringLiteral(" is neither old nor new")));
        }
        if (art == "selection pair") {
            // Out of step or not: every participant is shown once.
            const AuswahlPaar paar = auswahlPaarLaden();
            QStringList alle = paar.links + paar.rechts;
            alle.sort();
            QCOMPARE(alle, kTeilnehmer);
        }
        // What a start would find and clear away: the program's own temporary files only.
        z.reste += platform::removeTemporarySaveFiles(ordner.path());
        QStringList danach = QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(danach, vorher);
    }
    m_zaehlungen << z;
    QCOMPARE(z.kills, killsPerKind());
}

QTEST_MAIN(TestAbbruch)
#include "tst_abbruch.moc"
