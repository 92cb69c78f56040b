<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibilite</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Mettre la simulation en pause (Espace)</source>
        <translation>Simulation anhalten (Leertaste)</translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Reprendre la simulation (Espace)</source>
        <translation>Simulation fortsetzen (Leertaste)</translation>
    </message>
    <message>
        <source>Avancer de 50 ms</source>
        <translation>50 ms weiter</translation>
    </message>
    <message>
        <source>Mettre en pause et avancer la simulation de 50 millisecondes (P)</source>
        <translation>Anhalten und die Simulation um 50 Millisekunden weiterschalten (P)</translation>
    </message>
    <message>
        <source>Masquer l&apos;animation</source>
        <translation>Animation ausblenden</translation>
    </message>
    <message>
        <source>Fermer la vue de la corde</source>
        <translation>Ansicht des Seils schließen</translation>
    </message>
    <message>
        <source>Afficher l&apos;animation</source>
        <translation>Animation anzeigen</translation>
    </message>
    <message>
        <source>Masquer l&apos;évolution temporelle</source>
        <translation>Zeitlichen Verlauf ausblenden</translation>
    </message>
    <message>
        <source>Fermer l&apos;oscilloscope et désactiver les capteurs</source>
        <translation>Oszilloskop schließen und die Sensoren ausschalten</translation>
    </message>
    <message>
        <source>Afficher l&apos;évolution temporelle</source>
        <translation>Zeitlichen Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Periodische Schwingung</translation>
    </message>
    <message>
        <source>Choisir une vibration périodique</source>
        <translation>Periodische Schwingung wählen</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Einzelner Puls</translation>
    </message>
    <message>
        <source>Choisir une vibration solitaire</source>
        <translation>Einzelnen Puls wählen</translation>
    </message>
    <message>
        <source>Impulsion étroite</source>
        <translation>Schmaler Puls</translation>
    </message>
    <message>
        <source>Lancer une impulsion étroite</source>
        <translation>Einen schmalen Puls auslösen</translation>
    </message>
    <message>
        <source>Impulsion moyenne</source>
        <translation>Mittlerer Puls</translation>
    </message>
    <message>
        <source>Lancer une impulsion moyenne</source>
        <translation>Einen mittleren Puls auslösen</translation>
    </message>
    <message>
        <source>Impulsion large</source>
        <translation>Breiter Puls</translation>
    </message>
    <message>
        <source>Lancer une impulsion large</source>
        <translation>Einen breiten Puls auslösen</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 1</source>
        <translation>Sensor 1 ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 2</source>
        <translation>Sensor 2 ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Position du capteur 1</source>
        <translation>Position von Sensor 1</translation>
    </message>
    <message>
        <source>Position du capteur 2</source>
        <translation>Position von Sensor 2</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Verformung</translation>
    </message>
    <message>
        <source>Amplitude de l&apos;impulsion</source>
        <translation>Amplitude des Pulses</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde</source>
        <translation>Wellengeschwindigkeit</translation>
    </message>
    <message>
        <source>Amortissement</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>Extrémité sans fin</source>
        <translation>Endloses Seil</translation>
    </message>
    <message>
        <source>L&apos;onde quitte la corde sans revenir</source>
        <translation>Die Welle verlässt das Seil und kehrt nicht zurück</translation>
    </message>
    <message>
        <source>Extrémité fixe</source>
        <translation>Festes Ende</translation>
    </message>
    <message>
        <source>Extrémité libre</source>
        <translation>Freies Ende</translation>
    </message>
    <message>
        <source>0,1 seconde par division</source>
        <translation>0,1 Sekunde pro Teilung</translation>
    </message>
    <message>
        <source>0,2 seconde par division</source>
        <translation>0,2 Sekunde pro Teilung</translation>
    </message>
    <message>
        <source>0,5 seconde par division</source>
        <translation>0,5 Sekunde pro Teilung</translation>
    </message>
    <message>
        <source>1 seconde par division</source>
        <translation>1 Sekunde pro Teilung</translation>
    </message>
    <message>
        <source>1,5 seconde par division</source>
        <translation>1,5 Sekunden pro Teilung</translation>
    </message>
    <message>
        <source>2 secondes par division</source>
        <translation>2 Sekunden pro Teilung</translation>
    </message>
    <message>
        <source>Flèches gauche et droite pour le déplacer</source>
        <translation>Pfeiltasten links und rechts verschieben ihn</translation>
    </message>
    <message>
        <source>%1 centimètres</source>
        <translation>%1 Zentimeter</translation>
    </message>
    <message>
        <source>%1 hertz</source>
        <translation>%1 Hertz</translation>
    </message>
    <message>
        <source>%1 centimètre</source>
        <translation>%1 Zentimeter</translation>
    </message>
    <message>
        <source>%1 centimètre par seconde</source>
        <translation>%1 Zentimeter pro Sekunde</translation>
    </message>
    <message>
        <source>montée pendant %1 % de la période</source>
        <translation>Anstieg während %1 % der Periode</translation>
    </message>
    <message>
        <source>%1 par 10 centimètres</source>
        <translation>%1 pro 10 Zentimeter</translation>
    </message>
    <message>
        <source>Flèches haut et bas pour le déplacer, Début pour le repos</source>
        <translation>Pfeiltasten hoch und runter verschieben ihn, Pos1 bringt ihn in Ruhe</translation>
    </message>
