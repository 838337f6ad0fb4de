#include "document/core/SKTDocument.h"

#include "document/core/SKTMapTableOwner.h"
#include "platform/StringsTable.h"

#include <QDebug>

#include <stdexcept>

namespace {

const QString kUndoStrings = QStringLiteral("UndoStrings");

QString undoString(const char* key)
{
    return StringsTable::localizedString(QString::fromLatin1(key), QString(), kUndoStrings);
}

// Each index must land inside the list as it grows, one graphic per index.
void checkInsertionIndexes(const GraphicList& list, const GraphicList& graphics, const IndexSet& indexes)
{
    if (qsizetype(indexes.size()) != graphics.size())
        throw std::out_of_range("insertGraphics: the index set does not match the graphics");
    qsizetype inserted = 0;
    for (int index : indexes) {
        if (index < 0 || index > list.size() + inserted)
            throw std::out_of_range("insertGraphics: index beyond the graphics");
        ++inserted;
    }
}

bool withinList(const GraphicList& list, const IndexSet& indexes)
{
    return indexes.empty() || (*indexes.begin() >= 0 && *indexes.rbegin() < list.size());
}

void checkRemovalIndexes(const GraphicList& list, const IndexSet& indexes)
{
    if (!withinList(list, indexes))
        throw std::out_of_range("removeGraphicsAtIndexes: index beyond the graphics");
}

void checkMoveIndexes(const GraphicList& list, const IndexSet& indexes, const IndexSet& newIndexes)
{
    if (indexes.size() != newIndexes.size())
        throw std::out_of_range("moveGraphicsAtIndexes: the index sets differ in size");
    if (!withinList(list, indexes) || !withinList(list, newIndexes))
        throw std::out_of_range("moveGraphicsAtIndexes: index beyond the graphics");
}

} // namespace

void SKTDocument::insertGraphics(const GraphicList& graphics, const IndexSet& indexes)
{
    checkInsertionIndexes(m_graphics, graphics, indexes);
    auto graphic = graphics.cbegin();
    for (int index : indexes)
        m_graphics.insert(index, *graphic++);
    // Before observing: what the page makes of its new graphics is no step to undo.
    for (const std::shared_ptr<SKTGraphic>& inserted : graphics) {
        inserted->setDocumentContext(this);
        inserted->applyBaseTemplateLock();
    }
    try {
        m_undoManager.registerUndo([this, indexes] { removeGraphicsAtIndexes(indexes); },
                                   [this, graphics, indexes] { insertGraphics(graphics, indexes); });
        // Graphics inserted while undoing or redoing belong to no group of this document.
        const bool recording = m_undoManager.isUndoRegistrationEnabled() && !m_undoManager.isUndoing() &&
                               !m_undoManager.isRedoing();
        if (recording)
            m_undoGroupInsertedGraphics.insert(graphics.cbegin(), graphics.cend());
        startObservingGraphics(graphics);
    } catch (const std::exception& error) {
        qWarning() << "couldn't insert graphic" << error.what();
    }
    if (!indexes.empty())
        Q_EMIT graphicsInserted(indexes);
}

void SKTDocument::removeGraphicsAtIndexes(const IndexSet& indexes)
{
    checkRemovalIndexes(m_graphics, indexes);
    GraphicList removed;
    for (int index : indexes)
        removed.append(m_graphics.at(index));
    try {
        stopObservingGraphics(removed);
        m_undoManager.registerUndo([this, removed, indexes] { insertGraphics(removed, indexes); },
                                   [this, indexes] { removeGraphicsAtIndexes(indexes); });
        for (auto it = indexes.rbegin(); it != indexes.rend(); ++it)
            m_graphics.removeAt(*it);
    } catch (const std::exception& error) {
        qWarning() << "no need to remove" << error.what();
        return;
    }
    leaveGraphics(removed);
    if (!indexes.empty())
        Q_EMIT graphicsRemoved(indexes, removed);
}

void SKTDocument::moveGraphicsAtIndexes(const IndexSet& indexes, const IndexSet& newIndexes)
{
    checkMoveIndexes(m_graphics, indexes, newIndexes);
    if (indexes == newIndexes)
        return;
    GraphicList moving;
    for (int index : indexes)
        moving.append(m_graphics.at(index));
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it)
        m_graphics.removeAt(*it);
    auto graphic = moving.cbegin();
    for (int index : newIndexes)
        m_graphics.insert(index, *graphic++);
    // Not a removal and an insertion: the graphics were never away, so their later changes in the same undo
    // group are recorded as any other graphic's.
    m_undoManager.registerUndo([this, indexes, newIndexes] { moveGraphicsAtIndexes(newIndexes, indexes); },
                               [this, indexes, newIndexes] { moveGraphicsAtIndexes(indexes, newIndexes); });
    Q_EMIT graphicsMoved(indexes, newIndexes);
}

void SKTDocument::leaveGraphics(const GraphicList& graphics)
{
    // A graphic another document took meanwhile keeps that one.
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (graphic->graphicContext() == this)
            graphic->setDocumentContext(nullptr);
    }
}

