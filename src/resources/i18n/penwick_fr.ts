<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise&#xa0;:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Solde initial&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Établissement&#xa0;:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>N° de c&amp;ompte&#xa0;:</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>AccountWorkflowService</name>
    <message>
        <source>The account could not be created. Nothing was changed.</source>
        <translation>Le compte n&apos;a pas pu être créé. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>Le compte n&apos;a pas pu être supprimé. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The account no longer exists.</source>
        <translation>Le compte n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The account could not be restored. Nothing was changed.</source>
        <translation>Le compte n&apos;a pas pu être restauré. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier de données&#xa0;: %1

Vérifiez les droits d&apos;accès aux fichiers et réessayez.</translation>
    </message>
    <message>
        <source>A cheque-book register for household finances.</source>
        <translation>Un registre de chéquier pour les finances du foyer.</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>Fichiers QIF ou CSV à importer.</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1&#xa0;: chiffré ou compressé d&apos;une manière inconnue</translation>
    </message>
    <message>
        <source>%1: entry data missing</source>
        <translation>%1&#xa0;: données de l&apos;entrée manquantes</translation>
    </message>
    <message>
        <source>%1: local header does not match the archive directory</source>
        <translation>%1&#xa0;: l&apos;en-tête local ne correspond pas au répertoire de l&apos;archive</translation>
    </message>
    <message>
        <source>%1: size does not match the archive directory</source>
        <translation>%1&#xa0;: la taille ne correspond pas au répertoire de l&apos;archive</translation>
    </message>
    <message>
        <source>%1: cannot be decompressed</source>
        <translation>%1&#xa0;: décompression impossible</translation>
    </message>
    <message>
        <source>%1: checksum mismatch, the archive is damaged</source>
        <translation>%1&#xa0;: somme de contrôle incorrecte, l&apos;archive est endommagée</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>Write every row of the database to a backup ZIP file.</source>
        <translation>Écrire toutes les lignes de la base de données dans un fichier ZIP de sauvegarde.</translation>
    </message>
    <message>
        <source>The ZIP file to write.</source>
        <translation>Le fichier ZIP à écrire.</translation>
    </message>
    <message>
        <source>Merge a backup ZIP file into the database.</source>
        <translation>Fusionner un fichier ZIP de sauvegarde dans la base de données.</translation>
    </message>
    <message>
        <source>The ZIP file to read.</source>
        <translation>Le fichier ZIP à lire.</translation>
    </message>
    <message>
        <source>How rows that exist already are treated: replace (take the backup&apos;s), newer (take the backup&apos;s when its updated_at is later) or skip (keep ours).</source>
        <translation>Traitement des lignes déjà présentes&#xa0;: replace (prendre celles de la sauvegarde), newer (prendre celles de la sauvegarde si leur updated_at est plus récent) ou skip (garder les nôtres).</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>Écriture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backup saved to: %1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Option manquante&#xa0;: --%1</translation>
    </message>
    <message>
        <source>Invalid --mode &quot;%1&quot; (expected replace, newer or skip)</source>
        <translation>--mode &quot;%1&quot; invalide (attendu&#xa0;: replace, newer ou skip)</translation>
    </message>
    <message>
        <source>Could not read file: %1</source>
        <translation>Lecture du fichier impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>La sauvegarde n&apos;a pas pu être créée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder les plus récents (comparer les dates)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>Backup refused: %1 would expand to more than %2 MB.</source>
        <translation>Sauvegarde refusée&#xa0;: %1 dépasserait %2 Mo une fois décompressé.</translation>
    </message>
    <message>
        <source>Backup refused: its contents would expand to more than %1 MB.</source>
        <translation>Sauvegarde refusée&#xa0;: son contenu dépasserait %1 Mo une fois décompressé.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde invalide&#xa0;: manifest.json manquant</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1&#xa0;: erreur inattendue</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1&#xa0;: JSON invalide</translation>
    </message>
    <message>
        <source>The restored data could not be saved: %1</source>
        <translation>Les données restaurées n&apos;ont pas pu être enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backup refused: unsafe entry name &quot;%1&quot;.</source>
        <translation>Sauvegarde refusée&#xa0;: nom d&apos;entrée dangereux &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Backup refused: &quot;%1&quot; appears more than once.</source>
        <translation>Sauvegarde refusée&#xa0;: &quot;%1&quot; apparaît plusieurs fois.</translation>
    </message>
    <message>
        <source>Backup refused: %1</source>
        <translation>Sauvegarde refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backup refused: the manifest lists %1 rows of %2 but the archive holds %3.</source>
        <translation>Sauvegarde refusée&#xa0;: le manifeste indique %1 lignes de %2 mais l&apos;archive en contient %3.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Échec de la lecture de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The archive could not be built.</source>
        <translation>L&apos;archive n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>La sauvegarde n&apos;a pas pu être créée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>Impossible d&apos;écrire dans&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <source>the database stopped the write</source>
        <translation>la base de données a interrompu l’écriture</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Nom de la catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>La catégorie n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer &quot;%1&quot;&#xa0;? Les opérations de cette catégorie n&apos;auront plus de catégorie.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de formation</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts locaux &amp; régionaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Crédit immobilier</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Charges</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Crédit auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; sorties</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais &amp; commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Indépendant / Conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>income</source>
        <translation>revenu</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>virement</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>dépense</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CategoryTreeService</name>
    <message>
        <source>The category could not be deleted. Nothing was changed.</source>
        <translation>La catégorie n&apos;a pas pu être supprimée. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>Use the database in DIR instead of PENWICK_DATA_DIR or the default data directory.</source>
        <translation>Utiliser la base de données dans DIR au lieu de PENWICK_DATA_DIR ou du dossier de données par défaut.</translation>
    </message>
    <message>
        <source>Print JSON instead of CSV or text.</source>
        <translation>Afficher du JSON au lieu de CSV ou de texte.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <source>Run &quot;%1 COMMAND --help&quot; for the options of a command.</source>
        <translation>Lancez &quot;%1 COMMAND --help&quot; pour les options d&apos;une commande.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 SUBCOMMAND [options]</source>
        <translation>Usage&#xa0;: %1 %2 SUBCOMMAND [options]</translation>
    </message>
    <message>
        <source>Subcommands:</source>
        <translation>Sous-commandes&#xa0;:</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 SUBCOMMAND --help&quot; for the options of a subcommand.</source>
        <translation>Lancez &quot;%1 %2 SUBCOMMAND --help&quot; pour les options d&apos;une sous-commande.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the list of commands.</source>
        <translation>Lancez &quot;%1 --help&quot; pour la liste des commandes.</translation>
    </message>
    <message>
        <source>Works on the Penwick register from the command line: the same database, migrations and rules as the program.</source>
        <translation>Travaille sur le registre Penwick en ligne de commande&#xa0;: même base de données, mêmes migrations et mêmes règles que le programme.</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>La commande à exécuter (voir ci-dessous).</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Missing subcommand for %1.</source>
        <translation>Sous-commande manquante pour %1.</translation>
    </message>
    <message>
        <source>Unknown command: %1 %2</source>
        <translation>Commande inconnue&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for the options of this command.</source>
        <translation>Lancez &quot;%1 %2 --help&quot; pour les options de cette commande.</translation>
    </message>
    <message>
        <source>--data-dir needs a directory.</source>
        <translation>--data-dir attend un dossier.</translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>Failed to initialize the database at %1</source>
        <translation>Impossible d&apos;initialiser la base de données dans %1</translation>
    </message>
    <message>
        <source>Unknown account: %1</source>
        <translation>Compte inconnu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Account name &quot;%1&quot; is ambiguous; use the account id.</source>
        <translation>Le nom de compte &quot;%1&quot; est ambigu&#xa0;; utilisez l&apos;identifiant du compte.</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>Catégorie inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Category name &quot;%1&quot; is ambiguous; use &quot;Parent &gt; Child&quot; or the category id.</source>
        <translation>Le nom de catégorie &quot;%1&quot; est ambigu&#xa0;; utilisez &quot;Parent &gt; Enfant&quot; ou l&apos;identifiant de la catégorie.</translation>
    </message>
    <message>
        <source>Missing argument: %1</source>
        <translation>Argument manquant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Option manquante&#xa0;: --%1</translation>
    </message>
    <message>
        <source>Invalid date for --%1: &quot;%2&quot; (expected yyyy-MM-dd)</source>
        <translation>Date invalide pour --%1&#xa0;: &quot;%2&quot; (attendu&#xa0;: yyyy-MM-dd)</translation>
    </message>
    <message>
        <source>Invalid number for --%1: &quot;%2&quot;</source>
        <translation>Nombre invalide pour --%1&#xa0;: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Waiting for another program that is writing to the database...</source>
        <translation>En attente d&apos;un autre programme qui écrit dans la base de données...</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database is busy: another program is writing to it. Try again.</source>
        <translation>La base de données est occupée&#xa0;: un autre programme y écrit. Réessayez.</translation>
    </message>
    <message>
        <source>The database was created by a newer version of this program (schema version %1; this version knows up to %2). It was not changed.</source>
        <translation>La base de données a été créée par une version plus récente de ce programme (schéma version %1&#xa0;; cette version connaît jusqu&apos;à %2). Elle n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>The disk is full, or the database has reached its size limit.</source>
        <translation>Le disque est plein, ou la base de données a atteint sa taille maximale.</translation>
    </message>
    <message>
        <source>The database is read-only: its file or folder cannot be written.</source>
        <translation>La base de données est en lecture seule&#xa0;: son fichier ou son dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>Le fichier de la base de données est endommagé.</translation>
    </message>
    <message>
        <source>The database file could not be written (input/output error).</source>
        <translation>Impossible d&apos;écrire le fichier de la base de données (erreur d&apos;entrée/sortie).</translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Cannot read file: %1</source>
        <translation>Lecture du fichier impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import QIF files, mapping each source account to a local account.</source>
        <translation>Importer des fichiers QIF en associant chaque compte source à un compte local.</translation>
    </message>
    <message>
        <source>QIF files to import together.</source>
        <translation>Fichiers QIF à importer ensemble.</translation>
    </message>
    <message>
        <source>Send the source account SOURCE (or a transfer target named in the files) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>Envoyer le compte source SOURCE (ou une cible de virement citée dans les fichiers) vers le compte existant ACCOUNT (nom ou identifiant). Répétable.</translation>
    </message>
    <message>
        <source>Skip the transactions of the source account SOURCE. Repeatable.</source>
        <translation>Ignorer les opérations du compte source SOURCE. Répétable.</translation>
    </message>
    <message>
        <source>Sources without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account named after the source.</source>
        <translation>Les sources sans --map ni --skip vont au compte existant de même nom (sans tenir compte de la casse), sinon à un nouveau compte portant le nom de la source.</translation>
    </message>
    <message>
        <source>Import a CSV file into one account.</source>
        <translation>Importer un fichier CSV dans un compte.</translation>
    </message>
    <message>
        <source>CSV file to import.</source>
        <translation>Fichier CSV à importer.</translation>
    </message>
    <message>
        <source>Target account (name or id).</source>
        <translation>Compte cible (nom ou identifiant).</translation>
    </message>
    <message>
        <source>Column of the date, counted from 0.</source>
        <translation>Colonne de la date, comptée à partir de 0.</translation>
    </message>
    <message>
        <source>Column of the payee, counted from 0.</source>
        <translation>Colonne du bénéficiaire, comptée à partir de 0.</translation>
    </message>
    <message>
        <source>Column of the amount, counted from 0.</source>
        <translation>Colonne du montant, comptée à partir de 0.</translation>
    </message>
    <message>
        <source>Column of the memo, counted from 0.</source>
        <translation>Colonne du mémo, comptée à partir de 0.</translation>
    </message>
    <message>
        <source>Column of the category name, counted from 0.</source>
        <translation>Colonne de la catégorie, comptée à partir de 0.</translation>
    </message>
    <message>
        <source>How dates are written: %1 (default %2).</source>
        <translation>Format des dates&#xa0;: %1 (par défaut %2).</translation>
    </message>
    <message>
        <source>The first row holds data, not column titles.</source>
        <translation>La première ligne contient des données, pas des titres de colonnes.</translation>
    </message>
    <message>
        <source>Invalid --map &quot;%1&quot; (expected SOURCE=ACCOUNT)</source>
        <translation>--map &quot;%1&quot; invalide (attendu&#xa0;: SOURCE=ACCOUNT)</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is mapped twice</source>
        <translation>La source &quot;%1&quot; est associée deux fois</translation>
    </message>
    <message>
        <source>No source account &quot;%1&quot; in the files</source>
        <translation>Aucun compte source &quot;%1&quot; dans les fichiers</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is both mapped and skipped</source>
        <translation>La source &quot;%1&quot; est à la fois associée et ignorée</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>Option manquante&#xa0;: --%1</translation>
    </message>
    <message>
        <source>Invalid --date-format &quot;%1&quot; (expected one of %2)</source>
        <translation>--date-format &quot;%1&quot; invalide (attendu&#xa0;: l&apos;un de %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) could not be stored.</source>
        <translation>
            <numerusform>%n enregistrement n&apos;a pas pu être stocké.</numerusform>
            <numerusform>%n enregistrements n&apos;ont pas pu être stockés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import OFX or QFX bank downloads, mapping each statement&apos;s account to a local account.</source>
        <translation>Importer des téléchargements bancaires OFX ou QFX, en associant le compte de chaque relevé à un compte local.</translation>
    </message>
    <message>
        <source>OFX or QFX files to import together.</source>
        <translation>Fichiers OFX ou QFX à importer ensemble.</translation>
    </message>
    <message>
        <source>Send the statement account SOURCE (as listed, or its account number) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>Envoyer le compte de relevé SOURCE (tel qu&apos;affiché, ou son numéro de compte) vers le compte existant ACCOUNT (nom ou identifiant). Répétable.</translation>
    </message>
    <message>
        <source>Skip the transactions of the statement account SOURCE. Repeatable.</source>
        <translation>Ignorer les opérations du compte de relevé SOURCE. Répétable.</translation>
    </message>
    <message>
        <source>Accounts without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account in the statement&apos;s currency. Transactions already imported from an earlier download are counted as duplicates.</source>
        <translation>Les comptes sans --map ni --skip vont dans le compte existant du même nom (sans tenir compte de la casse), sinon dans un nouveau compte dans la devise du relevé. Les opérations déjà importées lors d&apos;un téléchargement précédent sont comptées comme doublons.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import failed.</source>
        <translation>Échec de l&apos;importation.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l&apos;importation et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement rapproché entre comptes</numerusform>
            <numerusform>%n virements rapprochés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n lié à une ligne déjà importée)</numerusform>
            <numerusform>  (dont %n liés à des lignes déjà importées)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message numerus="yes">
        <source>%n split line(s) without a category were not kept</source>
        <translation>
            <numerusform>%n ligne de ventilation sans catégorie n&apos;a pas été conservée</numerusform>
            <numerusform>%n lignes de ventilation sans catégorie n&apos;ont pas été conservées</numerusform>
        </translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importation annulée.</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>L&apos;importation a été annulée et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
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
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Colonnes CSV&#xa0;:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne montant&#xa0;:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date&#xa0;:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Première ligne = en-tête</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes sources QIF&#xa0;:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez où importer chaque compte Quicken. Les virements entre comptes associés dans les fichiers choisis seront liés automatiquement.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Choisir le(s) fichier(s) QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose one CSV file at a time.</source>
        <translation>Choisissez un seul fichier CSV à la fois.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Le fichier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 holds no CSV rows that can be read.</source>
        <translation>%1 ne contient aucune ligne CSV lisible.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier choisi</numerusform>
            <numerusform>%n fichiers choisis</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse du ou des fichiers QIF...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) are not QIF files with transactions.</source>
        <translation>Aucune opération trouvée&#xa0;: les fichiers choisis ne sont pas des fichiers QIF contenant des opérations.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le compte &quot;%1&quot; —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte cible</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez un compte de destination ou créez-en un maintenant.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (investment account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte titres)</numerusform>
            <numerusform>%n enregistrements ignorés (compte titres)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: statement balance %2 on %3, account balance %4</source>
        <translation>%1&#xa0;: solde du relevé %2 au %3, solde du compte %4</translation>
    </message>
    <message>
        <source>  (they differ by %1)</source>
        <translation>  (écart de %1)</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>Comptes des relevés&#xa0;:</translation>
    </message>
    <message>
        <source>Choose where each bank or card account of the download should be imported. Transactions already imported from an earlier download are skipped.</source>
        <translation>Choisissez où importer chaque compte bancaire ou de carte du téléchargement. Les opérations déjà importées lors d&apos;un téléchargement précédent sont ignorées.</translation>
    </message>
    <message>
        <source>Select OFX/QFX File(s)</source>
        <translation>Sélectionner des fichiers OFX/QFX</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx)</source>
        <translation>Fichiers OFX (*.ofx *.qfx)</translation>
    </message>
    <message>
        <source>%1 is not a QIF, OFX or CSV file.</source>
        <translation>%1 n&apos;est pas un fichier QIF, OFX ou CSV.</translation>
    </message>
    <message>
        <source>Analyzing OFX file(s)...</source>
        <translation>Analyse du ou des fichiers OFX...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) hold no bank or card transactions.</source>
        <translation>Aucune opération trouvée&#xa0;: les fichiers choisis ne contiennent aucune opération bancaire ou de carte.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (pas d&apos;en-tête de compte)</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>Lecture du fichier impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unclosed quote starting on line %1.</source>
        <translation>Guillemet non fermé à partir de la ligne %1.</translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists.</source>
        <translation>Le compte choisi pour %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The statement of %1 names no currency.</source>
        <translation>Le relevé de %1 n&apos;indique aucune devise.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency no account here can keep.</source>
        <translation>Le relevé de %1 est en %2, une devise qu&apos;aucun compte ne peut tenir ici.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; keeps %4.</source>
        <translation>Le relevé de %1 est en %2, mais le compte &quot;%3&quot; est tenu en %4.</translation>
    </message>
    <message>
        <source>A file changed while it was imported: %1</source>
        <translation>Un fichier a été modifié pendant son importation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LedgerCommands</name>
    <message>
        <source>List the live accounts with type, currency and balance.</source>
        <translation>Lister les comptes actifs avec type, devise et solde.</translation>
    </message>
    <message>
        <source>List the transactions of an account with running balances.</source>
        <translation>Lister les opérations d&apos;un compte avec le solde courant.</translation>
    </message>
    <message>
        <source>Account name or id.</source>
        <translation>Nom ou identifiant du compte.</translation>
    </message>
    <message>
        <source>Full-text search over payee, memo and check number (newest 200 rows).</source>
        <translation>Recherche plein texte dans bénéficiaire, mémo et numéro de chèque (200 lignes les plus récentes).</translation>
    </message>
    <message>
        <source>Search expression: all words must occur, &quot;quoted phrases&quot; and prefix* terms work; &quot;&quot; lists by the filters alone.</source>
        <translation>Expression de recherche&#xa0;: tous les mots doivent figurer, les &quot;phrases entre guillemets&quot; et les termes préfixe* fonctionnent&#xa0;; &quot;&quot; liste selon les seuls filtres.</translation>
    </message>
    <message>
        <source>Only this account (name or id).</source>
        <translation>Seulement ce compte (nom ou identifiant).</translation>
    </message>
    <message>
        <source>Only this category (name, &quot;Parent &gt; Child&quot; or id).</source>
        <translation>Seulement cette catégorie (nom, &quot;Parent &gt; Enfant&quot; ou identifiant).</translation>
    </message>
    <message>
        <source>Earliest date, yyyy-MM-dd.</source>
        <translation>Date la plus ancienne, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Latest date, yyyy-MM-dd.</source>
        <translation>Date la plus récente, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Only cleared transactions.</source>
        <translation>Seulement les opérations rapprochées.</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N° ch.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Rapp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>The register of %1 could not be read.</source>
        <translation>Le registre de %1 n’a pas pu être lu.</translation>
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
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer &quot;%1&quot;&#xa0;?

