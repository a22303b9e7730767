<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>PictureStore</name>
    <message>
        <source>Permission denied</source>
        <extracomment>Why a trace picture could not be read, after &quot;Error Number: 70 occured.&quot;.</extracomment>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>Why a trace picture could not be read, after &quot;Error Number: 481 occured.&quot;.</extracomment>
        <translation>Image non valide</translation>
    </message>
</context>
<context>
    <name>PlayerWords</name>
    <message>
        <source>top %1</source>
        <translation>haut %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>bas %1</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>gauche %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>droite %1</translation>
    </message>
    <message>
        <source>top border %1</source>
        <translation>bord haut %1</translation>
    </message>
    <message>
        <source>bottom border %1</source>
        <translation>bord bas %1</translation>
    </message>
    <message>
        <source>left border %1</source>
        <translation>bord gauche %1</translation>
    </message>
    <message>
        <source>right border %1</source>
        <translation>bord droit %1</translation>
    </message>
    <message>
        <source>top left corner</source>
        <translation>coin haut gauche</translation>
    </message>
    <message>
        <source>top right corner</source>
        <translation>coin haut droit</translation>
    </message>
    <message>
        <source>bottom left corner</source>
        <translation>coin bas gauche</translation>
    </message>
    <message>
        <source>bottom right corner</source>
        <translation>coin bas droit</translation>
    </message>
    <message>
        <source>, hit</source>
        <translation>, touché</translation>
    </message>
    <message>
        <source>, reflection</source>
        <translation>, réflexion</translation>
    </message>
    <message>
        <source>, deflection %1, comes out at %2</source>
        <translation>, déviation %1, ressort en %2</translation>
    </message>
    <message>
        <source>, atom</source>
        <translation>, atome</translation>
    </message>
    <message>
        <source>, marked</source>
        <translation>, marquée</translation>
    </message>
    <message>
        <source>, laser path</source>
        <translation>, trajet du laser</translation>
    </message>
    <message>
        <source>%1 atom</source>
        <translation>%1 atome</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>%1 atomes</translation>
    </message>
    <message>
        <source>%1 mark</source>
        <translation>%1 marque</translation>
    </message>
    <message>
        <source>%1 marks</source>
        <translation>%1 marques</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>un touché</translation>
    </message>
    <message>
        <source>a reflection</source>
        <translation>une réflexion</translation>
    </message>
    <message>
        <source>a deflection out at %1</source>
        <translation>une déviation sortant en %1</translation>
    </message>
    <message>
        <source>no shot</source>
        <translation>aucun tir</translation>
    </message>
    <message>
        <source>Border cell %1: your marks give %2, the board shows %3.</source>
        <translation>Case du bord %1&#xa0;: vos marques donnent %2, le plateau montre %3.</translation>
    </message>
    <message>
        <source>You are already in a game.  Do you want to start a new game?</source>
        <translation>Une partie est déjà en cours.  Voulez-vous commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>You have choosen a grid size larger than what can fit on your screen.  Try using a smaller grid.</source>
        <extracomment>&quot;choosen&quot; is the game&apos;s own spelling.</extracomment>
        <translation>Vous avez choisi une grille plus grande que ce que votre écran peut afficher.  Essayez une grille plus petite.</translation>
    </message>
    <message>
        <source>Error Number: %1 occured.  %2</source>
        <extracomment>&quot;occured&quot; is the game&apos;s own spelling; %2 is the system&apos;s description of the error.</extracomment>
        <translation>Erreur numéro %1 survenue.  %2</translation>
    </message>
    <message>
        <source>Open the file &apos;Instruct.doc&apos; for detailed information about using this product.</source>
        <translation>Ouvrez le fichier &apos;Instruct.fr.doc&apos; pour des informations détaillées sur ce jeu.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système sont indisponibles pour le moment</translation>
    </message>
    <message>
        <source>Click a number on the edge of the field, or place/remove atoms on the field. Click Solved! when you think you have placed the atom correctly.</source>
        <translation>Cliquez sur un numéro du bord, ou posez/ôtez des atomes dans la grille. Cliquez sur Résolu&#xa0;! quand les atomes sont bien placés.</translation>
    </message>
    <message>
        <source>Click a light blue square on the edge of the field, or place/remove atoms on the field. Click Solved! when you think you have placed the atom correctly.</source>
        <translation>Cliquez sur une case bleu clair du bord, ou posez/ôtez des atomes dans la grille. Cliquez sur Résolu&#xa0;! quand les atomes sont bien placés.</translation>
    </message>
    <message>
        <source>H means your laser Hit an atom.</source>
        <translation>H signifie que votre laser a Heurté un atome.</translation>
    </message>
    <message>
        <source>R means either your laser was unable to go in because of an adjacent atom or it came out the same place it went in.</source>
        <translation>R signifie que votre laser n’a pas pu entrer à cause d’un atome voisin, ou qu’il est ressorti par où il était entré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; means your laser went in one place and out another.</source>
        <extracomment>%1 is the deflection&apos;s letter on the border.</extracomment>
        <translation>«&#xa0;%1&#xa0;» signifie que votre laser est entré à un endroit et ressorti à un autre.</translation>
    </message>
    <message>
        <source>Cheating Zindra? You can&apos;t make any changes until you start a new game.</source>
        <translation>On triche, Zindra&#xa0;? Rien ne bouge tant que vous n’avez pas commencé une nouvelle partie.</translation>
    </message>
    <message>
        <source>Don&apos;t select corner cells, silly!</source>
        <translation>Pas les coins, voyons, petit malin&#xa0;!</translation>
    </message>
    <message>
        <source>Bad #1</source>
        <translation>Erreur n°1</translation>
    </message>
    <message>
        <source>Bad #2</source>
        <translation>Erreur n°2</translation>
    </message>
    <message>
        <source>You do not have exactly %1 atoms marked.</source>
        <extracomment>%1 comes with a blank before it.</extracomment>
        <translation>Vous n’avez pas marqué exactement%1 atomes.</translation>
    </message>
    <message>
        <source>Rats! You only found %1 of the atoms!  Click New Game to go again...</source>
        <extracomment>%1 comes with a blank before it.</extracomment>
        <translation>Zut&#xa0;! Vous n’avez trouvé que%1 des atomes&#xa0;!  Cliquez sur Nouveau jeu pour rejouer...</translation>
    </message>
    <message>
        <source>Groovy! You found all %1 atoms in%2 seconds!  Click New Game to go again...</source>
        <extracomment>%1 and %2 come with a blank before them.</extracomment>
        <translation>Le pied&#xa0;! Vous avez trouvé les%1 atomes en%2 secondes&#xa0;!  Cliquez sur Nouveau jeu pour rejouer...</translation>
    </message>
    <message>
        <source>Your shots decide the field: only one way of hiding %1 fits them all.</source>
        <translation>Vos tirs suffisent à déterminer la grille&#xa0;: une seule façon de cacher %1 les explique tous.</translation>
    </message>
    <message>
        <source>Your shots do not decide the field yet: more than one way of hiding %1 fits them all.</source>
        <translation>Vos tirs ne suffisent pas encore à déterminer la grille&#xa0;: plus d’une façon de cacher %1 les explique tous.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time whether your shots decide the field.</source>
        <translation>Orbalux n’a pas pu établir à temps si vos tirs suffisent à déterminer la grille.</translation>
    </message>
    <message>
        <source>Your marks agree with every shot on the board.</source>
        <translation>Vos marques s’accordent avec chaque tir du plateau.</translation>
    </message>
    <message>
        <source>Your marks disagree with %1 of your shots.</source>
        <translation>Vos marques contredisent %1 de vos tirs.</translation>
    </message>
    <message>
        <source>You have %1 for %2.</source>
        <translation>Vous avez %1 pour %2.</translation>
    </message>
    <message>
        <source>Hit: in at %1. Score %2.</source>
        <translation>Touché&#xa0;: entré en %1. Score %2.</translation>
    </message>
    <message>
        <source>Reflection: in at %1. Score %2.</source>
        <translation>Réflexion&#xa0;: entré en %1. Score %2.</translation>
    </message>
    <message>
        <source>Deflection %1: in at %2, out at %3. Score %4.</source>
        <translation>Déviation %1&#xa0;: entré en %2, sorti en %3. Score %4.</translation>
    </message>
    <message>
        <source>Marked %1. %2 of %3 marked.</source>
        <translation>%1 marquée. %2 sur %3 marquées.</translation>
    </message>
    <message>
        <source>Unmarked %1. %2 of %3 marked.</source>
        <translation>%1 démarquée. %2 sur %3 marquées.</translation>
    </message>
    <message>
        <source>%1 Atoms in game %2, marked %3. Score %4, best score %5.</source>
        <extracomment>%1 is the line under the buttons.</extracomment>
        <translation>%1 Atomes en jeu %2, marqués %3. Score %4, record %5.</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1 shot</source>
        <translation>%1 tir</translation>
    </message>
    <message>
        <source>%1 shots</source>
        <translation>%1 tirs</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 empty cell</source>
        <translation>%1 case vide</translation>
    </message>
    <message>
        <source>%1 empty cells</source>
        <translation>%1 cases vides</translation>
    </message>
    <message>
        <source>The field was decided before your first shot.</source>
        <translation>La grille était déterminée avant votre premier tir.</translation>
    </message>
    <message>
        <source>Your shots decided the field with shot %1.</source>
        <extracomment>%1 counts the shots in firing order, from 1.</extracomment>
        <translation>Vos tirs ont déterminé la grille au tir %1.</translation>
    </message>
    <message>
        <source>Your shots did not decide the field: more than one way of hiding %1 fits them all.</source>
        <translation>Vos tirs n’ont pas déterminé la grille&#xa0;: plus d’une façon de cacher %1 les explique tous.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time when your shots decided the field.</source>
        <translation>Orbalux n’a pas pu établir à temps quand vos tirs ont déterminé la grille.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time which of your shots told you something new.</source>
        <translation>Orbalux n’a pas pu établir à temps lesquels de vos tirs vous ont appris quelque chose de nouveau.</translation>
    </message>
    <message>
        <source>Every shot told you something new.</source>
        <translation>Chaque tir vous a appris quelque chose de nouveau.</translation>
    </message>
    <message>
        <source>Shots that told you nothing new: %1.</source>
        <extracomment>%1 lists border cells as the announcements name them, &quot;left 4, top 7&quot;.</extracomment>
        <translation>Tirs qui ne vous ont rien appris de nouveau&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The fewest points that decide this field: %1, firing from %2.</source>
        <extracomment>%1 is a number of points; %2 lists border cells, &quot;top 2, right 5&quot;.</extracomment>
        <translation>Le minimum de points pour déterminer cette grille&#xa0;: %1, en tirant depuis %2.</translation>
    </message>
    <message>
        <source>No choice of shots decides this field: firing from every border cell leaves more than one way of hiding %1.</source>
        <translation>Aucun choix de tirs ne détermine cette grille&#xa0;: même en tirant depuis chaque case du bord, il reste plus d’une façon de cacher %1.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time the fewest points that decide this field; the fewest found: %1, firing from %2.</source>
        <translation>Orbalux n’a pas pu établir à temps le minimum de points pour déterminer cette grille&#xa0;; le meilleur trouvé&#xa0;: %1, en tirant depuis %2.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time the fewest points that decide this field.</source>
        <translation>Orbalux n’a pas pu établir à temps le minimum de points pour déterminer cette grille.</translation>
    </message>
    <message>
        <source>%1 Now proven: %2 and %3.</source>
        <extracomment>%1 is the shot&apos;s announcement; %2 and %3 count atoms and empty cells.</extracomment>
        <translation>%1 Désormais prouvés&#xa0;: %2 et %3.</translation>
    </message>
    <message>
        <source>, proven atom</source>
        <extracomment>Ends a field cell&apos;s description for a screen reader.</extracomment>
        <translation>, atome prouvé</translation>
    </message>
    <message>
        <source>, proven empty</source>
        <extracomment>Ends a field cell&apos;s description for a screen reader.</extracomment>
        <translation>, prouvée vide</translation>
    </message>
    <message>
        <source>Show What My Shots &amp;Prove</source>
        <translation>Montrer ce que mes tirs &amp;prouvent</translation>
    </message>
    <message>
        <source>&amp;Review This Field...</source>
        <translation>&amp;Analyser cette grille...</translation>
    </message>
    <message>
        <source>Review This Field</source>
        <translation>Analyser cette grille</translation>
    </message>
    <message>
        <source>You fired %1 for %2.</source>
        <extracomment>%1 is &quot;1 shot&quot; or &quot;3 shots&quot;, %2 &quot;1 point&quot; or &quot;4 points&quot;.</extracomment>
        <translation>Vous avez fait %1 pour %2.</translation>
    </message>
