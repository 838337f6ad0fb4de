#pragma once

#include <QUrl>

#include <functional>

// Opens addresses and files with the user's default application for them (browser, mail program, PDF
// viewer). Tests install a responder that records the addresses instead of starting anything.
class Workspace {
public:
    // Answers whether an application took the address.
    static bool openURL(const QUrl& url);

    using Responder = std::function<bool(const QUrl&)>;
    // Replaces the desktop by the responder; an empty responder restores the desktop.
    static void setResponder(Responder responder);
};
