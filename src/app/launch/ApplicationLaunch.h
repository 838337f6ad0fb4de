#pragma once

#include <QStringList>

class SKTAppDelegate;

// Gives the delegate the windows it opens (welcome window, document windows), runs start-up in order and
// opens the page documents given.
void launchApplication(SKTAppDelegate& delegate, const QStringList& documents);
