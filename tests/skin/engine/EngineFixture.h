#pragma once

#include "Messenger.h"
#include "OptionsStore.h"
#include "ScriptedDialogs.h"
#include "SkinWriter.h"
#include "TempHome.h"
#include "TInfomation.h"
#include "TOption.h"
#include "TSkin.h"

#include <gtest/gtest.h>
#include <memory>
#include <QWidget>

class TCtrl;

// Small skins made for the engine tests.
namespace testskin {
QImage Pic(int w, int h, QColor color);
SkinWriterObject Object(int parent, SkinItemKind kind, std::vector<SkinWriterProperty> properties);
std::vector<SkinWriterProperty> Place(int left, int top);
std::vector<SkinWriterProperty> States(int count, int w, int h);
inline std::vector<SkinWriterProperty> operator+(std::vector<SkinWriterProperty> a,
                                                 const std::vector<SkinWriterProperty>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
// Body 100 x 60; section 0: 1 SlidingPanel (direction, distance, 40 x 30 at
// left, top), 2 Button "#PLAY" on the body at (5, 5) with three states;
// section 1 (unless empty): Panel 50 x 10 + Button "#SwitchSmall";
// section 2: ControlBarPanel 60 x 20 (direction 4, distance 10) + Button "#STOP".
SkinWriter Basic(int direction = 3, int distance = 30, int left = 10, int top = 5, bool smallSection = true);
} // namespace testskin

// An engine over an offscreen window, with recorded commands and messages.
struct EngineTest : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    TInfomation info{[] { return SongInfoText{}; }};
    QStringList commands; // run with DoCommand
    QList<QObject*> senders;
    QStringList posted;
    std::unique_ptr<TSkin> skin;
    QWidget window;

    EngineTest();
    ~EngineTest() override;
    QString Write(const QString& name, const SkinWriter& writer);
    TSkinItem* Item(QWidget* w = nullptr);
    TCtrl* Find(SkinItemKind kind, int nth = 0);
    QStringList Messages() const;
};
