<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_BE" sourcelanguage="en">
<context>
    <name>Advice</name>
    <message>
        <source>%1 Check the network and the service&apos;s setting (SKARVEL_SERVICE_HOST or SKARVEL_SERVICE_URL), then try again.</source>
        <translation>%1 Vérifiez le réseau et le réglage du service de configuration (SKARVEL_SERVICE_HOST ou SKARVEL_SERVICE_URL), puis réessayez.</translation>
    </message>
    <message>
        <source>the service did not accept the customer code %1. Check the code and try again, or call the helpdesk.</source>
        <translation>le service de configuration n&apos;a pas accepté le code client %1. Vérifiez le code et réessayez, ou appelez le helpdesk.</translation>
    </message>
    <message>
        <source>the installation of %1 would not succeed (%2). Put that right, then check again.</source>
        <translation>l&apos;installation de %1 ne réussirait pas (%2). Corrigez cela, puis vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>the check was cancelled.</source>
        <translation>la vérification a été annulée.</translation>
    </message>
    <message>
        <source>the configuration service at %1 stopped answering during the installation; the log %2 says why. When it answers again, start skarvel-cli %3 to continue from the step the service holds.</source>
        <translation>le service de configuration à %1 a cessé de répondre pendant l&apos;installation ; le journal %2 en donne la raison. Quand il répond à nouveau, lancez skarvel-cli %3 pour continuer à partir de l&apos;étape que le service retient.</translation>
    </message>
    <message>
        <source>the computer must restart to continue. After the restart, start skarvel-cli %1 to continue (at the next log-on the autostart entry runskarvel starts the wizard with the code).</source>
        <translation>l&apos;ordinateur doit redémarrer pour continuer. Après le redémarrage, lancez skarvel-cli %1 pour continuer (à la prochaine ouverture de session, l&apos;entrée de démarrage automatique runskarvel lance l&apos;assistant avec le code).</translation>
    </message>
    <message>
        <source>the installation was cancelled. Start skarvel-cli %1 to continue from the step the service holds.</source>
        <translation>l&apos;installation a été annulée. Lancez skarvel-cli %1 pour continuer à partir de l&apos;étape que le service retient.</translation>
    </message>
    <message>
        <source>the installation stopped at step %1 (status %2): it needs an administrator: %3 Then start skarvel-cli --undo %4 to install again from step 2.</source>
        <translation>l&apos;installation s&apos;est arrêtée à l&apos;étape %1 (statut %2) : elle a besoin d&apos;un administrateur : %3 Lancez ensuite skarvel-cli --undo %4 pour réinstaller à partir de l&apos;étape 2.</translation>
    </message>
    <message>
        <source>the installation is complete on this computer, but the configuration service did not acknowledge its end (status 120); the log %1 says why. Start skarvel-cli %2 again, without --undo, once the service answers: the next run sends the report again.</source>
        <translation>l&apos;installation est terminée sur cet ordinateur, mais le service de configuration n&apos;en a pas confirmé la fin (statut 120) ; le journal %1 en donne la raison. Relancez skarvel-cli %2, sans --undo, dès que le service répond : la prochaine exécution renvoie le rapport.</translation>
    </message>
    <message>
        <source>the installation stopped at step %1 (status %2); the log %3 says why. Put the cause right, then start skarvel-cli --undo %4 to install again from step 2.</source>
        <translation>l&apos;installation s&apos;est arrêtée à l&apos;étape %1 (statut %2) ; le journal %3 en donne la raison. Corrigez la cause, puis lancez skarvel-cli --undo %4 pour réinstaller à partir de l&apos;étape 2.</translation>
    </message>
    <message>
        <source>the installation stopped; the log %1 says why. Start skarvel-cli %2 again to continue from the step that failed.</source>
        <translation>l&apos;installation s&apos;est arrêtée ; le journal %1 en donne la raison. Relancez skarvel-cli %2 pour continuer à partir de l&apos;étape qui a échoué.</translation>
    </message>
    <message>
        <source>an administrator adds %1 to the group skarvel and copies /usr/share/skarvel/50-skarvel.rules to /etc/polkit-1/rules.d/ (see THE ADMINISTRATOR&apos;S PART in man skarvel-cli), or installs it in the wizard, where an administrator can authenticate.</source>
        <translation>un administrateur ajoute %1 au groupe skarvel et copie /usr/share/skarvel/50-skarvel.rules dans /etc/polkit-1/rules.d/ (voir THE ADMINISTRATOR&apos;S PART dans man skarvel-cli), ou l&apos;installe dans l&apos;assistant, où un administrateur peut s&apos;authentifier.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>the database server at %1 refuses the installation&apos;s administrator login (%2): an administrator sets the password of its SYSDBA to the installation&apos;s</source>
        <translation>le serveur de base de données à %1 refuse la connexion administrateur de l&apos;installation (%2) : un administrateur règle le mot de passe de son SYSDBA sur celui de l&apos;installation</translation>
    </message>
    <message>
        <source>no database server answers at %1 (%2): it must run there</source>
        <translation>aucun serveur de base de données ne répond à %1 (%2) : il doit y tourner</translation>
    </message>
    <message>
        <source>the database server at %1 could not be asked for the login (%2)</source>
        <translation>le serveur de base de données à %1 n&apos;a pas pu être interrogé sur la connexion (%2)</translation>
    </message>
    <message>
        <source>%1; %2 needs the administrator&apos;s part, and %3</source>
        <translation>%1 ; %2 a besoin de la partie administrateur, et %3</translation>
    </message>
    <message>
        <source>%1; %2 needs the administrator&apos;s part, and %3 (the desktop&apos;s authentication dialog asks)</source>
        <translation>%1 ; %2 a besoin de la partie administrateur, et %3 (la fenêtre d&apos;authentification du bureau le demande)</translation>
    </message>
    <message>
        <source>%1; %2 needs the administrator&apos;s part, and %3, which nobody can give here: this program runs in no login session with an authentication agent</source>
        <translation>%1 ; %2 a besoin de la partie administrateur, et %3, ce que personne ne peut donner ici : ce programme ne tourne dans aucune session avec un agent d&apos;authentification</translation>
    </message>
    <message>
        <source>%1 may write in the till folder %2</source>
        <translation>%1 peut écrire dans le dossier de la caisse %2</translation>
    </message>
    <message>
        <source>the till folder %1 cannot be written by %2 (%3)</source>
        <translation>%2 ne peut pas écrire dans le dossier de la caisse %1 (%3)</translation>
    </message>
    <message>
        <source>%1 may make the till folder %2</source>
        <translation>%1 peut créer le dossier de la caisse %2</translation>
    </message>
    <message>
        <source>the till folder %1 is missing</source>
        <translation>le dossier de la caisse %1 est absent</translation>
    </message>
    <message>
        <source>%1 may not write in %2 (%3), and the administrator&apos;s part does not make it: %4</source>
        <translation>%1 ne peut pas écrire dans %2 (%3), et la partie administrateur ne le crée pas : %4</translation>
    </message>
    <message>
        <source>making the till folder %1</source>
        <translation>la création du dossier de la caisse %1</translation>
    </message>
    <message>
        <source>%1 may not write in %2 (%3)</source>
        <translation>%1 ne peut pas écrire dans %2 (%3)</translation>
    </message>
    <message>
        <source>the database server&apos;s account %1 may use the till database %2 (or is let to at the database step); %3</source>
        <translation>le compte %1 du serveur de base de données peut utiliser la base de données de la caisse %2 (ou en reçoit l&apos;accès à l&apos;étape de la base de données) ; %3</translation>
    </message>
    <message>
        <source>the database server at %1 takes the installation&apos;s administrator login</source>
        <translation>le serveur de base de données à %1 accepte la connexion administrateur de l&apos;installation</translation>
    </message>
    <message>
        <source>%1 may add the printer %2</source>
        <translation>%1 peut ajouter l&apos;imprimante %2</translation>
    </message>
    <message>
        <source>adding the printer %1</source>
        <translation>l&apos;ajout de l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>%1 may not add printers: %2</source>
        <translation>%1 ne peut pas ajouter d&apos;imprimantes : %2</translation>
    </message>
    <message>
        <source>installing the database server %1</source>
        <translation>l&apos;installation du serveur de base de données %1</translation>
    </message>
    <message>
        <source>%1 is no administrator</source>
        <translation>%1 n&apos;est pas administrateur</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>the configuration service at %1 answers over plain HTTP (not encrypted)</source>
        <translation>le service de configuration à %1 répond en HTTP simple (non chiffré)</translation>
    </message>
    <message>
        <source>the configuration service at %1 answers over TLS</source>
        <translation>le service de configuration à %1 répond via TLS</translation>
    </message>
    <message>
        <source>the configuration service at %1 answers over TLS (certificate for %2, issued by %3, valid until %4)</source>
        <translation>le service de configuration à %1 répond via TLS (certificat pour %2, émis par %3, valable jusqu&apos;au %4)</translation>
    </message>
    <message>
        <source>the download server %1 accepts the login in plain FTP (not encrypted)</source>
        <translation>le serveur de téléchargement %1 accepte la connexion en FTP simple (non chiffré)</translation>
    </message>
    <message>
        <source>the download server %1 accepts the login over TLS</source>
        <translation>le serveur de téléchargement %1 accepte la connexion via TLS</translation>
    </message>
    <message>
        <source>the download server %1 accepts the login over TLS (certificate for %2, issued by %3, valid until %4)</source>
        <translation>le serveur de téléchargement %1 accepte la connexion via TLS (certificat pour %2, émis par %3, valable jusqu&apos;au %4)</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>l&apos;étape %1</translation>
    </message>
    <message>
        <source>step %1 (%2)</source>
        <translation>l&apos;étape %1 (%2)</translation>
    </message>
    <message>
        <source>%1, status %2: the undo sends the installation back; the next run starts at %3</source>
        <translation>%1, statut %2 : l&apos;annulation ramène l&apos;installation en arrière ; la prochaine exécution commence à %3</translation>
    </message>
    <message>
        <source>%1, status %2: the installation is complete; nothing is left to do</source>
        <translation>%1, statut %2 : l&apos;installation est terminée ; il ne reste rien à faire</translation>
    </message>
    <message>
        <source>%1, status %2: the installation stopped at %3; put the cause right, then start skarvel-cli --undo %4</source>
        <translation>%1, statut %2 : l&apos;installation s&apos;est arrêtée à %3 ; corrigez la cause, puis lancez skarvel-cli --undo %4</translation>
    </message>
    <message>
        <source>%1, status %2: this status names no step: the installation cannot run</source>
        <translation>%1, statut %2 : ce statut ne désigne aucune étape : l&apos;installation ne peut pas se dérouler</translation>
    </message>
    <message>
        <source>%1, status %2: the next run starts at %3</source>
        <translation>%1, statut %2 : la prochaine exécution commence à %3</translation>
    </message>
    <message>
        <source>the folder %1 cannot be listed</source>
        <translation>le dossier %1 ne peut pas être listé</translation>
    </message>
    <message>
        <source>the folder %1 has no %2</source>
        <translation>le dossier %1 ne contient pas %2</translation>
    </message>
    <message>
        <source>%1 answers, version %2</source>
        <translation>%1 répond, version %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>the free space of the work or the till folder&apos;s disk is unknown</source>
        <translation>l&apos;espace libre du disque du dossier de travail ou du dossier de la caisse est inconnu</translation>
    </message>
    <message>
        <source>the work folder needs %1 and has %2 on the disk it shares with the till folder, which needs %3</source>
        <translation>le dossier de travail a besoin de %1 et dispose de %2 sur le disque qu&apos;il partage avec le dossier de la caisse, qui a besoin de %3</translation>
    </message>
    <message>
        <source>the work folder needs %1 and has %2; the till folder needs %3 and has %4</source>
        <translation>le dossier de travail a besoin de %1 et dispose de %2 ; le dossier de la caisse a besoin de %3 et dispose de %4</translation>
    </message>
    <message>
        <source>%1 is there</source>
        <translation>%1 est présent</translation>
    </message>
    <message>
        <source>%1 is missing: install the package p7zip-full</source>
        <translation>%1 est absent : installez le paquet p7zip-full</translation>
    </message>
    <message>
        <source>a printing system answers for the printer %1</source>
        <translation>un système d&apos;impression répond pour l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>the service does not accept the customer code %1</source>
        <translation>le service de configuration n&apos;accepte pas le code client %1</translation>
    </message>
    <message>
        <source>the service %1 runs as %2</source>
        <translation>le service %1 tourne sous %2</translation>
    </message>
    <message>
        <source>the server listening on port %1 runs as %2</source>
        <translation>le serveur qui écoute sur le port %1 tourne sous %2</translation>
    </message>
    <message>
        <source>no service or listening server tells the account; taken as %1</source>
        <translation>aucun service ni serveur à l&apos;écoute n&apos;indique le compte ; %1 est supposé</translation>
    </message>
    <message>
        <source>the database server&apos;s account %1 may not use the till database %2: %3</source>
        <translation>le compte %1 du serveur de base de données ne peut pas utiliser la base de données de la caisse %2 : %3</translation>
    </message>
    <message>
        <source>this computer has no account %1 (%2): check which account the database server runs as</source>
        <translation>cet ordinateur n&apos;a pas de compte %1 (%2) : vérifiez sous quel compte tourne le serveur de base de données</translation>
    </message>
    <message>
        <source>%1: an administrator adds %2 to the group skarvel with the package&apos;s polkit rules file (see THE ADMINISTRATOR&apos;S PART in man skarvel-cli)</source>
        <translation>%1 : un administrateur ajoute %2 au groupe skarvel avec le fichier de règles polkit du paquet (voir THE ADMINISTRATOR&apos;S PART dans man skarvel-cli)</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the till database is not open</source>
        <translation>la base de données de la caisse n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>the till database is not open: %1</source>
        <translation>la base de données de la caisse n&apos;est pas ouverte : %1</translation>
    </message>
    <message>
        <source>the central database is not open</source>
        <translation>la base de données centrale n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>the central database is not open: %1</source>
        <translation>la base de données centrale n&apos;est pas ouverte : %1</translation>
    </message>
    <message>
        <source>Opening the database %1</source>
        <translation>Ouverture de la base de données %1</translation>
    </message>
    <message>
        <source>The statement has no parameter %1: %2</source>
        <translation>L&apos;instruction n&apos;a pas de paramètre %1 : %2</translation>
    </message>
    <message>
        <source>The query has no column %1: %2</source>
        <translation>La requête n&apos;a pas de colonne %1 : %2</translation>
    </message>
    <message>
        <source>A number does not fit</source>
        <translation>Un nombre ne tient pas dans son champ</translation>
    </message>
    <message>
        <source>The value %1 is not a finite number</source>
        <translation>La valeur %1 n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>The value %1 does not fit: %2</source>
        <translation>La valeur %1 ne tient pas dans son champ : %2</translation>
    </message>
    <message>
        <source>No value number %1</source>
        <translation>Pas de valeur numéro %1</translation>
    </message>
    <message>
        <source>The value %1 cannot be read as text</source>
        <translation>La valeur %1 ne peut pas être lue comme du texte</translation>
    </message>
    <message>
        <source>The value %1 is not a number</source>
        <translation>La valeur %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>The value %1 is not a date</source>
        <translation>La valeur %1 n&apos;est pas une date</translation>
    </message>
    <message>
        <source>The value %1 does not take text</source>
        <translation>La valeur %1 n&apos;accepte pas de texte</translation>
    </message>
    <message>
        <source>The value %1 is too long: %2</source>
        <translation>La valeur %1 est trop longue : %2</translation>
    </message>
    <message>
        <source>The value %1 does not take a number</source>
        <translation>La valeur %1 n&apos;accepte pas de nombre</translation>
    </message>
    <message>
        <source>The value %1 does not take a date</source>
        <translation>La valeur %1 n&apos;accepte pas de date</translation>
    </message>
