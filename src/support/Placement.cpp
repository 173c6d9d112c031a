#include "Placement.h"

#include <QPoint>
#include <QVariant>
#include <QWidget>

namespace {
const char* const minPositionProperty = "gorvinMinPosition";
}

void FNGETNORMALBOUNDS(const QWidget& window, std::int32_t& left, std::int32_t& top, std::int32_t& width,
                       std::int32_t& height)
{
    QRect bounds = window.normalGeometry();
    // A window that has never been shown has no normal rectangle of its own
    // yet; its geometry is the one it will be shown with.
    if (bounds.isEmpty() && !window.isMaximized() && !window.isFullScreen())
        bounds = window.geometry();
    left = bounds.left();
    top = bounds.top();
    width = bounds.width();
    height = bounds.height();
}

void FNGETMINPOSITION(const QWidget& window, std::int32_t& x, std::int32_t& y)
{
    const QVariant stored = window.property(minPositionProperty);
    const QPoint position = stored.isValid() ? stored.toPoint() : QPoint(-1, -1);
    x = position.x();
    y = position.y();
}

void FNSETMINPOSITION(QWidget& window, std::int32_t x, std::int32_t y)
{
    window.setProperty(minPositionProperty, QPoint(x, y));
}
