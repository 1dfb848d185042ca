<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>nessuna parola</source>
        <translation>no word</translation>
    </message>
    <message>
        <source>%1 e %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>posizione %1 %2</source>
        <translation>position %1 %2</translation>
    </message>
    <message>
        <source>posizioni %1 %2</source>
        <translation>positions %1 %2</translation>
    </message>
    <message>
        <source>%1, %2 al suo posto</source>
        <translation>%1, %2 in its place</translation>
    </message>
    <message>
        <source>%1, la lettera è altrove</source>
        <translation>%1, the letter is elsewhere</translation>
    </message>
    <message>
        <source>%1, lettera %2</source>
        <translation>%1, letter %2</translation>
    </message>
    <message>
        <source>da scoprire</source>
        <translation>still hidden</translation>
    </message>
    <message>
        <source>assente</source>
        <translation>not in the word</translation>
    </message>
    <message>
        <source>%1, vuota</source>
        <translation>%1, empty</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Riga %1, posizione %2: %3</source>
        <translation>Row %1, position %2: %3</translation>
    </message>
    <message>
        <source>%1 al suo posto in posizione %2</source>
        <translation>%1 in its place at position %2</translation>
    </message>
    <message>
        <source>Riga %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>%1: %2, parola indovinata.</source>
        <translation>%1: %2, word found.</translation>
    </message>
    <message>
        <source>%1, %2: sbagliata, la parola era %3.</source>
        <translation>%1, %2: wrong, the word was %3.</translation>
    </message>
    <message>
        <source>altrove</source>
        <translation>elsewhere</translation>
    </message>
    <message>
        <source>assenti</source>
        <translation>not in the word</translation>
    </message>
    <message>
        <source>vuota</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>vuote</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1, %2: %3.</source>
        <translation>%1, %2: %3.</translation>
    </message>
    <message>
        <source>Tabellone</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Sei righe di cinque caselle</source>
        <translation>Six rows of five squares</translation>
    </message>
    <message>
        <source>Parola da indovinare</source>
        <translation>Word to guess</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Player&apos;s name</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Accetta</source>
        <translation>Guess</translation>
    </message>
    <message>
        <source>Hiscores</source>
        <translation>High Scores</translation>
    </message>
    <message>
        <source>Voce</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Dizionario</source>
        <translation>Word list</translation>
    </message>
    <message>
        <source>Lingua delle parole</source>
        <translation>Language of the words</translation>
    </message>
    <message>
        <source>Decorazione</source>
        <translation>Decoration</translation>
    </message>
    <message>
        <source>Sito dell&apos;autore: %1</source>
        <translation>Author&apos;s website: %1</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Manche</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Secondi</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Tentativo %1</source>
        <translation>Try %1</translation>
    </message>
    <message>
        <source>TESMO</source>
        <translation>TESMO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Contatti</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Icona di Tesmo</source>
        <translation>Tesmo icon</translation>
    </message>
    <message>
        <source>Collegamento alla pagina dell&apos;autore</source>
        <translation>Link to the author&apos;s page</translation>
    </message>
    <message>
        <source>Collegamento per scrivere all&apos;autore</source>
        <translation>Link to write to the author</translation>
    </message>
    <message>
        <source>Collegamento al negozio</source>
        <translation>Link to the shop</translation>
    </message>
    <message>
        <source>Miglior giocatore</source>
        <translation>Best player</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>nobody</translation>
    </message>
    <message>
        <source>Manche %1. </source>
        <translation>Round %1. </translation>
    </message>
    <message>
        <source>bianca</source>
        <translation>white</translation>
    </message>
    <message>
        <source>arancione</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>verde</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>rossa</source>
        <translation>red</translation>
    </message>
    <message>
        <source>nera</source>
        <translation>black</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Uso: tesmo [opzioni]

Tesmo, il gioco della parola nascosta di cinque lettere.

Opzioni:
</source>
        <translation>Usage: tesmo [options]

Tesmo, the game of the hidden five-letter word.

Options:
</translation>
    </message>
    <message>
        <source>
Sono accettate anche le opzioni di Qt, come -platform e -style.
</source>
        <translation>
