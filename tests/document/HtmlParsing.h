#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <libxml/HTMLparser.h>
#include <libxml/xmlerror.h>
#include <libxml/xpath.h>

// Generated pages as libxml2's HTML parser reads them.

// The errors the parser reports for the text.
inline QStringList htmlErrors(const QByteArray& html)
{
    QStringList errors;
    xmlSetStructuredErrorFunc(&errors, [](void* context, xmlErrorPtr error) {
        if (error && error->level >= XML_ERR_ERROR)
            static_cast<QStringList*>(context)->append(QStringLiteral("line %1: %2")
                                                           .arg(error->line)
                                                           .arg(QString::fromUtf8(error->message).trimmed()));
    });
    htmlDocPtr parsed =
        htmlReadMemory(html.constData(), int(html.size()), "home.html", "UTF-8", HTML_PARSE_NONET);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    if (!parsed)
        errors.append(QStringLiteral("no document"));
    xmlFreeDoc(parsed);
    return errors;
}

// The text content of every element the XPath expression finds, in document order.
inline QStringList htmlTexts(const QByteArray& html, const char* xpath)
{
    QStringList texts;
    htmlDocPtr parsed = htmlReadMemory(html.constData(), int(html.size()), "home.html", "UTF-8",
                                       HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
    if (!parsed)
        return texts;
    xmlXPathContextPtr context = xmlXPathNewContext(parsed);
    xmlXPathObjectPtr found = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath), context);
    if (found && found->nodesetval) {
        for (int i = 0; i < found->nodesetval->nodeNr; ++i) {
            xmlChar* content = xmlNodeGetContent(found->nodesetval->nodeTab[i]);
            texts.append(QString::fromUtf8(reinterpret_cast<const char*>(content)));
            xmlFree(content);
        }
    }
    xmlXPathFreeObject(found);
    xmlXPathFreeContext(context);
    xmlFreeDoc(parsed);
    return texts;
}
