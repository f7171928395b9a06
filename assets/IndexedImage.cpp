#include "assets/IndexedImage.h"

#include <QHash>
#include <QVector>

#include <algorithm>

QImage toIndexed8(const QImage &image)
{
    constexpr int paletteSize = 256;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> uses;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++uses[line[x]];
    }
    QVector<QPair<int, QRgb>> ranked;
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        ranked.append({it.value(), it.key()});
    // Most used first; equal counts in colour order, so the palette is the same on every run.
    std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QVector<QRgb> palette;
    for (int index = 0; index < ranked.size() && index < paletteSize; ++index)
        palette.append(ranked[index].second);
    QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
    // A full table, so that a picture of few colours is still written with 8 bits a pixel.
    indexed.setColorCount(paletteSize);
    return indexed;
}