Qt&apos;s own options, such as -platform and -style, are accepted too.
</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Mostra il nome e la versione del gioco ed esce.</source>
        <translation>Show the game&apos;s name and version and exit.</translation>
    </message>
    <message>
        <source>Colora le caselle per chi distingue male i colori: arancione la lettera che è altrove, blu la lettera assente (invece di verde e rosso).</source>
        <translation>Colour the squares for players who tell colours apart poorly: orange for a letter that is elsewhere, blue for a letter not in the word (instead of green and red).</translation>
    </message>
    <message>
        <source>tesmo: opzione sbagliata (%1)
</source>
        <translation>tesmo: bad option (%1)
</translation>
    </message>
    <message>
        <source>tesmo: opzione sconosciuta: %1
</source>
        <translation>tesmo: unknown option: %1
</translation>
    </message>
    <message>
        <source>Le opzioni sono elencate da: tesmo --help
</source>
        <translation>The options are listed by: tesmo --help
</translation>
    </message>
    <message>
        <source>tesmo: argomento inatteso: %1
</source>
        <translation>tesmo: unexpected argument: %1
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>TESMO 2009</source>
        <translation>TESMO 2009</translation>
    </message>
    <message>
        <source>Visita il sito dell&apos;autore</source>
        <translation>Visit the author&apos;s website</translation>
    </message>
    <message>
        <source>Scrivi qua sotto la soluzione</source>
        <translation>Type your guess below</translation>
    </message>
    <message>
        <source>Giocatore:</source>
        <translation>Player:</translation>
    </message>
    <message>
        <source>Dizionario:</source>
        <translation>Words:</translation>
    </message>
    <message>
        <source>Secondi trascorsi</source>
        <translation>Seconds elapsed</translation>
    </message>
    <message>
        <source>Voce&gt;</source>
        <translation>Voice&gt;</translation>
    </message>
    <message>
        <source>1* Tentativo</source>
        <translation>1st try</translation>
    </message>
    <message>
        <source>2* Tentativo</source>
        <translation>2nd try</translation>
    </message>
    <message>
        <source>3* Tentativo</source>
        <translation>3rd try</translation>
    </message>
    <message>
        <source>4* Tentativo</source>
        <translation>4th try</translation>
    </message>
    <message>
        <source>5* Tentativo</source>
        <translation>5th try</translation>
    </message>
    <message>
        <source>Punti :</source>
        <translation>Points :</translation>
    </message>
    <message>
        <source>Punti fatti</source>
        <translation>Points scored</translation>
    </message>
    <message>
        <source>Manche :</source>
        <translation>Round :</translation>
    </message>
    <message>
        <source>Manche (n/5)</source>
        <translation>Round (n/5)</translation>
    </message>
    <message>
        <source>&amp;Accetta</source>
        <translation>&amp;Guess</translation>
    </message>
    <message>
        <source>Accetta soluzione (Invio)</source>
        <translation>Submit your guess (Enter)</translation>
    </message>
    <message>
        <source>5 tentativi</source>
        <translation>5 tries</translation>
    </message>
    <message>
        <source>Gioco con 5 input</source>
        <translation>Play with 5 tries</translation>
    </message>
    <message>
        <source>6 tentativi</source>
        <translation>6 tries</translation>
    </message>
    <message>
        <source>Gioco con 6 input</source>
        <translation>Play with 6 tries</translation>
    </message>
    <message>
        <source>Voce effetti sonori</source>
        <translation>Voice of the sound effects</translation>
    </message>
    <message>
        <source>Anonimo</source>
        <translation>Anonymous</translation>
    </message>
    <message>
        <source>Per cambiare nome del giocatore corrente</source>
        <translation>To change the current player&apos;s name</translation>
    </message>
    <message>
        <source>&amp;Hiscores</source>
        <translation>&amp;High Scores</translation>
    </message>
    <message>
        <source>Mostra tabella records</source>
        <translation>Show the high-score table</translation>
    </message>
    <message>
        <source>Fi&amp;ne</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Esce dal gioco</source>
        <translation>Leave the game</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nuova Partita</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Aiuto veloce</source>
        <translation>&amp;Quick Help</translation>
    </message>
    <message>
        <source>A&amp;iuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Scrivi E-Mail all&apos;autore ...</source>
        <translation>&amp;E-mail the Author ...</translation>
    </message>
    <message>
        <source>&amp;Visita Home Page ...</source>
        <translation>&amp;Visit Home Page ...</translation>
    </message>
    <message>
        <source>&amp;Vosti Letter Pack ...</source>
        <translation>Vosti &amp;Letter Pack ...</translation>
    </message>
    <message>
        <source>Acquista VLP On-line ...</source>
        <translation>&amp;Buy VLP Online ...</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Tesmo - Complimenti!</source>
        <translation>Tesmo - Well Done!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Torna al gioco</source>
        <translation>Back to the game</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Tesmo</source>
        <translation>Tesmo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Torna al gioco</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>Per ricevere il CD-ROM con tutto il Vosti Letter Pack (Diversi giochi con le lettere registrati, giochi con le carte, utilities ed altro) visitare questo sito:</source>
        <translation>To get the CD-ROM with the whole Vosti Letter Pack (several registered word games, card games, utilities and more) visit this site:</translation>
    </message>
    <message>
        <source>Per gli effetti sonori  ringrazio Tobio e Serilla le cui voci sono state campionate alla loro età di 23 mesi.</source>
        <translation>For the sound effects my thanks go to Tobio and Serilla, whose voices were recorded at the age of 23 months.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TESMO - Hiscores Table</source>
        <translation>TESMO - High Score Table</translation>
    </message>
    <message>
        <source>Vosti The Best</source>
        <translation>Vosti The Best</translation>
    </message>
    <message>
        <source>Er mejo (per adesso)</source>
        <translation>The very best (for now)</translation>
    </message>
    <message>
        <source>(The Best)</source>
        <translation>(The Best)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Torna al gioco</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>Migliori punteggi</source>
        <translation>Best scores</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>  %1 - %2 %3%4 - Italiano</source>
        <comment>a row of the table: rank, name, sign, points</comment>
        <translation>  %1 - %2 %3%4 - Italian</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Il gioco non può scrivere le sue parole, le impostazioni e i record: la cartella &quot;%1&quot; non si può creare o non si può scrivere.</source>
        <translation>The game cannot write its words, its settings and its high scores: the folder &quot;%1&quot; cannot be created or cannot be written to.</translation>
    </message>
    <message>
        <source>TESMO</source>
        <translation>TESMO</translation>
    </message>
    <message>
        <source>Il gioco non può scrivere le sue parole, le impostazioni e i record: non si trova la cartella personale dell&apos;utente (HOME).</source>
        <translation>The game cannot write its words, its settings and its high scores: the user&apos;s home folder (HOME) cannot be found.</translation>
    </message>
    <message>
        <source>Il gioco non può scrivere le sue parole, le impostazioni e i record: il disco della cartella &quot;%1&quot; è pieno.</source>
        <translation>The game cannot write its words, its settings and its high scores: the disk of the folder &quot;%1&quot; is full.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>il file non c&apos;è</source>
        <translation>the file is not there</translation>
    </message>
    <message>
        <source>il file è un collegamento</source>
        <translation>the file is a link</translation>
    </message>
    <message>
        <source>al posto del file c&apos;è una cartella</source>
        <translation>there is a folder where the file should be</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>cartella di sola lettura</source>
        <translation>the folder is read-only</translation>
    </message>
    <message>
        <source>disco pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>il file è in uso da un&apos;altra copia del gioco</source>
        <translation>the file is in use by another copy of the game</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>disk error</translation>
    </message>
