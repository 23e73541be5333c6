#include "print/ThermostatPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The background of each type in the picker: cyan loops and set points, a pink reverse
// loop, a green band.
QColor colourOf(int type) {
    switch (type) {
    case 2:
        return QColor(0xFF, 0xA8, 0xE0);
    case 3:
        return QColor(0x90, 0xEE, 0x90);
    default:
        return QColor(0x80, 0xFF, 0xFF);
    }
}

// An arrow head at `to`, pointing along from → to.
void arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - 3.0 * u + 2.0 * n);
    head.lineTo(to - 3.0 * u - 2.0 * n);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

// The drawings in a 64 × 18 box: temperature to the right, on up, off down. Low and high
// lines at y 14 and 4; TL at x 22, TH at x 42.
void draw(QPainter& p, int type) {
    constexpr double Off = 14, On = 4, TL = 22, TH = 42;
    switch (type) {
    case 1: // on when TH is passed upwards, off when TL is passed downwards
        p.drawLine(QPointF(4, Off), QPointF(TH, Off));
        arrow(p, QPointF(TH, Off), QPointF(TH, On + 1));
        p.drawLine(QPointF(TL, On), QPointF(60, On));
        arrow(p, QPointF(TL, On), QPointF(TL, Off - 1));
        break;
    case 2: // on when TL is passed downwards, off when TH is passed upwards
        p.drawLine(QPointF(4, On), QPointF(TH, On));
        arrow(p, QPointF(TH, On), QPointF(TH, Off - 1));
        p.drawLine(QPointF(TL, Off), QPointF(60, Off));
        arrow(p, QPointF(TL, Off), QPointF(TL, On + 1));
        break;
    case 3: { // on between TL and TH
        const QPointF band[] = {{4, Off}, {TL, Off}, {TL, On}, {TH, On}, {TH, Off}, {60, Off}};
        p.drawPolyline(band, 6);
        break;
    }
    case 4: { // set point SP with the difference dT around it and the band PB below
        constexpr double SP = 32;
        p.drawLine(QPointF(4, Off - 3), QPointF(SP + 3, Off - 3));
        arrow(p, QPointF(SP + 3, Off - 3), QPointF(SP + 3, On + 1));
        p.drawLine(QPointF(SP - 3, On), QPointF(60, On));
        arrow(p, QPointF(SP - 3, On), QPointF(SP - 3, Off - 4));
        QPen dashed = p.pen();
        dashed.setStyle(Qt::DashLine);
        dashed.setWidthF(1.0);
        p.save();
        p.setPen(dashed);
        p.drawLine(QPointF(SP, 1), QPointF(SP, 17));
        p.restore();
        p.drawLine(QPointF(SP - 14, 16), QPointF(SP + 14, 16)); // PB
        p.drawLine(QPointF(SP - 14, 14.5), QPointF(SP - 14, 17));
        p.drawLine(QPointF(SP + 14, 14.5), QPointF(SP + 14, 17));
        break;
    }
    case 5: { // set point SP with a proportional band PB: a ramp
        constexpr double SP = 44;
        const QPointF ramp[] = {{4, Off}, {SP - 22, Off}, {SP, On}, {60, On}};
        p.drawPolyline(ramp, 4);
        QPen dashed = p.pen();
        dashed.setStyle(Qt::DashLine);
        dashed.setWidthF(1.0);
        p.setPen(dashed);
        p.drawLine(QPointF(SP, 1), QPointF(SP, 17));
        break;
    }
    default:
        break;
    }
}

} // namespace

void drawThermostatPicture(QPainter& p, const QRectF& area, int type, PictureSet set) {
    if (type < 1 || type > 5)
        return;
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / ThermostatPictureWidth, area.height() / ThermostatPictureHeight);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, ThermostatPictureWidth, ThermostatPictureHeight);
    if (set == PictureSet::Coloured) {
        p.fillRect(box, colourOf(type));
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
    } else {
        p.fillRect(box, Qt::white);
        p.setPen(QPen(Qt::black, 0.8));
    }
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(set == PictureSet::Coloured ? QColor(0x00, 0x00, 0x80) : QColor(Qt::black), 1.5,
                  Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    draw(p, type);
    p.restore();
}

QImage thermostatPicture(int type, PictureSet set) {
    QImage image(ThermostatPictureWidth, ThermostatPictureHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawThermostatPicture(p, QRectF(image.rect()), type, set);
    return image;
}
