<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
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
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;A fecha de:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Número de &amp;cuenta:</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>Sin cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>AccountWorkflowService</name>
    <message>
        <source>The account could not be created. Nothing was changed.</source>
        <translation>No se pudo crear la cuenta. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>No se pudo eliminar la cuenta. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The account no longer exists.</source>
        <translation>La cuenta ya no existe.</translation>
    </message>
    <message>
        <source>The account could not be restored. Nothing was changed.</source>
        <translation>No se pudo restaurar la cuenta. No se ha modificado nada.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo inicializar la base de datos.

Directorio de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>A cheque-book register for household finances.</source>
        <translation>Un registro de chequera para las finanzas del hogar.</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>Archivos QIF o CSV que se van a importar.</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1: cifrado o comprimido de forma desconocida</translation>
    </message>
    <message>
        <source>%1: entry data missing</source>
        <translation>%1: faltan los datos de la entrada</translation>
    </message>
    <message>
        <source>%1: local header does not match the archive directory</source>
        <translation>%1: la cabecera local no coincide con el directorio del archivo</translation>
    </message>
    <message>
        <source>%1: size does not match the archive directory</source>
        <translation>%1: el tamaño no coincide con el directorio del archivo</translation>
    </message>
    <message>
        <source>%1: cannot be decompressed</source>
        <translation>%1: no se puede descomprimir</translation>
    </message>
    <message>
        <source>%1: checksum mismatch, the archive is damaged</source>
        <translation>%1: suma de comprobación incorrecta, el archivo está dañado</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>Write every row of the database to a backup ZIP file.</source>
        <translation>Escribe todas las filas de la base de datos en un archivo ZIP de copia de seguridad.</translation>
    </message>
    <message>
        <source>The ZIP file to write.</source>
        <translation>El archivo ZIP que se va a escribir.</translation>
    </message>
    <message>
        <source>Merge a backup ZIP file into the database.</source>
        <translation>Combina un archivo ZIP de copia de seguridad con la base de datos.</translation>
    </message>
    <message>
        <source>The ZIP file to read.</source>
        <translation>El archivo ZIP que se va a leer.</translation>
    </message>
    <message>
        <source>How rows that exist already are treated: replace (take the backup&apos;s), newer (take the backup&apos;s when its updated_at is later) or skip (keep ours).</source>
        <translation>Cómo se tratan las filas que ya existen: replace (se toma la de la copia), newer (se toma la de la copia si su updated_at es posterior) o skip (se conserva la nuestra).</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>No se pudo escribir en: %1</translation>
    </message>
    <message>
        <source>Backup saved to: %1</source>
        <translation>Copia de seguridad guardada en: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Falta la opción: --%1</translation>
    </message>
    <message>
        <source>Invalid --mode &quot;%1&quot; (expected replace, newer or skip)</source>
        <translation>--mode &quot;%1&quot; no válido (se esperaba replace, newer o skip)</translation>
    </message>
    <message>
        <source>Could not read file: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos; se omitieron %2.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>No se pudo crear la copia de seguridad: %1</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir elementos existentes</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con la copia de seguridad</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar el más reciente (comparar fechas)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>Backup refused: %1 would expand to more than %2 MB.</source>
        <translation>Copia rechazada: %1 ocuparía más de %2 MB al descomprimirse.</translation>
    </message>
    <message>
        <source>Backup refused: its contents would expand to more than %1 MB.</source>
        <translation>Copia rechazada: su contenido ocuparía más de %1 MB al descomprimirse.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia no admitida: %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: error inesperado</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>The restored data could not be saved: %1</source>
        <translation>No se pudieron guardar los datos restaurados: %1</translation>
    </message>
    <message>
        <source>Backup refused: unsafe entry name &quot;%1&quot;.</source>
        <translation>Copia rechazada: nombre de entrada no seguro &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Backup refused: &quot;%1&quot; appears more than once.</source>
        <translation>Copia rechazada: &quot;%1&quot; aparece más de una vez.</translation>
    </message>
    <message>
        <source>Backup refused: %1</source>
        <translation>Copia rechazada: %1</translation>
    </message>
    <message>
        <source>Backup refused: the manifest lists %1 rows of %2 but the archive holds %3.</source>
        <translation>Copia rechazada: el manifiesto indica %1 filas de %2, pero el archivo contiene %3.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>No se pudo restaurar la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Error al leer %1: %2</translation>
    </message>
    <message>
        <source>The archive could not be built.</source>
        <translation>No se pudo crear el archivo comprimido.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>No se pudo crear la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>No se pudo escribir en:
%1