</context>
<context>
    <name>TesmoGame</name>
    <message>
        <source>Tesmo - Fine Partita</source>
        <translation>Tesmo - Game Over</translation>
    </message>
    <message>
        <source>Mi spiace, la risposta è errata! Il gioco finisce qua, vuoi fare un&apos;altra partitina?</source>
        <translation>Sorry, that&apos;s wrong! The game ends here. Would you like another game?</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non si può salvare: %2.</source>
        <translation>The file &quot;%1&quot; cannot be saved: %2.</translation>
    </message>
    <message>
        <source>TESMO</source>
        <translation>TESMO</translation>
    </message>
    <message>
        <source>Italiano</source>
        <comment>the entry of &quot;Dizionario&quot; a game starts on: the word list in this language, as tools/wordlists/lists.tsv names it</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>Le parole sono state tutte estratte &apos;OK&apos; per ripeterle</source>
        <translation>Every word has been drawn: &apos;OK&apos; to play them again</translation>
    </message>
    <message>
        <source>Manca il file delle parole &quot;%1&quot; nella cartella del gioco.</source>
        <translation>The word file &quot;%1&quot; is missing from the game&apos;s folder.</translation>
    </message>
    <message>
        <source>Il file delle parole &quot;%1&quot; non contiene nessuna parola.</source>
        <translation>The word file &quot;%1&quot; holds no words.</translation>
    </message>
    <message>
        <source>Il file delle parole &quot;%1&quot; non si può leggere.</source>
        <translation>The word file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Il file delle parole &quot;%1&quot; non si può scrivere.</source>
        <translation>The word file &quot;%1&quot; cannot be written.</translation>
    </message>
    <message>
        <source>La risposta è errata, clicca OK per la manche N.%1</source>
        <translation>That&apos;s wrong. Click OK for round %1.</translation>
    </message>
    <message>
        <source>%1 Sec</source>
        <translation>%1 Sec</translation>
    </message>
    <message>
        <source>ANONIMO</source>
        <comment>the name of a player who has not given one</comment>
        <translation>ANONYMOUS</translation>
    </message>
    <message>
        <source>Si inizia una nuova partita cambiando il numero di tentativi!</source>
        <translation>Changing the number of tries starts a new game!</translation>
    </message>
    <message>
        <source>Tesmo 2009</source>
        <translation>Tesmo 2009</translation>
    </message>
    <message>
        <source>Tesmo è un videogioco ispirato alla omonima trasmissione televisiva. Il gioco consiste nell&apos;indovinare una parola di 5 caratteri nascosta dietro a cinque caselle. L&apos;unico aiuto è che viene mostrata una lettera scoperta all&apos;inizio del gioco. Si possono immettere quattro tentativi di soluzione, ogni volta che si immette una parola il gioco procede rispondendo quale carattere è stato indovinato, nel caso in cui il carattere è stato indovinato ma non è nella posizione giusta viene colorata una casella in verde se il carattere non esiste viene colorata la casella in rosso. Ogni volta che viene indovinata una lettera vengono assegnati alcuni punti e quando viene indovinata la parola vengono assegnati altri punti sempre in funzione del tempo impiegato. Se (dopo 4 (o 5) tentativi) non si indovina la frase il gioco passa alla manche successiva, dopo la quinta manche il gioco termina.</source>
        <translation>Tesmo is a video game inspired by the television quiz of the same name. The aim is to guess a five-letter word hidden behind five squares. The only help is one letter, shown at the start. You have four tries at the answer: each time you enter a word, the game tells you which letters you guessed. A letter that is in the word but not in its place turns its square green; a letter that is not in the word turns its square red. Each letter guessed scores some points, and guessing the word scores more, depending on the time you took. If you do not guess the word (after 4 (or 5) tries), the game moves on to the next round; after the fifth round the game ends.</translation>
    </message>
    <message>
        <source>Tesmo - Help</source>
        <translation>Tesmo - Help</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>the file is not there</translation>
    </message>
    <message>
        <source>manca un programma che lo apra</source>
        <translation>there is no program to open it</translation>
    </message>
    <message>
        <source>Non si può aprire &quot;%1&quot;: %2.</source>
        <translation>Cannot open &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>tesmo.htm</source>
        <comment>the help page&apos;s file: the one in this language, beside it in data/</comment>
        <translation>tesmo.en.htm</translation>
    </message>
    <message>
        <source>Il file delle parole &quot;%1&quot; è in uso da un&apos;altra copia del gioco.</source>
        <translation>The word file &quot;%1&quot; is in use by another copy of the game.</translation>
    </message>
    <message>
        <source>Il file delle parole &quot;%1&quot; non si può scrivere: le parole estratte non si possono segnare come già uscite e possono tornare.</source>
        <translation>The word file &quot;%1&quot; cannot be written: the words drawn cannot be marked as used, so they may come up again.</translation>
    </message>
    <message>
        <source>Il file delle parole &quot;%1&quot; non si può aprire.</source>
        <translation>The word file &quot;%1&quot; cannot be opened.</translation>
    </message>
</context>
</TS>
