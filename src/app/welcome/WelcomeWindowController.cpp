#include "app/welcome/WelcomeWindowController.h"

#include "app/launch/DefaultStrings.h"
#include "app/launch/SKTAppDelegate.h"
#include "app/menus/MainMenu.h"
#include "app/welcome/WelcomeProductTable.h"
#include "platform/Alert.h"
#include "platform/Workspace.h"
#include "profile/DataCentre.h"
#include "profile/configurations/ConfigurationTable.h"

#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

const char* const kActionProperty = "action";
const QString kTitleFont = QStringLiteral("Impact");
const QString kMobileQuestionsURL = QStringLiteral("https://www.velk.app/html-velk-pro/ios-faq");
const QSize kWindowSize(760, 500);
const QRect kTitleFrame(180, 24, 556, 64);

const char* const kWhatsNew =
    "What's New In v%1:\n- improvements for image slideshows\n- option for adding multiple "
    "images to slideshow at once\n- improvements for textbox transparency settings";

QLabel* addLabel(QWidget* parent, const char* name, const QRect& frame)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(frame);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

WelcomeWindowController::WelcomeWindowController(SKTAppDelegate& delegate)
    : m_delegate(delegate)
{
    setObjectName(QStringLiteral("welcomeWindow"));
    delegate.mainMenu().installInto(menuBar());
    buildWindow();
    windowDidLoad();
}

