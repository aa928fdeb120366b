<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: wtyczka systemu okien (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: gdzie szukać wtyczek systemu okien.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: motyw platformy.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: wczytaj dodatkową wtyczkę wejścia.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: ekran X używany zamiast $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: geometria głównego okna w X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: geometria pierwszego okna.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: domyślna ikona okien.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: tytuł pierwszego okna.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: przywróć podaną sesję.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: styl kontrolek.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: arkusz stylów dla kontrolek.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: układaj okna od prawej do lewej.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: podaj na końcu liczbę pozostałych kontrolek.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: ustawienia debugera QML.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: nigdy nie przechwytuj myszy ani klawiatury (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: przechwytuj nawet pod debugerem (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: wykonuj żądania X11 synchronicznie, do debugowania.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook ćwiczy z dziećmi liczenie w pamięci.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Nieoczekiwany argument: %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Przewiń w lewo</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Przewiń w prawo</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook: wyniki</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>Nie ma jeszcze zapisanych ćwiczeń. Wyniki pojawią się tutaj po pierwszym ćwiczeniu.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>Ostatnie 7 dni: ćwiczeń %1 · dobrze %2 % · zwykły czas odpowiedzi %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>W ostatnich 7 dniach nie było ćwiczeń.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ dobrych odpowiedzi o %1 % więcej niż tydzień wcześniej</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ dobrych odpowiedzi o %1 % mniej niż tydzień wcześniej</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● tyle samo dobrych odpowiedzi co tydzień wcześniej</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>odpowiedzi szybsze o %1</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>odpowiedzi wolniejsze o %1</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>Tydzień wcześniej nie było ćwiczeń do porównania.</translation>
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
        <translation>Dobre odpowiedzi i zwykły czas odpowiedzi według dni</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Dobre odpowiedzi, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Zwykły czas odpowiedzi, s</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Ostatnie ćwiczenia</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>Pokazano ćwiczeń: %1 z %2</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Pokaż więcej</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Pytania wybranego ćwiczenia</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Wybierz ćwiczenie, aby zobaczyć jego pytania.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Najczęściej błędne (ostatnie 8 tygodni)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Rodzaje</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Czas na pytanie</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Pytań</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Błędów</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Zwykła odpowiedź</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Czas odpowiedzi</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>Działanie jest</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Ile razy</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>okno</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>pełny ekran</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>trwa</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>ukończone</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>program zamknięty</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>nieukończone</translation>
    </message>
    <message>
        <source>true</source>
        <translation>prawdziwe</translation>
    </message>
    <message>
        <source>false</source>
        <translation>fałszywe</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>key</source>
        <translation>klawisz</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>klaśnięcie</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ dobrze</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ błąd</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Eksportuj do CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Eksport wyników</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-wyniki.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Nie udało się zapisać wyników do %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Wyczyść historię…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Wyczyść historię</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Usunąć zapisy wszystkich ćwiczeń? Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Nie udało się wyczyścić historii.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Wyniki nie są zapisywane: nie można otworzyć pliku %1. Ćwiczenia działają normalnie.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>Plik wyników %1 był zajęty przez inny program; część wyników może czekać na zapisanie.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>Plik wyników był uszkodzony. Zachowano go jako %1 i założono nowy.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Części wyników nie udało się zapisać do %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Sprawdź mikrofon</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>klaśnij dwa razy</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Tło do %1, klaśnięcia %2 i %3: proponowany próg %4.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Tylko jedno klaśnięcie wybiło się ponad tło. Klaśnij dwa razy, trochę głośniej.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>Klaśnięcia nie były wyraźnie głośniejsze od tła (do %1). Próg zostaje bez zmian.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Z mikrofonu nic nie dotarło.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Ostatnie ćwiczenie: dobrze %1 z %2, punkty %3, zwykły czas odpowiedzi %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>Nie słychać klaśnięć. Klaśnij dwa razy blisko mikrofonu. Próg zostaje bez zmian.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Dziecko:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Pierwsze dziecko</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Odpowiedzi według dni</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Przykłady</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Opanowane przykłady według dni</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Odsetek opanowanych przykładów poziomu 1 według dni</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % opanowanych</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>opanowano %1 z %2</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>opanowany (dobrze i szybko w 2 z 3 ostatnich prób)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>w trakcie nauki</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>jeszcze nie zadany</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Opanowano %1 z %2 przykładów poziomu 1 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>dobrze %1 z %2; milczenie dałoby %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>o %1 więcej niż milczenie</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>o %1 mniej niż milczenie</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>nie lepiej niż milczenie</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Wynik i milczenie</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Milczenie, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>dodawanie i odejmowanie</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>mnożenie i dzielenie</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>rodzaj %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Zapisz raport (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-raport-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Nie udało się zapisać raportu do %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: postępy — %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Okres: od %1 do %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Liczba ćwiczeń: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Dobre odpowiedzi: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Zwykły czas odpowiedzi: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Przykłady poziomu 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Najczęściej błędne</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — błędów: %2 z %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Sporządzono %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Nie ma jeszcze zapisanych ćwiczeń.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Tę historię zapisała nowsza wersja Numbrook i pozostaje ona bez zmian. Ćwiczenia wykonane tutaj są przechowywane osobno w %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>Mowa, muzyka lub hałas sięgały progu.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Pokój %1, klaśnięcia %2 i %3: proponowane „Tylko klaśnięcia” z progiem %4.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Nie udało się ustawić danych dla „%1”</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Pytania</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Działania</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Trudność pytań</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Jak szybko zmieniają się pytania</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Działania</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Dozwolone działania</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Rozdzielczość ekranu</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Wybór klawisza odpowiedzi</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Pokazuj dymki z podpowiedziami</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Minimalizuj program przy starcie</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Uruchamiaj program po zalogowaniu</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>Pokaż SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>Pokazuj urządzenia SPDIF</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Pokazuj punkty</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Pokazuj obrazek pomocy</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC – zamknij ekran</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Otwórz pomoc</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Przejdź na naszą stronę</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Zwiń do zasobnika</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Odwiedź stronę programu</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Dodawanie i odejmowanie</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Mnożenie i dzielenie</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Większe i mniejsze</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Ułamki zwykłe</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Ułamki dziesiętne</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Logarytm naturalny</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Logarytm dziesiętny</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Silnia</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Sinus i cosinus</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Tangens i cotangens</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Karta</translation>
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
        <translation>P</translation>
    </message>
    <message>
        <source>Lvl</source>
        <translation>Poz.</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>Plik zewnętrzny</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Próg</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Liczba strumieni Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Liczba strumieni In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Razem:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Dobrze:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Źle:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Punkty:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>Czy to działanie jest prawdziwe?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>Klawisz odpowiedzi działa tylko wtedy, gdy okno Numbrook jest aktywne.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Poprzednie tempo</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Następne tempo</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Poprzedni mikrofon</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Następny mikrofon</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Poprzedni klawisz odpowiedzi</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Następny klawisz odpowiedzi</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Poprzedni język</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Następny język</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Sygnał mikrofonu</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Sygnał klawisza odpowiedzi</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Próg</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Głośność mikrofonu</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Poziom mikrofonu</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Odtwarzanie dźwięku</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Duży tekst</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Pokazuj pytanie na całej tablicy</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Dziecko</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Kto ćwiczy teraz: każde dziecko ma własne ustawienia i wyniki</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Poprzednie dziecko</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Następne dziecko</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Dodaj dziecko</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Pierwsze dziecko</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Nowe dziecko</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Imię i obrazek</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Obrazek:</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Bez obrazka</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Wpisz imię dziecka.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Inne dziecko ma już to imię.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>Baza wyników jest teraz niedostępna. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Usuń dziecko</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>Usunąć dziecko %1 razem z wynikami? Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1, is the expression correct?</source>
        <translation>%1, czy to działanie jest prawdziwe?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Trening</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Pytaj głównie o przykłady, których dziecko jeszcze nie zna</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>tylko poziom 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Opanowany w ciągu</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Przykład jest opanowany, gdy dziecko odpowie na jego prawdziwe działanie w tym czasie</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Krótszy czas</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Dłuższy czas</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 sek.</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Znaki szkolne</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Pokazuj znaki jak w szkole: × : − zamiast * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: pomoc</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>Nie znaleziono tekstu pomocy %1. Szukano go w:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Brak odtwarzania dźwięku</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Okno 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Poprzednie urządzenie wyjściowe</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Następne urządzenie wyjściowe</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Głośność lewego kanału</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Głośność prawego kanału</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Poziom lewego kanału</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Poziom prawego kanału</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Poprzedni plik dźwiękowy</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Następny plik dźwiękowy</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Zatrzymaj odtwarzanie</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Rozpocznij nagrywanie</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Dziennik dźwięku</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Tylko klaśnięcia</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Odpowiadać tylko na klaśnięcie, nie na mowę, muzykę ani telewizor; próg mówi wtedy, o ile klaśnięcie musi być głośniejsze od pokoju</translation>
    </message>
</context>
</TS>
