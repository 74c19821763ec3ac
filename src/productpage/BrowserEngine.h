#pragma once

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>

// How the browser engine behind the browser pane is started. The settings must be in the
// environment before the application object exists; anything the user has set wins.
namespace BrowserEngine {

struct Setting {
    QByteArray name;
    QByteArray value;
    bool operator==(const Setting &other) const
    {
        return name == other.name && value == other.value;
    }
};

// The variables to set, given the environment the program was started with.
QList<Setting> settingsFor(const QProcessEnvironment &environment);

// Puts settingsFor(the system environment) into the environment.
void configure();

}  // namespace BrowserEngine
