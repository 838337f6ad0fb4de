#include "canvas/media/SlideShow.h"

#include "canvas/media/HyperLinkWindowController.h"
#include "platform/FilePanel.h"
#include "platform/Format.h"
#include "platform/UserDefaults.h"
#include "profile/services/ImageDrawing.h"
#include "profile/services/ImageEncoding.h"
#include "profile/services/ImageGeometry.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <functional>

namespace {

const QStringList kImageTypes{"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"};
const QString kMaxImageSizeKey = QStringLiteral("SorrelMaxImageSize");
const QString kRetinaFlagKey = QStringLiteral("SorrelRetinaFlag");

// The document view of the scroll view: the slides' pictures, each at its frame.
class SlideStrip : public QWidget {
public:
    explicit SlideStrip(std::function<TransformViewList()> slides)
        : m_slides(std::move(slides))
    {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const std::shared_ptr<TransformView>& slide : m_slides()) {
            if (slide && !slide->image().isNull())
                painter.drawImage(slide->frame(), slide->image());
        }
    }

private:
    std::function<TransformViewList()> m_slides;
};

QPushButton* arrowButton(const QString& title, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(title, parent);
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QFont font(QStringLiteral("Helvetica Neue"));
    font.setPixelSize(40);
    button->setFont(font);
    button->setStyleSheet(QStringLiteral("QPushButton { color: white; background-color: rgba(0, 0, 0, 60%); "
                                         "border: none; padding: 0px; }"));
    return button;
}

} // namespace

SlideShow::SlideShow(const QSizeF& size, SlideShowHost& host, QWidget* parent)
    : QScrollArea(parent)
    , m_host(host)
    , m_size(size)
    , m_strip(new SlideStrip([this] { return m_imageArray; }))
    , m_textView(new QLabel(this))
    , m_nextButton(arrowButton(QStringLiteral(">"), "nextButton", this))
    , m_previousButton(arrowButton(QStringLiteral("<"), "previousButton", this))
{
    setObjectName(QStringLiteral("slideShow"));
    setFrameShape(QFrame::NoFrame);
    setFixedSize(size.toSize());
    // Only the arrows scroll.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strip->setObjectName(QStringLiteral("slideStrip"));
    setWidget(m_strip);
    connect(m_nextButton, &QPushButton::clicked, this, &SlideShow::showNext);
    connect(m_previousButton, &QPushButton::clicked, this, &SlideShow::showPrevious);

    m_textView->setObjectName(QStringLiteral("textView"));
    m_textView->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Heiti TC"));
    font.setPixelSize(15);
    m_textView->setFont(font);
    m_textView->setStyleSheet(QStringLiteral("color: white; background-color: rgba(0, 0, 0, 50%);"));
    m_textView->setGeometry(0, 5, int(size.width()), 40);
    m_textView->setTextInteractionFlags(Qt::NoTextInteraction);
    buildMenu();
    reAlignImageSize();
}

SlideShow::~SlideShow()
{
    delete m_hyperLinkWindowController;
}

HyperLinkWindowController* SlideShow::hyperLinkWindowController() const
{
    return m_hyperLinkWindowController;
}

void SlideShow::buildMenu()
{
    m_slideshowMenu = new QMenu(tr("Menu"), this);
    m_slideshowMenu->setObjectName(QStringLiteral("slideshowMenu"));
    const struct {
        const char* name;
        const char* title;
        void (SlideShow::*command)();
    } items[] = {
        {"addNewSlide", "Add Image", &SlideShow::addNewSlide},
        {"deleteCurrentSlide", "Delete Image", &SlideShow::deleteCurrentSlide},
        {"replaceCurrentSlide", "Replace Image", &SlideShow::replaceCurrentSlide},
        {"linkCurrentSlide", "Hyperlink Image", &SlideShow::linkCurrentSlide},
        {"switchSlideshowAsAutomatic", "Set Automatic", &SlideShow::switchSlideshowAsAutomatic},
    };
    for (const auto& item : items) {
        QAction* action = m_slideshowMenu->addAction(tr(item.title));
        action->setObjectName(QLatin1String(item.name));
        connect(action, &QAction::triggered, this, item.command);
    }
    // Commands on the slide on show need one; automatic turning shows its state.
    connect(m_slideshowMenu, &QMenu::aboutToShow, this, [this] {
        const bool hasSlide = !m_imageArray.isEmpty();
        for (const char* name : {"deleteCurrentSlide", "replaceCurrentSlide", "linkCurrentSlide"})
            m_slideshowMenu->findChild<QAction*>(QLatin1String(name))->setEnabled(hasSlide);
        QAction* automatic = m_slideshowMenu->findChild<QAction*>(QStringLiteral("switchSlideshowAsAutomatic"));
        automatic->setCheckable(true);
        automatic->setChecked(m_host.slideShowAutomaticFlag() == 1);
    });
}

