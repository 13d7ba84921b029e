<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_BE" sourcelanguage="en">
<context>
    <name>Network</name>
    <message>
        <source>The name of the configuration service, %1, cannot be found on the network.</source>
        <translation>De naam van de configuratieservice, %1, is niet te vinden op het netwerk.</translation>
    </message>
    <message>
        <source>The configuration service at %1 refuses the connection.</source>
        <translation>De configuratieservice op %1 weigert de verbinding.</translation>
    </message>
    <message>
        <source>Nothing came back from the configuration service at %1 within the time limit.</source>
        <translation>De configuratieservice op %1 heeft niet op tijd geantwoord.</translation>
    </message>
    <message>
        <source>The wait for the configuration service at %1 was given up.</source>
        <translation>Het wachten op de configuratieservice op %1 werd opgegeven.</translation>
    </message>
    <message>
        <source>The connection to the configuration service at %1 broke off.</source>
        <translation>De verbinding met de configuratieservice op %1 werd verbroken.</translation>
    </message>
    <message>
        <source>What answers at %1 is not the configuration service: check its address and port.</source>
        <translation>Wat op %1 antwoordt, is niet de configuratieservice: controleer het adres en de poort.</translation>
    </message>
    <message>
        <source>The configuration service at %1 answered &quot;not found&quot;.</source>
        <translation>De configuratieservice op %1 antwoordde &quot;niet gevonden&quot;.</translation>
    </message>
    <message>
        <source>The configuration service at %1 answered, but not that it is ready.</source>
        <translation>De configuratieservice op %1 antwoordde, maar niet dat ze klaar is.</translation>
    </message>
    <message>
        <source>The configuration service at %1 does not offer an encrypted connection.</source>
        <translation>De configuratieservice op %1 biedt geen versleutelde verbinding aan.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 has expired.</source>
        <translation>Het certificaat van de configuratieservice op %1 is verlopen.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 is not valid yet.</source>
        <translation>Het certificaat van de configuratieservice op %1 is nog niet geldig.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 comes from an authority this computer does not trust.</source>
        <translation>Het certificaat van de configuratieservice op %1 komt van een instantie die deze computer niet vertrouwt.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 is made out for another name.</source>
        <translation>Het certificaat van de configuratieservice op %1 staat op een andere naam.</translation>
    </message>
    <message>
        <source>No encrypted connection could be set up with the configuration service at %1.</source>
        <translation>Er kon geen versleutelde verbinding worden opgezet met de configuratieservice op %1.</translation>
    </message>
    <message>
        <source>The configuration service at %1 cannot be reached.</source>
        <translation>De configuratieservice op %1 is niet bereikbaar.</translation>
    </message>
    <message>
        <source>The name of the download server, %1, cannot be found on the network.</source>
        <translation>De naam van de downloadserver, %1, is niet te vinden op het netwerk.</translation>
    </message>
    <message>
        <source>The download server %1 refuses the connection.</source>
        <translation>De downloadserver %1 weigert de verbinding.</translation>
    </message>
    <message>
        <source>Nothing came back from the download server %1 within the time limit.</source>
        <translation>De downloadserver %1 heeft niet op tijd geantwoord.</translation>
    </message>
    <message>
        <source>The wait for the download server %1 was given up.</source>
        <translation>Het wachten op de downloadserver %1 werd opgegeven.</translation>
    </message>
    <message>
        <source>The connection to the download server %1 broke off.</source>
        <translation>De verbinding met de downloadserver %1 werd verbroken.</translation>
    </message>
    <message>
        <source>What answers at %1 is not the download server: check its address and port.</source>
        <translation>Wat op %1 antwoordt, is niet de downloadserver: controleer het adres en de poort.</translation>
    </message>
    <message>
        <source>The download server %1 refused the login.</source>
        <translation>De downloadserver %1 weigerde de aanmelding.</translation>
    </message>
    <message>
        <source>The download server %1 does not offer the encrypted connection this computer requires.</source>
        <translation>De downloadserver %1 biedt niet de versleutelde verbinding aan die deze computer vereist.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 has expired.</source>
        <translation>Het certificaat van de downloadserver %1 is verlopen.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 is not valid yet.</source>
        <translation>Het certificaat van de downloadserver %1 is nog niet geldig.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 comes from an authority this computer does not trust.</source>
        <translation>Het certificaat van de downloadserver %1 komt van een instantie die deze computer niet vertrouwt.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 is made out for another name.</source>
        <translation>Het certificaat van de downloadserver %1 staat op een andere naam.</translation>
    </message>
    <message>
        <source>No encrypted connection could be set up with the download server %1.</source>
        <translation>Er kon geen versleutelde verbinding worden opgezet met de downloadserver %1.</translation>
    </message>
    <message>
        <source>The download server %1 cannot be reached.</source>
        <translation>De downloadserver %1 is niet bereikbaar.</translation>
    </message>
    <message>
        <source>The download server %1 refused the folder %2.</source>
        <translation>De downloadserver %1 weigerde de map %2.</translation>
    </message>
    <message>
        <source>The folder %2 could not be entered on the download server %1.</source>
        <translation>De map %2 kon niet worden geopend op de downloadserver %1.</translation>
    </message>
    <message>
        <source>The download server %1 refused to list the folder %2.</source>
        <translation>De downloadserver %1 weigerde de inhoud van de map %2 te tonen.</translation>
    </message>
    <message>
        <source>The folder %2 could not be listed on the download server %1.</source>
        <translation>De inhoud van de map %2 kon niet worden opgevraagd op de downloadserver %1.</translation>
    </message>
    <message>
        <source>The download server %1 refused the file %2.</source>
        <translation>De downloadserver %1 weigerde het bestand %2.</translation>
    </message>
    <message>
        <source>The file %2 could not be written into the work folder.</source>
        <translation>Het bestand %2 kon niet in de werkmap worden geschreven.</translation>
    </message>
    <message>
        <source>The file %2 could not be downloaded from the download server %1.</source>
        <translation>Het bestand %2 kon niet worden gedownload van de downloadserver %1.</translation>
    </message>
    <message>
        <source>The download server %1 refused the upload of %2.</source>
        <translation>De downloadserver %1 weigerde het uploaden van %2.</translation>
    </message>
    <message>
        <source>The file %2 could not be read on this computer.</source>
        <translation>Het bestand %2 kon niet worden gelezen op deze computer.</translation>
    </message>
    <message>
        <source>The file %2 could not be uploaded to the download server %1.</source>
        <translation>Het bestand %2 kon niet worden geüpload naar de downloadserver %1.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>There was a error found when installing Lumtrak:</source>
        <translation>Er is een fout opgetreden bij de installatie van Lumtrak:</translation>
    </message>
    <message>
        <source>No valid customer code was entered. Check the code and try again.</source>
        <translation>Er werd geen geldige klantcode ingevoerd. Controleer de code en probeer opnieuw.</translation>
    </message>
    <message>
        <source>Skarvel cannot connect to webservers(Zelvane)</source>
        <translation>Skarvel kan geen verbinding maken met de webservers van Zelvane.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Installation Done!</source>
        <translation>Installatie voltooid!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Not everything could be done:</source>
        <translation>Niet alles kon worden uitgevoerd:</translation>
    </message>
    <message>
        <source>The installation stops when the current step has ended. Skarvel then closes.</source>
        <translation>De installatie stopt zodra de huidige stap klaar is. Skarvel sluit daarna af.</translation>
    </message>
    <message>
        <source>Asking the configuration service at %1 ...</source>
        <translation>De configuratieservice op %1 wordt geraadpleegd ...</translation>
    </message>
    <message>
        <source>The installation wizard is open already on %1. Go on with the installation there, or close it there first.</source>
        <translation>De installatiewizard is al geopend op %1. Ga daar verder met de installatie, of sluit hem daar eerst.</translation>
    </message>
    <message>
        <source>Its window could not be brought to the front from here.</source>
        <translation>Het venster ervan kon van hieruit niet naar voren worden gehaald.</translation>
    </message>
    <message>
        <source>It runs in %1, which has no window: let it end, or end it where it was started.</source>
        <translation>Ze loopt in %1, dat geen venster heeft: laat ze eindigen, of beëindig ze waar ze werd gestart.</translation>
    </message>
    <message>
        <source>the receipt printer %1 was not added; add it in the computer&apos;s printer settings before the till prints receipts</source>
        <translation>de bonprinter %1 werd niet toegevoegd; voeg hem toe in de printerinstellingen van de computer voordat de kassa bonnen afdrukt</translation>
    </message>
    <message>
        <source>the receipt printer %1 was not added (%2); add it in the computer&apos;s printer settings before the till prints receipts</source>
        <translation>de bonprinter %1 werd niet toegevoegd (%2); voeg hem toe in de printerinstellingen van de computer voordat de kassa bonnen afdrukt</translation>
    </message>
</context>
</TS>
