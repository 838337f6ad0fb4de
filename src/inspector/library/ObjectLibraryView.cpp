#include "inspector/library/ObjectLibraryView.h"

#include "inspector/controls/RowListScrollView.h"
#include "inspector/library/DragIconView.h"
#include "inspector/library/ObjectCatalogue.h"
#include "platform/NotificationCenter.h"
#include "platform/StringsTable.h"
#include "profile/DataCentre.h"

#include <QLabel>
#include <QScrollArea>

namespace {

constexpr int kHeaderHeight = 30;
constexpr int kItemHeight = 75;
// The list is this much taller than its items: the header above them and as much again below the last.
constexpr int kListExtraHeight = 60;

constexpr QLatin1StringView kHeaderText{"Drag and drop to add"};
constexpr QLatin1StringView kHeaderFont{"Heiti TC"};
constexpr int kHeaderPixelSize = 15;
constexpr QLatin1StringView kHeaderTable{"Localizable"};

QLabel* newHeader(int width, QWidget* parent)
{
    auto* header =
        new QLabel(StringsTable::localizedString(QString(kHeaderText), {}, QString(kHeaderTable)), parent);
    header->setObjectName(QStringLiteral("dragObjectsHeader"));
    header->setGeometry(0, 0, width, kHeaderHeight);
    // The layout's points are pixels of the screen, so the font is sized in pixels as well.
    QFont font{QString(kHeaderFont)};
    font.setPixelSize(kHeaderPixelSize);
    header->setFont(font);
    header->setStyleSheet(QStringLiteral("color: #555555"));
    header->setAlignment(Qt::AlignCenter);
    header->setTextInteractionFlags(Qt::NoTextInteraction);
    return header;
}

} // namespace

ObjectLibraryView::ObjectLibraryView(QWidget* parent)
    : QWidget(parent)
{
    m_dragObjectsScrollView = makeRowListScrollView(*this, QStringLiteral("dragObjectsScrollView"));
    NotificationCenter::defaultCenter().addObserver(this, QString(kClearDragAndDropIcons),
                                                    [this](const Notification&) { clearDragAndDropIcons(); });
}

void ObjectLibraryView::showObjectsList(const QString& pageFileExtension)
{
    if (!isVisible()) {
        m_pendingBuild = pageFileExtension;
        return;
    }
    m_pendingBuild.reset();
    buildObjectsList(pageFileExtension);
}

void ObjectLibraryView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_pendingBuild)
        showObjectsList(*m_pendingBuild);
}

void ObjectLibraryView::buildObjectsList(const QString& pageFileExtension)
{
    // Items and list keep the width they are built with; only the scroll view follows later resizes.
    const int width = m_dragObjectsScrollView->viewport()->width();
    auto* list = new QWidget;
    list->setObjectName(QStringLiteral("dragObjectsClipView"));
    newHeader(width, list);

    QList<DragIconView*> shown;
    const QString& catalogName = DataCentre::profile().objectCatalogName;
    for (const ObjectCatalogueItem& item : objectCatalogueItems()) {
        if (!isShownInLibrary(item, catalogName, pageFileExtension))
            continue;
        auto* view = new DragIconView(item, list);
        view->setGeometry(0, kHeaderHeight + kItemHeight * shown.size(), width, kItemHeight);
        view->setupSubViews();
        shown.append(view);
    }
    list->resize(width, kItemHeight * shown.size() + kListExtraHeight);

    m_objectCatalogue = shown;
    m_dragObjectsClipView = list;
    m_dragObjectsScrollView->setWidget(list); // deletes the previous list and its items
}

void ObjectLibraryView::clearDragAndDropIcons()
{
    for (DragIconView* item : std::as_const(m_objectCatalogue))
        item->setHighlightFlag(false);
}
