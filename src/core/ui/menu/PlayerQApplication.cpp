#include "PlayerQApplication.h"

#include <cstdio>
#include <exception>

PlayerQApplication::PlayerQApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool PlayerQApplication::notify(QObject* receiver, QEvent* event) {
    return Guarded([&] { return QApplication::notify(receiver, event); }, reporter_, closingDown());
}

bool PlayerQApplication::Guarded(const std::function<bool()>& deliver, const Reporter& report, bool closing) {
    static bool reporting = false;
    QString message;
    try {
        return deliver();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QCoreApplication::translate("PlayerQApplication", "Unknown exception.");
    }
    if (closing)
        return false;
    if (!report || reporting) {
        std::fprintf(stderr, "sorvi: %s\n", message.toLocal8Bit().constData());
        return false;
    }
    reporting = true;
    try {
        report(message);
    } catch (...) {
    }
    reporting = false;
    return false;
}
