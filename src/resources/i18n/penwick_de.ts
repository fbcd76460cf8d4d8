<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Anfangs&amp;saldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stand:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Bank:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Konto&amp;nummer:</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>AccountWorkflowService</name>
    <message>
        <source>The account could not be created. Nothing was changed.</source>
        <translation>Das Konto konnte nicht angelegt werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>Das Konto konnte nicht gelöscht werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The account no longer exists.</source>
        <translation>Das Konto existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The account could not be restored. Nothing was changed.</source>
        <translation>Das Konto konnte nicht wiederhergestellt werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1

Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>A cheque-book register for household finances.</source>
        <translation>Ein Kassenbuch für die Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>Zu importierende QIF- oder CSV-Dateien.</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1: auf unbekannte Weise verschlüsselt oder komprimiert</translation>
    </message>
    <message>
        <source>%1: entry data missing</source>
        <translation>%1: Eintragsdaten fehlen</translation>
    </message>
    <message>
        <source>%1: local header does not match the archive directory</source>
        <translation>%1: lokaler Header stimmt nicht mit dem Archivverzeichnis überein</translation>
    </message>
    <message>
        <source>%1: size does not match the archive directory</source>
        <translation>%1: Größe stimmt nicht mit dem Archivverzeichnis überein</translation>
    </message>
    <message>
        <source>%1: cannot be decompressed</source>
        <translation>%1: kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>%1: checksum mismatch, the archive is damaged</source>
        <translation>%1: Prüfsummenfehler, das Archiv ist beschädigt</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>Write every row of the database to a backup ZIP file.</source>
        <translation>Alle Zeilen der Datenbank in eine Sicherungs-ZIP-Datei schreiben.</translation>
    </message>
    <message>
        <source>The ZIP file to write.</source>
        <translation>Die zu schreibende ZIP-Datei.</translation>
    </message>
    <message>
        <source>Merge a backup ZIP file into the database.</source>
        <translation>Eine Sicherungs-ZIP-Datei mit der Datenbank zusammenführen.</translation>
    </message>
    <message>
        <source>The ZIP file to read.</source>
        <translation>Die zu lesende ZIP-Datei.</translation>
    </message>
    <message>
        <source>How rows that exist already are treated: replace (take the backup&apos;s), newer (take the backup&apos;s when its updated_at is later) or skip (keep ours).</source>
        <translation>Umgang mit bereits vorhandenen Zeilen: replace (die der Sicherung übernehmen), newer (die der Sicherung übernehmen, wenn ihr updated_at später ist) oder skip (unsere behalten).</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>Backup saved to: %1</source>
        <translation>Sicherung gespeichert unter: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Fehlende Option: --%1</translation>
    </message>
    <message>
        <source>Invalid --mode &quot;%1&quot; (expected replace, newer or skip)</source>
        <translation>Ungültiger --mode &quot;%1&quot; (erwartet: replace, newer oder skip)</translation>
    </message>
    <message>
        <source>Could not read file: %1</source>
        <translation>Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>Die Sicherung konnte nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch Sicherungsdaten ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Backup refused: %1 would expand to more than %2 MB.</source>
        <translation>Sicherung abgelehnt: %1 würde auf mehr als %2 MB anwachsen.</translation>
    </message>
    <message>
        <source>Backup refused: its contents would expand to more than %1 MB.</source>
        <translation>Sicherung abgelehnt: der Inhalt würde auf mehr als %1 MB anwachsen.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: unerwarteter Fehler</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>The restored data could not be saved: %1</source>
        <translation>Die wiederhergestellten Daten konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Backup refused: unsafe entry name &quot;%1&quot;.</source>
        <translation>Sicherung abgelehnt: unsicherer Eintragsname &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Backup refused: &quot;%1&quot; appears more than once.</source>
        <translation>Sicherung abgelehnt: &quot;%1&quot; kommt mehrfach vor.</translation>
    </message>
    <message>
        <source>Backup refused: %1</source>
        <translation>Sicherung abgelehnt: %1</translation>
    </message>
    <message>
        <source>Backup refused: the manifest lists %1 rows of %2 but the archive holds %3.</source>
        <translation>Sicherung abgelehnt: das Manifest nennt %1 Zeilen von %2, das Archiv enthält aber %3.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Lesen von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The archive could not be built.</source>
        <translation>Das Archiv konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>Die Sicherung konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>Schreiben nicht möglich nach:
%1

%2</translation>
    </message>
    <message>
        <source>the database stopped the write</source>
        <translation>die Datenbank hat das Schreiben abgebrochen</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Kategoriename:</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>Die Kategorie konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>&quot;%1&quot; löschen? Buchungen mit dieser Kategorie werden danach keiner Kategorie zugeordnet sein.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Geschäftsausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungsausgaben</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Landes- &amp; Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>ÖPNV</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; Essen gehen</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Kranken</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hausrat/Wohngebäude</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Säumnisgebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberuflich / Beratung</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
