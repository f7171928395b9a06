#include "assets/Texts.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/reports/TextScreen.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <functional>
#include <memory>

// The five text screens as the user meets them: shown over a main screen,
// closed again, resized.
class TextScreensTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void screenMatchesItsLayoutRow_data();
    void screenMatchesItsLayoutRow();
    void boxHoldsItsTextLineByLine_data();
    void boxHoldsItsTextLineByLine();
    void tipsShowTenNumberedTips();
    void helpShowsItsFiveSectionsInOrder();
    void textBoxComesFirstAndTabLeavesIt_data();
    void textBoxComesFirstAndTabLeavesIt();
    void mainMenuHidesTheScreenKeepingWhatWasTyped_data();
    void mainMenuHidesTheScreenKeepingWhatWasTyped();
    void windowScrollBarsOnlyWhereAllowed_data();
    void windowScrollBarsOnlyWhereAllowed();
    void aboutScreenShownAgainIsTheSameWindowInFront_data();
    void aboutScreenShownAgainIsTheSameWindowInFront();
    void aboutBoxFollowsTheWindowHeightAtItsWidth_data();
    void aboutBoxFollowsTheWindowHeightAtItsWidth();
    void caretBringsOverflowingTextIntoViewWithoutScrollBar();

private:
    TForm *create(const QString &instance);
    QPlainTextEdit *box(TForm *screen, const QString &name);

    TForm *m_menu = nullptr;
    MessageRecorder *m_messages = nullptr;
};

namespace {

const QMap<QString, std::function<TForm *()>> &factories()
{
    static const QMap<QString, std::function<TForm *()>> all = {
        {"Form3", [] { return new TForm3; }},
        {"Help", [] { return new THelp; }},
        {"Form5", [] { return new TForm5; }},
        {"About", [] { return new TAbout; }},
        {"Abpros", [] { return new TAbpros; }},
    };
    return all;
}

Qt::ScrollBarPolicy bar(bool shown) { return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; }

} // namespace

void TextScreensTest::initTestCase() { Look::installFontSubstitutions(); }

void TextScreensTest::init()
{
    m_messages = new MessageRecorder;
    // The main screen lies under every text screen, so closing one uncovers
    // it instead of ending the program.
    m_menu = new TForm("MMenu", "Quillomet");
    Application::instance().addForm(m_menu);
    m_menu->Show();
}

void TextScreensTest::cleanup()
{
    QVERIFY2(m_messages->messages.isEmpty(), qPrintable(m_messages->messages.join(" | ")));
    delete m_messages;
    Application::instance().destroyForms();
}

TForm *TextScreensTest::create(const QString &instance)
{
    TForm *screen = factories().value(instance)();
    Application::instance().addForm(screen);
    return screen;
}

QPlainTextEdit *TextScreensTest::box(TForm *screen, const QString &name)
{
    auto *found = screen->findChild<QPlainTextEdit *>(name);
    if (!found)
        QTest::qFail(qPrintable("no text box " + name), __FILE__, __LINE__);
    return found;
}

void TextScreensTest::screenMatchesItsLayoutRow_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QRect>("geometry");   // restored, or designed
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QRect>("boxPlace");   // about screens: left edge and width only
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<bool>("verticalBar");
    QTest::addColumn<bool>("horizontalBar");
    QTest::addColumn<QRect>("button");     // null: no button

    QTest::newRow("Form3") << "10 Tips to Winning" << true << QRect(204, 138, 435, 300)
                           << "Tips" << QRect(0, 40, 641, 393) << 16 << true << true << QRect(328, 0, 121, 33);
    QTest::newRow("Help") << "Help" << true << QRect(200, 108, 435, 300)
                          << "Memo1" << QRect(0, 48, 633, 377) << 16 << true << false << QRect(16, 8, 129, 33);
    QTest::newRow("Form5") << "About Quillomet" << false << QRect(253, 201, 280, 192)
                           << "Memo1" << QRect(0, 0, 273, 0) << 24 << false << false << QRect();
    QTest::newRow("About") << "About Breakout" << false << QRect(200, 108, 350, 250)
                           << "Memo1" << QRect(0, 0, 337, 0) << 16 << false << false << QRect();
    QTest::newRow("Abpros") << "About Prospects" << false << QRect(200, 108, 355, 300)
                            << "Memo1" << QRect(0, 0, 345, 0) << 16 << true << false << QRect();
}

