<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>d.M.yyyy</source>
        <comment>date format</comment>
        <translation>MMMM d, yyyy</translation>
    </message>
    <message>
        <source>Info über Sorbello....</source>
        <translation>About Sorbello....</translation>
    </message>
    <message>
        <source> Über Kolibri8</source>
        <translation> About Kolibri8</translation>
    </message>
    <message>
        <source>Die aktuellen Kartensymbole</source>
        <translation>The current card pictures</translation>
    </message>
    <message>
        <source>Ein Spiel von Vuko-Software</source>
        <translation>A game by Vuko-Software</translation>
    </message>
    <message>
        <source>Weitere Spiele im Internet:</source>
        <translation>More games on the Internet:</translation>
    </message>
    <message>
        <source>Ein Programm von</source>
        <translation>A program by</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Vom %1</source>
        <translation>Released %1</translation>
    </message>
    <message>
        <source>Version der Sound-Engine: </source>
        <translation>Sound engine version: </translation>
    </message>
    <message>
        <source>Version der Netzwerk-Engine: </source>
        <translation>Network engine version: </translation>
    </message>
    <message>
        <source>Version der Bild-Effekt-Engine: </source>
        <translation>Picture effect engine version: </translation>
    </message>
</context>
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Kein Spiel aktiv</source>
        <translation>No game running</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Verbinden...</source>
        <translation>Connect...</translation>
    </message>
    <message>
        <source> Netzwerkadresse...</source>
        <translation> Network address...</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier die Adresse des Computers ein,
mit dem Sie eine Netzwerkverbindung etablieren möchten:</source>
        <translation>Please enter the address of the computer
you want to connect to over the network:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>BoardNarration</name>
    <message>
        <source>Zahl %1</source>
        <translation>Number %1</translation>
    </message>
    <message>
        <source>Bild %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>1 Punkt</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Karte %1, verdeckt</source>
        <translation>Card %1, face down</translation>
    </message>
    <message>
        <source>Karte %1: %2</source>
        <translation>Card %1: %2</translation>
    </message>
    <message>
        <source>Kein Spiel aktiv</source>
        <translation>No game running</translation>
    </message>
    <message>
        <source>, am Zug</source>
        <translation>, to move</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Karte %1, %2</source>
        <translation>Card %1, %2</translation>
    </message>
    <message>
        <source>%1 deckt auf: %2</source>
        <translation>%1 turns up: %2</translation>
    </message>
    <message>
        <source>%1 deckte auf: %2</source>
        <translation>%1 turned up: %2</translation>
    </message>
</context>
<context>
    <name>BoardPainting</name>
    <message>
        <source>Computer Netzwerk</source>
        <translation>Computer (Net)</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Kein Spiel aktiv</source>
        <translation>No game running</translation>
    </message>