</context>
<context>
    <name>CategoryTreeService</name>
    <message>
        <source>The category could not be deleted. Nothing was changed.</source>
        <translation>Die Kategorie konnte nicht gelöscht werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>Use the database in DIR instead of PENWICK_DATA_DIR or the default data directory.</source>
        <translation>Die Datenbank in DIR statt PENWICK_DATA_DIR oder dem Standard-Datenverzeichnis verwenden.</translation>
    </message>
    <message>
        <source>Print JSON instead of CSV or text.</source>
        <translation>JSON statt CSV oder Text ausgeben.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Run &quot;%1 COMMAND --help&quot; for the options of a command.</source>
        <translation>&quot;%1 COMMAND --help&quot; zeigt die Optionen eines Befehls.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 SUBCOMMAND [options]</source>
        <translation>Aufruf: %1 %2 SUBCOMMAND [Optionen]</translation>
    </message>
    <message>
        <source>Subcommands:</source>
        <translation>Unterbefehle:</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 SUBCOMMAND --help&quot; for the options of a subcommand.</source>
        <translation>&quot;%1 %2 SUBCOMMAND --help&quot; zeigt die Optionen eines Unterbefehls.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the list of commands.</source>
        <translation>&quot;%1 --help&quot; zeigt die Liste der Befehle.</translation>
    </message>
    <message>
        <source>Works on the Penwick register from the command line: the same database, migrations and rules as the program.</source>
        <translation>Arbeitet über die Befehlszeile mit dem Penwick-Kontobuch: dieselbe Datenbank, dieselben Migrationen und Regeln wie das Programm.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>Der auszuführende Befehl (siehe unten).</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>Missing subcommand for %1.</source>
        <translation>Fehlender Unterbefehl für %1.</translation>
    </message>
    <message>
        <source>Unknown command: %1 %2</source>
        <translation>Unbekannter Befehl: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for the options of this command.</source>
        <translation>&quot;%1 %2 --help&quot; zeigt die Optionen dieses Befehls.</translation>
    </message>
    <message>
        <source>--data-dir needs a directory.</source>
        <translation>--data-dir benötigt ein Verzeichnis.</translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>Failed to initialize the database at %1</source>
        <translation>Die Datenbank unter %1 konnte nicht initialisiert werden</translation>
    </message>
    <message>
        <source>Unknown account: %1</source>
        <translation>Unbekanntes Konto: %1</translation>
    </message>
    <message>
        <source>Account name &quot;%1&quot; is ambiguous; use the account id.</source>
        <translation>Kontoname &quot;%1&quot; ist mehrdeutig; verwenden Sie die Konto-ID.</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>Unbekannte Kategorie: %1</translation>
    </message>
    <message>
        <source>Category name &quot;%1&quot; is ambiguous; use &quot;Parent &gt; Child&quot; or the category id.</source>
        <translation>Kategoriename &quot;%1&quot; ist mehrdeutig; verwenden Sie &quot;Oberkategorie &gt; Unterkategorie&quot; oder die Kategorie-ID.</translation>
    </message>
    <message>
        <source>Missing argument: %1</source>
        <translation>Fehlendes Argument: %1</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Fehlende Option: --%1</translation>
    </message>
    <message>
        <source>Invalid date for --%1: &quot;%2&quot; (expected yyyy-MM-dd)</source>
        <translation>Ungültiges Datum für --%1: &quot;%2&quot; (erwartet: yyyy-MM-dd)</translation>
    </message>
    <message>
        <source>Invalid number for --%1: &quot;%2&quot;</source>
        <translation>Ungültige Zahl für --%1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Waiting for another program that is writing to the database...</source>
        <translation>Warte auf ein anderes Programm, das in die Datenbank schreibt...</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database is busy: another program is writing to it. Try again.</source>
        <translation>Die Datenbank ist belegt: ein anderes Programm schreibt gerade hinein. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database was created by a newer version of this program (schema version %1; this version knows up to %2). It was not changed.</source>
        <translation>Die Datenbank wurde von einer neueren Version dieses Programms angelegt (Schemaversion %1; diese Version kennt bis %2). Sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The disk is full, or the database has reached its size limit.</source>
        <translation>Der Datenträger ist voll oder die Datenbank hat ihre maximale Größe erreicht.</translation>
    </message>
    <message>
        <source>The database is read-only: its file or folder cannot be written.</source>
        <translation>Die Datenbank ist schreibgeschützt: Ihre Datei oder ihr Ordner kann nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>Die Datenbankdatei ist beschädigt.</translation>
    </message>
    <message>
        <source>The database file could not be written (input/output error).</source>
        <translation>Die Datenbankdatei konnte nicht geschrieben werden (Ein-/Ausgabefehler).</translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Cannot read file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Import QIF files, mapping each source account to a local account.</source>
        <translation>QIF-Dateien importieren und jedes Quellkonto einem lokalen Konto zuordnen.</translation>
    </message>
    <message>
        <source>QIF files to import together.</source>
        <translation>Gemeinsam zu importierende QIF-Dateien.</translation>
    </message>
    <message>
        <source>Send the source account SOURCE (or a transfer target named in the files) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>Das Quellkonto SOURCE (oder ein in den Dateien genanntes Umbuchungsziel) dem vorhandenen Konto ACCOUNT (Name oder ID) zuordnen. Wiederholbar.</translation>
    </message>
    <message>
        <source>Skip the transactions of the source account SOURCE. Repeatable.</source>
        <translation>Die Buchungen des Quellkontos SOURCE überspringen. Wiederholbar.</translation>
    </message>
    <message>
        <source>Sources without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account named after the source.</source>
        <translation>Quellen ohne --map oder --skip gehen an das vorhandene Konto gleichen Namens (ohne Beachtung der Groß-/Kleinschreibung), sonst an ein neues Konto mit dem Namen der Quelle.</translation>
    </message>
    <message>
        <source>Import a CSV file into one account.</source>
        <translation>Eine CSV-Datei in ein Konto importieren.</translation>
    </message>
    <message>
        <source>CSV file to import.</source>
        <translation>Zu importierende CSV-Datei.</translation>
    </message>
    <message>
        <source>Target account (name or id).</source>
        <translation>Zielkonto (Name oder ID).</translation>
    </message>
    <message>
        <source>Column of the date, counted from 0.</source>
        <translation>Spalte des Datums, ab 0 gezählt.</translation>
    </message>
    <message>
        <source>Column of the payee, counted from 0.</source>
        <translation>Spalte des Zahlungsempfängers, ab 0 gezählt.</translation>
    </message>
    <message>
        <source>Column of the amount, counted from 0.</source>
        <translation>Spalte des Betrags, ab 0 gezählt.</translation>
    </message>
    <message>
        <source>Column of the memo, counted from 0.</source>
        <translation>Spalte des Verwendungszwecks, ab 0 gezählt.</translation>
    </message>
    <message>
        <source>Column of the category name, counted from 0.</source>
        <translation>Spalte des Kategorienamens, ab 0 gezählt.</translation>
    </message>
    <message>
        <source>How dates are written: %1 (default %2).</source>
        <translation>Schreibweise der Daten: %1 (Standard %2).</translation>
    </message>
    <message>
        <source>The first row holds data, not column titles.</source>
        <translation>Die erste Zeile enthält Daten, keine Spaltenüberschriften.</translation>
    </message>
    <message>
        <source>Invalid --map &quot;%1&quot; (expected SOURCE=ACCOUNT)</source>
        <translation>Ungültiges --map &quot;%1&quot; (erwartet: SOURCE=ACCOUNT)</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is mapped twice</source>
        <translation>Quelle &quot;%1&quot; ist doppelt zugeordnet</translation>
    </message>
    <message>
        <source>No source account &quot;%1&quot; in the files</source>
        <translation>Kein Quellkonto &quot;%1&quot; in den Dateien</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is both mapped and skipped</source>
        <translation>Quelle &quot;%1&quot; ist zugeordnet und zugleich übersprungen</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Fehlende Option: --%1</translation>
    </message>
    <message>
        <source>Invalid --date-format &quot;%1&quot; (expected one of %2)</source>
        <translation>Ungültiges --date-format &quot;%1&quot; (erwartet eines von %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) could not be stored.</source>
        <translation>
            <numerusform>%n Datensatz konnte nicht gespeichert werden.</numerusform>
            <numerusform>%n Datensätze konnten nicht gespeichert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import OFX or QFX bank downloads, mapping each statement&apos;s account to a local account.</source>
        <translation>OFX- oder QFX-Bankdownloads importieren und dabei jedes Konto eines Auszugs einem lokalen Konto zuordnen.</translation>
    </message>
    <message>
        <source>OFX or QFX files to import together.</source>
        <translation>Gemeinsam zu importierende OFX- oder QFX-Dateien.</translation>
    </message>
    <message>
        <source>Send the statement account SOURCE (as listed, or its account number) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>Das Auszugskonto SOURCE (wie aufgeführt oder mit seiner Kontonummer) in das vorhandene Konto ACCOUNT (Name oder ID) übernehmen. Wiederholbar.</translation>
    </message>
    <message>
        <source>Skip the transactions of the statement account SOURCE. Repeatable.</source>
        <translation>Die Buchungen des Auszugskontos SOURCE überspringen. Wiederholbar.</translation>
    </message>
    <message>
        <source>Accounts without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account in the statement&apos;s currency. Transactions already imported from an earlier download are counted as duplicates.</source>
        <translation>Konten ohne --map oder --skip gehen in das vorhandene Konto gleichen Namens (ohne Beachtung der Groß-/Kleinschreibung), sonst in ein neues Konto in der Währung des Auszugs. Bereits aus einem früheren Download importierte Buchungen werden als Duplikate gezählt.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import failed.</source>
        <translation>Import fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Ein Datenbankfehler hat den Import abgebrochen, alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung kontenübergreifend verknüpft</numerusform>
            <numerusform>%n Umbuchungen kontenübergreifend verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (davon %n mit früher importierter Zeile verknüpft)</numerusform>
            <numerusform>  (davon %n mit früher importierten Zeilen verknüpft)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadatensatz übersprungen</numerusform>
            <numerusform>%n Metadatensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
            <numerusform>%n Datensätze übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n split line(s) without a category were not kept</source>
        <translation>
            <numerusform>%n Splitzeile ohne Kategorie wurde nicht übernommen</numerusform>
            <numerusform>%n Splitzeilen ohne Kategorie wurden nicht übernommen</numerusform>
        </translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import abgebrochen.</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>Der Import wurde abgebrochen, alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV-Spaltenzuordnung:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Datumsspalte:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Empfängerspalte:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Betragsspalte:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Zweckspalte:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Kategoriespalte:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF-Quellkonten:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Wählen Sie, wohin jedes Quicken-Konto importiert werden soll. Bei Konten, die über die gewählten Dateien hinweg zugeordnet sind, werden Umbuchungen automatisch verknüpft.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF-Dateien (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose one CSV file at a time.</source>
        <translation>Wählen Sie jeweils nur eine CSV-Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 holds no CSV rows that can be read.</source>
        <translation>%1 enthält keine lesbaren CSV-Zeilen.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Sp. %1: %2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Sp. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF-Datei(en) werden analysiert...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) are not QIF files with transactions.</source>
        <translation>Keine Buchungen gefunden: die gewählten Dateien sind keine QIF-Dateien mit Buchungen.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto &quot;%1&quot; anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Wählen Sie ein Konto für den Import oder legen Sie jetzt eines an.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importiere...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (investment account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Depotkonto)</numerusform>
            <numerusform>%n Datensätze übersprungen (Depotkonto)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: statement balance %2 on %3, account balance %4</source>
        <translation>%1: Auszugssaldo %2 am %3, Kontosaldo %4</translation>
    </message>
    <message>
        <source>  (they differ by %1)</source>
        <translation>  (Differenz: %1)</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>Auszugskonten:</translation>
    </message>
    <message>
        <source>Choose where each bank or card account of the download should be imported. Transactions already imported from an earlier download are skipped.</source>
        <translation>Wählen Sie, wohin jedes Bank- oder Kartenkonto des Downloads importiert werden soll. Bereits aus einem früheren Download importierte Buchungen werden übersprungen.</translation>
    </message>
    <message>
        <source>Select OFX/QFX File(s)</source>
        <translation>OFX/QFX-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx)</source>
        <translation>OFX-Dateien (*.ofx *.qfx)</translation>
    </message>
    <message>
        <source>%1 is not a QIF, OFX or CSV file.</source>
        <translation>%1 ist keine QIF-, OFX- oder CSV-Datei.</translation>
    </message>
    <message>
        <source>Analyzing OFX file(s)...</source>
        <translation>OFX-Datei(en) werden analysiert...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) hold no bank or card transactions.</source>
        <translation>Keine Buchungen gefunden: Die gewählten Dateien enthalten keine Bank- oder Kartenbuchungen.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (kein Konto-Header)</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Unclosed quote starting on line %1.</source>
        <translation>Nicht geschlossenes Anführungszeichen ab Zeile %1.</translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists.</source>
        <translation>Das für %1 gewählte Konto existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The statement of %1 names no currency.</source>
        <translation>Der Auszug von %1 nennt keine Währung.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency no account here can keep.</source>
        <translation>Der Auszug von %1 ist in %2, einer Währung, die hier kein Konto führen kann.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; keeps %4.</source>
        <translation>Der Auszug von %1 ist in %2, aber das Konto &quot;%3&quot; wird in %4 geführt.</translation>
    </message>
    <message>
        <source>A file changed while it was imported: %1</source>
        <translation>Eine Datei wurde während des Imports geändert: %1</translation>
    </message>
