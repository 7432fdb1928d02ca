<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutText</name>
    <message>
        <source>The home page could not be opened:<byte value="xd"/>%1<byte value="xd"/>No program of this desktop opens such addresses.</source>
        <translation>No se pudo abrir la página de inicio:<byte value="xd"/>%1<byte value="xd"/>Ningún programa de este escritorio abre este tipo de direcciones.</translation>
    </message>
    <message>
        <source>About [Program]</source>
        <translation>Acerca de [Program]</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Abrir la página de inicio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Memory card games: Memory-Up, Concentration, Ace-To-King and Forget me not.</source>
        <translation>Juegos de memoria con cartas: Memory-Up, Concentration, Ace-To-King y Forget me not.</translation>
    </message>
</context>
<context>
    <name>AdviceText</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message box again</source>
        <translation>&amp;No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CustomizeText</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Peces tropicales</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Muñeco de nieve</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Clásicos</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Azul clásico</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Cuadros famosos</translation>
    </message>
    <message>
        <source>Van Gogh</source>
        <translation>Van Gogh</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Flores</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Rosas</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Geométrico</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Trenzado 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Trenzado 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Naturaleza</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>Lago</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Más de 256 colores</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Mármoles</translation>
    </message>
    <message>
        <source>Marble 1</source>
        <translation>Mármol 1</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Metal dorado</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Pradera</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motivos</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Motivo 1</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Tejido</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Moqueta 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Muros</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Muro de ladrillo 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parqué</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Hasta 256 colores</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Geométricos</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Moqueta</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Toolbar </source>
        <translation>Barra de herramientas </translation>
    </message>
    <message>
        <source>Buttons </source>
        <translation>Botones </translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>Botones &amp;grandes</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>Botones &amp;planos</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Tiempo y puntos</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Mostrar el &amp;tiempo</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>Mostrar los &amp;puntos</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Mostrar </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>C&amp;onfirmar abandono</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>Confirmar al &amp;salir</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Animación de victoria</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>&amp;Barajas  </translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Elija un reverso de carta:</translation>
    </message>
    <message>
        <source>Sample </source>
        <translation>Muestra </translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Fondos</translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Elija un fondo:</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>&amp;Atenuar el fondo</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>Disable &amp;all sounds</source>
        <translation>Desactivar &amp;todos los sonidos</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Fit to the table</source>
        <translation>Ajustar a la mesa</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Large indices</source>
        <translation>Índices grandes</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Cuatro colores</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Card &amp;faces:</source>
        <translation>&amp;Caras:</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Res&amp;ume unfinished game</source>
        <translation>&amp;Reanudar la partida</translation>
    </message>
    <message>
        <source>Resume an unfinished game at start-up, where it was left</source>
        <translation>Reanudar al inicio una partida inacabada donde se dejó</translation>
    </message>
    <message>
        <source>Your own</source>
        <translation>Propios</translation>
    </message>
    <message>
        <source>Memory games</source>
        <translation>Juegos de memoria</translation>
    </message>
    <message>
        <source>Wrong &amp;pair stays up:</source>
        <translation>Pareja &amp;fallida visible:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Forget me not stud&amp;y time:</source>
        <translation>Tiempo de &amp;memoria:</translation>
    </message>
    <message>
        <source>&amp;Add your own...</source>
        <translation>Añadir &amp;propio...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Add your own card back</source>
        <translation>Añadir un reverso propio</translation>
    </message>
    <message>
        <source>Add your own background</source>
        <translation>Añadir un fondo propio</translation>
    </message>
    <message>
        <source>Card backs (*.bmp *.BMP)</source>
        <translation>Reversos de carta (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</source>
        <translation>Imágenes (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Add a card s&amp;et...</source>
        <translation>Añadir &amp;juego...</translation>
    </message>
    <message>
        <source>Remove se&amp;t</source>
        <translation>Quitar jueg&amp;o</translation>
    </message>
    <message>
        <source>Add your own card set</source>
        <translation>Añadir un juego de caras propio</translation>
    </message>
    <message>
        <source>Card sets (*.crs *.CRS)</source>
        <translation>Juegos de caras (*.crs *.CRS)</translation>
    </message>
</context>
<context>
    <name>DailyResultText</name>
    <message>
        <source>Brindlewick %1, deal of %2: %3, %4, %5, %6, %7</source>
        <translation>Brindlewick %1, reparto del %2: %3, %4, %5, %6, %7</translation>
    </message>
    <message>
        <source>won</source>
        <translation>ganada</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdida</translation>
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
        <source>%1 miss</source>
        <translation>%1 fallo</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 fallos</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 despiste</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 despistes</translation>
    </message>
</context>
<context>
    <name>DealNumberText</name>
    <message>
        <source>Play deal number</source>
        <translation>Jugar reparto por número</translation>
    </message>
    <message>
        <source>&amp;Deal number of %1 (up to 13 digits):</source>
        <translation>&amp;Número de reparto de %1 (hasta 13 dígitos):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A deal number has 1 to 13 digits (0 to 9) and nothing else.</source>
        <translation>Un número de reparto tiene de 1 a 13 dígitos (0 a 9) y nada más.</translation>
    </message>
</context>
<context>
    <name>GameFactsText</name>
    <message>
        <source>Long</source>
        <translation>Larga</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Muy alta</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Muy baja</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (unas %1 de cada %2)</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Sobre todo habilidad</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderada</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Sobre todo suerte</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Solo suerte</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The help page cannot be found:<byte value="xd"/>%1</source>
        <translation>No se encuentra la página de ayuda:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The help page cannot be read:<byte value="xd"/>%1</source>
        <translation>No se puede leer la página de ayuda:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>MainWindowText</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Open a game...</source>
        <translation>&amp;Abrir un juego...</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Jugadores...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Aut&amp;oplay</source>
        <translation>Juego a&amp;utomático</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Personalizar...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>[Program] on the &amp;Web...</source>
        <translation>[Program] en la &amp;Web...</translation>
    </message>
    <message>
        <source>[Program] &amp;Home Page</source>
        <translation>Página de &amp;inicio de [Program]</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>&amp;Acerca de [Program]...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Iconos grandes</translation>
    </message>
    <message>
        <source>Small icons</source>
        <translation>Iconos pequeños</translation>
    </message>
    <message>
        <source>Flat button</source>
        <translation>Botones planos</translation>
    </message>
    <message>
        <source>No flat button</source>
        <translation>Botones en relieve</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostrar el tiempo</translation>
    </message>
    <message>
        <source>Show score</source>
        <translation>Mostrar los puntos</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Jugador: </translation>
    </message>
    <message>
        <source>Exit [Program]?</source>
        <translation>¿Salir de [Program]?</translation>
    </message>
    <message>
        <source>Play deal &amp;number...</source>
        <translation>Jugar reparto por nú&amp;mero...</translation>
    </message>
    <message>
        <source>&amp;Restart this deal</source>
        <translation>Re&amp;iniciar este reparto</translation>
    </message>
    <message>
        <source>&amp;Copy deal number</source>
        <translation>&amp;Copiar número de reparto</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Deal of the &amp;day</source>
        <translation>Re&amp;parto del día</translation>
    </message>
    <message>
        <source>Copy &amp;result</source>
        <translation>Copiar resul&amp;tado</translation>
    </message>
    <message>
        <source>The unfinished game kept in %1 cannot be continued (%2). It was moved aside as %3.</source>
        <translation>La partida inacabada guardada en %1 no se puede reanudar (%2). Se ha apartado como %3.</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept in %1 (%2). It counts as abandoned.</source>
        <translation>La partida inacabada no se ha podido guardar en %1 (%2). Cuenta como abandonada.</translation>
    </message>
    <message>
        <source>New &amp;match...</source>
        <translation>Nueva &amp;partida a varios...</translation>
    </message>
    <message>
        <source>&amp;Replay last game</source>
        <translation>&amp;Repetir la última partida</translation>
    </message>
    <message>
        <source>Best: %1 of %2 pairs</source>
        <translation>Mejor: %1 de %2 parejas</translation>
    </message>
    <message>
        <source>Pairs your best earlier run on this deal had found by this time of the game</source>
        <translation>Parejas que su mejor partida anterior en este reparto había encontrado a estas alturas de la partida</translation>
    </message>
    <message>
        <source>Show my best run</source>
        <translation>Mostrar mi mejor partida</translation>
    </message>
</context>
<context>
    <name>MatchText</name>
    <message>
        <source>New match</source>
        <translation>Nueva partida a varios</translation>
    </message>
    <message>
        <source>Two to four seats take turns; a pair found plays again, a miss passes the turn. Most pairs wins.</source>
        <translation>De dos a cuatro puestos juegan por turnos; quien encuentra una pareja vuelve a jugar, un fallo pasa el turno. Gana quien tenga más parejas.</translation>
    </message>
    <message>
        <source>Seat &amp;%1:</source>
        <translation>Puesto &amp;%1:</translation>
    </message>
    <message>
        <source>(nobody)</source>
        <translation>(nadie)</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A player can take only one seat.</source>
        <translation>Un jugador solo puede ocupar un puesto.</translation>
    </message>
    <message>
        <source>Match standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>%1 wins the match.</source>
        <translation>%1 gana la partida.</translation>
    </message>
    <message>
        <source>A tie: %1.</source>
        <translation>Empate: %1.</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Ordenador (%1)</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <translation>%1 está jugando.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>Computer %1 (%2)</source>
        <translation>Ordenador %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MemoryEndText</name>
    <message>
        <source>Won</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>For each match:</source>
        <translation>Por pareja:</translation>
    </message>
    <message>
        <source>For each miss:</source>
        <translation>Por fallo:</translation>
    </message>
    <message>
        <source>Score </source>
        <translation>Puntos </translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>Parejas:</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>(Score to win:</source>
        <translation>(Para ganar:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Grid: 6 x 4 </source>
        <translation>Cuadrícula: 6 x 4 </translation>
    </message>
    <message>
        <source>Sequence </source>
        <translation>Secuencia </translation>
    </message>
    <message>
        <source>Cards: 10 </source>
        <translation>Cartas: 10 </translation>
    </message>
    <message>
        <source>Cards: 52 </source>
        <translation>Cartas: 52 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Game Won</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>Game Lost</source>
        <translation>Partida perdida</translation>
    </message>
    <message>
        <source>Grid: 4 x 3</source>
        <translation>Cuadrícula: 4 x 3</translation>
    </message>
    <message>
        <source>Grid: 6 x 4</source>
        <translation>Cuadrícula: 6 x 4</translation>
    </message>
    <message>
        <source>Grid: 8 x 5</source>
        <translation>Cuadrícula: 8 x 5</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>No se encuentra la imagen de fondo personalizada: </translation>
    </message>
    <message>
        <source>The format of the Customized background image is not valid.<byte value="xd"/></source>
        <translation>El formato de la imagen de fondo personalizada no es válido.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Customized cards set image not found: </source>
        <translation>No se encuentra la imagen de la baraja personalizada: </translation>
    </message>
    <message>
        <source>The format of the Customized card set image is not valid.<byte value="xd"/></source>
        <translation>El formato de la imagen de la baraja personalizada no es válido.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels. For the best graphics display the screen resolution should be set to 800x600 pixels or higher. However, it&apos;s possible to play </source>
        <translation>Su tarjeta gráfica muestra 640x480 píxeles. Para una mejor visualización, la resolución de pantalla debería ser de 800x600 píxeles o más. Aun así, puede jugar a </translation>
    </message>
    <message>
        <source>using a predefined cards set.</source>
        <translation>con una baraja predefinida.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 800x600 pixels. For the best graphics display of this game the screen resolution should be set to 1024x768 pixels or higher. However, it&apos;s possible to play </source>
        <translation>Su tarjeta gráfica muestra 800x600 píxeles. Para una mejor visualización de este juego, la resolución de pantalla debería ser de 1024x768 píxeles o más. Aun así, puede jugar a </translation>
    </message>
    <message>
        <source>You have selected the Large size Card Set. It&apos;s possible to play </source>
        <translation>Ha elegido la baraja grande. Puede jugar a </translation>
    </message>
    <message>
        <source>using the Normal size Card Set.</source>
        <translation>con la baraja normal.</translation>
    </message>
    <message>
        <source>Customized deck image not found: </source>
        <translation>No se encuentra la imagen de reverso personalizada: </translation>
    </message>
    <message>
        <source>The format of the Customized deck image is not valid.<byte value="xd"/></source>
        <translation>El formato de la imagen de reverso personalizada no es válido.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>No se puede encontrar o cargar </translation>
    </message>
    <message>
        <source>The rules of the game &quot;</source>
        <translation>Las reglas del juego «</translation>
    </message>
    <message>
        <source>&quot; in the file
</source>
        <translation>» del archivo
</translation>
    </message>
    <message>
        <source>
are damaged:
</source>
        <translation>
están dañadas:
</translation>
    </message>
    <message>
        <source>
The game may not play as it should; reinstalling the program repairs the file.</source>
        <translation>
Es posible que el juego no funcione bien; reinstalar el programa repara el archivo.</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Error 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>Misses: </source>
        <translation>Fallos: </translation>
    </message>
    <message>
        <source> slip)</source>
        <translation> despiste)</translation>
    </message>
    <message>
        <source> slips)</source>
        <translation> despistes)</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>¿Abandonar esta partida?</translation>
    </message>
    <message>
        <source>Error suit - 1</source>
        <translation>Error palo - 1</translation>
    </message>
    <message>
        <source>The rules of the game &quot;%1&quot; cannot be read from the file
