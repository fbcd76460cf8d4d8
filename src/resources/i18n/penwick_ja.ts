<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
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
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名 (任意)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下4桁 (任意)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;N):</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
</context>
<context>
    <name>AccountWorkflowService</name>
    <message>
        <source>The account could not be created. Nothing was changed.</source>
        <translation>口座を作成できませんでした。変更はありません。</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>期首残高</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>口座を削除できませんでした。変更はありません。</translation>
    </message>
    <message>
        <source>The account no longer exists.</source>
        <translation>この口座はもう存在しません。</translation>
    </message>
    <message>
        <source>The account could not be restored. Nothing was changed.</source>
        <translation>口座を復元できませんでした。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データディレクトリ: %1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>A cheque-book register for household finances.</source>
        <translation>家計のための小切手帳スタイルの出納帳です。</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>インポートする QIF または CSV ファイル。</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1: 不明な方式で暗号化または圧縮されています</translation>
    </message>
    <message>
        <source>%1: entry data missing</source>
        <translation>%1: エントリのデータがありません</translation>
    </message>
    <message>
        <source>%1: local header does not match the archive directory</source>
        <translation>%1: ローカルヘッダーがアーカイブのディレクトリと一致しません</translation>
    </message>
    <message>
        <source>%1: size does not match the archive directory</source>
        <translation>%1: サイズがアーカイブのディレクトリと一致しません</translation>
    </message>
    <message>
        <source>%1: cannot be decompressed</source>
        <translation>%1: 展開できません</translation>
    </message>
    <message>
        <source>%1: checksum mismatch, the archive is damaged</source>
        <translation>%1: チェックサムが一致しません。アーカイブが破損しています</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>Write every row of the database to a backup ZIP file.</source>
        <translation>データベースの全行をバックアップ ZIP ファイルに書き出します。</translation>
    </message>
    <message>
        <source>The ZIP file to write.</source>
        <translation>書き出す ZIP ファイル。</translation>
    </message>
    <message>
        <source>Merge a backup ZIP file into the database.</source>
        <translation>バックアップ ZIP ファイルをデータベースに統合します。</translation>
    </message>
    <message>
        <source>The ZIP file to read.</source>
        <translation>読み込む ZIP ファイル。</translation>
    </message>
    <message>
        <source>How rows that exist already are treated: replace (take the backup&apos;s), newer (take the backup&apos;s when its updated_at is later) or skip (keep ours).</source>
        <translation>既存の行の扱い: replace (バックアップ側を採用)、newer (updated_at が新しい場合にバックアップ側を採用)、skip (現在のデータを保持)。</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Backup saved to: %1</source>
        <translation>バックアップを保存しました: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>オプションがありません: --%1</translation>
    </message>
    <message>
        <source>Invalid --mode &quot;%1&quot; (expected replace, newer or skip)</source>
        <translation>--mode &quot;%1&quot; が無効です (replace、newer、skip のいずれかを指定)</translation>
    </message>
    <message>
        <source>Could not read file: %1</source>
        <translation>ファイルを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>バックアップを作成できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目をスキップ</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてバックアップのデータで置き換え</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を保持 (タイムスタンプを比較)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>Backup refused: %1 would expand to more than %2 MB.</source>
        <translation>バックアップを拒否しました: %1 は展開すると %2 MB を超えます。</translation>
    </message>
    <message>
        <source>Backup refused: its contents would expand to more than %1 MB.</source>
        <translation>バックアップを拒否しました: 内容を展開すると %1 MB を超えます。</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップ: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>未対応のバックアップバージョン: %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: 予期しないエラー</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: 無効な JSON</translation>
    </message>
    <message>
        <source>The restored data could not be saved: %1</source>
        <translation>復元したデータを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Backup refused: unsafe entry name &quot;%1&quot;.</source>
        <translation>バックアップを拒否しました: 安全でないエントリ名 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>Backup refused: &quot;%1&quot; appears more than once.</source>
        <translation>バックアップを拒否しました: &quot;%1&quot; が複数回含まれています。</translation>
    </message>
    <message>
        <source>Backup refused: %1</source>
        <translation>バックアップを拒否しました: %1</translation>
    </message>
    <message>
        <source>Backup refused: the manifest lists %1 rows of %2 but the archive holds %3.</source>
        <translation>バックアップを拒否しました: マニフェストには %2 の行が %1 行とありますが、アーカイブには %3 行あります。</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>バックアップを復元できませんでした: %1</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>%1 の読み込みに失敗しました: %2</translation>
    </message>
    <message>
        <source>The archive could not be built.</source>
        <translation>アーカイブを作成できませんでした。</translation>
    </message>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>バックアップを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>書き込めませんでした:
%1

%2</translation>
    </message>
    <message>
        <source>the database stopped the write</source>
        <translation>データベースが書き込みを中止しました</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>カテゴリ名:</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>カテゴリを保存できませんでした。</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>&quot;%1&quot; を削除しますか? このカテゴリの取引は未分類になります。</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅勤務</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>住民税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃/住宅ローン</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>修繕・メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>公共料金</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン/燃料</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>身だしなみ</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>動画配信</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣類</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療保険</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>火災・家財保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>フリーランス / コンサルティング</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>返金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>受け取った贈り物</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
