<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Case</name>
    <message>
        <source>Beam</source>
        <translation>梁</translation>
    </message>
    <message>
        <source>Cantilever</source>
        <translation>片持ち梁</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>ラーメン</translation>
    </message>
    <message>
        <source>Buckling</source>
        <translation>座屈</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>部材</translation>
    </message>
    <message>
        <source>Rectangular bar</source>
        <translation>長方形中実</translation>
    </message>
    <message>
        <source>Rectangular tube</source>
        <translation>長方形中空</translation>
    </message>
    <message>
        <source>Circular bar</source>
        <translation>円形中実</translation>
    </message>
    <message>
        <source>Circular tube</source>
        <translation>円形中空</translation>
    </message>
    <message>
        <source>C section</source>
        <translation>溝形断面</translation>
    </message>
    <message>
        <source>T section</source>
        <translation>T形断面</translation>
    </message>
    <message>
        <source>L section</source>
        <translation>山形断面</translation>
    </message>
    <message>
        <source>I section</source>
        <translation>I形断面</translation>
    </message>
</context>
<context>
    <name>Column</name>
    <message>
        <source>kind</source>
        <translation>種別</translation>
    </message>
    <message>
        <source>from</source>
        <translation>始点</translation>
    </message>
    <message>
        <source>to</source>
        <translation>終点</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>meaning</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>factors</source>
        <translation>係数</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>パターン載荷</translation>
    </message>
    <message>
        <source>use</source>
        <translation>用途</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>material</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>ways</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>case</source>
        <translation>荷重ケース</translation>
    </message>
