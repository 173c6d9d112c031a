#pragma once
// The common base of the program's placed windows: the main window and most
// dialogs. It centres a window on its first showing, pulls it back onto the
// screen when it would be shown almost entirely off it, and carries the two
// flags the saved desktop uses.
//
//   class TFormLAYOUT : public BaseDialog { Q_OBJECT ... };
//   class TFormMAIN : public BaseMainWindow { Q_OBJECT ... };

#include <QDialog>
#include <QMainWindow>
#include <QRect>

class QObject;
class QWidget;

// Where a window of the given bounds goes when it is shown on a screen of the
// given rectangle: centred when it is shown for the first time, and centred
// and cut to the screen's size when it would lie almost entirely off the
// screen (fewer than 3 pixels of it left on the screen in either direction).
// A window cut to the screen is centred by its former size, so it starts left
// of or above the screen's edge.
QRect placeOnShow(const QRect& bounds, const QRect& screen, bool firstTime);

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
    bool DESKTOP = true;

    // Runs every time the window is about to be shown, before the window's
    // own show handling (its showEvent): places the window as placeOnShow
    // says on the screen it is on (the primary screen when it is on none).
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
