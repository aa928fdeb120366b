<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: das Fenstersystem-Plugin (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: wo nach Fenstersystem-Plugins gesucht wird.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: das Plattform-Design.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: ein zusätzliches Eingabe-Plugin laden.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: das X-Display, das statt $DISPLAY benutzt wird.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: die Geometrie des Hauptfensters unter X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: die Geometrie des ersten Fensters.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: das Standard-Fenstersymbol.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: der Titel des ersten Fensters.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: die angegebene Sitzung wiederherstellen.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: der Stil der Bedienelemente.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: ein Stylesheet für die Bedienelemente.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: die Fenster von rechts nach links anordnen.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: am Ende die Zahl der übrigen Bedienelemente melden.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: Einstellungen des QML-Debuggers.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: Maus und Tastatur nie exklusiv belegen (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: auch unter einem Debugger exklusiv belegen (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: X11-Anfragen synchron ausführen, zur Fehlersuche.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook übt mit Kindern das Kopfrechnen.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Nach links scrollen</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Nach rechts scrollen</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook: Ergebnisse</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>Noch keine Übungen aufgezeichnet. Nach der ersten Übung erscheinen hier die Ergebnisse.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>Letzte 7 Tage: %1 Übungen · %2 % richtig · übliche Antwortzeit %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>In den letzten 7 Tagen gab es keine Übungen.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ %1 % mehr richtige Antworten als in der Woche davor</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ %1 % weniger richtige Antworten als in der Woche davor</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● genauso viele richtige Antworten wie in der Woche davor</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>Antworten %1 schneller</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>Antworten %1 langsamer</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>In der Woche davor gab es keine Übungen zum Vergleich.</translation>
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
        <translation>Richtige Antworten und übliche Antwortzeit nach Tagen</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Richtige Antworten, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Übliche Antwortzeit, s</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Letzte Übungen</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>%1 von %2 Übungen angezeigt</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Mehr zeigen</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Aufgaben der gewählten Übung</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Wählen Sie eine Übung, um ihre Aufgaben zu sehen.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Am häufigsten falsch (letzte 8 Wochen)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Arten</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Zeit pro Aufgabe</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Übliche Antwort</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Antwortzeit</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>Aufgabe ist</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Wie oft gezeigt</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d. MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>nicht beendet</translation>
    </message>
    <message>
        <source>true</source>
        <translation>wahr</translation>
    </message>
    <message>
        <source>false</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>Klatschen</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ richtig</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ falsch</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Als CSV exportieren…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-ergebnisse.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Die Ergebnisse konnten nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Verlauf löschen…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Die Aufzeichnungen aller Übungen löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Der Verlauf konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Ergebnisse werden nicht gespeichert: Die Datei %1 lässt sich nicht öffnen. Üben geht trotzdem.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>Die Ergebnisdatei %1 war von einem anderen Programm belegt; manche Ergebnisse warten noch aufs Speichern.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>Die Ergebnisdatei war beschädigt. Sie wurde als %1 aufbewahrt und eine neue angelegt.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Einige Ergebnisse konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Mikrofon testen</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>zweimal klatschen</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Hintergrund bis %1, Klatscher %2 und %3: Schwelle %4 vorgeschlagen.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Nur ein Klatscher hob sich vom Hintergrund ab. Zweimal klatschen, etwas lauter.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>Das Klatschen war nicht deutlich lauter als der Hintergrund (bis %1). Die Schwelle bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Vom Mikrofon kam nichts an.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Letzte Übung: %1 von %2 richtig, %3 Punkte, übliche Antwortzeit %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>Kein Klatschen gehört. Zweimal nah am Mikrofon klatschen. Die Schwelle bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Erstes Kind</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Antworten nach Tagen</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Grundaufgaben</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Gelernte Grundaufgaben nach Tagen</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Anteil gelernter Grundaufgaben der Stufe 1, nach Tagen</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % gelernt</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>%1 von %2 gelernt</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>gelernt (richtig und schnell bei 2 der letzten 3 Versuche)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>wird geübt</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>noch nicht gefragt</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Gelernt: %1 von %2 Grundaufgaben der Stufe 1 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>%1 von %2 richtig; Schweigen hätte %3 ergeben</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>%1 mehr als Schweigen</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>%1 weniger als Schweigen</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>nicht besser als Schweigen</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Ergebnis und Schweigen</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Schweigen, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>Addition und Subtraktion</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>Multiplikation und Division</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>Art %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Bericht speichern (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-bericht-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Der Bericht konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: Fortschritte von %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Zeitraum: %1 bis %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Übungen: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Richtige Antworten: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Übliche Antwortzeit: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Grundaufgaben der Stufe 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Am häufigsten falsch</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — %2 von %3 Mal falsch</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Noch keine Übungen aufgezeichnet.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Dieser Verlauf stammt von einer neueren Numbrook-Version und bleibt unverändert. Die hier gemachten Übungen werden gesondert in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>Sprechen, Musik oder Geräusche erreichten die Schwelle.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Raum %1, Klatscher %2 und %3: „Nur Klatschen“ mit Schwelle %4 vorgeschlagen.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Schwierigkeit der Aufgaben</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Wie schnell die Aufgaben wechseln</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Erlaubte Rechenarten</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Bildschirmauflösung</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Antworttaste</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Antworttaste wählen</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Tipps zeigen</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Tipps zu den Bedienelementen zeigen</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Minimiert starten</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Programm beim Start minimieren</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Programm bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>SPDIF zeigen</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>SPDIF-Geräte zeigen</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Punkte anzeigen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hilfsbild</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Hilfsbild zeigen</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC – Anzeige schließen</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Hilfe öffnen</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Zu unserer Website</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>In den Infobereich</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Programmseite besuchen</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Addition und Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplikation und Division</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Größer und kleiner</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Dezimalzahlen</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Zehnerlogarithmus</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Sinus und Kosinus</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Tangens und Kotangens</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Soundkarte</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Lvl</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>Externe Datei</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Anzahl Threads Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Anzahl Threads In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Falsch:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>Stimmt die Rechnung?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>Die Antworttaste wirkt nur, solange ein Numbrook-Fenster aktiv ist.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Vorheriges Tempo</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Nächstes Tempo</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Vorheriges Mikrofon</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Nächstes Mikrofon</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Vorherige Antworttaste</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Nächste Antworttaste</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Vorherige Sprache</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Nächste Sprache</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Mikrofonsignal</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Signal der Antworttaste</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Mikrofonlautstärke</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Mikrofonpegel</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Ton wird abgespielt</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Große Schrift</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Die Aufgabe über die ganze Tafel zeigen</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Wer als Nächstes übt: Jedes Kind hat eigene Einstellungen und Ergebnisse</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Vorheriges Kind</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Nächstes Kind</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Kind hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Erstes Kind</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Neues Kind</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Name und Bild</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Bitte geben Sie den Namen des Kindes ein.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Ein anderes Kind hat schon diesen Namen.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>Die Ergebnisdatenbank ist gerade nicht verfügbar. Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Kind entfernen</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>%1 mit allen Ergebnissen entfernen? Das lässt sich nicht rückgängig machen.</translation>
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
        <source>%1, is the expression correct?</source>
        <translation>%1, stimmt die Rechnung?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Vor allem die Grundaufgaben fragen, die das Kind noch nicht kann</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>nur Stufe 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Gelernt, wenn unter</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Eine Grundaufgabe gilt als gelernt, wenn das Kind ihre wahre Rechnung in dieser Zeit beantwortet</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Kürzere Zeit</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Längere Zeit</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Schulzeichen</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Zeichen wie in der Schule zeigen: × : − statt * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>Der Hilfetext %1 wurde nicht gefunden. Gesucht wurde in:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Kein Ton wird abgespielt</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Fenster 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Vorheriges Ausgabegerät</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Nächstes Ausgabegerät</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Lautstärke links</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Lautstärke rechts</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Pegel links</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Pegel rechts</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Vorherige Tondatei</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Nächste Tondatei</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Wiedergabe stoppen</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme stoppen</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Tonprotokoll</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Nur Klatschen</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Nur auf Klatschen antworten, nicht auf Sprechen, Musik oder den Fernseher; die Schwelle sagt dann, wie viel lauter als der Raum das Klatschen sein muss</translation>
    </message>
</context>
</TS>
