<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>cli</name>
    <message>
        <source>Varování: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Nahrání by změnilo síťová nastavení jednotky (%1); bez --force nebylo nic odesláno.</source>
        <translation>The upload would change the unit&apos;s network settings (%1); without --force nothing was sent.</translation>
    </message>
    <message>
        <source>(chybí)</source>
        <translation>(missing)</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2</source>
        <translation>File %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>je příliš velký</source>
        <translation>it is too large</translation>
    </message>
    <message>
        <source>Soubor %1: %2</source>
        <translation>File %1: %2</translation>
    </message>
    <message>
        <source>Hodiny jednotky nastaveny na %1 (čteno zpět, odchylka %2 s).</source>
        <translation>Unit clock set to %1 (read back, off by %2 s).</translation>
    </message>
    <message>
        <source>unknown column %1 (one of Jméno, Popis, IP, Port, Typ, Druh)</source>
        <translation>unknown column %1 (one of Jméno, Popis, IP, Port, Typ, Druh)</translation>
    </message>
    <message>
        <source>%1: Soubor neexistuje.</source>
        <translation>%1: The file does not exist.</translation>
    </message>
    <message>
        <source>Historie: beze změny</source>
        <translation>History: no change</translation>
    </message>
    <message>
        <source>Historie: změněno %1 (%2)</source>
        <translation>History: %1 changed (%2)</translation>
    </message>
    <message>
        <source>%1: složku nelze vytvořit.</source>
        <translation>%1: the folder cannot be created.</translation>
    </message>
    <message>
        <source>%1: seznam neobsahuje žádnou stanici; nic nebylo odesláno.</source>
        <translation>%1: the list holds no station; nothing was sent.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>editors</name>
    <message>
        <source>čeká se text.</source>
        <translation>a text is expected.</translation>
    </message>
    <message>
        <source>čekají se hodiny 0 až 23 jako „6-21, 23“ nebo „žádné“, ne „%1“.</source>
        <translation>hours 0 to 23 are expected, as “6-21, 23” or “žádné”, not “%1”.</translation>
    </message>
    <message>
        <source>čekají se dny jako „Po, Út“ nebo „žádné“, ne „%1“.</source>
        <translation>days are expected, as “Po, Út” or “žádné”, not “%1”.</translation>
    </message>
    <message>
        <source>den %1 je i v profilu %2.</source>
        <translation>day %1 is also in profile %2.</translation>
    </message>
</context>
<context>
    <name>energy</name>
    <message>
        <source>Počet pulzů %1 kWh × %2 se nevejde do 32 bitů jednotky; nic nebylo odesláno.</source>
        <translation>The pulse count %1 kWh × %2 does not fit in the unit&apos;s 32 bits; nothing was sent.</translation>
    </message>
    <message>
        <source>Jednotka nastavení čítače X6/SO1 odmítla (stav %1).</source>
        <translation>The unit refused to set the X6/SO1 counter (status %1).</translation>
    </message>
    <message>
        <source>Čítač X6/SO1 nastaven na %1 pulzů.</source>
        <translation>X6/SO1 counter set to %1 pulses.</translation>
    </message>
</context>
<context>
    <name>fields</name>
    <message>
        <source>IP adresa</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Maska</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Primary DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Secondary DNS</translation>
    </message>
    <message>
        <source>NB name</source>
        <translation>NB name</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Uživatel</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP port</translation>
    </message>
    <message>
        <source>TCP port1</source>
        <translation>TCP port1</translation>
    </message>
    <message>
        <source>TCP port2</source>
        <translation>TCP port2</translation>
    </message>
    <message>
        <source>NTP server</source>
        <translation>NTP server</translation>
    </message>
    <message>
        <source>Time reload [ms]</source>
        <translation>Time reload [ms]</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Druh</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Trap1</source>
        <translation>Trap1</translation>
    </message>
    <message>
        <source>Trap2</source>
        <translation>Trap2</translation>
    </message>
    <message>
        <source>Kam přiřadit vnitřní čidlo při poruše</source>
        <translation>Where to assign the internal sensor on a fault</translation>
    </message>
    <message>
        <source>Počet čtení teploty při poruše komunikace</source>
        <translation>Temperature reads on a communication fault</translation>
    </message>
    <message>
        <source>Prodleva mezi čtením tepl. při poruše [ms]</source>
        <translation>Delay between temp. reads on a fault [ms]</translation>
    </message>
    <message>
        <source>Počet poruch do globální poruchy čidla</source>
        <translation>Faults before a global sensor fault</translation>
    </message>
    <message>
        <source>Prodleva mezi čtením teplot [s]</source>
        <translation>Delay between temperature reads [s]</translation>
    </message>
    <message>
        <source>Délka bypassu [s]</source>
        <translation>Bypass length [s]</translation>
    </message>
    <message>
        <source>Timeout testu [s]</source>
        <translation>Test timeout [s]</translation>
    </message>
    <message>
        <source>Perioda uklání dat [s]</source>
        <translation>Data saving period [s]</translation>
    </message>
    <message>
        <source>Skok teploty pro opakování čtení [°C]</source>
        <translation>Temperature jump to read again [°C]</translation>
    </message>
    <message>
        <source>Použit</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>Negace</source>
        <translation>Inverted</translation>
    </message>
    <message>
        <source>Virt. relé</source>
        <translation>Virt. relay</translation>
    </message>
    <message>
        <source>Délka pulzu SO [ms]</source>
        <translation>SO pulse length [ms]</translation>
    </message>
    <message>
        <source>Pulzů na kWh  (0 -neměřit)</source>
        <translation>Pulses per kWh  (0 - do not meter)</translation>
    </message>
    <message>
        <source>Výstup</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Hystereze setpointu</source>
        <translation>Setpoint hysteresis</translation>
    </message>
    <message>
        <source>Integrační konstanta</source>
        <translation>Integration constant</translation>
    </message>
    <message>
        <source>MAX PWM</source>
        <translation>MAX PWM</translation>
    </message>
    <message>
        <source>PR2</source>
        <translation>PR2</translation>
    </message>
    <message>
        <source>Prescaler</source>
        <translation>Prescaler</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Therm</translation>
    </message>
    <message>
        <source>Vrelé</source>
        <translation>Vrelay</translation>
    </message>
    <message>
        <source>MIN [ % ]</source>
        <translation>MIN [ % ]</translation>
    </message>
    <message>
        <source>MAX [ % ]</source>
        <translation>MAX [ % ]</translation>
    </message>
    <message>
        <source>Omezení [ vstup ]</source>
        <translation>Limit [ input ]</translation>
    </message>
    <message>
        <source>Omezení [ % ]</source>
        <translation>Limit [ % ]</translation>
    </message>
    <message>
        <source>Teplota1</source>
        <translation>Temp1</translation>
    </message>
    <message>
        <source>Kombinace</source>
        <translation>Combination</translation>
    </message>
    <message>
        <source>Teplota2</source>
        <translation>Temp2</translation>
    </message>
    <message>
        <source>TL</source>
        <translation>TL</translation>
    </message>
    <message>
        <source>TH</source>
        <translation>TH</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <source>Dny</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Hodiny</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Dny bez profilu</source>
        <translation>Days without a profile</translation>
    </message>
    <message>
        <source>Výraz</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Read community</source>
        <translation>Read community</translation>
    </message>
    <message>
        <source>Write community</source>
        <translation>Write community</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>d. M. yyyy HH:mm:ss</source>
        <translation>d MMM yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
