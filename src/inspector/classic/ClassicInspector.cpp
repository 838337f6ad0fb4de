#include "inspector/classic/ClassicInspector.h"

#include "inspector/color/ColorModel.h"
#include "inspector/controls/ValueSlider.h"
#include "inspector/panel/InspectorControls.h"
#include "model/ColorTarget.h"
#include "platform/SegmentedControl.h"
#include "profile/DataCentre.h"
#include "window/SKTWindowController.h"
#include "window/views/FlippedNSView.h"

#include <QComboBox>
#include <QFrame>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr QSize kStylePageSize(280, 400);
constexpr QSize kOtherPageSize(300, 500);
constexpr QRect kSeparatorFrame(0, 130, SKTWindowController::inspectorPanelWidth, 1);
constexpr int kBorderMaximum = 10;
constexpr int kWideBorderMaximum = 30;
constexpr int kSliderTicks = 10;
const QColor kLabelGrey(0x55, 0x55, 0x55);
const QColor kCaptionGrey(0x80, 0x80, 0x80);

// The captions over the position and size fields, at their fields' x.
struct Caption {
    const char* text;
    int x;
};
constexpr Caption kCaptions[] = {{"X", 10}, {"Y", 70}, {"Width", 140}, {"Height", 200}};

// The colour labels of the Color page; a label marked hover shows only where the product offers hover
// colours.
struct ColorLabelRow {
    int target;
    QPoint origin;
    const char* text;
    bool hover;
};
constexpr ColorLabelRow kColorLabels[] = {
    {ColorTarget::Text, {35, 30}, "Text", false},
    {ColorTarget::ShapeFill, {35, 95}, "Shape", false},
    {ColorTarget::Border, {35, 160}, "Border", false},
    {ColorTarget::Canvas, {35, 225}, "Background", false},
    {ColorTarget::HoverText, {35, 290}, "Hover Text", true},
    {ColorTarget::HoverBackground, {35, 355}, "Hover Shape", true},
};
// The order the colour buttons go into the page.
constexpr int kColorButtonOrder[] = {ColorTarget::Text,      ColorTarget::ShapeFill,
                                     ColorTarget::HoverText, ColorTarget::HoverBackground,
                                     ColorTarget::Border,    ColorTarget::Canvas};
constexpr QSize kColorLabelSize(200, 20);
constexpr QSize kColorButtonSize(200, 30);
constexpr int kColorButtonGap = 5;
constexpr QRect kScrollNoteFrame(10, 270, 150, 20);

const char* const kColorTargetTitles[] = {"Text",       "Shape",  "Hover Background",
                                          "Hover Text", "Canvas", "Border"};

QString borderLabelText()
{
    const QString border = ClassicInspector::tr("Border");
    if (!DataCentre::profile().wideBorderRange)
        return border;
    return QStringLiteral("%1 / %2").arg(border, ClassicInspector::tr("Line"));
}

void centreText(QLineEdit* field)
{
    field->setAlignment(Qt::AlignCenter);
}

// A field that shows what its slider or action writes, never typed into.
void makeReadOnly(QLineEdit* field)
{
    centreText(field);
    field->setEnabled(false);
    field->setReadOnly(true);
}

} // namespace

ClassicInspector::ClassicInspector(SKTWindowController& window, const InspectorControls& controls,
                                   ColorModel& colors)
    : QObject(&window)
    , m_window(window)
    , m_controls(controls)
    , m_colors(colors)
    , m_fontView(new FlippedNSView(window.inspectorView()))
    , m_colorView(new FlippedNSView(window.inspectorView()))
    , m_effectsView(new FlippedNSView(window.inspectorView()))
{
    setObjectName(QStringLiteral("classicInspector"));
    const struct {
        FlippedNSView* view;
        const char* name;
        QSize size;
    } pages[] = {{m_fontView, "fontView", kStylePageSize},
                 {m_colorView, "colorView", kOtherPageSize},
                 {m_effectsView, "effectsView", kOtherPageSize}};
    for (const auto& page : pages) {
        page.view->setObjectName(QString::fromLatin1(page.name));
        page.view->resize(page.size);
        page.view->hide();
    }
    connect(controls.inspectorPanelSegmentedControl, &SegmentedControl::activated, this,
            &ClassicInspector::switchInspectorView);
    connect(&colors, &ColorModel::colorPicked, this, [this](int, const QString& colorString) {
        if (m_colorHexCodeTextField)
            m_colorHexCodeTextField->setText(colorString);
    });
}