%2</translation>
    </message>
    <message>
        <source>the database stopped the write</source>
        <translation>la base de datos detuvo la escritura</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Nombre de la categoría:</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>No se pudo guardar la categoría.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar &quot;%1&quot;? Las transacciones con esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gasolina/Combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Cuota del coche</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Comestibles</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/Alquiler</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salario / Sueldo</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Autónomo / Consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>income</source>
        <translation>ingreso</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>transferencia</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>gasto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>CategoryTreeService</name>
    <message>
        <source>The category could not be deleted. Nothing was changed.</source>
        <translation>No se pudo eliminar la categoría. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>Use the database in DIR instead of PENWICK_DATA_DIR or the default data directory.</source>
        <translation>Usa la base de datos de DIR en lugar de PENWICK_DATA_DIR o del directorio de datos predeterminado.</translation>
    </message>
    <message>
        <source>Print JSON instead of CSV or text.</source>
        <translation>Imprime JSON en lugar de CSV o texto.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Run &quot;%1 COMMAND --help&quot; for the options of a command.</source>
        <translation>Ejecute &quot;%1 COMMAND --help&quot; para ver las opciones de un comando.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 SUBCOMMAND [options]</source>
        <translation>Uso: %1 %2 SUBCOMMAND [opciones]</translation>
    </message>
    <message>
        <source>Subcommands:</source>
        <translation>Subcomandos:</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 SUBCOMMAND --help&quot; for the options of a subcommand.</source>
        <translation>Ejecute &quot;%1 %2 SUBCOMMAND --help&quot; para ver las opciones de un subcomando.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the list of commands.</source>
        <translation>Ejecute &quot;%1 --help&quot; para ver la lista de comandos.</translation>
    </message>
    <message>
        <source>Works on the Penwick register from the command line: the same database, migrations and rules as the program.</source>
        <translation>Trabaja con el registro de Penwick desde la línea de comandos: la misma base de datos, migraciones y reglas que el programa.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>El comando que se ejecutará (ver abajo).</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No se indicó ningún comando.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando desconocido: %1</translation>
    </message>
    <message>
        <source>Missing subcommand for %1.</source>
        <translation>Falta el subcomando de %1.</translation>
    </message>
    <message>
        <source>Unknown command: %1 %2</source>
        <translation>Comando desconocido: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for the options of this command.</source>
        <translation>Ejecute &quot;%1 %2 --help&quot; para ver las opciones de este comando.</translation>
    </message>
    <message>
        <source>--data-dir needs a directory.</source>
        <translation>--data-dir necesita un directorio.</translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>Failed to initialize the database at %1</source>
        <translation>No se pudo inicializar la base de datos en %1</translation>
    </message>
    <message>
        <source>Unknown account: %1</source>
        <translation>Cuenta desconocida: %1</translation>
    </message>
    <message>
        <source>Account name &quot;%1&quot; is ambiguous; use the account id.</source>
        <translation>El nombre de cuenta &quot;%1&quot; es ambiguo; use el id de la cuenta.</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>Categoría desconocida: %1</translation>
    </message>
    <message>
        <source>Category name &quot;%1&quot; is ambiguous; use &quot;Parent &gt; Child&quot; or the category id.</source>
        <translation>El nombre de categoría &quot;%1&quot; es ambiguo; use &quot;Padre &gt; Hija&quot; o el id de la categoría.</translation>
    </message>
    <message>
        <source>Missing argument: %1</source>
        <translation>Falta el argumento: %1</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Falta la opción: --%1</translation>
    </message>
    <message>
        <source>Invalid date for --%1: &quot;%2&quot; (expected yyyy-MM-dd)</source>
        <translation>Fecha no válida para --%1: &quot;%2&quot; (se esperaba yyyy-MM-dd)</translation>
    </message>
    <message>
        <source>Invalid number for --%1: &quot;%2&quot;</source>
        <translation>Número no válido para --%1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Waiting for another program that is writing to the database...</source>
        <translation>Esperando a otro programa que está escribiendo en la base de datos...</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database is busy: another program is writing to it. Try again.</source>
        <translation>La base de datos está ocupada: otro programa está escribiendo en ella. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The database was created by a newer version of this program (schema version %1; this version knows up to %2). It was not changed.</source>
        <translation>La base de datos la creó una versión más reciente de este programa (versión de esquema %1; esta versión admite hasta la %2). No se ha modificado.</translation>
    </message>
    <message>
        <source>The disk is full, or the database has reached its size limit.</source>
        <translation>El disco está lleno o la base de datos ha alcanzado su tamaño máximo.</translation>
    </message>
    <message>
        <source>The database is read-only: its file or folder cannot be written.</source>
        <translation>La base de datos es de solo lectura: no se puede escribir en su archivo o carpeta.</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>El archivo de la base de datos está dañado.</translation>
    </message>
    <message>
        <source>The database file could not be written (input/output error).</source>
        <translation>No se pudo escribir el archivo de la base de datos (error de entrada/salida).</translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Cannot read file: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>Import QIF files, mapping each source account to a local account.</source>
        <translation>Importa archivos QIF, asignando cada cuenta de origen a una cuenta local.</translation>
    </message>
    <message>
        <source>QIF files to import together.</source>
        <translation>Archivos QIF que se importarán juntos.</translation>
    </message>
    <message>
        <source>Send the source account SOURCE (or a transfer target named in the files) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>Envía la cuenta de origen SOURCE (o un destino de transferencia indicado en los archivos) a la cuenta existente ACCOUNT (nombre o id). Se puede repetir.</translation>
    </message>
    <message>
        <source>Skip the transactions of the source account SOURCE. Repeatable.</source>
        <translation>Omite las transacciones de la cuenta de origen SOURCE. Se puede repetir.</translation>
    </message>
    <message>
        <source>Sources without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account named after the source.</source>
        <translation>Los orígenes sin --map ni --skip van a la cuenta existente con el mismo nombre (sin distinguir mayúsculas); si no existe, a una cuenta nueva con el nombre del origen.</translation>
    </message>
    <message>
        <source>Import a CSV file into one account.</source>
        <translation>Importa un archivo CSV en una cuenta.</translation>
    </message>
    <message>
        <source>CSV file to import.</source>
        <translation>Archivo CSV que se importará.</translation>
    </message>
    <message>
        <source>Target account (name or id).</source>
        <translation>Cuenta de destino (nombre o id).</translation>
    </message>
    <message>
        <source>Column of the date, counted from 0.</source>
        <translation>Columna de la fecha, contando desde 0.</translation>
    </message>
    <message>
        <source>Column of the payee, counted from 0.</source>
        <translation>Columna del beneficiario, contando desde 0.</translation>
    </message>
    <message>
        <source>Column of the amount, counted from 0.</source>
        <translation>Columna del importe, contando desde 0.</translation>
    </message>
    <message>
        <source>Column of the memo, counted from 0.</source>
        <translation>Columna de la nota, contando desde 0.</translation>
    </message>
    <message>
        <source>Column of the category name, counted from 0.</source>
        <translation>Columna del nombre de la categoría, contando desde 0.</translation>
    </message>
    <message>
        <source>How dates are written: %1 (default %2).</source>
        <translation>Formato de las fechas: %1 (predeterminado %2).</translation>
    </message>
    <message>
        <source>The first row holds data, not column titles.</source>
        <translation>La primera fila contiene datos, no títulos de columna.</translation>
    </message>
    <message>
        <source>Invalid --map &quot;%1&quot; (expected SOURCE=ACCOUNT)</source>
        <translation>--map &quot;%1&quot; no válido (se esperaba SOURCE=ACCOUNT)</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is mapped twice</source>
        <translation>El origen &quot;%1&quot; está asignado dos veces</translation>
    </message>
    <message>
        <source>No source account &quot;%1&quot; in the files</source>
        <translation>No hay ninguna cuenta de origen &quot;%1&quot; en los archivos</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is both mapped and skipped</source>
        <translation>El origen &quot;%1&quot; está asignado y omitido a la vez</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Falta la opción: --%1</translation>
    </message>
    <message>
        <source>Invalid --date-format &quot;%1&quot; (expected one of %2)</source>
        <translation>--date-format &quot;%1&quot; no válido (se esperaba uno de %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) could not be stored.</source>
        <translation>
            <numerusform>No se pudo guardar %n registro.</numerusform>
            <numerusform>No se pudieron guardar %n registros.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import OFX or QFX bank downloads, mapping each statement&apos;s account to a local account.</source>
        <translation>Importa descargas bancarias OFX o QFX, asignando la cuenta de cada extracto a una cuenta local.</translation>
    </message>
    <message>
        <source>OFX or QFX files to import together.</source>
        <translation>Archivos OFX o QFX que se importarán juntos.</translation>
    </message>
    <message>
        <source>Send the statement account SOURCE (as listed, or its account number) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>Envía la cuenta del extracto SOURCE (tal como aparece, o su número de cuenta) a la cuenta existente ACCOUNT (nombre o id). Se puede repetir.</translation>
    </message>
    <message>
        <source>Skip the transactions of the statement account SOURCE. Repeatable.</source>
        <translation>Omite las transacciones de la cuenta del extracto SOURCE. Se puede repetir.</translation>
    </message>
    <message>
        <source>Accounts without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account in the statement&apos;s currency. Transactions already imported from an earlier download are counted as duplicates.</source>
        <translation>Las cuentas sin --map ni --skip van a la cuenta existente con el mismo nombre (sin distinguir mayúsculas), o si no, a una cuenta nueva en la moneda del extracto. Las transacciones ya importadas en una descarga anterior se cuentan como duplicadas.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import failed.</source>
        <translation>Error en la importación.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Un error de la base de datos detuvo la importación y se deshicieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia vinculada entre cuentas</numerusform>
            <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluida %n vinculada a una fila importada anteriormente)</numerusform>
            <numerusform>  (incluidas %n vinculadas a filas importadas anteriormente)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (no se pudo leer)</numerusform>
            <numerusform>%n registros omitidos (no se pudieron leer)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n registro omitido (error de base de datos; ver registro)</numerusform>
            <numerusform>%n registros omitidos (error de base de datos; ver registro)</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>No se añadió ninguna transacción.</translation>
    </message>
    <message numerus="yes">
        <source>%n split line(s) without a category were not kept</source>
        <translation>
            <numerusform>No se conservó %n línea de desglose sin categoría</numerusform>
            <numerusform>No se conservaron %n líneas de desglose sin categoría</numerusform>
        </translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importación cancelada.</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>La importación se canceló y se deshicieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
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
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde importar cada cuenta de Quicken. Las transferencias entre cuentas asignadas en los archivos seleccionados se vincularán automáticamente.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivo(s) QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose one CSV file at a time.</source>
        <translation>Elija un solo archivo CSV cada vez.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>%1 holds no CSV rows that can be read.</source>
        <translation>%1 no contiene filas CSV legibles.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col %1: %2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivo(s) QIF...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) are not QIF files with transactions.</source>
        <translation>No se encontraron transacciones: los archivos elegidos no son archivos QIF con transacciones.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear cuenta nueva &quot;%1&quot; —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estas transacciones —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Sin cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija una cuenta en la que importar o cree una ahora.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (investment account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de inversión)</numerusform>
            <numerusform>%n registros omitidos (cuenta de inversión)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: statement balance %2 on %3, account balance %4</source>
        <translation>%1: saldo del extracto %2 el %3, saldo de la cuenta %4</translation>
    </message>
    <message>
        <source>  (they differ by %1)</source>
        <translation>  (diferencia de %1)</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>Cuentas de los extractos:</translation>
    </message>
    <message>
        <source>Choose where each bank or card account of the download should be imported. Transactions already imported from an earlier download are skipped.</source>
        <translation>Elija dónde importar cada cuenta bancaria o de tarjeta de la descarga. Las transacciones ya importadas en una descarga anterior se omiten.</translation>
    </message>
    <message>
        <source>Select OFX/QFX File(s)</source>
        <translation>Seleccionar archivo(s) OFX/QFX</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx)</source>
        <translation>Archivos OFX (*.ofx *.qfx)</translation>
    </message>
    <message>
        <source>%1 is not a QIF, OFX or CSV file.</source>
        <translation>%1 no es un archivo QIF, OFX ni CSV.</translation>
    </message>
    <message>
        <source>Analyzing OFX file(s)...</source>
        <translation>Analizando archivo(s) OFX...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) hold no bank or card transactions.</source>
        <translation>No se encontraron transacciones: los archivos elegidos no contienen transacciones bancarias ni de tarjeta.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin cabecera de cuenta)</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>Unclosed quote starting on line %1.</source>
        <translation>Comillas sin cerrar a partir de la línea %1.</translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists.</source>
        <translation>La cuenta elegida para %1 ya no existe.</translation>
    </message>
    <message>
        <source>The statement of %1 names no currency.</source>
        <translation>El extracto de %1 no indica ninguna moneda.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency no account here can keep.</source>
        <translation>El extracto de %1 está en %2, una moneda que ninguna cuenta puede llevar aquí.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; keeps %4.</source>
        <translation>El extracto de %1 está en %2, pero la cuenta &quot;%3&quot; se lleva en %4.</translation>
    </message>
    <message>
        <source>A file changed while it was imported: %1</source>
        <translation>Un archivo cambió mientras se importaba: %1</translation>
    </message>
