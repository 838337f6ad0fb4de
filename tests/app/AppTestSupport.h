#pragma once

#include "app/documents/DocumentController.h"
#include "app/launch/SKTAppDelegate.h"
#include "app/menus/MainMenu.h"
#include "platform/Bundle.h"
#include "platform/Workspace.h"
#include "profile/DataCentre.h"
#include "support/VelkTest.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QUrl>
#include <QWidget>

// Each test runs as a product of its choice, in a home of its own, with the addresses the application
// opens recorded instead of opened.
class AppTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        m_displayName = Bundle::main().infoValue(kDisplayNameKey);
        DataCentre::resetProfile();
        Workspace::setResponder([this](const QUrl& url) {
            openedURLs << url;
            return true;
        });
    }
    void TearDown() override
    {
        Workspace::setResponder({});
        Bundle::main().setInfoValue(kDisplayNameKey, m_displayName);
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }

    void runAs(const QString& product) { Bundle::main().setInfoValue(kDisplayNameKey, product); }

    // The visible top-level windows, menus aside.
    static QList<QWidget*> visibleWindows()
    {
        QList<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowType() != Qt::Popup)
                windows << widget;
        }
        return windows;
    }

    static inline const QString kDisplayNameKey = QStringLiteral("CFBundleDisplayName");
    QList<QUrl> openedURLs;

private:
    QString m_displayName;
};