void ClassicInspector::rebuild()
{
    QWidget* panel = m_window.inspectorView();
    for (const QPointer<QWidget>& control : std::as_const(m_placed)) {
        if (control) {
            control->hide();
            control->setParent(panel);
        }
    }
    m_placed.clear();
    for (const QPointer<QWidget>& made : std::as_const(m_made))
        delete made.data();
    m_made.clear();
    m_colorLabels.clear();
    setupInspectorViewCommonElements();
    createInspectorPanel_noDrag();
}

void ClassicInspector::place(QWidget* control, QWidget* parent, const QRect& frame)
{
    control->setParent(parent);
    control->setGeometry(frame);
    control->setVisible(!m_window.isHiddenByProduct(control->objectName()));
    m_placed.append(control);
}

QLabel* ClassicInspector::label(const QString& text, QWidget* parent, const QRect& frame, int pointSize)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kLabelGrey);
    label->setPalette(palette);
    label->setGeometry(frame);
    label->show();
    m_made.append(label);
    return label;
}

void ClassicInspector::setupInspectorViewCommonElements()
{
    QWidget* panel = m_window.inspectorView();
    const InspectorControls& c = m_controls;
    place(c.inspectorPanelSegmentedControl, panel, QRect(0, 90, 255, 30));
    c.inspectorPanelSegmentedControl->setSelectedSegment(StylePage);
    auto* separator = new QFrame(panel);
    separator->setObjectName(QStringLiteral("classicSeparator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setGeometry(kSeparatorFrame);
    separator->show();
    m_made.append(separator);
    place(c.lockSegmentedControl, panel, QRect(0, 50, 255, 40));
    QLineEdit* const fields[] = {c.originXTextField, c.originYTextField, c.widthTextField, c.heightTextField};
    for (int i = 0; i < 4; ++i) {
        place(fields[i], panel, QRect(kCaptions[i].x, 25, 60, 25));
        centreText(fields[i]);
        auto* validator = new QIntValidator(fields[i]);
        validator->setLocale(QLocale::c());
        fields[i]->setValidator(validator);
        QLabel* caption = label(tr(kCaptions[i].text), panel, QRect(kCaptions[i].x, 5, 60, 20));
        caption->setAlignment(Qt::AlignCenter);
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, kCaptionGrey);
        caption->setPalette(palette);
    }
}

void ClassicInspector::createInspectorPanel_noDrag()
{
    buildStylePage();
    buildColorPage();
    buildEffectsPage();
    centerWideControls();
}

void ClassicInspector::buildStylePage()
{
    const InspectorControls& c = m_controls;
    QWidget* page = m_fontView;
    place(c.fontPopupButton, page, QRect(0, 10, 255, 30));
    place(c.fontSizeTextbox, page, QRect(190, 45, 50, 30));
    centreText(c.fontSizeTextbox);
    c.fontSizeTextbox->setFont(QFont(QStringLiteral("Helvetica Neue"), 20));
    place(c.fontSizeStepper, page, QRect(230, 45, 40, 25));
    c.fontSizeStepper->setRange(5, 295);
    place(c.textAlignmentSegmentedControl, page, QRect(10, 40, 170, 40));
    label(borderLabelText(), page, QRect(5, 80, 100, 20))->setObjectName(QStringLiteral("borderLabel"));
    place(c.borderSegmentedControl, page, QRect(5, 100, 255, 25));
    place(c.borderWidthSlider, page, QRect(5, 140, 205, 20));
    c.borderWidthSlider->setValueRange(
        0, DataCentre::profile().wideBorderRange ? kWideBorderMaximum : kBorderMaximum, 1, kSliderTicks);
    place(c.borderWidthTextField, page, QRect(215, 140, 45, 25));
    centreText(c.borderWidthTextField);
    label(tr("Opacity"), page, QRect(5, 180, 60, 20));
    place(c.opacitySlider, page, QRect(5, 200, 205, 20));
    c.opacitySlider->setValueRange(0, 1, 0.01, kSliderTicks);
    place(c.opacityTextField, page, QRect(215, 200, 45, 25));
    centreText(c.opacityTextField);
    label(tr("Radius"), page, QRect(5, 230, 100, 20));
    place(c.cornerRadiusSlider, page, QRect(5, 250, 205, 20));
    c.cornerRadiusSlider->setValueRange(0, 100, 1, kSliderTicks);
    place(c.cornerRadiusTextField, page, QRect(215, 250, 45, 25));
    centreText(c.cornerRadiusTextField);
    place(c.linkTextFieldLabel, page, QRect(5, 290, 100, 20));
    c.linkTextFieldLabel->setText(tr("Hyperlink"));
    place(c.hyperLinkTextField, page, QRect(5, 310, 255, 30));
    c.hyperLinkTextField->setPlaceholderText(QStringLiteral("http://"));
    place(c.linkOptionSegmentedControl, page, QRect(5, 340, 255, 40));

    m_colorSelectButton = new QComboBox(m_window.inspectorView());
    m_colorSelectButton->setObjectName(QStringLiteral("colorSelectButton"));
    m_colorSelectButton->setGeometry(3, 350, 250, 60);
    for (const char* title : kColorTargetTitles) {
        const QString text = QString::fromLatin1(title);
        m_colorSelectButton->addItem(text == u"Border" ? tr("Border") : text);
    }
    m_colorSelectButton->hide();
    m_made.append(m_colorSelectButton.data());
    connect(m_colorSelectButton, &QComboBox::activated, this,
            [this] { ColorModel::setTypeOfColorFlag(m_colorSelectButton->currentText()); });
    ColorModel::setTypeOfColorFlag(m_colorSelectButton->currentText());
}

void ClassicInspector::buildColorPage()
{
    QLabel* caption = label(tr("Last Color Hex Code:"), m_colorView, QRect(50, 10, 250, 20), 10);
    caption->setObjectName(QStringLiteral("colorHexCodeLabel"));
    m_colorHexCodeTextField = new QLineEdit(m_colorView);
    m_colorHexCodeTextField->setObjectName(QStringLiteral("colorHexCodeTextField"));
    m_colorHexCodeTextField->setGeometry(160, 10, 250, 20);
    QFont font = m_colorHexCodeTextField->font();
    font.setPointSize(10);
    m_colorHexCodeTextField->setFont(font);
    m_colorHexCodeTextField->setFrame(false);
    m_colorHexCodeTextField->setReadOnly(true);
    m_colorHexCodeTextField->setStyleSheet(QStringLiteral("background: transparent;"));
    m_colorHexCodeTextField->show();
    m_made.append(m_colorHexCodeTextField.data());
    refreshColorLabels();
    placeColorButtons();
}

void ClassicInspector::refreshColorLabels()
{
    const bool hover = DataCentre::profile().showColorView;
    for (const ColorLabelRow& row : kColorLabels) {
        if (row.hover && !hover)
            continue;
        const QString text = row.target == ColorTarget::Border ? borderLabelText() : tr(row.text);
        QLabel* colorLabel = label(text, m_colorView, QRect(row.origin, kColorLabelSize), 10);
        colorLabel->setFont(QFont(QStringLiteral("Heiti TC"), 10));
        colorLabel->setProperty("colorTarget", row.target);
        m_colorLabels.append(colorLabel);
    }
}

void ClassicInspector::placeColorButtons()
{
    m_colors.refreshColorButtons();
    for (const int target : kColorButtonOrder) {
        for (const QPointer<QLabel>& colorLabel : std::as_const(m_colorLabels)) {
            if (colorLabel->property("colorTarget").toInt() != target)
                continue;
            const QRect frame = colorLabel->geometry();
            place(m_colors.colorButton(target), m_colorView,
                  QRect(QPoint(frame.x(), frame.bottom() + 1 + kColorButtonGap), kColorButtonSize));
        }
    }
}

void ClassicInspector::buildEffectsPage()
{
    const InspectorControls& c = m_controls;
    QWidget* page = m_effectsView;
    label(tr("Shadow"), page, QRect(5, 5, 100, 20));
    place(c.shadowSegmentedControl, page, QRect(5, 25, 255, 25));
    label(tr("Image Reflection"), page, QRect(5, 60, 200, 20));
    place(c.reflectionSizeSlider, page, QRect(10, 90, 185, 20));
    c.reflectionSizeSlider->setValueRange(0, 1, 0.01, kSliderTicks);
    place(c.reflectionSizeTextField, page, QRect(195, 90, 60, 25));
    makeReadOnly(c.reflectionSizeTextField);
    label(tr("Paragraph Line Spacing"), page, QRect(5, 130, 200, 20));
    place(c.lineSpacingSlider, page, QRect(10, 160, 185, 20));
    c.lineSpacingSlider->setValueRange(-0.1, 3, 0.05, kSliderTicks);
    place(c.lineSpacingTextField, page, QRect(195, 160, 60, 25));
    makeReadOnly(c.lineSpacingTextField);
    place(c.altTextField, page, QRect(5, 200, 255, 30));
    c.altTextField->setPlaceholderText(tr("Image Tooltip Text"));
    QFont altFont = c.altTextField->font();
    altFont.setPointSize(14);
    c.altTextField->setFont(altFont);
    place(c.scrollSegmentedControl, page, QRect(5, 240, 255, 25));
    place(c.scrollTextFieldLabel, page, kScrollNoteFrame);
    QFont noteFont = c.scrollTextFieldLabel->font();
    noteFont.setPointSize(10);
    c.scrollTextFieldLabel->setFont(noteFont);
    // The note keeps its whole text where the font runs wider than its frame.
    c.scrollTextFieldLabel->resize(
        std::max(kScrollNoteFrame.width(), c.scrollTextFieldLabel->sizeHint().width()),
        kScrollNoteFrame.height());
}

void ClassicInspector::centerWideControls()
{
    const InspectorControls& c = m_controls;
    const QWidget* panel = m_window.inspectorView();
    QList<QWidget*> wide = {c.lockSegmentedControl,   c.inspectorPanelSegmentedControl,
                            c.fontPopupButton,        c.borderSegmentedControl,
                            c.hyperLinkTextField,     c.linkOptionSegmentedControl,
                            c.shadowSegmentedControl, c.scrollSegmentedControl,
                            c.altTextField,           c.scrollTextFieldLabel};
    for (const ColorTargetRow& row : colorTargetTable())
        wide.append(m_colors.colorButton(row.target));
    for (const QPointer<QLabel>& colorLabel : std::as_const(m_colorLabels))
        wide.append(colorLabel);
    for (QWidget* control : std::as_const(wide))
        centerInView(panel, *control);
}

void ClassicInspector::centerInView(const QWidget* outer, QWidget& inner)
{
    const int half = outer ? outer->width() / 2 : 0;
    const QRect frame = inner.geometry();
    const int x0 = frame.x();
    const int width = frame.x() + frame.width() - x0;
    inner.move(frame.x() + (half - x0 - width / 2), frame.y());
}

void ClassicInspector::switchInspectorView()
{
    SegmentedControl* pages = m_controls.inspectorPanelSegmentedControl;
    if (pages->selectedSegment() < 0)
        pages->setSelectedSegment(StylePage);
    FlippedNSView* const views[] = {m_fontView, m_colorView, m_effectsView};
    for (FlippedNSView* view : views)
        view->hide();
    FlippedNSView* shown = views[std::clamp(pages->selectedSegment(), 0, 2)];
    shown->setGeometry(0, 140, SKTWindowController::inspectorPanelWidth,
                       SKTWindowController::inspectorPanelHeight);
    shown->show();
    shown->raise();
    m_window.inspectorView()->update();
}
