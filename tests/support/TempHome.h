#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include "QtPrint.h"

#include <functional>

// A fresh program folder for one test: made the program folder while it lives.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return dir_.path() + '/'; } // ends with "/"
    QString file(const QString& name) const { return path() + name; }
    // Writes bytes to a file below the folder (creating sub-folders); returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Runs the event loop until pred() holds or timeoutMs passes; returns pred().
bool WaitFor(const std::function<bool()>& pred, int timeoutMs = 5000);

// Directory for screenshots and other artefacts that tests leave for people.
QString TestOutputFolder();