</context>
<context>
    <name>Downloads</name>
    <message>
        <source>no reason given</source>
        <translation>aucune raison donnée</translation>
    </message>
</context>
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
    <name>Program</name>
    <message>
        <source>the work folder &quot;%1&quot; is not absolute</source>
        <translation>le dossier de travail &quot;%1&quot; n&apos;est pas un chemin absolu</translation>
    </message>
    <message>
        <source>the work folder &quot;%1&quot; is not written as it resolves (%2)</source>
        <translation>le dossier de travail &quot;%1&quot; n&apos;est pas écrit sous sa forme réelle (%2)</translation>
    </message>
    <message>
        <source>the till folder &quot;%1&quot; is not absolute</source>
        <translation>le dossier de la caisse &quot;%1&quot; n&apos;est pas un chemin absolu</translation>
    </message>
    <message>
        <source>the till folder &quot;%1&quot; is not written as it resolves (%2)</source>
        <translation>le dossier de la caisse &quot;%1&quot; n&apos;est pas écrit sous sa forme réelle (%2)</translation>
    </message>
    <message>
        <source>the work folder &quot;%1&quot; does not exist</source>
        <translation>le dossier de travail &quot;%1&quot; n&apos;existe pas</translation>
    </message>
    <message>
        <source>the work folder &quot;%1&quot; is not %2&apos;s private folder</source>
        <translation>le dossier de travail &quot;%1&quot; n&apos;est pas le dossier privé de %2</translation>
    </message>
    <message>
        <source>the server version &quot;%1&quot; is none of 1.0, 1.5, 2.5</source>
        <translation>la version de serveur &quot;%1&quot; n&apos;est ni 1.0, ni 1.5, ni 2.5</translation>
    </message>
    <message>
        <source>the package folder &quot;%1&quot; is not inside the work folder %2</source>
        <translation>le dossier du paquet &quot;%1&quot; ne se trouve pas dans le dossier de travail %2</translation>
    </message>
    <message>
        <source>the printer name &quot;%1&quot; is no queue name</source>
        <translation>le nom d&apos;imprimante &quot;%1&quot; n&apos;est pas un nom de file d&apos;attente</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is no COM or LPT port</source>
        <translation>le port &quot;%1&quot; n&apos;est pas un port COM ou LPT</translation>
    </message>
    <message>
        <source>the printer&apos;s comment is longer than 255 bytes</source>
        <translation>le commentaire de l&apos;imprimante dépasse 255 octets</translation>
    </message>
    <message>
        <source>the printer&apos;s comment holds a control character</source>
        <translation>le commentaire de l&apos;imprimante contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the till folder %1 is in the system&apos;s %2</source>
        <translation>le dossier de la caisse %1 se trouve dans %2 du système</translation>
    </message>
    <message>
        <source>the till folder %1 is in the database server&apos;s folders</source>
        <translation>le dossier de la caisse %1 se trouve dans les dossiers du serveur de base de données</translation>
    </message>
    <message>
        <source>the till folder %1 would make a home folder</source>
        <translation>le dossier de la caisse %1 créerait un dossier personnel</translation>
    </message>
    <message>
        <source>the till folder %1: %2</source>
        <translation>le dossier de la caisse %1 : %2</translation>
    </message>
    <message>
        <source>the till folder %1 exists</source>
        <translation>le dossier de la caisse %1 existe déjà</translation>
    </message>
    <message>
        <source>%1 may make the till folder in %2 without an administrator</source>
        <translation>%1 peut créer le dossier de la caisse dans %2 sans administrateur</translation>
    </message>
    <message>
        <source>the folder %1 is not the system&apos;s</source>
        <translation>le dossier %1 n&apos;appartient pas au système</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: no package in %2</source>
        <translation>le serveur de base de données %1 n&apos;a pas été installé : aucun paquet dans %2</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: %2</source>
        <translation>le serveur de base de données %1 n&apos;a pas été installé : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no operation of the administrator&apos;s part</source>
        <translation>&quot;%1&quot; n&apos;est pas une opération de la partie administrateur</translation>
    </message>
    <message>
        <source>the printer %1 was not added: %2</source>
        <translation>l&apos;imprimante %1 n&apos;a pas été ajoutée : %2</translation>
    </message>
    <message>
        <source>An installation is running already for this user. This one ends without touching anything: let that one end, or end it first.</source>
        <translation>Une installation est déjà en cours pour cet utilisateur. Celle-ci s&apos;arrête sans rien toucher : laissez l&apos;autre se terminer, ou arrêtez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>An installation is running already for this user (%1). This one ends without touching anything: let that one end, or end it first.</source>
        <translation>Une installation est déjà en cours pour cet utilisateur (%1). Celle-ci s&apos;arrête sans rien toucher : laissez l&apos;autre se terminer, ou arrêtez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2. Remove it, or point XDG_STATE_HOME at a folder of your own.</source>
        <translation>le dossier %1 ne peut pas être utilisé : %2. Supprimez-le, ou faites pointer XDG_STATE_HOME vers un dossier à vous.</translation>
    </message>
    <message>
        <source>%1 Sec.</source>
        <translation>%1 s.</translation>
    </message>
    <message>
        <source>the restart was refused</source>
        <translation>le redémarrage a été refusé</translation>
    </message>
    <message>
        <source>The computer could not be restarted (%1). Restart it yourself: the installation goes on by itself at the next log-on.</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être redémarré (%1). Redémarrez-le vous-même : l&apos;installation reprend d&apos;elle-même à la prochaine ouverture de session.</translation>
    </message>
    <message>
        <source>runs as root only, through pkexec</source>
        <translation>ne tourne qu&apos;en root, via pkexec</translation>
    </message>
    <message>
        <source>the user who asked is unknown</source>
        <translation>l&apos;utilisateur qui l&apos;a demandé est inconnu</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusé : %1</translation>
    </message>
    <message>
        <source>There is no previous installation to undo (status %1).</source>
        <translation>Il n&apos;y a aucune installation précédente à annuler (statut %1).</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>give exactly one customer code (see --help).</source>
        <translation>indiquez exactement un code client (voir --help).</translation>
    </message>
    <message>
        <source>a customer code has at most 13 characters; &quot;%1&quot; has more.</source>
        <translation>un code client a au plus 13 caractères ; « %1 » en a plus.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (voir --help)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>The computer was not restarted</source>
        <translation>L&apos;ordinateur n&apos;a pas été redémarré</translation>
    </message>
    <message>
        <source>there is no display to show the wizard on: start it in the desktop session of the till&apos;s user, or install with skarvel-cli on a terminal.</source>
        <translation>il n&apos;y a pas d&apos;écran où afficher l&apos;assistant : lancez-le dans la session de bureau de l&apos;utilisateur de la caisse, ou installez avec skarvel-cli dans un terminal.</translation>
    </message>
    <message>
        <source>the option %1 takes no value</source>
        <translation>l&apos;option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
