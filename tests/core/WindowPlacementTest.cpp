#include "OptionsStore.h"
#include "TempHome.h"
#include "WindowPlacement.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(WindowPlacement, DefaultsCentreOnTheVirtualScreen) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    const QRect screen(0, 0, 1280, 1024);
    // Sizeable without a section: design size, centred (integer division).
    Placement p = ReadPlacement(store, "TFrameForm", true, QSize(321, 240), screen);
    EXPECT_EQ(p.rect, QRect(479, 392, 321, 240));
    EXPECT_FALSE(p.maximize);
    // A fixed-size window keeps its design size even when the section has one.
    store.WriteStrings("TKvMp3PlayForm", {{"Left", "10"}, {"Top", "20"}, {"Width", "999"}, {"Height", "999"},
                                          {"Maximized", "1"}});
    p = ReadPlacement(store, "TKvMp3PlayForm", false, QSize(428, 249), screen);
    EXPECT_EQ(p.rect, QRect(10, 20, 428, 249));
    EXPECT_FALSE(p.maximize);
    p = ReadPlacement(store, "TKvMp3PlayForm", true, QSize(428, 249), screen);
    EXPECT_EQ(p.rect, QRect(10, 20, 999, 999));
    EXPECT_TRUE(p.maximize);
}

TEST(WindowPlacement, SaveThenLoadGivesTheSamePlace) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    QWidget window;
    window.setObjectName("TLrcForm");
    window.setGeometry(40, 50, 300, 200);
    window.show();
    SaveWindowPlacement(window, store);
    EXPECT_EQ(store.ReadInteger("TLrcForm", "Left", -1), window.geometry().left());
    EXPECT_EQ(store.ReadInteger("TLrcForm", "Width", -1), 300);
    EXPECT_FALSE(store.ReadBool("TLrcForm", "Maximized", true));

    QWidget again;
    again.setObjectName("TLrcForm");
    again.resize(10, 10);
    LoadWindowPlacement(again, store);
    EXPECT_EQ(again.geometry(), window.geometry());
}
