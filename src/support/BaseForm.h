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
    // own show handling (its showEvent): places the window as placeOnShow
    // says on the screen it is on (the primary screen when it is on none). A
    // window smaller than its minimum (a damaged stored size) takes its
    // natural size first.
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
