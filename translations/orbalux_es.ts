<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>PictureStore</name>
    <message>
        <source>Permission denied</source>
        <extracomment>Why a trace picture could not be read, after &quot;Error Number: 70 occured.&quot;.</extracomment>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>Why a trace picture could not be read, after &quot;Error Number: 481 occured.&quot;.</extracomment>
        <translation>Imagen no válida</translation>
    </message>
</context>
<context>
    <name>PlayerWords</name>
    <message>
        <source>top %1</source>
        <translation>arriba %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>abajo %1</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>izquierda %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>derecha %1</translation>
    </message>
    <message>
        <source>top border %1</source>
        <translation>borde superior %1</translation>
    </message>
    <message>
        <source>bottom border %1</source>
        <translation>borde inferior %1</translation>
    </message>
    <message>
        <source>left border %1</source>
        <translation>borde izquierdo %1</translation>
    </message>
    <message>
        <source>right border %1</source>
        <translation>borde derecho %1</translation>
    </message>
    <message>
        <source>top left corner</source>
        <translation>esquina superior izquierda</translation>
    </message>
    <message>
        <source>top right corner</source>
        <translation>esquina superior derecha</translation>
    </message>
    <message>
        <source>bottom left corner</source>
        <translation>esquina inferior izquierda</translation>
    </message>
    <message>
        <source>bottom right corner</source>
        <translation>esquina inferior derecha</translation>
    </message>
    <message>
        <source>, hit</source>
        <translation>, impacto</translation>
    </message>
    <message>
        <source>, reflection</source>
        <translation>, reflexión</translation>
    </message>
    <message>
        <source>, deflection %1, comes out at %2</source>
        <translation>, desvío %1, sale por %2</translation>
    </message>
    <message>
        <source>, atom</source>
        <translation>, átomo</translation>
    </message>
    <message>
        <source>, marked</source>
        <translation>, marcada</translation>
    </message>
    <message>
        <source>, laser path</source>
        <translation>, trayecto del láser</translation>
    </message>
    <message>
        <source>%1 atom</source>
        <translation>%1 átomo</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>%1 átomos</translation>
    </message>
    <message>
        <source>%1 mark</source>
        <translation>%1 marca</translation>
    </message>
    <message>
        <source>%1 marks</source>
        <translation>%1 marcas</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>un impacto</translation>
    </message>
    <message>
        <source>a reflection</source>
        <translation>una reflexión</translation>
    </message>
    <message>
        <source>a deflection out at %1</source>
        <translation>un desvío que sale por %1</translation>
    </message>
    <message>
        <source>no shot</source>
        <translation>ningún disparo</translation>
    </message>
    <message>
        <source>Border cell %1: your marks give %2, the board shows %3.</source>
        <translation>Casilla del borde %1: tus marcas dan %2, el tablero muestra %3.</translation>
    </message>
    <message>
        <source>You are already in a game.  Do you want to start a new game?</source>
        <translation>Ya estás en una partida.  ¿Quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>You have choosen a grid size larger than what can fit on your screen.  Try using a smaller grid.</source>
        <extracomment>&quot;choosen&quot; is the game&apos;s own spelling.</extracomment>
        <translation>Has elegido un tamaño de cuadrícula que no cabe en tu pantalla.  Prueba con una cuadrícula más pequeña.</translation>
    </message>
    <message>
        <source>Error Number: %1 occured.  %2</source>
        <extracomment>&quot;occured&quot; is the game&apos;s own spelling; %2 is the system&apos;s description of the error.</extracomment>
        <translation>Se ha producido el error número %1.  %2</translation>
    </message>
    <message>
        <source>Open the file &apos;Instruct.doc&apos; for detailed information about using this product.</source>
        <translation>Abre el archivo &apos;Instruct.es.doc&apos; para saber con detalle cómo se usa este juego.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Click a number on the edge of the field, or place/remove atoms on the field. Click Solved! when you think you have placed the atom correctly.</source>
        <translation>Haz clic en un número del borde o pon/quita átomos en el campo. Pulsa ¡Resuelto! cuando creas que has colocado bien los átomos.</translation>
    </message>
    <message>
        <source>Click a light blue square on the edge of the field, or place/remove atoms on the field. Click Solved! when you think you have placed the atom correctly.</source>
        <translation>Haz clic en una casilla azul claro del borde o pon/quita átomos en el campo. Pulsa ¡Resuelto! cuando creas que has colocado bien los átomos.</translation>
    </message>
    <message>
        <source>H means your laser Hit an atom.</source>
        <translation>H significa que tu láser Hizo blanco en un átomo.</translation>
    </message>
    <message>
        <source>R means either your laser was unable to go in because of an adjacent atom or it came out the same place it went in.</source>
        <translation>R significa que tu láser no pudo entrar por un átomo vecino o que salió por donde entró.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; means your laser went in one place and out another.</source>
        <extracomment>%1 is the deflection&apos;s letter on the border.</extracomment>
        <translation>«%1» significa que tu láser entró por un sitio y salió por otro.</translation>
    </message>
    <message>
        <source>Cheating Zindra? You can&apos;t make any changes until you start a new game.</source>
        <translation>¿Haciendo trampa, Zindra? No puedes cambiar nada hasta que empieces una partida nueva.</translation>
    </message>
    <message>
        <source>Don&apos;t select corner cells, silly!</source>
        <translation>¡Las esquinas no, despistado!</translation>
    </message>
    <message>
        <source>Bad #1</source>
        <translation>Fallo n.º 1</translation>
    </message>
    <message>
        <source>Bad #2</source>
        <translation>Fallo n.º 2</translation>
    </message>
    <message>
        <source>You do not have exactly %1 atoms marked.</source>
        <extracomment>%1 comes with a blank before it.</extracomment>
        <translation>No has marcado exactamente%1 átomos.</translation>
    </message>
    <message>
        <source>Rats! You only found %1 of the atoms!  Click New Game to go again...</source>
        <extracomment>%1 comes with a blank before it.</extracomment>
        <translation>¡Rayos! ¡Solo has encontrado%1 de los átomos!  Pulsa Nueva partida para volver a jugar...</translation>
    </message>
    <message>
        <source>Groovy! You found all %1 atoms in%2 seconds!  Click New Game to go again...</source>
        <extracomment>%1 and %2 come with a blank before them.</extracomment>
        <translation>¡Qué guay! ¡Has encontrado los%1 átomos en%2 segundos!  Pulsa Nueva partida para volver a jugar...</translation>
    </message>
    <message>
        <source>Your shots decide the field: only one way of hiding %1 fits them all.</source>
        <translation>Tus disparos determinan el campo: solo una forma de esconder %1 encaja con todos.</translation>
    </message>
    <message>
        <source>Your shots do not decide the field yet: more than one way of hiding %1 fits them all.</source>
        <translation>Tus disparos aún no determinan el campo: más de una forma de esconder %1 encaja con todos.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time whether your shots decide the field.</source>
        <translation>Orbalux no ha podido averiguar a tiempo si tus disparos determinan el campo.</translation>
    </message>
    <message>
        <source>Your marks agree with every shot on the board.</source>
        <translation>Tus marcas concuerdan con todos los disparos del tablero.</translation>
    </message>
    <message>
        <source>Your marks disagree with %1 of your shots.</source>
        <translation>Tus marcas contradicen %1 de tus disparos.</translation>
    </message>
    <message>
        <source>You have %1 for %2.</source>
        <translation>Tienes %1 para %2.</translation>
    </message>
    <message>
        <source>Hit: in at %1. Score %2.</source>
        <translation>Impacto: entra por %1. Tanto %2.</translation>
    </message>
    <message>
        <source>Reflection: in at %1. Score %2.</source>
        <translation>Reflexión: entra por %1. Tanto %2.</translation>
    </message>
    <message>
        <source>Deflection %1: in at %2, out at %3. Score %4.</source>
        <translation>Desvío %1: entra por %2, sale por %3. Tanto %4.</translation>
    </message>
    <message>
        <source>Marked %1. %2 of %3 marked.</source>
        <translation>%1 marcada. %2 de %3 marcadas.</translation>
    </message>
    <message>
        <source>Unmarked %1. %2 of %3 marked.</source>
        <translation>%1 desmarcada. %2 de %3 marcadas.</translation>
    </message>
    <message>
        <source>%1 Atoms in game %2, marked %3. Score %4, best score %5.</source>
        <extracomment>%1 is the line under the buttons.</extracomment>
        <translation>%1 Átomos en juego %2, marcados %3. Tanto %4, récord %5.</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1 shot</source>
        <translation>%1 disparo</translation>
    </message>
    <message>
        <source>%1 shots</source>
        <translation>%1 disparos</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>%1 empty cell</source>
        <translation>%1 casilla vacía</translation>
    </message>
    <message>
        <source>%1 empty cells</source>
        <translation>%1 casillas vacías</translation>
    </message>
    <message>
        <source>The field was decided before your first shot.</source>
        <translation>El campo ya estaba determinado antes de tu primer disparo.</translation>
    </message>
    <message>
        <source>Your shots decided the field with shot %1.</source>
        <extracomment>%1 counts the shots in firing order, from 1.</extracomment>
        <translation>Tus disparos determinaron el campo con el disparo %1.</translation>
    </message>
    <message>
        <source>Your shots did not decide the field: more than one way of hiding %1 fits them all.</source>
        <translation>Tus disparos no determinaron el campo: más de una forma de esconder %1 encaja con todos.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time when your shots decided the field.</source>
        <translation>Orbalux no ha podido averiguar a tiempo cuándo determinaron el campo tus disparos.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time which of your shots told you something new.</source>
        <translation>Orbalux no ha podido averiguar a tiempo cuáles de tus disparos te dijeron algo nuevo.</translation>
    </message>
    <message>
        <source>Every shot told you something new.</source>
        <translation>Cada disparo te dijo algo nuevo.</translation>
    </message>
    <message>
        <source>Shots that told you nothing new: %1.</source>
        <extracomment>%1 lists border cells as the announcements name them, &quot;left 4, top 7&quot;.</extracomment>
        <translation>Disparos que no te dijeron nada nuevo: %1.</translation>
    </message>
    <message>
        <source>The fewest points that decide this field: %1, firing from %2.</source>
        <extracomment>%1 is a number of points; %2 lists border cells, &quot;top 2, right 5&quot;.</extracomment>
        <translation>El mínimo de puntos que determina este campo: %1, disparando desde %2.</translation>
    </message>
    <message>
        <source>No choice of shots decides this field: firing from every border cell leaves more than one way of hiding %1.</source>
        <translation>Ninguna elección de disparos determina este campo: aun disparando desde todas las casillas del borde, encaja más de una forma de esconder %1.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time the fewest points that decide this field; the fewest found: %1, firing from %2.</source>
        <translation>Orbalux no ha podido averiguar a tiempo el mínimo de puntos que determina este campo; el menor hallado: %1, disparando desde %2.</translation>
    </message>
    <message>
        <source>Orbalux could not work out in time the fewest points that decide this field.</source>
        <translation>Orbalux no ha podido averiguar a tiempo el mínimo de puntos que determina este campo.</translation>
    </message>
    <message>
        <source>%1 Now proven: %2 and %3.</source>
        <extracomment>%1 is the shot&apos;s announcement; %2 and %3 count atoms and empty cells.</extracomment>
        <translation>%1 Ya demostrados: %2 y %3.</translation>
    </message>
    <message>
        <source>, proven atom</source>
        <extracomment>Ends a field cell&apos;s description for a screen reader.</extracomment>
        <translation>, átomo demostrado</translation>
    </message>
    <message>
        <source>, proven empty</source>
        <extracomment>Ends a field cell&apos;s description for a screen reader.</extracomment>
        <translation>, vacía demostrada</translation>
    </message>
    <message>
        <source>Show What My Shots &amp;Prove</source>
        <translation>&amp;Mostrar lo que demuestran mis disparos</translation>
    </message>
    <message>
        <source>&amp;Review This Field...</source>
        <translation>&amp;Revisar este campo...</translation>
    </message>
    <message>
        <source>Review This Field</source>
        <translation>Revisar este campo</translation>
    </message>
    <message>
        <source>You fired %1 for %2.</source>
        <extracomment>%1 is &quot;1 shot&quot; or &quot;3 shots&quot;, %2 &quot;1 point&quot; or &quot;4 points&quot;.</extracomment>
        <translation>Has hecho %1 por %2.</translation>
    </message>
