#include "main/ReviewDialog.h"

#include "common/PlayerWords.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbalux {

namespace {

// Wide enough for most lines unwrapped, tall enough for the four with a wrapped one or two.
constexpr int kWidthInAverageCharacters = 84;
constexpr int kHeightInLines = 8;

} // namespace

ReviewDialog::ReviewDialog(const QString& text, QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(PlayerWords::reviewTitle());
    m_txtReview = new QPlainTextEdit(text, this);
    m_txtReview->setObjectName(QStringLiteral("txtReview"));
    // Read-only, but the keyboard still moves through it and selects, so a screen reader reads
    // it line by line and the player can copy it.
    m_txtReview->setReadOnly(true);
    m_txtReview->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_txtReview->setAccessibleName(PlayerWords::reviewTitle());
    const QFontMetrics metrics(m_txtReview->font());
    m_txtReview->setMinimumSize(metrics.averageCharWidth() * kWidthInAverageCharacters,
        metrics.lineSpacing() * kHeightInLines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_txtReview);
    layout->addWidget(buttons);
    m_txtReview->setFocus();
}

QString ReviewDialog::text() const
{
    return m_txtReview->toPlainText();
}

} // namespace orbalux