</context>
<context>
    <name>LedgerCommands</name>
    <message>
        <source>List the live accounts with type, currency and balance.</source>
        <translation>Die aktiven Konten mit Typ, Währung und Saldo auflisten.</translation>
    </message>
    <message>
        <source>List the transactions of an account with running balances.</source>
        <translation>Die Buchungen eines Kontos mit laufendem Saldo auflisten.</translation>
    </message>
    <message>
        <source>Account name or id.</source>
        <translation>Kontoname oder ID.</translation>
    </message>
    <message>
        <source>Full-text search over payee, memo and check number (newest 200 rows).</source>
        <translation>Volltextsuche in Zahlungsempfänger, Verwendungszweck und Schecknummer (neueste 200 Zeilen).</translation>
    </message>
    <message>
        <source>Search expression: all words must occur, &quot;quoted phrases&quot; and prefix* terms work; &quot;&quot; lists by the filters alone.</source>
        <translation>Suchausdruck: alle Wörter müssen vorkommen, &quot;Phrasen in Anführungszeichen&quot; und Präfix*-Begriffe sind möglich; &quot;&quot; listet nur nach den Filtern.</translation>
    </message>
    <message>
        <source>Only this account (name or id).</source>
        <translation>Nur dieses Konto (Name oder ID).</translation>
    </message>
    <message>
        <source>Only this category (name, &quot;Parent &gt; Child&quot; or id).</source>
        <translation>Nur diese Kategorie (Name, &quot;Oberkategorie &gt; Unterkategorie&quot; oder ID).</translation>
    </message>
    <message>
        <source>Earliest date, yyyy-MM-dd.</source>
        <translation>Frühestes Datum, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Latest date, yyyy-MM-dd.</source>
        <translation>Spätestes Datum, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Only cleared transactions.</source>
        <translation>Nur abgeglichene Buchungen.</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Abg</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>The register of %1 could not be read.</source>
        <translation>Die Buchungen von %1 konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Penwick</source>
        <translation>Velmora Penwick</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Daueraufträge</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>&quot;%1&quot; bearbeiten...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>&quot;%1&quot; löschen</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>&quot;%1&quot; löschen?

