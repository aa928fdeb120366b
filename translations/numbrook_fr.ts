<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt : le module du système de fenêtres (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt : où chercher les modules du système de fenêtres.</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt : le thème de la plateforme.</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt : charger un module de saisie supplémentaire.</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt : l’écran X à utiliser au lieu de $DISPLAY.</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt : la géométrie de la fenêtre principale sous X11.</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt : la géométrie de la première fenêtre.</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt : l’icône de fenêtre par défaut.</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt : le titre de la première fenêtre.</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt : restaurer la session indiquée.</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt : le style des contrôles.</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt : une feuille de style pour les contrôles.</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt : disposer les fenêtres de droite à gauche.</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt : indiquer à la fin le nombre de contrôles restants.</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt : réglages du débogueur QML.</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt : ne jamais capturer la souris ni le clavier (X11).</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt : capturer même sous un débogueur (X11).</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt : exécuter les requêtes X11 de façon synchrone, pour le débogage.</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook entraîne les enfants au calcul mental.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Défiler vers la gauche</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Défiler vers la droite</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook : résultats</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>Aucune séance enregistrée pour l’instant. Les résultats apparaîtront ici après la première séance.</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>7 derniers jours : %1 séances · %2 % de réussite · temps de réponse habituel %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>Aucune séance ces 7 derniers jours.</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ %1 % de bonnes réponses en plus que la semaine précédente</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ %1 % de bonnes réponses en moins que la semaine précédente</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● autant de bonnes réponses que la semaine précédente</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>réponses plus rapides de %1</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>réponses plus lentes de %1</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>Pas de séance la semaine précédente pour comparer.</translation>
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
        <translation>Bonnes réponses et temps de réponse habituel par jour</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>Bonnes réponses, %</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>Temps de réponse habituel, s</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>Séances récentes</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>%1 séances affichées sur %2</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Afficher plus</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>Questions de la séance choisie</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>Choisissez une séance pour voir ses questions.</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>Erreurs les plus fréquentes (8 dernières semaines)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>Types</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>Temps par question</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>Réponse habituelle</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>Le calcul est</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Fois affiché</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>fenêtre</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>plein écran</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>terminée</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>programme fermé</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>inachevée</translation>
    </message>
    <message>
        <source>true</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>false</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>key</source>
        <translation>touche</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>clap</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ juste</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ erreur</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Exporter les résultats</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-resultats.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Impossible d’écrire les résultats dans %1.</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>Effacer l’historique…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>Supprimer l’enregistrement de toutes les séances ? Cette action est définitive.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Impossible d’effacer l’historique.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>Les résultats ne sont pas enregistrés : impossible d’ouvrir le fichier %1. Les séances fonctionnent quand même.</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>Le fichier de résultats %1 était utilisé par un autre programme ; certains résultats attendent peut-être d’être enregistrés.</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>Le fichier de résultats était abîmé. Il a été conservé sous %1 et un nouveau a été créé.</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>Certains résultats n’ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>Tester le micro</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>tapez deux fois</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>Bruit de fond jusqu’à %1, claps %2 et %3 : seuil %4 proposé.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>Un seul clap s’est détaché du bruit de fond. Tapez deux fois, un peu plus fort.</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>Les claps n’étaient pas nettement plus forts que le bruit de fond (jusqu’à %1). Le seuil reste inchangé.</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>Le micro n’a rien transmis.</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>Dernière séance : %1 sur %2 justes, %3 points, temps de réponse habituel %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>Aucun clap entendu. Tapez deux fois près du micro. Le seuil reste inchangé.</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Enfant :</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Premier enfant</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>Réponses par jour</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Faits numériques</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>Faits mémorisés par jour</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>Part des faits de niveau 1 mémorisés, par jour</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1, % mémorisés</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
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
        <translation>%1 sur %2 mémorisés</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>mémorisé (juste et rapide 2 fois sur les 3 derniers essais)</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>en apprentissage</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>pas encore posé</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1 : %2, %3, %4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>Mémorisés : %1 faits de niveau 1 sur %2 (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>%1 sur %2 justes ; le silence aurait donné %3</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>%1 de plus que le silence</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>%1 de moins que le silence</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>pas mieux que le silence</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>Résultat et silence</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>Silence, %</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>addition et soustraction</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>multiplication et division</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>type %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>Enregistrer le rapport (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-rapport-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Impossible d’écrire le rapport dans %1.</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook : progrès — %1</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Période : du %1 au %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>Séances : %1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>Bonnes réponses : %1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>Temps de réponse habituel : %1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>Faits de niveau 1</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>Erreurs les plus fréquentes</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — faux %2 fois sur %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Établi le %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>Aucune séance enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>Cet historique a été écrit par une version plus récente de Numbrook et reste tel quel. Les séances faites ici sont conservées à part dans %1.</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>La parole, la musique ou le bruit atteignaient le seuil.</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>Pièce %1, claps %2 et %3 : « Claps seuls » avec le seuil %4 proposé.</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d’enregistrer les données de « %1 »</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>Difficulté des questions</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>Vitesse de changement des questions</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>Opérations autorisées</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Résolution de l’écran</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>Choix de la touche de réponse</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Infobulles</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>Afficher les infobulles</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>Réduire le programme au démarrage</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>Démarrage auto</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>Lancer le programme à l’ouverture de session</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>Voir SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>Afficher les appareils SPDIF</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Afficher les points</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>Afficher l’image d’aide</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ÉCHAP – fermer l’affichage</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>Ouvrir l’aide</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>Aller sur notre site</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Réduire dans la barre</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>Voir la page du programme</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>Addition et soustraction</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplication et division</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>Plus grand et plus petit</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>Nombres décimaux</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>Sinus et cosinus</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>Tangente et cotangente</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>Carte son</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>L</source>
        <translation>G</translation>
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
        <translation>Fichier externe</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>Nombre de flux Out : </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>Nombre de flux In :  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Justes :</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>Erreurs :</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Points :</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>Ce calcul est-il juste ?</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>La touche de réponse ne marche que si une fenêtre de Numbrook est active.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>Vitesse précédente</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>Vitesse suivante</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>Micro précédent</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>Micro suivant</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>Touche de réponse précédente</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>Touche de réponse suivante</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>Langue précédente</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>Langue suivante</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>Signal du micro</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>Signal de la touche de réponse</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume du micro</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Niveau du micro</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Son en cours</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Grand texte</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>Afficher la question sur tout le tableau</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>Qui joue ensuite : chaque enfant a ses propres réglages et résultats</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>Enfant précédent</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>Enfant suivant</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Ajouter un enfant</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>Premier enfant</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>Nouvel enfant</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>Nom et image</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Pas d’image</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Veuillez saisir le nom de l’enfant.</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>Un autre enfant porte déjà ce nom.</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>La base des résultats est indisponible pour le moment. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>Supprimer l’enfant</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>Supprimer %1 et tous ses résultats ? Cette action est définitive.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1, is the expression correct?</source>
        <translation>%1, ce calcul est-il juste ?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>Poser surtout les faits que l’enfant ne connaît pas encore</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>niveau 1 seulement</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>Mémorisé sous</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>Un fait est mémorisé quand l’enfant répond à son calcul juste dans ce délai</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>Délai plus court</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>Délai plus long</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>Signes de l’école</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>Afficher les signes comme à l’école : × : − au lieu de * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook : aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>Le texte d’aide %1 est introuvable. Il a été cherché dans :
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>Aucun son en cours</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>Fenêtre 800 x 600</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>Appareil de sortie précédent</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>Appareil de sortie suivant</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>Volume gauche</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>Volume droit</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>Niveau gauche</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>Niveau droit</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>Fichier son précédent</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>Fichier son suivant</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Démarrer l’enregistrement</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>Journal du son</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>Claps seuls</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>Ne répondre qu’à un clap, pas à la parole, à la musique ou à la télévision ; le seuil dit alors de combien le clap doit dépasser le bruit de la pièce</translation>
    </message>
</context>
</TS>
