#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Fonts and colours of the screens, as the screens declare them.
namespace Look {

// Maps "MS Sans Serif" once, at start-up, to the closest installed sans font.
void installFontSubstitutions();
// MS Sans Serif at a character height in pixels.
QFont sansFont(int pixelSize, bool bold = false);

// System colours of the classic desktop scheme.
inline const QColor buttonFace{192, 192, 192};
inline const QColor inactiveBorder{192, 192, 192};
inline const QColor window{255, 255, 255};
inline const QColor windowText{0, 0, 0};
inline const QColor navy{0, 0, 128};
inline const QColor maroon{128, 0, 0};
inline const QColor green{0, 128, 0};
inline const QColor purple{128, 0, 128};
inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};

// Text and background colour of a control; an invalid background leaves it
// transparent.
void setColors(QWidget *widget, const QColor &text, const QColor &background = QColor());

}
