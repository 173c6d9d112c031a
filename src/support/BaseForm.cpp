#include "BaseForm.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>

namespace {
// Catches the window's show events ahead of the window's own handlers:
// filters see an event before the object it is sent to.
class ShowHook : public QObject {
public:
    ShowHook(QWidget& window, std::function<void()> onShow) : QObject(&window), onShow_(std::move(onShow))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Spontaneous show events come from the window system (a window
        // restored from the task bar); only the program's own showing places.
        if (watched == parent() && event->type() == QEvent::Show && !event->spontaneous())
            onShow_();
        return false;
    }

private:
    std::function<void()> onShow_;
};

// A scroll area that asks for its content's size, with the scroll bars that
// size needs, but never for more than the room it is given.
class FittedScrollArea : public QScrollArea {
public:
    FittedScrollArea(QWidget& window, const QSize& room) : QScrollArea(&window), room_(room)
    {
        setObjectName(QStringLiteral("ScrollCONTENT"));
        setFrameShape(QFrame::NoFrame);
        // The controls inside take the focus; the area scrolls to them.
        setFocusPolicy(Qt::NoFocus);
        setWidgetResizable(true);
    }

    QSize sizeHint() const override
    {
        QSize hint = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
        const bool tooTall = hint.height() > room_.height();
        const bool tooWide = hint.width() > room_.width();
        if (tooTall)
            hint.rwidth() += verticalScrollBar()->sizeHint().width();
        if (tooWide)
            hint.rheight() += horizontalScrollBar()->sizeHint().height();
        return hint.boundedTo(room_);
    }

private:
    QSize room_;
};

void collectShownWidgets(QLayoutItem& item, QList<QWidget*>& shown)
{
    if (QWidget* w = item.widget()) {
        if (!(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)))
            shown << w;
    } else if (QLayout* l = item.layout()) {
        for (int i = 0; i < l->count(); ++i)
            collectShownWidgets(*l->itemAt(i), shown);
    }
}

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

bool scrollContentToFit(QWidget& window, const QSize& room)
{
    auto* column = qobject_cast<QBoxLayout*>(window.layout());
    if (!column || column->count() < 2 || window.findChild<FittedScrollArea*>(QString(), Qt::FindDirectChildrenOnly))
        return false;
    column->activate();
    const QSize needed = window.minimumSize().expandedTo(window.minimumSizeHint());
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return false;

    // The room left for the content: the window's less the margins, the
    // button row and the space above it.
    const int last = column->count() - 1;
    const QMargins margins = column->contentsMargins();
    const QSize contentRoom(std::max(1, room.width() - margins.left() - margins.right()),
                            std::max(1, room.height() - margins.top() - margins.bottom()
                                            - column->itemAt(last)->sizeHint().height()
                                            - std::max(0, column->spacing())));

    // The content panel is made in the window before anything moves into
    // it: widgets that stay in their window keep their tab order.
    auto* scroll = new FittedScrollArea(window, contentRoom);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("PanelCONTENT"));
    scroll->setWidget(content);
    auto* inner = new QVBoxLayout(content);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(column->spacing());
    // A widget given another parent is hidden until it is shown again; the
    // ones the program hid stay hidden.
    QList<QWidget*> shown;
    for (int i = 0; i < last; ++i)
        collectShownWidgets(*column->itemAt(i), shown);
    for (int i = 0; i < last; ++i) {
        const int stretch = column->stretch(0);
        QLayoutItem* item = column->takeAt(0);
        if (QWidget* w = item->widget()) {
            inner->addWidget(w, stretch, item->alignment());
            delete item;
        } else if (QLayout* l = item->layout()) {
            inner->addLayout(l, stretch);
        } else {
            inner->addItem(item);
            inner->setStretch(inner->count() - 1, stretch);
        }
    }
    for (QWidget* w : shown)
        w->show();
    column->insertWidget(0, scroll, 1);
    scroll->show();

    column->activate();
    if (window.minimumWidth() > room.width() || window.minimumHeight() > room.height())
        window.setMinimumSize(window.minimumSize().boundedTo(room));
    return true;
}

void fitOnScreen(QWidget& window, bool firstTime)
{
    QScreen* screen = screenOf(window);
    if (!screen)
        return;
    // The frame is known once the window has been shown; before that, room
    // is kept for a title bar.
    const QRect outer = window.frameGeometry();
    QMargins frame(window.geometry().left() - outer.left(), window.geometry().top() - outer.top(),
                   outer.right() - window.geometry().right(), outer.bottom() - window.geometry().bottom());
    if (frame.isNull())
        frame.setTop(window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window));
    const QRect area = screen->availableGeometry();
    QRect bounds = window.geometry();
    // Content moved into a scroll area asks for room for its scroll bars;
    // the window is then cut to the screen below.
    if (scrollContentToFit(window, area.size().shrunkBy(frame)))
        bounds.setSize(bounds.size().expandedTo(window.sizeHint()));
    // A size below the window's minimum cannot be used: the window takes
    // the size its contents ask for.
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint());
    if (bounds.width() < minimum.width() || bounds.height() < minimum.height())
        bounds.setSize(bounds.size().expandedTo(window.sizeHint()).expandedTo(minimum));
    const QRect placed = placeOnShow(bounds, area, firstTime, frame);
    if (placed != window.geometry())
        window.setGeometry(placed);
}

void keepOnScreen(QWidget& window)
{
    auto first = std::make_shared<bool>(true);
    new ShowHook(window, [&window, first] {
        // Where it fits, the window keeps the place it takes itself (a
        // dialog over its parent).
        const QRect before = window.geometry();
        fitOnScreen(window, false);
        if (*first && window.geometry().size() != before.size())
            fitOnScreen(window, true);
        *first = false;
    });
}

TBASEFORM::TBASEFORM(QWidget& window) : window_(window), showHook_(new ShowHook(window, [this] { DOSHOW(); }))
{}

TBASEFORM::~TBASEFORM()
{
    // The window outlives this part of it by a moment; it must not call back.
    delete showHook_;
}

void TBASEFORM::DOSHOW()
{
    const bool firstTime = firstShow;
    firstShow = false;
    fitOnScreen(window_, firstTime);
}

TBASEFORM* TBASEFORM::of(QObject* window)
{
    return dynamic_cast<TBASEFORM*>(window);
}
