// zorbel-contact-sheet <output folder> [style name ...]
// Shows every window of sheetWindows(), then activates each style in turn (all of them when no
// names are given) and saves one PNG per window and style:
// <folder>/<NN>_<style>_<K>-<window>.png (NN: the style's place in the list, K: the window's).
// zorbel-contact-sheet --hilfe <folder>         the help's pictures (tools/help-pictures.sh)
// zorbel-contact-sheet --bildschirm <folder>    the whole screen with each window of the program
//                                               (tools/screenshots-screen.sh)
// The program's data folder points into a temporary folder, so no real data file is touched.

#include "appearance/ui/stilverwaltung.h"
#include "bildschirm.h"
#include "fenster.h"
#include "platform/base/datafolder.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace
{

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

QString fileSafe(QString name)
{
    return name.replace(QLatin1Char(' '), QLatin1Char('_'));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorbel-Master"));
    const QStringList arguments = QApplication::arguments().mid(1);
    const bool mode = !arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"));
    if (arguments.isEmpty() || (mode && arguments.size() != 2)) {
        std::fputs("usage: zorbel-contact-sheet <output folder> [style name ...]\n"
                   "       zorbel-contact-sheet --hilfe|--bildschirm <output folder>\n",
                   stderr);
        return 2;
    }
    const QString outFolder = QDir(arguments.at(mode ? 1 : 0)).absolutePath();
    QDir().mkpath(outFolder);

    QTemporaryDir dataFolder;
    platform::setDataFolder(dataFolder.path());
    QDir::setCurrent(dataFolder.path());
    platform::setMessageHandler([](const platform::Message& message) {
        QTextStream(stderr) << "Meldung: " << message.text << '\n';
        return message.buttons == platform::Buttons::YesNo ? platform::Answer::No
                                                           : platform::Answer::Cancel;
    });
    platform::setModalRunner([](QDialog& dialog) {
        dialog.show();
        return int(QDialog::Rejected);
    });

    if (arguments.first() == QLatin1String("--hilfe"))
        return hilfebilderMachen(outFolder, 560) == 0 ? 0 : 1;
    if (arguments.first() == QLatin1String("--bildschirm"))
        return bildschirmfotosMachen(outFolder, QStringLiteral(ZORBEL_HILFE_ORDNER)) == 0 ? 0 : 1;
    if (mode) {
        QTextStream(stderr) << "unbekannte Art: " << arguments.first() << '\n';
        return 2;
    }

    // Recorded before the first look of the program replaces the platform's own.
    const QStringList allStyles = appearance::StyleManager::styleNames();
    const QStringList styles = arguments.size() > 1 ? arguments.mid(1) : allStyles;

    std::vector<std::unique_ptr<QWidget>> windows;
    const std::vector<SheetWindow> kinds = sheetWindows();
    for (const SheetWindow& kind : kinds) {
        windows.push_back(kind.make());
        windows.back()->show();
    }
    settle(300);

    int failures = 0;
    for (const QString& style : styles) {
        if (!appearance::StyleManager::trySetStyle(style)) {
            QTextStream(stderr) << "unbekannter Stil: " << style << '\n';
            ++failures;
            continue;
        }
        settle(150);
        const int index = int(allStyles.indexOf(style)) + 1;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const QString file = QStringLiteral("%1/%2_%3_%4-%5.png")
                                     .arg(outFolder)
                                     .arg(index, 2, 10, QLatin1Char('0'))
                                     .arg(fileSafe(style))
                                     .arg(i + 1)
                                     .arg(kinds[i].stem);
            if (!windows[i]->grab().save(file)) {
                QTextStream(stderr) << "konnte nicht speichern: " << file << '\n';
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
