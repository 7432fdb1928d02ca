<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutText</name>
    <message>
        <source>The home page could not be opened:<byte value="xd"/>%1<byte value="xd"/>No program of this desktop opens such addresses.</source>
        <translation>Impossible d&apos;ouvrir la page d&apos;accueil :<byte value="xd"/>%1<byte value="xd"/>Aucun programme de ce bureau n&apos;ouvre ce type d&apos;adresse.</translation>
    </message>
    <message>
        <source>About [Program]</source>
        <translation>À propos de [Program]</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Ouvrir la page d&apos;accueil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Memory card games: Memory-Up, Concentration, Ace-To-King and Forget me not.</source>
        <translation>Jeux de mémoire avec des cartes : Memory-Up, Concentration, Ace-To-King et Forget me not.</translation>
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
        <translation>Couleur</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message box again</source>
        <translation>Ne &amp;plus afficher ce message</translation>
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
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Poissons tropicaux</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Bonhomme de neige</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Classiques</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Bleu classique</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Tableaux célèbres</translation>
    </message>
    <message>
        <source>Van Gogh</source>
        <translation>Van Gogh</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fleurs</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Roses</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Géométrique</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Tressage 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Tressage 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>Lac</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Plus de 256 couleurs</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marbres</translation>
    </message>
    <message>
        <source>Marble 1</source>
        <translation>Marbre 1</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Métal doré</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Prairie</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Motif 1</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Tissu</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Moquette 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Murs</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Mur de briques 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parquet</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Jusqu&apos;à 256 couleurs</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Géométriques</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Moquette</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Toolbar </source>
        <translation>Barre d&apos;outils </translation>
    </message>
    <message>
        <source>Buttons </source>
        <translation>Boutons </translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>&amp;Grands boutons</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>Boutons &amp;plats</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Temps et points</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Afficher le &amp;temps</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>Afficher les &amp;points</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Affichage </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>C&amp;onfirmer l&apos;abandon</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>Confirmer en &amp;quittant</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Animation de victoire</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>&amp;Jeux de cartes  </translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Choisissez un dos de carte :</translation>
    </message>
    <message>
        <source>Sample </source>
        <translation>Aperçu </translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Fonds</translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Choisissez un fond :</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>&amp;Estomper le fond</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Disable &amp;all sounds</source>
        <translation>Désactiver &amp;tous les sons</translation>
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
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Fit to the table</source>
        <translation>Ajuster à la table</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Large indices</source>
        <translation>Grands index</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Quatre couleurs</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Card &amp;faces:</source>
        <translation>&amp;Faces :</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Res&amp;ume unfinished game</source>
        <translation>&amp;Reprendre la partie</translation>
    </message>
    <message>
        <source>Resume an unfinished game at start-up, where it was left</source>
        <translation>Reprendre au démarrage une partie inachevée là où elle a été laissée</translation>
    </message>
    <message>
        <source>Your own</source>
        <translation>Les vôtres</translation>
    </message>
    <message>
        <source>Memory games</source>
        <translation>Jeux de mémoire</translation>
    </message>
    <message>
        <source>Wrong &amp;pair stays up:</source>
        <translation>Mauvaise paire &amp;visible :</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Forget me not stud&amp;y time:</source>
        <translation>Temps de &amp;mémorisation :</translation>
    </message>
    <message>
        <source>&amp;Add your own...</source>
        <translation>&amp;Ajouter les vôtres...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Add your own card back</source>
        <translation>Ajouter votre propre dos de carte</translation>
    </message>
    <message>
        <source>Add your own background</source>
        <translation>Ajouter votre propre fond</translation>
    </message>
    <message>
        <source>Card backs (*.bmp *.BMP)</source>
        <translation>Dos de cartes (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</source>
        <translation>Images (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Add a card s&amp;et...</source>
        <translation>Aj&amp;outer un jeu...</translation>
    </message>
    <message>
        <source>Remove se&amp;t</source>
        <translation>Retirer le j&amp;eu</translation>
    </message>
    <message>
        <source>Add your own card set</source>
        <translation>Ajouter votre propre jeu de faces</translation>
    </message>
    <message>
        <source>Card sets (*.crs *.CRS)</source>
        <translation>Jeux de faces (*.crs *.CRS)</translation>
    </message>
</context>
<context>
    <name>DailyResultText</name>
    <message>
        <source>Brindlewick %1, deal of %2: %3, %4, %5, %6, %7</source>
        <translation>Brindlewick %1, donne du %2 : %3, %4, %5, %6, %7</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdue</translation>
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
        <source>%1 miss</source>
        <translation>%1 erreur</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 erreurs</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 bévue</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 bévues</translation>
    </message>
</context>
<context>
    <name>DealNumberText</name>
    <message>
        <source>Play deal number</source>
        <translation>Jouer une donne par son numéro</translation>
    </message>
    <message>
        <source>&amp;Deal number of %1 (up to 13 digits):</source>
        <translation>&amp;Numéro de donne de %1 (jusqu&apos;à 13 chiffres) :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A deal number has 1 to 13 digits (0 to 9) and nothing else.</source>
        <translation>Un numéro de donne compte de 1 à 13 chiffres (0 à 9), rien d&apos;autre.</translation>
    </message>
</context>
<context>
    <name>GameFactsText</name>
    <message>
        <source>Long</source>
        <translation>Longue</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rapide</translation>
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
        <translation>Très élevée</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Très faible</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (environ %1 sur %2)</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Surtout l&apos;adresse</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Modérée</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Surtout la chance</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Chance seule</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The help page cannot be found:<byte value="xd"/>%1</source>
        <translation>La page d&apos;aide est introuvable :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The help page cannot be read:<byte value="xd"/>%1</source>
        <translation>La page d&apos;aide ne peut pas être lue :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>MainWindowText</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open a game...</source>
        <translation>&amp;Ouvrir un jeu...</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Joueurs...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Aut&amp;oplay</source>
        <translation>Jeu a&amp;utomatique</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Personnaliser...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>[Program] on the &amp;Web...</source>
        <translation>[Program] sur le &amp;Web...</translation>
    </message>
    <message>
        <source>[Program] &amp;Home Page</source>
        <translation>Page d&apos;&amp;accueil de [Program]</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>À &amp;propos de [Program]...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Grandes icônes</translation>
    </message>
    <message>
        <source>Small icons</source>
        <translation>Petites icônes</translation>
    </message>
    <message>
        <source>Flat button</source>
        <translation>Boutons plats</translation>
    </message>
    <message>
        <source>No flat button</source>
        <translation>Boutons en relief</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Afficher le temps</translation>
    </message>
    <message>
        <source>Show score</source>
        <translation>Afficher les points</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Points :</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Joueur : </translation>
    </message>
    <message>
        <source>Exit [Program]?</source>
        <translation>Quitter [Program] ?</translation>
    </message>
    <message>
        <source>Play deal &amp;number...</source>
        <translation>Jouer une donne par son nu&amp;méro...</translation>
    </message>
    <message>
        <source>&amp;Restart this deal</source>
        <translation>Re&amp;commencer cette donne</translation>
    </message>
    <message>
        <source>&amp;Copy deal number</source>
        <translation>Co&amp;pier le numéro de donne</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Deal of the &amp;day</source>
        <translation>&amp;Donne du jour</translation>
    </message>
    <message>
        <source>Copy &amp;result</source>
        <translation>Copier le résul&amp;tat</translation>
    </message>
    <message>
        <source>The unfinished game kept in %1 cannot be continued (%2). It was moved aside as %3.</source>
        <translation>La partie inachevée conservée dans %1 ne peut pas être reprise (%2). Elle a été mise de côté sous le nom %3.</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept in %1 (%2). It counts as abandoned.</source>
        <translation>La partie inachevée n&apos;a pas pu être conservée dans %1 (%2). Elle compte comme abandonnée.</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <translation>Nouveau &amp;match...</translation>
    </message>
    <message>
        <source>&amp;Replay last game</source>
        <translation>&amp;Revoir la dernière partie</translation>
    </message>
    <message>
        <source>Best: %1 of %2 pairs</source>
        <translation>Record : %1 paires sur %2</translation>
    </message>
    <message>
        <source>Pairs your best earlier run on this deal had found by this time of the game</source>
        <translation>Paires que votre meilleure partie sur cette donne avait trouvées à ce moment de la partie</translation>
    </message>
    <message>
        <source>Show my best run</source>
        <translation>Afficher mon meilleur parcours</translation>
    </message>
</context>
<context>
    <name>MatchText</name>
    <message>
        <source>New match</source>
        <translation>Nouveau match</translation>
    </message>
    <message>
        <source>Two to four seats take turns; a pair found plays again, a miss passes the turn. Most pairs wins.</source>
        <translation>De deux à quatre places jouent à tour de rôle ; une paire trouvée rejoue, une erreur passe la main. Le plus de paires gagne.</translation>
    </message>
    <message>
        <source>Seat &amp;%1:</source>
        <translation>Place &amp;%1 :</translation>
    </message>
    <message>
        <source>(nobody)</source>
        <translation>(personne)</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordinateur : %1</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A player can take only one seat.</source>
        <translation>Un joueur ne peut occuper qu’une place.</translation>
    </message>
    <message>
        <source>Match standings</source>
        <translation>Classement du match</translation>
    </message>
    <message>
        <source>%1 wins the match.</source>
        <translation>%1 gagne le match.</translation>
    </message>
    <message>
        <source>A tie: %1.</source>
        <translation>Égalité : %1.</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Ordinateur (%1)</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <translation>%1 joue.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>À %1 de jouer.</translation>
    </message>
    <message>
        <source>Computer %1 (%2)</source>
        <translation>Ordinateur %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MemoryEndText</name>
    <message>
        <source>Won</source>
        <translation>Gagnée</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdue</translation>
    </message>
    <message>
        <source>For each match:</source>
        <translation>Par paire :</translation>
    </message>
    <message>
        <source>For each miss:</source>
        <translation>Par erreur :</translation>
    </message>
    <message>
        <source>Score </source>
        <translation>Points </translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Départ :</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>Paires :</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>(Score to win:</source>
        <translation>(Pour gagner :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Grid: 6 x 4 </source>
        <translation>Grille : 6 x 4 </translation>
    </message>
    <message>
        <source>Sequence </source>
        <translation>Suite </translation>
    </message>
    <message>
        <source>Cards: 10 </source>
        <translation>Cartes : 10 </translation>
    </message>
    <message>
        <source>Cards: 52 </source>
        <translation>Cartes : 52 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Won</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>Game Lost</source>
        <translation>Partie perdue</translation>
    </message>
    <message>
        <source>Grid: 4 x 3</source>
        <translation>Grille : 4 x 3</translation>
    </message>
    <message>
        <source>Grid: 6 x 4</source>
        <translation>Grille : 6 x 4</translation>
    </message>
    <message>
        <source>Grid: 8 x 5</source>
        <translation>Grille : 8 x 5</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>Image de fond personnalisée introuvable : </translation>
    </message>
    <message>
        <source>The format of the Customized background image is not valid.<byte value="xd"/></source>
        <translation>Le format de l&apos;image de fond personnalisée n&apos;est pas valide.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Customized cards set image not found: </source>
        <translation>Image du jeu de cartes personnalisé introuvable : </translation>
    </message>
    <message>
        <source>The format of the Customized card set image is not valid.<byte value="xd"/></source>
        <translation>Le format de l&apos;image du jeu de cartes personnalisé n&apos;est pas valide.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels. For the best graphics display the screen resolution should be set to 800x600 pixels or higher. However, it&apos;s possible to play </source>
        <translation>Votre carte graphique affiche 640x480 pixels. Pour un meilleur affichage, la résolution de l&apos;écran devrait être d&apos;au moins 800x600 pixels. Vous pouvez toutefois jouer à </translation>
    </message>
    <message>
        <source>using a predefined cards set.</source>
        <translation>avec un jeu de cartes prédéfini.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 800x600 pixels. For the best graphics display of this game the screen resolution should be set to 1024x768 pixels or higher. However, it&apos;s possible to play </source>
        <translation>Votre carte graphique affiche 800x600 pixels. Pour un meilleur affichage de ce jeu, la résolution de l&apos;écran devrait être d&apos;au moins 1024x768 pixels. Vous pouvez toutefois jouer à </translation>
    </message>
    <message>
        <source>You have selected the Large size Card Set. It&apos;s possible to play </source>
        <translation>Vous avez choisi le grand jeu de cartes. Vous pouvez jouer à </translation>
    </message>
    <message>
        <source>using the Normal size Card Set.</source>
        <translation>avec le jeu de cartes normal.</translation>
    </message>
    <message>
        <source>Customized deck image not found: </source>
        <translation>Image de dos personnalisée introuvable : </translation>
    </message>
    <message>
        <source>The format of the Customized deck image is not valid.<byte value="xd"/></source>
        <translation>Le format de l&apos;image de dos personnalisée n&apos;est pas valide.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>Impossible de trouver ou de charger </translation>
    </message>
    <message>
        <source>The rules of the game &quot;</source>
        <translation>Les règles du jeu « </translation>
    </message>
    <message>
        <source>&quot; in the file
</source>
        <translation> » dans le fichier
</translation>
    </message>
    <message>
        <source>
are damaged:
</source>
        <translation>
sont endommagées :
</translation>
    </message>
    <message>
        <source>
The game may not play as it should; reinstalling the program repairs the file.</source>
        <translation>
Le jeu risque de ne pas fonctionner correctement ; réinstaller le programme répare le fichier.</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Erreur 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>Misses: </source>
        <translation>Erreurs : </translation>
    </message>
    <message>
        <source> slip)</source>
        <translation> bévue)</translation>
    </message>
    <message>
        <source> slips)</source>
        <translation> bévues)</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>Abandonner cette partie ?</translation>
    </message>
    <message>
        <source>Error suit - 1</source>
        <translation>Erreur couleur - 1</translation>
    </message>
    <message>
        <source>The rules of the game &quot;%1&quot; cannot be read from the file