</context>
<context>
    <name>gui</name>
    <message>
        <source>IP adresa Norva2</source>
        <translation>Norva2 IP address</translation>
    </message>
    <message>
        <source>Špatná IP adresa</source>
        <translation>Invalid IP address</translation>
    </message>
    <message>
        <source>%1 není obyčejný soubor, nastavení z něj nelze číst. Program poběží bez uložených nastavení a nic do nich nezapíše.</source>
        <translation>%1 is not a regular file; settings cannot be read from it. The program will run without saved settings and will write nothing to them.</translation>
    </message>
    <message>
        <source>Porovnání s jednotkou</source>
        <translation>Comparison with the unit</translation>
    </message>
    <message>
        <source>Pole</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>V jednotce</source>
        <translation>In the unit</translation>
    </message>
    <message>
        <source>V oknech</source>
        <translation>In the windows</translation>
    </message>
    <message>
        <source>&amp;Nahraj vybrané</source>
        <translation>&amp;Upload selected</translation>
    </message>
    <message>
        <source>Nahraje do jednotky zaškrtnuté stránky tak, jak je drží okna, a ověří je čtením zpět</source>
        <translation>Uploads the ticked pages to the unit as the windows hold them and verifies them by reading back</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Okna se liší od jednotky %1. Rozdílná pole: %2, stránky: %3. Zaškrtnuté stránky lze nahrát do jednotky.</source>
        <translation>The windows differ from unit %1. Differing fields: %2, pages: %3. The ticked pages can be uploaded to the unit.</translation>
    </message>
    <message>
        <source>Přihlášení</source>
        <translation>Sign-in</translation>
    </message>
    <message>
        <source>Přihlásit</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Zruš</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>nikdo</source>
        <translation>nobody</translation>
    </message>
    <message>
        <source>uziv</source>
        <translation>user</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Heslo</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Změna hesla</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>Uživatel</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Změnit</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Nové heslo</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Nové heslo znovu</source>
        <translation>New password again</translation>
    </message>
    <message>
        <source>Nahrání změní síťová nastavení jednotky:
%1

Opravdu nahrát?</source>
        <translation>The upload will change the unit&apos;s network settings:
%1

Upload anyway?</translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Otevři</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Ulož</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ulož &amp;jako</source>
        <translation>Save &amp;as</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Tisk &amp;záznamu o nastavení…</source>
        <translation>Print settings &amp;record…</translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Načti vše</source>
        <translation>&amp;Load all</translation>
    </message>
    <message>
        <source>&amp;Porovnej s jednotkou</source>
        <translation>&amp;Compare with the unit</translation>
    </message>
    <message>
        <source>Ulož &amp;vše</source>
        <translation>Save &amp;all</translation>
    </message>
    <message>
        <source>Ulož vše &amp;mimo Ethernet</source>
        <translation>Save all &amp;except Ethernet</translation>
    </message>
    <message>
        <source>Změna &amp;hesla</source>
        <translation>Change pass&amp;word</translation>
    </message>
    <message>
        <source>&amp;Ověřit zápis</source>
        <translation>&amp;Verify uploads</translation>
    </message>
    <message>
        <source>&amp;Jazyk</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <source>&amp;Zobraz</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Servisní pa&amp;nel</source>
        <translation>Service pa&amp;nel</translation>
    </message>
    <message>
        <source>V&amp;íce</source>
        <translation>Mo&amp;re</translation>
    </message>
    <message>
        <source>&amp;Přehled stanic</source>
        <translation>Station overvie&amp;w</translation>
    </message>
    <message>
        <source>Přihlášení - </source>
        <translation>Sign-in - </translation>
    </message>
    <message>
        <source>Změna hesla - </source>
        <translation>Change password - </translation>
    </message>
    <message>
        <source>Chyba při přihlášení</source>
        <translation>Login failed</translation>
    </message>
    <message>
        <source>Probíhá přenos s jednotkou.
Přerušit ho a ukončit program?</source>
        <translation>A transfer with the unit is in progress.
