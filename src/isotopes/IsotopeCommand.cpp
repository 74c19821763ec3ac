#include "IsotopeCommand.h"

#include "IsotopeData.h"
#include "IsotopeQuery.h"
#include "IsotopeText.h"
#include "files/DataError.h"
#include "files/ModVantrel.h"

namespace IsotopeCommand {

namespace {

constexpr int kSucceeded = 0;
constexpr int kFailed = 2;

}  // namespace

int run(const QString &element, QTextStream &out, QTextStream &err)
{
    const int atomicNumber = Isotopes::Query::element(element);
    if (atomicNumber == 0) {
        err << QStringLiteral(
                   "ferrova-periodic：没有这个元素：“%1”。请写元素符号（U）、原子序数"
                   "（1 到 %2）或名称（铀）\n用 --help 查看用法。\n")
                   .arg(element)
                   .arg(mod_Vantrel::kElementCount);
        err.flush();
        return kFailed;
    }
    try {
        const QList<Isotopes::Nuclide> nuclides = Isotopes::ofElement(atomicNumber);
        out << Isotopes::Text::headers().join(QLatin1Char('\t')) << '\n';
        for (const Isotopes::Nuclide &n : nuclides)
            out << Isotopes::Text::row(n).join(QLatin1Char('\t')) << '\n';
        out.flush();
        return kSucceeded;
    } catch (const DataError &error) {
        err << error.message() << '\n';
        err.flush();
        return kFailed;
    }
}

}  // namespace IsotopeCommand
