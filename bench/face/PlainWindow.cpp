// The toolkit's floor for the start-up figure: a program that does nothing
// but show a plain window of the main window's size with one line of text.
// face-bench.sh times it from exec to mapped like the player.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(594, 330);
    auto* label = new QLabel(QStringLiteral("00:00  Title of the song"), &window);
    label->move(10, 10);
    window.show();
    return app.exec();
}