</context>
<context>
    <name>LedgerCommands</name>
    <message>
        <source>List the live accounts with type, currency and balance.</source>
        <translation>Lista las cuentas activas con tipo, moneda y saldo.</translation>
    </message>
    <message>
        <source>List the transactions of an account with running balances.</source>
        <translation>Lista las transacciones de una cuenta con saldos acumulados.</translation>
    </message>
    <message>
        <source>Account name or id.</source>
        <translation>Nombre o id de la cuenta.</translation>
    </message>
    <message>
        <source>Full-text search over payee, memo and check number (newest 200 rows).</source>
        <translation>Búsqueda de texto en beneficiario, nota y número de cheque (las 200 filas más recientes).</translation>
    </message>
    <message>
        <source>Search expression: all words must occur, &quot;quoted phrases&quot; and prefix* terms work; &quot;&quot; lists by the filters alone.</source>
        <translation>Expresión de búsqueda: deben aparecer todas las palabras; admite &quot;frases entre comillas&quot; y términos con prefijo*; &quot;&quot; lista solo según los filtros.</translation>
    </message>
    <message>
        <source>Only this account (name or id).</source>
        <translation>Solo esta cuenta (nombre o id).</translation>
    </message>
    <message>
        <source>Only this category (name, &quot;Parent &gt; Child&quot; or id).</source>
        <translation>Solo esta categoría (nombre, &quot;Padre &gt; Hija&quot; o id).</translation>
    </message>
    <message>
        <source>Earliest date, yyyy-MM-dd.</source>
        <translation>Fecha más antigua, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Latest date, yyyy-MM-dd.</source>
        <translation>Fecha más reciente, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Only cleared transactions.</source>
        <translation>Solo transacciones conciliadas.</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nº cheq.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>The register of %1 could not be read.</source>
        <translation>No se pudo leer el registro de %1.</translation>
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
            <numerusform>%n transacción recurrente registrada automáticamente</numerusform>
            <numerusform>%n transacciones recurrentes registradas automáticamente</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar &quot;%1&quot;?