</context>
<context>
    <name>Dialogues</name>
    <message>
        <source>Télécharger « %1 » sous quel type de fichier ?</source>
        <translation>„%1“ als welchen Dateityp herunterladen?</translation>
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
        <translation>Skala in cm</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;animation</source>
        <translation>Animation: hier klicken</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Einzelner Puls</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Periodisch</translation>
    </message>
    <message>
        <source>Propriétés de la vibration</source>
        <translation>Die Schwingung</translation>
    </message>
    <message>
        <source>Amplitude : </source>
        <translation>Amplitude: </translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Verformung</translation>
    </message>
    <message>
        <source>Fréquence : </source>
        <translation>Frequenz: </translation>
    </message>
    <message>
        <source>Animer le vibreur :</source>
        <translation>Erreger antreiben:</translation>
    </message>
    <message>
        <source>Propriétés du milieu</source>
        <translation>Das Medium</translation>
    </message>
    <message>
        <source>Amortissement :</source>
        <translation>Dämpfung:</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde : </source>
        <translation>Geschwindigkeit: </translation>
    </message>
    <message>
        <source>Extrémité de la corde :</source>
        <translation>Ende des Seils:</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>endlos</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Evolution temporelle</source>
        <translation>Zeitlicher Verlauf</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;évolution temporelle d&apos;un ou deux points du milieu</source>
        <translation>Hier klicken für den Verlauf von ein oder zwei Punkten</translation>
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
        <translation>Sensoren:</translation>
    </message>
    <message>
        <source>0,1 s/div</source>
        <translation>0,1 s/Div</translation>
    </message>
    <message>
        <source>0,2 s/div</source>
        <translation>0,2 s/Div</translation>
    </message>
    <message>
        <source>0,5 s/div</source>
        <translation>0,5 s/Div</translation>
    </message>
    <message>
        <source>1,0 s/div</source>
        <translation>1,0 s/Div</translation>
    </message>
    <message>
        <source>1,5 s/div</source>
        <translation>1,5 s/Div</translation>
    </message>
    <message>
        <source>2,0 s/div</source>
        <translation>2,0 s/Div</translation>
    </message>
    <message>
        <source>Sensibilité horizontale  :</source>
        <translation>Zeitbasis:</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Simulation starten</translation>
    </message>
    <message>
        <source>Simulation pour la classe
de sciences physiques</source>
        <translation>Eine Simulation für den
Physikunterricht</translation>
    </message>
    <message>
        <source>L&apos;équipe vibraLIGNE</source>
        <translation>Das vibraLIGNE-Team</translation>
    </message>
    <message>
        <source>Ses contributeurs</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Logiciel libre, en Qt 6</source>
        <translation>Freie Software, in Qt 6</translation>
    </message>
    <message>
        <source>VibraLIGNE anime un modèle de l&apos;onde transversale dans un milieu à une dimension. L&apos;onde peut être sinusoïdale ou solitaire.  Des &quot;capteur&quot; permettent de représenter l&apos;évolution temporelle de l&apos;état d&apos;un ou deux points du milieu.</source>
        <translation>VibraLIGNE animiert ein Modell der Transversalwelle in einem eindimensionalen Medium. Die Welle kann sinusförmig oder ein einzelner Puls sein.  &quot;Sensoren&quot; zeigen den zeitlichen Verlauf des Zustands von einem oder zwei Punkten des Mediums.</translation>
    </message>
    <message>
        <source>0,5 cm</source>
        <translation>0,5 cm</translation>
    </message>
    <message>
        <source>1,5 cm</source>
        <translation>1,5 cm</translation>
    </message>
