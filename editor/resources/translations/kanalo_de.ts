<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>Kanalo</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Öffnen...	Strg+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern u&amp;nter...</translation>
    </message>
    <message>
        <source>Open &amp;Update...	Ctrl+U</source>
        <translation>&amp;Update öffnen...	Strg+U</translation>
    </message>
    <message>
        <source>&amp;Import DVB Channel List...</source>
        <translation>&amp;Import DVB Senderliste...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Letzte Dateien</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Beenden	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Strg+V</translation>
    </message>
    <message>
        <source>Paste di&amp;rect	Ctrl+B</source>
        <translation>&amp;Direkt einfügen	Strg+B</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Entf</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>&amp;Find name...	Ctrl+F</source>
        <translation>Name &amp;Suchen...	Strg+F</translation>
    </message>
    <message>
        <source>Find freque&amp;ncy...</source>
        <translation>&amp;Frequenz suchen...</translation>
    </message>
    <message>
        <source>Find ne&amp;xt	F3</source>
        <translation>&amp;Weitersuchen	F3</translation>
    </message>
    <message>
        <source>&amp;Sort Selection...</source>
        <translation>&amp;Bereich sortieren...</translation>
    </message>
    <message>
        <source>Find D&amp;uplicates</source>
        <translation>Suc&amp;he Duplikate</translation>
    </message>
    <message>
        <source>&amp;Serial</source>
        <translation>&amp;Verbindung</translation>
    </message>
    <message>
        <source>&amp;Load Settings from Box	Ctrl+F9</source>
        <translation>&amp;Lade Senderliste von Box	Strg+F9</translation>
    </message>
    <message>
        <source>&amp;Send Setings to Box	Ctrl+F10</source>
        <translation>&amp;Sende Senderliste zu Box	Strg+F10</translation>
    </message>
    <message>
        <source>Box Software &amp;Update...</source>
        <translation>Box Software &amp;Update...</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM Port</translation>
    </message>
    <message>
        <source>COM &amp;1</source>
        <translation>COM &amp;1</translation>
    </message>
    <message>
        <source>COM &amp;2</source>
        <translation>COM &amp;2</translation>
    </message>
    <message>
        <source>COM &amp;3</source>
        <translation>COM &amp;3</translation>
    </message>
    <message>
        <source>COM &amp;4</source>
        <translation>COM &amp;4</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>T&amp;V	Ctrl+T</source>
        <translation>&amp;TV	Strg+T</translation>
    </message>
    <message>
        <source>&amp;Radio	Ctrl+R</source>
        <translation>&amp;Radio	Strg+R</translation>
    </message>
    <message>
        <source>&amp;1 Main-List	Ctrl+1</source>
        <translation>&amp;1 Hauptliste	Strg+1</translation>
    </message>
    <message>
        <source>&amp;2 Update-List	Ctrl+2</source>
        <translation>&amp;2 Updateliste	Strg+2</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Sy&amp;mbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Satellite List</source>
        <translation>&amp;Satelliten Liste</translation>
    </message>
    <message>
        <source>&amp;Screen...</source>
        <translation>&amp;Bildschirm...</translation>
    </message>
    <message>
        <source>&amp;Printer...</source>
        <translation>&amp;Drucker...</translation>
    </message>
    <message>
        <source>&amp;Configure List</source>
        <translation>&amp;Liste konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Default Columns Width</source>
        <translation>&amp;Default Spaltenbreiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Contents	F1</source>
        <translation>&amp;Hilfethemen	F1</translation>
    </message>
    <message>
        <source>&amp;About Kanalo...</source>
        <translation>&amp;Info über Kanalo...</translation>
    </message>
    <message>
        <source>Change selected c&amp;hannels</source>
        <translation>&amp;Ausgewählte Senderdaten ändern</translation>
    </message>
    <message>
        <source>In &amp;Userlist</source>
        <translation>In &amp;Benutzerliste</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;EPG</source>
        <translation>E&amp;PG</translation>
    </message>
    <message>
        <source>Frequen&amp;cy...</source>
        <translation>Frequen&amp;z...</translation>
    </message>
    <message>
        <source>&amp;Polarisation</source>
        <translation>&amp;Ebene</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertikal</translation>
    </message>
    <message>
        <source>&amp;Symbol rate...</source>
        <translation>&amp;Symbolrate...</translation>
    </message>
    <message>
        <source>S&amp;atellite...</source>
        <translation>S&amp;atellit...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>E&amp;PG</source>
        <translation>E&amp;PG</translation>
    </message>
    <message>
        <source>&amp;Edit channel...	Enter</source>
        <translation>Senderdaten &amp;editieren...	Enter</translation>
    </message>
    <message>
        <source>&amp;New channel...</source>
        <translation>&amp;Neuer Sender...</translation>
    </message>
    <message>
        <source>&amp;Move channels</source>
        <translation>Sender &amp;verschieben</translation>
    </message>
    <message>
        <source>S&amp;wap channels</source>
        <translation>Sender verta&amp;uschen</translation>
    </message>
    <message>
        <source>&amp;Delete channel</source>
        <translation>Sender &amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Transponder list...</source>
        <translation>&amp;Transponder Liste...</translation>
    </message>
    <message>
        <source>&amp;Show Differences (search for name)...</source>
        <translation>&amp;Zeige Unterschiede (suche Name)...</translation>
    </message>
    <message>
        <source>Show &amp;Differences (search for frequency)...</source>
        <translation>Zeige &amp;Unterschiede (suche Frequenz)...</translation>
    </message>
    <message>
        <source>Open a channel list file