Se eliminarán todas las transacciones, entradas recurrentes e historial de conciliación de esta cuenta. Puede restaurarla desde Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Transacciones recurrentes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Velmora Penwick</source>
        <translation>&amp;Acerca de Velmora Penwick</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Bienvenido a Velmora Penwick</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar transacciones desde un archivo CSV en Archivo › Importar.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A cheque-book register for keeping your household accounts.&lt;/p&gt;&lt;p&gt;Built with the Qt framework, used under the GNU LGPL version 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;source code&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un registro de chequera para llevar las cuentas de su hogar.&lt;/p&gt;&lt;p&gt;Creado con el framework Qt, usado bajo la GNU LGPL versión 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;código fuente&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Velmora Penwick</source>
        <translation>Acerca de Velmora Penwick</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Import&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registro&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Guardar transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insertar nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Eliminar la transacción actual&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Campo siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apóstrofo)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copiar el valor del campo de arriba&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Campo de fecha&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Hoy&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Día siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del mes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del año&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día de la semana&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Conciliar cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buscar transacciones&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Importar&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Informes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Transacciones recurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categorías&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Cuentas&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliación — %1</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliación...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>C&amp;onciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliación...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>Cate&amp;gorías</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>No se pueden volver a cargar los datos de ejemplo mientras sigan existiendo las cuentas de ejemplo %1: sus propias transacciones las usan. Mueva o elimine antes esas transacciones.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>No se pudieron cargar los datos de ejemplo; no se añadió nada.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>No se pudieron borrar por completo los datos de ejemplo.</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>Se conservaron las cuentas de ejemplo %1 porque sus propias transacciones las usan.</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>Datos de ejemplo borrados, salvo lo que usan sus propias filas.</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>No queda nada por borrar.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Only QIF, OFX, QFX and CSV files can be imported.</source>
        <translation>Solo se pueden importar archivos QIF, OFX, QFX y CSV.</translation>
    </message>
    <message>
        <source>&amp;Velmora Account...</source>
        <translation>Cuenta &amp;Velmora...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Cerrar &amp;sesión</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gestionar su cuenta</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Iniciar sesión o registrarse</translation>
    </message>
    <message>
        <source>Velmora Account</source>
        <translation>Cuenta Velmora</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Compartir...</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was replaced by a newer one from another device</source>
        <translation>
            <numerusform>%n cambio se reemplazó por uno más reciente de otro dispositivo</numerusform>
            <numerusform>%n cambios se reemplazaron por otros más recientes de otro dispositivo</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Another Account&apos;s Register</source>
        <translation>Registro de otra cuenta</translation>
    </message>
    <message>
        <source>This register was synchronised with a different Velmora account. Upload it to the account you are signed in with now, as new data, or keep it on this computer only?</source>
        <translation>Este registro se sincronizó con otra cuenta de Velmora. ¿Desea subirlo como datos nuevos a la cuenta con la que ha iniciado sesión ahora, o conservarlo solo en este equipo?</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>Subir a esta cuenta</translation>
    </message>
    <message>
        <source>Keep Local</source>
        <translation>Conservar en este equipo</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Sharing requires a Velmora account.</source>
        <translation>Para compartir se necesita una cuenta de Velmora.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartir: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Velmora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Velmora. Verán el mismo registro, los mismos saldos y el mismo historial de conciliación en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Error al compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Error al quitar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar el acceso de %1 a esta cuenta?</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>Checking %1</source>
        <translation>Cuenta corriente %1</translation>
    </message>
    <message>
        <source>Savings %1</source>
        <translation>Ahorros %1</translation>
    </message>
    <message>
        <source>Money market %1</source>
        <translation>Mercado monetario %1</translation>
    </message>
    <message>
        <source>Credit line %1</source>
        <translation>Línea de crédito %1</translation>
    </message>
    <message>
        <source>Cash management %1</source>
        <translation>Gestión de tesorería %1</translation>
    </message>
    <message>
        <source>Credit card %1</source>
        <translation>Tarjeta de crédito %1</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <translation>Inversión %1</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX file.</source>
        <translation>%1 no es un archivo OFX ni QFX.</translation>
    </message>
    <message>
        <source>%1 is incomplete: it ends before its OFX data does. Download it again.</source>
        <translation>%1 está incompleto: termina antes que sus datos OFX. Vuelva a descargarlo.</translation>
    </message>
    <message>
        <source>The bank reported an error in %1: %2</source>
        <translation>El banco informó de un error en %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no bank or credit-card statement that can be read.</source>
        <translation>%1 no contiene ningún extracto bancario o de tarjeta de crédito legible.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>New payee name</source>
        <translation>Nuevo nombre del beneficiario</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar selección</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar selección</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al renombrar</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se renombró %n transacción.</numerusform>
            <numerusform>Se renombraron %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinar.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Error al combinar</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se combinó %n transacción.</numerusform>
            <numerusform>Se combinaron %n transacciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Enter the new payee name.</source>
        <translation>Introduzca el nuevo nombre del beneficiario.</translation>
    </message>
    <message>
        <source>The payees could not be renamed. Nothing was changed.</source>
        <translation>No se pudieron renombrar los beneficiarios. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliación</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aún no hay conciliaciones. Concilie la cuenta desde el registro para ver aquí el historial.</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos conciliados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retiros conciliados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finalizar conciliación</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Error de conciliación</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Cuenta conciliada correctamente.</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar la transacción de %1?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia &quot;%1&quot; de %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Nothing was reconciled.</source>
        <translation>No se concilió nada.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. %1</source>
        <translation>No se pudo guardar la conciliación. %1</translation>
    </message>
    <message>
        <source>The transaction &quot;%1&quot; was changed or deleted elsewhere. %2 Check the list and try again.</source>
        <translation>La transacción &quot;%1&quot; se modificó o eliminó en otro lugar. %2 Revise la lista e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>RecurringCommands</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Post the due auto-post entries, catching up missed dates, as the program does at start-up.</source>
        <translation>Registra las entradas automáticas vencidas, recuperando las fechas perdidas, como hace el programa al iniciarse.</translation>
    </message>
    <message>
        <source>List the recurring entries by next due date.</source>
        <translation>Lista las entradas recurrentes por próximo vencimiento.</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n transacción recurrente registrada automáticamente</numerusform>
            <numerusform>%n transacciones recurrentes registradas automáticamente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due entry(s) still waiting for confirmation</source>
        <translation>
            <numerusform>%n entrada vencida aún pendiente de confirmación</numerusform>
            <numerusform>%n entradas vencidas aún pendientes de confirmación</numerusform>
        </translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próx. venc.</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>Auto-post</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Transfer To</source>
        <translation>Transferir a</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción recurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción recurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empiece a escribir para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Con fecha final</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha inicial:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha final:</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próx. venc.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva recurrente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar vencidas</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 vencidas)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la recurrente &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>No se pudo guardar la entrada recurrente. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The recurring entry could not be deleted. Nothing was changed.</source>
        <translation>No se pudo eliminar la entrada recurrente. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nº cheq.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Nota</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de transferencia</translation>
    </message>
    <message>
        <source>Choose another account for the transfer</source>
        <translation>Elija otra cuenta para la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos borrados</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar &quot;%1&quot; de %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia &quot;%1&quot; de %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción memorizada como recurrente</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como &amp;no conciliada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;conciliada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Press Enter to edit this transaction, or Ctrl+I for a new one</source>
        <translation>Pulse Intro para editar esta transacción o Ctrl+I para una nueva</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>%1: this currency has no minor units; enter a whole amount</source>
        <translation>%1: esta moneda no tiene decimales; introduzca un importe entero</translation>
    </message>
    <message>
        <source>%1: the amount is too large</source>
        <translation>%1: el importe es demasiado grande</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an amount</source>
        <translation>%1: &quot;%2&quot; no es un importe</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>Ninguna categoría coincide con &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several categories: choose one</source>
        <translation>&quot;%1&quot; coincide con varias categorías: elija una</translation>
    </message>
    <message>
        <source>Date is required</source>
        <translation>La fecha es obligatoria</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; no es una fecha válida</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>No se pudo guardar la entrada recurrente. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>No se pudo guardar la transacción. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period.</source>
        <translation>No hay datos para este periodo.</translation>
    </message>
    <message>
        <source>Amounts in %1; other currencies are in the table</source>
        <translation>Importes en %1; las demás monedas están en la tabla</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Run one of the eight reports and print it as CSV.</source>
        <translation>Ejecuta uno de los ocho informes y lo imprime como CSV.</translation>
    </message>
    <message>
        <source>Report: %1.</source>
        <translation>Informe: %1.</translation>
    </message>
    <message>
        <source>First day of the period, yyyy-MM-dd.</source>
        <translation>Primer día del periodo, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Last day of the period, yyyy-MM-dd.</source>
        <translation>Último día del periodo, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Only this account (name or id); not for tax_report and account_summary.</source>
        <translation>Solo esta cuenta (nombre o id); no para tax_report ni account_summary.</translation>
    </message>
    <message>
        <source>year_over_year: first day of the earlier period (default: --from one year earlier).</source>
        <translation>year_over_year: primer día del periodo anterior (predeterminado: --from un año antes).</translation>
    </message>
    <message>
        <source>year_over_year: last day of the earlier period (default: --to one year earlier).</source>
        <translation>year_over_year: último día del periodo anterior (predeterminado: --to un año antes).</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Escribe en FILE en lugar de la salida estándar.</translation>
    </message>
    <message>
        <source>--from and --to are required except for account_summary, which has no period. year_over_year compares --from..--to with the earlier period.</source>
        <translation>--from y --to son obligatorios salvo para account_summary, que no tiene periodo. year_over_year compara --from..--to con el periodo anterior.</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot; (expected one of %2)</source>
        <translation>Informe desconocido &quot;%1&quot; (se esperaba uno de %2)</translation>
    </message>
    <message>
        <source>--compare-from and --compare-to belong to year_over_year</source>
        <translation>--compare-from y --compare-to son de year_over_year</translation>
    </message>
    <message>
        <source>Report &quot;%1&quot; covers every account; --account does not apply</source>
        <translation>El informe &quot;%1&quot; abarca todas las cuentas; --account no se aplica</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>No se pudo escribir en: %1</translation>
    </message>