Stop it and quit the program?</translation>
    </message>
    <message>
        <source>Probíhá komunikace s jednotkou…</source>
        <translation>Talking to the unit…</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Požadavek %1 z %2</source>
        <translation>Request %1 of %2</translation>
    </message>
    <message>
        <source>Jednotka nedrží vše, co jí bylo zapsáno.</source>
        <translation>The unit does not hold everything that was written to it.</translation>
    </message>
    <message>
        <source>Jednotka odmítla část nahrávané konfigurace.</source>
        <translation>The unit refused part of the uploaded configuration.</translation>
    </message>
    <message>
        <source>Odmítnuté adresy: %1.</source>
        <translation>Refused addresses: %1.</translation>
    </message>
    <message>
        <source>Okna drží stejnou konfiguraci jako jednotka %1.</source>
        <translation>The windows hold the same configuration as unit %1.</translation>
    </message>
    <message>
        <source>Soubor %1 měl jen %2 bajtů z %3. Načetla se jen tato část, zbytek konfigurace zůstal, jak byl.</source>
        <translation>File %1 had only %2 bytes of %3. Only that part was loaded; the rest of the configuration stayed as it was.</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quel5&lt;/b&gt; – konfigurace a servis jednotek Quel5&lt;br&gt;Verze %1 (%2)&lt;br&gt;Qt %3</source>
        <translation>&lt;b&gt;Quel5&lt;/b&gt; – configuration and service of Quel5 units&lt;br&gt;Version %1 (%2)&lt;br&gt;Qt %3</translation>
    </message>
    <message>
        <source>Změny v oknech (%1) nejsou uložené v souboru ani nahrané do jednotky.
Uložit je do souboru?</source>
        <translation>The changes in the windows (%1) are neither saved to a file nor uploaded to the unit.
Save them to a file?</translation>
    </message>
    <message>
        <source>Soubor %1 už existuje.
Chceš ho nahradit?</source>
        <translation>File %1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Energie ( musí sedět počet pulzů) [kWh]</source>
        <translation>Energy ( the pulse count must match) [kWh]</translation>
    </message>
    <message>
        <source>Nastav</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Týden: hodiny, kdy je režim zapnutý (modře profil 0, oranžově profil 1, šrafovaně den bez profilu)</source>
        <translation>Week: the hours when the mode is on (blue profile 0, orange profile 1, hatched a day without a profile)</translation>
    </message>
    <message>
        <source>Nastavení režimů</source>
        <translation>Mode settings</translation>
    </message>
    <message>
        <source>Datum a čas</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Načti</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Pošli</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Ulož</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nastavení Quel5 (*.ql5)</source>
        <translation>Quel5 settings (*.ql5)</translation>
    </message>
    <message>
        <source>Vše (*)</source>
        <translation>All (*)</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Save to file</translation>
    </message>
    <message>
        <source>&amp;Neukládat</source>
        <translation>&amp;Don&apos;t save</translation>
    </message>
    <message>
        <source>Účet</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Náhled tisku</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>%1 až %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Hledej</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Otevři</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Poznámky</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Zálohuj vybrané…</source>
        <translation>Back up selected…</translation>
    </message>
    <message>
        <source>Přečte konfiguraci vybraných stanic, každou do vlastního souboru ve zvolené složce</source>
        <translation>Reads the configuration of the selected stations, each into its own file in the chosen folder</translation>
    </message>
    <message>
        <source>Nahraj do vybraných…</source>
        <translation>Upload to selected…</translation>
    </message>
    <message>
        <source>Nahraje zvolené stránky konfigurace z oken do vybraných stanic a ověří je čtením zpět</source>
        <translation>Uploads the chosen configuration pages from the windows to the selected stations and verifies them by reading back</translation>
    </message>
    <message>
        <source>Uchovat historii</source>
        <translation>Keep history</translation>
    </message>
    <message>
        <source>Zálohy se ukládají do repozitáře git ve zvolené složce: každá změna jako jeden záznam historie</source>
        <translation>Backups are kept in a git repository in the chosen folder: each change as one history entry</translation>
    </message>
    <message>
        <source>Stav vybraných</source>
        <translation>State of selected</translation>
    </message>
    <message>
        <source>Přečte stav a hodiny vybraných stanic (F5)</source>
        <translation>Reads the state and the clock of the selected stations (F5)</translation>
    </message>
    <message>
        <source>Automaticky</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Nastav hodiny vybraným…</source>
        <translation>Set clocks of selected…</translation>
    </message>
    <message>
        <source>Nastaví hodiny vybraných stanic na čas této stanice a přečte je zpět</source>
        <translation>Sets the clocks of the selected stations to this workstation&apos;s time and reads them back</translation>
    </message>
    <message>
        <source>Přerušit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stanice, které ještě nezačaly, zůstanou beze změny</source>
        <translation>Stations that have not started yet stay unchanged</translation>
    </message>
    <message>
        <source>Přehled - </source>
        <translation>Overview - </translation>
    </message>
    <message>
        <source>Třídit vzestupně</source>
        <translation>Sort ascending</translation>
    </message>
    <message>
        <source>Třídit sestupně</source>
        <translation>Sort descending</translation>
    </message>
    <message>
        <source>Filtr</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filtruj</source>
        <translation>Apply filter</translation>
    </message>
    <message>
        <source>Zruš filtr</source>
        <translation>Clear filter</translation>
    </message>
    <message>
        <source>Zruš všechny filtry</source>
        <translation>Clear all filters</translation>
    </message>
    <message>
        <source>Nejprve vyber stanice v přehledu (Ctrl nebo Shift s kliknutím vybere víc).</source>
        <translation>First select stations in the overview (Ctrl or Shift with a click selects more).</translation>
    </message>
    <message>
        <source>Účet administrátora, kterým se přihlásit ke všem vybraným stanicím:</source>
        <translation>The administrator account to log in to all the selected stations with:</translation>
    </message>
    <message>
        <source>Historie záloh: beze změny</source>
        <translation>Backup history: no change</translation>
    </message>
    <message>
        <source>Historie záloh: změněno %1 stanic</source>
        <translation>Backup history: %1 stations changed</translation>
    </message>
    <message>
        <source>Automaticky: každých %1 s, stanic %2</source>
        <translation>Automatic: every %1 s, %2 stations</translation>
    </message>
    <message>
        <source>Stav vybraných stanic každých %1 s</source>
        <translation>State of the selected stations every %1 s</translation>
    </message>
    <message>
        <source>Nastavit hodiny %1 vybraných stanic na čas tohoto počítače (%2)?</source>
        <translation>Set the clocks of %1 selected stations to this computer&apos;s time (%2)?</translation>
    </message>
    <message>
        <source>Nahraj do vybraných</source>
        <translation>Upload to selected</translation>
    </message>
    <message>
        <source>Které stránky konfigurace z oken nahrát do %1 vybraných stanic? (Ethernet se takto nenahrává.)</source>
        <translation>Which configuration pages from the windows to upload to %1 selected stations? (Ethernet is not uploaded this way.)</translation>
    </message>
    <message>
        <source>… a dalších %1</source>
        <translation>… plus %1 more</translation>
    </message>
    <message>
        <source>Nahrát stránky %1 do těchto stanic (%2)?

