#pragma once

#include <QString>

class QTextStream;

// --formula: the molar mass and composition of one formula on standard output,
// tab-separated; a formula that cannot be read is told on `err` with its position.
namespace FormulaCommand {

constexpr int kSucceeded = 0;
constexpr int kFailed = 2;

// Throws DataError when the element file cannot be read.
int run(const QString &formula, QTextStream &out, QTextStream &err);

}  // namespace FormulaCommand
