<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_BE" sourcelanguage="en">
<context>
    <name>Advice</name>
    <message>
        <source>%1 Check the network and the service&apos;s setting (SKARVEL_SERVICE_HOST or SKARVEL_SERVICE_URL), then try again.</source>
        <translation>%1 Controleer het netwerk en de instelling van de configuratieservice (SKARVEL_SERVICE_HOST of SKARVEL_SERVICE_URL) en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>the service did not accept the customer code %1. Check the code and try again, or call the helpdesk.</source>
        <translation>de configuratieservice heeft de klantcode %1 niet aanvaard. Controleer de code en probeer het opnieuw, of bel de helpdesk.</translation>
    </message>
    <message>
        <source>the installation of %1 would not succeed (%2). Put that right, then check again.</source>
        <translation>de installatie van %1 zou niet lukken (%2). Los dat op en controleer dan opnieuw.</translation>
    </message>
    <message>
        <source>the check was cancelled.</source>
        <translation>de controle is geannuleerd.</translation>
    </message>
    <message>
        <source>the configuration service at %1 stopped answering during the installation; the log %2 says why. When it answers again, start skarvel-cli %3 to continue from the step the service holds.</source>
        <translation>de configuratieservice op %1 antwoordde niet meer tijdens de installatie; het logbestand %2 zegt waarom. Start skarvel-cli %3 zodra de service weer antwoordt, om verder te gaan vanaf de stap die de service bijhoudt.</translation>
    </message>
    <message>
        <source>the computer must restart to continue. After the restart, start skarvel-cli %1 to continue (at the next log-on the autostart entry runskarvel starts the wizard with the code).</source>
        <translation>de computer moet opnieuw opstarten om verder te gaan. Start na het opnieuw opstarten skarvel-cli %1 om verder te gaan (bij de volgende aanmelding start het autostartitem runskarvel de wizard met de code).</translation>
    </message>
    <message>
        <source>the installation was cancelled. Start skarvel-cli %1 to continue from the step the service holds.</source>
        <translation>de installatie is geannuleerd. Start skarvel-cli %1 om verder te gaan vanaf de stap die de service bijhoudt.</translation>
    </message>
    <message>
        <source>the installation stopped at step %1 (status %2): it needs an administrator: %3 Then start skarvel-cli --undo %4 to install again from step 2.</source>
        <translation>de installatie is gestopt bij stap %1 (status %2): ze heeft een beheerder nodig: %3 Start daarna skarvel-cli --undo %4 om opnieuw te installeren vanaf stap 2.</translation>
    </message>
    <message>
        <source>the installation is complete on this computer, but the configuration service did not acknowledge its end (status 120); the log %1 says why. Start skarvel-cli %2 again, without --undo, once the service answers: the next run sends the report again.</source>
        <translation>de installatie is voltooid op deze computer, maar de configuratieservice heeft het einde ervan niet bevestigd (status 120); het logbestand %1 zegt waarom. Start skarvel-cli %2 opnieuw, zonder --undo, zodra de service antwoordt: de volgende uitvoering stuurt het bericht opnieuw.</translation>
    </message>
    <message>
        <source>the installation stopped at step %1 (status %2); the log %3 says why. Put the cause right, then start skarvel-cli --undo %4 to install again from step 2.</source>
        <translation>de installatie is gestopt bij stap %1 (status %2); het logbestand %3 zegt waarom. Los de oorzaak op en start dan skarvel-cli --undo %4 om opnieuw te installeren vanaf stap 2.</translation>
    </message>
    <message>
        <source>the installation stopped; the log %1 says why. Start skarvel-cli %2 again to continue from the step that failed.</source>
        <translation>de installatie is gestopt; het logbestand %1 zegt waarom. Start skarvel-cli %2 opnieuw om verder te gaan vanaf de mislukte stap.</translation>
    </message>
    <message>
        <source>an administrator adds %1 to the group skarvel and copies /usr/share/skarvel/50-skarvel.rules to /etc/polkit-1/rules.d/ (see THE ADMINISTRATOR&apos;S PART in man skarvel-cli), or installs it in the wizard, where an administrator can authenticate.</source>
        <translation>een beheerder voegt %1 toe aan de groep skarvel en kopieert /usr/share/skarvel/50-skarvel.rules naar /etc/polkit-1/rules.d/ (zie THE ADMINISTRATOR&apos;S PART in man skarvel-cli), of installeert het in de wizard, waar een beheerder zich kan aanmelden.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>the database server at %1 refuses the installation&apos;s administrator login (%2): an administrator sets the password of its SYSDBA to the installation&apos;s</source>
        <translation>de databaseserver op %1 weigert de beheerdersaanmelding van de installatie (%2): een beheerder stelt het wachtwoord van zijn SYSDBA in op dat van de installatie</translation>
    </message>
    <message>
        <source>no database server answers at %1 (%2): it must run there</source>
        <translation>er antwoordt geen databaseserver op %1 (%2): die moet daar draaien</translation>
    </message>
    <message>
        <source>the database server at %1 could not be asked for the login (%2)</source>
        <translation>de databaseserver op %1 kon niet gevraagd worden naar de aanmelding (%2)</translation>
    </message>
    <message>
        <source>%1; %2 needs the administrator&apos;s part, and %3</source>
        <translation>%1; %2 heeft het beheerdersdeel nodig, en %3</translation>
    </message>
    <message>
        <source>%1; %2 needs the administrator&apos;s part, and %3 (the desktop&apos;s authentication dialog asks)</source>
        <translation>%1; %2 heeft het beheerdersdeel nodig, en %3 (het aanmeldvenster van het bureaublad vraagt erom)</translation>
    </message>
    <message>
        <source>%1; %2 needs the administrator&apos;s part, and %3, which nobody can give here: this program runs in no login session with an authentication agent</source>
        <translation>%1; %2 heeft het beheerdersdeel nodig, en %3, wat hier niemand kan geven: dit programma draait niet in een aanmeldsessie met een authenticatieagent</translation>
    </message>
    <message>
        <source>%1 may write in the till folder %2</source>
        <translation>%1 mag schrijven in de kassamap %2</translation>
    </message>
    <message>
        <source>the till folder %1 cannot be written by %2 (%3)</source>
        <translation>%2 kan niet schrijven in de kassamap %1 (%3)</translation>
    </message>
    <message>
        <source>%1 may make the till folder %2</source>
        <translation>%1 mag de kassamap %2 aanmaken</translation>
    </message>
    <message>
        <source>the till folder %1 is missing</source>
        <translation>de kassamap %1 ontbreekt</translation>
    </message>
    <message>
        <source>%1 may not write in %2 (%3), and the administrator&apos;s part does not make it: %4</source>
        <translation>%1 mag niet schrijven in %2 (%3), en het beheerdersdeel maakt hem niet aan: %4</translation>
    </message>
    <message>
        <source>making the till folder %1</source>
        <translation>het aanmaken van de kassamap %1</translation>
    </message>
    <message>
        <source>%1 may not write in %2 (%3)</source>
        <translation>%1 mag niet schrijven in %2 (%3)</translation>
    </message>
    <message>
        <source>the database server&apos;s account %1 may use the till database %2 (or is let to at the database step); %3</source>
        <translation>het account %1 van de databaseserver mag de kassadatabase %2 gebruiken (of krijgt die toegang bij de databasestap); %3</translation>
    </message>
    <message>
        <source>the database server at %1 takes the installation&apos;s administrator login</source>
        <translation>de databaseserver op %1 aanvaardt de beheerdersaanmelding van de installatie</translation>
    </message>
    <message>
        <source>%1 may add the printer %2</source>
        <translation>%1 mag de printer %2 toevoegen</translation>
    </message>
    <message>
        <source>adding the printer %1</source>
        <translation>het toevoegen van de printer %1</translation>
    </message>
    <message>
        <source>%1 may not add printers: %2</source>
        <translation>%1 mag geen printers toevoegen: %2</translation>
    </message>
    <message>
        <source>installing the database server %1</source>
        <translation>het installeren van de databaseserver %1</translation>
    </message>
    <message>
        <source>%1 is no administrator</source>
        <translation>%1 is geen beheerder</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 bestand</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 bestanden</translation>
    </message>
    <message>
        <source>the configuration service at %1 answers over plain HTTP (not encrypted)</source>
        <translation>de configuratieservice op %1 antwoordt via gewone HTTP (niet versleuteld)</translation>
    </message>
    <message>
        <source>the configuration service at %1 answers over TLS</source>
        <translation>de configuratieservice op %1 antwoordt via TLS</translation>
    </message>
    <message>
        <source>the configuration service at %1 answers over TLS (certificate for %2, issued by %3, valid until %4)</source>
        <translation>de configuratieservice op %1 antwoordt via TLS (certificaat voor %2, uitgegeven door %3, geldig tot %4)</translation>
    </message>
    <message>
        <source>the download server %1 accepts the login in plain FTP (not encrypted)</source>
        <translation>de downloadserver %1 aanvaardt de aanmelding via gewone FTP (niet versleuteld)</translation>
    </message>
    <message>
        <source>the download server %1 accepts the login over TLS</source>
        <translation>de downloadserver %1 aanvaardt de aanmelding via TLS</translation>
    </message>
    <message>
        <source>the download server %1 accepts the login over TLS (certificate for %2, issued by %3, valid until %4)</source>
        <translation>de downloadserver %1 aanvaardt de aanmelding via TLS (certificaat voor %2, uitgegeven door %3, geldig tot %4)</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>stap %1</translation>
    </message>
    <message>
        <source>step %1 (%2)</source>
        <translation>stap %1 (%2)</translation>
    </message>
    <message>
        <source>%1, status %2: the undo sends the installation back; the next run starts at %3</source>
        <translation>%1, status %2: het ongedaan maken zet de installatie terug; de volgende uitvoering begint bij %3</translation>
    </message>
    <message>
        <source>%1, status %2: the installation is complete; nothing is left to do</source>
        <translation>%1, status %2: de installatie is voltooid; er blijft niets meer te doen</translation>
    </message>
    <message>
        <source>%1, status %2: the installation stopped at %3; put the cause right, then start skarvel-cli --undo %4</source>
        <translation>%1, status %2: de installatie is gestopt bij %3; los de oorzaak op en start dan skarvel-cli --undo %4</translation>
    </message>
    <message>
        <source>%1, status %2: this status names no step: the installation cannot run</source>
        <translation>%1, status %2: deze status wijst geen stap aan: de installatie kan niet lopen</translation>
    </message>
    <message>
        <source>%1, status %2: the next run starts at %3</source>
        <translation>%1, status %2: de volgende uitvoering begint bij %3</translation>
    </message>
    <message>
        <source>the folder %1 cannot be listed</source>
        <translation>de map %1 kan niet opgelijst worden</translation>
    </message>
    <message>
        <source>the folder %1 has no %2</source>
        <translation>de map %1 bevat geen %2</translation>
    </message>
    <message>
        <source>%1 answers, version %2</source>
        <translation>%1 antwoordt, versie %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kan niet geopend worden: %2</translation>
    </message>
    <message>
        <source>the free space of the work or the till folder&apos;s disk is unknown</source>
        <translation>de vrije ruimte op de schijf van de werkmap of van de kassamap is onbekend</translation>
    </message>
    <message>
        <source>the work folder needs %1 and has %2 on the disk it shares with the till folder, which needs %3</source>
        <translation>de werkmap heeft %1 nodig en heeft %2 op de schijf die ze deelt met de kassamap, die %3 nodig heeft</translation>
    </message>
    <message>
        <source>the work folder needs %1 and has %2; the till folder needs %3 and has %4</source>
        <translation>de werkmap heeft %1 nodig en heeft %2; de kassamap heeft %3 nodig en heeft %4</translation>
    </message>
    <message>
        <source>%1 is there</source>
        <translation>%1 is aanwezig</translation>
    </message>
    <message>
        <source>%1 is missing: install the package p7zip-full</source>
        <translation>%1 ontbreekt: installeer het pakket p7zip-full</translation>
    </message>
    <message>
        <source>a printing system answers for the printer %1</source>
        <translation>er antwoordt een afdruksysteem voor de printer %1</translation>
    </message>
    <message>
        <source>the service does not accept the customer code %1</source>
        <translation>de configuratieservice aanvaardt de klantcode %1 niet</translation>
    </message>
    <message>
        <source>the service %1 runs as %2</source>
        <translation>de service %1 draait als %2</translation>
    </message>
    <message>
        <source>the server listening on port %1 runs as %2</source>
        <translation>de server die luistert op poort %1 draait als %2</translation>
    </message>
    <message>
        <source>no service or listening server tells the account; taken as %1</source>
        <translation>geen service of luisterende server geeft het account aan; %1 aangenomen</translation>
    </message>
    <message>
        <source>the database server&apos;s account %1 may not use the till database %2: %3</source>
        <translation>het account %1 van de databaseserver mag de kassadatabase %2 niet gebruiken: %3</translation>
    </message>
    <message>
        <source>this computer has no account %1 (%2): check which account the database server runs as</source>
        <translation>deze computer heeft geen account %1 (%2): controleer onder welk account de databaseserver draait</translation>
    </message>
    <message>
        <source>%1: an administrator adds %2 to the group skarvel with the package&apos;s polkit rules file (see THE ADMINISTRATOR&apos;S PART in man skarvel-cli)</source>
        <translation>%1: een beheerder voegt %2 toe aan de groep skarvel met het polkit-regelbestand van het pakket (zie THE ADMINISTRATOR&apos;S PART in man skarvel-cli)</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the till database is not open</source>
        <translation>de kassadatabase is niet geopend</translation>
    </message>
    <message>
        <source>the till database is not open: %1</source>
        <translation>de kassadatabase is niet geopend: %1</translation>
    </message>
    <message>
        <source>the central database is not open</source>
        <translation>de centrale database is niet geopend</translation>
    </message>
    <message>
        <source>the central database is not open: %1</source>
        <translation>de centrale database is niet geopend: %1</translation>
    </message>
    <message>
        <source>Opening the database %1</source>
        <translation>Openen van de database %1</translation>
    </message>
    <message>
        <source>The statement has no parameter %1: %2</source>
        <translation>De opdracht heeft geen parameter %1: %2</translation>
    </message>
    <message>
        <source>The query has no column %1: %2</source>
        <translation>De query heeft geen kolom %1: %2</translation>
    </message>
    <message>
        <source>A number does not fit</source>
        <translation>Een getal past niet in zijn veld</translation>
    </message>
    <message>
        <source>The value %1 is not a finite number</source>
        <translation>De waarde %1 is geen eindig getal</translation>
    </message>
    <message>
        <source>The value %1 does not fit: %2</source>
        <translation>De waarde %1 past niet in zijn veld: %2</translation>
    </message>
    <message>
        <source>No value number %1</source>
        <translation>Geen waarde nummer %1</translation>
    </message>
    <message>
        <source>The value %1 cannot be read as text</source>
        <translation>De waarde %1 kan niet als tekst gelezen worden</translation>
    </message>
    <message>
        <source>The value %1 is not a number</source>
        <translation>De waarde %1 is geen getal</translation>
    </message>
    <message>
        <source>The value %1 is not a date</source>
        <translation>De waarde %1 is geen datum</translation>
    </message>
    <message>
        <source>The value %1 does not take text</source>
        <translation>De waarde %1 aanvaardt geen tekst</translation>
    </message>
    <message>
        <source>The value %1 is too long: %2</source>
        <translation>De waarde %1 is te lang: %2</translation>
    </message>
    <message>
        <source>The value %1 does not take a number</source>
        <translation>De waarde %1 aanvaardt geen getal</translation>
    </message>
    <message>
        <source>The value %1 does not take a date</source>
        <translation>De waarde %1 aanvaardt geen datum</translation>
    </message>
