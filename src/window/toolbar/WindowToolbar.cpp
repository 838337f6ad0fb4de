#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "platform/StringsTable.h"
#include "profile/DataCentre.h"
#include "window/toolbar/ProductToolbars.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>

// The document window's toolbar: the product's own, chosen by its display name, with the controls the
// product does without hidden; every text it shows goes through the bundle's strings.

namespace {

const QString kStringsTable = QStringLiteral("Localizable");
// The toolbar of a product that has none of its own.
const QString kWindowToolbarName = QStringLiteral("windowToolbar");

QString localized(const QString& text)
{
    return StringsTable::localizedString(text, QString(), kStringsTable);
}

void localizeComboBox(QComboBox& popup)
{
    for (int i = 0; i < popup.count(); ++i)
        popup.setItemText(i, localized(popup.itemText(i)));
}

void localizeMenu(const QMenu& menu, bool withSubmenus)
{
    for (QAction* item : menu.actions()) {
        if (item->isSeparator())
            continue;
        item->setText(localized(item->text()));
        if (withSubmenus && item->menu())
            localizeMenu(*item->menu(), false);
    }
}

} // namespace

QToolBar* SKTWindowController::productToolbar() const
{
    return m_productToolbar;
}

void SKTWindowController::selectWhichToolBarToUse()
{
    if (const std::optional<ProductToolbars::Row> row =
            ProductToolbars::rowFor(DataCentre::profile().productDisplayName)) {
        installToolbar(row->toolbarName);
        m_pageLinkItemHidden = row->extras & ProductToolbars::HidePageLinkItem;
        m_productHiddenControls = ProductToolbars::controlsHiddenBy(row->extras);
        for (const QString& name : std::as_const(m_productHiddenControls)) {
            if (auto* control = findChild<QWidget*>(name))
                control->hide();
        }
    } else if (!m_productToolbar) {
        installToolbar(kWindowToolbarName);
    }
    localizeToolbar();
}

void SKTWindowController::setFormButtons()
{
    selectWhichToolBarToUse();
}

void SKTWindowController::prepareToLocalizeToolbarAndStuff()
{
    localizeToolbar();
    localizeMenu(*m_pageListingMenu, false);
    if (const auto* canvasMenu = m_graphicView->findChild<QMenu*>(QStringLiteral("graphicViewMenu")))
        localizeMenu(*canvasMenu, true);
}

bool SKTWindowController::isHiddenByProduct(const QString& controlName) const
{
    return m_productHiddenControls.contains(controlName);
}

bool SKTWindowController::sendToolbarAction(const QString& action)
{
    const QByteArray method = action.toLatin1();
    const QByteArray signature = method + "()";
    const QList<QObject*> responders = {m_graphicView, this, m_document};
    for (QObject* responder : responders) {
        if (responder && responder->metaObject()->indexOfMethod(signature.constData()) >= 0)
            return QMetaObject::invokeMethod(responder, method.constData());
    }
    return false;
}

void SKTWindowController::installToolbar(const QString& toolbarName)
{
    if (m_productToolbar && m_productToolbar->objectName() == toolbarName)
        return;
    if (m_productToolbar) {
        // The controls the toolbar holds belong to the window: they outlive the toolbar.
        for (QAction* item : m_productToolbar->actions()) {
            if (QWidget* control = m_productToolbar->widgetForAction(item)) {
                m_productToolbar->removeAction(item);
                control->setParent(this);
                control->hide();
            }
        }
        removeToolBar(m_productToolbar);
        delete m_productToolbar;
    }
    m_productToolbar = new QToolBar(this);
    m_productToolbar->setObjectName(toolbarName);
    m_productToolbar->setMovable(false);
    m_productToolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ProductToolbars::Item& entry : ProductToolbars::itemsOf(toolbarName)) {
        if (!entry.control.isEmpty()) {
            if (auto* control = findChild<QWidget*>(entry.control)) {
                QAction* holder = m_productToolbar->addWidget(control);
                holder->setObjectName(entry.name + QStringLiteral("Action"));
                // The window keeps its controls hidden until a toolbar carries them; the toolbar shows a
                // control through its action.
                holder->setVisible(true);
            }
            continue;
        }
        QAction* item = m_productToolbar->addAction(entry.label);
        item->setObjectName(entry.name);
        connect(item, &QAction::triggered, this,
                [this, action = entry.action] { sendToolbarAction(action); });
    }
    addToolBar(Qt::TopToolBarArea, m_productToolbar);
}

void SKTWindowController::localizeToolbar()
{
    for (QAction* item : m_productToolbar->actions()) {
        if (auto* popup = qobject_cast<QComboBox*>(m_productToolbar->widgetForAction(item)))
            localizeComboBox(*popup);
        else if (!item->isSeparator())
            item->setText(localized(item->text()));
    }
}
