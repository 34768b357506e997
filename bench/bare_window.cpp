// The yardstick for tools/idle_profile.sh: a plain Qt Widgets main window of the same client
// size as the program's, with a menu bar of the same menus, and nothing else. Whatever the
// program costs beyond this window (wake-ups, memory, start time) is its own.
//
//   build/bench/bare_window [TITLE]      (default title: "Bare window")

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Bare window"));
    auto* client = new QWidget(&window);
    client->setFixedSize(697, 264); // the program's client area before the first game
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (const char* title : {"&Datei", "E&xtras", "&Hilfe"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("Eintrag"));
    window.show();
    return app.exec();
}
