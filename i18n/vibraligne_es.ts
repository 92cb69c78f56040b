<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibilite</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Mettre la simulation en pause (Espace)</source>
        <translation>Poner la simulación en pausa (Espacio)</translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Reprendre la simulation (Espace)</source>
        <translation>Reanudar la simulación (Espacio)</translation>
    </message>
    <message>
        <source>Avancer de 50 ms</source>
        <translation>Avanzar 50 ms</translation>
    </message>
    <message>
        <source>Mettre en pause et avancer la simulation de 50 millisecondes (P)</source>
        <translation>Pausar y avanzar la simulación 50 milisegundos (P)</translation>
    </message>
    <message>
        <source>Masquer l&apos;animation</source>
        <translation>Ocultar la animación</translation>
    </message>
    <message>
        <source>Fermer la vue de la corde</source>
        <translation>Cerrar la vista de la cuerda</translation>
    </message>
    <message>
        <source>Afficher l&apos;animation</source>
        <translation>Mostrar la animación</translation>
    </message>
    <message>
        <source>Masquer l&apos;évolution temporelle</source>
        <translation>Ocultar la evolución temporal</translation>
    </message>
    <message>
        <source>Fermer l&apos;oscilloscope et désactiver les capteurs</source>
        <translation>Cerrar el osciloscopio y desactivar los sensores</translation>
    </message>
    <message>
        <source>Afficher l&apos;évolution temporelle</source>
        <translation>Mostrar la evolución temporal</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Vibración periódica</translation>
    </message>
    <message>
        <source>Choisir une vibration périodique</source>
        <translation>Elegir una vibración periódica</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Vibración solitaria</translation>
    </message>
    <message>
        <source>Choisir une vibration solitaire</source>
        <translation>Elegir una vibración solitaria</translation>
    </message>
    <message>
        <source>Impulsion étroite</source>
        <translation>Impulso estrecho</translation>
    </message>
    <message>
        <source>Lancer une impulsion étroite</source>
        <translation>Lanzar un impulso estrecho</translation>
    </message>
    <message>
        <source>Impulsion moyenne</source>
        <translation>Impulso medio</translation>
    </message>
    <message>
        <source>Lancer une impulsion moyenne</source>
        <translation>Lanzar un impulso medio</translation>
    </message>
    <message>
        <source>Impulsion large</source>
        <translation>Impulso ancho</translation>
    </message>
    <message>
        <source>Lancer une impulsion large</source>
        <translation>Lanzar un impulso ancho</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 1</source>
        <translation>Activar o desactivar el sensor 1</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Activer ou désactiver le capteur 2</source>
        <translation>Activar o desactivar el sensor 2</translation>
    </message>
    <message>
        <source>Position du capteur 1</source>
        <translation>Posición del sensor 1</translation>
    </message>
    <message>
        <source>Position du capteur 2</source>
        <translation>Posición del sensor 2</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitud</translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Deformación</translation>
    </message>
    <message>
        <source>Amplitude de l&apos;impulsion</source>
        <translation>Amplitud del impulso</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde</source>
        <translation>Celeridad de la onda</translation>
    </message>
    <message>
        <source>Amortissement</source>
        <translation>Amortiguamiento</translation>
    </message>
    <message>
        <source>Extrémité sans fin</source>
        <translation>Extremo sin fin</translation>
    </message>
    <message>
        <source>L&apos;onde quitte la corde sans revenir</source>
        <translation>La onda sale de la cuerda y no vuelve</translation>
    </message>
    <message>
        <source>Extrémité fixe</source>
        <translation>Extremo fijo</translation>
    </message>
    <message>
        <source>Extrémité libre</source>
        <translation>Extremo libre</translation>
    </message>
    <message>
        <source>0,1 seconde par division</source>
        <translation>0,1 segundo por división</translation>
    </message>
    <message>
        <source>0,2 seconde par division</source>
        <translation>0,2 segundo por división</translation>
    </message>
    <message>
        <source>0,5 seconde par division</source>
        <translation>0,5 segundo por división</translation>
    </message>
    <message>
        <source>1 seconde par division</source>
        <translation>1 segundo por división</translation>
    </message>
    <message>
        <source>1,5 seconde par division</source>
        <translation>1,5 segundos por división</translation>
    </message>
    <message>
        <source>2 secondes par division</source>
        <translation>2 segundos por división</translation>
    </message>
    <message>
        <source>Flèches gauche et droite pour le déplacer</source>
        <translation>Flechas izquierda y derecha para moverlo</translation>
    </message>
    <message>
        <source>%1 centimètres</source>
        <translation>%1 centímetros</translation>
    </message>
    <message>
        <source>%1 hertz</source>
        <translation>%1 hercios</translation>
    </message>
    <message>
        <source>%1 centimètre</source>
        <translation>%1 centímetro</translation>
    </message>
    <message>
        <source>%1 centimètre par seconde</source>
        <translation>%1 centímetro por segundo</translation>
    </message>
    <message>
        <source>montée pendant %1 % de la période</source>
        <translation>subida durante el %1 % del periodo</translation>
    </message>
    <message>
        <source>%1 par 10 centimètres</source>
        <translation>%1 por 10 centímetros</translation>
    </message>
    <message>
        <source>Flèches haut et bas pour le déplacer, Début pour le repos</source>
        <translation>Flechas arriba y abajo para moverlo, Inicio para el reposo</translation>
    </message>
