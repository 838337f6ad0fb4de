#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QSlider;

// The code editor of HTML snippet boxes: an ordinary window in which the box's text is edited as plain
// code. The editor substitutes nothing as the user types (quotes stay straight, no spelling or link
// changes); the slider sets the size of its font.
class CodeEditorWindowController : public QWidget {
    Q_OBJECT

public:
    explicit CodeEditorWindowController(QWidget* parent = nullptr);

    QPlainTextEdit* codeEditorTextView() const { return m_codeEditorTextView; }
    QPushButton* saveButton() const { return m_saveButton; }
    QSlider* fontSizeSlider() const { return m_fontSizeSlider; }

    // The editor's font family at the slider's value as its size.
    void adjustCodeFontSize(int size);

private:
    void windowDidLoad();

    QPlainTextEdit* m_codeEditorTextView;
    QPushButton* m_saveButton;
    QSlider* m_fontSizeSlider;
};
