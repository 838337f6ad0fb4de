#pragma once

#include <QMainWindow>

class SKTAppDelegate;

// The window the application opens into: the product's name and a way to open a page document. The full
// welcome window with templates and recent websites replaces it.
class PlainWelcomeWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit PlainWelcomeWindow(SKTAppDelegate& delegate);
};
