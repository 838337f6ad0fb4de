#pragma once

#include "canvas/view/SKTGraphicView.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "profile/DataCentre.h"
#include "support/VelkTest.h"
#include "window/SKTWindowController.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// Document windows of a product with a 1000 x 2000 canvas at 100 %, a page list 200 wide and the
// inspector open.
class WindowTest : public VelkTest {
protected:
    static constexpr int kCanvasWidth = 1000;
    static constexpr int kCanvasHeight = 2000;
    static constexpr int kPageListWidth = 200;

    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.canvasWidth = kCanvasWidth;
        profile.canvasHeight = kCanvasHeight;
        profile.canvasScale = 1.0f;
        profile.pageListMinWidth = kPageListWidth;
        profile.inspectorInitiallyOpen = true;
        profile.zoomFactors = zoomTitles();
    }
    void TearDown() override
    {
        windows.clear();
        documents.clear();
        SKTDocument::setWindowControllerFactory({});
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }

    static QStringList zoomTitles()
    {
        return {"5%",   "10%",  "15%",  "20%",  "25%",  "30%",  "35%",  "40%", "45%",
                "50%",  "55%",  "60%",  "65%",  "70%",  "75%",  "80%",  "85%", "90%",
                "100%", "125%", "150%", "200%", "300%", "400%", "500%", "600%"};
    }

    SKTDocument& newDocument()
    {
        documents.push_back(std::make_unique<SKTDocument>());
        return *documents.back();
    }

    // A shown window on a new document; `website` makes it a page of a website folder.
    SKTWindowController& openWindow(bool website = false)
    {
        SKTDocument& document = newDocument();
        document.setOpeningFromWebsiteFlag(website);
        windows.push_back(std::make_unique<SKTWindowController>(document));
        SKTWindowController& window = *windows.back();
        if (website)
            window.setOpenWebsiteFolderPath(homePath());
        window.resize(1400, 900);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }

    template <typename T> static T* child(const QObject& parent, const char* name)
    {
        T* found = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Windows go before their documents.
    std::vector<std::unique_ptr<SKTDocument>> documents;
    std::vector<std::unique_ptr<SKTWindowController>> windows;
};
