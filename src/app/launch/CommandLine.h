#pragma once

#include <QString>
#include <QStringList>

// The command line: "--help", "--version", "--product NAME" and page documents to open.
struct CommandLine {
    bool help = false;
    bool version = false;
    QString product; // null when not given
    QStringList documents;
    QString error; // an option the program does not know, or "--product" without a name

    // Reads the arguments after the program name.
    static CommandLine parse(const QStringList& arguments);

    // The options and the product names, numbered as the products are tried.
    static QString helpText(const QString& programName);
    static QString versionText(const QString& displayName, const QString& version);

    // The known product whose name is nearest to the name (fewest letters to change, ignoring case).
    static QString closestProduct(const QString& name);
    // A warning for a display name no product has, naming the nearest one; null for a known product.
    static QString unknownProductWarning(const QString& name);
};
