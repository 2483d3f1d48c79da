#include "hauptfenster.h"

#include "core/programm.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zorbel-Master V  ") + Programmversion);
    resize(1069, 729);
}