Alle Buchungen, Daueraufträge und der Abgleichsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Synchronisation wiederherstellen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Daueraufträge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Velmora Penwick</source>
        <translation>&amp;Über Velmora Penwick</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Willkommen bei Velmora Penwick</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie Ihr erstes Konto an, um loszulegen.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Sie können Buchungen auch über Datei › Importieren aus einer CSV-Datei importieren.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A cheque-book register for keeping your household accounts.&lt;/p&gt;&lt;p&gt;Built with the Qt framework, used under the GNU LGPL version 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;source code&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein Kontobuch für Ihre Haushaltsfinanzen.&lt;/p&gt;&lt;p&gt;Erstellt mit dem Qt-Framework, verwendet unter der GNU LGPL Version 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;Quellcode&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Velmora Penwick</source>
        <translation>Über Velmora Penwick</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Import&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Kontobuch&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchung speichern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung einfügen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aktuelle Buchung löschen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächstes / vorheriges Feld&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (Apostroph)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Wert aus dem Feld darüber kopieren&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Datumsfeld&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Heute&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächster / vorheriger Tag&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Monats&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Jahres&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag der Woche&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Allgemein&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neues Konto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Konto abgleichen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchungen suchen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Importieren&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Berichte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Daueraufträge&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Kategorien&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Konten&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 1&amp;ndash;9 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 10 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Keine Beispieldaten zum Entfernen.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Zahlungsempfänger verwalten</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichsverlauf — %1</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleich — %1</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichsverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleichs&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Em&amp;pfänger umbenennen...</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>Kate&amp;gorien</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>Die Beispieldaten können nicht erneut geladen werden, solange die Beispielkonten %1 bestehen: Ihre eigenen Buchungen verwenden sie. Verschieben oder löschen Sie diese Buchungen zuerst.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>Die Beispieldaten konnten nicht geladen werden; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>Die Beispieldaten konnten nicht vollständig entfernt werden.</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>Die Beispielkonten %1 wurden behalten, weil Ihre eigenen Buchungen sie verwenden.</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>Beispieldaten entfernt, außer dem, was Ihre eigenen Zeilen verwenden.</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>Nichts mehr zu entfernen.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Be&amp;richte</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Only QIF, OFX, QFX and CSV files can be imported.</source>
        <translation>Nur QIF-, OFX-, QFX- und CSV-Dateien können importiert werden.</translation>
    </message>
    <message>
        <source>&amp;Velmora Account...</source>
        <translation>&amp;Velmora-Konto...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>&amp;Abmelden</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Ihr Konto verwalten</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Anmelden oder registrieren</translation>
    </message>
    <message>
        <source>Velmora Account</source>
        <translation>Velmora-Konto</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was replaced by a newer one from another device</source>
        <translation>
            <numerusform>%n Änderung wurde durch eine neuere von einem anderen Gerät ersetzt</numerusform>
            <numerusform>%n Änderungen wurden durch neuere von einem anderen Gerät ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Another Account&apos;s Register</source>
        <translation>Kontobuch eines anderen Velmora-Kontos</translation>
    </message>
    <message>
        <source>This register was synchronised with a different Velmora account. Upload it to the account you are signed in with now, as new data, or keep it on this computer only?</source>
        <translation>Dieses Kontobuch wurde mit einem anderen Velmora-Konto synchronisiert. Möchten Sie es als neue Daten in das Konto hochladen, mit dem Sie jetzt angemeldet sind, oder nur auf diesem Computer behalten?</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>In dieses Konto hochladen</translation>
    </message>
    <message>
        <source>Keep Local</source>
        <translation>Lokal behalten</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Velmora account.</source>
        <translation>Zum Teilen ist ein Velmora-Konto erforderlich.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Teilen: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Velmora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Teilen Sie dieses Konto mit Mitgliedern Ihrer Velmora-Familiengruppe. Sie sehen auf ihren Geräten dasselbe Kontobuch, dieselben Salden und denselben Abgleichsverlauf.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Zugriff von %1 auf dieses Konto entfernen?</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>Checking %1</source>
        <translation>Girokonto %1</translation>
    </message>
    <message>
        <source>Savings %1</source>
        <translation>Sparkonto %1</translation>
    </message>
    <message>
        <source>Money market %1</source>
        <translation>Geldmarktkonto %1</translation>
    </message>
    <message>
        <source>Credit line %1</source>
        <translation>Kreditlinie %1</translation>
    </message>
    <message>
        <source>Cash management %1</source>
        <translation>Cash-Management-Konto %1</translation>
    </message>
    <message>
        <source>Credit card %1</source>
        <translation>Kreditkarte %1</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <translation>Depot %1</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX file.</source>
        <translation>%1 ist keine OFX- oder QFX-Datei.</translation>
    </message>
    <message>
        <source>%1 is incomplete: it ends before its OFX data does. Download it again.</source>
        <translation>%1 ist unvollständig: Die Datei endet vor dem Ende ihrer OFX-Daten. Laden Sie sie erneut herunter.</translation>
    </message>
    <message>
        <source>The bank reported an error in %1: %2</source>
        <translation>Die Bank hat in %1 einen Fehler gemeldet: %2</translation>
    </message>
    <message>
        <source>%1 holds no bank or credit-card statement that can be read.</source>
        <translation>%1 enthält keinen lesbaren Bank- oder Kreditkartenauszug.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>New payee name</source>
        <translation>Neuer Empfängername</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung umbenannt.</numerusform>
            <numerusform>%n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie 2 oder mehr Empfänger zum Zusammenführen.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Empfänger zu &quot;%2&quot; zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Enter the new payee name.</source>
        <translation>Geben Sie den neuen Empfängernamen ein.</translation>
    </message>
    <message>
        <source>The payees could not be renamed. Nothing was changed.</source>
        <translation>Die Empfänger konnten nicht umbenannt werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto im Kontobuch ab, um hier den Verlauf zu sehen.</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Abg</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Auszugssaldo:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Abgeglichene Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Abgeglichene Auszahlungen</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Del)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Abgleich fehlgeschlagen</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Konto erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung über %1 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung &quot;%1&quot; über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Nothing was reconciled.</source>
        <translation>Es wurde nichts abgeglichen.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. %1</source>
        <translation>Der Abgleich konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>The transaction &quot;%1&quot; was changed or deleted elsewhere. %2 Check the list and try again.</source>
        <translation>Die Buchung &quot;%1&quot; wurde an anderer Stelle geändert oder gelöscht. %2 Prüfen Sie die Liste und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>RecurringCommands</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Post the due auto-post entries, catching up missed dates, as the program does at start-up.</source>
        <translation>Die fälligen automatisch zu buchenden Einträge buchen und verpasste Termine nachholen, wie es das Programm beim Start tut.</translation>
    </message>
    <message>
        <source>List the recurring entries by next due date.</source>
        <translation>Die wiederkehrenden Einträge nach nächstem Fälligkeitsdatum auflisten.</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due entry(s) still waiting for confirmation</source>
        <translation>
            <numerusform>%n fälliger Eintrag wartet noch auf Bestätigung</numerusform>
            <numerusform>%n fällige Einträge warten noch auf Bestätigung</numerusform>
        </translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Auto-post</source>
        <translation>Auto-Buchung</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Transfer To</source>
        <translation>Umbuchung auf</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Mit Enddatum</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Zweck:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Daueraufträge</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neuer Dauerauftrag</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen bestätigen</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>Be&amp;stätigen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Dauerauftrag &quot;%1&quot; löschen?</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>Der Dauerauftrag konnte nicht gespeichert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The recurring entry could not be deleted. Nothing was changed.</source>
        <translation>Der Dauerauftrag konnte nicht gelöscht werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Zweck</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Abg</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Zweck</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben kopieren</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Umbuchungskonto nicht gefunden</translation>
    </message>
    <message>
        <source>Choose another account for the transfer</source>
        <translation>Wählen Sie ein anderes Konto für die Umbuchung</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Bei Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Zahlungsempfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>&quot;%1&quot; über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung &quot;%1&quot; über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: die Quellbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als Dauerauftrag gemerkt</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>Neu &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;nicht abgeglichen markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als &amp;abgeglichen markieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Press Enter to edit this transaction, or Ctrl+I for a new one</source>
        <translation>Enter drücken, um diese Buchung zu bearbeiten, oder Ctrl+I für eine neue</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>%1: this currency has no minor units; enter a whole amount</source>
        <translation>%1: diese Währung hat keine Untereinheiten; geben Sie einen ganzen Betrag ein</translation>
    </message>
    <message>
        <source>%1: the amount is too large</source>
        <translation>%1: der Betrag ist zu groß</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an amount</source>
        <translation>%1: &quot;%2&quot; ist kein Betrag</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>Keine Kategorie passt zu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several categories: choose one</source>
        <translation>&quot;%1&quot; passt zu mehreren Kategorien: wählen Sie eine</translation>
    </message>
    <message>
        <source>Date is required</source>
        <translation>Datum ist erforderlich</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>Der Dauerauftrag konnte nicht gespeichert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>Die Buchung konnte nicht gespeichert werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period.</source>
        <translation>Keine Daten für diesen Zeitraum.</translation>
    </message>
    <message>
        <source>Amounts in %1; other currencies are in the table</source>
        <translation>Beträge in %1; andere Währungen stehen in der Tabelle</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Run one of the eight reports and print it as CSV.</source>
        <translation>Einen der acht Berichte ausführen und als CSV ausgeben.</translation>
    </message>
    <message>
        <source>Report: %1.</source>
        <translation>Bericht: %1.</translation>
    </message>
    <message>
        <source>First day of the period, yyyy-MM-dd.</source>
        <translation>Erster Tag des Zeitraums, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Last day of the period, yyyy-MM-dd.</source>
        <translation>Letzter Tag des Zeitraums, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Only this account (name or id); not for tax_report and account_summary.</source>
        <translation>Nur dieses Konto (Name oder ID); nicht für tax_report und account_summary.</translation>
    </message>
    <message>
        <source>year_over_year: first day of the earlier period (default: --from one year earlier).</source>
        <translation>year_over_year: erster Tag des früheren Zeitraums (Standard: --from ein Jahr früher).</translation>
    </message>
    <message>
        <source>year_over_year: last day of the earlier period (default: --to one year earlier).</source>
        <translation>year_over_year: letzter Tag des früheren Zeitraums (Standard: --to ein Jahr früher).</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>In FILE statt in die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <source>--from and --to are required except for account_summary, which has no period. year_over_year compares --from..--to with the earlier period.</source>
        <translation>--from und --to sind erforderlich, außer für account_summary, das keinen Zeitraum hat. year_over_year vergleicht --from..--to mit dem früheren Zeitraum.</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot; (expected one of %2)</source>
        <translation>Unbekannter Bericht &quot;%1&quot; (erwartet eines von %2)</translation>
    </message>
    <message>
        <source>--compare-from and --compare-to belong to year_over_year</source>
        <translation>--compare-from und --compare-to gehören zu year_over_year</translation>
    </message>
    <message>
        <source>Report &quot;%1&quot; covers every account; --account does not apply</source>
        <translation>Bericht &quot;%1&quot; umfasst alle Konten; --account gilt hier nicht</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>ReportPresenter</name>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Übersicht nach Empfänger</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Jahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr vs. letztes Jahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Letztes Jahr vs. Vorjahr</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal vs. letztes Quartal</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>Z1: %1 – %2    Z2: %3 – %4</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Show &amp;Charts</source>
        <translation>&amp;Diagramme zeigen</translation>
    </message>
    <message>
        <source>Export Chart...</source>
        <translation>Diagramm exportieren...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleich:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be written to %1.</source>
        <translation>Das Diagramm konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SampleCommands</name>
    <message>
        <source>Add the sample household (three accounts, two months, three recurring entries).</source>
        <translation>Den Beispielhaushalt hinzufügen (drei Konten, zwei Monate, drei Daueraufträge).</translation>
    </message>
    <message>
        <source>Remove every sample row again.</source>
        <translation>Alle Beispielzeilen wieder entfernen.</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>Die Beispieldaten konnten nicht geladen werden; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Keine Beispieldaten zum Entfernen.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>Die Beispieldaten konnten nicht vollständig entfernt werden.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>Die Beispieldaten können nicht erneut geladen werden, solange die Beispielkonten %1 bestehen: Ihre eigenen Buchungen verwenden sie. Verschieben oder löschen Sie diese Buchungen zuerst.</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>Die Beispielkonten %1 wurden behalten, weil Ihre eigenen Buchungen sie verwenden.</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>Nichts mehr zu entfernen.</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>Beispieldaten entfernt, außer dem, was Ihre eigenen Zeilen verwenden.</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Abg</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Zweck, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur abgeglichene</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches</source>
        <translation>
            <numerusform>%n neuester Treffer wird angezeigt</numerusform>
            <numerusform>Die neuesten %n Treffer werden angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Buchungsliste</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Synchronisierung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Velmora Penwick looks.</source>
        <translation>Legen Sie fest, wie Velmora Penwick aussieht.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Datums- und Kalendereinstellungen.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen in der Buchungsliste angezeigt werden.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Darstellung</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Verwendungszweck in einer zweiten Zeile unter dem Empfänger anzeigen.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen in der Buchungsliste fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, erscheinen die neuesten Buchungen oben.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your data in sync across all your devices.</source>
        <translation>Halten Sie Ihre Daten auf allen Geräten synchron.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständige Synchronisierung erzwingen</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sicherung &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Speichern Sie Ihre Daten in einer portablen Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Gelöschte Konten können hier wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Velmora Penwick</source>
        <translation>Velmora Penwick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A cheque-book register for keeping your household accounts.</source>
        <translation>Ein Kassenbuch zur Führung Ihrer Haushaltskonten.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Velmora Penwick website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick for mobile&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Website von Velmora Penwick&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick für Mobilgeräte&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Built with the Qt framework, used under the GNU Lesser General Public License version 3.</source>
        <translation>Erstellt mit dem Qt-Framework, verwendet unter der GNU Lesser General Public License Version 3.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Velmora Penwick.</source>
        <translation>Die neue Sprache wird beim nächsten Start von Velmora Penwick wirksam.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Velmora Account to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Velmora-Konto an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisiere...</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Fehler: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Dadurch werden alle lokalen Zeilen erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Geräten nicht übereinstimmen.

