#pragma once

#include "app/hauptfenster.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "platform/base/datafolder.h"
#include "platform/base/shell.h"
#include "platform/base/taskbar.h"
#include "platform/ui/help.h"

#include <QAction>
#include <QFrame>
#include <QTest>
#include <QUrl>
#include <memory>

// Helpers of the main window's tests.

// Replaces the shell, the browser, the help viewer and the taskbar while it lives, and
// records what the main window asked of them.
struct FakeServices {
    QString startedProgram;
    QString startedFolder;
    int shellResult = platform::kShellGestartet;
    QList<QUrl> openedUrls;
    bool browserWorks = true;
    QList<int> helpContexts;
    QString helpFile;
    int helpClosed = 0;
    platform::Taskbar taskbar{true, 0, 1040, 1920, 1080, false};

    FakeServices()
    {
        previousShell =
            platform::setShellExecutor([this](const QString& program, const QString& folder) {
                startedProgram = program;
                startedFolder = folder;
                return shellResult;
            });
        previousOpener = platform::setUrlOpener([this](const QUrl& url) {
            openedUrls.append(url);
            return browserWorks;
        });
        previousHelp = platform::setHelpViewer({[this](const QString& file, int context) {
                                                    helpFile = file;
                                                    helpContexts.append(context);
                                                    return true;
                                                },
                                                [this] { ++helpClosed; }});
        previousTaskbar = platform::setTaskbarProvider([this] { return taskbar; });
    }
    ~FakeServices()
    {
        platform::setShellExecutor(std::move(previousShell));
        platform::setUrlOpener(std::move(previousOpener));
        platform::setHelpViewer(std::move(previousHelp));
        platform::setTaskbarProvider(std::move(previousTaskbar));
    }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    platform::ShellExecutor previousShell;
    platform::UrlOpener previousOpener;
    platform::HelpViewer previousHelp;
    platform::TaskbarProvider previousTaskbar;
};

inline void helpFileAnlegen()
{
    QVERIFY(
        writeFileBytes(platform::dataFile(QStringLiteral("Zorbeln-Hilfe.html")), "<html></html>"));
}

inline QWidget* panel5(TForm1& form)
{
    return form.findChild<QFrame*>(QStringLiteral("Panel5"));
}

inline QAction* menuItem(TForm1& form, const QString& name)
{
    return form.findChild<QAction*>(name);
}

// What every main-window test runs in: a data folder of its own, recorded messages, the
// services replaced, a fixed clock, version 1.06 and the default settings.
class HauptfensterUmgebung
{
protected:
    void anlegen()
    {
        folder = std::make_unique<TempDataFolder>();
        messages = std::make_unique<MessageRecorder>();
        services = std::make_unique<FakeServices>();
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2023, 2, 21), QTime(19, 30, 5)));
        Programmversion = QStringLiteral("1.06");
        optionenStandardwerte(Optionen);
    }
    void abbauen()
    {
        clock.reset();
        services.reset();
        messages.reset();
        folder.reset();
    }

    std::unique_ptr<TempDataFolder> folder;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<FakeServices> services;
    std::unique_ptr<FixedClock> clock;
};
