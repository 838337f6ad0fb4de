#include "document/reading/ProfileDataMigration.h"

#include "document/format/PageEntities.h"
#include "document/format/PageFileFormat.h"
#include "document/format/PageMarkers.h"
#include "document/format/PageText.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <QLocale>

#include <functional>

namespace DataCentre {

namespace {

using PageFile::OldProfileBlock::close;
using PageFile::OldProfileBlock::open;

// How an absent value was written into old pages and keyed blocks.
constexpr PageFile::Text kAbsent = PageFile::KeyedBlock::missingValue;

struct PersonText {
    QString (Person::*get)() const;
    void (Person::*set)(const QString&);
};

// The text fields of the old block by line number; line 0 is the opener and line 5 the gender flag.
const PersonText kBlockLines[] = {
    {nullptr, nullptr},
    {&Person::firstName, &Person::setFirstName},
    {&Person::lastName, &Person::setLastName},
    {&Person::chartNumber, &Person::setChartNumber},
    {&Person::age, &Person::setAge},
    {nullptr, nullptr},
    {&Person::birthDate, &Person::setBirthDate},
    {&Person::phoneNumber, &Person::setPhoneNumber},
    {&Person::email, &Person::setEmail},
};
constexpr qsizetype kGenderLine = 5;

QString present(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString notes(const Person& person, const QDate& transferDate)
{
    return QStringLiteral("Additional data from profile (transferred on %1), please review and update:\n"
                          "Age: %2\nBirth Date: %3")
        .arg(QLocale::c().toString(transferDate, QStringLiteral("MMM dd yyyy")), present(person.age()),
             present(person.birthDate()));
}

// The keyed blocks that replace the old block, in the order they are written.
struct ConvertedField {
    const char* key;
    std::function<QString(const Person&, const QDate&)> value;
};

const ConvertedField kConvertedFields[] = {
    {"Owner First Name", [](const Person& p, const QDate&) { return present(p.firstName()); }},
    {"Owner Last Name", [](const Person& p, const QDate&) { return present(p.lastName()); }},
    {"Owner Email", [](const Person& p, const QDate&) { return present(p.email()); }},
    {"Owner Home Phone Number", [](const Person& p, const QDate&) { return present(p.phoneNumber()); }},
    {"Pet Chart Number", [](const Person& p, const QDate&) { return present(p.chartNumber()); }},
    {"Pet Sex", [](const Person& p, const QDate&) { return Format::integer(p.genderFlag()); }},
    {"Birth Date Status", [](const Person&, const QDate&) { return QStringLiteral("1"); }},
    {"Notes", notes},
};

QString withoutAbsent(const QString& value)
{
    return value == kAbsent ? QStringLiteral("") : value;
}

} // namespace

bool oldDovrinprofileFlag(const QString& text)
{
    return PageText::firstScannedLine(text) == open;
}

Person grabOldDovrinprofileData(const QString& text)
{
    Person person;
    const qsizetype blockEnd = text.indexOf(close);
    if (blockEnd >= 0) {
        const QStringList lines = PageText::scannedLines(text.left(blockEnd));
        for (qsizetype i = 1; i < qsizetype(std::size(kBlockLines)) && i < lines.size(); ++i) {
            if (i == kGenderLine)
                person.setGenderFlag(Format::intValue(lines[i]));
            else
                (person.*kBlockLines[i].set)(lines[i]);
        }
    }
    for (const PersonText& field : kBlockLines) {
        if (field.get)
            (person.*field.set)(withoutAbsent(present((person.*field.get)())));
    }
    return person;
}

QString convertDovrinprofileDataToNew(const Person& person)
{
    return convertDovrinprofileDataToNew(person, QDate::currentDate());
}

QString convertDovrinprofileDataToNew(const Person& person, const QDate& transferDate)
{
    QString text = QStringLiteral("");
    for (const ConvertedField& field : kConvertedFields) {
        text += QStringLiteral("\n\n") +
                generateFullString(field.value(person, transferDate), QString::fromLatin1(field.key));
    }
    return text;
}

QString grabPageTitleFromDovrimprofile(const Person& person)
{
    QString title = present(person.firstName()) + u' ' + present(person.lastName());
    if (!person.chartNumber().isEmpty())
        title += u' ' + person.chartNumber();
    return title;
}

QString grabPageTitle(const QString& text)
{
    if (!profile().pageTitlesEnabled)
        return QStringLiteral("");
    const PageFile::ValueMarker& marker = PageFile::Trailer::pageTitle;
    const QString marked = grabMiddleString(marker.start, marker.end, text);
    // The marker holds the title as the page writes it, its markup characters escaped.
    if (!marked.isEmpty())
        return withoutAbsent(PageEntities::decoded(marked));
    // Pages older than the title marker opened with a one-line comment holding the title.
    const QString firstLine = PageText::firstScannedLine(text);
    if (!firstLine.startsWith(open) || firstLine.size() < open.size() + close.size())
        return QStringLiteral("");
    return withoutAbsent(firstLine.mid(open.size(), firstLine.size() - open.size() - close.size()));
}

bool removeOldDovrinprofileStringFromFile(const QString& path)
{
    const QString text = PageText::read(path);
    const qsizetype blockEnd = text.indexOf(close);
    if (text.isNull() || blockEnd < 0)
        return false;
    return PageText::write(path, text.mid(blockEnd + close.size()));
}

ProfileDataMigration migrateOldProfileData(const QString& path)
{
    const QString text = PageText::read(path);
    if (!oldDovrinprofileFlag(text) || !text.contains(close))
        return {false, grabPageTitle(text)};
    const Person person = grabOldDovrinprofileData(text);
    // The old block goes only once its data are safely in the file.
    if (appendStringToFile(path, convertDovrinprofileDataToNew(person)))
        removeOldDovrinprofileStringFromFile(path);
    return {true, grabPageTitleFromDovrimprofile(person)};
}

} // namespace DataCentre
