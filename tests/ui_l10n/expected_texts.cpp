// Every text of the four built-in tables as it must reach the user, written out with explicit
// escapes for the characters that an XML reader or an editor could silently change: CR LF
// line breaks (\r\n) and the French no-break spaces (\u00A0).
#include "tests/ui_l10n/expected_texts.h"

namespace nobrix::ui::testing {

const std::array<ExpectedText, kExpectedKeyCount> kExpectedTexts = {{
    {"StrRes_SupportedPrinterList",
     {u"Printer list", u"Druckerliste", u"Lista de impresoras", u"Liste des imprimantes"}},
    {"StrRes_ConnectionWarning",
     {u"Do not disconnect printer while updating!",
      u"Trennen Sie den Drucker während des Updates nicht!",
      u"¡No desconecte la impresora mientras se actualiza!",
      u"Ne déconnectez pas l'imprimante pendant la mise à jour\u00A0!"}},
    {"StrRes_InstructionCaption",
     {u"Printer firmware update instructions",
      u"Anweisungen zum Aktualisieren der Drucker-Firmware",
      u"Instrucciones de actualización del firmware de la impresora",
      u"Instructions de mise à jour du micrologiciel de l'imprimante"}},
    {"StrRes_Instructions",
     {u"1. Power ON printer\r\n2. Wait until printer is IDLE/Ready\r\n3. Connect to printer via "
      u"USB\r\n4. Wait for printer detection\r\n5. Select printer from list\r\n6. Press \"START\" "
      u"button to start updating printer firmware",
      u"1. Schalten Sie den Drucker ein\r\n2. Warten Sie, bis der Drucker IDLE/Bereit ist\r\n3. "
      u"Verbinden Sie sich über USB mit dem Drucker\r\n4. Warten Sie auf die "
      u"Druckererkennung\r\n5. Drucker aus der Liste auswählen\r\n6. Drücken Sie die "
      u"„ANFANG“-Taste, um mit der Aktualisierung der Drucker-Firmware zu beginnen",
      u"1. Encienda la impresora\r\n2. Espere hasta que la impresora esté INACTIVA/Lista\r\n3. "
      u"Conéctese a la impresora a través de USB\r\n4. Espere a que se detecte la impresora\r\n5. "
      u"Seleccione la impresora de la lista\r\n6. Presione el botón \"Comienzo\" para comenzar a "
      u"actualizar el firmware de la impresora",
      u"1. Mettez l'imprimante sous tension\r\n2. Attendez que l'imprimante soit IDLE/Ready\r\n3. "
      u"Connectez-vous à l'imprimante via USB\r\n4. Attendez la détection de l'imprimante\r\n5. "
      u"Sélectionnez l'imprimante dans la liste\r\n6. Appuyez sur le bouton \"Démarrer\" pour "
      u"lancer la mise à jour du firmware de l'imprimante"}},
    {"StrRes_Start", {u"START", u"Anfang", u"Comienzo", u"Démarrer"}},
    {"StrRes_PrinterSerialNum",
     {u"Serial #", u"Seriennummer", u"Número de serie", u"Numéro de série"}},
    {"StrRes_Status", {u"Status", u"Status", u"Estado", u"Statut"}},
    {"StrRes_Close", {u"CLOSE", u"Schließen", u"Cerrar", u"Fermer"}},
    {"StrRes_Copyright_Salvenor",
     {u"© 2026 Salvenor Imaging GmbH. All rights reserved.",
      u"© 2026 Salvenor Imaging GmbH. Alle Rechte vorbehalten.",
      u"© 2026 Salvenor Imaging GmbH. Todos los derechos reservados.",
      u"© 2026 Salvenor Imaging GmbH. Tous droits réservés."}},
    {"StrRes_Copyright_Corvane",
     {u"© 2026 Corvane Systems Inc. All rights reserved.",
      u"© 2026 Corvane Systems Inc. Alle Rechte vorbehalten.",
      u"© 2026 Corvane Systems Inc. Todos los derechos reservados.",
      u"© 2026 Corvane Systems Inc. Tous droits réservés."}},
    {"StrRes_Copyright_Mostrela",
     {u"© 2026 mostrela S.r.l. All rights reserved.",
      u"© 2026 mostrela S.r.l. Alle Rechte vorbehalten.",
      u"© 2026 mostrela S.r.l. Todos los derechos reservados.",
      u"© 2026 mostrela S.r.l. Tous droits réservés."}},
    {"StrRes_Copyright_ZOV",
     {u"© 2026 ZOV Technologies Ltd. All rights reserved.",
      u"© 2026 ZOV Technologies Ltd. Alle Rechte vorbehalten.",
      u"© 2026 ZOV Technologies Ltd. Todos los derechos reservados.",
      u"© 2026 ZOV Technologies Ltd. Tous droits réservés."}},
    {"StrRes_ConnectPrinter",
     {u"Please connect atleast one printer", u"Bitte schließen Sie mindestens einen Drucker an",
      u"Conecta al menos una impresora", u"Veuillez connecter au moins une imprimante"}},
    {"StrRes_SelectPrinter",
     {u"Please select atleast one printer", u"Bitte wählen Sie mindestens einen Drucker aus",
      u"Seleccione al menos una impresora", u"Veuillez sélectionner au moins une imprimante"}},
    {"StrRes_AllUpdated",
     {u"All selected printers have been updated.Updated printers would be OFF.",
      u"Alle ausgewählten Drucker wurden aktualisiert.\r\nAktualisierte Drucker wären AUS.",
      u"Todas las impresoras seleccionadas se han actualizado.\r\nLas impresoras actualizadas "
      u"estarían apagadas.",
      u"Toutes les imprimantes sélectionnées ont été mises à jour.\r\nLes imprimantes mises à jour "
      u"seraient éteintes."}},
    {"StrRes_SomeUpdated",
     {u"ERROR:Failed to update some printers!\r\nPlease check status for each printer.\r\nUpdated "
      u"printers would be OFF.",
      u"FEHLER: Einige Drucker konnten nicht aktualisiert werden!\r\nBitte überprüfen Sie den "
      u"Status für jeden Drucker.\r\nAktualisierte Drucker wären AUS.",
      u"¡Solo se actualizaron algunas impresoras!\r\nVerifique el estado de cada impresora\r\nLas "
      u"impresoras actualizadas estarían apagadas\r\nERROR:Error al actualizar algunas impresoras",
      u"Mise à jour de certaines imprimantes uniquement\u00A0!\r\nVeuillez vérifier l'état de "
      u"chaque imprimante\r\nLes imprimantes mises à jour seraient éteintes\r\nERREUR\u00A0: Échec "
      u"de la mise à jour de certaines imprimantes"}},
    {"StrRes_UIMsgResult",
     {u"printers updated", u"Drucker aktualisiert", u"impresoras actualizadas",
      u"imprimantes mises à jour"}},
    {"StrRes_StatusInIdleMode", {u"Idle mode", u"Bereit", u"Lista", u"Prêt"}},
    {"StrRes_StatusSettingFlashMode",
     {u"Setting to flash mode ...", u"In den Update-Modus versetzen...",
      u"Poniendo en modo flash...", u"Mise en mode flash..."}},
    {"StrRes_StatusInFlashMode",
     {u"Flash mode", u"im Update-Modus", u"en modo de actualización", u"en mode mise à jour"}},
    {"StrRes_StatusFlashModeFail",
     {u"ERROR: Failed to set flash mode", u"FEHLER: Update-Modus konnte nicht eingestellt werden",
      u"ERROR: fallo del modo flash", u"ERREUR\u00A0: Échec de la définition du mode flash"}},
    {"StrRes_StatusSendingFhx",
     {u"Sending firmware file ...", u"Firmware-Datei wird gesendet ...",
      u"Enviando archivo de firmware...", u"Envoi du fichier \"firmware\"..."}},
    {"StrRes_StatusStoringAndUpdating",
     {u"Storing and updating firmware ...", u"Firmware speichern und aktualisieren ...",
      u"Almacenamiento y actualización de firmware...", u"Stockage et mise à jour du firmware..."}},
    {"StrRes_StatusFlashingTimeout",
     {u"Error: Flashing timeout!", u"Fehler: Zeitüberschreitung im Flash-Modus!",
      u"Error: ¡Tiempo de espera agotado del modo flash!",
      u"Erreur\u00A0: Délai d'expiration du mode Flash\u00A0!"}},
    {"StrRes_StatusPrinterNotConnected",
     {u"Error: Printer not connected!", u"Fehler: Drucker nicht verbunden!",
      u"Error: ¡Impresora no conectada!", u"Erreur\u00A0: Imprimante non connectée\u00A0!"}},
    {"StrRes_StatusUpdateCompleted",
     {u"Firmware update: completed", u"Firmware-Update: abgeschlossen",
      u"Actualización de firmware: completada", u"Mise à jour \"Firmware\": terminée"}},
    {"StrRes_StatusUpdateTimeout",
     {u"Firmware update: timeout!", u"Firmware-Update: Zeitüberschreitung!",
      u"Actualización de firmware: tiempo de espera!", u"Mise à jour du firmware : délai dépassé"}},
    {"StrRes_StatusPrinterNotFound",
     {u"Error: Printer not found!", u"Fehler: Drucker nicht gefunden!",
      u"Error: ¡Impresora no encontrada!", u"Erreur\u00A0: Imprimante introuvable\u00A0!"}},
    {"StrRes_ProgressUpdateSteps",
     {u"Processing step: ", u"Bearbeitungsschritt: ", u"Paso de procesamiento: ",
      u"Étape de traitement: "}},
    {"StrRes_FhxFileMissing",
     {u"ERROR: Firmware file or product name missing!\r\nClosing tool",
      u"FEHLER: Firmware-Datei oder Produktname fehlt!\r\nApp schließen",
      u"ERROR: ¡Falta el archivo de firmware o el nombre del producto!\r\naplicación de cierre",
      u"ERREUR\u00A0: fichier de micrologiciel ou nom de produit manquant\u00A0!\r\nFermeture de "
      u"l'application"}},
    {"StrRes_FhxMismatch",
     {u"ERROR: Firmware file mismatch!\r\nClosing tool",
      u"FEHLER: Nichtübereinstimmung der Firmware-Datei!\r\nApp schließen",
      u"ERROR: ¡No coincide el archivo de firmware!\r\nAplicación de cierre",
      u"ERREUR\u00A0: Non-concordance du fichier du micrologiciel\u00A0!\r\nFermeture de "
      u"l'application"}},
    {"StrRes_FhxUnsigned",
     {u"ERROR: Firmware file is not signed!\r\nClosing tool",
      u"FEHLER: Firmware-Datei ist nicht signiert!\r\nApp schließen",
      u"ERROR: ¡El archivo de firmware no está firmado!\r\naplicación de cierre",
      u"ERREUR\u00A0: Le fichier du micrologiciel n'est pas signé\u00A0!\r\nFermeture de "
      u"l'application"}},
    {"StrRes_FhxInvalidExtension",
     {u"ERROR: Firmware file is invlaid!\r\nClosing tool",
      u"FEHLER: Firmware-Datei ist ungültig!\r\nApp schließen",
      u"ERROR: ¡El archivo de firmware no es válido!\r\nAplicación de cierre",
      u"ERREUR\u00A0: Le fichier du micrologiciel n'est pas valide!\r\nFermeture de "
      u"l'application"}},
    {"StrRes_FhxUnsupportedProduct",
     {u"ERROR: Selected product is not supported!\r\nClosing tool",
      u"FEHLER: Ausgewähltes Produkt wird nicht unterstützt!\r\nApp schließen",
      u"ERROR: ¡El producto seleccionado no es compatible!\r\naplicación de cierre",
      u"ERREUR\u00A0: Le produit sélectionné n'est pas pris en charge\u00A0!\r\nFermeture de "
      u"l'application"}},
    {"StrRes_FhxFileError",
     {u"ERROR: Firmware file!\r\nClosing tool", u"FEHLER: Firmware-Datei!\r\nApp schließen",
      u"ERROR: ¡Archivo de firmware!\r\naplicación de cierre",
      u"ERREUR\u00A0: Fichier du micrologiciel\u00A0!\r\nFermeture de l'application"}},
    {"StrRes_FiirmwareNotFound",
     {u"Build Error: Could not find firmware resource file!",
      u"Build Error: Could not find firmware resource file!",
      u"Build Error: Could not find firmware resource file!",
      u"Build Error: Could not find firmware resource file!"}},
    {"StrRes_FirmwareLoadFail",
     {u"Error: Could not load firmware resource file!",
      u"Error: Could not load firmware resource file!",
      u"Error: Could not load firmware resource file!",
      u"Error: Could not load firmware resource file!"}},
    {"StrRes_FirmwareZeroBytes",
     {u"Error: Firmware resource file size is 0 bytes!",
      u"Error: Firmware resource file size is 0 bytes!",
      u"Error: Firmware resource file size is 0 bytes!",
      u"Error: Firmware resource file size is 0 bytes!"}},
}};

}  // namespace nobrix::ui::testing