</context>
<context>
    <name>BuiltInPictureNames</name>
    <message>
        <source>Apfel</source>
        <translation>Apple</translation>
    </message>
    <message>
        <source>Sonne</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Fish</translation>
    </message>
    <message>
        <source>Baum</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Heart</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Schmetterling</source>
        <translation>Butterfly</translation>
    </message>
    <message>
        <source>Birne</source>
        <translation>Pear</translation>
    </message>
    <message>
        <source>Regenwolke</source>
        <translation>Rain cloud</translation>
    </message>
    <message>
        <source>Segelboot</source>
        <translation>Sailboat</translation>
    </message>
    <message>
        <source>Vogel</source>
        <translation>Bird</translation>
    </message>
    <message>
        <source>Tanne</source>
        <translation>Fir tree</translation>
    </message>
    <message>
        <source>Pik</source>
        <translation>Spade</translation>
    </message>
    <message>
        <source>Glocke</source>
        <translation>Bell</translation>
    </message>
    <message>
        <source>Marienkäfer</source>
        <translation>Ladybug</translation>
    </message>
    <message>
        <source>Kirschen</source>
        <translation>Cherries</translation>
    </message>
    <message>
        <source>Mond</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>Flugzeug</source>
        <translation>Airplane</translation>
    </message>
    <message>
        <source>Schnecke</source>
        <translation>Snail</translation>
    </message>
    <message>
        <source>Blume</source>
        <translation>Flower</translation>
    </message>
    <message>
        <source>Kreuz</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Krone</source>
        <translation>Crown</translation>
    </message>
    <message>
        <source>Ente</source>
        <translation>Duck</translation>
    </message>
    <message>
        <source>Banane</source>
        <translation>Banana</translation>
    </message>
    <message>
        <source>Blitz</source>
        <translation>Lightning</translation>
    </message>
    <message>
        <source>Rakete</source>
        <translation>Rocket</translation>
    </message>
    <message>
        <source>Katze</source>
        <translation>Cat</translation>
    </message>
    <message>
        <source>Tulpe</source>
        <translation>Tulip</translation>
    </message>
    <message>
        <source>Karo</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>Anker</source>
        <translation>Anchor</translation>
    </message>
    <message>
        <source>Schwein</source>
        <translation>Pig</translation>
    </message>
    <message>
        <source>Erdbeere</source>
        <translation>Strawberry</translation>
    </message>
    <message>
        <source>Schneeflocke</source>
        <translation>Snowflake</translation>
    </message>
    <message>
        <source>Heißluftballon</source>
        <translation>Hot-air balloon</translation>
    </message>
    <message>
        <source>Frosch</source>
        <translation>Frog</translation>
    </message>
    <message>
        <source>Kaktus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Musiknote</source>
        <translation>Musical note</translation>
    </message>
    <message>
        <source>Briefumschlag</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Pinguin</source>
        <translation>Penguin</translation>
    </message>
    <message>
        <source>Weintrauben</source>
        <translation>Grapes</translation>
    </message>
    <message>
        <source>Regenbogen</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Fahrrad</source>
        <translation>Bicycle</translation>
    </message>
    <message>
        <source>Biene</source>
        <translation>Bee</translation>
    </message>
    <message>
        <source>Fliegenpilz</source>
        <translation>Toadstool</translation>
    </message>
    <message>
        <source>Stern</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>Schere</source>
        <translation>Scissors</translation>
    </message>
    <message>
        <source>Wal</source>
        <translation>Whale</translation>
    </message>
    <message>
        <source>Möhre</source>
        <translation>Carrot</translation>
    </message>
    <message>
        <source>Regenschirm</source>
        <translation>Umbrella</translation>
    </message>
    <message>
        <source>Haus</source>
        <translation>House</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Ahornblatt</source>
        <translation>Maple leaf</translation>
    </message>
    <message>
        <source>Würfel</source>
        <translation>Dice</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Hase</source>
        <translation>Rabbit</translation>
    </message>
    <message>
        <source>Wassermelone</source>
        <translation>Watermelon</translation>
    </message>
    <message>
        <source>Schneemann</source>
        <translation>Snowman</translation>
    </message>
    <message>
        <source>Wasserball</source>
        <translation>Beach ball</translation>
    </message>
    <message>
        <source>Pferd</source>
        <translation>Horse</translation>
    </message>
    <message>
        <source>Kaffeetasse</source>
        <translation>Coffee cup</translation>
    </message>
    <message>
        <source>Sanduhr</source>
        <translation>Hourglass</translation>
    </message>
    <message>
        <source>Glühbirne</source>
        <translation>Light bulb</translation>
    </message>
    <message>
        <source>Eistüte</source>
        <translation>Ice-cream cone</translation>
    </message>
</context>
<context>
    <name>CardEditor</name>
    <message>
        <source>Karteneditor</source>
        <translation>Card Editor</translation>
    </message>
    <message>
        <source>Bild Nr. %1 laden</source>
        <translation>Load picture no. %1</translation>
    </message>
    <message>
        <source> Karteneditor</source>
        <translation> Card Editor</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Malmodus</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Pick color</translation>
    </message>
    <message>
        <source>Bild ersetzen</source>
        <translation>Replace picture</translation>
    </message>
    <message>
        <source>Karte Nummer</source>
        <translation>Card number</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Kartendatei &amp;laden</source>
        <translation>&amp;Load card file</translation>
    </message>
    <message>
        <source>Kartendatei &amp;speichern</source>
        <translation>&amp;Save card file</translation>
    </message>
    <message>
        <source>Karteneditor &amp;beenden</source>
        <translation>&amp;Close card editor</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Zum &amp;Karteneditor</source>
        <translation>On the &amp;card editor</translation>
    </message>
    <message>
        <source>Zeichenfläche</source>
        <translation>Drawing area</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>CardSheet</name>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>The picture is too large.</translation>
    </message>
    <message>
        <source>Für das Bild ist nicht genug Speicher frei.</source>
        <translation>There is not enough free memory for the picture.</translation>
    </message>
    <message>
        <source>Die lauflängenkodierten Bilddaten sind nicht lesbar.</source>
        <translation>The run-length encoded picture data cannot be read.</translation>
    </message>
    <message>
        <source>*** Standardsymbole ***</source>
        <translation>*** Built-in pictures ***</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Der Kopf der Bilddatei ist beschädigt oder wird nicht unterstützt.</source>
        <translation>The header of the picture file is damaged or not supported.</translation>
    </message>
    <message>
        <source>Die Datei enthält weniger Bilddaten, als ihr Kopf angibt.</source>
        <translation>The file holds less picture data than its header states.</translation>
    </message>
    <message>
        <source>Es gibt kein Bild zum Speichern.</source>
        <translation>There is no picture to save.</translation>
    </message>
