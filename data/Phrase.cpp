#include "data/Phrase.h"

#include <QStringList>

Phrase &Phrase::set(const QString &key, const QString &value)
{
    m_values.insert(key, value);
    return *this;
}

Phrase &Phrase::set(const QString &key, int value)
{
    return set(key, QString::number(value));
}

Phrase &Phrase::setCount(const QString &key, int count, const QString &singular, const QString &plural)
{
    return set(key, QString::number(count) + ' ' + (count == 1 ? singular : plural));
}

QString Phrase::fill(const QString &pattern) const
{
    QString text;
    text.reserve(pattern.size() + 64);
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = pattern.indexOf('{', from);
        const qsizetype close = open < 0 ? -1 : pattern.indexOf('}', open);
        if (close < 0) {
            text += QStringView(pattern).mid(from);
            return text;
        }
        text += QStringView(pattern).mid(from, open - from);
        const QString found = value(pattern.mid(open + 1, close - open - 1));
        // An unknown field stays visible as "{key}" rather than vanishing.
        text += found.isNull() ? QStringView(pattern).mid(open, close - open + 1) : QStringView(found);
        from = close + 1;
    }
}

QString Phrase::value(const QString &key) const
{
    const auto set = m_values.constFind(key);
    if (set != m_values.cend())
        return *set;
    return m_source ? m_source(key) : QString();
}

QString paragraph(const QStringList &sentences)
{
    QStringList kept;
    for (const QString &sentence : sentences)
        if (!sentence.isEmpty())
            kept << sentence;
    return kept.join(' ');
}