</context>
<context>
    <name>ReportPresenter</name>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos vs. gastos</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Conciliado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No conciliado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año vs. año pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado vs. año anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre vs. trimestre pasado</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1: %1 – %2    P2: %3 – %4</translation>
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
        <translation>Mostrar &amp;gráficos</translation>
    </message>
    <message>
        <source>Export Chart...</source>
        <translation>Exportar gráfico...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>No se pudo escribir el informe en %1.</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be written to %1.</source>
        <translation>No se pudo escribir el gráfico en %1.</translation>
    </message>
</context>
<context>
    <name>SampleCommands</name>
    <message>
        <source>Add the sample household (three accounts, two months, three recurring entries).</source>
        <translation>Añade el hogar de ejemplo (tres cuentas, dos meses, tres entradas recurrentes).</translation>
    </message>
    <message>
        <source>Remove every sample row again.</source>
        <translation>Elimina de nuevo todas las filas de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>No se pudieron cargar los datos de ejemplo; no se añadió nada.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>No se pudieron borrar por completo los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>No se pueden volver a cargar los datos de ejemplo mientras sigan existiendo las cuentas de ejemplo %1: sus propias transacciones las usan. Mueva o elimine antes esas transacciones.</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>Se conservaron las cuentas de ejemplo %1 porque sus propias transacciones las usan.</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>No queda nada por borrar.</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>Datos de ejemplo borrados, salvo lo que usan sus propias filas.</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, número de cheque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo conciliadas</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches</source>
        <translation>
            <numerusform>Se muestra %n coincidencia (la más reciente)</numerusform>
            <numerusform>Se muestran las %n coincidencias más recientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n coincidencia</numerusform>
            <numerusform>%n coincidencias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Velmora Penwick looks.</source>
        <translation>Controle el aspecto de Velmora Penwick.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo aparecen las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Mostrar la nota en una segunda línea debajo del beneficiario.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Ordenación</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Controle el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las transacciones más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si está activado, las transacciones más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your data in sync across all your devices.</source>
        <translation>Mantenga sus datos sincronizados en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde sus datos en un archivo de copia de seguridad portátil o restáurelos desde él.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que ha eliminado.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar seleccionadas</translation>
    </message>
    <message>
        <source>Velmora Penwick</source>
        <translation>Velmora Penwick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A cheque-book register for keeping your household accounts.</source>
        <translation>Un registro de chequera para llevar las cuentas de su hogar.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Velmora Penwick website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick for mobile&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Sitio web de Velmora Penwick&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick para móviles&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Built with the Qt framework, used under the GNU Lesser General Public License version 3.</source>
        <translation>Creado con el framework Qt, utilizado bajo la GNU Lesser General Public License versión 3.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Velmora Penwick.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Velmora Penwick.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Velmora Account to enable sync.</source>
        <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Cuenta Velmora para activar la sincronización.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir al servidor todas las filas locales y se volverán a descargar todos los datos del servidor. Use esta opción si los datos no coinciden entre dispositivos.

