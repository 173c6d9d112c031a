#pragma once
// The page image of the preview: a widget that shows the page bitmap at its
// own size and reports mouse-up events.

#include <QImage>
#include <QWidget>

class PaperImage : public QWidget {
    Q_OBJECT
public:
    explicit PaperImage(QWidget* parent = nullptr);

    // The bitmap in device pixels; its device pixel ratio says how many
    // device pixels make one pixel of the widget.
    QImage& bitmap() { return bitmap_; }
    void setBitmap(QImage image);

signals:
    void mouseUp(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage bitmap_;
};
