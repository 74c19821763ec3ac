#include "CommandLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSize>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/AppState.h"
#include "chartplugin/ChartPlugin.h"
#include "elements/ChartProperties.h"
#include "elements/ElementCard.h"
#include "files/AtomicSave.h"
#include "files/Csv.h"
#include "files/DataError.h"
#include "files/ElementFile.h"
#include "files/NumberText.h"
#include "plugins/Plugins.h"
#include "widgets/ToolkitTranslation.h"

using mod_Vantrel::ElementRecordType;

namespace CommandLine {

namespace {

constexpr int kSucceeded = 0;
constexpr int kFailed = 2;

constexpr QSize kDefaultSize(1200, 600);
constexpr int kSmallestSide = 100;
constexpr int kLargestSide = 10000;

// A bad request: what is wrong, in words the user can act on.
struct Refused {
    QString message;
};

struct Options {
    QCommandLineOption element{QStringLiteral("element"), QString(), QStringLiteral("元素")};
    QCommandLineOption table{QStringLiteral("table"), QString(), QStringLiteral("文件")};
    QCommandLineOption chart{QStringLiteral("export-chart"), QString(), QStringLiteral("性质")};
    QCommandLineOption size{QStringLiteral("size"), QString(), QStringLiteral("宽x高")};
    QCommandLineOption productUrl{QStringLiteral("product-url"), QString(), QStringLiteral("URL")};
    QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({element, table, chart, size, productUrl, help, version});
    }
    // How many of the three forms are asked for.
    int formCount(const QCommandLineParser &parser) const
    {
        return int(parser.isSet(element)) + int(parser.isSet(table)) + int(parser.isSet(chart));
    }
};

// The property words in two lines of the help's right column.
QString propertyList()
{
    constexpr int kFirstLine = 5;
    const QStringList keys = ChartProperties::keys();
    return keys.mid(0, kFirstLine).join(QLatin1Char(' ')) + QLatin1Char('\n') +
           QString(28, QLatin1Char(' ')) + keys.mid(kFirstLine).join(QLatin1Char(' '));
}

QString helpText()
{
    return QStringLiteral(
               "用法：ferrova-periodic [--product-url URL]\n"
               "      ferrova-periodic --element 元素\n"
               "      ferrova-periodic --table 文件.csv\n"
               "      ferrova-periodic --export-chart 性质 文件 [--size 宽x高]\n"
               "\n"
               "Ferrova元素周期表。不带选项时打开窗口；--element、--table 和 --export-chart\n"
               "不打开窗口，也不需要显示器。\n"
               "\n"
               "选项：\n"
               "  --element 元素            在标准输出上打印元素的资料卡；元素写符号（Fe）、\n"
               "                            原子序数（26）或名称（铁）\n"
               "  --table 文件              把全部元素的每项数值写入 CSV 文件，单位在表头\n"
               "  --export-chart 性质 文件  把一种性质的曲线图写入文件，扩展名决定格式：\n"
               "                            .png、.svg、.pdf（A4 横向）或 .csv（数据）\n"
               "                            性质：%1\n"
               "  --size 宽x高              --export-chart 所写图片的像素大小（默认 %2x%3）\n"
               "  --product-url URL         浏览器窗格显示的产品网页地址\n"
               "                            （默认：%4）\n"
               "  -h, --help                显示本帮助\n"
               "  -v, --version             显示版本\n"
               "\n"
               "熔点和沸点的曲线图使用在曲线图菜单中选定的温度单位（K 或 °C）。\n"
               "退出状态：0 成功；2 参数有误、没有这个元素或性质、数据文件无法读取，\n"
               "或文件无法写入（这时不写任何文件）。\n")
        .arg(propertyList())
        .arg(kDefaultSize.width())
        .arg(kDefaultSize.height())
        .arg(Plugins::productPage());
}

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QSize pictureSize(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})[xX×](\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    const QSize size =
        match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    const auto fits = [](int side) { return side >= kSmallestSide && side <= kLargestSide; };
    if (!fits(size.width()) || !fits(size.height()))
        throw Refused{QStringLiteral("图片大小“%1”不对：应写成 宽x高，例如 1200x600，"
                                     "每边 %2 到 %3 像素")
                          .arg(text)
                          .arg(kSmallestSide)
                          .arg(kLargestSide)};
    return size;
}

// The records sorted by atomic number; the reader is the program's own.
QVector<ElementRecordType> elements()
{
    QVector<ElementRecordType> records = ElementFile::latestRecords();
    std::sort(records.begin(), records.end(),
              [](const auto &a, const auto &b) { return a.AtomicNumber < b.AtomicNumber; });
    return records;
}

// --element: by atomic number, symbol (any letter case) or Chinese name.
int printCard(const QString &wanted)
{
    const QString text = wanted.trimmed();
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    for (const ElementRecordType &record : elements()) {
        const bool found = isNumber ? record.AtomicNumber == number
                                    : record.Symbol.compare(text, Qt::CaseInsensitive) == 0 ||
                                          record.ElementName == text;
        if (!found) continue;
        print(stdout, ElementCard::text(record) + QLatin1Char('\n'));
        return kSucceeded;
    }
    throw Refused{QStringLiteral("没有这个元素：“%1”。请写元素符号（Fe）、原子序数（1 到 %2）"
                                 "或中文名称（铁）")
                      .arg(wanted)
                      .arg(mod_Vantrel::kElementCount)};
}