void TextScreensTest::screenMatchesItsLayoutRow()
{
    QFETCH(QString, caption);
    QFETCH(bool, maximized);
    QFETCH(QRect, geometry);
    QFETCH(QString, boxName);
    QFETCH(QRect, boxPlace);
    QFETCH(int, fontPixels);
    QFETCH(bool, verticalBar);
    QFETCH(bool, horizontalBar);
    QFETCH(QRect, button);

    const QString instance = QTest::currentDataTag();
    TForm *screen = create(instance);
    screen->Show();
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QCoreApplication::processEvents();
    saveScreenshot(screen, instance);

    QCOMPARE(screen->objectName(), instance);
    QCOMPARE(screen->windowTitle(), caption);
    QCOMPARE(screen->placement(), maximized ? TForm::Placement::Maximized : TForm::Placement::Designed);
    QCOMPARE(screen->designedGeometry(), geometry);
    QCOMPARE(screen->isMaximized(), maximized);
    QCOMPARE(screen->client()->palette().color(QPalette::Window), Look::buttonFace);

    QPlainTextEdit *text = box(screen, boxName);
    QVERIFY(text);
    QCOMPARE(text->font().pixelSize(), fontPixels);
    QCOMPARE(text->font().family(), QString("MS Sans Serif"));
    QCOMPARE(text->palette().color(QPalette::Text), Look::black);
    QCOMPARE(text->palette().color(QPalette::Base), Look::window);
    QCOMPARE(text->verticalScrollBarPolicy(), bar(verticalBar));
    QCOMPARE(text->horizontalScrollBarPolicy(), bar(horizontalBar));
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!text->isReadOnly());
    if (maximized) {
        QCOMPARE(text->geometry(), boxPlace);
    } else {
        QCOMPARE(screen->pos(), geometry.topLeft());
        QCOMPARE(text->geometry(), QRect(0, 0, boxPlace.width(), screen->client()->height()));
    }

    const QList<QPushButton *> buttons = screen->findChildren<QPushButton *>();
    if (button.isNull()) {
        QVERIFY(buttons.isEmpty());
        return;
    }
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->objectName(), QString("Button1"));
    QCOMPARE(buttons.first()->text(), QString("Main Menu"));
    QCOMPARE(buttons.first()->geometry(), button);
    QCOMPARE(buttons.first()->font().pixelSize(), 11);
}

void TextScreensTest::boxHoldsItsTextLineByLine_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Form3") << "Tips" << Texts::tips();
    QTest::newRow("Help") << "Memo1" << Texts::help();
    QTest::newRow("Form5") << "Memo1" << Texts::aboutProduct();
    QTest::newRow("About") << "Memo1" << Texts::aboutBreakout();
    QTest::newRow("Abpros") << "Memo1" << Texts::aboutProspects();
}

void TextScreensTest::boxHoldsItsTextLineByLine()
{
    QFETCH(QString, boxName);
    QFETCH(QStringList, lines);
    QPlainTextEdit *text = box(create(QTest::currentDataTag()), boxName);
    QVERIFY(text);
    // Each line is one paragraph of its own: a hard break, tabs kept.
    QCOMPARE(textLines(text), lines);
}

void TextScreensTest::tipsShowTenNumberedTips()
{
    auto *tips = static_cast<TForm3 *>(create("Form3"));
    const QRegularExpression heading("^(\\d+)\\)");
    QList<int> numbers;
    for (const QString &line : textLines(tips->Tips)) {
        const QRegularExpressionMatch match = heading.match(line);
        if (match.hasMatch())
            numbers << match.captured(1).toInt();
    }
    QCOMPARE(numbers, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

void TextScreensTest::helpShowsItsFiveSectionsInOrder()
{
    auto *help = static_cast<THelp *>(create("Help"));
    const QStringList lines = textLines(help->Memo1);
    qsizetype at = lines.indexOf("Table of Contents");
    QVERIFY(at > 0);
    for (const char *heading : {"1) Overview", "2) Positions", "3) Teams", "4) Reports", "5) The Spreadsheet"}) {
        const qsizetype next = lines.indexOf(heading, at + 1);
        QVERIFY2(next > at, heading);
        // Two empty lines set each section apart from what comes before it.
        QCOMPARE(lines.mid(next - 2, 2), (QStringList{QString(), QString()}));
        at = next;
    }
}

void TextScreensTest::textBoxComesFirstAndTabLeavesIt_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::newRow("Form3") << "Tips";
    QTest::newRow("Help") << "Memo1";
}

void TextScreensTest::textBoxComesFirstAndTabLeavesIt()
{
    QFETCH(QString, boxName);
    TForm *screen = create(QTest::currentDataTag());
    screen->Show();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QPlainTextEdit *text = box(screen, boxName);
    QCOMPARE(QApplication::focusWidget(), text);

    const QString before = text->toPlainText();
    QTest::keyClick(text, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), screen->findChild<QPushButton *>("Button1"));
    QCOMPARE(text->toPlainText(), before);
}

