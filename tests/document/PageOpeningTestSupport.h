#pragma once

#include "DocumentTestSupport.h"
#include "PageAssemblyTestSupport.h"
#include "PageFileTestSupport.h"
#include "PageLoaderTestSupport.h"

#include "document/core/DocumentAlerts.h"
#include "platform/transfer/UploadFTPS.h"

#include <QDir>

// Page documents packed on disk and opened the way the application opens them.

inline const QString kExtension = QStringLiteral("velkpage");

inline QString boxRule(int number, int z, const QString& extra = {})
{
    return QStringLiteral(
               ".text%1{position:absolute;left:10px;top:%2px;z-index:%3;width:100px;height:20px;%4}")
        .arg(number)
        .arg(20 * number)
        .arg(z)
        .arg(extra);
}

class PageOpeningTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.documentExtension = kExtension;
        profile.workingFolderPath = pathInHome(QStringLiteral("working"));
        profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
        profile.pageTitlesEnabled = true;
        QDir().mkpath(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName));
    }

    // A page document in the flat layout, packed from a page written beside its page folder.
    QString package(const StoredPage& page, const QString& name, const QString& extension = kExtension,
                    const QString& pageExtension = QStringLiteral("html"))
    {
        const QString source = pathInHome(QStringLiteral("source/") + name);
        QDir(source).removeRecursively();
        QDir().mkpath(source);
        writePicture(source + QStringLiteral("/image1.png"), QSize(4, 4), Qt::red, "PNG");
        PageText::write(source + u'.' + pageExtension, page.text());
        writePicture(source + QStringLiteral(".png"), QSize(8, 8), Qt::blue, "PNG");
        const QString archive = pathInHome(QStringLiteral("docs/") + name + u'.' + extension);
        QDir().mkpath(pathInHome(QStringLiteral("docs")));
        EXPECT_TRUE(UploadFTPS().zipDocument(source, archive));
        return archive;
    }

    StoredPage twoBoxes() const
    {
        StoredPage page;
        page.rules << boxRule(0, 2) << boxRule(1, 1);
        page.body << QStringLiteral("<div class=text0>first box</div>")
                  << QStringLiteral("<div class=text1>second</div>");
        page.trailer << QStringLiteral("<!--PUBLISHEXTSTART==htm==PUBLISHEXTEND-->")
                     << QStringLiteral("<!--PAGETITLESTART==Welcome==PAGETITLEEND-->");
        return page;
    }

    // A page document whose page file opens with the owner and patient block of older profile products.
    QString oldProfilePackage()
    {
        DataCentre::mutableProfile().profileFieldKeys = {"Owner First Name", "Owner Last Name",
                                                         "Pet Chart Number", "Notes"};
        StoredPage page = twoBoxes();
        page.trailer.clear();
        const QString oldBlock =
            QStringLiteral("<!--\nAnna\nBell\nC42\n4\n1\n01/02/2010\n555-0100\nanna@example.org\n-->\n");
        const QString source = pathInHome(QStringLiteral("source/patient"));
        QDir().mkpath(source);
        PageText::write(source + QStringLiteral(".html"), oldBlock + page.text());
        QDir().mkpath(pathInHome(QStringLiteral("docs")));
        const QString archive = pathInHome(QStringLiteral("docs/patient.") + kExtension);
        EXPECT_TRUE(UploadFTPS().zipDocument(source, archive));
        return archive;
    }

    // The values the old block of oldProfilePackage() holds, as the page's profile fields.
    void expectMigratedValues(const SKTDocument& d) const
    {
        EXPECT_EQ(d.profileDictionary().value("Owner First Name"), QStringLiteral("Anna"));
        EXPECT_EQ(d.profileDictionary().value("Owner Last Name"), QStringLiteral("Bell"));
        EXPECT_EQ(d.profileDictionary().value("Pet Chart Number"), QStringLiteral("C42"));
        EXPECT_TRUE(d.profileDictionary().value("Notes").contains(QStringLiteral("Age: 4")));
        EXPECT_TRUE(d.profileDictionary().value("Notes").contains(QStringLiteral("01/02/2010")));
    }

    QStringList texts(const SKTDocument& d) const
    {
        QStringList result;
        for (const auto& graphic : d.graphics())
            result << graphic->textString();
        return result;
    }
};

class UnreadablePageTest : public PageOpeningTest {
protected:
    // Opens the document and checks that it failed the way an unreadable page fails, for the reason that
    // begins with the reader's words when they are given.
    void expectUnreadable(const QString& archive, const QString& readersWords = {})
    {
        const QByteArray stored = readBytes(archive);
        SKTDocument document;
        bool saveRan = false;
        document.setSaveOperation([&](SKTDocument&) {
            saveRan = true;
            return true;
        });
        document.setFileLocation(archive);
        alerts.clear();
        const DocumentResult opened = document.refreshDocument();
        EXPECT_EQ(opened.outcome, DocumentResult::NotOpened);
        EXPECT_FALSE(opened.error.isEmpty());
        EXPECT_TRUE(opened.error.startsWith(readersWords)) << opened.error.toStdString();
        EXPECT_TRUE(document.pageLoadFailed());
        EXPECT_TRUE(document.graphics().isEmpty());
        // Without a window nothing is shown; the window shows the result.
        EXPECT_TRUE(alerts.records().isEmpty());
        DocumentAlerts::showOpenResult(opened);
        ASSERT_FALSE(alerts.records().isEmpty());
        EXPECT_EQ(alerts.records().last().message, QStringLiteral("Not able to open"));
        EXPECT_EQ(alerts.records().last().informative, QStringLiteral("This file can not be opened."));
        EXPECT_EQ(alerts.records().last().buttons, QStringList{"Dismiss"});

        // The page it could not read is never written over.
        EXPECT_FALSE(document.saveDocumentWithDelegate());
        EXPECT_FALSE(saveRan);
        EXPECT_EQ(alerts.records().last().message, QStringLiteral("Not able to save"));
        alerts.clear();
        const DocumentResult saved = document.askPageToSaveItself();
        EXPECT_EQ(saved.outcome, DocumentResult::Refused);
        EXPECT_FALSE(saved.error.isEmpty());
        EXPECT_TRUE(alerts.records().isEmpty());
        EXPECT_EQ(readBytes(archive), stored);
    }
};
