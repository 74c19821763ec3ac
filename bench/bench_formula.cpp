// Times the formula mass of the largest formulas the calculator takes (10,000 characters):
// parsing and the arithmetic, as one keystroke in the window costs them once the atomic
// weights are read. Three shapes: hydrates one after another, groups 100 brackets deep,
// and one long run of symbols.
//
// Prints one JSON object per line: {"name": ..., "unit": ..., "samples": [...]}.
// Usage: bench_formula [--runs N]   (N samples per shape; default 101)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

#include "formula/FormulaMass.h"
#include "formula/FormulaParser.h"

namespace {

constexpr int kDefaultRuns = 101;

QString filled(QString start, const QString &repeated, const QString &end = QString())
{
    while (start.size() + repeated.size() + end.size() <= Formula::kMaxLength) start += repeated;
    return start + end;
}

void bench(const char *name, const QString &formula, const FormulaMass::Weights &weights, int runs)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        Formula::Error error;
        const std::optional<Formula::Parsed> parsed = Formula::parse(formula, &error);
        if (!parsed) {
            std::fprintf(stderr, "%s: %s\n", name, qPrintable(error.message()));
            return;
        }
        const FormulaMass::Result result = FormulaMass::compute(*parsed, weights);
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (result.molarMass <= 0) return;
    }
    std::printf("{\"name\": \"%s (%lld characters)\", \"unit\": \"ms\", \"samples\": [", name,
                static_cast<long long>(formula.size()));
    for (size_t i = 0; i < samples.size(); ++i) std::printf("%s%.4f", i ? ", " : "", samples[i]);
    std::printf("]}\n");
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int at = int(args.indexOf(QStringLiteral("--runs")));
    const int runs = at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : kDefaultRuns;
    const FormulaMass::Weights weights = FormulaMass::Weights::fromFile();
    bench("hydrates", filled(QStringLiteral("K4[Fe(CN)6]"), QStringLiteral("·3H2O")), weights,
          runs);
    // Each of the 50 groups opens 100 brackets deep and closes them all.
    const QString deep = QString(Formula::kMaxDepth, QLatin1Char('(')) + QStringLiteral("CuSO4") +
                         QString(Formula::kMaxDepth, QLatin1Char(')'));
    bench("nested 100 deep", filled(deep, QStringLiteral("·") + deep), weights, runs);
    bench("symbols", filled(QString(), QStringLiteral("CaMgFeO2")), weights, runs);
    return 0;
}