</context>
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
    <name>Meaning</name>
    <message>
        <source>position of the support from the left end</source>
        <translation>左端からの支点の位置</translation>
    </message>
    <message>
        <source>pinned, roller, fixed or spring</source>
        <translation>pinned (ピン)、roller (ローラー)、fixed (固定) または spring (ばね)</translation>
    </message>
    <message>
        <source>stiffness of a spring support (force per deflection)</source>
        <translation>ばね支点の剛性 (変位あたりの力)</translation>
    </message>
    <message>
        <source>rotational stiffness of a spring support (moment per radian)</source>
        <translation>ばね支点の回転剛性 (1 ラジアンあたりのモーメント)</translation>
    </message>
    <message>
        <source>settlement of the support, downward positive</source>
        <translation>支点の沈下 (下向き正)</translation>
    </message>
    <message>
        <source>position of the internal hinge</source>
        <translation>部材内ヒンジの位置</translation>
    </message>
    <message>
        <source>position of the load</source>
        <translation>荷重の位置</translation>
    </message>
    <message>
        <source>point load, downward positive</source>
        <translation>集中荷重 (下向き正)</translation>
    </message>
    <message>
        <source>position of the couple</source>
        <translation>モーメント荷重の位置</translation>
    </message>
    <message>
        <source>couple, clockwise positive</source>
        <translation>モーメント荷重 (時計回り正)</translation>
    </message>
    <message>
        <source>start of the load</source>
        <translation>荷重の始点</translation>
    </message>
    <message>
        <source>end of the load</source>
        <translation>荷重の終点</translation>
    </message>
    <message>
        <source>load at the start, downward positive</source>
        <translation>始点の荷重 (下向き正)</translation>
    </message>
    <message>
        <source>load at the end, downward positive</source>
        <translation>終点の荷重 (下向き正)</translation>
    </message>
    <message>
        <source>start of the segment</source>
        <translation>区間の始点</translation>
    </message>
    <message>
        <source>end of the segment</source>
        <translation>区間の終点</translation>
    </message>
    <message>
        <source>elastic modulus of the segment (empty: the member&apos;s)</source>
        <translation>区間の弾性係数 (空欄: 部材の値)</translation>
    </message>
    <message>
        <source>second moment of area of the segment (empty: the member&apos;s)</source>
        <translation>区間の断面2次モーメント (空欄: 部材の値)</translation>
    </message>
    <message>
        <source>the name the loads and combinations use: G, Q, W, S, ...</source>
        <translation>荷重と組合せが用いる名前: G, Q, W, S, ...</translation>
    </message>
    <message>
        <source>permanent, or variable (may be placed span by span where a combination asks)</source>
        <translation>permanent (固定荷重) または variable (変動荷重: 組合せの指定によりスパンごとに載荷)</translation>
    </message>
    <message>
        <source>what the case is: self-weight, imposed, wind, snow</source>
        <translation>荷重ケースの内容: 自重、積載、風、雪</translation>
    </message>
    <message>
        <source>the name of the combination: ULS, SLS, ...</source>
        <translation>組合せの名前: ULS, SLS, ...</translation>
    </message>
    <message>
        <source>the factored cases: 1.35 G + 1.5 Q</source>
        <translation>係数を掛けた荷重ケース: 1.35 G + 1.5 Q</translation>
    </message>
    <message>
        <source>yes: the variable cases placed span by span where each value is worst</source>
        <translation>yes: 変動荷重を各値が最も不利になるようスパンごとに載荷</translation>
    </message>
    <message>
        <source>the checks it serves: strength (bending stress), deflection, or both</source>
        <translation>用いる検定: strength (曲げ応力度)、deflection (たわみ) または both (両方)</translation>
    </message>
    <message>
        <source>distance of the axle behind the first axle</source>
        <translation>先頭軸から後方の軸までの距離</translation>
    </message>
    <message>
        <source>axle load, downward positive</source>
        <translation>軸重 (下向き正)</translation>
    </message>
    <message>
        <source>elastic section modulus for the bending stress σ = M/Z</source>
        <translation>曲げ応力度 σ = M/Z に用いる断面係数</translation>
    </message>
    <message>
        <source>allowable bending stress</source>
        <translation>許容曲げ応力度</translation>
    </message>
    <message>
        <source>deflection limit: span / n (300 for span/300)</source>
        <translation>たわみの制限: スパン / n (スパン/300 なら 300)</translation>
    </message>
    <message>
        <source>steel, stainless steel or aluminium alloy: E of the material instead of the E typed</source>
        <translation>steel (鋼)、stainless steel (ステンレス鋼) または aluminium alloy (アルミニウム合金): 入力した E に代えて材料の E</translation>
    </message>
    <message>
        <source>rectangular bar, rectangular tube, circular bar, circular tube, C, T, L or I section: I and Z of the shape instead of those typed</source>
        <translation>rectangular bar, rectangular tube, circular bar, circular tube, C, T, L または I section: 入力した I と Z に代えて形状の値</translation>
    </message>
    <message>
        <source>depth (bar, tube, I), width (C), flange width (T), leg (L); the diameter of a circular bar, the outer diameter of a tube</source>
        <translation>せい (中実、中空、I)、幅 (C)、フランジ幅 (T)、辺 (L); 円形中実の直径、中空の外径</translation>
    </message>
    <message>
        <source>width (bar, tube, I), depth (C), web depth (T), other leg (L); the inner diameter of a tube</source>
        <translation>幅 (中実、中空、I)、せい (C)、ウェブせい (T)、他方の辺 (L); 中空の内径</translation>
    </message>
    <message>
        <source>wall (tube), flange thickness (C, I), flange (T), thickness (L)</source>
        <translation>肉厚 (中空)、フランジ厚 (C, I)、フランジ (T)、板厚 (L)</translation>
    </message>
    <message>
        <source>web thickness (C, T, I)</source>
        <translation>ウェブ厚 (C, T, I)</translation>
    </message>
    <message>
        <source>the way the train runs: both (empty), rightward or leftward</source>
        <translation>連行荷重の進行方向: both (空欄: 両方)、rightward (右向き) または leftward (左向き)</translation>
    </message>
    <message>
        <source>uniform load of the train, downward positive, on whatever parts of the member make a value worst</source>
        <translation>連行荷重の等分布荷重 (下向き正)、各値が最も不利になる部材の部分に載荷</translation>
    </message>
    <message>
        <source>the load case the load belongs to (empty: the first)</source>
        <translation>荷重が属する荷重ケース (空欄: 最初のケース)</translation>
    </message>
    <message>
        <source>upward reaction at A</source>
        <translation>A の反力 (上向き正)</translation>
    </message>
    <message>
        <source>upward reaction at B</source>
        <translation>B の反力 (上向き正)</translation>
    </message>
    <message>
        <source>moment at x1 from A, sagging positive</source>
        <translation>A から x1 の位置の曲げモーメント (正: 下側引張)</translation>
    </message>
    <message>
        <source>moment at x2 from A, sagging positive</source>
        <translation>A から x2 の位置の曲げモーメント (正: 下側引張)</translation>
    </message>
    <message>
        <source>moment under the load P, the largest</source>
        <translation>荷重 P 直下の曲げモーメント (最大)</translation>
    </message>
    <message>
        <source>deflection under the load P, downward positive (the largest only for a = l / 2)</source>
        <translation>荷重 P 直下のたわみ (下向き正、最大となるのは a = l / 2 のときのみ)</translation>
    </message>
    <message>
        <source>shear force at x from A: the upward forces left of x</source>
        <translation>A から x の位置のせん断力: x より左の上向きの力の和</translation>
    </message>
    <message>
        <source>moment at x from A, sagging positive</source>
        <translation>A から x の位置の曲げモーメント (正: 下側引張)</translation>
    </message>
    <message>
        <source>moment at mid-span, the largest</source>
        <translation>スパン中央の曲げモーメント (最大)</translation>
    </message>
    <message>
        <source>deflection at mid-span, the largest, downward positive</source>
        <translation>スパン中央のたわみ (最大、下向き正)</translation>
    </message>
    <message>
        <source>the largest moment, at l / √3 from A (coefficient rounded)</source>
        <translation>最大曲げモーメント (A から l / √3 の位置、係数は丸め値)</translation>
    </message>
    <message>
        <source>the largest deflection, at 0.519 l from A, downward positive (coefficient rounded)</source>
        <translation>最大たわみ (A から 0.519 l の位置、下向き正、係数は丸め値)</translation>
    </message>
    <message>
        <source>distance from A to the point of zero shear, where the moment is largest</source>
        <translation>A からせん断力 0 の点 (曲げモーメントが最大となる位置) までの距離</translation>
    </message>
    <message>
        <source>moment at X0, the largest</source>
        <translation>X0 の位置の曲げモーメント (最大)</translation>
    </message>
    <message>
        <source>mid-span moment with the load w × (b − a) centred on the span: the largest it gives anywhere</source>
        <translation>荷重 w × (b − a) をスパン中央に置いたときのスパン中央の曲げモーメント: この荷重による曲げモーメントの全体での最大値</translation>
    </message>
    <message>
        <source>moment at mid-span, sagging positive (the largest only for w1 = 0)</source>
        <translation>スパン中央の曲げモーメント (正: 下側引張、最大となるのは w1 = 0 のときのみ)</translation>
    </message>
    <message>
        <source>deflection at mid-span, downward positive (the largest only for w1 = 0)</source>
        <translation>スパン中央のたわみ (下向き正、最大となるのは w1 = 0 のときのみ)</translation>
    </message>
    <message>
        <source>reaction at the free end A: always 0</source>
        <translation>自由端 A の反力: 常に 0</translation>
    </message>
    <message>
        <source>upward reaction at the fixed end B</source>
        <translation>固定端 B の反力 (上向き正)</translation>
    </message>
    <message>
        <source>shear force at x from the free end: the upward forces on the free side</source>
        <translation>自由端から x の位置のせん断力: 自由端側の上向きの力の和</translation>
    </message>
    <message>
        <source>moment at x from the free end, hogging negative</source>
        <translation>自由端から x の位置の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>moment at the fixed end B, the largest in magnitude, hogging negative</source>
        <translation>固定端 B の曲げモーメント (絶対値最大、負: 上側引張)</translation>
    </message>
    <message>
        <source>deflection of the free end A, the largest, downward positive</source>
        <translation>自由端 A のたわみ (最大、下向き正)</translation>
    </message>
    <message>
        <source>hogging moment at x from the free end, shown positive</source>
        <translation>自由端から x の位置の負の曲げモーメント (正値で表示)</translation>
    </message>
    <message>
        <source>upward reaction at A; negative means the support holds the beam down</source>
        <translation>A の反力 (上向き正)、負の値は支点が梁を押さえ込んでいることを表す</translation>
    </message>
    <message>
        <source>shear force between A and B, sign reversed: positive for a downward P</source>
        <translation>A と B の間のせん断力 (符号反転: 下向きの P に対して正)</translation>
    </message>
    <message>
        <source>shear force between B and the tip C: the upward forces left of it</source>
        <translation>B と先端 C の間のせん断力: その位置より左の上向きの力の和</translation>
    </message>
    <message>
        <source>moment at x1 from A, hogging negative</source>
        <translation>A から x1 の位置の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>moment at x2 from the tip C, hogging negative</source>
        <translation>先端 C から x2 の位置の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>moment over support B, the largest in magnitude, hogging negative</source>
        <translation>支点 B 上の曲げモーメント (絶対値最大、負: 上側引張)</translation>
    </message>
    <message>
        <source>shear force at x1 from A: the upward forces left of it</source>
        <translation>A から x1 の位置のせん断力: その位置より左の上向きの力の和</translation>
    </message>
    <message>
        <source>shear force at x2 from the tip: the upward forces left of it</source>
        <translation>先端から x2 の位置のせん断力: その位置より左の上向きの力の和</translation>
    </message>
    <message>
        <source>shear force just left of support B</source>
        <translation>支点 B のすぐ左のせん断力</translation>
    </message>
    <message>
        <source>moment at x2 from the tip, hogging negative</source>
        <translation>先端から x2 の位置の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>moment over support B, hogging negative</source>
        <translation>支点 B 上の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>the largest moment of the span, where the shear is zero, (l² − a²) / (2 l) from A; 0 (at A) where a ≥ l</source>
        <translation>スパン内の最大曲げモーメント (せん断力 0 の点、A から (l² − a²) / (2 l) の位置)、a ≥ l のときは 0 (A の位置)</translation>
    </message>
    <message>
        <source>upward reaction at B; negative means the support holds the beam down</source>
        <translation>B の反力 (上向き正)、負の値は支点が梁を押さえ込んでいることを表す</translation>
    </message>
    <message>
        <source>moment over support A, hogging negative</source>
        <translation>支点 A 上の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>moment at x from A within the span, sagging positive</source>
        <translation>スパン内で A から x の位置の曲げモーメント (正: 下側引張)</translation>
    </message>
    <message>
        <source>hogging moment at the fixed end B, shown positive</source>
        <translation>固定端 B の負の曲げモーメント (正値で表示)</translation>
    </message>
    <message>
        <source>moment at the fixed end B, hogging negative</source>
        <translation>固定端 B の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>the largest sagging moment, at 3 l / 8 from A</source>
        <translation>最大の正の曲げモーメント (A から 3 l / 8 の位置)</translation>
    </message>
    <message>
        <source>moment at the fixed end A, hogging negative</source>
        <translation>固定端 A の曲げモーメント (負: 上側引張)</translation>
    </message>
    <message>
        <source>moment at mid-span, the largest sagging</source>
        <translation>スパン中央の曲げモーメント (正の曲げの最大)</translation>
    </message>
    <message>
        <source>the largest sagging moment, at 0.548 l from A (coefficient rounded up)</source>
        <translation>最大の正の曲げモーメント (A から 0.548 l の位置、係数は切り上げ値)</translation>
    </message>
    <message>
        <source>upward reaction at the fixed end A</source>
        <translation>固定端 A の反力 (上向き正)</translation>
    </message>
    <message>
        <source>moment at x from the free end B, hogging shown positive; 0 between B and the load</source>
        <translation>自由端 B から x の位置の曲げモーメント (負の曲げを正で表示)、B と荷重の間では 0</translation>
    </message>
    <message>
        <source>deflection of the free end B, downward positive</source>
        <translation>自由端 B のたわみ (下向き正)</translation>
    </message>
    <message>
        <source>deflection under the load P, downward positive</source>
        <translation>荷重 P 直下のたわみ (下向き正)</translation>
    </message>
    <message>
        <source>moment at x from the free end B, hogging shown positive</source>
        <translation>自由端 B から x の位置の曲げモーメント (負の曲げを正で表示)</translation>
    </message>
    <message>
        <source>moment at the fixed end A, hogging shown positive</source>
        <translation>固定端 A の曲げモーメント (負の曲げを正で表示)</translation>
    </message>
    <message>
        <source>deflection at x from the free end B, downward positive</source>
        <translation>自由端 B から x の位置のたわみ (下向き正)</translation>
    </message>
    <message>
        <source>upward reaction at the fixed end A: a couple alone needs none</source>
        <translation>固定端 A の反力 (上向き正): 偶力のみでは反力は生じない</translation>
    </message>
    <message>
        <source>moment anywhere between A and C (with C at A: the moment A takes), hogging shown positive; 0 between C and B</source>
        <translation>A と C の間の任意の位置の曲げモーメント (C が A にあるとき: A が負担するモーメント)、負の曲げを正で表示、C と B の間では 0</translation>
    </message>
    <message>
        <source>deflection at C, where M acts, downward positive</source>
        <translation>M が作用する C のたわみ (下向き正)</translation>
    </message>
    <message>
        <source>upward reaction at the prop B</source>
        <translation>ピン支点 B の反力 (上向き正)</translation>
    </message>
    <message>
        <source>moment at the fixed end A, sagging positive (hogging under a downward load)</source>
        <translation>固定端 A の曲げモーメント (正: 下側引張、下向き荷重では負の曲げ)</translation>
    </message>
    <message>
        <source>moment under the load P, sagging positive</source>
        <translation>荷重 P 直下の曲げモーメント (正: 下側引張)</translation>
    </message>
    <message>
        <source>largest span moment, 3l/8 from the prop B, sagging positive</source>
        <translation>スパン内の最大曲げモーメント (ピン支点 B から 3l/8 の位置、正: 下側引張)</translation>
    </message>
    <message>
        <source>deflection at x from the prop B, downward positive</source>
        <translation>ピン支点 B から x の位置のたわみ (下向き正)</translation>
    </message>
    <message>
        <source>largest deflection, 0.42 l from the prop B, downward positive (divisor rounded)</source>
        <translation>最大たわみ (ピン支点 B から 0.42 l の位置、下向き正、除数は丸め値)</translation>
    </message>
    <message>
        <source>largest span moment, 0.447 l from the prop B, sagging positive (coefficient rounded)</source>
        <translation>スパン内の最大曲げモーメント (ピン支点 B から 0.447 l の位置、正: 下側引張、係数は丸め値)</translation>
    </message>
    <message>
        <source>largest deflection, 0.447 l from the prop B, downward positive (coefficient rounded)</source>
        <translation>最大たわみ (ピン支点 B から 0.447 l の位置、下向き正、係数は丸め値)</translation>
    </message>
    <message>
        <source>upward reaction at the fixed end A; negative means A holds the member down</source>
        <translation>固定端 A の反力 (上向き正)、負の値は A が部材を押さえ込んでいることを表す</translation>
    </message>
    <message>
        <source>moment at the fixed end A, sagging positive</source>
        <translation>固定端 A の曲げモーメント (正: 下側引張)</translation>
    </message>
    <message>
        <source>moment just on the A side of C (with C at A: the moment A takes), hogging shown positive</source>
        <translation>C のすぐ A 側の曲げモーメント (C が A にあるとき: A が負担するモーメント)、負の曲げを正で表示</translation>
    </message>
    <message>
        <source>moment just on the B side of C, sagging positive</source>
        <translation>C のすぐ B 側の曲げモーメント (正: 下側引張)</translation>
    </message>
    <message>
        <source>upward reaction at A, simply supported span</source>
        <translation>A の反力 (上向き正)、単純梁の場合</translation>
    </message>
    <message>
        <source>upward reaction at B, simply supported span</source>
        <translation>B の反力 (上向き正)、単純梁の場合</translation>
    </message>
    <message>
        <source>moment under the load P, the largest, simply supported span</source>
        <translation>荷重 P 直下の曲げモーメント (最大)、単純梁の場合</translation>
    </message>
    <message>
        <source>mid-span deflection, downward positive, simply supported span</source>
        <translation>スパン中央のたわみ (下向き正)、単純梁の場合</translation>
    </message>
    <message>
        <source>upward reaction at A, span fixed at both ends</source>
        <translation>A の反力 (上向き正)、両端固定梁の場合</translation>
    </message>
    <message>
        <source>upward reaction at B, span fixed at both ends</source>
        <translation>B の反力 (上向き正)、両端固定梁の場合</translation>
    </message>
    <message>
        <source>moment at the fixed end B, hogging shown positive (clockwise end couple)</source>
        <translation>固定端 B の曲げモーメント (負の曲げを正で表示、時計回りの材端モーメント)</translation>
    </message>
    <message>
        <source>deflection under the load P, downward positive, span fixed at both ends</source>
        <translation>荷重 P 直下のたわみ (下向き正)、両端固定梁の場合</translation>
    </message>
    <message>
        <source>upward reaction at A, on either span</source>
        <translation>A の反力 (上向き正)、単純梁・両端固定梁とも</translation>
    </message>
    <message>
        <source>upward reaction at B, on either span</source>
        <translation>B の反力 (上向き正)、単純梁・両端固定梁とも</translation>
    </message>
    <message>
        <source>moment at mid-span, the largest, simply supported span</source>
        <translation>スパン中央の曲げモーメント (最大)、単純梁の場合</translation>
    </message>
    <message>
        <source>mid-span deflection, the largest, downward positive, simply supported span</source>
        <translation>スパン中央のたわみ (最大、下向き正)、単純梁の場合</translation>
    </message>
    <message>
        <source>moment at either fixed end, hogging shown positive; mid-span sags as much</source>
        <translation>各固定端の曲げモーメント (負の曲げを正で表示)、スパン中央にも同じ大きさの正の曲げが生じる</translation>
    </message>
    <message>
        <source>mid-span deflection, the largest, downward positive, span fixed at both ends</source>
        <translation>スパン中央のたわみ (最大、下向き正)、両端固定梁の場合</translation>
    </message>
    <message>
        <source>moment between the loads, the largest, simply supported span</source>
        <translation>荷重間の曲げモーメント (最大)、単純梁の場合</translation>
    </message>
    <message>
        <source>moment at either fixed end, hogging shown positive</source>
        <translation>各固定端の曲げモーメント (負の曲げを正で表示)</translation>
    </message>
    <message>
        <source>moment at x from A, simply supported span</source>
        <translation>A から x の位置の曲げモーメント、単純梁の場合</translation>
    </message>
    <message>
        <source>largest moment, l/√3 from A (coefficient rounded), simply supported span</source>
        <translation>最大曲げモーメント (A から l/√3 の位置、係数は丸め値)、単純梁の場合</translation>
    </message>
    <message>
        <source>largest deflection, 0.519 l from A (coefficient rounded), simply supported span</source>
        <translation>最大たわみ (A から 0.519 l の位置、係数は丸め値)、単純梁の場合</translation>
    </message>
    <message>
        <source>moment at the fixed end B, sagging positive (hogging under a downward load)</source>
        <translation>固定端 B の曲げモーメント (正: 下側引張、下向き荷重では負の曲げ)</translation>
    </message>
    <message>
        <source>largest deflection, 0.525 l from A (divisor rounded), span fixed at both ends</source>
        <translation>最大たわみ (A から 0.525 l の位置、除数は丸め値)、両端固定梁の場合</translation>
    </message>
    <message>
        <source>moment where the shear is zero, a + RA / w from A, the largest, simply supported span</source>
        <translation>せん断力が 0 となる位置 (A から a + RA / w) の曲げモーメント (最大)、単純梁の場合</translation>
    </message>
    <message>
        <source>mid-span deflection with the load centred; above the largest one elsewhere, simply supported span</source>
        <translation>荷重をスパン中央に置いたときのスパン中央のたわみ (他の荷重位置での最大たわみを上回る)、単純梁の場合</translation>
    </message>
    <message>
        <source>upward reaction at A; negative means A holds the beam down, simply supported span</source>
        <translation>A の反力 (上向き正)、負の値は A が梁を押さえ込んでいることを表す、単純梁の場合</translation>
    </message>
    <message>
        <source>moment just on the A side of C, hogging shown positive, simply supported span</source>
        <translation>C のすぐ A 側の曲げモーメント (負の曲げを正で表示)、単純梁の場合</translation>
    </message>
    <message>
        <source>moment just on the B side of C, sagging positive, simply supported span</source>
        <translation>C のすぐ B 側の曲げモーメント (正: 下側引張)、単純梁の場合</translation>
    </message>
    <message>
        <source>deflection at C, upward positive, simply supported span</source>
        <translation>C のたわみ (上向き正)、単純梁の場合</translation>
    </message>
    <message>
        <source>moment at the fixed end A, sagging positive (clockwise end couple)</source>
        <translation>固定端 A の曲げモーメント (正: 下側引張、時計回りの材端モーメント)</translation>
    </message>
    <message>
        <source>moment at the fixed end B, hogging shown positive (clockwise end couple); 0 for a couple at B itself</source>
        <translation>固定端 B の曲げモーメント (負の曲げを正で表示、時計回りの材端モーメント)、B 自体に偶力が作用する場合は 0</translation>
    </message>
    <message>
        <source>largest reaction as the pair moves: a wheel over the support</source>
        <translation>2輪が移動するときの最大反力: 一方の車輪が支点上にあるとき</translation>
    </message>
    <message>
        <source>largest moment as the pair moves, under a wheel (threshold 0.586 l rounded)</source>
        <translation>2輪が移動するときの最大曲げモーメント、車輪直下 (しきい値 0.586 l は丸め値)</translation>
    </message>
    <message>
        <source>moment at corner B, inside face in tension positive</source>
        <translation>隅角部 B の曲げモーメント (正: 内側引張)</translation>
    </message>
    <message>
        <source>moment at corner C, inside face in tension positive</source>
        <translation>隅角部 C の曲げモーメント (正: 内側引張)</translation>
    </message>
    <message>
        <source>upward reaction at D</source>
        <translation>D の鉛直反力 (上向き正)</translation>
    </message>
    <message>
        <source>horizontal reaction at A, inward (towards D) positive</source>
        <translation>A の水平反力 (D に向かう内向きを正)</translation>
    </message>
    <message>
        <source>horizontal reaction at D, inward (towards A) positive</source>
        <translation>D の水平反力 (A に向かう内向きを正)</translation>
    </message>
    <message>
        <source>reaction at A, downward positive (A is held down as the load tips the frame)</source>
        <translation>A の鉛直反力 (下向き正、荷重がラーメンを転倒させようとするため A は押さえ込まれる)</translation>
    </message>
    <message>
        <source>horizontal reaction at A, positive against the load (to the left)</source>
        <translation>A の水平反力 (荷重と逆向き (左向き) を正)</translation>
    </message>
    <message>
        <source>horizontal reaction at D, positive against the load (to the left)</source>
        <translation>D の水平反力 (荷重と逆向き (左向き) を正)</translation>
    </message>
    <message>
        <source>moment in column AB just below the bracket E, inside face in tension positive</source>
        <translation>柱 AB のブラケット E 直下の曲げモーメント (正: 内側引張)</translation>
    </message>
    <message>
        <source>moment in column AB just above the bracket E, inside face in tension positive</source>
        <translation>柱 AB のブラケット E 直上の曲げモーメント (正: 内側引張)</translation>
    </message>
    <message>
        <source>moment at the fixed foot A, inside face in tension positive</source>
        <translation>固定柱脚 A の曲げモーメント (正: 内側引張)</translation>
    </message>
    <message>
        <source>moment at the fixed foot D, inside face in tension positive</source>
        <translation>固定柱脚 D の曲げモーメント (正: 内側引張)</translation>
    </message>
    <message>
        <source>elastic (Euler) buckling load π²·E·I / Lk², π taken as 3.141592</source>
        <translation>弾性 (オイラー) 座屈荷重 π²·E·I / Lk²、π は 3.141592 とする</translation>
    </message>
    <message>
        <source>Euler buckling stress, the buckling load over the area (Pk / A), π taken as 3.141592</source>
        <translation>オイラー座屈応力、座屈荷重を断面積で除した値 (Pk / A)、π は 3.141592 とする</translation>
    </message>
    <message>
        <source>radius of gyration of the section, √(I / A)</source>
        <translation>断面2次半径 √(I / A)</translation>
    </message>
    <message>
        <source>slenderness l / k, of the column length l (not of the buckling length Lk)</source>
        <translation>細長比 l / k (座屈長 Lk ではなく柱の長さ l による)</translation>
    </message>
    <message>
        <source>buckling length Lk = l / √n</source>
        <translation>座屈長 Lk = l / √n</translation>
    </message>
    <message>
        <source>buckling stress on the empirical parabola of cast iron, valid for λ up to 80 only; its rounded coefficients (c = 7 × 10⁻⁵ for Tetmajer&apos;s 0.53/7760 = 6.83 × 10⁻⁵) put σk up to 5.6 % above Tetmajer&apos;s parabola, near λ = 80</source>
        <translation>鋳鉄の実験式 (放物線) による座屈応力、λ が 80 以下でのみ有効。係数の丸め (テトマイヤーの 0.53/7760 = 6.83 × 10⁻⁵ に対して c = 7 × 10⁻⁵) により、σk は λ = 80 付近でテトマイヤーの放物線より最大 5.6 % 大きくなる</translation>
    </message>
    <message>
        <source>slenderness l / k, the length l taken as the buckling length (pinned ends)</source>
        <translation>細長比 l / k (長さ l を座屈長とする、両端ピン)</translation>
    </message>
    <message>
        <source>buckling stress on the empirical line of wrought iron, valid for λ up to 112 only</source>
        <translation>錬鉄の実験式 (直線) による座屈応力、λ が 112 以下でのみ有効</translation>
    </message>
    <message>
        <source>buckling stress on the empirical line of mild steel, valid for λ up to 105 only</source>
        <translation>軟鋼の実験式 (直線) による座屈応力、λ が 105 以下でのみ有効</translation>
    </message>
    <message>
        <source>buckling stress on the empirical line of hard steel, valid for λ up to 89 only</source>
        <translation>硬鋼の実験式 (直線) による座屈応力、λ が 89 以下でのみ有効</translation>
    </message>
    <message>
        <source>buckling stress on the empirical line of softwood, valid for λ up to 100 only</source>
        <translation>針葉樹材の実験式 (直線) による座屈応力、λ が 100 以下でのみ有効</translation>
    </message>
    <message>
        <source>area of the section</source>
        <translation>断面積</translation>
    </message>
    <message>
        <source>half the depth a: from the bending axis to either face</source>
        <translation>せい a の半分: 曲げ軸から各縁面まで</translation>
    </message>
    <message>
        <source>second moment about the centroidal axis parallel to b</source>
        <translation>b に平行な図心軸まわりの断面2次モーメント</translation>
    </message>
    <message>
        <source>section modulus I / e1, at the extreme fibre</source>
        <translation>最外縁の断面係数 I / e1</translation>
    </message>
    <message>
        <source>radius of gyration, a × 0.28867 (1/√12 rounded to five digits)</source>
        <translation>断面2次半径 a × 0.28867 (1/√12 を5桁に丸めた値)</translation>
    </message>
    <message>
        <source>half the larger outer side (the depth): from the bending axis to either face</source>
        <translation>外形の長辺 (せい) の半分: 曲げ軸から各縁面まで</translation>
    </message>
    <message>
        <source>second moment about the centroidal axis parallel to the shorter side</source>
        <translation>短辺に平行な図心軸まわりの断面2次モーメント</translation>
    </message>
    <message>
        <source>radius of gyration √(I / A) about the bending axis</source>
        <translation>曲げ軸まわりの断面2次半径 √(I / A)</translation>
    </message>
    <message>
        <source>area of the section, π taken as 3.141592</source>
        <translation>断面積、π は 3.141592 とする</translation>
    </message>
    <message>
        <source>the radius: from the centre to the outer fibre</source>
        <translation>半径: 中心から最外縁まで</translation>
    </message>
    <message>
        <source>second moment about a diameter, π taken as 3.141592</source>
        <translation>直径まわりの断面2次モーメント、π は 3.141592 とする</translation>
    </message>
    <message>
        <source>section modulus I / e1, at the extreme fibre, π taken as 3.141592</source>
        <translation>最外縁の断面係数 I / e1、π は 3.141592 とする</translation>
    </message>
    <message>
        <source>the outer radius: from the centre to the outer fibre</source>
        <translation>外半径: 中心から最外縁まで</translation>
    </message>
    <message>
        <source>half the depth b: from the axis of symmetry to either flange face</source>
        <translation>せい b の半分: 対称軸から各フランジ面まで</translation>
    </message>
    <message>
        <source>second moment about the axis of symmetry, square to the web</source>
        <translation>ウェブに直交する対称軸まわりの断面2次モーメント</translation>
    </message>
    <message>
        <source>half the flange width a: from the web&apos;s centre line to the flange tips</source>
        <translation>フランジ幅 a の半分: ウェブ中心線からフランジ先端まで</translation>
    </message>
    <message>
        <source>second moment about the axis of symmetry, the web&apos;s centre line</source>
        <translation>対称軸 (ウェブ中心線) まわりの断面2次モーメント</translation>
    </message>
    <message>
        <source>from the centroid to the outer face of leg a</source>
        <translation>図心から辺 a の外面まで</translation>
    </message>
    <message>
        <source>second moment about the centroidal axis parallel to leg a (not a principal axis)</source>
        <translation>辺 a に平行な図心軸まわりの断面2次モーメント (主軸ではない)</translation>
    </message>
    <message>
        <source>section modulus I / e1, at the outer face of leg a</source>
        <translation>辺 a の外面での断面係数 I / e1</translation>
    </message>
    <message>
        <source>from the centroid to the tip of leg b</source>
        <translation>図心から辺 b の先端まで</translation>
    </message>
    <message>
        <source>section modulus I / e2, at the tip of leg b</source>
        <translation>辺 b の先端での断面係数 I / e2</translation>
    </message>
    <message>
        <source>half the depth a: from the bending axis to the face of one flange</source>
        <translation>せい a の半分: 曲げ軸から一方のフランジ面まで</translation>
    </message>
    <message>
        <source>second moment about the centroidal axis parallel to the flanges</source>
        <translation>フランジに平行な図心軸まわりの断面2次モーメント</translation>
    </message>
    <message>
        <source>half the depth a: from the bending axis to the face of the other flange</source>
        <translation>せい a の半分: 曲げ軸から他方のフランジ面まで</translation>
    </message>
    <message>
        <source>section modulus I / e2, the same by symmetry</source>
        <translation>断面係数 I / e2 (対称のため同じ値)</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>%1 is too small a number (nearer 0 than 2.2e-308)</source>
        <translation>%1 が小さすぎます (2.2e-308 より 0 に近い数)</translation>
    </message>
    <message>
        <source>%1 is too large a number</source>
        <translation>%1 が大きすぎます</translation>
    </message>
    <message>
        <source>%1 would be negative</source>
        <translation>%1 が負になります</translation>
    </message>
    <message>
        <source>%1 step is too large a number</source>
        <translation>%1 の刻みが大きすぎます</translation>
    </message>
    <message>
        <source>too large to compute (beyond 1.8e308)</source>
        <translation>大きすぎて計算できません (1.8e308 を超える)</translation>
    </message>
    <message>
        <source>too large to compute: a step of its formula goes beyond 1.8e308</source>
        <translation>大きすぎて計算できません: 式の途中の値が 1.8e308 を超える</translation>
    </message>
    <message>
        <source>its formula divides by 0 for these inputs</source>
        <translation>この入力では式が 0 で割ることになります</translation>
    </message>
    <message>
        <source>its formula takes the square root of a negative number for these inputs</source>
        <translation>この入力では式が負の数の平方根をとることになります</translation>
    </message>
    <message>
        <source>cannot be computed</source>
        <translation>計算できません</translation>
    </message>
    <message>
        <source>l must be greater than 0</source>
        <translation>l は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>a must lie between 0 and l</source>
        <translation>a は 0 から l の間にしてください</translation>
    </message>
    <message>
        <source>x1 must lie between 0 and l</source>
        <translation>x1 は 0 から l の間にしてください</translation>
    </message>
    <message>
        <source>x2 must lie between 0 and l</source>
        <translation>x2 は 0 から l の間にしてください</translation>
    </message>
    <message>
        <source>E must be greater than 0</source>
        <translation>E は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>I must be greater than 0</source>
        <translation>I は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>x must lie between 0 and l</source>
        <translation>x は 0 から l の間にしてください</translation>
    </message>
    <message>
        <source>b must lie between 0 and l</source>
        <translation>b は 0 から l の間にしてください</translation>
    </message>
    <message>
        <source>a must lie between 0 and b</source>
        <translation>a は 0 から b の間にしてください</translation>
    </message>
    <message>
        <source>a must be 0 or more</source>
        <translation>a は 0 以上にしてください</translation>
    </message>
    <message>
        <source>x2 must lie between 0 and a</source>
        <translation>x2 は 0 から a の間にしてください</translation>
    </message>
    <message>
        <source>b must be 0 or more</source>
        <translation>b は 0 以上にしてください</translation>
    </message>
    <message>
        <source>a + b must be greater than 0</source>
        <translation>a + b は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>x must lie between 0 and a + b</source>
        <translation>x は 0 から a + b の間にしてください</translation>
    </message>
    <message>
        <source>a must lie between 0 and l / 2</source>
        <translation>a は 0 から l / 2 の間にしてください</translation>
    </message>
    <message>
        <source>b must be greater than 0</source>
        <translation>b は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>c must be 0 or more</source>
        <translation>c は 0 以上にしてください</translation>
    </message>
    <message>
        <source>h must be greater than 0</source>
        <translation>h は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>I1 must be greater than 0</source>
        <translation>I1 は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>I2 must be greater than 0</source>
        <translation>I2 は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>a must be greater than 0</source>
        <translation>a は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>a + b must equal l</source>
        <translation>a + b は l と等しくしてください</translation>
    </message>
    <message>
        <source>a must lie between 0 and h</source>
        <translation>a は 0 から h の間にしてください</translation>
    </message>
    <message>
        <source>c must be less than l</source>
        <translation>c は l 未満にしてください</translation>
    </message>
    <message>
        <source>a + b must equal h</source>
        <translation>a + b は h と等しくしてください</translation>
    </message>
    <message>
        <source>A must be greater than 0</source>
        <translation>A は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>n must be greater than 0</source>
        <translation>n は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>c must be greater than 0</source>
        <translation>c は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>c must be less than a / 2</source>
        <translation>c は a / 2 未満にしてください</translation>
    </message>
    <message>
        <source>c must be less than b / 2</source>
        <translation>c は b / 2 未満にしてください</translation>
    </message>
    <message>
        <source>dia must be greater than 0</source>
        <translation>dia は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>OD must be greater than 0</source>
        <translation>OD は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>ID must be 0 or more</source>
        <translation>ID は 0 以上にしてください</translation>
    </message>
    <message>
        <source>ID must be less than OD</source>
        <translation>ID は OD 未満にしてください</translation>
    </message>
    <message>
        <source>d must be greater than 0</source>
        <translation>d は 0 より大きくしてください</translation>
    </message>
    <message>
        <source>d must be less than a</source>
        <translation>d は a 未満にしてください</translation>
    </message>
    <message>
        <source>b must be less than a</source>
        <translation>b は a 未満にしてください</translation>
    </message>
    <message>
        <source>c must be a or less</source>
        <translation>c は a 以下にしてください</translation>
    </message>
    <message>
        <source>c must be b or less</source>
        <translation>c は b 以下にしてください</translation>
    </message>
    <message>
        <source>d must be less than b</source>
        <translation>d は b 未満にしてください</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Start value</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>意味</translation>
    </message>
    <message>
        <source>Valid for: </source>
        <translation>適用範囲: </translation>
    </message>
    <message>
        <source>These inputs are refused: </source>
        <translation>この入力は受け付けられません: </translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>応力図</translation>
    </message>
    <message>
        <source>Diagrams at the start values</source>
        <translation>初期値での応力図</translation>
    </message>
    <message>
        <source>Intermediate values</source>
        <translation>中間値</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>定数</translation>
    </message>
    <message>
        <source>Constants and intermediate values</source>
        <translation>定数と中間値</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Formula, and worked at the start values</source>
        <translation>式と初期値での計算</translation>
    </message>
    <message>
        <source>Formula, and worked with these inputs</source>
        <translation>式とこの入力での計算</translation>
    </message>
    <message>
        <source>Member&apos;s extreme from its diagrams: </source>
        <translation>応力図による部材の極値: </translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>注記</translation>
    </message>
    <message>
        <source>Notes shown by the window</source>
        <translation>画面に表示される注記</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>件名</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>部材</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>担当者</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Sign convention: </source>
        <translation>符号の規約: </translation>
    </message>
    <message>
        <source>Case %1 of %2</source>
        <translation>ケース %1 / %2</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>組合せ</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>組合せ</translation>
    </message>
    <message>
        <source>Influence line</source>
        <translation>影響線</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <translation>包絡線</translation>
    </message>
    <message>
        <source>The member</source>
        <translation>部材</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Supports</source>
        <translation>支点</translation>
    </message>
    <message>
        <source>Hinges</source>
        <translation>ヒンジ</translation>
    </message>
    <message>
        <source>Point loads</source>
        <translation>集中荷重</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>集中荷重</translation>
    </message>
    <message>
        <source>Couples</source>
        <translation>モーメント荷重</translation>
    </message>
    <message>
        <source>Distributed loads</source>
        <translation>分布荷重</translation>
    </message>
    <message>
        <source>Distributed</source>
        <translation>分布荷重</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>区間</translation>
    </message>
    <message>
        <source>Load cases</source>
        <translation>荷重ケース</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>荷重ケース</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>組合せ</translation>
    </message>
    <message>
        <source>Moving loads</source>
        <translation>移動荷重</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>移動荷重</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>検定</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>断面</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>連行荷重</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>largest %1 at x = %2</source>
        <translation>最大 %1 (x = %2)</translation>
    </message>
    <message>
        <source>at x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>%1 changed to %2 (%3)</source>
        <translation>%1 を %2 に変更しました (%3)</translation>
    </message>
    <message>
        <source>%1 = %2 at %3</source>
        <translation>%1 = %2 (%3)</translation>
    </message>
    <message>
        <source>Please check command entry  #%1</source>
        <translation>入力を確認してください  #%1</translation>
    </message>
    <message>
        <source>Please check %1 : %2</source>
        <translation>%1 を確認してください : %2</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Any straight member: supports, hinges and loads anywhere</source>
        <translation>任意の直線部材: 支点、ヒンジ、荷重を任意の位置に</translation>
    </message>
    <message>
        <source>Simply supported beam, point load P at a</source>
        <translation>単純梁、a の位置に集中荷重 P</translation>
    </message>
    <message>
        <source>Simply supported beam, uniform load w</source>
        <translation>単純梁、等分布荷重 w</translation>
    </message>
    <message>
        <source>Simply supported beam, triangular load rising to w at B</source>
        <translation>単純梁、B で w に達する三角形分布荷重</translation>
    </message>
    <message>
        <source>Simply supported beam, uniform load w from a to b</source>
        <translation>単純梁、a から b までの等分布荷重 w</translation>
    </message>
    <message>
        <source>Simply supported beam, triangular load, w at mid-span</source>
        <translation>単純梁、三角形分布荷重 (スパン中央で w)</translation>
    </message>
    <message>
        <source>Simply supported beam, triangular load w1 and uniform w2</source>
        <translation>単純梁、三角形分布荷重 w1 と等分布荷重 w2</translation>
    </message>
    <message>
        <source>Cantilever, point load P at the free end</source>
        <translation>片持ち梁、自由端に集中荷重 P</translation>
    </message>
    <message>
        <source>Cantilever, uniform load w</source>
        <translation>片持ち梁、等分布荷重 w</translation>
    </message>
    <message>
        <source>Cantilever, triangular load rising to w at the fixed end</source>
        <translation>片持ち梁、固定端で w に達する三角形分布荷重</translation>
    </message>
    <message>
        <source>Beam with overhang, point load P at the tip</source>
        <translation>張出し梁、先端に集中荷重 P</translation>
    </message>
    <message>
        <source>Beam with overhang, uniform load w throughout</source>
        <translation>張出し梁、全長に等分布荷重 w</translation>
    </message>
    <message>
        <source>Beam with two overhangs, point loads P1, P2 at the tips</source>
        <translation>両端張出し梁、両先端に集中荷重 P1、P2</translation>
    </message>
    <message>
        <source>Beam with two overhangs, uniform load w throughout</source>
        <translation>両端張出し梁、全長に等分布荷重 w</translation>
    </message>
    <message>
        <source>Propped cantilever, point load P at a</source>
        <translation>一端固定・他端ピン梁、a の位置に集中荷重 P</translation>
    </message>
    <message>
        <source>Propped cantilever, uniform load w</source>
        <translation>一端固定・他端ピン梁、等分布荷重 w</translation>
    </message>
    <message>
        <source>Fixed-ended beam, uniform load w</source>
        <translation>両端固定梁、等分布荷重 w</translation>
    </message>
    <message>
        <source>Fixed-ended beam, point load P at a</source>
        <translation>両端固定梁、a の位置に集中荷重 P</translation>
    </message>
    <message>
        <source>Fixed-ended beam, triangular load rising to w at B</source>
        <translation>両端固定梁、B で w に達する三角形分布荷重</translation>
    </message>
    <message>
        <source>Fixed-ended beam, triangular load w1 and uniform w2</source>
        <translation>両端固定梁、三角形分布荷重 w1 と等分布荷重 w2</translation>
    </message>
    <message>
        <source>Cantilever, point load P at a</source>
        <translation>片持ち梁、a の位置に集中荷重 P</translation>
    </message>
    <message>
        <source>Cantilever, uniform load</source>
        <translation>片持ち梁、等分布荷重</translation>
    </message>
    <message>
        <source>Cantilever, triangular load falling to the free end</source>
        <translation>片持ち梁、自由端に向かって減少する三角形分布荷重</translation>
    </message>
    <message>
        <source>Cantilever, moment M at a</source>
        <translation>片持ち梁、a の位置にモーメント荷重 M</translation>
    </message>
    <message>
        <source>Propped cantilever, uniform load</source>
        <translation>一端固定・他端ピン梁、等分布荷重</translation>
    </message>
    <message>
        <source>Propped cantilever, triangular load falling to the prop</source>
        <translation>一端固定・他端ピン梁、ピン支点に向かって減少する三角形分布荷重</translation>
    </message>
    <message>
        <source>Propped cantilever, moment M at a</source>
        <translation>一端固定・他端ピン梁、a の位置にモーメント荷重 M</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, point load P at a</source>
        <translation>単純梁または両端固定梁、a の位置に集中荷重 P</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, point load P at mid-span</source>
        <translation>単純梁または両端固定梁、スパン中央に集中荷重 P</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, loads P at the third points</source>
        <translation>単純梁または両端固定梁、3等分点に荷重 P</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, loads P at a from each end</source>
        <translation>単純梁または両端固定梁、両端から a の位置に荷重 P</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, uniform load</source>
        <translation>単純梁または両端固定梁、等分布荷重</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, trapezoidal load, ramps a</source>
        <translation>単純梁または両端固定梁、台形分布荷重 (傾斜部 a)</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, symmetric triangular load</source>
        <translation>単純梁または両端固定梁、対称三角形分布荷重</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, two triangular loads</source>
        <translation>単純梁または両端固定梁、2つの三角形分布荷重</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, three triangular loads</source>
        <translation>単純梁または両端固定梁、3つの三角形分布荷重</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, triangular load rising to B</source>
        <translation>単純梁または両端固定梁、B に向かって増加する三角形分布荷重</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, uniform load w over b</source>
        <translation>単純梁または両端固定梁、長さ b にわたる等分布荷重 w</translation>
    </message>
    <message>
        <source>Simple or fixed-ended span, moment M at a</source>
        <translation>単純梁または両端固定梁、a の位置にモーメント荷重 M</translation>
    </message>
    <message>
        <source>Simply supported span, two moving wheel loads w at a</source>
        <translation>単純梁、間隔 a の2つの移動輪荷重 w</translation>
    </message>
    <message>
        <source>Portal frame, pinned feet, uniform load w on the beam</source>
        <translation>門形ラーメン、柱脚ピン、梁に等分布荷重 w</translation>
    </message>
    <message>
        <source>Portal frame, pinned feet, horizontal load P at B</source>
        <translation>門形ラーメン、柱脚ピン、B に水平荷重 P</translation>
    </message>
    <message>
        <source>Portal frame, pinned feet, point load P on the beam at a</source>
        <translation>門形ラーメン、柱脚ピン、梁の a の位置に集中荷重 P</translation>
    </message>
    <message>
        <source>Portal frame, pinned feet, horizontal uniform load w on AB</source>
        <translation>門形ラーメン、柱脚ピン、AB に水平等分布荷重 w</translation>
    </message>
    <message>
        <source>Portal frame, pinned feet, bracket load P on column AB</source>
        <translation>門形ラーメン、柱脚ピン、柱 AB にブラケット荷重 P</translation>
    </message>
    <message>
        <source>Portal frame, fixed feet, uniform load w on the beam</source>
        <translation>門形ラーメン、柱脚固定、梁に等分布荷重 w</translation>
    </message>
    <message>
        <source>Portal frame, fixed feet, horizontal load P at B</source>
        <translation>門形ラーメン、柱脚固定、B に水平荷重 P</translation>
    </message>
    <message>
        <source>Portal frame, fixed feet, point load P on the beam at a</source>
        <translation>門形ラーメン、柱脚固定、梁の a の位置に集中荷重 P</translation>
    </message>
    <message>
        <source>Portal frame, fixed feet, horizontal uniform load w on AB</source>
        <translation>門形ラーメン、柱脚固定、AB に水平等分布荷重 w</translation>
    </message>
    <message>
        <source>Portal frame, fixed feet, bracket load P on column AB</source>
        <translation>門形ラーメン、柱脚固定、柱 AB にブラケット荷重 P</translation>
    </message>
    <message>
        <source>Euler column, fixed base and free top (n = 1/4)</source>
        <translation>オイラー柱、下端固定・上端自由 (n = 1/4)</translation>
    </message>
    <message>
        <source>Euler column, pinned at both ends (n = 1)</source>
        <translation>オイラー柱、両端ピン (n = 1)</translation>
    </message>
    <message>
        <source>Euler column, fixed base and pinned top (n = 2)</source>
        <translation>オイラー柱、下端固定・上端ピン (n = 2)</translation>
    </message>
    <message>
        <source>Euler column, fixed at both ends (n = 4)</source>
        <translation>オイラー柱、両端固定 (n = 4)</translation>
    </message>
    <message>
        <source>Empirical column parabola, cast iron</source>
        <translation>柱の実験式 (放物線)、鋳鉄</translation>
    </message>
    <message>
        <source>Empirical column line, wrought iron</source>
        <translation>柱の実験式 (直線)、錬鉄</translation>
    </message>
    <message>
        <source>Empirical column line, mild steel</source>
        <translation>柱の実験式 (直線)、軟鋼</translation>
    </message>
    <message>
        <source>Empirical column line, hard steel</source>
        <translation>柱の実験式 (直線)、硬鋼</translation>
    </message>
    <message>
        <source>Empirical column line, softwood</source>
        <translation>柱の実験式 (直線)、針葉樹材</translation>
    </message>
    <message>
        <source>Rectangular bar, depth a, bending about the axis parallel to b</source>
        <translation>矩形中実断面、せい a、b に平行な軸まわりの曲げ</translation>
    </message>
    <message>
        <source>Rectangular tube, bending about its major axis</source>
        <translation>矩形中空断面、強軸まわりの曲げ</translation>
    </message>
    <message>
        <source>Circular bar, bending about a diameter</source>
        <translation>円形中実断面、直径まわりの曲げ</translation>
    </message>
    <message>
        <source>Circular tube, bending about a diameter</source>
        <translation>円形中空断面、直径まわりの曲げ</translation>
    </message>
    <message>
        <source>C section, depth b, bending about its axis of symmetry</source>
        <translation>C形断面、せい b、対称軸まわりの曲げ</translation>
    </message>
    <message>
        <source>T section, bending about the web&apos;s centre line</source>
        <translation>T形断面、ウェブ中心線まわりの曲げ</translation>
    </message>
    <message>
        <source>L section, bending about the axis parallel to leg a</source>
        <translation>L形断面、辺 a に平行な軸まわりの曲げ</translation>
    </message>
    <message>
        <source>I section, bending about the axis parallel to the flanges</source>
        <translation>I形断面、フランジに平行な軸まわりの曲げ</translation>
    </message>
    <message>
        <source>Bending properties of Beam Compute tool </source>
        <translation>梁の曲げ特性 計算ツール </translation>
    </message>
    <message>
        <source>Beams Program version 1.0       Reference :</source>
        <translation>Beams プログラム バージョン 1.0       参考資料 :</translation>
    </message>
    <message>
        <source>Buckling  properties of Beam Compute tool </source>
        <translation>梁の座屈特性 計算ツール </translation>
    </message>
    <message>
        <source>Buckling  Program version 1.0     Reference :</source>
        <translation>Buckling  プログラム バージョン 1.0     参考資料 :</translation>
    </message>
    <message>
        <source>Bending properties of Cantilever Compute tool </source>
        <translation>片持ち梁の曲げ特性 計算ツール </translation>
    </message>
    <message>
        <source>Cantilever Program version 1.0    Reference :</source>
        <translation>Cantilever プログラム バージョン 1.0    参考資料 :</translation>
    </message>
    <message>
        <source>Bending of any straight member Compute tool </source>
        <translation>任意の直線部材の曲げ 計算ツール </translation>
    </message>
    <message>
        <source>Member Program version 1.0       Reference :</source>
        <translation>Member プログラム バージョン 1.0       参考資料 :</translation>
    </message>
    <message>
        <source>Section Bending properties of Beam Compute tool </source>
        <translation>梁断面の曲げ特性 計算ツール </translation>
    </message>
    <message>
        <source>Profilor Program version 1.0     Reference :</source>
        <translation>Profilor プログラム バージョン 1.0     参考資料 :</translation>
    </message>
    <message>
        <source>Rahmen  properties of Beam Compute tool </source>
        <translation>梁のラーメン特性 計算ツール </translation>
    </message>
    <message>
        <source>Rahmen  Program version 1.0     Reference :</source>
        <translation>Rahmen  プログラム バージョン 1.0     参考資料 :</translation>
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
    <name>shell::CasePages</name>
    <message>
        <source>step</source>
        <translation>刻み</translation>
    </message>
    <message>
        <source>%1, input</source>
        <translation>%1, 入力</translation>
    </message>
    <message>
        <source>%1, scroll bar</source>
        <translation>%1, スクロールバー</translation>
    </message>
    <message>
        <source>%1, step</source>
        <translation>%1, 刻み</translation>
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