void SKTDocument::startObservingGraphics(const GraphicList& graphics)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (!graphic)
            continue;
        Observation& observation = m_observations[graphic.get()];
        QObject::disconnect(observation.connection);
        observation.graphic = graphic;
        observation.keys = graphic->keysForValuesToObserveForUndo();
        observation.values.clear();
        for (const QString& key : std::as_const(observation.keys))
            observation.values.insert(key, graphic->valueForKey(key));
        const SKTGraphic* observed = graphic.get();
        observation.connection =
            connect(graphic.get(), &SKTGraphic::valueChanged, this,
                    [this, observed](const QString& key) { graphicValueChanged(observed, key); });
    }
}

void SKTDocument::stopObservingGraphics(const GraphicList& graphics)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        const auto it = m_observations.find(graphic.get());
        if (it == m_observations.end())
            continue;
        QObject::disconnect(it->connection);
        m_observations.erase(it);
    }
}

void SKTDocument::graphicValueChanged(const SKTGraphic* graphic, const QString& key)
{
    const auto it = m_observations.find(graphic);
    if (it == m_observations.end())
        return;
    Observation& observation = *it;
    if (key == SKTGraphic::kUndoKeysKey) {
        observeUndoKeysChange(observation);
        return;
    }
    if (!observation.keys.contains(key))
        return;
    const QVariant oldValue = observation.values.value(key);
    const QVariant newValue = graphic->valueForKey(key);
    observation.values.insert(key, newValue);
    // The observation may end while the change is recorded; keep the graphic alive meanwhile.
    const std::shared_ptr<SKTGraphic> changed = observation.graphic;
    observeValueForKeyPath(key, changed, oldValue, newValue);
}

void SKTDocument::observeUndoKeysChange(Observation& observation)
{
    const QSet<QString> newKeys = observation.graphic->keysForValuesToObserveForUndo();
    for (const QString& key : observation.keys - newKeys)
        observation.values.remove(key);
    for (const QString& key : newKeys - observation.keys)
        observation.values.insert(key, observation.graphic->valueForKey(key));
    observation.keys = newKeys;
}

void SKTDocument::observeValueForKeyPath(const QString& keyPath, const std::shared_ptr<SKTGraphic>& graphic,
                                         const QVariant& oldValue, const QVariant& newValue)
{
    // Undoing and redoing restore values themselves; with registration off nothing is recorded.
    if (m_undoManager.isUndoing() || m_undoManager.isRedoing() || !m_undoManager.isUndoRegistrationEnabled())
        return;
    if (m_undoGroupInsertedGraphics.count(graphic))
        return;
    if (newValue == oldValue)
        return;
    if (!m_undoGroupOldPropertiesPerGraphic) {
        auto owner = std::make_shared<SKTMapTableOwner>();
        m_undoGroupOldPropertiesPerGraphic = owner;
        // Both directions swap the recorded values with the current ones.
        const auto swapValues = [this, owner] {
            SKTMapTableOwner current;
            for (const SKTMapTableOwner::Entry& entry : owner->mapTable()) {
                QVariantMap& values = current.propertiesFor(entry.first);
                for (auto it = entry.second.constBegin(); it != entry.second.constEnd(); ++it)
                    values.insert(it.key(), entry.first->valueForKey(it.key()));
            }
            setGraphicProperties(*owner);
            *owner = current;
        };
        m_undoManager.registerUndo(swapValues, swapValues);
    }
    QVariantMap& oldProperties = m_undoGroupOldPropertiesPerGraphic->propertiesFor(graphic);
    if (!oldProperties.contains(keyPath))
        oldProperties.insert(keyPath, oldValue);
    nameUndoGroup(*graphic, keyPath);
}

void SKTDocument::nameUndoGroup(const SKTGraphic& graphic, const QString& keyPath)
{
    QString presentableName = graphic.presentablePropertyNameForKey(keyPath);
    // A programming error, but this runs inside the graphic's signal: it is logged and the key names the
    // step, instead of an exception that would cross the setter's caller.
    if (presentableName.isNull()) {
        qCritical().noquote() << QStringLiteral(
                                     "[[%1 class] keysForValuesToObserveForUndo] returns a set that "
                                     "includes @\"%2\", but [[%1 class] "
                                     "presentablePropertyNameForKey:@\"%2\"] returns nil.")
                                     .arg(graphic.className(), keyPath);
        presentableName = keyPath;
    }
    if (m_undoGroupHasChangesToMultipleProperties)
        return;
    if (m_undoGroupPresentablePropertyName.isNull()) {
        m_undoManager.setActionName(
            undoString("Change of %@").replace(QStringLiteral("%@"), presentableName));
        m_undoGroupPresentablePropertyName = presentableName;
    } else if (m_undoGroupPresentablePropertyName != presentableName) {
        m_undoManager.setActionName(undoString("Change of Multiple Graphic Properties"));
        m_undoGroupHasChangesToMultipleProperties = true;
        m_undoGroupPresentablePropertyName = QString();
    }
}

void SKTDocument::setGraphicProperties(const SKTMapTableOwner& owner)
{
    for (const SKTMapTableOwner::Entry& entry : owner.mapTable())
        entry.first->setValuesForKeysWithDictionary(entry.second);
}

void SKTDocument::observeUndoManagerCheckpoint()
{
    m_undoGroupHasChangesToMultipleProperties = false;
    m_undoGroupPresentablePropertyName = QString();
    m_undoGroupOldPropertiesPerGraphic.reset();
    m_undoGroupInsertedGraphics.clear();
}