Fortfahren?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportiere...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>Daten ersetzen</translation>
    </message>
    <message>
        <source>Rows in the backup will replace the rows with the same identity here.

A copy of your current data is saved first to:
%1

Continue?</source>
        <translation>Zeilen aus der Sicherung ersetzen hier die Zeilen mit derselben Identität.

Eine Kopie Ihrer aktuellen Daten wird zuvor gespeichert unter:
%1

Fortfahren?</translation>
    </message>
    <message>
        <source>Nothing was imported: the current data could not be saved first.

%1</source>
        <translation>Es wurde nichts importiert: Die aktuellen Daten konnten nicht zuvor gesichert werden.

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importiere...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n Fehler ist aufgetreten.</numerusform>
            <numerusform>

%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Konto wiederherstellen</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n Dauerauftrag fällig</numerusform>
            <numerusform>  •  %n Daueraufträge fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>Run one synchronisation cycle for the signed-in account.</source>
        <translation>Einen Synchronisierungsdurchlauf für das angemeldete Velmora-Konto ausführen.</translation>
    </message>
    <message>
        <source>Not signed in: sign in from Penwick first.</source>
        <translation>Nicht angemeldet: Melden Sie sich zuerst in Penwick an.</translation>
    </message>
    <message>
        <source>Sync did not start: %1</source>
        <translation>Synchronisierung wurde nicht gestartet: %1</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisiere...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Not synced: this register belongs to another account</source>
        <translation>Nicht synchronisiert: Dieses Kontobuch gehört zu einem anderen Velmora-Konto</translation>
    </message>
    <message>
        <source>Not synced yet</source>
        <translation>Noch nicht synchronisiert</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Hochladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Herunterladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>The server announced more changes without a new sync position.</source>
        <translation>Der Server hat weitere Änderungen angekündigt, aber keine neue Synchronisierungsposition geliefert.</translation>
    </message>
    <message>
        <source>The server&apos;s answer to the push could not be read.</source>
        <translation>Die Antwort des Servers auf das Hochladen konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>SyncLocalStore</name>
    <message>
        <source>The push results could not be stored: %1</source>
        <translation>Die Ergebnisse des Hochladens konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be stored: %1</source>
        <translation>Die Änderungen vom Server konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The sync position could not be stored.</source>
        <translation>Die Synchronisierungsposition konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The %1 row %2 from the server could not be stored: %3</source>
        <translation>Die %1-Zeile %2 vom Server konnte nicht gespeichert werden: %3</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>The register could not be prepared for this account.</source>
        <translation>Das Kontobuch konnte nicht für dieses Velmora-Konto vorbereitet werden.</translation>
    </message>
    <message>
        <source>Force Full Sync could not start.</source>
        <translation>Die vollständige Synchronisierung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be read.</source>
        <translation>Die Änderungen vom Server konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Zweck:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Scheck-Nr.:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Zahlungsempfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter an amount</source>
        <translation>Geben Sie einen Betrag ein</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>Keine Kategorie passt zu &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>Die Buchung konnte nicht gespeichert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The transaction no longer exists. Nothing was changed.</source>
        <translation>Die Buchung existiert nicht mehr. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation>Die Buchung konnte nicht gelöscht werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>UpdateEntryPoints</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist aktuell (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Update-Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
</context>
<context>
    <name>VelmAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Jetzt aktiv</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Unbekannter Client</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Anzeigenamen bearbeiten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Ändern Sie das Passwort Ihres Kontos.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>Ihr Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Das Profil konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Anzeigename aktualisiert.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Neues Passwort (mind. 8 Zeichen):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Das Passwort muss mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Passwort geändert.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Das Passwort konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>Could not load your group.</source>
        <translation>Ihre Gruppe konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Sie gehören keiner Gruppe an. Der Gruppeninhaber kann Sie einladen, oder Sie treten mit einem Einladungscode bei.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Mit Einladungscode beitreten</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 von %2 Plätzen belegt</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Mitglied entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 aus der Gruppe entfernen?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Gruppe verlassen</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Diese Gruppe verlassen? Sie verlieren den Zugriff auf gemeinsame Daten.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Gruppe verlassen.</translation>
    </message>
    <message>
        <source>Failed to leave the group.</source>
        <translation>Die Gruppe konnte nicht verlassen werden.</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Offene Einladungen</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Einladungscode: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Einladung widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke the invitation.</source>
        <translation>Die Einladung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Mitglieder einladen</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Per E-Mail einladen</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Einladungscode erzeugen</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Gruppe beitreten</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Einladungscode eingeben:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Ungültiger oder abgelaufener Einladungscode.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Gruppe beigetreten.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Die Einladung konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Einladung gesendet.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Der Code konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Einladungscode</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Geben Sie diesen Code an die Person weiter, die Sie einladen möchten:

%1</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Geräte, die mit Ihrem Konto synchronisiert haben.</translation>
    </message>
    <message>
        <source>Could not load your devices.</source>
        <translation>Ihre Geräte konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Keine Geräte registriert.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Gerät entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove the device.</source>
        <translation>Das Gerät konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Aktive Sitzungen</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sitzungen, die derzeit bei Ihrem Konto angemeldet sind.</translation>
    </message>
    <message>
        <source>Could not load your sessions.</source>
        <translation>Ihre Sitzungen konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Keine aktiven Sitzungen.</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sitzung widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke the session.</source>
        <translation>Die Sitzung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Gefahrenbereich</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Ihr Konto endgültig löschen. Nach 30 Tagen kann dies nicht mehr rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Sie sind der Gruppeninhaber. Übertragen Sie die Inhaberschaft oder entfernen Sie alle Mitglieder, bevor Sie Ihr Konto löschen.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Ihr Konto wird damit zur endgültigen Löschung nach 30 Tagen vorgemerkt.

Geben Sie zur Bestätigung DELETE ein:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Konto zur Löschung vorgemerkt</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Ihr Konto wird in 30 Tagen endgültig gelöscht. Bis dahin können Sie es durch Anmelden wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ApiClient</name>
    <message>
        <source>The sign-in could not be renewed; check the connection and try again.</source>
        <translation>Die Anmeldung konnte nicht erneuert werden; prüfen Sie die Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Refused to contact %1: the address is not a secure (https) one.</source>
        <translation>Verbindung zu %1 abgelehnt: Die Adresse ist nicht sicher (https).</translation>
    </message>
    <message>
        <source>The server&apos;s answer was refused (too large, or a redirect to another host).</source>
        <translation>Die Antwort des Servers wurde abgelehnt (zu groß oder Weiterleitung zu einem anderen Host).</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Lokaler Anmeldeserver konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Zeitüberschreitung bei der Anmeldung</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>Der Webbrowser konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Keine Token erhalten</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ShareMembersDialog</name>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Join or create a family group to share accounts.</source>
        <translation>Treten Sie einer Familiengruppe bei oder erstellen Sie eine, um Konten zu teilen.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Alle Gruppenmitglieder wurden bereits hinzugefügt</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Wird geteilt...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Das Teilen mit %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>Zugriff von %1 auf dieses Element entfernen?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Die Freigabe konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::WebAuthHandler</name>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>Authentifizierung abgeschlossen!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Sie können diesen Tab schließen und zur Anwendung zurückkehren.</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>You can close this tab and try again in the application.</source>
        <translation>Sie können diesen Tab schließen und es in der Anwendung erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
    <message>
        <source>Size: %1
SHA-256: %2</source>
        <translation>Größe: %1
SHA-256: %2</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Willkommen bei Velmora Penwick</translation>
    </message>
    <message>
        <source>Keep your cheque book on this computer, or sign in to your Velmora account to use the same register on all your devices.</source>
        <translation>Führen Sie Ihr Kontobuch auf diesem Computer oder melden Sie sich bei Ihrem Velmora-Konto an, um dasselbe Kontobuch auf allen Ihren Geräten zu nutzen.</translation>
    </message>
    <message>
        <source>Create an Account</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Anmelden...</translation>
    </message>
</context>
</TS>
