#pragma once

#include "profile/print/PrintCanvas.h"

#include <QString>

#include <memory>

// The canvas one page is designed on. It starts as the product's and then follows what the page file and
// the page's window choose; each document keeps its own, so pages of different sheets, rotations and mail
// presets can be open side by side while the product profile stays as launch left it.
struct PageCanvasState : PrintCanvas {
    int canvasRotation = 0;     // 90 when the print canvas is turned, else 0
    QString mailCanvasType;     // "Standard", "Extra Wide" or "Flex"; null until a page or preset sets it
    QString selectedPrintSheet; // the description of the print sheet in force

    // The canvas the product starts every page on.
    static PageCanvasState ofLaunchProfile();

    // The catalogue sheet of the description, or null; a sheet found becomes the selected one.
    std::shared_ptr<const LabelHelper> grabLabelHelper(const QString& description);
    // Takes the sheet's grid and canvas, turned when canvasRotation is 90. A null sheet changes nothing.
    void resetPrintCanvas(const std::shared_ptr<const LabelHelper>& sheet);
};