Open</source>
        <translation>Öffnet eine Senderlistendatei
Öffnen</translation>
    </message>
    <message>
        <source>Save a channel list file
Save</source>
        <translation>Speichert die Senderlistendatei
Speichern</translation>
    </message>
    <message>
        <source>Save a channel list file with different name</source>
        <translation>Speichert die Senderlistendatei unter einem anderen Namen</translation>
    </message>
    <message>
        <source>Show TV Channel list
TV Channels</source>
        <translation>Zeige TV Senderliste an
TV Sender</translation>
    </message>
    <message>
        <source>Show Radio Channel list
Radio Channels</source>
        <translation>Zeige Radio Senderliste an
Radio Sender</translation>
    </message>
    <message>
        <source>Delete selected channels
Delete</source>
        <translation>Löscht die ausgewählten Sender
Löschen</translation>
    </message>
    <message>
        <source>Use COM1 to communicate with Box
Use COM1</source>
        <translation>Verwende COM1 Port
COM1 verwenden</translation>
    </message>
    <message>
        <source>Use COM2 to communicate with Box
Use COM2</source>
        <translation>Verwende COM2 Port
COM2 verwenden</translation>
    </message>
    <message>
        <source>Show Help contents
Help</source>
        <translation>Zeige die verfügbaren Hilfethemen an
Hilfe</translation>
    </message>
    <message>
        <source>Move selected channels to clipboard
Cut</source>
        <translation>Überträgt die Auswahl in die Zwischenablage
Ausschneiden</translation>
    </message>
    <message>
        <source>Copy selected channels to clipboard
Copy</source>
        <translation>Kopiert die Auswahl in die Zwischenablage
Kopieren</translation>
    </message>
    <message>
        <source>Insert channels from clipboard
Insert</source>
        <translation>Fügt den Inhalt der Zwischenablage ein
Einfügen</translation>
    </message>
    <message>
        <source>Insert channels from clipboard without moving channels
Paste direct</source>
        <translation>Fügt den Inhalt der Zwischenablage ein ohne Sender zu verschieben
Direkt einfügen</translation>
    </message>
    <message>
        <source>Load Channel list from Box  to PC
Load Channel list from Box</source>
        <translation>Senderliste von Box in den PC übertragen
Lade Senderliste von Box</translation>
    </message>
    <message>
        <source>Send Channel list to Box
Send Channel list to Box</source>
        <translation>Senderliste zur Box übertragen
Sende Senderliste zu Box</translation>
    </message>
    <message>
        <source>Search for Channel Name
Find name</source>
        <translation>Suchen nach Sendernamen
Name Suchen</translation>
    </message>
    <message>
        <source>Find next matching Channel Name
Find next</source>
        <translation>Weitersuchen nach Sendername
Weitersuchen</translation>
    </message>
    <message>
        <source>Open a channel list file and mark all different channels</source>
        <translation>Lädt eine Senderliste und markiert alle unterschiedlichen Sender</translation>
    </message>
    <message>
        <source>View Main Channel List
Main-List</source>
        <translation>Haupt-Senderliste einblenden
Hauptliste</translation>
    </message>
    <message>
        <source>View Update Channel List
Update-List</source>
        <translation>Update-Senderliste einblenden
Updateliste</translation>
    </message>
    <message>
        <source>Set all options
Options</source>
        <translation>Verschiedene Optionen einstellen.
Optionen</translation>
    </message>
    <message>
        <source>Edit satellite names and transfer from or to Box
Satellite List</source>
        <translation>Satellitennamen eingeben oder Transfer von und zur Box
Satelliten Liste</translation>
    </message>
    <message>
        <source>Enable additional items in list
Configure List</source>
        <translation>Auswahl der anzuzeigenden Spalten in der Liste
Liste konfigurieren</translation>
    </message>
    <message>
        <source>Print actual list or its selected lines
Print</source>
        <translation>Druckt aktuelle Liste oder deren ausgewählte Zeilen
Drucken</translation>
    </message>
    <message>
        <source>Loads a new software into the Box
Software Update</source>
        <translation>Lädt eine neue Software in die Box
Software Update</translation>
    </message>
    <message>
        <source>Use COM3 to communicate with Box
Use COM3</source>
        <translation>Verwende COM3 Port
COM3 verwenden</translation>
    </message>
    <message>
        <source>Use COM4 to communicate with Box
Use COM4</source>
        <translation>Verwende COM4 Port
COM4 verwenden</translation>
    </message>
    <message>
        <source>Enable additional items in printer list
Configure List</source>
        <translation>Auswahl der am Drucker auszugebenden Spalten
