#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// A modal alert: message, informative text and up to three buttons, the first being the default.
// runModal() answers the index of the button chosen. Tests install a responder that answers instead
// of a dialog, so alerts are scripted and their texts can be asserted.
class Alert {
public:
    enum Style { Warning, Informational, Critical };
    enum Answer { FirstButton = 0, SecondButton = 1, ThirdButton = 2 };

    Alert() = default;
    Alert(QString message, QString informative = {}, QStringList buttons = {});

    QString messageText;
    QString informativeText;
    QStringList buttons; // empty means one "OK" button
    Style style = Warning;
    QImage icon; // shown in place of the style's icon when set

    QStringList effectiveButtons() const;
    int runModal(QWidget* parent = nullptr) const;

    // Shows a one-button alert and waits for it.
    static void show(const QString& message, const QString& informative = {}, QWidget* parent = nullptr);

    using Responder = std::function<int(const Alert&)>;
    // Replaces the dialog by the responder; an empty responder restores the dialog.
    static void setResponder(Responder responder);
};