</context>
<context>
    <name>orbalux::frmAbout</name>
    <message>
        <source>A game of deduction for one player.  Atoms hide in a square field: fire lasers in from the border, read what comes back, and mark where the atoms must be.  The fewer shots, the better the score.</source>
        <translation>Un juego de deducción para una persona.  Hay átomos escondidos en un campo cuadrado: dispara láseres desde el borde, lee lo que vuelve y marca dónde deben estar.  Cuantos menos disparos, mejor.</translation>
    </message>
    <message>
        <source>%1 is free to play and to share, and it comes with no warranty.</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 se puede jugar y compartir libremente, y no tiene garantía.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>Title of the About box; %1 is the program&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 84 pixels wide.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Button, 83 pixels wide: starts the system&apos;s information tool.</extracomment>
        <translation>&amp;Sistema...</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>orbalux::frmMain</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu bar; its access key must differ from Deduce&apos;s and Help&apos;s.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>File menu; access keys unique within the menu.</extracomment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>File menu: opens the settings dialog.</extracomment>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: ends the program.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar.</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Quick Help</source>
        <extracomment>Help menu: the window with the rules in short and the legend.</extracomment>
        <translation>Ayuda &amp;rápida</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <extracomment>Help menu: opens the instructions document.</extracomment>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu: the About box.</extracomment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Deduce</source>
        <extracomment>Menu bar: the questions the game answers about the board.</extracomment>
        <translation>&amp;Deducir</translation>
    </message>
    <message>
        <source>Are My Shots &amp;Enough?</source>
        <extracomment>Deduce menu: do the shots so far pin every atom down?</extracomment>
        <translation>¿&amp;Bastan mis disparos?</translation>
    </message>
    <message>
        <source>&amp;Check My Marks</source>
        <extracomment>Deduce menu: which shots disagree with the player&apos;s marks?</extracomment>
        <translation>&amp;Comprobar mis marcas</translation>
    </message>
    <message>
        <source>Deal Only &amp;Decidable Fields</source>
        <extracomment>Deduce menu, a check item: new games hide the atoms only where the shots can find them.</extracomment>
        <translation>Repartir solo campos &amp;decidibles</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>Button, 73 pixels wide.</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>Button, 73 pixels wide; the line under the buttons and the help name it.</extracomment>
        <translation>¡Resuelto!</translation>
    </message>
    <message>
        <source>Atoms on Board:</source>
        <extracomment>Counter of the cells marked &quot;O&quot;, 81 pixels wide.</extracomment>
        <translation>Átomos puestos:</translation>
    </message>
    <message>
        <source>Atoms in Game:</source>
        <extracomment>Counter of the atoms hidden in this game, 89 pixels wide.</extracomment>
        <translation>Átomos en juego:</translation>
    </message>
    <message>
        <source>Best Score:</source>
        <extracomment>The lowest score of a full solution since the program started, 57 pixels wide.</extracomment>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>Score:</source>
        <extracomment>The points this game&apos;s shots cost so far, 33 pixels wide.</extracomment>
        <translation>Tanto:</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game board.</extracomment>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>orbalux::frmOptions</name>
    <message>
        <source>%1 Settings</source>
        <extracomment>Title of the settings dialog; %1 is the program&apos;s name.</extracomment>
        <translation>%1 – Ajustes</translation>
    </message>
    <message>
        <source>Number of Atoms to Find</source>
        <extracomment>Caption over the atoms&apos; scroll bar, 145 pixels wide.</extracomment>
        <translation>Átomos que encontrar</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <extracomment>Caption over the grid size&apos;s scroll bar, 65 pixels wide.</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 65 pixels wide.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 65 pixels wide.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show numbers on border</source>
        <extracomment>Check box, 169 pixels wide with its box.</extracomment>
        <translation>Números en el borde</translation>
    </message>
    <message>
        <source>Trace Shots</source>
        <extracomment>Check box: draws each laser&apos;s path on the field; 97 pixels wide with its box.</extracomment>
        <translation>Trazar tiros</translation>
    </message>
    <message>
        <source>Atom</source>
        <extracomment>After the number of atoms chosen, 49 pixels wide.</extracomment>
        <translation>Átomo</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
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
        <translation>El objetivo del juego es descubrir dónde están escondidos los átomos.  Para ello, haz clic en los números alrededor del campo y deduce dónde están los átomos por lo que vuelve.  El número pulsado es la entrada de un láser.  El láser siempre entra en ángulo recto.  </translation>
    </message>
    <message>
        <source>The laser always goes in a straight line until it runs directly into an atom (Hit), or comes to a cell diagonally adjacent to a cell with an atom in it.  In this latter case, the laser is bent 90 degrees away from the atom and continues in its new direction.  The following rules govern what the laser will do when shot into the grid.</source>
        <translation>El láser siempre va en línea recta hasta chocar de frente con un átomo (Impacto) o llegar a una casilla en diagonal con un átomo.  En ese caso, el láser gira 90 grados alejándose del átomo y sigue en la nueva dirección.  Estas reglas dicen qué hace el láser en el campo.</translation>
    </message>
    <message>
        <source>1 The laser can be absorbed by an atom when it runs directly into it.  This result is shown to you as a Hit (H against a red background).  </source>
        <extracomment>H is the letter on the board, whatever the language.</extracomment>
        <translation>1 El láser puede ser absorbido por un átomo si choca de frente con él.  Se muestra como un Impacto (H sobre fondo rojo).  </translation>
    </message>
    <message>
        <source>2 The laser can come out somewhere else on the grid.  This result is shown to you as a deflection (lower case letter against a green background at both the entry and exit points).  </source>
        <translation>2 El láser puede salir por otro sitio del campo.  Se muestra como un desvío (minúscula sobre fondo verde en la entrada y en la salida).  </translation>
    </message>
    <message>
        <source>3 The laser can come out where it went in.  This is shown as a Reflection (R against a yellow background).  </source>
        <extracomment>R is the letter on the board, whatever the language.</extracomment>
        <translation>3 El láser puede salir por donde entró.  Se muestra como una Reflexión (R sobre fondo amarillo).  </translation>
    </message>
    <message>
        <source>4 Finally, the laser can fail to make it into the grid because of an atom in an adjacent cell on the edge of the grid.  Like a reflection, this is shown as a Reflection (R against a yellow background).</source>
        <translation>4 Por último, un átomo en una casilla vecina del borde puede impedir que el láser entre.  También se muestra como una Reflexión (R sobre fondo amarillo).</translation>
    </message>
    <message>
        <source>By clicking the cell on the grid where you think an atom is, an &quot;O&quot; will be placed on that spot.  If you change your mind about a marked cell, click it again to have the &quot;O&quot; removed.  When you think you have all of the atoms marked, click the &quot;Solved!&quot; button to see where if you are right.</source>
        <extracomment>&quot;O&quot; is the mark on the board, whatever the language; &quot;Solved!&quot; is the main window&apos;s button.</extracomment>
        <translation>Haz clic en la casilla donde creas que hay un átomo y aparecerá una «O».  Si cambias de idea, vuelve a hacer clic para quitar la «O».  Cuando tengas todos los átomos marcados, pulsa «¡Resuelto!» para ver si aciertas.</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>What a screen reader says of the legend&apos;s H.</extracomment>
        <translation>impacto</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>Legend caption beside H, in a cell 59 pixels wide.</extracomment>
        <translation>Impacto</translation>
    </message>
    <message>
        <source>reflection</source>
        <extracomment>What a screen reader says of the legend&apos;s R.</extracomment>
        <translation>reflexión</translation>
    </message>
    <message>
        <source>Reflection</source>
        <extracomment>Legend caption beside R, in a cell 59 pixels wide.</extracomment>
        <translation>Reflexión</translation>
    </message>
    <message>
        <source>deflection</source>
        <extracomment>What a screen reader says of the legend&apos;s letter.</extracomment>
        <translation>desvío</translation>
    </message>
    <message>
        <source>Deflection entry and exit</source>
        <extracomment>Legend caption beside the letter, in a cell 133 pixels wide.</extracomment>
        <translation>Desvío entrada/salida</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <extracomment>Title of the quick help window; %1 is the program&apos;s name.</extracomment>
        <translation>%1 – Ayuda rápida</translation>
    </message>
    <message>
        <source>Legend</source>
        <extracomment>What a screen reader calls the table of symbols.</extracomment>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 pixels wide.</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
