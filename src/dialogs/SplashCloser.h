#pragma once
// When the splash ends. Two one-shot timers decide together: the about box's
// close timer (2000 ms from its creation) and the main window's splash timer
// (500 ms from the main window's creation). Each, when it fires, stops
// itself; while the other is still running it does nothing more; otherwise
// the splash ends (the about box is hidden and Help > About enabled). So the
// splash stays until the later of the two.

#include <QPointer>
#include <QTimer>
#include <functional>

class SplashCloser {
public:
    using Action = std::function<void()>;

    explicit SplashCloser(Action endSplash = {}) : endSplash_(std::move(endSplash)) {}

    void setEndSplash(Action endSplash) { endSplash_ = std::move(endSplash); }
    // The two timers. A timer not given (or gone) counts as stopped.
    void setAboutTimer(QTimer* timer) { aboutTimer_ = timer; }
    void setMainTimer(QTimer* timer) { mainTimer_ = timer; }

    // The handlers of the two timers' timeouts.
    void aboutTimerFired() { fired(aboutTimer_, mainTimer_); }
    void mainTimerFired() { fired(mainTimer_, aboutTimer_); }

    // How many times the splash has been ended (0 or 1 in the program).
    int endings() const { return endings_; }

private:
    void fired(QTimer* own, QTimer* other)
    {
        if (own)
            own->stop();
        if (other && other->isActive())
            return;
        ++endings_;
        if (endSplash_)
            endSplash_();
    }

    Action endSplash_;
    QPointer<QTimer> aboutTimer_;
    QPointer<QTimer> mainTimer_;
    int endings_ = 0;
};
