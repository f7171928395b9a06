#pragma once

#include "data/Random.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <functional>

// The facts of one player or club, put into sentence patterns: "{last} hit
// {avg}" with last = "Kellington" and avg = ".287" reads "Kellington hit .287".
// Facts are set one by one, or worked out by a source only when a pattern
// names them (thousands of players, a few facts each per paragraph).
class Phrase {
public:
    // The text of a fact, or a null string when the source does not know it.
    using Source = std::function<QString(const QString &key)>;

    Phrase() = default;
    explicit Phrase(Source source) : m_source(std::move(source)) {}

    Phrase &set(const QString &key, const QString &value);
    Phrase &set(const QString &key, int value);
    // "1 homer", "12 homers".
    Phrase &setCount(const QString &key, int count, const QString &singular, const QString &plural);

    QString fill(const QString &pattern) const;
    // One pattern of the pool, filled.
    QString any(Random &random, const QVector<QString> &pool) const { return fill(random.pick(pool)); }

private:
    QString value(const QString &key) const;

    QHash<QString, QString> m_values;
    Source m_source;
};

// Sentences joined into one paragraph, empty ones left out.
QString paragraph(const QStringList &sentences);
