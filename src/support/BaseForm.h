#pragma once
// The common base of the program's placed windows: the main window and most
// dialogs. It centres a window on its first showing, brings it back wholly
// onto the screen when any of it would be off it, and carries the two flags
// the saved desktop uses.
//
//   class TFormLAYOUT : public BaseDialog { Q_OBJECT ... };
//   class TFormMAIN : public BaseMainWindow { Q_OBJECT ... };

#include <QDialog>
#include <QMainWindow>
#include <QMargins>
#include <QRect>

class QObject;
class QWidget;

// Where a window goes when it is shown. `bounds` is its inner rectangle,
// `area` the screen's free area (without the desktop's panels) and `frame`
// the window frame around the inner rectangle (its title bar at the top).
// The window is cut to the area, frame included; then it keeps its place
// when it lies wholly in the area and is not shown for the first time, and
// is otherwise centred by the size it now has. The title bar always lies in
// the area, even for a window larger than the area (a large minimum size).
QRect placeOnShow(const QRect& bounds, const QRect& area, bool firstTime, const QMargins& frame = {});

// Makes a window's content fit into `room`, the most its inner rectangle may
// take. The window's top layout is a column whose last item is the button
// row. When the window cannot be made as small as `room`, everything above
// the button row moves into a frameless scroll area that asks for no more
// than the room left beside the buttons, so that they always stay in sight;
// a minimum size larger than `room` is cut to it. Once moved, the content
// stays in its scroll area. Returns whether the content moved this time.
bool scrollContentToFit(QWidget& window, const QSize& room);

// Fits a window to the free area of the screen it is on (the primary screen
// when it is on none) as scrollContentToFit says and places it there as
// placeOnShow says. A window smaller than its minimum (a damaged stored size)
// takes its natural size first.
void fitOnScreen(QWidget& window, bool firstTime);

// Fits and places a window not built on TBASEFORM (one of Qt's own dialogs)
// on every showing as fitOnScreen says. It keeps the place it takes itself
// while it fits; one cut to the screen is centred on its first showing.
void keepOnScreen(QWidget& window);

class TBASEFORM {
public:
    virtual ~TBASEFORM();
    TBASEFORM(const TBASEFORM&) = delete;
    TBASEFORM& operator=(const TBASEFORM&) = delete;

    // Not yet placed: set on creation, cleared by the first showing, saved
    // and restored with the desktop.
    bool firstShow = true;
    // Takes part in the saved desktop. Dialogs that are never stored clear it
    // when they are created.
    bool savesPlacement = true;

    // Runs every time the window is about to be shown, before the window's
    // own show handling (its showEvent): fits and places the window as
    // fitOnScreen says, centred on its first showing.
    virtual void DOSHOW();

    QWidget& formWidget() const { return window_; }

    // The base of a window, or nullptr when the window is not built on it.
    static TBASEFORM* of(QObject* window);

protected:
    explicit TBASEFORM(QWidget& window);

private:
    QWidget& window_;
    QObject* showHook_;
};

// A top-level window class of Qt with the common base.
template <class Window>
class BaseWindow : public Window, public TBASEFORM {
public:
    explicit BaseWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {})
        : Window(parent, flags), TBASEFORM(static_cast<QWidget&>(*this))
    {}
};

using BaseMainWindow = BaseWindow<QMainWindow>;
using BaseDialog = BaseWindow<QDialog>;
