<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibilite</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Mettre la simulation en pause (Espace)</source>
        <translation>Mettere in pausa la simulazione (Spazio)</translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Reprendre la simulation (Espace)</source>
        <translation>Riprendere la simulazione (Spazio)</translation>
    </message>
    <message>
        <source>Avancer de 50 ms</source>
        <translation>Avanzare di 50 ms</translation>
    </message>
    <message>
        <source>Mettre en pause et avancer la simulation de 50 millisecondes (P)</source>
        <translation>Mettere in pausa e far avanzare la simulazione di 50 millisecondi (P)</translation>
    </message>
    <message>
        <source>Masquer l&apos;animation</source>
        <translation>Nascondere l&apos;animazione</translation>
    </message>
    <message>
        <source>Fermer la vue de la corde</source>
        <translation>Chiudere la vista della corda</translation>
    </message>
    <message>
        <source>Afficher l&apos;animation</source>
        <translation>Mostrare l&apos;animazione</translation>
    </message>
    <message>
        <source>Masquer l&apos;évolution temporelle</source>
        <translation>Nascondere l&apos;evoluzione temporale</translation>
    </message>
    <message>
        <source>Fermer l&apos;oscilloscope et désactiver les capteurs</source>
        <translation>Chiudere l&apos;oscilloscopio e disattivare i sensori</translation>
    </message>
    <message>
        <source>Afficher l&apos;évolution temporelle</source>
        <translation>Mostrare l&apos;evoluzione temporale</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Vibrazione periodica</translation>
    </message>
    <message>
        <source>Choisir une vibration périodique</source>
        <translation>Scegliere una vibrazione periodica</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Vibrazione solitaria</translation>
    </message>
    <message>
        <source>Choisir une vibration solitaire</source>
        <translation>Scegliere una vibrazione solitaria</translation>
    </message>
    <message>
        <source>Impulsion étroite</source>
        <translation>Impulso stretto</translation>
    </message>
    <message>
        <source>Lancer une impulsion étroite</source>
        <translation>Lanciare un impulso stretto</translation>
    </message>
    <message>
        <source>Impulsion moyenne</source>
        <translation>Impulso medio</translation>
    </message>
    <message>
        <source>Lancer une impulsion moyenne</source>
        <translation>Lanciare un impulso medio</translation>
    </message>
    <message>
        <source>Impulsion large</source>
        <translation>Impulso largo</translation>
    </message>
    <message>
        <source>Lancer une impulsion large</source>
        <translation>Lanciare un impulso largo</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensore 1</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 1</source>
        <translation>Attivare o disattivare il sensore 1</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensore 2</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 2</source>
        <translation>Attivare o disattivare il sensore 2</translation>
    </message>
    <message>
        <source>Position du capteur 1</source>
        <translation>Posizione del sensore 1</translation>
    </message>
    <message>
        <source>Position du capteur 2</source>
        <translation>Posizione del sensore 2</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Ampiezza</translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Asimmetria</translation>
    </message>
    <message>
        <source>Amplitude de l&apos;impulsion</source>
        <translation>Ampiezza dell&apos;impulso</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde</source>
        <translation>Celerità dell&apos;onda</translation>
    </message>
    <message>
        <source>Amortissement</source>
        <translation>Smorzamento</translation>
    </message>
    <message>
        <source>Extrémité sans fin</source>
        <translation>Estremità senza fine</translation>
    </message>
    <message>
        <source>L&apos;onde quitte la corde sans revenir</source>
        <translation>L&apos;onda lascia la corda e non ritorna</translation>
    </message>
    <message>
        <source>Extrémité fixe</source>
        <translation>Estremità fissa</translation>
    </message>
    <message>
        <source>Extrémité libre</source>
        <translation>Estremità libera</translation>
    </message>
    <message>
        <source>0,1 seconde par division</source>
        <translation>0,1 secondo per divisione</translation>
    </message>
    <message>
        <source>0,2 seconde par division</source>
        <translation>0,2 secondo per divisione</translation>
    </message>
    <message>
        <source>0,5 seconde par division</source>
        <translation>0,5 secondo per divisione</translation>
    </message>
    <message>
        <source>1 seconde par division</source>
        <translation>1 secondo per divisione</translation>
    </message>
    <message>
        <source>1,5 seconde par division</source>
        <translation>1,5 secondi per divisione</translation>
    </message>
    <message>
        <source>2 secondes par division</source>
        <translation>2 secondi per divisione</translation>
    </message>
    <message>
        <source>Flèches gauche et droite pour le déplacer</source>
        <translation>Frecce sinistra e destra per spostarlo</translation>
    </message>
    <message>
        <source>%1 centimètres</source>
        <translation>%1 centimetri</translation>
    </message>
    <message>
        <source>%1 hertz</source>
        <translation>%1 hertz</translation>
    </message>
    <message>
        <source>%1 centimètre</source>
        <translation>%1 centimetro</translation>
    </message>
    <message>
        <source>%1 centimètre par seconde</source>
        <translation>%1 centimetro al secondo</translation>
    </message>
    <message>
        <source>montée pendant %1 % de la période</source>
        <translation>salita durante il %1 % del periodo</translation>
    </message>
    <message>
        <source>%1 par 10 centimètres</source>
        <translation>%1 per 10 centimetri</translation>
    </message>
    <message>
        <source>Flèches haut et bas pour le déplacer, Début pour le repos</source>
        <translation>Frecce su e giù per spostarlo, Inizio per il riposo</translation>
    </message>