</context>
<context>
    <name>CategoryTreeService</name>
    <message>
        <source>The category could not be deleted. Nothing was changed.</source>
        <translation>カテゴリを削除できませんでした。変更はありません。</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>Use the database in DIR instead of PENWICK_DATA_DIR or the default data directory.</source>
        <translation>PENWICK_DATA_DIR や既定のデータディレクトリの代わりに DIR のデータベースを使用します。</translation>
    </message>
    <message>
        <source>Print JSON instead of CSV or text.</source>
        <translation>CSV やテキストの代わりに JSON を出力します。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>Run &quot;%1 COMMAND --help&quot; for the options of a command.</source>
        <translation>コマンドのオプションは &quot;%1 COMMAND --help&quot; で確認できます。</translation>
    </message>
    <message>
        <source>Usage: %1 %2 SUBCOMMAND [options]</source>
        <translation>使い方: %1 %2 SUBCOMMAND [オプション]</translation>
    </message>
    <message>
        <source>Subcommands:</source>
        <translation>サブコマンド:</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 SUBCOMMAND --help&quot; for the options of a subcommand.</source>
        <translation>サブコマンドのオプションは &quot;%1 %2 SUBCOMMAND --help&quot; で確認できます。</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the list of commands.</source>
        <translation>コマンドの一覧は &quot;%1 --help&quot; で確認できます。</translation>
    </message>
    <message>
        <source>Works on the Penwick register from the command line: the same database, migrations and rules as the program.</source>
        <translation>コマンドラインから Penwick の記録を操作します。データベース、マイグレーション、ルールはプログラムと共通です。</translation>
    </message>
    <message>
        <source>The command to run (see below).</source>
        <translation>実行するコマンド (下記参照)。</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>不明なコマンド: %1</translation>
    </message>
    <message>
        <source>Missing subcommand for %1.</source>
        <translation>%1 のサブコマンドがありません。</translation>
    </message>
    <message>
        <source>Unknown command: %1 %2</source>
        <translation>不明なコマンド: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for the options of this command.</source>
        <translation>このコマンドのオプションは &quot;%1 %2 --help&quot; で確認できます。</translation>
    </message>
    <message>
        <source>--data-dir needs a directory.</source>
        <translation>--data-dir にはディレクトリが必要です。</translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>Failed to initialize the database at %1</source>
        <translation>%1 のデータベースを初期化できませんでした</translation>
    </message>
    <message>
        <source>Unknown account: %1</source>
        <translation>不明な口座: %1</translation>
    </message>
    <message>
        <source>Account name &quot;%1&quot; is ambiguous; use the account id.</source>
        <translation>口座名 &quot;%1&quot; があいまいです。口座 ID を使用してください。</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>不明なカテゴリ: %1</translation>
    </message>
    <message>
        <source>Category name &quot;%1&quot; is ambiguous; use &quot;Parent &gt; Child&quot; or the category id.</source>
        <translation>カテゴリ名 &quot;%1&quot; があいまいです。&quot;親 &gt; 子&quot; またはカテゴリ ID を使用してください。</translation>
    </message>
    <message>
        <source>Missing argument: %1</source>
        <translation>引数がありません: %1</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>予期しない引数: %1</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>オプションがありません: --%1</translation>
    </message>
    <message>
        <source>Invalid date for --%1: &quot;%2&quot; (expected yyyy-MM-dd)</source>
        <translation>--%1 の日付が無効です: &quot;%2&quot; (yyyy-MM-dd 形式で指定)</translation>
    </message>
    <message>
        <source>Invalid number for --%1: &quot;%2&quot;</source>
        <translation>--%1 の数値が無効です: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Waiting for another program that is writing to the database...</source>
        <translation>データベースに書き込み中の別のプログラムを待っています...</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database is busy: another program is writing to it. Try again.</source>
        <translation>データベースが使用中です: 別のプログラムが書き込んでいます。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The database was created by a newer version of this program (schema version %1; this version knows up to %2). It was not changed.</source>
        <translation>このデータベースは新しいバージョンのプログラムで作成されています (スキーマバージョン %1、このバージョンの対応上限は %2)。変更はしていません。</translation>
    </message>
    <message>
        <source>The disk is full, or the database has reached its size limit.</source>
        <translation>ディスクがいっぱいか、データベースのサイズが上限に達しました。</translation>
    </message>
    <message>
        <source>The database is read-only: its file or folder cannot be written.</source>
        <translation>データベースは読み取り専用です: ファイルまたはフォルダーに書き込めません。</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>データベースファイルが破損しています。</translation>
    </message>
    <message>
        <source>The database file could not be written (input/output error).</source>
        <translation>データベースファイルに書き込めませんでした (入出力エラー)。</translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Cannot read file: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>Import QIF files, mapping each source account to a local account.</source>
        <translation>QIF ファイルをインポートし、各元口座をローカル口座に割り当てます。</translation>
    </message>
    <message>
        <source>QIF files to import together.</source>
        <translation>まとめてインポートする QIF ファイル。</translation>
    </message>
    <message>
        <source>Send the source account SOURCE (or a transfer target named in the files) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>元口座 SOURCE (またはファイル内の振替先) を既存の口座 ACCOUNT (名前または ID) に割り当てます。複数指定可。</translation>
    </message>
    <message>
        <source>Skip the transactions of the source account SOURCE. Repeatable.</source>
        <translation>元口座 SOURCE の取引をスキップします。複数指定可。</translation>
    </message>
    <message>
        <source>Sources without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account named after the source.</source>
        <translation>--map も --skip も指定されていない元口座は、同じ名前 (大文字小文字を区別しない) の既存口座へ、なければ元口座名の新しい口座へインポートされます。</translation>
    </message>
    <message>
        <source>Import a CSV file into one account.</source>
        <translation>CSV ファイルを 1 つの口座にインポートします。</translation>
    </message>
    <message>
        <source>CSV file to import.</source>
        <translation>インポートする CSV ファイル。</translation>
    </message>
    <message>
        <source>Target account (name or id).</source>
        <translation>インポート先の口座 (名前または ID)。</translation>
    </message>
    <message>
        <source>Column of the date, counted from 0.</source>
        <translation>日付の列 (0 から数える)。</translation>
    </message>
    <message>
        <source>Column of the payee, counted from 0.</source>
        <translation>支払先の列 (0 から数える)。</translation>
    </message>
    <message>
        <source>Column of the amount, counted from 0.</source>
        <translation>金額の列 (0 から数える)。</translation>
    </message>
    <message>
        <source>Column of the memo, counted from 0.</source>
        <translation>メモの列 (0 から数える)。</translation>
    </message>
    <message>
        <source>Column of the category name, counted from 0.</source>
        <translation>カテゴリ名の列 (0 から数える)。</translation>
    </message>
    <message>
        <source>How dates are written: %1 (default %2).</source>
        <translation>日付の書式: %1 (既定値 %2)。</translation>
    </message>
    <message>
        <source>The first row holds data, not column titles.</source>
        <translation>1 行目は列見出しではなくデータです。</translation>
    </message>
    <message>
        <source>Invalid --map &quot;%1&quot; (expected SOURCE=ACCOUNT)</source>
        <translation>--map &quot;%1&quot; が無効です (SOURCE=ACCOUNT 形式で指定)</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is mapped twice</source>
        <translation>元口座 &quot;%1&quot; が二重に割り当てられています</translation>
    </message>
    <message>
        <source>No source account &quot;%1&quot; in the files</source>
        <translation>ファイルに元口座 &quot;%1&quot; がありません</translation>
    </message>
    <message>
        <source>Source &quot;%1&quot; is both mapped and skipped</source>
        <translation>元口座 &quot;%1&quot; が割り当てとスキップの両方に指定されています</translation>
    </message>
    <message>
        <source>Missing option: --%1</source>
        <translation>オプションがありません: --%1</translation>
    </message>
    <message>
        <source>Invalid --date-format &quot;%1&quot; (expected one of %2)</source>
        <translation>--date-format &quot;%1&quot; が無効です (%2 のいずれかを指定)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) could not be stored.</source>
        <translation>
            <numerusform>%n 件のレコードを保存できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import OFX or QFX bank downloads, mapping each statement&apos;s account to a local account.</source>
        <translation>銀行からダウンロードした OFX または QFX ファイルをインポートし、各明細書の口座をローカルの口座に割り当てます。</translation>
    </message>
    <message>
        <source>OFX or QFX files to import together.</source>
        <translation>まとめてインポートする OFX または QFX ファイル。</translation>
    </message>
    <message>
        <source>Send the statement account SOURCE (as listed, or its account number) to the existing account ACCOUNT (name or id). Repeatable.</source>
        <translation>明細書の口座 SOURCE (表示どおりの名前、または口座番号) を既存の口座 ACCOUNT (名前または ID) に取り込みます。複数指定できます。</translation>
    </message>
    <message>
        <source>Skip the transactions of the statement account SOURCE. Repeatable.</source>
        <translation>明細書の口座 SOURCE の取引をスキップします。複数指定できます。</translation>
    </message>
    <message>
        <source>Accounts without --map or --skip go to the existing account of the same name (ignoring case), otherwise to a new account in the statement&apos;s currency. Transactions already imported from an earlier download are counted as duplicates.</source>
        <translation>--map も --skip も指定されていない口座は、同じ名前 (大文字と小文字を区別しない) の既存の口座に、なければ明細書の通貨で作成する新しい口座に取り込まれます。以前のダウンロードでインポート済みの取引は重複として数えられます。</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースエラーでインポートが中断され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間でリンクしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (うち %n 件は以前にインポートした行とリンク)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (解析不能)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (元口座が未割り当て)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (データベースエラー — ログを参照)</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>取引は追加されていません。</translation>
    </message>
    <message numerus="yes">
        <source>%n split line(s) without a category were not kept</source>
        <translation>
            <numerusform>カテゴリのない %n 件の分割行は保持されませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>インポートを取り消しました。</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>インポートは取り消され、すべての変更が元に戻されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
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
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV 列の割り当て:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>支払先の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の書式:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の元口座:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>各 Quicken 口座のインポート先を選択してください。選択したファイル間で割り当てられた口座の振替は自動的にリンクされます。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルを選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Choose one CSV file at a time.</source>
        <translation>CSV ファイルは一度に 1 つずつ選択してください。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>%1 holds no CSV rows that can be read.</source>
        <translation>%1 には読み込める CSV 行がありません。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを解析中...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) are not QIF files with transactions.</source>
        <translation>取引が見つかりません: 選択したファイルは取引を含む QIF ファイルではありません。</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座 &quot;%1&quot; を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選択するか、新しく作成してください。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポート中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (investment account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (投資口座)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: statement balance %2 on %3, account balance %4</source>
        <translation>%1: 明細書の残高 %2 (%3 時点)、口座残高 %4</translation>
    </message>
    <message>
        <source>  (they differ by %1)</source>
        <translation>  (差額 %1)</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>明細書の口座:</translation>
    </message>
    <message>
        <source>Choose where each bank or card account of the download should be imported. Transactions already imported from an earlier download are skipped.</source>
        <translation>ダウンロードに含まれる銀行口座やカード口座ごとに、インポート先を選択してください。以前のダウンロードでインポート済みの取引はスキップされます。</translation>
    </message>
    <message>
        <source>Select OFX/QFX File(s)</source>
        <translation>OFX/QFX ファイルの選択</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx)</source>
        <translation>OFX ファイル (*.ofx *.qfx)</translation>
    </message>
    <message>
        <source>%1 is not a QIF, OFX or CSV file.</source>
        <translation>%1 は QIF、OFX、CSV のいずれのファイルでもありません。</translation>
    </message>
    <message>
        <source>Analyzing OFX file(s)...</source>
        <translation>OFX ファイルを解析中...</translation>
    </message>
    <message>
        <source>No transactions were found: the chosen file(s) hold no bank or card transactions.</source>
        <translation>取引が見つかりません: 選択したファイルには銀行やカードの取引が含まれていません。</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (口座ヘッダーなし)</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>Unclosed quote starting on line %1.</source>
        <translation>%1 行目から始まる引用符が閉じられていません。</translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists.</source>
        <translation>%1 に選択した口座はもう存在しません。</translation>
    </message>
    <message>
        <source>The statement of %1 names no currency.</source>
        <translation>%1 の明細書に通貨が指定されていません。</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency no account here can keep.</source>
        <translation>%1 の明細書は %2 建てですが、この通貨を扱える口座はありません。</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; keeps %4.</source>
        <translation>%1 の明細書は %2 建てですが、口座 &quot;%3&quot; は %4 建てです。</translation>
    </message>
    <message>
        <source>A file changed while it was imported: %1</source>
        <translation>インポート中にファイルが変更されました: %1</translation>
    </message>
