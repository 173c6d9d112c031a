#include "PaperImage.h"

#include <QMouseEvent>
#include <QPainter>

PaperImage::PaperImage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImagePAPER"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaperImage::setBitmap(QImage image)
{
    bitmap_ = std::move(image);
    resize(bitmap_.deviceIndependentSize().toSize());
    update();
}

void PaperImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (bitmap_.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawImage(QPoint(0, 0), bitmap_);
}

void PaperImage::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}
