#pragma once

#include <QImage>

// The six thermostat type pictures, 64 × 18 pixels, drawn here: the coloured set of the
// type picker and the black-on-white set of the printed report. Picture 0 is empty.
enum class PictureSet { Coloured, Print };

constexpr int ThermostatPictureWidth = 64;
constexpr int ThermostatPictureHeight = 18;

class QPainter;
class QRectF;

// type 0-5; any other type gives the empty picture.
QImage thermostatPicture(int type, PictureSet set);
// The same drawing scaled onto an area of any size (the printed report draws it there).
void drawThermostatPicture(QPainter& painter, const QRectF& area, int type, PictureSet set);