</context>
<context>
    <name>Dialogues</name>
    <message>
        <source>Télécharger « %1 » sous quel type de fichier ?</source>
        <translation>Scaricare «%1» come quale tipo di file?</translation>
    </message>
</context>
<context>
    <name>Disposition</name>
    <message>
        <source>Animation</source>
        <translation>Corda</translation>
    </message>
    <message>
        <source>graduations en cm</source>
        <translation>scala in cm</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;animation</source>
        <translation>Clic qui per vedere l&apos;animazione</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Impulso</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Vibrazione periodica</translation>
    </message>
    <message>
        <source>Propriétés de la vibration</source>
        <translation>Proprietà della vibrazione</translation>
    </message>
    <message>
        <source>Amplitude : </source>
        <translation>Ampiezza: </translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Asimmetria</translation>
    </message>
    <message>
        <source>Fréquence : </source>
        <translation>Frequenza: </translation>
    </message>
    <message>
        <source>Animer le vibreur :</source>
        <translation>Muovi vibratore:</translation>
    </message>
    <message>
        <source>Propriétés du milieu</source>
        <translation>Proprietà del mezzo</translation>
    </message>
    <message>
        <source>Amortissement :</source>
        <translation>Smorzamento:</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde : </source>
        <translation>Celerità: </translation>
    </message>
    <message>
        <source>Extrémité de la corde :</source>
        <translation>Estremità della corda:</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>infinita</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fissa</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>lib.</translation>
    </message>
    <message>
        <source>Evolution temporelle</source>
        <translation>Evoluzione temporale</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;évolution temporelle d&apos;un ou deux points du milieu</source>
        <translation>Clic qui per vedere l&apos;evoluzione temporale di uno o due punti del mezzo</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensore 2</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensore 1</translation>
    </message>
    <message>
        <source>Capteurs :</source>
        <translation>Sensori:</translation>
    </message>
    <message>
        <source>0,1 s/div</source>
        <translation>0,1 s/div</translation>
    </message>
    <message>
        <source>0,2 s/div</source>
        <translation>0,2 s/div</translation>
    </message>
    <message>
        <source>0,5 s/div</source>
        <translation>0,5 s/div</translation>
    </message>
    <message>
        <source>1,0 s/div</source>
        <translation>1,0 s/div</translation>
    </message>
    <message>
        <source>1,5 s/div</source>
        <translation>1,5 s/div</translation>
    </message>
    <message>
        <source>2,0 s/div</source>
        <translation>2,0 s/div</translation>
    </message>
    <message>
        <source>Sensibilité horizontale  :</source>
        <translation>Base dei tempi:</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Avviare la simulazione</translation>
    </message>
    <message>
        <source>Simulation pour la classe
