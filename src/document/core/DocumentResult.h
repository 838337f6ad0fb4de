#pragma once

#include <QString>
#include <QStringList>

// What opening or saving a page document came to. The document shows none of it: the window layer turns it
// into alerts (DocumentAlerts), and a worker or batch tool reads it.
struct DocumentResult {
    enum Outcome {
        Done,
        NotOpened, // the page could not be read
        Refused,   // saving would write over a page that was not read whole
        NotSaved,  // writing failed, or there was no file to write into
        Cancelled, // no file was chosen
    };

    Outcome outcome = Done;
    // Why it did not succeed, in the reader's or writer's words; empty when there is nothing to tell.
    QString error;
    // Opening: the font families the page names that are shown in the default font instead, by name.
    QStringList missingFonts;
    // Saving: the image files of the page folder are all empty, so the images may not have been saved.
    bool imagesMayBeUnsaved = false;

    static DocumentResult failed(Outcome outcome, const QString& error)
    {
        DocumentResult result;
        result.outcome = outcome;
        result.error = error;
        return result;
    }

    bool ok() const { return outcome == Done; }
    explicit operator bool() const { return ok(); }
};
