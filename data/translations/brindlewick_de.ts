<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutText</name>
    <message>
        <source>The home page could not be opened:<byte value="xd"/>%1<byte value="xd"/>No program of this desktop opens such addresses.</source>
        <translation>Die Homepage konnte nicht geöffnet werden:<byte value="xd"/>%1<byte value="xd"/>Kein Programm dieses Desktops öffnet solche Adressen.</translation>
    </message>
    <message>
        <source>About [Program]</source>
        <translation>Über [Program]</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Homepage öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Memory card games: Memory-Up, Concentration, Ace-To-King and Forget me not.</source>
        <translation>Memory-Kartenspiele: Memory-Up, Concentration, Ace-To-King und Forget me not.</translation>
    </message>
</context>
<context>
    <name>AdviceText</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message box again</source>
        <translation>Diese Meldung &amp;nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CustomizeText</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Tropische Fische</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Klassiker</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Klassisch blau</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Berühmte Bilder</translation>
    </message>
    <message>
        <source>Van Gogh</source>
        <translation>Van Gogh</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Rosen</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Geometrisch</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Geflecht 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Geflecht 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Natur</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>See</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Über 256 Farben</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marmor</translation>
    </message>
    <message>
        <source>Marble 1</source>
        <translation>Marmor 1</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Wiese</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Muster 1</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Teppich 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Mauern</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Backsteinmauer 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parkett</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Bis 256 Farben</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Geometrische</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Teppich</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Toolbar </source>
        <translation>Symbolleiste </translation>
    </message>
    <message>
        <source>Buttons </source>
        <translation>Schaltflächen </translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>&amp;Große Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>&amp;Flache Schaltflächen</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Zeit und Punkte</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>&amp;Zeit anzeigen</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>&amp;Punkte anzeigen</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Anzeigen </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>Spielabbruch &amp;bestätigen</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>&amp;Beenden bestätigen</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Siegesanimation</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>Karten&amp;decks  </translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Kartenrücken wählen:</translation>
    </message>
    <message>
        <source>Sample </source>
        <translation>Vorschau </translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Hintergründe</translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Hintergrund wählen:</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>Hintergrund &amp;abblenden</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>Disable &amp;all sounds</source>
        <translation>Alle Klänge a&amp;us</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fit to the table</source>
        <translation>An den Tisch anpassen</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Large indices</source>
        <translation>Große Indizes</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Vier Farben</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Card &amp;faces:</source>
        <translation>&amp;Bilder:</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Res&amp;ume unfinished game</source>
        <translation>Spiel fort&amp;setzen</translation>
    </message>
    <message>
        <source>Resume an unfinished game at start-up, where it was left</source>
        <translation>Ein unbeendetes Spiel beim Start dort fortsetzen, wo es verlassen wurde</translation>
    </message>
    <message>
        <source>Your own</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Memory games</source>
        <translation>Memory-Spiele</translation>
    </message>
    <message>
        <source>Wrong &amp;pair stays up:</source>
        <translation>Falsches Paar bleibt &amp;offen:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Forget me not stud&amp;y time:</source>
        <translation>&amp;Merkzeit bei Forget me not:</translation>
    </message>
    <message>
        <source>&amp;Add your own...</source>
        <translation>&amp;Eigene hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Add your own card back</source>
        <translation>Eigenen Kartenrücken hinzufügen</translation>
    </message>
    <message>
        <source>Add your own background</source>
        <translation>Eigenen Hintergrund hinzufügen</translation>
    </message>
    <message>
        <source>Card backs (*.bmp *.BMP)</source>
        <translation>Kartenrücken (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</source>
        <translation>Bilder (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Add a card s&amp;et...</source>
        <translation>&amp;Satz hinzufügen...</translation>
    </message>
    <message>
        <source>Remove se&amp;t</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Add your own card set</source>
        <translation>Eigenen Kartensatz hinzufügen</translation>
    </message>
    <message>
        <source>Card sets (*.crs *.CRS)</source>
        <translation>Kartensätze (*.crs *.CRS)</translation>
    </message>
</context>
<context>
    <name>DailyResultText</name>
    <message>
        <source>Brindlewick %1, deal of %2: %3, %4, %5, %6, %7</source>
        <translation>Brindlewick %1, Spiel des Tages vom %2: %3, %4, %5, %6, %7</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
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
        <source>%1 miss</source>
        <translation>%1 Fehlgriff</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 Fehlgriffe</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 Patzer</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 Patzer</translation>
    </message>
</context>
<context>
    <name>DealNumberText</name>
    <message>
        <source>Play deal number</source>
        <translation>Spiel nach Nummer</translation>
    </message>
    <message>
        <source>&amp;Deal number of %1 (up to 13 digits):</source>
        <translation>Spiel&amp;nummer von %1 (bis zu 13 Ziffern):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A deal number has 1 to 13 digits (0 to 9) and nothing else.</source>
        <translation>Eine Spielnummer hat 1 bis 13 Ziffern (0 bis 9) und nichts anderes.</translation>
    </message>
</context>
<context>
    <name>GameFactsText</name>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Sehr hoch</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Sehr niedrig</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (etwa %1 von %2)</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Meist Können</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Mäßig</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Meist Glück</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Nur Glück</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The help page cannot be found:<byte value="xd"/>%1</source>
        <translation>Die Hilfeseite wurde nicht gefunden:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The help page cannot be read:<byte value="xd"/>%1</source>
        <translation>Die Hilfeseite kann nicht gelesen werden:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>MainWindowText</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open a game...</source>
        <translation>Spiel ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>S&amp;pieler...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Aut&amp;oplay</source>
        <translation>&amp;Automatisch spielen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Anpassen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>[Program] on the &amp;Web...</source>
        <translation>[Program] im &amp;Web...</translation>
    </message>
    <message>
        <source>[Program] &amp;Home Page</source>
        <translation>&amp;Homepage von [Program]</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>Ü&amp;ber [Program]...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Automatisch spielen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <source>Small icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <source>Flat button</source>
        <translation>Flache Schaltflächen</translation>
    </message>
    <message>
        <source>No flat button</source>
        <translation>Keine flachen Schaltflächen</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Zeit anzeigen</translation>
    </message>
    <message>
        <source>Show score</source>
        <translation>Punkte anzeigen</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Spieler: </translation>
    </message>
    <message>
        <source>Exit [Program]?</source>
        <translation>[Program] beenden?</translation>
    </message>
    <message>
        <source>Play deal &amp;number...</source>
        <translation>Spiel nach Nu&amp;mmer...</translation>
    </message>
    <message>
        <source>&amp;Restart this deal</source>
        <translation>Dieses Spiel neu &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Copy deal number</source>
        <translation>Spielnummer &amp;kopieren</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Deal of the &amp;day</source>
        <translation>Spiel des &amp;Tages</translation>
    </message>
    <message>
        <source>Copy &amp;result</source>
        <translation>&amp;Ergebnis kopieren</translation>
    </message>
    <message>
        <source>The unfinished game kept in %1 cannot be continued (%2). It was moved aside as %3.</source>
        <translation>Das unbeendete Spiel in %1 kann nicht fortgesetzt werden (%2). Es wurde als %3 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept in %1 (%2). It counts as abandoned.</source>
        <translation>Das unbeendete Spiel konnte nicht in %1 gespeichert werden (%2). Es zählt als abgebrochen.</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <translation>Neues &amp;Match...</translation>
    </message>
    <message>
        <source>&amp;Replay last game</source>
        <translation>Letztes Spiel &amp;wiedergeben</translation>
    </message>
    <message>
        <source>Best: %1 of %2 pairs</source>
        <translation>Bestwert: %1 von %2 Paaren</translation>
    </message>
    <message>
        <source>Pairs your best earlier run on this deal had found by this time of the game</source>
        <translation>Paare, die Ihr bester früherer Lauf in diesem Spiel bis zu dieser Spielzeit gefunden hatte</translation>
    </message>
    <message>
        <source>Show my best run</source>
        <translation>Meinen besten Lauf zeigen</translation>
    </message>
</context>
<context>
    <name>MatchText</name>
    <message>
        <source>New match</source>
        <translation>Neues Match</translation>
    </message>
    <message>
        <source>Two to four seats take turns; a pair found plays again, a miss passes the turn. Most pairs wins.</source>
        <translation>Zwei bis vier Plätze spielen abwechselnd; wer ein Paar findet, spielt weiter, ein Fehlgriff gibt den Zug ab. Die meisten Paare gewinnen.</translation>
    </message>
    <message>
        <source>Seat &amp;%1:</source>
        <translation>Platz &amp;%1:</translation>
    </message>
    <message>
        <source>(nobody)</source>
        <translation>(niemand)</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A player can take only one seat.</source>
        <translation>Ein Spieler kann nur einen Platz einnehmen.</translation>
    </message>
    <message>
        <source>Match standings</source>
        <translation>Matchstand</translation>
    </message>
    <message>
        <source>%1 wins the match.</source>
        <translation>%1 gewinnt das Match.</translation>
    </message>
    <message>
        <source>A tie: %1.</source>
        <translation>Unentschieden: %1.</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Fehlgriffe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Computer (%1)</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <translation>%1 spielt.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>Computer %1 (%2)</source>
        <translation>Computer %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MemoryEndText</name>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>For each match:</source>
        <translation>Je Paar:</translation>
    </message>
    <message>
        <source>For each miss:</source>
        <translation>Je Fehlgriff:</translation>
    </message>
    <message>
        <source>Score </source>
        <translation>Punkte </translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>Paare:</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Fehlgriffe</translation>
    </message>
    <message>
        <source>(Score to win:</source>
        <translation>(Zum Sieg:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Summe:</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Grid: 6 x 4 </source>
        <translation>Raster: 6 x 4 </translation>
    </message>
    <message>
        <source>Sequence </source>
        <translation>Folge </translation>
    </message>
    <message>
        <source>Cards: 10 </source>
        <translation>Karten: 10 </translation>
    </message>
    <message>
        <source>Cards: 52 </source>
        <translation>Karten: 52 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Won</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>Game Lost</source>
        <translation>Spiel verloren</translation>
    </message>
    <message>
        <source>Grid: 4 x 3</source>
        <translation>Raster: 4 x 3</translation>
    </message>
    <message>
        <source>Grid: 6 x 4</source>
        <translation>Raster: 6 x 4</translation>
    </message>
    <message>
        <source>Grid: 8 x 5</source>
        <translation>Raster: 8 x 5</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>Eigenes Hintergrundbild nicht gefunden: </translation>
    </message>
    <message>
        <source>The format of the Customized background image is not valid.<byte value="xd"/></source>
        <translation>Das Format des eigenen Hintergrundbilds ist ungültig.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Customized cards set image not found: </source>
        <translation>Bild des eigenen Kartensatzes nicht gefunden: </translation>
    </message>
    <message>
        <source>The format of the Customized card set image is not valid.<byte value="xd"/></source>
        <translation>Das Format des Bilds des eigenen Kartensatzes ist ungültig.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels. For the best graphics display the screen resolution should be set to 800x600 pixels or higher. However, it&apos;s possible to play </source>
        <translation>Ihre Grafikkarte zeigt 640x480 Pixel an. Für die beste Darstellung sollte die Bildschirmauflösung 800x600 Pixel oder mehr betragen. Sie können trotzdem spielen: </translation>
    </message>
    <message>
        <source>using a predefined cards set.</source>
        <translation>mit einem vorgegebenen Kartensatz.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 800x600 pixels. For the best graphics display of this game the screen resolution should be set to 1024x768 pixels or higher. However, it&apos;s possible to play </source>
        <translation>Ihre Grafikkarte zeigt 800x600 Pixel an. Für die beste Darstellung dieses Spiels sollte die Bildschirmauflösung 1024x768 Pixel oder mehr betragen. Sie können trotzdem spielen: </translation>
    </message>
    <message>
        <source>You have selected the Large size Card Set. It&apos;s possible to play </source>
        <translation>Sie haben den großen Kartensatz gewählt. Sie können spielen: </translation>
    </message>
    <message>
        <source>using the Normal size Card Set.</source>
        <translation>mit dem normalen Kartensatz.</translation>
    </message>
    <message>
        <source>Customized deck image not found: </source>
        <translation>Eigener Kartenrücken nicht gefunden: </translation>
    </message>
    <message>
        <source>The format of the Customized deck image is not valid.<byte value="xd"/></source>
        <translation>Das Format des eigenen Kartenrückens ist ungültig.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>Nicht gefunden oder nicht ladbar: </translation>
    </message>
    <message>
        <source>The rules of the game &quot;</source>
        <translation>Die Regeln des Spiels „</translation>
    </message>
    <message>
        <source>&quot; in the file
</source>
        <translation>“ in der Datei
</translation>
    </message>
    <message>
        <source>
are damaged:
</source>
        <translation>
sind beschädigt:
</translation>
    </message>
    <message>
        <source>
The game may not play as it should; reinstalling the program repairs the file.</source>
        <translation>
Das Spiel läuft vielleicht nicht wie vorgesehen; eine Neuinstallation des Programms repariert die Datei.</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Fehler 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>Misses: </source>
        <translation>Fehlgriffe: </translation>
    </message>
    <message>
        <source> slip)</source>
        <translation> Patzer)</translation>
    </message>
    <message>
        <source> slips)</source>
        <translation> Patzer)</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>Dieses Spiel aufgeben?</translation>
    </message>
    <message>
        <source>Error suit - 1</source>
        <translation>Fehler Farbe - 1</translation>
    </message>
    <message>
        <source>The rules of the game &quot;%1&quot; cannot be read from the file
