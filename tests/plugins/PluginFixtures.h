#pragma once

#include "PluginDescription.h"
#include "TempHome.h"

#include <optional>
#include <QString>
#include <QStringList>

// Path of a test plug-in built by the tests' CMake ("test_recorder" ...).
QString BuiltPlugin(const QString& name);

// Trailer bytes of a description (fails the test when it does not fit).
QByteArray TrailerOf(const PluginDescription& description);

// Copies a built test plug-in into the program folder's "Plusin/" as fileName.
// With a description, the copy's own trailer is replaced by it; with an empty
// optional the copy carries no description at all.
QString InstallPlugin(const TempHome& home, const QString& builtName, const QString& fileName);
QString InstallPlugin(const TempHome& home, const QString& builtName, const QString& fileName,
                      const std::optional<PluginDescription>& description);

// A description for tests.
PluginDescription Describe(const char* id, int priority, const char* types, int flagsNumber = 0,
                           const char* name = "Test");

// The lines the test plug-ins logged ("<file> <sender>|<code>|<argument>").
// Setting up the log also clears it.
void StartPluginLog(const TempHome& home);
QStringList PluginLog();
