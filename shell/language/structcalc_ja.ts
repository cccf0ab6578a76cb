<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>FormWidgets</name>
    <message>
        <source>structural calculator</source>
        <translation>構造計算</translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>参考資料: </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Next Page -&gt;</source>
        <translation>次のページ -&gt;</translation>
    </message>
    <message>
        <source>&lt;- Pre Page</source>
        <translation>&lt;- 前のページ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>応力図</translation>
    </message>
    <message>
        <source>The chart of the result rows</source>
        <translation>結果の行のグラフ</translation>
    </message>
    <message>
        <source>Shear, moment and deflection along the member</source>
        <translation>部材に沿ったせん断力、曲げモーメント、たわみ</translation>
    </message>
    <message>
        <source>In a window</source>
        <translation>別ウィンドウで</translation>
    </message>
    <message>
        <source>The diagrams in a window of their own, which can be maximised</source>
        <translation>応力図を最大化できる別ウィンドウに表示します</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>影響線</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>包絡線</translation>
    </message>
    <message>
        <source>The influence line of a quantity as a unit load moves along the member</source>
        <translation>単位荷重が部材上を移動するときのある量の影響線</translation>
    </message>
    <message>
        <source>The largest and smallest V, M and δ over the combinations and the moving loads</source>
        <translation>荷重の組合せと移動荷重による V、M、δ の最大値と最小値</translation>
    </message>
    <message>
        <source>The quantity whose influence line shows: at the point x, or a support&apos;s reaction</source>
        <translation>影響線を示す量: 点 x での値、または支点の反力</translation>
    </message>
    <message>
        <source>Influence line of</source>
        <translation>影響線の対象</translation>
    </message>
    <message>
        <source>The envelope over every combination and the moving loads, or one combination alone with its diagrams</source>
        <translation>すべての組合せと移動荷重の包絡線、または一つの組合せとその応力図</translation>
    </message>
    <message>
        <source>Envelope of</source>
        <translation>包絡線の対象</translation>
    </message>
</context>
<context>
    <name>shell::CalculatorWindow</name>
    <message>
        <source>Results copied</source>
        <translation>結果をコピーしました</translation>
    </message>
</context>
<context>
    <name>shell::FileCommands</name>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Export calculation…</source>
        <translation>計算書を書き出す(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Copy ca&amp;lculation</source>
        <translation>計算をコピー(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Names on the sheet…</source>
        <translation>計算書の名前(&amp;N)…</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>Calculations (*%1);;All files (*)</source>
        <translation>計算 (*%1);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Calculation copied</source>
        <translation>計算をコピーしました</translation>
    </message>
    <message>
        <source>Open calculation</source>
        <translation>計算を開く</translation>
    </message>
    <message>
        <source>Save calculation</source>
        <translation>計算を保存</translation>
    </message>
    <message>
        <source>Export calculation</source>
        <translation>計算書を書き出す</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot print: %1</source>
        <translation>印刷できません: %1</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 を保存できません: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: it is a calculation of &quot;%2&quot;, not a program of structcalc (%3)</source>
        <translation>%1 を開けません: structcalc のプログラムではない &quot;%2&quot; の計算です (%3)</translation>
    </message>
    <message>
        <source>Cannot open %1: it is a calculation of %2, which is not installed beside %3 (in %4)</source>
        <translation>%1 を開けません: %2 の計算ですが、%2 は %3 と同じ場所 (%4) にインストールされていません</translation>
    </message>
    <message>
        <source>Cannot open %1: it is a calculation of %2, but %3 is this program, %4</source>
        <translation>%1 を開けません: %2 の計算ですが、%3 はこのプログラム %4 です</translation>
    </message>
    <message>
        <source>Cannot open %1: %2 could not be started</source>
        <translation>%1 を開けません: %2 を起動できませんでした</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 が %2 を開きます</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>%1 を書き出せません: %2</translation>
    </message>
    <message>
        <source>the sheet could not be written</source>
        <translation>計算書を書き出せませんでした</translation>
    </message>
    <message>
        <source>Exported %1 (%2 pages)</source>
        <translation>%1 を書き出しました (%2 ページ)</translation>
    </message>
    <message>
        <source>Names on the calculation sheet</source>
        <translation>計算書の名前</translation>
    </message>
    <message>
        <source>The head of every page of the sheet shows these names.</source>
        <translation>計算書の各ページの見出しにこれらの名前が入ります。</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>件名(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Member:</source>
        <translation>部材(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Engineer:</source>
        <translation>担当者(&amp;E):</translation>
    </message>
</context>
<context>
    <name>shell::MemberEditor</name>
    <message>
        <source>Insert a row after the current one (Insert)</source>
        <translation>現在の行の後に行を挿入 (Insert)</translation>
    </message>
    <message>
        <source>Delete the current row (Delete)</source>
        <translation>現在の行を削除 (Delete)</translation>
    </message>
    <message>
        <source>Move the current row up (Ctrl+Up)</source>
        <translation>現在の行を上へ移動 (Ctrl+Up)</translation>
    </message>
    <message>
        <source>Move the current row down (Ctrl+Down)</source>
        <translation>現在の行を下へ移動 (Ctrl+Down)</translation>
    </message>
</context>
<context>
    <name>shell::WindowMenus</name>
    <message>
        <source>Results to c&amp;lipboard</source>
        <translation>結果をクリップボードへ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;General setting</source>
        <translation>全般設定(&amp;G)</translation>
    </message>
    <message>
        <source>Program &amp;color ...</source>
        <translation>プログラムの色(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Format resulte values</source>
        <translation>結果の値を書式化(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Length unit</source>
        <translation>単位(&amp;L)</translation>
    </message>
    <message>
        <source>C&amp;hart setting</source>
        <translation>グラフ設定(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Plot color ...</source>
        <translation>グラフの色(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Log scale values</source>
        <translation>対数目盛(&amp;L)</translation>
    </message>
    <message>
        <source>Diagrams in a &amp;window</source>
        <translation>応力図を別ウィンドウで(&amp;W)</translation>
    </message>
    <message>
        <source>Show &amp;slope</source>
        <translation>たわみ角を表示(&amp;S)</translation>
    </message>
    <message>
        <source>3D Bar</source>
        <translation>3D 棒グラフ</translation>
    </message>
    <message>
        <source>2D Bar</source>
        <translation>2D 棒グラフ</translation>
    </message>
    <message>
        <source>3D Line</source>
        <translation>3D 折れ線グラフ</translation>
    </message>
    <message>
        <source>2D Line</source>
        <translation>2D 折れ線グラフ</translation>
    </message>
    <message>
        <source>3D Area Bar</source>
        <translation>3D 面棒グラフ</translation>
    </message>
    <message>
        <source>2D Area Line</source>
        <translation>2D 面グラフ</translation>
    </message>
    <message>
        <source>3D Step</source>
        <translation>3D 階段グラフ</translation>
    </message>
    <message>
        <source>2D Step</source>
        <translation>2D 階段グラフ</translation>
    </message>
    <message>
        <source>&amp;Diagrams</source>
        <translation>応力図(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Influence line</source>
        <translation>影響線(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Envelope</source>
        <translation>包絡線(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>単位(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語 - Language(&amp;L)</translation>
    </message>
</context>
</TS>
