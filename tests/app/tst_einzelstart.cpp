#include "app/start.h"
#include "backup/logic/sicherung.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "platform/base/datafolder.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <unistd.h>

// Two copies of the program on one data folder: the test program starts a second process of
// itself ("--halten <folder>") that takes the data folder as a running program does and keeps
// it until its input closes or it is killed.

namespace
{

const char* const kHalten = "--halten";

int datenordnerHalten(const QString& ordner)
{
    platform::setDataFolder(ordner);
    const bool gehalten = datenordnerSperren() == platform::InstanceLockState::Held;
    std::printf("%s\n", gehalten ? "gehalten" : "nicht gehalten");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    datenordnerFreigeben();
    return 0;
}

// Every file of the folder with its content and time of last change.
QMap<QString, QPair<QByteArray, QDateTime>> bestand(const QString& ordner)
{
    QMap<QString, QPair<QByteArray, QDateTime>> dateien;
    for (const QFileInfo& info : QDir(ordner).entryInfoList(QDir::Files | QDir::Hidden))
        dateien.insert(info.fileName(), {readFileBytes(info.filePath()),
                                         info.fileTime(QFile::FileModificationTime)});
    return dateien;
}

// A running copy of the program on `ordner`, in a process of its own.
class ZweiterProzess
{
public:
    explicit ZweiterProzess(const QString& ordner)
    {
        m_prozess.start(QCoreApplication::applicationFilePath(), {kHalten, ordner});
        if (m_prozess.waitForStarted(10000) && m_prozess.waitForReadyRead(10000))
            m_antwort = QString::fromLatin1(m_prozess.readLine().trimmed());
    }
    ~ZweiterProzess()
    {
        m_prozess.kill();
        m_prozess.waitForFinished(10000);
    }
    QString antwort() const { return m_antwort; }
    qint64 pid() const { return m_prozess.processId(); }
    // Ends as the program ends: the lock is given back.
    bool beenden()
    {
        m_prozess.closeWriteChannel();
        return m_prozess.waitForFinished(10000) && m_prozess.exitCode() == 0;
    }
    // Ends as after a crash or a power loss: the lock file stays behind.
    bool abstuerzen()
    {
        m_prozess.kill();
        return m_prozess.waitForFinished(10000);
    }

private:
    QProcess m_prozess;
    QString m_antwort;
};

qint64 inhaberDerSperre()
{
    QLockFile sperre(sperrdatei());
    qint64 pid = 0;
    QString host;
    QString programm;
    return sperre.getLockInfo(&pid, &host, &programm) ? pid : 0;
}

} // namespace

class TestEinzelstart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { datenordnerFreigeben(); }
    void secondStartEndsWithAMessageAndTouchesNoFile();
    void lockOfACrashedCopyIsTakenOver_data();
    void lockOfACrashedCopyIsTakenOver();
    void otherDataFoldersAreNotBlocked();
    void lockFileIsNoDataFile();
    void withoutAGuardWhereNoLockFileCanBeMade();
};

void TestEinzelstart::secondStartEndsWithAMessageAndTouchesNoFile()
{
    TempDataFolder data;
    optionen_lesen();
    Optionen.AutoSicherung = 1;
    Optionen.SicherungsPfad.set(QStringLiteral("/srv/Sicherung"));
    QVERIFY(optionen_speichern());
    QVERIFY(writeFileBytes(data.file("Adressen.adr"), QByteArray(960, 'a')));

    ZweiterProzess erster(data.path());
    QCOMPARE(erster.antwort(), QStringLiteral("gehalten"));
    QCOMPARE(inhaberDerSperre(), erster.pid());
    const auto vorher = bestand(data.path());

    MessageRecorder messages;
    QVERIFY(!startFreigeben());
    QCOMPARE(messages.texts(), QStringList{zweiterStartMeldung()});
    QVERIFY(messages.lastText().startsWith(QStringLiteral("Zorbel-Master läuft bereits")));
    QVERIFY(messages.lastText().contains(QDir::toNativeSeparators(Datenordner)));
    QCOMPARE(messages.messages().first().icon, platform::Icon::Warning);
    QCOMPARE(bestand(data.path()), vorher);
    QCOMPARE(inhaberDerSperre(), erster.pid());

    // Once the first copy has ended, the next start runs and holds the folder itself.
    QVERIFY(erster.beenden());
    QVERIFY(!QFileInfo::exists(sperrdatei()));
    messages.clear();
    QVERIFY(startFreigeben());
    QVERIFY(messages.texts().isEmpty());
    QCOMPARE(inhaberDerSperre(), QCoreApplication::applicationPid());
    ZweiterProzess dritter(data.path());
    QCOMPARE(dritter.antwort(), QStringLiteral("nicht gehalten"));
}

void TestEinzelstart::lockOfACrashedCopyIsTakenOver_data()
{
    QTest::addColumn<QString>("ueberbleibsel");
    QTest::newRow("process killed") << "crash";
    QTest::newRow("lock file empty after a power loss") << "empty";
    QTest::newRow("lock file with garbage") << "garbage";
}

void TestEinzelstart::lockOfACrashedCopyIsTakenOver()
{
    QFETCH(QString, ueberbleibsel);
    TempDataFolder data;
    MessageRecorder messages;
    if (ueberbleibsel == "crash") {
        ZweiterProzess erster(data.path());
        QCOMPARE(erster.antwort(), QStringLiteral("gehalten"));
        QVERIFY(erster.abstuerzen());
    } else {
        QVERIFY(writeFileBytes(sperrdatei(),
                               ueberbleibsel == "empty" ? QByteArray() : QByteArray("\0\0\0", 3)));
    }
    QVERIFY(QFileInfo::exists(sperrdatei()));
    QVERIFY(startFreigeben());
    QVERIFY(messages.texts().isEmpty());
    QCOMPARE(inhaberDerSperre(), QCoreApplication::applicationPid());
}

void TestEinzelstart::otherDataFoldersAreNotBlocked()
{
    TempDataFolder anderer;
    ZweiterProzess erster(anderer.path());
    QCOMPARE(erster.antwort(), QStringLiteral("gehalten"));
    TempDataFolder data;
    MessageRecorder messages;
    QVERIFY(startFreigeben());
    QVERIFY(messages.texts().isEmpty());
}

void TestEinzelstart::lockFileIsNoDataFile()
{
    const QString name = QFileInfo(sperrdatei()).fileName();
    QVERIFY(!name.isEmpty());
    for (const QString& maske : datendateiMasken())
        QVERIFY2(!passtZurMaske(name, maske), qPrintable(maske));
}

void TestEinzelstart::withoutAGuardWhereNoLockFileCanBeMade()
{
    TempDataFolder data;
    MessageRecorder messages;
    {
        // A full disk: the lock file cannot be written, as in a folder without write access.
        FileSizeLimit voll(0);
        QVERIFY(startFreigeben());
    }
    QVERIFY(messages.texts().isEmpty());
    QVERIFY(!QFileInfo::exists(sperrdatei()));
    datenordnerFreigeben();

    if (::geteuid() == 0)
        return; // root writes into a read-only folder all the same
    QVERIFY(QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool frei = startFreigeben();
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(frei);
    QVERIFY(messages.texts().isEmpty());
}

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], kHalten) == 0) {
        QCoreApplication app(argc, argv);
        return datenordnerHalten(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    TestEinzelstart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_einzelstart.moc"
