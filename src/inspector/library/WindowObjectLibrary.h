#pragma once

class ObjectLibraryView;
class SKTWindowController;

// Shows the object library in the window's inspector pane, built for the window's page (its file extension
// decides whether the form items show), and builds it again whenever the window refreshes its inspector.
// Answers the library, which the pane owns.
ObjectLibraryView* showObjectsList(SKTWindowController& window);
