#pragma once

#include <QString>

// The window in which a page document shows the code it generates (the window subsystem makes it). Its copy
// button asks the document to copy the code (SKTDocument::grabSourceCode).
class SourceCodeViewer {
public:
    virtual ~SourceCodeViewer() = default;

    // Replaces the whole text, titles the window and brings it to the front; empty code shows a request to
    // ask again.
    virtual void showCode(const QString& title, const QString& code) = 0;
    // The text shown, as the user may have changed it.
    virtual QString code() const = 0;
};