</context>
<context>
    <name>Dialogues</name>
    <message>
        <source>Télécharger « %1 » sous quel type de fichier ?</source>
        <translation>¿Descargar «%1» como qué tipo de archivo?</translation>
    </message>
</context>
<context>
    <name>Disposition</name>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>graduations en cm</source>
        <translation>escala en cm</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;animation</source>
        <translation>Pulse aquí para ver la animación</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Vibración solitaria</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Vibración periódica</translation>
    </message>
    <message>
        <source>Propriétés de la vibration</source>
        <translation>La vibración</translation>
    </message>
    <message>
        <source>Amplitude : </source>
        <translation>Amplitud: </translation>
    </message>
    <message>
        <source>Déformation</source>
        <translation>Deformación</translation>
    </message>
    <message>
        <source>Fréquence : </source>
        <translation>Frecuencia: </translation>
    </message>
    <message>
        <source>Animer le vibreur :</source>
        <translation>Mover el vibrador:</translation>
    </message>
    <message>
        <source>Propriétés du milieu</source>
        <translation>El medio</translation>
    </message>
    <message>
        <source>Amortissement :</source>
        <translation>Atenuación:</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde : </source>
        <translation>Celeridad: </translation>
    </message>
    <message>
        <source>Extrémité de la corde :</source>
        <translation>Extremo de la cuerda:</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>sin fin</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fijo</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Evolution temporelle</source>
        <translation>Evolución temporal</translation>
    </message>
    <message>
        <source>Cliquer ici pour voir l&apos;évolution temporelle d&apos;un ou deux points du milieu</source>
        <translation>Pulse aquí para ver la evolución temporal de uno o dos puntos del medio</translation>
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
        <translation>Sensores:</translation>
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
        <translation>Base de tiempos:</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Iniciar la simulación</translation>
    </message>
    <message>
        <source>Simulation pour la classe
de sciences physiques</source>
        <translation>Simulación para la clase