</context>
<context>
    <name>Service</name>
    <message>
        <source>Field &apos;%1&apos; holds a malformed packed decimal (precision %2, scale %3)</source>
        <translation>Le champ &apos;%1&apos; contient un nombre décimal compacté invalide (précision %2, échelle %3)</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; holds a malformed packed decimal (a digit above 9)</source>
        <translation>Le champ &apos;%1&apos; contient un nombre décimal compacté invalide (un chiffre supérieur à 9)</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; holds &apos;%2&apos;, which is not a whole number</source>
        <translation>Le champ &apos;%1&apos; contient &apos;%2&apos;, qui n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; holds %2, which is not a whole number</source>
        <translation>Le champ &apos;%1&apos; contient %2, qui n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot hold %2</source>
        <translation>Le champ &apos;%1&apos; ne peut pas contenir %2</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be read as a whole number</source>
        <translation>Le champ &apos;%1&apos; ne peut pas être lu comme nombre entier</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; is not a character field</source>
        <translation>Le champ &apos;%1&apos; n&apos;est pas un champ texte</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be written as a whole number</source>
        <translation>Le champ &apos;%1&apos; ne peut pas être écrit comme nombre entier</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos;: no current row</source>
        <translation>Champ &apos;%1&apos; : pas de ligne en cours</translation>
    </message>
    <message>
        <source>Column &apos;%1&apos; cannot be defined: a name holds at most 32 characters, a precision is 0 to 15 and a size 0 to 255</source>
        <translation>La colonne &apos;%1&apos; ne peut pas être définie : un nom a au plus 32 caractères, une précision va de 0 à 15 et une taille de 0 à 255</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Champ &apos;%1&apos; introuvable</translation>
    </message>
    <message>
        <source>The service&apos;s answer is malformed: %1.</source>
        <translation>La réponse du service de configuration est invalide : %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at offset %2 is not a hexadecimal number</source>
        <translation>&quot;%1&quot; à la position %2 n&apos;est pas un nombre hexadécimal</translation>
    </message>
    <message>
        <source>column &quot;%1&quot; has the unknown type code %2</source>
        <translation>la colonne &quot;%1&quot; a le code de type inconnu %2</translation>
    </message>
    <message>
        <source>The service&apos;s answer could not be decompressed: %1.</source>
        <translation>La réponse du service de configuration n&apos;a pas pu être décompressée : %1.</translation>
    </message>
    <message>
        <source>it holds %1 characters, fewer than the 16 of its header</source>
        <translation>elle contient %1 caractères, moins que les 16 de son en-tête</translation>
    </message>
    <message>
        <source>its column definitions take %1 characters, which is not a multiple of 37</source>
        <translation>ses définitions de colonnes occupent %1 caractères, ce qui n&apos;est pas un multiple de 37</translation>
    </message>
    <message>
        <source>it declares %1 characters of column definitions but ends before them</source>
        <translation>elle annonce %1 caractères de définitions de colonnes mais s&apos;arrête avant</translation>
    </message>
    <message>
        <source>it declares %1 rows but no columns</source>
        <translation>elle annonce %1 lignes mais aucune colonne</translation>
    </message>
    <message>
        <source>it declares %1 rows of %2 bytes but holds only %3 bytes of rows</source>
        <translation>elle annonce %1 lignes de %2 octets mais ne contient que %3 octets de lignes</translation>
    </message>
    <message>
        <source>The table cannot be written: its type code (%1) does not fit %2 hexadecimal digits.</source>
        <translation>La table ne peut pas être écrite : son code de type (%1) ne tient pas en %2 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>The table cannot be written: its precision (%1) does not fit %2 hexadecimal digits.</source>
        <translation>La table ne peut pas être écrite : sa précision (%1) ne tient pas en %2 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>The table cannot be written: its column size (%1) does not fit %2 hexadecimal digits.</source>
        <translation>La table ne peut pas être écrite : sa taille de colonne (%1) ne tient pas en %2 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>The table cannot be written: its row width (%1) does not fit %2 hexadecimal digits.</source>
        <translation>La table ne peut pas être écrite : sa largeur de ligne (%1) ne tient pas en %2 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>The table cannot be written: its row count (%1) does not fit %2 hexadecimal digits.</source>
        <translation>La table ne peut pas être écrite : son nombre de lignes (%1) ne tient pas en %2 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>The table cannot be written: its definition length (%1) does not fit %2 hexadecimal digits.</source>
        <translation>La table ne peut pas être écrite : sa longueur de définitions (%1) ne tient pas en %2 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>HTTP %1 for %2</source>
        <translation>HTTP %1 pour %2</translation>
    </message>
    <message>
        <source>CheckStatus answered %1</source>
        <translation>CheckStatus a répondu %1</translation>
    </message>
    <message>
        <source>The download server %1 has not answered for %2 s.</source>
        <translation>Le serveur de téléchargement %1 ne répond plus depuis %2 s.</translation>
    </message>
    <message>
        <source>The configuration service at %1 has not answered for %2 s.</source>
        <translation>Le service de configuration à %1 ne répond plus depuis %2 s.</translation>
    </message>
    <message>
        <source>libcurl could not be initialised</source>
        <translation>libcurl n&apos;a pas pu être initialisée</translation>
    </message>
    <message>
        <source>libcurl could not create a transfer</source>
        <translation>libcurl n&apos;a pas pu créer de transfert</translation>
    </message>
    <message>
        <source>A request to %1 is still running.</source>
        <translation>Une requête vers %1 est encore en cours.</translation>
    </message>
    <message>
        <source>libcurl could not create a request for %1</source>
        <translation>libcurl n&apos;a pas pu créer de requête pour %1</translation>
    </message>
    <message>
        <source>libcurl could not start the request for %1</source>
        <translation>libcurl n&apos;a pas pu lancer la requête pour %1</translation>
    </message>
    <message>
        <source>the wait was given up after the service sent nothing for %1 s</source>
        <translation>l&apos;attente a été abandonnée après %1 s sans rien du service de configuration</translation>
    </message>
    <message>
        <source>zlib could not start inflating</source>
        <translation>zlib n&apos;a pas pu commencer la décompression</translation>
    </message>
    <message>
        <source>the data ends before the end of the stream</source>
        <translation>les données s&apos;arrêtent avant la fin du flux</translation>
    </message>
    <message>
        <source>it inflates to more than %1 bytes</source>
        <translation>décompressée, elle dépasse %1 octets</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>SKARVEL_SERVICE_URL and SKARVEL_SERVICE_HOST are both set: set only one of them</source>
        <translation>SKARVEL_SERVICE_URL et SKARVEL_SERVICE_HOST sont définies toutes les deux : n&apos;en définissez qu&apos;une</translation>
    </message>
    <message>
        <source>%1 must be a host name or address, optionally followed by :port, not &quot;%2&quot;</source>
        <translation>%1 doit être un nom d&apos;hôte ou une adresse, suivi éventuellement de :port, et non « %2 »</translation>
    </message>
    <message>
        <source>%1 must give a port number from 1 to 65535 after its &quot;:&quot;, not &quot;%2&quot;</source>
        <translation>%1 doit donner après son « : » un numéro de port de 1 à 65535, et non « %2 »</translation>
    </message>
    <message>
        <source>SKARVEL_FTP_TLS must be off or required, not &quot;%1&quot;</source>
        <translation>SKARVEL_FTP_TLS doit valoir off ou required, et non « %1 »</translation>
    </message>
    <message>
        <source>SKARVEL_CA_FILE must name a file of certificates in PEM this user can read (an absolute path), not &quot;%1&quot;</source>
        <translation>SKARVEL_CA_FILE doit désigner un fichier de certificats au format PEM lisible par cet utilisateur (un chemin absolu), et non « %1 »</translation>
    </message>
    <message>
        <source>%1 must be an absolute folder, not &quot;%2&quot;</source>
        <translation>%1 doit être un dossier absolu, et non « %2 »</translation>
    </message>
    <message>
        <source>SKARVEL_FTP_PORT must be a port number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>SKARVEL_FTP_PORT doit être un numéro de port de 1 à 65535, et non « %1 »</translation>
    </message>
    <message>
        <source>SKARVEL_SERVICE_URL must be https://host[:port] (or http://host[:port]), not &quot;%1&quot;</source>
        <translation>SKARVEL_SERVICE_URL doit valoir https://hôte[:port] (ou http://hôte[:port]), et non « %1 »</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the configuration service stopped answering</source>
        <translation>le service de configuration ne répond plus</translation>
    </message>
    <message>
        <source>status report %1 got no answer</source>
        <translation>le rapport d&apos;état %1 n&apos;a reçu aucune réponse</translation>
    </message>
    <message>
        <source>the configuration service did not take the step&apos;s report</source>
        <translation>le service de configuration n&apos;a pas accepté le rapport de l&apos;étape</translation>
    </message>
    <message>
        <source>status report %1 answered &quot;%2&quot;</source>
        <translation>le rapport d&apos;état %1 a reçu la réponse &quot;%2&quot;</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>étape %1</translation>
    </message>
    <message>
        <source>the installation stopped at this step before; put the cause right, then undo the installation to install again</source>
        <translation>l&apos;installation s&apos;est déjà arrêtée à cette étape ; corrigez la cause, puis annulez l&apos;installation pour installer à nouveau</translation>
    </message>
    <message>
        <source>status %1 at the start of the run</source>
        <translation>statut %1 au début de l&apos;exécution</translation>
    </message>
    <message>
        <source>the installation stopped at this step before: %1; put the cause right, then undo the installation to install again</source>
        <translation>l&apos;installation s&apos;est déjà arrêtée à cette étape : %1 ; corrigez la cause, puis annulez l&apos;installation pour installer à nouveau</translation>
    </message>
    <message>
        <source>The package %1 is no longer in the work folder: it is downloaded again.</source>
        <translation>Le paquet %1 n&apos;est plus dans le dossier de travail : il est téléchargé à nouveau.</translation>
    </message>
    <message>
        <source>the till database</source>
        <translation>la base de données de la caisse</translation>
    </message>
    <message>
        <source>the central database</source>
        <translation>la base de données centrale</translation>
    </message>
    <message>
        <source>no database server answers at %1 for %2 %3%4: it must run there before the database step</source>
        <translation>aucun serveur de base de données ne répond à l&apos;adresse %1 pour %2 %3%4 : il doit y tourner avant l&apos;étape de la base de données</translation>
    </message>
    <message>
        <source>the database server may not open %1 %2%3: its account must be able to read and write the file and pass the folders above it</source>
        <translation>le serveur de base de données n&apos;a pas le droit d&apos;ouvrir %1 %2%3 : son compte doit pouvoir lire et écrire le fichier et traverser les dossiers au-dessus</translation>
    </message>
    <message>
        <source>could not open %1 %2%3</source>
        <translation>impossible d&apos;ouvrir %1 %2%3</translation>
    </message>
    <message>
        <source>the shop&apos;s data was not copied completely into the till</source>
        <translation>les données du magasin n&apos;ont pas été entièrement copiées dans la caisse</translation>
    </message>
    <message>
        <source>the shop&apos;s data was not copied completely into the till: %1</source>
        <translation>les données du magasin n&apos;ont pas été entièrement copiées dans la caisse : %1</translation>
    </message>
    <message>
        <source>the closing number could not be settled: %1</source>
        <translation>le numéro de clôture n&apos;a pas pu être synchronisé : %1</translation>
    </message>
    <message>
        <source>the folder %1 is never deleted: %2</source>
        <translation>le dossier %1 n&apos;est jamais supprimé : %2</translation>
    </message>
    <message>
        <source>could not empty the folder %1</source>
        <translation>impossible de vider le dossier %1</translation>
    </message>
    <message>
        <source>could not prepare the folder %1: %2</source>
        <translation>impossible de préparer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>making the till folder %1</source>
        <translation>la création du dossier de la caisse %1</translation>
    </message>
    <message>
        <source>The till folder %1 is not emptied: %2. Nothing was moved or deleted; check the till folder the service holds for this customer (PPA_POSPATH).</source>
        <translation>Le dossier de la caisse %1 n&apos;est pas vidé : %2. Rien n&apos;a été déplacé ni supprimé ; vérifiez le dossier de la caisse que le service de configuration enregistre pour ce client (PPA_POSPATH).</translation>
    </message>
    <message>
        <source>the till folder %1 is not emptied: %2</source>
        <translation>le dossier de la caisse %1 n&apos;est pas vidé : %2</translation>
    </message>
    <message>
        <source>the work folder %1 cannot be used: %2</source>
        <translation>le dossier de travail %1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>the printing system refused it</source>
        <translation>le système d&apos;impression l&apos;a refusée</translation>
    </message>
    <message>
        <source>adding the receipt printer %1</source>
        <translation>l&apos;ajout de l&apos;imprimante de tickets %1</translation>
    </message>
    <message>
        <source>installing the database server %1</source>
        <translation>l&apos;installation du serveur de base de données %1</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: no package in %2</source>
        <translation>le serveur de base de données %1 n&apos;a pas été installé : aucun paquet dans %2</translation>
    </message>
    <message>
        <source>the database server %1 was not installed: %2</source>
        <translation>le serveur de base de données %1 n&apos;a pas été installé : %2</translation>
    </message>
    <message>
        <source>the entry that resumes the installation after the restart could not be written: %1</source>
        <translation>l&apos;entrée qui reprend l&apos;installation après le redémarrage n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>the database server at %1 refuses the installation&apos;s administrator login%2: an administrator sets the password of its SYSDBA to the installation&apos;s (see THE ADMINISTRATOR&apos;S PART in man skarvel-cli)</source>
        <translation>le serveur de base de données à l&apos;adresse %1 refuse la connexion administrateur de l&apos;installation%2 : un administrateur donne à son SYSDBA le mot de passe de l&apos;installation (voir THE ADMINISTRATOR&apos;S PART dans man skarvel-cli)</translation>
    </message>
    <message>
        <source>the configuration service holds an installation status that names no step of the installation: ask the helpdesk to set the customer&apos;s status</source>
        <translation>le service de configuration détient un statut d&apos;installation qui ne désigne aucune étape de l&apos;installation : demandez au helpdesk de corriger le statut du client</translation>
    </message>
    <message>
        <source>installation status %1</source>
        <translation>statut de l&apos;installation %1</translation>
    </message>
    <message>
        <source>the till package %1 holds no folder lumtrak with the till programs: ask the helpdesk to check the package on the download server</source>
        <translation>le paquet de caisse %1 ne contient pas de dossier lumtrak avec les programmes de caisse : demandez au helpdesk de vérifier le paquet sur le serveur de téléchargement</translation>
    </message>
    <message>
        <source>the customer&apos;s record asks for a database server of version %1, for which there is no package: ask the helpdesk to correct the record</source>
        <translation>la fiche du client demande un serveur de base de données en version %1, pour laquelle il n&apos;existe aucun paquet : demandez au helpdesk de corriger la fiche</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>%1 needs the administrator&apos;s consent through polkit, and pkexec is not installed (Debian package pkexec)</source>
        <translation>%1 demande l&apos;accord d&apos;un administrateur via polkit, mais pkexec n&apos;est pas installé (paquet Debian pkexec)</translation>
    </message>
    <message>
        <source>%1 needs the helper %2, which is missing: install the skarvel package again</source>
        <translation>%1 a besoin du programme d&apos;aide %2, qui est introuvable : installez à nouveau le paquet skarvel</translation>
    </message>
    <message>
        <source>%1: pkexec could not be started</source>
        <translation>%1 : pkexec n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>%1 did not end: the program is closing</source>
        <translation>%1 ne s&apos;est pas terminé : le programme se ferme</translation>
    </message>
    <message>
        <source>%1: the administrator&apos;s authentication was dismissed</source>
        <translation>%1 : l&apos;identification de l&apos;administrateur a été annulée</translation>
    </message>
    <message>
        <source>%1 was not allowed (%2)</source>
        <translation>%1 n&apos;a pas été autorisé (%2)</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué : %2</translation>
    </message>
    <message>
        <source>%1 failed (pkexec ended with exit code %2: %3)</source>
        <translation>%1 a échoué (pkexec s&apos;est arrêté avec le code %2 : %3)</translation>
    </message>
    <message>
        <source>pkcheck is not installed (no polkit here)</source>
        <translation>pkcheck n&apos;est pas installé (pas de polkit sur cet ordinateur)</translation>
    </message>
    <message>
        <source>polkit allows it without a password</source>
        <translation>polkit l&apos;autorise sans mot de passe</translation>
    </message>
    <message>
        <source>polkit does not allow it</source>
        <translation>polkit ne l&apos;autorise pas</translation>
    </message>
    <message>
        <source>polkit allows it after an administrator&apos;s authentication</source>
        <translation>polkit l&apos;autorise après l&apos;identification d&apos;un administrateur</translation>
    </message>
    <message>
        <source>polkit did not answer</source>
        <translation>polkit n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>polkit did not answer (%1)</source>
        <translation>polkit n&apos;a pas répondu (%1)</translation>
    </message>
    <message>
        <source>needs an administrator: </source>
        <translation>nécessite un administrateur : </translation>
    </message>
    <message>
        <source>the server sent nothing for %1</source>
        <translation>le serveur n&apos;a rien envoyé pendant %1</translation>
    </message>
    <message>
        <source>the wait was given up after the server sent nothing for %1</source>
        <translation>l&apos;attente a été abandonnée après %1 sans rien du serveur</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>the connection to the server was lost</source>
        <translation>la connexion au serveur a été perdue</translation>
    </message>
    <message>
        <source>the connection to the server was lost (%1)</source>
        <translation>la connexion au serveur a été perdue (%1)</translation>
    </message>
    <message>
        <source>the transfer library could not start</source>
        <translation>la bibliothèque de transfert n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>the server did not answer %1</source>
        <translation>le serveur n&apos;a pas répondu à %1</translation>
    </message>
    <message>
        <source>%1 belongs to %2, so this user cannot let %3 pass it; an administrator runs: setfacl -m u:%3:x %4</source>
        <translation>%1 appartient à %2, cet utilisateur ne peut donc pas y laisser passer %3 ; un administrateur exécute : setfacl -m u:%3:x %4</translation>
    </message>
    <message>
        <source>the file system of %1 keeps no access lists (%2), so %3 cannot be let pass it: put the till database on a file system that keeps them (ext4, xfs, tmpfs), or let %3 own it</source>
        <translation>le système de fichiers de %1 ne gère pas de listes d&apos;accès (%2), %3 ne peut donc pas y passer : placez la base de données de la caisse sur un système de fichiers qui les gère (ext4, xfs, tmpfs), ou faites de %3 son propriétaire</translation>
    </message>
    <message>
        <source>%1 belongs to %2, so this user cannot let %3 read and write it; an administrator runs: setfacl -m u:%3:rw %4</source>
        <translation>%1 appartient à %2, cet utilisateur ne peut donc pas permettre à %3 de le lire et de l&apos;écrire ; un administrateur exécute : setfacl -m u:%3:rw %4</translation>
    </message>
    <message>
        <source>the file system of %1 keeps no access lists (%2), so %3 cannot be let read and write it: put the till database on a file system that keeps them (ext4, xfs, tmpfs), or let %3 own it</source>
        <translation>le système de fichiers de %1 ne gère pas de listes d&apos;accès (%2), %3 ne peut donc pas être autorisé à le lire et l&apos;écrire : placez la base de données de la caisse sur un système de fichiers qui les gère (ext4, xfs, tmpfs), ou faites de %3 son propriétaire</translation>
    </message>
    <message>
        <source>could not let %1 use %2: %3</source>
        <translation>impossible de donner à %1 l&apos;accès à %2 : %3</translation>
    </message>
    <message>
        <source>could not copy %1 to %2: %3</source>
        <translation>impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>could not create the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>could not copy from %1: %2</source>
        <translation>impossible de copier depuis %1 : %2</translation>
    </message>
    <message>
        <source>could not read the folder %1: %2</source>
        <translation>impossible de lire le dossier %1 : %2</translation>
    </message>
    <message>
        <source>could not delete %1: %2</source>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>processus %1</translation>
    </message>
    <message>
        <source>could not create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1: not an absolute folder</source>
        <translation>%1 : pas un chemin de dossier complet</translation>
    </message>
    <message>
        <source>the printing system wants a password or an administrator to add printers (%1); add it as root, or as a user of the lpadmin group</source>
        <translation>le système d&apos;impression demande un mot de passe ou un administrateur pour ajouter des imprimantes (%1) ; ajoutez l&apos;imprimante en tant que root, ou en tant qu&apos;utilisateur du groupe lpadmin</translation>
    </message>
    <message>
        <source>no printing system answers at %1 (%2)</source>
        <translation>aucun système d&apos;impression ne répond à %1 (%2)</translation>
    </message>
    <message>
        <source>the port %1 has no device on this system</source>
        <translation>le port %1 n&apos;a pas d&apos;appareil sur cet ordinateur</translation>
    </message>
    <message>
        <source>the printing system does not answer: %1</source>
        <translation>le système d&apos;impression ne répond pas : %1</translation>
    </message>
    <message>
        <source>a printer named %1 exists already</source>
        <translation>une imprimante nommée %1 existe déjà</translation>
    </message>
    <message>
        <source>its parent cannot be made</source>
        <translation>son dossier parent ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is no folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it belongs to another user (user id %1)</source>
        <translation>il appartient à un autre utilisateur (numéro d&apos;utilisateur %1)</translation>
    </message>
    <message>
        <source>other users may write in it</source>
        <translation>d&apos;autres utilisateurs peuvent y écrire</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2</source>
        <translation>Le fichier de paramètres %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>l&apos;ordinateur n&apos;a pas pu redémarrer : systemctl n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached from %2: the server named no full path for the folder it logged in to</source>
        <translation>le dossier %1 ne peut pas être atteint depuis %2 : le serveur n&apos;a pas donné de chemin complet pour le dossier de connexion</translation>
    </message>
    <message>
        <source>a folder name holds a line break</source>
        <translation>un nom de dossier contient un saut de ligne</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1 : ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 bytes arrived where the server gave the file&apos;s size as %2</source>
        <translation>%1 octets sont arrivés alors que le serveur donnait %2 comme taille du fichier</translation>
    </message>
    <message>
        <source>could not rename %1 to %2: %3</source>
        <translation>impossible de renommer %1 en %2 : %3</translation>
    </message>
    <message>
        <source>the system refused the restart without giving a reason</source>
        <translation>le système a refusé le redémarrage sans en donner la raison</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>%1 s left</source>
        <translation>encore %1 s</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>encore %1 min</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>step %1 failed, reported %2</source>
        <translation>étape %1 échouée, statut %2 signalé</translation>
    </message>
    <message>
        <source>step %1 done, reported %2</source>
        <translation>étape %1 terminée, statut %2 signalé</translation>
    </message>
    <message>
        <source>(not acknowledged: %1)</source>
        <translation>(non confirmé : %1)</translation>
    </message>
    <message>
        <source>Customer %1</source>
        <translation>Client %1</translation>
    </message>
    <message>
        <source>Installation status %1</source>
        <translation>Statut de l&apos;installation %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement : %1</translation>
    </message>
    <message>
        <source>The restart was not performed (--no-restart). After it, start the installation again with: skarvel-cli %1</source>
        <translation>Le redémarrage n&apos;a pas été effectué (--no-restart). Après le redémarrage, relancez l&apos;installation avec : skarvel-cli %1</translation>
    </message>
    <message>
        <source>Or start the installation again after it with: skarvel-cli %1</source>
        <translation>Ou relancez l&apos;installation après le redémarrage avec : skarvel-cli %1</translation>
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
    <message>
        <source>(details: %1)</source>
        <translation>(détails : %1)</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>écran %1</translation>
    </message>
    <message>
        <source>the configuration service does not know the customer code %1</source>
        <translation>le service de configuration ne connaît pas le code client %1</translation>
    </message>
    <message>
        <source>the receipt templates of the customer could not be made</source>
        <translation>les modèles de tickets du client n&apos;ont pas pu être créés</translation>
    </message>
    <message>
        <source>the receipt templates of the customer could not be made: %1</source>
        <translation>les modèles de tickets du client n&apos;ont pas pu être créés : %1</translation>
    </message>
    <message>
        <source>Please Contact Helpdesk  Zelvane !!!</source>
        <translation>Veuillez contacter le helpdesk de Zelvane !!!</translation>
    </message>
