#include "canvas/view/SKTGraphicView.h"

#include "canvas/dialogs/PrintSettingsWindowController.h"
#include "profile/DataCentre.h"

#include <QLineEdit>
#include <QPushButton>

PrintSettingsWindowController* SKTGraphicView::printSettingsWindowController() const
{
    return m_printSettingsWindowController;
}

void SKTGraphicView::launchPrintSettings()
{
    if (!m_printSettingsWindowController) {
        m_printSettingsWindowController = new PrintSettingsWindowController(this);
        connect(m_printSettingsWindowController->saveButton(), &QPushButton::clicked, this,
                &SKTGraphicView::savePrintSettings);
    }
    PrintSettingsWindowController& sheet = *m_printSettingsWindowController;
    const ProductProfile& profile = DataCentre::profile();
    sheet.startingRowSpotTextField()->setText(QString::number(profile.printStartingRowSpot));
    sheet.startingColumnSpotTextField()->setText(QString::number(profile.printStartingColumnSpot));
    sheet.open();
}

void SKTGraphicView::savePrintSettings()
{
    if (!m_printSettingsWindowController)
        return;
    PrintSettingsWindowController& sheet = *m_printSettingsWindowController;
    sheet.accept();
    // A field left empty counts as 0, which prints from the first label.
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.printStartingRowSpot = sheet.startingRowSpotTextField()->text().toInt();
    profile.printStartingColumnSpot = sheet.startingColumnSpotTextField()->text().toInt();
}
