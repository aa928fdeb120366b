<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt: o plugin do sistema de janelas (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt: onde procurar plugins do sistema de janelas.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt: o tema da plataforma.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt: carregar um plugin de entrada extra.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt: a tela X a usar no lugar de $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt: a geometria da janela principal no X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt: a geometria da primeira janela.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt: o ícone padrão das janelas.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt: o título da primeira janela.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt: restaurar a sessão indicada.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt: o estilo dos controles.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt: uma folha de estilo para os controles.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt: dispor as janelas da direita para a esquerda.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt: informar no final o número de controles restantes.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt: configurações do depurador QML.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt: nunca capturar o mouse nem o teclado (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt: capturar mesmo sob um depurador (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt: executar as requisições X11 de forma síncrona, para depuração.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook treina as crianças em cálculo mental.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostrar a versão e sair.</translation>
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
        <translation>Rolar para a esquerda</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rolar para a direita</translation>
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
        <translation>Ainda não há sessões gravadas. Os resultados aparecem aqui depois da primeira sessão.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>Últimos 7 dias: %1 sessões · %2 % de acertos · tempo de resposta habitual %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>Nenhuma sessão nos últimos 7 dias.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ %1 % mais acertos que na semana anterior</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ %1 % menos acertos que na semana anterior</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● tantos acertos quanto na semana anterior</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>respostas %1 mais rápidas</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>respostas %1 mais lentas</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>Nenhuma sessão na semana anterior para comparar.</translation>
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
        <translation>Acertos e tempo de resposta habitual por dia</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Acertos, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Tempo de resposta habitual, s</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Sessões recentes</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>Mostrando %1 de %2 sessões</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Mostrar mais</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Perguntas da sessão escolhida</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Escolha uma sessão para ver as perguntas.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Erros mais frequentes (últimas 8 semanas)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Tipos</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Tempo por pergunta</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Perguntas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Resposta habitual</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Tempo de resposta</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>A conta é</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Vezes mostrada</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>janela</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>tela cheia</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>em andamento</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>concluída</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>programa fechado</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>não concluída</translation>
    </message>
    <message>
        <source>true</source>
        <translation>certa</translation>
    </message>
    <message>
        <source>false</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tecla</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>palma</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ acerto</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ erro</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Exportar para CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-resultados.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Não foi possível gravar os resultados em %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Limpar histórico…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Apagar o registro de todas as sessões? Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Não foi possível limpar o histórico.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Os resultados não estão sendo salvos: não foi possível abrir o arquivo %1. As sessões funcionam normalmente.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>O arquivo de resultados %1 estava em uso por outro programa; alguns resultados podem estar esperando para ser salvos.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>O arquivo de resultados estava danificado. Ele foi guardado como %1 e um novo foi criado.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Alguns resultados não puderam ser salvos em %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Testar microfone</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>bata palmas duas vezes</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Fundo até %1, palmas %2 e %3: limiar proposto %4.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Só uma palma se destacou do fundo. Bata palmas duas vezes, um pouco mais forte.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>As palmas não foram claramente mais fortes que o fundo (até %1). O limiar continua o mesmo.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Nada chegou do microfone.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Última sessão: %1 de %2 acertos, %3 pontos, tempo de resposta habitual %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>Nenhuma palma foi ouvida. Bata palmas duas vezes perto do microfone. O limiar continua o mesmo.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Criança:</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Primeira criança</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Respostas por dia</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Fatos básicos</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Fatos aprendidos por dia</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Parcela de fatos do nível 1 aprendidos, por dia</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % aprendidos</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>%1 de %2 aprendidos</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>aprendido (certo e rápido em 2 das 3 últimas tentativas)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>em aprendizagem</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>ainda não perguntado</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Aprendidos: %1 de %2 fatos do nível 1 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>%1 de %2 acertos; ficar em silêncio daria %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>%1 a mais que o silêncio</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>%1 a menos que o silêncio</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>não supera o silêncio</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Resultado e silêncio</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Silêncio, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>adição e subtração</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>multiplicação e divisão</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Salvar relatório (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-relatorio-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Não foi possível gravar o relatório em %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook: progresso de %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Período: de %1 a %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Sessões: %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Acertos: %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Tempo de resposta habitual: %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Fatos do nível 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Erros mais frequentes</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — errada %2 de %3 vezes</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Gerado em %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Ainda não há sessões gravadas.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Este histórico foi gravado por uma versão mais nova do Numbrook e fica como está. As sessões feitas aqui são guardadas à parte em %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>Fala, música ou ruído chegavam ao limiar.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Ambiente %1, palmas %2 e %3: proposto “Só palmas” com limiar %4.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Não foi possível definir os dados de “%1”</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Perguntas</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Operações</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Dificuldade das perguntas</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Rapidez da troca de perguntas</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Operações</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Operações permitidas</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Resolução da tela</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Escolha da tecla de resposta</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Ver dicas</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Mostrar dicas flutuantes</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Minimizar o programa ao iniciar</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Autoiniciar</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Abrir o programa ao entrar na sessão</translation>
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
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Mostrar pontos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Mostrar a imagem de dica</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC – fechar a tela</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Abrir a ajuda</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Ir ao nosso site</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimizar para a bandeja</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Visitar a página do programa</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Adição e subtração</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplicação e divisão</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Maior e menor</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Frações</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Números decimais</translation>
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
        <translation>Fatorial</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Seno e cosseno</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Tangente e cotangente</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Placa de som</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>L</source>
        <translation>E</translation>
    </message>
    <message>
        <source>R</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Lvl</source>
        <translation>Nív.</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>Arquivo externo</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Número de fluxos Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Número de fluxos In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Acertos:</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Erros:</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>A conta está certa?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>A tecla de resposta só funciona enquanto uma janela do Numbrook está ativa.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Velocidade anterior</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Próxima velocidade</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Microfone anterior</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Próximo microfone</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Tecla de resposta anterior</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Próxima tecla de resposta</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Idioma anterior</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Próximo idioma</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Sinal do microfone</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Sinal da tecla de resposta</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume do microfone</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nível do microfone</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Som tocando</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Texto grande</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Mostrar a pergunta no quadro inteiro</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Criança</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Quem joga agora: cada criança tem as próprias configurações e resultados</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Criança anterior</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Próxima criança</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Adicionar criança</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Primeira criança</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Nova criança</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Nome e imagem</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagem:</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Sem imagem</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Digite o nome da criança.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Outra criança já tem este nome.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>O banco de dados de resultados não está disponível agora. Tente de novo mais tarde.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Remover criança</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>Remover %1 e todos os seus resultados? Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1, is the expression correct?</source>
        <translation>%1, a conta está certa?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Perguntar mais os fatos que a criança ainda não sabe</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>só nível 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Aprendido em até</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Um fato conta como aprendido quando a criança responde à sua conta certa dentro deste tempo</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Menos tempo</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Mais tempo</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 seg.</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Sinais da escola</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Mostrar os sinais como na escola: × ÷ − em vez de * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>÷</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook: ajuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>O texto de ajuda %1 não foi encontrado. Ele foi procurado em:
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Nenhum som tocando</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Janela 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Dispositivo de saída anterior</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Próximo dispositivo de saída</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Volume esquerdo</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Volume direito</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Nível esquerdo</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Nível direito</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Arquivo de som anterior</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Próximo arquivo de som</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Parar de tocar</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Começar a gravar</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Parar de gravar</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Registro de som</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Só palmas</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Responder só a uma palma, não a fala, música ou televisão; o limiar diz então quanto a palma deve ser mais alta que o ambiente</translation>
    </message>
</context>
</TS>
