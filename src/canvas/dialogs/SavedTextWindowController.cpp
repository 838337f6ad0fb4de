#include "canvas/dialogs/SavedTextWindowController.h"

#include "platform/Format.h"
#include "platform/UserDefaults.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kSavedTextArrayKey = QStringLiteral("savedTextArray");
const QString kTitleKey = QStringLiteral("title");
const QString kTextContentKey = QStringLiteral("textContent");
constexpr int kRowHeight = 80;

QString countLine(qsizetype count)
{
    return QStringLiteral("%1 text saved").arg(count);
}

} // namespace

SavedTextWindowController::SavedTextWindowController(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_tableView(new QTableWidget(this))
    , m_titleTextField(new QLineEdit(this))
    , m_textView(new QPlainTextEdit(this))
    , m_savedTextRecordIndexTextField(new QLineEdit(this))
    , m_savedTextLabel(new QLabel(this))
    , m_addButton(new QPushButton(tr("New"), this))
    , m_saveButton(new QPushButton(tr("Save"), this))
    , m_deleteButton(new QPushButton(tr("Delete"), this))
    , m_chooseButton(new QPushButton(tr("Add To Text Box"), this))
{
    setObjectName(QStringLiteral("SavedTextWindowController"));
    m_tableView->setObjectName(QStringLiteral("tableView"));
    m_titleTextField->setObjectName(QStringLiteral("titleTextField"));
    m_textView->setObjectName(QStringLiteral("textView"));
    m_savedTextRecordIndexTextField->setObjectName(QStringLiteral("savedTextRecordIndexTextField"));
    m_savedTextLabel->setObjectName(QStringLiteral("savedTextLabel"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_deleteButton->setObjectName(QStringLiteral("deleteButton"));
    m_chooseButton->setObjectName(QStringLiteral("chooseButton"));

    m_tableView->setColumnCount(1);
    m_tableView->horizontalHeader()->hide();
    m_tableView->horizontalHeader()->setStretchLastSection(true);
    m_tableView->verticalHeader()->hide();
    m_tableView->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_tableView->setWordWrap(true);
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont rowFont(QStringLiteral("Heiti TC"));
    rowFont.setPointSize(11);
    m_tableView->setFont(rowFont);
    // The index field names the shown record; the user picks records in the list, not by number.
    m_savedTextRecordIndexTextField->setReadOnly(true);
    m_titleTextField->setPlaceholderText(tr("Title"));

    connect(m_tableView, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem*> chosen = m_tableView->selectedItems();
        if (!chosen.isEmpty())
            displayRecord(chosen.first()->row());
    });
    connect(m_addButton, &QPushButton::clicked, this, &SavedTextWindowController::addNewSavedTextRecord);
    connect(m_saveButton, &QPushButton::clicked, this, &SavedTextWindowController::updateCurrentTextRecord);
    connect(m_deleteButton, &QPushButton::clicked, this, &SavedTextWindowController::deleteSavedTextRecord);

    auto* fields = new QVBoxLayout;
    auto* indexRow = new QHBoxLayout;
    indexRow->addWidget(new QLabel(tr("Record:"), this));
    indexRow->addWidget(m_savedTextRecordIndexTextField);
    indexRow->addStretch();
    fields->addLayout(indexRow);
    fields->addWidget(m_titleTextField);
    fields->addWidget(m_textView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_deleteButton);
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_chooseButton);
    fields->addLayout(buttons);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_tableView, 0, 0);
    layout->addLayout(fields, 0, 1);
    layout->addWidget(m_savedTextLabel, 1, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    resize(720, 420);

    refreshTableView();
}

void SavedTextWindowController::store()
{
    UserDefaults::standard().setObject(m_records, kSavedTextArrayKey);
    refreshTableView();
}

int SavedTextWindowController::shownIndex() const
{
    return int(Format::intValue(m_savedTextRecordIndexTextField->text()));
}

void SavedTextWindowController::saveSavedTextRecord()
{
    m_records.append(
        QVariantMap{{kTitleKey, m_titleTextField->text()}, {kTextContentKey, m_textView->toPlainText()}});
    store();
}

void SavedTextWindowController::updateSavedTextRecord(int index)
{
    if (index < 0 || index >= m_records.size()) {
        saveSavedTextRecord();
        return;
    }
    m_records[index] =
        QVariantMap{{kTitleKey, m_titleTextField->text()}, {kTextContentKey, m_textView->toPlainText()}};
    store();
}

void SavedTextWindowController::updateCurrentTextRecord()
{
    if (m_savedTextRecordIndexTextField->text().isEmpty())
        m_savedTextRecordIndexTextField->setText(QString::number(m_records.size()));
    updateSavedTextRecord(shownIndex());
}

void SavedTextWindowController::deleteSavedTextRecord()
{
    const int index = shownIndex();
    // An index past the end names a record not yet saved (or none at all): nothing to remove.
    if (index < 0 || index >= m_records.size())
        return;
    m_records.removeAt(index);
    store();
}

void SavedTextWindowController::addNewSavedTextRecord()
{
    m_titleTextField->clear();
    m_textView->clear();
    m_savedTextRecordIndexTextField->setText(QString::number(m_records.size()));
    m_titleTextField->setFocus();
}

void SavedTextWindowController::refreshTableView()
{
    m_records = UserDefaults::standard().arrayForKey(kSavedTextArrayKey);
    {
        const QSignalBlocker quiet(m_tableView);
        m_tableView->clearContents();
        m_tableView->setRowCount(int(m_records.size()));
        for (int row = 0; row < m_records.size(); ++row) {
            const QVariantMap record = m_records.at(row).toMap();
            m_tableView->setItem(
                row, 0,
                new QTableWidgetItem(QStringLiteral("%1 %2 ").arg(record.value(kTitleKey).toString(),
                                                                  record.value(kTextContentKey).toString())));
        }
    }
    m_savedTextLabel->setText(countLine(m_records.size()));
    const int index = shownIndex();
    if (index < 0 || index >= m_records.size()) {
        if (m_records.isEmpty())
            resetRecords();
        else
            selectRow(0);
    } else {
        selectRow(index);
    }
}

void SavedTextWindowController::displayRecord(int index)
{
    if (index < 0 || index >= m_records.size())
        return;
    const QVariantMap record = m_records.at(index).toMap();
    m_titleTextField->setText(record.value(kTitleKey).toString());
    m_textView->setPlainText(record.value(kTextContentKey).toString());
    m_savedTextRecordIndexTextField->setText(QString::number(index));
}

void SavedTextWindowController::selectRow(int index)
{
    if (index < 0 || index >= m_records.size())
        return;
    {
        const QSignalBlocker quiet(m_tableView);
        m_tableView->selectRow(index);
    }
    displayRecord(index);
}

void SavedTextWindowController::resetRecords()
{
    m_titleTextField->clear();
    m_textView->clear();
    m_savedTextRecordIndexTextField->clear();
}
