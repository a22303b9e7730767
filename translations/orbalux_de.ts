<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PictureStore</name>
    <message>
        <source>Permission denied</source>
        <extracomment>Why a trace picture could not be read, after &quot;Error Number: 70 occured.&quot;.</extracomment>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>Why a trace picture could not be read, after &quot;Error Number: 481 occured.&quot;.</extracomment>
        <translation>Ungültiges Bild</translation>
    </message>
</context>
<context>
    <name>PlayerWords</name>
    <message>
        <source>top %1</source>
        <translation>oben %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>unten %1</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>links %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>rechts %1</translation>
    </message>
    <message>
        <source>top border %1</source>
        <translation>oberer Rand %1</translation>
    </message>
    <message>
        <source>bottom border %1</source>
        <translation>unterer Rand %1</translation>
    </message>
    <message>
        <source>left border %1</source>
        <translation>linker Rand %1</translation>
    </message>
    <message>
        <source>right border %1</source>
        <translation>rechter Rand %1</translation>
    </message>
    <message>
        <source>top left corner</source>
        <translation>Ecke oben links</translation>
    </message>
    <message>
        <source>top right corner</source>
        <translation>Ecke oben rechts</translation>
    </message>
    <message>
        <source>bottom left corner</source>
        <translation>Ecke unten links</translation>
    </message>
    <message>
        <source>bottom right corner</source>
        <translation>Ecke unten rechts</translation>
    </message>
    <message>
        <source>, hit</source>
        <translation>, Treffer</translation>
    </message>
    <message>
        <source>, reflection</source>
        <translation>, Reflexion</translation>
    </message>
    <message>
        <source>, deflection %1, comes out at %2</source>
        <translation>, Ablenkung %1, kommt heraus bei %2</translation>
    </message>
    <message>
        <source>, atom</source>
        <translation>, Atom</translation>
    </message>
    <message>
        <source>, marked</source>
        <translation>, markiert</translation>
    </message>
    <message>
        <source>, laser path</source>
        <translation>, Laserspur</translation>
    </message>
    <message>
        <source>%1 atom</source>
        <translation>%1 Atom</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>%1 Atome</translation>
    </message>
    <message>
        <source>%1 mark</source>
        <translation>%1 Markierung</translation>
    </message>
    <message>
        <source>%1 marks</source>
        <translation>%1 Markierungen</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>einen Treffer</translation>
    </message>
    <message>
        <source>a reflection</source>
        <translation>eine Reflexion</translation>
    </message>
    <message>
        <source>a deflection out at %1</source>
        <translation>eine Ablenkung mit Ausgang %1</translation>
    </message>
    <message>
        <source>no shot</source>
        <translation>keinen Schuss</translation>
    </message>
    <message>
        <source>Border cell %1: your marks give %2, the board shows %3.</source>
        <translation>Randfeld %1: Deine Markierungen ergeben %2, das Brett zeigt %3.</translation>
    </message>
    <message>
        <source>You are already in a game.  Do you want to start a new game?</source>
        <translation>Du bist schon mitten in einem Spiel.  Willst du ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>You have choosen a grid size larger than what can fit on your screen.  Try using a smaller grid.</source>
        <extracomment>&quot;choosen&quot; is the game&apos;s own spelling.</extracomment>
        <translation>Du hast ein Spielfeld gewählt, das größer ist als dein Bildschirm.  Versuch es mit einem kleineren.</translation>
    </message>
    <message>
        <source>Error Number: %1 occured.  %2</source>
        <extracomment>&quot;occured&quot; is the game&apos;s own spelling; %2 is the system&apos;s description of the error.</extracomment>
        <translation>Fehler Nummer %1 ist aufgetreten.  %2</translation>
    </message>
    <message>
        <source>Open the file &apos;Instruct.doc&apos; for detailed information about using this product.</source>
        <translation>Öffne die Datei &apos;Instruct.de.doc&apos; für eine ausführliche Anleitung zu diesem Spiel.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind gerade nicht verfügbar</translation>
    </message>
    <message>
        <source>Click a number on the edge of the field, or place/remove atoms on the field. Click Solved! when you think you have placed the atom correctly.</source>
        <translation>Klick auf eine Zahl am Rand oder setze/entferne Atome im Feld. Klick auf Gelöst!, wenn du die Atome richtig gesetzt hast.</translation>
    </message>
    <message>
        <source>Click a light blue square on the edge of the field, or place/remove atoms on the field. Click Solved! when you think you have placed the atom correctly.</source>
        <translation>Klick auf ein hellblaues Feld am Rand oder setze/entferne Atome im Feld. Klick auf Gelöst!, wenn du die Atome richtig gesetzt hast.</translation>
    </message>
    <message>
        <source>H means your laser Hit an atom.</source>
        <translation>H heißt: Dein Laser hat ein Atom getroffen – ein Hit.</translation>
    </message>
    <message>
        <source>R means either your laser was unable to go in because of an adjacent atom or it came out the same place it went in.</source>
        <translation>R heißt: Dein Laser kam wegen eines Atoms daneben nicht hinein, oder er kam dort heraus, wo er hineinging.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; means your laser went in one place and out another.</source>
        <extracomment>%1 is the deflection&apos;s letter on the border.</extracomment>
        <translation>„%1“ heißt: Dein Laser ging an einer Stelle hinein und kam an einer anderen heraus.</translation>
    </message>
    <message>
        <source>Cheating Zindra? You can&apos;t make any changes until you start a new game.</source>
        <translation>Schummeln, Zindra? Hier ändert sich nichts, bis du ein neues Spiel beginnst.</translation>
    </message>
    <message>
        <source>Don&apos;t select corner cells, silly!</source>
        <translation>Doch nicht die Ecken, du Schlaumeier!</translation>
    </message>
    <message>
        <source>Bad #1</source>
        <translation>Fehler #1</translation>
    </message>
    <message>
        <source>Bad #2</source>
        <translation>Fehler #2</translation>
    </message>
    <message>
        <source>You do not have exactly %1 atoms marked.</source>
        <extracomment>%1 comes with a blank before it.</extracomment>
        <translation>Du hast nicht genau%1 Atome markiert.</translation>
    </message>
    <message>
        <source>Rats! You only found %1 of the atoms!  Click New Game to go again...</source>
        <extracomment>%1 comes with a blank before it.</extracomment>
        <translation>Mist! Du hast nur%1 der Atome gefunden!  Klick auf Neues Spiel für noch eine Runde...</translation>
    </message>
    <message>
        <source>Groovy! You found all %1 atoms in%2 seconds!  Click New Game to go again...</source>
        <extracomment>%1 and %2 come with a blank before them.</extracomment>
        <translation>Dufte! Du hast alle%1 Atome in%2 Sekunden gefunden!  Klick auf Neues Spiel für noch eine Runde...</translation>
    </message>
    <message>
        <source>Your shots decide the field: only one way of hiding %1 fits them all.</source>
        <translation>Deine Schüsse legen das Feld fest: Nur eine Art, %1 zu verstecken, passt zu allen.</translation>
    </message>
    <message>
        <source>Your shots do not decide the field yet: more than one way of hiding %1 fits them all.</source>
        <translation>Deine Schüsse legen das Feld noch nicht fest: Mehr als eine Art, %1 zu verstecken, passt zu allen.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time whether your shots decide the field.</source>
        <translation>Orbalux konnte nicht rechtzeitig herausfinden, ob deine Schüsse das Feld festlegen.</translation>
    </message>
    <message>
        <source>Your marks agree with every shot on the board.</source>
        <translation>Deine Markierungen passen zu jedem Schuss auf dem Brett.</translation>
    </message>
    <message>
        <source>Your marks disagree with %1 of your shots.</source>
        <translation>Deine Markierungen widersprechen %1 deiner Schüsse.</translation>
    </message>
    <message>
        <source>You have %1 for %2.</source>
        <translation>Du hast %1 für %2.</translation>
    </message>
    <message>
        <source>Hit: in at %1. Score %2.</source>
        <translation>Treffer: rein bei %1. Stand %2.</translation>
    </message>
    <message>
        <source>Reflection: in at %1. Score %2.</source>
        <translation>Reflexion: rein bei %1. Stand %2.</translation>
    </message>
    <message>
        <source>Deflection %1: in at %2, out at %3. Score %4.</source>
        <translation>Ablenkung %1: rein bei %2, raus bei %3. Stand %4.</translation>
    </message>
    <message>
        <source>Marked %1. %2 of %3 marked.</source>
        <translation>%1 markiert. %2 von %3 markiert.</translation>
    </message>
    <message>
        <source>Unmarked %1. %2 of %3 marked.</source>
        <translation>%1 nicht mehr markiert. %2 von %3 markiert.</translation>
    </message>
    <message>
        <source>%1 Atoms in game %2, marked %3. Score %4, best score %5.</source>
        <extracomment>%1 is the line under the buttons.</extracomment>
        <translation>%1 Atome im Spiel %2, markiert %3. Stand %4, Bestwert %5.</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1 shot</source>
        <translation>%1 Schuss</translation>
    </message>
    <message>
        <source>%1 shots</source>
        <translation>%1 Schüsse</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>%1 empty cell</source>
        <translation>%1 leeres Feld</translation>
    </message>
    <message>
        <source>%1 empty cells</source>
        <translation>%1 leere Felder</translation>
    </message>
    <message>
        <source>The field was decided before your first shot.</source>
        <translation>Das Feld stand schon vor deinem ersten Schuss fest.</translation>
    </message>
    <message>
        <source>Your shots decided the field with shot %1.</source>
        <extracomment>%1 counts the shots in firing order, from 1.</extracomment>
        <translation>Deine Schüsse legten das Feld mit Schuss %1 fest.</translation>
    </message>
    <message>
        <source>Your shots did not decide the field: more than one way of hiding %1 fits them all.</source>
        <translation>Deine Schüsse legten das Feld nicht fest: Mehr als eine Art, %1 zu verstecken, passt zu allen.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time when your shots decided the field.</source>
        <translation>Orbalux konnte nicht rechtzeitig herausfinden, wann deine Schüsse das Feld festlegten.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time which of your shots told you something new.</source>
        <translation>Orbalux konnte nicht rechtzeitig herausfinden, welche deiner Schüsse dir etwas Neues verrieten.</translation>
    </message>
    <message>
        <source>Every shot told you something new.</source>
        <translation>Jeder Schuss hat dir etwas Neues verraten.</translation>
    </message>
    <message>
        <source>Shots that told you nothing new: %1.</source>
        <extracomment>%1 lists border cells as the announcements name them, &quot;left 4, top 7&quot;.</extracomment>
        <translation>Schüsse, die dir nichts Neues verrieten: %1.</translation>
    </message>
    <message>
        <source>The fewest points that decide this field: %1, firing from %2.</source>
        <extracomment>%1 is a number of points; %2 lists border cells, &quot;top 2, right 5&quot;.</extracomment>
        <translation>Die wenigsten Punkte, mit denen sich dieses Feld festlegen lässt: %1, mit Schüssen von %2.</translation>
    </message>
    <message>
        <source>No choice of shots decides this field: firing from every border cell leaves more than one way of hiding %1.</source>
        <translation>Keine Auswahl an Schüssen legt dieses Feld fest: Auch Schüsse von jedem Randfeld lassen mehr als eine Art offen, %1 zu verstecken.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time the fewest points that decide this field; the fewest found: %1, firing from %2.</source>
        <translation>Orbalux konnte nicht rechtzeitig herausfinden, mit wie wenigen Punkten sich dieses Feld festlegen lässt; bisher gefunden: %1, mit Schüssen von %2.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time the fewest points that decide this field.</source>
        <translation>Orbalux konnte nicht rechtzeitig herausfinden, mit wie wenigen Punkten sich dieses Feld festlegen lässt.</translation>
    </message>
    <message>
        <source>%1 Now proven: %2 and %3.</source>
        <extracomment>%1 is the shot&apos;s announcement; %2 and %3 count atoms and empty cells.</extracomment>
        <translation>%1 Jetzt bewiesen: %2 und %3.</translation>
    </message>
    <message>
        <source>, proven atom</source>
        <extracomment>Ends a field cell&apos;s description for a screen reader.</extracomment>
        <translation>, bewiesenes Atom</translation>
    </message>
    <message>
        <source>, proven empty</source>
        <extracomment>Ends a field cell&apos;s description for a screen reader.</extracomment>
        <translation>, bewiesen leer</translation>
    </message>
    <message>
        <source>Show What My Shots &amp;Prove</source>
        <translation>Zeigen, was meine Schüsse &amp;beweisen</translation>
    </message>
    <message>
        <source>&amp;Review This Field...</source>
        <translation>Dieses Feld &amp;auswerten...</translation>
    </message>
    <message>
        <source>Review This Field</source>
        <translation>Dieses Feld auswerten</translation>
    </message>
    <message>
        <source>You fired %1 for %2.</source>
        <extracomment>%1 is &quot;1 shot&quot; or &quot;3 shots&quot;, %2 &quot;1 point&quot; or &quot;4 points&quot;.</extracomment>
        <translation>Du hast %1 für %2 abgefeuert.</translation>
    </message>
