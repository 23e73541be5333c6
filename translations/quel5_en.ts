<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>cli</name>
    <message>
        <source>Varování: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahrání by změnilo síťová nastavení jednotky (%1); bez --force nebylo nic odesláno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(chybí)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je příliš velký</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodiny jednotky nastaveny na %1 (čteno zpět, odchylka %2 s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown column %1 (one of Jméno, Popis, IP, Port, Typ, Druh)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Soubor neexistuje.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historie: beze změny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historie: změněno %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: složku nelze vytvořit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: seznam neobsahuje žádnou stanici; nic nebylo odesláno.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors</name>
    <message>
        <source>čeká se text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čekají se hodiny 0 až 23 jako „6-21, 23“ nebo „žádné“, ne „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čekají se dny jako „Po, Út“ nebo „žádné“, ne „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>den %1 je i v profilu %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>energy</name>
    <message>
        <source>Počet pulzů %1 kWh × %2 se nevejde do 32 bitů jednotky; nic nebylo odesláno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka nastavení čítače X6/SO1 odmítla (stav %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čítač X6/SO1 nastaven na %1 pulzů.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fields</name>
    <message>
        <source>IP adresa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maska</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NB name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uživatel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time reload [ms]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trap1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trap2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kam přiřadit vnitřní čidlo při poruše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet čtení teploty při poruše komunikace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prodleva mezi čtením tepl. při poruše [ms]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet poruch do globální poruchy čidla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prodleva mezi čtením teplot [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délka bypassu [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout testu [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perioda uklání dat [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skok teploty pro opakování čtení [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Použit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virt. relé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délka pulzu SO [ms]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzů na kWh  (0 -neměřit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hystereze setpointu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrační konstanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAX PWM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PR2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prescaler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrelé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIN [ % ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAX [ % ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omezení [ vstup ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omezení [ % ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplota1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kombinace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplota2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodiny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dny bez profilu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výraz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write community</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui</name>
    <message>
        <source>IP adresa Norva2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Špatná IP adresa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není obyčejný soubor, nastavení z něj nelze číst. Program poběží bez uložených nastavení a nic do nich nezapíše.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porovnání s jednotkou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V jednotce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V oknech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nahraj vybrané</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahraje do jednotky zaškrtnuté stránky tak, jak je drží okna, a ověří je čtením zpět</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okna se liší od jednotky %1. Rozdílná pole: %2, stránky: %3. Zaškrtnuté stránky lze nahrát do jednotky.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přihlášení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přihlásit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zruš</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nikdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uziv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Změna hesla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uživatel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Změnit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nové heslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nové heslo znovu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahrání změní síťová nastavení jednotky:
%1

Opravdu nahrát?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Otevři</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ulož</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulož &amp;jako</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk &amp;záznamu o nastavení…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Načti vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Porovnej s jednotkou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulož &amp;vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulož vše &amp;mimo Ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Změna &amp;hesla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ověřit zápis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jazyk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zobraz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servisní pa&amp;nel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;íce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Přehled stanic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přihlášení - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Změna hesla - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba při přihlášení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probíhá přenos s jednotkou.
Přerušit ho a ukončit program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probíhá komunikace s jednotkou…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Požadavek %1 z %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka nedrží vše, co jí bylo zapsáno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka odmítla část nahrávané konfigurace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odmítnuté adresy: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okna drží stejnou konfiguraci jako jednotka %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 měl jen %2 bajtů z %3. Načetla se jen tato část, zbytek konfigurace zůstal, jak byl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Quel5&lt;/b&gt; – konfigurace a servis jednotek Quel5&lt;br&gt;Verze %1 (%2)&lt;br&gt;Qt %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Změny v oknech (%1) nejsou uložené v souboru ani nahrané do jednotky.
Uložit je do souboru?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 už existuje.
Chceš ho nahradit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energie ( musí sedět počet pulzů) [kWh]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Týden: hodiny, kdy je režim zapnutý (modře profil 0, oranžově profil 1, šrafovaně den bez profilu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení režimů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum a čas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Načti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pošli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulož</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení Quel5 (*.ql5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vše (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neukládat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Účet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Náhled tisku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 až %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hledej</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otevři</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poznámky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zálohuj vybrané…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přečte konfiguraci vybraných stanic, každou do vlastního souboru ve zvolené složce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahraj do vybraných…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahraje zvolené stránky konfigurace z oken do vybraných stanic a ověří je čtením zpět</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uchovat historii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zálohy se ukládají do repozitáře git ve zvolené složce: každá změna jako jeden záznam historie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stav vybraných</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přečte stav a hodiny vybraných stanic (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automaticky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastav hodiny vybraným…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastaví hodiny vybraných stanic na čas této stanice a přečte je zpět</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přerušit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stanice, které ještě nezačaly, zůstanou beze změny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přehled - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Třídit vzestupně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Třídit sestupně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtruj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zruš filtr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zruš všechny filtry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nejprve vyber stanice v přehledu (Ctrl nebo Shift s kliknutím vybere víc).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Účet administrátora, kterým se přihlásit ke všem vybraným stanicím:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historie záloh: beze změny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historie záloh: změněno %1 stanic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automaticky: každých %1 s, stanic %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stav vybraných stanic každých %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavit hodiny %1 vybraných stanic na čas tohoto počítače (%2)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahraj do vybraných</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Které stránky konfigurace z oken nahrát do %1 vybraných stanic? (Ethernet se takto nenahrává.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… a dalších %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahrát stránky %1 do těchto stanic (%2)?

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čeká</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>probíhá</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (hodnoty z %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zrušeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zacatek indexu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adr. mem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pocet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Akce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto&amp;maticky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stav každé 2 sekundy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnoty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto&amp;maticky: zapnuto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>Soubor neexistuje.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Je to složka, ne soubor s konfigurací.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Není to obyčejný soubor (roura, zařízení nebo soket), nelze ho použít.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čeká se %1, ne %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 je mimo rozsah %2 až %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP adresa v uvozovkách</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není IP adresa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text je delší než %1 znaků.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>číslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>celé číslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true nebo false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jedna z položek %1 nebo null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pole se jen zobrazuje, nelze ho změnit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neznámé pole „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pole „%1“: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>items</name>
    <message>
        <source>Nepoužit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Po</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Út</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pá</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profil 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profil 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>žádné</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0: nepoužit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1: sepne nad TH, vypne pod TL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2: sepne pod TL, vypne nad TH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3: sepnut mezi TL a TH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4: žádaná SP, diference dT, pásmo PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5: žádaná SP, proporcionální pásmo PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tepl.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tepl.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tepl.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tepl.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tepl.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>Přenos byl přerušen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zadej IP adresu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka ukončila spojení: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka neodpověděla do %1 ms, spojení bylo ukončeno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba čtení ze spojení: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka poslala %1 bajtů, o které nikdo nežádal (%2). Spojení bylo ukončeno a operace přerušena.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spojení s jednotkou je obsazeno jinou operací.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Požadavek nemá místo v paketu (%1 bajtů dat).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>před požadavkem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba zápisu do spojení: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka odpověděla na požadavek %1 hlavičkou %2%3. Spojení bylo ukončeno a operace přerušena.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bez znaku # (0x%1) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odpověď jednotky má chybnou délku (%1 bajtů dat, nejvýše %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>za odpovědí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka poslala odpověď navíc, o kterou nikdo nežádal: odpovědi nelze přiřadit k požadavkům, proto přenos neplatí. Spojení bylo ukončeno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka nepotvrdila konec přenosu (status %1), proto přenos neplatí. Spojení bylo ukončeno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odhlášení z jednotky se nezdařilo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odhlášení z jednotky se nezdařilo: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>logic</name>
    <message>
        <source>Chyba v zadání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAX 16 timerů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programy virtuálních relé mají %1 bajtů, do paměti jednotky se jich vejde nejvýše %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čeká se text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text je delší než %1 znaků.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Termostat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtuální relé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomocná proměnná</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funkce</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>monitor</name>
    <message>
        <source>(chybí)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka odmítla požadavek na stav (status %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odpověď jednotky na stav nese jen %1 bajtů, pevná část jich má %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hledání skončilo po %1 s, jednotky mohly odpovídat dál.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hledání bylo zrušeno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hledání skončilo po %1 odpovědích.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seznam má %1 stanic, přečteno jen prvních %2; zbylých %3 nebylo načteno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Není to obyčejný soubor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnoty z %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výsledek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Změny</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>operations</name>
    <message>
        <source>Na místě souboru zálohy je symbolický odkaz; přes odkaz se nezapisuje, nic nebylo zapsáno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neznámá chyba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (odhlášení se nezdařilo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Špatná IP adresa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Síťová stránka se do více stanic nenahrává</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka je v seznamu znovu; zapisuje se jen jednou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHYBA			Neznámá chyba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, odchylka %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historie záloh v %1: %2 se nezdařilo (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neznámá chyba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nová záloha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… a %1 dalších</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>změna mimo pole konfigurace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není historie záloh (složka není repozitář git).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: složku nelze vytvořit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>založení repozitáře</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čtení poslední zálohy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uložení %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápis stromu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápis zálohy do historie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čtení historie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záloha: změněno %1 (%2)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ops</name>
    <message>
        <source>Chyba při přihlášení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: soubor má jen %2 bajtů, konfigurace jich má %3. Do jednotky nebylo nic odesláno.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vstupy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstupy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstup 0-10V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Režim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quel5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Termostaty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtuální relé</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>Záznam o nastavení jednotky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>žádné relé nemá program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtuální relé</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rows</name>
    <message>
        <source>Profil 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profil 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teploměr1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teploměr2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teploměr3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teploměr4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teploměr5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stations</name>
    <message>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstupy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teploty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodiny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pozn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Teplota1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplota2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplota3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplota4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplota5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplota6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vnitrni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tlacitka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED zobr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED blik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test idx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vybran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PI sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2C error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2C error adr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TM inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vterm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pom_pr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teplotni priznaky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energie1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energie2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>unit</name>
    <message>
        <source>Bypass ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bypass OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset TCP 9760</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5V ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5V OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastav výstup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zruš nastavení výstupu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recv 1.B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recv 2B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recv p.B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send 1.B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send 2B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash uloz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapsat bajty do paměti flash jednotky?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash nacti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuluj en.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vynulovat čítače energie jednotky?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka akci %1 odmítla (stav %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka požadavek odmítla (stav %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odpověď jednotky nese jen %1 z %2 bajtů.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odesláno: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodiny jednotky neobsahují platné datum a čas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rok %1 nelze do hodin jednotky zapsat: hodiny drží jen roky 2000 až 2099. Nic nebylo odesláno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodiny jednotky se nepodařilo přečíst: jednotka odpověděla stavem %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodiny jednotky se nepodařilo přečíst: jednotka poslala %1 bajtů ze 7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (registry %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka nastavení hodin odmítla (stav %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodiny jednotky po nastavení ukazují %1, o %2 s jinak, než byly nastaveny: nastavení se neprojevilo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>values</name>
    <message>
        <source>(nevybráno)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ne</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows</name>
    <message>
        <source>Přehled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vstupy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vstupy - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vý&amp;stupy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstupy - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstup &amp;0-10V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstup 0-10V - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Režim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rezim - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quel5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quel5.00.04 - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Termostaty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Termostaty - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtuální r&amp;elé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viruální relé - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;av</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discoverer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discoverer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>… (%1 dalších)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(nezobrazeno)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostatní bajty %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ má být objekt adres a bajtů.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2: čeká se adresa 0 až %3 a šestnáctkové bajty, které se do obrazu vejdou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>znak %1 (%2) jednotka neumí uložit (kódování Windows-1250).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čeká se jedna hodnota, ne seznam ani objekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neznámá stránka „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stránka „%1“ má být objekt polí.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfiguraci nelze převést na dokument beze ztráty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dokument je ve formě %1, program zná formu %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Není to dokument konfigurace (JSON objekt): %1 u znaku %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Není to dokument konfigurace (JSON objekt): není objekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dokument uvádí „%1“ dvakrát; nelze poznat, která hodnota platí.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 se nepodařilo zapsat: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(bez souboru)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quel5 - konfigurace %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba komunikace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapsáno záznamů: %1, bloků: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nic nebylo odmítnuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; odmítnuto na adresách: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; bez spojení: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; jednotka poslala odpověď navíc, odpovědi nelze přiřadit k požadavkům a výsledek nahrávání není jistý</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nahrávání nebylo dokončeno (jednotka odpověděla na %1 z %2 požadavků)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověření zápisu nebylo dokončeno (přečteno zpět %1 bajtů); zápis nelze považovat za ověřený.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vše zapsáno a ověřeno čtením zpět (%1 bajtů).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověření zápisu selhalo: počet bajtů, které jednotka drží jinak, než byly odeslány: %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka odmítla čtení adresy %1 (status %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jednotka vrátila na čtení adresy %1 jen %2 bajtů místo %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba uložení %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probíhá jiný přenos, počkej na jeho konec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC: %1 (jednotka) → %2 (konfigurace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Síťová nastavení jednotky se nepodařilo přečíst; do jednotky nebylo nic odesláno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahrávání zrušeno, do jednotky nebylo nic odesláno: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
