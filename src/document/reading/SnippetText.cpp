#include "document/format/PageFileFormat.h"
#include "document/format/PageRecords.h"
#include "document/core/SKTDocument.h"
#include "model/records/myTextView.h"

// The code of HTML snippets stands in the page body, each block opened by the snippet's div on a line of
// its own and followed by as many lines as the snippet's rule counted.

SnippetTextContent SKTDocument::grabTextContent(const QStringList& bodyLines, const myTextViewList& records,
                                                const QString& classPrefix)
{
    QList<bool> taken(bodyLines.size(), false);
    for (qsizetype k = 0; k < records.size(); ++k) {
        myTextView& record = *records.at(k);
        const QString marker = PageFile::Body::divWithClass + classPrefix + QString::number(k) + u'>';
        // Each snippet finds its own block, wherever it stands: a block that is missing costs only its own
        // snippet its text.
        qsizetype open = -1;
        for (qsizetype i = 0; i < bodyLines.size() && open < 0; ++i) {
            if (!taken.at(i) && bodyLines.at(i).startsWith(marker))
                open = i;
        }
        if (open < 0)
            continue;
        const int count = record.nlines();
        QStringList textLines;
        for (int j = 0; j < count && open + 1 + j < bodyLines.size(); ++j) {
            const qsizetype index = open + 1 + j;
            const QString& line = bodyLines.at(index);
            taken[index] = true;
            if (j == 0 && record.containsLinkFlag() == 1)
                record.setLink(line);
            else
                textLines.append(line);
        }
        QString text = textLines.join(u'\n');
        if (record.snippetFormatFlag() == 1)
            text.replace(PageFile::Body::lineBreak, QStringLiteral("\n"));
        record.textView()->setString(text);
    }

    SnippetTextContent content;
    content.inputObjectArray = records;
    for (qsizetype i = 0; i < bodyLines.size(); ++i) {
        if (!taken.at(i))
            content.bodyStringArray.append(bodyLines.at(i));
    }
    return content;
}
