#include "screens/reports/TextBox.h"

#include "platform/forms/Look.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>

namespace {

Qt::ScrollBarPolicy policy(bool shown) { return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; }

} // namespace

QPlainTextEdit *createTextBox(QWidget *parent, const char *member, const QStringList &lines,
                              int fontPixels, TextBoxScrollBars scrollBars)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(member);
    box->setFont(Look::sansFont(fontPixels));
    Look::setColors(box, Look::black, Look::window);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The designed line lengths assume text close to the border.
    box->document()->setDocumentMargin(2);
    box->setVerticalScrollBarPolicy(policy(scrollBars != TextBoxScrollBars::None));
    box->setHorizontalScrollBarPolicy(policy(scrollBars == TextBoxScrollBars::Both));
    // Tab moves on to the next control, as in the other boxes of the program;
    // tabs inside the text stop every eight average characters.
    box->setTabChangesFocus(true);
    box->setTabStopDistance(8 * QFontMetricsF(box->font()).averageCharWidth());
    box->setPlainText(lines.join(u'\n'));
    return box;
}
