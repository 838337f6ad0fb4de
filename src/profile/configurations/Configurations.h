#pragma once

#include "profile/configurations/ConfigurationTable.h"

// The configuration tables of the product family, one per kind of product.
namespace Configurations {

const ConfigurationTable& pageDesignerConfigurations();
const ConfigurationTable& formDesignerConfigurations();
const ConfigurationTable& responsiveDesignerConfigurations();
const ConfigurationTable& mailDesignerConfigurations();
const ConfigurationTable& chartConfigurations();
const ConfigurationTable& pdfAuthorConfiguration();
const ConfigurationTable& labelDesignerConfigurations();
const ConfigurationTable& businessCardConfigurations();
const ConfigurationTable& flyerAndCardConfigurations();
const ConfigurationTable& imageMarkupConfigurations();
const ConfigurationTable& recordKeepingConfigurations();
const ConfigurationTable& envelopeDesignerConfiguration();
const ConfigurationTable& defaultConfiguration();

// Every table above, the default configuration last.
QList<const ConfigurationTable*> allConfigurationTables();

// The 35 display names in the order they are tried at launch.
const QStringList& productChain();

} // namespace Configurations
