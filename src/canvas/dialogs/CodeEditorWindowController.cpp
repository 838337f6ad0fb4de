#include "canvas/dialogs/CodeEditorWindowController.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kStartFontSize = 13;
constexpr int kSmallestFontSize = 9;
constexpr int kLargestFontSize = 36;

} // namespace

CodeEditorWindowController::CodeEditorWindowController(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_codeEditorTextView(new QPlainTextEdit(this))
    , m_saveButton(new QPushButton(tr("Save"), this))
    , m_fontSizeSlider(new QSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("CodeEditorWindowController"));
    m_codeEditorTextView->setObjectName(QStringLiteral("codeEditorTextView"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_fontSizeSlider->setObjectName(QStringLiteral("fontSizeSlider"));
    m_fontSizeSlider->setRange(kSmallestFontSize, kLargestFontSize);
    m_fontSizeSlider->setValue(kStartFontSize);
    m_fontSizeSlider->setMaximumWidth(160);
    connect(m_fontSizeSlider, &QSlider::valueChanged, this, &CodeEditorWindowController::adjustCodeFontSize);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_codeEditorTextView);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Font Size"), this));
    bar->addWidget(m_fontSizeSlider);
    bar->addStretch();
    bar->addWidget(m_saveButton);
    m_saveButton->setDefault(true);
    layout->addLayout(bar);
    resize(640, 480);
    windowDidLoad();
}

void CodeEditorWindowController::windowDidLoad()
{
    // Code lines stay as written, and plain: a plain-text view takes no formatting in by paste and changes no
    // character the user types.
    m_codeEditorTextView->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_codeEditorTextView->setTabChangesFocus(false);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kStartFontSize);
    m_codeEditorTextView->setFont(font);
}

void CodeEditorWindowController::adjustCodeFontSize(int size)
{
    QFont font = m_codeEditorTextView->font();
    font.setPointSize(size);
    m_codeEditorTextView->setFont(font);
}