</context>
<context>
    <name>orbalux::frmAbout</name>
    <message>
        <source>A game of deduction for one player.  Atoms hide in a square field: fire lasers in from the border, read what comes back, and mark where the atoms must be.  The fewer shots, the better the score.</source>
        <translation>Un jeu de déduction pour un joueur.  Des atomes se cachent dans une grille carrée&#xa0;: tirez des lasers depuis le bord, lisez ce qui revient et marquez où sont les atomes.  Moins de tirs, meilleur score.</translation>
    </message>
    <message>
        <source>%1 is free to play and to share, and it comes with no warranty.</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 est libre de jeu et de partage, et sans aucune garantie.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>Title of the About box; %1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 84 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Button, 83 pixels wide: starts the system&apos;s information tool.</extracomment>
        <translation>&amp;Système...</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>orbalux::frmMain</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu bar; its access key must differ from Deduce&apos;s and Help&apos;s.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>File menu; access keys unique within the menu.</extracomment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>File menu: opens the settings dialog.</extracomment>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: ends the program.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Quick Help</source>
        <extracomment>Help menu: the window with the rules in short and the legend.</extracomment>
        <translation>Aide &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <extracomment>Help menu: opens the instructions document.</extracomment>
        <translation>&amp;Mode d’emploi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu: the About box.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Deduce</source>
        <extracomment>Menu bar: the questions the game answers about the board.</extracomment>
        <translation>&amp;Déduire</translation>
    </message>
    <message>
        <source>Are My Shots &amp;Enough?</source>
        <extracomment>Deduce menu: do the shots so far pin every atom down?</extracomment>
        <translation>Mes tirs &amp;suffisent-ils&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Check My Marks</source>
        <extracomment>Deduce menu: which shots disagree with the player&apos;s marks?</extracomment>
        <translation>&amp;Vérifier mes marques</translation>
    </message>
    <message>
        <source>Deal Only &amp;Decidable Fields</source>
        <extracomment>Deduce menu, a check item: new games hide the atoms only where the shots can find them.</extracomment>
        <translation>Ne donner que des grilles &amp;décidables</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>Button, 73 pixels wide.</extracomment>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>Button, 73 pixels wide; the line under the buttons and the help name it.</extracomment>
        <translation>Résolu&#xa0;!</translation>
    </message>
    <message>
        <source>Atoms on Board:</source>
        <extracomment>Counter of the cells marked &quot;O&quot;, 81 pixels wide.</extracomment>
        <translation>Atomes posés&#xa0;:</translation>
    </message>
    <message>
        <source>Atoms in Game:</source>
        <extracomment>Counter of the atoms hidden in this game, 89 pixels wide.</extracomment>
        <translation>Atomes en jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Best Score:</source>
        <extracomment>The lowest score of a full solution since the program started, 57 pixels wide.</extracomment>
        <translation>Record&#xa0;:</translation>
    </message>
    <message>
        <source>Score:</source>
        <extracomment>The points this game&apos;s shots cost so far, 33 pixels wide.</extracomment>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game board.</extracomment>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>orbalux::frmOptions</name>
    <message>
        <source>%1 Settings</source>
        <extracomment>Title of the settings dialog; %1 is the program&apos;s name.</extracomment>
        <translation>%1 – Paramètres</translation>
    </message>
    <message>
        <source>Number of Atoms to Find</source>
        <extracomment>Caption over the atoms&apos; scroll bar, 145 pixels wide.</extracomment>
        <translation>Atomes à trouver</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <extracomment>Caption over the grid size&apos;s scroll bar, 65 pixels wide.</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 65 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 65 pixels wide.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show numbers on border</source>
        <extracomment>Check box, 169 pixels wide with its box.</extracomment>
        <translation>Numéros sur le bord</translation>
    </message>
    <message>
        <source>Trace Shots</source>
        <extracomment>Check box: draws each laser&apos;s path on the field; 97 pixels wide with its box.</extracomment>
        <translation>Tracer les tirs</translation>
    </message>
    <message>
        <source>Atom</source>
        <extracomment>After the number of atoms chosen, 49 pixels wide.</extracomment>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atomes</translation>
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
        <translation>Le but du jeu est de trouver où les atomes sont cachés.  Pour cela, cliquez sur les numéros autour de la grille et déduisez la place des atomes des réponses obtenues.  Le numéro cliqué est le point d’entrée d’un laser.  Le laser entre toujours à angle droit.  </translation>
    </message>
    <message>
        <source>The laser always goes in a straight line until it runs directly into an atom (Hit), or comes to a cell diagonally adjacent to a cell with an atom in it.  In this latter case, the laser is bent 90 degrees away from the atom and continues in its new direction.  The following rules govern what the laser will do when shot into the grid.</source>
        <translation>Le laser va toujours tout droit jusqu’à heurter un atome de front (Touché), ou arriver sur une case en diagonale d’un atome.  Dans ce cas, il tourne de 90 degrés en s’éloignant de l’atome et repart dans la nouvelle direction.  Voici les règles du laser dans la grille&#xa0;:</translation>
    </message>
    <message>
        <source>1 The laser can be absorbed by an atom when it runs directly into it.  This result is shown to you as a Hit (H against a red background).  </source>
        <extracomment>H is the letter on the board, whatever the language.</extracomment>
        <translation>1 Le laser peut être absorbé par un atome qu’il heurte de front.  Ce résultat s’affiche comme un Touché (H sur fond rouge).  </translation>
    </message>
    <message>
        <source>2 The laser can come out somewhere else on the grid.  This result is shown to you as a deflection (lower case letter against a green background at both the entry and exit points).  </source>
        <translation>2 Le laser peut ressortir ailleurs sur la grille.  Ce résultat s’affiche comme une déviation (minuscule sur fond vert à l’entrée et à la sortie).  </translation>
    </message>
    <message>
        <source>3 The laser can come out where it went in.  This is shown as a Reflection (R against a yellow background).  </source>
        <extracomment>R is the letter on the board, whatever the language.</extracomment>
        <translation>3 Le laser peut ressortir par où il est entré.  Cela s’affiche comme une Réflexion (R sur fond jaune).  </translation>
    </message>
    <message>
        <source>4 Finally, the laser can fail to make it into the grid because of an atom in an adjacent cell on the edge of the grid.  Like a reflection, this is shown as a Reflection (R against a yellow background).</source>
        <translation>4 Enfin, un atome sur une case voisine au bord de la grille peut empêcher le laser d’entrer.  Cela s’affiche aussi comme une Réflexion (R sur fond jaune).</translation>
    </message>
    <message>
        <source>By clicking the cell on the grid where you think an atom is, an &quot;O&quot; will be placed on that spot.  If you change your mind about a marked cell, click it again to have the &quot;O&quot; removed.  When you think you have all of the atoms marked, click the &quot;Solved!&quot; button to see where if you are right.</source>
        <extracomment>&quot;O&quot; is the mark on the board, whatever the language; &quot;Solved!&quot; is the main window&apos;s button.</extracomment>
        <translation>Cliquez sur la case où vous pensez qu’un atome se cache&#xa0;: un «&#xa0;O&#xa0;» s’y place.  Si vous changez d’avis, cliquez à nouveau pour retirer le «&#xa0;O&#xa0;».  Quand tous les atomes sont marqués, cliquez sur «&#xa0;Résolu&#xa0;!&#xa0;» pour voir si vous avez raison.</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>What a screen reader says of the legend&apos;s H.</extracomment>
        <translation>touché</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>Legend caption beside H, in a cell 59 pixels wide.</extracomment>
        <translation>Touché</translation>
    </message>
    <message>
        <source>reflection</source>
        <extracomment>What a screen reader says of the legend&apos;s R.</extracomment>
        <translation>réflexion</translation>
    </message>
    <message>
        <source>Reflection</source>
        <extracomment>Legend caption beside R, in a cell 59 pixels wide.</extracomment>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>deflection</source>
        <extracomment>What a screen reader says of the legend&apos;s letter.</extracomment>
        <translation>déviation</translation>
    </message>
    <message>
        <source>Deflection entry and exit</source>
        <extracomment>Legend caption beside the letter, in a cell 133 pixels wide.</extracomment>
        <translation>Déviation entrée/sortie</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <extracomment>Title of the quick help window; %1 is the program&apos;s name.</extracomment>
        <translation>%1 – Aide rapide</translation>
    </message>
    <message>
        <source>Legend</source>
        <extracomment>What a screen reader calls the table of symbols.</extracomment>
        <translation>Légende</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
</context>
</TS>
