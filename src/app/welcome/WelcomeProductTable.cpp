#include "app/welcome/WelcomeProductTable.h"

#include <QHash>

namespace WelcomeProductTable {

namespace {

// The web pages the promotions lead to.
const QString kVelkProPage = QStringLiteral("https://www.velk.app/html-velk-pro");
const QString kEmailDesignerPage = QStringLiteral("https://www.velk.app/brevold-email-designer");
const QString kTazmirFamilyPage = QStringLiteral("https://www.velk.app/tazmir");
const QString kPatientRecordsPage = QStringLiteral("https://www.velk.app/all-my-wendrils");
const QString kFoldingCardPage =
    QStringLiteral("https://www.velk.app/tazmir/tazmir_folding_card_designer.html");

const QString kFlyerMakerPitch = QStringLiteral(
    "Tazmir Flyer Maker Pro helps you create beautiful professional looking flyers in minutes! ");
const QString kPdfAuthorPitch = QStringLiteral(
    "Tazmir PDF Author makes it easy to create multi-page PDF format user guides, instruction manuals and "
    "booklets. ");

enum PromotionId { None, P1, P2, P3, P4, P5, P6, P7, P8, P9, P10, P11 };

Promotion promotion(PromotionId id)
{
    switch (id) {
    case None:
        return {};
    case P1:
        return {QStringLiteral("HTML Velk Pro for iOS"),
                QStringLiteral(
                    "Did you know this app is also available for the iPad, iPhone and Apple Watch?\n\n"
                    "You can now design and update your website on both Desktop and mobile devices.\n\n"
                    "Note each platform edition is sold separately."),
                QStringLiteral("preview_mobile"), kVelkProPage};
    case P2:
        return {QStringLiteral("Brevold Responsive Email Designer"),
                QStringLiteral("Beautiful emails for any device!\nIntuitive drag and drop designer with zero "
                               "coding, fabulous responsive emails made simple."),
                QStringLiteral("brevold_email_designer"), kEmailDesignerPage};
    case P3:
        return {
            QStringLiteral("Website designer for Mac and iOS"),
            QStringLiteral("Introducing our sibling web design app:\n\nHTML Velk features a beautiful, "
                           "intuitive, drag and drop interface and is built natively for Mac, iPad, iPhone "
                           "and Apple Watch."),
            QStringLiteral("html_velk_pro"), kVelkProPage};
    case P4:
        return {QStringLiteral("Tazmir Flyer Maker Pro"),
                QStringLiteral(
                    "We think you may also like this new Mac app from the Tazmir Software Suite:\n\n") +
                    kFlyerMakerPitch,
                QStringLiteral("tazmir_flyer_maker"), kTazmirFamilyPage};
    case P5:
        return {QStringLiteral("Need more than address labels?"),
                QStringLiteral("Tazmir Label Maker supports hundreds of different sized labels.  Built "
                               "exclusively for Mac."),
                QStringLiteral("label_gondrel"), kTazmirFamilyPage};
    case P6:
        return {
            QStringLiteral("Tazmir Flyer Maker Pro"),
            QStringLiteral("If you like Tazmir Label Maker, we think you will also enjoy this new product "
                           "from the Tazmir Software Suite:\n\n") +
                kFlyerMakerPitch,
            QStringLiteral("tazmir_flyer_maker"), kTazmirFamilyPage};
    case P7:
        return {QStringLiteral("Tazmir PDF Author"),
                QStringLiteral("We think you will also enjoy this new product from the Tazmir Software "
                               "Suite:\n\n") +
                    kPdfAuthorPitch,
                QStringLiteral("tazmir_manual"), kTazmirFamilyPage};
    case P8:
        return {
            QStringLiteral("Tazmir PDF Author"),
            QStringLiteral("If you like Tazmir Markup, we think you will also enjoy this new product from "
                           "the Tazmir Software Suite:\n\n") +
                kPdfAuthorPitch,
            QStringLiteral("tazmir_manual"), kTazmirFamilyPage};
    case P9:
        return {
            QStringLiteral("Tazmir Markup"),
            QStringLiteral("If you like Tazmir PDF Author, we think you will also enjoy this new product "
                           "from the Tazmir Software Suite:\n\nTazmir Markup makes it easy to add notes, "
                           "outlines boxes, zoom-in bubbles, lines and arrows to images and screenshots. "),
            QStringLiteral("tazmir_markup"), kTazmirFamilyPage};
    case P10:
        return {QStringLiteral("All My Wendrils 2"),
                QStringLiteral("All My Wendrils 2 is finally here!  We took your feedback and made over 100+ "
                               "improvements, including custom profile icons and the ability to format note "
                               "font size and colors."),
                QStringLiteral("all_my_wendrils2_mac"), kPatientRecordsPage};
    case P11:
        return {
            QStringLiteral("Tazmir Greeting Card Designer"),
            QStringLiteral("Introducing new app: Tazmir Folding Card Designer makes it super easy to create "
                           "memorable greeting cards."),
            QStringLiteral("tazmir_card_designer2"), kFoldingCardPage};
    }
    return {};
}

struct Row {
    const char* name;
    MainButton newButton;
    MainButton openButton;
    PromotionId promotion;
};

QString t(const char* text)
{
    return QString::fromUtf8(text);
}

const QList<Row>& rows()
{
    const QString templates = QStringLiteral("showTemplateWebsite");
    const QString openDocument = QStringLiteral("openDocument");
    const QString appURL = QStringLiteral("launchAppURL");
    // clang-format off
    static const QList<Row> table = {
        {"HTML Velk Pro", {t("New"), {}}, {t("Open..."), {}}, P1},
        {"Plimsy Mails Pro 2", {t("New"), templates}, {t("Open..."), {}}, P2},
        {"Plimsy Mails Express", {t("New"), templates}, {t("Open..."), openDocument}, P2},
        {"Tamble Chart Designer Pro", {t("New"), templates}, {t("Open..."), {}}, P2},
        {"Crundle Rice Recipe Manager", {t("New Recipe Collection"), {}}, {t("Open Recipe Collection"), {}}, None},
        {"My Photos Drimble", {t("New Collection"), {}}, {t("Open Collection"), {}}, P3},
        {"Kestrand Photo Grid", {t("New"), {}}, {t("Video Demo"), appURL}, P2},
        {"Kestrand Video Grid", {t("New"), {}}, {t("Video Demo"), appURL}, P2},
        {"Folder Size Ombrel", {t("New"), {}}, {t("Video Demo"), appURL}, P4},
        {"Quarnel Pro", {t("New"), templates}, {t("Open"), {}}, P3},
        {"Fennick Label Designer Pro", {t("New"), templates}, {t("Open"), {}}, P5},
        {"VirAvivu Gondrel", {t("New"), templates}, {t("Open"), {}}, None},
        {"Tazmir Label Maker", {t("New"), {}}, {t("Open"), {}}, P6},
        {"Tazmir Flyer Maker Pro", {t("New"), templates}, {t("Open"), {}}, P7},
        {"Tazmir Greeting Card Designer", {t("New Card"), templates}, {t("Open Saved Card"), {}}, None},
        {"Tazmir Markup", {t("New"), {}}, {t("Open"), {}}, P8},
        {"Tazmir Markup Express", {t("New"), QStringLiteral("directlyLaunchSingleDocBlank")}, {{}, openDocument}, P3},
        {"Lummet Image Notes", {t("New"), templates}, {t("Open..."), {}}, None},
        {"Tazmir PDF Author", {t("New"), {}}, {t("Open"), {}}, P9},
        {"Tazmir Family Tree Maker", {t("New"), {}}, {t("Open"), {}}, None},
        {"Brevold Responsive Email Designer", {t("New"), templates}, {t("Open"), openDocument}, None},
        {"Tazmir Responsive Form Designer", {t("New"), {}}, {t("Open"), {}}, None},
        {"Quarnel Pro 2", {t("New"), templates}, {t("Open"), openDocument}, P3},
        {"All My Wendrils", {t("New"), {}}, {t("Open"), {}}, P10},
        {"All My Wendrils 2", {t("New"), {}}, {t("Open"), {}}, None},
        {"All My Wendrils Viewer", {t("Open Patient Profile"), openDocument}, {t("View Sample"), QStringLiteral("openSample")}, None},
        {"Student Varrows", {t("New"), {}}, {t("Open"), {}}, None},
        {"Velkpage Web Design Document Viewer", {t("Open"), openDocument}, {t("View Sample"), QStringLiteral("openSample")}, None},
        {"Blue Skellow Business Card Designer", {t("New Card"), templates}, {t("Open Saved Card"), openDocument}, None},
        {"Blue Skellow eCard Designer", {t("New Card"), templates}, {t("Open Saved Card"), openDocument}, P11},
        {"Blue Skellow Envelope Designer", {t("New Envelope"), templates}, {t("Open Saved Envelope"), openDocument}, None},
    };
    // clang-format on
    return table;
}

} // namespace

Entry entryFor(const QString& displayName)
{
    for (const Row& row : rows()) {
        if (displayName == QLatin1String(row.name))
            return {row.newButton, row.openButton, promotion(row.promotion)};
    }
    return {};
}

QString labelSheetVersionText(const QString& appVersion)
{
    return QStringLiteral(
               "Version %1\n\nThis app is built exclusively for 30 label per sheet templates.  Compatible "
               "template measurements:\n- label dimension: 2.625\" x 1\" (67 x 25 mm)\n- template top "
               "margin: "
               "0.5\"\n- template side margin: 0.21975\"\n- compatible template brands and models:\n\nAvery "
               "5160 , 5260, 5520, 5660, 5810, 5960, 5970, 5971 , 5972, 5979, 5980, 8160, 8460, 8660, 8810.  "
               "Also supports other brands with the same dimensions.")
        .arg(appVersion);
}

} // namespace WelcomeProductTable
