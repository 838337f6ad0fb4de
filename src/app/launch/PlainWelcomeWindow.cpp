#include "app/launch/PlainWelcomeWindow.h"

#include "app/documents/DocumentController.h"
#include "app/launch/SKTAppDelegate.h"
#include "app/menus/MainMenu.h"
#include "profile/DataCentre.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

PlainWelcomeWindow::PlainWelcomeWindow(SKTAppDelegate& delegate)
{
    setObjectName(QStringLiteral("welcomeWindow"));
    const QString productName = DataCentre::profile().productDisplayName;
    setWindowTitle(productName);
    delegate.mainMenu().installInto(menuBar());

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    auto* title = new QLabel(QStringLiteral("Welcome to %1").arg(productName), content);
    title->setObjectName(QStringLiteral("welcomeTitle"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    auto* open = new QPushButton(QStringLiteral("Open..."), content);
    open->setObjectName(QStringLiteral("openDocument"));
    connect(open, &QPushButton::clicked, &delegate.documentController(), &DocumentController::openDocument);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(open, 0, Qt::AlignCenter);
    layout->addStretch();
    setCentralWidget(content);
    resize(640, 420);
}
