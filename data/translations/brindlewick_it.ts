<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutText</name>
    <message>
        <source>The home page could not be opened:<byte value="xd"/>%1<byte value="xd"/>No program of this desktop opens such addresses.</source>
        <translation>Impossibile aprire la pagina iniziale:<byte value="xd"/>%1<byte value="xd"/>Nessun programma di questo desktop apre indirizzi di questo tipo.</translation>
    </message>
    <message>
        <source>About [Program]</source>
        <translation>Informazioni su [Program]</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versione </translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Apri la pagina iniziale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Memory card games: Memory-Up, Concentration, Ace-To-King and Forget me not.</source>
        <translation>Giochi di memoria con le carte: Memory-Up, Concentration, Ace-To-King e Forget me not.</translation>
    </message>
</context>
<context>
    <name>AdviceText</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message box again</source>
        <translation>&amp;Non mostrare più questo messaggio</translation>
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
        <translation>Animali</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Pesci tropicali</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Bambini</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Pupazzo di neve</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Classici</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Blu classico</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Quadri famosi</translation>
    </message>
    <message>
        <source>Van Gogh</source>
        <translation>Van Gogh</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fiori</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Geometrico</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Intreccio 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Intreccio 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Natura</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>Lago</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu marino</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Oltre 256 colori</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marmi</translation>
    </message>
    <message>
        <source>Marble 1</source>
        <translation>Marmo 1</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metallo</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Metallo dorato</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Prato</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motivi</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Motivo 1</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Tessuto</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Moquette 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Muri</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Muro di mattoni 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Legno</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parquet</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Fino a 256 colori</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Geometrici</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Moquette</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Generale</translation>
    </message>
    <message>
        <source>Toolbar </source>
        <translation>Barra strumenti </translation>
    </message>
    <message>
        <source>Buttons </source>
        <translation>Pulsanti </translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>Pulsanti &amp;grandi</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>Pulsanti &amp;piatti</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Tempo e punteggio</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Mostra il &amp;tempo</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>Mostra il pun&amp;teggio</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Mostra </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>C&amp;onferma abbandono</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>Conferma all&apos;&amp;uscita</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Animazione di vittoria</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>&amp;Mazzi  </translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Scegli un dorso:</translation>
    </message>
    <message>
        <source>Sample </source>
        <translation>Anteprima </translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Sfondi</translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Scegli uno sfondo:</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>S&amp;fuma lo sfondo</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>Disable &amp;all sounds</source>
        <translation>Disattiva &amp;tutti i suoni</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fit to the table</source>
        <translation>Adatta al tavolo</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classica</translation>
    </message>
    <message>
        <source>Large indices</source>
        <translation>Indici grandi</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Quattro colori</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Card &amp;faces:</source>
        <translation>&amp;Facce:</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>&amp;Misura:</translation>
    </message>
    <message>
        <source>Res&amp;ume unfinished game</source>
        <translation>&amp;Riprendi la partita</translation>
    </message>
    <message>
        <source>Resume an unfinished game at start-up, where it was left</source>
        <translation>All&apos;avvio riprendi una partita incompiuta dal punto in cui è stata lasciata</translation>
    </message>
    <message>
        <source>Your own</source>
        <translation>I tuoi</translation>
    </message>
    <message>
        <source>Memory games</source>
        <translation>Giochi di memoria</translation>
    </message>
    <message>
        <source>Wrong &amp;pair stays up:</source>
        <translation>Coppia &amp;errata visibile:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Forget me not stud&amp;y time:</source>
        <translation>Tempo per &amp;ricordare:</translation>
    </message>
    <message>
        <source>&amp;Add your own...</source>
        <translation>&amp;Aggiungi il tuo...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Add your own card back</source>
        <translation>Aggiungi un tuo dorso</translation>
    </message>
    <message>
        <source>Add your own background</source>
        <translation>Aggiungi un tuo sfondo</translation>
    </message>
    <message>
        <source>Card backs (*.bmp *.BMP)</source>
        <translation>Dorsi (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</source>
        <translation>Immagini (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Add a card s&amp;et...</source>
        <translation>Aggiungi s&amp;et...</translation>
    </message>
    <message>
        <source>Remove se&amp;t</source>
        <translation>Rimuovi se&amp;t</translation>
    </message>
    <message>
        <source>Add your own card set</source>
        <translation>Aggiungi un tuo set di carte</translation>
    </message>
    <message>
        <source>Card sets (*.crs *.CRS)</source>
        <translation>Set di carte (*.crs *.CRS)</translation>
    </message>
</context>
<context>
    <name>DailyResultText</name>
    <message>
        <source>Brindlewick %1, deal of %2: %3, %4, %5, %6, %7</source>
        <translation>Brindlewick %1, smazzata del %2: %3, %4, %5, %6, %7</translation>
    </message>
    <message>
        <source>won</source>
        <translation>vinta</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>persa</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punti</translation>
    </message>
    <message>
        <source>%1 miss</source>
        <translation>%1 errore</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 errori</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 svista</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 sviste</translation>
    </message>
</context>
<context>
    <name>DealNumberText</name>
    <message>
        <source>Play deal number</source>
        <translation>Gioca smazzata per numero</translation>
    </message>
    <message>
        <source>&amp;Deal number of %1 (up to 13 digits):</source>
        <translation>&amp;Numero di smazzata di %1 (fino a 13 cifre):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>A deal number has 1 to 13 digits (0 to 9) and nothing else.</source>
        <translation>Un numero di smazzata ha da 1 a 13 cifre (da 0 a 9) e nient&apos;altro.</translation>
    </message>
</context>
<context>
    <name>GameFactsText</name>
    <message>
        <source>Long</source>
        <translation>Lunga</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rapida</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Molto alta</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Molto bassa</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (circa %1 su %2)</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Soprattutto abilità</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderata</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Soprattutto fortuna</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Solo fortuna</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitato</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The help page cannot be found:<byte value="xd"/>%1</source>
        <translation>Impossibile trovare la pagina della guida:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The help page cannot be read:<byte value="xd"/>%1</source>
        <translation>Impossibile leggere la pagina della guida:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>MainWindowText</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Open a game...</source>
        <translation>&amp;Apri un gioco...</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>Gio&amp;catori...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiche...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Aut&amp;oplay</source>
        <translation>Gioco a&amp;utomatico</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Personalizza...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>[Program] on the &amp;Web...</source>
        <translation>[Program] sul &amp;Web...</translation>
    </message>
    <message>
        <source>[Program] &amp;Home Page</source>
        <translation>Pagina &amp;iniziale di [Program]</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>&amp;Informazioni su [Program]...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Gioco automatico</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Icone grandi</translation>
    </message>
    <message>
        <source>Small icons</source>
        <translation>Icone piccole</translation>
    </message>
    <message>
        <source>Flat button</source>
        <translation>Pulsanti piatti</translation>
    </message>
    <message>
        <source>No flat button</source>
        <translation>Pulsanti in rilievo</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostra il tempo</translation>
    </message>
    <message>
        <source>Show score</source>
        <translation>Mostra il punteggio</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Giocatore: </translation>
    </message>
    <message>
        <source>Exit [Program]?</source>
        <translation>Uscire da [Program]?</translation>
    </message>
    <message>
        <source>Play deal &amp;number...</source>
        <translation>Gioca smazzata per nu&amp;mero...</translation>
    </message>
    <message>
        <source>&amp;Restart this deal</source>
        <translation>Ri&amp;gioca questa smazzata</translation>
    </message>
    <message>
        <source>&amp;Copy deal number</source>
        <translation>&amp;Copia numero della smazzata</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Rigioca</translation>
    </message>
    <message>
        <source>Deal of the &amp;day</source>
        <translation>S&amp;mazzata del giorno</translation>
    </message>
    <message>
        <source>Copy &amp;result</source>
        <translation>Copia risul&amp;tato</translation>
    </message>
    <message>
        <source>The unfinished game kept in %1 cannot be continued (%2). It was moved aside as %3.</source>
        <translation>La partita incompiuta salvata in %1 non può essere ripresa (%2). È stata messa da parte come %3.</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept in %1 (%2). It counts as abandoned.</source>
        <translation>Non è stato possibile salvare la partita incompiuta in %1 (%2). Conta come abbandonata.</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <translation>Nuova &amp;sfida...</translation>
    </message>
    <message>
        <source>&amp;Replay last game</source>
        <translation>&amp;Rivedi l&apos;ultima partita</translation>
    </message>
    <message>
        <source>Best: %1 of %2 pairs</source>
        <translation>Migliore: %1 di %2 coppie</translation>
    </message>
    <message>
        <source>Pairs your best earlier run on this deal had found by this time of the game</source>
        <translation>Coppie che la tua migliore partita precedente su questa smazzata aveva trovato a questo punto della partita</translation>
    </message>
    <message>
        <source>Show my best run</source>
        <translation>Mostra la mia partita migliore</translation>
    </message>
</context>
<context>
    <name>MatchText</name>
    <message>
        <source>New match</source>
        <translation>Nuova sfida</translation>
    </message>
    <message>
        <source>Two to four seats take turns; a pair found plays again, a miss passes the turn. Most pairs wins.</source>
        <translation>Da due a quattro posti giocano a turno; chi trova una coppia gioca ancora, un errore passa il turno. Vince chi ha più coppie.</translation>
    </message>
    <message>
        <source>Seat &amp;%1:</source>
        <translation>Posto &amp;%1:</translation>
    </message>
    <message>
        <source>(nobody)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>A player can take only one seat.</source>
        <translation>Un giocatore può occupare un solo posto.</translation>
    </message>
    <message>
        <source>Match standings</source>
        <translation>Classifica della sfida</translation>
    </message>
    <message>
        <source>%1 wins the match.</source>
        <translation>%1 vince la sfida.</translation>
    </message>
    <message>
        <source>A tie: %1.</source>
        <translation>Pareggio: %1.</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Coppie</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Errori</translation>
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
        <translation>%1 sta giocando.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>Tocca a %1.</translation>
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
        <translation>Vinta</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Persa</translation>
    </message>
    <message>
        <source>For each match:</source>
        <translation>Per coppia:</translation>
    </message>
    <message>
        <source>For each miss:</source>
        <translation>Per errore:</translation>
    </message>
    <message>
        <source>Score </source>
        <translation>Punteggio </translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inizio:</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>Coppie:</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>(Score to win:</source>
        <translation>(Per vincere:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Coppie</translation>
    </message>
    <message>
        <source>Grid: 6 x 4 </source>
        <translation>Griglia: 6 x 4 </translation>
    </message>
    <message>
        <source>Sequence </source>
        <translation>Sequenza </translation>
    </message>
    <message>
        <source>Cards: 10 </source>
        <translation>Carte: 10 </translation>
    </message>
    <message>
        <source>Cards: 52 </source>
        <translation>Carte: 52 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Won</source>
        <translation>Partita vinta</translation>
    </message>
    <message>
        <source>Game Lost</source>
        <translation>Partita persa</translation>
    </message>
    <message>
        <source>Grid: 4 x 3</source>
        <translation>Griglia: 4 x 3</translation>
    </message>
    <message>
        <source>Grid: 6 x 4</source>
        <translation>Griglia: 6 x 4</translation>
    </message>
    <message>
        <source>Grid: 8 x 5</source>
        <translation>Griglia: 8 x 5</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>Immagine di sfondo personalizzata non trovata: </translation>
    </message>
    <message>
        <source>The format of the Customized background image is not valid.<byte value="xd"/></source>
        <translation>Il formato dell&apos;immagine di sfondo personalizzata non è valido.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Customized cards set image not found: </source>
        <translation>Immagine del mazzo personalizzato non trovata: </translation>
    </message>
    <message>
        <source>The format of the Customized card set image is not valid.<byte value="xd"/></source>
        <translation>Il formato dell&apos;immagine del mazzo personalizzato non è valido.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels. For the best graphics display the screen resolution should be set to 800x600 pixels or higher. However, it&apos;s possible to play </source>
        <translation>La scheda video mostra 640x480 pixel. Per una visualizzazione migliore la risoluzione dello schermo dovrebbe essere di almeno 800x600 pixel. È comunque possibile giocare a </translation>
    </message>
    <message>
        <source>using a predefined cards set.</source>
        <translation>con un mazzo predefinito.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 800x600 pixels. For the best graphics display of this game the screen resolution should be set to 1024x768 pixels or higher. However, it&apos;s possible to play </source>
        <translation>La scheda video mostra 800x600 pixel. Per una visualizzazione migliore di questo gioco la risoluzione dello schermo dovrebbe essere di almeno 1024x768 pixel. È comunque possibile giocare a </translation>
    </message>
    <message>
        <source>You have selected the Large size Card Set. It&apos;s possible to play </source>
        <translation>Hai scelto il mazzo grande. È possibile giocare a </translation>
    </message>
    <message>
        <source>using the Normal size Card Set.</source>
        <translation>con il mazzo normale.</translation>
    </message>
    <message>
        <source>Customized deck image not found: </source>
        <translation>Immagine del dorso personalizzato non trovata: </translation>
    </message>
    <message>
        <source>The format of the Customized deck image is not valid.<byte value="xd"/></source>
        <translation>Il formato dell&apos;immagine del dorso personalizzato non è valido.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>Impossibile trovare o caricare </translation>
    </message>
    <message>
        <source>The rules of the game &quot;</source>
        <translation>Le regole del gioco «</translation>
    </message>
    <message>
        <source>&quot; in the file
</source>
        <translation>» nel file
</translation>
    </message>
    <message>
        <source>
are damaged:
</source>
        <translation>
sono danneggiate:
</translation>
    </message>
    <message>
        <source>
The game may not play as it should; reinstalling the program repairs the file.</source>
        <translation>
Il gioco potrebbe non funzionare come dovrebbe; reinstallare il programma ripara il file.</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Errore 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>Misses: </source>
        <translation>Errori: </translation>
    </message>
    <message>
        <source> slip)</source>
        <translation> svista)</translation>
    </message>
    <message>
        <source> slips)</source>
        <translation> sviste)</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>Abbandonare questa partita?</translation>
    </message>
    <message>
        <source>Error suit - 1</source>
        <translation>Errore seme - 1</translation>
    </message>
    <message>
        <source>The rules of the game &quot;%1&quot; cannot be read from the file