%3</source>
        <translation>Upload pages %1 to these stations (%2)?

%3</translation>
    </message>
    <message>
        <source>čeká</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>probíhá</source>
        <translation>running</translation>
    </message>
    <message>
        <source> (hodnoty z %1)</source>
        <translation> (values from %1)</translation>
    </message>
    <message>
        <source>zrušeno</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>zacatek indexu</source>
        <translation>start of index</translation>
    </message>
    <message>
        <source>Adr. mem</source>
        <translation>Mem. addr</translation>
    </message>
    <message>
        <source>Pocet</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>&amp;Stav</source>
        <translation>&amp;State</translation>
    </message>
    <message>
        <source>&amp;Akce</source>
        <translation>&amp;Actions</translation>
    </message>
    <message>
        <source>Auto&amp;maticky</source>
        <translation>Auto&amp;matic</translation>
    </message>
    <message>
        <source>Stav každé 2 sekundy</source>
        <translation>State every 2 seconds</translation>
    </message>
    <message>
        <source>Nazev</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Hodnoty</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Graf</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Auto&amp;maticky: zapnuto</source>
        <translation>Auto&amp;matic: on</translation>
    </message>
    <message>
        <source>CHYBA: </source>
        <translation>ERROR: </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Logout</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>Soubor neexistuje.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Je to složka, ne soubor s konfigurací.</source>
        <translation>It is a folder, not a configuration file.</translation>
    </message>
    <message>
        <source>Není to obyčejný soubor (roura, zařízení nebo soket), nelze ho použít.</source>
        <translation>It is not a regular file (a pipe, a device or a socket); it cannot be used.</translation>
    </message>
    <message>
        <source>čeká se %1, ne %2.</source>
        <translation>%1 is expected, not %2.</translation>
    </message>
    <message>
        <source>%1 je mimo rozsah %2 až %3.</source>
        <translation>%1 is outside the range %2 to %3.</translation>
    </message>
    <message>
        <source>IP adresa v uvozovkách</source>
        <translation>an IP address in quotes</translation>
    </message>
    <message>
        <source>%1 není IP adresa.</source>
        <translation>%1 is not an IP address.</translation>
    </message>
    <message>
        <source>text je delší než %1 znaků.</source>
        <translation>the text is longer than %1 characters.</translation>
    </message>
    <message>
        <source>číslo</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>celé číslo</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>true nebo false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>jedna z položek %1 nebo null</source>
        <translation>one of the items %1 or null</translation>
    </message>
    <message>
        <source>pole se jen zobrazuje, nelze ho změnit.</source>
        <translation>the field is only shown; it cannot be changed.</translation>
    </message>
    <message>
        <source>Neznámé pole „%1“.</source>
        <translation>Unknown field “%1”.</translation>
    </message>
    <message>
        <source>Pole „%1“: %2</source>
        <translation>Field “%1”: %2</translation>
    </message>
</context>
<context>
    <name>items</name>
    <message>
        <source>Nepoužit</source>
        <translation>Not used</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Po</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Út</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>St</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Čt</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Pá</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Profil 0</source>
        <translation>Profile 0</translation>
    </message>
    <message>
        <source>Profil 1</source>
        <translation>Profile 1</translation>
    </message>
    <message>
        <source>žádné</source>
        <translation>none</translation>
    </message>
    <message>
        <source>0: nepoužit</source>
        <translation>0: not used</translation>
    </message>
    <message>
        <source>1: sepne nad TH, vypne pod TL</source>
        <translation>1: on above TH, off below TL</translation>
    </message>
    <message>
        <source>2: sepne pod TL, vypne nad TH</source>
        <translation>2: on below TL, off above TH</translation>
    </message>
    <message>
        <source>3: sepnut mezi TL a TH</source>
        <translation>3: on between TL and TH</translation>
    </message>
    <message>
        <source>4: žádaná SP, diference dT, pásmo PB</source>
        <translation>4: setpoint SP, difference dT, band PB</translation>
    </message>
    <message>
        <source>5: žádaná SP, proporcionální pásmo PB</source>
        <translation>5: setpoint SP, proportional band PB</translation>
    </message>
    <message>
        <source>Tepl.1</source>
        <translation>Temp.1</translation>
    </message>
    <message>
        <source>Tepl.2</source>
        <translation>Temp.2</translation>
    </message>
    <message>
        <source>Tepl.3</source>
        <translation>Temp.3</translation>
    </message>
    <message>
        <source>Tepl.4</source>
        <translation>Temp.4</translation>
    </message>
    <message>
        <source>Tepl.5</source>
        <translation>Temp.5</translation>
    </message>
    <message>
        <source>Mod 0</source>
        <translation>Mode 0</translation>
    </message>
    <message>
        <source>Mod 1</source>
        <translation>Mode 1</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>Přenos byl přerušen.</source>
        <translation>The transfer was stopped.</translation>
    </message>
    <message>
        <source>Zadej IP adresu</source>
        <translation>Enter an IP address</translation>
    </message>
    <message>
        <source>Jednotka ukončila spojení: %1</source>
        <translation>The unit closed the connection: %1</translation>
    </message>
    <message>
        <source>Jednotka neodpověděla do %1 ms, spojení bylo ukončeno.</source>
        <translation>The unit did not answer within %1 ms; the connection was closed.</translation>
    </message>
    <message>
        <source>Chyba čtení ze spojení: %1</source>
        <translation>Error reading from the connection: %1</translation>
    </message>
    <message>
        <source>Jednotka poslala %1 bajtů, o které nikdo nežádal (%2). Spojení bylo ukončeno a operace přerušena.</source>
        <translation>The unit sent %1 bytes nobody asked for (%2). The connection was closed and the operation stopped.</translation>
    </message>
    <message>
        <source>Spojení s jednotkou je obsazeno jinou operací.</source>
        <translation>The connection to the unit is busy with another operation.</translation>
    </message>
    <message>
        <source>Požadavek nemá místo v paketu (%1 bajtů dat).</source>
        <translation>The request does not fit in a packet (%1 bytes of data).</translation>
    </message>
    <message>
        <source>před požadavkem</source>
        <translation>before a request</translation>
    </message>
    <message>
        <source>Chyba zápisu do spojení: %1</source>
        <translation>Error writing to the connection: %1</translation>
    </message>
    <message>
        <source>Jednotka odpověděla na požadavek %1 hlavičkou %2%3. Spojení bylo ukončeno a operace přerušena.</source>
        <translation>The unit answered request %1 with header %2%3. The connection was closed and the operation stopped.</translation>
    </message>
    <message>
        <source>bez znaku # (0x%1) </source>
        <translation>without the # sign (0x%1) </translation>
    </message>
    <message>
        <source>Odpověď jednotky má chybnou délku (%1 bajtů dat, nejvýše %2).</source>
        <translation>The unit&apos;s reply has a wrong length (%1 bytes of data, at most %2).</translation>
    </message>
    <message>
        <source>za odpovědí</source>
        <translation>after a reply</translation>
    </message>
    <message>
        <source>Jednotka poslala odpověď navíc, o kterou nikdo nežádal: odpovědi nelze přiřadit k požadavkům, proto přenos neplatí. Spojení bylo ukončeno.</source>
        <translation>The unit sent an extra reply nobody asked for: the replies cannot be matched to the requests, so the transfer is not valid. The connection was closed.</translation>
    </message>
    <message>
        <source>Jednotka nepotvrdila konec přenosu (status %1), proto přenos neplatí. Spojení bylo ukončeno.</source>
        <translation>The unit did not confirm the end of the transfer (status %1), so the transfer is not valid. The connection was closed.</translation>
    </message>
    <message>
        <source>odhlášení z jednotky se nezdařilo.</source>
        <translation>logging out of the unit failed.</translation>
    </message>
    <message>
        <source>odhlášení z jednotky se nezdařilo: %1</source>
        <translation>logging out of the unit failed: %1</translation>
    </message>
