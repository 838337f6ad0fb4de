#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class QScrollArea;
class QSplitter;

// The one window of the template chooser: the category column on the left, the thumbnail grid on the right
// and the buttons below. The application fills it; a click anywhere in it clears the thumbnail selection.
class TemplateWindowController : public QWidget {
    Q_OBJECT

public:
    static inline const QString frameAutosaveName = QStringLiteral("ChooseTemplate");
    static inline const QString baseTemplateToolTip =
        QStringLiteral("Each website may contain one base template, designed for common components such as "
                       "headers and menus "
                       "that you wish to appear consistently on multiple pages.");

    explicit TemplateWindowController(QWidget* parent = nullptr);

    QScrollArea* scrollView() const { return m_scrollView; }
    QScrollArea* categoryScrollView() const { return m_categoryScrollView; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* selectButton() const { return m_selectButton; }
    QPushButton* openButton() const { return m_openButton; }
    QCheckBox* baseTemplateCheckbox() const { return m_baseTemplateCheckbox; }

    // A shown chooser hides, a hidden one shows.
    void showOrHideWindow();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // The frame is kept for the next run.
    void hideEvent(QHideEvent* event) override;

private:
    QScrollArea* m_scrollView = nullptr;
    QScrollArea* m_categoryScrollView = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_selectButton = nullptr;
    QPushButton* m_openButton = nullptr;
    QCheckBox* m_baseTemplateCheckbox = nullptr;
};
