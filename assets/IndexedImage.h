#pragma once

#include <QImage>

// A picture reduced to 256 colours, as the bitmaps are stored: 8 bits a
// pixel and a table of 256 colours. The colours
// kept are the most used ones (so every flat colour drawn survives exactly);
// the rare shades of smoothed letter edges go to the nearest colour kept.
QImage toIndexed8(const QImage &image);
