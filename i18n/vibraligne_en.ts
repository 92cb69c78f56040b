<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Accessibilite</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Mettre la simulation en pause (Espace)</source>
        <translation>Pause the simulation (Space)</translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Reprendre la simulation (Espace)</source>
        <translation>Resume the simulation (Space)</translation>
    </message>
    <message>
        <source>Avancer de 50 ms</source>
        <translation>Step 50 ms</translation>
    </message>
    <message>
        <source>Mettre en pause et avancer la simulation de 50 millisecondes (P)</source>
        <translation>Pause and advance the simulation by 50 milliseconds (P)</translation>
    </message>
    <message>
        <source>Masquer l&apos;animation</source>
        <translation>Hide the animation</translation>
    </message>
    <message>
        <source>Fermer la vue de la corde</source>
        <translation>Close the view of the string</translation>
    </message>
    <message>
        <source>Afficher l&apos;animation</source>
        <translation>Show the animation</translation>
    </message>
    <message>
        <source>Masquer l&apos;évolution temporelle</source>
        <translation>Hide the time evolution</translation>
    </message>
    <message>
        <source>Fermer l&apos;oscilloscope et désactiver les capteurs</source>
        <translation>Close the oscilloscope and switch the sensors off</translation>
    </message>
    <message>
        <source>Afficher l&apos;évolution temporelle</source>
        <translation>Show the time evolution</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Periodic vibration</translation>
    </message>
    <message>
        <source>Choisir une vibration périodique</source>
        <translation>Choose a periodic vibration</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Solitary pulse</translation>
    </message>
    <message>
        <source>Choisir une vibration solitaire</source>
        <translation>Choose a solitary pulse</translation>
    </message>
    <message>
        <source>Impulsion étroite</source>
        <translation>Narrow pulse</translation>
    </message>
    <message>
        <source>Lancer une impulsion étroite</source>
        <translation>Launch a narrow pulse</translation>
    </message>
    <message>
        <source>Impulsion moyenne</source>
        <translation>Medium pulse</translation>
    </message>
    <message>
        <source>Lancer une impulsion moyenne</source>
        <translation>Launch a medium pulse</translation>
    </message>
    <message>
        <source>Impulsion large</source>
        <translation>Wide pulse</translation>
    </message>
    <message>
        <source>Lancer une impulsion large</source>
        <translation>Launch a wide pulse</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 1</source>
        <translation>Switch sensor 1 on or off</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 2</source>
        <translation>Switch sensor 2 on or off</translation>
    </message>
    <message>
        <source>Position du capteur 1</source>
        <translation>Position of sensor 1</translation>
    </message>
    <message>
        <source>Position du capteur 2</source>
        <translation>Position of sensor 2</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Asymmetry</translation>
    </message>
    <message>
        <source>Amplitude de l&apos;impulsion</source>
        <translation>Pulse amplitude</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde</source>
        <translation>Wave speed</translation>
    </message>
    <message>
        <source>Amortissement</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Extrémité sans fin</source>
        <translation>Endless string</translation>
    </message>
    <message>
        <source>L&apos;onde quitte la corde sans revenir</source>
        <translation>The wave leaves the string and never comes back</translation>
    </message>
    <message>
        <source>Extrémité fixe</source>
        <translation>Fixed end</translation>
    </message>
    <message>
        <source>Extrémité libre</source>
        <translation>Free end</translation>
    </message>
    <message>
        <source>0,1 seconde par division</source>
        <translation>0.1 second per division</translation>
    </message>
    <message>
        <source>0,2 seconde par division</source>
        <translation>0.2 second per division</translation>
    </message>
    <message>
        <source>0,5 seconde par division</source>
        <translation>0.5 second per division</translation>
    </message>
    <message>
        <source>1 seconde par division</source>
        <translation>1 second per division</translation>
    </message>
    <message>
        <source>1,5 seconde par division</source>
        <translation>1.5 seconds per division</translation>
    </message>
    <message>
        <source>2 secondes par division</source>
        <translation>2 seconds per division</translation>
    </message>
    <message>
        <source>Flèches gauche et droite pour le déplacer</source>
        <translation>Left and Right arrows move it</translation>
    </message>
    <message>
        <source>%1 centimètres</source>
        <translation>%1 centimetres</translation>
    </message>
    <message>
        <source>%1 hertz</source>
        <translation>%1 hertz</translation>
    </message>
    <message>
        <source>%1 centimètre</source>
        <translation>%1 centimetre</translation>
    </message>
    <message>
        <source>%1 centimètre par seconde</source>
        <translation>%1 centimetre per second</translation>
    </message>
    <message>
        <source>montée pendant %1 % de la période</source>
        <translation>rising during %1 % of the period</translation>
    </message>
    <message>
        <source>%1 par 10 centimètres</source>
        <translation>%1 per 10 centimetres</translation>
    </message>
    <message>
        <source>Flèches haut et bas pour le déplacer, Début pour le repos</source>
        <translation>Up and Down arrows move it, Home brings it to rest</translation>
    </message>
