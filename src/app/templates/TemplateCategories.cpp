#include "app/templates/TemplateCategory.h"

namespace TemplateCategories {

namespace {

struct Row {
    QStringList products;
    bool replace;
    QList<TemplateCategory> categories;
    QString firstCategory; // empty: "all"
};

TemplateCategory c(const char* folder, const char* description)
{
    return {QString::fromUtf8(folder), QString::fromUtf8(description)};
}

const QList<Row>& rows()
{
    // clang-format off
    static const QList<Row> table = {
        {{"HTML Velk Pro"}, false,
         {c("business", "  Business"), c("classic", "  Classic"), c("velknation", "  Velk Nation"), c("forms", "  Forms"),
          c("mobile", "  Mobile"), c("modern", "  Modern"), c("widgets", "  Widgets")}, {}},
        {{"Plimsy Mails Pro 2"}, false,
         {c("business", "  Business Newsletters"), c("holiday", "  Holiday Greetings"), c("invitations", "  Invitations"),
          c("marketing", "  Marketing and Promotions"), c("miscellaneous", "  Miscellaneous"),
          c("specials", "  New In Pro 2")}, {}},
        {{"Plimsy Mails Express"}, false,
         {c("free", "  Free Templates"), c("business", "  Business Newsletters"), c("holiday", "  Holiday Greetings"),
          c("invitations", "  Invitations"), c("marketing", "  Marketing and Promotions"),
          c("miscellaneous", "  Miscellaneous"), c("specials", "  Specials")}, {}},
        {{"Tamble Chart Designer Pro", "Tamble Chart Designer Pro 2"}, false,
         {c("network", "  Network"), c("team", "  Team Structure")}, {}},
        {{"Fennick Label Designer Pro"}, false,
         {c("classic", "  Classic"), c("labels", "  Single Labels"), c("personalized", "  Personalized Labels")}, {}},
        {{"VirAvivu Gondrel"}, false, {c("simple", "  Simple"), c("cards", "  Classic")}, {}},
        {{"Tazmir Flyer Maker Pro"}, false,
         {c("folding", "  Folded"), c("portrait", "  Portrait"), c("posters", "  Landscape")}, {}},
        {{"Crundle Rice Recipe Manager"}, false, {c("modern", "  Templates"), c("samples", "  Samples")}, {}},
        {{"Quarnel Pro"}, false,
         {c("business", "  Business"), c("feedback", "  Feedback"), c("guestbook", "  Guestbook"),
          c("survey", "  Survey")}, {}},
        {{"Quarnel Pro 2"}, false,
         {c("free", "  Free"), c("business", "  Business"), c("feedback", "  Feedback"), c("guestbook", "  Guestbook"),
          c("survey", "  Survey")}, {}},
        {{"Tazmir Greeting Card Designer"}, true,
         {c("letter_2fold_horizontal", "  Letter Half Fold - 8.5\" x 5.5\""),
          c("letter_2fold_vertical", "  Letter Half Fold - 5.5\" x 8.5\""),
          c("letter_4fold_horizontal", "  Letter Quarter Fold - 5.5\" x 4.25\""),
          c("letter_4fold_vertical", "  Letter Quarter Fold - 4.25\" x 5.5\""),
          c("a4_2fold_horizontal", "  A4 Half Fold - 8.3\" x 5.85\""),
          c("a4_2fold_vertical", "  A4 Half Fold - 5.85\" x 8.3\""),
          c("a4_4fold_horizontal", "  A4 Quarter Fold - 5.85\" x 4.15\""),
          c("a4_4fold_vertical", "  A4 Quarter Fold - 4.15\" x 5.85\""),
          c("a5_2fold_horizontal", "  A5 Half Fold - 8.3\" x 2.9\""),
          c("a5_2fold_vertical", "  A5 Half Fold - 4.15\" x 5.8\""),
          c("a5_4fold_horizontal", "  A5 Quarter Fold - 4.15\" x 2.9\""),
          c("a5_4fold_vertical", "  A5 Quarter Fold - 2.9\" x 4.15\"")},
         "letter_2fold_horizontal"},
        {{"Blue Skellow Envelope Designer"}, true,
         {c("number10_envelope", "105 x 241mm (4.125 x 9.5\") #10"), c("dl_envelope", "110 x 220mm (4.4 x 8.8\") DL"),
          c("monarch_envelope", "98 x 190mm (3.9 x 7.5\") Monarch"),
          c("number9_envelope", "98 x 225mm (3.875 x 8.875\") #9")},
         "number10_envelope"},
        {{"Blue Skellow Business Card Designer"}, true,
         {c("cards", "  89 × 51 mm (3.5 × 2 in)"), c("A4_cards", "  85 × 55 mm (3.35 × 2.17 in)")}, "cards"},
        {{"Brevold Responsive Email Designer"}, true, {c("blank", "  Blank"), c("templates", "  Templates")}, {}},
        {{"Blue Skellow eCard Designer"}, true,
         {c("blank", "  Blank"), c("birthday", "  Birthday"), c("hugs", "  Hugs"), c("love", "  Love"),
          c("newyear", "  New Year"), c("missingyou", "  Missing You"), c("others", "  Others"), c("sayhi", "  Say Hi"),
          c("submityourown", "  Submit Your Own"), c("thankyou", "  Thank You")},
         "blank"},
    };
    // clang-format on
    return table;
}

} // namespace

TemplateCategoryList forProduct(const QString& displayName)
{
    TemplateCategoryList list;
    list.categoryFolder = kAllFolder;
    list.categories = {c("all", "  All"), c("blank", "  Blank")};
    for (const Row& row : rows()) {
        if (!row.products.contains(displayName))
            continue;
        if (row.replace)
            list.categories.clear();
        list.categories += row.categories;
        if (!row.firstCategory.isEmpty())
            list.categoryFolder = row.firstCategory;
        break;
    }
    return list;
}

} // namespace TemplateCategories
