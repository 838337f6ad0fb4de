#include "canvas/drop/DropDispatch.h"

#include "canvas/clipboard/GraphicsPasteboard.h"
#include "canvas/drop/DragCodePasteboard.h"
#include "profile/ProductProfile.h"

#include <QMimeData>

#include <algorithm>
#include <cmath>

namespace DropDispatch {

namespace {

const QString kSectionCodePrefix = QStringLiteral("velk_section");
// How far right of the one before each dropped image file lands.
constexpr int kImageFileStep = 50;

bool holdsFileNames(const QMimeData& data)
{
    return !dragCodeFromMimeData(data).isNull() || !GraphicsPasteboard::fileNames(data).isEmpty();
}

} // namespace

DragKind dragKindOf(const QMimeData& data, const ProductProfile& profile)
{
    if (data.hasColor())
        return DragKind::Colour;
    if (holdsFileNames(data))
        return DragKind::FileNames;
    if (profile.dragInspector && data.hasFormat(QString(kFilePromiseMimeType)))
        return DragKind::FilePromises;
    return DragKind::Other;
}

QStringList droppedNames(const QMimeData& data)
{
    const QString code = dragCodeFromMimeData(data);
    return code.isNull() ? GraphicsPasteboard::fileNames(data) : QStringList{code};
}

int filePromiseCount(const QMimeData& data)
{
    const QList<QByteArray> entries = data.data(QString(kFilePromiseMimeType)).split('\n');
    return int(std::count_if(entries.cbegin(), entries.cend(),
                             [](const QByteArray& entry) { return !entry.trimmed().isEmpty(); }));
}

bool isSectionCode(const QString& name)
{
    return name.size() > kSectionCodePrefix.size() && name.startsWith(kSectionCodePrefix);
}

Qt::DropAction dragOperation(const QMimeData& data, const PageAtPoint& page, const ProductProfile& profile)
{
    switch (dragKindOf(data, profile)) {
    case DragKind::Other:
        return GraphicsPasteboard::offersImage(data) ? Qt::CopyAction : Qt::IgnoreAction;
    case DragKind::Colour:
        return page.graphicUnderPoint ? Qt::LinkAction : Qt::IgnoreAction;
    case DragKind::FileNames: {
        if (isSectionCode(droppedNames(data).value(0)) || !profile.responsiveDesign)
            return Qt::CopyAction;
        return page.insideSectionContent && !page.graphicAtPoint ? Qt::CopyAction : Qt::IgnoreAction;
    }
    case DragKind::FilePromises:
        return Qt::CopyAction;
    }
    return Qt::IgnoreAction;
}

QPointF dropPoint(const QPointF& point, const ProductProfile& profile)
{
    QPointF at = point;
    if (profile.customTextBoxHeight && profile.textBoxDefaultHeight > 0) {
        const double h = profile.textBoxDefaultHeight;
        at = QPointF(int(std::round(point.x() / h) * h), int(std::round(point.y() / h) * h));
    }
    return QPointF(int(at.x()), int(at.y()));
}

int zoomStep(double zoom)
{
    return int(std::max(1.0, 2.0 / zoom));
}

void dispatchNames(const QStringList& names, const QPointF& point, const ProductProfile& profile,
                   const NameActions& actions)
{
    const QPointF at = dropPoint(point, profile);
    for (qsizetype k = 0; k < names.size(); ++k) {
        const std::optional<DropFlow> flow = actions.runLibraryCode(names.at(k), at);
        if (flow == DropFlow::Ends)
            return;
        if (!flow)
            actions.addImageFile(names.at(k), QPointF(at.x() + kImageFileStep * k, at.y()));
    }
}

} // namespace DropDispatch