%2
The file is damaged; the game cannot be played. Reinstalling the program repairs it.</source>
        <translation>Die Regeln des Spiels „%1“ können nicht aus der Datei
%2
gelesen werden. Die Datei ist beschädigt; das Spiel kann nicht gespielt werden. Eine Neuinstallation des Programms repariert sie.</translation>
    </message>
    <message>
        <source>Error in parameters</source>
        <translation>Fehler in den Parametern</translation>
    </message>
    <message>
        <source>Cannot find file:
</source>
        <translation>Datei nicht gefunden:
</translation>
    </message>
    <message>
        <source>
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Kopieren Sie die Datei in den oben genannten Ordner
oder installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Die Datei </translation>
    </message>
    <message>
        <source> holds no game of this edition.
Reinstall the program.</source>
        <translation> enthält kein Spiel dieser Ausgabe.
Installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels.
You can&apos;t play: </source>
        <translation>Ihre Grafikkarte zeigt 640x480 Pixel an.
Nicht spielbar: </translation>
    </message>
    <message>
        <source>
Please set your screen resolution to 800x600 pixels or higher.</source>
        <translation>
Bitte stellen Sie eine Bildschirmauflösung von 800x600 Pixeln oder mehr ein.</translation>
    </message>
    <message>
        <source>Start a new game for player </source>
        <translation>Neues Spiel beginnen für Spieler </translation>
    </message>
    <message>
        <source>Please enter at least 1 character.</source>
        <translation>Bitte geben Sie mindestens 1 Zeichen ein.</translation>
    </message>
    <message>
        <source>This player name already exists.</source>
        <translation>Dieser Spielername ist schon vergeben.</translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;[&quot; or contain &quot;=&quot;.</source>
        <translation>Ein Spielername darf nicht mit „[“ beginnen und kein „=“ enthalten.</translation>
    </message>
    <message>
        <source>The settings file names the player &quot;%s&quot;, who cannot be used:
a player name cannot begin with &quot;[&quot; or contain &quot;=&quot;. The name is left out.</source>
        <translation>Die Einstellungsdatei nennt den Spieler „%s“, der nicht verwendet werden kann:
Ein Spielername darf nicht mit „[“ beginnen und kein „=“ enthalten. Der Name wird ausgelassen.</translation>
    </message>
    <message>
        <source>It is impossible to delete the selected player.</source>
        <translation>Der gewählte Spieler kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected player?
Note: the statistics for this player will also be deleted.</source>
        <translation>Soll der gewählte Spieler wirklich gelöscht werden?
Hinweis: Auch die Statistik dieses Spielers wird gelöscht.</translation>
    </message>
    <message>
        <source>Select a player.</source>
        <translation>Wählen Sie einen Spieler.</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. 
If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>Ihr Grafiktreiber zeigt zurzeit höchstens 256 Farben an. Dieses Programm nutzt Paletten mit 16 Bit (65.536 Farben) oder 24 Bit (16,8 Millionen Farben) und höhere Auflösungen. 
Wenn Ihr Grafiktreiber High Color oder True Color (16 oder 24 Bit) erlaubt, ändern Sie die Bildschirmeinstellungen in den Anzeigeeinstellungen des Systems.</translation>
    </message>
    <message>
        <source>Cannot save the settings in the file:
</source>
        <translation>Die Einstellungen können nicht gespeichert werden in der Datei:
</translation>
    </message>
    <message>
        <source>The game results file was damaged or could not be read.
It has been kept as &quot;%s&quot; and a new results file is started.</source>
        <translation>Die Datei der Spielergebnisse war beschädigt oder nicht lesbar.
Sie wurde als „%s“ aufbewahrt, und eine neue Ergebnisdatei wird begonnen.</translation>
    </message>
    <message>
        <source>Some game results were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Einige Spielergebnisse waren beschädigt und wurden ausgelassen; die übrigen bleiben erhalten.
Die Datei wurde im alten Zustand als „%s“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The game results file is damaged or cannot be read, and it cannot be moved aside.
Results of this session are not kept.</source>
        <translation>Die Datei der Spielergebnisse ist beschädigt oder nicht lesbar und kann nicht beiseitegelegt werden.
Die Ergebnisse dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Game results cannot be saved: the DATA folder cannot be written.
Results of this session are not kept.</source>
        <translation>Spielergebnisse können nicht gespeichert werden: Der Ordner DATA ist schreibgeschützt.
Die Ergebnisse dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>
to: </source>
        <translation>
in: </translation>
    </message>
    <message>
        <source>Cannot open file </source>
        <translation>Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Error creating temp file.</source>
        <translation>Fehler beim Anlegen der temporären Datei.</translation>
    </message>
    <message>
        <source>Write error on file</source>
        <translation>Schreibfehler in der Datei</translation>
    </message>
    <message>
        <source>Error in deleting the file: </source>
        <translation>Fehler beim Löschen der Datei: </translation>
    </message>
    <message>
        <source>Error in renaming the file: </source>
        <translation>Fehler beim Umbenennen der Datei: </translation>
    </message>
    <message>
        <source>It appears as if the Internet Single Game Values are incorrect or corrupted.
The Internet Single Game Values will be deleted and reset to zero.</source>
        <translation>Die Einzelspielwerte scheinen falsch oder beschädigt zu sein.
Sie werden gelöscht und auf null zurückgesetzt.</translation>
    </message>
    <message>
        <source>The hi-score file is not in a format the program knows.
It has been kept, unchanged, as &quot;%s&quot;.</source>
        <translation>Die Bestenliste hat ein Format, das das Programm nicht kennt.
Sie wurde unverändert als „%s“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The file as it was has been kept as &quot;</source>
        <translation>Die Datei wurde im alten Zustand aufbewahrt als „</translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Füllen Sie vor dem Geben alle Lücken im Tableau.</translation>
    </message>
    <message>
        <source>The picture cannot be copied into the program&apos;s folder.<byte value="xd"/></source>
        <translation>Das Bild kann nicht in den Programmordner kopiert werden.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The picture cannot be removed:<byte value="xd"/></source>
        <translation>Das Bild kann nicht entfernt werden:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Forgetful</source>
        <translation>Vergesslich</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Gelegentlich</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Aufmerksam</translation>
    </message>
    <message>
        <source>Perfect memory</source>
        <translation>Perfektes Gedächtnis</translation>
    </message>
    <message>
        <source>Match my level</source>
        <translation>Wie ich spiele</translation>
    </message>
    <message>
        <source>The file of replays was damaged and could not be read.
It has been kept as &quot;%s&quot; and a new one is started.</source>
        <translation>Die Datei der Wiederholungen war beschädigt und konnte nicht gelesen werden.
Sie wurde als &quot;%s&quot; aufbewahrt, und eine neue wird begonnen.</translation>
    </message>
    <message>
        <source>Some replays were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Einige Wiederholungen waren beschädigt und wurden ausgelassen; die anderen bleiben erhalten.
Die Datei, wie sie war, wurde als &quot;%s&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>Replays cannot be saved: the DATA folder cannot be written.
Replays of this session are not kept.</source>
        <translation>Wiederholungen können nicht gespeichert werden: In den Ordner DATA kann nicht geschrieben werden.
Die Wiederholungen dieser Sitzung werden nicht aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>OpenGameText</name>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Alle Spiele (alphabetisch)</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Spiel wählen:</translation>
    </message>
    <message>
        <source>&amp;Show won and lost</source>
        <translation>&amp;Gewonnen und verloren zeigen</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>S&amp;pieler:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Decks:</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Spieldauer:</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Schwierigkeit:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Können:</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Gewinnchance:</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Neugeben:</translation>
    </message>
    <message>
        <source>Results go to: %1 (now playing: %2)</source>
        <translation>Ergebnisse für: %1 (spielt gerade: %2)</translation>
    </message>
    <message>
        <source>Results go to: %1</source>
        <translation>Ergebnisse für: %1</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Wählen Sie ein Spiel</translation>
    </message>
</context>
<context>
    <name>PlayersText</name>
    <message>
        <source>&amp;Player name: </source>
        <translation>&amp;Spielername: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>&amp;Select a player:</source>
        <translation>Spieler &amp;wählen:</translation>
    </message>
    <message>
        <source> &amp;New</source>
        <translation> &amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Edit a player</source>
        <translation>Spieler ändern</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReplayText</name>
    <message>
        <source>pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>Fehlgriff</translation>
    </message>
    <message>
        <source>slip</source>
        <translation>Gedächtnisfehler</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>%1-%2-%3, deal %4: %5, %6</source>
        <translation>%3.%2.%1, Spiel %4: %5, %6</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 Zug</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 Züge</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 Gedächtnisfehler</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 Gedächtnisfehler</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>First turn</source>
        <translation>Erster Zug</translation>
    </message>
    <message>
        <source>Turn back</source>
        <translation>Einen Zug zurück</translation>
    </message>
    <message>
        <source>Turn forward</source>
        <translation>Einen Zug vor</translation>
    </message>
    <message>
        <source>Last turn</source>
        <translation>Letzter Zug</translation>
    </message>
    <message>
        <source>%1 s a turn</source>
        <translation>%1 s je Zug</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>This game cannot be shown: its deal is no longer dealt as it was.</source>
        <translation>Dieses Spiel kann nicht gezeigt werden: Sein Spiel wird nicht mehr so ausgeteilt wie damals.</translation>
    </message>
    <message>
        <source>Deal %1 as dealt; %2 to come.</source>
        <translation>Spiel %1 wie ausgeteilt; %2 folgen.</translation>
    </message>
    <message>
        <source>Turn %1 of %2: %3, %4.</source>
        <translation>Zug %1 von %2: %3, %4.</translation>
    </message>
    <message>
        <source>It had been seen %1 before (row %2, column %3).</source>
        <translation>Sie war %1 zuvor gesehen worden (Reihe %2, Spalte %3).</translation>
    </message>
    <message>
        <source>%1 should have been paired: its partner had been seen %2 before (row %3, column %4).</source>
        <translation>%1 hätte gepaart werden sollen: Sein Partner war %2 zuvor gesehen worden (Reihe %3, Spalte %4).</translation>
    </message>
    <message>
        <source>No finished game of this game has been kept to replay yet.</source>
        <translation>Von diesem Spiel ist noch keine beendete Partie zum Wiedergeben aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>SplashText</name>
    <message>
        <source>Memory card games</source>
        <translation>Memory-Kartenspiele</translation>
    </message>
    <message>
        <source>, version </source>
        <translation>, Version </translation>
    </message>
    <message>
        <source>Starting </source>
        <translation>Starte </translation>
    </message>
</context>
<context>
    <name>StartupText</name>
    <message>
        <source>The DATA folder in the program folder cannot be written:
%1
Settings, statistics and results are kept in this folder instead:
%2</source>
        <translation>Der Ordner DATA im Programmordner ist schreibgeschützt:
%1
Einstellungen, Statistik und Ergebnisse werden stattdessen in diesem Ordner gespeichert:
%2</translation>
    </message>
</context>
<context>
    <name>StatisticsText</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Win %</source>
        <translation>Sieg %</translation>
    </message>
    <message>
        <source>Best
score</source>
        <translation>Beste
Punkte</translation>
    </message>
    <message>
        <source>Best
time</source>
        <translation>Beste
Zeit</translation>
    </message>
    <message>
        <source>Average
score</source>
        <translation>Punkte im
Schnitt</translation>
    </message>
    <message>
        <source>Current
streak</source>
        <translation>Aktuelle
Serie</translation>
    </message>
    <message>
        <source>Longest
streak</source>
        <translation>Längste
Serie</translation>
    </message>
    <message>
        <source>Perfect
games</source>
        <translation>Perfekte
Spiele</translation>
    </message>
    <message>
        <source>Misses
per game</source>
        <translation>Fehlgriffe
je Spiel</translation>
    </message>
    <message>
        <source>Slips
per game</source>
        <translation>Patzer
je Spiel</translation>
    </message>
    <message>
        <source>to win</source>
        <translation>zum Sieg</translation>
    </message>
    <message>
        <source>score of a won game</source>
        <translation>Punkte, gewonnen</translation>
    </message>
    <message>
        <source>score of a lost game</source>
        <translation>Punkte, verloren</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>S&amp;pieler:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Last %1 games of %2: score and time</source>
        <translation>Letzte %1 Spiele von %2: Punkte und Zeit</translation>
    </message>
    <message>
        <source>No games played yet.</source>
        <translation>Noch keine Spiele gespielt.</translation>
    </message>
    <message>
        <source>Reset the statistics of %s?
The results of every game of this player are deleted.</source>
        <translation>Statistik von %s zurücksetzen?
Die Ergebnisse aller Spiele dieses Spielers werden gelöscht.</translation>
    </message>
    <message>
        <source>%1 (look %2 s)</source>
        <translation>%1 (Anzeigedauer %2 s)</translation>
    </message>
    <message>
        <source>Deal of the day: %1 day in a row</source>
        <translation>Spiel des Tages: %1 Tag in Folge</translation>
    </message>
    <message>
        <source>Deal of the day: %1 days in a row</source>
        <translation>Spiel des Tages: %1 Tage in Folge</translation>
    </message>
    <message>
        <source>Recall span (turns)</source>
        <translation>Erinnerungsspanne (Züge)</translation>
    </message>
    <message>
        <source>Slips per game, with trend</source>
        <translation>Gedächtnisfehler je Spiel, mit Trend</translation>
    </message>
    <message>
        <source>Where slips happen</source>
        <translation>Wo Gedächtnisfehler passieren</translation>
    </message>
    <message>
        <source>the last game</source>
        <translation>das letzte Spiel</translation>
    </message>
    <message>
        <source>last %1 games</source>
        <translation>letzte %1 Spiele</translation>
    </message>
    <message>
        <source>No slips</source>
        <translation>Keine Gedächtnisfehler</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Score and time</source>
        <translation>Punkte und Zeit</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Gedächtnis</translation>
    </message>
    <message>
        <source>Re&amp;play...</source>
        <translation>&amp;Wiedergabe...</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Sum = %1</source>
        <translation>Summe = %1</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Empty place</source>
        <translation>Leerer Platz</translation>
    </message>
    <message>
        <source>Face-down card, row %1, column %2</source>
        <translation>Verdeckte Karte, Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Paar gefunden</translation>
    </message>
    <message>
        <source>No pair</source>
        <translation>Kein Paar</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
</TS>
