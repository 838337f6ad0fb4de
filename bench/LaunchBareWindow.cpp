// The launches LaunchBench measures Velk against: a Qt application whose only window is an empty
// QMainWindow, or, given "--text", the same window with a line of text and a one-item menu bar, the least
// a first window with text pays for its fonts.
#include "FirstShownWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const FirstShownWindow signal(application);
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        window.setCentralWidget(new QLabel(QStringLiteral("Welcome")));
        window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Open"));
    }
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
