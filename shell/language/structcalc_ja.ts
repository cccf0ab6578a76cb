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
    <name>Handbook</name>
    <message>
        <source>Reactions, shear forces, bending moments and deflections of single-span beams.</source>
        <translation>単スパン梁の反力、せん断力、曲げモーメントおよびたわみ。</translation>
    </message>
    <message>
        <source>Help in %1 opens this file, %2, from the program&apos;s folder. It is written from the program&apos;s own case catalogue, so it shows exactly what the program computes: for every case its picture, its inputs with their units, the domain in which it applies, and every result row with its meaning, its formula as the program evaluates it and the value it gives at the start values.</source>
        <translation>%1 の「ヘルプ」を選ぶと、プログラムのフォルダにあるこのファイル %2 が開く。本書はプログラム自身のケース一覧から作成されており、プログラムが計算する内容をそのまま示す。すなわち、各ケースについて、その図、入力値とその単位、適用範囲、ならびに各結果行の意味、プログラムが評価するとおりの計算式および初期値での値を示す。</translation>
    </message>
    <message>
        <source>Numbers are in mm and N, the units the program starts in; every input and result carries its unit.</source>
        <translation>数値は、プログラムの起動時の単位である mm および N で示す。入力値と計算結果にはすべて単位を付す。</translation>
    </message>
    <message>
        <source>x runs from the left end of the member as the case&apos;s sketch draws it. Loads and deflections are positive downward. The shear force V = dM/dx is the sum of the upward forces left of the section; the bending moment M is positive sagging (tension at the bottom face). Support reactions are positive upward.</source>
        <translation>x は、各ケースの図に描かれた部材の左端から測る。荷重およびたわみは下向きを正とする。せん断力 V = dM/dx は断面より左にある上向きの力の和であり、曲げモーメント M は下側引張 (下面が引張) を正とする。支点反力は上向きを正とする。</translation>
    </message>
    <message>
        <source>Where a result row&apos;s meaning states a sign of its own, the row follows it.</source>
        <translation>結果行の意味に独自の符号が記されている場合、その行はそれに従う。</translation>
    </message>
    <message>
        <source>Across the five programs this handbook writes the deflection δ, the radius of gyration i and the buckling length Lk. The result captions of Beams keep the program&apos;s own symbols for the deflection (σmax).</source>
        <translation>本書では5つのプログラムを通じて、たわみを δ、断面2次半径を i、座屈長を Lk と表記する。Beams の計算結果の項目名では、たわみにプログラム固有の記号 (σmax) をそのまま用いている。</translation>
    </message>
    <message>
        <source>They group as the program evaluates them: a fraction bar, a root&apos;s bar and brackets enclose what is worked out first; a brace lists a formula&apos;s cases, each with its condition. Constants and named intermediate values are given before the results that use them.</source>
        <translation>計算式の項のまとまりは、プログラムが評価するとおりに示す。分数の横線、根号の横線および括弧は先に計算する部分を囲み、中括弧は計算式の場合分けをそれぞれの条件とともに列挙する。定数および名前を付けた中間値は、それを用いる結果より前に示す。</translation>
    </message>
    <message>
        <source>Each row gives its formula, the same with the start values put in (six significant digits, a negative value in brackets) and the value; the Value column shows it as the window does by default (#.000e+00). A row without a finite value is left empty by the window.</source>
        <translation>各行には、計算式、それに初期値を代入した式 (有効数字6桁、負の値は括弧で囲む) および値を示す。値の列は、ウィンドウの既定の表示と同じ形式 (#.000e+00) で示す。有限の値をもたない行は、ウィンドウでは空欄となる。</translation>
    </message>
    <message>
        <source>Beams of constant E I, small deflections, shear deformation neglected (Euler–Bernoulli). The coefficients below are those of the beam tables, rounded as the tables print them.</source>
        <translation>E I 一定の梁とし、微小たわみを仮定し、せん断変形は無視する (オイラー・ベルヌーイ梁)。以下の係数は梁の公式表の値であり、表に記載されたとおりに丸めている。</translation>
    </message>
    <message>
        <source>Triangular load on a simple span: Mmax = w l²/(9√3) = 0.06415 w l² at x = l/√3 ≈ 0.577 l, rounded to 0.0642.</source>
        <translation>単純梁の三角形分布荷重: x = l/√3 ≈ 0.577 l の位置で Mmax = w l²/(9√3) = 0.06415 w l² であり、0.0642 に丸めている。</translation>
    </message>
    <message>
        <source>Triangular load on a simple span: δmax = 0.006522 w l⁴/(E I) at x ≈ 0.519 l, from the elastic line of the load, rounded to 0.00652.</source>
        <translation>単純梁の三角形分布荷重: この荷重による弾性曲線から、x ≈ 0.519 l の位置で δmax = 0.006522 w l⁴/(E I) であり、0.00652 に丸めている。</translation>
    </message>
    <message>
        <source>Triangular load on a span fixed at both ends: the largest span moment is 0.02144 w l² at x = √(3/10) l ≈ 0.548 l; the program takes 0.0215.</source>
        <translation>両端固定梁の三角形分布荷重: スパン内の最大曲げモーメントは x = √(3/10) l ≈ 0.548 l の位置で 0.02144 w l² である。プログラムでは 0.0215 を用いる。</translation>
    </message>
    <message>
        <source>Reactions, moments and deflections of cantilevers, propped cantilevers and single spans.</source>
        <translation>片持ち梁、一端固定・他端ピン梁および単スパン梁の反力、モーメントおよびたわみ。</translation>
    </message>
    <message>
        <source>Across the five programs this handbook writes the deflection δ, the radius of gyration i and the buckling length Lk. The result captions of Cantilever keep the program&apos;s own symbols for the deflection (fB, fC, fx, fmax, ...).</source>
        <translation>本書では5つのプログラムを通じて、たわみを δ、断面2次半径を i、座屈長を Lk と表記する。Cantilever の計算結果の項目名では、たわみにプログラム固有の記号 (fB, fC, fx, fmax, ...) をそのまま用いている。</translation>
    </message>
    <message>
        <source>Propped cantilever under a uniform load: δmax = w l⁴/(184.6 E I) at x ≈ 0.578 l from the fixed end (0.422 l from the prop); the tables round the divisor to 185.</source>
        <translation>等分布荷重を受ける一端固定・他端ピン梁: 固定端から x ≈ 0.578 l (ピン支点から 0.422 l) の位置で δmax = w l⁴/(184.6 E I) である。公式表では除数を 185 に丸めている。</translation>
    </message>
    <message>
        <source>Propped cantilever under a triangular load falling to the prop: Mmax = 0.02981 w l² at x ≈ 0.553 l from the fixed end.</source>
        <translation>ピン支点に向かって減少する三角形分布荷重を受ける一端固定・他端ピン梁: 固定端から x ≈ 0.553 l の位置で Mmax = 0.02981 w l² である。</translation>
    </message>
    <message>
        <source>The same member: δmax = 0.002385 w l⁴/(E I), also at x ≈ 0.553 l from the fixed end.</source>
        <translation>同じ部材: δmax = 0.002385 w l⁴/(E I) であり、これも固定端から x ≈ 0.553 l の位置である。</translation>
    </message>
    <message>
        <source>Symmetric triangular load on a span fixed at both ends: 0.7 w l⁴/(384 E I) = 7 w l⁴/(3840 E I) is the exact mid-span deflection.</source>
        <translation>両端固定梁の対称三角形分布荷重: 0.7 w l⁴/(384 E I) = 7 w l⁴/(3840 E I) がスパン中央のたわみの厳密値である。</translation>
    </message>
    <message>
        <source>Triangular load on a simple span: Mmax = w l²/(9√3) = 0.06415 w l² at x = l/√3; the program takes 0.064.</source>
        <translation>単純梁の三角形分布荷重: x = l/√3 の位置で Mmax = w l²/(9√3) = 0.06415 w l² である。プログラムでは 0.064 を用いる。</translation>
    </message>
    <message>
        <source>The same span: δmax = 0.006522 w l⁴/(E I) at x ≈ 0.519 l, rounded to 0.00652.</source>
        <translation>同じスパン: x ≈ 0.519 l の位置で δmax = 0.006522 w l⁴/(E I) であり、0.00652 に丸めている。</translation>
    </message>
    <message>
        <source>The same load on a span fixed at both ends: δmax = w l⁴/(764.2 E I) at x ≈ 0.525 l (at mid-span w l⁴/(768 E I)); the tables round the divisor to 764.</source>
        <translation>同じ荷重を受ける両端固定梁: x ≈ 0.525 l の位置で δmax = w l⁴/(764.2 E I) である (スパン中央では w l⁴/(768 E I))。公式表では除数を 764 に丸めている。</translation>
    </message>
    <message>
        <source>Two wheel loads a apart: beyond a = (2 − √2) l = 0.5858 l one wheel alone at mid-span gives the larger moment.</source>
        <translation>間隔 a の2つの輪荷重: a = (2 − √2) l = 0.5858 l を超えると、1輪のみをスパン中央に置いたときの曲げモーメントのほうが大きくなる。</translation>
    </message>
    <message>
        <source>Reactions and corner moments of single-bay portal frames.</source>
        <translation>単スパン門形ラーメンの反力および隅角部モーメント。</translation>
    </message>
    <message>
        <source>Loads act in the plane of the frame: horizontal loads positive to the right, vertical loads positive downward. M is positive where the inside face is in tension (drawn on that side), so a downward load on the beam gives negative corner moments. Under a load on the beam or a bracket HA, HD are the inward thrust and VA, VD act upward; under a horizontal load HA, HD act against the load, VA downward, VD upward.</source>
        <translation>荷重はラーメンの面内に作用し、水平荷重は右向きを正、鉛直荷重は下向きを正とする。M は内側引張を正とし (図は引張側に描く)、したがって梁に下向きの荷重が作用すると隅角部モーメントは負となる。梁またはブラケットに荷重が作用する場合、HA、HD は内向きの推力であり、VA、VD は上向きに作用する。水平荷重が作用する場合、HA、HD は荷重と逆向きに、VA は下向きに、VD は上向きに作用する。</translation>
    </message>
    <message>
        <source>Across the five programs this handbook writes the deflection δ, the radius of gyration i and the buckling length Lk.</source>
        <translation>本書では5つのプログラムを通じて、たわみを δ、断面2次半径を i、座屈長を Lk と表記する。</translation>
    </message>
    <message>
        <source>Single-bay portal frames with rigid corners B and C and both feet pinned or both fixed, solved by the classical portal formulas: members inextensible, so the corners share one horizontal sway and do not move vertically; E constant, so only the ratio k = (I2/I1)(h/l) of the stiffnesses enters.</source>
        <translation>剛な隅角部 B、C をもち、柱脚が両方ともピンまたは両方とも固定の単スパン門形ラーメンを、古典的な門形ラーメンの公式により解く。部材は伸縮しないものとし、したがって両隅角部は同一の水平変位を生じ、鉛直には移動しない。E は一定とし、したがって剛性の比 k = (I2/I1)(h/l) のみが関係する。</translation>
    </message>
    <message>
        <source>Buckling loads and stresses of straight columns.</source>
        <translation>真直な柱の座屈荷重および座屈応力。</translation>
    </message>
    <message>
        <source>Buckling loads and stresses are compressive and are given as positive numbers.</source>
        <translation>座屈荷重および座屈応力は圧縮であり、正の値で示す。</translation>
    </message>
    <message>
        <source>Across the five programs this handbook writes the deflection δ, the radius of gyration i and the buckling length Lk. The result captions of Buckling keep the program&apos;s own symbols for the radius of gyration (k). The result captions of Buckling keep the program&apos;s own symbols for the buckling length (L).</source>
        <translation>本書では5つのプログラムを通じて、たわみを δ、断面2次半径を i、座屈長を Lk と表記する。Buckling の計算結果の項目名では、断面2次半径にプログラム固有の記号 (k) をそのまま用いている。Buckling の計算結果の項目名では、座屈長にプログラム固有の記号 (L) をそのまま用いている。</translation>
    </message>
    <message>
        <source>Euler columns: an ideal straight elastic column. The buckling length is Lk = l/√n with the end constant n: 1/4 for a column fixed at its foot and free at its head, 1 pinned at both ends, 2 fixed and pinned (the exact value is (4.4934/π)² = 2.046), 4 fixed at both ends. The slenderness λ = l/i is taken of the length l, not of Lk. π² is the square of π = 3.141592, 9.8696.</source>
        <translation>オイラー柱: 理想的な真直弾性柱である。座屈長は柱端定数 n を用いて Lk = l/√n とする。n は、下端固定・上端自由の柱で 1/4、両端ピンで 1、一端固定・他端ピンで 2 (厳密値は (4.4934/π)² = 2.046)、両端固定で 4 である。細長比 λ = l/i は Lk ではなく長さ l について求める。π² は π = 3.141592 の2乗で 9.8696 である。</translation>
    </message>
    <message>
        <source>Empirical columns: Tetmajer&apos;s straight lines (a parabola for cast iron) for the inelastic range, tabulated in kgf/cm². The program takes a in N/mm² (1 kgf/cm² = 0.0980665 N/mm²); b and c are per unit of slenderness, pure numbers that no unit changes. l is taken as the buckling length.</source>
        <translation>実験式による柱: 非弾性域に対するテトマイヤーの直線式 (鋳鉄では放物線式) で、kgf/cm² 単位で表にまとめられている。プログラムでは a を N/mm² で扱う (1 kgf/cm² = 0.0980665 N/mm²)。b および c は細長比 1 あたりの値で、どの単位系でも変わらない無次元数である。l を座屈長とする。</translation>
    </message>
    <message>
        <source>σk = a (1 − b λ + c λ²) with a = 761 N/mm² (7760 kgf/cm²), b = 0.01546, c = 7 × 10⁻⁵: σk = 761 − 11.7651 λ + 0.05327 λ² N/mm², for λ up to λ0 = 80 (beyond it the window shows a note).</source>
        <translation>σk = a (1 − b λ + c λ²)、ここで a = 761 N/mm² (7760 kgf/cm²)、b = 0.01546、c = 7 × 10⁻⁵: σk = 761 − 11.7651 λ + 0.05327 λ² N/mm²。λ0 = 80 までの λ に適用する (これを超えるとウィンドウに注記が表示される)。</translation>
    </message>
    <message>
        <source>σk = a (1 − b λ + c λ²) with a = 296 N/mm² (3018 kgf/cm²), b = 0.00425, c = 0: σk = 296 − 1.258 λ N/mm², for λ up to λ0 = 112 (beyond it the window shows a note).</source>
        <translation>σk = a (1 − b λ + c λ²)、ここで a = 296 N/mm² (3018 kgf/cm²)、b = 0.00425、c = 0: σk = 296 − 1.258 λ N/mm²。λ0 = 112 までの λ に適用する (これを超えるとウィンドウに注記が表示される)。</translation>
    </message>
    <message>
        <source>σk = a (1 − b λ + c λ²) with a = 304 N/mm² (3100 kgf/cm²), b = 0.00368, c = 0: σk = 304 − 1.11872 λ N/mm², for λ up to λ0 = 105 (beyond it the window shows a note).</source>
        <translation>σk = a (1 − b λ + c λ²)、ここで a = 304 N/mm² (3100 kgf/cm²)、b = 0.00368、c = 0: σk = 304 − 1.11872 λ N/mm²。λ0 = 105 までの λ に適用する (これを超えるとウィンドウに注記が表示される)。</translation>
    </message>
    <message>
        <source>σk = a (1 − b λ + c λ²) with a = 328 N/mm² (3345 kgf/cm²), b = 0.00185, c = 0: σk = 328 − 0.6068 λ N/mm², for λ up to λ0 = 89 (beyond it the window shows a note).</source>
        <translation>σk = a (1 − b λ + c λ²)、ここで a = 328 N/mm² (3345 kgf/cm²)、b = 0.00185、c = 0: σk = 328 − 0.6068 λ N/mm²。λ0 = 89 までの λ に適用する (これを超えるとウィンドウに注記が表示される)。</translation>
    </message>
    <message>
        <source>σk = a (1 − b λ + c λ²) with a = 28.7 N/mm² (292.7 kgf/cm²), b = 0.00662, c = 0: σk = 28.7 − 0.189994 λ N/mm², for λ up to λ0 = 100 (beyond it the window shows a note).</source>
        <translation>σk = a (1 − b λ + c λ²)、ここで a = 28.7 N/mm² (292.7 kgf/cm²)、b = 0.00662、c = 0: σk = 28.7 − 0.189994 λ N/mm²。λ0 = 100 までの λ に適用する (これを超えるとウィンドウに注記が表示される)。</translation>
    </message>
    <message>
        <source>Area, second moment, section moduli and radius of gyration of cross-sections.</source>
        <translation>断面の断面積、断面2次モーメント、断面係数および断面2次半径。</translation>
    </message>
    <message>
        <source>Section properties are taken about the bending axis through the centroid of the section as drawn; distances from the centroid to the extreme fibres are positive.</source>
        <translation>断面性能は、図示した断面の図心を通る曲げ軸について求める。図心から最外縁までの距離は正とする。</translation>
    </message>
    <message>
        <source>Exact section properties of the drawn shapes, without fillets or rounded corners. π is taken as 3.141592, as the programs always have.</source>
        <translation>図示した形状の厳密な断面性能であり、フィレットや隅角部の丸みは考慮しない。π は、従来からプログラムで用いているとおり 3.141592 とする。</translation>
    </message>
    <message>
        <source>i = a/√12 = 0.288675 a; the tables print 0.28867.</source>
        <translation>i = a/√12 = 0.288675 a である。公式表では 0.28867 と記載されている。</translation>
    </message>
    <message>
        <source>Reactions, shear forces, bending moments and deflections of any straight member.</source>
        <translation>任意の直線部材の反力、せん断力、曲げモーメントおよびたわみ。</translation>
    </message>
    <message>
        <source>Method. The member is cut at every support, hinge, load end and change of E·I. Between two cuts the load is a polynomial, and V, M, θ and δ follow from it by exact integration (M′ = V, θ′ = M/EI, δ′ = θ). The unknown reactions and the jumps of the slope at the hinges are found from one small linear system: equilibrium, a zero moment at every hinge and free end, and the deflection each support prescribes (zero, its settlement, or its reaction over its stiffness for a spring). No mesh and no step: the values and the extremes, with their positions, are those of the exact polynomials.</source>
        <translation>解法。部材をすべての支点、ヒンジ、荷重の端部および E·I の変化点で分割する。分割点間では荷重は多項式であり、V、M、θ および δ はこれを厳密に積分して求める (M′ = V、θ′ = M/EI、δ′ = θ)。未知の反力およびヒンジにおけるたわみ角の不連続量は、1つの小規模な連立1次方程式から求める。その条件は、つり合い、各ヒンジおよび自由端でモーメントが 0 であること、ならびに各支点が規定するたわみ (0、その沈下量、またはばね支点では反力をその剛性で除した値) である。メッシュ分割も刻み幅も用いない。値および極値とその位置は、厳密な多項式によるものである。</translation>
    </message>
    <message>
        <source>Input. The length l, E and I of the member and a point of interest x, marked on the diagrams; in the tables the supports (pinned, roller, fixed or spring with its stiffness k and a rotational stiffness kθ, each with an optional settlement δs, downward), internal hinges, point loads P (downward), couples C (clockwise), distributed loads from w1 to w2 (downward, varying linearly) and segments with their own E and I. A member that can move, a position off the member or a load that ends before it starts is refused with its reason, and the cell it is about is marked.</source>
        <translation>入力。部材の長さ l、E、I および着目点 x (応力図上に示す)。表には、支点 (ピン、ローラー、固定、または剛性 k と回転剛性 kθ をもつばね。いずれにも任意で下向きの沈下 δs を指定できる)、部材内ヒンジ、集中荷重 P (下向き)、モーメント荷重 C (時計回り)、w1 から w2 まで直線的に変化する分布荷重 (下向き)、および個別の E、I をもつ区間を入力する。移動可能な (不安定な) 部材、部材外の位置、または始点より前で終わる荷重は理由を示して受け付けず、該当するセルに印を付ける。</translation>
    </message>
    <message>
        <source>Worked checks the program is tested against: two equal spans l under a uniform load w give the end reactions 0.375 wl, the middle one 1.25 wl and the support moment −wl²/8; three equal spans 0.4 wl and 1.1 wl with −wl²/10; a member with a hinge equals its statics; a spring support tends to a pinned one as its stiffness grows and to none as it vanishes; a settlement Δ of the middle support of two equal spans moves its reaction by 6EIΔ/l³; a stepped member agrees with the unit-load method.</source>
        <translation>プログラムの検証に用いている計算例: 等分布荷重 w を受ける等スパン l の2スパン梁では、端部の反力が 0.375 wl、中間支点の反力が 1.25 wl、支点上の曲げモーメントが −wl²/8 となる。等スパンの3スパン梁では 0.4 wl および 1.1 wl、−wl²/10 となる。ヒンジをもつ部材は、つり合い条件のみから求めた値と一致する。ばね支点は、剛性が大きくなるとピン支点に、剛性が 0 に近づくと支点のない状態に近づく。等スパンの2スパン梁の中間支点が Δ 沈下すると、その反力は 6EIΔ/l³ 変化する。断面が段状に変化する部材は、単位荷重法による結果と一致する。</translation>
    </message>
    <message>
        <source>Loading. Every load belongs to a load case named in the Cases table (permanent or variable); a combination factors the cases it names (1.35 G + 1.5 Q). By linearity each case is solved once and the combinations are factored sums. With pattern loading the variable cases are split span by span, and every share that makes a value worse is taken, separately for every value; the envelope rows name the combination, and the spans, that govern. Worked checks: two equal spans under g and q give the support moment −(g + q)l²/8 with q on both spans, and the largest span moment RA²/(2(g + q)), RA = (3g/8 + 7q/16)l, with q on one span.</source>
        <translation>荷重。各荷重は、荷重ケース表で名前を付けた荷重ケース (固定荷重または変動荷重) に属する。組合せは、指定した荷重ケースにそれぞれ係数を乗じる (1.35 G + 1.5 Q)。線形性により各荷重ケースは1回だけ解き、組合せは係数を乗じた和として求める。パターン載荷では変動荷重のケースをスパンごとに分割し、値ごとに個別に、その値を不利にする分担分をすべて採用する。包絡線の行には、支配的となる組合せとスパンを示す。計算例: g と q を受ける等スパンの2スパン梁では、q を両スパンに載荷したとき支点上の曲げモーメントが −(g + q)l²/8、q を一方のスパンに載荷したときスパン内の最大曲げモーメントが RA²/(2(g + q))、RA = (3g/8 + 7q/16)l となる。</translation>
    </message>
    <message>
        <source>Moving loads. Axles at their distances behind the first axle roll across the member both ways. For each section the largest and smallest V and M are found from the influence line exactly, among the positions where an axle stands on a breakpoint of the line and the stationary points between them, with no step size; a single axle P on a simple span gives P·x(l − x)/l, two axles a apart the largest moment P(2l − a)²/(8l) under a wheel.</source>
        <translation>移動荷重。先頭軸からそれぞれの距離に並んだ車軸が、部材上を両方向に移動する。各断面の V および M の最大値・最小値は、影響線から厳密に求める。候補となる位置は、いずれかの車軸が影響線の折れ点上にある位置と、それらの間の停留点であり、刻み幅は用いない。単純梁上の1軸 P では P·x(l − x)/l、間隔 a の2軸では車輪直下で最大曲げモーメント P(2l − a)²/(8l) となる。</translation>
    </message>
    <message>
        <source>Checks. The bending stress σb = |M|/Z (|M| the largest of the combinations for strength, or of the loads as typed) is compared with the allowable stress fb, and the largest deflection of every span with its length over n (the combinations for deflection); each is shown as a utilisation with OK at 1 or below. These are simple elastic checks, not a design code.</source>
        <translation>検定。曲げ応力度 σb = |M|/Z (|M| は強度検定用の組合せ、または入力したままの荷重による最大値) を許容曲げ応力度 fb と比較し、各スパンの最大たわみをスパン長 / n (たわみ検定用の組合せ) と比較する。いずれも検定比として示し、1 以下で OK とする。これらは単純な弾性検定であり、設計規準に基づくものではない。</translation>
    </message>
</context>
<context>
    <name>Kind</name>
    <message>
        <source>pinned</source>
        <translation>ピン</translation>
    </message>
    <message>
        <source>roller</source>
        <translation>ローラー</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>spring</source>
        <translation>ばね</translation>
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
        <source>, no variable load</source>
        <translation>、変動荷重なし</translation>
    </message>
    <message>
        <source>, variable loads on every span</source>
        <translation>、全スパンに変動荷重</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>, variable loads on span %1</source>
        <translation>、スパン %1 に変動荷重</translation>
    </message>
    <message>
        <source>, variable loads on spans %1</source>
        <translation>、スパン %1 に変動荷重</translation>
    </message>
    <message>
        <source>first axle at x = %1, running leftward</source>
        <translation>先頭軸 x = %1、左向きに進行</translation>
    </message>
    <message>
        <source>first axle at x = %1, running rightward</source>
        <translation>先頭軸 x = %1、右向きに進行</translation>
    </message>
    <message>
        <source>upward reaction of support %1 (%2 at x = %3)</source>
        <translation>支点 %1 の反力 (上向き正、%2、x = %3)</translation>
    </message>
    <message>
        <source>reaction moment of support %1, clockwise positive on the member</source>
        <translation>支点 %1 の反力モーメント (部材に対し時計回り正)</translation>
    </message>
    <message>
        <source>largest shear force</source>
        <translation>せん断力の最大値</translation>
    </message>
    <message>
        <source>smallest shear force</source>
        <translation>せん断力の最小値</translation>
    </message>
    <message>
        <source>largest bending moment, sagging positive</source>
        <translation>曲げモーメントの最大値 (正: 下側引張)</translation>
    </message>
    <message>
        <source>smallest bending moment, sagging positive</source>
        <translation>曲げモーメントの最小値 (正: 下側引張)</translation>
    </message>
    <message>
        <source>largest deflection, downward positive</source>
        <translation>たわみの最大値 (下向き正)</translation>
    </message>
    <message>
        <source>smallest deflection, downward positive</source>
        <translation>たわみの最小値 (下向き正)</translation>
    </message>
    <message>
        <source>slope at the left end, clockwise positive</source>
        <translation>左端のたわみ角 (時計回り正)</translation>
    </message>
    <message>
        <source>slope at the right end, clockwise positive</source>
        <translation>右端のたわみ角 (時計回り正)</translation>
    </message>
    <message>
        <source>largest shear force over the combinations: %1</source>
        <translation>組合せによるせん断力の最大値: %1</translation>
    </message>
    <message>
        <source>smallest shear force over the combinations: %1</source>
        <translation>組合せによるせん断力の最小値: %1</translation>
    </message>
    <message>
        <source>largest bending moment over the combinations: %1</source>
        <translation>組合せによる曲げモーメントの最大値: %1</translation>
    </message>
    <message>
        <source>smallest bending moment over the combinations: %1</source>
        <translation>組合せによる曲げモーメントの最小値: %1</translation>
    </message>
    <message>
        <source>largest deflection over the combinations: %1</source>
        <translation>組合せによるたわみの最大値: %1</translation>
    </message>
    <message>
        <source>smallest deflection over the combinations: %1</source>
        <translation>組合せによるたわみの最小値: %1</translation>
    </message>
    <message>
        <source>largest shear force under the moving loads, %1</source>
        <translation>移動荷重によるせん断力の最大値、%1</translation>
    </message>
    <message>
        <source>smallest shear force under the moving loads, %1</source>
        <translation>移動荷重によるせん断力の最小値、%1</translation>
    </message>
    <message>
        <source>largest bending moment under the moving loads, %1</source>
        <translation>移動荷重による曲げモーメントの最大値、%1</translation>
    </message>
    <message>
        <source>smallest bending moment under the moving loads, %1</source>
        <translation>移動荷重による曲げモーメントの最小値、%1</translation>
    </message>
    <message>
        <source>the loads as typed</source>
        <translation>入力した荷重</translation>
    </message>
    <message>
        <source>bending stress σb = |M| / Z, |M| of %1</source>
        <translation>曲げ応力度 σb = |M| / Z (|M|: %1)</translation>
    </message>
    <message>
        <source>σb over the allowable stress fb = %1; a simple elastic check, not a design code</source>
        <translation>σb と許容曲げ応力度 fb = %1 の比。単純な弾性検定であり、設計規準による検定ではない</translation>
    </message>
    <message>
        <source>largest deflection over span / %1, in span %2: δ = %3, δa = %4</source>
        <translation>スパン / %1 に対するたわみの最大比、スパン %2: δ = %3, δa = %4</translation>
    </message>
    <message>
        <source>second moment of the %1 %2, from its shape; the I typed is not used</source>
        <translation>%1 (%2) の形状による断面2次モーメント。入力した I は用いない</translation>
    </message>
    <message>
        <source>section modulus at the farther fibre of the %1 %2, from its shape, for the bending stress</source>
        <translation>%1 (%2) の形状による最外縁の断面係数 (曲げ応力度に用いる)</translation>
    </message>
    <message>
        <source>elastic modulus of %1; the E typed is not used</source>
        <translation>%1 の弾性係数。入力した E は用いない</translation>
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
    <message>
        <source>the cast-iron formula holds for λ up to 80; Euler applies beyond</source>
        <translation>鋳鉄の実験式は λ が 80 以下で成り立ち、それを超えるとオイラーの式によります</translation>
    </message>
    <message>
        <source>the wrought-iron formula holds for λ up to 112; Euler applies beyond</source>
        <translation>錬鉄の実験式は λ が 112 以下で成り立ち、それを超えるとオイラーの式によります</translation>
    </message>
    <message>
        <source>the mild-steel formula holds for λ up to 105; Euler applies beyond</source>
        <translation>軟鋼の実験式は λ が 105 以下で成り立ち、それを超えるとオイラーの式によります</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true または false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>%1 must be %2, not %3</source>
        <translation>%1 は %2 にしてください (%3 になっています)</translation>
    </message>
    <message>
        <source>%1 must be %2</source>
        <translation>%1 は %2 にしてください</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>フィールド %1 がありません</translation>
    </message>
    <message>
        <source>%1 must be an object, not %2</source>
        <translation>%1 はオブジェクトにしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>the file has an unknown field %1</source>
        <translation>ファイルに不明なフィールド %1 があります</translation>
    </message>
    <message>
        <source>%1 has an unknown field %2</source>
        <translation>%1 に不明なフィールド %2 があります</translation>
    </message>
    <message>
        <source>%1 must be true or false, not %2</source>
        <translation>%1 は true または false にしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not %4</source>
        <translation>%1 は %2 から %3 までの整数にしてください (%4 になっています)</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 は %2 から %3 までの整数にしてください</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>空です</translation>
    </message>
    <message>
        <source>it is not UTF-8 text (a byte that no UTF-8 character starts or continues with at %1)</source>
        <translation>UTF-8 のテキストではありません (%1 に UTF-8 の文字として読めないバイトがあります)</translation>
    </message>
    <message>
        <source>it is cut short: the text ends (%1) before the calculation does</source>
        <translation>途中で切れています: 計算が終わる前にテキストが終わっています (%1)</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1)</source>
        <translation>正しい JSON ではありません (%1)</translation>
    </message>
    <message>
        <source>it holds a number too large for a double</source>
        <translation>倍精度の範囲を超える大きすぎる数値があります</translation>
    </message>
    <message>
        <source>it holds a number too large for a double: %1</source>
        <translation>倍精度の範囲を超える大きすぎる数値があります: %1</translation>
    </message>
    <message>
        <source>the field %1 is given twice</source>
        <translation>フィールド %1 が 2 回あります</translation>
    </message>
    <message>
        <source>%1 must be a text, not %2</source>
        <translation>%1 は文字列にしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>%1 is longer than %2 bytes</source>
        <translation>%1 が %2 バイトを超えています</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 が UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <source>%1 holds a control character (a field holds one line)</source>
        <translation>%1 に制御文字があります (フィールドは 1 行です)</translation>
    </message>
    <message>
        <source>%1 must be a colour written #RRGGBB, not %2</source>
        <translation>%1 は #RRGGBB 形式の色にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>%1 must be a list, not %2</source>
        <translation>%1 はリストにしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>%1 must hold %2 texts, not %3</source>
        <translation>%1 の文字列は %2 個にしてください (%3 個あります)</translation>
    </message>
    <message>
        <source>it is too large to be a saved calculation (%1 bytes)</source>
        <translation>保存された計算としては大きすぎます (%1 バイト)</translation>
    </message>
    <message>
        <source>it is not a structcalc calculation (a JSON file of another kind)</source>
        <translation>structcalc の計算ではありません (別の種類の JSON ファイルです)</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not %2</source>
        <translation>%1 は整数にしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>%1 must be 1 or more</source>
        <translation>%1 は 1 以上にしてください</translation>
    </message>
    <message>
        <source>it was written by a newer version of structcalc (format %1); this one reads format %2</source>
        <translation>新しい版の structcalc で書かれています (形式 %1)。この版が読めるのは形式 %2 です</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>読めません (%1)</translation>
    </message>
    <message>
        <source>%1 must be a number, not %2</source>
        <translation>%1 は数値にしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>it is too large to be a train (%1 bytes, at most %2)</source>
        <translation>連行荷重としては大きすぎます (%1 バイト、最大 %2 バイト)</translation>
    </message>
    <message>
        <source>a train is an object {&quot;axles&quot;: [...]}, not %1</source>
        <translation>連行荷重はオブジェクト {&quot;axles&quot;: [...]} にしてください (%1 になっています)</translation>
    </message>
    <message>
        <source>the train has an unknown field %1</source>
        <translation>連行荷重に不明なフィールド %1 があります</translation>
    </message>
    <message>
        <source>the train has %1 axles, at most %2 are taken</source>
        <translation>連行荷重の軸は %1 本です。%2 本までです</translation>
    </message>
    <message>
        <source>%1 is the distance behind the first axle: 0 or more, not %2</source>
        <translation>%1 は先頭軸からの距離です: 0 以上にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>the train has neither axles nor a uniform load &quot;w&quot;</source>
        <translation>連行荷重に軸も等分布荷重 &quot;w&quot; もありません</translation>
    </message>
    <message>
        <source>%1 belongs to a spring support, not to a %2 one</source>
        <translation>%1 はばね支点のものです。%2 の支点には書けません</translation>
    </message>
    <message>
        <source>%1 must be text, not %2</source>
        <translation>%1 は文字列にしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>%1 must be an object {&quot;G&quot;: 1.35, ...}, not %2</source>
        <translation>%1 はオブジェクト {&quot;G&quot;: 1.35, ...} にしてください (%2 になっています)</translation>
    </message>
    <message>
        <source>it is too large to be a member description (%1 bytes, at most %2)</source>
        <translation>部材の記述としては大きすぎます (%1 バイト、最大 %2 バイト)</translation>
    </message>
    <message>
        <source>a member description is an object {&quot;length&quot;: ...}, not %1</source>
        <translation>部材の記述はオブジェクト {&quot;length&quot;: ...} にしてください (%1 になっています)</translation>
    </message>
    <message>
        <source>the member has an unknown field %1</source>
        <translation>部材に不明なフィールド %1 があります</translation>
    </message>
    <message>
        <source>the member has both %1 and a section that gives it: leave one out</source>
        <translation>部材に %1 とそれを与える断面の両方があります: どちらか一方を除いてください</translation>
    </message>
    <message>
        <source>the member has both %1 and a material that gives it: leave one out</source>
        <translation>部材に %1 とそれを与える材料の両方があります: どちらか一方を除いてください</translation>
    </message>
    <message>
        <source>the member has %1 without %2: give both, or neither for shear and moment alone</source>
        <translation>部材に %1 があって %2 がありません: 両方を与えるか、せん断力と曲げモーメントだけなら両方とも除いてください</translation>
    </message>
    <message>
        <source>it holds more than %1 segments, supports, hinges and loads</source>
        <translation>区間・支点・ヒンジ・荷重が合わせて %1 個を超えています</translation>
    </message>
    <message>
        <source>%1 needs the member&apos;s E and I</source>
        <translation>%1 には部材の E と I が必要です</translation>
    </message>
    <message>
        <source>it holds more than %1 load cases</source>
        <translation>荷重ケースが %1 個を超えています</translation>
    </message>
    <message>
        <source>it holds more than %1 combinations</source>
        <translation>組合せが %1 個を超えています</translation>
    </message>
    <message>
        <source>the member has more than %1 load cases</source>
        <translation>部材の荷重ケースが %1 個を超えています</translation>
    </message>
    <message>
        <source>the member has more than %1 combinations</source>
        <translation>部材の組合せが %1 個を超えています</translation>
    </message>
    <message>
        <source>load case %1 must be named by a letter, then letters, digits or _ (%2)</source>
        <translation>荷重ケース %1 の名前は英字で始め、英字・数字・_ で書いてください (%2)</translation>
    </message>
    <message>
        <source>load %1 belongs to load case %2, which the member does not have</source>
        <translation>荷重 %1 の荷重ケース %2 は部材にありません</translation>
    </message>
    <message>
        <source>combination %1 has no factor</source>
        <translation>組合せ %1 に係数がありません</translation>
    </message>
    <message>
        <source>combination %1 names load case %2, which the member does not have</source>
        <translation>組合せ %1 の荷重ケース %2 は部材にありません</translation>
    </message>
    <message>
        <source>the factor of %1 in combination %2 is not a number</source>
        <translation>組合せ %2 の %1 の係数が数値ではありません</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 が数値ではありません</translation>
    </message>
    <message>
        <source>%1 must be above zero, not a negative number too large</source>
        <translation>%1 は 0 より大きくしてください (絶対値が大きすぎる負の数です)</translation>
    </message>
    <message>
        <source>%1 must be a finite number above zero, not %2</source>
        <translation>%1 は 0 より大きい有限の数にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>%1 has a position that is not a number</source>
        <translation>%1 の位置が数値ではありません</translation>
    </message>
    <message>
        <source>%1 lies outside %2 [0, %3]: its position is too large a number</source>
        <translation>%1 は %2 [0, %3] の外にあります: 位置が大きすぎます</translation>
    </message>
    <message>
        <source>%1 at %2 = %3 lies outside %4 [0, %5]</source>
        <translation>%2 = %3 の %1 は %4 [0, %5] の外にあります</translation>
    </message>
    <message>
        <source>the member</source>
        <translation>部材</translation>
    </message>
    <message>
        <source>the member length</source>
        <translation>部材長</translation>
    </message>
    <message>
        <source>the flexural rigidity EI</source>
        <translation>曲げ剛性 EI</translation>
    </message>
    <message>
        <source>a support</source>
        <translation>支点</translation>
    </message>
    <message>
        <source>the settlement of a support</source>
        <translation>支点の沈下</translation>
    </message>
    <message>
        <source>the stiffness of a spring support</source>
        <translation>ばね支点のばね定数</translation>
    </message>
    <message>
        <source>the rotational stiffness of a spring support</source>
        <translation>ばね支点の回転ばね定数</translation>
    </message>
    <message>
        <source>%1 has a value that is not a finite number</source>
        <translation>%1 の値が有限の数ではありません</translation>
    </message>
    <message>
        <source>%1 must be a finite number</source>
        <translation>%1 は有限の数にしてください</translation>
    </message>
    <message>
        <source>%1 must be zero or above, not %2</source>
        <translation>%1 は 0 以上にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>a spring support needs the flexural rigidity EI of the member</source>
        <translation>ばね支点には部材の曲げ剛性 EI が必要です</translation>
    </message>
    <message>
        <source>a settlement needs the flexural rigidity EI of the member</source>
        <translation>支点の沈下には部材の曲げ剛性 EI が必要です</translation>
    </message>
    <message>
        <source>a point force</source>
        <translation>集中荷重</translation>
    </message>
    <message>
        <source>a couple</source>
        <translation>モーメント荷重</translation>
    </message>
    <message>
        <source>the start of a distributed load</source>
        <translation>分布荷重の始点</translation>
    </message>
    <message>
        <source>the end of a distributed load</source>
        <translation>分布荷重の終点</translation>
    </message>
    <message>
        <source>a distributed load</source>
        <translation>分布荷重</translation>
    </message>
    <message>
        <source>a distributed load must run from its start to its end (from %1 &gt; to %2)</source>
        <translation>分布荷重は始点から終点の向きにしてください (始点 %1 &gt; 終点 %2)</translation>
    </message>
    <message>
        <source>a hinge</source>
        <translation>ヒンジ</translation>
    </message>
    <message>
        <source>the start of a segment</source>
        <translation>区間の始点</translation>
    </message>
    <message>
        <source>the end of a segment</source>
        <translation>区間の終点</translation>
    </message>
    <message>
        <source>a segment must run from its start to a greater end (from %1, to %2)</source>
        <translation>区間の終点は始点より大きくしてください (始点 %1, 終点 %2)</translation>
    </message>
    <message>
        <source>the flexural rigidity EI of a segment</source>
        <translation>区間の曲げ剛性 EI</translation>
    </message>
    <message>
        <source>a segment needs the flexural rigidity EI of the member</source>
        <translation>区間には部材の曲げ剛性 EI が必要です</translation>
    </message>
    <message>
        <source>two segments overlap between x = %1 and x = %2</source>
        <translation>x = %1 から x = %2 の間で 2 つの区間が重なっています</translation>
    </message>
    <message>
        <source>the member has no support: it is a mechanism; add a fixed support or two supports</source>
        <translation>部材に支点がありません: 不安定構造です。固定支点を 1 つ、または支点を 2 つ加えてください</translation>
    </message>
    <message>
        <source>the supports do not hold the member in place: it is a mechanism; add a second support or make one fixed</source>
        <translation>支点が部材を支持していません: 不安定構造です。2 つ目の支点を加えるか、支点を固定にしてください</translation>
    </message>
    <message>
        <source>the left end</source>
        <translation>左端</translation>
    </message>
    <message>
        <source>the right end</source>
        <translation>右端</translation>
    </message>
    <message>
        <source>the hinge at x = %1</source>
        <translation>x = %1 のヒンジ</translation>
    </message>
    <message>
        <source>the part of the member from %1 to %2 is not held in place: it is a mechanism; add a support to it or remove a hinge</source>
        <translation>%1 から %2 までの部分が支持されていません: 不安定構造です。その部分に支点を加えるか、ヒンジを取り除いてください</translation>
    </message>
    <message>
        <source>a hinge at an end of the member (x = %1) changes nothing there: remove it</source>
        <translation>部材端 (x = %1) のヒンジは何も変えません: 取り除いてください</translation>
    </message>
    <message>
        <source>two hinges stand at x = %1</source>
        <translation>x = %1 に 2 つのヒンジがあります</translation>
    </message>
    <message>
        <source>a couple acts at the hinge at x = %1: place it on one side of the hinge</source>
        <translation>x = %1 のヒンジにモーメント荷重が作用しています: ヒンジのどちらか一方の側に置いてください</translation>
    </message>
    <message>
        <source>a support that holds the slope stands at the hinge at x = %1: place the hinge beside it or let the support turn</source>
        <translation>x = %1 のヒンジに回転を拘束する支点があります: ヒンジを支点の横に置くか、支点を回転自由にしてください</translation>
    </message>
    <message>
        <source>two supports stand at x = %1</source>
        <translation>x = %1 に 2 つの支点があります</translation>
    </message>
    <message>
        <source>its numbers leave the range of a double (lengths, loads or stiffness too large or too small)</source>
        <translation>数値が倍精度の範囲を超えます (長さ、荷重または剛性が大きすぎるか小さすぎます)</translation>
    </message>
    <message>
        <source>the supports stand too close together to hold the member in place</source>
        <translation>支点が近すぎて部材を支持できません</translation>
    </message>
    <message>
        <source>there is no load combination</source>
        <translation>組合せがありません</translation>
    </message>
    <message>
        <source>a member takes at most %1 load combinations, not %2</source>
        <translation>部材の組合せは %1 個までです (%2 個あります)</translation>
    </message>
    <message>
        <source>the number of intervals must be from 1 to %1, not %2</source>
        <translation>分割数は 1 から %1 にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>load case %1</source>
        <translation>荷重ケース %1</translation>
    </message>
    <message>
        <source>a point force of %1</source>
        <translation>%1 の集中荷重</translation>
    </message>
    <message>
        <source>a couple of %1</source>
        <translation>%1 のモーメント荷重</translation>
    </message>
    <message>
        <source>a point force of %1 has a value that is not a finite number</source>
        <translation>%1 の集中荷重の値が有限の数ではありません</translation>
    </message>
    <message>
        <source>a couple of %1 has a value that is not a finite number</source>
        <translation>%1 のモーメント荷重の値が有限の数ではありません</translation>
    </message>
    <message>
        <source>a distributed load of %1</source>
        <translation>%1 の分布荷重</translation>
    </message>
    <message>
        <source>a distributed load of %1 has a value that is not a finite number</source>
        <translation>%1 の分布荷重の値が有限の数ではありません</translation>
    </message>
    <message>
        <source>a distributed load of %1 must run from its start to its end (from %2 &gt; to %3)</source>
        <translation>%1 の分布荷重は始点から終点の向きにしてください (始点 %2 &gt; 終点 %3)</translation>
    </message>
    <message>
        <source>load combination %1</source>
        <translation>組合せ %1</translation>
    </message>
    <message>
        <source>%1 has %2 factors for %3 load cases</source>
        <translation>%1 の係数は %2 個ですが、荷重ケースは %3 個です</translation>
    </message>
    <message>
        <source>a factor of %1 is not a finite number</source>
        <translation>%1 の係数に有限の数でないものがあります</translation>
    </message>
    <message>
        <source>a member takes at most %1 load cases, not %2</source>
        <translation>部材の荷重ケースは %1 個までです (%2 個あります)</translation>
    </message>
    <message>
        <source>the pattern names the spans of %1 load cases, not of %2</source>
        <translation>パターン載荷が %1 個の荷重ケースのスパンを指定していますが、荷重ケースは %2 個です</translation>
    </message>
    <message>
        <source>the pattern names %1 spans, the member has %2</source>
        <translation>パターン載荷が %1 スパンを指定していますが、部材のスパンは %2 です</translation>
    </message>
    <message>
        <source>the member has no support %1</source>
        <translation>部材に支点 %1 はありません</translation>
    </message>
    <message>
        <source>the section</source>
        <translation>着目点</translation>
    </message>
    <message>
        <source>the slope and the deflection need the flexural rigidity EI of the member</source>
        <translation>たわみ角とたわみには部材の曲げ剛性 EI が必要です</translation>
    </message>
    <message>
        <source>the height h</source>
        <translation>高さ h</translation>
    </message>
    <message>
        <source>the span l</source>
        <translation>スパン l</translation>
    </message>
    <message>
        <source>the column second moment I1</source>
        <translation>柱の断面2次モーメント I1</translation>
    </message>
    <message>
        <source>the beam second moment I2</source>
        <translation>梁の断面2次モーメント I2</translation>
    </message>
    <message>
        <source>a frame load names no member of the frame</source>
        <translation>ラーメンの荷重がラーメンの部材を指定していません</translation>
    </message>
    <message>
        <source>a load</source>
        <translation>荷重</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>部材 %1</translation>
    </message>
    <message>
        <source>a frame load has a value that is not a finite number</source>
        <translation>ラーメンの荷重の値が有限の数ではありません</translation>
    </message>
    <message>
        <source>a distributed load on %1 must run from its start to its end (from &gt; to)</source>
        <translation>%1 上の分布荷重は始点から終点の向きにしてください (始点 &gt; 終点)</translation>
    </message>
    <message>
        <source>a bracket load belongs on a column (AB or CD), not on the beam BC</source>
        <translation>ブラケット荷重は柱 (AB または CD) に置いてください。梁 BC には置けません</translation>
    </message>
    <message>
        <source>the portal frame equations have no unique solution</source>
        <translation>ラーメンの方程式の解が一意に定まりません</translation>
    </message>
    <message>
        <source>the train has neither axles nor a uniform load</source>
        <translation>連行荷重に軸も等分布荷重もありません</translation>
    </message>
    <message>
        <source>the train has %1 axles; at most %2 are taken</source>
        <translation>連行荷重の軸は %1 本です。%2 本までです</translation>
    </message>
    <message>
        <source>axle %1</source>
        <translation>軸 %1</translation>
    </message>
    <message>
        <source>%1: the distance behind the first axle must be a finite number of 0 or more, not %2</source>
        <translation>%1: 先頭軸からの距離は 0 以上の有限の数にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>%1: the load must be a finite number, not %2</source>
        <translation>%1: 荷重は有限の数にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>the uniform load of the train must be a finite number, not %1</source>
        <translation>連行荷重の等分布荷重は有限の数にしてください (入力値 %1)</translation>
    </message>
    <message>
        <source>the number of intervals must be from 1 to 10000, not %1</source>
        <translation>分割数は 1 から 10000 にしてください (入力値 %1)</translation>
    </message>
    <message>
        <source>The frame cannot be solved: %1</source>
        <translation>ラーメンを解けません: %1</translation>
    </message>
    <message>
        <source>The member cannot be solved: %1</source>
        <translation>部材を解けません: %1</translation>
    </message>
    <message>
        <source>The member %1 cannot be solved: %2</source>
        <translation>部材 %1 を解けません: %2</translation>
    </message>
    <message>
        <source>support %1</source>
        <translation>支点 %1</translation>
    </message>
    <message>
        <source>hinge %1</source>
        <translation>ヒンジ %1</translation>
    </message>
    <message>
        <source>point load %1</source>
        <translation>集中荷重 %1</translation>
    </message>
    <message>
        <source>couple %1</source>
        <translation>モーメント荷重 %1</translation>
    </message>
    <message>
        <source>distributed load %1</source>
        <translation>分布荷重 %1</translation>
    </message>
    <message>
        <source>segment %1</source>
        <translation>区間 %1</translation>
    </message>
    <message>
        <source>combination %1</source>
        <translation>組合せ %1</translation>
    </message>
    <message>
        <source>check %1</source>
        <translation>検定 %1</translation>
    </message>
    <message>
        <source>section %1</source>
        <translation>断面 %1</translation>
    </message>
    <message>
        <source>train %1</source>
        <translation>連行荷重 %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>the %1 must end after it starts (from %2, to %3)</source>
        <translation>%1 の終点は始点より後にしてください (始点 %2, 終点 %3)</translation>
    </message>
    <message>
        <source>the %1 of %2 must be %3</source>
        <translation>%2 の %1 は %3 にしてください</translation>
    </message>
    <message>
        <source>the %1 of %2 must be a letter, then letters, digits or _ (as G, Q1, snow)</source>
        <translation>%2 の %1 は英字で始め、英字・数字・_ で書いてください (G, Q1, W など)</translation>
    </message>
    <message>
        <source>the kind of %1 must be pinned, roller, fixed or spring</source>
        <translation>%1 の種別は pinned, roller, fixed または spring にしてください</translation>
    </message>
    <message>
        <source>two load cases are named %1</source>
        <translation>2 つの荷重ケースが同じ名前 %1 です</translation>
    </message>
    <message>
        <source>the case of %1 is %2, which the Load cases table does not name</source>
        <translation>%1 の荷重ケース %2 は荷重ケースの表にありません</translation>
    </message>
    <message>
        <source>the name of %1 is empty</source>
        <translation>%1 の名前が空です</translation>
    </message>
    <message>
        <source>the factors of %1: %2</source>
        <translation>%1 の係数: %2</translation>
    </message>
    <message>
        <source>%1 names load case %2, which the Load cases table does not name</source>
        <translation>%1 の荷重ケース %2 は荷重ケースの表にありません</translation>
    </message>
    <message>
        <source>the train is one row</source>
        <translation>連行荷重は 1 行です</translation>
    </message>
    <message>
        <source>the section is one row</source>
        <translation>断面は 1 行です</translation>
    </message>
    <message>
        <source>the checks are one row</source>
        <translation>検定は 1 行です</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>the shape of the section must be %1</source>
        <translation>断面の形状は %1 にしてください</translation>
    </message>
    <message>
        <source>the section&apos;s dimensions need its shape</source>
        <translation>断面の寸法には形状が必要です</translation>
    </message>
    <message>
        <source>Z of the checks is the section&apos;s (%1): leave it empty</source>
        <translation>検定の Z は断面 (%1) のものです: 空欄にしてください</translation>
    </message>
    <message>
        <source>the section&apos;s shape must be %1, not %2</source>
        <translation>断面の形状は %1 にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>the %1 takes %2 dimension: %3</source>
        <translation>%1 の寸法は %2 個です: %3</translation>
    </message>
    <message>
        <source>the %1 takes %2 dimensions: %3</source>
        <translation>%1 の寸法は %2 個です: %3</translation>
    </message>
    <message>
        <source>the section: %1</source>
        <translation>断面: %1</translation>
    </message>
    <message>
        <source>the section&apos;s dimensions give no I and Z within the range of a double</source>
        <translation>断面の寸法から倍精度の範囲の I と Z が得られません</translation>
    </message>
    <message>
        <source>the material must be %1, not %2</source>
        <translation>材料は %1 にしてください (入力値 %2)</translation>
    </message>
    <message>
        <source>no factor is given: write them as 1.35 G + 1.5 Q</source>
        <translation>係数がありません: 1.35 G + 1.5 Q のように書いてください</translation>
    </message>
    <message>
        <source>a factor is too large a number</source>
        <translation>係数が大きすぎます</translation>
    </message>
    <message>
        <source>a factor must be followed by the name of a load case, as in 1.35 G + 1.5 Q</source>
        <translation>係数の後には荷重ケースの名前を書いてください (1.35 G + 1.5 Q のように)</translation>
    </message>
    <message>
        <source>the factor of %1 is too large a number</source>
        <translation>%1 の係数が大きすぎます</translation>
    </message>
    <message>
        <source>the terms must be joined by + or -, as in 1.35 G + 1.5 Q</source>
        <translation>項は + または - でつないでください (1.35 G + 1.5 Q のように)</translation>
    </message>
    <message>
        <source>%1 of the checks</source>
        <translation>検定の %1</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>種別</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
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
    <message>
        <source>meaning</source>
        <translation>内容</translation>
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
        <source>a row of %1 has %2 cells, not %3</source>
        <translation>%1 の行のセルが %2 個です (%3 個のはずです)</translation>
    </message>
    <message>
        <source>%1 is too large a number: %2</source>
        <translation>%1 が大きすぎます: %2</translation>
    </message>
    <message>
        <source>it is a calculation of %1, not of %2</source>
        <translation>%1 の計算です (%2 の計算ではありません)</translation>
    </message>
    <message>
        <source>%1 has no case %2 (1 to %3)</source>
        <translation>%1 にケース %2 はありません (1 から %3)</translation>
    </message>
    <message>
        <source>case %1 of %2 is %3, not %4</source>
        <translation>%2 のケース %1 は %3 です (%4 ではありません)</translation>
    </message>
    <message>
        <source>the units are not a unit system of the window</source>
        <translation>単位がウィンドウの単位系ではありません</translation>
    </message>
    <message>
        <source>%1 works in N only, not %2</source>
        <translation>%1 は N のみで計算します (%2 は使えません)</translation>
    </message>
    <message>
        <source>%1 has %2 inputs (%3); the file gives %4</source>
        <translation>%1 の入力は %2 個 (%3) ですが、ファイルには %4 個あります</translation>
    </message>
    <message>
        <source>input %1 of %2 is %3, not %4</source>
        <translation>%2 の入力 %1 は %3 です (%4 ではありません)</translation>
    </message>
    <message>
        <source>the text of input %1 of %2</source>
        <translation>%2 の入力 %1 の文字列</translation>
    </message>
    <message>
        <source>the step of input %1 of %2</source>
        <translation>%2 の入力 %1 の刻み</translation>
    </message>
    <message>
        <source>it holds no member</source>
        <translation>部材がありません</translation>
    </message>
    <message>
        <source>%1 takes no member</source>
        <translation>%1 は部材を扱いません</translation>
    </message>
    <message>
        <source>%1 has no influence lines or envelopes to show</source>
        <translation>%1 には表示する影響線も包絡線もありません</translation>
    </message>
    <message>
        <source>%1 has no combinations to show</source>
        <translation>%1 には表示する組合せがありません</translation>
    </message>
    <message>
        <source>the member has at most %1 result rows; the file ticks %2</source>
        <translation>部材の結果の行は %1 行までですが、ファイルでは %2 行が選ばれています</translation>
    </message>
    <message>
        <source>%1 has %2 result rows; the file ticks %3</source>
        <translation>%1 の結果の行は %2 行ですが、ファイルでは %3 行が選ばれています</translation>
    </message>
    <message>
        <source>a colour is not a colour of the window</source>
        <translation>色がウィンドウの色ではありません</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>the hard-steel formula holds for λ up to 89; Euler applies beyond</source>
        <translation>硬鋼の実験式は λ が 89 以下で成り立ち、それを超えるとオイラーの式によります</translation>
    </message>
    <message>
        <source>the softwood formula holds for λ up to 100; Euler applies beyond</source>
        <translation>針葉樹材の実験式は λ が 100 以下で成り立ち、それを超えるとオイラーの式によります</translation>
    </message>
    <message>
        <source>the member has no combinations and no moving loads: type them in the Combinations and Moving loads tables</source>
        <translation>部材に組合せも移動荷重もありません: 組合せと移動荷重の表に入力してください</translation>
    </message>
    <message>
        <source>there is no such folder</source>
        <translation>そのフォルダはありません</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>同じ場所に一時ファイルを作れませんでした</translation>
    </message>
    <message>
        <source>there is no file name</source>
        <translation>ファイル名がありません</translation>
    </message>
    <message>
        <source>it is a link to a file that has no name</source>
        <translation>名前のないファイルへのリンクです</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>%1 バイトより大きいファイルです</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>存在しないもの</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (名前付きパイプ)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>キャラクタデバイス</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ブロックデバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイル以外のもの</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>%1です</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>そのファイルはありません</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが許可されていません</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message>
        <source>there is a loop of symbolic links</source>
        <translation>シンボリックリンクが循環しています</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>パスの途中がフォルダではありません</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>ファイルシステムが読み取り専用です</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>ディスクの空きがありません</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>ディスクの割り当てを超えました</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>it could not be copied to be read</source>
        <translation>読むための複製を作れませんでした</translation>
    </message>
    <message>
        <source>it is not a settings file of the window</source>
        <translation>このウィンドウの設定ファイルではありません</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made</source>
        <translation>フォルダ %1 を作れません</translation>
    </message>
    <message>
        <source>the settings could not be written beside it</source>
        <translation>設定を同じ場所に書き込めませんでした</translation>
    </message>
    <message>
        <source>the settings could not be written in whole beside it</source>
        <translation>設定を同じ場所に完全には書き込めませんでした</translation>
    </message>
    <message>
        <source>Settings not read from %1: %2</source>
        <translation>%1 から設定を読めません: %2</translation>
    </message>
    <message>
        <source>Settings not read from %1: %2; the window starts with the defaults</source>
        <translation>%1 から設定を読めません: %2。ウィンドウは既定の設定で始まります</translation>
    </message>
    <message>
        <source>Some settings in %1 could not be used (%2); the window starts with the defaults for them</source>
        <translation>%1 の設定の一部を使えませんでした (%2)。それらは既定の設定で始まります</translation>
    </message>
    <message>
        <source>Settings not saved in %1: %2</source>
        <translation>%1 に設定を保存できません: %2</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>ウィンドウの位置</translation>
    </message>
    <message>
        <source>the calculation on display</source>
        <translation>表示中の計算</translation>
    </message>
    <message>
        <source>the language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>the result format</source>
        <translation>結果の書式</translation>
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
    <message>
        <source>Supports</source>
        <translation>支点</translation>
    </message>
    <message>
        <source>Hinges</source>
        <translation>ヒンジ</translation>
    </message>
    <message>
        <source>Point loads (downward)</source>
        <translation>集中荷重 (下向き)</translation>
    </message>
    <message>
        <source>Couples (clockwise)</source>
        <translation>モーメント荷重 (時計回り)</translation>
    </message>
    <message>
        <source>Distributed loads (downward)</source>
        <translation>分布荷重 (下向き)</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>区間</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>断面</translation>
    </message>
    <message>
        <source>Load cases</source>
        <translation>荷重ケース</translation>
    </message>
    <message>
        <source>Moving loads (axles behind the first)</source>
        <translation>移動荷重 (先頭軸から後方の軸)</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>検定</translation>
    </message>
    <message>
        <source>Each combination with its loads on every span; the envelope rows of the results place the variable loads span by span where a combination asks for it.</source>
        <translation>各組合せは全スパンに荷重を載せたもの。計算結果の包絡線の行は、組合せが指定する場合に変動荷重をスパンごとに載荷する。</translation>
    </message>
    <message>
        <source>Reactions (%1)</source>
        <translation>反力 (%1)</translation>
    </message>
    <message>
        <source>Reference handbook</source>
        <translation>参考資料</translation>
    </message>
    <message>
        <source>Version %1, built %2</source>
        <translation>バージョン %1、%2 ビルド</translation>
    </message>
    <message>
        <source>About this handbook.</source>
        <translation>この参考資料について。</translation>
    </message>
    <message>
        <source>Units.</source>
        <translation>単位。</translation>
    </message>
    <message>
        <source>Sign convention.</source>
        <translation>符号規約。</translation>
    </message>
    <message>
        <source>Notation.</source>
        <translation>記号。</translation>
    </message>
    <message>
        <source>Formulas.</source>
        <translation>計算式。</translation>
    </message>
    <message>
        <source>Results.</source>
        <translation>計算結果。</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Sources and assumptions</source>
        <translation>出典と仮定</translation>
    </message>
    <message>
        <source>; </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 %2 at x = %3</source>
        <translation>%1 %2 (x = %3)</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>ピン</translation>
    </message>
    <message>
        <source>roller</source>
        <translation>ローラー</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>spring</source>
        <translation>ばね</translation>
    </message>
    <message>
        <source>, settles %1</source>
        <translation>、沈下 %1</translation>
    </message>
    <message>
        <source>P = %1 at x = %2</source>
        <translation>P = %1 (x = %2)</translation>
    </message>
    <message>
        <source>C = %1 at x = %2</source>
        <translation>C = %1 (x = %2)</translation>
    </message>
    <message>
        <source>w = %1 to %2 from x = %3 to %4</source>
        <translation>w = %1 から %2 (x = %3 から %4)</translation>
    </message>
    <message>
        <source>the member&apos;s</source>
        <translation>部材の値</translation>
    </message>
    <message>
        <source>x = %1 to %2: E = %3, I = %4</source>
        <translation>x = %1 から %2: E = %3, I = %4</translation>
    </message>
    <message>
        <source>%1 %2 %3, I = %4 from its shape</source>
        <translation>%1 %2 %3、形状から I = %4</translation>
    </message>
    <message>
        <source>steel</source>
        <translation>鋼材</translation>
    </message>
    <message>
        <source>stainless steel</source>
        <translation>ステンレス鋼</translation>
    </message>
    <message>
        <source>aluminium alloy</source>
        <translation>アルミニウム合金</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>変動荷重</translation>
    </message>
    <message>
        <source>permanent</source>
        <translation>永続荷重</translation>
    </message>
    <message>
        <source>, variable loads placed span by span where worst</source>
        <translation>、変動荷重はスパンごとに最も不利になるように載荷</translation>
    </message>
    <message>
        <source>, for strength</source>
        <translation>、強度用</translation>
    </message>
    <message>
        <source>, for deflection</source>
        <translation>、たわみ用</translation>
    </message>
    <message>
        <source>P = %1 at a = %2</source>
        <translation>P = %1 (a = %2)</translation>
    </message>
    <message>
        <source>a uniform load w = %1 on the parts that make a value worst</source>
        <translation>等分布荷重 w = %1 (値が最も不利になる部分に載荷)</translation>
    </message>
    <message>
        <source>running both ways</source>
        <translation>両方向に走行</translation>
    </message>
    <message>
        <source>running rightward only</source>
        <translation>右向きのみ走行</translation>
    </message>
    <message>
        <source>running leftward only</source>
        <translation>左向きのみ走行</translation>
    </message>
    <message>
        <source>bending stress σb = M/Z with Z = %1 against fb = %2</source>
        <translation>曲げ応力 σb = M/Z (Z = %1) を fb = %2 と比較</translation>
    </message>
    <message>
        <source>deflection of every span against its length / %1</source>
        <translation>各スパンのたわみをスパン長 / %1 と比較</translation>
    </message>
    <message>
        <source>. These are simple elastic checks, not a design code</source>
        <translation>。これらは単純な弾性の検定であり、設計規準による検定ではありません</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot finish %1: %2</source>
        <translation>%1 を仕上げられません: %2</translation>
    </message>
    <message>
        <source>%1 calculation sheet</source>
        <translation>%1 計算書</translation>
    </message>
    <message>
        <source>%1, version %2</source>
        <translation>%1、バージョン %2</translation>
    </message>
    <message>
        <source>any inputs (the case has no entry check).</source>
        <translation>すべての入力 (このケースには入力の確認がありません)。</translation>
    </message>
    <message>
        <source> The window refuses other entries with the reason.</source>
        <translation> ウィンドウはそれ以外の入力を理由とともに拒否します。</translation>
    </message>
    <message>
        <source> These inputs lie inside it.</source>
        <translation> この入力はその範囲内にあります。</translation>
    </message>
    <message>
        <source>The start values lie outside this domain, so the results below show their formulas only.</source>
        <translation>初期値がこの範囲外にあるため、以下の結果は式のみを示します。</translation>
    </message>
    <message>
        <source>. The results below show their formulas only.</source>
        <translation>。以下の結果は式のみを示します。</translation>
    </message>
    <message>
        <source>%1, results (continued)</source>
        <translation>%1、計算結果 (続き)</translation>
    </message>
    <message>
        <source>shown when </source>
        <translation>表示条件 </translation>
    </message>
    <message>
        <source>(a number)</source>
        <translation>(数値)</translation>
    </message>
    <message>
        <source>Outside the formula&apos;s range: </source>
        <translation>式の適用範囲外: </translation>
    </message>
    <message>
        <source> (it holds for these inputs)</source>
        <translation> (この入力で成り立ちます)</translation>
    </message>
    <message>
        <source> (it holds at the start values)</source>
        <translation> (初期値で成り立ちます)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source> and </source>
        <translation> かつ </translation>
    </message>
    <message>
        <source>if </source>
        <translation>条件: </translation>
    </message>
    <message>
        <source>otherwise</source>
        <translation>それ以外</translation>
    </message>
</context>
<context>
    <name>Sketch</name>
    <message>
        <source>cast iron</source>
        <translation>鋳鉄</translation>
    </message>
    <message>
        <source>wrought iron</source>
        <translation>錬鉄</translation>
    </message>
    <message>
        <source>mild steel</source>
        <translation>軟鋼</translation>
    </message>
    <message>
        <source>hard steel</source>
        <translation>硬鋼</translation>
    </message>
    <message>
        <source>softwood</source>
        <translation>針葉樹材</translation>
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
    <message>
        <source>No application to open PDF files was found. The reference is at %1</source>
        <translation>PDF ファイルを開くアプリケーションが見つかりません。参考資料の場所: %1</translation>
    </message>
    <message>
        <source>%1 : Reference File open error ! </source>
        <translation>%1 : 参考資料ファイルを開けません</translation>
    </message>
    <message>
        <source>%1 %2 at x = %3</source>
        <translation>%1 %2 (x = %3)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>, wheel at %1</source>
        <translation>、車輪の位置 %1</translation>
    </message>
    <message>
        <source>, wheels at %1</source>
        <translation>、車輪の位置 %1</translation>
    </message>
    <message>
        <source>, uniform load from %1 to %2</source>
        <translation>、等分布荷重 %1 〜 %2</translation>
    </message>
    <message>
        <source>usage: structcalc %1 --member FILE|- [--unit UNITS] [--raw] [--json] [--diagram [--points N]] [--influence QUANTITY@X | --train TRAIN]</source>
        <translation>使い方: structcalc %1 --member FILE|- [--unit UNITS] [--raw] [--json] [--diagram [--points N]] [--influence QUANTITY@X | --train TRAIN]</translation>
    </message>
    <message>
        <source>usage: structcalc %1 --batch FILE|- [--unit UNITS] [--raw]</source>
        <translation>使い方: structcalc %1 --batch FILE|- [--unit UNITS] [--raw]</translation>
    </message>
    <message>
        <source>usage: structcalc %1 --open FILE [--unit UNITS] [--raw] [--json] [--diagram [--points N]] [--influence QUANTITY@X | --train TRAIN]</source>
        <translation>使い方: structcalc %1 --open FILE [--unit UNITS] [--raw] [--json] [--diagram [--points N]] [--influence QUANTITY@X | --train TRAIN]</translation>
    </message>
    <message>
        <source>usage: with --member or --open, --sheet OUT.pdf writes the calculation sheet too</source>
        <translation>使い方: --member または --open と共に --sheet OUT.pdf を指定すると計算書も書き出します</translation>
    </message>
    <message>
        <source>%1 needs a file, or - for the standard input</source>
        <translation>%1 にはファイル名、または標準入力を表す - が必要です</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--train needs a file: the train as JSON</source>
        <translation>--train にはファイル名が必要です (移動荷重を記述した JSON)</translation>
    </message>
    <message>
        <source>--influence needs QUANTITY@X: R, MR, V, M, theta or delta at x (R@6000, M@3000)</source>
        <translation>--influence には QUANTITY@X が必要です: R、MR、V、M、theta または delta と位置 x (R@6000、M@3000)</translation>
    </message>
    <message>
        <source>--unit needs mm, cm or m</source>
        <translation>--unit には mm、cm または m が必要です</translation>
    </message>
    <message>
        <source>--points takes a whole number from 1 to 100000, not &apos;%1&apos;</source>
        <translation>--points には 1 〜 100000 の整数を指定してください (&apos;%1&apos; ではありません)</translation>
    </message>
    <message>
        <source>%1 does not take &apos;%2&apos;</source>
        <translation>%1 は &apos;%2&apos; を受け付けません</translation>
    </message>
    <message>
        <source>%1 takes one of --member FILE, --batch FILE and --open FILE</source>
        <translation>%1 には --member FILE、--batch FILE、--open FILE のいずれか一つを指定してください</translation>
    </message>
    <message>
        <source>--influence answers one member, not a batch</source>
        <translation>--influence は一つの部材に対するもので、一括計算には使えません</translation>
    </message>
    <message>
        <source>--train answers one member, not a batch</source>
        <translation>--train は一つの部材に対するもので、一括計算には使えません</translation>
    </message>
    <message>
        <source>--influence and --train do not go together</source>
        <translation>--influence と --train は同時に指定できません</translation>
    </message>
    <message>
        <source>--sheet writes the sheet of one member, not of a batch</source>
        <translation>--sheet は一つの部材の計算書を書き出すもので、一括計算には使えません</translation>
    </message>
    <message>
        <source>--points goes with --diagram or --train</source>
        <translation>--points は --diagram または --train と共に指定してください</translation>
    </message>
    <message>
        <source>--points takes at most 10000 intervals with --train</source>
        <translation>--train と共に指定する --points は 10000 分割までです</translation>
    </message>
    <message>
        <source>--batch and --diagram do not go together</source>
        <translation>--batch と --diagram は同時に指定できません</translation>
    </message>
    <message>
        <source>the member description cannot be read: %1</source>
        <translation>部材の記述を読み取れません: %1</translation>
    </message>
    <message>
        <source>the member cannot be solved: %1</source>
        <translation>部材を解けません: %1</translation>
    </message>
    <message>
        <source>the member&apos;s combinations cannot be solved: %1</source>
        <translation>部材の組合せを解けません: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>the member description on the standard input is longer than %1 bytes</source>
        <translation>標準入力の部材の記述が %1 バイトを超えています</translation>
    </message>
    <message>
        <source>cannot read the standard input</source>
        <translation>標準入力を読み込めません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き出せません: %2</translation>
    </message>
    <message>
        <source>it is the file the member is read from</source>
        <translation>部材を読み込むファイルと同じです</translation>
    </message>
    <message>
        <source>--influence takes R, MR, V, M, theta or delta, then @ and a position, not &apos;%1&apos;</source>
        <translation>--influence には R、MR、V、M、theta または delta に続けて @ と位置を指定してください (&apos;%1&apos; ではありません)</translation>
    </message>
    <message>
        <source>no support stands at x = %1</source>
        <translation>x = %1 に支点がありません</translation>
    </message>
    <message>
        <source>no influence line: %1</source>
        <translation>影響線を求められません: %1</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>smallest</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>the train cannot be read: %1</source>
        <translation>移動荷重を読み取れません: %1</translation>
    </message>
    <message>
        <source>the train cannot be placed: %1</source>
        <translation>移動荷重を載荷できません: %1</translation>
    </message>
    <message>
        <source>the sheet needs the member&apos;s E and I</source>
        <translation>計算書には部材の E と I が必要です</translation>
    </message>
    <message>
        <source>it is a calculation of %1, not of %2</source>
        <translation>%2 ではなく %1 の計算です</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>行が %1 バイトを超えています</translation>
    </message>
    <message>
        <source>cannot read the batch input</source>
        <translation>一括計算の入力を読み込めません</translation>
    </message>
    <message>
        <source>the header names the column case twice</source>
        <translation>見出し行に列 case が2回あります</translation>
    </message>
    <message>
        <source>the header&apos;s column &apos;%1&apos; is not an input of %2</source>
        <translation>見出し行の列 &apos;%1&apos; は %2 の入力ではありません</translation>
    </message>
    <message>
        <source>the header names the column %1 twice</source>
        <translation>見出し行に列 %1 が2回あります</translation>
    </message>
    <message>
        <source>the header names no column case</source>
        <translation>見出し行に列 case がありません</translation>
    </message>
    <message>
        <source>case &apos;%1&apos; is not a case of %2 (1 to %3)</source>
        <translation>ケース &apos;%1&apos; は %2 のケースではありません (1 〜 %3)</translation>
    </message>
    <message>
        <source>%1 is not an input of %2</source>
        <translation>%1 は %2 の入力ではありません</translation>
    </message>
    <message>
        <source>%1: not a number: %2</source>
        <translation>%1: 数値ではありません: %2</translation>
    </message>
    <message>
        <source>line %1: note: %2: %3: %4</source>
        <translation>%1 行目: 注: %2: %3: %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>the input is not text: line %1 holds a NUL byte</source>
        <translation>入力がテキストではありません: %1 行目に NUL バイトがあります</translation>
    </message>
    <message>
        <source>the input has no header line</source>
        <translation>入力に見出し行がありません</translation>
    </message>
    <message>
        <source>the header line is longer than %1 bytes</source>
        <translation>見出し行が %1 バイトを超えています</translation>
    </message>
    <message>
        <source>a quoted field runs on past %1 bytes, to line %2 (an unclosed quote?)</source>
        <translation>引用符で囲まれたフィールドが %1 バイトを超えて %2 行目まで続いています (引用符の閉じ忘れ?)</translation>
    </message>
    <message>
        <source>--unit names two length units in &apos;%1&apos;</source>
        <translation>--unit の &apos;%1&apos; に長さの単位が2つあります</translation>
    </message>
    <message>
        <source>--unit names two force units in &apos;%1&apos;</source>
        <translation>--unit の &apos;%1&apos; に力の単位が2つあります</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; (mm, cm or m; N or kN)</source>
        <translation>不明な単位 &apos;%1&apos; (mm、cm または m、N または kN)</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>出力を書き出せません: %1</translation>
    </message>
    <message>
        <source>this build writes no calculation sheets</source>
        <translation>このビルドは計算書を書き出しません</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source>structcalc %1: compute a case of the structural calculators, as their windows do.

usage: structcalc PROGRAM CASE [NAME=VALUE ...] [--unit UNITS] [--raw] [--json]
                  [--diagram [--points N]] [--sheet OUT.pdf]
       structcalc --open FILE [--unit UNITS] [--raw] [--json] [--diagram [--points N]]
                  [--sheet OUT.pdf]
       structcalc PROGRAM --batch [FILE|-] [--unit UNITS] [--raw] [--json]
       structcalc Member --member FILE|- [--unit UNITS] [--raw] [--json]
                  [--diagram [--points N]] [--sheet OUT.pdf]
                  [--influence QUANTITY@X | --train TRAIN [--points N]]
       structcalc Member --open FILE [--unit UNITS] [--raw] [--json]
                  [--diagram [--points N]] [--sheet OUT.pdf]
                  [--influence QUANTITY@X | --train TRAIN [--points N]]
       structcalc Member --batch FILE|- [--unit UNITS] [--raw]
       structcalc --list [PROGRAM [CASE]]
       structcalc --help | --version

PROGRAM is %2; CASE the number on its case button
(&quot;Beam (3)&quot; is 3). NAME is an input caption as the window shows it (l the span, I the
second moment); inputs not given keep their start values. VALUE is a number and nothing else.
One line per result row: caption, TAB, value as the window shows it, TAB, unit.

  --unit UNITS      a length unit mm, cm or m, a force unit N or kN, or both (m,kN);
                    the start values convert, the values given are read in these units
  --raw             values in full precision instead of the window&apos;s format
  --lang ja|en      every text wholly in Japanese or in English (without it, the
                    result names in Japanese and the rest in English, as scripts read them)
  --json            one JSON object: case, units, inputs with units, rows with meanings
                    (&quot;largest&quot; beside a row that is not the member&apos;s largest,
                    &quot;outsideRange&quot; beside a value outside its formula&apos;s range), the
                    diagram extremes; a refused input gives &quot;rejected&quot;: true
  --diagram         the member&apos;s diagrams as CSV: x,V,M,theta,delta (frames
                    member,s,x,y,M; columns lambda,euler,empirical)
  --points N        intervals of the diagram, 1 to 100000 (default 100)
  --open FILE       compute a saved calculation (.structcalc.json): its program, case,
                    units and inputs; a damaged file is a usage error that says why
  --sheet OUT.pdf   also write the calculation sheet of the case as computed: a one- or
                    two-page A4 PDF with formulas, worked values and diagrams (no display
                    needed); refused inputs write none
  --batch [FILE|-]  one case per CSV line: a header with the column case and input
                    captions; writes the inputs, one column per result row (units on
                    the second line), a status (ok, rejected: reason) and notes
  --member FILE|-   Member: any straight member described in JSON (supports, springs,
                    settlements, hinges, segments, loads; see the man page); --batch
                    then takes one description per line
  --influence Q@X   Member: the influence line of R, MR (support at X), V, M, theta or
                    delta (section X) instead of the rows: its extremes, --diagram the line
  --train TRAIN     Member: the envelope of M and V under a moving load train (axles at a
                    behind the first with loads P, a uniform load w, the ways it runs; see
                    the man page): the largest and smallest M and V with their sections
                    and train positions, --diagram x,Mmax,Mmin,Vmax,Vmin at N intervals
  --list            the programs and their cases; --list PROGRAM CASE: the case&apos;s
                    title, inputs with units and start values, rows with their meanings
  --help, --version this text; the version

Exit status: 0 computed, 2 usage error or a file or the output that cannot be read or
written, 3 an input refused (the reason on stderr; in a batch, any line refused). Every
message on stderr starts with &quot;structcalc: &quot;. Files are read and written only where they
are regular files; a batch line holds at most 1 MiB; an input cell that a spreadsheet
would run as a formula goes back in the batch&apos;s CSV with a leading &apos;.

Examples:
  structcalc Beams 1 P=2.5 a=0.04 --unit m,kN
  structcalc --open beam-b12.structcalc.json --sheet beam-b12.pdf
  printf &apos;case,P,a\n1,100,30\n1,100,150\n&apos; | structcalc Beams --batch -
See structcalc(1).
</source>
        <translation>structcalc %1: 構造計算プログラムのケースを、ウィンドウと同じように計算します。

使い方: structcalc PROGRAM CASE [NAME=VALUE ...] [--unit UNITS] [--raw] [--json]
                  [--diagram [--points N]] [--sheet OUT.pdf]
       structcalc --open FILE [--unit UNITS] [--raw] [--json] [--diagram [--points N]]
                  [--sheet OUT.pdf]
       structcalc PROGRAM --batch [FILE|-] [--unit UNITS] [--raw] [--json]
       structcalc Member --member FILE|- [--unit UNITS] [--raw] [--json]
                  [--diagram [--points N]] [--sheet OUT.pdf]
                  [--influence QUANTITY@X | --train TRAIN [--points N]]
       structcalc Member --open FILE [--unit UNITS] [--raw] [--json]
                  [--diagram [--points N]] [--sheet OUT.pdf]
                  [--influence QUANTITY@X | --train TRAIN [--points N]]
       structcalc Member --batch FILE|- [--unit UNITS] [--raw]
       structcalc --list [PROGRAM [CASE]]
       structcalc --help | --version

PROGRAM は %2、
CASE はケースボタンの番号です (「梁 (3)」なら 3)。
NAME はウィンドウに表示される入力の名前です (l はスパン、I は断面2次モーメント)。
指定しない入力は初期値のままです。VALUE は数値のみです。
結果の行ごとに1行: 名前、タブ、ウィンドウと同じ表示の値、タブ、単位。

  --unit UNITS      長さの単位 mm、cm、m、力の単位 N、kN、またはその両方 (m,kN)。
                    初期値は換算され、指定した値はこの単位で読み取ります
  --raw             ウィンドウの表示形式ではなく全桁の値
  --lang ja|en      すべての文を日本語または英語で (指定しなければ、結果の名前は
                    日本語、その他は英語で、スクリプトが読む形のまま)
  --json            一つの JSON オブジェクト: ケース、単位、入力とその単位、行とその意味
                    (部材の最大値でない行には &quot;largest&quot;、式の適用範囲外の値には
                    &quot;outsideRange&quot;)、応力図の極値。入力が受け付けられなければ
                    &quot;rejected&quot;: true
  --diagram         部材の応力図を CSV で: x,V,M,theta,delta (ラーメンは
                    member,s,x,y,M、柱は lambda,euler,empirical)
  --points N        応力図の分割数、1 〜 100000 (既定値 100)
  --open FILE       保存した計算 (.structcalc.json) を計算します: そのプログラム、ケース、
                    単位、入力。壊れたファイルは理由を示し、使い方の誤りとします
  --sheet OUT.pdf   計算したケースの計算書も書き出します: 式、数値を代入した計算、
                    応力図を含む 1〜2 ページの A4 PDF (画面は不要)。入力が受け付けられ
                    なければ書き出しません
  --batch [FILE|-]  CSV の1行に1ケース: 見出し行に列 case と入力の名前。入力、結果の
                    行ごとに1列 (単位は2行目)、状態 (ok、rejected: 理由) と注記を
                    書き出します
  --member FILE|-   Member: JSON で記述した任意の直線部材 (支点、ばね、支点の沈下、
                    ヒンジ、区間、荷重。マニュアルページを参照)。--batch では1行に
                    一つの記述
  --influence Q@X   Member: 行の代わりに R、MR (X の支点)、V、M、theta または delta
                    (X の断面) の影響線: その極値、--diagram では影響線そのもの
  --train TRAIN     Member: 移動荷重による M と V の包絡線 (先頭の車軸から a の位置の
                    車軸と荷重 P、等分布荷重 w、進む向き。マニュアルページを参照):
                    M と V の最大・最小とその断面および移動荷重の位置、--diagram では
                    N 分割の x,Mmax,Mmin,Vmax,Vmin
  --list            プログラムとそのケース。--list PROGRAM CASE: ケースの表題、入力と
                    その単位と初期値、行とその意味
  --help, --version この説明、バージョン

終了ステータス: 0 計算済み、2 使い方の誤り、または読み書きできないファイルや出力、
3 入力が受け付けられない (理由は標準エラー出力に。一括計算ではいずれかの行)。
標準エラー出力のメッセージはすべて &quot;structcalc: &quot; で始まります。ファイルは通常の
ファイルのみ読み書きします。一括計算の1行は 1 MiB までです。表計算ソフトが数式として
実行する入力のセルは、先頭に &apos; を付けて一括計算の CSV に書き戻します。

例:
  structcalc Beams 1 P=2.5 a=0.04 --unit m,kN
  structcalc --open beam-b12.structcalc.json --sheet beam-b12.pdf
  printf &apos;case,P,a\n1,100,30\n1,100,150\n&apos; | structcalc Beams --batch -
structcalc(1) を参照してください。
</translation>
    </message>
    <message>
        <source>member&apos;s %1</source>
        <translation>部材の %1</translation>
    </message>
    <message>
        <source>member&apos;s %1 (%2)</source>
        <translation>部材の %1 (%2)</translation>
    </message>
    <message>
        <source>: %1 at the start values</source>
        <translation>: 初期値で %1</translation>
    </message>
    <message>
        <source>: the row&apos;s own value at the start values</source>
        <translation>: 初期値ではこの行の値そのもの</translation>
    </message>
    <message>
        <source>range: %1</source>
        <translation>適用範囲: %1</translation>
    </message>
    <message>
        <source>inputs:</source>
        <translation>入力:</translation>
    </message>
    <message>
        <source>results:</source>
        <translation>結果:</translation>
    </message>
    <message>
        <source>domain:</source>
        <translation>適用条件:</translation>
    </message>
    <message>
        <source>--list takes at most a program and a case</source>
        <translation>--list に指定できるのはプログラムとケースまでです</translation>
    </message>
    <message>
        <source>unknown program &apos;%1&apos;</source>
        <translation>不明なプログラム &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--open needs a saved calculation file</source>
        <translation>--open には保存した計算のファイルが必要です</translation>
    </message>
    <message>
        <source>--sheet needs a PDF file to write</source>
        <translation>--sheet には書き出す PDF ファイルが必要です</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--points needs a number of intervals (1 to 100000)</source>
        <translation>--points には分割数 (1 〜 100000) が必要です</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--points goes with --diagram</source>
        <translation>--points は --diagram と共に指定してください</translation>
    </message>
    <message>
        <source>--batch and --open do not go together</source>
        <translation>--batch と --open は同時に指定できません</translation>
    </message>
    <message>
        <source>--sheet writes the sheet of one case, not of a batch</source>
        <translation>--sheet は一つのケースの計算書を書き出すもので、一括計算には使えません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>&apos;%1&apos; は NAME=VALUE の形ではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an input of %2 case %3 (%4)</source>
        <translation>&apos;%1&apos; は %2 のケース %3 の入力ではありません (%4)</translation>
    </message>
    <message>
        <source>no program given</source>
        <translation>プログラムが指定されていません</translation>
    </message>
    <message>
        <source>no case number given</source>
        <translation>ケース番号が指定されていません</translation>
    </message>
    <message>
        <source>--open takes no program, case or inputs: the file gives them (&apos;%1&apos;)</source>
        <translation>--open にはプログラム、ケース、入力を指定できません: それらはファイルが与えます (&apos;%1&apos;)</translation>
    </message>
    <message>
        <source>--batch takes a program and no case</source>
        <translation>--batch にはプログラムのみを指定し、ケースは指定しません</translation>
    </message>
    <message>
        <source>--batch computes result rows, not diagrams</source>
        <translation>--batch は結果の行を計算するもので、応力図は出力しません</translation>
    </message>
    <message>
        <source>%1 case %2 has no diagram</source>
        <translation>%1 のケース %2 には応力図がありません</translation>
    </message>
    <message>
        <source>it is the calculation --open reads</source>
        <translation>--open が読み込む計算と同じファイルです</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>%1 と同じファイルです</translation>
    </message>
    <message>
        <source>the standard input is also %1</source>
        <translation>標準入力が %1 と同じファイルです</translation>
    </message>
    <message>
        <source>; give it as standard input (--batch -)</source>
        <translation>。標準入力として渡してください (--batch -)</translation>
    </message>
    <message>
        <source>%1 is both the input and %2</source>
        <translation>%1 が入力であり、%2 でもあります</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注: %1</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <translation>注: %1: %2</translation>
    </message>
    <message>
        <source>%1 is not written: the inputs are refused</source>
        <translation>%1 は書き出していません: 入力が受け付けられません</translation>
    </message>
    <message>
        <source>the stream failed</source>
        <translation>ストリームのエラー</translation>
    </message>
    <message>
        <source>lead = %1</source>
        <translation>先頭位置 = %1</translation>
    </message>
    <message>
        <source> (just below)</source>
        <translation> (直前)</translation>
    </message>
    <message>
        <source> (just above)</source>
        <translation> (直後)</translation>
    </message>
    <message>
        <source>, leftward</source>
        <translation>、左向き</translation>
    </message>
    <message>
        <source>, rightward</source>
        <translation>、右向き</translation>
    </message>
    <message>
        <source>covered =</source>
        <translation>載荷範囲 =</translation>
    </message>
    <message>
        <source>usage: structcalc PROGRAM CASE [NAME=VALUE ...] [options]   (structcalc --help)</source>
        <translation>使い方: structcalc PROGRAM CASE [NAME=VALUE ...] [オプション]   (structcalc --help)</translation>
    </message>
    <message>
        <source>the standard output</source>
        <translation>標準出力</translation>
    </message>
    <message>
        <source>the standard error</source>
        <translation>標準エラー出力</translation>
    </message>
    <message>
        <source>largest M under the train</source>
        <translation>移動荷重による最大 M</translation>
    </message>
    <message>
        <source>smallest M</source>
        <translation>最小 M</translation>
    </message>
    <message>
        <source>largest V</source>
        <translation>最大 V</translation>
    </message>
    <message>
        <source>smallest V</source>
        <translation>最小 V</translation>
    </message>
    <message>
        <source>Envelope over every combination</source>
        <translation>全組合せの包絡線</translation>
    </message>
    <message>
        <source>results of the last accepted input</source>
        <translation>最後に受け付けた入力の結果</translation>
    </message>
    <message>
        <source>Results of the last accepted input</source>
        <translation>最後に受け付けた入力の結果</translation>
    </message>
    <message>
        <source>The diagrams show once the inputs are accepted</source>
        <translation>入力が受け付けられると応力図が表示されます</translation>
    </message>
    <message>
        <source>, value</source>
        <translation>、値</translation>
    </message>
    <message>
        <source>outside the formula&apos;s range: </source>
        <translation>式の適用範囲外: </translation>
    </message>
    <message>
        <source>outside range</source>
        <translation>適用範囲外</translation>
    </message>
    <message>
        <source>
The member&apos;s true extreme from its diagrams (x from the member&apos;s left end as sketched); the row above gives its formula&apos;s value</source>
        <translation>
応力図から求めた部材の真の極値 (x は図の部材左端から); 上の行は式による値</translation>
    </message>
    <message>
        <source>include in the chart</source>
        <translation>グラフに含める</translation>
    </message>
    <message>
        <source>: 0 or negative, drawn at the base line</source>
        <translation>: 0 または負の値、基線上に描画</translation>
    </message>
    <message>
        <source>This case has no member diagram</source>
        <translation>このケースには部材の応力図がありません</translation>
    </message>
    <message>
        <source>The diagrams need a larger window</source>
        <translation>応力図の表示にはもっと大きなウィンドウが必要です</translation>
    </message>
    <message>
        <source>No section to draw</source>
        <translation>描く断面がありません</translation>
    </message>
    <message>
        <source> – diagrams</source>
        <translation> – 応力図</translation>
    </message>
    <message>
        <source>empirical</source>
        <translation>実験式</translation>
    </message>
    <message>
        <source>λ &gt; 80: the empirical formula does not apply here (Euler range, cases 1-4)</source>
        <translation>λ &gt; 80: 実験式はここでは適用されません (オイラーの範囲、ケース 1-4)</translation>
    </message>
    <message>
        <source>λ &gt; 112: the empirical formula does not apply here (Euler range, cases 1-4)</source>
        <translation>λ &gt; 112: 実験式はここでは適用されません (オイラーの範囲、ケース 1-4)</translation>
    </message>
    <message>
        <source>λ &gt; 105: the empirical formula does not apply here (Euler range, cases 1-4)</source>
        <translation>λ &gt; 105: 実験式はここでは適用されません (オイラーの範囲、ケース 1-4)</translation>
    </message>
    <message>
        <source>λ &gt; 89: the empirical formula does not apply here (Euler range, cases 1-4)</source>
        <translation>λ &gt; 89: 実験式はここでは適用されません (オイラーの範囲、ケース 1-4)</translation>
    </message>
    <message>
        <source>λ &gt; 100: the empirical formula does not apply here (Euler range, cases 1-4)</source>
        <translation>λ &gt; 100: 実験式はここでは適用されません (オイラーの範囲、ケース 1-4)</translation>
    </message>
    <message>
        <source>simply supported</source>
        <translation>単純支持</translation>
    </message>
    <message>
        <source>fixed at both ends</source>
        <translation>両端固定</translation>
    </message>
    <message>
        <source>on the tension side</source>
        <translation>引張側に描画</translation>
    </message>
    <message>
        <source>Envelope over the combinations</source>
        <translation>組合せの包絡線</translation>
    </message>
    <message>
        <source>Envelope under the moving loads</source>
        <translation>移動荷重の包絡線</translation>
    </message>
    <message>
        <source>column AB, %1 above A</source>
        <translation>柱 AB、A から上へ %1</translation>
    </message>
    <message>
        <source>beam BC, %1 right of B</source>
        <translation>梁 BC、B から右へ %1</translation>
    </message>
    <message>
        <source>column CD, %1 above D</source>
        <translation>柱 CD、D から上へ %1</translation>
    </message>
    <message>
        <source>below the jump</source>
        <translation>不連続点の下側</translation>
    </message>
    <message>
        <source>above the jump</source>
        <translation>不連続点の上側</translation>
    </message>
    <message>
        <source>left of the jump</source>
        <translation>不連続点の左側</translation>
    </message>
    <message>
        <source>right of the jump</source>
        <translation>不連続点の右側</translation>
    </message>
    <message>
        <source>%1 at x = %2</source>
        <translation>%1 (x = %2)</translation>
    </message>
    <message>
        <source>Influence line of %1 (a unit load moving downward)</source>
        <translation>%1 の影響線 (下向きの単位荷重が移動)</translation>
    </message>
    <message>
        <source>%1, variable loads placed span by span where worst</source>
        <translation>%1、変動荷重はスパンごとに最も不利になるように載荷</translation>
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
    <name>shell::ResultsView</name>
    <message>
        <source>Outside the formula&apos;s range: %1</source>
        <translation>式の適用範囲外: %1</translation>
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
