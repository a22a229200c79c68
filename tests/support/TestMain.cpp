// Shared main() of the test programs: a QApplication (offscreen or X11, as the
// wrapper script chose) so that timers, events and widgets work in every test.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
