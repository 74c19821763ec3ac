#include "CommandLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSize>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/AppState.h"
#include "chartplugin/ChartPlugin.h"
#include "colouredtable/ColouredTable.h"
#include "elements/ChartProperties.h"
#include "elements/ElementCard.h"
#include "files/AtomicSave.h"
#include "files/Csv.h"
#include "files/DataError.h"
#include "files/ElementFile.h"
#include "files/NumberText.h"
#include "formula/FormulaCommand.h"
#include "isotopes/IsotopeCommand.h"
#include "plugins/Plugins.h"
#include "properties/PropertyCharts.h"
#include "properties/PropertyCommands.h"
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
    QCommandLineOption isotopes{QStringLiteral("isotopes"), QString(), QStringLiteral("元素")};
    QCommandLineOption chart{QStringLiteral("export-chart"), QString(), QStringLiteral("性质")};
    QCommandLineOption colouredTable{QStringLiteral("export-table"), QString(),
                                     QStringLiteral("性质")};
    QCommandLineOption formula{QStringLiteral("formula"), QString(), QStringLiteral("化学式")};
    QCommandLineOption size{QStringLiteral("size"), QString(), QStringLiteral("宽x高")};
    QCommandLineOption format{QStringLiteral("format"), QString(), QStringLiteral("格式")};
    QCommandLineOption productUrl{QStringLiteral("product-url"), QString(), QStringLiteral("URL")};
    QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({element, table, isotopes, formula, chart, colouredTable, size, format,
                           productUrl, help, version});
    }
    // The forms without a window; one of them at a time.
    QList<const QCommandLineOption *> forms() const
    {
        return {&element, &table, &isotopes, &formula, &chart, &colouredTable};
    }
    int formCount(const QCommandLineParser &parser) const
    {
        const QList<const QCommandLineOption *> all = forms();
        return int(std::count_if(all.begin(), all.end(), [&](const QCommandLineOption *form) {
            return parser.isSet(*form);
        }));
    }
    QString formNames() const
    {
        QStringList names;
        for (const QCommandLineOption *form : forms())
            names.append(QStringLiteral("--") + form->names().constFirst());
        return names.join(QStringLiteral("、"));
    }
    // The forms that write a picture of the size --size gives, to the file named after them.
    bool writesPicture(const QCommandLineParser &parser) const
    {
        return parser.isSet(chart) || parser.isSet(colouredTable);
    }
};

// The property words in two lines of the help's right column.
QString propertyList()
{
    constexpr int kFirstLine = 5;
    const QStringList keys = ChartProperties::keys();
    constexpr int kIndent = 28;
    constexpr int kPerLine = 3;
    return keys.mid(0, kFirstLine).join(QLatin1Char(' ')) + QLatin1Char('\n') +
           QString(kIndent, QLatin1Char(' ')) + keys.mid(kFirstLine).join(QLatin1Char(' ')) +
           QLatin1Char('\n') + QString(kIndent, QLatin1Char(' ')) +
           PropertyCommands::keyLines(kPerLine, kIndent);
}

QString helpText()
{
    return QStringLiteral(
               "用法：ferrova-periodic [--product-url URL]\n"
               "      ferrova-periodic --element 元素\n"
               "      ferrova-periodic --table 文件.csv\n"
               "      ferrova-periodic --isotopes 元素\n"
               "      ferrova-periodic --formula 化学式\n"
               "      ferrova-periodic --export-chart 性质 文件 [--size 宽x高] [--format 格式]\n"
               "      ferrova-periodic --export-table 性质 文件 [--size 宽x高]\n"
               "\n"
               "Ferrova元素周期表。不带选项时打开窗口；--element、--table、--isotopes、\n"
               "--formula、--export-chart 和 --export-table 不打开窗口，也不需要显示器。\n"
               "\n"
               "选项：\n"
               "  --element 元素            在标准输出上打印元素的资料卡，其后是分组的元素资料；\n"
               "                            元素写符号（Fe）、原子序数（26）或名称（铁）\n"
               "  --table 文件              把全部元素的每项数值（含元素资料的各项性质）写入\n"
               "                            CSV 文件，单位在表头\n"
               "  --isotopes 元素           在标准输出上打印元素的全部已知核素，以制表符分隔，\n"
               "                            第一行是表头\n"
               "  --export-chart 性质 文件  把一种性质的曲线图写入文件，扩展名决定格式：\n"
               "                            .png、.svg、.pdf（A4 横向）或 .csv（数据）\n"
               "                            性质：%1\n"
               "  --export-table 性质 文件  把按一种性质（同上）着色的周期表连同图例写入\n"
               "                            文件，扩展名决定格式：.png、.svg 或 .pdf（A4 横向）\n"
               "  --formula 化学式          打印化学式的摩尔质量和各元素的组成（以制表符分隔），\n"
               "                            例如 --formula \"CuSO4·5H2O\"\n"
               "  --size 宽x高              --export-chart 所写图片的像素大小（默认 %2x%3）；\n"
               "                            --export-table 的周期表按比例放进这个大小\n"
               "  --format 格式             --export-chart 的格式：png、svg、pdf 或 csv，\n"
               "                            不看扩展名；文件为 - 时默认 csv\n"
               "  --product-url URL         浏览器窗格显示的产品网页地址\n"
               "                            （默认：%4）\n"
               "  -h, --help                显示本帮助\n"
               "  -v, --version             显示版本\n"
               "\n"
               "文件写 - 表示标准输出。终端、命名管道等设备直接写入，不会被替换成普通文件。\n"
               "熔点和沸点的曲线图使用在曲线图菜单中选定的温度单位（K 或 °C）。\n"
               "退出状态：0 成功；2 参数有误、没有这个元素或性质、化学式有误、数据文件\n"
               "无法读取，或文件无法写入（这时不写任何文件）。\n")
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
        print(stdout, PropertyCommands::sheetText(record) + QLatin1Char('\n'));
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
    heading += PropertyCommands::tableHeadings();
    QList<QStringList> rows{heading};
    for (const ElementRecordType &record : elements()) {
        QStringList row{integerText(record.AtomicNumber), record.Symbol, record.ElementName};
        for (int n = 0; n < ChartProperties::kCount; ++n) {
            const PropertyInfo *property = ChartProperties::find(n);
            row.append(ChartProperties::numberText(property, record.*(property->field)));
        }
        rows.append(row + PropertyCommands::tableCells(record.AtomicNumber));
    }
    AtomicSave::write(path, Csv::document(rows));
    return kSucceeded;
}

