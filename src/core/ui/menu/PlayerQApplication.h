#pragma once

#include <functional>
#include <QApplication>

// The player's QApplication: an exception that escapes an event handler is
// shown to the user (through the reporter, normally the player's message box)
// instead of ending the program, unless the application is already closing.
class PlayerQApplication : public QApplication {
    Q_OBJECT
public:
    using Reporter = std::function<void(const QString& message)>;

    PlayerQApplication(int& argc, char** argv);

    void SetExceptionReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    bool notify(QObject* receiver, QEvent* event) override;

    // Runs deliver(); an exception it throws goes to report (nothing while
    // closing, and never a second report from inside the first). Returns what
    // deliver returned, false after an exception.
    static bool Guarded(const std::function<bool()>& deliver, const Reporter& report, bool closing);

private:
    Reporter reporter_;
};
