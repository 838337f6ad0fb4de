#pragma once

#include "model/text/TextEditorFactory.h"

#include <QTextEdit>

// The in-place editor of a text on the canvas: it edits the text's own document as plain text (pasted text
// keeps no formatting of its own, typed text takes the text's style), with undo, over a transparent
// background. Its width stays; its height follows the text between the geometry's limits.
class TextEditingView : public QTextEdit {
    Q_OBJECT

public:
    TextEditingView(QTextDocument& document, const TextEditorGeometry& geometry, QWidget* parent = nullptr);

    const TextEditorGeometry& editorGeometry() const { return m_geometry; }
    // Lets go of the text's document; the view then edits nothing.
    void detachDocument();

private:
    void fitHeightToText();

    TextEditorGeometry m_geometry;
};

// The canvas's maker of in-place editors; install() makes it the one the text graphics use.
class TextEditingViewFactory : public TextEditorFactory {
public:
    QWidget* newEditor(QTextDocument& document, const TextEditorGeometry& geometry) override;
    void finalizeEditor(QWidget* editor) override;

    static void install();
};
