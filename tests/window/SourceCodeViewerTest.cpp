#include "document/core/SKTDocument.h"
#include "profile/DataCentre.h"
#include "support/VelkTest.h"
#include "window/source/SourceCodeWindowController.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Page documents whose code is shown in real source-code windows.
class SourceCodeViewerTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
        SourceCodeWindowController::install();
    }
    void TearDown() override
    {
        SKTDocument::setSourceCodeViewerFactory({});
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }

    static SourceCodeWindowController& viewerOf(const SKTDocument& document)
    {
        auto* viewer = dynamic_cast<SourceCodeWindowController*>(document.sourceCodeController());
        EXPECT_NE(viewer, nullptr);
        return *viewer;
    }

    SKTDocument document;
};

} // namespace

TEST_F(SourceCodeViewerTest, AnUnsavedPageIsGeneratedAsUntitledAndShown)
{
    const QString code = document.showSourceCode(true);
    EXPECT_EQ(document.pageName(), QStringLiteral("untitled"));
    EXPECT_EQ(document.FTPUploadFlag(), 0) << "written as for publishing only while the code is made";
    EXPECT_TRUE(code.contains(QStringLiteral("<html")));
    SourceCodeWindowController& viewer = viewerOf(document);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Source Code"));
    EXPECT_EQ(viewer.textView()->toPlainText(), code);
}

TEST_F(SourceCodeViewerTest, TheMenuCommandsReuseTheWindowAndReplaceItsText)
{
    document.setPageName(QStringLiteral("about"));
    ASSERT_TRUE(QMetaObject::invokeMethod(&document, "showOrHideSourceCode"));
    SourceCodeWindowController* first = &viewerOf(document);
    first->textView()->setPlainText(QStringLiteral("edited"));
    ASSERT_TRUE(QMetaObject::invokeMethod(&document, "showOrHideSourceCodeStatic"));
    EXPECT_EQ(&viewerOf(document), first);
    EXPECT_EQ(document.pageName(), QStringLiteral("about"));
    EXPECT_TRUE(first->textView()->toPlainText().contains(QStringLiteral("<html")));
}

TEST_F(SourceCodeViewerTest, NoCodeAsksTheUserToRequestAgain)
{
    SourceCodeWindowController viewer(document);
    viewer.showCode(QStringLiteral("Source Code"), QString());
    EXPECT_EQ(viewer.code(), QStringLiteral("Oops, no source code generated, please request again"));
}

TEST_F(SourceCodeViewerTest, TheCopyButtonPutsTheCodeOnTheClipboard)
{
    const QString code = document.showSourceCode(true);
    QGuiApplication::clipboard()->clear();
    viewerOf(document).grabCodeButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code);
    EXPECT_EQ(alerts.messages(), QStringList{QStringLiteral("Copied to Clipboard")});
}

TEST_F(SourceCodeViewerTest, QuotesTypedIntoTheCodeStayStraight)
{
    document.showSourceCode(true);
    QPlainTextEdit* text = viewerOf(document).textView();
    text->clear();
    QTest::keyClicks(text, QStringLiteral("a=\"b\" 'c'"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("a=\"b\" 'c'"));
}