de sciences physiques</source>
        <translation>Simulazione per la classe
di fisica</translation>
    </message>
    <message>
        <source>L&apos;équipe vibraLIGNE</source>
        <translation>Gruppo vibraLIGNE</translation>
    </message>
    <message>
        <source>Ses contributeurs</source>
        <translation>Collaboratori</translation>
    </message>
    <message>
        <source>Logiciel libre, en Qt 6</source>
        <translation>Software libero, Qt 6</translation>
    </message>
    <message>
        <source>VibraLIGNE anime un modèle de l&apos;onde transversale dans un milieu à une dimension. L&apos;onde peut être sinusoïdale ou solitaire.  Des &quot;capteur&quot; permettent de représenter l&apos;évolution temporelle de l&apos;état d&apos;un ou deux points du milieu.</source>
        <translation>VibraLIGNE anima un modello dell&apos;onda trasversale in un mezzo unidimensionale. L&apos;onda può essere sinusoidale o solitaria.  Dei &quot;sensori&quot; rappresentano l&apos;evoluzione temporale dello stato di uno o due punti del mezzo.</translation>
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
        <translation>il file non può essere letto (%1)</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été ouverte : %2.</source>
        <translation>La lezione «%1» non è stata aperta: %2.</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été enregistrée : %2.</source>
        <translation>La lezione «%1» non è stata salvata: %2.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier texte en UTF-8</source>
        <translation>non è un file di testo UTF-8</translation>
    </message>
    <message>
        <source>le fichier dépasse 64 Kio</source>
        <translation>il file supera 64 KiB</translation>
    </message>
    <message>
        <source>le fichier est vide</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>la première ligne n&apos;est pas « vibraLIGNE-lecon 1 »</source>
        <translation>la prima riga non è «vibraLIGNE-lecon 1»</translation>
    </message>
    <message>
        <source>la leçon vient d&apos;une version plus récente de vibraLIGNE</source>
        <translation>la lezione viene da una versione più recente di vibraLIGNE</translation>
    </message>
    <message>
        <source>la ligne n&apos;a pas la forme « nom = valeur »</source>
        <translation>la riga non ha la forma «nome = valore»</translation>
    </message>
    <message>
        <source>réglage inconnu « %1 »</source>
        <translation>impostazione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>« %1 » est donné deux fois</source>
        <translation>«%1» è indicato due volte</translation>
    </message>
    <message>
        <source>valeur illisible pour « %1 » (attendu : %2)</source>
        <translation>valore illeggibile per «%1» (atteso: %2)</translation>
    </message>
    <message>
        <source>valeur hors limites pour « %1 » (permis : %2)</source>
        <translation>valore fuori limiti per «%1» (ammesso: %2)</translation>
    </message>
    <message>
        <source>il manque la ligne « %1 »</source>
        <translation>manca la riga «%1»</translation>
    </message>
    <message>
        <source>la page manque de mémoire</source>
        <translation>la pagina non ha memoria sufficiente</translation>
    </message>
    <message>
        <source>absent du site de la page</source>
        <translation>assente dal sito della pagina</translation>
    </message>
    <message>
        <source>seul un fichier du site de la page peut être lu</source>
        <translation>si può leggere solo un file del sito della pagina</translation>
    </message>
