#include "platform/forms/Look.h"

#include <QPalette>
#include <QWidget>

void Look::installFontSubstitutions()
{
    // The screens ask for the classic dialog font by name; these stand in for
    // it, closest in width first.
    QFont::insertSubstitutions("MS Sans Serif",
                               {"Liberation Sans", "Arimo", "Nimbus Sans", "FreeSans", "DejaVu Sans"});
}

QFont Look::sansFont(int pixelSize, bool bold)
{
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // The stand-ins run about a tenth wider than the classic dialog font; the
    // captions were fitted to that font's width.
    font.setStretch(90);
    return font;
}

void Look::setColors(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    if (background.isValid()) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}
