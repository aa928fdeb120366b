<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: el complemento del sistema de ventanas (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: dónde buscar complementos del sistema de ventanas.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: el tema de la plataforma.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: cargar un complemento de entrada adicional.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: la pantalla X que se usa en lugar de $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: la geometría de la ventana principal en X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: la geometría de la primera ventana.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: el icono de ventana predeterminado.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: el título de la primera ventana.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: restaurar la sesión indicada.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: el estilo de los controles.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: una hoja de estilo para los controles.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: disponer las ventanas de derecha a izquierda.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: informar al final del número de controles restantes.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: ajustes del depurador QML.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: no capturar nunca el ratón ni el teclado (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: capturar incluso bajo un depurador (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: ejecutar las peticiones X11 de forma síncrona, para depurar.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook entrena a los niños en cálculo mental.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook: resultados</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>Todavía no hay sesiones guardadas. Los resultados aparecerán aquí después de la primera sesión.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>Últimos 7 días: %1 sesiones · %2 % de aciertos · tiempo de respuesta habitual %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>No hubo sesiones en los últimos 7 días.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ %1 % más aciertos que la semana anterior</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ %1 % menos aciertos que la semana anterior</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● tantos aciertos como la semana anterior</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>respuestas %1 más rápidas</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>respuestas %1 más lentas</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>No hubo sesiones la semana anterior con las que comparar.</translation>
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
        <translation>Aciertos y tiempo de respuesta habitual por día</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Aciertos, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Tiempo de respuesta habitual, s</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Sesiones recientes</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>Se muestran %1 de %2 sesiones</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Mostrar más</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Preguntas de la sesión elegida</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Elija una sesión para ver sus preguntas.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Fallos más frecuentes (últimas 8 semanas)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Tipos</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Tiempo por pregunta</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Respuesta habitual</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Tiempo de respuesta</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>La operación es</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Veces mostrada</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>ventana</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>pantalla completa</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>terminada</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>programa cerrado</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>sin terminar</translation>
    </message>
    <message>
        <source>true</source>
        <translation>verdadera</translation>
    </message>
    <message>
        <source>false</source>
        <translation>falsa</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tecla</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>palmada</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ acierto</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ fallo</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Exportar a CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-resultados.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>No se pudieron escribir los resultados en %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Borrar historial…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>¿Borrar el registro de todas las sesiones? No se puede deshacer.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>No se pudo borrar el historial.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Los resultados no se guardan: no se puede abrir el archivo %1. Las sesiones funcionan igual.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>Otro programa estaba usando el archivo de resultados %1; puede que algunos resultados estén pendientes de guardar.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>El archivo de resultados estaba dañado. Se ha guardado como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Algunos resultados no se pudieron guardar en %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Probar micrófono</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>dé dos palmadas</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Fondo hasta %1, palmadas %2 y %3: se propone el umbral %4.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Solo una palmada destacó sobre el fondo. Dé dos palmadas, un poco más fuerte.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>Las palmadas no sonaron claramente más fuerte que el fondo (hasta %1). El umbral no cambia.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>No llegó ningún sonido del micrófono.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Última sesión: %1 de %2 aciertos, %3 puntos, tiempo de respuesta habitual %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>No se oyó ninguna palmada. Dé dos palmadas cerca del micrófono. El umbral no cambia.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Niño:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Primer niño</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Respuestas por día</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Hechos numéricos</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Hechos aprendidos por día</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Proporción de hechos de nivel 1 aprendidos, por día</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % aprendidos</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>%1 de %2 aprendidos</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>aprendido (bien y rápido en 2 de los 3 últimos intentos)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>en aprendizaje</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>aún no preguntado</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Aprendidos: %1 de %2 hechos de nivel 1 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>%1 de %2 aciertos; el silencio habría dado %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>%1 más que el silencio</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>%1 menos que el silencio</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>no supera al silencio</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Resultado y silencio</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Silencio, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>suma y resta</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>multiplicación y división</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Guardar informe (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-informe-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>No se pudo escribir el informe en %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: progresos de %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Periodo: del %1 al %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Sesiones: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Aciertos: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Tiempo de respuesta habitual: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Hechos de nivel 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Fallos más frecuentes</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — falló %2 de %3 veces</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Creado el %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Todavía no hay sesiones guardadas.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Este historial lo escribió una versión más reciente de Numbrook y se deja como está. Las sesiones hechas aquí se guardan aparte en %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>La voz, la música o el ruido llegaban al umbral.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Sala %1, palmadas %2 y %3: se propone «Solo palmadas» con el umbral %4.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de «%1»</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Dificultad de las preguntas</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Rapidez con que cambian las preguntas</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Operaciones permitidas</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Resolución de pantalla</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Elegir la tecla de respuesta</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Ver consejos</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Mostrar consejos emergentes</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Minimizar el programa al iniciar</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Autoinicio</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Iniciar el programa al entrar en la sesión</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>Ver SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>Mostrar dispositivos SPDIF</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Mostrar puntos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Mostrar la imagen de pista</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC – cerrar la pantalla</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Abrir la ayuda</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Ir a nuestra web</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimizar a la bandeja</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Visitar la página del programa</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Suma y resta</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplicación y división</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Mayor y menor</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Decimales</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Logaritmo natural</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Logaritmo decimal</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Seno y coseno</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Tangente y cotangente</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>L</source>
        <translation>I</translation>
    </message>
    <message>
        <source>R</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Lvl</source>
        <translation>Niv.</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>Archivo externo</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Número de flujos Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Número de flujos In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Fallos:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>¿Es correcta la operación?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>La tecla de respuesta solo funciona mientras una ventana de Numbrook está activa.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Velocidad anterior</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Velocidad siguiente</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Micrófono anterior</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Micrófono siguiente</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Tecla de respuesta anterior</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Tecla de respuesta siguiente</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Idioma anterior</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Idioma siguiente</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Señal del micrófono</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Señal de la tecla de respuesta</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volumen del micrófono</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nivel del micrófono</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Sonido en reproducción</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Texto grande</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Mostrar la pregunta en toda la pizarra</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Quién juega ahora: cada niño tiene sus propios ajustes y resultados</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Niño anterior</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Niño siguiente</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Añadir niño</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Primer niño</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Nuevo niño</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Nombre e imagen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Escriba el nombre del niño.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Otro niño ya tiene este nombre.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>La base de datos de resultados no está disponible ahora. Inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Quitar niño</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>¿Quitar a %1 y todos sus resultados? No se puede deshacer.</translation>
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
        <source>%1, is the expression correct?</source>
        <translation>%1, ¿es correcta la operación?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Preguntar sobre todo los hechos que el niño aún no sabe</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>solo nivel 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Aprendido antes de</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Un hecho cuenta como aprendido si el niño responde a su operación verdadera en este tiempo</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Menos tiempo</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Más tiempo</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 seg.</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Signos escolares</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Mostrar los signos como en la escuela: × : − en vez de * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>No se encontró el texto de ayuda %1. Se buscó en:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Ningún sonido en reproducción</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Ventana 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Dispositivo de salida anterior</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Dispositivo de salida siguiente</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Volumen izquierdo</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Volumen derecho</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Nivel izquierdo</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Nivel derecho</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Archivo de sonido anterior</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Archivo de sonido siguiente</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Detener la reproducción</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Empezar a grabar</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener la grabación</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Registro de sonido</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Solo palmadas</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Responder solo a una palmada, no a la voz, la música ni la televisión; el umbral indica entonces cuánto más fuerte que la sala debe ser la palmada</translation>
    </message>
</context>
</TS>
