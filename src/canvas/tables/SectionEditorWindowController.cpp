#include "canvas/tables/SectionEditorWindowController.h"

#include "canvas/tables/SectionView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QSplitterHandle>
#include <QVBoxLayout>

namespace {

// Where the tiles are shown: a strip half as wide as a section, below the column count.
const QRect kSplitViewFrame(0, 50, 600, 80);
const QSize kMainViewSize(600, 140);
const QRect kNewTileFrame(0, 0, 50, 100);
const QRect kTileButtonFrame(10, 10, 30, 30);
const char* const kSplitViewLook = "QSplitter#columnSplitView { border: 5px solid black; }"
                                   "QSplitter#columnSplitView::handle { background-color: black; }";

void fillWithCounts(QComboBox& popUp)
{
    for (int count = 1; count <= SectionEditorWindowController::kMaxColumns; ++count)
        popUp.addItem(QString::number(count));
}

} // namespace

SectionEditorWindowController::SectionEditorWindowController(QWidget* parent)
    : QDialog(parent)
    , m_numOfColumnsPopupButton(countPopUp("numOfColumnsPopupButton"))
    , m_saveButton(new QPushButton(tr("Save")))
    , m_cancelButton(new QPushButton(tr("Cancel")))
    , m_mainView(new QWidget)
    , m_columnGridLabel(new QLabel)
    , m_xsPopUpButton(countPopUp("xsPopUpButton"))
    , m_smallPopUpButton(countPopUp("smallPopUpButton"))
    , m_mediumPopUpButton(countPopUp("mediumPopUpButton"))
    , m_largePopUpButton(countPopUp("largePopUpButton"))
{
    setObjectName(QStringLiteral("SectionEditorWindowController"));
    setWindowTitle(tr("Configure Section Grid"));
    setWindowModality(Qt::WindowModal);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setDefault(true);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_mainView->setObjectName(QStringLiteral("mainView"));
    m_mainView->setFixedSize(kMainViewSize);
    m_columnGridLabel->setObjectName(QStringLiteral("columnGridLabel"));

    auto* columnsLabel = new QLabel(tr("Number of columns:"), m_mainView);
    columnsLabel->move(0, 14);
    m_numOfColumnsPopupButton->setParent(m_mainView);
    m_numOfColumnsPopupButton->move(140, 10);

    auto* counts = new QGridLayout;
    const struct {
        const char* title;
        QComboBox* popUp;
    } screens[] = {{"Extra small (xs):", m_xsPopUpButton},
                   {"Small (sm):", m_smallPopUpButton},
                   {"Medium (md):", m_mediumPopUpButton},
                   {"Large (lg):", m_largePopUpButton}};
    int row = 0;
    for (const auto& screen : screens) {
        counts->addWidget(new QLabel(tr(screen.title)), row, 0);
        counts->addWidget(screen.popUp, row, 1);
        ++row;
    }
    counts->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_saveButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_mainView);
    layout->addWidget(m_columnGridLabel);
    layout->addLayout(counts);
    layout->addLayout(buttons);

    connect(m_numOfColumnsPopupButton, &QComboBox::activated, this,
            &SectionEditorWindowController::columnUpdated);
    for (QComboBox* popUp : {m_xsPopUpButton, m_smallPopUpButton, m_mediumPopUpButton, m_largePopUpButton})
        connect(popUp, &QComboBox::activated, this,
                &SectionEditorWindowController::saveSectionViewGridProperties);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* SectionEditorWindowController::countPopUp(const char* name)
{
    auto* popUp = new QComboBox;
    popUp->setObjectName(QLatin1String(name));
    fillWithCounts(*popUp);
    return popUp;
}

void SectionEditorWindowController::setSplitViewMutableArray(const QList<SectionView*>& tiles)
{
    for (SectionView* old : std::as_const(m_splitViewMutableArray)) {
        if (!tiles.contains(old))
            delete old;
    }
    if (!tiles.contains(m_selectedSectionView))
        m_selectedSectionView = nullptr;
    m_splitViewMutableArray = tiles;
    for (SectionView* tile : tiles) {
        tile->hide();
        tile->setParent(this);
    }
}

