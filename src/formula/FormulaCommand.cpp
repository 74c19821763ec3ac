#include "FormulaCommand.h"

#include "FormulaMass.h"
#include "FormulaParser.h"

#include <QTextStream>

namespace FormulaCommand {

int run(const QString &formula, QTextStream &out, QTextStream &err)
{
    Formula::Error error;
    const std::optional<Formula::Parsed> parsed = Formula::parse(formula, &error);
    if (!parsed) {
        err << QStringLiteral("ferrova-periodic：化学式“%1”有误：%2\n")
                   .arg(formula, error.message());
        err.flush();
        return kFailed;
    }
    out << FormulaMass::text(FormulaMass::compute(*parsed, FormulaMass::Weights::fromFile()));
    out.flush();
    return kSucceeded;
}

}  // namespace FormulaCommand