Liste konfigurieren</translation>
    </message>
    <message>
        <source>Separate satellite list for print function</source>
        <translation>Eigene Satellitenliste für die Ausgabe am Drucker</translation>
    </message>
    <message>
        <source>Sort selected block of channels</source>
        <translation>Sortiert einen zusammenhängenden ausgewählten Bereich</translation>
    </message>
    <message>
        <source>Selects the entire list
Select All</source>
        <translation>Die gesamte Senderliste auswählen</translation>
    </message>
    <message>
        <source>Set the default width for all columns in the list</source>
        <translation>Stellt für alle Spalten in der Liste die Defaultwerte ein</translation>
    </message>
    <message>
        <source>Search for duplicate channels in the channel list</source>
        <translation>Durchsucht die Senderliste nach doppelt vorkommenden identischen Sendern</translation>
    </message>
    <message>
        <source>Search for Frequency
Find frequency</source>
        <translation>Suchen nach Frequenz
Frequenz Suchen</translation>
    </message>
    <message>
        <source>Import DVB 2000 Channel List</source>
        <translation>DVB2000 Senderliste importieren</translation>
    </message>
    <message>
        <source>Open this channel list file</source>
        <translation>Öffnet diese Senderlistendatei</translation>
    </message>
    <message>
        <source>Quits the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Zeige oder verstecke die Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the statusline</source>
        <translation>Zeige oder verstecke die Statusleiste</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <extracomment>string 102</extracomment>
        <translation>Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Read error.</source>
        <extracomment>string 104</extracomment>
        <translation>Lesefehler.</translation>
    </message>
    <message>
        <source>Wrong file version.</source>
        <extracomment>string 105</extracomment>
        <translation>Falsche Dateiversion.</translation>
    </message>
    <message>
        <source>File write error.</source>
        <extracomment>string 107</extracomment>
        <translation>Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>Cannot open Clipboard.</source>
        <extracomment>string 109</extracomment>
        <translation>Zwischenablage kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot free Clipboard.</source>
        <extracomment>string 110</extracomment>
        <translation>Zwischenablage kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Cannot write to Clipboard.</source>
        <extracomment>string 111</extracomment>
        <translation>Fehler beim Kopieren in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Not enough free channels to insert from clipboard.</source>
        <extracomment>string 112</extracomment>
        <translation>Nicht genügend freie Plätze zum Einfügen aus der Zwischenablage.</translation>
    </message>
    <message>
        <source>Please select one channel. The contents of the clipboard will be inserted after this channel.</source>
        <extracomment>string 113</extracomment>
        <translation>Bitte die Zeile markieren, hinter der die Sender aus der Zwischenablage eingefügt werden sollen.</translation>
    </message>
    <message>
        <source>No matching channel found.</source>
        <extracomment>string 114</extracomment>
        <translation>Kein entsprechender Sender gefunden.</translation>
    </message>
    <message>
        <source>Communication error.</source>
        <extracomment>string 115</extracomment>
        <translation>Übertragungsfehler.</translation>
    </message>
    <message>
        <source>%1 of %2 channels were not added by the Box.</source>
        <extracomment>after an upload: lines the Box refused, then the tool&apos;s counts</extracomment>
        <translation>%1 von %2 Sendern wurden von der Box nicht übernommen.</translation>
    </message>
    <message>
        <source>Box software update in progress - please wait ...</source>
        <extracomment>window of a running receiver software updater</extracomment>
        <translation>Software-Update der Box läuft - Bitte warten ...</translation>
    </message>
    <message>
        <source>The Box software update is still running. Kanalo can be closed when it has ended.</source>
        <extracomment>closing refused while an updater runs</extracomment>
        <translation>Das Software-Update der Box läuft noch. Kanalo kann beendet werden, wenn es abgeschlossen ist.</translation>
    </message>
    <message>
        <source>The Box software update has ended successfully.</source>
        <extracomment>updater ended with exit code 0</extracomment>
        <translation>Das Software-Update der Box wurde erfolgreich beendet.</translation>
    </message>
    <message>
        <source>Demo: the simulated receiver follows the receiver type and software chosen here when the demo is next started.</source>
        <extracomment>Options page General, only in the demo</extracomment>
        <translation>Demo: Der simulierte Receiver folgt dem hier gewählten Receivertyp und der Software beim nächsten Start der Demo.</translation>
    </message>
    <message>
        <source>Open Update Channel list</source>
        <extracomment>string 119</extracomment>
        <translation>Update Senderliste öffnen</translation>
    </message>
    <message>
        <source>Send channel list to Box ?
Please delete all programs first ! (Menu&gt;Settings&gt;Factory Settings)</source>
        <extracomment>string 124</extracomment>
        <translation>Senderliste zur Box senden ?