</context>
<context>
    <name>LedgerCommands</name>
    <message>
        <source>List the live accounts with type, currency and balance.</source>
        <translation>有効な口座を種類、通貨、残高とともに一覧表示します。</translation>
    </message>
    <message>
        <source>List the transactions of an account with running balances.</source>
        <translation>口座の取引を残高推移とともに一覧表示します。</translation>
    </message>
    <message>
        <source>Account name or id.</source>
        <translation>口座名または ID。</translation>
    </message>
    <message>
        <source>Full-text search over payee, memo and check number (newest 200 rows).</source>
        <translation>支払先、メモ、小切手番号の全文検索 (新しい順に 200 行)。</translation>
    </message>
    <message>
        <source>Search expression: all words must occur, &quot;quoted phrases&quot; and prefix* terms work; &quot;&quot; lists by the filters alone.</source>
        <translation>検索式: すべての語を含む行が対象。&quot;引用符で囲んだ語句&quot; と 前方一致* が使えます。&quot;&quot; ではフィルターのみで一覧表示します。</translation>
    </message>
    <message>
        <source>Only this account (name or id).</source>
        <translation>この口座のみ (名前または ID)。</translation>
    </message>
    <message>
        <source>Only this category (name, &quot;Parent &gt; Child&quot; or id).</source>
        <translation>このカテゴリのみ (名前、&quot;親 &gt; 子&quot; または ID)。</translation>
    </message>
    <message>
        <source>Earliest date, yyyy-MM-dd.</source>
        <translation>開始日 (yyyy-MM-dd)。</translation>
    </message>
    <message>
        <source>Latest date, yyyy-MM-dd.</source>
        <translation>終了日 (yyyy-MM-dd)。</translation>
    </message>
    <message>
        <source>Only cleared transactions.</source>
        <translation>照合済みの取引のみ。</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>照</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>The register of %1 could not be read.</source>
        <translation>%1 の取引一覧を読み込めませんでした。</translation>
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
            <numerusform>%n 件の定期取引を自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>&quot;%1&quot; を編集...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>&quot;%1&quot; を削除</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>&quot;%1&quot; を削除しますか?