Toutes les opérations, opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pouvez le restaurer depuis Préférences → Données &amp; synchronisation.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations &amp;récurrentes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Velmora Penwick</source>
        <translation>À &amp;propos de Velmora Penwick</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger les données d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>E&amp;ffacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Bienvenue dans Velmora Penwick</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Choisissez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A cheque-book register for keeping your household accounts.&lt;/p&gt;&lt;p&gt;Built with the Qt framework, used under the GNU LGPL version 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;source code&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un registre de chèques pour tenir les comptes du ménage.&lt;/p&gt;&lt;p&gt;Réalisé avec le framework Qt, utilisé sous licence GNU LGPL version 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;code source&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Velmora Penwick</source>
        <translation>À propos de Velmora Penwick</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Import&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registre&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Enregistrer l&apos;opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insérer une nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Supprimer l&apos;opération courante&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Champ suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copier la valeur du champ du dessus&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Champ de date&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aujourd&apos;hui&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Jour suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour du mois&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de l&apos;année&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de la semaine&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Général&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouveau compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapprocher le compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rechercher des opérations&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Importer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Opérations récurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Catégories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Comptes&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>R&amp;approcher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>Ca&amp;tégories</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>Les données d&apos;exemple ne peuvent pas être rechargées tant que les comptes d&apos;exemple %1 existent&#xa0;: vos propres opérations les utilisent. Déplacez ou supprimez d&apos;abord ces opérations.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être chargées&#xa0;; rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être entièrement effacées.</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>Les comptes d&apos;exemple %1 ont été conservés car vos propres opérations les utilisent.</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>Données d&apos;exemple effacées, sauf ce qu&apos;utilisent vos propres lignes.</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>Plus rien à effacer.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Ra&amp;pports</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des mises à &amp;jour...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer un &amp;commentaire...</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Only QIF, OFX, QFX and CSV files can be imported.</source>
        <translation>Seuls les fichiers QIF, OFX, QFX et CSV peuvent être importés.</translation>
    </message>
    <message>
        <source>&amp;Velmora Account...</source>
        <translation>Compte &amp;Velmora...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gérer votre compte</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Se connecter ou s&apos;inscrire</translation>
    </message>
    <message>
        <source>Velmora Account</source>
        <translation>Compte Velmora</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was replaced by a newer one from another device</source>
        <translation>
            <numerusform>%n modification a été remplacée par une version plus récente provenant d&apos;un autre appareil</numerusform>
            <numerusform>%n modifications ont été remplacées par des versions plus récentes provenant d&apos;un autre appareil</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Another Account&apos;s Register</source>
        <translation>Registre d&apos;un autre compte</translation>
    </message>
    <message>
        <source>This register was synchronised with a different Velmora account. Upload it to the account you are signed in with now, as new data, or keep it on this computer only?</source>
        <translation>Ce registre a été synchronisé avec un autre compte Velmora. Voulez-vous l&apos;envoyer, comme nouvelles données, vers le compte auquel vous êtes connecté maintenant, ou le garder uniquement sur cet ordinateur&#xa0;?</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>Envoyer vers ce compte</translation>
    </message>
    <message>
        <source>Keep Local</source>
        <translation>Garder en local</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Velmora account.</source>
        <translation>Le partage nécessite un compte Velmora.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Velmora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Velmora. Ils verront le même registre, les mêmes soldes et le même historique des rapprochements sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aucun partage pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer l&apos;accès de %1 à ce compte&#xa0;?</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>Checking %1</source>
        <translation>Compte courant %1</translation>
    </message>
    <message>
        <source>Savings %1</source>
        <translation>Épargne %1</translation>
    </message>
    <message>
        <source>Money market %1</source>
        <translation>Marché monétaire %1</translation>
    </message>
    <message>
        <source>Credit line %1</source>
        <translation>Ligne de crédit %1</translation>
    </message>
    <message>
        <source>Cash management %1</source>
        <translation>Gestion de trésorerie %1</translation>
    </message>
    <message>
        <source>Credit card %1</source>
        <translation>Carte de crédit %1</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <translation>Placements %1</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>Impossible de lire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX file.</source>
        <translation>%1 n&apos;est pas un fichier OFX ou QFX.</translation>
    </message>
    <message>
        <source>%1 is incomplete: it ends before its OFX data does. Download it again.</source>
        <translation>%1 est incomplet&#xa0;: il se termine avant la fin de ses données OFX. Téléchargez-le à nouveau.</translation>
    </message>
    <message>
        <source>The bank reported an error in %1: %2</source>
        <translation>La banque a signalé une erreur dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds no bank or credit-card statement that can be read.</source>
        <translation>%1 ne contient aucun relevé bancaire ou de carte de crédit lisible.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>New payee name</source>
        <translation>Nouveau nom du bénéficiaire</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en &quot;%2&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Enter the new payee name.</source>
        <translation>Saisissez le nouveau nom du bénéficiaire.</translation>
    </message>
    <message>
        <source>The payees could not be renamed. Nothing was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être renommés. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis le registre pour voir l&apos;historique ici.</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Rapp</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Dépôts rapprochés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retraits rapprochés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération choisie (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l&apos;opération choisie (Del)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Échec du rapprochement</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Compte rapproché avec succès.</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement &quot;%1&quot; de %2&#xa0;?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Nothing was reconciled.</source>
        <translation>Rien n&apos;a été rapproché.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. %1</source>
        <translation>Le rapprochement n&apos;a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <source>The transaction &quot;%1&quot; was changed or deleted elsewhere. %2 Check the list and try again.</source>
        <translation>L&apos;opération &quot;%1&quot; a été modifiée ou supprimée ailleurs. %2 Vérifiez la liste et réessayez.</translation>
    </message>
</context>
<context>
    <name>RecurringCommands</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Post the due auto-post entries, catching up missed dates, as the program does at start-up.</source>
        <translation>Passer les opérations automatiques échues, en rattrapant les dates manquées, comme le fait le programme au démarrage.</translation>
    </message>
    <message>
        <source>List the recurring entries by next due date.</source>
        <translation>Lister les opérations récurrentes par prochaine échéance.</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due entry(s) still waiting for confirmation</source>
        <translation>
            <numerusform>%n échéance toujours en attente de confirmation</numerusform>
            <numerusform>%n échéances toujours en attente de confirmation</numerusform>
        </translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Auto-post</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Transfer To</source>
        <translation>Virement vers</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les 2 semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour chercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Passer automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin&#xa0;:</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer les échues</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 échue(s))</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération récurrente &quot;%1&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>L&apos;opération récurrente n&apos;a pas pu être enregistrée. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The recurring entry could not be deleted. Nothing was changed.</source>
        <translation>L&apos;opération récurrente n&apos;a pas pu être supprimée. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N° ch.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Rapp</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Mémo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1&#xa0;: enregistrer  |  Enter&#xa0;: suivant  |  %2&#xa0;: supprimer  |  %3&#xa0;: mémoriser  |  &apos;&#xa0;: copier au-dessus</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte de virement introuvable</translation>
    </message>
    <message>
        <source>Choose another account for the transfer</source>
        <translation>Choisissez un autre compte pour le virement</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes aient la même devise</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant de paiement ou de dépôt</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer &quot;%1&quot; de %2&#xa0;?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement &quot;%1&quot; de %2&#xa0;?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Mémorisation impossible&#xa0;: l&apos;opération source a une date invalide</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer non &amp;rapprochée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer &amp;rapprochée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Press Enter to edit this transaction, or Ctrl+I for a new one</source>
        <translation>Appuyez sur Enter pour modifier cette opération, ou Ctrl+I pour en créer une</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>%1: this currency has no minor units; enter a whole amount</source>
        <translation>%1&#xa0;: cette devise n&apos;a pas de subdivision&#xa0;; saisissez un montant entier</translation>
    </message>
    <message>
        <source>%1: the amount is too large</source>
        <translation>%1&#xa0;: le montant est trop élevé</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an amount</source>
        <translation>%1&#xa0;: &quot;%2&quot; n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>Aucune catégorie ne correspond à &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several categories: choose one</source>
        <translation>&quot;%1&quot; correspond à plusieurs catégories&#xa0;: choisissez-en une</translation>
    </message>
    <message>
        <source>Date is required</source>
        <translation>La date est obligatoire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>L&apos;opération récurrente n&apos;a pas pu être enregistrée. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period.</source>
        <translation>Aucune donnée pour cette période.</translation>
    </message>
    <message>
        <source>Amounts in %1; other currencies are in the table</source>
        <translation>Montants en %1&#xa0;; les autres devises figurent dans le tableau</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Run one of the eight reports and print it as CSV.</source>
        <translation>Exécuter l&apos;un des huit rapports et l&apos;afficher en CSV.</translation>
    </message>
    <message>
        <source>Report: %1.</source>
        <translation>Rapport&#xa0;: %1.</translation>
    </message>
    <message>
        <source>First day of the period, yyyy-MM-dd.</source>
        <translation>Premier jour de la période, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Last day of the period, yyyy-MM-dd.</source>
        <translation>Dernier jour de la période, yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>Only this account (name or id); not for tax_report and account_summary.</source>
        <translation>Seulement ce compte (nom ou identifiant)&#xa0;; pas pour tax_report ni account_summary.</translation>
    </message>
    <message>
        <source>year_over_year: first day of the earlier period (default: --from one year earlier).</source>
        <translation>year_over_year&#xa0;: premier jour de la période antérieure (par défaut&#xa0;: --from un an plus tôt).</translation>
    </message>
    <message>
        <source>year_over_year: last day of the earlier period (default: --to one year earlier).</source>
        <translation>year_over_year&#xa0;: dernier jour de la période antérieure (par défaut&#xa0;: --to un an plus tôt).</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Écrire dans FILE au lieu de la sortie standard.</translation>
    </message>
    <message>
        <source>--from and --to are required except for account_summary, which has no period. year_over_year compares --from..--to with the earlier period.</source>
        <translation>--from et --to sont obligatoires sauf pour account_summary, qui n&apos;a pas de période. year_over_year compare --from..--to avec la période antérieure.</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot; (expected one of %2)</source>
        <translation>Rapport inconnu &quot;%1&quot; (attendu&#xa0;: l&apos;un de %2)</translation>
    </message>
    <message>
        <source>--compare-from and --compare-to belong to year_over_year</source>
        <translation>--compare-from et --compare-to vont avec year_over_year</translation>
    </message>
    <message>
        <source>Report &quot;%1&quot; covers every account; --account does not apply</source>
        <translation>Le rapport &quot;%1&quot; couvre tous les comptes&#xa0;; --account ne s&apos;applique pas</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>Écriture impossible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ReportPresenter</name>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Rapproché</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non rapproché</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année / année dernière</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Année dernière / année précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre / trimestre dernier</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1&#xa0;: %1 – %2    P2&#xa0;: %3 – %4</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Show &amp;Charts</source>
        <translation>Afficher les &amp;graphiques</translation>
    </message>
    <message>
        <source>Export Chart...</source>
        <translation>Exporter le graphique...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer&#xa0;:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1&#xa0;:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2&#xa0;:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be written to %1.</source>
        <translation>Le graphique n&apos;a pas pu être écrit dans %1.</translation>
    </message>
</context>
<context>
    <name>SampleCommands</name>
    <message>
        <source>Add the sample household (three accounts, two months, three recurring entries).</source>
        <translation>Ajouter le ménage d&apos;exemple (trois comptes, deux mois, trois opérations récurrentes).</translation>
    </message>
    <message>
        <source>Remove every sample row again.</source>
        <translation>Supprimer à nouveau toutes les lignes d&apos;exemple.</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être chargées&#xa0;; rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être entièrement effacées.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>Les données d&apos;exemple ne peuvent pas être rechargées tant que les comptes d&apos;exemple %1 existent&#xa0;: vos propres opérations les utilisent. Déplacez ou supprimez d&apos;abord ces opérations.</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>Les comptes d&apos;exemple %1 ont été conservés car vos propres opérations les utilisent.</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>Plus rien à effacer.</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>Données d&apos;exemple effacées, sauf ce qu&apos;utilisent vos propres lignes.</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Rapp</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher bénéficiaire, mémo, n° de chèque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Rapprochées seulement</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches</source>
        <translation>
            <numerusform>Affichage du %n résultat le plus récent</numerusform>
            <numerusform>Affichage des %n résultats les plus récents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n résultat</numerusform>
            <numerusform>%n résultats</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Velmora Penwick looks.</source>
        <translation>Choisissez l&apos;apparence de Velmora Penwick.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semaine commence le</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Présentation des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Lignes sur deux niveaux</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une deuxième ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l&apos;ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher les opérations les plus récentes en premier</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your data in sync across all your devices.</source>
        <translation>Gardez vos données synchronisées sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez vos données dans un fichier de sauvegarde portable ou restaurez-les à partir de celui-ci.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
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
        <translation>Un registre de chéquier pour tenir les comptes de votre foyer.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Velmora Penwick website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick for mobile&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Site web de Velmora Penwick&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick sur mobile&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Built with the Qt framework, used under the GNU Lesser General Public License version 3.</source>
        <translation>Conçu avec le framework Qt, utilisé sous la licence GNU Lesser General Public License version 3.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Velmora Penwick.</source>
        <translation>La nouvelle langue s&apos;appliquera au prochain démarrage de Velmora Penwick.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que&#xa0;:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État&#xa0;:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Velmora Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Velmora pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront de nouveau envoyées au serveur et toutes les données du serveur seront de nouveau téléchargées. Utilisez cette option si les données semblent désynchronisées entre vos appareils.

Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes&#xa0;?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>Remplacer les données</translation>
    </message>
    <message>
        <source>Rows in the backup will replace the rows with the same identity here.

A copy of your current data is saved first to:
%1

Continue?</source>
        <translation>Les lignes de la sauvegarde remplaceront ici les lignes de même identité.

Une copie de vos données actuelles sera d&apos;abord enregistrée dans&#xa0;:
%1

Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Nothing was imported: the current data could not be saved first.

%1</source>
        <translation>Rien n&apos;a été importé&#xa0;: les données actuelles n&apos;ont pas pu être sauvegardées au préalable.

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s&apos;est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurer le compte</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrente échue</numerusform>
            <numerusform>  •  %n récurrentes échues</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>Run one synchronisation cycle for the signed-in account.</source>
        <translation>Exécuter un cycle de synchronisation pour le compte connecté.</translation>
    </message>
    <message>
        <source>Not signed in: sign in from Penwick first.</source>
        <translation>Non connecté&#xa0;: connectez-vous d&apos;abord depuis Penwick.</translation>
    </message>
    <message>
        <source>Sync did not start: %1</source>
        <translation>La synchronisation n&apos;a pas démarré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Not synced: this register belongs to another account</source>
        <translation>Non synchronisé&#xa0;: ce registre appartient à un autre compte</translation>
    </message>
    <message>
        <source>Not synced yet</source>
        <translation>Pas encore synchronisé</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l&apos;envoi (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la récupération (HTTP %1)</translation>
    </message>
    <message>
        <source>The server announced more changes without a new sync position.</source>
        <translation>Le serveur a annoncé d&apos;autres modifications sans nouvelle position de synchronisation.</translation>
    </message>
    <message>
        <source>The server&apos;s answer to the push could not be read.</source>
        <translation>La réponse du serveur à l&apos;envoi n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>SyncLocalStore</name>
    <message>
        <source>The push results could not be stored: %1</source>
        <translation>Les résultats de l&apos;envoi n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be stored: %1</source>
        <translation>Les modifications du serveur n&apos;ont pas pu être enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>The sync position could not be stored.</source>
        <translation>La position de synchronisation n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The %1 row %2 from the server could not be stored: %3</source>
        <translation>La ligne %2 de %1 reçue du serveur n&apos;a pas pu être enregistrée&#xa0;: %3</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>The register could not be prepared for this account.</source>
        <translation>Le registre n&apos;a pas pu être préparé pour ce compte.</translation>
    </message>
    <message>
        <source>Force Full Sync could not start.</source>
        <translation>La synchronisation complète forcée n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be read.</source>
        <translation>Les modifications du serveur n&apos;ont pas pu être lues.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour chercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter an amount</source>
        <translation>Saisissez un montant</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>Aucune catégorie ne correspond à &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The transaction no longer exists. Nothing was changed.</source>
        <translation>L&apos;opération n&apos;existe plus. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation>L&apos;opération n&apos;a pas pu être supprimée. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>UpdateEntryPoints</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
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
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Actif maintenant</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Modifier le nom d&apos;affichage</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Modifiez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>Impossible de charger votre profil.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nom d&apos;affichage&#xa0;:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Échec de la mise à jour du profil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nom d&apos;affichage mis à jour.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel&#xa0;:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.)&#xa0;:</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit comporter au moins 8 caractères.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmer le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Mot de passe modifié.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Échec de la modification du mot de passe.</translation>
    </message>
    <message>
        <source>Could not load your group.</source>
        <translation>Impossible de charger votre groupe.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe. Le propriétaire du groupe peut vous inviter, ou vous pouvez rejoindre un groupe avec un code d&apos;invitation.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code d&apos;invitation</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 places utilisées sur %2</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>Retirer %1 du groupe&#xa0;?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 a été retiré.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe&#xa0;? Vous perdrez l&apos;accès aux données partagées.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Vous avez quitté le groupe.</translation>
    </message>
    <message>
        <source>Failed to leave the group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Code d&apos;invitation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke the invitation.</source>
        <translation>Impossible de révoquer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Générer un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Rejoindre un groupe</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d&apos;invitation&#xa0;:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Code d&apos;invitation non valide ou expiré.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Vous avez rejoint le groupe.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Échec de l&apos;envoi de l&apos;invitation.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Impossible de générer le code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Code d&apos;invitation</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Communiquez ce code à la personne que vous souhaitez inviter&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils qui se sont synchronisés avec votre compte.</translation>
    </message>
    <message>
        <source>Could not load your devices.</source>
        <translation>Impossible de charger vos appareils.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer l&apos;appareil</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Appareil retiré.</translation>
    </message>
    <message>
        <source>Failed to remove the device.</source>
        <translation>Impossible de retirer l&apos;appareil.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <source>Could not load your sessions.</source>
        <translation>Impossible de charger vos sessions.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke the session.</source>
        <translation>Impossible de révoquer la session.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zone de danger</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprimer définitivement votre compte. Cette opération devient irréversible après 30 jours.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes le propriétaire du groupe. Transférez la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera programmé pour une suppression définitive dans 30 jours.

Tapez DELETE pour confirmer&#xa0;:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Échec de la suppression du compte.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Suppression du compte programmée</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera définitivement supprimé dans 30 jours. Vous pouvez le récupérer en vous connectant d&apos;ici là.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ApiClient</name>
    <message>
        <source>The sign-in could not be renewed; check the connection and try again.</source>
        <translation>La connexion n&apos;a pas pu être renouvelée&#xa0;; vérifiez la connexion réseau et réessayez.</translation>
    </message>
    <message>
        <source>Refused to contact %1: the address is not a secure (https) one.</source>
        <translation>Contact avec %1 refusé&#xa0;: l&apos;adresse n&apos;est pas sécurisée (https).</translation>
    </message>
    <message>
        <source>The server&apos;s answer was refused (too large, or a redirect to another host).</source>
        <translation>La réponse du serveur a été refusée (trop volumineuse, ou redirection vers un autre hôte).</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>La réponse du serveur n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Impossible de démarrer le serveur d&apos;authentification local</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>Le navigateur web n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Aucun jeton reçu</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ShareMembersDialog</name>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Join or create a family group to share accounts.</source>
        <translation>Rejoignez ou créez un groupe familial pour partager des comptes.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aucun partage pour l&apos;instant.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Tous les membres du groupe ont déjà été ajoutés</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Partage en cours...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>Retirer l&apos;accès de %1 à cet élément&#xa0;?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Impossible de retirer le partage.</translation>
    </message>
</context>
<context>
    <name>VelmAccount::WebAuthHandler</name>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>Authentification terminée&#xa0;!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Vous pouvez fermer cet onglet et revenir à l&apos;application.</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Échec de l&apos;authentification</translation>
    </message>
    <message>
        <source>You can close this tab and try again in the application.</source>
        <translation>Vous pouvez fermer cet onglet et réessayer dans l&apos;application.</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
    <message>
        <source>Size: %1
SHA-256: %2</source>
        <translation>Taille&#xa0;: %1
SHA-256&#xa0;: %2</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Bienvenue dans Velmora Penwick</translation>
    </message>
    <message>
        <source>Keep your cheque book on this computer, or sign in to your Velmora account to use the same register on all your devices.</source>
        <translation>Tenez votre registre de chèques sur cet ordinateur, ou connectez-vous à votre compte Velmora pour utiliser le même registre sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Create an Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Se connecter...</translation>
    </message>
</context>
</TS>
