#pragma once

#include "platform/Bundle.h"
#include "platform/RulerUnits.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/print/PrintSheetCatalogue.h"
#include "support/VelkTest.h"

// Lists the print products' tables are expected to hold.
inline const QStringList kPersonalTags{"[FIRST_NAME]", "[LAST_NAME]", "[TITLE]", "[JOB_TITLE]",
                                       "[STREET]",     "[CITY]",      "[STATE]", "[ZIPCODE]",
                                       "[COUNTRY]",    "[EMAIL]",     "[PHONE]"};
inline const QStringList kDecorativeFonts{
    "Marlett",  "Impact",    "Noteworthy",         "Stencil", "Caflisch Script Pro",
    "Heiti TC", "Phosphate", "Nanum Brush Script", "PilGi",   "Rosewood Std"};

// The title a sheet pop-up gives a template entry.
inline QString popupTitle(const LabelTemplateHelper& entry)
{
    return QStringLiteral("%1 %2 %3")
        .arg(entry.brand(), entry.templateNumber(), entry.templateDescription())
        .trimmed();
}

// Launches product configurations one after another in one process: every test starts from a fresh
// profile and leaves the shipped bundle, the sheet catalogue and the ruler units as it found them.
class LaunchTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
    }
    void TearDown() override
    {
        Bundle::main().load(Bundle::defaultResourcesPath());
        DataCentre::loadPrintLabels();
        DataCentre::resetProfile();
        RulerUnits::reset();
        VelkTest::TearDown();
    }

    // The profile as product selection leaves it for the display name. Launch sets the print points per
    // inch only after the configuration; a value given here shows the launch sheet reaching the grid size.
    static ProductProfile launchAs(const QString& displayName, float printPointsPerInch = 0.0f)
    {
        DataCentre::resetProfile();
        DataCentre::profile().printPointsPerInch = printPointsPerInch;
        Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), displayName);
        DataCentre::runAppSpecificSetups();
        return DataCentre::profile();
    }
};
