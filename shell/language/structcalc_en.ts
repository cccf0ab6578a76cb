<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Caption</name>
    <message>
        <source>反力</source>
        <translation>Reaction</translation>
    </message>
    <message>
        <source>鉛直反力</source>
        <translation>Vertical reaction</translation>
    </message>
    <message>
        <source>水平反力</source>
        <translation>Horizontal reaction</translation>
    </message>
    <message>
        <source>反力モーメント</source>
        <translation>Reaction moment</translation>
    </message>
    <message>
        <source>せん断力</source>
        <translation>Shear force</translation>
    </message>
    <message>
        <source>最大せん断力</source>
        <translation>Max. shear force</translation>
    </message>
    <message>
        <source>最小せん断力</source>
        <translation>Min. shear force</translation>
    </message>
    <message>
        <source>曲げモーメント</source>
        <translation>Bending moment</translation>
    </message>
    <message>
        <source>最大曲げモーメント</source>
        <translation>Max. bending moment</translation>
    </message>
    <message>
        <source>最小曲げモーメント</source>
        <translation>Min. bending moment</translation>
    </message>
    <message>
        <source>最大曲げ</source>
        <translation>Max. bending</translation>
    </message>
    <message>
        <source>モーメント</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>変位</source>
        <translation>Deflection</translation>
    </message>
    <message>
        <source>最大変位</source>
        <translation>Max. deflection</translation>
    </message>
    <message>
        <source>最小変位</source>
        <translation>Min. deflection</translation>
    </message>
    <message>
        <source>たわみ角</source>
        <translation>Slope</translation>
    </message>
    <message>
        <source>たわみ比</source>
        <translation>Deflection ratio</translation>
    </message>
    <message>
        <source>移動荷重最大せん断力</source>
        <translation>Max. shear force, moving loads</translation>
    </message>
    <message>
        <source>移動荷重最小せん断力</source>
        <translation>Min. shear force, moving loads</translation>
    </message>
    <message>
        <source>移動荷重最大曲げモーメント</source>
        <translation>Max. bending moment, moving loads</translation>
    </message>
    <message>
        <source>移動荷重最小曲げモーメント</source>
        <translation>Min. bending moment, moving loads</translation>
    </message>
    <message>
        <source>組合せ最大せん断力</source>
        <translation>Max. shear force, combinations</translation>
    </message>
    <message>
        <source>組合せ最小せん断力</source>
        <translation>Min. shear force, combinations</translation>
    </message>
    <message>
        <source>組合せ最大曲げモーメント</source>
        <translation>Max. bending moment, combinations</translation>
    </message>
    <message>
        <source>組合せ最小曲げモーメント</source>
        <translation>Min. bending moment, combinations</translation>
    </message>
    <message>
        <source>組合せ最大変位</source>
        <translation>Max. deflection, combinations</translation>
    </message>
    <message>
        <source>組合せ最小変位</source>
        <translation>Min. deflection, combinations</translation>
    </message>
    <message>
        <source>断面積</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>断面2次モーメント</source>
        <translation>Second moment of area</translation>
    </message>
    <message>
        <source>断面係数</source>
        <translation>Section modulus</translation>
    </message>
    <message>
        <source>断面2次半径</source>
        <translation>Radius of gyration</translation>
    </message>
    <message>
        <source>重心距離</source>
        <translation>Centroid distance</translation>
    </message>
    <message>
        <source>弾性係数</source>
        <translation>Modulus of elasticity</translation>
    </message>
    <message>
        <source>座屈荷重</source>
        <translation>Buckling load</translation>
    </message>
    <message>
        <source>座屈応力</source>
        <translation>Buckling stress</translation>
    </message>
    <message>
        <source>座屈長</source>
        <translation>Buckling length</translation>
    </message>
    <message>
        <source>細長比</source>
        <translation>Slenderness ratio</translation>
    </message>
    <message>
        <source>柱端定数</source>
        <translation>End condition coefficient</translation>
    </message>
    <message>
        <source>曲げ応力度</source>
        <translation>Bending stress</translation>
    </message>
    <message>
        <source>応力度比</source>
        <translation>Stress ratio</translation>
    </message>
    <message>
        <source>荷重</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>スパン</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>部材長</source>
        <translation>Member length</translation>
    </message>
    <message>
        <source>着目点</source>
        <translation>Point of interest</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>剛性</source>
        <translation>Stiffness</translation>
    </message>
    <message>
        <source>差</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>比</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>積</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Largest</translation>
    </message>
</context>
</TS>
