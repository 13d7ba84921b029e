<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_BE" sourcelanguage="en">
<context>
    <name>Network</name>
    <message>
        <source>The name of the configuration service, %1, cannot be found on the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration service at %1 refuses the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing came back from the configuration service at %1 within the time limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wait for the configuration service at %1 was given up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the configuration service at %1 broke off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What answers at %1 is not the configuration service: check its address and port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration service at %1 answered &quot;not found&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration service at %1 answered, but not that it is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration service at %1 does not offer an encrypted connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 is not valid yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 comes from an authority this computer does not trust.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 is made out for another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No encrypted connection could be set up with the configuration service at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration service at %1 cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the download server, %1, cannot be found on the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 refuses the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing came back from the download server %1 within the time limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wait for the download server %1 was given up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the download server %1 broke off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What answers at %1 is not the download server: check its address and port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 refused the login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 does not offer the encrypted connection this computer requires.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the download server %1 has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the download server %1 is not valid yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the download server %1 comes from an authority this computer does not trust.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the download server %1 is made out for another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No encrypted connection could be set up with the download server %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 refused the folder %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %2 could not be entered on the download server %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 refused to list the folder %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %2 could not be listed on the download server %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 refused the file %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %2 could not be written into the work folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %2 could not be downloaded from the download server %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server %1 refused the upload of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %2 could not be read on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %2 could not be uploaded to the download server %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a error found when installing Lumtrak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid customer code was entered. Check the code and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skarvel cannot connect to webservers(Zelvane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not everything could be done:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installation stops when the current step has ended. Skarvel then closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the configuration service at %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installation wizard is open already on %1. Go on with the installation there, or close it there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its window could not be brought to the front from here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It runs in %1, which has no window: let it end, or end it where it was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the receipt printer %1 was not added; add it in the computer&apos;s printer settings before the till prints receipts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the receipt printer %1 was not added (%2); add it in the computer&apos;s printer settings before the till prints receipts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
