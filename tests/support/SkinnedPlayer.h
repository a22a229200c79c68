#pragma once

// A test fixture that runs the real program (build/sorvi) under the test's X
// server and sound server, and watches it from outside: the command trace,
// the play counts, its windows (xdotool) and screenshots (imagemagick).
#include "TempHome.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs a tool to its end and returns what it printed.
QString RunTool(const QString& program, const QStringList& args);
// A sine tone of the given pitch and length as "<name>.mp3" in the folder.
QString MakeToneMp3(const QString& folder, const QString& name, int hertz, double seconds);

struct SkinnedPlayer : ::testing::Test {
    QTemporaryDir home;
    QString trace = home.path() + "/trace.txt";
    QProcess player;
    QRect main; // the main window on the screen

    void TearDown() override;
    QProcessEnvironment env() const;
    // Variables added to the player's environment (e.g. a scale factor).
    QList<QPair<QString, QString>> extraEnv;
    void start(const QStringList& args);
    // Sends a command to the running player through a second start.
    void command(const QString& text) const;
    QStringList traced() const;
    QString counts() const;
    // The player's visible top-level window of the given width (0: the
    // widest), or the one with the given title.
    QRect window(int width = 0, const QString& title = {}) const;
    // Windows of the player that window() without a title passes over.
    QStringList ignoredTitles;
    QImage screenshot(const QString& name) const;
    void click(QPoint inWindow, int button = 1) const;
};
