#pragma once

#include <ostream>
#include <QString>

// Readable gtest failure messages for Qt strings (and lists of them).
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