</context>
<context>
    <name>orbalux::frmAbout</name>
    <message>
        <source>A game of deduction for one player.  Atoms hide in a square field: fire lasers in from the border, read what comes back, and mark where the atoms must be.  The fewer shots, the better the score.</source>
        <translation>Ein Denkspiel für eine Person.  Atome verstecken sich in einem quadratischen Feld: Schieß Laser vom Rand hinein, lies ab, was zurückkommt, und markiere, wo die Atome sein müssen.  Je weniger Schüsse, desto besser.</translation>
    </message>
    <message>
        <source>%1 is free to play and to share, and it comes with no warranty.</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 darf frei gespielt und weitergegeben werden, ohne jede Gewähr.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>Title of the About box; %1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 84 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Button, 83 pixels wide: starts the system&apos;s information tool.</extracomment>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version: %1</translation>
    </message>
</context>
<context>
    <name>orbalux::frmMain</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu bar; its access key must differ from Deduce&apos;s and Help&apos;s.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>File menu; access keys unique within the menu.</extracomment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>File menu: opens the settings dialog.</extracomment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: ends the program.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quick Help</source>
        <extracomment>Help menu: the window with the rules in short and the legend.</extracomment>
        <translation>&amp;Kurzhilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <extracomment>Help menu: opens the instructions document.</extracomment>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu: the About box.</extracomment>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Deduce</source>
        <extracomment>Menu bar: the questions the game answers about the board.</extracomment>
        <translation>&amp;Kombinieren</translation>
    </message>
    <message>
        <source>Are My Shots &amp;Enough?</source>
        <extracomment>Deduce menu: do the shots so far pin every atom down?</extracomment>
        <translation>Reichen meine &amp;Schüsse?</translation>
    </message>
    <message>
        <source>&amp;Check My Marks</source>
        <extracomment>Deduce menu: which shots disagree with the player&apos;s marks?</extracomment>
        <translation>Meine &amp;Markierungen prüfen</translation>
    </message>
    <message>
        <source>Deal Only &amp;Decidable Fields</source>
        <extracomment>Deduce menu, a check item: new games hide the atoms only where the shots can find them.</extracomment>
        <translation>Nur &amp;lösbare Felder verteilen</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>Button, 73 pixels wide.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>Button, 73 pixels wide; the line under the buttons and the help name it.</extracomment>
        <translation>Gelöst!</translation>
    </message>
    <message>
        <source>Atoms on Board:</source>
        <extracomment>Counter of the cells marked &quot;O&quot;, 81 pixels wide.</extracomment>
        <translation>Atome gesetzt:</translation>
    </message>
    <message>
        <source>Atoms in Game:</source>
        <extracomment>Counter of the atoms hidden in this game, 89 pixels wide.</extracomment>
        <translation>Atome im Spiel:</translation>
    </message>
    <message>
        <source>Best Score:</source>
        <extracomment>The lowest score of a full solution since the program started, 57 pixels wide.</extracomment>
        <translation>Bestwert:</translation>
    </message>
    <message>
        <source>Score:</source>
        <extracomment>The points this game&apos;s shots cost so far, 33 pixels wide.</extracomment>
        <translation>Stand:</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game board.</extracomment>
        <translation>Spielbrett</translation>
    </message>
