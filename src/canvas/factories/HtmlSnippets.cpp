#include "canvas/factories/HtmlSnippets.h"

#include "platform/Alert.h"

#include <QStringList>

namespace HtmlSnippets {

namespace {

// Example addresses: the user puts in the payment service's and their own.
const QString kPaymentHost = QStringLiteral("payments.example.com");
const QString kSellerAddress = QStringLiteral("seller@example.com");

QString lines(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n'));
}

} // namespace

const Snippet& freeSnippet()
{
    static const Snippet snippet{QStringLiteral("<b>Enter HTML code here</b>"), QSizeF(250, 100)};
    return snippet;
}

const Snippet& video()
{
    static const Snippet snippet{
        lines({QStringLiteral("<div class=\"embed-responsive embed-responsive-4by3\">"),
               QStringLiteral(
                   "<iframe class=\"embed-responsive-item\" src=\"REPLACE_WITH_VIDEO_URL\"></iframe>"),
               QStringLiteral("</div>")}),
        QSizeF(640, 480)};
    return snippet;
}

const Snippet& buyButton()
{
    static const Snippet snippet{
        lines(
            {QStringLiteral("<form name=\"_xclick\" action=\"https://%1/ca/cgi-bin/webscr\" method=\"post\">")
                 .arg(kPaymentHost),
             QStringLiteral("<input type=\"hidden\" name=\"cmd\" value=\"_xclick\">"),
             QStringLiteral("<input type=\"hidden\" name=\"business\" value=\"%1\">").arg(kSellerAddress),
             QStringLiteral("<input type=\"hidden\" name=\"currency_code\" value=\"USD\">"),
             QStringLiteral("<input type=\"hidden\" name=\"item_name\" value=\"Product Name\">"),
             QStringLiteral("<input type=\"hidden\" name=\"amount\" value=\"0.99\">"),
             QStringLiteral(
                 "<input type=\"image\" src=\"http://%1/en_US/i/btn/x-click-but01.gif\" border=\"0\" "
                 "name=\"submit\">")
                 .arg(kPaymentHost),
             QStringLiteral("</form>")}),
        QSizeF(700, 200), true};
    return snippet;
}

void showBuyButtonNotice(QWidget* parent)
{
    Alert alert(
        QStringLiteral("Looking for more Buy Button styles?"),
        QStringLiteral("The generic snippet here will help you quickly set up a simple Buy Button.\n\nFor "
                       "more advanced styles, please visit PayPal's website and use the button generator."),
        {QStringLiteral("OK")});
    alert.style = Alert::Informational;
    alert.runModal(parent);
}

} // namespace HtmlSnippets
