#pragma once

#include <QMainWindow>

class GraphicSelection;
class MainMenu;
class SKTDocument;

// A document window that shows the page's canvas in its zooming scroll view under the main menu: what a
// page document opens into until the full document window with page list and inspector replaces it.
class PlainDocumentWindow : public QMainWindow {
    Q_OBJECT

public:
    PlainDocumentWindow(SKTDocument& document, const MainMenu& menu);
    ~PlainDocumentWindow() override;

private:
    GraphicSelection* m_selection;
};