</context>
<context>
    <name>Downloads</name>
    <message>
        <source>no reason given</source>
        <translation>geen reden opgegeven</translation>
    </message>
</context>
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
    <name>Program</name>
    <message>
        <source>the work folder &quot;%1&quot; is not absolute</source>
        <translation>de werkmap &quot;%1&quot; is geen absoluut pad</translation>
    </message>
    <message>
        <source>the work folder &quot;%1&quot; is not written as it resolves (%2)</source>
        <translation>de werkmap &quot;%1&quot; is niet geschreven zoals het pad werkelijk luidt (%2)</translation>
    </message>
    <message>
        <source>the till folder &quot;%1&quot; is not absolute</source>
        <translation>de kassamap &quot;%1&quot; is geen absoluut pad</translation>
    </message>
    <message>
        <source>the till folder &quot;%1&quot; is not written as it resolves (%2)</source>
        <translation>de kassamap &quot;%1&quot; is niet geschreven zoals het pad werkelijk luidt (%2)</translation>
    </message>
    <message>
        <source>the work folder &quot;%1&quot; does not exist</source>
        <translation>de werkmap &quot;%1&quot; bestaat niet</translation>
    </message>
    <message>
        <source>the work folder &quot;%1&quot; is not %2&apos;s private folder</source>
        <translation>de werkmap &quot;%1&quot; is niet de eigen map van %2</translation>
    </message>
    <message>
        <source>the server version &quot;%1&quot; is none of 1.0, 1.5, 2.5</source>
        <translation>de serverversie &quot;%1&quot; is geen van 1.0, 1.5, 2.5</translation>
    </message>
    <message>
        <source>the package folder &quot;%1&quot; is not inside the work folder %2</source>
        <translation>de pakketmap &quot;%1&quot; ligt niet in de werkmap %2</translation>
    </message>
    <message>
        <source>the printer name &quot;%1&quot; is no queue name</source>
        <translation>de printernaam &quot;%1&quot; is geen geldige wachtrijnaam</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is no COM or LPT port</source>
        <translation>de poort &quot;%1&quot; is geen COM- of LPT-poort</translation>
    </message>
    <message>
        <source>the printer&apos;s comment is longer than 255 bytes</source>
        <translation>de opmerking bij de printer is langer dan 255 bytes</translation>
    </message>
    <message>
        <source>the printer&apos;s comment holds a control character</source>
        <translation>de opmerking bij de printer bevat een stuurteken</translation>
    </message>
    <message>
        <source>the till folder %1 is in the system&apos;s %2</source>
        <translation>de kassamap %1 ligt in %2 van het systeem</translation>
    </message>
    <message>
        <source>the till folder %1 is in the database server&apos;s folders</source>
        <translation>de kassamap %1 ligt in de mappen van de databaseserver</translation>
    </message>
    <message>
        <source>the till folder %1 would make a home folder</source>
        <translation>de kassamap %1 zou een thuismap aanmaken</translation>
    </message>
    <message>
        <source>the till folder %1: %2</source>
        <translation>de kassamap %1: %2</translation>
    </message>
    <message>
        <source>the till folder %1 exists</source>
        <translation>de kassamap %1 bestaat al</translation>
    </message>
    <message>
        <source>%1 may make the till folder in %2 without an administrator</source>
        <translation>%1 mag de kassamap in %2 aanmaken zonder beheerder</translation>
    </message>
    <message>
        <source>the folder %1 is not the system&apos;s</source>
        <translation>de map %1 is geen map van het systeem</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: no package in %2</source>
        <translation>de databaseserver %1 is niet geïnstalleerd: geen pakket in %2</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: %2</source>
        <translation>de databaseserver %1 is niet geïnstalleerd: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no operation of the administrator&apos;s part</source>
        <translation>&quot;%1&quot; is geen bewerking van het beheerdersdeel</translation>
    </message>
    <message>
        <source>the printer %1 was not added: %2</source>
        <translation>de printer %1 is niet toegevoegd: %2</translation>
    </message>
    <message>
        <source>An installation is running already for this user. This one ends without touching anything: let that one end, or end it first.</source>
        <translation>Er loopt al een installatie voor deze gebruiker. Deze stopt zonder iets aan te raken: laat de andere eerst eindigen, of beëindig ze eerst.</translation>
    </message>
    <message>
        <source>An installation is running already for this user (%1). This one ends without touching anything: let that one end, or end it first.</source>
        <translation>Er loopt al een installatie voor deze gebruiker (%1). Deze stopt zonder iets aan te raken: laat de andere eerst eindigen, of beëindig ze eerst.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2. Remove it, or point XDG_STATE_HOME at a folder of your own.</source>
        <translation>de map %1 kan niet gebruikt worden: %2. Verwijder ze, of laat XDG_STATE_HOME naar een eigen map wijzen.</translation>
    </message>
    <message>
        <source>%1 Sec.</source>
        <translation>%1 sec.</translation>
    </message>
    <message>
        <source>the restart was refused</source>
        <translation>het opnieuw opstarten werd geweigerd</translation>
    </message>
    <message>
        <source>The computer could not be restarted (%1). Restart it yourself: the installation goes on by itself at the next log-on.</source>
        <translation>De computer kon niet opnieuw opgestart worden (%1). Start hem zelf opnieuw op: de installatie gaat vanzelf verder bij de volgende aanmelding.</translation>
    </message>
    <message>
        <source>runs as root only, through pkexec</source>
        <translation>draait alleen als root, via pkexec</translation>
    </message>
    <message>
        <source>the user who asked is unknown</source>
        <translation>de gebruiker die het vroeg is onbekend</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>geweigerd: %1</translation>
    </message>
    <message>
        <source>There is no previous installation to undo (status %1).</source>
        <translation>Er is geen vorige installatie om ongedaan te maken (status %1).</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Geannuleerd.</translation>
    </message>
    <message>
        <source>give exactly one customer code (see --help).</source>
        <translation>geef precies één klantcode op (zie --help).</translation>
    </message>
    <message>
        <source>a customer code has at most 13 characters; &quot;%1&quot; has more.</source>
        <translation>een klantcode heeft hoogstens 13 tekens; &quot;%1&quot; heeft er meer.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (zie --help)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>The computer was not restarted</source>
        <translation>De computer is niet opnieuw opgestart</translation>
    </message>
    <message>
        <source>there is no display to show the wizard on: start it in the desktop session of the till&apos;s user, or install with skarvel-cli on a terminal.</source>
        <translation>er is geen beeldscherm om de wizard op te tonen: start hem in de bureaubladsessie van de gebruiker van de kassa, of installeer met skarvel-cli in een terminal.</translation>
    </message>
    <message>
        <source>the option %1 takes no value</source>
        <translation>de optie %1 neemt geen waarde</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>de optie %1 heeft een waarde nodig</translation>
    </message>
