#pragma once

#include <QStringList>

class QPlainTextEdit;
class QWidget;

// The scroll bars a text box shows of its own.
enum class TextBoxScrollBars { None, Vertical, Both };

// A multi-line box holding fixed lines: each line a hard break, words wrapped
// at the box's right edge, black MS Sans Serif on the window colour. The user
// may type into it; nothing typed is stored.
QPlainTextEdit *createTextBox(QWidget *parent, const char *member, const QStringList &lines,
                              int fontPixels, TextBoxScrollBars scrollBars);
