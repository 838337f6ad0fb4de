#pragma once

struct DocumentResult;
class SKTDocument;

// The window layer's side of DocumentResult: the alerts that tell the user what opening or saving a page
// document came to. Code that runs without a window never calls these, so it never shows anything.
namespace DocumentAlerts {

// "Not able to open" when the page could not be read; otherwise one "Font Not Supported" per family that
// the default font replaces.
void showOpenResult(const DocumentResult& result);

// Why the page was not saved, when there is something to tell; and, when the page folder's images look
// unsaved, the question whether to try again, whose answer goes to the document.
void showSaveResult(SKTDocument& document, const DocumentResult& result);

} // namespace DocumentAlerts
