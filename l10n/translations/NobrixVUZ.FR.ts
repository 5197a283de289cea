<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- String table NobrixVUZ.FR. Line breaks are written as &#13;&#10; and no-break spaces as &#160;
     so that neither the XML reader nor an editor can turn them into plain LF or plain spaces. -->
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="StrRes_SupportedPrinterList">
        <source>Printer list</source>
        <translation>Liste des imprimantes</translation>
    </message>
    <message id="StrRes_ConnectionWarning">
        <source>Do not disconnect printer while updating!</source>
        <translation>Ne déconnectez pas l'imprimante pendant la mise à jour&#160;!</translation>
    </message>
    <message id="StrRes_InstructionCaption">
        <source>Printer firmware update instructions</source>
        <translation>Instructions de mise à jour du micrologiciel de l'imprimante</translation>
    </message>
    <message id="StrRes_Instructions">
        <source>1. Power ON printer&#13;&#10;2. Wait until printer is IDLE/Ready&#13;&#10;3. Connect to printer via USB&#13;&#10;4. Wait for printer detection&#13;&#10;5. Select printer from list&#13;&#10;6. Press "START" button to start updating printer firmware</source>
        <translation>1. Mettez l'imprimante sous tension&#13;&#10;2. Attendez que l'imprimante soit IDLE/Ready&#13;&#10;3. Connectez-vous à l'imprimante via USB&#13;&#10;4. Attendez la détection de l'imprimante&#13;&#10;5. Sélectionnez l'imprimante dans la liste&#13;&#10;6. Appuyez sur le bouton "Démarrer" pour lancer la mise à jour du firmware de l'imprimante</translation>
    </message>
    <message id="StrRes_Start">
        <source>START</source>
        <translation>Démarrer</translation>
    </message>
    <message id="StrRes_PrinterSerialNum">
        <source>Serial #</source>
        <translation>Numéro de série</translation>
    </message>
    <message id="StrRes_Status">
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message id="StrRes_Close">
        <source>CLOSE</source>
        <translation>Fermer</translation>
    </message>
    <message id="StrRes_DialogMessage">
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message id="StrRes_DialogResult">
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message id="StrRes_DialogProgress">
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message id="StrRes_AccessiblePrinter">
        <source>Printer %1, serial number %2</source>
        <translation>Imprimante %1, numéro de série %2</translation>
    </message>
    <message id="StrRes_AccessibleChecked">
        <source>checked</source>
        <translation>coché</translation>
    </message>
    <message id="StrRes_AccessibleNotChecked">
        <source>not checked</source>
        <translation>non coché</translation>
    </message>
    <message id="StrRes_AccessibleLanguage">
        <source>Language: switch to %1</source>
        <translation>Langue&#160;: passer à %1</translation>
    </message>
    <message id="StrRes_AccessibleMinimize">
        <source>Minimise window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message id="StrRes_AccessibleCloseWindow">
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message id="StrRes_AccessibleActivity">
        <source>Update activity</source>
        <translation>Activité de mise à jour</translation>
    </message>
    <message id="StrRes_Copyright_Salvenor">
        <source>© 2026 Salvenor Imaging GmbH. All rights reserved.</source>
        <translation>© 2026 Salvenor Imaging GmbH. Tous droits réservés.</translation>
    </message>
    <message id="StrRes_Copyright_Corvane">
        <source>© 2026 Corvane Systems Inc. All rights reserved.</source>
        <translation>© 2026 Corvane Systems Inc. Tous droits réservés.</translation>
    </message>
    <message id="StrRes_Copyright_Mostrela">
        <source>© 2026 mostrela S.r.l. All rights reserved.</source>
        <translation>© 2026 mostrela S.r.l. Tous droits réservés.</translation>
    </message>
    <message id="StrRes_Copyright_ZOV">
        <source>© 2026 ZOV Technologies Ltd. All rights reserved.</source>
        <translation>© 2026 ZOV Technologies Ltd. Tous droits réservés.</translation>
    </message>
    <message id="StrRes_ConnectPrinter">
        <source>Please connect atleast one printer</source>
        <translation>Veuillez connecter au moins une imprimante</translation>
    </message>
    <message id="StrRes_SelectPrinter">
        <source>Please select atleast one printer</source>
        <translation>Veuillez sélectionner au moins une imprimante</translation>
    </message>
    <message id="StrRes_AllUpdated">
        <source>All selected printers have been updated.Updated printers would be OFF.</source>
        <translation>Toutes les imprimantes sélectionnées ont été mises à jour.&#13;&#10;Les imprimantes mises à jour seraient éteintes.</translation>
    </message>
    <message id="StrRes_SomeUpdated">
        <source>ERROR:Failed to update some printers!&#13;&#10;Please check status for each printer.&#13;&#10;Updated printers would be OFF.</source>
        <translation>Mise à jour de certaines imprimantes uniquement&#160;!&#13;&#10;Veuillez vérifier l'état de chaque imprimante&#13;&#10;Les imprimantes mises à jour seraient éteintes&#13;&#10;ERREUR&#160;: Échec de la mise à jour de certaines imprimantes</translation>
    </message>
    <message id="StrRes_UIMsgResult">
        <source>printers updated</source>
        <translation>imprimantes mises à jour</translation>
    </message>
    <message id="StrRes_StatusInIdleMode">
        <source>Idle mode</source>
        <translation>Prêt</translation>
    </message>
    <message id="StrRes_StatusSettingFlashMode">
        <source>Setting to flash mode ...</source>
        <translation>Mise en mode flash...</translation>
    </message>
    <message id="StrRes_StatusInFlashMode">
        <source>Flash mode</source>
        <translation>en mode mise à jour</translation>
    </message>
    <message id="StrRes_StatusFlashModeFail">
        <source>ERROR: Failed to set flash mode</source>
        <translation>ERREUR&#160;: Échec de la définition du mode flash</translation>
    </message>
    <message id="StrRes_StatusSendingFhx">
        <source>Sending firmware file ...</source>
        <translation>Envoi du fichier "firmware"...</translation>
    </message>
    <message id="StrRes_StatusStoringAndUpdating">
        <source>Storing and updating firmware ...</source>
        <translation>Stockage et mise à jour du firmware...</translation>
    </message>
    <message id="StrRes_StatusFlashingTimeout">
        <source>Error: Flashing timeout!</source>
        <translation>Erreur&#160;: Délai d'expiration du mode Flash&#160;!</translation>
    </message>
    <message id="StrRes_StatusPrinterNotConnected">
        <source>Error: Printer not connected!</source>
        <translation>Erreur&#160;: Imprimante non connectée&#160;!</translation>
    </message>
    <message id="StrRes_StatusUpdateCompleted">
        <source>Firmware update: completed</source>
        <translation>Mise à jour "Firmware": terminée</translation>
    </message>
    <message id="StrRes_StatusUpdateTimeout">
        <source>Firmware update: timeout!</source>
        <translation>Mise à jour du firmware : délai dépassé</translation>
    </message>
    <message id="StrRes_StatusPrinterNotFound">
        <source>Error: Printer not found!</source>
        <translation>Erreur&#160;: Imprimante introuvable&#160;!</translation>
    </message>
    <message id="StrRes_ProgressUpdateSteps">
        <source>Processing step: </source>
        <translation>Étape de traitement: </translation>
    </message>
    <message id="StrRes_FhxFileMissing">
        <source>ERROR: Firmware file or product name missing!&#13;&#10;Closing tool</source>
        <translation>ERREUR&#160;: fichier de micrologiciel ou nom de produit manquant&#160;!&#13;&#10;Fermeture de l'application</translation>
    </message>
    <message id="StrRes_FhxMismatch">
        <source>ERROR: Firmware file mismatch!&#13;&#10;Closing tool</source>
        <translation>ERREUR&#160;: Non-concordance du fichier du micrologiciel&#160;!&#13;&#10;Fermeture de l'application</translation>
    </message>
    <message id="StrRes_FhxUnsigned">
        <source>ERROR: Firmware file is not signed!&#13;&#10;Closing tool</source>
        <translation>ERREUR&#160;: Le fichier du micrologiciel n'est pas signé&#160;!&#13;&#10;Fermeture de l'application</translation>
    </message>
    <message id="StrRes_FhxInvalidExtension">
        <source>ERROR: Firmware file is invlaid!&#13;&#10;Closing tool</source>
        <translation>ERREUR&#160;: Le fichier du micrologiciel n'est pas valide!&#13;&#10;Fermeture de l'application</translation>
    </message>
    <message id="StrRes_FhxUnsupportedProduct">
        <source>ERROR: Selected product is not supported!&#13;&#10;Closing tool</source>
        <translation>ERREUR&#160;: Le produit sélectionné n'est pas pris en charge&#160;!&#13;&#10;Fermeture de l'application</translation>
    </message>
    <message id="StrRes_FhxFileError">
        <source>ERROR: Firmware file!&#13;&#10;Closing tool</source>
        <translation>ERREUR&#160;: Fichier du micrologiciel&#160;!&#13;&#10;Fermeture de l'application</translation>
    </message>
    <message id="StrRes_FiirmwareNotFound">
        <source>Build Error: Could not find firmware resource file!</source>
        <translation>Build Error: Could not find firmware resource file!</translation>
    </message>
    <message id="StrRes_FirmwareLoadFail">
        <source>Error: Could not load firmware resource file!</source>
        <translation>Error: Could not load firmware resource file!</translation>
    </message>
    <message id="StrRes_FirmwareZeroBytes">
        <source>Error: Firmware resource file size is 0 bytes!</source>
        <translation>Error: Firmware resource file size is 0 bytes!</translation>
    </message>
    <message id="StrRes_StatusFlashModeUnmatched">
        <source>Error: Printer in flash mode, but its serial number was not recognised!</source>
        <translation>Erreur&#160;: Imprimante en mode flash, mais son numéro de série n'a pas été reconnu&#160;!</translation>
    </message>
    <message id="StrRes_StatusStopped">
        <source>Stopped: not touched, not updated</source>
        <translation>Arrêtée : non touchée, non mise à jour</translation>
    </message>
    <message id="StrRes_ConfirmNo">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="StrRes_ConfirmYes">
        <source>Send the firmware</source>
        <translation>Envoyer le micrologiciel</translation>
    </message>
    <message id="StrRes_UpdateLocked">
        <source>Another update run is under way (%1, user %2, process %3). No printer was touched: start again when it has ended.</source>
        <translation>Une autre mise à jour est en cours (%1, utilisateur %2, processus %3). Aucune imprimante n’a été touchée : recommencez quand elle sera terminée.</translation>
    </message>
    <message id="StrRes_ConfirmUnknownModel">
        <source>These printers are in flash mode and do not report their model: %1.&#13;&#10;Send them the firmware of the %2 only if each of them is a %2: a printer of another model may no longer start.&#13;&#10;Send the firmware?</source>
        <translation>Ces imprimantes sont en mode flash et n’indiquent pas leur modèle : %1.&#13;&#10;Envoyez-leur le micrologiciel de la %2 seulement si chacune d’elles est une %2 : une imprimante d’un autre modèle pourrait ne plus démarrer.&#13;&#10;Envoyer le micrologiciel ?</translation>
    </message>
    <message id="StrRes_ListedInFlashModeUnknown">
        <source>in flash mode, model unknown</source>
        <translation>en mode flash, modèle inconnu</translation>
    </message>
    <message id="StrRes_ListedInFlashModeKnown">
        <source>in flash mode: needs the firmware</source>
        <translation>en mode flash : a besoin du micrologiciel</translation>
    </message>
    <message id="StrRes_StatusStoppedInFlashMode">
        <source>Stopped in flash mode: waiting for the firmware. Finish it with this program, or switch the printer off and on.</source>
        <translation>Arrêtée en mode flash : attend le micrologiciel. Terminez-la avec ce programme, ou éteignez et rallumez l’imprimante.</translation>
    </message>
    <message id="StrRes_DiagnosisNoRights">
        <source>%1 [SN#:%2] is connected, but this user may not use it. Unplug the printer and plug it in again. If that does not help, log in at this computer itself (not remotely), or ask the administrator to add the user to the group &quot;lp&quot;.</source>
        <translation>%1 [SN#:%2] est connectée, mais cet utilisateur n'a pas le droit de l'utiliser. Débranchez l'imprimante puis rebranchez-la. Si cela ne suffit pas, ouvrez une session directement sur cet ordinateur (pas à distance) ou demandez à l'administrateur d'ajouter l'utilisateur au groupe «&#160;lp&#160;».</translation>
    </message>
    <message id="StrRes_DiagnosisBusy">
        <source>%1 [SN#:%2] is connected, but another program is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] est connectée, mais un autre programme l'utilise. Fermez ce programme, puis débranchez l'imprimante et rebranchez-la.</translation>
    </message>
    <message id="StrRes_DiagnosisHeldBy">
        <source>%1 [SN#:%2] is connected, but the program %3 is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] est connectée, mais le programme %3 l'utilise. Fermez ce programme, puis débranchez l'imprimante et rebranchez-la.</translation>
    </message>
    <message id="StrRes_FirmwareNotAccepted">
        <source>Error: The printer did not accept the firmware data!</source>
        <translation>Erreur&#160;: L'imprimante n'a pas accepté les données du micrologiciel&#160;!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterGone">
        <source>Error: The printer was unplugged or switched off while the firmware was being sent!</source>
        <translation>Erreur&#160;: L'imprimante a été débranchée ou éteinte pendant l'envoi du micrologiciel&#160;!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterStalled">
        <source>Error: The printer stopped answering while the firmware was being sent!</source>
        <translation>Erreur&#160;: L'imprimante a cessé de répondre pendant l'envoi du micrologiciel&#160;!</translation>
    </message>
    <message id="StrRes_SystemMessageDetail">
        <source>System message: %1</source>
        <translation>Message du système&#160;: %1</translation>
    </message>
    <message id="StrRes_CloseRefusedWhileUpdating">
        <source>The update is running. The window can be closed once it has finished.</source>
        <translation>La mise à jour est en cours. La fenêtre pourra être fermée une fois celle-ci terminée.</translation>
    </message>
    <message id="StrRes_HistoryNotRecorded">
        <source>The service history cannot be written: this update is not recorded. The update goes on.</source>
        <translation>L'historique de maintenance ne peut pas être écrit&#160;: cette mise à jour n'est pas enregistrée. La mise à jour continue.</translation>
    </message>
    <message id="StrRes_CliSerialNotAttached">
        <source>No supported printer with serial number %1 is attached.</source>
        <translation>Aucune imprimante prise en charge portant le numéro de série %1 n'est connectée.</translation>
    </message>
    <message id="StrRes_CliLeftOutUnknownModel">
        <source>The printer with serial number %1 is in flash mode and does not report its model; it was left out. If it is a %2, run again with --confirm-model.</source>
        <translation>L'imprimante portant le numéro de série %1 est en mode flash et n'indique pas son modèle&#160;; elle a été laissée de côté. S'il s'agit d'une %2, relancez avec --confirm-model.</translation>
    </message>
    <message id="StrRes_CliStopRequested">
        <source>Stop requested: the printer being written is finished, no further printer is started.</source>
        <translation>Arrêt demandé&#160;: l'imprimante en cours d'écriture est terminée, aucune autre imprimante n'est commencée.</translation>
    </message>
    <message id="StrRes_CliAlreadyStopping">
        <source>Already stopping: an image being written is never cut off; the run ends after the printers that have the image.</source>
        <translation>Arrêt déjà en cours&#160;: un micrologiciel en cours d'envoi n'est jamais interrompu&#160;; l'exécution se termine après les imprimantes qui l'ont déjà reçu.</translation>
    </message>
    <message id="StrRes_CliStoppedSummary">
        <source>Stopped: %1 printer(s) not touched, %2 left in flash mode waiting for the firmware (finish them with this program, or switch them off and on), %3 updated.</source>
        <translation>Arrêté&#160;: %1 imprimante(s) non touchée(s), %2 en mode flash en attente du micrologiciel (terminez-les avec ce programme, ou éteignez-les et rallumez-les), %3 mise(s) à jour.</translation>
    </message>
    <message id="StrRes_CliLockUnusable">
        <source>The update lock could not be used: %1</source>
        <translation>Le verrou de mise à jour n'a pas pu être utilisé&#160;: %1</translation>
    </message>
    <message id="StrRes_CliAnsweredYes">
        <source>Answered yes: --confirm-model was given.</source>
        <translation>Réponse oui&#160;: --confirm-model a été donné.</translation>
    </message>
    <message id="StrRes_CliAnsweredNo">
        <source>Answered no.</source>
        <translation>Réponse non.</translation>
    </message>
    <message id="StrRes_CliNoPrinterAttached">
        <source>No supported printer is attached.</source>
        <translation>Aucune imprimante prise en charge n'est connectée.</translation>
    </message>
    <message id="StrRes_CliNoUsablePrinter">
        <source>No supported printer can be used; the ones attached are listed with the reason.</source>
        <translation>Aucune imprimante prise en charge ne peut être utilisée&#160;; celles qui sont connectées sont indiquées avec la raison.</translation>
    </message>
    <message id="StrRes_CliNoHistoryYet">
        <source>there is no service history yet (%1)</source>
        <translation>il n'y a pas encore d'historique de maintenance (%1)</translation>
    </message>
    <message id="StrRes_CliHistoryUnreadable">
        <source>the service history cannot be read: %1</source>
        <translation>l'historique de maintenance ne peut pas être lu&#160;: %1</translation>
    </message>
    <message id="StrRes_CliNoHistoryKept">
        <source>this program keeps no service history</source>
        <translation>ce programme ne tient pas d'historique de maintenance</translation>
    </message>
</context>
</TS>
