#pragma once

#include "platform/CurrentInstance.h"

#include <QRectF>
#include <QSizeF>

class QTextDocument;
class QWidget;

// Where the in-place editor of a text stands on the canvas and how far it may grow.
struct TextEditorGeometry {
    QRectF frame;
    // The width lines wrap at.
    double containerWidth = 0;
    // The editor keeps its width and grows or shrinks with its text between these heights.
    QSizeF minSize;
    QSizeF maxSize;
};

// The maker of in-place text editors. The model has no widgets of its own: the canvas installs its maker as
// the current one, and without one nothing is edited in place.
class TextEditorFactory : public CurrentInstance<TextEditorFactory> {
public:
    virtual ~TextEditorFactory() = default;

    // A new editor of the document itself (plain text, with undo), its whole text selected; the caller
    // shows it.
    virtual QWidget* newEditor(QTextDocument& document, const TextEditorGeometry& geometry) = 0;
    // Ends the editor's hold on its document; the caller disposes of the editor.
    virtual void finalizeEditor(QWidget* editor) = 0;
};
