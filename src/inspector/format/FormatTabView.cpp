#include "inspector/format/FormatTabView.h"

#include "inspector/color/ColorModel.h"
#include "inspector/controls/RowListScrollView.h"
#include "inspector/controls/ValueSlider.h"
#include "inspector/format/FormatIconView.h"
#include "inspector/panel/InspectorControls.h"
#include "model/ColorTarget.h"
#include "platform/SegmentedControl.h"
#include "platform/StringsTable.h"
#include "profile/DataCentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

namespace {

constexpr int kHeaderHeight = 20;
constexpr int kEmptyHeaderHeight = 40;
constexpr QLatin1StringView kTitleTable{"Localizable"};
constexpr QLatin1StringView kDescriptionColour{"555555"};

QStringList levelNames()
{
    return {"None", "Tiny", "Small", "Medium", "Large", "XL", "XXL"};
}

QString localized(const QString& text)
{
    return StringsTable::localizedString(text, {}, QString(kTitleTable));
}

} // namespace

// One row being built: the record and the vertical room its label took beyond its first line.
struct FormatTabView::RowBuilder {
    FormatIconView& view;
    int number;
    int width;
    int dy;

    QRect frame(int x, int y, int w, int h) const { return QRect(x, y + dy, w, h); }
};

FormatTabView::FormatTabView(const InspectorControls& controls, ColorModel& colors, QWidget* parent)
    : QWidget(parent)
    , m_controls(controls)
    , m_colors(colors)
    , m_controlStore(new QWidget(parent))
{
    setObjectName(QStringLiteral("formatTab"));
    m_controlStore->setObjectName(QStringLiteral("formatControlStore"));
    m_controlStore->hide();
    m_dragObjectsScrollView = makeRowListScrollView(*this, QStringLiteral("formatScrollView"));
}

FormatTabView::~FormatTabView()
{
    clearDragAndDropScrollView();
}

void FormatTabView::clearDragAndDropScrollView()
{
    for (QWidget* control : std::as_const(m_borrowedControls)) {
        if (!control)
            continue;
        control->setParent(m_controlStore);
    }
    m_borrowedControls.clear();
    m_formatIconViews.clear();
    m_formatPanelLabelTextField = nullptr;
    m_dragObjectsClipView = nullptr;
    // Deletes the list with its rows and the controls they made.
    delete m_dragObjectsScrollView->takeWidget();
}

FormatIconView* FormatTabView::usedRowWithCode(const QString& code) const
{
    for (auto it = m_formatIconViews.crbegin(); it != m_formatIconViews.crend(); ++it) {
        if ((*it)->dragAndDropCodeName() == code && (*it)->isUsed())
            return *it;
    }
    return nullptr;
}

void FormatTabView::updateIconViewDescriptionForLine()
{
    for (auto it = m_formatIconViews.crbegin(); it != m_formatIconViews.crend(); ++it) {
        if ((*it)->dragAndDropCodeName() == QLatin1String("selectedBorderColorButton")) {
            (*it)->setObjectTitle(localized(QString(kLineColorTitle)));
            (*it)->setObjectDescription(QString(kLineColorDescription));
            return;
        }
    }
}