</context>
<context>
    <name>Lecon</name>
    <message>
        <source>le fichier ne peut pas être lu (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été ouverte : %2.</source>
        <translation>Die Unterrichtsstunde „%1“ wurde nicht geöffnet: %2.</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été enregistrée : %2.</source>
        <translation>Die Unterrichtsstunde „%1“ wurde nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier texte en UTF-8</source>
        <translation>es ist keine UTF-8-Textdatei</translation>
    </message>
    <message>
        <source>le fichier dépasse 64 Kio</source>
        <translation>die Datei ist größer als 64 KiB</translation>
    </message>
    <message>
        <source>le fichier est vide</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>la première ligne n&apos;est pas « vibraLIGNE-lecon 1 »</source>
        <translation>die erste Zeile ist nicht „vibraLIGNE-lecon 1“</translation>
    </message>
    <message>
        <source>la leçon vient d&apos;une version plus récente de vibraLIGNE</source>
        <translation>die Unterrichtsstunde stammt aus einer neueren Version von vibraLIGNE</translation>
    </message>
    <message>
        <source>la ligne n&apos;a pas la forme « nom = valeur »</source>
        <translation>die Zeile hat nicht die Form „Name = Wert“</translation>
    </message>
    <message>
        <source>réglage inconnu « %1 »</source>
        <translation>unbekannte Einstellung „%1“</translation>
    </message>
    <message>
        <source>« %1 » est donné deux fois</source>
        <translation>„%1“ ist zweimal angegeben</translation>
    </message>
    <message>
        <source>valeur illisible pour « %1 » (attendu : %2)</source>
        <translation>unlesbarer Wert für „%1“ (erwartet: %2)</translation>
    </message>
    <message>
        <source>valeur hors limites pour « %1 » (permis : %2)</source>
        <translation>Wert außerhalb des Bereichs für „%1“ (erlaubt: %2)</translation>
    </message>
    <message>
        <source>il manque la ligne « %1 »</source>
        <translation>die Zeile „%1“ fehlt</translation>
    </message>
    <message>
        <source>la page manque de mémoire</source>
        <translation>der Seite fehlt Speicher</translation>
    </message>
    <message>
        <source>absent du site de la page</source>
        <translation>nicht auf der Website der Seite</translation>
    </message>
    <message>
        <source>seul un fichier du site de la page peut être lu</source>
        <translation>nur eine Datei der eigenen Website der Seite kann gelesen werden</translation>
    </message>
</context>
<context>
    <name>LigneDeCommande</name>
    <message>
        <source>vibraLIGNE anime une onde transversale le long d&apos;une corde, pour la classe de physique.</source>
        <translation>vibraLIGNE animiert eine Transversalwelle entlang eines Seils, für den Physikunterricht.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>langue</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Essayez « vibraligne --help ».</source>
        <translation>Versuchen Sie „vibraligne --help“.</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Utilisation :</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Langue de l&apos;interface : fr, en, es, de ou it (par défaut, celle du système si c&apos;est l&apos;une d&apos;elles, sinon le français).</source>
        <translation>Sprache der Oberfläche: fr, en, es, de oder it (standardmäßig die des Systems, wenn sie eine davon ist, sonst Französisch).</translation>
    </message>
    <message>
        <source>langue inconnue : %1 (fr, en, es, de ou it)</source>
        <translation>unbekannte Sprache: %1 (fr, en, es, de oder it)</translation>
    </message>
    <message>
        <source>un affichage graphique est nécessaire, et aucun n&apos;est ouvert (DISPLAY et WAYLAND_DISPLAY sont vides).</source>
        <translation>eine grafische Anzeige ist nötig, aber keine ist geöffnet (DISPLAY und WAYLAND_DISPLAY sind leer).</translation>
    </message>
    <message>
        <source>Vérifie une leçon sans l&apos;ouvrir ni rien afficher (code de sortie 0 si elle est valable, 1 sinon, avec la raison).</source>
        <translation>Prüft eine Unterrichtsstunde, ohne sie zu öffnen oder etwas anzuzeigen (Exit-Code 0, wenn sie gültig ist, sonst 1 mit dem Grund).</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>stunde</translation>
    </message>
    <message>
        <source>Une leçon (.vibraligne) à ouvrir.</source>
        <translation>Eine Unterrichtsstunde (.vibraligne) zum Öffnen.</translation>
    </message>
    <message>
        <source>une seule leçon à la fois</source>
        <translation>nur eine Unterrichtsstunde auf einmal</translation>
    </message>
    <message>
        <source>%1 : leçon valable.
</source>
        <translation>%1: gültige Unterrichtsstunde.
</translation>
    </message>
    <message>
        <source>Arguments :</source>
        <translation>Argumente:</translation>
    </message>
</context>
<context>
    <name>Plateforme</name>
    <message>
        <source>version pour navigateur, WebAssembly</source>
        <translation>Browser-Version, WebAssembly</translation>
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
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Classeurs Excel (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>VueCorde</name>
    <message>
        <source>Aspect figé %1 : t = %2 s</source>
        <translation>Festgehaltene Form %1: t = %2 s</translation>
    </message>
</context>
<context>
    <name>app::Accueil</name>
    <message>
        <source>Accueil de vibraLIGNE</source>
        <translation>Willkommen bei vibraLIGNE</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Simulation starten</translation>
    </message>
    <message>
        <source>Image d&apos;une onde le long d&apos;une corde, avec deux capteurs</source>
        <translation>Bild einer Welle entlang eines Seils, mit zwei Sensoren</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreAide</name>
    <message>
        <source>Les touches</source>
        <translation>Die Tasten</translation>
    </message>
    <message>
        <source>Espace</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>pause, ou reprise</source>
        <translation>anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>pause, puis avance de 50 ms</source>
        <translation>anhalten, dann 50 ms weiter</translation>
    </message>
    <message>
        <source>Gauche / Droite</source>
        <translation>Links / Rechts</translation>
    </message>
    <message>
        <source>sur la barre d&apos;un capteur : le déplace de 0,1 cm (avec Maj, de 1 cm)</source>
        <translation>auf dem Balken eines Sensors: verschiebt ihn um 0,1 cm (mit Umschalt um 1 cm)</translation>
    </message>
    <message>
        <source>plein écran, ou retour à la fenêtre</source>
        <translation>Vollbild oder zurück zum Fenster</translation>
    </message>
    <message>
        <source>enregistrer les mesures de l&apos;oscilloscope</source>
        <translation>die Messwerte des Oszilloskops speichern</translation>
    </message>
    <message>
        <source>copier l&apos;image de la fenêtre</source>
        <translation>das Bild des Fensters kopieren</translation>
    </message>
    <message>
        <source>enregistrer l&apos;image de la fenêtre</source>
        <translation>das Bild des Fensters speichern</translation>
    </message>
    <message>
        <source>cette aide</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>passer d&apos;une commande à l&apos;autre</source>
        <translation>von einem Bedienelement zum nächsten</translation>
    </message>
    <message>
        <source>Les outils de la leçon</source>
        <translation>Die Werkzeuge für den Unterricht</translation>
    </message>
    <message>
        <source>Survoler la vue de la corde ou l&apos;écran de l&apos;oscilloscope affiche les valeurs sous le pointeur : x et y sur la corde, t et y sur l&apos;écran.</source>
        <translation>Wenn der Zeiger über der Ansicht des Seils oder dem Schirm des Oszilloskops steht, zeigt er die Werte darunter: x und y auf dem Seil, t und y auf dem Schirm.</translation>
    </message>
    <message>
        <source>Glisser avec le bouton gauche mesure entre deux points : Δx (ou Δt) est l&apos;écart horizontal, Δy l&apos;écart vertical ; sur l&apos;écran, 1/Δt donne la fréquence. La mesure reste jusqu&apos;au prochain clic ou à l&apos;effacement de l&apos;écran.</source>
        <translation>Ziehen mit der linken Taste misst zwischen zwei Punkten: Δx (oder Δt) ist der waagerechte Abstand, Δy der senkrechte; auf dem Schirm ergibt 1/Δt die Frequenz. Die Messung bleibt bis zum nächsten Klick oder bis der Schirm gelöscht wird.</translation>
    </message>
    <message>
        <source>Les extrémités de la corde</source>
        <translation>Die Enden des Seils</translation>
    </message>
    <message>
        <source>« sans fin » : l&apos;onde quitte la vue et ne revient pas. « fixe » : la corde est attachée à 14 cm, l&apos;onde s&apos;y réfléchit à l&apos;envers. « libre » : l&apos;extrémité glisse sur une tige, l&apos;onde revient à l&apos;endroit. Le vibreur réfléchit l&apos;onde comme une extrémité fixe.</source>
        <translation>„endlos“: die Welle verlässt die Ansicht und kehrt nicht zurück. „fest“: das Seil ist bei 14 cm befestigt, die Welle wird dort umgekehrt reflektiert. „frei“: das Ende gleitet auf einer Stange, die Welle kehrt aufrecht zurück. Der Erreger reflektiert die Welle wie ein festes Ende.</translation>
    </message>
    <message>
        <source>Les fichiers</source>
        <translation>Die Dateien</translation>
    </message>
    <message>
        <source>Les mesures et le profil de la corde s&apos;enregistrent en classeur .xlsx (nombres, unités, graphique et réglages) ou en CSV ; l&apos;image de la fenêtre en PNG. Les données sont prises au moment de la demande.</source>
        <translation>Messwerte und Profil des Seils werden als .xlsx-Arbeitsmappe (Zahlen, Einheiten, Diagramm und Einstellungen) oder als CSV gespeichert, das Bild des Fensters als PNG. Die Daten werden im Moment der Anfrage genommen.</translation>
    </message>
    <message>
        <source>Un nom sans extension reçoit celle du type choisi ; un mot confirme chaque enregistrement pendant quelques secondes.</source>
        <translation>Ein Name ohne Endung erhält die des gewählten Typs; ein kurzer Hinweis bestätigt jedes Speichern für einige Sekunden.</translation>
    </message>
    <message>
        <source>À propos</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>vibraLIGNE %1, logiciel libre sous licence GNU GPL version 3 ou ultérieure (GPL-3.0-or-later). Construit avec Qt %2 ; fonctionne avec Qt %3.</source>
        <translation>vibraLIGNE %1, freie Software unter der GNU GPL Version 3 oder später (GPL-3.0-or-later). Gebaut mit Qt %2; läuft mit Qt %3.</translation>
    </message>
    <message>
        <source>Aide — vibraLIGNE</source>
        <translation>Hilfe — vibraLIGNE</translation>
    </message>
    <message>
        <source>Aide de vibraLIGNE</source>
        <translation>Hilfe zu vibraLIGNE</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>vitesse réelle, ou ralenti × 1/2, × 1/4, × 1/10 (l&apos;axe de l&apos;oscilloscope reste le temps simulé)</source>
        <translation>Echtzeit oder Zeitlupe × 1/2, × 1/4, × 1/10 (die Achse des Oszilloskops bleibt die simulierte Zeit)</translation>
    </message>
    <message>
        <source>Haut / Bas</source>
        <translation>Hoch / Runter</translation>
    </message>
    <message>
        <source>sur le bloc du vibreur, en vibration solitaire : le déplace de 0,1 cm (avec Maj, de 0,5 cm) ; Début le remet au repos</source>
        <translation>auf dem Block des Erregers, beim einzelnen Puls: verschiebt ihn um 0,1 cm (mit Umschalt um 0,5 cm); Pos1 bringt ihn in Ruhe</translation>
    </message>
    <message>
        <source>En vibration solitaire, le bloc du vibreur se saisit à la souris : la corde emporte le mouvement de la main, amorti et réfléchi comme une impulsion. Lâché, il reste où il est ; un bouton d&apos;impulsion ou un changement d&apos;onglet le remet au repos.</source>
        <translation>Beim einzelnen Puls lässt sich der Block des Erregers mit der Maus greifen: das Seil trägt die Bewegung der Hand fort, gedämpft und reflektiert wie ein Puls. Losgelassen bleibt er, wo er ist; eine Puls-Taste oder ein Wechsel des Reiters bringt ihn in Ruhe.</translation>
    </message>
    <message>
        <source>ouvrir une leçon, enregistrer la leçon (fichier .vibraligne)</source>
        <translation>eine Unterrichtsstunde öffnen, die Unterrichtsstunde speichern (.vibraligne-Datei)</translation>
    </message>
    <message>
        <source>réinitialiser : tout comme au démarrage</source>
        <translation>zurücksetzen: alles wie beim Start</translation>
    </message>
    <message>
        <source>Le clic droit, ou sur un écran tactile un appui prolongé, ouvre le menu : enregistrer les mesures, le profil de la corde ou l&apos;image, copier l&apos;image ; choisir le ralenti.</source>
        <translation>Die rechte Maustaste, oder auf einem Touchscreen langes Drücken, öffnet das Menü: die Messungen, das Profil des Seils oder das Bild speichern, das Bild kopieren; die Zeitlupe wählen.</translation>
    </message>
    <message>
        <source>figer l&apos;aspect de la corde (trois au plus, chacun avec son temps), effacer les aspects figés</source>
        <translation>die Form des Seils festhalten (höchstens drei, jede mit ihrer Zeit), die festgehaltenen Formen löschen</translation>
    </message>
    <message>
        <source>garder les traces de l&apos;oscilloscope (estompées, sous les suivantes, avec leurs réglages dans les mesures), effacer les traces gardées</source>
        <translation>die Kurven des Oszilloskops behalten (blass, unter den folgenden, mit ihren Einstellungen in den Messungen), die behaltenen Kurven löschen</translation>
    </message>
    <message>
        <source>La ligne de référence, dans le menu de la vue de la corde, marque une hauteur, écrite à son bout : pour lire une amplitude, ou ce que l&apos;amortissement en laisse. Sa poignée, à droite, se glisse à la souris ou au doigt ; avec Tab, les flèches haut et bas la déplacent.</source>
        <translation>Die Bezugslinie im Menü der Seilansicht markiert eine Höhe, die an ihrem Ende steht: um eine Amplitude abzulesen oder was die Dämpfung davon übrig lässt. Ihr Griff rechts lässt sich mit der Maus oder dem Finger ziehen; mit Tab verschieben die Pfeiltasten nach oben und unten sie.</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreCorde</name>
    <message>
        <source>Fréquences propres : %1 Hz</source>
        <translation>Eigenfrequenzen: %1 Hz</translation>
    </message>
    <message>
        <source>Vitesse réelle (× 1)</source>
        <translation>Echtzeit (× 1)</translation>
    </message>
    <message>
        <source>Ralenti × 1/%1</source>
        <translation>Zeitlupe × 1/%1</translation>
    </message>
    <message>
        <source>Leçons vibraLIGNE (*.vibraligne)</source>
        <translation>vibraLIGNE-Unterrichtsstunden (*.vibraligne)</translation>
    </message>
    <message>
        <source>Ouvrir une leçon…</source>
        <translation>Unterrichtsstunde öffnen…</translation>
    </message>
    <message>
        <source>Enregistrer la leçon…</source>
        <translation>Unterrichtsstunde speichern…</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>stunde</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Unterrichtsstunde</translation>
    </message>
    <message>
        <source>Réinitialiser</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Figer l&apos;aspect de la corde</source>
        <translation>Form des Seils festhalten</translation>
    </message>
    <message>
        <source>Effacer les aspects figés</source>
        <translation>Festgehaltene Formen löschen</translation>
    </message>
    <message>
        <source>Ligne de référence</source>
        <translation>Bezugslinie</translation>
    </message>
    <message>
        <source>Garder les traces</source>
        <translation>Kurven behalten</translation>
    </message>
    <message>
        <source>Effacer les traces gardées</source>
        <translation>Behaltene Kurven löschen</translation>
    </message>
</context>
<context>
    <name>fenetre::LigneReference</name>
    <message>
        <source>Ligne de référence</source>
        <translation>Bezugslinie</translation>
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
        <translation>Erreger</translation>
    </message>
</context>
<context>
    <name>mesure</name>
    <message>
        <source>le disque est plein</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ou fichier trop grand)</source>
        <translation>das Schreiben ist fehlgeschlagen (Datenträger voll oder Datei zu groß)</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu remplacer l&apos;ancien</source>
        <translation>die Datei konnte die alte nicht ersetzen</translation>
    </message>
    <message>
        <source>le dossier est protégé en écriture</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>ce nom de fichier n&apos;est pas permis à cet endroit</source>
        <translation>dieser Dateiname ist hier nicht erlaubt</translation>
    </message>
    <message>
        <source>aucun nom de fichier</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>aucun fichier temporaire possible</source>
        <translation>keine temporäre Datei möglich</translation>
    </message>
    <message>
        <source>le classeur n&apos;a pas pu être écrit (%1)</source>
        <translation>die Arbeitsmappe konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>c&apos;est le nom d&apos;un dossier</source>
        <translation>das ist der Name eines Ordners</translation>
    </message>
    <message>
        <source>le dossier « %1 » n&apos;existe pas</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture</source>
        <translation>die vorhandene Datei ist schreibgeschützt</translation>
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
        <translation>Speichern nicht möglich</translation>
    </message>
    <message>
        <source>Enregistrer les mesures…</source>
        <translation>Messwerte speichern…</translation>
    </message>
    <message>
        <source>Enregistrer le profil de la corde…</source>
        <translation>Profil des Seils speichern…</translation>
    </message>
    <message>
        <source>Copier l&apos;image</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Δx = %1 cm (horizontal)
Δy = %2 cm (vertical)</source>
        <translation>Δx = %1 cm (waagerecht)
Δy = %2 cm (senkrecht)</translation>
    </message>
    <message>
        <source>Δt = %1 s (horizontal)
Δy = %2 cm (vertical)
1/Δt = %3</source>
        <translation>Δt = %1 s (waagerecht)
Δy = %2 cm (senkrecht)
1/Δt = %3</translation>
    </message>
    <message>
        <source>Survoler : lire les valeurs · Glisser : mesurer · Clic droit : enregistrer, copier</source>
        <translation>Zeigen: Werte ablesen · Ziehen: messen · Rechtsklick: speichern, kopieren</translation>
    </message>
    <message>
        <source>mesures</source>
        <translation>messwerte</translation>
    </message>
    <message>
        <source>aucun capteur n&apos;était en marche depuis que l&apos;écran a été effacé : il n&apos;y a pas de mesures à enregistrer</source>
        <translation>seit dem Löschen des Schirms war kein Sensor eingeschaltet: es gibt keine Messwerte zu speichern</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Élongations aux capteurs</source>
        <translation>Auslenkungen an den Sensoren</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>endlos</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Frequenz (Hz)</translation>
    </message>
    <message>
        <source>Amplitude (cm)</source>
        <translation>Amplitude (cm)</translation>
    </message>
    <message>
        <source>Déformation (%)</source>
        <translation>Verformung (%)</translation>
    </message>
    <message>
        <source>Célérité (cm/s)</source>
        <translation>Wellengeschwindigkeit (cm/s)</translation>
    </message>
    <message>
        <source>Amortissement (pour 10 cm)</source>
        <translation>Dämpfung (pro 10 cm)</translation>
    </message>
    <message>
        <source>Extrémité de la corde</source>
        <translation>Ende des Seils</translation>
    </message>
    <message>
        <source>Base de temps (s/div)</source>
        <translation>Zeitbasis (s/Div)</translation>
    </message>
    <message>
        <source>Capteur %1 (cm)</source>
        <translation>Sensor %1 (cm)</translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>profil-corde</source>
        <translation>seilprofil</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profil de la corde à t = %1 s</source>
        <translation>Profil des Seils bei t = %1 s</translation>
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
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>vibraligne</source>
        <translation>vibraligne</translation>
    </message>
    <message>
        <source>Rien à enregistrer : %1.</source>
        <translation>Nichts zu speichern: %1.</translation>
    </message>
    <message>
        <source>Enregistré : %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Copie impossible</source>
        <translation>Kopieren nicht möglich</translation>
    </message>
    <message>
        <source>Ce navigateur ne laisse pas la page copier l&apos;image. Enregistrez-la plutôt (Ctrl+Maj+S), puis insérez le fichier.</source>
        <translation>Dieser Browser lässt die Seite das Bild nicht kopieren. Speichern Sie es stattdessen (Strg+Umschalt+S) und fügen Sie dann die Datei ein.</translation>
    </message>
    <message>
        <source> ; à t = %1 s : y = %2 cm</source>
        <translation>; bei t = %1 s: y = %2 cm</translation>
    </message>
    <message>
        <source>y à t = %1 s (cm)</source>
        <translation>y bei t = %1 s (cm)</translation>
    </message>
    <message>
        <source>t gardé (s)</source>
        <translation>t behalten (s)</translation>
    </message>
    <message>
        <source>y1 gardé (cm)</source>
        <translation>y1 behalten (cm)</translation>
    </message>
    <message>
        <source>y2 gardé (cm)</source>
        <translation>y2 behalten (cm)</translation>
    </message>
    <message>
        <source>Traces gardées</source>
        <translation>Behaltene Kurven</translation>
    </message>
</context>
</TS>
