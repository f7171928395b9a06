#include "screens/reports/TextScreen.h"

#include "assets/Texts.h"
#include "platform/forms/Look.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using Placement = TForm::Placement;
using Bars = TextBoxScrollBars;

// One row per screen: instance, caption, placement, geometry, window scroll
// bars; box, its place, font pixels, its scroll bars, its text; button place.
const TextScreenSettings tips{
    "Form3", "10 Tips to Winning", Placement::Maximized, {204, 138, 435, 300}, Qt::ScrollBarAlwaysOff,
    "Tips", {0, 40, 641, 393}, 16, Bars::Both, Texts::tips, {328, 0, 121, 33}};
const TextScreenSettings help{
    "Help", "Help", Placement::Maximized, {200, 108, 435, 300}, Qt::ScrollBarAsNeeded,
    "Memo1", {0, 48, 633, 377}, 16, Bars::Vertical, Texts::help, {16, 8, 129, 33}};
const TextScreenSettings aboutProduct{
    "Form5", "About Quillomet", Placement::Designed, {253, 201, 280, 192}, Qt::ScrollBarAsNeeded,
    "Memo1", {0, 0, 273, 0}, 24, Bars::None, Texts::aboutProduct, {}};
const TextScreenSettings aboutBreakout{
    "About", "About Breakout", Placement::Designed, {200, 108, 350, 250}, Qt::ScrollBarAsNeeded,
    "Memo1", {0, 0, 337, 0}, 16, Bars::None, Texts::aboutBreakout, {}};
const TextScreenSettings aboutProspects{
    "Abpros", "About Prospects", Placement::Designed, {200, 108, 355, 300}, Qt::ScrollBarAsNeeded,
    "Memo1", {0, 0, 345, 0}, 16, Bars::Vertical, Texts::aboutProspects, {}};

} // namespace

TTextScreen::TTextScreen(const TextScreenSettings &settings)
    : TForm(settings.instance, settings.caption),
      m_box(createTextBox(client(), settings.box, settings.text(), settings.fontPixels, settings.boxScrollBars))
{
    setWindowPlacement(settings.placement, settings.geometry);
    setClientColor(Look::buttonFace);
    setScrollPolicy(settings.windowScrollBars, settings.windowScrollBars);
    placeBox(settings);
    if (!settings.buttonPlace.isNull())
        createButton(settings);
    m_box->setFocus();
}

void TTextScreen::placeBox(const TextScreenSettings &settings)
{
    if (settings.placement == Placement::Maximized) {
        m_box->setGeometry(settings.boxPlace);
        const QRect covered = settings.boxPlace.united(settings.buttonPlace);
        setClientSize(covered.right() + 1, covered.bottom() + 1);
        return;
    }
    // Glued to the left edge at its fixed width, as high as the window.
    setClientFollowsHeight(true);
    m_box->setFixedWidth(settings.boxPlace.width());
    auto *layout = new QHBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
    layout->addStretch();
}

void TTextScreen::createButton(const TextScreenSettings &settings)
{
    m_button = new QPushButton("Main Menu", client());
    m_button->setObjectName("Button1");
    m_button->setGeometry(settings.buttonPlace);
    onClick(m_button, [this] { Button1Click(); });
}

void TTextScreen::Button1Click() { Close(); }

TForm3::TForm3() : TTextScreen(tips) {}
THelp::THelp() : TTextScreen(help) {}
TForm5::TForm5() : TTextScreen(aboutProduct) {}
TAbout::TAbout() : TTextScreen(aboutBreakout) {}
TAbpros::TAbpros() : TTextScreen(aboutProspects) {}
