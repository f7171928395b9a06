#include <QApplication>
#include <QTest>

#include <memory>

// Each test file defines its test class and a function that makes one.
std::unique_ptr<QObject> makeListReportGridTest();
std::unique_ptr<QObject> makeListReportTest();
std::unique_ptr<QObject> makeListReportMovesTest();
std::unique_ptr<QObject> makeTextScreensTest();
std::unique_ptr<QObject> makeSheetTest();

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);

    using MakeTest = std::unique_ptr<QObject> (*)();
    const MakeTest tests[] = {
        makeListReportGridTest,
        makeListReportTest,
        makeListReportMovesTest,
        makeTextScreensTest,
        makeSheetTest,
    };
    int failed = 0;
    for (MakeTest make : tests) {
        const std::unique_ptr<QObject> test = make();
        if (QTest::qExec(test.get(), argc, argv) != 0)
            ++failed;
    }
    return failed == 0 ? 0 : 1;
}