QPushButton* WelcomeWindowController::addButton(const char* name, const QString& title, const QRect& frame,
                                                const QString& action)
{
    auto* button = new QPushButton(title, centralWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(frame);
    setAction(button, action);
    connect(button, &QPushButton::clicked, this, [this, button] {
        const QString action = actionOf(button);
        if (!action.isEmpty())
            m_delegate.sendActionNamed(action);
    });
    return button;
}

void WelcomeWindowController::setAction(QPushButton* button, const QString& action)
{
    button->setProperty(kActionProperty, action);
}

QString WelcomeWindowController::actionOf(const QAbstractButton* button)
{
    return button ? button->property(kActionProperty).toString() : QString();
}

// The window as its resource lays it out, before the product fills it.
void WelcomeWindowController::buildWindow()
{
    setWindowTitle(QStringLiteral("Welcome"));
    auto* content = new QWidget(this);
    setCentralWidget(content);
    setFixedSize(kWindowSize.width(), kWindowSize.height() + menuBar()->sizeHint().height());

    m_logoImageView = addLabel(content, "logoImageView", QRect(24, 24, 136, 136));
    m_logoImageView->setAlignment(Qt::AlignCenter);
    m_appTitleTextField = addLabel(content, "appTitleTextField", kTitleFrame);
    m_appTitleTextField->setWordWrap(false);
    m_appVersionTextField = addLabel(content, "appVersionTextField", QRect(180, 92, 556, 172));
    m_descriptionField = addLabel(content, "descriptionField", QRect(180, 266, 556, 22));
    m_descriptionField->setText(QStringLiteral("Design it on the canvas, publish it as it looks."));

    m_addNewWebsiteButton = addButton("addNewWebsiteButton", QStringLiteral("New Website"),
                                      QRect(180, 296, 268, 52), QStringLiteral("showTemplateWebsite"));
    m_openNewWebsiteButton = addButton("openNewWebsiteButton", QStringLiteral("Open Website..."),
                                       QRect(468, 296, 268, 52), QStringLiteral("openWebsite"));
    QFont mainFont = m_addNewWebsiteButton->font();
    mainFont.setPointSizeF(mainFont.pointSizeF() * 1.3);
    m_addNewWebsiteButton->setFont(mainFont);
    m_openNewWebsiteButton->setFont(mainFont);

    m_startNewButton = addButton("startNewButton", QStringLiteral("Open Page..."), QRect(180, 360, 176, 28),
                                 QStringLiteral("openNewDoc"));
    m_launchURLButton = addButton("launchURLButton", QStringLiteral("Visit Website"),
                                  QRect(370, 360, 176, 28), QStringLiteral("launchAppURL"));
    m_iOSButton = addButton("iOSButton", QStringLiteral("Mobile Edition"), QRect(560, 360, 176, 28), {});
    connect(m_iOSButton, &QPushButton::clicked, this, &WelcomeWindowController::launchFAQforIOS);

    m_whatsNewTextField = addLabel(content, "whatsNewTextField", QRect(180, 402, 556, 84));
    m_userGuideButton = addButton("userGuideButton", QStringLiteral("User Guide"), QRect(24, 176, 136, 28),
                                  QStringLiteral("launchUserGuide"));
    m_videoTutorialButton = addButton("videoTutorialButton", QStringLiteral("Video Tutorials"),
                                      QRect(24, 210, 136, 28), QStringLiteral("launchVideoTutorials"));
    m_promoButton = addButton("promoButton", {}, QRect(24, 256, 136, 136), {});
    m_promoButton->setFlat(true);
    m_promoButton->setIconSize(QSize(120, 120));
    connect(m_promoButton, &QPushButton::clicked, this, &WelcomeWindowController::launchPromotionMessage);
}

void WelcomeWindowController::windowDidLoad()
{
    const ProductProfile& profile = DataCentre::profile();
    if (profile.userGuideFile.isEmpty())
        delete m_userGuideButton.data();
    if (profile.videoTutorialsURL.isEmpty())
        delete m_videoTutorialButton.data();

    m_appTitleTextField->setText(profile.productDisplayName);
    QFont titleFont(kTitleFont);
    titleFont.setPointSize(calcFontSizeToFitRect(profile.productDisplayName, kTitleFont, kTitleFrame));
    m_appTitleTextField->setFont(titleFont);

    m_appVersionTextField->setText(QStringLiteral("Version %1").arg(profile.appVersion));
    if (!profile.productIcon.isNull())
        m_logoImageView->setPixmap(QPixmap::fromImage(profile.productIcon.scaled(
            m_logoImageView->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    if (!profile.welcomeNote.isEmpty())
        m_appVersionTextField->setText(
            QStringLiteral("%1\n\n%2").arg(m_appVersionTextField->text(), profile.welcomeNote));

    applyProductSettings();

    m_whatsNewTextField->setText(QString::fromLatin1(kWhatsNew).arg(profile.appVersion));
    QPalette palette = m_appVersionTextField->palette();
    palette.setColor(QPalette::WindowText, Qt::darkGray);
    m_appVersionTextField->setPalette(palette);
    localizeTitles();
}

void WelcomeWindowController::applyProductSettings()
{
    const ProductProfile& profile = DataCentre::profile();
    const WelcomeProductTable::Entry entry = WelcomeProductTable::entryFor(profile.productDisplayName);
    const struct {
        QPushButton* button;
        WelcomeProductTable::MainButton setting;
    } mainButtons[] = {{m_addNewWebsiteButton, entry.newButton}, {m_openNewWebsiteButton, entry.openButton}};
    for (const auto& main : mainButtons) {
        if (!main.setting.title.isEmpty())
            main.button->setText(main.setting.title);
        if (!main.setting.action.isEmpty())
            setAction(main.button, main.setting.action);
    }

    const WelcomeProductTable::Promotion& promotion = entry.promotion;
    if (!promotion.title.isEmpty()) {
        m_promotionImage = Configurations::productImageNamed(promotion.imageName);
        m_promotionTitle = promotion.title;
        m_promotionMsg = promotion.message;
        m_promotionURL = promotion.url;
        m_promoButton->setIcon(QIcon(QPixmap::fromImage(m_promotionImage)));
        m_promoButton->setToolTip(promotion.title);
    }
    // Without a promotion the button would have nothing to show or do.
    m_promoButton->setVisible(!promotion.title.isEmpty());

    if (profile.productDisplayName == QLatin1String("Fennick Label Designer Pro"))
        m_appVersionTextField->setText(WelcomeProductTable::labelSheetVersionText(profile.appVersion));
}

void WelcomeWindowController::localizeTitles()
{
    for (QPushButton* button : {m_addNewWebsiteButton, m_openNewWebsiteButton, m_userGuideButton.data()}) {
        if (button)
            button->setText(localizedDefaultString(button->text()));
    }
    setWindowTitle(localizedDefaultString(windowTitle()));
}

int WelcomeWindowController::calcFontSizeToFitRect(const QString& text, const QString& fontName,
                                                   const QRectF& rect)
{
    constexpr int kSmallest = 5;
    constexpr int kLargest = 299;
    constexpr int kReferenceSize = 100;
    const float width = float(rect.width());
    const float height = float(rect.height());
    const auto metricsAt = [&fontName](int size) {
        QFont font(fontName);
        font.setPointSize(size);
        return QFontMetricsF(font);
    };
    const auto fits = [&](int size) {
        const QFontMetricsF metrics = metricsAt(size);
        return !(metrics.horizontalAdvance(text) > width || metrics.height() > height);
    };
    // Every size is a font of its own to load: text grows in proportion to its size, so one measurement
    // lands next to the answer and a step or two settles it, instead of trying each size from the smallest.
    const QFontMetricsF reference = metricsAt(kReferenceSize);
    double scale = reference.height() > 0 ? height / reference.height() : 1.0;
    if (const qreal advance = reference.horizontalAdvance(text); advance > 0)
        scale = std::min(scale, width / advance);
    int size = int(std::clamp(kReferenceSize * scale, double(kSmallest - 1), double(kLargest)));
    // The guess itself is tried first, so a guess one too large costs no size above it.
    if (size < kSmallest || fits(size)) {
        while (size < kLargest && fits(size + 1))
            ++size;
    } else {
        do
            --size;
        while (size >= kSmallest && !fits(size));
    }
    return size;
}

void WelcomeWindowController::launchPromotionMessage()
{
    Alert alert(m_promotionTitle, m_promotionMsg, {QStringLiteral("Learn more"), QStringLiteral("Cancel")});
    alert.style = Alert::Informational;
    alert.icon = m_promotionImage;
    if (alert.runModal(this) == Alert::FirstButton)
        Workspace::openURL(QUrl(m_promotionURL));
}

void WelcomeWindowController::launchFAQforIOS()
{
    Workspace::openURL(QUrl(kMobileQuestionsURL));
}