</context>
<context>
    <name>Service</name>
    <message>
        <source>Field &apos;%1&apos; holds a malformed packed decimal (precision %2, scale %3)</source>
        <translation>Veld &apos;%1&apos; bevat een ongeldig verpakt decimaal getal (precisie %2, schaal %3)</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; holds a malformed packed decimal (a digit above 9)</source>
        <translation>Veld &apos;%1&apos; bevat een ongeldig verpakt decimaal getal (een cijfer boven 9)</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; holds &apos;%2&apos;, which is not a whole number</source>
        <translation>Veld &apos;%1&apos; bevat &apos;%2&apos;, en dat is geen geheel getal</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; holds %2, which is not a whole number</source>
        <translation>Veld &apos;%1&apos; bevat %2, en dat is geen geheel getal</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot hold %2</source>
        <translation>Veld &apos;%1&apos; kan %2 niet bevatten</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be read as a whole number</source>
        <translation>Veld &apos;%1&apos; kan niet als geheel getal gelezen worden</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; is not a character field</source>
        <translation>Veld &apos;%1&apos; is geen tekstveld</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be written as a whole number</source>
        <translation>Veld &apos;%1&apos; kan niet als geheel getal geschreven worden</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos;: no current row</source>
        <translation>Veld &apos;%1&apos;: geen huidige rij</translation>
    </message>
    <message>
        <source>Column &apos;%1&apos; cannot be defined: a name holds at most 32 characters, a precision is 0 to 15 and a size 0 to 255</source>
        <translation>Kolom &apos;%1&apos; kan niet gedefinieerd worden: een naam heeft hoogstens 32 tekens, een precisie is 0 tot 15 en een grootte 0 tot 255</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Veld &apos;%1&apos; niet gevonden</translation>
    </message>
    <message>
        <source>The service&apos;s answer is malformed: %1.</source>
        <translation>Het antwoord van de configuratieservice is ongeldig: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at offset %2 is not a hexadecimal number</source>
        <translation>&quot;%1&quot; op positie %2 is geen hexadecimaal getal</translation>
    </message>
    <message>
        <source>column &quot;%1&quot; has the unknown type code %2</source>
        <translation>kolom &quot;%1&quot; heeft de onbekende typecode %2</translation>
    </message>
    <message>
        <source>The service&apos;s answer could not be decompressed: %1.</source>
        <translation>Het antwoord van de configuratieservice kon niet uitgepakt worden: %1.</translation>
    </message>
    <message>
        <source>it holds %1 characters, fewer than the 16 of its header</source>
        <translation>het bevat %1 tekens, minder dan de 16 van de kop</translation>
    </message>
    <message>
        <source>its column definitions take %1 characters, which is not a multiple of 37</source>
        <translation>de kolomdefinities nemen %1 tekens in, en dat is geen veelvoud van 37</translation>
    </message>
    <message>
        <source>it declares %1 characters of column definitions but ends before them</source>
        <translation>het vermeldt %1 tekens kolomdefinities maar houdt op voor die er zijn</translation>
    </message>
    <message>
        <source>it declares %1 rows but no columns</source>
        <translation>het vermeldt %1 rijen maar geen kolommen</translation>
    </message>
    <message>
        <source>it declares %1 rows of %2 bytes but holds only %3 bytes of rows</source>
        <translation>het vermeldt %1 rijen van %2 bytes maar bevat maar %3 bytes aan rijen</translation>
    </message>
    <message>
        <source>The table cannot be written: its type code (%1) does not fit %2 hexadecimal digits.</source>
        <translation>De tabel kan niet geschreven worden: de typecode (%1) past niet in %2 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>The table cannot be written: its precision (%1) does not fit %2 hexadecimal digits.</source>
        <translation>De tabel kan niet geschreven worden: de precisie (%1) past niet in %2 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>The table cannot be written: its column size (%1) does not fit %2 hexadecimal digits.</source>
        <translation>De tabel kan niet geschreven worden: de kolomgrootte (%1) past niet in %2 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>The table cannot be written: its row width (%1) does not fit %2 hexadecimal digits.</source>
        <translation>De tabel kan niet geschreven worden: de rijbreedte (%1) past niet in %2 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>The table cannot be written: its row count (%1) does not fit %2 hexadecimal digits.</source>
        <translation>De tabel kan niet geschreven worden: het aantal rijen (%1) past niet in %2 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>The table cannot be written: its definition length (%1) does not fit %2 hexadecimal digits.</source>
        <translation>De tabel kan niet geschreven worden: de lengte van de definities (%1) past niet in %2 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>HTTP %1 for %2</source>
        <translation>HTTP %1 voor %2</translation>
    </message>
    <message>
        <source>CheckStatus answered %1</source>
        <translation>CheckStatus antwoordde %1</translation>
    </message>
    <message>
        <source>The download server %1 has not answered for %2 s.</source>
        <translation>De downloadserver %1 antwoordt al %2 s niet.</translation>
    </message>
    <message>
        <source>The configuration service at %1 has not answered for %2 s.</source>
        <translation>De configuratieservice op %1 antwoordt al %2 s niet.</translation>
    </message>
    <message>
        <source>libcurl could not be initialised</source>
        <translation>libcurl kon niet gestart worden</translation>
    </message>
    <message>
        <source>libcurl could not create a transfer</source>
        <translation>libcurl kon geen overdracht aanmaken</translation>
    </message>
    <message>
        <source>A request to %1 is still running.</source>
        <translation>Er loopt nog een aanvraag naar %1.</translation>
    </message>
    <message>
        <source>libcurl could not create a request for %1</source>
        <translation>libcurl kon geen aanvraag aanmaken voor %1</translation>
    </message>
    <message>
        <source>libcurl could not start the request for %1</source>
        <translation>libcurl kon de aanvraag voor %1 niet starten</translation>
    </message>
    <message>
        <source>the wait was given up after the service sent nothing for %1 s</source>
        <translation>het wachten werd opgegeven nadat de configuratieservice %1 s niets stuurde</translation>
    </message>
    <message>
        <source>zlib could not start inflating</source>
        <translation>zlib kon het uitpakken niet starten</translation>
    </message>
    <message>
        <source>the data ends before the end of the stream</source>
        <translation>de gegevens houden op voor het einde van de stroom</translation>
    </message>
    <message>
        <source>it inflates to more than %1 bytes</source>
        <translation>uitgepakt is het groter dan %1 bytes</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>SKARVEL_SERVICE_URL and SKARVEL_SERVICE_HOST are both set: set only one of them</source>
        <translation>SKARVEL_SERVICE_URL en SKARVEL_SERVICE_HOST zijn allebei ingesteld: stel er maar één in</translation>
    </message>
    <message>
        <source>%1 must be a host name or address, optionally followed by :port, not &quot;%2&quot;</source>
        <translation>%1 moet een computernaam of adres zijn, eventueel gevolgd door :poort, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must give a port number from 1 to 65535 after its &quot;:&quot;, not &quot;%2&quot;</source>
        <translation>%1 moet na de &quot;:&quot; een poortnummer van 1 tot 65535 geven, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>SKARVEL_FTP_TLS must be off or required, not &quot;%1&quot;</source>
        <translation>SKARVEL_FTP_TLS moet off of required zijn, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>SKARVEL_CA_FILE must name a file of certificates in PEM this user can read (an absolute path), not &quot;%1&quot;</source>
        <translation>SKARVEL_CA_FILE moet een bestand met certificaten in PEM noemen dat deze gebruiker kan lezen (een absoluut pad), niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 must be an absolute folder, not &quot;%2&quot;</source>
        <translation>%1 moet een absolute map zijn, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>SKARVEL_FTP_PORT must be a port number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>SKARVEL_FTP_PORT moet een poortnummer van 1 tot 65535 zijn, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>SKARVEL_SERVICE_URL must be https://host[:port] (or http://host[:port]), not &quot;%1&quot;</source>
        <translation>SKARVEL_SERVICE_URL moet https://host[:poort] (of http://host[:poort]) zijn, niet &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the configuration service stopped answering</source>
        <translation>de configuratieservice antwoordt niet meer</translation>
    </message>
    <message>
        <source>status report %1 got no answer</source>
        <translation>statusmelding %1 kreeg geen antwoord</translation>
    </message>
    <message>
        <source>the configuration service did not take the step&apos;s report</source>
        <translation>de configuratieservice heeft de melding van de stap niet aanvaard</translation>
    </message>
    <message>
        <source>status report %1 answered &quot;%2&quot;</source>
        <translation>statusmelding %1 kreeg als antwoord &quot;%2&quot;</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>stap %1</translation>
    </message>
    <message>
        <source>the installation stopped at this step before; put the cause right, then undo the installation to install again</source>
        <translation>de installatie is al eens bij deze stap gestopt; verhelp de oorzaak en maak daarna de installatie ongedaan om opnieuw te installeren</translation>
    </message>
    <message>
        <source>status %1 at the start of the run</source>
        <translation>status %1 bij het begin van de uitvoering</translation>
    </message>
    <message>
        <source>the installation stopped at this step before: %1; put the cause right, then undo the installation to install again</source>
        <translation>de installatie is al eens bij deze stap gestopt: %1; verhelp de oorzaak en maak daarna de installatie ongedaan om opnieuw te installeren</translation>
    </message>
    <message>
        <source>The package %1 is no longer in the work folder: it is downloaded again.</source>
        <translation>Het pakket %1 staat niet meer in de werkmap: het wordt opnieuw gedownload.</translation>
    </message>
    <message>
        <source>the till database</source>
        <translation>de kassadatabase</translation>
    </message>
    <message>
        <source>the central database</source>
        <translation>de centrale database</translation>
    </message>
    <message>
        <source>no database server answers at %1 for %2 %3%4: it must run there before the database step</source>
        <translation>geen databaseserver antwoordt op %1 voor %2 %3%4: die moet daar draaien vóór de databasestap</translation>
    </message>
    <message>
        <source>the database server may not open %1 %2%3: its account must be able to read and write the file and pass the folders above it</source>
        <translation>de databaseserver mag %1 %2%3 niet openen: zijn account moet het bestand kunnen lezen en schrijven en door de mappen erboven kunnen gaan</translation>
    </message>
    <message>
        <source>could not open %1 %2%3</source>
        <translation>kon %1 %2%3 niet openen</translation>
    </message>
    <message>
        <source>the shop&apos;s data was not copied completely into the till</source>
        <translation>de gegevens van de winkel zijn niet volledig naar de kassa gekopieerd</translation>
    </message>
    <message>
        <source>the shop&apos;s data was not copied completely into the till: %1</source>
        <translation>de gegevens van de winkel zijn niet volledig naar de kassa gekopieerd: %1</translation>
    </message>
    <message>
        <source>the closing number could not be settled: %1</source>
        <translation>het afsluitnummer kon niet worden afgestemd: %1</translation>
    </message>
    <message>
        <source>the folder %1 is never deleted: %2</source>
        <translation>de map %1 wordt nooit verwijderd: %2</translation>
    </message>
    <message>
        <source>could not empty the folder %1</source>
        <translation>kon de map %1 niet leegmaken</translation>
    </message>
    <message>
        <source>could not prepare the folder %1: %2</source>
        <translation>kon de map %1 niet klaarmaken: %2</translation>
    </message>
    <message>
        <source>making the till folder %1</source>
        <translation>het aanmaken van de kassamap %1</translation>
    </message>
    <message>
        <source>The till folder %1 is not emptied: %2. Nothing was moved or deleted; check the till folder the service holds for this customer (PPA_POSPATH).</source>
        <translation>De kassamap %1 wordt niet leeggemaakt: %2. Er is niets verplaatst of verwijderd; controleer de kassamap die de configuratieservice voor deze klant bijhoudt (PPA_POSPATH).</translation>
    </message>
    <message>
        <source>the till folder %1 is not emptied: %2</source>
        <translation>de kassamap %1 wordt niet leeggemaakt: %2</translation>
    </message>
    <message>
        <source>the work folder %1 cannot be used: %2</source>
        <translation>de werkmap %1 kan niet worden gebruikt: %2</translation>
    </message>
    <message>
        <source>the printing system refused it</source>
        <translation>het afdruksysteem heeft ze geweigerd</translation>
    </message>
    <message>
        <source>adding the receipt printer %1</source>
        <translation>het toevoegen van de bonprinter %1</translation>
    </message>
    <message>
        <source>installing the database server %1</source>
        <translation>het installeren van de databaseserver %1</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: no package in %2</source>
        <translation>de databaseserver %1 is niet geïnstalleerd: geen pakket in %2</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: %2</source>
        <translation>de databaseserver %1 is niet geïnstalleerd: %2</translation>
    </message>
    <message>
        <source>the entry that resumes the installation after the restart could not be written: %1</source>
        <translation>het item dat de installatie na de herstart hervat, kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>the database server at %1 refuses the installation&apos;s administrator login%2: an administrator sets the password of its SYSDBA to the installation&apos;s (see THE ADMINISTRATOR&apos;S PART in man skarvel-cli)</source>
        <translation>de databaseserver op %1 weigert de beheerderslogin van de installatie%2: een beheerder stelt het wachtwoord van zijn SYSDBA in op dat van de installatie (zie THE ADMINISTRATOR&apos;S PART in man skarvel-cli)</translation>
    </message>
    <message>
        <source>the configuration service holds an installation status that names no step of the installation: ask the helpdesk to set the customer&apos;s status</source>
        <translation>de configuratieservice heeft een installatiestatus die geen stap van de installatie aanduidt: vraag de helpdesk de status van de klant in te stellen</translation>
    </message>
    <message>
        <source>installation status %1</source>
        <translation>installatiestatus %1</translation>
    </message>
    <message>
        <source>the till package %1 holds no folder lumtrak with the till programs: ask the helpdesk to check the package on the download server</source>
        <translation>het kassapakket %1 bevat geen map lumtrak met de kassaprogramma&apos;s: vraag de helpdesk het pakket op de downloadserver te controleren</translation>
    </message>
    <message>
        <source>the customer&apos;s record asks for a database server of version %1, for which there is no package: ask the helpdesk to correct the record</source>
        <translation>de gegevens van de klant vragen om een databaseserver van versie %1, waarvoor geen pakket bestaat: vraag de helpdesk de gegevens te verbeteren</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>%1 needs the administrator&apos;s consent through polkit, and pkexec is not installed (Debian package pkexec)</source>
        <translation>%1 vraagt de toestemming van een beheerder via polkit, maar pkexec is niet geïnstalleerd (Debian-pakket pkexec)</translation>
    </message>
    <message>
        <source>%1 needs the helper %2, which is missing: install the skarvel package again</source>
        <translation>%1 heeft het hulpprogramma %2 nodig, maar dat ontbreekt: installeer het skarvel-pakket opnieuw</translation>
    </message>
    <message>
        <source>%1: pkexec could not be started</source>
        <translation>%1: pkexec kon niet gestart worden</translation>
    </message>
    <message>
        <source>%1 did not end: the program is closing</source>
        <translation>%1 is niet afgerond: het programma wordt afgesloten</translation>
    </message>
    <message>
        <source>%1: the administrator&apos;s authentication was dismissed</source>
        <translation>%1: de aanmelding van de beheerder werd afgebroken</translation>
    </message>
    <message>
        <source>%1 was not allowed (%2)</source>
        <translation>%1 werd niet toegestaan (%2)</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 is mislukt: %2</translation>
    </message>
    <message>
        <source>%1 failed (pkexec ended with exit code %2: %3)</source>
        <translation>%1 is mislukt (pkexec stopte met foutcode %2: %3)</translation>
    </message>
    <message>
        <source>pkcheck is not installed (no polkit here)</source>
        <translation>pkcheck is niet geïnstalleerd (geen polkit op deze computer)</translation>
    </message>
    <message>
        <source>polkit allows it without a password</source>
        <translation>polkit laat het toe zonder wachtwoord</translation>
    </message>
    <message>
        <source>polkit does not allow it</source>
        <translation>polkit laat het niet toe</translation>
    </message>
    <message>
        <source>polkit allows it after an administrator&apos;s authentication</source>
        <translation>polkit laat het toe nadat een beheerder zich aanmeldt</translation>
    </message>
    <message>
        <source>polkit did not answer</source>
        <translation>polkit gaf geen antwoord</translation>
    </message>
    <message>
        <source>polkit did not answer (%1)</source>
        <translation>polkit gaf geen antwoord (%1)</translation>
    </message>
    <message>
        <source>needs an administrator: </source>
        <translation>vraagt een beheerder: </translation>
    </message>
    <message>
        <source>the server sent nothing for %1</source>
        <translation>de server stuurde niets gedurende %1</translation>
    </message>
    <message>
        <source>the wait was given up after the server sent nothing for %1</source>
        <translation>het wachten werd opgegeven nadat de server gedurende %1 niets stuurde</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>de server heeft de verbinding verbroken</translation>
    </message>
    <message>
        <source>the connection to the server was lost</source>
        <translation>de verbinding met de server is verbroken</translation>
    </message>
    <message>
        <source>the connection to the server was lost (%1)</source>
        <translation>de verbinding met de server is verbroken (%1)</translation>
    </message>
    <message>
        <source>the transfer library could not start</source>
        <translation>de overdrachtsbibliotheek kon niet starten</translation>
    </message>
    <message>
        <source>the server did not answer %1</source>
        <translation>de server antwoordde niet op %1</translation>
    </message>
    <message>
        <source>%1 belongs to %2, so this user cannot let %3 pass it; an administrator runs: setfacl -m u:%3:x %4</source>
        <translation>%1 is van %2, dus kan deze gebruiker %3 er geen toegang toe geven; een beheerder voert uit: setfacl -m u:%3:x %4</translation>
    </message>
    <message>
        <source>the file system of %1 keeps no access lists (%2), so %3 cannot be let pass it: put the till database on a file system that keeps them (ext4, xfs, tmpfs), or let %3 own it</source>
        <translation>het bestandssysteem van %1 houdt geen toegangslijsten bij (%2), dus kan %3 er geen toegang toe krijgen: zet de database van de kassa op een bestandssysteem dat ze wel bijhoudt (ext4, xfs, tmpfs), of maak %3 eigenaar</translation>
    </message>
    <message>
        <source>%1 belongs to %2, so this user cannot let %3 read and write it; an administrator runs: setfacl -m u:%3:rw %4</source>
        <translation>%1 is van %2, dus kan deze gebruiker %3 geen lees- en schrijfrechten geven; een beheerder voert uit: setfacl -m u:%3:rw %4</translation>
    </message>
    <message>
        <source>the file system of %1 keeps no access lists (%2), so %3 cannot be let read and write it: put the till database on a file system that keeps them (ext4, xfs, tmpfs), or let %3 own it</source>
        <translation>het bestandssysteem van %1 houdt geen toegangslijsten bij (%2), dus kan %3 er geen lees- en schrijfrechten op krijgen: zet de database van de kassa op een bestandssysteem dat ze wel bijhoudt (ext4, xfs, tmpfs), of maak %3 eigenaar</translation>
    </message>
    <message>
        <source>could not let %1 use %2: %3</source>
        <translation>kon %1 geen toegang geven tot %2: %3</translation>
    </message>
    <message>
        <source>could not copy %1 to %2: %3</source>
        <translation>kon %1 niet kopiëren naar %2: %3</translation>
    </message>
    <message>
        <source>could not create the folder %1: %2</source>
        <translation>kon de map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>could not copy from %1: %2</source>
        <translation>kon niet kopiëren uit %1: %2</translation>
    </message>
    <message>
        <source>could not read the folder %1: %2</source>
        <translation>kon de map %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>could not delete %1: %2</source>
        <translation>kon %1 niet verwijderen: %2</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>kon %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>proces %1</translation>
    </message>
    <message>
        <source>could not create the folder %1</source>
        <translation>kon de map %1 niet aanmaken</translation>
    </message>
    <message>
        <source>%1: not an absolute folder</source>
        <translation>%1: geen volledig mappad</translation>
    </message>
    <message>
        <source>the printing system wants a password or an administrator to add printers (%1); add it as root, or as a user of the lpadmin group</source>
        <translation>het afdruksysteem vraagt een wachtwoord of een beheerder om printers toe te voegen (%1); voeg de printer toe als root, of als gebruiker van de groep lpadmin</translation>
    </message>
    <message>
        <source>no printing system answers at %1 (%2)</source>
        <translation>geen afdruksysteem antwoordt op %1 (%2)</translation>
    </message>
    <message>
        <source>the port %1 has no device on this system</source>
        <translation>de poort %1 heeft geen apparaat op deze computer</translation>
    </message>
    <message>
        <source>the printing system does not answer: %1</source>
        <translation>het afdruksysteem antwoordt niet: %1</translation>
    </message>
    <message>
        <source>a printer named %1 exists already</source>
        <translation>er bestaat al een printer met de naam %1</translation>
    </message>
    <message>
        <source>its parent cannot be made</source>
        <translation>de bovenliggende map kan niet aangemaakt worden</translation>
    </message>
    <message>
        <source>it is no folder</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <source>it belongs to another user (user id %1)</source>
        <translation>het is van een andere gebruiker (gebruikersnummer %1)</translation>
    </message>
    <message>
        <source>other users may write in it</source>
        <translation>andere gebruikers mogen erin schrijven</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Het instellingenbestand %1 kan niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2</source>
        <translation>Het instellingenbestand %1 kan niet geschreven worden: %2</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>de computer kon niet opnieuw opgestart worden: systemctl kon niet gestart worden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached from %2: the server named no full path for the folder it logged in to</source>
        <translation>de map %1 is niet bereikbaar vanuit %2: de server gaf geen volledig pad voor de map waarin hij aanmeldde</translation>
    </message>
    <message>
        <source>a folder name holds a line break</source>
        <translation>een mapnaam bevat een regeleinde</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 bestaat al</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kan niet gelezen worden</translation>
    </message>
    <message>
        <source>%1 bytes arrived where the server gave the file&apos;s size as %2</source>
        <translation>er kwamen %1 bytes aan, terwijl de server %2 als grootte van het bestand opgaf</translation>
    </message>
    <message>
        <source>could not rename %1 to %2: %3</source>
        <translation>kon %1 niet hernoemen naar %2: %3</translation>
    </message>
    <message>
        <source>the system refused the restart without giving a reason</source>
        <translation>het systeem weigerde de herstart zonder een reden te geven</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>%1 s left</source>
        <translation>nog %1 s</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>nog %1 min</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>rijen</translation>
    </message>
    <message>
        <source>step %1 failed, reported %2</source>
        <translation>stap %1 mislukt, status %2 gemeld</translation>
    </message>
    <message>
        <source>step %1 done, reported %2</source>
        <translation>stap %1 klaar, status %2 gemeld</translation>
    </message>
    <message>
        <source>(not acknowledged: %1)</source>
        <translation>(niet bevestigd: %1)</translation>
    </message>
    <message>
        <source>Customer %1</source>
        <translation>Klant %1</translation>
    </message>
    <message>
        <source>Installation status %1</source>
        <translation>Installatiestatus %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Waarschuwing: %1</translation>
    </message>
    <message>
        <source>The restart was not performed (--no-restart). After it, start the installation again with: skarvel-cli %1</source>
        <translation>De herstart is niet uitgevoerd (--no-restart). Start na de herstart de installatie opnieuw met: skarvel-cli %1</translation>
    </message>
    <message>
        <source>Or start the installation again after it with: skarvel-cli %1</source>
        <translation>Of start de installatie na de herstart opnieuw met: skarvel-cli %1</translation>
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
    <message>
        <source>(details: %1)</source>
        <translation>(details: %1)</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>scherm %1</translation>
    </message>
    <message>
        <source>the configuration service does not know the customer code %1</source>
        <translation>de configuratieservice kent de klantcode %1 niet</translation>
    </message>
    <message>
        <source>the receipt templates of the customer could not be made</source>
        <translation>de bonsjablonen van de klant konden niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the receipt templates of the customer could not be made: %1</source>
        <translation>de bonsjablonen van de klant konden niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>Please Contact Helpdesk  Zelvane !!!</source>
        <translation>Neem contact op met de helpdesk van Zelvane !!!</translation>
    </message>