de física</translation>
    </message>
    <message>
        <source>L&apos;équipe vibraLIGNE</source>
        <translation>Equipo vibraLIGNE</translation>
    </message>
    <message>
        <source>Ses contributeurs</source>
        <translation>Sus colaboradores</translation>
    </message>
    <message>
        <source>Logiciel libre, en Qt 6</source>
        <translation>Software libre, en Qt 6</translation>
    </message>
    <message>
        <source>VibraLIGNE anime un modèle de l&apos;onde transversale dans un milieu à une dimension. L&apos;onde peut être sinusoïdale ou solitaire.  Des &quot;capteur&quot; permettent de représenter l&apos;évolution temporelle de l&apos;état d&apos;un ou deux points du milieu.</source>
        <translation>VibraLIGNE anima un modelo de la onda transversal en un medio unidimensional. La onda puede ser sinusoidal o solitaria.  Unos &quot;sensores&quot; representan la evolución temporal del estado de uno o dos puntos del medio.</translation>
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
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été ouverte : %2.</source>
        <translation>La lección «%1» no se ha abierto: %2.</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas été enregistrée : %2.</source>
        <translation>La lección «%1» no se ha guardado: %2.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier texte en UTF-8</source>
        <translation>no es un archivo de texto UTF-8</translation>
    </message>
    <message>
        <source>le fichier dépasse 64 Kio</source>
        <translation>el archivo supera 64 KiB</translation>
    </message>
    <message>
        <source>le fichier est vide</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>la première ligne n&apos;est pas « vibraLIGNE-lecon 1 »</source>
        <translation>la primera línea no es «vibraLIGNE-lecon 1»</translation>
    </message>
    <message>
        <source>la leçon vient d&apos;une version plus récente de vibraLIGNE</source>
        <translation>la lección viene de una versión más reciente de vibraLIGNE</translation>
    </message>
    <message>
        <source>la ligne n&apos;a pas la forme « nom = valeur »</source>
        <translation>la línea no tiene la forma «nombre = valor»</translation>
    </message>
    <message>
        <source>réglage inconnu « %1 »</source>
        <translation>ajuste desconocido «%1»</translation>
    </message>
    <message>
        <source>« %1 » est donné deux fois</source>
        <translation>«%1» aparece dos veces</translation>
    </message>
    <message>
        <source>valeur illisible pour « %1 » (attendu : %2)</source>
        <translation>valor ilegible para «%1» (se espera: %2)</translation>
    </message>
    <message>
        <source>valeur hors limites pour « %1 » (permis : %2)</source>
        <translation>valor fuera de límites para «%1» (permitido: %2)</translation>
    </message>
    <message>
        <source>il manque la ligne « %1 »</source>
        <translation>falta la línea «%1»</translation>
    </message>
    <message>
        <source>la page manque de mémoire</source>
        <translation>la página no tiene memoria suficiente</translation>
    </message>
    <message>
        <source>absent du site de la page</source>
        <translation>no está en el sitio de la página</translation>
    </message>
    <message>
        <source>seul un fichier du site de la page peut être lu</source>
        <translation>solo se puede leer un archivo del sitio de la página</translation>
    </message>
</context>
<context>
    <name>LigneDeCommande</name>
    <message>
        <source>vibraLIGNE anime une onde transversale le long d&apos;une corde, pour la classe de physique.</source>
        <translation>vibraLIGNE anima una onda transversal a lo largo de una cuerda, para la clase de física.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>langue</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>Essayez « vibraligne --help ».</source>
        <translation>Pruebe «vibraligne --help».</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>Utilisation :</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Langue de l&apos;interface : fr, en, es, de ou it (par défaut, celle du système si c&apos;est l&apos;une d&apos;elles, sinon le français).</source>
        <translation>Idioma de la interfaz: fr, en, es, de o it (por defecto, el del sistema si es uno de ellos; si no, el francés).</translation>
    </message>
    <message>
        <source>langue inconnue : %1 (fr, en, es, de ou it)</source>
        <translation>idioma desconocido: %1 (fr, en, es, de o it)</translation>
    </message>
    <message>
        <source>un affichage graphique est nécessaire, et aucun n&apos;est ouvert (DISPLAY et WAYLAND_DISPLAY sont vides).</source>
        <translation>se necesita una pantalla gráfica y no hay ninguna abierta (DISPLAY y WAYLAND_DISPLAY están vacías).</translation>
    </message>
    <message>
        <source>Vérifie une leçon sans l&apos;ouvrir ni rien afficher (code de sortie 0 si elle est valable, 1 sinon, avec la raison).</source>
        <translation>Comprueba una lección sin abrirla ni mostrar nada (código de salida 0 si es válida, 1 si no, con el motivo).</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>leccion</translation>
    </message>
    <message>
        <source>Une leçon (.vibraligne) à ouvrir.</source>
        <translation>Una lección (.vibraligne) que abrir.</translation>
    </message>
    <message>
        <source>une seule leçon à la fois</source>
        <translation>una sola lección a la vez</translation>
    </message>
    <message>
        <source>%1 : leçon valable.
