#include "../input/CanvasInputTestSupport.h"

#include "canvas/dialogs/SavedTextWindowController.h"
#include "canvas/view/CanvasContextMenu.h"
#include "model/text/TextStorage.h"
#include "platform/UserDefaults.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

// The saved-text collection: records kept in the user defaults, edited in their window, added from a text
// box and appended to one.

namespace {

const QString kKey = QStringLiteral("savedTextArray");

QVariantMap record(const QString& title, const QString& text)
{
    return {{QStringLiteral("title"), title}, {QStringLiteral("textContent"), text}};
}

class SavedTextWindowTest : public CanvasInputTest {
protected:
    void store(const QVariantList& records) { UserDefaults::standard().setObject(records, kKey); }
    static QVariantList stored() { return UserDefaults::standard().arrayForKey(kKey); }

    // The collection opened from the canvas, as the context menu opens it.
    SavedTextWindowController& opened()
    {
        view->launchSavedTextWindow();
        SavedTextWindowController* window = view->savedTextWindowController();
        EXPECT_TRUE(window && window->isVisible());
        return *window;
    }

    template <typename T> T* control(SavedTextWindowController& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QString title(SavedTextWindowController& w) { return control<QLineEdit>(w, "titleTextField")->text(); }
    QString text(SavedTextWindowController& w)
    {
        return control<QPlainTextEdit>(w, "textView")->toPlainText();
    }
    QString index(SavedTextWindowController& w)
    {
        return control<QLineEdit>(w, "savedTextRecordIndexTextField")->text();
    }
    void click(SavedTextWindowController& w, const char* button)
    {
        QTest::mouseClick(control<QPushButton>(w, button), Qt::LeftButton);
    }
    void type(SavedTextWindowController& w, const QString& newTitle, const QString& newText)
    {
        control<QLineEdit>(w, "titleTextField")->setText(newTitle);
        control<QPlainTextEdit>(w, "textView")->setPlainText(newText);
    }

    std::shared_ptr<SKTText> selectedBox(const QString& text)
    {
        auto box = addText(text, QRectF(10, 10, 200, 60));
        view->changeSelectionIndexes({int(document.graphics().indexOf(box))});
        EXPECT_TRUE(view->savedTextShown());
        return box;
    }
};

} // namespace

TEST_F(SavedTextWindowTest, WithoutRecordsTheWindowOpensEmpty)
{
    SavedTextWindowController& window = opened();
    EXPECT_EQ(window.windowTitle(), "Saved Text Collection");
    EXPECT_EQ(control<QLabel>(window, "savedTextLabel")->text(), "0 text saved");
    EXPECT_EQ(title(window), "");
    EXPECT_EQ(text(window), "");
    EXPECT_EQ(index(window), "");
    EXPECT_EQ(control<QTableWidget>(window, "tableView")->rowCount(), 0);
}

TEST_F(SavedTextWindowTest, WithRecordsTheWindowOpensOnTheFirstAndRowsShowTitleAndText)
{
    store({record("Greeting", "Hello there"), record("Bye", "See you")});
    SavedTextWindowController& window = opened();
    EXPECT_EQ(control<QLabel>(window, "savedTextLabel")->text(), "2 text saved");
    EXPECT_EQ(title(window), "Greeting");
    EXPECT_EQ(text(window), "Hello there");
    EXPECT_EQ(index(window), "0");
    QTableWidget* table = control<QTableWidget>(window, "tableView");
    EXPECT_EQ(table->item(1, 0)->text(), "Bye See you ");
    EXPECT_EQ(table->rowHeight(0), 80);

    table->selectRow(1);
    EXPECT_EQ(title(window), "Bye");
    EXPECT_EQ(index(window), "1");
}

TEST_F(SavedTextWindowTest, SavingAppendsWithAnEmptyOrNewIndexAndReplacesAnExistingRecord)
{
    store({record("A", "a"), record("B", "b")});
    SavedTextWindowController& window = opened();

    // The shown record 1 is replaced in place.
    control<QTableWidget>(window, "tableView")->selectRow(1);
    type(window, "B2", "b2");
    click(window, "saveButton");
    EXPECT_EQ(stored(), QVariantList({record("A", "a"), record("B2", "b2")}));

    // A new record takes the next index.
    click(window, "addButton");
    EXPECT_EQ(index(window), "2");
    EXPECT_EQ(title(window), "");
    type(window, "C", "c");
    click(window, "saveButton");
    EXPECT_EQ(stored(), QVariantList({record("A", "a"), record("B2", "b2"), record("C", "c")}));
    EXPECT_EQ(index(window), "2");

    // An empty index field appends too.
    control<QLineEdit>(window, "savedTextRecordIndexTextField")->clear();
    type(window, "D", "d");
    window.updateCurrentTextRecord();
    EXPECT_EQ(stored().size(), 4);
    EXPECT_EQ(stored().last(), QVariant(record("D", "d")));
    EXPECT_EQ(control<QLabel>(window, "savedTextLabel")->text(), "4 text saved");
}

TEST_F(SavedTextWindowTest, DeletingRemovesTheShownRecordAndNothingWhenNoneIsShown)
{
    store({record("A", "a"), record("B", "b"), record("C", "c")});
    SavedTextWindowController& window = opened();
    click(window, "deleteButton");
    EXPECT_EQ(stored(), QVariantList({record("B", "b"), record("C", "c")}));
    EXPECT_EQ(title(window), "B") << "the new record 0 shows";
    EXPECT_EQ(index(window), "0");

    // A record begun but not saved names no record: nothing goes.
    click(window, "addButton");
    click(window, "deleteButton");
    EXPECT_EQ(stored().size(), 2);

    window.selectRow(0);
    click(window, "deleteButton");
    click(window, "deleteButton");
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(title(window), "");
    EXPECT_EQ(index(window), "");
    click(window, "deleteButton");
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(SavedTextWindowTest, ABoxsTextIsAddedAsADatedRecord)
{
    selectedBox(QStringLiteral("First words"));
    view->addToSavedTextWindow();
    view->addToSavedTextWindow();
    const QVariantList records = stored();
    ASSERT_EQ(records.size(), 2);
    for (const QVariant& r : records) {
        EXPECT_TRUE(r.toMap().value("title").toString().startsWith("Added "))
            << r.toMap().value("title").toString().toStdString();
        EXPECT_EQ(r.toMap().value("textContent"), "First words");
    }
    EXPECT_TRUE(records.first().toMap().value("title").toString().contains(",  "));
    SavedTextWindowController& window = *view->savedTextWindowController();
    EXPECT_EQ(index(window), "1") << "the window shows the added record";
}

TEST_F(SavedTextWindowTest, ChoosingASavedTextAppendsItToTheBoxOnALineOfItsOwn)
{
    store({record("Sign-off", "Kind regards")});
    auto box = selectedBox(QStringLiteral("abc"));
    SavedTextWindowController& window = opened();
    click(window, "chooseButton");
    EXPECT_EQ(box->contents().string(), "abc\nKind regards");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SavedTextWindowTest, TheContextMenuOffersSavedTextForOnePlainTextBoxOnly)
{
    QMenu* menu = CanvasContextMenu::build(*view, view.get());
    const auto shown = [&] {
        CanvasContextMenu::validate(*menu, *view);
        const QAction* item = menu->findChild<QAction*>(QStringLiteral("savedTextOptions"));
        return item && item->isVisible();
    };
    auto box = selectedBox(QStringLiteral("plain"));
    EXPECT_TRUE(shown());
    box->setFormType(QStringLiteral("text"));
    EXPECT_FALSE(shown());
    box->setFormType(QStringLiteral(""));
    ASSERT_TRUE(shown());
    for (QAction* item : menu->findChildren<QAction*>()) {
        if (item->objectName() == "launchSavedTextWindow")
            item->trigger();
    }
    ASSERT_TRUE(view->savedTextWindowController());
    EXPECT_TRUE(view->savedTextWindowController()->isVisible());
}
