#pragma once

#include "model/records/TransformView.h"

#include <QPointer>
#include <QScrollArea>

class HyperLinkWindowController;
class QLabel;
class QMenu;
class QPushButton;

// What a slideshow editor asks of the window it is placed in.
class SlideShowHost {
public:
    virtual ~SlideShowHost() = default;
    // The next free image file name of the page, counting the editor's own slides.
    virtual QString getNextImageName(const TransformViewList& slides) const = 0;
    // The page folder the full-size slide files go into; none while the page has no folder.
    virtual QString getCurrentDocPath() const = 0;
    virtual int slideShowAutomaticFlag() const = 0;
    virtual void setSlideShowAutomaticFlag(int flag) = 0;
    // The slides changed: added, replaced, deleted or linked.
    virtual void slidesChanged(const TransformViewList& slides, int slideNumber) = 0;
};

// A self-contained slideshow editor: the slides stand side by side in the scrolled strip, one frame width
// apart, and the arrows scroll from slide to slide. Its context menu adds, deletes, replaces and links slides
// and switches automatic turning; every new slide's full-size picture is written into the page folder at
// once. Geometry is in points, y growing downward.
class SlideShow : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int arrowWidth = 40;
    static constexpr int arrowHeight = 50;

    SlideShow(const QSizeF& size, SlideShowHost& host, QWidget* parent = nullptr);
    ~SlideShow() override;

    TransformViewList imageArray() const { return m_imageArray; }
    // Shows the slides from the first.
    void setImageArray(const TransformViewList& slides);
    int slideNumber() const { return m_slideNumber; }
    QLabel* textView() const { return m_textView; }
    QMenu* slideshowMenu() const { return m_slideshowMenu; }
    QPushButton* nextButton() const { return m_nextButton; }
    QPushButton* previousButton() const { return m_previousButton; }
    HyperLinkWindowController* hyperLinkWindowController() const;

    // ---- Stepping: the slide number stays on a slide
    void showNext();
    void showPrevious();
    void moveSlide(bool forward);
    // "Right click to edit slideshow (n/total)".
    void adjustTextView();
    // The next arrow shows while a slide follows, the previous one while one precedes.
    void adjustButtons();

    // ---- The context menu's commands
    // Open panels of pictures: each chosen file becomes a new last slide, or replaces the one on show.
    void addNewSlide();
    void replaceCurrentSlide();
    void deleteCurrentSlide();
    void linkCurrentSlide();
    void saveSlideLink();
    void switchSlideshowAsAutomatic();

    // A slide of the picture ("PNG" or "JPG"): named by the page, fitted to the frame's width, its full-size
    // file (at most "SorrelMaxImageSize" wide) written into the page folder.
    std::shared_ptr<TransformView> createNewSlideshowImage(const QImage& image, const QString& type);
    // Fits every slide into its place on the strip.
    void reAlignImageSize();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The pictures the user chose, with their types; unreadable files are skipped.
    QList<std::pair<QImage, QString>> chooseImages();
    void buildMenu();
    void slidesChanged();

    SlideShowHost& m_host;
    QSizeF m_size;
    TransformViewList m_imageArray;
    int m_slideNumber = 0;
    QWidget* m_strip;
    QLabel* m_textView;
    QPushButton* m_nextButton;
    QPushButton* m_previousButton;
    QMenu* m_slideshowMenu = nullptr;
    QPointer<HyperLinkWindowController> m_hyperLinkWindowController;
};

// The look every new slide starts with: no tag, border, link, shadow, scrolling or lock, fully opaque, double
// resolution as the user's preference says, and changed now.
void setNewSlideDefaults(TransformView& slide);