</context>
<context>
    <name>logic</name>
    <message>
        <source>Chyba v zadání</source>
        <translation>Error in the input</translation>
    </message>
    <message>
        <source>MAX 16 timerů</source>
        <translation>MAX 16 timers</translation>
    </message>
    <message>
        <source>Programy virtuálních relé mají %1 bajtů, do paměti jednotky se jich vejde nejvýše %2.</source>
        <translation>The virtual relay programs take %1 bytes; the unit&apos;s memory holds at most %2.</translation>
    </message>
    <message>
        <source>čeká se text.</source>
        <translation>a text is expected.</translation>
    </message>
    <message>
        <source>text je delší než %1 znaků.</source>
        <translation>the text is longer than %1 characters.</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Termostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>Virtuální relé</source>
        <translation>Virtual relay</translation>
    </message>
    <message>
        <source>Pomocná proměnná</source>
        <translation>Auxiliary variable</translation>
    </message>
    <message>
        <source>Funkce</source>
        <translation>Function</translation>
    </message>
</context>
<context>
    <name>monitor</name>
    <message>
        <source>(chybí)</source>
        <translation>(missing)</translation>
    </message>
    <message>
        <source>Jednotka odmítla požadavek na stav (status %1).</source>
        <translation>The unit refused the state request (status %1).</translation>
    </message>
    <message>
        <source>Odpověď jednotky na stav nese jen %1 bajtů, pevná část jich má %2.</source>
        <translation>The unit&apos;s state reply carries only %1 bytes; its fixed part has %2.</translation>
    </message>
    <message>
        <source>Hledání skončilo po %1 s, jednotky mohly odpovídat dál.</source>
        <translation>The search ended after %1 s; units may have gone on answering.</translation>
    </message>
    <message>
        <source>Hledání bylo zrušeno.</source>
        <translation>The search was cancelled.</translation>
    </message>
    <message>
        <source>Hledání skončilo po %1 odpovědích.</source>
        <translation>The search ended after %1 answers.</translation>
    </message>
    <message>
        <source>Seznam má %1 stanic, přečteno jen prvních %2; zbylých %3 nebylo načteno.</source>
        <translation>The list has %1 stations; only the first %2 were read, the remaining %3 were not loaded.</translation>
    </message>
    <message>
        <source>%1: Není to obyčejný soubor.</source>
        <translation>%1: It is not a regular file.</translation>
    </message>
    <message>
        <source>Hodnoty z %1</source>
        <translation>Values from %1</translation>
    </message>
    <message>
        <source>Výsledek</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Změny</source>
        <translation>Changes</translation>
    </message>
</context>
<context>
    <name>operations</name>
    <message>
        <source>Na místě souboru zálohy je symbolický odkaz; přes odkaz se nezapisuje, nic nebylo zapsáno.</source>
        <translation>A symbolic link stands where the backup file goes; nothing is written through a link, nothing was written.</translation>
    </message>
    <message>
        <source>Neznámá chyba</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source> (odhlášení se nezdařilo)</source>
        <translation> (logout failed)</translation>
    </message>
    <message>
        <source>Špatná IP adresa</source>
        <translation>Invalid IP address</translation>
    </message>
    <message>
        <source>Síťová stránka se do více stanic nenahrává</source>
        <translation>The network page is not uploaded to several stations</translation>
    </message>
    <message>
        <source>Jednotka je v seznamu znovu; zapisuje se jen jednou.</source>
        <translation>The unit is in the list again; it is written only once.</translation>
    </message>
    <message>
        <source>CHYBA			Neznámá chyba</source>
        <translation>CHYBA			Unknown error</translation>
    </message>
    <message>
        <source>%1, odchylka %2 s</source>
        <translation>%1, off by %2 s</translation>
    </message>
    <message>
        <source>Historie záloh v %1: %2 se nezdařilo (%3).</source>
        <translation>Backup history in %1: %2 failed (%3).</translation>
    </message>
    <message>
        <source>neznámá chyba</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>nová záloha</source>
        <translation>new backup</translation>
    </message>
    <message>
        <source>… a %1 dalších</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>změna mimo pole konfigurace</source>
        <translation>a change outside the configuration&apos;s fields</translation>
    </message>
    <message>
        <source>%1 není historie záloh (složka není repozitář git).</source>
        <translation>%1 is not a backup history (the folder is not a git repository).</translation>
    </message>
    <message>
        <source>%1: složku nelze vytvořit.</source>
        <translation>%1: the folder cannot be created.</translation>
    </message>
    <message>
        <source>založení repozitáře</source>
        <translation>creating the repository</translation>
    </message>
    <message>
        <source>čtení poslední zálohy</source>
        <translation>reading the last backup</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2</source>
        <translation>File %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>uložení %1</source>
        <translation>storing %1</translation>
    </message>
    <message>
        <source>zápis stromu</source>
        <translation>writing the tree</translation>
    </message>
    <message>
        <source>zápis zálohy do historie</source>
        <translation>writing the backup to the history</translation>
    </message>
    <message>
        <source>čtení historie</source>
        <translation>reading the history</translation>
    </message>
    <message>
        <source>Záloha: změněno %1 (%2)