</context>
<context>
    <name>Dialogues</name>
    <message>
        <source>Télécharger « %1 » sous quel type de fichier ?</source>
        <translation>Download “%1” as which type of file?</translation>
    </message>
</context>
<context>
    <name>Disposition</name>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>graduations en cm</source>
        <translation>scale in cm</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;animation</source>
        <translation>Click here to see the animation</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Solitary pulse</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Periodic vibration</translation>
    </message>
    <message>
        <source>Propriétés de la vibration</source>
        <translation>Vibration properties</translation>
    </message>
    <message>
        <source>Amplitude : </source>
        <translation>Amplitude: </translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Asymmetry</translation>
    </message>
    <message>
        <source>Fréquence : </source>
        <translation>Frequency: </translation>
    </message>
    <message>
        <source>Animer le vibreur :</source>
        <translation>Drive the vibrator:</translation>
    </message>
    <message>
        <source>Propriétés du milieu</source>
        <translation>Medium properties</translation>
    </message>
    <message>
        <source>Amortissement :</source>
        <translation>Damping:</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde : </source>
        <translation>Wave speed: </translation>
    </message>
    <message>
        <source>Extrémité de la corde :</source>
        <translation>End of the string:</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>endless</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fixed</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>free</translation>
    </message>
    <message>
        <source>Evolution temporelle</source>
        <translation>Time evolution</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;évolution temporelle d&apos;un ou deux points du milieu</source>
        <translation>Click here to see how one or two points of the medium move over time</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Capteurs :</source>
        <translation>Sensors:</translation>
    </message>
    <message>
        <source>0,1 s/div</source>
        <translation>0.1 s/div</translation>
    </message>
    <message>
        <source>0,2 s/div</source>
        <translation>0.2 s/div</translation>
    </message>
    <message>
        <source>0,5 s/div</source>
        <translation>0.5 s/div</translation>
    </message>
    <message>
        <source>1,0 s/div</source>
        <translation>1.0 s/div</translation>
    </message>
    <message>
        <source>1,5 s/div</source>
        <translation>1.5 s/div</translation>
    </message>
    <message>
        <source>2,0 s/div</source>
        <translation>2.0 s/div</translation>
    </message>
    <message>
        <source>Sensibilité horizontale  :</source>
        <translation>Time base:</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Start the simulation</translation>
    </message>
    <message>
        <source>Simulation pour la classe
de sciences physiques</source>
        <translation>A simulation for the
physics classroom</translation>
    </message>
    <message>
        <source>L&apos;équipe vibraLIGNE</source>
        <translation>The vibraLIGNE team</translation>
    </message>
    <message>
        <source>Ses contributeurs</source>
        <translation>Its contributors</translation>
    </message>
    <message>
        <source>Logiciel libre, en Qt 6</source>
        <translation>Free software, in Qt 6</translation>
    </message>
    <message>
        <source>VibraLIGNE anime un modèle de l&apos;onde transversale dans un milieu à une dimension. L&apos;onde peut être sinusoïdale ou solitaire.  Des &quot;capteur&quot; permettent de représenter l&apos;évolution temporelle de l&apos;état d&apos;un ou deux points du milieu.</source>
        <translation>VibraLIGNE animates a model of the transverse wave in a one-dimensional medium. The wave can be sinusoidal or solitary.  &quot;Sensors&quot; show how the state of one or two points of the medium evolves over time.</translation>
    </message>
    <message>
        <source>0,5 cm</source>
        <translation>0.5 cm</translation>
    </message>
    <message>
        <source>1,5 cm</source>
        <translation>1.5 cm</translation>
    </message>