void TextScreensTest::mainMenuHidesTheScreenKeepingWhatWasTyped_data()
{
    textBoxComesFirstAndTabLeavesIt_data();
}

void TextScreensTest::mainMenuHidesTheScreenKeepingWhatWasTyped()
{
    QFETCH(QString, boxName);
    TForm *screen = create(QTest::currentDataTag());
    screen->Show();
    QPlainTextEdit *text = box(screen, boxName);
    QTest::keyClicks(text, "my notes ");
    const QString typed = text->toPlainText();
    QVERIFY(typed.startsWith("my notes "));
    text->verticalScrollBar()->setValue(5);
    const int scrolled = text->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);

    QTest::mouseClick(screen->findChild<QPushButton *>("Button1"), Qt::LeftButton);
    QVERIFY(!screen->isVisible());
    QCOMPARE(Application::instance().stack(), QList<TForm *>{m_menu});
    QCOMPARE(Application::instance().activeForm(), m_menu);

    screen->Show();
    QCOMPARE(text->toPlainText(), typed);
    QCOMPARE(text->verticalScrollBar()->value(), scrolled);
}

void TextScreensTest::windowScrollBarsOnlyWhereAllowed_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("Form3") << false;
    QTest::newRow("Help") << true;
}

void TextScreensTest::windowScrollBarsOnlyWhereAllowed()
{
    QFETCH(bool, shown);
    TForm *screen = create(QTest::currentDataTag());
    screen->Show();
    screen->showNormal();
    screen->resize(300, 200);
    QCoreApplication::processEvents();
    auto *area = qobject_cast<QScrollArea *>(screen->centralWidget());
    QVERIFY(area);
    QCOMPARE(area->verticalScrollBar()->isVisible(), shown);
    QCOMPARE(area->horizontalScrollBar()->isVisible(), shown);
}

void TextScreensTest::aboutScreenShownAgainIsTheSameWindowInFront_data()
{
    QTest::addColumn<QString>("instance");
    QTest::newRow("about the product") << "Form5";
    QTest::newRow("about breakout") << "About";
    QTest::newRow("about prospects") << "Abpros";
}

void TextScreensTest::aboutScreenShownAgainIsTheSameWindowInFront()
{
    QFETCH(QString, instance);
    TForm *about = create(instance);
    auto *report = new TForm("Breakbat", "Breakout Batters");
    Application::instance().addForm(report);

    about->Show();
    about->move(about->pos() + QPoint(40, 30));   // the user drags it aside
    const QRect dragged = about->frameGeometry();
    report->Show();
    about->Show();

    QCOMPARE(Application::instance().stack(), (QList<TForm *>{m_menu, report, about}));
    QCOMPARE(Application::instance().activeForm(), about);
    QCOMPARE(about->frameGeometry(), dragged);
    int windows = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        windows += top->objectName() == instance;
    QCOMPARE(windows, 1);
}

void TextScreensTest::aboutBoxFollowsTheWindowHeightAtItsWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("Form5") << 273;
    QTest::newRow("About") << 337;
    QTest::newRow("Abpros") << 345;
}

void TextScreensTest::aboutBoxFollowsTheWindowHeightAtItsWidth()
{
    QFETCH(int, width);
    TForm *about = create(QTest::currentDataTag());
    about->Show();
    QPlainTextEdit *text = box(about, "Memo1");
    for (const QSize size : {QSize(width + 60, 420), QSize(width + 10, 90), about->designedGeometry().size()}) {
        about->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(text->geometry(), QRect(0, 0, width, about->centralWidget()->height()));
    }
}

void TextScreensTest::caretBringsOverflowingTextIntoViewWithoutScrollBar()
{
    auto *about = static_cast<TAbout *>(create("About"));
    about->Show();
    about->resize(about->width(), 70);
    QCoreApplication::processEvents();
    QTest::keyClick(about->Memo1, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(!about->Memo1->verticalScrollBar()->isVisible());
    QVERIFY(about->Memo1->verticalScrollBar()->value() > 0);
    QVERIFY(about->Memo1->viewport()->rect().contains(about->Memo1->cursorRect()));
}

std::unique_ptr<QObject> makeTextScreensTest() { return std::make_unique<TextScreensTest>(); }

#include "TextScreensTest.moc"
