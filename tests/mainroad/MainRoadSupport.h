#pragma once

#include "AppTestSupport.h"

#include "app/launch/ApplicationLaunch.h"
#include "app/templates/TemplateChooser.h"
#include "app/templates/TemplateIconButton.h"
#include "app/templates/TemplateWindowController.h"
#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "window/SKTWindowController.h"
#include "platform/SegmentedControl.h"
#include "window/pages/VelkNSButton.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <functional>

// The whole application launched as a product in the test's home, driven as its user drives it: buttons
// clicked, text typed and the canvas dragged with QTest, every control found by its object name. Panels
// and alerts are answered by the scripted responders.
class MainRoadTest : public AppTest {
protected:
    void TearDown() override
    {
        delegate.reset();
        AppTest::TearDown();
    }

    void launchAs(const QString& product)
    {
        runAs(product);
        delegate = std::make_unique<SKTAppDelegate>();
        launchApplication(*delegate, {});
    }

    static bool waitUntil(const std::function<bool()>& done, int milliseconds = 30000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > milliseconds)
                return false;
            QTest::qWait(10);
        }
        return true;
    }

    // The named control of the widget, of the kind; fails the test when there is none.
    template <typename T> static T* control(const QObject* parent, const QString& name)
    {
        T* found = parent ? parent->findChild<T*>(name) : nullptr;
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    static void click(QWidget* widget)
    {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    // Clicks the segment of the control that carries the label.
    static void clickSegment(const QWidget* window, const QString& controlName, const QString& label)
    {
        auto* segments = control<SegmentedControl>(window, controlName);
        ASSERT_NE(segments, nullptr);
        for (QToolButton* segment : segments->findChildren<QToolButton*>()) {
            if (segment->text() == label) {
                click(segment);
                return;
            }
        }
        ADD_FAILURE() << "no segment " << label.toStdString() << " in " << controlName.toStdString();
    }

    // Chooses the item of the window's menu bar that sends the action, as the user does: its menu opens
    // (which checks its items) and the item is chosen.
    static void chooseMenuItem(QMainWindow& window, const QString& action)
    {
        QList<QMenu*> menus;
        for (QAction* top : window.menuBar()->actions()) {
            if (top->menu())
                menus << top->menu();
        }
        for (qsizetype i = 0; i < menus.size(); ++i) {
            for (QAction* item : menus.at(i)->actions()) {
                if (item->menu()) {
                    menus << item->menu();
                } else if (item->objectName() == action) {
                    Q_EMIT menus.at(i)->aboutToShow();
                    EXPECT_TRUE(item->isEnabled()) << action.toStdString();
                    item->trigger();
                    return;
                }
            }
        }
        ADD_FAILURE() << "no menu item sends " << action.toStdString();
    }

    static void clickToolbarItem(const SKTWindowController& window, const QString& name)
    {
        QToolBar* toolbar = window.productToolbar();
        ASSERT_NE(toolbar, nullptr);
        auto* item = control<QAction>(toolbar, name);
        ASSERT_NE(item, nullptr);
        click(toolbar->widgetForAction(item));
    }

    // Types the text into the field as a user does and ends the edit with Return.
    static void typeInto(QLineEdit* field, const QString& text)
    {
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    // The window with its document, in front.
    static void bringToFront(SKTWindowController& window)
    {
        window.raise();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The first step of every product: the welcome window's "New" opens the template chooser; the blank
    // template of the "Blank" category is chosen, and the website folder is given in the save panel. Answers
    // the document window that opens on the new page.
    SKTWindowController* startNewWebsiteFromBlank(const QString& site)
    {
        QWidget* welcome = delegate->welcomeWindow();
        EXPECT_TRUE(welcome && welcome->isVisible()) << "the welcome window greets a new user";
        if (!welcome)
            return nullptr;
        QSignalSpy displayed(&delegate->templateChooser(), &TemplateChooser::templatesDisplayed);
        click(control<QAbstractButton>(welcome, QStringLiteral("addNewWebsiteButton")));
        EXPECT_TRUE(displayed.count() > 0 || displayed.wait(60000)) << "the template chooser shows";
        TemplateWindowController* chooser = delegate->templateChooser().window();
        if (!chooser || !chooser->isVisible())
            return nullptr;
        for (QAbstractButton* category :
             chooser->findChildren<QAbstractButton*>(QStringLiteral("categoryButton"))) {
            if (category->text().trimmed() == u"Blank")
                click(category);
        }
        TemplateIconButton* blank = nullptr;
        for (TemplateIconButton* thumbnail :
             chooser->findChildren<TemplateIconButton*>(QStringLiteral("templateIconButton"))) {
            if (thumbnail->isVisibleTo(chooser) && thumbnail->fileName().startsWith(u"Blank."))
                blank = thumbnail;
        }
        EXPECT_NE(blank, nullptr) << "the blank template is offered";
        if (!blank)
            return nullptr;
        click(blank);
        panels.choose({site});
        click(control<QAbstractButton>(chooser, QStringLiteral("selectButton")));
        EXPECT_FALSE(chooser->isVisible());
        SKTWindowController* window = delegate->mainDocumentWindow();
        EXPECT_NE(window, nullptr) << "the document window opens on the new page";
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
            bringToFront(*window);
        }
        return window;
    }

    // Saves and closes the window with the File menu, comes back to the welcome window (as
    // activating the application does with no window open), opens the website folder again and opens the
    // page from its tile in the page list. Answers the window showing the page again.
    SKTWindowController* saveCloseAndReopen(SKTWindowController* window, const QString& site)
    {
        SKTDocument* document = window->document();
        chooseMenuItem(*window, QStringLiteral("saveDocument"));
        EXPECT_FALSE(document->isDocumentEdited()) << "the page is saved";
        const QString pageFile = QFileInfo(document->fileLocation()).fileName();
        chooseMenuItem(*window, QStringLiteral("performClose"));
        EXPECT_TRUE(waitUntil([this] { return delegate->documentController().documents().isEmpty(); }))
            << "the window closes without asking, as everything is saved";

        delegate->applicationDidBecomeActive();
        QWidget* welcome = delegate->welcomeWindow();
        EXPECT_TRUE(welcome && welcome->isVisible());
        panels.choose({site});
        click(control<QAbstractButton>(welcome, QStringLiteral("openNewWebsiteButton")));
        SKTWindowController* reopened = delegate->mainDocumentWindow();
        EXPECT_NE(reopened, nullptr);
        if (!reopened)
            return nullptr;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(reopened));
        bringToFront(*reopened);
        VelkNSButton* tile = nullptr;
        for (VelkNSButton* candidate : control<QWidget>(reopened, QStringLiteral("pageListingClipView"))
                                           ->findChildren<VelkNSButton*>(QStringLiteral("velkButton"))) {
            if (candidate->pageName() == pageFile)
                tile = candidate;
        }
        EXPECT_NE(tile, nullptr) << "the page list shows " << pageFile.toStdString();
        if (tile)
            click(tile);
        return delegate->mainDocumentWindow();
    }

    // ---- The canvas, at canvas points
    static QPoint pixel(const SKTGraphicView& canvas, const QPointF& point)
    {
        return canvas.canvasTransform().map(point).toPoint();
    }
    static void dragOnCanvas(SKTGraphicView& canvas, const QPointF& from, const QPointF& to)
    {
        QTest::mousePress(&canvas, Qt::LeftButton, {}, pixel(canvas, from));
        // In steps, as a hand moves.
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(&canvas, pixel(canvas, from + (to - from) * step / 4));
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, pixel(canvas, to));
    }
    static void clickOnCanvas(SKTGraphicView& canvas, const QPointF& point)
    {
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, pixel(canvas, point));
    }

    std::unique_ptr<SKTAppDelegate> delegate;
};
