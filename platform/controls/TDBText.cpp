#include "platform/controls/TDBText.h"

TDBText::TDBText(QWidget *parent) : QLabel(parent)
{
    m_link.onDataChange = [this] { refresh(); };
}

void TDBText::refresh() { setText(m_link.fieldDisplayText()); }
