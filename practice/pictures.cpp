#include "practice/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace practice {

QPixmap notepadPicture()
{
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // The pad: a cream sheet with a blue binding and ruled lines.
    p.setPen(QPen(QColor(120, 110, 90), 1.2));
    p.setBrush(QColor(255, 250, 225));
    p.drawRoundedRect(QRectF(7.5, 6.5, 28, 36), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 101, 164));
    p.drawRoundedRect(QRectF(7.5, 6.5, 28, 6), 2.5, 2.5);
    p.setBrush(QColor(220, 220, 220));
    for (int x = 12; x <= 30; x += 6)
        p.drawEllipse(QPointF(x, 9.5), 1.4, 1.4);
    p.setPen(QPen(QColor(150, 180, 210), 1));
    for (int y = 18; y <= 38; y += 5)
        p.drawLine(QPointF(11, y), QPointF(32, y));

    // The pencil, lying across the pad.
    p.translate(36, 26);
    p.rotate(40);
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(245, 190, 40));
    p.drawRect(QRectF(-3, -16, 6, 22));
    p.setBrush(QColor(230, 120, 120));
    p.drawRect(QRectF(-3, -19, 6, 3));
    QPainterPath tip;
    tip.moveTo(-3, 6);
    tip.lineTo(3, 6);
    tip.lineTo(0, 13);
    tip.closeSubpath();
    p.setBrush(QColor(240, 215, 170));
    p.drawPath(tip);
    p.setBrush(QColor(40, 40, 40));
    p.setPen(Qt::NoPen);
    QPainterPath lead;
    lead.moveTo(-1.1, 10.5);
    lead.lineTo(1.1, 10.5);
    lead.lineTo(0, 13);
    lead.closeSubpath();
    p.drawPath(lead);
    return pm;
}

} // namespace practice
