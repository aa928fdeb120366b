<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: il plugin del sistema di finestre (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: dove cercare i plugin del sistema di finestre.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: il tema della piattaforma.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: carica un plugin di input aggiuntivo.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: il display X da usare al posto di $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: la geometria della finestra principale su X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: la geometria della prima finestra.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: l&apos;icona predefinita delle finestre.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: il titolo della prima finestra.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: ripristina la sessione indicata.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: lo stile dei controlli.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: un foglio di stile per i controlli.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: disponi le finestre da destra a sinistra.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: indica alla fine il numero di controlli rimasti.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: impostazioni del debugger QML.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: non catturare mai mouse o tastiera (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: cattura anche sotto un debugger (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: esegui le richieste X11 in modo sincrono, per il debug.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook allena i bambini nel calcolo mentale.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argomento inatteso: %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Scorri a sinistra</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Scorri a destra</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook: risultati</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>Nessun esercizio registrato finora. I risultati compariranno qui dopo il primo esercizio.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>Ultimi 7 giorni: %1 esercizi · %2 % giuste · tempo di risposta abituale %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>Nessun esercizio negli ultimi 7 giorni.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ %1 % di risposte giuste in più rispetto alla settimana prima</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ %1 % di risposte giuste in meno rispetto alla settimana prima</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● tante risposte giuste quante la settimana prima</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>risposte più veloci di %1</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>risposte più lente di %1</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>Nessun esercizio la settimana prima con cui confrontare.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Right answers and typical answer time by day</source>
        <translation>Risposte giuste e tempo di risposta abituale per giorno</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Risposte giuste, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Tempo di risposta abituale, s</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Esercizi recenti</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>Mostrati %1 esercizi su %2</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Mostra altri</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Domande dell&apos;esercizio scelto</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Scegli un esercizio per vederne le domande.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Sbagliate più spesso (ultime 8 settimane)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Tipi</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Tempo per domanda</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Risposta abituale</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Tempo di risposta</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>L&apos;operazione è</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Volte mostrata</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>finestra</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>schermo intero</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>completato</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>programma chiuso</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>non finito</translation>
    </message>
    <message>
        <source>true</source>
        <translation>vera</translation>
    </message>
    <message>
        <source>false</source>
        <translation>falsa</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tasto</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>battito</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ giusto</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ errore</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Esporta in CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Esporta i risultati</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-risultati.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Impossibile scrivere i risultati in %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Cancella la cronologia…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Cancella la cronologia</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Eliminare i dati di tutti gli esercizi? L&apos;operazione non si può annullare.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Impossibile cancellare la cronologia.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>I risultati non vengono salvati: impossibile aprire il file %1. Gli esercizi funzionano comunque.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>Il file dei risultati %1 era usato da un altro programma; alcuni risultati potrebbero essere ancora da salvare.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>Il file dei risultati era danneggiato. È stato conservato come %1 e ne è stato creato uno nuovo.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Alcuni risultati non sono stati salvati in %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Prova il microfono</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>batti due volte</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Fondo fino a %1, battiti %2 e %3: soglia proposta %4.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Solo un battito si è distinto dal fondo. Batti due volte, un po&apos; più forte.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>I battiti non erano chiaramente più forti del fondo (fino a %1). La soglia resta com&apos;era.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Dal microfono non è arrivato nulla.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Ultimo esercizio: %1 giuste su %2, %3 punti, tempo di risposta abituale %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>Nessun battito sentito. Batti due volte vicino al microfono. La soglia resta com&apos;era.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Bambino:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Primo bambino</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Risposte per giorno</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Fatti numerici</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Fatti imparati per giorno</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Quota di fatti di livello 1 imparati, per giorno</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % imparati</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>%1 su %2 imparati</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>imparato (giusto e veloce in 2 degli ultimi 3 tentativi)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>in apprendimento</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>non ancora chiesto</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Imparati: %1 fatti di livello 1 su %2 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>%1 giuste su %2; il silenzio avrebbe dato %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>%1 in più del silenzio</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>%1 in meno del silenzio</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>non supera il silenzio</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Risultato e silenzio</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Silenzio, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>addizione e sottrazione</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>moltiplicazione e divisione</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Salva il resoconto (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Salva il resoconto</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-resoconto-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Impossibile scrivere il resoconto in %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: progressi di %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Periodo: dal %1 al %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Esercizi: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Risposte giuste: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Tempo di risposta abituale: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Fatti di livello 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Sbagliate più spesso</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — sbagliata %2 volte su %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Creato il %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Nessun esercizio registrato finora.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Questa cronologia è stata scritta da una versione più recente di Numbrook e resta com&apos;è. Gli esercizi svolti qui sono conservati a parte in %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>Voci, musica o rumore raggiungevano la soglia.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Stanza %1, battiti %2 e %3: proposto «Solo battiti» con soglia %4.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile impostare i dati per «%1»</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Difficoltà delle domande</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Velocità di cambio delle domande</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Operazioni consentite</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Risoluzione dello schermo</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Scelta del tasto di risposta</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Mostra i suggerimenti a comparsa</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Riduci il programma all&apos;avvio</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Avvio auto</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Avvia il programma all&apos;accesso</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>Vedi SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>Mostra i dispositivi SPDIF</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Mostra i punti</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Mostra l&apos;immagine di aiuto</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC – chiudi lo schermo</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Apri la guida</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Vai al nostro sito</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Riduci nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Visita la pagina del programma</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Addizione e sottrazione</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Moltiplicazione e divisione</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Maggiore e minore</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Frazioni</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Numeri decimali</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Logaritmo naturale</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Logaritmo decimale</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fattoriale</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Seno e coseno</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Tangente e cotangente</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Scheda audio</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>L</source>
        <translation>S</translation>
    </message>
    <message>
        <source>R</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Lvl</source>
        <translation>Liv.</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>File esterno</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Soglia</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Numero di flussi Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Numero di flussi In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Giuste:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Errori:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>L&apos;operazione è giusta?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>Il tasto di risposta funziona solo mentre una finestra di Numbrook è attiva.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Velocità precedente</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Velocità successiva</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Microfono precedente</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Microfono successivo</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Tasto di risposta precedente</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Tasto di risposta successivo</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Lingua precedente</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Lingua successiva</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Segnale del microfono</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Segnale del tasto di risposta</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Soglia</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume del microfono</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Livello del microfono</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Suono in riproduzione</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Testo grande</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Mostra la domanda su tutta la lavagna</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Bambino</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Chi gioca ora: ogni bambino ha impostazioni e risultati suoi</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Bambino precedente</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Bambino successivo</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Aggiungi bambino</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Primo bambino</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Nuovo bambino</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Nome e immagine</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Nessuna immagine</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Scrivi il nome del bambino.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Un altro bambino ha già questo nome.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>Il database dei risultati ora non è disponibile. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Rimuovi bambino</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>Rimuovere %1 e tutti i suoi risultati? L&apos;operazione non si può annullare.</translation>
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
        <source>%1, is the expression correct?</source>
        <translation>%1, l&apos;operazione è giusta?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Chiedi soprattutto i fatti che il bambino non sa ancora</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>solo livello 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Imparato entro</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Un fatto conta come imparato quando il bambino risponde alla sua operazione vera entro questo tempo</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Meno tempo</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Più tempo</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 sec.</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Segni scolastici</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Mostra i segni come a scuola: × : − invece di * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: guida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>Il testo della guida %1 non è stato trovato. È stato cercato in:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Nessun suono in riproduzione</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Finestra 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Dispositivo di uscita precedente</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Dispositivo di uscita successivo</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Volume sinistro</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Volume destro</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Livello sinistro</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Livello destro</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>File audio precedente</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>File audio successivo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Ferma la riproduzione</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Avvia la registrazione</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Ferma la registrazione</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Registro audio</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Solo battiti</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Rispondere solo a un battito di mani, non a voci, musica o televisione; la soglia indica allora quanto il battito deve superare il rumore della stanza</translation>
    </message>
</context>
</TS>
