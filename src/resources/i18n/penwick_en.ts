<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountWorkflowService</name>
    <message>
        <source>The account could not be created. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be restored. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheque-book register for household finances.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: entry data missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: local header does not match the archive directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: size does not match the archive directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be decompressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: checksum mismatch, the archive is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>Write every row of the database to a backup ZIP file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge a backup ZIP file into the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP file to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How rows that exist already are treated: replace (take the backup&apos;s), newer (take the backup&apos;s when its updated_at is later) or skip (keep ours).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup saved to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid --mode &quot;%1&quot; (expected replace, newer or skip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Skip existing items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup refused: %1 would expand to more than %2 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup refused: its contents would expand to more than %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restored data could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup refused: unsafe entry name &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup refused: &quot;%1&quot; appears more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup refused: the manifest lists %1 rows of %2 but the archive holds %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive could not be built.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database stopped the write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Housing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Household</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryTreeService</name>
    <message>
        <source>The category could not be deleted. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>Use the database in DIR instead of PENWICK_DATA_DIR or the default data directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print JSON instead of CSV or text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;%1 COMMAND --help&quot; for the options of a command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 %2 SUBCOMMAND [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subcommands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 SUBCOMMAND --help&quot; for the options of a subcommand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the list of commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Works on the Penwick register from the command line: the same database, migrations and rules as the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing subcommand for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for the options of this command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir needs a directory.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>Failed to initialize the database at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown account: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name &quot;%1&quot; is ambiguous; use the account id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category name &quot;%1&quot; is ambiguous; use &quot;Parent &gt; Child&quot; or the category id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date for --%1: &quot;%2&quot; (expected yyyy-MM-dd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid number for --%1: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for another program that is writing to the database...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database is busy: another program is writing to it. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database was created by a newer version of this program (schema version %1; this version knows up to %2). It was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full, or the database has reached its size limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is read-only: its file or folder cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file could not be written (input/output error).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Cannot read file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import QIF files, mapping each source account to a local account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF files to import together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the source account SOURCE (or a transfer target named in the files) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the transactions of the source account SOURCE. Repeatable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account named after the source.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a CSV file into one account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target account (name or id).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the date, counted from 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the payee, counted from 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the amount, counted from 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the memo, counted from 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the category name, counted from 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How dates are written: %1 (default %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row holds data, not column titles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid --map &quot;%1&quot; (expected SOURCE=ACCOUNT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is mapped twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No source account &quot;%1&quot; in the files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is both mapped and skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid --date-format &quot;%1&quot; (expected one of %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) could not be stored.</source>
        <translation>
            <numerusform>%n record could not be stored.</numerusform>
            <numerusform>%n records could not be stored.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import OFX or QFX bank downloads, mapping each statement&apos;s account to a local account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFX or QFX files to import together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the statement account SOURCE (as listed, or its account number) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the transactions of the statement account SOURCE. Repeatable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account in the statement&apos;s currency. Transactions already imported from an earlier download are counted as duplicates.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transaction imported</numerusform>
            <numerusform>%n transactions imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transfer linked across accounts</numerusform>
            <numerusform>%n transfers linked across accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (including %n linked to previously imported row)</numerusform>
            <numerusform>  (including %n linked to previously imported rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n record skipped (unparseable)</numerusform>
            <numerusform>%n records skipped (unparseable)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n metadata record skipped</numerusform>
            <numerusform>%n metadata records skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n record skipped (unmapped source account)</numerusform>
            <numerusform>%n records skipped (unmapped source account)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n record skipped (database error — see log)</numerusform>
            <numerusform>%n records skipped (database error — see log)</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n split line(s) without a category were not kept</source>
        <translation>
            <numerusform>%n split line without a category was not kept</numerusform>
            <numerusform>%n split lines without a category were not kept</numerusform>
        </translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one CSV file at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no CSV rows that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n file selected</numerusform>
            <numerusform>%n files selected</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) are not QIF files with transactions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No target account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (investment account)</source>
        <translation>
            <numerusform>%n record skipped (investment account)</numerusform>
            <numerusform>%n records skipped (investment account)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: statement balance %2 on %3, account balance %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (they differ by %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where each bank or card account of the download should be imported. Transactions already imported from an earlier download are skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select OFX/QFX File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a QIF, OFX or CSV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyzing OFX file(s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) hold no bank or card transactions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unclosed quote starting on line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement of %1 names no currency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency no account here can keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; keeps %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file changed while it was imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LedgerCommands</name>
    <message>
        <source>List the live accounts with type, currency and balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the transactions of an account with running balances.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name or id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-text search over payee, memo and check number (newest 200 rows).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search expression: all words must occur, &quot;quoted phrases&quot; and prefix* terms work; &quot;&quot; lists by the filters alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this account (name or id).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this category (name, &quot;Parent &gt; Child&quot; or id).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earliest date, yyyy-MM-dd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest date, yyyy-MM-dd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only cleared transactions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register of %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Penwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Velmora Penwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A cheque-book register for keeping your household accounts.&lt;/p&gt;&lt;p&gt;Built with the Qt framework, used under the GNU LGPL version 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;source code&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Velmora Penwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Import&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only QIF, OFX, QFX and CSV files can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Velmora Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was replaced by a newer one from another device</source>
        <translation>
            <numerusform>%n change was replaced by a newer one from another device</numerusform>
            <numerusform>%n changes was replaced by a newer one from another device</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Account&apos;s Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This register was synchronised with a different Velmora account. Upload it to the account you are signed in with now, as new data, or keep it on this computer only?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing requires a Velmora account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share this account with members of your Velmora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>Checking %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money market %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash management %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is incomplete: it ends before its OFX data does. Download it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank reported an error in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no bank or credit-card statement that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>New payee name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renamed %n transaction.</numerusform>
            <numerusform>Renamed %n transactions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Merged %n transaction.</numerusform>
            <numerusform>Merged %n transactions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Enter the new payee name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payees could not be renamed. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Statement Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Nothing was reconciled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction &quot;%1&quot; was changed or deleted elsewhere. %2 Check the list and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringCommands</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post the due auto-post entries, catching up missed dates, as the program does at start-up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the recurring entries by next due date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due entry(s) still waiting for confirmation</source>
        <translation>
            <numerusform>%n due entry still waiting for confirmation</numerusform>
            <numerusform>%n due entries still waiting for confirmation</numerusform>
        </translation>
    </message>
    <message>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer To</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring entry could not be deleted. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another account for the transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to edit this transaction, or Ctrl+I for a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this currency has no minor units; enter a whole amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the amount is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several categories: choose one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amounts in %1; other currencies are in the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Run one of the eight reports and print it as CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day of the period, yyyy-MM-dd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day of the period, yyyy-MM-dd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this account (name or id); not for tax_report and account_summary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year_over_year: first day of the earlier period (default: --from one year earlier).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year_over_year: last day of the earlier period (default: --to one year earlier).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from and --to are required except for account_summary, which has no period. year_over_year compares --from..--to with the earlier period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot; (expected one of %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--compare-from and --compare-to belong to year_over_year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report &quot;%1&quot; covers every account; --account does not apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPresenter</name>
    <message>
        <source>Category Spending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Show &amp;Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SampleCommands</name>
    <message>
        <source>Add the sample household (three accounts, two months, three recurring entries).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove every sample row again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches</source>
        <translation>
            <numerusform>Showing the newest %n matches</numerusform>
            <numerusform>Showing the newest %n matches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control how Velmora Penwick looks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your data in sync across all your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Penwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheque-book register for keeping your household accounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Velmora Penwick website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick for mobile&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with the Qt framework, used under the GNU Lesser General Public License version 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Velmora Penwick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Velmora Account to enable sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows in the backup will replace the rows with the same identity here.

A copy of your current data is saved first to:
%1

Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: the current data could not be saved first.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n error occurred.</numerusform>
            <numerusform>

%n errors occurred.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n account</numerusform>
            <numerusform>%n accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurring due</numerusform>
            <numerusform>  •  %n recurring due</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>Run one synchronisation cycle for the signed-in account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in: sign in from Penwick first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync did not start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: this register belongs to another account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server announced more changes without a new sync position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer to the push could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncLocalStore</name>
    <message>
        <source>The push results could not be stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync position could not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 row %2 from the server could not be stored: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register could not be prepared for this account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Full Sync could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction no longer exists. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateEntryPoints</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelmAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load your group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to leave the group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to revoke the invitation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load your sessions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to revoke the session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelmAccount::ApiClient</name>
    <message>
        <source>The sign-in could not be renewed; check the connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused to contact %1: the address is not a secure (https) one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer was refused (too large, or a redirect to another host).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelmAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelmAccount::ShareMembersDialog</name>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join or create a family group to share accounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelmAccount::WebAuthHandler</name>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can close this tab and try again in the application.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelmUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: %1
SHA-256: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelmUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your cheque book on this computer, or sign in to your Velmora account to use the same register on all your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
