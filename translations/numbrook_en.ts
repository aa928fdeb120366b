<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: the window system plugin (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: where to look for window system plugins.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: the platform theme.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: load an extra input plugin.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: the X display to use instead of $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: the main window&apos;s geometry on X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: the geometry of the first window.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: the default window icon.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: the title of the first window.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: restore the given session.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: the widget style.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: a style sheet for the widgets.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: lay the windows out right to left.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: report the number of widgets left at the end.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: QML debugger settings.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: never grab the mouse or keyboard (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: grab even under a debugger (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: run X11 requests synchronously, for debugging.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook drills a child in mental arithmetic.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Show this help and end.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Show the version and end.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Scroll Left</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Scroll Right</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook: results</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>No quizzes recorded yet. Results appear here after the first quiz.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>No quizzes in the last 7 days.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ %1 % more right answers than the week before</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ %1 % fewer right answers than the week before</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● as many right answers as the week before</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>answers %1 faster</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>answers %1 slower</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>No quizzes the week before to compare with.</translation>
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
        <translation>Right answers and typical answer time by day</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Right answers, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Typical answer time, s</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Recent quizzes</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>Showing %1 of %2 quizzes</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Show more</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Questions of the selected quiz</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Select a quiz to see its questions.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Most often wrong (last 8 weeks)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Kinds</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Time per question</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Typical answer</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Answer time</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>Equation is</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Judged</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Times shown</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>window</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>full screen</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>completed</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>program closed</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>unfinished</translation>
    </message>
    <message>
        <source>true</source>
        <translation>true</translation>
    </message>
    <message>
        <source>false</source>
        <translation>false</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>key</source>
        <translation>key</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>clap</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ right</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ wrong</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Export to CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-results.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>The results could not be written to %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Clear history…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Clear history</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Delete the record of every quiz? This cannot be undone.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>The history could not be cleared.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>The results file %1 was in use by another program; some results may wait to be saved.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>The results file was damaged. It was kept as %1 and a new one was started.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Some results could not be saved to %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Test microphone</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>clap twice</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Background up to %1, claps %2 and %3: threshold %4 proposed.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Only one clap stood out from the background. Clap twice, a little louder.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Nothing was heard from the microphone.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Last quiz: %1 of %2 right, %3 points, typical answer time %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Child:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>First child</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Answers by day</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Facts</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Learnt facts by day</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Share of level-1 facts learnt, by day</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % learnt</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>%1 of %2 learnt</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>learnt (right and quick in 2 of the last 3 tries)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>being learnt</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>not asked yet</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Learnt: %1 of %2 level-1 facts (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>%1 of %2 right; staying silent would have given %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>%1 more than silence</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>%1 fewer than silence</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>no better than silence</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Score, beside staying silent</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Staying silent, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>addition and subtraction</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>multiplication and division</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>kind %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Save report (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-report-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>The report could not be written to %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: progress of %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Period: %1 to %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Quizzes: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Right answers: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Typical answer time: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Level-1 facts</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Most often misjudged</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — wrong %2 of %3 times</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Made on %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>No quizzes recorded yet.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>Talk, music or noise reached the threshold.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Failed to set data for &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Questions settings</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Actions settings</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Questions complexity level</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Question change speed</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Permitted actions</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Display resolution</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Hotkeys</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Hotkeys selection</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Show hints</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Show hints</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Auto minimization</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Auto minimization program at the start</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Autorun</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Autorun program at the start of Windows</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>Show SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>Show SPDIF device</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Display points</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Show hint</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC - display close</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>See help file</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Go to our website</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimize to tray</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Visit the program page</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Summation and subtraction</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplication and division</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>More and less</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Binary fractions</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Decimal fraction</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Hyperbolic logarithm</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Briggs logarithm</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Sinus and cosine</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Tangent and cotangent</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Soundcard</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
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
        <translation>Lvl</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>External file</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Porog</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>The number of threads Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>The number of threads In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Correct:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Wrong:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Points:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>Is the expression correct?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>The answer key works only while a Numbrook window has the focus.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Previous speed</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Next speed</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Previous microphone</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Next microphone</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Previous answer key</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Next answer key</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Previous language</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Next language</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Microphone signal</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Answer key signal</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Microphone volume</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Microphone level</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Sound playing</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Large text</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Show the question across the board</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Child</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Who plays next: each child has their own settings and results</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Previous child</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Next child</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Add a child</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>First child</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Add a child</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Name and picture</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>No picture</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Please type the child&apos;s name.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Another child already has this name.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>The results database cannot be used just now. Please try again later.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Remove child</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>Remove %1 and all of their results? This cannot be undone.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1, is the expression correct?</source>
        <translation>%1, is the expression correct?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Ask mostly the facts the child does not know yet</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>level 1 only</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Fluent within</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>A fact counts as learnt when the child answers its true equation within this time</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Shorter fluency time</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Longer fluency time</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 sec.</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>School signs</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Show the signs as at school: × ÷ − instead of * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>÷</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: help</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>The help text %1 was not found. It was looked for in:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>No sound playing</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>800 x 600 window</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Previous output device</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Next output device</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Left volume</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Right volume</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Left level</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Right level</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Previous sound file</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Next sound file</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Stop playing</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Sound log</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Only claps</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</translation>
    </message>
</context>
</TS>
