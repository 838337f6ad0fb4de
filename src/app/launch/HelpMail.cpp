#include "app/launch/HelpMail.h"

#include "profile/ProductProfile.h"

QString helpMailAddress(const ProductProfile& profile)
{
    const QString subject =
        QStringLiteral("Help with %1 %2").arg(profile.productDisplayName, profile.appVersion);
    const QString body =
        QStringLiteral("Hello!  I'm using %1, version %2.  Please help me with the following "
                       "questions / feedback:")
            .arg(profile.productDisplayName, profile.appVersion);
    QString address = QStringLiteral("mailto:%1?Subject=%2&body=%3").arg(profile.supportEmail, subject, body);
    return address.replace(u' ', QLatin1String("%20"));
}
