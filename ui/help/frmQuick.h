#pragma once

#include <QDialog>

class QPushButton;

namespace orbalux {

class CellGrid;
class TwipScale;

/**
 * The quick help window: the rules in a few paragraphs and a legend of the three outcomes of a
 * shot in the board's colours. Made once, then only hidden; it reads and changes no game.
 */
class frmQuick : public QDialog {
    Q_OBJECT

public:
    /** Creates the window hidden, its legend filled. */
    frmQuick(const TwipScale& twips, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void cmdOK_Click();

private:
    void addParagraph(const TwipScale& twips, const char* name, const QString& text, int top, int height);
    void createControls(const TwipScale& twips);
    void fitTexts();
    void orderFocus();
    void fillLegend();
    void sizeLegend(const TwipScale& twips);

    CellGrid* m_msfLegend = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace orbalux