¿Desea continuar?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error en la importación</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>Reemplazar datos</translation>
    </message>
    <message>
        <source>Rows in the backup will replace the rows with the same identity here.

A copy of your current data is saved first to:
%1

Continue?</source>
        <translation>Las filas de la copia de seguridad reemplazarán aquí a las filas con la misma identidad.

Antes se guardará una copia de sus datos actuales en:
%1

¿Desea continuar?</translation>
    </message>
    <message>
        <source>Nothing was imported: the current data could not be saved first.

%1</source>
        <translation>No se importó nada: no se pudieron guardar antes los datos actuales.

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos; se omitieron %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurar cuenta</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurrente vencida</numerusform>
            <numerusform>  •  %n recurrentes vencidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>Run one synchronisation cycle for the signed-in account.</source>
        <translation>Ejecuta un ciclo de sincronización para la cuenta con la sesión iniciada.</translation>
    </message>
    <message>
        <source>Not signed in: sign in from Penwick first.</source>
        <translation>No ha iniciado sesión: inicie sesión primero desde Penwick.</translation>
    </message>
    <message>
        <source>Sync did not start: %1</source>
        <translation>La sincronización no se inició: %1</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Not synced: this register belongs to another account</source>
        <translation>No sincronizado: este registro pertenece a otra cuenta</translation>
    </message>
    <message>
        <source>Not synced yet</source>
        <translation>Aún no sincronizado</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Error al enviar los cambios (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Error al recibir los cambios (HTTP %1)</translation>
    </message>
    <message>
        <source>The server announced more changes without a new sync position.</source>
        <translation>El servidor anunció más cambios sin una nueva posición de sincronización.</translation>
    </message>
    <message>
        <source>The server&apos;s answer to the push could not be read.</source>
        <translation>No se pudo leer la respuesta del servidor al envío de los cambios.</translation>
    </message>
</context>
<context>
    <name>SyncLocalStore</name>
    <message>
        <source>The push results could not be stored: %1</source>
        <translation>No se pudieron guardar los resultados del envío: %1</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be stored: %1</source>
        <translation>No se pudieron guardar los cambios del servidor: %1</translation>
    </message>
    <message>
        <source>The sync position could not be stored.</source>
        <translation>No se pudo guardar la posición de sincronización.</translation>
    </message>
    <message>
        <source>The %1 row %2 from the server could not be stored: %3</source>
        <translation>No se pudo guardar la fila %2 de %1 recibida del servidor: %3</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>The register could not be prepared for this account.</source>
        <translation>No se pudo preparar el registro para esta cuenta.</translation>
    </message>
    <message>
        <source>Force Full Sync could not start.</source>
        <translation>No se pudo iniciar la sincronización completa forzada.</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be read.</source>
        <translation>No se pudieron leer los cambios del servidor.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empiece a escribir para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Conciliado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Nº de cheque:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; no es una fecha válida</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter an amount</source>
        <translation>Introduzca un importe</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>Ninguna categoría coincide con &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>No se pudo guardar la transacción. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The transaction no longer exists. Nothing was changed.</source>
        <translation>La transacción ya no existe. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation>No se pudo eliminar la transacción. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>UpdateEntryPoints</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión disponibles para %1 %2</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
</context>
<context>
    <name>VelmAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Activo ahora</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Cliente desconocido</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Editar nombre visible</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Cambie la contraseña de su cuenta.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>No se pudo cargar su perfil.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nombre visible:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>No se pudo actualizar el perfil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nombre visible actualizado.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nueva contraseña (mín. 8 caracteres):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>La contraseña debe tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmar nueva contraseña:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Contraseña cambiada.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>No se pudo cambiar la contraseña.</translation>
    </message>
    <message>
        <source>Could not load your group.</source>
        <translation>No se pudo cargar su grupo.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>No forma parte de ningún grupo. El propietario del grupo puede invitarle, o puede unirse con un código de invitación.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Unirse con un código de invitación</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 de %2 plazas ocupadas</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>¿Quitar a %1 del grupo?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 se ha quitado.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Abandonar el grupo</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>¿Abandonar este grupo? Perderá el acceso a los datos compartidos.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Ha abandonado el grupo.</translation>
    </message>
    <message>
        <source>Failed to leave the group.</source>
        <translation>No se pudo abandonar el grupo.</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitaciones pendientes</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Código de invitación: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitación revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke the invitation.</source>
        <translation>No se pudo revocar la invitación.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invitar a miembros</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invitar por correo electrónico</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generar código de invitación</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Unirse a un grupo</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Introduzca el código de invitación:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Código de invitación no válido o caducado.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Se ha unido al grupo.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Dirección de correo electrónico:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>No se pudo enviar la invitación.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitación enviada.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>No se pudo generar el código.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Código de invitación</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Comparta este código con la persona a la que quiere invitar:

%1</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Dispositivos que se han sincronizado con su cuenta.</translation>
    </message>
    <message>
        <source>Could not load your devices.</source>
        <translation>No se pudieron cargar sus dispositivos.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No hay dispositivos registrados.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar %1?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Dispositivo quitado.</translation>
    </message>
    <message>
        <source>Failed to remove the device.</source>
        <translation>No se pudo quitar el dispositivo.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sesiones activas</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sesiones que tienen iniciada su cuenta en este momento.</translation>
    </message>
    <message>
        <source>Could not load your sessions.</source>
        <translation>No se pudieron cargar sus sesiones.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No hay sesiones activas.</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sesión revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke the session.</source>
        <translation>No se pudo revocar la sesión.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zona de peligro</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Eliminar su cuenta de forma permanente. No se puede deshacer una vez pasados 30 días.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Es el propietario del grupo. Transfiera la propiedad o quite a todos los miembros antes de eliminar su cuenta.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Su cuenta se programará para su eliminación permanente dentro de 30 días.

Escriba DELETE para confirmar:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Eliminación de la cuenta programada</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Su cuenta se eliminará de forma permanente dentro de 30 días. Puede recuperarla iniciando sesión antes de esa fecha.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ApiClient</name>
    <message>
        <source>The sign-in could not be renewed; check the connection and try again.</source>
        <translation>No se pudo renovar la sesión; compruebe la conexión e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Refused to contact %1: the address is not a secure (https) one.</source>
        <translation>Se rechazó contactar con %1: la dirección no es segura (https).</translation>
    </message>
    <message>
        <source>The server&apos;s answer was refused (too large, or a redirect to another host).</source>
        <translation>Se rechazó la respuesta del servidor (demasiado grande, o una redirección a otro host).</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>No se pudo leer la respuesta del servidor.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>No se pudo iniciar el servidor de autenticación local</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Se agotó el tiempo de inicio de sesión</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>No se pudo abrir el navegador web</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>No se recibieron tokens</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ShareMembersDialog</name>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Join or create a family group to share accounts.</source>
        <translation>Únase a un grupo familiar o cree uno para compartir cuentas.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartido con</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Ya se han añadido todos los miembros del grupo</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Compartiendo...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>¿Quitar el acceso de %1 a este elemento?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>No se pudo dejar de compartir.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::WebAuthHandler</name>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>¡Autenticación completada!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Puede cerrar esta pestaña y volver a la aplicación.</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>You can close this tab and try again in the application.</source>
        <translation>Puede cerrar esta pestaña y volver a intentarlo en la aplicación.</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La última versión es %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*No hay notas disponibles para esta versión.*</translation>
    </message>
    <message>
        <source>Size: %1
SHA-256: %2</source>
        <translation>Tamaño: %1
SHA-256: %2</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Bienvenido a Velmora Penwick</translation>
    </message>
    <message>
        <source>Keep your cheque book on this computer, or sign in to your Velmora account to use the same register on all your devices.</source>
        <translation>Guarde su chequera en este equipo o inicie sesión en su cuenta de Velmora para usar el mismo registro en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Create an Account</source>
        <translation>Crear una cuenta</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Iniciar sesión...</translation>
    </message>
</context>
</TS>