%2
The file is damaged; the game cannot be played. Reinstalling the program repairs it.</source>
        <translation>Las reglas del juego «%1» no se pueden leer del archivo
%2
El archivo está dañado; no se puede jugar. Reinstalar el programa lo repara.</translation>
    </message>
    <message>
        <source>Error in parameters</source>
        <translation>Error en los parámetros</translation>
    </message>
    <message>
        <source>Cannot find file:
</source>
        <translation>No se encuentra el archivo:
</translation>
    </message>
    <message>
        <source>
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Copie el archivo en la carpeta indicada arriba
o reinstale el programa.</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>El archivo </translation>
    </message>
    <message>
        <source> holds no game of this edition.
Reinstall the program.</source>
        <translation> no contiene ningún juego de esta edición.
Reinstale el programa.</translation>
    </message>
    <message>
        <source>Your video card&apos;s display is 640x480 pixels.
You can&apos;t play: </source>
        <translation>Su tarjeta gráfica muestra 640x480 píxeles.
No puede jugar a: </translation>
    </message>
    <message>
        <source>
Please set your screen resolution to 800x600 pixels or higher.</source>
        <translation>
Ajuste la resolución de pantalla a 800x600 píxeles o más.</translation>
    </message>
    <message>
        <source>Start a new game for player </source>
        <translation>¿Empezar una nueva partida para el jugador </translation>
    </message>
    <message>
        <source>Please enter at least 1 character.</source>
        <translation>Escriba al menos 1 carácter.</translation>
    </message>
    <message>
        <source>This player name already exists.</source>
        <translation>Este nombre de jugador ya existe.</translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;[&quot; or contain &quot;=&quot;.</source>
        <translation>Un nombre de jugador no puede empezar por «[» ni contener «=».</translation>
    </message>
    <message>
        <source>The settings file names the player &quot;%s&quot;, who cannot be used:
a player name cannot begin with &quot;[&quot; or contain &quot;=&quot;. The name is left out.</source>
        <translation>El archivo de configuración nombra al jugador «%s», que no se puede usar:
un nombre de jugador no puede empezar por «[» ni contener «=». Se omite el nombre.</translation>
    </message>
    <message>
        <source>It is impossible to delete the selected player.</source>
        <translation>No se puede eliminar el jugador seleccionado.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected player?
Note: the statistics for this player will also be deleted.</source>
        <translation>¿Seguro que desea eliminar el jugador seleccionado?
Nota: también se eliminarán las estadísticas de este jugador.</translation>
    </message>
    <message>
        <source>Select a player.</source>
        <translation>Seleccione un jugador.</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. 
If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>Su controlador de vídeo admite ahora 256 colores o menos. Este programa aprovecha las paletas de 16 bits (65.536 colores) o de 24 bits (16,8 millones de colores) y resoluciones mayores. 
Si su controlador de vídeo permite los modos High Color o True Color (16 o 24 bits), cambie la configuración de la pantalla en las preferencias de pantalla del sistema.</translation>
    </message>
    <message>
        <source>Cannot save the settings in the file:
</source>
        <translation>No se pueden guardar los ajustes en el archivo:
</translation>
    </message>
    <message>
        <source>The game results file was damaged or could not be read.
It has been kept as &quot;%s&quot; and a new results file is started.</source>
        <translation>El archivo de resultados estaba dañado o no se podía leer.
Se ha guardado como «%s» y se empieza un archivo de resultados nuevo.</translation>
    </message>
    <message>
        <source>Some game results were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Algunos resultados estaban dañados y se han descartado; los demás se conservan.
El archivo tal como estaba se ha guardado como «%s».</translation>
    </message>
    <message>
        <source>The game results file is damaged or cannot be read, and it cannot be moved aside.
Results of this session are not kept.</source>
        <translation>El archivo de resultados está dañado o no se puede leer, y no se puede apartar.
Los resultados de esta sesión no se guardan.</translation>
    </message>
    <message>
        <source>Game results cannot be saved: the DATA folder cannot be written.
Results of this session are not kept.</source>
        <translation>No se pueden guardar los resultados: no se puede escribir en la carpeta DATA.
Los resultados de esta sesión no se guardan.</translation>
    </message>
    <message>
        <source>
to: </source>
        <translation>
a: </translation>
    </message>
    <message>
        <source>Cannot open file </source>
        <translation>No se puede abrir el archivo </translation>
    </message>
    <message>
        <source>Error creating temp file.</source>
        <translation>Error al crear el archivo temporal.</translation>
    </message>
    <message>
        <source>Write error on file</source>
        <translation>Error de escritura en el archivo</translation>
    </message>
    <message>
        <source>Error in deleting the file: </source>
        <translation>Error al eliminar el archivo: </translation>
    </message>
    <message>
        <source>Error in renaming the file: </source>
        <translation>Error al cambiar el nombre del archivo: </translation>
    </message>
    <message>
        <source>It appears as if the Internet Single Game Values are incorrect or corrupted.
The Internet Single Game Values will be deleted and reset to zero.</source>
        <translation>Los valores de partida individual parecen incorrectos o dañados.
Se borrarán y se pondrán a cero.</translation>
    </message>
    <message>
        <source>The hi-score file is not in a format the program knows.
It has been kept, unchanged, as &quot;%s&quot;.</source>
        <translation>El archivo de mejores puntuaciones no tiene un formato que el programa conozca.
Se ha guardado, sin cambios, como «%s».</translation>
    </message>
    <message>
        <source>The file as it was has been kept as &quot;</source>
        <translation>El archivo tal como estaba se ha guardado como «</translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Rellene los huecos del tablero antes de repartir.</translation>
    </message>
    <message>
        <source>The picture cannot be copied into the program&apos;s folder.<byte value="xd"/></source>
        <translation>La imagen no se puede copiar en la carpeta del programa.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The picture cannot be removed:<byte value="xd"/></source>
        <translation>La imagen no se puede quitar:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Forgetful</source>
        <translation>Olvidadizo</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Relajado</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Atento</translation>
    </message>
    <message>
        <source>Perfect memory</source>
        <translation>Memoria perfecta</translation>
    </message>
    <message>
        <source>Match my level</source>
        <translation>A mi nivel</translation>
    </message>
    <message>
        <source>The file of replays was damaged and could not be read.
It has been kept as &quot;%s&quot; and a new one is started.</source>
        <translation>El archivo de repeticiones estaba dañado y no se pudo leer.
Se ha guardado como &quot;%s&quot; y se empieza uno nuevo.</translation>
    </message>
    <message>
        <source>Some replays were damaged and have been left out; the others are kept.
The file as it was has been kept as &quot;%s&quot;.</source>
        <translation>Algunas repeticiones estaban dañadas y se han omitido; las demás se conservan.
El archivo tal como estaba se ha guardado como &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Replays cannot be saved: the DATA folder cannot be written.
Replays of this session are not kept.</source>
        <translation>No se pueden guardar las repeticiones: no se puede escribir en la carpeta DATA.
Las repeticiones de esta sesión no se conservan.</translation>
    </message>
</context>
<context>
    <name>OpenGameText</name>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Todos los juegos (de la A a la Z)</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Abrir un juego</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Elija un juego:</translation>
    </message>
    <message>
        <source>&amp;Show won and lost</source>
        <translation>&amp;Mostrar ganados y perdidos</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Barajas:</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Dificultad:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Habilidad:</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Probabilidad de ganar:</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Repartos:</translation>
    </message>
    <message>
        <source>Results go to: %1 (now playing: %2)</source>
        <translation>Resultados para: %1 (juega ahora: %2)</translation>
    </message>
    <message>
        <source>Results go to: %1</source>
        <translation>Resultados para: %1</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Elija un juego</translation>
    </message>
</context>
<context>
    <name>PlayersText</name>
    <message>
        <source>&amp;Player name: </source>
        <translation>&amp;Nombre del jugador: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>&amp;Select a player:</source>
        <translation>&amp;Elija un jugador:</translation>
    </message>
    <message>
        <source> &amp;New</source>
        <translation> &amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Añadir un jugador</translation>
    </message>
    <message>
        <source>Edit a player</source>
        <translation>Editar un jugador</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReplayText</name>
    <message>
        <source>pair</source>
        <translation>pareja</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>fallo</translation>
    </message>
    <message>
        <source>slip</source>
        <translation>despiste</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>%1-%2-%3, deal %4: %5, %6</source>
        <translation>%3/%2/%1, reparto %4: %5, %6</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 turno</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 turnos</translation>
    </message>
    <message>
        <source>%1 slip</source>
        <translation>%1 despiste</translation>
    </message>
    <message>
        <source>%1 slips</source>
        <translation>%1 despistes</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>First turn</source>
        <translation>Primer turno</translation>
    </message>
    <message>
        <source>Turn back</source>
        <translation>Turno anterior</translation>
    </message>
    <message>
        <source>Turn forward</source>
        <translation>Turno siguiente</translation>
    </message>
    <message>
        <source>Last turn</source>
        <translation>Último turno</translation>
    </message>
    <message>
        <source>%1 s a turn</source>
        <translation>%1 s por turno</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>This game cannot be shown: its deal is no longer dealt as it was.</source>
        <translation>Esta partida no se puede mostrar: su reparto ya no se reparte como entonces.</translation>
    </message>
    <message>
        <source>Deal %1 as dealt; %2 to come.</source>
        <translation>Reparto %1 tal como se repartió; faltan %2.</translation>
    </message>
    <message>
        <source>Turn %1 of %2: %3, %4.</source>
        <translation>Turno %1 de %2: %3, %4.</translation>
    </message>
    <message>
        <source>It had been seen %1 before (row %2, column %3).</source>
        <translation>Se había visto %1 antes (fila %2, columna %3).</translation>
    </message>
    <message>
        <source>%1 should have been paired: its partner had been seen %2 before (row %3, column %4).</source>
        <translation>%1 debía haberse emparejado: su pareja se había visto %2 antes (fila %3, columna %4).</translation>
    </message>
    <message>
        <source>No finished game of this game has been kept to replay yet.</source>
        <translation>Todavía no se ha guardado ninguna partida terminada de este juego para repetirla.</translation>
    </message>
</context>
<context>
    <name>SplashText</name>
    <message>
        <source>Memory card games</source>
        <translation>Juegos de memoria con cartas</translation>
    </message>
    <message>
        <source>, version </source>
        <translation>, versión </translation>
    </message>
    <message>
        <source>Starting </source>
        <translation>Iniciando </translation>
    </message>
</context>
<context>
    <name>StartupText</name>
    <message>
        <source>The DATA folder in the program folder cannot be written:
%1
Settings, statistics and results are kept in this folder instead:
%2</source>
        <translation>No se puede escribir en la carpeta DATA de la carpeta del programa:
%1
Los ajustes, estadísticas y resultados se guardan en su lugar en esta carpeta:
%2</translation>
    </message>
</context>
<context>
    <name>StatisticsText</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Win %</source>
        <translation>% ganadas</translation>
    </message>
    <message>
        <source>Best
score</source>
        <translation>Mejores
puntos</translation>
    </message>
    <message>
        <source>Best
time</source>
        <translation>Mejor
tiempo</translation>
    </message>
    <message>
        <source>Average
score</source>
        <translation>Media de
puntos</translation>
    </message>
    <message>
        <source>Current
streak</source>
        <translation>Racha
actual</translation>
    </message>
    <message>
        <source>Longest
streak</source>
        <translation>Mejor
racha</translation>
    </message>
    <message>
        <source>Perfect
games</source>
        <translation>Partidas
perfectas</translation>
    </message>
    <message>
        <source>Misses
per game</source>
        <translation>Fallos
por partida</translation>
    </message>
    <message>
        <source>Slips
per game</source>
        <translation>Despistes
por partida</translation>
    </message>
    <message>
        <source>to win</source>
        <translation>para ganar</translation>
    </message>
    <message>
        <source>score of a won game</source>
        <translation>puntos de partida ganada</translation>
    </message>
    <message>
        <source>score of a lost game</source>
        <translation>puntos de partida perdida</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Poner a cero...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Last %1 games of %2: score and time</source>
        <translation>Últimas %1 partidas de %2: puntos y tiempo</translation>
    </message>
    <message>
        <source>No games played yet.</source>
        <translation>Aún no se ha jugado ninguna partida.</translation>
    </message>
    <message>
        <source>Reset the statistics of %s?
The results of every game of this player are deleted.</source>
        <translation>¿Poner a cero las estadísticas de %s?
Se eliminan los resultados de todas las partidas de este jugador.</translation>
    </message>
    <message>
        <source>%1 (look %2 s)</source>
        <translation>%1 (vista %2 s)</translation>
    </message>
    <message>
        <source>Deal of the day: %1 day in a row</source>
        <translation>Reparto del día: %1 día seguido</translation>
    </message>
    <message>
        <source>Deal of the day: %1 days in a row</source>
        <translation>Reparto del día: %1 días seguidos</translation>
    </message>
    <message>
        <source>Recall span (turns)</source>
        <translation>Alcance de memoria (turnos)</translation>
    </message>
    <message>
        <source>Slips per game, with trend</source>
        <translation>Despistes por partida, con tendencia</translation>
    </message>
    <message>
        <source>Where slips happen</source>
        <translation>Dónde ocurren los despistes</translation>
    </message>
    <message>
        <source>the last game</source>
        <translation>la última partida</translation>
    </message>
    <message>
        <source>last %1 games</source>
        <translation>últimas %1 partidas</translation>
    </message>
    <message>
        <source>No slips</source>
        <translation>Ningún despiste</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Score and time</source>
        <translation>Puntuación y tiempo</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Re&amp;play...</source>
        <translation>Re&amp;petir...</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Sum = %1</source>
        <translation>Suma = %1</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Joker</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Empty place</source>
        <translation>Lugar vacío</translation>
    </message>
    <message>
        <source>Face-down card, row %1, column %2</source>
        <translation>Carta boca abajo, fila %1, columna %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Pareja encontrada</translation>
    </message>
    <message>
        <source>No pair</source>
        <translation>No es pareja</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
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
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Mesa de cartas</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
