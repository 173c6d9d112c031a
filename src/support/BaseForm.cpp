#include "BaseForm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
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

QRect placeOnShow(const QRect& bounds, const QRect& area, bool firstTime, const QMargins& frame)
{
    // 64 bits throughout: a damaged stored place may lie near the ends of
    // the 32-bit range.
    const qint64 roomLeft = qint64(area.left()) + frame.left();
    const qint64 roomTop = qint64(area.top()) + frame.top();
    const qint64 roomWidth = std::max<qint64>(1, qint64(area.width()) - frame.left() - frame.right());
    const qint64 roomHeight = std::max<qint64>(1, qint64(area.height()) - frame.top() - frame.bottom());
    const qint64 width = std::clamp<qint64>(bounds.width(), 1, roomWidth);
    const qint64 height = std::clamp<qint64>(bounds.height(), 1, roomHeight);
    qint64 left = bounds.left();
    qint64 top = bounds.top();
    const bool inside = left >= roomLeft && top >= roomTop && left + width <= roomLeft + roomWidth
                        && top + height <= roomTop + roomHeight;
    if (firstTime || !inside) {
        left = roomLeft + (roomWidth - width) / 2;
        top = roomTop + (roomHeight - height) / 2;
    }
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height));
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
    QRect bounds = window_.geometry();
    // A size below the window's minimum cannot be used: the window takes
    // the size its contents ask for.
    const QSize minimum = window_.minimumSize().expandedTo(window_.minimumSizeHint());
    if (bounds.width() < minimum.width() || bounds.height() < minimum.height())
        bounds.setSize(bounds.size().expandedTo(window_.sizeHint()).expandedTo(minimum));
    // The frame is known once the window has been shown; before that, room
    // is kept for a title bar.
    const QRect outer = window_.frameGeometry();
    QMargins frame(window_.geometry().left() - outer.left(), window_.geometry().top() - outer.top(),
                   outer.right() - window_.geometry().right(), outer.bottom() - window_.geometry().bottom());
    if (frame.isNull())
        frame.setTop(window_.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window_));
    const QRect placed = placeOnShow(bounds, screen->availableGeometry(), firstTime, frame);
    if (placed != window_.geometry())
        window_.setGeometry(placed);
}

TBASEFORM* TBASEFORM::of(QObject* window)
{
    return dynamic_cast<TBASEFORM*>(window);
}
