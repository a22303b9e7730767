#pragma once

#include "settings/SettingsVisit.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QScrollBar;

namespace orbalux {

class TwipScale;

/**
 * The settings dialog: number of atoms, grid size, border numbers and tracing. Made once at
 * start-up and afterwards only hidden, so its controls keep their state for the whole run.
 * A check box takes effect at its click, the bars only through OK.
 */
class frmOptions : public QDialog {
    Q_OBJECT

public:
    /** Creates the dialog hidden, its controls on the start values. */
    frmOptions(const TwipScale& twips, QWidget* parent = nullptr);

    /** Shows the dialog modally on current and returns what the player left when it is hidden again. */
    SettingsVisit visit(const GameSettings& current);

    /** Escape and the window frame's close button leave the dialog as Cancel does. */
    void reject() override;

private slots:
    void hsAtoms_Change();
    void hsGrid_Change();
    void cbNumbers_Click();
    void cbTrace_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void createControls(const TwipScale& twips);
    void createButtons(const TwipScale& twips);
    void showSettings(const GameSettings& settings);

    QScrollBar* m_hsAtoms = nullptr;
    QLabel* m_lblAtoms = nullptr;
    QLabel* m_lblAtomsText = nullptr;
    QScrollBar* m_hsGrid = nullptr;
    QLabel* m_lblSize = nullptr;
    // What the visit has left so far: the boxes at their click, the bars through OK.
    SettingsVisit m_visit;
    QCheckBox* m_cbNumbers = nullptr;
    QCheckBox* m_cbTrace = nullptr;
};

} // namespace orbalux