void FormatTabView::showFormattingOptions(const GraphicList& selected)
{
    clearDragAndDropScrollView();
    // Rows take the panel's width beside the scroll bar, also while the tab is not yet laid out.
    const int width =
        parentWidget()->width() - m_dragObjectsScrollView->verticalScrollBar()->sizeHint().width();
    auto* list = new QWidget;
    list->setObjectName(QStringLiteral("dragObjectsClipView"));
    m_dragObjectsClipView = list;
    m_colors.refreshColorButtons();

    for (const FormatRowEntry& entry : formatRowTable()) {
        auto* row = new FormatIconView(list);
        row->setObjectName(QStringLiteral("formatRow%1").arg(entry.number));
        row->setObjectTitle(localized(entry.title));
        row->setObjectDescription(entry.description);
        row->setImageName(entry.imageName);
        row->setDragAndDropCodeName(entry.dragAndDropCodeName);
        row->setTypeArray(entry.typeArray);
        row->setSupportedAppArray(entry.supportedAppArray);
        row->setIconViewHeight(entry.iconViewHeight);
        row->hide();
        m_formatIconViews.append(row);
    }

    const QStringList kinds = formatKinds(selected);
    if (kinds.contains(QStringLiteral("Line")))
        updateIconViewDescriptionForLine();
    const int headerHeight = selected.isEmpty() ? kEmptyHeaderHeight : kHeaderHeight;
    m_formatPanelLabelTextField = new QLabel(formatHeaderText(selected.size()), list);
    m_formatPanelLabelTextField->setObjectName(QStringLiteral("formatPanelLabelTextField"));
    m_formatPanelLabelTextField->setGeometry(0, 0, width, headerHeight);
    m_formatPanelLabelTextField->setAlignment(Qt::AlignCenter);
    m_formatPanelLabelTextField->setWordWrap(true);
    m_formatPanelLabelTextField->setStyleSheet(QStringLiteral("color: #555555"));
    m_formatPanelLabelTextField->setTextInteractionFlags(Qt::NoTextInteraction);

    const ProductProfile& profile = DataCentre::profile();
    const QList<int> chosen = chooseFormatRows(
        kinds, {profile.objectCatalogName, profile.responsiveDesign, profile.productDisplayName});

    int y = headerHeight;
    for (FormatIconView* row : std::as_const(m_formatIconViews)) {
        const int number = int(m_formatIconViews.indexOf(row)) + 1;
        row->setIsUsed(chosen.contains(number));
        row->setIconLabelString(FormatIconView::labelString(row->objectTitle(), row->objectDescription(),
                                                            QString(kDescriptionColour)));
        row->setGeometry(0, y, width, row->rowHeight());
        row->setupSubViews();
        RowBuilder builder{*row, number, width, row->labelOverflow()};
        placeControls(builder);
        row->resize(width, row->rowHeight() + builder.dy);
        if (!row->isUsed())
            continue;
        row->show();
        y += row->height();
    }
    list->resize(width, y + 2 * headerHeight);
    m_dragObjectsScrollView->setWidget(list);
}

