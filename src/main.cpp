#include "app/hauptfenster.h"
#include "app/core/programm.h"
#include "platform/random.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorbel-Master"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorbel-Master"));
    platform::randomize();
    programm_initialisieren();

    TForm1 hauptfenster;
    hauptfenster.show();
    return QApplication::exec();
}
