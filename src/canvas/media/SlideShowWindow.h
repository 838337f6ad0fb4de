#pragma once

#include "canvas/media/SlideShow.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class SKTDocument;
class SKTSlideshow;

// The window in which the user edits the slides of a slideshow on the page: a slideshow editor as large
// as the slideshow, whose changes go straight into the slideshow and mark the page as changed.
class SlideShowWindow : public QDialog, public SlideShowHost {
    Q_OBJECT

public:
    SlideShowWindow(SKTDocument& document, std::shared_ptr<SKTSlideshow> slideshow, QWidget* parent = nullptr);

    SlideShow* slideShow() const { return m_slideShow; }
    std::shared_ptr<SKTSlideshow> slideshow() const { return m_slideshow; }

    QString getNextImageName(const TransformViewList& slides) const override;
    QString getCurrentDocPath() const override;
    int slideShowAutomaticFlag() const override;
    void setSlideShowAutomaticFlag(int flag) override;
    void slidesChanged(const TransformViewList& slides, int slideNumber) override;

private:
    QPointer<SKTDocument> m_document;
    std::shared_ptr<SKTSlideshow> m_slideshow;
    SlideShow* m_slideShow;
};
