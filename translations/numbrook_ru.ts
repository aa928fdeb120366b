<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: модуль оконной системы (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: где искать модули оконной системы.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: тема платформы.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: загрузить дополнительный модуль ввода.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: дисплей X, который использовать вместо $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: геометрия главного окна в X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: геометрия первого окна.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: значок окон по умолчанию.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: заголовок первого окна.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: восстановить указанный сеанс.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: стиль элементов управления.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: таблица стилей для элементов управления.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: располагать окна справа налево.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: в конце сообщить число оставшихся элементов.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: настройки отладчика QML.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: никогда не захватывать мышь и клавиатуру (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: захватывать даже под отладчиком (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: выполнять запросы X11 синхронно, для отладки.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook тренирует детей в устном счёте.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Показать эту справку и завершить.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Показать версию и завершить.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Неожиданный аргумент: %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Прокрутить вправо</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook: результаты</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>Записанных занятий пока нет. Результаты появятся здесь после первого занятия.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>За 7 дней: занятий %1 · верно %2 % · обычное время ответа %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>За последние 7 дней занятий не было.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ верных ответов на %1 % больше, чем неделей раньше</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ верных ответов на %1 % меньше, чем неделей раньше</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● верных ответов столько же, сколько неделей раньше</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>ответы быстрее на %1</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>ответы медленнее на %1</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>Неделей раньше занятий не было, сравнить не с чем.</translation>
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
        <translation>Верные ответы и обычное время ответа по дням</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Верные ответы, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Обычное время ответа, с</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Последние занятия</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>Показано занятий: %1 из %2</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Показать ещё</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Вопросы выбранного занятия</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Выберите занятие, чтобы увидеть его вопросы.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Чаще всего с ошибкой (за 8 недель)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Виды</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Время на вопрос</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Вопросов</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Ошибок</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Обычный ответ</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Время ответа</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Пример</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>На самом деле</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Показан, раз</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>окно</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>весь экран</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>идёт</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>завершено</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>программа закрыта</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>не завершено</translation>
    </message>
    <message>
        <source>true</source>
        <translation>верный</translation>
    </message>
    <message>
        <source>false</source>
        <translation>неверный</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>key</source>
        <translation>клавиша</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>хлопок</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ верно</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ ошибка</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Экспорт в CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Экспорт результатов</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-результаты.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Не удалось записать результаты в %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Очистить историю…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Очистить историю</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Удалить записи всех занятий? Это нельзя отменить.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Не удалось очистить историю.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Результаты не сохраняются: не удаётся открыть файл %1. Занятия работают как обычно.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>Файл результатов %1 был занят другой программой; часть результатов может ждать сохранения.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>Файл результатов был повреждён. Он сохранён как %1, начат новый.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Часть результатов не удалось сохранить в %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Проверить микрофон</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>хлопните дважды</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Фон до %1, хлопки %2 и %3: предлагается порог %4.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Выделился только один хлопок. Хлопните дважды, чуть громче.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>Хлопки были ненамного громче фона (до %1). Порог остаётся прежним.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Микрофон ничего не передал.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Последнее занятие: верно %1 из %2, очков %3, обычное время ответа %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>Хлопков не слышно. Хлопните дважды ближе к микрофону. Порог остаётся прежним.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Ребёнок:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Первый ребёнок</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Ответы по дням</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Примеры</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Выученные примеры по дням</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Доля выученных примеров уровня 1 по дням</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % выучено</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Умножение</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Деление</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>выучено %1 из %2</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>выучено (верно и быстро в 2 из 3 последних попыток)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>учится</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>ещё не было</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Выучено %1 из %2 примеров уровня 1 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>верно %1 из %2; молчание дало бы %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>на %1 больше, чем молчание</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>на %1 меньше, чем молчание</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>не лучше молчания</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Результат и молчание</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Молчание, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>сложение и вычитание</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>умножение и деление</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>вид %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Сохранить отчёт (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-отчёт-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Не удалось записать отчёт в %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: успехи — %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Период: с %1 по %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Занятий: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Верных ответов: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Обычное время ответа: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Примеры уровня 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Чаще всего с ошибкой</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — ошибка %2 раз из %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Составлен %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Записанных занятий пока нет.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Эта история записана более новой версией Numbrook и оставлена как есть. Занятия, проведённые здесь, отложены в %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>Речь, музыка или шум доходили до порога.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Комната %1, хлопки %2 и %3: предлагается «Только хлопки» с порогом %4.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не удалось установить данные для «%1»</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Настройки вопросов</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Настройки действий</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Настройки дисплея</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Настройки системы</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Сложность</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Сложность вопросов</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Скорость смены вопросов</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Разрешенные действия</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Разрешение дисплея</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Выбор горячих клавиш</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Показывать подсказки</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Показывать всплывающие подсказки</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Минимизация</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Авто минимизация программы при запуске</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Автозапуск программы при старте Windows</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>Показывать SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>Показывать SPDIF устройства</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Показывать баллы</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Показывать подсказку</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC - закрыть дисплей</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Показать файл помощи</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Перейти на наш сайт</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Свернуть программу в Tray</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Посетить страницу программы</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Сложение и вычитание</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Умножение и деление</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Больше и меньше</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Двоичные дроби</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Десятичные дроби</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Натуральный логарифм</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Десятичный логарифм</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Факториал</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Синус и косинус</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Тангенс и котангенс</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Звуковка</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
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
        <translation>Lvl</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>Внешний файл</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Количество потоков Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Количество потоков In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Всего:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Верно:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Неверно:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Баллы:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>Верно ли выражение?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>Клавиша ответа работает, только пока активно окно Numbrook.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Предыдущая скорость</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Следующая скорость</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Предыдущий микрофон</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Следующий микрофон</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Предыдущая клавиша ответа</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Следующая клавиша ответа</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Предыдущий язык</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Следующий язык</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Сигнал микрофона</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Сигнал клавиши ответа</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Громкость микрофона</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Уровень микрофона</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Воспроизведение звука</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Крупный текст</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Показывать вопрос во всю доску</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Ребёнок</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Кто занимается следующим: у каждого ребёнка свои настройки и результаты</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Предыдущий ребёнок</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Следующий ребёнок</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Добавить ребёнка</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Первый ребёнок</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Новый ребёнок</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Имя и картинка</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
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
        <translation>Введите имя ребёнка.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Такое имя уже есть у другого ребёнка.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>База результатов сейчас недоступна. Попробуйте позже.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Удалить ребёнка</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>Удалить «%1» и все его результаты? Отменить это нельзя.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1, is the expression correct?</source>
        <translation>%1, верно ли выражение?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Тренировка</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Чаще спрашивать то, что ребёнок ещё не знает</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>только уровень 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Выучено, если за</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Пример считается выученным, если ребёнок отвечает на верное равенство за это время</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Меньше времени</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Больше времени</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 сек.</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Школьные знаки</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Показывать знаки как в школе: × : − вместо * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: помощь</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>Текст помощи %1 не найден. Он искался в папках:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Звук не воспроизводится</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Окно 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Предыдущее устройство вывода</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Следующее устройство вывода</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Громкость слева</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Громкость справа</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Уровень слева</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Уровень справа</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Предыдущий звуковой файл</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Следующий звуковой файл</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Остановить воспроизведение</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Журнал звука</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Только хлопки</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Отвечать только на хлопок, а не на речь, музыку или телевизор; порог тогда — насколько хлопок громче комнаты</translation>
    </message>
</context>
</TS>
