#pragma once

#include "Board.h"

#include "Twips.h"

#include <QDialog>

class QPushButton;

namespace orbalux {

class CellGrid;

/**
 * The quick help window: the rules in a few paragraphs and a legend of the three outcomes of a
 * shot in the board's colours. Made once, then only hidden; it reads and changes no game.
 */
class frmQuick : public QDialog {
    Q_OBJECT

public:
    /** Creates the window hidden, its legend filled. */
    explicit frmQuick(QWidget* parent = nullptr);

    /** The legend's cells: symbols and captions of hit, reflection and deflection. */
    const Board& legend() const { return m_legend; }

    /** The window's own controls, named as on the form; they live as long as the window. */
    CellGrid* msfLegend() const { return m_msfLegend; }
    QPushButton* cmdOK() const { return m_cmdOK; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TwipScale m_twips;
    void addLabel(const char* name, const QString& text, int top, int height);
    void createControls();
    void fitTexts();
    void orderFocus();
    void fillLegend();
    void sizeLegend();

    void cmdOK_Click();

    Board m_legend{1, 6};
    CellGrid* m_msfLegend = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace orbalux