</context>
<context>
    <name>Workstation</name>
    <message>
        <source>it is the root folder</source>
        <translation>c&apos;est le dossier racine du système</translation>
    </message>
    <message>
        <source>it is a top-level folder of the system</source>
        <translation>c&apos;est un dossier de premier niveau du système</translation>
    </message>
    <message>
        <source>it is the home folder, or holds it</source>
        <translation>c&apos;est le dossier personnel, ou il le contient</translation>
    </message>
    <message>
        <source>it is the work folder, or holds it</source>
        <translation>c&apos;est le dossier de travail, ou il le contient</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>it holds no till installation (neither LUMTRAK.pos nor the till program) and what is not the till package&apos;s: %1</source>
        <translation>il ne contient aucune installation de caisse (ni LUMTRAK.pos ni le programme de caisse), mais bien ce qui n&apos;appartient pas au paquet de la caisse : %1</translation>
    </message>
    <message>
        <source>the archive %1 could not be unpacked (the archive tool could not be started)</source>
        <translation>l&apos;archive %1 n&apos;a pas pu être décompressée (le programme d&apos;archivage n&apos;a pas pu être lancé)</translation>
    </message>
    <message>
        <source>the archive %1 could not be unpacked (exit code %2)</source>
        <translation>l&apos;archive %1 n&apos;a pas pu être décompressée (code d&apos;erreur %2)</translation>
    </message>
    <message>
        <source>the archive %1 could not be unpacked (%2)</source>
        <translation>l&apos;archive %1 n&apos;a pas pu être décompressée (%2)</translation>
    </message>
    <message>
        <source>the archive %1 is missing from the work folder</source>
        <translation>l&apos;archive %1 manque dans le dossier de travail</translation>
    </message>
    <message>
        <source>%1, and %2 more in the log</source>
        <translation>%1, et %2 de plus dans le journal</translation>
    </message>
</context>
</TS>