</source>
        <translation>%1: lección válida.
</translation>
    </message>
    <message>
        <source>Arguments :</source>
        <translation>Argumentos:</translation>
    </message>
</context>
<context>
    <name>Plateforme</name>
    <message>
        <source>version pour navigateur, WebAssembly</source>
        <translation>versión para navegador, WebAssembly</translation>
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
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Classeurs Excel (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>VueCorde</name>
    <message>
        <source>Aspect figé %1 : t = %2 s</source>
        <translation>Forma congelada %1: t = %2 s</translation>
    </message>
</context>
<context>
    <name>app::Accueil</name>
    <message>
        <source>Accueil de vibraLIGNE</source>
        <translation>Bienvenida a vibraLIGNE</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Iniciar la simulación</translation>
    </message>
    <message>
        <source>Image d&apos;une onde le long d&apos;une corde, avec deux capteurs</source>
        <translation>Imagen de una onda a lo largo de una cuerda, con dos sensores</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreAide</name>
    <message>
        <source>Les touches</source>
        <translation>Las teclas</translation>
    </message>
    <message>
        <source>Espace</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>pause, ou reprise</source>
        <translation>pausa, o reanudar</translation>
    </message>
    <message>
        <source>pause, puis avance de 50 ms</source>
        <translation>pausa, luego avanza 50 ms</translation>
    </message>
    <message>
        <source>Gauche / Droite</source>
        <translation>Izquierda / Derecha</translation>
    </message>
    <message>
        <source>sur la barre d&apos;un capteur : le déplace de 0,1 cm (avec Maj, de 1 cm)</source>
        <translation>en la barra de un sensor: la mueve 0,1 cm (con Mayús, 1 cm)</translation>
    </message>
    <message>
        <source>plein écran, ou retour à la fenêtre</source>
        <translation>pantalla completa, o volver a la ventana</translation>
    </message>
    <message>
        <source>enregistrer les mesures de l&apos;oscilloscope</source>
        <translation>guardar las medidas del osciloscopio</translation>
    </message>
    <message>
        <source>copier l&apos;image de la fenêtre</source>
        <translation>copiar la imagen de la ventana</translation>
    </message>
    <message>
        <source>enregistrer l&apos;image de la fenêtre</source>
        <translation>guardar la imagen de la ventana</translation>
    </message>
    <message>
        <source>cette aide</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>passer d&apos;une commande à l&apos;autre</source>
        <translation>pasar de un control a otro</translation>
    </message>
    <message>
        <source>Les outils de la leçon</source>
        <translation>Las herramientas de la clase</translation>
    </message>
    <message>
        <source>Survoler la vue de la corde ou l&apos;écran de l&apos;oscilloscope affiche les valeurs sous le pointeur : x et y sur la corde, t et y sur l&apos;écran.</source>
        <translation>Al pasar el puntero sobre la vista de la cuerda o la pantalla del osciloscopio se muestran los valores bajo el puntero: x e y en la cuerda, t e y en la pantalla.</translation>
    </message>
    <message>
        <source>Glisser avec le bouton gauche mesure entre deux points : Δx (ou Δt) est l&apos;écart horizontal, Δy l&apos;écart vertical ; sur l&apos;écran, 1/Δt donne la fréquence. La mesure reste jusqu&apos;au prochain clic ou à l&apos;effacement de l&apos;écran.</source>
        <translation>Arrastrar con el botón izquierdo mide entre dos puntos: Δx (o Δt) es la distancia horizontal, Δy la vertical; en la pantalla, 1/Δt da la frecuencia. La medida permanece hasta el siguiente clic o hasta que se borra la pantalla.</translation>
    </message>
    <message>
        <source>Les extrémités de la corde</source>
        <translation>Los extremos de la cuerda</translation>
    </message>
    <message>
        <source>« sans fin » : l&apos;onde quitte la vue et ne revient pas. « fixe » : la corde est attachée à 14 cm, l&apos;onde s&apos;y réfléchit à l&apos;envers. « libre » : l&apos;extrémité glisse sur une tige, l&apos;onde revient à l&apos;endroit. Le vibreur réfléchit l&apos;onde comme une extrémité fixe.</source>
        <translation>«sin fin»: la onda sale de la vista y no vuelve. «fijo»: la cuerda está atada a 14 cm y la onda se refleja invertida. «libre»: el extremo se desliza por una varilla y la onda vuelve sin invertirse. El vibrador refleja la onda como un extremo fijo.</translation>
    </message>
    <message>
        <source>Les fichiers</source>
        <translation>Los archivos</translation>
    </message>
    <message>
        <source>Les mesures et le profil de la corde s&apos;enregistrent en classeur .xlsx (nombres, unités, graphique et réglages) ou en CSV ; l&apos;image de la fenêtre en PNG. Les données sont prises au moment de la demande.</source>
        <translation>Las medidas y el perfil de la cuerda se guardan como libro .xlsx (números, unidades, gráfico y ajustes) o en CSV; la imagen de la ventana en PNG. Los datos se toman en el momento de la petición.</translation>
    </message>
    <message>
        <source>Un nom sans extension reçoit celle du type choisi ; un mot confirme chaque enregistrement pendant quelques secondes.</source>
        <translation>Un nombre sin extensión recibe la del tipo elegido; un mensaje confirma cada guardado durante unos segundos.</translation>
    </message>
    <message>
        <source>À propos</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>vibraLIGNE %1, logiciel libre sous licence GNU GPL version 3 ou ultérieure (GPL-3.0-or-later). Construit avec Qt %2 ; fonctionne avec Qt %3.</source>
        <translation>vibraLIGNE %1, software libre bajo la licencia GNU GPL versión 3 o posterior (GPL-3.0-or-later). Compilado con Qt %2; funciona con Qt %3.</translation>
    </message>
    <message>
        <source>Aide — vibraLIGNE</source>
        <translation>Ayuda — vibraLIGNE</translation>
    </message>
    <message>
        <source>Aide de vibraLIGNE</source>
        <translation>Ayuda de vibraLIGNE</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>vitesse réelle, ou ralenti × 1/2, × 1/4, × 1/10 (l&apos;axe de l&apos;oscilloscope reste le temps simulé)</source>
        <translation>velocidad real, o cámara lenta × 1/2, × 1/4, × 1/10 (el eje del osciloscopio sigue siendo el tiempo simulado)</translation>
    </message>
    <message>
        <source>Haut / Bas</source>
        <translation>Arriba / Abajo</translation>
    </message>
    <message>
        <source>sur le bloc du vibreur, en vibration solitaire : le déplace de 0,1 cm (avec Maj, de 0,5 cm) ; Début le remet au repos</source>
        <translation>en el bloque del vibrador, en vibración solitaria: lo mueve 0,1 cm (con Mayús, 0,5 cm); Inicio lo devuelve al reposo</translation>
    </message>
    <message>
        <source>En vibration solitaire, le bloc du vibreur se saisit à la souris : la corde emporte le mouvement de la main, amorti et réfléchi comme une impulsion. Lâché, il reste où il est ; un bouton d&apos;impulsion ou un changement d&apos;onglet le remet au repos.</source>
        <translation>En vibración solitaria, el bloque del vibrador se toma con el ratón: la cuerda se lleva el movimiento de la mano, amortiguado y reflejado como un impulso. Al soltarlo, se queda donde está; un botón de impulso o un cambio de pestaña lo devuelve al reposo.</translation>
    </message>
    <message>
        <source>ouvrir une leçon, enregistrer la leçon (fichier .vibraligne)</source>
        <translation>abrir una lección, guardar la lección (archivo .vibraligne)</translation>
    </message>
    <message>
        <source>réinitialiser : tout comme au démarrage</source>
        <translation>reiniciar: todo como al arrancar</translation>
    </message>
    <message>
        <source>Le clic droit, ou sur un écran tactile un appui prolongé, ouvre le menu : enregistrer les mesures, le profil de la corde ou l&apos;image, copier l&apos;image ; choisir le ralenti.</source>
        <translation>El botón derecho, o en una pantalla táctil una pulsación larga, abre el menú: guardar las medidas, el perfil de la cuerda o la imagen, copiar la imagen; elegir la cámara lenta.</translation>
    </message>
    <message>
        <source>figer l&apos;aspect de la corde (trois au plus, chacun avec son temps), effacer les aspects figés</source>
        <translation>congelar la forma de la cuerda (tres como máximo, cada una con su tiempo), borrar las formas congeladas</translation>
    </message>
    <message>
        <source>garder les traces de l&apos;oscilloscope (estompées, sous les suivantes, avec leurs réglages dans les mesures), effacer les traces gardées</source>
        <translation>conservar las trazas del osciloscopio (atenuadas, bajo las siguientes, con sus ajustes en las medidas), borrar las trazas conservadas</translation>
    </message>
    <message>
        <source>La ligne de référence, dans le menu de la vue de la corde, marque une hauteur, écrite à son bout : pour lire une amplitude, ou ce que l&apos;amortissement en laisse. Sa poignée, à droite, se glisse à la souris ou au doigt ; avec Tab, les flèches haut et bas la déplacent.</source>
        <translation>La línea de referencia, en el menú de la vista de la cuerda, marca una altura, escrita en su extremo: para leer una amplitud, o lo que el amortiguamiento deja de ella. Su asa, a la derecha, se arrastra con el ratón o con el dedo; con Tab, las flechas arriba y abajo la desplazan.</translation>
    </message>
</context>
<context>
    <name>fenetre::FenetreCorde</name>
    <message>
        <source>Fréquences propres : %1 Hz</source>
        <translation>Frecuencias propias: %1 Hz</translation>
    </message>
    <message>
        <source>Vitesse réelle (× 1)</source>
        <translation>Velocidad real (× 1)</translation>
    </message>
    <message>
        <source>Ralenti × 1/%1</source>
        <translation>Cámara lenta × 1/%1</translation>
    </message>
    <message>
        <source>Leçons vibraLIGNE (*.vibraligne)</source>
        <translation>Lecciones de vibraLIGNE (*.vibraligne)</translation>
    </message>
    <message>
        <source>Ouvrir une leçon…</source>
        <translation>Abrir una lección…</translation>
    </message>
    <message>
        <source>Enregistrer la leçon…</source>
        <translation>Guardar la lección…</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>leccion</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Réinitialiser</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Figer l&apos;aspect de la corde</source>
        <translation>Congelar la forma de la cuerda</translation>
    </message>
    <message>
        <source>Effacer les aspects figés</source>
        <translation>Borrar las formas congeladas</translation>
    </message>
    <message>
        <source>Ligne de référence</source>
        <translation>Línea de referencia</translation>
    </message>
    <message>
        <source>Garder les traces</source>
        <translation>Conservar las trazas</translation>
    </message>
    <message>
        <source>Effacer les traces gardées</source>
        <translation>Borrar las trazas conservadas</translation>
    </message>
</context>
<context>
    <name>fenetre::LigneReference</name>
    <message>
        <source>Ligne de référence</source>
        <translation>Línea de referencia</translation>
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
        <translation>Vibrador</translation>
    </message>
</context>
<context>
    <name>mesure</name>
    <message>
        <source>le disque est plein</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ou fichier trop grand)</source>
        <translation>la escritura falló (disco lleno o archivo demasiado grande)</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu remplacer l&apos;ancien</source>
        <translation>el archivo no pudo sustituir al anterior</translation>
    </message>
    <message>
        <source>le dossier est protégé en écriture</source>
        <translation>la carpeta está protegida contra escritura</translation>
    </message>
    <message>
        <source>ce nom de fichier n&apos;est pas permis à cet endroit</source>
        <translation>este nombre de archivo no está permitido aquí</translation>
    </message>
    <message>
        <source>aucun nom de fichier</source>
        <translation>ningún nombre de archivo</translation>
    </message>
    <message>
        <source>aucun fichier temporaire possible</source>
        <translation>no se pudo crear un archivo temporal</translation>
    </message>
    <message>
        <source>le classeur n&apos;a pas pu être écrit (%1)</source>
        <translation>no se pudo escribir el libro (%1)</translation>
    </message>
    <message>
        <source>c&apos;est le nom d&apos;un dossier</source>
        <translation>es el nombre de una carpeta</translation>
    </message>
    <message>
        <source>le dossier « %1 » n&apos;existe pas</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture</source>
        <translation>el archivo existente está protegido contra escritura</translation>
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
        <translation>No se pudo guardar</translation>
    </message>
    <message>
        <source>Enregistrer les mesures…</source>
        <translation>Guardar las medidas…</translation>
    </message>
    <message>
        <source>Enregistrer le profil de la corde…</source>
        <translation>Guardar el perfil de la cuerda…</translation>
    </message>
    <message>
        <source>Copier l&apos;image</source>
        <translation>Copiar la imagen</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image…</source>
        <translation>Guardar la imagen…</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation>No se pudo guardar «%1»: %2.</translation>
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
        <translation>Pasar el puntero: leer los valores · Arrastrar: medir · Clic derecho: guardar, copiar</translation>
    </message>
    <message>
        <source>mesures</source>
        <translation>medidas</translation>
    </message>
    <message>
        <source>aucun capteur n&apos;était en marche depuis que l&apos;écran a été effacé : il n&apos;y a pas de mesures à enregistrer</source>
        <translation>ningún sensor estaba activo desde que se borró la pantalla: no hay medidas que guardar</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Élongations aux capteurs</source>
        <translation>Elongaciones en los sensores</translation>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>sans fin</source>
        <translation>sin fin</translation>
    </message>
    <message>
        <source>fixe</source>
        <translation>fijo</translation>
    </message>
    <message>
        <source>libre</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>Amplitude (cm)</source>
        <translation>Amplitud (cm)</translation>
    </message>
    <message>
        <source>Déformation (%)</source>
        <translation>Deformación (%)</translation>
    </message>
    <message>
        <source>Célérité (cm/s)</source>
        <translation>Celeridad (cm/s)</translation>
    </message>
    <message>
        <source>Amortissement (pour 10 cm)</source>
        <translation>Amortiguamiento (por 10 cm)</translation>
    </message>
    <message>
        <source>Extrémité de la corde</source>
        <translation>Extremo de la cuerda</translation>
    </message>
    <message>
        <source>Base de temps (s/div)</source>
        <translation>Base de tiempos (s/div)</translation>
    </message>
    <message>
        <source>Capteur %1 (cm)</source>
        <translation>Sensor %1 (cm)</translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>profil-corde</source>
        <translation>perfil-cuerda</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Profil de la corde à t = %1 s</source>
        <translation>Perfil de la cuerda en t = %1 s</translation>
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
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>vibraligne</source>
        <translation>vibraligne</translation>
    </message>
    <message>
        <source>Rien à enregistrer : %1.</source>
        <translation>Nada que guardar: %1.</translation>
    </message>
    <message>
        <source>Enregistré : %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Copie impossible</source>
        <translation>No se puede copiar</translation>
    </message>
    <message>
        <source>Ce navigateur ne laisse pas la page copier l&apos;image. Enregistrez-la plutôt (Ctrl+Maj+S), puis insérez le fichier.</source>
        <translation>Este navegador no deja que la página copie la imagen. Guárdela (Ctrl+Mayús+S) y luego inserte el archivo.</translation>
    </message>
    <message>
        <source> ; à t = %1 s : y = %2 cm</source>
        <translation>; en t = %1 s: y = %2 cm</translation>
    </message>
    <message>
        <source>y à t = %1 s (cm)</source>
        <translation>y en t = %1 s (cm)</translation>
    </message>
    <message>
        <source>t gardé (s)</source>
        <translation>t conservado (s)</translation>
    </message>
    <message>
        <source>y1 gardé (cm)</source>
        <translation>y1 conservado (cm)</translation>
    </message>
    <message>
        <source>y2 gardé (cm)</source>
        <translation>y2 conservado (cm)</translation>
    </message>
    <message>
        <source>Traces gardées</source>
        <translation>Trazas conservadas</translation>
    </message>
</context>
</TS>
