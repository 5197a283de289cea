<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- String table NobrixVUZ.DE. Line breaks are written as &#13;&#10; and no-break spaces as &#160;
     so that neither the XML reader nor an editor can turn them into plain LF or plain spaces. -->
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="StrRes_SupportedPrinterList">
        <source>Printer list</source>
        <translation>Druckerliste</translation>
    </message>
    <message id="StrRes_ConnectionWarning">
        <source>Do not disconnect printer while updating!</source>
        <translation>Trennen Sie den Drucker während des Updates nicht!</translation>
    </message>
    <message id="StrRes_InstructionCaption">
        <source>Printer firmware update instructions</source>
        <translation>Anweisungen zum Aktualisieren der Drucker-Firmware</translation>
    </message>
    <message id="StrRes_Instructions">
        <source>1. Power ON printer&#13;&#10;2. Wait until printer is IDLE/Ready&#13;&#10;3. Connect to printer via USB&#13;&#10;4. Wait for printer detection&#13;&#10;5. Select printer from list&#13;&#10;6. Press "START" button to start updating printer firmware</source>
        <translation>1. Schalten Sie den Drucker ein&#13;&#10;2. Warten Sie, bis der Drucker IDLE/Bereit ist&#13;&#10;3. Verbinden Sie sich über USB mit dem Drucker&#13;&#10;4. Warten Sie auf die Druckererkennung&#13;&#10;5. Drucker aus der Liste auswählen&#13;&#10;6. Drücken Sie die „ANFANG“-Taste, um mit der Aktualisierung der Drucker-Firmware zu beginnen</translation>
    </message>
    <message id="StrRes_Start">
        <source>START</source>
        <translation>Anfang</translation>
    </message>
    <message id="StrRes_PrinterSerialNum">
        <source>Serial #</source>
        <translation>Seriennummer</translation>
    </message>
    <message id="StrRes_Status">
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message id="StrRes_Close">
        <source>CLOSE</source>
        <translation>Schließen</translation>
    </message>
    <message id="StrRes_DialogMessage">
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message id="StrRes_DialogResult">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="StrRes_DialogProgress">
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message id="StrRes_AccessiblePrinter">
        <source>Printer %1, serial number %2</source>
        <translation>Drucker %1, Seriennummer %2</translation>
    </message>
    <message id="StrRes_AccessibleChecked">
        <source>checked</source>
        <translation>angekreuzt</translation>
    </message>
    <message id="StrRes_AccessibleNotChecked">
        <source>not checked</source>
        <translation>nicht angekreuzt</translation>
    </message>
    <message id="StrRes_AccessibleLanguage">
        <source>Language: switch to %1</source>
        <translation>Sprache: wechseln zu %1</translation>
    </message>
    <message id="StrRes_AccessibleMinimize">
        <source>Minimise window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message id="StrRes_AccessibleCloseWindow">
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message id="StrRes_AccessibleActivity">
        <source>Update activity</source>
        <translation>Update-Aktivität</translation>
    </message>
    <message id="StrRes_Copyright_Salvenor">
        <source>© 2026 Salvenor Imaging GmbH. All rights reserved.</source>
        <translation>© 2026 Salvenor Imaging GmbH. Alle Rechte vorbehalten.</translation>
    </message>
    <message id="StrRes_Copyright_Corvane">
        <source>© 2026 Corvane Systems Inc. All rights reserved.</source>
        <translation>© 2026 Corvane Systems Inc. Alle Rechte vorbehalten.</translation>
    </message>
    <message id="StrRes_Copyright_Mostrela">
        <source>© 2026 mostrela S.r.l. All rights reserved.</source>
        <translation>© 2026 mostrela S.r.l. Alle Rechte vorbehalten.</translation>
    </message>
    <message id="StrRes_Copyright_ZOV">
        <source>© 2026 ZOV Technologies Ltd. All rights reserved.</source>
        <translation>© 2026 ZOV Technologies Ltd. Alle Rechte vorbehalten.</translation>
    </message>
    <message id="StrRes_ConnectPrinter">
        <source>Please connect atleast one printer</source>
        <translation>Bitte schließen Sie mindestens einen Drucker an</translation>
    </message>
    <message id="StrRes_SelectPrinter">
        <source>Please select atleast one printer</source>
        <translation>Bitte wählen Sie mindestens einen Drucker aus</translation>
    </message>
    <message id="StrRes_AllUpdated">
        <source>All selected printers have been updated.Updated printers would be OFF.</source>
        <translation>Alle ausgewählten Drucker wurden aktualisiert.&#13;&#10;Aktualisierte Drucker wären AUS.</translation>
    </message>
    <message id="StrRes_SomeUpdated">
        <source>ERROR:Failed to update some printers!&#13;&#10;Please check status for each printer.&#13;&#10;Updated printers would be OFF.</source>
        <translation>FEHLER: Einige Drucker konnten nicht aktualisiert werden!&#13;&#10;Bitte überprüfen Sie den Status für jeden Drucker.&#13;&#10;Aktualisierte Drucker wären AUS.</translation>
    </message>
    <message id="StrRes_UIMsgResult">
        <source>printers updated</source>
        <translation>Drucker aktualisiert</translation>
    </message>
    <message id="StrRes_StatusInIdleMode">
        <source>Idle mode</source>
        <translation>Bereit</translation>
    </message>
    <message id="StrRes_StatusSettingFlashMode">
        <source>Setting to flash mode ...</source>
        <translation>In den Update-Modus versetzen...</translation>
    </message>
    <message id="StrRes_StatusInFlashMode">
        <source>Flash mode</source>
        <translation>im Update-Modus</translation>
    </message>
    <message id="StrRes_StatusFlashModeFail">
        <source>ERROR: Failed to set flash mode</source>
        <translation>FEHLER: Update-Modus konnte nicht eingestellt werden</translation>
    </message>
    <message id="StrRes_StatusSendingFhx">
        <source>Sending firmware file ...</source>
        <translation>Firmware-Datei wird gesendet ...</translation>
    </message>
    <message id="StrRes_StatusStoringAndUpdating">
        <source>Storing and updating firmware ...</source>
        <translation>Firmware speichern und aktualisieren ...</translation>
    </message>
    <message id="StrRes_StatusFlashingTimeout">
        <source>Error: Flashing timeout!</source>
        <translation>Fehler: Zeitüberschreitung im Flash-Modus!</translation>
    </message>
    <message id="StrRes_StatusPrinterNotConnected">
        <source>Error: Printer not connected!</source>
        <translation>Fehler: Drucker nicht verbunden!</translation>
    </message>
    <message id="StrRes_StatusUpdateCompleted">
        <source>Firmware update: completed</source>
        <translation>Firmware-Update: abgeschlossen</translation>
    </message>
    <message id="StrRes_StatusUpdateTimeout">
        <source>Firmware update: timeout!</source>
        <translation>Firmware-Update: Zeitüberschreitung!</translation>
    </message>
    <message id="StrRes_StatusPrinterNotFound">
        <source>Error: Printer not found!</source>
        <translation>Fehler: Drucker nicht gefunden!</translation>
    </message>
    <message id="StrRes_ProgressUpdateSteps">
        <source>Processing step: </source>
        <translation>Bearbeitungsschritt: </translation>
    </message>
    <message id="StrRes_FhxFileMissing">
        <source>ERROR: Firmware file or product name missing!&#13;&#10;Closing tool</source>
        <translation>FEHLER: Firmware-Datei oder Produktname fehlt!&#13;&#10;App schließen</translation>
    </message>
    <message id="StrRes_FhxMismatch">
        <source>ERROR: Firmware file mismatch!&#13;&#10;Closing tool</source>
        <translation>FEHLER: Nichtübereinstimmung der Firmware-Datei!&#13;&#10;App schließen</translation>
    </message>
    <message id="StrRes_FhxUnsigned">
        <source>ERROR: Firmware file is not signed!&#13;&#10;Closing tool</source>
        <translation>FEHLER: Firmware-Datei ist nicht signiert!&#13;&#10;App schließen</translation>
    </message>
    <message id="StrRes_FhxInvalidExtension">
        <source>ERROR: Firmware file is invlaid!&#13;&#10;Closing tool</source>
        <translation>FEHLER: Firmware-Datei ist ungültig!&#13;&#10;App schließen</translation>
    </message>
    <message id="StrRes_FhxUnsupportedProduct">
        <source>ERROR: Selected product is not supported!&#13;&#10;Closing tool</source>
        <translation>FEHLER: Ausgewähltes Produkt wird nicht unterstützt!&#13;&#10;App schließen</translation>
    </message>
    <message id="StrRes_FhxFileError">
        <source>ERROR: Firmware file!&#13;&#10;Closing tool</source>
        <translation>FEHLER: Firmware-Datei!&#13;&#10;App schließen</translation>
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
        <translation>Fehler: Drucker im Flash-Modus, aber seine Seriennummer wurde nicht erkannt!</translation>
    </message>
    <message id="StrRes_StatusStopped">
        <source>Stopped: not touched, not updated</source>
        <translation>Angehalten: nicht berührt, nicht aktualisiert</translation>
    </message>
    <message id="StrRes_ConfirmNo">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="StrRes_ConfirmYes">
        <source>Send the firmware</source>
        <translation>Firmware senden</translation>
    </message>
    <message id="StrRes_UpdateLocked">
        <source>Another update run is under way (%1, user %2, process %3). No printer was touched: start again when it has ended.</source>
        <translation>Eine andere Aktualisierung läuft bereits (%1, Benutzer %2, Prozess %3). Kein Drucker wurde berührt: Starten Sie erneut, wenn sie beendet ist.</translation>
    </message>
    <message id="StrRes_ConfirmUnknownModel">
        <source>These printers are in flash mode and do not report their model: %1.&#13;&#10;Send them the firmware of the %2 only if each of them is a %2: a printer of another model may no longer start.&#13;&#10;Send the firmware?</source>
        <translation>Diese Drucker sind im Flash-Modus und melden ihr Modell nicht: %1.&#13;&#10;Senden Sie ihnen die Firmware des %2 nur, wenn jeder von ihnen ein %2 ist: Ein Drucker eines anderen Modells startet danach womöglich nicht mehr.&#13;&#10;Firmware senden?</translation>
    </message>
    <message id="StrRes_ListedInFlashModeUnknown">
        <source>in flash mode, model unknown</source>
        <translation>im Flash-Modus, Modell unbekannt</translation>
    </message>
    <message id="StrRes_ListedInFlashModeKnown">
        <source>in flash mode: needs the firmware</source>
        <translation>im Flash-Modus: braucht die Firmware</translation>
    </message>
    <message id="StrRes_StatusStoppedInFlashMode">
        <source>Stopped in flash mode: waiting for the firmware. Finish it with this program, or switch the printer off and on.</source>
        <translation>Im Flash-Modus angehalten: wartet auf die Firmware. Mit diesem Programm fertigstellen oder den Drucker aus- und wieder einschalten.</translation>
    </message>
    <message id="StrRes_DiagnosisNoRights">
        <source>%1 [SN#:%2] is connected, but this user may not use it. Unplug the printer and plug it in again. If that does not help, log in at this computer itself (not remotely), or ask the administrator to add the user to the group &quot;lp&quot;.</source>
        <translation>%1 [SN#:%2] ist angeschlossen, aber dieser Benutzer darf ihn nicht verwenden. Ziehen Sie den Drucker ab und schließen Sie ihn wieder an. Hilft das nicht, melden Sie sich direkt an diesem Computer an (nicht aus der Ferne), oder bitten Sie den Administrator, den Benutzer in die Gruppe &quot;lp&quot; aufzunehmen.</translation>
    </message>
    <message id="StrRes_DiagnosisBusy">
        <source>%1 [SN#:%2] is connected, but another program is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] ist angeschlossen, wird aber von einem anderen Programm verwendet. Beenden Sie dieses Programm, ziehen Sie dann den Drucker ab und schließen Sie ihn wieder an.</translation>
    </message>
    <message id="StrRes_DiagnosisHeldBy">
        <source>%1 [SN#:%2] is connected, but the program %3 is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] ist angeschlossen, wird aber vom Programm %3 verwendet. Beenden Sie dieses Programm, ziehen Sie dann den Drucker ab und schließen Sie ihn wieder an.</translation>
    </message>
    <message id="StrRes_FirmwareNotAccepted">
        <source>Error: The printer did not accept the firmware data!</source>
        <translation>Fehler: Der Drucker hat die Firmware-Daten nicht angenommen!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterGone">
        <source>Error: The printer was unplugged or switched off while the firmware was being sent!</source>
        <translation>Fehler: Der Drucker wurde während des Sendens der Firmware getrennt oder ausgeschaltet!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterStalled">
        <source>Error: The printer stopped answering while the firmware was being sent!</source>
        <translation>Fehler: Der Drucker hat während des Sendens der Firmware aufgehört zu antworten!</translation>
    </message>
    <message id="StrRes_SystemMessageDetail">
        <source>System message: %1</source>
        <translation>Systemmeldung: %1</translation>
    </message>
    <message id="StrRes_CloseRefusedWhileUpdating">
        <source>The update is running. The window can be closed once it has finished.</source>
        <translation>Das Update läuft. Das Fenster kann geschlossen werden, sobald es abgeschlossen ist.</translation>
    </message>
    <message id="StrRes_HistoryNotRecorded">
        <source>The service history cannot be written: this update is not recorded. The update goes on.</source>
        <translation>Der Serviceverlauf kann nicht geschrieben werden: Dieses Update wird nicht aufgezeichnet. Das Update läuft weiter.</translation>
    </message>
    <message id="StrRes_CliSerialNotAttached">
        <source>No supported printer with serial number %1 is attached.</source>
        <translation>Es ist kein unterstützter Drucker mit der Seriennummer %1 angeschlossen.</translation>
    </message>
    <message id="StrRes_CliLeftOutUnknownModel">
        <source>The printer with serial number %1 is in flash mode and does not report its model; it was left out. If it is a %2, run again with --confirm-model.</source>
        <translation>Der Drucker mit der Seriennummer %1 ist im Flash-Modus und meldet sein Modell nicht; er wurde ausgelassen. Wenn es ein %2 ist, starten Sie erneut mit --confirm-model.</translation>
    </message>
    <message id="StrRes_CliStopRequested">
        <source>Stop requested: the printer being written is finished, no further printer is started.</source>
        <translation>Stopp angefordert: Der Drucker, der gerade beschrieben wird, wird fertiggestellt; kein weiterer Drucker wird begonnen.</translation>
    </message>
    <message id="StrRes_CliAlreadyStopping">
        <source>Already stopping: an image being written is never cut off; the run ends after the printers that have the image.</source>
        <translation>Wird bereits angehalten: Eine Firmware, die gerade gesendet wird, wird nie abgebrochen; der Lauf endet nach den Druckern, die die Firmware bereits haben.</translation>
    </message>
    <message id="StrRes_CliStoppedSummary">
        <source>Stopped: %1 printer(s) not touched, %2 left in flash mode waiting for the firmware (finish them with this program, or switch them off and on), %3 updated.</source>
        <translation>Angehalten: %1 Drucker nicht berührt, %2 im Flash-Modus und warten auf die Firmware (mit diesem Programm fertigstellen oder aus- und wieder einschalten), %3 aktualisiert.</translation>
    </message>
    <message id="StrRes_CliLockUnusable">
        <source>The update lock could not be used: %1</source>
        <translation>Die Sperre für Aktualisierungen konnte nicht verwendet werden: %1</translation>
    </message>
    <message id="StrRes_CliAnsweredYes">
        <source>Answered yes: --confirm-model was given.</source>
        <translation>Mit Ja beantwortet: --confirm-model wurde angegeben.</translation>
    </message>
    <message id="StrRes_CliAnsweredNo">
        <source>Answered no.</source>
        <translation>Mit Nein beantwortet.</translation>
    </message>
    <message id="StrRes_CliNoPrinterAttached">
        <source>No supported printer is attached.</source>
        <translation>Es ist kein unterstützter Drucker angeschlossen.</translation>
    </message>
    <message id="StrRes_CliNoUsablePrinter">
        <source>No supported printer can be used; the ones attached are listed with the reason.</source>
        <translation>Kein unterstützter Drucker kann verwendet werden; die angeschlossenen sind mit dem Grund aufgeführt.</translation>
    </message>
    <message id="StrRes_CliNoHistoryYet">
        <source>there is no service history yet (%1)</source>
        <translation>es gibt noch keinen Serviceverlauf (%1)</translation>
    </message>
    <message id="StrRes_CliHistoryUnreadable">
        <source>the service history cannot be read: %1</source>
        <translation>der Serviceverlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message id="StrRes_CliNoHistoryKept">
        <source>this program keeps no service history</source>
        <translation>dieses Programm führt keinen Serviceverlauf</translation>
    </message>
</context>
</TS>
