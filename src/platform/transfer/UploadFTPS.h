#pragma once

#include <QString>
#include <QStringList>

class ZipArchive;

// The transfer engine: one object per job (a publish, a test upload, packing or unpacking a page
// document); the caller fills it, runs one operation and drops it. Each operation runs synchronously on
// the calling thread; separate engines may work on different threads at the same time.
class UploadFTPS {
public:
    // Page documents. A page folder F (a path without extension) is packed together with the files
    // beside it: F.html (F.php for a form page), the screenshots F.png and F@2x.png.

    // Flat layout: the content of F at the archive root (names relative to F), then F.html, or F.php when
    // the archive's extension is "quarnel", F.png and F@2x.png by file name; missing companions are left
    // out. YES when the archive was written.
    bool zipDocument(const QString& pageFolder, const QString& archivePath);
    // Nested layout: names relative to the parent of F, so the folder keeps its name ("P/..."); then
    // F.html and F.php where each exists, F.png and F@2x.png. YES when the archive was written.
    bool zipDocument_mailchimp(const QString& pageFolder, const QString& archivePath);
    // Unpacks every entry of the archive into destinationFolder (created as needed). YES when the archive
    // opened and unpacked; an archive without entries unpacks with YES.
    bool unzipDocument(const QString& archivePath, const QString& destinationFolder);

    // Lines the engine wrote while working: successes and the library's error texts.
    QStringList textLog() const { return m_textLog; }

private:
    bool writeArchive(ZipArchive& archive);
    void log(const QString& text) { m_textLog.append(text.split(u'\n')); }

    QStringList m_textLog;
};
