#include "canvas/galleries/GalleryGridEditor.h"

#include "canvas/view/SKTGraphicView.h"
#include "model/SKTGalleryGrid.h"
#include "platform/SegmentedControl.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

constexpr int kMaxSpacing = 20;
constexpr int kSpacingTicks = 10;

QString decimal(int value)
{
    return QString::number(value);
}

int integerOf(const QLineEdit& field)
{
    return field.text().trimmed().toInt();
}

} // namespace

GalleryGridEditor::GalleryGridEditor(SKTGraphicView& canvas)
    : QObject(&canvas)
    , m_canvas(canvas)
{}

GalleryGridEditor::~GalleryGridEditor()
{
    delete m_window;
}

void GalleryGridEditor::makeWindow()
{
    m_window = new GalleryGridEditorWindowController(m_canvas.window());
    m_window->setWindowTitle(tr("Configure Gallery Grid"));
    GalleryGridEditorWindowController& w = *m_window;
    connect(w.saveButton(), &QPushButton::clicked, this, &GalleryGridEditor::saveGallerySettings);
    connect(w.spacingSlider(), &QSlider::valueChanged, this, &GalleryGridEditor::adjustGallerySpacing);
    connect(w.shadowSegmentedControl(), &SegmentedControl::activated, this,
            &GalleryGridEditor::adjustGalleryShadow);
    connect(w.backdropSegmentedControl(), &SegmentedControl::activated, this,
            &GalleryGridEditor::adjustGalleryBackdrop);
    connect(w.columnStepper(), &QSpinBox::valueChanged, this, &GalleryGridEditor::updateGalleryNumOfColumns);
    connect(w.rowStepper(), &QSpinBox::valueChanged, this, &GalleryGridEditor::updateGalleryNumOfRows);
    for (QLineEdit* field : {w.numOfColumnsTextField(), w.numOfRowsTextField()})
        connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextDidChange(field); });
}

void GalleryGridEditor::configureGalleryGrid(const std::shared_ptr<SKTGalleryGrid>& gallery)
{
    if (!gallery)
        return;
    m_gallery = gallery;
    if (!m_window)
        makeWindow();
    GalleryGridEditorWindowController& w = *m_window;
    const SKTGalleryGrid& g = *gallery;

    w.numOfColumnsTextField()->setText(decimal(g.numOfColumns()));
    w.numOfRowsTextField()->setText(decimal(g.numOfRows()));
    w.spacingTextField()->setText(decimal(g.padding()));
    {
        // Filling the controls is no action of the user's.
        const QSignalBlocker slider(w.spacingSlider());
        const QSignalBlocker columns(w.columnStepper());
        const QSignalBlocker rows(w.rowStepper());
        w.spacingSlider()->setRange(0, kMaxSpacing);
        w.spacingSlider()->setTickInterval(kMaxSpacing / kSpacingTicks);
        w.spacingSlider()->setTickPosition(QSlider::TicksBelow);
        w.spacingSlider()->setValue(g.padding());
        w.columnStepper()->setValue(g.numOfColumns());
        w.rowStepper()->setValue(g.numOfRows());
    }
    w.shadowSegmentedControl()->setSelectedSegment(g.shadowFlag() != 0 ? 1 : 0);
    w.backdropSegmentedControl()->setSelectedSegment(g.backdropLightingFlag());
    w.adjustSize();
    w.show();
    w.raise();
    w.activateWindow();
}

void GalleryGridEditor::updateGalleryNumOfColumns()
{
    const int count = m_window->columnStepper()->value();
    m_window->numOfColumnsTextField()->setText(decimal(count));
    m_gallery->setNumOfColumns(count);
    m_canvas.noteInPlaceChange();
}

void GalleryGridEditor::updateGalleryNumOfRows()
{
    const int count = m_window->rowStepper()->value();
    m_window->numOfRowsTextField()->setText(decimal(count));
    m_gallery->setNumOfRows(count);
    m_canvas.noteInPlaceChange();
}

void GalleryGridEditor::controlTextDidChange(QLineEdit* field)
{
    if (!m_gallery || !field || field->text().isEmpty())
        return;
    GalleryGridEditorWindowController& w = *m_window;
    const int count = integerOf(*field);
    // A count below 1 would leave the gallery without cells: the stepper's floor holds for typing too.
    if (count < 1)
        return;
    const bool columns = field == w.numOfColumnsTextField();
    QSpinBox* stepper = columns ? w.columnStepper() : w.rowStepper();
    if (columns)
        m_gallery->setNumOfColumns(count);
    else
        m_gallery->setNumOfRows(count);
    const QSignalBlocker blocker(stepper);
    stepper->setValue(count);
    m_canvas.noteInPlaceChange();
}

void GalleryGridEditor::adjustGallerySpacing()
{
    m_gallery->setPadding(m_window->spacingSlider()->value());
    m_window->spacingTextField()->setText(decimal(m_gallery->padding()));
    m_canvas.noteInPlaceChange();
}

void GalleryGridEditor::adjustGalleryShadow()
{
    m_gallery->setShadowFlag(m_window->shadowSegmentedControl()->selectedSegment() != 0 ? 1 : 0);
    m_canvas.noteInPlaceChange();
}

void GalleryGridEditor::adjustGalleryBackdrop()
{
    m_gallery->setBackdropLightingFlag(m_window->backdropSegmentedControl()->selectedSegment());
    m_canvas.noteInPlaceChange();
}

void GalleryGridEditor::saveGallerySettings()
{
    if (!m_gallery)
        return;
    if (!m_window->spacingTextField()->text().isEmpty())
        m_gallery->setPadding(integerOf(*m_window->spacingTextField()));
    refreshGalleryImage(*m_gallery);
    m_canvas.noteInPlaceChange();
    m_window->hide();
}

void GalleryGridEditor::refreshGalleryImage(SKTGalleryGrid& gallery)
{
    TransformViewList pictures = gallery.imageArray();
    for (const std::shared_ptr<TransformView>& picture : pictures) {
        if (picture &&
            (picture->rowSpot() >= gallery.numOfRows() || picture->columnSpot() >= gallery.numOfColumns()))
            picture->setToRemoveFlag(1);
    }
    pictures.removeIf(
        [](const std::shared_ptr<TransformView>& picture) { return picture && picture->toRemoveFlag(); });
    gallery.setImageArray(pictures);
}
