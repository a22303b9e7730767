#pragma once

#include "grid/CellGrid.h"
#include "main/frmMain.h"
#include "settings/frmOptions.h"
#include "ScriptedMessenger.h"
#include "TestDoubles.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace orbalux::testing {

/**
 * Plays a real main window as a player would: through its controls, menus and dialogs, found
 * by their object names. Messages go to messenger, atoms come from random, time from clock.
 */
class MainWindowDriver {
public:
    MainWindowDriver(frmMain& window, ScriptedMessenger& messenger, SequenceRandom& random)
        : m_window(window), m_messenger(messenger), m_random(random)
    {
    }

    CellGrid& grid() const { return *child<CellGrid>("msfGrid"); }
    QString label(const char* name) const { return child<QLabel>(name)->text(); }
    /** The look of board cell (row, column); fails the test off the board. */
    const CellLook& cell(int row, int column) const
    {
        const CellLook* look = grid().look(row, column);
        if (!look)
            throw std::out_of_range("no such cell on the board");
        return *look;
    }
    QString text(int row, int column) const { return cell(row, column).text; }

    /** A left click on cell (row, column) with the real mouse events. */
    void click(int row, int column) const
    {
        QTest::mouseClick(&grid(), Qt::LeftButton, Qt::NoModifier, grid().cellRect(row, column).center());
    }
    /** The board reports a click on (row, column), which may lie off the board in use. */
    void reportClick(int row, int column) const { emit grid().cellClicked(row, column); }
    void press(const char* button) const { child<QPushButton>(button)->click(); }
    void trigger(const char* item) const { child<QAction>(item)->trigger(); }

    /** File > Settings, with act run on the shown dialog; act must close it. */
    void visitSettings(const std::function<void(frmOptions&)>& act) const
    {
        QTimer::singleShot(0, &m_window, [this, act] { act(*child<frmOptions>("frmOptions")); });
        trigger("mnSettings");
    }

    /** File > Settings: moves the bars and boxes to wanted and leaves with OK. */
    void chooseSettings(const GameSettings& wanted) const
    {
        visitSettings([wanted](frmOptions& dialog) {
            dialog.findChild<QScrollBar*>("hsGrid")->setValue(wanted.GridSize);
            dialog.findChild<QScrollBar*>("hsAtoms")->setValue(wanted.AtomCount);
            setBox(dialog, "cbNumbers", wanted.ShowNumbers);
            setBox(dialog, "cbTrace", wanted.TraceShots);
            dialog.findChild<QPushButton*>("cmdOK")->click();
        });
    }

    /** The settings in force: between visits the hidden dialog's controls stay on them. */
    GameSettings settingsInForce() const
    {
        // Until its first visit the dialog does not exist, and the start values are in force.
        const auto* shown = m_window.findChild<frmOptions*>(QStringLiteral("frmOptions"));
        if (!shown)
            return GameSettings{};
        const auto& dialog = *shown;
        GameSettings settings = GameSettings{}
            .withGridSize(dialog.findChild<QScrollBar*>("hsGrid")->value())
            .withAtomCount(dialog.findChild<QScrollBar*>("hsAtoms")->value());
        settings.ShowNumbers = dialog.findChild<QCheckBox*>("cbNumbers")->isChecked();
        settings.TraceShots = dialog.findChild<QCheckBox*>("cbTrace")->isChecked();
        return settings;
    }

    /**
     * A new game with the picture's atoms on a field of its size: the settings are chosen
     * through the dialog, the question about the running game answered Yes.
     */
    void newGame(const std::vector<std::string>& picture, bool showNumbers = false, bool traceShots = false) const
    {
        GameSettings wanted = settingsFor(picture, showNumbers);
        wanted.TraceShots = traceShots;
        m_random.queue(drawsPlacing(atomsFromPicture(picture), wanted.GridSize));
        m_messenger.answers.push_back(true);
        chooseSettings(wanted);
        // Unchanged settings ask nothing; then the button starts the game.
        if (!m_messenger.answers.empty()) {
            m_messenger.answers.clear();
            m_messenger.answers.push_back(true);
            press("cmdNewGame");
        }
        m_messenger.answers.clear();
    }

    template <typename Control>
    Control* child(const char* name) const
    {
        auto* control = m_window.findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            throw std::logic_error(std::string("the main window has no ") + name);
        return control;
    }

private:
    static void setBox(frmOptions& dialog, const char* name, bool checked)
    {
        auto* box = dialog.findChild<QCheckBox*>(name);
        if (box->isChecked() != checked)
            box->click();
    }

    frmMain& m_window;
    ScriptedMessenger& m_messenger;
    SequenceRandom& m_random;
};

} // namespace orbalux::testing
