#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

// Saves the whole screen of the display it runs on as a PNG file: velk_screen_grab FILE.
int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velk_screen_grab FILE.png\n", stderr);
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG"))
        return 1;
    return 0;
}
