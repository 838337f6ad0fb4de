#include "window/source/SourceCodeWindowController.h"

#include "document/core/SKTDocument.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

SourceCodeWindowController::SourceCodeWindowController(SKTDocument& document)
    : m_textView(new QPlainTextEdit(this))
    , m_grabCodeButton(new QPushButton(tr("Copy To Clipboard"), this))
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("SourceCodeWindowController"));
    m_textView->setObjectName(QStringLiteral("textView"));
    m_grabCodeButton->setObjectName(QStringLiteral("grabCodeButton"));
    // Lines wrap at the window's edge; the plain text view never turns quotes into typographic ones.
    m_textView->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_textView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_textView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_grabCodeButton);
    layout->addLayout(buttons);
    resize(760, 620);

    connect(m_grabCodeButton, &QPushButton::clicked, &document, &SKTDocument::grabSourceCode);
}

void SourceCodeWindowController::install()
{
    SKTDocument::setSourceCodeViewerFactory([](SKTDocument& document) -> std::unique_ptr<SourceCodeViewer> {
        return std::make_unique<SourceCodeWindowController>(document);
    });
}

void SourceCodeWindowController::showCode(const QString& title, const QString& code)
{
    setWindowTitle(title);
    m_textView->setPlainText(code.isEmpty() ? QString::fromLatin1(emptyCodeText) : code);
    show();
    raise();
    activateWindow();
}

QString SourceCodeWindowController::code() const
{
    return m_textView->toPlainText();
}
