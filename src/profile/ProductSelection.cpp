#include "profile/ProductSelection.h"

#include "platform/Bundle.h"
#include "profile/DataCentre.h"
#include "profile/configurations/Configurations.h"
#include "profile/print/PrintSheetCatalogue.h"

namespace DataCentre {

void runAppSpecificSetups()
{
    loadPrintLabels();

    ProductProfile& p = mutableProfile();
    const Bundle& bundle = Bundle::main();
    p.appVersion = bundle.infoValue(QStringLiteral("CFBundleVersion"));
    p.productDisplayName = bundle.infoValue(QStringLiteral("CFBundleDisplayName"));
    p.bundleIdentifier = bundle.infoValue(QStringLiteral("CFBundleIdentifier"));

    // Names are compared whole and case-sensitively; a missing name is never in the chain.
    bool applied = false;
    if (!p.productDisplayName.isNull() && Configurations::productChain().contains(p.productDisplayName)) {
        for (const Configurations::ConfigurationTable* table : Configurations::allConfigurationTables()) {
            if (table->apply(p.productDisplayName, p)) {
                applied = true;
                break;
            }
        }
    }
    if (!applied)
        Configurations::defaultConfiguration().apply(QString(), p);

    p.baseTemplateFile = kBaseTemplateName + u'.' + p.documentExtension;
}

} // namespace DataCentre
