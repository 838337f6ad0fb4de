#include "platform/Alert.h"

#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

namespace {
Alert::Responder& responder()
{
    static Alert::Responder installed;
    return installed;
}
} // namespace

Alert::Alert(QString message, QString informative, QStringList buttonTitles)
    : messageText(std::move(message))
    , informativeText(std::move(informative))
    , buttons(std::move(buttonTitles))
{}

QStringList Alert::effectiveButtons() const
{
    return buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : buttons.mid(0, 3);
}

void Alert::setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}

void Alert::show(const QString& message, const QString& informative, QWidget* parent)
{
    Alert(message, informative).runModal(parent);
}

int Alert::runModal(QWidget* parent) const
{
    const QStringList titles = effectiveButtons();
    if (responder()) {
        const int answer = responder()(*this);
        return std::clamp(answer, 0, int(titles.size()) - 1);
    }

    QMessageBox box(parent);
    box.setIcon(style == Critical        ? QMessageBox::Critical
                : style == Informational ? QMessageBox::Information
                                         : QMessageBox::Warning);
    if (!icon.isNull())
        box.setIconPixmap(QPixmap::fromImage(icon.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    box.setText(messageText);
    box.setInformativeText(informativeText);
    QList<QPushButton*> pushButtons;
    for (const QString& title : titles)
        pushButtons.append(box.addButton(title, QMessageBox::ActionRole));
    box.setDefaultButton(pushButtons.first());
    box.exec();
    const auto chosen = pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen < 0 ? int(titles.size()) - 1 : int(chosen); // closing the box counts as the last button
}
