#pragma once

#include "document/format/PageObjectRules.h"
#include "document/format/PageRecords.h"
#include "document/format/PageText.h"
#include "document/core/SKTDocument.h"
#include "support/VelkTest.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QStringList>

#include <utility>

// A rule line written as stored pages write them: selector, "{", "name:value;" per property, "}".
inline QString ruleLine(const QString& selector, const QList<std::pair<QString, QString>>& properties,
                        const QString& companions = {})
{
    QString line = selector + u'{';
    for (const auto& [name, value] : properties)
        line += name + u':' + value + u';';
    return line + u'}' + companions;
}

// The properties of a plain text box at (left, top) with stacking number `z`; more may follow.
inline QList<std::pair<QString, QString>> textBoxProperties(int left, int top, int z)
{
    return {{"position", "absolute"},
            {"left", QString::number(left) + "px"},
            {"top", QString::number(top) + "px"},
            {"z-index", QString::number(z)}};
}

// A font family this machine has.
inline QString installedFamily()
{
    const QStringList families = QFontDatabase::families();
    return families.contains(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans")
                                                            : families.value(0);
}

// A stored page in the form the page assembler writes: head with metas and header-code blocks, the style
// block holding the rule lines, the body and the trailer lines.
struct StoredPage {
    QString title = QStringLiteral("Page Title");
    bool bootstrap = false;
    QString customHeaderCode;
    QStringList rules;
    QStringList body;
    QString pageColor = QStringLiteral("FFFFFF");
    QStringList trailer;

    QString text() const
    {
        QStringList head = {
            QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html><head>"),
            QStringLiteral("<title>") + title + QStringLiteral("</title>"),
            QStringLiteral("<meta name=\"keywords\" content=\"apples, pears\">"),
            QStringLiteral("<meta name=\"description\" content=\"A page about fruit\">"),
            QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Win-1251\"/> "),
            QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\"/>"),
        };
        if (bootstrap)
            head << QStringLiteral("<link rel=\"stylesheet\" href=\"bootstrap.min.css\" charset=\"UTF-8\">");
        head << QStringLiteral("<!--Base Template Header Code:0-->") << QString();
        const QStringList codeLines =
            customHeaderCode.isEmpty() ? QStringList() : customHeaderCode.split(u'\n');
        head << QStringLiteral("<!--Custom Header Code:%1-->").arg(codeLines.size());
        head << (codeLines.isEmpty() ? QStringList{QString()} : codeLines);
        head << QStringLiteral("<style type=text/css>") << QStringLiteral(".tab {text-indent:40px;}")
             << QStringLiteral("body{background-color:#") + pageColor + QStringLiteral(";}");
        head << rules << QStringLiteral("</style></head>");
        QStringList page = head;
        page << QString()
             << QStringLiteral("<body bgcolor=#") + pageColor + QStringLiteral(" leftmargin=0 topmargin=0>")
             << QStringLiteral("<div id=content>") << body << QStringLiteral("</div></body></html>")
             << trailer;
        return page.join(u'\n');
    }

    // Writes the page file (and its page folder beside it) and answers its path.
    QString write(const QString& folder, const QString& name) const
    {
        QDir().mkpath(QDir(folder).filePath(name));
        const QString path = QDir(folder).filePath(name + QStringLiteral(".html"));
        PageText::write(path, text());
        return path;
    }
};

// A picture file in a page folder.
inline void writePicture(const QString& path, const QSize& size, Qt::GlobalColor color, const char* format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    picture.save(path, format);
}
