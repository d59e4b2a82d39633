<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChannelGrid</name>
    <message>
        <source>Channel %1, %2</source>
        <translation>Canal %1, %2</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>The report could not be printed: no printer is available.</source>
        <translation>Impossible d&apos;imprimer le rapport : aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Impossible d&apos;imprimer le rapport sur &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The print preview could not be made: %1</source>
        <translation>Impossible de créer l&apos;aperçu avant impression : %1</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Time Option value is Invalid</source>
        <translation>Valeur d&apos;option de temps non valide</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Mot de passe non valide</translation>
    </message>
    <message>
        <source>Invalid Serial Number</source>
        <translation>Numéro de série non valide</translation>
    </message>
    <message>
        <source>Region Code is not valid...</source>
        <translation>Code de région non valide...</translation>
    </message>
    <message>
        <source>Input TPL Frequency</source>
        <translation>Saisir la fréquence TPL</translation>
    </message>
    <message>
        <source>Error! invalid data type</source>
        <translation>Erreur ! type de données non valide</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No. not in active scan list</source>
        <translation>Le n° de canal de balayage prioritaire n&apos;est pas dans la liste de balayage active</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>Fréquence non valide</translation>
    </message>
    <message>
        <source>Out of Frequency Range</source>
        <translation>Hors de la gamme de fréquences</translation>
    </message>
    <message>
        <source>Frequency is not valid</source>
        <translation>La fréquence n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Not Allowed To Delete Priority Channel Frequency</source>
        <translation>Suppression de la fréquence du canal prioritaire interdite</translation>
    </message>
    <message>
        <source>Empty Channel</source>
        <translation>Canal vide</translation>
    </message>
    <message>
        <source>Not Allowed To Remove Priority Channel</source>
        <translation>Retrait du canal prioritaire interdit</translation>
    </message>
    <message>
        <source>The editor is locked.</source>
        <translation>L&apos;éditeur est verrouillé.</translation>
    </message>
    <message>
        <source>not a value this cell can take</source>
        <translation>valeur non admise dans cette cellule</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Vitesse de balayage (msec)</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Temps de maintien du balayage (msec)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Intervalle de balayage (msec)</translation>
    </message>
    <message>
        <source>Tx Time Out Time (sec)</source>
        <translation>Durée max. Tx (sec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>Préavis TOT (sec)</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Vitesse balayage</translation>
    </message>
    <message>
        <source>Scan Hang Time</source>
        <translation>Temps de maintien</translation>
    </message>
    <message>
        <source>Scan Interval Time</source>
        <translation>Intervalle balayage</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Durée max. Tx</translation>
    </message>
    <message>
        <source>TOT Warning Time</source>
        <translation>Préavis TOT</translation>
    </message>
    <message>
        <source>channel names are not kept: the radio has no channel names</source>
        <translation>les noms de canaux ne sont pas repris : la radio n&apos;a pas de noms de canaux</translation>
    </message>
    <message>
        <source>Hi/Low Power</source>
        <translation>Puiss. haute/basse</translation>
    </message>
    <message>
        <source>Volume Set</source>
        <translation>Réglage volume</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Sticky Monitor</source>
        <translation>Écoute permanente</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Relais/Direct</translation>
    </message>
    <message>
        <source>PL/DPL</source>
        <translation>PL/DPL</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Non affecté</translation>
    </message>
    <message>
        <source>Battery Save Mode</source>
        <translation>Économie batterie</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Nuisance Channel Delete</source>
        <translation>Suppr. canal gênant</translation>
    </message>
    <message>
        <source>Button Lock</source>
        <translation>Verrouillage touches</translation>
    </message>
    <message>
        <source>Repeater / Talkaround</source>
        <translation>Relais / Direct</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Codeplug is protected.</source>
        <translation>Le codeplug est protégé.</translation>
    </message>
    <message>
        <source>Please enter password.</source>
        <translation>Saisissez le mot de passe.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Mot de passe non valide.</translation>
    </message>
    <message>
        <source>Please enter correct password.</source>
        <translation>Saisissez le bon mot de passe.</translation>
    </message>
    <message>
        <source>Codeplug is password protected.</source>
        <translation>Le codeplug est protégé par mot de passe.</translation>
    </message>
    <message>
        <source>Communication Error. Please check Programming mode.</source>
        <translation>Erreur de communication. Vérifiez le mode programmation.</translation>
    </message>
    <message>
        <source>Communication Error. Unsupported radio codeplug region.</source>
        <translation>Erreur de communication. Région du codeplug de la radio non prise en charge.</translation>
    </message>
    <message>
        <source>Communication Error. Please check codeplug version.</source>
        <translation>Erreur de communication. Vérifiez la version du codeplug.</translation>
    </message>
    <message>
        <source>Communication Error.</source>
        <translation>Erreur de communication.</translation>
    </message>
    <message>
        <source>Please wait a moment......</source>
        <translation>Veuillez patienter......</translation>
    </message>
    <message>
        <source>Please wait a moment.......</source>
        <translation>Veuillez patienter.......</translation>
    </message>
    <message>
        <source>Successfully Reading End.</source>
        <translation>Lecture terminée avec succès.</translation>
    </message>
    <message>
        <source>Successfully Writing End.</source>
        <translation>Écriture terminée avec succès.</translation>
    </message>
    <message>
        <source>Writing End, but an answer from the radio was not clear. Please read the radio back to verify.</source>
        <translation>Écriture terminée, mais une réponse de la radio n&apos;était pas nette. Relisez la radio pour vérifier.</translation>
    </message>
    <message>
        <source>the radio holds every byte written</source>
        <translation>la radio contient tous les octets écrits</translation>
    </message>
    <message>
        <source>Invalid password. Codeplug is password protected.</source>
        <translation>Mot de passe non valide. Le codeplug est protégé par mot de passe.</translation>
    </message>
    <message>
        <source>The cable was disconnected.</source>
        <translation>Le câble a été débranché.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte written.</source>
        <translation>Vérifié : la radio contient tous les octets écrits.</translation>
    </message>
    <message>
        <source>Comm. Port Unavailable !</source>
        <translation>Port COM indisponible !</translation>
    </message>
    <message>
        <source>Please Change the Port selection.</source>
        <translation>Veuillez choisir un autre port.</translation>
    </message>
    <message>
        <source>Choose the port of the programming cable.</source>
        <translation>Choisissez le port du câble de programmation.</translation>
    </message>
    <message>
        <source>Only its owner may use it; ask the administrator for access.</source>
        <translation>Seul son propriétaire peut l&apos;utiliser ; demandez l&apos;accès à l&apos;administrateur.</translation>
    </message>
    <message>
        <source>then log out and in again.</source>
        <translation>puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Close that program and try again.</source>
        <translation>Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>No serial device was found for this port.</source>
        <translation>Aucun périphérique série n&apos;a été trouvé pour ce port.</translation>
    </message>
    <message>
        <source>Is the programming cable plugged in?</source>
        <translation>Le câble de programmation est-il branché ?</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>not a character device</source>
        <translation>autre chose qu&apos;un périphérique caractère</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a Vantrel programmer data file</source>
        <translation>%1 n&apos;est pas un fichier de données de programmation Vantrel</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 codeplug bytes</source>
        <translation>%1 ne contient que %2 des %3 octets du codeplug</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is outside 0 to 255</source>
        <translation>%1 : la valeur %2 (%3) n&apos;est pas entre 0 et 255</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a number</source>
        <translation>%1 : la valeur %2 (%3) n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: value %2 is not text</source>
        <translation>%1 : la valeur %2 n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>%1 is too long for a data file (over 1 MiB)</source>
        <translation>%1 est trop long pour un fichier de données (plus de 1 Mio)</translation>
    </message>
    <message>
        <source>Channel %1: this radio has %2 channels</source>
        <translation>Canal %1 : cette radio a %2 canaux</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 octet diffère</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 octets diffèrent</translation>
    </message>
    <message>
        <source>byte %1 written %2, read back %3</source>
        <translation>octet %1 écrit %2, relu %3</translation>
    </message>
    <message>
        <source>imported %1 row; %2 left out</source>
        <translation>%1 ligne importée ; %2 non reprises</translation>
    </message>
    <message>
        <source>imported %1 rows; %2 left out</source>
        <translation>%1 lignes importées ; %2 non reprises</translation>
    </message>
    <message>
        <source>imported %1 row into channel %2; %3 left out</source>
        <translation>%1 ligne importée dans le canal %2 ; %3 non reprises</translation>
    </message>
    <message>
        <source>imported %1 rows into channels %2–%3; %4 left out</source>
        <translation>%1 lignes importées dans les canaux %2–%3 ; %4 non reprises</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>location %1: %2</source>
        <translation>emplacement %1 : %2</translation>
    </message>
    <message>
        <source>not a CHIRP channel list: %1</source>
        <translation>pas une liste de canaux CHIRP : %1</translation>
    </message>
    <message>
        <source>%1 is %2, not a serial device.</source>
        <translation>%1 est %2, pas un périphérique série.</translation>
    </message>
    <message>
        <source>%1: permission denied.</source>
        <translation>%1 : accès refusé.</translation>
    </message>
    <message>
        <source>You are in the group &quot;%1&quot;, but this login is older than that: log out and in again.</source>
        <translation>Vous êtes dans le groupe &quot;%1&quot;, mais cette session est antérieure à votre ajout : déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The device belongs to the group &quot;%1&quot;. Add yourself to it with</source>
        <translation>Le périphérique appartient au groupe &quot;%1&quot;. Ajoutez-vous à ce groupe avec</translation>
    </message>
    <message>
        <source>%1 is busy: %2 is using it.</source>
        <translation>%1 est occupé : %2 l&apos;utilise.</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1 : périphérique introuvable.</translation>
    </message>
    <message>
        <source>%1: no such device (it is gone).</source>
        <translation>%1 : périphérique introuvable (il a disparu).</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>write</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>%1 Verified: the radio holds every byte written.</source>
        <translation>%1 Vérifié : la radio contient tous les octets écrits.</translation>
    </message>
    <message>
        <source>%1 The cable was disconnected.</source>
        <translation>%1 Le câble a été débranché.</translation>
    </message>
    <message>
        <source>Stopped during the %1, before its data blocks.</source>
        <translation>Arrêté pendant la %1, avant ses blocs de données.</translation>
    </message>
    <message>
        <source>Stopped during the %1 at block %2 of %3.</source>
        <translation>Arrêté pendant la %1 au bloc %2 sur %3.</translation>
    </message>
    <message>
        <source>the codeplug would give every radio the serial number &apos;%1&apos; (its serial write enable is set): write one radio at a time</source>
        <translation>le codeplug donnerait à chaque radio le numéro de série &apos;%1&apos; (l&apos;écriture du numéro de série est activée) : programmez une radio à la fois</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</source>
        <translation>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</translation>
    </message>
    <message>
        <source>1:Std Unmuting,Std Muting; 2:And Unmuting,Std Muting; 3:And Unmuting,Or Muting</source>
        <translation>1:Ouverture std,Fermeture std; 2:Ouverture ET,Fermeture std; 3:Ouverture ET,Fermeture OU</translation>
    </message>
    <message>
        <source>Ch No</source>
        <translation>N° Can</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Numéro de canal</translation>
    </message>
    <message>
        <source>Rx Freq.</source>
        <translation>Fréq. Rx</translation>
    </message>
    <message>
        <source>Channel Rx Frequency Edit</source>
        <translation>Saisie de la fréquence Rx du canal</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>Option PL</translation>
    </message>
    <message>
        <source>Channel Rx PL Option Setting</source>
        <translation>Réglage de l&apos;option PL Rx du canal</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>SQ</translation>
    </message>
    <message>
        <source>Squelch Setting</source>
        <translation>Réglage du squelch</translation>
    </message>
    <message>
        <source>Normal or Tight</source>
        <translation>Normal ou Serré</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Tx Freq.</source>
        <translation>Fréq. Tx</translation>
    </message>
    <message>
        <source>Channel Tx Frequency Edit</source>
        <translation>Saisie de la fréquence Tx du canal</translation>
    </message>
    <message>
        <source>Channel Tx PL Option Setting</source>
        <translation>Réglage de l&apos;option PL Tx du canal</translation>
    </message>
    <message>
        <source>PWR</source>
        <translation>PWR</translation>
    </message>
    <message>
        <source>Power Level Setting</source>
        <translation>Réglage du niveau de puissance</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Setting</source>
        <translation>Réglage du code de coupure DPL</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Enable or Disable</source>
        <translation>Code de coupure DPL activé ou désactivé</translation>
    </message>
    <message>
        <source>Rx Only</source>
        <translation>Rx seul</translation>
    </message>
    <message>
        <source>Rx Only Setting</source>
        <translation>Réglage Rx seul</translation>
    </message>
    <message>
        <source> Rx Only Enable or Disable</source>
        <translation> Rx seul activé ou désactivé</translation>
    </message>
    <message>
        <source>Rev Burst</source>
        <translation>Salve inv.</translation>
    </message>
    <message>
        <source>TPL Reverse Burst Setting</source>
        <translation>Réglage de la salve inverse TPL</translation>
    </message>
    <message>
        <source>None / 180 / 240</source>
        <translation>Aucune / 180 / 240</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Busy Channel Lock Out Setting</source>
        <translation>Réglage du verrouillage sur canal occupé</translation>
    </message>
    <message>
        <source>BCLO Enable or Disable</source>
        <translation>BCLO activé ou désactivé</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Channel Bandwidth Setting</source>
        <translation>Réglage de la largeur de bande du canal</translation>
    </message>
    <message>
        <source>12.5KHz / 25KHz</source>
        <translation>12.5KHz / 25KHz</translation>
    </message>
    <message>
        <source>TA</source>
        <translation>TA</translation>
    </message>
    <message>
        <source>Talkaround Setting</source>
        <translation>Réglage du mode direct (talkaround)</translation>
    </message>
    <message>
        <source>Repeater/Talkaround Set</source>
        <translation>Relais/Direct</translation>
    </message>
</context>
<context>
    <name>GridText</name>
    <message>
        <source>Invalid number</source>
        <translation>Nombre non valide</translation>
    </message>
</context>
<context>
    <name>StatusHelp</name>
    <message>
        <source>Scan List</source>
        <translation>Liste bal.</translation>
    </message>
    <message>
        <source>User Defined TPL </source>
        <translation>TPL utilisateur </translation>
    </message>
    <message>
        <source>Programmable Button Selection</source>
        <translation>Sélection des boutons programmables</translation>
    </message>
    <message>
        <source>Scan Type Selection</source>
        <translation>Sélection du type de balayage</translation>
    </message>
    <message>
        <source>Time Out Timer (TOT) Selection</source>
        <translation>Sélection de la temporisation TX (TOT)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Input Password 8 Characters</source>
        <translation>Saisir le mot de passe (8 caractères)</translation>
    </message>
    <message>
        <source>Codeplug Version (Read Only)</source>
        <translation>Version codeplug (lecture seule)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Bouton programmable 1 appui court</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Bouton programmable 1 appui long</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Bouton programmable 2 appui court</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Bouton programmable 2 appui long</translation>
    </message>
    <message>
        <source>Firmware Version (Read Only)</source>
        <translation>Version firmware (lecture seule)</translation>
    </message>
    <message>
        <source>Frequency Range [MHz] (Read Only)</source>
        <translation>Gamme de fréquences [MHz] (lecture seule)</translation>
    </message>
    <message>
        <source>Model Number (Read Only)</source>
        <translation>N° de modèle (lecture seule)</translation>
    </message>
    <message>
        <source>Serial Number (Read Only)</source>
        <translation>N° de série (lecture seule)</translation>
    </message>
    <message>
        <source>Input Regional Super Velmar Number 16 Characters</source>
        <translation>Saisir le numéro Super Velmar régional (16 caractères)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Intervalle de balayage (msec)</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>N° can. bal. prio.</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Temps de maintien du balayage (msec)</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Vitesse de balayage (msec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>Préavis TOT (sec)</translation>
    </message>
    <message>
        <source>TX Time Out Time (sec)</source>
        <translation>Durée max. TX (sec)</translation>
    </message>
    <message>
        <source>TPL1 (Hz)</source>
        <translation>TPL1 (Hz)</translation>
    </message>
    <message>
        <source>TPL2 (Hz)</source>
        <translation>TPL2 (Hz)</translation>
    </message>
    <message>
        <source>TPL3 (Hz)</source>
        <translation>TPL3 (Hz)</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Liste des canaux</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Canaux de la liste de balayage</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Bouton Ajouter à la liste de balayage</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Bouton Retirer de la liste de balayage</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable Option</source>
        <translation>Option d&apos;activation de l&apos;économie de batterie</translation>
    </message>
    <message>
        <source>Priority Scan Enable Option</source>
        <translation>Option d&apos;activation du balayage prioritaire</translation>
    </message>
    <message>
        <source>Quick Key Override Enable Option</source>
        <translation>Option d&apos;activation du forçage par touche rapide</translation>
    </message>
    <message>
        <source>Normal Scan Enable Option</source>
        <translation>Option d&apos;activation du balayage normal</translation>
    </message>
    <message>
        <source>TOT (Time Out Timer) Enable Option</source>
        <translation>Option d&apos;activation du TOT (temporisation TX)</translation>
    </message>
    <message>
        <source>Talkback Scan Enable Option </source>
        <translation>Option d&apos;activation du balayage avec réponse </translation>
    </message>
    <message>
        <source>Scan Interval Time : 250 to 5000msec</source>
        <translation>Intervalle de balayage : 250 à 5000msec</translation>
    </message>
    <message>
        <source>Scan Hang Time : 500 to 9500msec</source>
        <translation>Temps de maintien du balayage : 500 à 9500msec</translation>
    </message>
    <message>
        <source>Scan Speed Time : 50 to 500msec</source>
        <translation>Vitesse de balayage : 50 à 500msec</translation>
    </message>
    <message>
        <source>TOT Warning Time : 1 to 10sec</source>
        <translation>Préavis TOT : 1 à 10sec</translation>
    </message>
    <message>
        <source>TX Time Out Time : 10 to 600sec</source>
        <translation>Durée max. TX : 10 à 600sec</translation>
    </message>
    <message>
        <source>TPL Frequency : 67 to 255Hz</source>
        <translation>Fréquence TPL : 67 à 255Hz</translation>
    </message>
</context>
<context>
    <name>UndoStepNames</name>
    <message>
        <source>Channel Edit</source>
        <translation>Modification de canal</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>Option PL</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Liste bal.</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>N° can. bal. prio.</translation>
    </message>
    <message>
        <source>User TPL Frequency</source>
        <translation>Fréquence TPL utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Super Number</source>
        <translation>Numéro Super</translation>
    </message>
    <message>
        <source>Button 1 Short Press</source>
        <translation>Bouton 1 appui court</translation>
    </message>
    <message>
        <source>Button 1 Long Press</source>
        <translation>Bouton 1 appui long</translation>
    </message>
    <message>
        <source>Button 2 Short Press</source>
        <translation>Bouton 2 appui court</translation>
    </message>
    <message>
        <source>Button 2 Long Press</source>
        <translation>Bouton 2 appui long</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>vantrel::ButtonFrame</name>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Bouton programmable 1 appui court</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Bouton programmable 1 appui long</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Bouton programmable 2 appui court</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Bouton programmable 2 appui long</translation>
    </message>
    <message>
        <source>Programmable Button</source>
        <translation>Bouton programmable</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelCsvCommands</name>
    <message>
        <source>CHIRP channel list</source>
        <translation>Liste de canaux CHIRP</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exporter les canaux</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer des canaux</translation>
    </message>
    <message>
        <source>&amp;Export Channels..</source>
        <translation>E&amp;xporter les canaux..</translation>
    </message>
    <message>
        <source>&amp;Import Channels..</source>
        <translation>&amp;Importer des canaux..</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Non repris :</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelGrid</name>
    <message>
        <source>Ch No : %1</source>
        <translation>N° can : %1</translation>
    </message>
    <message>
        <source>High or Low</source>
        <translation>Haute ou Basse</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
</context>
<context>
    <name>vantrel::EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Nothing is loaded yet.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Read a radio: &lt;b&gt;Device &amp;gt; Read&lt;/b&gt; (Ctrl+R).&lt;br&gt;Open a data file: &lt;b&gt;File &amp;gt; Open..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Program a blank radio: &lt;a href=&quot;super&quot;&gt;enter its regional super number&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Rien n&apos;est encore chargé.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Lire une radio : &lt;b&gt;Radio &amp;gt; Lire&lt;/b&gt; (Ctrl+R).&lt;br&gt;Ouvrir un fichier de données : &lt;b&gt;Fichier &amp;gt; Ouvrir..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Programmer une radio vierge : &lt;a href=&quot;super&quot;&gt;saisir son numéro Super régional&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vantrel::FileCommands</name>
    <message>
        <source>Programmer data file</source>
        <translation>Fichier de données de programmation</translation>
    </message>
    <message>
        <source>Save Current Data to File ?</source>
        <translation>Enregistrer les données actuelles dans un fichier ?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Enregistrer ?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The path you entered,<byte value="xd"/>
&apos;%1&apos; is too long, Enter a shorter path.</source>
        <translation>Le chemin saisi,<byte value="xd"/>
&apos;%1&apos; est trop long. Saisissez un chemin plus court.</translation>
    </message>
    <message>
        <source>   The file name, location, or format is not valid. Type the file name and location in the correct format.</source>
        <translation>   Le nom, l&apos;emplacement ou le format du fichier n&apos;est pas valide. Saisissez le nom et l&apos;emplacement du fichier dans le bon format.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>vantrel::GridClipboard</name>
    <message>
        <source>Nothing was pasted:</source>
        <translation>Rien n&apos;a été collé :</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel CPS Help</source>
        <translation>Aide de Vantrel CPS</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>vantrel::ImportNumberingDialog</name>
    <message>
        <source>&amp;Keep the list&apos;s channel numbers</source>
        <translation>&amp;Conserver les numéros de canal de la liste</translation>
    </message>
    <message>
        <source>&amp;Fill channels from</source>
        <translation>&amp;Remplir à partir du canal</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer des canaux</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Premier canal</translation>
    </message>
    <message>
        <source>in the list&apos;s order, skipping rows the radio cannot take</source>
        <translation>dans l&apos;ordre de la liste, en sautant les lignes que la radio ne peut pas prendre</translation>
    </message>
</context>
<context>
    <name>vantrel::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language changes when Vantrel CPS starts again.</source>
        <translation>La langue change au prochain démarrage de Vantrel CPS.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open..</source>
        <translation>&amp;Ouvrir..</translation>
    </message>
    <message>
        <source>Radio &amp;Archive...</source>
        <translation>A&amp;rchives radio...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print..</source>
        <translation>Im&amp;primer..</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programmer &amp;plusieurs radios...</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>P&amp;ort COM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Vantrel CPS...</source>
        <translation>À &amp;propos de Vantrel CPS...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>vantrel::PasswordForm</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>vantrel::ProgramCommands</name>
    <message>
        <source>Verifying...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Verify after write: </source>
        <translation>Vérification après écriture : </translation>
    </message>
    <message>
        <source>the radio could not be read back (%1)</source>
        <translation>la radio n&apos;a pas pu être relue (%1)</translation>
    </message>
    <message>
        <source>Please close your window before programming the radio.</source>
        <translation>Fermez votre fenêtre avant de programmer la radio.</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioInfoFrame</name>
    <message>
        <source>Serial Number</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Regional Super Velmar</source>
        <translation>Super Velmar régional</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informations radio</translation>
    </message>
    <message>
        <source>POP Enable</source>
        <translation>Activer POP</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>N° de modèle</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>Gamme de fréq.</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Version codeplug</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Please Press the &apos;Enter&apos; Key</source>
        <translation>Appuyez sur la touche &apos;Entrée&apos;</translation>
    </message>
    <message>
        <source>Enter Current Serial Number to Radio ?</source>
        <translation>Inscrire le numéro de série actuel dans la radio ?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Enregistrer ?</translation>
    </message>
    <message>
        <source>Enter Current Regional Super Velmar Number to Radio ?</source>
        <translation>Inscrire le numéro Super Velmar régional actuel dans la radio ?</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Mot de passe non valide</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioLink</name>
    <message>
        <source>Archive: %1</source>
        <translation>Archives : %1</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioSettings</name>
    <message>
        <source>Talkback Scan Enable</source>
        <translation>Activer balayage réponse</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable</source>
        <translation>Activer économie batterie</translation>
    </message>
    <message>
        <source>TOT Enable</source>
        <translation>Activer TOT</translation>
    </message>
    <message>
        <source>Priority Scan Enable</source>
        <translation>Activer balayage prio.</translation>
    </message>
    <message>
        <source>Normal Scan Enable</source>
        <translation>Activer balayage normal</translation>
    </message>
    <message>
        <source>Quick Key Override Enable</source>
        <translation>Activer forçage touche rapide</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Time Out Timer</source>
        <translation>Temporisation TX</translation>
    </message>
    <message>
        <source> Prio. Scan Ch. No.</source>
        <translation> N° can. bal. prio.</translation>
    </message>
</context>
<context>
    <name>vantrel::ReadNotice</name>
    <message>
        <source>1 field differs</source>
        <translation>1 champ diffère</translation>
    </message>
    <message>
        <source>%1 fields differ</source>
        <translation>%1 champs diffèrent</translation>
    </message>
    <message>
        <source>Radio %1 no longer holds its last write, of %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
Compare the radio with that write?</source>
        <translation>La radio %1 ne contient plus sa dernière écriture, du %2 UTC : %3.<byte value="xd"/>
<byte value="xd"/>
Comparer la radio avec cette écriture ?</translation>
    </message>
    <message>
        <source>Radio Archive</source>
        <translation>Archives radio</translation>
    </message>
</context>
<context>
    <name>vantrel::ScanListPanel</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Liste bal.</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Ajouter &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Retirer</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Liste des canaux</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Canaux de la liste de balayage</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Bouton Ajouter à la liste de balayage</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Bouton Retirer de la liste de balayage</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>N° de canal de balayage prioritaire : 1 à %1Ch</translation>
    </message>
</context>
<context>
    <name>vantrel::UserTplFrame</name>
    <message>
        <source>  User Defined TPL </source>
        <translation>  TPL utilisateur </translation>
    </message>
    <message>
        <source> RX</source>
        <translation> RX</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> TX</translation>
    </message>
    <message>
        <source> TPL%1 (Hz)</source>
        <translation> TPL%1 (Hz)</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>Fréquence non valide</translation>
    </message>
</context>
<context>
    <name>vantrel::frmAbout</name>
    <message>
        <source>Customer programming software for Vantrel two-way radios</source>
        <translation>Logiciel de programmation client pour émetteurs-récepteurs Vantrel</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantrel::frmArchive</name>
    <message>
        <source>Radio Archive</source>
        <translation>Archives radio</translation>
    </message>
    <message>
        <source>Programmer data file</source>
        <translation>Fichier de données de programmation</translation>
    </message>
    <message>
        <source>Radio without serial number</source>
        <translation>Radio sans numéro de série</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radio %1</translation>
    </message>
    <message>
        <source>%1, %2 of %3 UTC</source>
        <translation>%1, %2 du %3 UTC</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Last Entry</source>
        <translation>Dernière entrée</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>The radio archive is turned off (VANTREL_ARCHIVE or the setting Archive/Location is &quot;off&quot;).</source>
        <translation>Les archives radio sont désactivées (VANTREL_ARCHIVE ou le réglage Archive/Location vaut &quot;off&quot;).</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir les archives radio %1 : %2</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archives : %1</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be read: %2</source>
        <translation>Impossible de lire les archives radio %1 : %2</translation>
    </message>
    <message>
        <source>This entry is no longer in the archive.</source>
        <translation>Cette entrée ne figure plus dans les archives.</translation>
    </message>
    <message>
        <source>This %1 did not complete: the archive holds no image of it.</source>
        <translation>Cette opération (%1) n&apos;a pas abouti : les archives n&apos;en contiennent aucune image.</translation>
    </message>
    <message>
        <source>This entry&apos;s image does not match its checksum and is not used.</source>
        <translation>L&apos;image de cette entrée ne correspond pas à sa somme de contrôle ; elle n&apos;est pas utilisée.</translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation>Aucun champ ne diffère.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
</context>
<context>
    <name>vantrel::frmChannelToneOption</name>
    <message>
        <source>Channel Tone Option</source>
        <translation>Option de tonalité du canal</translation>
    </message>
    <message>
        <source>TPL Frequency Table</source>
        <translation>Table des fréquences TPL</translation>
    </message>
    <message>
        <source>DPL Code Table</source>
        <translation>Table des codes DPL</translation>
    </message>
</context>
<context>
    <name>vantrel::frmFleet</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périph.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programmer plusieurs radios</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Vérifier après écriture</translation>
    </message>
    <message>
        <source>Radio password, if the radios ask</source>
        <translation>Mot de passe radio, si les radios le demandent</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>Enregistrer le bilan...</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>aucun périphérique série</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to program.</source>
        <translation>Cochez les ports des radios à programmer.</translation>
    </message>
    <message>
        <source>%1 of %2 radios programmed.</source>
        <translation>%1 radio(s) programmée(s) sur %2.</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Enregistrer le bilan</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Cannot save the summary: </source>
        <translation>Impossible d&apos;enregistrer le bilan : </translation>
    </message>
</context>
<context>
    <name>vantrel::frmMain</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>N° de canal de balayage prioritaire : 1 à %1Ch</translation>
    </message>
    <message>
        <source>&amp;Radio Configuration</source>
        <translation>&amp;Configuration radio</translation>
    </message>
    <message>
        <source>Conventional Personality</source>
        <translation>Personnalité conventionnelle</translation>
    </message>
</context>
<context>
    <name>vantrel::frmProgram</name>
    <message>
        <source>Program</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Vérifier après écriture</translation>
    </message>
    <message>
        <source>Click Write Button</source>
        <translation>Cliquez sur Écrire</translation>
    </message>
    <message>
        <source>Click Read Button</source>
        <translation>Cliquez sur Lire</translation>
    </message>
    <message>
        <source>  To write codeplug data to radio:</source>
        <translation>  Pour écrire le codeplug dans la radio :</translation>
    </message>
    <message>
        <source>  To read codeplug data from radio:</source>
        <translation>  Pour lire le codeplug de la radio :</translation>
    </message>
    <message>
        <source>  1. Turn off radio.</source>
        <translation>  1. Éteignez la radio.</translation>
    </message>
    <message>
        <source>  2. Connect programming cable to radio.</source>
        <translation>  2. Branchez le câble de programmation sur la radio.</translation>
    </message>
    <message>
        <source>  3. Press and hold Programmable Button 1 while turning on radio.</source>
        <translation>  3. Maintenez le bouton programmable 1 enfoncé en allumant la radio.</translation>
    </message>
    <message>
        <source>  4. Radio will beep once. Release Programmable Button 1.</source>
        <translation>  4. La radio émet un bip. Relâchez le bouton programmable 1.</translation>
    </message>
    <message>
        <source> ORANGE LED will be shown on radio.</source>
        <translation> La LED ORANGE s&apos;allume sur la radio.</translation>
    </message>
    <message>
        <source>  5. Click Write button on CPS.</source>
        <translation>  5. Cliquez sur le bouton Écrire du CPS.</translation>
    </message>
    <message>
        <source>  5. Click Read button on CPS.</source>
        <translation>  5. Cliquez sur le bouton Lire du CPS.</translation>
    </message>
    <message>
        <source>  6. CPS will show reading progress bar. Once completed, it will close by itself.</source>
        <translation>  6. Le CPS affiche une barre de progression. Une fois l&apos;opération terminée, il se ferme tout seul.</translation>
    </message>
    <message>
        <source>Waiting for radio...</source>
        <translation>En attente de la radio...</translation>
    </message>
    <message>
        <source>Close Program</source>
        <translation>Fermer la programmation</translation>
    </message>
    <message>
        <source>Read Codeplug Data From Radio To PC</source>
        <translation>Lire le codeplug de la radio vers le PC</translation>
    </message>
    <message>
        <source>Write Radio Codeplug Data PC To Radio</source>
        <translation>Écrire le codeplug du PC vers la radio</translation>
    </message>
</context>
<context>
    <name>vantrel::frmSpla</name>
    <message>
        <source>Customer Programming Software</source>
        <translation>Logiciel de programmation client</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantrel::report::frmMultiPgPreview</name>
    <message>
        <source>Exit</source>
        <translation>Quit.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Options d&apos;impression</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajust.</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
</TS>
