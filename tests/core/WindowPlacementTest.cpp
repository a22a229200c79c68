#include "OptionsStore.h"
#include "TempHome.h"
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
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

TEST(WindowPlacement, RestoredPlaceIsKeptOnAVisibleScreen) {
    // Two screens side by side; a place saved with another screen set-up (or
    // hand-edited) must not leave the window where nobody can see it.
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    struct Case {
        const char* what;
        QRect saved;
        QRect placed;
    } cases[] = {
        {"on the first screen", QRect(10, 20, 428, 249), QRect(10, 20, 428, 249)},
        {"on the second screen", QRect(2000, 100, 428, 249), QRect(2000, 100, 428, 249)},
        {"across both", QRect(1800, 500, 428, 249), QRect(1800, 500, 428, 249)},
        {"far off every screen", QRect(-99999, -99999, 428, 249), QRect(0, 0, 428, 249)},
        {"only a sliver on the right", QRect(3170, 100, 428, 249), QRect(2772, 100, 428, 249)},
        {"top above the screen", QRect(100, -200, 428, 249), QRect(100, 0, 428, 249)},
        {"below the second screen", QRect(2500, 5000, 428, 249), QRect(2500, 775, 428, 249)},
        {"larger than the screen", QRect(-500, -500, 3000, 2000), QRect(0, 0, 3000, 2000)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepOnScreens(c.saved, screens), c.placed) << c.what;
    EXPECT_EQ(KeepOnScreens(QRect(-99999, 0, 10, 10), {}), QRect(-99999, 0, 10, 10)); // no screen known

    // Loading a place saved far off the screens puts the window on one.
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    store.WriteStrings("TLrcForm", {{"Left", "-99999"}, {"Top", "-99999"}, {"Width", "300"}, {"Height", "200"}});
    QWidget window;
    window.setObjectName("TLrcForm");
    LoadWindowPlacement(window, store);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(window.geometry())) << window.x() << "," << window.y();
}
