#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace orbalux {

/**
 * The review of a finished game: its lines as read-only text the player can select and copy,
 * and OK. Escape and Return close it; it deletes itself once closed.
 */
class ReviewDialog : public QDialog {
    Q_OBJECT

public:
    ReviewDialog(const QString& text, QWidget* parent);

    /** The lines shown, one to a line. */
    QString text() const;

private:
    QPlainTextEdit* m_txtReview = nullptr;
};

} // namespace orbalux
