<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChannelGrid</name>
    <message>
        <source>Channel %1, %2</source>
        <translation>Kanal %1, %2</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>The report could not be printed: no printer is available.</source>
        <translation>Der Bericht konnte nicht gedruckt werden: Kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Der Bericht konnte nicht auf &quot;%1&quot; gedruckt werden.</translation>
    </message>
    <message>
        <source>The print preview could not be made: %1</source>
        <translation>Die Druckvorschau konnte nicht erstellt werden: %1</translation>
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
        <translation>Zeitwert ist ungültig</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Ungültiges Passwort</translation>
    </message>
    <message>
        <source>Invalid Serial Number</source>
        <translation>Ungültige Seriennummer</translation>
    </message>
    <message>
        <source>Region Code is not valid...</source>
        <translation>Regionscode ist ungültig...</translation>
    </message>
    <message>
        <source>Input TPL Frequency</source>
        <translation>TPL-Frequenz eingeben</translation>
    </message>
    <message>
        <source>Error! invalid data type</source>
        <translation>Fehler! Ungültiger Datentyp</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No. not in active scan list</source>
        <translation>Prio.-Scan Ch.-Nr. nicht in aktiver Scanliste</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>Ungültige Frequenz</translation>
    </message>
    <message>
        <source>Out of Frequency Range</source>
        <translation>Außerhalb des Frequenzbereichs</translation>
    </message>
    <message>
        <source>Frequency is not valid</source>
        <translation>Frequenz ist ungültig</translation>
    </message>
    <message>
        <source>Not Allowed To Delete Priority Channel Frequency</source>
        <translation>Frequenz des Prioritätskanals darf nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Empty Channel</source>
        <translation>Leerer Kanal</translation>
    </message>
    <message>
        <source>Not Allowed To Remove Priority Channel</source>
        <translation>Prioritätskanal darf nicht entfernt werden</translation>
    </message>
    <message>
        <source>The editor is locked.</source>
        <translation>Der Editor ist gesperrt.</translation>
    </message>
    <message>
        <source>not a value this cell can take</source>
        <translation>kein Wert, den diese Zelle annehmen kann</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Scan-Geschw. (msec)</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Scan-Haltezeit (msec)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Scan-Intervall (msec)</translation>
    </message>
    <message>
        <source>Tx Time Out Time (sec)</source>
        <translation>Tx-Zeitlimit (sec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>TOT-Warnzeit (sec)</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Scan-Geschw.</translation>
    </message>
    <message>
        <source>Scan Hang Time</source>
        <translation>Scan-Haltezeit</translation>
    </message>
    <message>
        <source>Scan Interval Time</source>
        <translation>Scan-Intervall</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Tx-Zeitlimit</translation>
    </message>
    <message>
        <source>TOT Warning Time</source>
        <translation>TOT-Warnzeit</translation>
    </message>
    <message>
        <source>channel names are not kept: the radio has no channel names</source>
        <translation>Kanalnamen werden nicht übernommen: das Funkgerät hat keine Kanalnamen</translation>
    </message>
    <message>
        <source>Hi/Low Power</source>
        <translation>Leistung hoch/niedrig</translation>
    </message>
    <message>
        <source>Volume Set</source>
        <translation>Lautstärke einstellen</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Sticky Monitor</source>
        <translation>Dauermonitor</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Relais/Talkaround</translation>
    </message>
    <message>
        <source>PL/DPL</source>
        <translation>PL/DPL</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Nicht belegt</translation>
    </message>
    <message>
        <source>Battery Save Mode</source>
        <translation>Batteriesparmodus</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>Nuisance Channel Delete</source>
        <translation>Störkanal löschen</translation>
    </message>
    <message>
        <source>Button Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Repeater / Talkaround</source>
        <translation>Relais / Talkaround</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Codeplug is protected.</source>
        <translation>Codeplug ist geschützt.</translation>
    </message>
    <message>
        <source>Please enter password.</source>
        <translation>Bitte Passwort eingeben.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Ungültiges Passwort.</translation>
    </message>
    <message>
        <source>Please enter correct password.</source>
        <translation>Bitte richtiges Passwort eingeben.</translation>
    </message>
    <message>
        <source>Codeplug is password protected.</source>
        <translation>Codeplug ist passwortgeschützt.</translation>
    </message>
    <message>
        <source>Communication Error. Please check Programming mode.</source>
        <translation>Kommunikationsfehler. Bitte Programmiermodus prüfen.</translation>
    </message>
    <message>
        <source>Communication Error. Unsupported radio codeplug region.</source>
        <translation>Kommunikationsfehler. Codeplug-Region des Funkgeräts wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Communication Error. Please check codeplug version.</source>
        <translation>Kommunikationsfehler. Bitte Codeplug-Version prüfen.</translation>
    </message>
    <message>
        <source>Communication Error.</source>
        <translation>Kommunikationsfehler.</translation>
    </message>
    <message>
        <source>Please wait a moment......</source>
        <translation>Bitte einen Moment warten......</translation>
    </message>
    <message>
        <source>Please wait a moment.......</source>
        <translation>Bitte einen Moment warten.......</translation>
    </message>
    <message>
        <source>Successfully Reading End.</source>
        <translation>Lesen erfolgreich beendet.</translation>
    </message>
    <message>
        <source>Successfully Writing End.</source>
        <translation>Schreiben erfolgreich beendet.</translation>
    </message>
    <message>
        <source>Writing End, but an answer from the radio was not clear. Please read the radio back to verify.</source>
        <translation>Schreiben beendet, aber eine Antwort des Funkgeräts war nicht eindeutig. Bitte das Funkgerät zur Prüfung zurücklesen.</translation>
    </message>
    <message>
        <source>the radio holds every byte written</source>
        <translation>das Funkgerät enthält alle geschriebenen Bytes</translation>
    </message>
    <message>
        <source>Invalid password. Codeplug is password protected.</source>
        <translation>Ungültiges Passwort. Codeplug ist passwortgeschützt.</translation>
    </message>
    <message>
        <source>The cable was disconnected.</source>
        <translation>Das Kabel wurde getrennt.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte written.</source>
        <translation>Geprüft: Das Funkgerät enthält alle geschriebenen Bytes.</translation>
    </message>
    <message>
        <source>Comm. Port Unavailable !</source>
        <translation>COM-Port nicht verfügbar!</translation>
    </message>
    <message>
        <source>Please Change the Port selection.</source>
        <translation>Bitte wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>Choose the port of the programming cable.</source>
        <translation>Wählen Sie den Port des Programmierkabels.</translation>
    </message>
    <message>
        <source>Only its owner may use it; ask the administrator for access.</source>
        <translation>Nur der Besitzer darf es verwenden; bitten Sie den Administrator um Zugriff.</translation>
    </message>
    <message>
        <source>then log out and in again.</source>
        <translation>und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Close that program and try again.</source>
        <translation>Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No serial device was found for this port.</source>
        <translation>Für diesen Port wurde kein serielles Gerät gefunden.</translation>
    </message>
    <message>
        <source>Is the programming cable plugged in?</source>
        <translation>Ist das Programmierkabel eingesteckt?</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a character device</source>
        <translation>kein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Fehler beim Öffnen von %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Fehler beim Speichern von %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a Vantrel programmer data file</source>
        <translation>%1 ist keine Vantrel-Programmierdatei</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 codeplug bytes</source>
        <translation>%1 enthält nur %2 der %3 Codeplug-Bytes</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is outside 0 to 255</source>
        <translation>%1: Wert %2 (%3) liegt nicht zwischen 0 und 255</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a number</source>
        <translation>%1: Wert %2 (%3) ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: value %2 is not text</source>
        <translation>%1: Wert %2 ist kein Text</translation>
    </message>
    <message>
        <source>%1 is too long for a data file (over 1 MiB)</source>
        <translation>%1 ist zu groß für eine Programmierdatei (über 1 MiB)</translation>
    </message>
    <message>
        <source>Channel %1: this radio has %2 channels</source>
        <translation>Kanal %1: dieses Funkgerät hat %2 Kanäle</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 Byte weicht ab</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 Bytes weichen ab</translation>
    </message>
    <message>
        <source>byte %1 written %2, read back %3</source>
        <translation>Byte %1 geschrieben %2, zurückgelesen %3</translation>
    </message>
    <message>
        <source>imported %1 row; %2 left out</source>
        <translation>%1 Zeile importiert; %2 ausgelassen</translation>
    </message>
    <message>
        <source>imported %1 rows; %2 left out</source>
        <translation>%1 Zeilen importiert; %2 ausgelassen</translation>
    </message>
    <message>
        <source>imported %1 row into channel %2; %3 left out</source>
        <translation>%1 Zeile in Kanal %2 importiert; %3 ausgelassen</translation>
    </message>
    <message>
        <source>imported %1 rows into channels %2–%3; %4 left out</source>
        <translation>%1 Zeilen in Kanäle %2–%3 importiert; %4 ausgelassen</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>location %1: %2</source>
        <translation>Speicherplatz %1: %2</translation>
    </message>
    <message>
        <source>not a CHIRP channel list: %1</source>
        <translation>keine CHIRP-Kanalliste: %1</translation>
    </message>
    <message>
        <source>%1 is %2, not a serial device.</source>
        <translation>%1 ist %2, kein serielles Gerät.</translation>
    </message>
    <message>
        <source>%1: permission denied.</source>
        <translation>%1: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>You are in the group &quot;%1&quot;, but this login is older than that: log out and in again.</source>
        <translation>Sie sind in der Gruppe &quot;%1&quot;, aber diese Anmeldung ist älter als die Mitgliedschaft: Melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>The device belongs to the group &quot;%1&quot;. Add yourself to it with</source>
        <translation>Das Gerät gehört der Gruppe &quot;%1&quot;. Fügen Sie sich ihr hinzu mit</translation>
    </message>
    <message>
        <source>%1 is busy: %2 is using it.</source>
        <translation>%1 ist belegt: %2 verwendet es.</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: Gerät nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1: no such device (it is gone).</source>
        <translation>%1: Gerät nicht vorhanden (es wurde entfernt).</translation>
    </message>
    <message>
        <source>read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>%1 Verified: the radio holds every byte written.</source>
        <translation>%1 Geprüft: das Funkgerät enthält alle geschriebenen Bytes.</translation>
    </message>
    <message>
        <source>%1 The cable was disconnected.</source>
        <translation>%1 Das Kabel wurde getrennt.</translation>
    </message>
    <message>
        <source>Stopped during the %1, before its data blocks.</source>
        <translation>Angehalten beim %1, vor den Datenblöcken.</translation>
    </message>
    <message>
        <source>Stopped during the %1 at block %2 of %3.</source>
        <translation>Angehalten beim %1 bei Block %2 von %3.</translation>
    </message>
    <message>
        <source>the codeplug would give every radio the serial number &apos;%1&apos; (its serial write enable is set): write one radio at a time</source>
        <translation>der Codeplug würde jedem Funkgerät die Seriennummer &apos;%1&apos; geben (Seriennummer schreiben ist aktiviert): jeweils nur ein Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
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
        <translation>1:Std-Öffnen,Std-Schließen; 2:UND-Öffnen,Std-Schließen; 3:UND-Öffnen,ODER-Schließen</translation>
    </message>
    <message>
        <source>Ch No</source>
        <translation>Ch Nr.</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>Rx Freq.</source>
        <translation>Rx-Freq.</translation>
    </message>
    <message>
        <source>Channel Rx Frequency Edit</source>
        <translation>Rx-Frequenz des Kanals bearbeiten</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>PL-Option</translation>
    </message>
    <message>
        <source>Channel Rx PL Option Setting</source>
        <translation>Rx-PL-Option des Kanals einstellen</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>SQ</translation>
    </message>
    <message>
        <source>Squelch Setting</source>
        <translation>Rauschsperre einstellen</translation>
    </message>
    <message>
        <source>Normal or Tight</source>
        <translation>Normal oder Eng</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Tx Freq.</source>
        <translation>Tx-Freq.</translation>
    </message>
    <message>
        <source>Channel Tx Frequency Edit</source>
        <translation>Tx-Frequenz des Kanals bearbeiten</translation>
    </message>
    <message>
        <source>Channel Tx PL Option Setting</source>
        <translation>Tx-PL-Option des Kanals einstellen</translation>
    </message>
    <message>
        <source>PWR</source>
        <translation>PWR</translation>
    </message>
    <message>
        <source>Power Level Setting</source>
        <translation>Sendeleistung einstellen</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Setting</source>
        <translation>DPL-Abschaltcode einstellen</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Enable or Disable</source>
        <translation>DPL-Abschaltcode ein oder aus</translation>
    </message>
    <message>
        <source>Rx Only</source>
        <translation>Nur Rx</translation>
    </message>
    <message>
        <source>Rx Only Setting</source>
        <translation>Nur Empfang einstellen</translation>
    </message>
    <message>
        <source> Rx Only Enable or Disable</source>
        <translation> Nur Rx ein oder aus</translation>
    </message>
    <message>
        <source>Rev Burst</source>
        <translation>Rev Burst</translation>
    </message>
    <message>
        <source>TPL Reverse Burst Setting</source>
        <translation>TPL-Reverse-Burst einstellen</translation>
    </message>
    <message>
        <source>None / 180 / 240</source>
        <translation>Kein / 180 / 240</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Busy Channel Lock Out Setting</source>
        <translation>Sendesperre bei belegtem Kanal einstellen</translation>
    </message>
    <message>
        <source>BCLO Enable or Disable</source>
        <translation>BCLO ein oder aus</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Channel Bandwidth Setting</source>
        <translation>Kanalbandbreite einstellen</translation>
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
        <translation>Talkaround einstellen</translation>
    </message>
    <message>
        <source>Repeater/Talkaround Set</source>
        <translation>Relais/Talkaround einstellen</translation>
    </message>
</context>
<context>
    <name>GridText</name>
    <message>
        <source>Invalid number</source>
        <translation>Ungültige Zahl</translation>
    </message>
</context>
<context>
    <name>StatusHelp</name>
    <message>
        <source>Scan List</source>
        <translation>Scanliste</translation>
    </message>
    <message>
        <source>User Defined TPL </source>
        <translation>Benutzerdefinierte TPL-Töne </translation>
    </message>
    <message>
        <source>Programmable Button Selection</source>
        <translation>Auswahl der programmierbaren Tasten</translation>
    </message>
    <message>
        <source>Scan Type Selection</source>
        <translation>Auswahl der Scan-Art</translation>
    </message>
    <message>
        <source>Time Out Timer (TOT) Selection</source>
        <translation>Auswahl Sendezeitbegrenzung (TOT)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Input Password 8 Characters</source>
        <translation>Passwort eingeben (8 Zeichen)</translation>
    </message>
    <message>
        <source>Codeplug Version (Read Only)</source>
        <translation>Codeplug-Version (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Prog.-Taste 1 kurz drücken</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Prog.-Taste 1 lang drücken</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Prog.-Taste 2 kurz drücken</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Prog.-Taste 2 lang drücken</translation>
    </message>
    <message>
        <source>Firmware Version (Read Only)</source>
        <translation>Firmware-Version (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Frequency Range [MHz] (Read Only)</source>
        <translation>Frequenzbereich [MHz] (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Model Number (Read Only)</source>
        <translation>Modellnummer (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Serial Number (Read Only)</source>
        <translation>Seriennummer (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Input Regional Super Velmar Number 16 Characters</source>
        <translation>Regional-Super-Velmar-Nummer eingeben (16 Zeichen)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Scan-Intervall (msec)</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>Prio.-Scan Ch.-Nr.</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Scan-Haltezeit (msec)</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Scan-Geschw. (msec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>TOT-Warnzeit (sec)</translation>
    </message>
    <message>
        <source>TX Time Out Time (sec)</source>
        <translation>TX-Zeitlimit (sec)</translation>
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
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Kanäle der Scanliste</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Schaltfläche: zur Scanliste hinzufügen</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Schaltfläche: aus der Scanliste entfernen</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable Option</source>
        <translation>Option: Batteriesparmodus aktiv</translation>
    </message>
    <message>
        <source>Priority Scan Enable Option</source>
        <translation>Option: Prioritätsscan aktiv</translation>
    </message>
    <message>
        <source>Quick Key Override Enable Option</source>
        <translation>Option: Quick-Key-Override aktiv</translation>
    </message>
    <message>
        <source>Normal Scan Enable Option</source>
        <translation>Option: Normaler Scan aktiv</translation>
    </message>
    <message>
        <source>TOT (Time Out Timer) Enable Option</source>
        <translation>Option: TOT (Sendezeitbegrenzung) aktiv</translation>
    </message>
    <message>
        <source>Talkback Scan Enable Option </source>
        <translation>Option: Talkback-Scan aktiv </translation>
    </message>
    <message>
        <source>Scan Interval Time : 250 to 5000msec</source>
        <translation>Scan-Intervall: 250 bis 5000msec</translation>
    </message>
    <message>
        <source>Scan Hang Time : 500 to 9500msec</source>
        <translation>Scan-Haltezeit: 500 bis 9500msec</translation>
    </message>
    <message>
        <source>Scan Speed Time : 50 to 500msec</source>
        <translation>Scan-Geschwindigkeit: 50 bis 500msec</translation>
    </message>
    <message>
        <source>TOT Warning Time : 1 to 10sec</source>
        <translation>TOT-Warnzeit: 1 bis 10sec</translation>
    </message>
    <message>
        <source>TX Time Out Time : 10 to 600sec</source>
        <translation>TX-Zeitlimit: 10 bis 600sec</translation>
    </message>
    <message>
        <source>TPL Frequency : 67 to 255Hz</source>
        <translation>TPL-Frequenz: 67 bis 255Hz</translation>
    </message>
</context>
<context>
    <name>UndoStepNames</name>
    <message>
        <source>Channel Edit</source>
        <translation>Kanaländerung</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>PL-Option</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Scanliste</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>Prio.-Scan Ch.-Nr.</translation>
    </message>
    <message>
        <source>User TPL Frequency</source>
        <translation>Benutzer-TPL-Frequenz</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Super Number</source>
        <translation>Supernummer</translation>
    </message>
    <message>
        <source>Button 1 Short Press</source>
        <translation>Taste 1 kurz drücken</translation>
    </message>
    <message>
        <source>Button 1 Long Press</source>
        <translation>Taste 1 lang drücken</translation>
    </message>
    <message>
        <source>Button 2 Short Press</source>
        <translation>Taste 2 kurz drücken</translation>
    </message>
    <message>
        <source>Button 2 Long Press</source>
        <translation>Taste 2 lang drücken</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>vantrel::ButtonFrame</name>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Prog.-Taste 1 kurz drücken</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Prog.-Taste 1 lang drücken</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Prog.-Taste 2 kurz drücken</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Prog.-Taste 2 lang drücken</translation>
    </message>
    <message>
        <source>Programmable Button</source>
        <translation>Programmierbare Taste</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelCsvCommands</name>
    <message>
        <source>CHIRP channel list</source>
        <translation>CHIRP-Kanalliste</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>&amp;Export Channels..</source>
        <translation>Kanäle &amp;exportieren..</translation>
    </message>
    <message>
        <source>&amp;Import Channels..</source>
        <translation>Kanäle &amp;importieren..</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Ausgelassen:</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelGrid</name>
    <message>
        <source>Ch No : %1</source>
        <translation>Ch Nr.: %1</translation>
    </message>
    <message>
        <source>High or Low</source>
        <translation>Hoch oder Niedrig</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Nothing is loaded yet.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Read a radio: &lt;b&gt;Device &amp;gt; Read&lt;/b&gt; (Ctrl+R).&lt;br&gt;Open a data file: &lt;b&gt;File &amp;gt; Open..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Program a blank radio: &lt;a href=&quot;super&quot;&gt;enter its regional super number&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Noch nichts geladen.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Funkgerät lesen: &lt;b&gt;Gerät &amp;gt; Lesen&lt;/b&gt; (Strg+R).&lt;br&gt;Datendatei öffnen: &lt;b&gt;Datei &amp;gt; Öffnen..&lt;/b&gt; (Strg+O).&lt;br&gt;Leeres Funkgerät programmieren: &lt;a href=&quot;super&quot;&gt;seine regionale Supernummer eingeben&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vantrel::FileCommands</name>
    <message>
        <source>Programmer data file</source>
        <translation>Programmierdatei</translation>
    </message>
    <message>
        <source>Save Current Data to File ?</source>
        <translation>Aktuelle Daten in Datei speichern?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The path you entered,<byte value="xd"/>
&apos;%1&apos; is too long, Enter a shorter path.</source>
        <translation>Der eingegebene Pfad,<byte value="xd"/>
&apos;%1&apos; ist zu lang. Geben Sie einen kürzeren Pfad ein.</translation>
    </message>
    <message>
        <source>   The file name, location, or format is not valid. Type the file name and location in the correct format.</source>
        <translation>   Dateiname, Speicherort oder Format ist ungültig. Geben Sie Dateinamen und Speicherort im richtigen Format ein.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>vantrel::GridClipboard</name>
    <message>
        <source>Nothing was pasted:</source>
        <translation>Es wurde nichts eingefügt:</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel CPS Help</source>
        <translation>Vantrel-CPS-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
</context>
<context>
    <name>vantrel::ImportNumberingDialog</name>
    <message>
        <source>&amp;Keep the list&apos;s channel numbers</source>
        <translation>Kanalnummern der Liste &amp;beibehalten</translation>
    </message>
    <message>
        <source>&amp;Fill channels from</source>
        <translation>Kanäle &amp;füllen ab</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Erster Kanal</translation>
    </message>
    <message>
        <source>in the list&apos;s order, skipping rows the radio cannot take</source>
        <translation>in Listenreihenfolge, unpassende Zeilen werden übersprungen</translation>
    </message>
</context>
<context>
    <name>vantrel::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language changes when Vantrel CPS starts again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Vantrel CPS.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open..</source>
        <translation>Ö&amp;ffnen..</translation>
    </message>
    <message>
        <source>Radio &amp;Archive...</source>
        <translation>Funkgeräte-&amp;Archiv...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Print..</source>
        <translation>&amp;Drucken..</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>&amp;Mehrere Funkgeräte programmieren...</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>&amp;COM-Port</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Vantrel CPS...</source>
        <translation>&amp;Über Vantrel CPS...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>vantrel::ProgramCommands</name>
    <message>
        <source>Verifying...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Verify after write: </source>
        <translation>Prüfen nach dem Schreiben: </translation>
    </message>
    <message>
        <source>the radio could not be read back (%1)</source>
        <translation>das Funkgerät konnte nicht zurückgelesen werden (%1)</translation>
    </message>
    <message>
        <source>Please close your window before programming the radio.</source>
        <translation>Bitte schließen Sie Ihr Fenster, bevor Sie das Funkgerät programmieren.</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioInfoFrame</name>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Regional Super Velmar</source>
        <translation>Regional Super Velmar</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>POP Enable</source>
        <translation>POP aktiv</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug-Version</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Please Press the &apos;Enter&apos; Key</source>
        <translation>Bitte &apos;Enter&apos;-Taste drücken</translation>
    </message>
    <message>
        <source>Enter Current Serial Number to Radio ?</source>
        <translation>Aktuelle Seriennummer ins Funkgerät übernehmen?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>Enter Current Regional Super Velmar Number to Radio ?</source>
        <translation>Aktuelle Regional-Super-Velmar-Nummer ins Funkgerät übernehmen?</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Ungültiges Passwort</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioLink</name>
    <message>
        <source>Archive: %1</source>
        <translation>Archiv: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioSettings</name>
    <message>
        <source>Talkback Scan Enable</source>
        <translation>Talkback-Scan aktiv</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable</source>
        <translation>Batteriesparmodus aktiv</translation>
    </message>
    <message>
        <source>TOT Enable</source>
        <translation>TOT aktiv</translation>
    </message>
    <message>
        <source>Priority Scan Enable</source>
        <translation>Prioritätsscan aktiv</translation>
    </message>
    <message>
        <source>Normal Scan Enable</source>
        <translation>Normaler Scan aktiv</translation>
    </message>
    <message>
        <source>Quick Key Override Enable</source>
        <translation>Quick-Key-Override aktiv</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Time Out Timer</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source> Prio. Scan Ch. No.</source>
        <translation> Prio.-Scan Ch.-Nr.</translation>
    </message>
</context>
<context>
    <name>vantrel::ReadNotice</name>
    <message>
        <source>1 field differs</source>
        <translation>1 Feld weicht ab</translation>
    </message>
    <message>
        <source>%1 fields differ</source>
        <translation>%1 Felder weichen ab</translation>
    </message>
    <message>
        <source>Radio %1 no longer holds its last write, of %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
Compare the radio with that write?</source>
        <translation>Funkgerät %1 enthält nicht mehr seinen letzten Schreibvorgang vom %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
Funkgerät mit diesem Schreibvorgang vergleichen?</translation>
    </message>
    <message>
        <source>Radio Archive</source>
        <translation>Funkgeräte-Archiv</translation>
    </message>
</context>
<context>
    <name>vantrel::ScanListPanel</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Scanliste</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Hinzu &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Entf.</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Kanäle der Scanliste</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Schaltfläche: zur Scanliste hinzufügen</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Schaltfläche: aus der Scanliste entfernen</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>Prioritäts-Scankanal: 1 bis %1Ch</translation>
    </message>
</context>
<context>
    <name>vantrel::UserTplFrame</name>
    <message>
        <source>  User Defined TPL </source>
        <translation>  Benutzerdef. TPL </translation>
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
        <translation>Ungültige Frequenz</translation>
    </message>
</context>
<context>
    <name>vantrel::frmAbout</name>
    <message>
        <source>Customer programming software for Vantrel two-way radios</source>
        <translation>Kunden-Programmiersoftware für Vantrel-Funkgeräte</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Version: </translation>
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
        <translation>Funkgeräte-Archiv</translation>
    </message>
    <message>
        <source>Programmer data file</source>
        <translation>Programmierdatei</translation>
    </message>
    <message>
        <source>Radio without serial number</source>
        <translation>Funkgerät ohne Seriennummer</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Funkgerät %1</translation>
    </message>
    <message>
        <source>%1, %2 of %3 UTC</source>
        <translation>%1, %2 vom %3 UTC</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Last Entry</source>
        <translation>Letzter Eintrag</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>The radio archive is turned off (VANTREL_ARCHIVE or the setting Archive/Location is &quot;off&quot;).</source>
        <translation>Das Funkgeräte-Archiv ist ausgeschaltet (VANTREL_ARCHIVE oder die Einstellung Archive/Location ist &quot;off&quot;).</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be opened: %2</source>
        <translation>Das Funkgeräte-Archiv %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiv: %1</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be read: %2</source>
        <translation>Das Funkgeräte-Archiv %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>This entry is no longer in the archive.</source>
        <translation>Dieser Eintrag ist nicht mehr im Archiv.</translation>
    </message>
    <message>
        <source>This %1 did not complete: the archive holds no image of it.</source>
        <translation>Dieser Vorgang (%1) wurde nicht abgeschlossen: Das Archiv enthält kein Abbild davon.</translation>
    </message>
    <message>
        <source>This entry&apos;s image does not match its checksum and is not used.</source>
        <translation>Das Abbild dieses Eintrags passt nicht zu seiner Prüfsumme und wird nicht verwendet.</translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation>Kein Feld weicht ab.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>vantrel::frmChannelToneOption</name>
    <message>
        <source>Channel Tone Option</source>
        <translation>Kanal-Tonoption</translation>
    </message>
    <message>
        <source>TPL Frequency Table</source>
        <translation>TPL-Frequenztabelle</translation>
    </message>
    <message>
        <source>DPL Code Table</source>
        <translation>DPL-Codetabelle</translation>
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
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Radio password, if the radios ask</source>
        <translation>Funkgeräte-Passwort, falls abgefragt</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>Übersicht speichern...</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to program.</source>
        <translation>Markieren Sie die Ports der zu programmierenden Funkgeräte.</translation>
    </message>
    <message>
        <source>%1 of %2 radios programmed.</source>
        <translation>%1 von %2 Funkgeräten programmiert.</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Übersicht speichern</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Cannot save the summary: </source>
        <translation>Die Übersicht kann nicht gespeichert werden: </translation>
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
        <translation>Prioritäts-Scankanal: 1 bis %1Ch</translation>
    </message>
    <message>
        <source>&amp;Radio Configuration</source>
        <translation>&amp;Gerätekonfiguration</translation>
    </message>
    <message>
        <source>Conventional Personality</source>
        <translation>Konventionelle Personality</translation>
    </message>
</context>
<context>
    <name>vantrel::frmProgram</name>
    <message>
        <source>Program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Click Write Button</source>
        <translation>Auf Schreiben klicken</translation>
    </message>
    <message>
        <source>Click Read Button</source>
        <translation>Auf Lesen klicken</translation>
    </message>
    <message>
        <source>  To write codeplug data to radio:</source>
        <translation>  Codeplug-Daten zum Funkgerät schreiben:</translation>
    </message>
    <message>
        <source>  To read codeplug data from radio:</source>
        <translation>  Codeplug-Daten vom Funkgerät lesen:</translation>
    </message>
    <message>
        <source>  1. Turn off radio.</source>
        <translation>  1. Funkgerät ausschalten.</translation>
    </message>
    <message>
        <source>  2. Connect programming cable to radio.</source>
        <translation>  2. Programmierkabel an das Funkgerät anschließen.</translation>
    </message>
    <message>
        <source>  3. Press and hold Programmable Button 1 while turning on radio.</source>
        <translation>  3. Programmierbare Taste 1 gedrückt halten und Funkgerät einschalten.</translation>
    </message>
    <message>
        <source>  4. Radio will beep once. Release Programmable Button 1.</source>
        <translation>  4. Das Funkgerät piept einmal. Programmierbare Taste 1 loslassen.</translation>
    </message>
    <message>
        <source> ORANGE LED will be shown on radio.</source>
        <translation> Die ORANGE LED am Funkgerät leuchtet.</translation>
    </message>
    <message>
        <source>  5. Click Write button on CPS.</source>
        <translation>  5. In der CPS auf Schreiben klicken.</translation>
    </message>
    <message>
        <source>  5. Click Read button on CPS.</source>
        <translation>  5. In der CPS auf Lesen klicken.</translation>
    </message>
    <message>
        <source>  6. CPS will show reading progress bar. Once completed, it will close by itself.</source>
        <translation>  6. Die CPS zeigt einen Fortschrittsbalken. Danach schließt sich das Fenster von selbst.</translation>
    </message>
    <message>
        <source>Waiting for radio...</source>
        <translation>Warte auf Funkgerät...</translation>
    </message>
    <message>
        <source>Close Program</source>
        <translation>Programmierfenster schließen</translation>
    </message>
    <message>
        <source>Read Codeplug Data From Radio To PC</source>
        <translation>Codeplug-Daten vom Funkgerät zum PC lesen</translation>
    </message>
    <message>
        <source>Write Radio Codeplug Data PC To Radio</source>
        <translation>Codeplug-Daten vom PC zum Funkgerät schreiben</translation>
    </message>
</context>
<context>
    <name>vantrel::frmSpla</name>
    <message>
        <source>Customer Programming Software</source>
        <translation>Kunden-Programmiersoftware</translation>
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
        <translation>Ende</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
</TS>