</context>
<context>
    <name>LigneDeCommande</name>
    <message>
        <source>vibraLIGNE anime une onde transversale le long d&apos;une corde, pour la classe de physique.</source>
        <translation>vibraLIGNE anima un&apos;onda trasversale lungo una corda, per la classe di fisica.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>langue</source>
        <translation>lingua</translation>
    </message>
    <message>
        <source>Essayez « vibraligne --help ».</source>
        <translation>Provare «vibraligne --help».</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>opzione sconosciuta: %1</translation>
    </message>
    <message>
        <source>Utilisation :</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Langue de l&apos;interface : fr, en, es, de ou it (par défaut, celle du système si c&apos;est l&apos;une d&apos;elles, sinon le français).</source>
        <translation>Lingua dell&apos;interfaccia: fr, en, es, de o it (per impostazione predefinita, quella del sistema se è una di queste, altrimenti il francese).</translation>
    </message>
    <message>
        <source>langue inconnue : %1 (fr, en, es, de ou it)</source>
        <translation>lingua sconosciuta: %1 (fr, en, es, de o it)</translation>
    </message>
    <message>
        <source>un affichage graphique est nécessaire, et aucun n&apos;est ouvert (DISPLAY et WAYLAND_DISPLAY sont vides).</source>
        <translation>serve un display grafico e non ce n&apos;è nessuno aperto (DISPLAY e WAYLAND_DISPLAY sono vuote).</translation>
    </message>
    <message>
        <source>Vérifie une leçon sans l&apos;ouvrir ni rien afficher (code de sortie 0 si elle est valable, 1 sinon, avec la raison).</source>
        <translation>Verifica una lezione senza aprirla né mostrare nulla (codice di uscita 0 se è valida, altrimenti 1, con il motivo).</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>lezione</translation>
    </message>
    <message>
        <source>Une leçon (.vibraligne) à ouvrir.</source>
        <translation>Una lezione (.vibraligne) da aprire.</translation>
    </message>
    <message>
        <source>une seule leçon à la fois</source>
        <translation>una sola lezione alla volta</translation>
    </message>
    <message>
        <source>%1 : leçon valable.
</source>
        <translation>%1: lezione valida.
</translation>
    </message>
    <message>
        <source>Arguments :</source>
        <translation>Argomenti:</translation>
    </message>
</context>
<context>
    <name>Plateforme</name>
    <message>
        <source>version pour navigateur, WebAssembly</source>
        <translation>versione per browser, WebAssembly</translation>
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
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Classeurs Excel (*.xlsx)</source>
        <translation>Cartelle di lavoro Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>VueCorde</name>
    <message>
        <source>Aspect figé %1 : t = %2 s</source>
        <translation>Forma fissata %1: t = %2 s</translation>
    </message>