Vorher alle Programme in der Box löschen ! (Menü&gt;Einstellungen&gt;Werkseinstellung)</translation>
    </message>
    <message>
        <source>Send channel list to Box ?</source>
        <extracomment>string 125</extracomment>
        <translation>Senderliste zur Box senden ?</translation>
    </message>
    <message>
        <source>Not enough free channels at the end of list to insert from clipboard.</source>
        <extracomment>string 127</extracomment>
        <translation>Nicht genügend freie Plätze am Ende der Liste zum Einfügen aus der Zwischenablage.</translation>
    </message>
    <message>
        <source>Would you like to save changes in %1 ?</source>
        <extracomment>string 129</extracomment>
        <translation>Änderungen speichern in %1 ?</translation>
    </message>
    <message>
        <source>Please load channellist first.</source>
        <extracomment>string 130</extracomment>
        <translation>Keine Senderliste geladen.</translation>
    </message>
    <message>
        <source>Reading file ...</source>
        <extracomment>string 134</extracomment>
        <translation>Datei wird geladen ...</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <extracomment>string 136</extracomment>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>Loading TV-List ...</source>
        <extracomment>string 137</extracomment>
        <translation>TV-Liste wird aufgebaut ...</translation>
    </message>
    <message>
        <source>Loading Radio-List ...</source>
        <extracomment>string 138</extracomment>
        <translation>Radio-Liste wird aufgebaut ...</translation>
    </message>
    <message>
        <source>Data transfer in progress - please wait ...</source>
        <extracomment>string 140</extracomment>
        <translation>Daten werden übertragen - Bitte warten ...</translation>
    </message>
    <message>
        <source>0</source>
        <extracomment>string 141: interface language flag, 0 = English, 1 = German</extracomment>
        <translation>1</translation>
    </message>
    <message>
        <source>Numbers are not sorted. If you save the nembers will be reassigned.
Do you want to save now anyway ?</source>
        <extracomment>string 143</extracomment>
        <translation>Nummern sind nicht sortiert. Beim Speichern werden Nummern neu vergeben.
Wollen Sie trotzdem jetzt speichern ?</translation>
    </message>
    <message>
        <source>Open Software Update File</source>
        <extracomment>string 145</extracomment>
        <translation>Öffne Software Update Datei</translation>
    </message>
    <message>
        <source>Please enter a PID value in the range from %u to %u.</source>
        <extracomment>string 152</extracomment>
        <translation>Bitte geben Sie für die PID einen Wert zwischen %u und %u ein.</translation>
    </message>
    <message>
        <source>Please enter a PID value in the range from %04X to %04X.</source>
        <extracomment>string 153</extracomment>
        <translation>Bitte geben Sie für die PID einen Wert zwischen %04X und %04X ein.</translation>
    </message>
    <message>
        <source>You have entered an invalid frequency.</source>
        <extracomment>string 154</extracomment>
        <translation>Fehler in der Eingabe der Frequenz.</translation>
    </message>
    <message>
        <source>Please enter a frequency in the range from %u to %u.</source>
        <extracomment>string 155</extracomment>
        <translation>Bitte geben Sie eine Frequenz zwischen %u und %u ein.</translation>
    </message>
    <message>
        <source>Cannot print.</source>
        <extracomment>string 166</extracomment>
        <translation>Drucken nicht möglich.</translation>
    </message>
    <message>
        <source>Do you want to delete this channel ?</source>
        <extracomment>string 180</extracomment>
        <translation>Soll der Sender gelöscht werden ?</translation>
    </message>
    <message>
        <source>Do you usa a  LUNDRA ?
(Select No for Pella1 or TALVEN)</source>
        <extracomment>string 184</extracomment>
        <translation>Verwenden Sie eine LUNDRA ?
(Wählen Sie nein bei Pella1 oder TALVEN)</translation>
    </message>
    <message>
        <source>Do you use a Pella1 Plus ?
(Select No for Pella1)</source>
        <extracomment>string 185</extracomment>
        <translation>Verwenden Sie eine Pella1 Plus ?
