#pragma once
// The windows the program creates once at start, after the main window, in
// the program's order, each joined to the main window.

#include <QIcon>
#include <QWidget>

#include <memory>
#include <vector>

class TFormABOUT;
class TFormMAIN;

// The program's icon, which every window bears: the sheet of labels the
// desktop entry shows too.
QIcon programIcon();

// Creates the other windows (the about window too when `about` is null) and
// hands them to the main window. The caller owns what is returned.
std::vector<std::unique_ptr<QWidget>> createProgramWindows(TFormMAIN& main, TFormABOUT* about = nullptr);

// The desktop program: splash, main window, message loop.
int runDesktopProgram(const QStringList& commandLine);