</context>
<context>
    <name>ColourPanel</name>
    <message>
        <source>Farbe %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Rot %1, Grün %2, Blau %3</source>
        <translation>Red %1, green %2, blue %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Paare finden mit bis zu vier Spielern, gegen den Computer oder im Netzwerk.</source>
        <translation>Find the pairs, with up to four players, against the computer or over the network.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Windows-Bitmap [*.BMP] (*.bmp)</source>
        <translation>Windows bitmap [*.BMP] (*.bmp)</translation>
    </message>
    <message>
        <source>Paarlobilddateien (*.pbd)</source>
        <translation>Paarlo picture files (*.pbd)</translation>
    </message>
</context>
<context>
    <name>EndDialog</name>
    <message>
        <source>Dieses Spiel ist beendet</source>
        <translation>This game is over</translation>
    </message>
    <message>
        <source>Herzlichen Glückwunsch,</source>
        <translation>Congratulations,</translation>
    </message>
    <message>
        <source>Sie haben das Spiel gewonnen!</source>
        <translation>You have won the game!</translation>
    </message>
    <message>
        <source>Sehr schön!</source>
        <translation>Very nice!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Sorbello-Hilfe</source>
        <translation>Sorbello Help</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Vorwärts</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Hilfe&lt;/h1&gt;&lt;p&gt;Zum Thema „%1“ gibt es keine Hilfeseite.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;Zur Spielanleitung&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Help&lt;/h1&gt;&lt;p&gt;There is no help page on the topic “%1”.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;To the instructions&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HighScoreDrawing</name>
    <message>
        <source>Unbelegt</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <comment>date format</comment>
        <translation>MM/dd/yyyy</translation>
    </message>
    <message>
        <source>Rang</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>00.00.0000</source>
        <comment>no date</comment>
        <translation>00/00/0000</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>Die Besten...</source>
        <translation>The Best...</translation>
    </message>
    <message>
        <source> Highscore</source>
        <translation> High Scores</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>InvalidSettingMessage</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Die gespeicherte Einstellung &quot;%1&quot; ist keine ganze Zahl: &apos;%2&apos;.<byte value="xd"/>Sie wird nicht verwendet.</source>
        <translation>The stored setting &quot;%1&quot; is not a whole number: &apos;%2&apos;.<byte value="xd"/>It is not used.</translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Keine URL angegeben!</source>
        <translation>No URL given!</translation>
    </message>
    <message>
        <source>Fehler!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Konnte keinen Internet-Browser finden!</source>
        <translation>Could not find a web browser!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Schon beenden?</source>
        <translation>Quitting already?</translation>
    </message>
    <message>
        <source>Wollen Sie Sorbello wirklich beenden?<byte value="xd"/>Zur Zeit läuft noch ein Spiel!<byte value="xd"/>Sind Sie ganz sicher?</source>
        <translation>Do you really want to quit Sorbello?<byte value="xd"/>A game is still running!<byte value="xd"/>Are you quite sure?</translation>
    </message>
    <message>
        <source>Frage...</source>
        <translation>Question...</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich das<byte value="xd"/>laufende Spiel abbrechen?</source>
        <translation>Do you really want to<byte value="xd"/>abandon the running game?</translation>
    </message>
    <message>
        <source>Frage aus dem Netzwerk</source>
        <translation>Question from the network</translation>
    </message>
    <message>
        <source>Wollen Sie ein Netzwerkspiel spielen?</source>
        <translation>Do you want to play a network game?</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Die Verbindung zum Netzwerk-Spieler wurde unterbrochen.</source>
        <translation>The connection to the network player was lost.</translation>
    </message>
    <message>
        <source>Neues</source>
        <comment>tool button, 1st line</comment>
        <translation>New</translation>
    </message>
    <message>
        <source>Spiel</source>
        <comment>new game tool button, 2nd line</comment>
        <translation>Game</translation>
    </message>
    <message>
        <source>Karten-</source>
        <comment>tool button, 1st line</comment>
        <translation>Card</translation>
    </message>
    <message>
        <source>editor</source>
        <comment>tool button, 2nd line</comment>
        <translation>editor</translation>
    </message>
    <message>
        <source>Hilfe/</source>
        <comment>tool button, 1st line</comment>
        <translation>Help/</translation>
    </message>
    <message>
        <source>Anleitung</source>
        <comment>tool button, 2nd line</comment>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Anzahl vollständig aufgedeckter Kartenpaare:</source>
        <translation>Number of fully uncovered pairs:</translation>
    </message>
    <message>
        <source>Restpunkte</source>
        <translation>Points left</translation>
    </message>
    <message>
        <source>Spiel</source>
        <comment>quit tool button, 1st line</comment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>beenden</source>
        <comment>quit tool button, 2nd line</comment>
        <translation>Game</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neues Spiel</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>Netzwerkverbindung &amp;trennen</source>
        <translation>&amp;Disconnect from network</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Hintergrund abdecken</source>
        <translation>&amp;Cover background</translation>
    </message>
    <message>
        <source>Hintergrund&amp;farbe festlegen</source>
        <translation>Background co&amp;lor</translation>
    </message>
    <message>
        <source>Spieler-&amp;Statistik anzeigen</source>
        <translation>Player &amp;statistics</translation>
    </message>
    <message>
        <source>&amp;HighScore anzeigen</source>
        <translation>&amp;High scores</translation>
    </message>
    <message>
        <source>&amp;Karteneditor</source>
        <translation>Card &amp;editor</translation>
    </message>
    <message>
        <source>Verknüpfung zum &amp;Desktop anlegen</source>
        <translation>Create &amp;desktop shortcut</translation>
    </message>
    <message>
        <source>Verknüpfung zum Start&amp;menü anlegen</source>
        <translation>Create start &amp;menu shortcut</translation>
    </message>
    <message>
        <source>Eigene IP-Adresse anzeigen</source>
        <translation>Show my IP address</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Debug-Dump</source>
        <translation>Debug dump</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Spielanleitung</source>
        <translation>&amp;How to play</translation>
    </message>
    <message>
        <source>&amp;Vuko-Homepage aufsuchen</source>
        <translation>&amp;Visit the Vuko homepage</translation>
    </message>
    <message>
        <source>Über &amp;Sorbello</source>
        <translation>&amp;About Sorbello</translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>Neues Spiel...</source>
        <translation>New Game...</translation>
    </message>
    <message>
        <source>Paarlo-Bilddateien (*.pbd *.PBD)</source>
        <translation>Paarlo picture files (*.pbd *.PBD)</translation>
    </message>
    <message>
        <source>Spieler 1</source>
        <translation>Player 1</translation>
    </message>
    <message>
        <source>Spieler 2</source>
        <translation>Player 2</translation>
    </message>
    <message>
        <source>Sie brauchen für ein vernünftiges Spiel<byte value="xd"/>mindestens einen Spieler!</source>
        <translation>For a proper game you need<byte value="xd"/>at least one player!</translation>
    </message>
    <message>
        <source>Es dürfen nicht alle Spieler Netzwerk-Teilnehmer sein!</source>
        <translation>Not all players may be network players!</translation>
    </message>
    <message>
        <source>Computer wird gesucht...</source>
        <translation>Looking for the computer...</translation>
    </message>
    <message>
        <source>Computer gefunden.<byte value="xd"/>
