#pragma once

#include <QString>

// The owner and patient data that old profile pages kept in a comment block at the top of the page file.
// A new record has absent strings and gender flag 0.
class Person {
public:
    QString firstName() const { return m_firstName; }
    void setFirstName(const QString& value) { m_firstName = value; }
    QString lastName() const { return m_lastName; }
    void setLastName(const QString& value) { m_lastName = value; }
    QString chartNumber() const { return m_chartNumber; }
    void setChartNumber(const QString& value) { m_chartNumber = value; }
    QString age() const { return m_age; }
    void setAge(const QString& value) { m_age = value; }
    QString birthDate() const { return m_birthDate; }
    void setBirthDate(const QString& value) { m_birthDate = value; }
    QString phoneNumber() const { return m_phoneNumber; }
    void setPhoneNumber(const QString& value) { m_phoneNumber = value; }
    QString email() const { return m_email; }
    void setEmail(const QString& value) { m_email = value; }
    QString fileModDate() const { return m_fileModDate; }
    void setFileModDate(const QString& value) { m_fileModDate = value; }
    int genderFlag() const { return m_genderFlag; }
    void setGenderFlag(int value) { m_genderFlag = value; }

private:
    QString m_firstName;
    QString m_lastName;
    QString m_chartNumber;
    QString m_age;
    QString m_birthDate;
    QString m_phoneNumber;
    QString m_email;
    QString m_fileModDate;
    int m_genderFlag = 0;
};
