#include "ElementGrid.h"

namespace ElementGrid {

namespace {

// First atomic number and first column of each run of cells in a row.
struct Run {
    int row;
    int firstNumber;
    int lastNumber;
    int firstColumn;
};

const Run kRuns[] = {
    {1, 1, 1, 1},    {1, 2, 2, 18},    {2, 3, 4, 1},   {2, 5, 10, 13},  {3, 11, 12, 1},
    {3, 13, 18, 13}, {4, 19, 36, 1},   {5, 37, 54, 1}, {6, 55, 57, 1},  {6, 72, 86, 4},
    {7, 87, 89, 1},  {7, 104, 109, 4}, {8, 58, 71, 4}, {9, 90, 103, 4},
};

double rowTop(int row)
{
    if (row == 8) return 3840;
    if (row == 9) return 4320;
    return 120 + kPitch * (row - 1);
}

}  // namespace

Place placeOf(int atomicNumber)
{
    for (const Run &run : kRuns)
        if (atomicNumber >= run.firstNumber && atomicNumber <= run.lastNumber)
            return {run.row, run.firstColumn + atomicNumber - run.firstNumber};
    return {0, 0};
}

QRectF cellRect(int atomicNumber)
{
    if (atomicNumber == 0) return QRectF(120, 3960, kCellSize, kCellSize);
    const Place place = placeOf(atomicNumber);
    return QRectF(120 + kPitch * (place.column - 1), rowTop(place.row), kCellSize, kCellSize);
}

const QVector<Backdrop> &backdrops()
{
    static const QVector<Backdrop> kBackdrops = {
        {QColor(255, 192, 192), QRectF(1560, 3840, 6735, 975)},
        {QColor(255, 192, 128), QRectF(1080, 1560, 4815, 1455)},
        {QColor(255, 192, 128), QRectF(1080, 3000, 3375, 495)},
        {QColor(192, 192, 255), QRectF(120, 600, 975, 2895)},
        {QColor(192, 192, 255), QRectF(120, 120, 495, 495)},
        {QColor(192, 255, 192), QRectF(5880, 600, 2895, 2415)},
        {QColor(192, 255, 192), QRectF(8280, 120, 495, 495)},
    };
    return kBackdrops;
}

const QVector<QLineF> &staircase()
{
    static const QVector<QLineF> kLines = {
        QLineF(6360, 1080, 5880, 1080), QLineF(5880, 600, 5880, 1080),
        QLineF(6360, 1080, 6360, 1560), QLineF(6840, 1560, 6840, 2040),
        QLineF(7320, 2040, 7320, 2520), QLineF(7800, 2520, 7800, 3000),
        QLineF(7800, 2520, 7320, 2520), QLineF(7320, 2040, 6840, 2040),
        QLineF(6840, 1560, 6360, 1560),
    };
    return kLines;
}

QColor staircaseColour()
{
    return QColor(0, 0, 128);
}

QColor phaseColour(const QString &phaseCode)
{
    if (phaseCode == QLatin1String("S")) return QColor(0, 0, 0);
    if (phaseCode == QLatin1String("G")) return QColor(255, 0, 0);
    if (phaseCode == QLatin1String("L")) return QColor(0, 0, 255);
    if (phaseCode == QLatin1String("Y")) return QColor(255, 128, 0);
    return QColor();
}

}  // namespace ElementGrid