void SlideShow::contextMenuEvent(QContextMenuEvent* event)
{
    m_slideshowMenu->popup(event->globalPos());
}

void SlideShow::setImageArray(const TransformViewList& slides)
{
    m_imageArray = slides;
    m_slideNumber = 0;
    reAlignImageSize();
    moveSlide(false);
}

// ---- Stepping

void SlideShow::showNext()
{
    // The last slide stays the last: the number never leaves the slides.
    if (m_slideNumber >= m_imageArray.size() - 1)
        return;
    ++m_slideNumber;
    moveSlide(true);
}

void SlideShow::showPrevious()
{
    if (m_slideNumber < 1)
        return;
    --m_slideNumber;
    moveSlide(false);
}

void SlideShow::moveSlide(bool forward)
{
    adjustTextView();
    int x = int(m_slideNumber * m_size.width());
    if (!forward)
        x = std::max(x, 0);
    horizontalScrollBar()->setValue(x);
    adjustButtons();
    m_strip->update();
    update();
}

void SlideShow::adjustTextView()
{
    const int total = int(m_imageArray.size());
    m_textView->setText(
        Format::printf("Right click to edit slideshow (%d/%d)", std::min(total, m_slideNumber + 1), total));
    m_textView->raise();
}

void SlideShow::adjustButtons()
{
    const int total = int(m_imageArray.size());
    // With a single slide there is nowhere to go.
    m_nextButton->setVisible(total > 1 && m_slideNumber < total - 1);
    m_previousButton->setVisible(total > 1 && m_slideNumber > 0);
    m_nextButton->raise();
    m_previousButton->raise();
}

// ---- Slides

QList<std::pair<QImage, QString>> SlideShow::chooseImages()
{
    FilePanelRequest request;
    request.prompt = tr("Add New");
    request.allowedFileTypes = kImageTypes;
    request.allowsMultipleSelection = true;
    QList<std::pair<QImage, QString>> images;
    for (const QString& path : FilePanel::runOpen(request, this)) {
        const QString extension = QFileInfo(path).suffix();
        if (!kImageTypes.contains(extension))
            continue;
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull()) {
            qWarning("The picture %s could not be read", qPrintable(path));
            continue;
        }
        images.append({image, extension.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0
                                  ? QStringLiteral("PNG")
                                  : QStringLiteral("JPG")});
    }
    return images;
}

void SlideShow::addNewSlide()
{
    const QList<std::pair<QImage, QString>> images = chooseImages();
    if (images.isEmpty())
        return;
    for (const auto& [image, type] : images) {
        const std::shared_ptr<TransformView> slide = createNewSlideshowImage(image, type);
        slide->setSlideNumber(int(m_imageArray.size()));
        m_imageArray.append(slide);
        reAlignImageSize();
        moveSlide(true);
    }
    slidesChanged();
}

void SlideShow::replaceCurrentSlide()
{
    if (m_slideNumber < 0 || m_slideNumber >= m_imageArray.size())
        return;
    const QList<std::pair<QImage, QString>> images = chooseImages();
    if (images.isEmpty())
        return;
    for (const auto& [image, type] : images) {
        const std::shared_ptr<TransformView> slide = createNewSlideshowImage(image, type);
        slide->setSlideNumber(m_slideNumber);
        // A replaced slide keeps its link.
        slide->setLink(m_imageArray.at(m_slideNumber)->link());
        m_imageArray.replace(m_slideNumber, slide);
        reAlignImageSize();
        moveSlide(true);
    }
    slidesChanged();
}

void SlideShow::deleteCurrentSlide()
{
    if (m_slideNumber < 0 || m_slideNumber >= m_imageArray.size())
        return;
    m_imageArray.removeAt(m_slideNumber);
    reAlignImageSize();
    // The slide before it comes on show; the first slide gives way to the one after it.
    if (m_slideNumber >= 1)
        showPrevious();
    else
        moveSlide(false);
    slidesChanged();
}

void SlideShow::linkCurrentSlide()
{
    if (m_slideNumber < 0 || m_slideNumber >= m_imageArray.size())
        return;
    if (!m_hyperLinkWindowController) {
        m_hyperLinkWindowController = new HyperLinkWindowController(window());
        m_hyperLinkWindowController->setWindowTitle(tr("Apply Hyper Link"));
        connect(m_hyperLinkWindowController->saveLinkButton(), &QPushButton::clicked, this,
                &SlideShow::saveSlideLink);
    }
    m_hyperLinkWindowController->linkTextbox()->setText(m_imageArray.at(m_slideNumber)->link());
    m_hyperLinkWindowController->show();
    m_hyperLinkWindowController->raise();
}

