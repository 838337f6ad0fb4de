#pragma once

#include <QList>
#include <QWidget>

#include <optional>

class DragIconView;
class QScrollArea;

// The Add tab of the inspector: under the header "Drag and drop to add", a scrolling list of the
// catalogue items the running product shows, 75 points apart, each one draggable onto the canvas.
class ObjectLibraryView : public QWidget {
    Q_OBJECT

public:
    explicit ObjectLibraryView(QWidget* parent = nullptr);

    // Builds the list anew for the product's catalogue key and the page's file extension ("html" pages
    // leave out the form items); the previous items and their highlight go. Items take the width of the
    // list's view, so a library not yet on screen builds when it is first shown.
    void showObjectsList(const QString& pageFileExtension);
    // Clears the highlight of every item.
    void clearDragAndDropIcons();

    // The items of the last build, in display order.
    const QList<DragIconView*>& objectCatalogue() const { return m_objectCatalogue; }
    QWidget* dragObjectsClipView() const { return m_dragObjectsClipView; }
    QScrollArea* dragObjectsScrollView() const { return m_dragObjectsScrollView; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildObjectsList(const QString& pageFileExtension);

    QScrollArea* m_dragObjectsScrollView;
    // The page extension of a build asked for while the library was not on screen.
    std::optional<QString> m_pendingBuild;
    QWidget* m_dragObjectsClipView = nullptr;
    QList<DragIconView*> m_objectCatalogue;
};
