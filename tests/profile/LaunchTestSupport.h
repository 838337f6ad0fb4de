#pragma once

#include "platform/Bundle.h"
#include "platform/RulerUnits.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/print/PrintSheetCatalogue.h"
#include "support/VelkTest.h"

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