void SlideShow::saveSlideLink()
{
    if (m_slideNumber >= 0 && m_slideNumber < m_imageArray.size()) {
        m_imageArray.at(m_slideNumber)->setLink(m_hyperLinkWindowController->linkTextbox()->text());
        slidesChanged();
    }
    m_hyperLinkWindowController->hide();
}

void SlideShow::switchSlideshowAsAutomatic()
{
    m_host.setSlideShowAutomaticFlag(m_host.slideShowAutomaticFlag() == 1 ? 0 : 1);
}

void SlideShow::slidesChanged()
{
    m_host.slidesChanged(m_imageArray, m_slideNumber);
}

void setNewSlideDefaults(TransformView& slide)
{
    slide.setTag(0);
    slide.setBorder(0);
    slide.setBorderStyle(QStringLiteral("none"));
    slide.setLink(QStringLiteral(""));
    slide.setRetinaFlag(UserDefaults::standard().integerForKey(kRetinaFlagKey) != 0 ? 1 : 0);
    slide.setAlpha(1.0f);
    slide.setShadowRadius(0);
    slide.setShadowHorizontalOffset(0);
    slide.setShadowVerticalOffset(0);
    slide.setScrollFlag(0);
    slide.setMoveLock(0);
    slide.setImageLastModDate(QDateTime::currentDateTime());
}

std::shared_ptr<TransformView> SlideShow::createNewSlideshowImage(const QImage& image, const QString& type)
{
    const UserDefaults& defaults = UserDefaults::standard();
    const long long limit = defaults.integerForKey(kMaxImageSizeKey);
    int storedWidth = image.width();
    double ratio = 1.0;
    // Without a limit stored the picture keeps its width.
    if (limit >= 1 && image.width() > limit) {
        storedWidth = int(limit);
        ratio = double(image.width()) / double(limit);
    }
    const QString name = m_host.getNextImageName(m_imageArray);

    const QSizeF size = DataCentre::returnNewSizeWithWidth(QSizeF(image.size()), int(m_size.width()));
    auto slide = TransformView::initWithFrame(QRectF(QPointF(), size));
    slide->setImage(image);
    slide->setOriginalWidth(image.width());
    slide->setOriginalHeight(image.height());
    slide->setImageName(name);
    slide->setImageType(type);
    setNewSlideDefaults(*slide);

    if (m_imageArray.size() >= 2)
        moveSlide(true);
    else
        qInfo("it's slidenumber=0, do not slide");

    const QString folder = m_host.getCurrentDocPath();
    if (folder.isEmpty()) {
        qWarning("The page has no folder yet: the full-size picture of %s is written when the page is saved",
                 qPrintable(name));
        return slide;
    }
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral("o.") + type);
    QFile::remove(path);
    const QImage fullSize =
        DataCentre::imageWithImage(image, QSizeF(storedWidth, image.height() / ratio), 1);
    const QByteArray data = type == QLatin1String("JPG") ? DataCentre::JPEGRepresentationOfImage(fullSize, 1.0f)
                                                         : DataCentre::PNGRepresentationOfImage(fullSize);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qWarning("The full-size picture %s could not be written: %s", qPrintable(path),
                 qPrintable(file.errorString()));
    return slide;
}

void SlideShow::reAlignImageSize()
{
    const double width = m_size.width();
    const double height = m_size.height();
    adjustButtons();
    adjustTextView();
    m_nextButton->setGeometry(int(width) - arrowWidth, int(height * 0.5), arrowWidth, arrowHeight);
    m_previousButton->setGeometry(0, int(height * 0.5), arrowWidth, arrowHeight);
    const int stripWidth = std::max(1, int(m_imageArray.size() * width));
    m_strip->resize(stripWidth, int(height));
    // The range follows the strip at once, also while the editor is not on screen.
    horizontalScrollBar()->setRange(0, std::max(0, stripWidth - int(width)));
    for (qsizetype i = 0; i < m_imageArray.size(); ++i) {
        TransformView& slide = *m_imageArray.at(i);
        slide.setSlideWidth(int(width));
        const QSizeF size = DataCentre::returnNewSizeWithWidth(QSizeF(slide.image().size()), int(width));
        if (size != slide.frame().size())
            slide.setImageLastModDate(QDateTime::currentDateTime());
        slide.setFrame(QRectF(double(i) * width + std::trunc(std::max((width - size.width()) * 0.5, 0.0)),
                              std::trunc((height - size.height()) * 0.5), size.width(), size.height()));
    }
    m_strip->update();
}