</context>
<context>
    <name>app::Accueil</name>
    <message>
        <source>Accueil de vibraLIGNE</source>
        <translation>Benvenuto in vibraLIGNE</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Avviare la simulazione</translation>
    </message>
    <message>
        <source>Image d&apos;une onde le long d&apos;une corde, avec deux capteurs</source>
        <translation>Immagine di un&apos;onda lungo una corda, con due sensori</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreAide</name>
    <message>
        <source>Les touches</source>
        <translation>I tasti</translation>
    </message>
    <message>
        <source>Espace</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>pause, ou reprise</source>
        <translation>pausa, o ripresa</translation>
    </message>
    <message>
        <source>pause, puis avance de 50 ms</source>
        <translation>pausa, poi avanza di 50 ms</translation>
    </message>
    <message>
        <source>Gauche / Droite</source>
        <translation>Sinistra / Destra</translation>
    </message>
    <message>
        <source>sur la barre d&apos;un capteur : le déplace de 0,1 cm (avec Maj, de 1 cm)</source>
        <translation>sulla barra di un sensore: la sposta di 0,1 cm (con Maiusc, di 1 cm)</translation>
    </message>
    <message>
        <source>plein écran, ou retour à la fenêtre</source>
        <translation>schermo intero, o ritorno alla finestra</translation>
    </message>
    <message>
        <source>enregistrer les mesures de l&apos;oscilloscope</source>
        <translation>salvare le misure dell&apos;oscilloscopio</translation>
    </message>
    <message>
        <source>copier l&apos;image de la fenêtre</source>
        <translation>copiare l&apos;immagine della finestra</translation>
    </message>
    <message>
        <source>enregistrer l&apos;image de la fenêtre</source>
        <translation>salvare l&apos;immagine della finestra</translation>
    </message>
    <message>
        <source>cette aide</source>
        <translation>questo aiuto</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>passer d&apos;une commande à l&apos;autre</source>
        <translation>passare da un comando all&apos;altro</translation>
    </message>
    <message>
        <source>Les outils de la leçon</source>
        <translation>Gli strumenti della lezione</translation>
    </message>
    <message>
        <source>Survoler la vue de la corde ou l&apos;écran de l&apos;oscilloscope affiche les valeurs sous le pointeur : x et y sur la corde, t et y sur l&apos;écran.</source>
        <translation>Passando il puntatore sulla vista della corda o sullo schermo dell&apos;oscilloscopio si leggono i valori sotto il puntatore: x e y sulla corda, t e y sullo schermo.</translation>
    </message>
    <message>
        <source>Glisser avec le bouton gauche mesure entre deux points : Δx (ou Δt) est l&apos;écart horizontal, Δy l&apos;écart vertical ; sur l&apos;écran, 1/Δt donne la fréquence. La mesure reste jusqu&apos;au prochain clic ou à l&apos;effacement de l&apos;écran.</source>
        <translation>Trascinare con il tasto sinistro misura tra due punti: Δx (o Δt) è la distanza orizzontale, Δy quella verticale; sullo schermo, 1/Δt dà la frequenza. La misura resta fino al clic successivo o alla cancellazione dello schermo.</translation>
    </message>
    <message>
        <source>Les extrémités de la corde</source>
        <translation>Le estremità della corda</translation>
    </message>
    <message>
        <source>« sans fin » : l&apos;onde quitte la vue et ne revient pas. « fixe » : la corde est attachée à 14 cm, l&apos;onde s&apos;y réfléchit à l&apos;envers. « libre » : l&apos;extrémité glisse sur une tige, l&apos;onde revient à l&apos;endroit. Le vibreur réfléchit l&apos;onde comme une extrémité fixe.</source>
        <translation>«infinita»: l&apos;onda lascia la vista e non ritorna. «fissa»: la corda è legata a 14 cm e l&apos;onda vi si riflette capovolta. «lib.» (libera): l&apos;estremità scorre su un&apos;asta e l&apos;onda ritorna diritta. Il vibratore riflette l&apos;onda come un&apos;estremità fissa.</translation>
    </message>
    <message>
        <source>Les fichiers</source>
        <translation>I file</translation>
    </message>
    <message>
        <source>Les mesures et le profil de la corde s&apos;enregistrent en classeur .xlsx (nombres, unités, graphique et réglages) ou en CSV ; l&apos;image de la fenêtre en PNG. Les données sont prises au moment de la demande.</source>
        <translation>Le misure e il profilo della corda si salvano come cartella di lavoro .xlsx (numeri, unità, grafico e impostazioni) o in CSV; l&apos;immagine della finestra in PNG. I dati sono presi al momento della richiesta.</translation>
    </message>
    <message>
        <source>Un nom sans extension reçoit celle du type choisi ; un mot confirme chaque enregistrement pendant quelques secondes.</source>
        <translation>Un nome senza estensione riceve quella del tipo scelto; un messaggio conferma ogni salvataggio per qualche secondo.</translation>
    </message>
    <message>
        <source>À propos</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>vibraLIGNE %1, logiciel libre sous licence GNU GPL version 3 ou ultérieure (GPL-3.0-or-later). Construit avec Qt %2 ; fonctionne avec Qt %3.</source>
        <translation>vibraLIGNE %1, software libero con licenza GNU GPL versione 3 o successiva (GPL-3.0-or-later). Compilato con Qt %2; funziona con Qt %3.</translation>
    </message>
    <message>
        <source>Aide — vibraLIGNE</source>
        <translation>Aiuto — vibraLIGNE</translation>
    </message>
    <message>
        <source>Aide de vibraLIGNE</source>
        <translation>Aiuto di vibraLIGNE</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>vitesse réelle, ou ralenti × 1/2, × 1/4, × 1/10 (l&apos;axe de l&apos;oscilloscope reste le temps simulé)</source>
        <translation>velocità reale, o rallentatore × 1/2, × 1/4, × 1/10 (l&apos;asse dell&apos;oscilloscopio resta il tempo simulato)</translation>
    </message>
    <message>
        <source>Haut / Bas</source>
        <translation>Su / Giù</translation>
    </message>
    <message>
        <source>sur le bloc du vibreur, en vibration solitaire : le déplace de 0,1 cm (avec Maj, de 0,5 cm) ; Début le remet au repos</source>
        <translation>sul blocco del vibratore, in vibrazione solitaria: lo sposta di 0,1 cm (con Maiusc, di 0,5 cm); Inizio lo riporta a riposo</translation>
    </message>
    <message>
        <source>En vibration solitaire, le bloc du vibreur se saisit à la souris : la corde emporte le mouvement de la main, amorti et réfléchi comme une impulsion. Lâché, il reste où il est ; un bouton d&apos;impulsion ou un changement d&apos;onglet le remet au repos.</source>
        <translation>In vibrazione solitaria, il blocco del vibratore si afferra con il mouse: la corda porta via il movimento della mano, smorzato e riflesso come un impulso. Lasciato, resta dov&apos;è; un pulsante d&apos;impulso o un cambio di scheda lo riporta a riposo.</translation>
    </message>
    <message>
        <source>ouvrir une leçon, enregistrer la leçon (fichier .vibraligne)</source>
        <translation>aprire una lezione, salvare la lezione (file .vibraligne)</translation>
    </message>
    <message>
        <source>réinitialiser : tout comme au démarrage</source>
        <translation>reimpostare: tutto come all&apos;avvio</translation>
    </message>
    <message>
        <source>Le clic droit, ou sur un écran tactile un appui prolongé, ouvre le menu : enregistrer les mesures, le profil de la corde ou l&apos;image, copier l&apos;image ; choisir le ralenti.</source>
        <translation>Il tasto destro, o su uno schermo tattile una pressione prolungata, apre il menu: salvare le misure, il profilo della corda o l&apos;immagine, copiare l&apos;immagine; scegliere il rallentatore.</translation>
    </message>
    <message>
        <source>figer l&apos;aspect de la corde (trois au plus, chacun avec son temps), effacer les aspects figés</source>
        <translation>fissare la forma della corda (al massimo tre, ciascuna con il suo tempo), cancellare le forme fissate</translation>
    </message>
    <message>
        <source>garder les traces de l&apos;oscilloscope (estompées, sous les suivantes, avec leurs réglages dans les mesures), effacer les traces gardées</source>
        <translation>conservare le tracce dell&apos;oscilloscopio (sbiadite, sotto le successive, con le loro impostazioni nelle misure), cancellare le tracce conservate</translation>
    </message>
    <message>
        <source>La ligne de référence, dans le menu de la vue de la corde, marque une hauteur, écrite à son bout : pour lire une amplitude, ou ce que l&apos;amortissement en laisse. Sa poignée, à droite, se glisse à la souris ou au doigt ; avec Tab, les flèches haut et bas la déplacent.</source>
        <translation>La linea di riferimento, nel menu della vista della corda, segna un&apos;altezza, scritta alla sua estremità: per leggere un&apos;ampiezza, o quanto ne lascia lo smorzamento. La sua maniglia, a destra, si trascina con il mouse o con il dito; con Tab, le frecce su e giù la spostano.</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreCorde</name>
    <message>
        <source>Fréquences propres : %1 Hz</source>
        <translation>Frequenze proprie: %1 Hz</translation>
    </message>
    <message>
        <source>Vitesse réelle (× 1)</source>
        <translation>Velocità reale (× 1)</translation>
    </message>
    <message>
        <source>Ralenti × 1/%1</source>
        <translation>Rallentatore × 1/%1</translation>
    </message>
    <message>
        <source>Leçons vibraLIGNE (*.vibraligne)</source>
        <translation>Lezioni di vibraLIGNE (*.vibraligne)</translation>
    </message>
    <message>
        <source>Ouvrir une leçon…</source>
        <translation>Aprire una lezione…</translation>
    </message>
    <message>
        <source>Enregistrer la leçon…</source>
        <translation>Salvare la lezione…</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>lezione</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lezione</translation>
    </message>
    <message>
        <source>Réinitialiser</source>
        <translation>Reimpostare</translation>
    </message>
    <message>
        <source>Figer l&apos;aspect de la corde</source>
        <translation>Fissa la forma della corda</translation>
    </message>
    <message>
        <source>Effacer les aspects figés</source>
        <translation>Cancella le forme fissate</translation>
    </message>
    <message>
        <source>Ligne de référence</source>
        <translation>Linea di riferimento</translation>
    </message>
    <message>
        <source>Garder les traces</source>
        <translation>Conserva le tracce</translation>
    </message>
    <message>
        <source>Effacer les traces gardées</source>
        <translation>Cancella le tracce conservate</translation>
    </message>
