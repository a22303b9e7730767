#include "main/QtMessenger.h"

#include "common/ProgramTitle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace orbalux {

namespace {

int ask(const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle(), text, buttons,
        QApplication::activeWindow());
    box.setDefaultButton(byDefault);
    // Some desktop themes put pictures on Yes and No; the game's boxes carry none at all.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

} // namespace

void QtMessenger::showMessage(const QString& text)
{
    ask(text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessenger::askYesNo(const QString& text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace orbalux
