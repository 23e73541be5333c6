<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
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
</context>
</TS>