</context>
<context>
    <name>orbalux::frmOptions</name>
    <message>
        <source>%1 Settings</source>
        <extracomment>Title of the settings dialog; %1 is the program&apos;s name.</extracomment>
        <translation>%1 – Einstellungen</translation>
    </message>
    <message>
        <source>Number of Atoms to Find</source>
        <extracomment>Caption over the atoms&apos; scroll bar, 145 pixels wide.</extracomment>
        <translation>Anzahl der Atome</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <extracomment>Caption over the grid size&apos;s scroll bar, 65 pixels wide.</extracomment>
        <translation>Feldgröße</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 65 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 65 pixels wide.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show numbers on border</source>
        <extracomment>Check box, 169 pixels wide with its box.</extracomment>
        <translation>Zahlen am Rand zeigen</translation>
    </message>
    <message>
        <source>Trace Shots</source>
        <extracomment>Check box: draws each laser&apos;s path on the field; 97 pixels wide with its box.</extracomment>
        <translation>Laserspur</translation>
    </message>
    <message>
        <source>Atom</source>
        <extracomment>After the number of atoms chosen, 49 pixels wide.</extracomment>
        <translation>Atom</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <extracomment>The grid size chosen: cells a side by cells a side, 73 pixels wide.</extracomment>
        <translation>%1 x %1</translation>
    </message>
