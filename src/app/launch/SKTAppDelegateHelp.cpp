// The delegate's help and information actions: support, user guide, tutorials and edition announcements.

#include "app/launch/DefaultStrings.h"
#include "app/launch/HelpMail.h"
#include "app/launch/SKTAppDelegate.h"
#include "platform/Alert.h"
#include "platform/Bundle.h"
#include "platform/Workspace.h"
#include "profile/DataCentre.h"

#include <QFileInfo>
#include <QUrl>

namespace {

const QString kVetEditionURL = QStringLiteral("https://velk.app/allmywendrils-vet");
const QString kPatientRecordsURL = QStringLiteral("https://velk.app/allmywendrils");

Alert informational(const QString& message, const QString& informative, const QStringList& buttons)
{
    Alert alert(message, informative, buttons);
    alert.style = Alert::Informational;
    return alert;
}

void openAddress(const QString& address)
{
    Workspace::openURL(QUrl(address));
}

} // namespace

void SKTAppDelegate::launchAppURL()
{
    openAddress(DataCentre::profile().productWebsiteURL);
}

void SKTAppDelegate::showHelpAlert()
{
    const Alert alert = informational(
        QStringLiteral("Need help with this App?"),
        QStringLiteral(
            "Have questions with a feature?  Have suggestions for this App? We would love to hear from you!"),
        {QStringLiteral("Support Website"), localizedDefaultString(QStringLiteral("Email")),
         localizedDefaultString(QStringLiteral("Cancel"))});
    switch (alert.runModal()) {
    case Alert::FirstButton:
        openAddress(DataCentre::profile().productWebsiteURL);
        break;
    case Alert::SecondButton:
        Workspace::openURL(QUrl(helpMailAddress(DataCentre::profile()), QUrl::TolerantMode));
        break;
    default:
        break;
    }
}

void SKTAppDelegate::showiPhoneAlert()
{
    const Alert alert =
        informational(QStringLiteral("iOS Edition"),
                      QStringLiteral("Work on both your mobile and desktop devices.  Learn about the "
                                     "iOS Edition (sold separately on the App Store)"),
                      {QStringLiteral("iOS Edition"), QStringLiteral("OK")});
    if (alert.runModal() == Alert::FirstButton)
        openAddress(DataCentre::profile().productWebsiteURL);
}

void SKTAppDelegate::launchUserGuide()
{
    const QFileInfo guide(DataCentre::profile().userGuideFile);
    const QString path = Bundle::main().pathForResource(guide.completeBaseName(), guide.suffix());
    // A product without its guide among the resources opens nothing.
    if (path.isNull()) {
        qInfo("The user guide %s is not among the resources", qPrintable(guide.fileName()));
        return;
    }
    Workspace::openURL(QUrl::fromLocalFile(path));
}

void SKTAppDelegate::launchVideoTutorials()
{
    openAddress(DataCentre::profile().videoTutorialsURL);
}

void SKTAppDelegate::launchAllMyWendrilsVet()
{
    const Alert alert = informational(
        QStringLiteral("All My Wendrils Vet Edition"),
        QStringLiteral(
            "Introducing All My Wendrils for Vet, a new and easier way for Veterinary physicians to "
            "manage patients.  Now available for Mac, iPhone and iPad."),
        {localizedDefaultString(QStringLiteral("Learn More")),
         localizedDefaultString(QStringLiteral("Cancel"))});
    if (alert.runModal() == Alert::FirstButton)
        openAddress(kVetEditionURL);
}

void SKTAppDelegate::launchAllMyWendrils2()
{
    const Alert alert = informational(
        QStringLiteral("All My Wendrils 2"),
        QStringLiteral(
            "All My Wendrils 2 is finally here!  We took your feedback and made over 100+ improvements, "
            "including custom profile icons and the ability to format note font size and colors."),
        {QStringLiteral("Learn more"), QStringLiteral("Cancel")});
    if (alert.runModal() == Alert::FirstButton)
        openAddress(kPatientRecordsURL);
}

void SKTAppDelegate::orderFrontStandardAboutPanel()
{
    const ProductProfile& profile = DataCentre::profile();
    informational(profile.productDisplayName, QStringLiteral("Version %1").arg(profile.appVersion), {})
        .runModal();
}