</context>
<context>
    <name>fenetre::LigneReference</name>
    <message>
        <source>Ligne de référence</source>
        <translation>Linea di riferimento</translation>
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
        <translation>Vibratore</translation>
    </message>
</context>
<context>
    <name>mesure</name>
    <message>
        <source>le disque est plein</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ou fichier trop grand)</source>
        <translation>la scrittura non è riuscita (disco pieno o file troppo grande)</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu remplacer l&apos;ancien</source>
        <translation>il file non ha potuto sostituire il precedente</translation>
    </message>
    <message>
        <source>le dossier est protégé en écriture</source>
        <translation>la cartella è protetta da scrittura</translation>
    </message>
    <message>
        <source>ce nom de fichier n&apos;est pas permis à cet endroit</source>
        <translation>questo nome di file non è permesso qui</translation>
    </message>
    <message>
        <source>aucun nom de fichier</source>
        <translation>nessun nome di file</translation>
    </message>
    <message>
        <source>aucun fichier temporaire possible</source>
        <translation>nessun file temporaneo possibile</translation>
    </message>
    <message>
        <source>le classeur n&apos;a pas pu être écrit (%1)</source>
        <translation>non è stato possibile scrivere la cartella di lavoro (%1)</translation>
    </message>
    <message>
        <source>c&apos;est le nom d&apos;un dossier</source>
        <translation>è il nome di una cartella</translation>
    </message>
    <message>
        <source>le dossier « %1 » n&apos;existe pas</source>
        <translation>la cartella «%1» non esiste</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture</source>
        <translation>il file esistente è protetto da scrittura</translation>
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
        <translation>Salvataggio impossibile</translation>
    </message>
    <message>
        <source>Enregistrer les mesures…</source>
        <translation>Salvare le misure…</translation>
    </message>
    <message>
        <source>Enregistrer le profil de la corde…</source>
        <translation>Salvare il profilo della corda…</translation>
    </message>
    <message>
        <source>Copier l&apos;image</source>
        <translation>Copiare l&apos;immagine</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image…</source>
        <translation>Salvare l&apos;immagine…</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation>Impossibile salvare «%1»: %2.</translation>
    </message>
    <message>
        <source>Δx = %1 cm (horizontal)
