#include "profile/configurations/Configurations.h"

namespace Configurations {

const QStringList& productChain()
{
    static const QStringList chain = {
        "HTML Velk Pro",
        "Brevold Responsive Website Designer",
        "Plimsy Mails Pro 2",
        "Plimsy Mails Express",
        "Tamble Chart Designer Pro",
        "Tamble Chart Designer Pro 2",
        "Crundle Rice Recipe Manager",
        "My Photos Drimble",
        "Kestrand Photo Grid",
        "Kestrand Video Grid",
        "Folder Size Ombrel",
        "Water Snibbet",
        "Quarnel Pro",
        "Fennick Label Designer Pro",
        "VirAvivu Gondrel",
        "Tazmir Label Maker",
        "Tazmir Flyer Maker Pro",
        "Tazmir Greeting Card Designer",
        "Tazmir Markup",
        "Tazmir Markup Express",
        "Lummet Image Notes",
        "Tazmir PDF Author",
        "Tazmir Family Tree Maker",
        "Brevold Responsive Email Designer",
        "Tazmir Responsive Form Designer",
        "Quarnel Pro 2",
        "All My Wendrils",
        "All My Wendrils 2",
        "All My Wendrils Viewer",
        "All My Wendrils Vet Edition",
        "Student Varrows",
        "Velkpage Web Design Document Viewer",
        "Blue Skellow Business Card Designer",
        "Blue Skellow eCard Designer",
        "Blue Skellow Envelope Designer",
    };
    return chain;
}

QList<const ConfigurationTable*> allConfigurationTables()
{
    return {
        &pageDesignerConfigurations(),  &formDesignerConfigurations(),  &responsiveDesignerConfigurations(),
        &mailDesignerConfigurations(),  &chartConfigurations(),         &pdfAuthorConfiguration(),
        &labelDesignerConfigurations(), &businessCardConfigurations(),  &flyerAndCardConfigurations(),
        &imageMarkupConfigurations(),   &recordKeepingConfigurations(), &envelopeDesignerConfiguration(),
        &defaultConfiguration()};
}

} // namespace Configurations
