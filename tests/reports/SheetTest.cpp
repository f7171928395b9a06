#include "assets/Texts.h"
#include "platform/ProgramLauncher.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/reports/TSheet.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <memory>

// The spreadsheet screen and what its launch button asks of the system.
class SheetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsMatchTheLayout_data();
    void controlsMatchTheLayout();
    void screenIsMaximizedWithMemo1Focused();
    void launchAsksForTheSpreadsheetProgramOnTheWorkbook();
    void everyClickIsANewRequest();
    void launchWithoutTheProgramShowsNothingAndChangesNothing();
    void mainMenuHidesTheScreen();

private:
    TForm *m_menu = nullptr;
    TSheet *m_sheet = nullptr;
    MessageRecorder *m_messages = nullptr;
};

namespace {

// Keeps the requests instead of starting anything.
class RecordingLauncher : public ProgramLauncher {
public:
    struct Request {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };
    QList<Request> requests;

    bool start(const QString &program, const QStringList &arguments, const QString &workingFolder) override
    {
        requests.append({program, arguments, workingFolder});
        return false;
    }
};

} // namespace

void SheetTest::initTestCase() { Look::installFontSubstitutions(); }

void SheetTest::init()
{
    m_messages = new MessageRecorder;
    // The main screen lies beneath, so "Main Menu" uncovers it.
    m_menu = new TForm("MMenu", "Quillomet");
    m_sheet = new TSheet;
    Application::instance().addForm(m_menu);
    Application::instance().addForm(m_sheet);
    m_menu->Show();
    m_sheet->Show();
}

void SheetTest::cleanup()
{
    QVERIFY2(m_messages->messages.isEmpty(), qPrintable(m_messages->messages.join(" | ")));
    delete m_messages;
    Application::instance().destroyForms();
}

void SheetTest::controlsMatchTheLayout_data()
{
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");   // a button's caption; empty for a box
    QTest::addColumn<int>("fontPixels");
    QTest::newRow("Memo1") << QRect(24, 24, 433, 377) << QString() << 16;
    QTest::newRow("Button1") << QRect(472, 112, 153, 41) << "Main Menu" << 11;
    QTest::newRow("Button2") << QRect(472, 176, 153, 41) << "Launch the Spreadsheet" << 11;
    QTest::newRow("Memo2") << QRect(472, 224, 153, 81) << QString() << 11;
}

void SheetTest::controlsMatchTheLayout()
{
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(int, fontPixels);
    QWidget *control = m_sheet->client()->findChild<QWidget *>(QTest::currentDataTag());
    QVERIFY(control);
    QCOMPARE(control->geometry(), place);
    QCOMPARE(control->font().pixelSize(), fontPixels);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
        return;
    }
    auto *box = qobject_cast<QPlainTextEdit *>(control);
    QVERIFY(box);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->palette().color(QPalette::Text), Look::black);
}

void SheetTest::screenIsMaximizedWithMemo1Focused()
{
    QVERIFY(QTest::qWaitForWindowActive(m_sheet));
    QCoreApplication::processEvents();
    saveScreenshot(m_sheet, "Sheet");
    QCOMPARE(m_sheet->objectName(), QString("Sheet"));
    QCOMPARE(m_sheet->windowTitle(), QString("About the Spreadsheet"));
    QVERIFY(m_sheet->isMaximized());
    QCOMPARE(m_sheet->designedGeometry(), QRect(187, 104, 435, 300));
    QCOMPARE(m_sheet->client()->palette().color(QPalette::Window), Look::buttonFace);
    QCOMPARE(textLines(m_sheet->Memo1), Texts::spreadsheet());
    QCOMPARE(textLines(m_sheet->Memo2), Texts::spreadsheetNote());
    QCOMPARE(QApplication::focusWidget(), m_sheet->Memo1);
    QTest::keyClick(m_sheet->Memo1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_sheet->Button1);
}

void SheetTest::launchAsksForTheSpreadsheetProgramOnTheWorkbook()
{
    RecordingLauncher launcher;
    m_sheet->setLauncher(launcher);
    QTest::mouseClick(m_sheet->Button2, Qt::LeftButton);

    QCOMPARE(launcher.requests.size(), 1);
    const RecordingLauncher::Request &request = launcher.requests.first();
    QCOMPARE(request.program, QString("C:\\MSOffice\\Excel\\Excel.exe"));
    // The workbook path is the one argument, unquoted, whether or not it exists.
    QCOMPARE(request.arguments, QStringList{"C:\\Progra~1\\Brantell\\Quillo~1\\Draftday.xls"});
    QCOMPARE(request.workingFolder, QString("C:\\MSOffice\\Excel"));
}

void SheetTest::everyClickIsANewRequest()
{
    RecordingLauncher launcher;
    m_sheet->setLauncher(launcher);
    QTest::mouseClick(m_sheet->Button2, Qt::LeftButton);
    QTest::mouseClick(m_sheet->Button2, Qt::LeftButton);
    QCOMPARE(launcher.requests.size(), 2);
    QCOMPARE(launcher.requests[1].program, launcher.requests[0].program);
    QCOMPARE(launcher.requests[1].arguments, launcher.requests[0].arguments);
}

void SheetTest::launchWithoutTheProgramShowsNothingAndChangesNothing()
{
    // The system's own launcher: there is no such program here.
    QTest::keyClicks(m_sheet->Memo1, "typed ");
    const QString memo1 = m_sheet->Memo1->toPlainText();
    const QString memo2 = m_sheet->Memo2->toPlainText();
    const QList<TForm *> stack = Application::instance().stack();
    const qsizetype windows = QApplication::topLevelWidgets().size();

    QTest::mouseClick(m_sheet->Button2, Qt::LeftButton);
    QCoreApplication::processEvents();

    QVERIFY(m_messages->messages.isEmpty());
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QVERIFY(m_sheet->isVisible());
    QCOMPARE(Application::instance().stack(), stack);
    QCOMPARE(Application::instance().activeForm(), m_sheet);
    QCOMPARE(m_sheet->Memo1->toPlainText(), memo1);
    QCOMPARE(m_sheet->Memo2->toPlainText(), memo2);
    QCOMPARE(m_sheet->windowTitle(), QString("About the Spreadsheet"));
}

void SheetTest::mainMenuHidesTheScreen()
{
    QTest::mouseClick(m_sheet->Button1, Qt::LeftButton);
    QVERIFY(!m_sheet->isVisible());
    QCOMPARE(Application::instance().stack(), QList<TForm *>{m_menu});
    QCOMPARE(Application::instance().activeForm(), m_menu);
}

std::unique_ptr<QObject> makeSheetTest() { return std::make_unique<SheetTest>(); }

#include "SheetTest.moc"
