#include "app/start.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorbel-Master"));
    return programmStarten();
}
