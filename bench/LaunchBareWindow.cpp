// The launch LaunchBench measures Velk against: a Qt application whose only window is an empty
// QMainWindow.
#include "FirstShownWindow.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const FirstShownWindow signal(application);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
