#pragma once

#include <QString>
#include <functional>

namespace platform
{

// The program's help: one HTML file with one section per context number. The section of
// context n starts with the anchor <a name="kontext<n>">.
QString helpAnchor(int context);

// Opens the help viewer (a window of its own whose caption contains "Hilfe") at the section
// of `context`. False, with nothing shown, when the file does not exist.
bool showHelp(const QString& file, int context);

// Closes the help viewer when it is open.
void closeHelp();

struct HelpViewer {
    std::function<bool(const QString& file, int context)> show;
    std::function<void()> close;
};
// Installs a replacement (tests) and returns the one before; an empty viewer restores the
// real one.
HelpViewer setHelpViewer(HelpViewer viewer);

} // namespace platform
