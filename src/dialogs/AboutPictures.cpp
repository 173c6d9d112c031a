#include "AboutPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor Teal(27, 111, 138);
const QColor TealDark(16, 74, 94);
const QColor Amber(240, 168, 48);
const QColor AmberDark(196, 124, 20);
const QColor Ink(44, 52, 60);

QPixmap canvas(int size, qreal ratio)
{
    QPixmap pixmap(qRound(size * ratio), qRound(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A luggage-style tag pointing left, in a w x h box at the origin.
QPainterPath tagPath(qreal w, qreal h)
{
    const qreal point = h * 0.42;
    const qreal r = h * 0.16;
    QPainterPath path;
    path.moveTo(point, 0);
    path.lineTo(w - r, 0);
    path.quadTo(w, 0, w, r);
    path.lineTo(w, h - r);
    path.quadTo(w, h, w - r, h);
    path.lineTo(point, h);
    path.lineTo(0, h / 2);
    path.closeSubpath();
    return path;
}

void drawTag(QPainter& p, const QColor& fill, const QColor& edge, const QColor& letter, qreal w, qreal h, bool mirrored)
{
    const QPainterPath tag = tagPath(w, h);
    QLinearGradient shade(0, 0, 0, h);
    shade.setColorAt(0, fill.lighter(118));
    shade.setColorAt(1, fill);
    p.setPen(QPen(edge, 1.0));
    p.setBrush(shade);
    p.drawPath(tag);
    // The eyelet.
    p.setBrush(Qt::white);
    p.setPen(QPen(edge, 0.8));
    p.drawEllipse(QPointF(h * 0.45, h / 2), h * 0.09, h * 0.09);
    // The initial, readable on a mirrored tag too.
    const QRectF box(h * 0.62, 0, w - h * 0.62, h);
    p.save();
    if (mirrored) {
        p.translate(box.center());
        p.scale(-1, 1);
        p.translate(-box.center());
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(h * 0.62));
    p.setFont(font);
    p.setPen(letter);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("G"));
    p.restore();
}

} // namespace

QPixmap aboutEmblem(int frame, bool mirrored, qreal ratio)
{
    QPixmap pixmap = canvas(32, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    const qreal w = 27;
    const qreal h = 18;
    // Where the string is tied, in the same (possibly mirrored) frame.
    const QPointF anchor = p.worldTransform().map(QPointF(3, 2));
    // The tag hangs by its eyelet; the second frame has it swung up.
    p.translate(3, 18);
    p.rotate(frame == 0 ? 0 : -16);
    p.translate(0, -h / 2);
    const QPointF eyelet(h * 0.45, h / 2);
    p.setPen(QPen(QColor(130, 130, 130), 1.0));
    p.drawLine(p.worldTransform().inverted().map(anchor), eyelet);
    drawTag(p, frame == 0 ? Teal : Amber, frame == 0 ? TealDark : AmberDark, frame == 0 ? QColor(Qt::white) : Ink, w, h,
            mirrored);
    return pixmap;
}

QPixmap aboutProductPicture(qreal ratio)
{
    const int size = 173;
    QPixmap pixmap = canvas(size, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The badge.
    const QPointF centre(size / 2.0, size / 2.0);
    QRadialGradient badge(centre - QPointF(20, 24), size * 0.7);
    badge.setColorAt(0, Teal.lighter(135));
    badge.setColorAt(0.7, Teal);
    badge.setColorAt(1, TealDark);
    p.setPen(Qt::NoPen);
    p.setBrush(badge);
    p.drawEllipse(centre, 84, 84);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 78, 78);

    // The sheet of labels, slightly turned, with a soft shadow.
    p.save();
    p.translate(centre + QPointF(-8, -4));
    p.rotate(-7);
    const QRectF sheet(-40, -54, 80, 108);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(sheet.translated(3, 4), 3, 3);
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 3, 3);
    const qreal labelW = 33, labelH = 16.5, gapX = 4, gapY = 3.5;
    const qreal left = sheet.left() + (sheet.width() - 2 * labelW - gapX) / 2;
    const qreal top = sheet.top() + 8;
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 2; ++col) {
            const QRectF label(left + col * (labelW + gapX), top + row * (labelH + gapY), labelW, labelH);
            if (row == 3 && col == 1) { // the peeled one leaves its backing
                p.setPen(QPen(QColor(220, 200, 150), 0.8, Qt::DashLine));
                p.setBrush(QColor(252, 246, 226));
                p.drawRoundedRect(label, 2.5, 2.5);
                continue;
            }
            p.setPen(QPen(QColor(190, 198, 206), 0.8));
            p.setBrush(QColor(248, 250, 252));
            p.drawRoundedRect(label, 2.5, 2.5);
            p.setPen(QPen(QColor(120, 130, 140), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(label.left() + 4, label.top() + 5), QPointF(label.right() - 8, label.top() + 5));
            p.setPen(QPen(QColor(170, 178, 186), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(label.left() + 4, label.top() + 8.5), QPointF(label.right() - 5, label.top() + 8.5));
            p.drawLine(QPointF(label.left() + 4, label.top() + 12), QPointF(label.right() - 12, label.top() + 12));
        }
    }
    p.restore();

    // The peeled label, lifted towards the viewer.
    p.save();
    p.translate(centre + QPointF(34, 36));
    p.rotate(12);
    const QRectF peeled(-30, -15, 60, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(peeled.translated(3, 5), 4, 4);
    QLinearGradient face(peeled.topLeft(), peeled.bottomLeft());
    face.setColorAt(0, Amber.lighter(115));
    face.setColorAt(1, Amber);
    p.setBrush(face);
    p.setPen(QPen(AmberDark, 1));
    p.drawRoundedRect(peeled, 4, 4);
    // A curled corner.
    QPainterPath curl;
    curl.moveTo(peeled.right() - 12, peeled.bottom());
    curl.quadTo(peeled.right() - 4, peeled.bottom() - 3, peeled.right(), peeled.bottom() - 12);
    curl.lineTo(peeled.right(), peeled.bottom() - 4);
    curl.quadTo(peeled.right(), peeled.bottom(), peeled.right() - 4, peeled.bottom());
    curl.closeSubpath();
    p.setBrush(QColor(255, 236, 190));
    p.drawPath(curl);
    p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-23, -6), QPointF(12, -6));
    p.setPen(QPen(Ink.lighter(160), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-23, 1), QPointF(20, 1));
    p.drawLine(QPointF(-23, 7.5), QPointF(6, 7.5));
    p.restore();
    return pixmap;
}
