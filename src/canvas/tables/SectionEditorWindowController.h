#pragma once

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QSplitter;
class SectionView;

// The window "Configure Section Grid": how many columns a section has, their widths (the tiles side by
// side in a split view, resized by dragging the dividers between them) and, column by column, the
// Bootstrap counts for the four screen classes. It holds 12 tiles whatever the section has; the tiles past
// the chosen count keep their values hidden. The canvas fills the tiles and reads them back on Save; a
// count chosen in a pop-up is stored on the shown tile at once.
class SectionEditorWindowController : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxColumns = 12;

    explicit SectionEditorWindowController(QWidget* parent = nullptr);

    QComboBox* numOfColumnsPopupButton() const { return m_numOfColumnsPopupButton; }
    QSplitter* columnSplitView() const { return m_columnSplitView; }
    QPushButton* saveButton() const { return m_saveButton; }
    QWidget* mainView() const { return m_mainView; }
    QLabel* columnGridLabel() const { return m_columnGridLabel; }
    QComboBox* xsPopUpButton() const { return m_xsPopUpButton; }
    QComboBox* smallPopUpButton() const { return m_smallPopUpButton; }
    QComboBox* mediumPopUpButton() const { return m_mediumPopUpButton; }
    QComboBox* largePopUpButton() const { return m_largePopUpButton; }

    // The tiles in column order. Setting the list hands the tiles to the window; the tiles it held before
    // go.
    const QList<SectionView*>& splitViewMutableArray() const { return m_splitViewMutableArray; }
    void setSplitViewMutableArray(const QList<SectionView*>& tiles);
    SectionView* selectedSectionView() const { return m_selectedSectionView; }

    // Completes the tiles to 12 (the new ones 50 wide with zero counts), numbers their buttons and shows the
    // counts of the first.
    void prepSectionViews();
    // Shows the first tiles, as many as the column pop-up says, side by side; dividers move freely except
    // with all 12 columns.
    void columnUpdated();
    void sectionViewButtonClicked(QPushButton* button);
    // Heads the per-column options with the tile's column and shows its counts.
    void updateSectionViewGridEditor(SectionView* tile);
    // Stores the four pop-ups' counts on the shown tile.
    void saveSectionViewGridProperties();
    // Whether the dividers between the shown tiles can be dragged.
    bool dividersMovable() const;

private:
    static QComboBox* countPopUp(const char* name);
    // The pop-up shows the count, or nothing for a count outside 1 to 12.
    static void showCount(QComboBox& popUp, int count);

    QComboBox* m_numOfColumnsPopupButton;
    QSplitter* m_columnSplitView = nullptr;
    QPushButton* m_saveButton;
    QPushButton* m_cancelButton;
    QWidget* m_mainView;
    QLabel* m_columnGridLabel;
    QComboBox* m_xsPopUpButton;
    QComboBox* m_smallPopUpButton;
    QComboBox* m_mediumPopUpButton;
    QComboBox* m_largePopUpButton;
    QList<SectionView*> m_splitViewMutableArray;
    SectionView* m_selectedSectionView = nullptr;
};