</context>
<context>
    <name>orbalux::frmQuick</name>
    <message>
        <source>The object of the game is to figure out where the atoms are hidden.  You do this by clicking on the numbers around the grid and deducing the atoms locations from the information you get back.  The number you click on is the entry point for a laser.  The laser always enters the grid at a right angle.  </source>
        <translation>Ziel des Spiels ist herauszufinden, wo die Atome versteckt sind.  Dazu klickst du auf die Zahlen rund um das Feld und schließt aus den Antworten auf die Lage der Atome.  Die angeklickte Zahl ist der Eintrittspunkt eines Lasers.  Der Laser tritt immer im rechten Winkel ein.  </translation>
    </message>
    <message>
        <source>The laser always goes in a straight line until it runs directly into an atom (Hit), or comes to a cell diagonally adjacent to a cell with an atom in it.  In this latter case, the laser is bent 90 degrees away from the atom and continues in its new direction.  The following rules govern what the laser will do when shot into the grid.</source>
        <translation>Der Laser läuft immer geradeaus, bis er direkt auf ein Atom trifft (Treffer) oder an ein Feld kommt, das schräg neben einem Atom liegt.  Dann wird er um 90 Grad vom Atom weggelenkt und läuft in der neuen Richtung weiter.  Diese Regeln bestimmen, was der Laser im Feld tut.</translation>
    </message>
    <message>
        <source>1 The laser can be absorbed by an atom when it runs directly into it.  This result is shown to you as a Hit (H against a red background).  </source>
        <extracomment>H is the letter on the board, whatever the language.</extracomment>
        <translation>1 Der Laser kann von einem Atom geschluckt werden, wenn er direkt darauf trifft.  Das zeigt ein Treffer (H auf rotem Grund).  </translation>
    </message>
    <message>
        <source>2 The laser can come out somewhere else on the grid.  This result is shown to you as a deflection (lower case letter against a green background at both the entry and exit points).  </source>
        <translation>2 Der Laser kann woanders aus dem Feld herauskommen.  Das zeigt eine Ablenkung (Kleinbuchstabe auf grünem Grund an Ein- und Austritt).  </translation>
    </message>
    <message>
        <source>3 The laser can come out where it went in.  This is shown as a Reflection (R against a yellow background).  </source>
        <extracomment>R is the letter on the board, whatever the language.</extracomment>
        <translation>3 Der Laser kann dort herauskommen, wo er hineinging.  Das zeigt eine Reflexion (R auf gelbem Grund).  </translation>
    </message>
    <message>
        <source>4 Finally, the laser can fail to make it into the grid because of an atom in an adjacent cell on the edge of the grid.  Like a reflection, this is shown as a Reflection (R against a yellow background).</source>
        <translation>4 Schließlich kann ein Atom im Nachbarfeld am Rand den Laser gar nicht erst hineinlassen.  Auch das zeigt eine Reflexion (R auf gelbem Grund).</translation>
    </message>
    <message>
        <source>By clicking the cell on the grid where you think an atom is, an &quot;O&quot; will be placed on that spot.  If you change your mind about a marked cell, click it again to have the &quot;O&quot; removed.  When you think you have all of the atoms marked, click the &quot;Solved!&quot; button to see where if you are right.</source>
        <extracomment>&quot;O&quot; is the mark on the board, whatever the language; &quot;Solved!&quot; is the main window&apos;s button.</extracomment>
        <translation>Klickst du auf ein Feld, in dem du ein Atom vermutest, erscheint dort ein „O“.  Überlegst du es dir anders, klick noch einmal, und das „O“ verschwindet.  Hast du alle Atome markiert, klick auf „Gelöst!“ und sieh nach, ob du richtig liegst.</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>What a screen reader says of the legend&apos;s H.</extracomment>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>Legend caption beside H, in a cell 59 pixels wide.</extracomment>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>reflection</source>
        <extracomment>What a screen reader says of the legend&apos;s R.</extracomment>
        <translation>Reflexion</translation>
    </message>
    <message>
        <source>Reflection</source>
        <extracomment>Legend caption beside R, in a cell 59 pixels wide.</extracomment>
        <translation>Reflexion</translation>
    </message>
    <message>
        <source>deflection</source>
        <extracomment>What a screen reader says of the legend&apos;s letter.</extracomment>
        <translation>Ablenkung</translation>
    </message>
    <message>
        <source>Deflection entry and exit</source>
        <extracomment>Legend caption beside the letter, in a cell 133 pixels wide.</extracomment>
        <translation>Ablenkung: ein und aus</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <extracomment>Title of the quick help window; %1 is the program&apos;s name.</extracomment>
        <translation>%1 – Kurzhilfe</translation>
    </message>
    <message>
        <source>Legend</source>
        <extracomment>What a screen reader calls the table of symbols.</extracomment>
        <translation>Legende</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
</context>
</TS>
