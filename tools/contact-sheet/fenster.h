#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// One window of the contact sheet: the file-name stem of its screenshots and how to make it.
// The window is made once and stays open while every style is activated in turn, just as the
// program's windows do.
struct SheetWindow {
    QString stem;
    std::function<std::unique_ptr<QWidget>()> make;
};

// The windows on the sheet, left to right.
std::vector<SheetWindow> sheetWindows();
