#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SegmentedControl;

// The sheet in which the user names a new page of the open website: its title, its file name (made from
// the title, or typed), whether it is the site's launch page or its base template, whether it follows the
// base template, and which template it starts from. The document window makes one for every use, fills it
// for the kind of page and reads it when the user confirms; the sheet itself only ties the title, the file
// name and the two exclusive check boxes together.
class AddNewPageViewController : public QDialog {
    Q_OBJECT

public:
    static constexpr int kNameFromTitleSegment = 0;
    static constexpr int kTypedNameSegment = 1;
    static inline const QString kLaunchPageName = QStringLiteral("index");

    explicit AddNewPageViewController(QWidget* parent = nullptr);

    // ---- What the caller sets and reads
    QString pageFileType() const { return m_pageFileType; }
    void setPageFileType(const QString& type) { m_pageFileType = type; }
    QString selectedTemplateName() const { return m_selectedTemplateName; }
    void setSelectedTemplateName(const QString& name) { m_selectedTemplateName = name; }
    QString selectedTemplateCategoryFolder() const { return m_selectedTemplateCategoryFolder; }
    void setSelectedTemplateCategoryFolder(const QString& folder)
    {
        m_selectedTemplateCategoryFolder = folder;
    }
    // The file name without extension used when the sheet is never shown.
    QString directlySelectFileName() const { return m_directlySelectFileName; }
    void setDirectlySelectFileName(const QString& name) { m_directlySelectFileName = name; }

    QLineEdit* pageTitleTextField() const { return m_pageTitleTextField; }
    QLineEdit* pageFileNameTextField() const { return m_pageFileNameTextField; }
    QCheckBox* mainLaunchpageCheckbox() const { return m_mainLaunchpageCheckbox; }
    QCheckBox* baseTemplateCheckbox() const { return m_baseTemplateCheckbox; }
    QCheckBox* applyBaseTemplateCheckbox() const { return m_applyBaseTemplateCheckbox; }
    SegmentedControl* fileNameGenerationSegmentedControl() const
    {
        return m_fileNameGenerationSegmentedControl;
    }
    QPushButton* addNewPageButton() const { return m_addNewPageButton; }
    QPushButton* chooseTemplateButton() const { return m_chooseTemplateButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* fileNameLabel() const { return m_fileNameLabel; }

    // Connects the sheet's own controls; the window calls it once the sheet has begun.
    void basicSetup();

    // ---- The sheet's own rules
    // The file name field takes typing only for typed names.
    void setFileNameGenerationType();
    // The launch page is "index", with a typed name; it is never the base template.
    void setDefaultLaunch();
    // The base template is "basetemplate"; it is never the launch page.
    void setBaseTemplate();
    // With names made from the title, every edit of a non-empty title makes the file name anew.
    void controlTextDidChange(QLineEdit* field);

private:
    void windowDidLoad();

    QString m_pageFileType;
    QString m_selectedTemplateName;
    QString m_selectedTemplateCategoryFolder;
    QString m_directlySelectFileName;
    bool m_setUp = false;

    QLabel* m_titleLabel;
    QLabel* m_fileNameLabel;
    QLineEdit* m_pageTitleTextField;
    QLineEdit* m_pageFileNameTextField;
    SegmentedControl* m_fileNameGenerationSegmentedControl;
    QCheckBox* m_mainLaunchpageCheckbox;
    QCheckBox* m_baseTemplateCheckbox;
    QCheckBox* m_applyBaseTemplateCheckbox;
    QPushButton* m_chooseTemplateButton;
    QPushButton* m_cancelButton;
    QPushButton* m_addNewPageButton;
};
