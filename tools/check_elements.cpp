// check_elements [FILE]
//
// Reads the element data file with the program's own reader and lists every problem with
// its line number, and every value that has no defined source. FILE defaults to
// Data/Elements.prn beside this program.
// Exit status: 0 clean, 1 problems found, 2 the file cannot be read.

#include "element_check.h"

#include "files/DataFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    QTextStream outStream(stdout);

    if (args.size() > 2 || (args.size() == 2 && args.at(1).startsWith(QLatin1Char('-')))) {
        err << "usage: check_elements [Elements.prn]\n";
        return 2;
    }
    const QString path =
        args.size() == 2 ? args.at(1) : DataFiles::dataPath(QStringLiteral("Elements.prn"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << path << ": " << file.errorString() << "\n";
        return 2;
    }
    const QByteArray bytes = file.readAll();
    QList<ElementCheck::Problem> problems = ElementCheck::checkFile(bytes, path);
    if (problems.isEmpty()) problems = ElementCheck::checkFileSources(bytes, path);
    for (const ElementCheck::Problem &p : problems) {
        if (p.line > 0)
            outStream << path << ':' << p.line << ": " << p.message << '\n';
        else
            outStream << path << ": " << p.message << '\n';
    }
    if (!problems.isEmpty()) {
        outStream << problems.size() << " problem(s)\n";
        return 1;
    }
    outStream << path << ": " << ElementCheck::kElementCount << " elements, no problems\n";
    return 0;
}
