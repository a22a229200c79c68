#pragma once

#include <QString>

// Opens a web address, a "mailto:" link or a document with the desktop's
// default application. Failures are silent, as for any shell open.
void OpenWithDesktop(const QString& target);
