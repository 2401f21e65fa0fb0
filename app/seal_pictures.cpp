#include "app/seal_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

QPixmap sealPicture(const QString &shortName, const QSize &size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor red(0xc8, 0x1e, 0x1e);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal side = std::min(w, h) * 0.86;
    const QRectF seal((w - side) / 2, (h - side) / 2, side, side);

    // The stamp: a red square with rounded corners and an inner white rule, as cinnabar leaves it.
    QPainterPath body;
    body.addRoundedRect(seal, side * 0.08, side * 0.08);
    p.fillPath(body, red);
    const qreal inset = side * 0.06;
    p.setPen(QPen(Qt::white, std::max<qreal>(2.0, side * 0.02)));
    p.drawRoundedRect(seal.adjusted(inset, inset, -inset, -inset), side * 0.05, side * 0.05);

    // The name, two characters stacked, in white.
    QFont f;
    f.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    f.setBold(true);
    f.setPixelSize(int(side * 0.34));
    p.setFont(f);
    p.setPen(Qt::white);
    const QRectF inner = seal.adjusted(inset * 2, inset * 2, -inset * 2, -inset * 2);
    const int n = int(shortName.size());
    for (int i = 0; i < n; ++i) {
        QRectF line(inner.left(), inner.top() + inner.height() * i / n, inner.width(), inner.height() / n);
        p.drawText(line, Qt::AlignCenter, shortName.mid(i, 1));
    }

    // Worn spots, the same on every run, so the stamp does not look printed.
    QRandomGenerator wear(uint(shortName.isEmpty() ? 1 : shortName.at(0).unicode()));
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(seal.left() + wear.bounded(int(side)), seal.top() + wear.bounded(int(side)));
        p.setBrush(QColor(0, 0, 0, 60 + wear.bounded(120)));
        p.drawEllipse(at, side * 0.006 + wear.bounded(3), side * 0.006 + wear.bounded(3));
    }
    return pm;
}
