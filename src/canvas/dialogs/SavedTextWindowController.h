#pragma once

#include <QVariantList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The collection of saved texts, kept in the user defaults under "savedTextArray" as records of a
// "title" and a "textContent", in the order they were added. The window lists them and shows one: the
// record it shows is the one the index field names. Every change writes the whole list back.
class SavedTextWindowController : public QWidget {
    Q_OBJECT

public:
    explicit SavedTextWindowController(QWidget* parent = nullptr);

    QTableWidget* tableView() const { return m_tableView; }
    QLineEdit* titleTextField() const { return m_titleTextField; }
    QPlainTextEdit* textView() const { return m_textView; }
    QLineEdit* savedTextRecordIndexTextField() const { return m_savedTextRecordIndexTextField; }
    QLabel* savedTextLabel() const { return m_savedTextLabel; }
    QPushButton* chooseButton() const { return m_chooseButton; }
    // The records as last read from the user defaults.
    QVariantList savedTextMutableArray() const { return m_records; }

    // Appends the record of the title field and the text view.
    void saveSavedTextRecord();
    // Replaces the record at the index with the title field and the text view; appends for an index that
    // names no record.
    void updateSavedTextRecord(int index);
    // Saves the shown record, or a new one when the index field is empty.
    void updateCurrentTextRecord();
    // Removes the record the index field names; nothing when it names none.
    void deleteSavedTextRecord();
    // Empties the fields for a new record, which will take the next index.
    void addNewSavedTextRecord();
    // Reads the records again and shows the one the index field names, else the first, else none.
    void refreshTableView();
    void displayRecord(int index);
    // Selects the row and shows its record; nothing for an index past the end.
    void selectRow(int index);
    void resetRecords();

private:
    void store();
    // The index field as a whole number; empty or unreadable text is 0.
    int shownIndex() const;

    QTableWidget* m_tableView;
    QLineEdit* m_titleTextField;
    QPlainTextEdit* m_textView;
    QLineEdit* m_savedTextRecordIndexTextField;
    QLabel* m_savedTextLabel;
    QPushButton* m_addButton;
    QPushButton* m_saveButton;
    QPushButton* m_deleteButton;
    QPushButton* m_chooseButton;
    QVariantList m_records;
};
