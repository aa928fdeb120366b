<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: модуль віконної системи (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: де шукати модулі віконної системи.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: тема платформи.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: завантажити додатковий модуль введення.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: дисплей X, який використовувати замість $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: геометрія головного вікна в X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: геометрія першого вікна.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: типова піктограма вікон.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: заголовок першого вікна.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: відновити вказаний сеанс.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: стиль елементів керування.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: таблиця стилів для елементів керування.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: розташовувати вікна справа наліво.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: наприкінці повідомити кількість залишених елементів.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: налаштування зневаджувача QML.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: ніколи не захоплювати мишу чи клавіатуру (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: захоплювати навіть під зневаджувачем (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: виконувати запити X11 синхронно, для зневадження.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook тренує дітей в усному рахунку.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Показати цю довідку й завершити.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Показати версію й завершити.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Неочікуваний аргумент: %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Прокрутити ліворуч</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Прокрутити праворуч</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook: результати</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>Записаних занять поки немає. Результати з&apos;являться тут після першого заняття.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>За 7 днів: занять %1 · правильно %2 % · звичайний час відповіді %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>За останні 7 днів занять не було.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ правильних відповідей на %1 % більше, ніж тижнем раніше</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ правильних відповідей на %1 % менше, ніж тижнем раніше</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● правильних відповідей стільки ж, скільки тижнем раніше</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>відповіді швидші на %1</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>відповіді повільніші на %1</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>Тижнем раніше занять не було, порівняти немає з чим.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Right answers and typical answer time by day</source>
        <translation>Правильні відповіді та звичайний час відповіді за днями</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Правильні відповіді, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Звичайний час відповіді, с</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Останні заняття</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>Показано занять: %1 з %2</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Показати ще</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Питання вибраного заняття</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Виберіть заняття, щоб побачити його питання.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Найчастіше з помилкою (за 8 тижнів)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Види</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Час на питання</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Екран</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Питань</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Помилок</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Бали</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Звичайна відповідь</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Завершення</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Час відповіді</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Приклад</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>Насправді</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Оцінка</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Показано, разів</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>вікно</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>весь екран</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>триває</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>завершено</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>програму закрито</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>не завершено</translation>
    </message>
    <message>
        <source>true</source>
        <translation>правильний</translation>
    </message>
    <message>
        <source>false</source>
        <translation>неправильний</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>немає відповіді</translation>
    </message>
    <message>
        <source>key</source>
        <translation>клавіша</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>оплеск</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ правильно</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ помилка</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Експорт у CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Експорт результатів</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-результати.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Не вдалося записати результати до %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Очистити історію…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Очистити історію</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Видалити записи всіх занять? Це не можна скасувати.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Не вдалося очистити історію.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Результати не зберігаються: не вдається відкрити файл %1. Заняття працюють як зазвичай.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>Файл результатів %1 був зайнятий іншою програмою; частина результатів може чекати на збереження.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>Файл результатів було пошкоджено. Його збережено як %1, розпочато новий.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Частину результатів не вдалося зберегти до %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Перевірити мікрофон</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>плесніть двічі</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Фон до %1, оплески %2 і %3: пропонується поріг %4.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Виділився лише один оплеск. Плесніть двічі, трохи гучніше.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>Оплески були ненабагато гучніші за фон (до %1). Поріг залишається попереднім.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Мікрофон нічого не передав.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Останнє заняття: правильно %1 з %2, балів %3, звичайний час відповіді %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>Оплесків не чути. Плесніть двічі ближче до мікрофона. Поріг залишається попереднім.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Дитина:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Перша дитина</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Відповіді за днями</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Приклади</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Вивчені приклади за днями</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Частка вивчених прикладів рівня 1 за днями</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % вивчено</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Додавання</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Віднімання</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Множення</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Ділення</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>вивчено %1 з %2</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>вивчено (правильно і швидко у 2 з 3 останніх спроб)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>вивчається</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>ще не було</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Вивчено %1 з %2 прикладів рівня 1 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>правильно %1 з %2; мовчання дало б %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>на %1 більше, ніж мовчання</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>на %1 менше, ніж мовчання</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>не краще за мовчання</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Результат і мовчання</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Мовчання, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>додавання і віднімання</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>множення і ділення</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>вид %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Зберегти звіт (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Зберегти звіт</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-report-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Не вдалося записати звіт до %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: успіхи — %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Період: з %1 по %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Занять: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Правильних відповідей: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Звичайний час відповіді: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Приклади рівня 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Найчастіше з помилкою</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — помилок: %2 з %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Складено %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Записаних занять поки немає.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Цю історію записала новіша версія Numbrook, її залишено як є. Заняття, проведені тут, збережено окремо в %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>Мова, музика чи шум сягали порогу.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Кімната %1, оплески %2 і %3: пропонується «Лише оплески» з порогом %4.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не вдалося встановити дані для «%1»</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Українська</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Інтерфейс</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Налаштування питань</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Налаштування дій</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Налаштування дисплея</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Налаштування системи</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Складність</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Складність питань</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Швидкість зміни питань</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Дії</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Дозволені дії</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Роздільність</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Роздільність дисплея</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Гарячі клавіші</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Вибір гарячих клавіш</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Показувати підказки</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Показувати спливні підказки</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Мінімізація</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Автоматично згортати програму під час запуску</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Запускати програму під час входу в систему</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>Показувати SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>Показувати пристрої SPDIF</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Бали</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Показувати бали</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Показувати підказку</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC - закрити дисплей</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Відкрити довідку</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Перейти на наш сайт</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Згорнути програму в лоток</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Вийти з програми</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Відвідати сторінку програми</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Додавання і віднімання</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Множення і ділення</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Більше і менше</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Двійкові дроби</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Десяткові дроби</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Натуральний логарифм</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Десятковий логарифм</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Факторіал</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Синус і косинус</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Тангенс і котангенс</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Звукова</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Мікрофон</translation>
    </message>
    <message>
        <source>L</source>
        <translation>Л</translation>
    </message>
    <message>
        <source>R</source>
        <translation>П</translation>
    </message>
    <message>
        <source>Lvl</source>
        <translation>Рів.</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>Зовнішній файл</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Поріг</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Кількість потоків Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Кількість потоків In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Усього:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Вірно:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Невірно:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Бали:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>Чи правильний вираз?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>Клавіша відповіді працює, лише поки активне вікно Numbrook.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Попередня швидкість</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Наступна швидкість</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Попередній мікрофон</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Наступний мікрофон</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Попередня клавіша відповіді</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Наступна клавіша відповіді</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Попередня мова</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Наступна мова</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Сигнал мікрофона</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Сигнал клавіші відповіді</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Поріг</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Гучність мікрофона</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Рівень мікрофона</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Відтворення звуку</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Питання</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Великий текст</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Показувати питання на всю дошку</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Дитина</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Хто займається наступним: у кожної дитини свої налаштування й результати</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Попередня дитина</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Наступна дитина</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Додати дитину</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Перша дитина</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Нова дитина</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Ім&apos;я та картинка</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Картинка:</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Без картинки</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Введіть ім&apos;я дитини.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Таке ім&apos;я вже має інша дитина.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>База результатів зараз недоступна. Спробуйте пізніше.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Видалити дитину</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>Видалити «%1» і всі результати? Це не можна скасувати.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>%1, is the expression correct?</source>
        <translation>%1, чи правильний вираз?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Тренування</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Частіше питати те, чого дитина ще не знає</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>лише рівень 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Вивчено, якщо за</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Приклад вважається вивченим, якщо дитина відповідає на правильну рівність за цей час</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Менше часу</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Більше часу</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Шкільні знаки</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Показувати знаки як у школі: × : − замість * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: довідка</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>Текст довідки %1 не знайдено. Його шукали в папках:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Звук не відтворюється</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Вікно 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Весь екран</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Попередній пристрій виводу</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Наступний пристрій виводу</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Гучність зліва</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Гучність справа</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Рівень зліва</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Рівень справа</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Попередній звуковий файл</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Наступний звуковий файл</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Відтворити</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Зупинити відтворення</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Журнал звуку</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Лише оплески</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Відповідати лише на оплеск, а не на мову, музику чи телевізор; поріг тоді — наскільки оплеск гучніший за кімнату</translation>
    </message>
</context>
</TS>
