#include "document/core/DocumentAlerts.h"

#include "document/core/DocumentResult.h"
#include "document/core/SKTDocument.h"
#include "platform/Alert.h"

namespace {

void askToSaveImagesAgain(SKTDocument& document)
{
    const Alert alert(
        QStringLiteral("Could not save image"),
        QStringLiteral("Sorry, images may not have saved properly, please review and try saving "
                       "this file again."),
        {QStringLiteral("Try again"), QStringLiteral("Ignore")});
    // Trying again makes the next save write everything; ignoring stops the question for this document.
    if (alert.runModal() == Alert::FirstButton)
        document.setDocumentChangedCounter(document.documentChangedCounter() + 1);
    else
        document.setIgnoreImageSaveErrorFlag(true);
}

} // namespace

namespace DocumentAlerts {

void showOpenResult(const DocumentResult& result)
{
    if (result.outcome == DocumentResult::NotOpened) {
        Alert alert(QStringLiteral("Not able to open"), QStringLiteral("This file can not be opened."),
                    {QStringLiteral("Dismiss")});
        alert.style = Alert::Warning;
        alert.runModal();
        return;
    }
    for (const QString& family : result.missingFonts) {
        Alert alert(QStringLiteral("Font Not Supported"),
                    QStringLiteral(
                        "Font %1 is not installed on this Mac, it will be replaced with font Helvetica Neue")
                        .arg(family),
                    {QStringLiteral("OK")});
        alert.runModal();
    }
}

void showSaveResult(SKTDocument& document, const DocumentResult& result)
{
    if (result.outcome == DocumentResult::Refused) {
        Alert alert(QStringLiteral("Not able to save"), result.error, {QStringLiteral("OK")});
        alert.style = Alert::Warning;
        alert.runModal();
    } else if (result.outcome == DocumentResult::NotSaved && !result.error.isEmpty()) {
        Alert(QStringLiteral("The page could not be saved"), result.error).runModal();
    }
    if (result.imagesMayBeUnsaved)
        askToSaveImagesAgain(document);
}

} // namespace DocumentAlerts
