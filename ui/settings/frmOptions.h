#pragma once

#include "GameState.h"

#include "Twips.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace orbalux {

/**
 * The settings dialog: number of atoms, grid size, border numbers and tracing. Made once at
 * start-up and afterwards only hidden, so its controls keep their state for the whole run.
 * The bars reach the game state only through OK; the check boxes at the moment they are clicked.
 */
class frmOptions : public QDialog {
    Q_OBJECT

public:
    /**
     * Creates the dialog hidden and takes the start values: the bars go to 5 atoms and grid 8,
     * state's AtomCount, GridSize and EdgeIndex are taken from them, SettingsChanged is cleared
     * and the boxes show ShowNumbers and TraceShots. state must outlive the dialog.
     */
    explicit frmOptions(GameState& state, QWidget* parent = nullptr);

    /** Escape and the window frame's close button leave the dialog as Cancel does. */
    void reject() override;

    /** The dialog's own controls, named as on the form; they live as long as the dialog. */
    QScrollBar* hsAtoms() const { return m_hsAtoms; }
    QLabel* lblAtoms() const { return m_lblAtoms; }
    QLabel* lblAtomsText() const { return m_lblAtomsText; }
    QScrollBar* hsGrid() const { return m_hsGrid; }
    QLabel* lblSize() const { return m_lblSize; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }
    QCheckBox* cbNumbers() const { return m_cbNumbers; }
    QCheckBox* cbTrace() const { return m_cbTrace; }

private:
    TwipScale m_twips;
    void createControls();
    void placeControls();
    void connectHandlers();
    void takeStartValues();

    void hsAtoms_Change();
    void hsGrid_Change();
    void cbNumbers_Click();
    void cbTrace_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    GameState& m_state;

    QScrollBar* m_hsAtoms = nullptr;
    QLabel* m_Label1 = nullptr;
    QLabel* m_lblAtoms = nullptr;
    QLabel* m_lblAtomsText = nullptr;
    QScrollBar* m_hsGrid = nullptr;
    QLabel* m_Label3 = nullptr;
    QLabel* m_lblSize = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QCheckBox* m_cbNumbers = nullptr;
    QCheckBox* m_cbTrace = nullptr;
};

} // namespace orbalux
