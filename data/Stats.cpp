#include "data/Stats.h"

int roundedRatio(qint64 numerator, qint64 denominator)
{
    return denominator == 0 ? 0 : int((2 * numerator + denominator) / (2 * denominator));
}

int BattingLine::averageThousandths() const
{
    return roundedRatio(qint64(hits) * 1000, atBats);
}

int PitchingLine::eraHundredths() const
{
    // 9 * ER / (outs / 3), in hundredths.
    return roundedRatio(qint64(earnedRuns) * 2700, outs);
}

int PitchingLine::whipHundredths() const
{
    return roundedRatio(qint64(hits + walks) * 300, outs);
}

QString averageText(int thousandths)
{
    if (thousandths >= 1000)
        return QString::number(thousandths / 1000) + '.' + QString::number(thousandths % 1000).rightJustified(3, '0');
    return '.' + QString::number(thousandths).rightJustified(3, '0');
}

QString hundredthsText(int hundredths)
{
    return QString::number(hundredths / 100) + '.' + QString::number(hundredths % 100).rightJustified(2, '0');
}

QString inningsText(int outs)
{
    const int thirds = outs % 3;
    return thirds == 0 ? QString::number(outs / 3) : QString::number(outs / 3) + '.' + QString::number(thirds);
}