// --export-table: the grid the window shows, coloured as its tool window colours it.
int writeColouredTable(const QString &key, const QStringList &files, const QString &sizeText)
{
    if (files.size() != 1) throw Refused{QStringLiteral("--export-table 后面要写性质和一个文件名")};
    const QSize size = sizeText.isEmpty() ? QSize() : pictureSize(sizeText);
    QString problem;
    ChartPlugin *plugin = Plugins::charts(&problem);
    if (!plugin) throw Refused{Plugins::chartsMissingText(problem)};
    switch (ColouredTable::write(*plugin, key.trimmed(), files.constFirst(), size)) {
        case ColouredTable::Written::Done: return kSucceeded;
        case ColouredTable::Written::UnknownProperty:
            throw Refused{QStringLiteral("没有这种性质：“%1”。可用的性质：%2")
                              .arg(key, (ChartProperties::keys() + PropertyCharts::keys())
                                            .join(QStringLiteral("、")))};
        case ColouredTable::Written::UnknownFormat: break;
    }
    throw Refused{QStringLiteral("无法从文件名“%1”看出格式：扩展名应为 .png、.svg 或 .pdf")
                      .arg(files.constFirst())};
}

// --export-chart: the chart the program draws, filled the way its windows fill theirs. The
// format is named, else the file's extension tells it; standard output has none, so CSV.
int writeChart(const QString &key, const QStringList &files, const QString &sizeText,
               QString format)
{
    std::optional<int> property = ChartProperties::byKey(key.trimmed());
    if (!property) property = PropertyCharts::byKey(key.trimmed());
    if (!property)
        throw Refused{QStringLiteral("没有这种性质：“%1”。可用的性质：%2")
                          .arg(key, (ChartProperties::keys() + PropertyCharts::keys())
                                        .join(QStringLiteral("、")))};
    if (files.size() != 1) throw Refused{QStringLiteral("--export-chart 后面要写性质和一个文件名")};
    const QString &path = files.constFirst();
    const QSize size = sizeText.isEmpty() ? kDefaultSize : pictureSize(sizeText);
    if (format.isEmpty() && path == QLatin1String(AtomicSave::kStandardOutput))
        format = QStringLiteral("csv");
    QString problem;
    ChartPlugin *plugin = Plugins::charts(&problem);
    if (!plugin) throw Refused{Plugins::chartsMissingText(problem)};
    // The unit chosen on a chart's menu, as the windows show it.
    const auto unit = AppState().temperatureUnit();
    if (plugin->writeChart(qint16(*property), unit, path, format, size) !=
        ChartPlugin::Written::UnknownFormat)
        return kSucceeded;
    if (!format.isEmpty())
        throw Refused{
            QStringLiteral("没有这种格式：“%1”。可用的格式：png、svg、pdf、csv").arg(format)};
    throw Refused{QStringLiteral("无法从文件名“%1”看出格式：扩展名应为 .png、.svg、.pdf 或 .csv，"
                                 "或用 --format 指定")
                      .arg(path)};
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
    if (!options.writesPicture(parser) && !parser.positionalArguments().isEmpty())
        throw Refused{QStringLiteral("多余的参数：%1").arg(parser.positionalArguments().join(' '))};
    if (options.formCount(parser) != 1)
        throw Refused{QStringLiteral("%1 一次只能用一个").arg(options.formNames())};
    if (parser.isSet(options.size) && !options.writesPicture(parser))
        throw Refused{QStringLiteral("--size 只用于 --export-chart 和 --export-table")};
    if (parser.isSet(options.format) && !parser.isSet(options.chart))
        throw Refused{QStringLiteral("--format 只用于 --export-chart")};
    if (parser.isSet(options.element)) return printCard(parser.value(options.element));
    if (parser.isSet(options.table)) return writeTable(parser.value(options.table));
    if (parser.isSet(options.colouredTable))
        return writeColouredTable(parser.value(options.colouredTable), parser.positionalArguments(),
                                  parser.value(options.size));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(options.isotopes))
        return IsotopeCommand::run(parser.value(options.isotopes), out, err);
    if (parser.isSet(options.formula))
        return FormulaCommand::run(parser.value(options.formula), out, err);
    return writeChart(parser.value(options.chart), parser.positionalArguments(),
                      parser.value(options.size), parser.value(options.format).trimmed());
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
    // Anything the parser does not know, and words that belong to no option, are refused
    // here too: the window would meet them only after asking for a display.
    return !parser.parse(argumentsOf(argc, argv)) || !parser.positionalArguments().isEmpty() ||
           options.formCount(parser) > 0 || parser.isSet(options.size) ||
           parser.isSet(options.format) || parser.isSet(options.help) ||
           parser.isSet(options.version);
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