</context>
<context>
    <name>Lecon</name>
    <message>
        <source>le fichier ne peut pas être lu (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été ouverte : %2.</source>
        <translation>The lesson &quot;%1&quot; was not opened: %2.</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été enregistrée : %2.</source>
        <translation>The lesson &quot;%1&quot; was not saved: %2.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier texte en UTF-8</source>
        <translation>it is not a UTF-8 text file</translation>
    </message>
    <message>
        <source>le fichier dépasse 64 Kio</source>
        <translation>the file is over 64 KiB</translation>
    </message>
    <message>
        <source>le fichier est vide</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>la première ligne n&apos;est pas « vibraLIGNE-lecon 1 »</source>
        <translation>the first line is not &quot;vibraLIGNE-lecon 1&quot;</translation>
    </message>
    <message>
        <source>la leçon vient d&apos;une version plus récente de vibraLIGNE</source>
        <translation>the lesson comes from a newer version of vibraLIGNE</translation>
    </message>
    <message>
        <source>la ligne n&apos;a pas la forme « nom = valeur »</source>
        <translation>the line is not of the form &quot;name = value&quot;</translation>
    </message>
    <message>
        <source>réglage inconnu « %1 »</source>
        <translation>unknown setting &quot;%1&quot;</translation>
    </message>
    <message>
        <source>« %1 » est donné deux fois</source>
        <translation>&quot;%1&quot; is given twice</translation>
    </message>
    <message>
        <source>valeur illisible pour « %1 » (attendu : %2)</source>
        <translation>unreadable value for &quot;%1&quot; (expected: %2)</translation>
    </message>
    <message>
        <source>valeur hors limites pour « %1 » (permis : %2)</source>
        <translation>value out of range for &quot;%1&quot; (allowed: %2)</translation>
    </message>
    <message>
        <source>il manque la ligne « %1 »</source>
        <translation>the line &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>la page manque de mémoire</source>
        <translation>the page is out of memory</translation>
    </message>
    <message>
        <source>absent du site de la page</source>
        <translation>not on the page&apos;s site</translation>
    </message>
    <message>
        <source>seul un fichier du site de la page peut être lu</source>
        <translation>only a file on the page&apos;s own site can be read</translation>
    </message>
</context>
<context>
    <name>LigneDeCommande</name>
    <message>
        <source>vibraLIGNE anime une onde transversale le long d&apos;une corde, pour la classe de physique.</source>
        <translation>vibraLIGNE animates a transverse wave travelling along a string, for the physics classroom.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Displays the version.</translation>
    </message>
    <message>
        <source>langue</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Essayez « vibraligne --help ».</source>
        <translation>Try &apos;vibraligne --help&apos;.</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>Utilisation :</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Langue de l&apos;interface : fr, en, es, de ou it (par défaut, celle du système si c&apos;est l&apos;une d&apos;elles, sinon le français).</source>
        <translation>Language of the interface: fr, en, es, de or it (by default, the system&apos;s if it is one of them, else French).</translation>
    </message>
    <message>
        <source>langue inconnue : %1 (fr, en, es, de ou it)</source>
        <translation>unknown language: %1 (fr, en, es, de or it)</translation>
    </message>
    <message>
        <source>un affichage graphique est nécessaire, et aucun n&apos;est ouvert (DISPLAY et WAYLAND_DISPLAY sont vides).</source>
        <translation>a graphical display is needed, and none is open (DISPLAY and WAYLAND_DISPLAY are empty).</translation>
    </message>
    <message>
        <source>Vérifie une leçon sans l&apos;ouvrir ni rien afficher (code de sortie 0 si elle est valable, 1 sinon, avec la raison).</source>
        <translation>Checks a lesson without opening it or showing anything (exit code 0 if it is valid, else 1, with the reason).</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>lesson</translation>
    </message>
    <message>
        <source>Une leçon (.vibraligne) à ouvrir.</source>
        <translation>A lesson (.vibraligne) to open.</translation>
    </message>
    <message>
        <source>une seule leçon à la fois</source>
        <translation>one lesson at a time</translation>
    </message>
    <message>
        <source>%1 : leçon valable.
</source>
        <translation>%1: a valid lesson.
</translation>
    </message>
    <message>
        <source>Arguments :</source>
        <translation>Arguments:</translation>
    </message>
</context>
<context>
    <name>Plateforme</name>
    <message>
        <source>version pour navigateur, WebAssembly</source>
        <translation>browser version, WebAssembly</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>y (cm)</source>
        <translation>y (cm)</translation>
    </message>
    <message>
        <source>Fichiers CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Classeurs Excel (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>VueCorde</name>
    <message>
        <source>Aspect figé %1 : t = %2 s</source>
        <translation>Frozen shape %1: t = %2 s</translation>
    </message>
</context>
<context>
    <name>app::Accueil</name>
    <message>
        <source>Accueil de vibraLIGNE</source>
        <translation>Welcome to vibraLIGNE</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Start the simulation</translation>
    </message>
    <message>
        <source>Image d&apos;une onde le long d&apos;une corde, avec deux capteurs</source>
        <translation>Picture of a wave along a string, with two sensors</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreAide</name>
    <message>
        <source>Les touches</source>
        <translation>The keys</translation>
    </message>
    <message>
        <source>Espace</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>pause, ou reprise</source>
        <translation>pause, or play again</translation>
    </message>
    <message>
        <source>pause, puis avance de 50 ms</source>
        <translation>pause, then step 50 ms</translation>
    </message>
    <message>
        <source>Gauche / Droite</source>
        <translation>Left / Right</translation>
    </message>
    <message>
        <source>sur la barre d&apos;un capteur : le déplace de 0,1 cm (avec Maj, de 1 cm)</source>
        <translation>on a sensor&apos;s bar: moves it by 0.1 cm (with Shift, by 1 cm)</translation>
    </message>
    <message>
        <source>plein écran, ou retour à la fenêtre</source>
        <translation>full screen, or back to the window</translation>
    </message>
    <message>
        <source>enregistrer les mesures de l&apos;oscilloscope</source>
        <translation>save the oscilloscope&apos;s measurements</translation>
    </message>
    <message>
        <source>copier l&apos;image de la fenêtre</source>
        <translation>copy the picture of the window</translation>
    </message>
    <message>
        <source>enregistrer l&apos;image de la fenêtre</source>
        <translation>save the picture of the window</translation>
    </message>
    <message>
        <source>cette aide</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>passer d&apos;une commande à l&apos;autre</source>
        <translation>go from one control to the next</translation>
    </message>
    <message>
        <source>Les outils de la leçon</source>
        <translation>The lesson tools</translation>
    </message>
    <message>
        <source>Survoler la vue de la corde ou l&apos;écran de l&apos;oscilloscope affiche les valeurs sous le pointeur : x et y sur la corde, t et y sur l&apos;écran.</source>
        <translation>Hovering over the view of the string or the oscilloscope&apos;s screen shows the values under the pointer: x and y on the string, t and y on the screen.</translation>
    </message>
    <message>
        <source>Glisser avec le bouton gauche mesure entre deux points : Δx (ou Δt) est l&apos;écart horizontal, Δy l&apos;écart vertical ; sur l&apos;écran, 1/Δt donne la fréquence. La mesure reste jusqu&apos;au prochain clic ou à l&apos;effacement de l&apos;écran.</source>
        <translation>Dragging with the left button measures between two points: Δx (or Δt) is the horizontal distance, Δy the vertical one; on the screen, 1/Δt gives the frequency. The measurement stays until the next click or until the screen clears.</translation>
    </message>
    <message>
        <source>Les extrémités de la corde</source>
        <translation>The ends of the string</translation>
    </message>
    <message>
        <source>« sans fin » : l&apos;onde quitte la vue et ne revient pas. « fixe » : la corde est attachée à 14 cm, l&apos;onde s&apos;y réfléchit à l&apos;envers. « libre » : l&apos;extrémité glisse sur une tige, l&apos;onde revient à l&apos;endroit. Le vibreur réfléchit l&apos;onde comme une extrémité fixe.</source>
        <translation>&quot;endless&quot;: the wave leaves the view and never comes back. &quot;fixed&quot;: the string is tied at 14 cm, and the wave reflects there upside down. &quot;free&quot;: the end slides on a rod, and the wave comes back the right way up. The vibrator reflects the wave as a fixed end does.</translation>
    </message>
    <message>
        <source>Les fichiers</source>
        <translation>The files</translation>
    </message>
    <message>
        <source>Les mesures et le profil de la corde s&apos;enregistrent en classeur .xlsx (nombres, unités, graphique et réglages) ou en CSV ; l&apos;image de la fenêtre en PNG. Les données sont prises au moment de la demande.</source>
        <translation>The measurements and the string&apos;s profile are saved as an .xlsx workbook (numbers, units, chart and settings) or as CSV; the picture of the window as PNG. The data are taken at the moment they are asked for.</translation>
    </message>
    <message>
        <source>Un nom sans extension reçoit celle du type choisi ; un mot confirme chaque enregistrement pendant quelques secondes.</source>
        <translation>A name without an extension gets the chosen type&apos;s; a word confirms each save for a few seconds.</translation>
    </message>
    <message>
        <source>À propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>vibraLIGNE %1, logiciel libre sous licence GNU GPL version 3 ou ultérieure (GPL-3.0-or-later). Construit avec Qt %2 ; fonctionne avec Qt %3.</source>
        <translation>vibraLIGNE %1, free software under the GNU GPL version 3 or later (GPL-3.0-or-later). Built with Qt %2; running with Qt %3.</translation>
    </message>
    <message>
        <source>Aide — vibraLIGNE</source>
        <translation>Help — vibraLIGNE</translation>
    </message>
    <message>
        <source>Aide de vibraLIGNE</source>
        <translation>vibraLIGNE help</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>vitesse réelle, ou ralenti × 1/2, × 1/4, × 1/10 (l&apos;axe de l&apos;oscilloscope reste le temps simulé)</source>
        <translation>real speed, or slow motion × 1/2, × 1/4, × 1/10 (the oscilloscope&apos;s axis stays simulation time)</translation>
    </message>
    <message>
        <source>Haut / Bas</source>
        <translation>Up / Down</translation>
    </message>
    <message>
        <source>sur le bloc du vibreur, en vibration solitaire : le déplace de 0,1 cm (avec Maj, de 0,5 cm) ; Début le remet au repos</source>
        <translation>on the vibrator&apos;s block, in the solitary mode: moves it by 0.1 cm (with Shift, by 0.5 cm); Home brings it back to rest</translation>
    </message>
    <message>
        <source>En vibration solitaire, le bloc du vibreur se saisit à la souris : la corde emporte le mouvement de la main, amorti et réfléchi comme une impulsion. Lâché, il reste où il est ; un bouton d&apos;impulsion ou un changement d&apos;onglet le remet au repos.</source>
        <translation>In the solitary mode, the vibrator&apos;s block can be taken with the mouse: the string carries the hand&apos;s motion away, damped and reflected as a pulse is. Let go, it stays where it is; a pulse button or a change of tab brings it back to rest.</translation>
    </message>
    <message>
        <source>ouvrir une leçon, enregistrer la leçon (fichier .vibraligne)</source>
        <translation>open a lesson, save the lesson (a .vibraligne file)</translation>
    </message>
    <message>
        <source>réinitialiser : tout comme au démarrage</source>
        <translation>reset: everything as at start</translation>
    </message>
    <message>
        <source>Le clic droit, ou sur un écran tactile un appui prolongé, ouvre le menu : enregistrer les mesures, le profil de la corde ou l&apos;image, copier l&apos;image ; choisir le ralenti.</source>
        <translation>The right button, or on a touch screen a long press, opens the menu: save the measurements, the string&apos;s profile or the picture, copy the picture; choose slow motion.</translation>
    </message>
    <message>
        <source>figer l&apos;aspect de la corde (trois au plus, chacun avec son temps), effacer les aspects figés</source>
        <translation>freeze the string&apos;s shape (three at most, each with its time), clear the frozen shapes</translation>
    </message>
    <message>
        <source>garder les traces de l&apos;oscilloscope (estompées, sous les suivantes, avec leurs réglages dans les mesures), effacer les traces gardées</source>
        <translation>keep the oscilloscope&apos;s traces (faded, under the ones that follow, with their settings in the measurements), clear the kept traces</translation>
    </message>
    <message>
        <source>La ligne de référence, dans le menu de la vue de la corde, marque une hauteur, écrite à son bout : pour lire une amplitude, ou ce que l&apos;amortissement en laisse. Sa poignée, à droite, se glisse à la souris ou au doigt ; avec Tab, les flèches haut et bas la déplacent.</source>
        <translation>The reference line, in the string view&apos;s menu, marks a height, written at its end: to read an amplitude, or what damping leaves of it. Its grip, on the right, drags with the mouse or a finger; with Tab, the Up and Down arrows move it.</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreCorde</name>
    <message>
        <source>Fréquences propres : %1 Hz</source>
        <translation>Natural frequencies: %1 Hz</translation>
    </message>
    <message>
        <source>Vitesse réelle (× 1)</source>
        <translation>Real speed (× 1)</translation>
    </message>
    <message>
        <source>Ralenti × 1/%1</source>
        <translation>Slow motion × 1/%1</translation>
    </message>
    <message>
        <source>Leçons vibraLIGNE (*.vibraligne)</source>
        <translation>vibraLIGNE lessons (*.vibraligne)</translation>
    </message>
    <message>
        <source>Ouvrir une leçon…</source>
        <translation>Open a lesson…</translation>
    </message>
    <message>
        <source>Enregistrer la leçon…</source>
        <translation>Save the lesson…</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>lesson</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Réinitialiser</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Figer l&apos;aspect de la corde</source>
        <translation>Freeze the string&apos;s shape</translation>
    </message>
    <message>
        <source>Effacer les aspects figés</source>
        <translation>Clear the frozen shapes</translation>
    </message>
    <message>
        <source>Ligne de référence</source>
        <translation>Reference line</translation>
    </message>
    <message>
        <source>Garder les traces</source>
        <translation>Keep the traces</translation>
    </message>
    <message>
        <source>Effacer les traces gardées</source>
        <translation>Clear the kept traces</translation>
    </message>
</context>
<context>
    <name>fenetre::LigneReference</name>
    <message>
        <source>Ligne de référence</source>
        <translation>Reference line</translation>
    </message>
    <message>
        <source>y = %1 cm</source>
        <translation>y = %1 cm</translation>
    </message>
</context>
<context>
    <name>fenetre::PoigneeVibreur</name>
    <message>
        <source>Vibreur</source>
        <translation>Vibrator</translation>
    </message>
</context>
<context>
    <name>mesure</name>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ou fichier trop grand)</source>
        <translation>the write failed (disk full or file too large)</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu remplacer l&apos;ancien</source>
        <translation>the file could not replace the old one</translation>
    </message>
    <message>
        <source>le dossier est protégé en écriture</source>
        <translation>the folder is write-protected</translation>
    </message>
    <message>
        <source>ce nom de fichier n&apos;est pas permis à cet endroit</source>
        <translation>this file name is not allowed there</translation>
    </message>
    <message>
        <source>aucun nom de fichier</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>aucun fichier temporaire possible</source>
        <translation>no temporary file could be made</translation>
    </message>
    <message>
        <source>le classeur n&apos;a pas pu être écrit (%1)</source>
        <translation>the workbook could not be written (%1)</translation>
    </message>
    <message>
        <source>c&apos;est le nom d&apos;un dossier</source>
        <translation>it is a folder&apos;s name</translation>
    </message>
    <message>
        <source>le dossier « %1 » n&apos;existe pas</source>
        <translation>the folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture</source>
        <translation>the existing file is write-protected</translation>
    </message>
</context>
<context>
    <name>mesure::OutilsLecon</name>
    <message>
        <source>x = %1 cm</source>
        <translation>x = %1 cm</translation>
    </message>
    <message>
        <source> ; y = %1 cm</source>
        <translation>; y = %1 cm</translation>
    </message>
    <message>
        <source>t = %1 s ; y = %2 cm</source>
        <translation>t = %1 s; y = %2 cm</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Enregistrement impossible</source>
        <translation>Could not save</translation>
    </message>
    <message>
        <source>Enregistrer les mesures…</source>
        <translation>Save the measurements…</translation>
    </message>
    <message>
        <source>Enregistrer le profil de la corde…</source>
        <translation>Save the string&apos;s profile…</translation>
    </message>
    <message>
        <source>Copier l&apos;image</source>
        <translation>Copy the picture</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image…</source>
        <translation>Save the picture…</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation>Could not save &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Δx = %1 cm (horizontal)
Δy = %2 cm (vertical)</source>
        <translation>Δx = %1 cm (horizontal)
Δy = %2 cm (vertical)</translation>
    </message>
    <message>
        <source>Δt = %1 s (horizontal)
Δy = %2 cm (vertical)
1/Δt = %3</source>
        <translation>Δt = %1 s (horizontal)
Δy = %2 cm (vertical)
1/Δt = %3</translation>
    </message>
    <message>
        <source>Survoler : lire les valeurs · Glisser : mesurer · Clic droit : enregistrer, copier</source>
        <translation>Hover: read the values · Drag: measure · Right click: save, copy</translation>
    </message>
    <message>
        <source>mesures</source>
        <translation>measurements</translation>
    </message>
    <message>
        <source>aucun capteur n&apos;était en marche depuis que l&apos;écran a été effacé : il n&apos;y a pas de mesures à enregistrer</source>
        <translation>no sensor has been on since the screen was cleared: there are no measurements to save</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Élongations aux capteurs</source>
        <translation>Displacements at the sensors</translation>
    </message>
    <message>
        <source>t (s)</source>
        <translation>t (s)</translation>
    </message>
    <message>
        <source>y1 (cm)</source>
        <translation>y1 (cm)</translation>
    </message>
    <message>
        <source>y2 (cm)</source>
        <translation>y2 (cm)</translation>
    </message>
    <message>
        <source>Réglages</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>endless</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fixed</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>free</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Amplitude (cm)</source>
        <translation>Amplitude (cm)</translation>
    </message>
    <message>
        <source>Déformation (%)</source>
        <translation>Asymmetry (%)</translation>
    </message>
    <message>
        <source>Célérité (cm/s)</source>
        <translation>Wave speed (cm/s)</translation>
    </message>
    <message>
        <source>Amortissement (pour 10 cm)</source>
        <translation>Damping (per 10 cm)</translation>
    </message>
    <message>
        <source>Extrémité de la corde</source>
        <translation>End of the string</translation>
    </message>
    <message>
        <source>Base de temps (s/div)</source>
        <translation>Time base (s/div)</translation>
    </message>
    <message>
        <source>Capteur %1 (cm)</source>
        <translation>Sensor %1 (cm)</translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation>off</translation>
    </message>
    <message>
        <source>profil-corde</source>
        <translation>string-profile</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profil de la corde à t = %1 s</source>
        <translation>Profile of the string at t = %1 s</translation>
    </message>
    <message>
        <source>x (cm)</source>
        <translation>x (cm)</translation>
    </message>
    <message>
        <source>y (cm)</source>
        <translation>y (cm)</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>vibraligne</source>
        <translation>vibraligne</translation>
    </message>
    <message>
        <source>Rien à enregistrer : %1.</source>
        <translation>Nothing to save: %1.</translation>
    </message>
    <message>
        <source>Enregistré : %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Copie impossible</source>
        <translation>Cannot copy</translation>
    </message>
    <message>
        <source>Ce navigateur ne laisse pas la page copier l&apos;image. Enregistrez-la plutôt (Ctrl+Maj+S), puis insérez le fichier.</source>
        <translation>This browser does not let the page copy the picture. Save it instead (Ctrl+Shift+S), then insert the file.</translation>
    </message>
    <message>
        <source> ; à t = %1 s : y = %2 cm</source>
        <translation>; at t = %1 s: y = %2 cm</translation>
    </message>
    <message>
        <source>y à t = %1 s (cm)</source>
        <translation>y at t = %1 s (cm)</translation>
    </message>
    <message>
        <source>t gardé (s)</source>
        <translation>t kept (s)</translation>
    </message>
    <message>
        <source>y1 gardé (cm)</source>
        <translation>y1 kept (cm)</translation>
    </message>
    <message>
        <source>y2 gardé (cm)</source>
        <translation>y2 kept (cm)</translation>
    </message>
    <message>
        <source>Traces gardées</source>
        <translation>Kept traces</translation>
    </message>
</context>
</TS>
