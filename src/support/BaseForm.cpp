#include "BaseForm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
// Catches the window's show events ahead of the window's own handlers:
// filters see an event before the object it is sent to.
class ShowHook : public QObject {
public:
    ShowHook(TBASEFORM& form, QWidget& window) : QObject(&window), form_(form) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Spontaneous show events come from the window system (a window
        // restored from the task bar); only the program's own showing places.
        if (watched == parent() && event->type() == QEvent::Show && !event->spontaneous())
            form_.DOSHOW();
        return false;
    }

private:
    TBASEFORM& form_;
};

QScreen* screenOf(const QWidget& window)
{
    if (QScreen* screen = QGuiApplication::screenAt(window.geometry().center()))
        return screen;
    return QGuiApplication::primaryScreen();
}
} // namespace

QRect placeOnShow(const QRect& bounds, const QRect& screen, bool firstTime)
{
    const int screenLeft = screen.left();
    const int screenTop = screen.top();
    const int screenWidth = screen.width();
    const int screenHeight = screen.height();
    int left = bounds.left();
    int top = bounds.top();
    int width = bounds.width();
    int height = bounds.height();

    if (firstTime) {
        left = screenLeft + (screenWidth - width) / 2;
        top = screenTop + (screenHeight - height) / 2;
    }
    const bool offScreen = left + width < screenLeft + 3 || top + height < screenTop + 3
                           || left > screenLeft + screenWidth - 3 || top > screenTop + screenHeight - 3;
    if (offScreen) {
        left = screenLeft + (screenWidth - width) / 2;
        top = screenTop + (screenHeight - height) / 2;
        width = std::min(width, screenWidth);
        height = std::min(height, screenHeight);
    }
    return QRect(left, top, width, height);
}

TBASEFORM::TBASEFORM(QWidget& window) : window_(window), showHook_(new ShowHook(*this, window))
{}

TBASEFORM::~TBASEFORM()
{
    // The window outlives this part of it by a moment; it must not call back.
    delete showHook_;
}

void TBASEFORM::DOSHOW()
{
    QScreen* screen = screenOf(window_);
    const bool firstTime = firstShow;
    firstShow = false;
    if (!screen)
        return;
    const QRect bounds = window_.geometry();
    const QRect placed = placeOnShow(bounds, screen->geometry(), firstTime);
    if (placed != bounds)
        window_.setGeometry(placed);
}

TBASEFORM* TBASEFORM::of(QObject* window)
{
    return dynamic_cast<TBASEFORM*>(window);
}