</source>
        <translation>Backup: %1 changed (%2)
</translation>
    </message>
</context>
<context>
    <name>ops</name>
    <message>
        <source>Chyba při přihlášení</source>
        <translation>Login failed</translation>
    </message>
    <message>
        <source>%1: soubor má jen %2 bajtů, konfigurace jich má %3. Do jednotky nebylo nic odesláno.</source>
        <translation>%1: the file has only %2 bytes; a configuration has %3. Nothing was sent to the unit.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Vstupy</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Výstupy</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Výstup 0-10V</source>
        <translation>0-10V output</translation>
    </message>
    <message>
        <source>Režim</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Quel5</source>
        <translation>Quel5</translation>
    </message>
    <message>
        <source>Termostaty</source>
        <translation>Thermostats</translation>
    </message>
    <message>
        <source>Virtuální relé</source>
        <translation>Virtual relays</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>Záznam o nastavení jednotky</source>
        <translation>Record of the unit&apos;s settings</translation>
    </message>
    <message>
        <source>žádné relé nemá program</source>
        <translation>no relay has a program</translation>
    </message>
    <message>
        <source>Virtuální relé</source>
        <translation>Virtual relays</translation>
    </message>
</context>
<context>
    <name>rows</name>
    <message>
        <source>Profil 0</source>
        <translation>Profile 0</translation>
    </message>
    <message>
        <source>Profil 1</source>
        <translation>Profile 1</translation>
    </message>
    <message>
        <source>Teploměr1</source>
        <translation>Thermometer1</translation>
    </message>
    <message>
        <source>Teploměr2</source>
        <translation>Thermometer2</translation>
    </message>
    <message>
        <source>Teploměr3</source>
        <translation>Thermometer3</translation>
    </message>
    <message>
        <source>Teploměr4</source>
        <translation>Thermometer4</translation>
    </message>
    <message>
        <source>Teploměr5</source>
        <translation>Thermometer5</translation>
    </message>
</context>
<context>
    <name>stations</name>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Stav</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Výstupy</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Teploty</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>Hodiny</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Druh</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Pozn.</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Teplota1</source>
        <translation>Temp1</translation>
    </message>
    <message>
        <source>Teplota2</source>
        <translation>Temp2</translation>
    </message>
    <message>
        <source>Teplota3</source>
        <translation>Temp3</translation>
    </message>
    <message>
        <source>Teplota4</source>
        <translation>Temp4</translation>
    </message>
    <message>
        <source>Teplota5</source>
        <translation>Temp5</translation>
    </message>
    <message>
        <source>Teplota6</source>
        <translation>Temp6</translation>
    </message>
    <message>
        <source>Vnitrni</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Stav</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Tlacitka</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>LED zobr</source>
        <translation>LED shown</translation>
    </message>
    <message>
        <source>LED blik</source>
        <translation>LED blinking</translation>
    </message>
    <message>
        <source>Opt</source>
        <translation>Opt</translation>
    </message>
    <message>
        <source>Test idx</source>
        <translation>Test idx</translation>
    </message>
    <message>
        <source>Vybran</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>PWM</source>
        <translation>PWM</translation>
    </message>
    <message>
        <source>PI sum</source>
        <translation>PI sum</translation>
    </message>
    <message>
        <source>I2C error</source>
        <translation>I2C error</translation>
    </message>
    <message>
        <source>I2C error adr</source>
        <translation>I2C error addr</translation>
    </message>
    <message>
        <source>TM inputs</source>
        <translation>TM inputs</translation>
    </message>
    <message>
        <source>Vrele</source>
        <translation>Vrelays</translation>
    </message>
    <message>
        <source>Vterm</source>
        <translation>Vtherm</translation>
    </message>
    <message>
        <source>Pom_pr</source>
        <translation>Aux_var</translation>
    </message>
    <message>
        <source>Teplotni priznaky</source>
        <translation>Temperature flags</translation>
    </message>
    <message>
        <source>Energie1</source>
        <translation>Energy1</translation>
    </message>
    <message>
        <source>Energie2</source>
        <translation>Energy2</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
</context>
<context>
    <name>transfers</name>
    <message>
        <source>Popisy </source>
        <translation>Descriptions </translation>
    </message>
    <message>
        <source>Save - App Config</source>
        <translation>Save - App Config</translation>
    </message>
    <message>
        <source>Save - Bios Name</source>
        <translation>Save - Bios Name</translation>
    </message>
    <message>
        <source>Save - Popis</source>
        <translation>Save - Description</translation>
    </message>
    <message>
        <source>Save - SNMP COMM</source>
        <translation>Save - SNMP COMM</translation>
    </message>
    <message>
        <source>Save - Eth Config</source>
        <translation>Save - Eth Config</translation>
    </message>
    <message>
        <source>Save - Inp Config</source>
        <translation>Save - Inp Config</translation>
    </message>
    <message>
        <source>Save - Out Config</source>
        <translation>Save - Out Config</translation>
    </message>
    <message>
        <source>Save - Out10 Config</source>
        <translation>Save - Out10 Config</translation>
    </message>
    <message>
        <source>Save - Rezim Config</source>
        <translation>Save - Mode Config</translation>
    </message>
    <message>
        <source>Save - Quel5 Config</source>
        <translation>Save - Quel5 Config</translation>
    </message>
    <message>
        <source>Term </source>
        <translation>Thermostats </translation>
    </message>
    <message>
        <source>Rele </source>
        <translation>Relays </translation>
    </message>
