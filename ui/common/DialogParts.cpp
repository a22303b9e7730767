#include "DialogParts.h"

#include <QDialog>
#include <QLabel>

namespace orbalux {

void setDialogFrame(QDialog& dialog, bool fixedSize)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (fixedSize)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    dialog.setWindowFlags(flags);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(alignment);
    return label;
}

} // namespace orbalux