Δy = %2 cm (vertical)</source>
        <translation>Δx = %1 cm (orizzontale)
Δy = %2 cm (verticale)</translation>
    </message>
    <message>
        <source>Δt = %1 s (horizontal)
Δy = %2 cm (vertical)
1/Δt = %3</source>
        <translation>Δt = %1 s (orizzontale)
Δy = %2 cm (verticale)
1/Δt = %3</translation>
    </message>
    <message>
        <source>Survoler : lire les valeurs · Glisser : mesurer · Clic droit : enregistrer, copier</source>
        <translation>Passare sopra: leggere i valori · Trascinare: misurare · Clic destro: salvare, copiare</translation>
    </message>
    <message>
        <source>mesures</source>
        <translation>misure</translation>
    </message>
    <message>
        <source>aucun capteur n&apos;était en marche depuis que l&apos;écran a été effacé : il n&apos;y a pas de mesures à enregistrer</source>
        <translation>nessun sensore era attivo da quando lo schermo è stato cancellato: non ci sono misure da salvare</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>Élongations aux capteurs</source>
        <translation>Elongazioni ai sensori</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>senza fine</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fissa</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>libera</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Frequenza (Hz)</translation>
    </message>
    <message>
        <source>Amplitude (cm)</source>
        <translation>Ampiezza (cm)</translation>
    </message>
    <message>
        <source>Déformation (%)</source>
        <translation>Deformazione (%)</translation>
    </message>
    <message>
        <source>Célérité (cm/s)</source>
        <translation>Celerità (cm/s)</translation>
    </message>
    <message>
        <source>Amortissement (pour 10 cm)</source>
        <translation>Smorzamento (per 10 cm)</translation>
    </message>
    <message>
        <source>Extrémité de la corde</source>
        <translation>Estremità della corda</translation>
    </message>
    <message>
        <source>Base de temps (s/div)</source>
        <translation>Base dei tempi (s/div)</translation>
    </message>
    <message>
        <source>Capteur %1 (cm)</source>
        <translation>Sensore %1 (cm)</translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation>spento</translation>
    </message>
    <message>
        <source>profil-corde</source>
        <translation>profilo-corda</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Profil de la corde à t = %1 s</source>
        <translation>Profilo della corda a t = %1 s</translation>
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
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>vibraligne</source>
        <translation>vibraligne</translation>
    </message>
    <message>
        <source>Rien à enregistrer : %1.</source>
        <translation>Niente da salvare: %1.</translation>
    </message>
    <message>
        <source>Enregistré : %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Copie impossible</source>
        <translation>Copia impossibile</translation>
    </message>
    <message>
        <source>Ce navigateur ne laisse pas la page copier l&apos;image. Enregistrez-la plutôt (Ctrl+Maj+S), puis insérez le fichier.</source>
        <translation>Questo browser non lascia che la pagina copi l&apos;immagine. Salvatela invece (Ctrl+Maiusc+S), poi inserite il file.</translation>
    </message>
    <message>
        <source> ; à t = %1 s : y = %2 cm</source>
        <translation>; a t = %1 s: y = %2 cm</translation>
    </message>
    <message>
        <source>y à t = %1 s (cm)</source>
        <translation>y a t = %1 s (cm)</translation>
    </message>
    <message>
        <source>t gardé (s)</source>
        <translation>t conservato (s)</translation>
    </message>
    <message>
        <source>y1 gardé (cm)</source>
        <translation>y1 conservato (cm)</translation>
    </message>
    <message>
        <source>y2 gardé (cm)</source>
        <translation>y2 conservato (cm)</translation>
    </message>
    <message>
        <source>Traces gardées</source>
        <translation>Tracce conservate</translation>
    </message>
</context>
</TS>