</context>
<context>
    <name>unit</name>
    <message>
        <source>Bypass ON</source>
        <translation>Bypass ON</translation>
    </message>
    <message>
        <source>Bypass OFF</source>
        <translation>Bypass OFF</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reset TCP 9760</source>
        <translation>Reset TCP 9760</translation>
    </message>
    <message>
        <source>5V ON</source>
        <translation>5V ON</translation>
    </message>
    <message>
        <source>5V OFF</source>
        <translation>5V OFF</translation>
    </message>
    <message>
        <source>Nastav výstup</source>
        <translation>Set output</translation>
    </message>
    <message>
        <source>Zruš nastavení výstupu</source>
        <translation>Release output</translation>
    </message>
    <message>
        <source>Recv 1.B</source>
        <translation>Recv 1.B</translation>
    </message>
    <message>
        <source>Recv 2B</source>
        <translation>Recv 2B</translation>
    </message>
    <message>
        <source>Recv p.B</source>
        <translation>Recv p.B</translation>
    </message>
    <message>
        <source>Send 1.B</source>
        <translation>Send 1.B</translation>
    </message>
    <message>
        <source>Send 2B</source>
        <translation>Send 2B</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>PWM</source>
        <translation>PWM</translation>
    </message>
    <message>
        <source>Flash uloz</source>
        <translation>Flash save</translation>
    </message>
    <message>
        <source>Zapsat bajty do paměti flash jednotky?</source>
        <translation>Write the bytes to the unit&apos;s flash memory?</translation>
    </message>
    <message>
        <source>Flash nacti</source>
        <translation>Flash read</translation>
    </message>
    <message>
        <source>Nuluj en.</source>
        <translation>Reset energy</translation>
    </message>
    <message>
        <source>Vynulovat čítače energie jednotky?</source>
        <translation>Reset the unit&apos;s energy counters?</translation>
    </message>
    <message>
        <source>Jednotka akci %1 odmítla (stav %2).</source>
        <translation>The unit refused action %1 (status %2).</translation>
    </message>
    <message>
        <source>Jednotka požadavek odmítla (stav %1).</source>
        <translation>The unit refused the request (status %1).</translation>
    </message>
    <message>
        <source>Odpověď jednotky nese jen %1 z %2 bajtů.</source>
        <translation>The unit&apos;s reply carries only %1 of %2 bytes.</translation>
    </message>
    <message>
        <source>Odesláno: %1</source>
        <translation>Sent: %1</translation>
    </message>
    <message>
        <source>Hodiny jednotky neobsahují platné datum a čas</source>
        <translation>The unit&apos;s clock holds no valid date and time</translation>
    </message>
    <message>
        <source>Rok %1 nelze do hodin jednotky zapsat: hodiny drží jen roky 2000 až 2099. Nic nebylo odesláno.</source>
        <translation>The year %1 cannot be written to the unit&apos;s clock: it holds only the years 2000 to 2099. Nothing was sent.</translation>
    </message>
    <message>
        <source>Hodiny jednotky se nepodařilo přečíst: jednotka odpověděla stavem %1.</source>
        <translation>The unit&apos;s clock could not be read: the unit answered with status %1.</translation>
    </message>
    <message>
        <source>Hodiny jednotky se nepodařilo přečíst: jednotka poslala %1 bajtů ze 7.</source>
        <translation>The unit&apos;s clock could not be read: the unit sent %1 bytes of 7.</translation>
    </message>
    <message>
        <source>%1 (registry %2).</source>
        <translation>%1 (registers %2).</translation>
    </message>
    <message>
        <source>Jednotka nastavení hodin odmítla (stav %1).</source>
        <translation>The unit refused to set its clock (status %1).</translation>
    </message>
    <message>
        <source>Hodiny jednotky po nastavení ukazují %1, o %2 s jinak, než byly nastaveny: nastavení se neprojevilo.</source>
        <translation>After setting, the unit&apos;s clock shows %1, %2 s off from what was set: the setting did not take.</translation>
    </message>