</context>
<context>
    <name>Workstation</name>
    <message>
        <source>it is the root folder</source>
        <translation>het is de hoofdmap van het systeem</translation>
    </message>
    <message>
        <source>it is a top-level folder of the system</source>
        <translation>het is een map op het hoogste niveau van het systeem</translation>
    </message>
    <message>
        <source>it is the home folder, or holds it</source>
        <translation>het is de persoonlijke map, of bevat die</translation>
    </message>
    <message>
        <source>it is the work folder, or holds it</source>
        <translation>het is de werkmap, of bevat die</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>it holds no till installation (neither LUMTRAK.pos nor the till program) and what is not the till package&apos;s: %1</source>
        <translation>er staat geen kassa-installatie in (geen LUMTRAK.pos en geen kassaprogramma), wel wat niet bij het kassapakket hoort: %1</translation>
    </message>
    <message>
        <source>the archive %1 could not be unpacked (the archive tool could not be started)</source>
        <translation>het archief %1 kon niet uitgepakt worden (het archiefprogramma kon niet gestart worden)</translation>
    </message>
    <message>
        <source>the archive %1 could not be unpacked (exit code %2)</source>
        <translation>het archief %1 kon niet uitgepakt worden (foutcode %2)</translation>
    </message>
    <message>
        <source>the archive %1 could not be unpacked (%2)</source>
        <translation>het archief %1 kon niet uitgepakt worden (%2)</translation>
    </message>
    <message>
        <source>the archive %1 is missing from the work folder</source>
        <translation>het archief %1 ontbreekt in de werkmap</translation>
    </message>
    <message>
        <source>%1, and %2 more in the log</source>
        <translation>%1, en nog %2 in het logbestand</translation>
    </message>
</context>
</TS>
