#include "common/testsupport.h"
#include "platform/base/shell.h"
#include "platform/ui/help.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace
{

bool writeProgram(const QString& path, const QByteArray& text, QFileDevice::Permissions permissions)
{
    if (!writeFileBytes(path, text))
        return false;
    return QFile::setPermissions(path, permissions);
}

QWidget* helpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Hilfefenster"))
            return w;
    }
    return nullptr;
}

} // namespace

class TestDienste : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shellResultCodes()
    {
        TempDataFolder folder;
        const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        const auto rwx = rw | QFileDevice::ExeOwner;
        QVERIFY(writeProgram(folder.file("Update.Exe"), "#!/bin/sh\nexit 0\n", rwx));
        QVERIFY(writeProgram(folder.file("Locked.Exe"), "#!/bin/sh\nexit 0\n", rw));
        QVERIFY(writeProgram(folder.file("Windows.Exe"),
                             QByteArray("MZ\x90\x00\x03", 5) + QByteArray(200, 'x'), rwx));

        QCOMPARE(platform::shellExecute(folder.file("Fehlt.Exe"), folder.path()),
                 platform::kShellDateiFehlt);
        QCOMPARE(platform::shellExecute(folder.file("Update.Exe"), folder.file("kein-ordner")),
                 platform::kShellOrdnerFehlt);
        QCOMPARE(platform::shellExecute(folder.file("Locked.Exe"), folder.path()),
                 platform::kShellZugriffVerweigert);
        QCOMPARE(platform::shellExecute(folder.file("Windows.Exe"), folder.path()),
                 platform::kShellUngueltigeDatei);
        QVERIFY(platform::shellExecute(folder.file("Update.Exe"), folder.path()) > 32);
    }

    void shellStartsInTheWorkingFolder()
    {
        TempDataFolder folder;
        QVERIFY(
            writeProgram(folder.file("Update.Exe"), "#!/bin/sh\npwd > gestartet.txt\n",
                         QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QVERIFY(platform::shellExecute(folder.file("Update.Exe"), folder.path()) > 32);
        QTRY_VERIFY(QFile::exists(folder.file("gestartet.txt")));
        QTRY_COMPARE(readFileBytes(folder.file("gestartet.txt")).trimmed(),
                     QFile::encodeName(folder.path()));
    }

    void helpOpensAtTheSectionAndCloses()
    {
        TempDataFolder folder;
        QByteArray html = "<html><body><a name=\"kontext150\"></a><h1>Programm</h1>";
        html += QByteArray("<p>Text</p>").repeated(400);
        html += "<a name=\"kontext1050\"></a><h1>Spieler erfassen</h1>";
        html += QByteArray("<p>Text</p>").repeated(400);
        html += "</body></html>";
        QVERIFY(writeFileBytes(folder.file("Zorbeln-Hilfe.html"), html));

        QVERIFY(!platform::showHelp(folder.file("fehlt.html"), 150));
        QVERIFY(!helpWindow() || !helpWindow()->isVisible());

        QVERIFY(platform::showHelp(folder.file("Zorbeln-Hilfe.html"), 150));
        QWidget* window = helpWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->windowTitle().contains(QStringLiteral("Hilfe")));
        auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("HilfeText"));
        QVERIFY(browser);
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Spieler erfassen")));
        const int top = browser->verticalScrollBar()->value();

        QVERIFY(platform::showHelp(folder.file("Zorbeln-Hilfe.html"), 1050));
        QCOMPARE(helpWindow(), window);
        QTRY_VERIFY(browser->verticalScrollBar()->value() > top);

        platform::closeHelp();
        QVERIFY(!window->isVisible());
        platform::closeHelp(); // closing a closed viewer is harmless
    }

    void helpViewerIsReplaceable()
    {
        int shownContext = 0;
        bool closed = false;
        platform::HelpViewer previous = platform::setHelpViewer({[&](const QString&, int context) {
                                                                     shownContext = context;
                                                                     return true;
                                                                 },
                                                                 [&] { closed = true; }});
        QVERIFY(platform::showHelp(QStringLiteral("x.html"), 1050));
        platform::closeHelp();
        platform::setHelpViewer(std::move(previous));
        QCOMPARE(shownContext, 1050);
        QVERIFY(closed);
    }
};

QTEST_MAIN(TestDienste)
#include "tst_dienste.moc"