// --table: every element with each of the nine values; the units stand in the heading.
int writeTable(const QString &path)
{
    QStringList heading{QStringLiteral("原子序数"), QStringLiteral("符号"), QStringLiteral("名称")};
    for (int n = 0; n < ChartProperties::kCount; ++n)
        heading.append(ChartProperties::title(*ChartProperties::find(n)));
    QList<QStringList> rows{heading};
    for (const ElementRecordType &record : elements()) {
        QStringList row{integerText(record.AtomicNumber), record.Symbol, record.ElementName};
        for (int n = 0; n < ChartProperties::kCount; ++n) {
            const PropertyInfo *property = ChartProperties::find(n);
            row.append(ChartProperties::numberText(property, record.*(property->field)));
        }
        rows.append(row);
    }
    AtomicSave::write(path, Csv::document(rows));
    return kSucceeded;
}

// --export-chart: the chart the program draws, filled the way its windows fill theirs.
int writeChart(const QString &key, const QStringList &files, const QString &sizeText)
{
    const std::optional<int> property = ChartProperties::byKey(key.trimmed());
    if (!property)
        throw Refused{QStringLiteral("没有这种性质：“%1”。可用的性质：%2")
                          .arg(key, ChartProperties::keys().join(QStringLiteral("、")))};
    if (files.size() != 1) throw Refused{QStringLiteral("--export-chart 后面要写性质和一个文件名")};
    const QString &path = files.constFirst();
    const QSize size = sizeText.isEmpty() ? kDefaultSize : pictureSize(sizeText);
    QString problem;
    ChartPlugin *plugin = Plugins::charts(&problem);
    if (!plugin) throw Refused{Plugins::chartsMissingText(problem)};
    // The unit chosen on a chart's menu, as the windows show it.
    const auto unit = AppState().temperatureUnit();
    if (plugin->writeChart(qint16(*property), unit, path, size) ==
        ChartPlugin::Written::UnknownFormat)
        throw Refused{
            QStringLiteral("无法从文件名“%1”看出格式：扩展名应为 .png、.svg、.pdf 或 .csv")
                .arg(path)};
    return kSucceeded;
}

int dispatch(const QCommandLineParser &parser, const Options &options)
{
    if (parser.isSet(options.help)) {
        print(stdout, helpText());
        return kSucceeded;
    }
    if (parser.isSet(options.version)) {
        print(stdout, QStringLiteral("ferrova-periodic " FERROVA_VERSION "\n"));
        return kSucceeded;
    }
    if (options.formCount(parser) != 1)
        throw Refused{QStringLiteral("--element、--table 和 --export-chart 一次只能用一个")};
    if (parser.isSet(options.size) && !parser.isSet(options.chart))
        throw Refused{QStringLiteral("--size 只用于 --export-chart")};
    if (!parser.isSet(options.chart) && !parser.positionalArguments().isEmpty())
        throw Refused{QStringLiteral("多余的参数：%1").arg(parser.positionalArguments().join(' '))};
    if (parser.isSet(options.element)) return printCard(parser.value(options.element));
    if (parser.isSet(options.table)) return writeTable(parser.value(options.table));
    return writeChart(parser.value(options.chart), parser.positionalArguments(),
                      parser.value(options.size));
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

bool isWindowless(int argc, char *argv[])
{
    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    parser.parse(argumentsOf(argc, argv));
    return options.formCount(parser) > 0 || parser.isSet(options.size) ||
           parser.isSet(options.help) || parser.isSet(options.version);
}

int run(int argc, char *argv[])
{
    // The toolkit's remarks on the off-screen platform (no runtime folder, windows without
    // size hints) mean nothing to a user at a terminal; this program's own messages are
    // written directly.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) print(stderr, text + QLatin1Char('\n'));
    });
    // No window is shown, so no screen is needed: the chart is laid out and drawn off-screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ferrova-periodic"));
    QApplication::setApplicationVersion(QStringLiteral(FERROVA_VERSION));
    ToolkitTranslation::install(app);

    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    try {
        if (!parser.parse(QCoreApplication::arguments())) {
            QStringList unknown;
            for (const QString &name : parser.unknownOptionNames())
                unknown.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) +
                               name);
            throw Refused{unknown.isEmpty()
                              ? QStringLiteral("参数有误：%1").arg(parser.errorText())
                              : QStringLiteral("未知的选项：%1").arg(unknown.join(' '))};
        }
        return dispatch(parser, options);
    } catch (const Refused &refused) {
        print(stderr,
              QStringLiteral("ferrova-periodic：%1\n用 --help 查看用法。\n").arg(refused.message));
    } catch (const DataError &error) {
        print(stderr, error.message() + QLatin1Char('\n'));
    }
    return kFailed;
}

}  // namespace CommandLine
