#include "app/launch/CommandLine.h"

#include "profile/configurations/Configurations.h"

#include <algorithm>
#include <vector>

namespace {

const QString kProductOption = QStringLiteral("--product");

int editDistance(const QString& from, const QString& to)
{
    std::vector<int> previous(to.size() + 1);
    std::vector<int> current(to.size() + 1);
    for (qsizetype j = 0; j <= to.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= from.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= to.size(); ++j) {
            const int substitution = previous[j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[to.size()];
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            line.documents << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
        } else if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            line.version = true;
        } else if (argument == kProductOption) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("--product needs a product name");
                return line;
            }
            line.product = arguments[++i];
        } else if (argument.startsWith(kProductOption + u'=')) {
            line.product = argument.mid(kProductOption.size() + 1);
        } else {
            line.error = QStringLiteral("unknown option %1").arg(argument);
            return line;
        }
    }
    return line;
}

QString CommandLine::helpText(const QString& programName)
{
    QString text = QStringLiteral("Usage: %1 [options] [page document ...]\n"
                                  "\n"
                                  "Opens each page document given in its own window.\n"
                                  "\n"
                                  "Options:\n"
                                  "  -h, --help        Show this help and exit.\n"
                                  "  -v, --version     Show the product and its version and exit.\n"
                                  "  --product NAME    Run as the product NAME (also VELK_PRODUCT=NAME).\n"
                                  "\n"
                                  "Products:\n")
                       .arg(programName);
    const QStringList& products = Configurations::productChain();
    for (qsizetype i = 0; i < products.size(); ++i)
        text += QStringLiteral("  %1  %2\n").arg(i + 1, 2).arg(products[i]);
    text += QStringLiteral("  %1  any other name: the default configuration\n").arg(products.size() + 1, 2);
    return text;
}

QString CommandLine::versionText(const QString& displayName, const QString& version)
{
    return QStringLiteral("%1 %2\n").arg(displayName, version);
}

QString CommandLine::closestProduct(const QString& name)
{
    const QString wanted = name.toCaseFolded();
    const QStringList& products = Configurations::productChain();
    const auto closest =
        std::min_element(products.begin(), products.end(), [&](const QString& a, const QString& b) {
            return editDistance(wanted, a.toCaseFolded()) < editDistance(wanted, b.toCaseFolded());
        });
    return *closest;
}

QString CommandLine::unknownProductWarning(const QString& name)
{
    if (Configurations::productChain().contains(name))
        return {};
    return QStringLiteral("Unknown product \"%1\"; the closest known product is \"%2\". Running the default "
                          "configuration.")
        .arg(name, closestProduct(name));
}
