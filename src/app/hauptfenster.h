#pragma once

#include <QMainWindow>

// The main window. Its tool bar, menu and main-screen panel come with their own change.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};