(Wählen Sie nein bei Pella1)</translation>
    </message>
    <message>
        <source>Software Version 1.5-46 or higher ?</source>
        <extracomment>string 186</extracomment>
        <translation>Software Version 1.5-46 oder höher ?</translation>
    </message>
    <message>
        <source>Channel Lists (*.dat);;All Files (*)</source>
        <extracomment>string 123 and 135: file dialog filter</extracomment>
        <translation>Senderlisten (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Software Update Files (*.pad);;All Files (*)</source>
        <extracomment>string 144: file dialog filter</extracomment>
        <translation>Software Update Dateien(*.pad);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>DVB2000 Channel Lists (*.dvb);;All Files (*)</source>
        <extracomment>string 183: file dialog filter</extracomment>
        <translation>DVB 2000 Senderlisten (*.dvb);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Channel dialog title</extracomment>
        <translation>Editieren</translation>
    </message>
    <message>
        <source>In Userlist:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>In Benutzerliste:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>button</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Configure List</source>
        <extracomment>Configure List dialog title</extracomment>
        <translation>Liste konfigurieren</translation>
    </message>
    <message>
        <source>Show in list:</source>
        <extracomment>Configure List dialog</extracomment>
        <translation>In Liste anzeigen:</translation>
    </message>
    <message>
        <source>Sat number</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Sat Nummer</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Compare Channels</source>
        <extracomment>Compare Channels dialog title</extracomment>
        <translation>Sender Vergleich</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Compare Channels dialog</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Compare Channels dialog</extracomment>
        <translation>&amp;Nächsten</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <extracomment>Compare Channels dialog</extracomment>
        <translation>&amp;Vorherigen</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>Compare Channels dialog</extracomment>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Polarisation:</source>
        <extracomment>Compare Channels dialog</extracomment>
        <translation>Ebene:</translation>
    </message>
    <message>
        <source>Main-List</source>
        <extracomment>Compare Channels dialog</extracomment>
        <translation>Hauptliste</translation>
    </message>
    <message>
        <source>Update-List</source>
        <extracomment>Compare Channels dialog</extracomment>
        <translation>Updateliste</translation>
    </message>
    <message>
        <source>   &lt;----------
Keep Name</source>
        <extracomment>Compare Channels dialog button</extracomment>
        <translation>   &lt;----------
    Name
beibehalten</translation>
    </message>
    <message>
        <source>Sort</source>
        <extracomment>Renumber question title</extracomment>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>Renumber question button</extracomment>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>Renumber question button</extracomment>
        <translation>JA</translation>
    </message>
    <message>
        <source>The cahnnels are not sorted by numbers.

If you want to keep the order of channels, the numers will be new assigned now. Click the button YES if you want to do this.

If you click the button NO the channels will be sorted by numbers now.</source>
        <extracomment>Renumber question</extracomment>
        <translation>Die Liste ist nicht nach Nummern sortiert.

Wenn Sie die Reihenfolge der Sender beibehalten wollen, werden die Nummern jetzt neu vergeben. Wählen sie hierfür JA.

Wenn Sie NEIN wählen, werden die Sender jetzt neu nach ihren Nummern sortiert.</translation>
    </message>
    <message>
        <source>Do you want to assign new numbers ?</source>
        <extracomment>Renumber question</extracomment>
        <translation>Sollen die Nummern neu vergeben werden ?</translation>
    </message>
    <message>
        <source>Find Channel name</source>
        <extracomment>Find dialog title</extracomment>
        <translation>Sendername suchen</translation>
    </message>
    <message>
        <source>Find what:</source>
        <extracomment>Find dialog</extracomment>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <extracomment>Find dialog</extracomment>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <extracomment>Find dialog</extracomment>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <extracomment>Duplicates list title</extracomment>
        <translation>Doppelte Sender</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <extracomment>Duplicates list</extracomment>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>duplicates</comment>
        <extracomment>Duplicates list button</extracomment>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Change selected channels</source>
        <extracomment>Change selected channels value dialog title</extracomment>
        <translation>Auswahl ändern</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Options page title</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Software Version 1.5-46 or higher</source>
        <extracomment>Options page General</extracomment>
        <translation>Software Version 1.5-46 oder höher</translation>
    </message>
    <message>
        <source>&amp;Ask before transfers to Box</source>
        <extracomment>Options page General</extracomment>
        <translation>&amp;Abfrage vor Transfer zur Box</translation>
    </message>
    <message>
        <source>Here you can set options for the sort function:</source>
        <extracomment>Options page General</extracomment>
        <translation>Stellen Sie hier Optionen für die Sortierfunktion ein:</translation>
    </message>
    <message>
        <source>&amp;Main-list can be sorted</source>
        <extracomment>Options page General</extracomment>
        <translation>Sortieren der &amp;Hauptliste möglich</translation>
    </message>
    <message>
        <source>Don&apos;t &amp;sort channel numbers</source>
        <extracomment>Options page General</extracomment>
        <translation>&amp;Sendernummern nicht sortieren</translation>
    </message>
    <message>
        <source>Update</source>
        <extracomment>Options page title</extracomment>
        <translation>Update</translation>
    </message>
    <message>
        <source>Here you can set options for the update function:</source>
        <extracomment>Options page Update</extracomment>
        <translation>Stellen Sie hier Optionen für die Updatefunktion ein:</translation>
    </message>
    <message>
        <source>Ignore differences in channel &amp;name</source>
        <extracomment>Options page Update</extracomment>
        <translation>Ignoriere Unterschiede in &amp;Sendername</translation>
    </message>
    <message>
        <source>&amp;Mark &quot;deleted&quot; channels in Main-list</source>
        <extracomment>Options page Update</extracomment>
        <translation>&amp;Markiere &quot;gelöschte&quot; Sender in Hauptliste</translation>
    </message>
    <message>
        <source>PID Values</source>
        <extracomment>Options page title</extracomment>
        <translation>PID Werte</translation>
    </message>
    <message>
        <source>&amp;decimal</source>
        <extracomment>Options page PID Values</extracomment>
        <translation>&amp;dezimal</translation>
    </message>
    <message>
        <source>&amp;hexadecimal</source>
        <extracomment>Options page PID Values</extracomment>
        <translation>&amp;hexadezimal</translation>
    </message>
    <message>
        <source>Select here how values for PCR-PID, Video-PID and  Audio-PID should be displayed or entered:</source>
        <extracomment>Options page PID Values</extracomment>
        <translation>Wählen Sie hier, wie die Werte für PCR-PID, Video-PID und  Audio-PID dargstellt und eingegeben werden sollen:</translation>
    </message>
    <message>
        <source>Autoload</source>
        <extracomment>Options page title</extracomment>
        <translation>Autoload</translation>
    </message>
    <message>
        <source>If you enter a channel settings file name here, each time Kanalo starts the selected file will be loaded automatically.</source>
        <extracomment>Options page Autoload</extracomment>
        <translation>Wenn Sie hier einen Senderlisten-Dateinamen eintragen, wird diese Senderliste nach jedem Start des Programmes automatisch in den Editor geladen.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <extracomment>Options page Autoload</extracomment>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <extracomment>Import mode choice</extracomment>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <extracomment>Import mode choice</extracomment>
        <translation>Aus&amp;wahl</translation>
    </message>
    <message>
        <source>About Kanalo</source>
        <extracomment>About dialog title</extracomment>
        <translation>Info über Kanalo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>About dialog</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Kanalo Help</source>
        <extracomment>Help window title</extracomment>
        <translation>Kanalo Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>button</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <extracomment>Configure List dialog button; the same word in German</extracomment>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sat Name</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Sat Name</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>FEC</source>
        <extracomment>Configure List check box</extracomment>
        <translation>FEC</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <extracomment>Configure List check box</extracomment>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Audio PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <extracomment>Configure List check box</extracomment>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>status bar idle text</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>duplicates</comment>
        <extracomment>Duplicates list and transponder list button</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Symbolrate:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Symbolrate:</translation>
    </message>
    <message>
        <source>FEC:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>FEC:</translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>PCR PID:</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Video PID:</translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Audio PID:</translation>
    </message>
    <message>
        <source>Service ID:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Service ID:</translation>
    </message>
    <message>
        <source>EPG:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>EPG:</translation>
    </message>
    <message>
        <source>Bouquet:</source>
        <extracomment>Channel dialog</extracomment>
        <translation>Bouquet:</translation>
    </message>
    <message>
        <source>Transponder</source>
        <extracomment>Transponder list title</extracomment>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>horizontal</source>
        <extracomment>polarisation value</extracomment>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>vertical</source>
        <extracomment>polarisation value</extracomment>
        <translation>vertikal</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <extracomment>dialog check: not a number</extracomment>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <extracomment>dialog check: number out of range</extracomment>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>dialog check: text too long</extracomment>
        <translation>Bitte geben Sie nicht mehr als %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored on the Box.</source>
        <extracomment>Channel dialog: a name character outside the receiver&apos;s character set</extracomment>
        <translation>Das Zeichen &quot;%1&quot; kann nicht auf der Box gespeichert werden.</translation>
    </message>
    <message>
        <source>Find frequency</source>
        <extracomment>Find dialog title in frequency mode</extracomment>
        <translation>Frequenz suchen</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Find dialog: the satellite choice for any satellite</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <extracomment>Options page title</extracomment>
        <translation>Serielle Schnittstellen</translation>
    </message>
    <message>
        <source>Choose the serial device of each port, or type its path. An empty field uses the port&apos;s default device.</source>
        <extracomment>Options page Serial ports</extracomment>
        <translation>Wählen Sie das serielle Gerät jeder Schnittstelle oder geben Sie seinen Pfad ein. Ein leeres Feld nimmt das Standardgerät der Schnittstelle.</translation>
    </message>
    <message>
        <source>Import &amp;VDR Channel List...</source>
        <extracomment>File menu</extracomment>
        <translation>&amp;VDR Senderliste importieren...</translation>
    </message>
    <message>
        <source>Import a VDR channels.conf channel list</source>
        <extracomment>prompt</extracomment>
        <translation>VDR Senderliste (channels.conf) importieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <extracomment>File menu</extracomment>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;VDR Channel List...</source>
        <extracomment>File menu, Export</extracomment>
        <translation>&amp;VDR Senderliste...</translation>
    </message>
    <message>
        <source>Export the channel list as a VDR channels.conf</source>
        <extracomment>prompt</extracomment>
        <translation>Senderliste als VDR channels.conf exportieren</translation>
    </message>
    <message>
        <source>&amp;CSV File...</source>
        <extracomment>File menu, Export</extracomment>
        <translation>&amp;CSV-Datei...</translation>
    </message>
    <message>
        <source>Export the channel list as a CSV file for spreadsheet programs</source>
        <extracomment>prompt</extracomment>
        <translation>Senderliste als CSV-Datei für Tabellenkalkulationen exportieren</translation>
    </message>
    <message>
        <source>VDR Channel Lists (*.conf);;All Files (*)</source>
        <extracomment>file dialog filter</extracomment>
        <translation>VDR Senderlisten (*.conf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Channel Lists (*.dat);;VDR Channel Lists (*.conf);;All Files (*)</source>
        <extracomment>Open Update file dialog filter</extracomment>
        <translation>Senderlisten (*.dat);;VDR Senderlisten (*.conf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <extracomment>file dialog filter</extracomment>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 TV and %2 Radio channels imported.</source>
        <extracomment>VDR import summary</extracomment>
        <translation>%1 TV- und %2 Radiosender importiert.</translation>
    </message>
    <message>
        <source>%1 TV and %2 Radio channels imported; %3 skipped (DVB-S2: %4, not satellite: %5, unreadable: %6, lists full: %7).</source>
        <extracomment>VDR import summary</extracomment>
        <translation>%1 TV- und %2 Radiosender importiert; %3 übersprungen (DVB-S2: %4, nicht Satellit: %5, unlesbar: %6, Listen voll: %7).</translation>
    </message>
    <message>
        <source>%1 channels on a satellite without a position (User 1 to User 15) were left out.</source>
        <extracomment>VDR export</extracomment>
        <translation>%1 Sender auf einem Satelliten ohne Position (User 1 bis User 15) wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Und&amp;o	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>R&amp;edo	Ctrl+Y</source>
        <translation>W&amp;iederholen	Strg+Y</translation>
    </message>
    <message>
        <source>Und&amp;o %1	Ctrl+Z</source>
        <translation>&amp;Rückgängig: %1	Strg+Z</translation>
    </message>
    <message>
        <source>R&amp;edo %1	Ctrl+Y</source>
        <translation>W&amp;iederholen: %1	Strg+Y</translation>
    </message>
    <message>
        <source>Undo the last change of the list
Undo</source>
        <translation>Macht die letzte Änderung der Liste rückgängig
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Stellt die zuletzt rückgängig gemachte Änderung wieder her
Wiederholen</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>TV-List</source>
        <translation>TV-Liste</translation>
    </message>
    <message>
        <source>Radio-List</source>
        <translation>Radio-Liste</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Neuer Sender</translation>
    </message>
    <message>
        <source>User List</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <source>EPG</source>
        <translation>EPG</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Sender löschen</translation>
    </message>
    <message>
        <source>Change User List</source>
        <translation>Benutzerliste ändern</translation>
    </message>
    <message>
        <source>Change EPG</source>
        <translation>EPG ändern</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Frequenz ändern</translation>
    </message>
    <message>
        <source>Change Polarisation</source>
        <translation>Polarisation ändern</translation>
    </message>
    <message>
        <source>Change Symbol Rate</source>
        <translation>Symbolrate ändern</translation>
    </message>
    <message>
        <source>Change Satellite</source>
        <translation>Satellit ändern</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste Direct</source>
        <translation>Direkt einfügen</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Copy Channel</source>
        <translation>Sender kopieren</translation>
    </message>
    <message>
        <source>Copy Channel Keeping Name</source>
        <translation>Sender kopieren, Name behalten</translation>
    </message>
    <message>
        <source>Sort</source>
        <comment>undo step</comment>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>The file has been changed by another program since it was opened. Overwrite it?</source>
        <translation>Die Datei wurde seit dem Öffnen von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>%1 of %2 channels were not confirmed by the Box.</source>
        <translation>%1 von %2 Sendern hat die Box nicht bestätigt.</translation>
    </message>
    <message>
        <source>Check the receiver type and software version in Settings › Options: the Box may have stored them more than once.</source>
        <translation>Prüfen Sie Receiver-Typ und Software-Version unter Einstellungen › Optionen: Die Box hat sie womöglich mehrfach gespeichert.</translation>
    </message>
    <message>
        <source>%1 (set by %2)</source>
        <translation>%1 (festgelegt durch %2)</translation>
    </message>
    <message>
        <source>Click the row to move the channel to; right-click or Escape cancels.</source>
        <translation>Klicken Sie auf die Zeile, an die der Sender verschoben werden soll; Rechtsklick oder Esc bricht ab.</translation>
    </message>
    <message>
        <source>Click the row to swap the channel with; right-click or Escape cancels.</source>
        <translation>Klicken Sie auf die Zeile, mit der der Sender getauscht werden soll; Rechtsklick oder Esc bricht ab.</translation>
    </message>
    <message>
        <source>C&amp;hannel</source>
        <extracomment>Edit menu: the row context menu</extracomment>
        <translation>Se&amp;nder</translation>
    </message>
    <message>
        <source>Apply Order from Reference &amp;List...</source>
        <extracomment>Edit menu</extracomment>
        <translation>Reihenfol&amp;ge aus Referenzliste übernehmen...</translation>
    </message>
    <message>
        <source>Bring the Main-List into the order of another channel list, a VDR channels.conf or a list of names</source>
        <extracomment>Edit menu</extracomment>
        <translation>Die Hauptliste in die Reihenfolge einer anderen Senderliste, einer VDR channels.conf oder einer Namensliste bringen</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <extracomment>Apply Order</extracomment>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Lists</source>
        <extracomment>Apply Order</extracomment>
        <translation>Listen</translation>
    </message>
    <message>
        <source>&amp;TV and Radio</source>
        <extracomment>Apply Order</extracomment>
        <translation>&amp;TV und Radio</translation>
    </message>
    <message>
        <source>Re&amp;move channels that are not in the reference</source>
        <extracomment>Apply Order</extracomment>
        <translation>Sender, die nicht in der Referenz stehen, &amp;entfernen</translation>
    </message>
    <message>
        <source>%1: no channels in the reference, list unchanged.</source>
        <extracomment>Apply Order</extracomment>
        <translation>%1: keine Sender in der Referenz, Liste unverändert.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 channels ordered by the reference, %4 not found removed.</source>
        <extracomment>Apply Order</extracomment>
        <translation>%1: %2 von %3 Sendern nach der Referenz geordnet, %4 nicht gefundene entfernt.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 channels ordered by the reference, %4 not found placed after them.</source>
        <extracomment>Apply Order</extracomment>
        <translation>%1: %2 von %3 Sendern nach der Referenz geordnet, %4 nicht gefundene dahinter eingereiht.</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.conf *.txt);;Channel Lists (*.dat);;VDR Channel Lists (*.conf);;Text Files (*.txt);;All Files (*)</source>
        <extracomment>Apply Order</extracomment>
        <translation>Referenzlisten (*.dat *.conf *.txt);;Senderlisten (*.dat);;VDR Senderlisten (*.conf);;Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Keep backups of lists loaded from and sent to the Box:</source>
        <extracomment>Options page General</extracomment>
        <translation>Si&amp;cherungen der von der Box geladenen und zur Box gesendeten Listen behalten:</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <extracomment>File menu</extracomment>
        <translation>&amp;Aus Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Open a list kept when it was loaded from or sent to the Box</source>
        <extracomment>File menu</extracomment>
        <translation>Eine beim Laden von der Box oder beim Senden zur Box gesicherte Liste öffnen</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <extracomment>Backups</extracomment>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Backups</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Direction</source>
        <extracomment>Backups</extracomment>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Compared with the Main-List</source>
        <extracomment>Backups</extracomment>
        <translation>Verglichen mit der Hauptliste</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>Backups</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Backups</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>from Box</source>
        <extracomment>Backups</extracomment>
        <translation>von Box</translation>
    </message>
    <message>
        <source>to Box</source>
        <extracomment>Backups</extracomment>
        <translation>zur Box</translation>
    </message>
    <message>
        <source>%1 only in the backup, %2 only in the list, %3 at another slot</source>
        <extracomment>Backups</extracomment>
        <translation>%1 nur in der Sicherung, %2 nur in der Liste, %3 an anderem Platz</translation>
    </message>
    <message>
        <source>Backup %1 %2</source>
        <extracomment>Backups</extracomment>
        <translation>Sicherung %1 %2</translation>
    </message>
    <message>
        <source>Backup not written: %1</source>
        <extracomment>Backups</extracomment>
        <translation>Sicherung nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Loaded from the Box: %1 TV and %2 Radio channels.</source>
        <extracomment>Backups</extracomment>
        <translation>Von der Box geladen: %1 TV- und %2 Radiosender.</translation>
    </message>
    <message>
        <source>Not a channel list file.</source>
        <extracomment>Backups</extracomment>
        <translation>Keine Senderliste.</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>Help window</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>Help window</extracomment>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>Keine doppelten Sender gefunden.</translation>
    </message>
    <message>
        <source>The Main-List can be sorted when &quot;Main-list can be sorted&quot; is on in Settings › Options › General.</source>
        <translation>Die Hauptliste lässt sich sortieren, wenn „Sortieren der Hauptliste möglich“ unter Einstellungen › Optionen › Allgemein eingeschaltet ist.</translation>
    </message>
    <message>
        <source>receiver connected, baudrate:</source>
        <extracomment>Upload report of the tools</extracomment>
        <translation>Receiver verbunden, Baudrate:</translation>
    </message>
    <message>
        <source>Total:</source>
        <extracomment>Upload report of the tools</extracomment>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Added:</source>
        <extracomment>Upload report of the tools</extracomment>
        <translation>Hinzugefügt:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <extracomment>Upload report of the tools</extracomment>
        <translation>Fehlgeschlagen:</translation>
    </message>
    <message>
        <source>Unknown:</source>
        <extracomment>Upload report of the tools</extracomment>
        <translation>Unbekannt:</translation>
    </message>
    <message>
        <source>No backups yet in %1.
Kanalo keeps every list loaded from or sent to the Box there.</source>
        <extracomment>Backups</extracomment>
        <translation>Noch keine Sicherungen in %1.
Kanalo legt dort jede von der Box geladene und zur Box gesendete Liste ab.</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <extracomment>Backup failure</extracomment>
        <translation>Fehler beim Anlegen des Ordners</translation>
    </message>
    <message>
        <source>Cannot read the folder</source>
        <extracomment>Backup failure</extracomment>
        <translation>Fehler beim Lesen des Ordners</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <extracomment>Backup failure</extracomment>
        <translation>Fehler beim Schreiben von</translation>
    </message>
    <message>
        <source>No free backup name in</source>
        <extracomment>Backup failure</extracomment>
        <translation>Kein freier Sicherungsname in</translation>
    </message>
    <message>
        <source>No folder for backups: no home folder is known</source>
        <extracomment>Backup failure</extracomment>
        <translation>Kein Ordner für Sicherungen: kein Benutzerordner bekannt</translation>
    </message>
</context>
</TS>
