#pragma once

#include <QString>
#include <optional>

// Why a file could not be opened, read or written, in words the user can act on: a short
// Chinese reason, followed by the system's own text in brackets.
namespace FileReason {

// The reason for a system error number (errno).
QString forError(int error);

// The reason behind a system error text as the toolkit gives it (a QFile's errorString()),
// when it names one of the errors forError() knows; nullopt for any other text.
std::optional<QString> forSystemText(const QString &systemText);

// The reason for refusing a path that names something other than a regular file; `mode` is
// its st_mode.
QString forNonRegular(unsigned mode);

}  // namespace FileReason
