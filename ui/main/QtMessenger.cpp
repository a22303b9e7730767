#include "QtMessenger.h"

#include <QApplication>
#include <QMessageBox>

namespace orbalux {

namespace {

int ask(const std::string& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Orbalux"), QString::fromStdString(text), buttons,
        QApplication::activeWindow());
    box.setDefaultButton(byDefault);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

} // namespace

void QtMessenger::showMessage(const std::string& text)
{
    ask(text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessenger::askYesNo(const std::string& text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace orbalux