Teilnehmer werden gefragt...</source>
        <translation>Computer found.<byte value="xd"/>
Asking the players...</translation>
    </message>
    <message>
        <source>Netz-Teilnehmer haben abgelehnt.<byte value="xd"/>
Schade für Sie...</source>
        <translation>The network players said no.<byte value="xd"/>
Too bad for you...</translation>
    </message>
    <message>
        <source>Aktion wurde abgebrochen.</source>
        <translation>Action cancelled.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Menschlicher Spieler</source>
        <translation>Human player</translation>
    </message>
    <message>
        <source>Computer-Spieler (Dumm)</source>
        <translation>Computer player (Dumb)</translation>
    </message>
    <message>
        <source>Computer-Spieler (Normal)</source>
        <translation>Computer player (Normal)</translation>
    </message>
    <message>
        <source>Computer-Spieler (Unbesiegbar)</source>
        <translation>Computer player (Unbeatable)</translation>
    </message>
    <message>
        <source> Neues Spiel beginnen...</source>
        <translation> Start a new game...</translation>
    </message>
    <message>
        <source>Hier können Sie die Namen der teilnehmenden Spieler eingeben.</source>
        <translation>Enter the names of the players taking part here.</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Name von Teilnehmer %1</source>
        <translation>Name of player %1</translation>
    </message>
    <message>
        <source>Art von Teilnehmer %1</source>
        <translation>Kind of player %1</translation>
    </message>
    <message>
        <source>Teilnehmer %1 im Netzwerk</source>
        <translation>Player %1 on the network</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>Game type</translation>
    </message>
    <message>
        <source>Je 2 gleiche Karten</source>
        <translation>2 matching cards</translation>
    </message>
    <message>
        <source>Je 3 gleiche Karten</source>
        <translation>3 matching cards</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Klein</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Groß</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Motive als...</source>
        <translation>Cards show...</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Gesamtschwierigkeit</source>
        <translation>Overall difficulty</translation>
    </message>
    <message>
        <source>Leicht</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Schwer</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Bilddatei:</source>
        <translation>Picture file:</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Spiel beginnen!</source>
        <translation>Start game!</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Optionen einstellen</source>
        <translation>Set Options</translation>
    </message>
    <message>
        <source> Optionen</source>
        <translation> Options</translation>
    </message>
    <message>
        <source>Sounds abspielen</source>
        <translation>Play sounds</translation>
    </message>
    <message>
        <source>Erscheinungsbild für Kartenrücken:</source>
        <translation>Look of the card backs:</translation>
    </message>
    <message>
        <source>Classic Grau</source>
        <translation>Classic Gray</translation>
    </message>
    <message>
        <source>Rotverlauf</source>
        <translation>Red Gradient</translation>
    </message>
    <message>
        <source>Stellen Sie hier die Anzahl der Schritte für den</source>
        <translation>Set the number of steps for the special</translation>
    </message>
    <message>
        <source>Spezialeffekt (Überblenden) ein.</source>
        <translation>effect (dissolving) here.</translation>
    </message>
    <message>
        <source>Je mehr Schritte, desto mehr Zeit wird in Anspruch genommen</source>
        <translation>The more steps, the more time it takes</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Turn up</translation>
    </message>
    <message>
        <source>Zudecken</source>
        <translation>Turn down</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>OwnAddress</name>
    <message>
        <source>Ihre aktuelle IP-Adresse lautet: </source>
        <translation>Your current IP address is: </translation>
    </message>
    <message>
        <source>Diese Information ist wichtig, falls Sie an einem Netzwerk-Spiel teilnehmen möchten (Siehe Hilfe).</source>
        <translation>You need it if you want to take part in a network game (see Help).</translation>
    </message>
    <message>
        <source>Dieser Computer hat zurzeit keine IP-Adresse, unter der ihn ein anderer Computer erreichen könnte.</source>
        <translation>This computer has no IP address at present at which another computer could reach it.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Ablauf...</source>
        <translation>Progress...</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ProtocolWindow</name>
    <message>
        <source>Protokoll</source>
        <translation>Log</translation>
    </message>
    <message>
        <source> Debug-Protokoll</source>
        <translation> Debug log</translation>
    </message>
