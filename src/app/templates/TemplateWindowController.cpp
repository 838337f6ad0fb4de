#include "app/templates/TemplateWindowController.h"

#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

QScrollArea* scrollArea(const char* name, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setObjectName(QString::fromLatin1(name));
    area->setWidgetResizable(false);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

QPushButton* button(const char* name, const QString& title, QWidget* parent)
{
    auto* made = new QPushButton(title, parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

} // namespace

TemplateWindowController::TemplateWindowController(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(frameAutosaveName);
    auto* layout = new QVBoxLayout(this);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("splitView"));
    split->setChildrenCollapsible(false);
    split->setHandleWidth(1);
    m_categoryScrollView = scrollArea("categoryScrollView", split);
    m_categoryScrollView->setFixedWidth(250);
    m_scrollView = scrollArea("scrollView", split);
    split->addWidget(m_categoryScrollView);
    split->addWidget(m_scrollView);
    split->setStretchFactor(1, 1);
    // The divider stays where it is.
    split->handle(1)->setEnabled(false);
    layout->addWidget(split, 1);

    auto* buttons = new QHBoxLayout;
    m_baseTemplateCheckbox = new QCheckBox(QStringLiteral("Base Template"), this);
    m_baseTemplateCheckbox->setObjectName(QStringLiteral("baseTemplateCheckbox"));
    m_baseTemplateCheckbox->setToolTip(baseTemplateToolTip);
    // It tells what the choice makes; the user does not change it here.
    m_baseTemplateCheckbox->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_baseTemplateCheckbox->setFocusPolicy(Qt::NoFocus);
    m_openButton = button("openButton", QStringLiteral("Open..."), this);
    m_cancelButton = button("cancelButton", QStringLiteral("Cancel"), this);
    m_selectButton = button("selectButton", QStringLiteral("Choose"), this);
    m_selectButton->setDefault(true);
    buttons->addWidget(m_baseTemplateCheckbox);
    buttons->addStretch(1);
    buttons->addWidget(m_openButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_selectButton);
    layout->addLayout(buttons);

    const QByteArray saved = UserDefaults::standard().objectForKey(frameAutosaveName).toByteArray();
    if (saved.isEmpty() || !restoreGeometry(saved))
        resize(1000, 720);
}

void TemplateWindowController::hideEvent(QHideEvent* event)
{
    UserDefaults::standard().setObject(saveGeometry(), frameAutosaveName);
    QWidget::hideEvent(event);
}

void TemplateWindowController::showOrHideWindow()
{
    if (isVisible()) {
        hide();
        return;
    }
    show();
    raise();
    activateWindow();
}

void TemplateWindowController::mousePressEvent(QMouseEvent* event)
{
    NotificationCenter::defaultCenter().post(QStringLiteral("clearTemplateSelection"), this);
    QWidget::mousePressEvent(event);
}