void SectionEditorWindowController::prepSectionViews()
{
    while (m_splitViewMutableArray.size() < kMaxColumns) {
        auto* tile = new SectionView(kNewTileFrame, this);
        tile->hide();
        m_splitViewMutableArray.append(tile);
    }
    int position = 1;
    for (SectionView* tile : std::as_const(m_splitViewMutableArray)) {
        auto* button = new QPushButton(QString::number(position++), tile);
        button->setObjectName(QStringLiteral("tileButton"));
        button->setGeometry(kTileButtonFrame);
        tile->setButton(button);
        connect(button, &QPushButton::clicked, this, [this, button] { sectionViewButtonClicked(button); });
    }
    if (!m_splitViewMutableArray.isEmpty())
        updateSectionViewGridEditor(m_splitViewMutableArray.first());
}

bool SectionEditorWindowController::dividersMovable() const
{
    return m_numOfColumnsPopupButton->currentIndex() != kMaxColumns - 1;
}

void SectionEditorWindowController::columnUpdated()
{
    // The tiles outlive the strip that shows them.
    if (m_columnSplitView) {
        for (SectionView* tile : std::as_const(m_splitViewMutableArray)) {
            if (tile->parentWidget() == m_columnSplitView) {
                tile->hide();
                tile->setParent(this);
            }
        }
        delete m_columnSplitView;
    }
    auto* splitView = new QSplitter(Qt::Horizontal, m_mainView);
    splitView->setObjectName(QStringLiteral("columnSplitView"));
    splitView->setStyleSheet(QLatin1String(kSplitViewLook));
    splitView->setGeometry(kSplitViewFrame);
    splitView->setHandleWidth(1);
    splitView->setChildrenCollapsible(false);
    const int shown =
        std::min(m_numOfColumnsPopupButton->currentIndex() + 1, int(m_splitViewMutableArray.size()));
    QList<int> widths;
    for (int column = 0; column < shown; ++column) {
        SectionView* tile = m_splitViewMutableArray.at(column);
        widths << tile->width();
        splitView->addWidget(tile);
        tile->show();
    }
    splitView->setSizes(widths);
    // With all 12 columns every column has its smallest width: nothing to drag.
    for (int divider = 1; divider < splitView->count(); ++divider)
        splitView->handle(divider)->setEnabled(dividersMovable());
    splitView->show();
    m_columnSplitView = splitView;
}

void SectionEditorWindowController::sectionViewButtonClicked(QPushButton* button)
{
    if (auto* tile = qobject_cast<SectionView*>(button->parentWidget()))
        updateSectionViewGridEditor(tile);
}

void SectionEditorWindowController::updateSectionViewGridEditor(SectionView* tile)
{
    const int position = int(m_splitViewMutableArray.indexOf(tile)) + 1;
    m_columnGridLabel->setText(tr("Grid options for column %1").arg(position));
    showCount(*m_xsPopUpButton, tile->xsGridColumns());
    showCount(*m_smallPopUpButton, tile->smallGridColumns());
    showCount(*m_mediumPopUpButton, tile->mediumGridColumns());
    showCount(*m_largePopUpButton, tile->largeGridColumns());
    m_selectedSectionView = tile;
}

void SectionEditorWindowController::showCount(QComboBox& popUp, int count)
{
    popUp.setCurrentIndex(count >= 1 && count <= kMaxColumns ? count - 1 : -1);
}

void SectionEditorWindowController::saveSectionViewGridProperties()
{
    if (!m_selectedSectionView)
        return;
    m_selectedSectionView->setXsGridColumns(m_xsPopUpButton->currentIndex() + 1);
    m_selectedSectionView->setSmallGridColumns(m_smallPopUpButton->currentIndex() + 1);
    m_selectedSectionView->setMediumGridColumns(m_mediumPopUpButton->currentIndex() + 1);
    m_selectedSectionView->setLargeGridColumns(m_largePopUpButton->currentIndex() + 1);
}
