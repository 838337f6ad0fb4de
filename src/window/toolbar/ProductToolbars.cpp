#include "window/toolbar/ProductToolbars.h"

namespace ProductToolbars {

namespace {

constexpr int L = HidePageLinkItem;
constexpr int F = HideLinkFields;
constexpr int S = HideScrollControls;
constexpr int A = HideAltText;

struct RawRow {
    const char* displayName;
    const char* toolbarName;
    int extras;
};

// clang-format off
constexpr RawRow kRows[] = {
    {"Blue Skellow Envelope Designer",      "blueSkellowEnvelopeDesignerToolbar", L | F | S},
    {"Blue Skellow Business Card Designer", "quorvikBusinessCardDesignerToolbar", L | F | S},
    {"Blue Skellow eCard Designer",         "quorvikEcardDesignerToolbar",        L},
    {"Lummet Image Notes",                  "lummetImageNotesToolbar",            L},
    {"HTML Velk Pro",                       "velkToolbar",                        0},
    {"Brevold Responsive Website Designer", "tazmirToolbar",                      0},
    {"Plimsy Mails Pro 2",                  "plimsyMailsToolbar",                 L},
    {"Plimsy Mails Express",                "plimsyMailsExpressToolbar",          L},
    {"Crundle Rice Recipe Manager",         "crundleRiceToolbar",                 L | F | S},
    {"Kestrand Photo Grid",                 "photoCatalogToolbar",                0},
    {"VirAvivu Gondrel",                    "businessCardBlorvinToolbar",         L | F | S},
    {"Tazmir Label Maker",                  "labelGondrelToolbar",                L | F | S},
    {"Tazmir Flyer Maker Pro",              "tazmirFlyerToolbar",                 L | F | S},
    {"Tazmir Greeting Card Designer",       "tazmirFoldingCardToolbar",           L | F | S},
    {"Tazmir Markup",                       "tazmirMarkupToolbar",                L | F | S},
    {"Tazmir Markup Express",               "tazmirMarkup2Toolbar",               L | F | S},
    {"Tazmir PDF Author",                   "tazmirManualToolbar",                L | F | S},
    {"Tazmir Family Tree Maker",            "tazmirFamilyTreeToolbar",            L | F | S},
    {"Brevold Responsive Email Designer",   "tazmirEmailDesignerToolbar",         S},
    {"Tazmir Responsive Form Designer",     "tazmirFormDesignerToolbar",          L | F | S},
    {"My Photos Drimble",                   "myPhotosDrimbleToolbar",             0},
    {"Quarnel Pro",                         "quarnelToolbar",                     0},
    {"Quarnel Pro 2",                       "quarnelPro2Toolbar",                 0},
    {"Fennick Label Designer Pro",          "labelDesignerToolbar",               L | F | S},
    {"All My Wendrils Vet Edition",         "allmywendrilsvetToolbar",            A},
    {"All My Wendrils",                     "allMyWendrilsToolbar",               A},
    {"All My Wendrils 2",                   "allMyWendrils2Toolbar",              A},
    {"Student Varrows",                     "studentVarrowsToolbar",              A},
    {"All My Wendrils Viewer",              "allmywendrilsViewerToolbar",         A},
    {"Velkpage Web Design Document Viewer", "velkpageViewerToolbar",              A},
    {"Tamble Chart Designer Pro",           "tambleChartMakerToolbar",            L | F | S},
    {"Tamble Chart Designer Pro 2",         "tambleChartMakerToolbar2",           L | F | S},
};
// clang-format on

const Item kTextBox{QStringLiteral("addNewTextboxToolbarItem"),
                    QStringLiteral("Text Box"),
                    QStringLiteral("showTextViewPopOver"),
                    {}};
const Item kImage{
    QStringLiteral("addNewImageToolbarItem"), QStringLiteral("Image"), QStringLiteral("addNewImage"), {}};
const Item kShape{QStringLiteral("addNewShapeToolbarItem"),
                  QStringLiteral("Shape"),
                  QStringLiteral("showShapePopOver"),
                  {}};
const Item kStyleEditor{QStringLiteral("styleEditorToolbarItem"),
                        QStringLiteral("Style Editor"),
                        QStringLiteral("toggleInspector"),
                        {}};
const Item kPrintLayout{QStringLiteral("printLayoutToolbarItem"),
                        QStringLiteral("Print Layout"),
                        QStringLiteral("setupPrintLayoutView"),
                        {}};

Item controlItem(const char* control)
{
    return {QString::fromLatin1(control), {}, {}, QString::fromLatin1(control)};
}

// What a toolbar adds to the design items (text box, image, shape), before the style editor.
struct ToolbarExtras {
    const char* toolbarName;
    QList<Item> items;
};

const QList<ToolbarExtras>& toolbarExtras()
{
    static const QList<ToolbarExtras> extras = {
        {"velkToolbar", {controlItem("canvasSizeToolbarItem")}},
        {"tazmirToolbar", {controlItem("canvasSizeToolbarItem")}},
        {"blueSkellowEnvelopeDesignerToolbar", {kPrintLayout}},
        {"quorvikBusinessCardDesignerToolbar", {kPrintLayout}},
        {"quorvikEcardDesignerToolbar", {kPrintLayout}},
        {"labelGondrelToolbar", {controlItem("templateSelectionPopupButton")}},
        {"labelDesignerToolbar", {controlItem("templateSelectionPopupButton")}},
        {"tazmirFlyerToolbar", {controlItem("flyerTemplateSelectionPopupButton")}},
        {"tazmirManualToolbar", {controlItem("manualTemplateSelectionPopupButton")}},
        {"tazmirFoldingCardToolbar", {controlItem("foldingCardTemplateSelectionPopupButton")}},
    };
    return extras;
}

// The viewers open pages to read them: they add nothing.
bool isViewerToolbar(const QString& toolbarName)
{
    return toolbarName == u"allmywendrilsViewerToolbar" || toolbarName == u"velkpageViewerToolbar";
}

} // namespace

const QList<Row>& table()
{
    static const QList<Row> rows = [] {
        QList<Row> list;
        for (const RawRow& raw : kRows)
            list.append(
                {QString::fromUtf8(raw.displayName), QString::fromLatin1(raw.toolbarName), raw.extras});
        return list;
    }();
    return rows;
}

std::optional<Row> rowFor(const QString& displayName)
{
    for (const Row& row : table()) {
        if (row.displayName == displayName)
            return row;
    }
    return std::nullopt;
}

QStringList controlsHiddenBy(int extras)
{
    QStringList names;
    if (extras & HideLinkFields) {
        names << QStringLiteral("altTextField") << QStringLiteral("linkTextFieldLabel")
              << QStringLiteral("hyperLinkTextField") << QStringLiteral("linkOptionSegmentedControl")
              << QStringLiteral("saveLinkButton");
    } else if (extras & HideAltText) {
        names << QStringLiteral("altTextField");
    }
    if (extras & HideScrollControls)
        names << QStringLiteral("scrollSegmentedControl") << QStringLiteral("scrollTextFieldLabel");
    return names;
}

QList<Item> itemsOf(const QString& toolbarName)
{
    if (isViewerToolbar(toolbarName))
        return {kStyleEditor};
    QList<Item> items = {kTextBox, kImage, kShape};
    for (const ToolbarExtras& extras : toolbarExtras()) {
        if (toolbarName == QLatin1String(extras.toolbarName))
            items += extras.items;
    }
    items.append(kStyleEditor);
    return items;
}

} // namespace ProductToolbars
