#include "Settings.h"

#include "AtomicSave.h"
#include "DataError.h"
#include "DataFiles.h"
#include "ListInput.h"
#include "NumberText.h"
#include "SettingsLocation.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace Settings {

namespace {

const QString kAtomicRadius = QStringLiteral("AtomicRadius");
const QString kCovalentRadius = QStringLiteral("CovalentRadius");
const QString kChartWindows = QStringLiteral("ChartWindows");
const QString kElementGroup = QStringLiteral("ElementGroup");

// A mode value rounded half to even; throws when it does not fit 16 bits.
qint16 modeValue(float value, const QString &fileName, int line)
{
    const double rounded = std::nearbyint(double(value));
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        throw DataError(DataError::Kind::Overflow, fileName, line,
                        QStringLiteral("模式值 %1 超出 -32768 到 32767").arg(double(value)));
    return static_cast<qint16>(rounded);
}

void applyLine(float value, const QString &key, Values &values, const QString &fileName, int line)
{
    if (key == kAtomicRadius) values.AtomicRadiusColor = value;
    if (key == kCovalentRadius) values.CovalentRadiusColor = value;
    if (key == kChartWindows) values.ChartWindowsMode = modeValue(value, fileName, line);
    if (key == kElementGroup) values.ElementGroupMode = modeValue(value, fileName, line);
}

// The next line of `device` without its line end: LF, CR LF or a lone CR, as in the element
// data file. Keeps at most `limit` bytes and passes over the rest of a longer line.
QByteArray nextLine(QIODevice &device, qsizetype limit)
{
    QByteArray text;
    char c = 0;
    while (device.getChar(&c) && c != '\n') {
        if (c == '\r') {
            if (device.getChar(&c) && c != '\n') device.ungetChar(c);
            break;
        }
        if (text.size() < limit) text += c;
    }
    return text;
}

// A save killed at the wrong moment leaves its temporary file behind, named by the save
// file as "<file name>.XXXXXX" (six letters or digits). Such files, and only such regular
// files, are removed before the next save; the name is matched without regard to case,
// as the file itself is.
void removeLeftoverTemporaries(const QString &target)
{
    const QFileInfo file(target);
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(file.fileName())),
        QRegularExpression::CaseInsensitiveOption);
    QDir folder = file.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (leftover.match(name).hasMatch()) folder.remove(name);
}

QByteArray line(const QString &value, const QString &key)
{
    return (value + QLatin1Char('\t') + key).toLatin1() + "\r\n";
}

}  // namespace

QString colourText(float colour)
{
    return singleText(std::floor(colour), QLocale::c());
}

QByteArray fileText(const Values &values)
{
    return line(colourText(values.AtomicRadiusColor), kAtomicRadius) +
           line(colourText(values.CovalentRadiusColor), kCovalentRadius) +
           line(QString::number(values.ChartWindowsMode), kChartWindows) +
           line(QString::number(values.ElementGroupMode), kElementGroup);
}

void read(QIODevice &device, const QString &fileName, Values &values, QStringList *problems)
{
    // One settings line at a time, so that a bad line costs only itself. Past the first
    // few bad lines they are only counted: the message has to fit on the screen.
    int lineNumber = 0;
    int unlisted = 0;
    while (!device.atEnd()) {
        ++lineNumber;
        QByteArray text = nextLine(device, ListInput::kMaxLineChars + 1);
        if (text.trimmed().isEmpty()) continue;
        // Counting only: most bad lines are told apart without the cost of an exception.
        const bool counting = problems && problems->size() >= kMaxListedProblems;
        if (counting && !ListInput::startsWithSingle(text)) {
            ++unlisted;
            continue;
        }
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        ListInput in(buffer, fileName);
        try {
            const float value = in.readSingle();
            const QString key = in.atEnd() ? QString() : in.readText();
            applyLine(value, key, values, fileName, lineNumber);
        } catch (const DataError &e) {
            if (problems && problems->size() < kMaxListedProblems)
                problems->append(QStringLiteral("第 %1 行：%2").arg(lineNumber).arg(e.detail()));
            else
                ++unlisted;
        }
    }
    if (problems && unlisted > 0) problems->append(QStringLiteral("以及另外 %1 行").arg(unlisted));
}

Loaded load(Values &values)
{
    Loaded loaded;
    loaded.filePath =
        SettingsLocation::fileToRead(SettingsLocation::userFile(), SettingsLocation::programFile());
    QFile file(DataFiles::resolve(loaded.filePath));
    if (const auto failure = DataFiles::openForReading(file)) {
        if (failure->missing) return loaded;
        throw DataError(DataError::Kind::OpenFailed, loaded.filePath, 0, failure->reason);
    }
    read(file, loaded.filePath, values, &loaded.problems);
    return loaded;
}

QString save(const Values &values)
{
    const QString filePath =
        SettingsLocation::fileToSave(SettingsLocation::userFile(), SettingsLocation::programFile());
    const QString target = DataFiles::resolve(filePath);
    removeLeftoverTemporaries(target);
    // The user's own file may be the first one in their configuration folder.
    const QString folder = QFileInfo(filePath).absolutePath();
    if (filePath == SettingsLocation::userFile() && !QDir().mkpath(folder)) {
        const QString step =
            QStringLiteral("无法创建文件夹 %1").arg(QDir::toNativeSeparators(folder));
        const std::optional<QString> reason = AtomicSave::failureReason(QString(), target);
        throw DataError(DataError::Kind::WriteFailed, filePath, 0,
                        reason ? QStringLiteral("%1，%2").arg(step, *reason) : step);
    }
    AtomicSave::write(target, fileText(values), filePath);
    return filePath;
}

}  // namespace Settings