</context>
<context>
    <name>SheetLoading</name>
    <message>
        <source>Fehler!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Das angegebene Bild konnte nicht gefunden werden!
Es werden deshalb die internen Kartensymbole benutzt.</source>
        <translation>The given picture could not be found!
The built-in card pictures are used instead.</translation>
    </message>
</context>
<context>
    <name>SheetSaveDialog</name>
    <message>
        <source>Paarlobilddateien (*.pbd)</source>
        <translation>Paarlo picture files (*.pbd)</translation>
    </message>
    <message>
        <source>Frage...</source>
        <translation>Question...</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; gibt es noch nicht.
Wollen Sie sie erstellen?</source>
        <translation>The file &quot;%1&quot; does not exist yet.
Do you want to create it?</translation>
    </message>
    <message>
        <source>Fehler!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Den Ordner &quot;%1&quot; gibt es nicht.
Bitte wählen Sie einen vorhandenen Ordner.</source>
        <translation>The folder &quot;%1&quot; does not exist.
Please choose an existing folder.</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>auf dem Desktop</source>
        <translation>on the desktop</translation>
    </message>
    <message>
        <source>im Startmenü</source>
        <translation>in the start menu</translation>
    </message>
    <message>
        <source>Sind Sie sicher, daß Sie eine Verknüpfung mit Sorbello %1 erstellen wollen?</source>
        <translation>Are you sure you want to create a shortcut to Sorbello %1?</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Fehler!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Eine Verknüpfung zum CD-Rom-Laufwerk ist unsinnig!</source>
        <translation>A shortcut to the CD-ROM drive makes no sense!</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>SoundMessages</name>
    <message>
        <source>Fehler bei resWavAbspielen!</source>
        <translation>Error in resWavAbspielen!</translation>
    </message>
    <message>
        <source>Fehler Nummer </source>
        <translation>Error number </translation>
    </message>