</context>
<context>
    <name>values</name>
    <message>
        <source>(nevybráno)</source>
        <translation>(not selected)</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>ne</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>windows</name>
    <message>
        <source>Přehled</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>&amp;Vstupy</source>
        <translation>&amp;Inputs</translation>
    </message>
    <message>
        <source>Vstupy - </source>
        <translation>Inputs - </translation>
    </message>
    <message>
        <source>Vý&amp;stupy</source>
        <translation>&amp;Outputs</translation>
    </message>
    <message>
        <source>Výstupy - </source>
        <translation>Outputs - </translation>
    </message>
    <message>
        <source>Výstup &amp;0-10V</source>
        <translation>&amp;0-10V output</translation>
    </message>
    <message>
        <source>Výstup 0-10V - </source>
        <translation>0-10V output - </translation>
    </message>
    <message>
        <source>&amp;Režim</source>
        <translation>&amp;Modes</translation>
    </message>
    <message>
        <source>Rezim - </source>
        <translation>Modes - </translation>
    </message>
    <message>
        <source>&amp;Quel5</source>
        <translation>&amp;Quel5</translation>
    </message>
    <message>
        <source>Quel5.00.04 - </source>
        <translation>Quel5.00.04 - </translation>
    </message>
    <message>
        <source>&amp;Termostaty</source>
        <translation>&amp;Thermostats</translation>
    </message>
    <message>
        <source>Termostaty - </source>
        <translation>Thermostats - </translation>
    </message>
    <message>
        <source>Virtuální r&amp;elé</source>
        <translation>Virtual r&amp;elays</translation>
    </message>
    <message>
        <source>Viruální relé - </source>
        <translation>Virtual relays - </translation>
    </message>
    <message>
        <source>St&amp;av</source>
        <translation>St&amp;ate</translation>
    </message>
    <message>
        <source>Discoverer</source>
        <translation>Discoverer</translation>
    </message>
    <message>
        <source>&amp;Discoverer</source>
        <translation>&amp;Discoverer</translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>… (%1 dalších)</source>
        <translation>… (%1 more)</translation>
    </message>
    <message>
        <source>(nezobrazeno)</source>
        <translation>(not shown)</translation>
    </message>
    <message>
        <source>Ostatní bajty %1</source>
        <translation>Other bytes %1</translation>
    </message>
    <message>
        <source>„%1“ má být objekt adres a bajtů.</source>
        <translation>“%1” must be an object of addresses and bytes.</translation>
    </message>
    <message>
        <source>%1 / %2: čeká se adresa 0 až %3 a šestnáctkové bajty, které se do obrazu vejdou.</source>
        <translation>%1 / %2: an address 0 to %3 and hexadecimal bytes that fit in the image are expected.</translation>
    </message>
    <message>
        <source>znak %1 (%2) jednotka neumí uložit (kódování Windows-1250).</source>
        <translation>the unit cannot store the character %1 (%2) (Windows-1250 encoding).</translation>
    </message>
    <message>
        <source>čeká se jedna hodnota, ne seznam ani objekt.</source>
        <translation>one value is expected, not a list or an object.</translation>
    </message>
    <message>
        <source>Neznámá stránka „%1“.</source>
        <translation>Unknown page “%1”.</translation>
    </message>
    <message>
        <source>Stránka „%1“ má být objekt polí.</source>
        <translation>Page “%1” must be an object of fields.</translation>
    </message>
    <message>
        <source>Konfiguraci nelze převést na dokument beze ztráty.</source>
        <translation>The configuration cannot be turned into a document without loss.</translation>
    </message>
    <message>
        <source>Dokument je ve formě %1, program zná formu %2.</source>
        <translation>The document is in form %1; the program knows form %2.</translation>
    </message>
    <message>
        <source>Není to dokument konfigurace (JSON objekt): %1 u znaku %2.</source>
        <translation>It is not a configuration document (a JSON object): %1 at character %2.</translation>
    </message>
    <message>
        <source>Není to dokument konfigurace (JSON objekt): není objekt.</source>
        <translation>It is not a configuration document (a JSON object): it is not an object.</translation>
    </message>
    <message>
        <source>Dokument uvádí „%1“ dvakrát; nelze poznat, která hodnota platí.</source>
        <translation>The document gives “%1” twice; there is no telling which value holds.</translation>
    </message>
    <message>
        <source>Soubor %1 se nepodařilo zapsat: %2</source>
        <translation>File %1 could not be written: %2</translation>
    </message>
    <message>
        <source>(bez souboru)</source>
        <translation>(no file)</translation>
    </message>
    <message>
        <source>Quel5 - konfigurace %1 - %2</source>
        <translation>Quel5 - configuration %1 - %2</translation>
    </message>
    <message>
        <source>Typ %1: %2</source>
        <translation>Type %1: %2</translation>
    </message>
    <message>
        <source>Chyba komunikace</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>Zapsáno záznamů: %1, bloků: %2</source>
        <translation>Records written: %1, blocks: %2</translation>
    </message>
    <message>
        <source>; nic nebylo odmítnuto</source>
        <translation>; nothing was refused</translation>
    </message>
    <message>
        <source>; odmítnuto na adresách: </source>
        <translation>; refused at addresses: </translation>
    </message>
    <message>
        <source>; bez spojení: %1</source>
        <translation>; no connection: %1</translation>
    </message>
    <message>
        <source>; jednotka poslala odpověď navíc, odpovědi nelze přiřadit k požadavkům a výsledek nahrávání není jistý</source>
        <translation>; the unit sent an extra reply, the replies cannot be matched to the requests and the result of the upload is uncertain</translation>
    </message>
    <message>
        <source>; nahrávání nebylo dokončeno (jednotka odpověděla na %1 z %2 požadavků)</source>
        <translation>; the upload was not completed (the unit answered %1 of %2 requests)</translation>
    </message>
    <message>
        <source>Ověření zápisu nebylo dokončeno (přečteno zpět %1 bajtů); zápis nelze považovat za ověřený.</source>
        <translation>Verifying the upload was not completed (%1 bytes read back); the upload cannot be taken as verified.</translation>
    </message>
    <message>
        <source>Vše zapsáno a ověřeno čtením zpět (%1 bajtů).</source>
        <translation>All written and verified by reading back (%1 bytes).</translation>
    </message>
    <message>
        <source>Ověření zápisu selhalo: počet bajtů, které jednotka drží jinak, než byly odeslány: %1 (%2).</source>
        <translation>Verifying the upload failed: bytes the unit holds otherwise than they were sent: %1 (%2).</translation>
    </message>
    <message>
        <source>Jednotka odmítla čtení adresy %1 (status %2).</source>
        <translation>The unit refused to read address %1 (status %2).</translation>
    </message>
    <message>
        <source>Jednotka vrátila na čtení adresy %1 jen %2 bajtů místo %3.</source>
        <translation>Reading address %1, the unit returned only %2 bytes instead of %3.</translation>
    </message>
    <message>
        <source>Chyba uložení %1</source>
        <translation>Error storing %1</translation>
    </message>
    <message>
        <source>Probíhá jiný přenos, počkej na jeho konec.</source>
        <translation>Another transfer is in progress; wait for it to end.</translation>
    </message>
    <message>
        <source>MAC: %1 (jednotka) → %2 (konfigurace)</source>
        <translation>MAC: %1 (unit) → %2 (configuration)</translation>
    </message>
    <message>
        <source>Síťová nastavení jednotky se nepodařilo přečíst; do jednotky nebylo nic odesláno.</source>
        <translation>The unit&apos;s network settings could not be read; nothing was sent to the unit.</translation>
    </message>
    <message>
        <source>Nahrávání zrušeno, do jednotky nebylo nic odesláno: </source>
        <translation>Upload cancelled, nothing was sent to the unit: </translation>
    </message>
</context>
</TS>