この口座のすべての取引、定期取引、照合履歴が削除されます。[環境設定] → [データと同期] から復元できます。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新規口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Velmora Penwick</source>
        <translation>Velmora Penwick について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Velmora Penwick へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>まず最初の口座を作成してください。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>[ファイル] › [インポート] から CSV ファイルの取引をインポートすることもできます。</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A cheque-book register for keeping your household accounts.&lt;/p&gt;&lt;p&gt;Built with the Qt framework, used under the GNU LGPL version 3 (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;, &lt;a href=&quot;https://code.qt.io/&quot;&gt;source code&lt;/a&gt;).&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velmora Penwick&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計の口座を管理する小切手帳形式の記録アプリです。&lt;/p&gt;&lt;p&gt;Qt フレームワークを GNU LGPL バージョン 3 のもとで使用しています (&lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt;、&lt;a href=&quot;https://code.qt.io/&quot;&gt;ソースコード&lt;/a&gt;)。&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;velmora.example/penwick&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Velmora Penwick</source>
        <translation>Velmora Penwick について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Import&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;記録&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引を挿入&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;現在の取引を削除&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;次 / 前のフィールド&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (アポストロフィ)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;上のフィールドの値をコピー&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;日付フィールド&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;今日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;翌日 / 前日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;月初 / 月末&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;年初 / 年末&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;週の初日 / 最終日&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;全般&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規口座&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座の照合&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引の検索&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;インポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;レポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;定期取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;カテゴリ&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;口座&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%12 &amp;ndash; %13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 1&amp;ndash;9 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%14&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 10 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータは既に読み込まれています。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>残高照合 — %1</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>残高照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>支払先の名前変更...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>残高照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>支払先の名前変更(&amp;P)...</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>サンプル口座 %1 はお客様の取引で使用されているため、残っている間はサンプルデータを再度読み込めません。先にそれらの取引を移動または削除してください。</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>サンプルデータを読み込めませんでした。何も追加されていません。</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>サンプルデータを完全には消去できませんでした。</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>サンプル口座 %1 はお客様の取引で使用されているため残しました。</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>サンプルデータを消去しました (お客様の行で使用中のものを除く)。</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>これ以上消去するものはありません。</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Only QIF, OFX, QFX and CSV files can be imported.</source>
        <translation>インポートできるのは QIF、OFX、QFX、CSV ファイルのみです。</translation>
    </message>
    <message>
        <source>&amp;Velmora Account...</source>
        <translation>Velmora アカウント(&amp;V)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>アカウントを管理</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>サインインまたは新規登録</translation>
    </message>
    <message>
        <source>Velmora Account</source>
        <translation>Velmora アカウント</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was replaced by a newer one from another device</source>
        <translation>
            <numerusform>%n 件の変更が、別のデバイスからのより新しい変更で置き換えられました</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Another Account&apos;s Register</source>
        <translation>別のアカウントの記録</translation>
    </message>
    <message>
        <source>This register was synchronised with a different Velmora account. Upload it to the account you are signed in with now, as new data, or keep it on this computer only?</source>
        <translation>この記録は別の Velmora アカウントと同期されていました。現在サインインしているアカウントに新しいデータとしてアップロードしますか? それとも、このコンピューターにのみ保存しますか?</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>このアカウントにアップロード</translation>
    </message>
    <message>
        <source>Keep Local</source>
        <translation>ローカルに保存</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Velmora account.</source>
        <translation>共有するには Velmora アカウントが必要です。</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>詳細を見る</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座の共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Velmora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Velmora ファミリーグループのメンバーと共有します。メンバーのデバイスにも同じ記録、残高、照合履歴が表示されます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択した相手を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有に失敗しました</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 のこの口座へのアクセスを削除しますか?</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>Checking %1</source>
        <translation>当座預金 %1</translation>
    </message>
    <message>
        <source>Savings %1</source>
        <translation>普通預金 %1</translation>
    </message>
    <message>
        <source>Money market %1</source>
        <translation>マネーマーケット %1</translation>
    </message>
    <message>
        <source>Credit line %1</source>
        <translation>クレジットライン %1</translation>
    </message>
    <message>
        <source>Cash management %1</source>
        <translation>キャッシュマネジメント %1</translation>
    </message>
    <message>
        <source>Credit card %1</source>
        <translation>クレジットカード %1</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <translation>投資 %1</translation>
    </message>
    <message>
        <source>Cannot read file: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX file.</source>
        <translation>%1 は OFX または QFX ファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is incomplete: it ends before its OFX data does. Download it again.</source>
        <translation>%1 は不完全です: OFX データの途中でファイルが終わっています。もう一度ダウンロードしてください。</translation>
    </message>
    <message>
        <source>The bank reported an error in %1: %2</source>
        <translation>%1 で銀行からエラーが報告されました: %2</translation>
    </message>
    <message>
        <source>%1 holds no bank or credit-card statement that can be read.</source>
        <translation>%1 には読み取れる銀行またはクレジットカードの明細書がありません。</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>New payee name</source>
        <translation>新しい支払先名</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の名前を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先の統合</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の支払先を &quot;%2&quot; に統合しますか?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>統合に失敗しました</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Enter the new payee name.</source>
        <translation>新しい支払先名を入力してください。</translation>
    </message>
    <message>
        <source>The payees could not be renamed. Nothing was changed.</source>
        <translation>支払先の名前を変更できませんでした。変更はありません。</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合後の残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合はまだありません。記録画面から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>照</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Statement Date:</source>
        <translation>明細書の日付:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書の残高:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>照合済み入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>照合済み出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>照合に失敗しました</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合が完了しました</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 の取引を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>%2 の振替 &quot;%1&quot; を削除しますか?

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>Nothing was reconciled.</source>
        <translation>照合されたものはありません。</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. %1</source>
        <translation>照合を保存できませんでした。%1</translation>
    </message>
    <message>
        <source>The transaction &quot;%1&quot; was changed or deleted elsewhere. %2 Check the list and try again.</source>
        <translation>取引 &quot;%1&quot; は別の場所で変更または削除されました。%2 一覧を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>RecurringCommands</name>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Post the due auto-post entries, catching up missed dates, as the program does at start-up.</source>
        <translation>起動時と同様に、期日の来た自動記帳エントリを記帳し、過ぎた日付の分も追いつきます。</translation>
    </message>
    <message>
        <source>List the recurring entries by next due date.</source>
        <translation>定期取引を次回予定日の順に一覧表示します。</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n 件の定期取引を自動記帳しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due entry(s) still waiting for confirmation</source>
        <translation>
            <numerusform>%n 件の期日到来エントリが確認待ちです</numerusform>
        </translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回予定日</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Auto-post</source>
        <translation>自動記帳</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Transfer To</source>
        <translation>振替先</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を記憶</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動記帳</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回予定日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日分をすべて確認</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(期日到来 %1 件)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引 &quot;%1&quot; を削除しますか?</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>定期取引を保存できませんでした。変更はありません。</translation>
    </message>
    <message>
        <source>The recurring entry could not be deleted. Nothing was changed.</source>
        <translation>定期取引を削除できませんでした。変更はありません。</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>照</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>支払先 / メモ</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Reconcile</source>
        <translation>残高照合</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 記憶  |  &apos;: 上をコピー</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Choose another account for the transfer</source>
        <translation>振替には別の口座を選択してください</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替は両方の口座が同じ通貨である必要があります</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先は必須です</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>支払いまたは入金の金額を入力してください</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>フィールドを消去しました</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>%2 の &quot;%1&quot; を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>%2 の振替 &quot;%1&quot; を削除しますか?

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>記憶できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として記憶しました</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新規挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新規取引(&amp;N)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未照合にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>照合済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Press Enter to edit this transaction, or Ctrl+I for a new one</source>
        <translation>Enter でこの取引を編集、Ctrl+I で新規取引</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>%1: this currency has no minor units; enter a whole amount</source>
        <translation>%1: この通貨には補助単位がありません。整数で入力してください</translation>
    </message>
    <message>
        <source>%1: the amount is too large</source>
        <translation>%1: 金額が大きすぎます</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an amount</source>
        <translation>%1: &quot;%2&quot; は金額ではありません</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>&quot;%1&quot; に一致するカテゴリがありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several categories: choose one</source>
        <translation>&quot;%1&quot; は複数のカテゴリに一致します。1 つ選択してください</translation>
    </message>
    <message>
        <source>Date is required</source>
        <translation>日付は必須です</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; は有効な日付ではありません</translation>
    </message>
    <message>
        <source>The recurring entry could not be saved. Nothing was changed.</source>
        <translation>定期取引を保存できませんでした。変更はありません。</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>取引を保存できませんでした。変更はありません。</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period.</source>
        <translation>この期間のデータはありません。</translation>
    </message>
    <message>
        <source>Amounts in %1; other currencies are in the table</source>
        <translation>金額の単位は %1 です。他の通貨は表に表示されます</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Run one of the eight reports and print it as CSV.</source>
        <translation>8 種類のレポートのいずれかを実行し、CSV として出力します。</translation>
    </message>
    <message>
        <source>Report: %1.</source>
        <translation>レポート: %1。</translation>
    </message>
    <message>
        <source>First day of the period, yyyy-MM-dd.</source>
        <translation>期間の初日 (yyyy-MM-dd)。</translation>
    </message>
    <message>
        <source>Last day of the period, yyyy-MM-dd.</source>
        <translation>期間の最終日 (yyyy-MM-dd)。</translation>
    </message>
    <message>
        <source>Only this account (name or id); not for tax_report and account_summary.</source>
        <translation>この口座のみ (名前または ID)。tax_report と account_summary には使用できません。</translation>
    </message>
    <message>
        <source>year_over_year: first day of the earlier period (default: --from one year earlier).</source>
        <translation>year_over_year: 比較期間の初日 (既定: --from の 1 年前)。</translation>
    </message>
    <message>
        <source>year_over_year: last day of the earlier period (default: --to one year earlier).</source>
        <translation>year_over_year: 比較期間の最終日 (既定: --to の 1 年前)。</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>標準出力の代わりに FILE に書き出します。</translation>
    </message>
    <message>
        <source>--from and --to are required except for account_summary, which has no period. year_over_year compares --from..--to with the earlier period.</source>
        <translation>--from と --to は必須です (期間のない account_summary を除く)。year_over_year は --from..--to を前の期間と比較します。</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot; (expected one of %2)</source>
        <translation>不明なレポート &quot;%1&quot; (%2 のいずれかを指定)</translation>
    </message>
    <message>
        <source>--compare-from and --compare-to belong to year_over_year</source>
        <translation>--compare-from と --compare-to は year_over_year 用です</translation>
    </message>
    <message>
        <source>Report &quot;%1&quot; covers every account; --account does not apply</source>
        <translation>レポート &quot;%1&quot; はすべての口座が対象です。--account は使用できません</translation>
    </message>
    <message>
        <source>Could not write to: %1</source>
        <translation>書き込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>ReportPresenter</name>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>支払先別集計</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座サマリー</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未照合</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日間</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日間</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
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
        <translation>グラフを表示(&amp;C)</translation>
    </message>
    <message>
        <source>Export Chart...</source>
        <translation>グラフをエクスポート...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV をエクスポート</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
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
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>レポートを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>グラフのエクスポート</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be written to %1.</source>
        <translation>グラフを %1 に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>SampleCommands</name>
    <message>
        <source>Add the sample household (three accounts, two months, three recurring entries).</source>
        <translation>サンプルの家計 (3 口座、2 か月分、3 件の定期取引) を追加します。</translation>
    </message>
    <message>
        <source>Remove every sample row again.</source>
        <translation>サンプルの行をすべて削除します。</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータは既に読み込まれています。</translation>
    </message>
    <message>
        <source>The sample data could not be loaded; nothing was added.</source>
        <translation>サンプルデータを読み込めませんでした。何も追加されていません。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>The sample data could not be cleared completely.</source>
        <translation>サンプルデータを完全には消去できませんでした。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>Sample data cannot be loaded again while the sample account(s) %1 remain: your own transactions use them. Move or delete those transactions first.</source>
        <translation>サンプル口座 %1 はお客様の取引で使用されているため、残っている間はサンプルデータを再度読み込めません。先にそれらの取引を移動または削除してください。</translation>
    </message>
    <message>
        <source>The sample account(s) %1 were kept because your own transactions use them.</source>
        <translation>サンプル口座 %1 はお客様の取引で使用されているため残しました。</translation>
    </message>
    <message>
        <source>Nothing more to clear.</source>
        <translation>これ以上消去するものはありません。</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own rows use.</source>
        <translation>サンプルデータを消去しました (お客様の行で使用中のものを除く)。</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>照</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>支払先、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>照合済みのみ</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches</source>
        <translation>
            <numerusform>新しい順に %n 件を表示しています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n 件一致</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>取引一覧</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Velmora Penwick looks.</source>
        <translation>Velmora Penwick の見た目を設定します。</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの設定に従う</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>取引一覧での取引の表示方法。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>支払先の下の 2 行目にメモを表示します。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>取引一覧での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先頭に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が一番上に表示されます。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your data in sync across all your devices.</source>
        <translation>すべてのデバイスでデータを同期します。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データを持ち運び可能なバックアップファイルに保存、またはそこから復元します。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップをエクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Velmora Penwick</source>
        <translation>Velmora Penwick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A cheque-book register for keeping your household accounts.</source>
        <translation>家計の口座を記録するための小切手帳スタイルの出納帳です。</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Velmora Penwick website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;Velmora Penwick for mobile&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://velmora.example/penwick&quot;&gt;Velmora Penwick ウェブサイト&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;https://apps.velmora.example/penwick&quot;&gt;モバイル版 Velmora Penwick&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Built with the Qt framework, used under the GNU Lesser General Public License version 3.</source>
        <translation>Qt フレームワークを使用して作成されています。Qt は GNU Lesser General Public License バージョン 3 に基づいて使用しています。</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Velmora Penwick.</source>
        <translation>新しい言語は、次回 Velmora Penwick を起動したときに有効になります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中のアカウント:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Velmora Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、[ファイル] › [Velmora アカウント] からサインインしてください。</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>すべてのローカルの行をサーバーに再アップロードし、サーバーのすべてのデータを再ダウンロードします。デバイス間でデータが一致しない場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポート中...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップを保存しました:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>データを置き換える</translation>
    </message>
    <message>
        <source>Rows in the backup will replace the rows with the same identity here.

A copy of your current data is saved first to:
%1

Continue?</source>
        <translation>バックアップ内の行で、同じ ID を持つ既存の行を置き換えます。

事前に現在のデータのコピーを次の場所に保存します:
%1

続行しますか?</translation>
    </message>
    <message>
        <source>Nothing was imported: the current data could not be saved first.

%1</source>
        <translation>何もインポートされませんでした: 事前に現在のデータを保存できませんでした。

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポート中...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>口座を復元</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日到来の定期取引 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>Run one synchronisation cycle for the signed-in account.</source>
        <translation>サインイン中のアカウントで同期を 1 回実行します。</translation>
    </message>
    <message>
        <source>Not signed in: sign in from Penwick first.</source>
        <translation>サインインしていません: 先に Penwick からサインインしてください。</translation>
    </message>
    <message>
        <source>Sync did not start: %1</source>
        <translation>同期を開始できませんでした: %1</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Not synced: this register belongs to another account</source>
        <translation>未同期: この記録は別のアカウントのものです</translation>
    </message>
    <message>
        <source>Not synced yet</source>
        <translation>まだ同期されていません</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>送信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>受信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>The server announced more changes without a new sync position.</source>
        <translation>サーバーが新しい同期位置を示さずに、さらに変更があると通知しました。</translation>
    </message>
    <message>
        <source>The server&apos;s answer to the push could not be read.</source>
        <translation>送信に対するサーバーの応答を読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>SyncLocalStore</name>
    <message>
        <source>The push results could not be stored: %1</source>
        <translation>送信結果を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be stored: %1</source>
        <translation>サーバーからの変更を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>The sync position could not be stored.</source>
        <translation>同期位置を保存できませんでした。</translation>
    </message>
    <message>
        <source>The %1 row %2 from the server could not be stored: %3</source>
        <translation>サーバーからの %1 の行 %2 を保存できませんでした: %3</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>書き込みに失敗しました</translation>
    </message>
    <message>
        <source>The register could not be prepared for this account.</source>
        <translation>このアカウント用に記録を準備できませんでした。</translation>
    </message>
    <message>
        <source>Force Full Sync could not start.</source>
        <translation>完全同期を開始できませんでした。</translation>
    </message>
    <message>
        <source>The server&apos;s changes could not be read.</source>
        <translation>サーバーからの変更を読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date</source>
        <translation>&quot;%1&quot; は有効な日付ではありません</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先は必須です</translation>
    </message>
    <message>
        <source>Enter an amount</source>
        <translation>金額を入力してください</translation>
    </message>
    <message>
        <source>No category matches &quot;%1&quot;</source>
        <translation>&quot;%1&quot; に一致するカテゴリがありません</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>取引を保存できませんでした。変更はありません。</translation>
    </message>
    <message>
        <source>The transaction no longer exists. Nothing was changed.</source>
        <translation>取引はもう存在しません。変更はありません。</translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation>取引を削除できませんでした。変更はありません。</translation>
    </message>
</context>
<context>
    <name>UpdateEntryPoints</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込み中…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートの確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認中…</translation>
    </message>
</context>
<context>
    <name>VelmAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>表示名を編集</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>プロフィールを読み込めませんでした。</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(未設定)</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード (8 文字以上):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは 8 文字以上にしてください。</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>新しいパスワード (確認):</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
    <message>
        <source>Could not load your group.</source>
        <translation>グループを読み込めませんでした。</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>どのグループにも参加していません。グループのオーナーから招待を受けるか、招待コードを使って参加できます。</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%2 席中 %1 席を使用中</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>メンバーを削除</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 をグループから削除しますか?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>グループから脱退</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから脱退しますか? 共有データにアクセスできなくなります。</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>グループから脱退しました。</translation>
    </message>
    <message>
        <source>Failed to leave the group.</source>
        <translation>グループから脱退できませんでした。</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke the invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>メンバーを招待</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>招待コードを生成</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>招待コードを入力:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か、有効期限が切れています。</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>コードを生成できませんでした。</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい相手にこのコードを伝えてください:

%1</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>登録済みのデバイス</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>このアカウントと同期したデバイス。</translation>
    </message>
    <message>
        <source>Could not load your devices.</source>
        <translation>デバイスを読み込めませんでした。</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>登録済みのデバイスはありません。</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスを削除</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove the device.</source>
        <translation>デバイスを削除できませんでした。</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>アクティブなセッション</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在このアカウントにサインインしているセッション。</translation>
    </message>
    <message>
        <source>Could not load your sessions.</source>
        <translation>セッションを読み込めませんでした。</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>アクティブなセッションはありません。</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke the session.</source>
        <translation>セッションを取り消せませんでした。</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30 日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>アカウントを削除</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、オーナー権限を譲渡するか、すべてのメンバーを削除してください。</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>30 日後にアカウントが完全に削除されるよう予約します。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>アカウントは 30 日後に完全に削除されます。それまでにサインインすれば復元できます。</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ApiClient</name>
    <message>
        <source>The sign-in could not be renewed; check the connection and try again.</source>
        <translation>サインインを更新できませんでした。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Refused to contact %1: the address is not a secure (https) one.</source>
        <translation>%1 への接続を拒否しました: 安全な (https) アドレスではありません。</translation>
    </message>
    <message>
        <source>The server&apos;s answer was refused (too large, or a redirect to another host).</source>
        <translation>サーバーの応答を拒否しました (サイズが大きすぎるか、別のホストへのリダイレクトです)。</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>サーバーの応答を読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>VelmAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>ローカル認証サーバーを起動できませんでした</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>サインインがタイムアウトしました</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>ウェブブラウザーを開けませんでした</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>トークンを受け取れませんでした</translation>
    </message>
</context>
<context>
    <name>VelmAccount::ShareMembersDialog</name>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Join or create a family group to share accounts.</source>
        <translation>口座を共有するには、ファミリーグループに参加するか、新しく作成してください。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択した相手を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>グループのメンバーは全員追加済みです</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>共有中...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>%1 のこの項目へのアクセスを削除しますか?</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>共有を解除できませんでした。</translation>
    </message>
</context>
<context>
    <name>VelmAccount::WebAuthHandler</name>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>認証が完了しました!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>このタブを閉じて、アプリケーションに戻ってください。</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>認証に失敗しました</translation>
    </message>
    <message>
        <source>You can close this tab and try again in the application.</source>
        <translation>このタブを閉じて、アプリケーションでもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>現在のバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込み中…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
    <message>
        <source>Size: %1
SHA-256: %2</source>
        <translation>サイズ: %1
SHA-256: %2</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>VelmUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>実行中のバージョン: %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to Velmora Penwick</source>
        <translation>Velmora Penwick へようこそ</translation>
    </message>
    <message>
        <source>Keep your cheque book on this computer, or sign in to your Velmora account to use the same register on all your devices.</source>
        <translation>小切手帳をこのコンピューターで管理するか、Velmora アカウントにサインインしてすべてのデバイスで同じ記録を使用できます。</translation>
    </message>
    <message>
        <source>Create an Account</source>
        <translation>アカウントを作成</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>サインイン...</translation>
    </message>
</context>
</TS>
