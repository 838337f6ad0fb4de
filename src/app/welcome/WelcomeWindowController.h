#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

class QAbstractButton;
class QLabel;
class QRectF;
class SKTAppDelegate;

// The first window of every launch: the product's name, version and logo, the buttons that start something
// new or open existing work, the user guide, the video tutorials, what is new and the promotion of another
// product of the family. It is made afresh each time it is shown, so it always follows the current profile.
// Its buttons send their actions along the application's responder chain.
class WelcomeWindowController : public QMainWindow {
    Q_OBJECT

public:
    explicit WelcomeWindowController(SKTAppDelegate& delegate);

    // The largest whole size of the font at which the text fits the rectangle: 4 when size 5 already
    // overflows, at most 299.
    static int calcFontSizeToFitRect(const QString& text, const QString& fontName, const QRectF& rect);

    QLabel* appTitleTextField() const { return m_appTitleTextField; }
    QLabel* appVersionTextField() const { return m_appVersionTextField; }
    QLabel* whatsNewTextField() const { return m_whatsNewTextField; }
    QLabel* logoImageView() const { return m_logoImageView; }
    QPushButton* addNewWebsiteButton() const { return m_addNewWebsiteButton; }
    QPushButton* openNewWebsiteButton() const { return m_openNewWebsiteButton; }
    QPushButton* userGuideButton() const { return m_userGuideButton; }
    QPushButton* videoTutorialButton() const { return m_videoTutorialButton; }
    QPushButton* promoButton() const { return m_promoButton; }
    QString promotionTitle() const { return m_promotionTitle; }
    QString promotionMsg() const { return m_promotionMsg; }
    QString promotionURL() const { return m_promotionURL; }
    QImage promotionImage() const { return m_promotionImage; }

    // The action a button sends along the responder chain; empty for one that acts on its own.
    static QString actionOf(const QAbstractButton* button);

public Q_SLOTS:
    // "Learn more" opens the promoted product's page; "Cancel" closes the alert.
    void launchPromotionMessage();
    void launchFAQforIOS();

private:
    void buildWindow();
    void windowDidLoad();
    void applyProductSettings();
    void localizeTitles();
    QPushButton* addButton(const char* name, const QString& title, const QRect& frame, const QString& action);
    void setAction(QPushButton* button, const QString& action);

    SKTAppDelegate& m_delegate;
    QLabel* m_appTitleTextField = nullptr;
    QLabel* m_appVersionTextField = nullptr;
    QLabel* m_whatsNewTextField = nullptr;
    QLabel* m_descriptionField = nullptr;
    QLabel* m_logoImageView = nullptr;
    QPushButton* m_startNewButton = nullptr;
    QPushButton* m_launchURLButton = nullptr;
    QPushButton* m_iOSButton = nullptr;
    QPushButton* m_addNewWebsiteButton = nullptr;
    QPushButton* m_openNewWebsiteButton = nullptr;
    QPointer<QPushButton> m_userGuideButton;
    QPointer<QPushButton> m_videoTutorialButton;
    QPushButton* m_promoButton = nullptr;
    QString m_promotionURL;
    QString m_promotionMsg;
    QString m_promotionTitle;
    QImage m_promotionImage;
};
