#pragma once

#include "document/core/SourceCodeViewer.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QPlainTextEdit;
class QPushButton;
class SKTDocument;

// The window that shows a page document's generated code, with a button that copies it. The text wraps at
// the window's edge and keeps its quotes straight. One per document, reused by every request.
class SourceCodeWindowController : public QWidget, public SourceCodeViewer {
    Q_OBJECT

public:
    static constexpr const char* emptyCodeText = "Oops, no source code generated, please request again";

    explicit SourceCodeWindowController(SKTDocument& document);

    // Every document made from now on shows its code in a window of this class.
    static void install();

    QPlainTextEdit* textView() const { return m_textView; }
    QPushButton* grabCodeButton() const { return m_grabCodeButton; }

    void showCode(const QString& title, const QString& code) override;
    QString code() const override;

private:
    QPlainTextEdit* m_textView;
    QPushButton* m_grabCodeButton;
};
