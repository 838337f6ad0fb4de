#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/MultiplyViewController.h"
#include "canvas/factories/TextBoxArguments.h"
#include "document/core/GraphicClasses.h"
#include "model/SKTLine.h"
#include "platform/Alert.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>

#include <algorithm>
#include <cmath>

// The branch generator: one selected text box becomes a chart node, with a larger translucent hub behind
// it and a ring of lines leading to scaled copies of it.

namespace {

constexpr int kBranchLineWidth = 10;
const QString kBranchLineColor = QStringLiteral("555555");
const QString kFallbackFamily = QStringLiteral("Helvetica Neue");
constexpr int kFallbackSize = 15;

struct PopUpItems {
    QStringList titles;
    int preselected;
};

QStringList numberTitles(int from, int to, int step)
{
    QStringList titles;
    for (int value = from; value <= to; value += step)
        titles.append(Format::integer(value));
    return titles;
}

QStringList sizeTitles()
{
    QStringList titles;
    for (int tenths = 1; tenths <= 15; ++tenths)
        titles.append(Format::printf("%d.%d", tenths / 10, tenths % 10));
    return titles;
}

void fill(QComboBox& popUp, const PopUpItems& items)
{
    popUp.clear();
    popUp.addItems(items.titles);
    popUp.setCurrentIndex(items.preselected);
}

// The style every box of a generation takes from its source.
TextBoxArguments branchStyle(const SKTGraphic& source)
{
    TextBoxArguments a;
    a.text = QStringLiteral(" ");
    const QColor fill = source.fillColor();
    a.fillColor = fill.alpha() == 0 ? QString(DataCentre::kClearColorString) : DataCentre::asHexString(fill);
    a.textColor = DataCentre::asHexString(source.fontColor());
    // The stored family is kept even when this machine lacks it; only a box without one falls back.
    const bool hasFamily = !source.fontFamily().isEmpty();
    a.font = QFont(hasFamily ? source.fontFamily() : kFallbackFamily);
    a.font.setPointSizeF(hasFamily && source.fontSize() > 0 ? source.fontSize() : kFallbackSize);
    a.linkType = QString();
    return a;
}

} // namespace

QRectF SKTGraphicView::generateNewRect(const QRectF& rect)
{
    const int width = int(2 * rect.width());
    const int height = int(2 * rect.height());
    return QRectF(int(rect.x() - (width - rect.width()) * 0.5), int(rect.y() - (height - rect.height()) * 0.5),
                  width, height);
}

void SKTGraphicView::multiplyNewShapes()
{
    if (!addBranchShown()) {
        Alert(QCoreApplication::translate("SKTGraphicView", "Nothing Selected"),
              QCoreApplication::translate("SKTGraphicView", "Please select a text box or shape to generate branch"))
            .runModal(window());
        return;
    }
    showMultipleNewShapeWindow();
}

void SKTGraphicView::showMultipleNewShapeWindow()
{
    auto* controller = new MultiplyViewController;
    controller->setFixedSize(220, 300);
    m_multiplyViewController = controller;
    connect(controller->addButton(), &QPushButton::clicked, this, &SKTGraphicView::addMultipleShapesSelected);
    fill(*controller->popupButton(), {numberTitles(1, 100, 1), 4});
    fill(*controller->sizePopUpButton(), {sizeTitles(), 6});
    fill(*controller->distancePopUpButton(), {numberTitles(50, 950, 50), 5});
    fill(*controller->lineTypePopUpButton(),
         {{QStringLiteral("dashed"), QStringLiteral("dotted"), QStringLiteral("solid")}, 0});
    fill(*controller->degreePopUpButton(),
         {{QStringLiteral("360"), QStringLiteral("270"), QStringLiteral("180"), QStringLiteral("90"),
           QStringLiteral("75"), QStringLiteral("60"), QStringLiteral("45"), QStringLiteral("-45"),
           QStringLiteral("-90"), QStringLiteral("-180"), QStringLiteral("-270")},
          0});

    showInVelkPopOver(controller);
}

void SKTGraphicView::addMultipleShapesSelected()
{
    const MultiplyViewController* controller = m_multiplyViewController;
    if (!controller)
        return;
    // The last selected text box is the source; with none selected now (the selection changed while the
    // popover was open) there is nothing to branch from, and an earlier source may have left the page.
    std::shared_ptr<SKTGraphic> source;
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
        if (GraphicClasses::isKindOfClass(*graphic, GraphicClasses::text))
            source = graphic;
    }
    if (!source)
        return;
    m_workingState.branchStyleTextbox = source;

    const int count = controller->popupButton()->currentText().toInt();
    const int degrees = controller->degreePopUpButton()->currentText().toInt();
    const QString lineStyle = controller->lineTypePopUpButton()->currentText();
    const double distance = Format::doubleValue(controller->distancePopUpButton()->currentText());
    const QString sizeTitle = controller->sizePopUpButton()->currentText();
    if (count <= 0)
        return;

    const QRectF s = source->bounds();
    const double radiusOfSource = source->cornerRadius();
    const TextBoxArguments style = branchStyle(*source);
    SKTDocument& document = mutableGraphics();
    document.undoManager().beginUndoGrouping();

    TextBoxArguments hub = style;
    hub.frame = generateNewRect(s);
    hub.opacity = 0.5f;
    hub.cornerRadius = int(2 * radiusOfSource);
    addTextBox(hub);

    const float stepRadians = float(SKTLine::DegreesToRadians(degrees / count));
    const QPointF centre(hub.frame.x() + 0.5 * hub.frame.width(), hub.frame.y() + 0.5 * hub.frame.height());
    const float radius = float(std::max(count / 10, 1)) * float(distance);
    for (int i = 0; i < count; ++i) {
        const float angle = float(i) * stepRadians;
        const QPointF end(int(std::cos(double(angle)) * radius + centre.x()),
                          int(std::sin(double(angle)) * radius + centre.y()));
        addTrueLine(centre, end, kBranchLineColor, lineStyle, kBranchLineWidth, QStringLiteral("0"),
                    QStringLiteral("0"), -99);
        const float scale = Format::floatValue(sizeTitle);
        const int width = int(s.width() * scale);
        const int height = int(s.height() * scale);
        TextBoxArguments branch = style;
        branch.frame = QRectF(end.x() - width / 2, end.y() - height / 2, width, height);
        branch.cornerRadius = int(radiusOfSource * scale);
        addTextBox(branch);
    }
    // The source lies in front of its hub, lines and branches.
    const int sourceIndex = int(document.graphics().indexOf(source));
    if (sourceIndex > 0)
        document.moveGraphicsAtIndexes({sourceIndex}, {0});
    nameUndoStep("Add Branches");
    document.undoManager().endUndoGrouping();
    if (m_velkPopOver)
        m_velkPopOver->close();
}