</context>
<context>
    <name>SoundOutput</name>
    <message>
        <source>Bei WaveOutOpen:</source>
        <translation>In WaveOutOpen:</translation>
    </message>
    <message>
        <source>Bei WaveOutWrite:</source>
        <translation>In WaveOutWrite:</translation>
    </message>
    <message>
        <source>Bei WaveOutReset:</source>
        <translation>In WaveOutReset:</translation>
    </message>
    <message>
        <source>Bei WaveOutClose:</source>
        <translation>In WaveOutClose:</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Nur für hohe Auflösung!</source>
        <translation>High resolution only!</translation>
    </message>
    <message>
        <source>Die Auflösung muß mindestens<byte value="xd"/>800x600 Punkte für Sorbello<byte value="xd"/>betragen!</source>
        <translation>Sorbello needs a resolution<byte value="xd"/>of at least 800x600<byte value="xd"/>pixels!</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Noch ein Sorbello? Nein, eines muss reichen!</source>
        <translation>Another Sorbello? No, one will have to do!</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Spielerstatistik</source>
        <translation>Player Statistics</translation>
    </message>
    <message>
        <source> Statistik</source>
        <translation> Statistics</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Teilgenommen an:</source>
        <translation>Took part in:</translation>
    </message>
    <message>
        <source>Spielen</source>
        <translation>games</translation>
    </message>
    <message>
        <source>davon gewonnen:</source>
        <translation>Of these, won:</translation>
    </message>
    <message>
        <source>Spiele</source>
        <translation>games</translation>
    </message>
    <message>
        <source>Aufgedeckte Kartenpaare:</source>
        <translation>Pairs found:</translation>
    </message>
    <message>
        <source>Nicht aufgedeckte Kartenpaare:</source>
        <translation>Pairs missed:</translation>
    </message>
</context>
<context>
    <name>TurnFlow</name>
    <message>
        <source>Herzlichen Glückwunsch,</source>
        <translation>Congratulations,</translation>
    </message>
    <message>
        <source>Sie haben das Spiel gewonnen!</source>
        <translation>You have won the game!</translation>
    </message>
    <message>
        <source>Dieses Spiel ist leider...</source>
        <translation>Sadly, this game is...</translation>
    </message>
    <message>
        <source>...unentschieden!</source>
        <translation>...a draw!</translation>
    </message>
</context>
<context>
    <name>WaveOutDevice</name>
    <message>
        <source>Kein Fehler.</source>
        <translation>No error.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler bei der Tonausgabe.</source>
        <translation>Unknown error in the sound output.</translation>
    </message>
    <message>
        <source>Das Audiogerät ist belegt oder konnte nicht geöffnet werden.</source>
        <translation>The audio device is busy or could not be opened.</translation>
    </message>
    <message>
        <source>Das Audiogerät ist nicht geöffnet.</source>
        <translation>The audio device is not open.</translation>
    </message>
    <message>
        <source>Es ist kein Audiogerät vorhanden.</source>
        <translation>There is no audio device.</translation>
    </message>
    <message>
        <source>Die Tondaten konnten nicht an das Audiogerät übergeben werden.</source>
        <translation>The sound data could not be passed to the audio device.</translation>
    </message>
    <message>
        <source>Das Audiogerät unterstützt dieses Tonformat nicht.</source>
        <translation>The audio device does not support this sound format.</translation>
    </message>
    <message>
        <source>Fehler %1 bei der Tonausgabe.</source>
        <translation>Error %1 in the sound output.</translation>
    </message>
</context>
<context>
    <name>WriteFailureMessage</name>
    <message>
        <source>Fehler!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gespeichert werden:<byte value="xd"/>%2<byte value="xd"/>Die neuen Ergebnisse fehlen deshalb darin.</source>
        <translation>The file &quot;%1&quot; could not be saved:<byte value="xd"/>%2<byte value="xd"/>So the new results are missing from it.</translation>
    </message>
</context>
</TS>
