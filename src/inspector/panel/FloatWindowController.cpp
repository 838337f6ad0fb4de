#include "inspector/panel/FloatWindowController.h"

#include "window/views/FlippedNSView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FloatWindowController::FloatWindowController(QWidget* window)
    : QDialog(window)
    , m_mainView(new FlippedNSView(this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("floatWindowController"));
    setWindowModality(Qt::WindowModal);
    m_mainView->setObjectName(QStringLiteral("mainView"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_mainView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancelButton);
    column->addLayout(buttons);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
