<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_BE" sourcelanguage="en">
<context>
    <name>Network</name>
    <message>
        <source>The name of the configuration service, %1, cannot be found on the network.</source>
        <translation>Le nom du service de configuration, %1, est introuvable sur le réseau.</translation>
    </message>
    <message>
        <source>The configuration service at %1 refuses the connection.</source>
        <translation>Le service de configuration à l&apos;adresse %1 refuse la connexion.</translation>
    </message>
    <message>
        <source>Nothing came back from the configuration service at %1 within the time limit.</source>
        <translation>Le service de configuration à l&apos;adresse %1 n&apos;a pas répondu dans le délai.</translation>
    </message>
    <message>
        <source>The wait for the configuration service at %1 was given up.</source>
        <translation>L&apos;attente du service de configuration à l&apos;adresse %1 a été abandonnée.</translation>
    </message>
    <message>
        <source>The connection to the configuration service at %1 broke off.</source>
        <translation>La connexion au service de configuration à l&apos;adresse %1 a été interrompue.</translation>
    </message>
    <message>
        <source>What answers at %1 is not the configuration service: check its address and port.</source>
        <translation>Ce qui répond à l&apos;adresse %1 n&apos;est pas le service de configuration : vérifiez son adresse et son port.</translation>
    </message>
    <message>
        <source>The configuration service at %1 answered &quot;not found&quot;.</source>
        <translation>Le service de configuration à l&apos;adresse %1 a répondu « introuvable ».</translation>
    </message>
    <message>
        <source>The configuration service at %1 answered, but not that it is ready.</source>
        <translation>Le service de configuration à l&apos;adresse %1 a répondu, mais pas qu&apos;il est prêt.</translation>
    </message>
    <message>
        <source>The configuration service at %1 does not offer an encrypted connection.</source>
        <translation>Le service de configuration à l&apos;adresse %1 ne propose pas de connexion chiffrée.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 has expired.</source>
        <translation>Le certificat du service de configuration à l&apos;adresse %1 a expiré.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 is not valid yet.</source>
        <translation>Le certificat du service de configuration à l&apos;adresse %1 n&apos;est pas encore valide.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 comes from an authority this computer does not trust.</source>
        <translation>Le certificat du service de configuration à l&apos;adresse %1 vient d&apos;une autorité à laquelle cet ordinateur ne fait pas confiance.</translation>
    </message>
    <message>
        <source>The certificate of the configuration service at %1 is made out for another name.</source>
        <translation>Le certificat du service de configuration à l&apos;adresse %1 est établi pour un autre nom.</translation>
    </message>
    <message>
        <source>No encrypted connection could be set up with the configuration service at %1.</source>
        <translation>Aucune connexion chiffrée n&apos;a pu être établie avec le service de configuration à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>The configuration service at %1 cannot be reached.</source>
        <translation>Le service de configuration à l&apos;adresse %1 est injoignable.</translation>
    </message>
    <message>
        <source>The name of the download server, %1, cannot be found on the network.</source>
        <translation>Le nom du serveur de téléchargement, %1, est introuvable sur le réseau.</translation>
    </message>
    <message>
        <source>The download server %1 refuses the connection.</source>
        <translation>Le serveur de téléchargement %1 refuse la connexion.</translation>
    </message>
    <message>
        <source>Nothing came back from the download server %1 within the time limit.</source>
        <translation>Le serveur de téléchargement %1 n&apos;a pas répondu dans le délai.</translation>
    </message>
    <message>
        <source>The wait for the download server %1 was given up.</source>
        <translation>L&apos;attente du serveur de téléchargement %1 a été abandonnée.</translation>
    </message>
    <message>
        <source>The connection to the download server %1 broke off.</source>
        <translation>La connexion au serveur de téléchargement %1 a été interrompue.</translation>
    </message>
    <message>
        <source>What answers at %1 is not the download server: check its address and port.</source>
        <translation>Ce qui répond à l&apos;adresse %1 n&apos;est pas le serveur de téléchargement : vérifiez son adresse et son port.</translation>
    </message>
    <message>
        <source>The download server %1 refused the login.</source>
        <translation>Le serveur de téléchargement %1 a refusé la connexion du compte.</translation>
    </message>
    <message>
        <source>The download server %1 does not offer the encrypted connection this computer requires.</source>
        <translation>Le serveur de téléchargement %1 ne propose pas la connexion chiffrée que cet ordinateur exige.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 has expired.</source>
        <translation>Le certificat du serveur de téléchargement %1 a expiré.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 is not valid yet.</source>
        <translation>Le certificat du serveur de téléchargement %1 n&apos;est pas encore valide.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 comes from an authority this computer does not trust.</source>
        <translation>Le certificat du serveur de téléchargement %1 vient d&apos;une autorité à laquelle cet ordinateur ne fait pas confiance.</translation>
    </message>
    <message>
        <source>The certificate of the download server %1 is made out for another name.</source>
        <translation>Le certificat du serveur de téléchargement %1 est établi pour un autre nom.</translation>
    </message>
    <message>
        <source>No encrypted connection could be set up with the download server %1.</source>
        <translation>Aucune connexion chiffrée n&apos;a pu être établie avec le serveur de téléchargement %1.</translation>
    </message>
    <message>
        <source>The download server %1 cannot be reached.</source>
        <translation>Le serveur de téléchargement %1 est injoignable.</translation>
    </message>
    <message>
        <source>The download server %1 refused the folder %2.</source>
        <translation>Le serveur de téléchargement %1 a refusé le dossier %2.</translation>
    </message>
    <message>
        <source>The folder %2 could not be entered on the download server %1.</source>
        <translation>Le dossier %2 n&apos;a pas pu être ouvert sur le serveur de téléchargement %1.</translation>
    </message>
    <message>
        <source>The download server %1 refused to list the folder %2.</source>
        <translation>Le serveur de téléchargement %1 a refusé de lister le dossier %2.</translation>
    </message>
    <message>
        <source>The folder %2 could not be listed on the download server %1.</source>
        <translation>Le contenu du dossier %2 n&apos;a pas pu être lu sur le serveur de téléchargement %1.</translation>
    </message>
    <message>
        <source>The download server %1 refused the file %2.</source>
        <translation>Le serveur de téléchargement %1 a refusé le fichier %2.</translation>
    </message>
    <message>
        <source>The file %2 could not be written into the work folder.</source>
        <translation>Le fichier %2 n&apos;a pas pu être écrit dans le dossier de travail.</translation>
    </message>
    <message>
        <source>The file %2 could not be downloaded from the download server %1.</source>
        <translation>Le fichier %2 n&apos;a pas pu être téléchargé depuis le serveur de téléchargement %1.</translation>
    </message>
    <message>
        <source>The download server %1 refused the upload of %2.</source>
        <translation>Le serveur de téléchargement %1 a refusé l&apos;envoi de %2.</translation>
    </message>
    <message>
        <source>The file %2 could not be read on this computer.</source>
        <translation>Le fichier %2 n&apos;a pas pu être lu sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The file %2 could not be uploaded to the download server %1.</source>
        <translation>Le fichier %2 n&apos;a pas pu être envoyé au serveur de téléchargement %1.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>There was a error found when installing Lumtrak:</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;installation de Lumtrak :</translation>
    </message>
    <message>
        <source>No valid customer code was entered. Check the code and try again.</source>
        <translation>Aucun code client valable n&apos;a été saisi. Vérifiez le code et réessayez.</translation>
    </message>
    <message>
        <source>Skarvel cannot connect to webservers(Zelvane)</source>
        <translation>Skarvel ne peut pas se connecter aux serveurs web de Zelvane.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Installation Done!</source>
        <translation>Installation terminée !</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Not everything could be done:</source>
        <translation>Tout n&apos;a pas pu être fait :</translation>
    </message>
    <message>
        <source>The installation stops when the current step has ended. Skarvel then closes.</source>
        <translation>L&apos;installation s&apos;arrête dès que l&apos;étape en cours est terminée. Skarvel se ferme ensuite.</translation>
    </message>
    <message>
        <source>Asking the configuration service at %1 ...</source>
        <translation>Interrogation du service de configuration à l&apos;adresse %1 ...</translation>
    </message>
    <message>
        <source>The installation wizard is open already on %1. Go on with the installation there, or close it there first.</source>
        <translation>L&apos;assistant d&apos;installation est déjà ouvert sur %1. Poursuivez l&apos;installation là-bas, ou fermez-le d&apos;abord là-bas.</translation>
    </message>
    <message>
        <source>Its window could not be brought to the front from here.</source>
        <translation>Sa fenêtre n&apos;a pas pu être mise au premier plan d&apos;ici.</translation>
    </message>
    <message>
        <source>It runs in %1, which has no window: let it end, or end it where it was started.</source>
        <translation>Elle tourne dans %1, qui n&apos;a pas de fenêtre : laissez-la se terminer, ou arrêtez-la là où elle a été lancée.</translation>
    </message>
    <message>
        <source>the receipt printer %1 was not added; add it in the computer&apos;s printer settings before the till prints receipts</source>
        <translation>l&apos;imprimante de tickets %1 n&apos;a pas été ajoutée ; ajoutez-la dans les paramètres d&apos;impression de l&apos;ordinateur avant que la caisse imprime des tickets</translation>
    </message>
    <message>
        <source>the receipt printer %1 was not added (%2); add it in the computer&apos;s printer settings before the till prints receipts</source>
        <translation>l&apos;imprimante de tickets %1 n&apos;a pas été ajoutée (%2) ; ajoutez-la dans les paramètres d&apos;impression de l&apos;ordinateur avant que la caisse imprime des tickets</translation>
    </message>
</context>
</TS>
