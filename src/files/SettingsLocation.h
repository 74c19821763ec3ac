#pragma once

#include <QString>
#include <functional>

// Where the settings file is read from and saved to. The file in the Data folder beside the
// program holds the defaults; once a user has a file of their own in their configuration
// folder, that one is read instead. A save goes back to the file that was read while the
// user may write it (a copy of the program in the user's home keeps its settings beside
// itself); otherwise, as for a program installed for everyone, into the user's own file.
namespace SettingsLocation {

// The user's own file: settings.prn in the application's configuration folder,
// e.g. ~/.config/ferrova-periodic/settings.prn.
QString userFile();

// <program>/Data/settings.prn, as written (the text kept in DataFilePath).
QString programFile();

// Whether a save may create or replace the file at `path` (its name as found on disk): its
// folder is a folder the user may write into, and the file, if there, one they may write.
bool mayWrite(const QString &path);

// The file to read: `userFile` when it exists, else `programFile`.
QString fileToRead(const QString &userFile, const QString &programFile);

// The file to save to: the one fileToRead() gives when `writable` says the user may write
// it, else `userFile`. `writable` gets the file's path as DataFiles::resolve() finds it.
QString fileToSave(const QString &userFile, const QString &programFile,
                   const std::function<bool(const QString &)> &writable = mayWrite);

}  // namespace SettingsLocation