%2
The file is damaged; the game cannot be played. Reinstalling the program repairs it.</source>
        <translation>Les règles du jeu « %1 » ne peuvent pas être lues dans le fichier
%2
Le fichier est endommagé ; le jeu ne peut pas être joué. Réinstaller le programme le répare.</translation>
    </message>
    <message>
        <source>Error in parameters</source>
        <translation>Erreur dans les paramètres</translation>
    </message>
    <message>
        <source>Cannot find file:
</source>
        <translation>Fichier introuvable :
</translation>
    </message>
    <message>
        <source>
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Copiez le fichier dans le dossier indiqué ci-dessus
ou réinstallez le programme.</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Le fichier </translation>
    </message>
    <message>
        <source> holds no game of this edition.
Reinstall the program.</source>
        <translation> ne contient aucun jeu de cette édition.
Réinstallez le programme.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels.
You can&apos;t play: </source>
        <translation>Votre carte graphique affiche 640x480 pixels.
Impossible de jouer à : </translation>
    </message>
    <message>
        <source>
Please set your screen resolution to 800x600 pixels or higher.</source>
        <translation>
Veuillez régler la résolution de l&apos;écran sur 800x600 pixels ou plus.</translation>
    </message>
    <message>
        <source>Start a new game for player </source>
        <translation>Commencer une nouvelle partie pour le joueur </translation>
    </message>
    <message>
        <source>Please enter at least 1 character.</source>
        <translation>Veuillez saisir au moins 1 caractère.</translation>
    </message>
    <message>
        <source>This player name already exists.</source>
        <translation>Ce nom de joueur existe déjà.</translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;[&quot; or contain &quot;=&quot;.</source>
        <translation>Un nom de joueur ne peut pas commencer par « [ » ni contenir « = ».</translation>
    </message>
    <message>
        <source>The settings file names the player &quot;%s&quot;, who cannot be used:
a player name cannot begin with &quot;[&quot; or contain &quot;=&quot;. The name is left out.</source>
        <translation>Le fichier des réglages nomme le joueur « %s », qui ne peut pas être utilisé :
un nom de joueur ne peut pas commencer par « [ » ni contenir « = ». Ce nom est ignoré.</translation>
    </message>
    <message>
        <source>It is impossible to delete the selected player.</source>
        <translation>Impossible de supprimer le joueur sélectionné.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected player?
Note: the statistics for this player will also be deleted.</source>
        <translation>Voulez-vous vraiment supprimer le joueur sélectionné ?
Remarque : les statistiques de ce joueur seront aussi supprimées.</translation>
    </message>
    <message>
        <source>Select a player.</source>
        <translation>Sélectionnez un joueur.</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. 
If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>Votre pilote graphique affiche actuellement 256 couleurs ou moins. Ce programme tire parti des palettes 16 bits (65 536 couleurs) ou 24 bits (16,8 millions de couleurs) et des résolutions plus élevées. 
Si votre pilote graphique permet les modes High Color ou True Color (16 ou 24 bits), modifiez les réglages de l&apos;écran dans les paramètres d&apos;affichage du système.</translation>
    </message>
    <message>
        <source>Cannot save the settings in the file:
</source>
        <translation>Impossible d&apos;enregistrer les réglages dans le fichier :
</translation>
    </message>
    <message>
        <source>The game results file was damaged or could not be read.
It has been kept as &quot;%s&quot; and a new results file is started.</source>
        <translation>Le fichier des résultats était endommagé ou illisible.
Il a été conservé sous « %s » et un nouveau fichier de résultats est commencé.</translation>
    </message>
    <message>
        <source>Some game results were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Certains résultats étaient endommagés et ont été écartés ; les autres sont conservés.
Le fichier tel qu&apos;il était a été conservé sous « %s ».</translation>
    </message>
    <message>
        <source>The game results file is damaged or cannot be read, and it cannot be moved aside.
Results of this session are not kept.</source>
        <translation>Le fichier des résultats est endommagé ou illisible et ne peut pas être mis de côté.
Les résultats de cette session ne sont pas conservés.</translation>
    </message>
    <message>
        <source>Game results cannot be saved: the DATA folder cannot be written.
Results of this session are not kept.</source>
        <translation>Impossible d&apos;enregistrer les résultats : le dossier DATA n&apos;est pas accessible en écriture.
Les résultats de cette session ne sont pas conservés.</translation>
    </message>
    <message>
        <source>
to: </source>
        <translation>
en : </translation>
    </message>
    <message>
        <source>Cannot open file </source>
        <translation>Impossible d&apos;ouvrir le fichier </translation>
    </message>
    <message>
        <source>Error creating temp file.</source>
        <translation>Erreur lors de la création du fichier temporaire.</translation>
    </message>
    <message>
        <source>Write error on file</source>
        <translation>Erreur d&apos;écriture dans le fichier</translation>
    </message>
    <message>
        <source>Error in deleting the file: </source>
        <translation>Erreur lors de la suppression du fichier : </translation>
    </message>
    <message>
        <source>Error in renaming the file: </source>
        <translation>Erreur lors du renommage du fichier : </translation>
    </message>
    <message>
        <source>It appears as if the Internet Single Game Values are incorrect or corrupted.
The Internet Single Game Values will be deleted and reset to zero.</source>
        <translation>Les valeurs de partie individuelle semblent incorrectes ou endommagées.
Elles vont être effacées et remises à zéro.</translation>
    </message>
    <message>
        <source>The hi-score file is not in a format the program knows.
It has been kept, unchanged, as &quot;%s&quot;.</source>
        <translation>Le fichier des meilleurs scores n&apos;est pas dans un format connu du programme.
Il a été conservé, inchangé, sous « %s ».</translation>
    </message>
    <message>
        <source>The file as it was has been kept as &quot;</source>
        <translation>Le fichier tel qu&apos;il était a été conservé sous « </translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Comblez les vides du tableau avant de distribuer.</translation>
    </message>
    <message>
        <source>The picture cannot be copied into the program&apos;s folder.<byte value="xd"/></source>
        <translation>L&apos;image ne peut pas être copiée dans le dossier du programme.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The picture cannot be removed:<byte value="xd"/></source>
        <translation>L&apos;image ne peut pas être supprimée :<byte value="xd"/></translation>
    </message>
    <message>
        <source>Forgetful</source>
        <translation>Distrait</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Détendu</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Attentif</translation>
    </message>
    <message>
        <source>Perfect memory</source>
        <translation>Mémoire parfaite</translation>
    </message>
    <message>
        <source>Match my level</source>
        <translation>À mon niveau</translation>
    </message>
    <message>
        <source>The file of replays was damaged and could not be read.
It has been kept as &quot;%s&quot; and a new one is started.</source>
        <translation>Le fichier des parties à revoir était endommagé et n&apos;a pas pu être lu.
Il a été conservé sous &quot;%s&quot; et un nouveau fichier est commencé.</translation>
    </message>
    <message>
        <source>Some replays were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Certaines parties à revoir étaient endommagées et ont été omises ; les autres sont conservées.
Le fichier tel qu&apos;il était a été conservé sous &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Replays cannot be saved: the DATA folder cannot be written.
Replays of this session are not kept.</source>
        <translation>Les parties à revoir ne peuvent pas être enregistrées : le dossier DATA n&apos;est pas accessible en écriture.
Les parties de cette session ne sont pas conservées.</translation>
    </message>
</context>
<context>
    <name>OpenGameText</name>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Tous les jeux (de A à Z)</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Ouvrir un jeu</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Choisissez un jeu :</translation>
    </message>
    <message>
        <source>&amp;Show won and lost</source>
        <translation>&amp;Afficher gagnés et perdus</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Jeux :</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Difficulté :</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Chances de gagner :</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Redistributions :</translation>
    </message>
    <message>
        <source>Results go to: %1 (now playing: %2)</source>
        <translation>Résultats pour : %1 (joue en ce moment : %2)</translation>
    </message>
    <message>
        <source>Results go to: %1</source>
        <translation>Résultats pour : %1</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Choisissez un jeu</translation>
    </message>
</context>
<context>
    <name>PlayersText</name>
    <message>
        <source>&amp;Player name: </source>
        <translation>&amp;Nom du joueur : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>&amp;Select a player:</source>
        <translation>&amp;Choisissez un joueur :</translation>
    </message>
    <message>
        <source> &amp;New</source>
        <translation> &amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>Edit a player</source>
        <translation>Modifier un joueur</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ReplayText</name>
    <message>
        <source>pair</source>
        <translation>paire</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>raté</translation>
    </message>
    <message>
        <source>slip</source>
        <translation>oubli</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Revoir la partie</translation>
    </message>
    <message>
        <source>%1-%2-%3, deal %4: %5, %6</source>
        <translation>%3/%2/%1, donne %4 : %5, %6</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 tour</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 tours</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 oubli</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 oublis</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>First turn</source>
        <translation>Premier tour</translation>
    </message>
    <message>
        <source>Turn back</source>
        <translation>Tour précédent</translation>
    </message>
    <message>
        <source>Turn forward</source>
        <translation>Tour suivant</translation>
    </message>
    <message>
        <source>Last turn</source>
        <translation>Dernier tour</translation>
    </message>
    <message>
        <source>%1 s a turn</source>
        <translation>%1 s par tour</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>This game cannot be shown: its deal is no longer dealt as it was.</source>
        <translation>Cette partie ne peut pas être montrée : sa donne n&apos;est plus distribuée comme elle l&apos;était.</translation>
    </message>
    <message>
        <source>Deal %1 as dealt; %2 to come.</source>
        <translation>Donne %1 telle que distribuée ; %2 à venir.</translation>
    </message>
    <message>
        <source>Turn %1 of %2: %3, %4.</source>
        <translation>Tour %1 sur %2 : %3, %4.</translation>
    </message>
    <message>
        <source>It had been seen %1 before (row %2, column %3).</source>
        <translation>Elle avait été vue %1 plus tôt (rangée %2, colonne %3).</translation>
    </message>
    <message>
        <source>%1 should have been paired: its partner had been seen %2 before (row %3, column %4).</source>
        <translation>%1 aurait dû être apparié : son partenaire avait été vu %2 plus tôt (rangée %3, colonne %4).</translation>
    </message>
    <message>
        <source>No finished game of this game has been kept to replay yet.</source>
        <translation>Aucune partie terminée de ce jeu n&apos;a encore été conservée pour être revue.</translation>
    </message>
</context>
<context>
    <name>SplashText</name>
    <message>
        <source>Memory card games</source>
        <translation>Jeux de mémoire avec des cartes</translation>
    </message>
    <message>
        <source>, version </source>
        <translation>, version </translation>
    </message>
    <message>
        <source>Starting </source>
        <translation>Démarrage de </translation>
    </message>
</context>
<context>
    <name>StartupText</name>
    <message>
        <source>The DATA folder in the program folder cannot be written:
%1
Settings, statistics and results are kept in this folder instead:
%2</source>
        <translation>Le dossier DATA du dossier du programme n&apos;est pas accessible en écriture :
%1
Les réglages, statistiques et résultats sont conservés à la place dans ce dossier :
%2</translation>
    </message>
</context>
<context>
    <name>StatisticsText</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Win %</source>
        <translation>% gagnées</translation>
    </message>
    <message>
        <source>Best
score</source>
        <translation>Meilleur
score</translation>
    </message>
    <message>
        <source>Best
time</source>
        <translation>Meilleur
temps</translation>
    </message>
    <message>
        <source>Average
score</source>
        <translation>Score
moyen</translation>
    </message>
    <message>
        <source>Current
streak</source>
        <translation>Série
actuelle</translation>
    </message>
    <message>
        <source>Longest
streak</source>
        <translation>Plus longue
série</translation>
    </message>
    <message>
        <source>Perfect
games</source>
        <translation>Parties
parfaites</translation>
    </message>
    <message>
        <source>Misses
per game</source>
        <translation>Erreurs
par partie</translation>
    </message>
    <message>
        <source>Slips
per game</source>
        <translation>Bévues
par partie</translation>
    </message>
    <message>
        <source>to win</source>
        <translation>pour gagner</translation>
    </message>
    <message>
        <source>score of a won game</source>
        <translation>score d&apos;une partie gagnée</translation>
    </message>
    <message>
        <source>score of a lost game</source>
        <translation>score d&apos;une partie perdue</translation>
    </message>
    <message>
        <source>time</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Effacer...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Last %1 games of %2: score and time</source>
        <translation>%1 dernières parties de %2 : score et temps</translation>
    </message>
    <message>
        <source>No games played yet.</source>
        <translation>Aucune partie jouée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Reset the statistics of %s?
The results of every game of this player are deleted.</source>
        <translation>Remettre à zéro les statistiques de %s ?
Les résultats de toutes les parties de ce joueur sont supprimés.</translation>
    </message>
    <message>
        <source>%1 (look %2 s)</source>
        <translation>%1 (affichage %2 s)</translation>
    </message>
    <message>
        <source>Deal of the day: %1 day in a row</source>
        <translation>Donne du jour : %1 jour d’affilée</translation>
    </message>
    <message>
        <source>Deal of the day: %1 days in a row</source>
        <translation>Donne du jour : %1 jours d’affilée</translation>
    </message>
    <message>
        <source>Recall span (turns)</source>
        <translation>Portée de mémoire (tours)</translation>
    </message>
    <message>
        <source>Slips per game, with trend</source>
        <translation>Oublis par partie, avec tendance</translation>
    </message>
    <message>
        <source>Where slips happen</source>
        <translation>Où se font les oublis</translation>
    </message>
    <message>
        <source>the last game</source>
        <translation>la dernière partie</translation>
    </message>
    <message>
        <source>last %1 games</source>
        <translation>%1 dernières parties</translation>
    </message>
    <message>
        <source>No slips</source>
        <translation>Aucun oubli</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Score and time</source>
        <translation>Points et temps</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Re&amp;play...</source>
        <translation>Re&amp;voir...</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Sum = %1</source>
        <translation>Somme = %1</translation>
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
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Empty place</source>
        <translation>Emplacement vide</translation>
    </message>
    <message>
        <source>Face-down card, row %1, column %2</source>
        <translation>Carte face cachée, rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Paire trouvée</translation>
    </message>
    <message>
        <source>No pair</source>
        <translation>Pas de paire</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score : %1</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Table de jeu</translation>
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
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
</TS>
