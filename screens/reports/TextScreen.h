#pragma once

#include "platform/forms/TForm.h"
#include "screens/reports/TextBox.h"

class QPlainTextEdit;
class QPushButton;

// What sets one text screen apart from the others.
struct TextScreenSettings {
    const char *instance;
    const char *caption;
    // Maximized screens give their restored geometry; the about screens open
    // at this designed geometry.
    TForm::Placement placement;
    QRect geometry;
    // Scroll bars of the window itself, where the window is smaller than its
    // controls.
    Qt::ScrollBarPolicy windowScrollBars;
    const char *box;
    // On a maximized screen the box's fixed place; on a designed window the
    // box lies along the left edge at this width and follows the height.
    QRect boxPlace;
    int fontPixels;
    TextBoxScrollBars boxScrollBars;
    QStringList (*text)();
    // The "Main Menu" button, where there is one (the place is null otherwise).
    QRect buttonPlace;
};

// A screen showing one fixed text in one box, perhaps with a "Main Menu"
// button that closes it.
class TTextScreen : public TForm {
    Q_OBJECT

public:
    // The "Main Menu" button's handler, on the screens that have one.
    void Button1Click();

protected:
    explicit TTextScreen(const TextScreenSettings &settings);
    QPlainTextEdit *textBox() const { return m_box; }
    QPushButton *mainMenuButton() const { return m_button; }

private:
    void placeBox(const TextScreenSettings &settings);
    void createButton(const TextScreenSettings &settings);

    QPlainTextEdit *m_box;
    QPushButton *m_button = nullptr;
};

// "10 Tips to Winning".
class TForm3 : public TTextScreen {
    Q_OBJECT

public:
    TForm3();
    QPlainTextEdit *const Tips = textBox();
    QPushButton *const Button1 = mainMenuButton();
};

// "Help".
class THelp : public TTextScreen {
    Q_OBJECT

public:
    THelp();
    QPlainTextEdit *const Memo1 = textBox();
    QPushButton *const Button1 = mainMenuButton();
};

// "About Quillomet".
class TForm5 : public TTextScreen {
    Q_OBJECT

public:
    TForm5();
    QPlainTextEdit *const Memo1 = textBox();
};

// "About Breakout", opened from the two breakout reports.
class TAbout : public TTextScreen {
    Q_OBJECT

public:
    TAbout();
    QPlainTextEdit *const Memo1 = textBox();
};

// "About Prospects", opened from the two prospect reports.
class TAbpros : public TTextScreen {
    Q_OBJECT

public:
    TAbpros();
    QPlainTextEdit *const Memo1 = textBox();
};