%2
The file is damaged; the game cannot be played. Reinstalling the program repairs it.</source>
        <translation>Le regole del gioco «%1» non possono essere lette dal file
%2
Il file è danneggiato; non si può giocare. Reinstallare il programma lo ripara.</translation>
    </message>
    <message>
        <source>Error in parameters</source>
        <translation>Errore nei parametri</translation>
    </message>
    <message>
        <source>Cannot find file:
</source>
        <translation>File non trovato:
</translation>
    </message>
    <message>
        <source>
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Copiare il file nella cartella indicata sopra
o reinstallare il programma.</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Il file </translation>
    </message>
    <message>
        <source> holds no game of this edition.
Reinstall the program.</source>
        <translation> non contiene alcun gioco di questa edizione.
Reinstallare il programma.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels.
You can&apos;t play: </source>
        <translation>La scheda video mostra 640x480 pixel.
Impossibile giocare a: </translation>
    </message>
    <message>
        <source>
Please set your screen resolution to 800x600 pixels or higher.</source>
        <translation>
Impostare la risoluzione dello schermo ad almeno 800x600 pixel.</translation>
    </message>
    <message>
        <source>Start a new game for player </source>
        <translation>Iniziare una nuova partita per il giocatore </translation>
    </message>
    <message>
        <source>Please enter at least 1 character.</source>
        <translation>Inserire almeno 1 carattere.</translation>
    </message>
    <message>
        <source>This player name already exists.</source>
        <translation>Questo nome di giocatore esiste già.</translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;[&quot; or contain &quot;=&quot;.</source>
        <translation>Un nome di giocatore non può iniziare con «[» né contenere «=».</translation>
    </message>
    <message>
        <source>The settings file names the player &quot;%s&quot;, who cannot be used:
a player name cannot begin with &quot;[&quot; or contain &quot;=&quot;. The name is left out.</source>
        <translation>Il file delle impostazioni nomina il giocatore «%s», che non può essere usato:
un nome di giocatore non può iniziare con «[» né contenere «=». Il nome viene ignorato.</translation>
    </message>
    <message>
        <source>It is impossible to delete the selected player.</source>
        <translation>Impossibile eliminare il giocatore selezionato.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected player?
Note: the statistics for this player will also be deleted.</source>
        <translation>Eliminare davvero il giocatore selezionato?
Nota: verranno eliminate anche le statistiche di questo giocatore.</translation>
    </message>
    <message>
        <source>Select a player.</source>
        <translation>Selezionare un giocatore.</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. 
If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>Il driver video supporta al momento 256 colori o meno. Questo programma sfrutta le tavolozze a 16 bit (65.536 colori) o a 24 bit (16,8 milioni di colori) e risoluzioni più alte. 
Se il driver video consente le modalità High Color o True Color (16 o 24 bit), modificare le impostazioni dello schermo nelle preferenze di visualizzazione del sistema.</translation>
    </message>
    <message>
        <source>Cannot save the settings in the file:
</source>
        <translation>Impossibile salvare le impostazioni nel file:
</translation>
    </message>
    <message>
        <source>The game results file was damaged or could not be read.
It has been kept as &quot;%s&quot; and a new results file is started.</source>
        <translation>Il file dei risultati era danneggiato o illeggibile.
È stato conservato come «%s» e si inizia un nuovo file dei risultati.</translation>
    </message>
    <message>
        <source>Some game results were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Alcuni risultati erano danneggiati e sono stati scartati; gli altri sono conservati.
Il file com&apos;era è stato conservato come «%s».</translation>
    </message>
    <message>
        <source>The game results file is damaged or cannot be read, and it cannot be moved aside.
Results of this session are not kept.</source>
        <translation>Il file dei risultati è danneggiato o illeggibile e non può essere messo da parte.
I risultati di questa sessione non vengono conservati.</translation>
    </message>
    <message>
        <source>Game results cannot be saved: the DATA folder cannot be written.
Results of this session are not kept.</source>
        <translation>Impossibile salvare i risultati: la cartella DATA non è scrivibile.
I risultati di questa sessione non vengono conservati.</translation>
    </message>
    <message>
        <source>
to: </source>
        <translation>
in: </translation>
    </message>
    <message>
        <source>Cannot open file </source>
        <translation>Impossibile aprire il file </translation>
    </message>
    <message>
        <source>Error creating temp file.</source>
        <translation>Errore nella creazione del file temporaneo.</translation>
    </message>
    <message>
        <source>Write error on file</source>
        <translation>Errore di scrittura nel file</translation>
    </message>
    <message>
        <source>Error in deleting the file: </source>
        <translation>Errore nell&apos;eliminazione del file: </translation>
    </message>
    <message>
        <source>Error in renaming the file: </source>
        <translation>Errore nella ridenominazione del file: </translation>
    </message>
    <message>
        <source>It appears as if the Internet Single Game Values are incorrect or corrupted.
The Internet Single Game Values will be deleted and reset to zero.</source>
        <translation>I valori delle singole partite sembrano errati o danneggiati.
Verranno cancellati e azzerati.</translation>
    </message>
    <message>
        <source>The hi-score file is not in a format the program knows.
It has been kept, unchanged, as &quot;%s&quot;.</source>
        <translation>Il file dei punteggi migliori non è in un formato noto al programma.
È stato conservato, invariato, come «%s».</translation>
    </message>
    <message>
        <source>The file as it was has been kept as &quot;</source>
        <translation>Il file com&apos;era è stato conservato come «</translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Riempire i vuoti del tavolo prima di distribuire.</translation>
    </message>
    <message>
        <source>The picture cannot be copied into the program&apos;s folder.<byte value="xd"/></source>
        <translation>Impossibile copiare l&apos;immagine nella cartella del programma.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The picture cannot be removed:<byte value="xd"/></source>
        <translation>Impossibile rimuovere l&apos;immagine:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Forgetful</source>
        <translation>Smemorato</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Tranquillo</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Attento</translation>
    </message>
    <message>
        <source>Perfect memory</source>
        <translation>Memoria perfetta</translation>
    </message>
    <message>
        <source>Match my level</source>
        <translation>Al mio livello</translation>
    </message>
    <message>
        <source>The file of replays was damaged and could not be read.
It has been kept as &quot;%s&quot; and a new one is started.</source>
        <translation>Il file delle partite da rivedere era danneggiato e non è stato possibile leggerlo.
È stato conservato come &quot;%s&quot; e ne viene iniziato uno nuovo.</translation>
    </message>
    <message>
        <source>Some replays were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Alcune partite da rivedere erano danneggiate e sono state tralasciate; le altre sono conservate.
Il file com&apos;era è stato conservato come &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Replays cannot be saved: the DATA folder cannot be written.
Replays of this session are not kept.</source>
        <translation>Impossibile salvare le partite da rivedere: la cartella DATA non è scrivibile.
Le partite di questa sessione non vengono conservate.</translation>
    </message>
</context>
<context>
    <name>OpenGameText</name>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Tutti i giochi (dalla A alla Z)</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Apri un gioco</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Scegli un gioco:</translation>
    </message>
    <message>
        <source>&amp;Show won and lost</source>
        <translation>&amp;Mostra vinti e persi</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>Gio&amp;catore:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Mazzi:</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Difficoltà:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Abilità:</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Probabilità di vincere:</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Ridistribuzioni:</translation>
    </message>
    <message>
        <source>Results go to: %1 (now playing: %2)</source>
        <translation>Risultati per: %1 (gioca ora: %2)</translation>
    </message>
    <message>
        <source>Results go to: %1</source>
        <translation>Risultati per: %1</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Scegliere un gioco</translation>
    </message>
</context>
<context>
    <name>PlayersText</name>
    <message>
        <source>&amp;Player name: </source>
        <translation>&amp;Nome del giocatore: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>&amp;Select a player:</source>
        <translation>&amp;Scegli un giocatore:</translation>
    </message>
    <message>
        <source> &amp;New</source>
        <translation> &amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Aggiungi un giocatore</translation>
    </message>
    <message>
        <source>Edit a player</source>
        <translation>Modifica un giocatore</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ReplayText</name>
    <message>
        <source>pair</source>
        <translation>coppia</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>slip</source>
        <translation>svista</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rivedi la partita</translation>
    </message>
    <message>
        <source>%1-%2-%3, deal %4: %5, %6</source>
        <translation>%3/%2/%1, smazzata %4: %5, %6</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 turno</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 turni</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 svista</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 sviste</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>First turn</source>
        <translation>Primo turno</translation>
    </message>
    <message>
        <source>Turn back</source>
        <translation>Turno precedente</translation>
    </message>
    <message>
        <source>Turn forward</source>
        <translation>Turno successivo</translation>
    </message>
    <message>
        <source>Last turn</source>
        <translation>Ultimo turno</translation>
    </message>
    <message>
        <source>%1 s a turn</source>
        <translation>%1 s per turno</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>This game cannot be shown: its deal is no longer dealt as it was.</source>
        <translation>Questa partita non può essere mostrata: la sua smazzata non viene più distribuita com&apos;era.</translation>
    </message>
    <message>
        <source>Deal %1 as dealt; %2 to come.</source>
        <translation>Smazzata %1 come distribuita; seguono %2.</translation>
    </message>
    <message>
        <source>Turn %1 of %2: %3, %4.</source>
        <translation>Turno %1 di %2: %3, %4.</translation>
    </message>
    <message>
        <source>It had been seen %1 before (row %2, column %3).</source>
        <translation>Era stata vista %1 prima (riga %2, colonna %3).</translation>
    </message>
    <message>
        <source>%1 should have been paired: its partner had been seen %2 before (row %3, column %4).</source>
        <translation>%1 andava accoppiata: la sua compagna era stata vista %2 prima (riga %3, colonna %4).</translation>
    </message>
    <message>
        <source>No finished game of this game has been kept to replay yet.</source>
        <translation>Non è ancora stata conservata nessuna partita finita di questo gioco da rivedere.</translation>
    </message>
</context>
<context>
    <name>SplashText</name>
    <message>
        <source>Memory card games</source>
        <translation>Giochi di memoria con le carte</translation>
    </message>
    <message>
        <source>, version </source>
        <translation>, versione </translation>
    </message>
    <message>
        <source>Starting </source>
        <translation>Avvio di </translation>
    </message>
</context>
<context>
    <name>StartupText</name>
    <message>
        <source>The DATA folder in the program folder cannot be written:
%1
Settings, statistics and results are kept in this folder instead:
%2</source>
        <translation>La cartella DATA nella cartella del programma non è scrivibile:
%1
Impostazioni, statistiche e risultati sono conservati invece in questa cartella:
%2</translation>
    </message>
</context>
<context>
    <name>StatisticsText</name>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Win %</source>
        <translation>% vinte</translation>
    </message>
    <message>
        <source>Best
score</source>
        <translation>Miglior
punteggio</translation>
    </message>
    <message>
        <source>Best
time</source>
        <translation>Miglior
tempo</translation>
    </message>
    <message>
        <source>Average
score</source>
        <translation>Punteggio
medio</translation>
    </message>
    <message>
        <source>Current
streak</source>
        <translation>Serie
attuale</translation>
    </message>
    <message>
        <source>Longest
streak</source>
        <translation>Serie
più lunga</translation>
    </message>
    <message>
        <source>Perfect
games</source>
        <translation>Partite
perfette</translation>
    </message>
    <message>
        <source>Misses
per game</source>
        <translation>Errori
per partita</translation>
    </message>
    <message>
        <source>Slips
per game</source>
        <translation>Sviste
per partita</translation>
    </message>
    <message>
        <source>to win</source>
        <translation>per vincere</translation>
    </message>
    <message>
        <source>score of a won game</source>
        <translation>punti di partita vinta</translation>
    </message>
    <message>
        <source>score of a lost game</source>
        <translation>punti di partita persa</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>Gio&amp;catore:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Azzera...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Last %1 games of %2: score and time</source>
        <translation>Ultime %1 partite di %2: punteggio e tempo</translation>
    </message>
    <message>
        <source>No games played yet.</source>
        <translation>Nessuna partita giocata finora.</translation>
    </message>
    <message>
        <source>Reset the statistics of %s?
The results of every game of this player are deleted.</source>
        <translation>Azzerare le statistiche di %s?
I risultati di tutte le partite di questo giocatore vengono eliminati.</translation>
    </message>
    <message>
        <source>%1 (look %2 s)</source>
        <translation>%1 (visione %2 s)</translation>
    </message>
    <message>
        <source>Deal of the day: %1 day in a row</source>
        <translation>Smazzata del giorno: %1 giorno di fila</translation>
    </message>
    <message>
        <source>Deal of the day: %1 days in a row</source>
        <translation>Smazzata del giorno: %1 giorni di fila</translation>
    </message>
    <message>
        <source>Recall span (turns)</source>
        <translation>Arco di memoria (turni)</translation>
    </message>
    <message>
        <source>Slips per game, with trend</source>
        <translation>Sviste per partita, con tendenza</translation>
    </message>
    <message>
        <source>Where slips happen</source>
        <translation>Dove avvengono le sviste</translation>
    </message>
    <message>
        <source>the last game</source>
        <translation>l&apos;ultima partita</translation>
    </message>
    <message>
        <source>last %1 games</source>
        <translation>ultime %1 partite</translation>
    </message>
    <message>
        <source>No slips</source>
        <translation>Nessuna svista</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Grafici</translation>
    </message>
    <message>
        <source>Score and time</source>
        <translation>Punteggio e tempo</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Re&amp;play...</source>
        <translation>Ri&amp;vedi...</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Sum = %1</source>
        <translation>Somma = %1</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Joker</source>
        <translation>Jolly</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Empty place</source>
        <translation>Posto vuoto</translation>
    </message>
    <message>
        <source>Face-down card, row %1, column %2</source>
        <translation>Carta coperta, riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Coppia trovata</translation>
    </message>
    <message>
        <source>No pair</source>
        <translation>Nessuna coppia</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punteggio: %1</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partita vinta</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partita finita</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Tavolo da gioco</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
</TS>
