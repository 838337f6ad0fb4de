#include "DocumentTestSupport.h"

#include "document/core/DocumentAlerts.h"

namespace {

using Outcome = DocumentResult::Outcome;

class DocumentAlertsTest : public DocumentTest {
protected:
    SKTDocument document;
};

// Each alert as message | informative | buttons.
QStringList shown(const ScriptedAlerts& alerts)
{
    QStringList texts;
    for (const auto& alert : alerts.records())
        texts << alert.message + u'|' + alert.informative + u'|' + alert.buttons.join(u',');
    return texts;
}

QString fontAlert(const QString& family)
{
    return QStringLiteral("Font Not Supported|Font ") + family +
           QStringLiteral(" is not installed on this Mac, it will be replaced with font Helvetica Neue|OK");
}

TEST_F(DocumentAlertsTest, OpeningTellsWhatFailedOrWhichFontsAreReplaced)
{
    DocumentResult withFonts;
    withFonts.missingFonts = {"Gone", "Lost Face"};
    const struct {
        DocumentResult result;
        QStringList alerts;
    } cases[] = {
        {DocumentResult(), {}},
        {DocumentResult::failed(Outcome::NotOpened, "The page file could not be read."),
         {"Not able to open|This file can not be opened.|Dismiss"}},
        {withFonts, {fontAlert("Gone"), fontAlert("Lost Face")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result.outcome);
        alerts.clear();
        DocumentAlerts::showOpenResult(c.result);
        EXPECT_EQ(shown(alerts), c.alerts);
    }
}

TEST_F(DocumentAlertsTest, SavingTellsWhyItWasRefusedOrFailedAndNothingElse)
{
    const struct {
        DocumentResult result;
        QStringList alerts;
    } cases[] = {
        {DocumentResult(), {}},
        {DocumentResult::failed(Outcome::Cancelled, {}), {}},
        {DocumentResult::failed(Outcome::NotSaved, {}), {}},
        {DocumentResult::failed(Outcome::NotSaved, "The page file could not be written: /x"),
         {"The page could not be saved|The page file could not be written: /x|OK"}},
        {DocumentResult::failed(Outcome::Refused, "This file could not be opened, so it is not saved over."),
         {"Not able to save|This file could not be opened, so it is not saved over.|OK"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result.outcome);
        alerts.clear();
        DocumentAlerts::showSaveResult(document, c.result);
        EXPECT_EQ(shown(alerts), c.alerts);
    }
    EXPECT_EQ(document.documentChangedCounter(), 0);
    EXPECT_FALSE(document.ignoreImageSaveErrorFlag());
}

} // namespace