void FormatTabView::placeControls(RowBuilder& row)
{
    const InspectorControls& c = m_controls;
    const int w = row.width;
    const auto put = [&](QWidget* control, const QRect& frame) {
        control->setParent(&row.view);
        control->setGeometry(row.frame(frame.x(), frame.y(), frame.width(), frame.height()));
        control->show();
        m_borrowedControls.append(control);
    };
    const auto caption = [&](const QString& text, const QRect& frame, Qt::Alignment alignment) {
        auto* label = new QLabel(text, &row.view);
        label->setGeometry(row.frame(frame.x(), frame.y(), frame.width(), frame.height()));
        label->setAlignment(alignment | Qt::AlignTop);
        label->setStyleSheet(QStringLiteral("color: grey; font-size: 12px"));
        label->setTextInteractionFlags(Qt::NoTextInteraction);
    };
    const auto levelPopup = [&](const QString& name, const QRect& frame) {
        auto* popup = new QComboBox(&row.view);
        popup->setObjectName(name);
        popup->addItems(levelNames());
        popup->setGeometry(row.frame(frame.x(), frame.y(), frame.width(), frame.height()));
        return popup;
    };
    const auto boxModelRow = [&](const QString& kind) {
        caption(QObject::tr("Top"), {10, 50, 50, 20}, Qt::AlignLeft);
        caption(QObject::tr("Bottom"), {140, 50, 50, 20}, Qt::AlignLeft);
        caption(localized(QStringLiteral("Left")), {10, 100, 50, 20}, Qt::AlignLeft);
        caption(localized(QStringLiteral("Right")), {140, 100, 50, 20}, Qt::AlignLeft);
        levelPopup(QStringLiteral("top%1LevelPopupButton").arg(kind), {20, 70, 110, 30});
        levelPopup(QStringLiteral("bottom%1LevelPopupButton").arg(kind), {150, 70, 110, 30});
        levelPopup(QStringLiteral("left%1LevelPopupButton").arg(kind), {20, 120, 110, 30});
        levelPopup(QStringLiteral("right%1LevelPopupButton").arg(kind), {150, 120, 110, 30});
    };
    const auto sliderRow = [&](QWidget* slider, QWidget* field, int sliderWidth = 185, int fieldX = 200,
                               int fieldWidth = 65) {
        put(slider, {5, 60, sliderWidth, 20});
        put(field, {fieldX, 60, fieldWidth, 25});
    };
    const auto colorButton = [&](int target) {
        QPushButton* button = m_colors.colorButton(target);
        put(button, QRect(20, 55, w - 40, 30));
    };

    switch (row.number) {
    case 1: {
        const char* captions[] = {"X", "Y", "Width", "Height"};
        QLineEdit* fields[] = {c.originXTextField, c.originYTextField, c.widthTextField, c.heightTextField};
        for (int i = 0; i < 4; ++i) {
            const int x = 20 + 60 * i;
            caption(i < 2 ? QString::fromLatin1(captions[i]) : localized(QString::fromLatin1(captions[i])),
                    {x, 45, 50, 20}, Qt::AlignHCenter);
            put(fields[i], {x, 60, 50, 25});
        }
        break;
    }
    case 2:
        boxModelRow(QStringLiteral("Padding"));
        break;
    case 3:
        boxModelRow(QStringLiteral("Margin"));
        break;
    case 4: {
        // No page property holds a column buffer yet: the choice is shown but offered to nobody.
        QComboBox* popup = levelPopup(QStringLiteral("columnGapLevelPopupButton"), {50, 50, 200, 30});
        popup->setEnabled(false);
        break;
    }
    case 5:
        put(c.sectionIDTextField, {5, 60, 255, 25});
        c.sectionIDTextField->setAlignment(Qt::AlignCenter);
        break;
    case 6:
        put(c.initialStateSegmentedControl, {5, 60, 255, 25});
        break;
    case 7:
        c.imageMaskButton->setText(QObject::tr("Mask Shape"));
        c.imageMaskApplyCheckmark->setText(QObject::tr("Apply Mask"));
        put(c.imageMaskApplyCheckmark, {20, 55, 100, 25});
        put(c.imageMaskButton, {150, 55, 100, 25});
        break;
    case 8:
        put(c.lockSegmentedControl, {5, 60, 255, 25});
        break;
    case 9:
        put(c.fontPopupButton, {10, 50, 160, 30});
        put(c.fontSizeTextbox, {180, 50, 50, 30});
        put(c.fontSizeStepper, {230, 50, 20, 25});
        break;
    case 10:
        put(c.textAlignmentSegmentedControl, {20, 50, w - 20, 40});
        break;
    case 11:
        put(c.verticalAlignmentSegmentedControl, {20, 50, w - 20, 40});
        break;
    case 12:
        colorButton(ColorTarget::Text);
        break;
    case 13:
        colorButton(ColorTarget::ShapeFill);
        break;
    case 14:
        colorButton(ColorTarget::HoverText);
        break;
    case 15:
        colorButton(ColorTarget::HoverBackground);
        break;
    case 16:
        colorButton(ColorTarget::Border);
        break;
    case 17:
        put(c.borderSegmentedControl, {10, 60, w - 20, 25});
        break;
    case 18:
        sliderRow(c.borderWidthSlider, c.borderWidthTextField);
        break;
    case 19:
        sliderRow(c.lineWidthSlider, c.lineWidthTextField, 205, 220, 45);
        break;
    case 20:
        put(c.lineSegmentedControl, {10, 60, w - 20, 25});
        break;
    case 21:
        sliderRow(c.lineSpacingSlider, c.lineSpacingTextField);
        c.lineSpacingTextField->setEnabled(false);
        break;
    case 22:
        colorButton(ColorTarget::Canvas);
        break;
    case 23:
        sliderRow(c.cornerRadiusSlider, c.cornerRadiusTextField);
        break;
    case 24:
        sliderRow(c.opacitySlider, c.opacityTextField);
        break;
    case 25:
        sliderRow(c.reflectionSizeSlider, c.reflectionSizeTextField);
        c.reflectionSizeTextField->setEnabled(false);
        break;
    case 26:
        put(c.shadowSegmentedControl, {5, 55, 255, 25});
        break;
    case 27:
        sliderRow(c.shadowBlurSlider, c.shadowBlurTextField);
        break;
    case 28:
        sliderRow(c.shadowHorizontalOffsetSlider, c.shadowHorizontalOffsetTextField);
        break;
    case 29:
        sliderRow(c.shadowVerticalOffsetSlider, c.shadowVerticalOffsetTextField);
        break;
    case 30:
        put(c.hyperLinkTextField, {5, 55, 255, 30});
        break;
    case 31:
        put(c.linkOptionSegmentedControl, {0, 55, 255, 40});
        break;
    case 32:
        put(c.altTextField, {5, 55, 255, 30});
        break;
    case 33:
        put(c.scrollSegmentedControl, {5, 60, 255, 25});
        break;
    case 34:
        put(c.rotationApplyCheckmark, {20, 55, 110, 25});
        // A knob needs more room than a dial would: the slider spans to the angle's field.
        put(c.rotationSlider, {135, 58, 60, 25});
        put(c.rotationAngleTextField, {200, 60, 65, 25});
        c.rotationAngleTextField->setEnabled(false);
        break;
    default:
        break;
    }
}
