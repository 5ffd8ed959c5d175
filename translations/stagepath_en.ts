<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="tr_TR">
<context>
    <name>BatchRun</name>
    <message>
        <location filename="../src/share/batchrun.cpp" line="+76"/>
        <source>resmin türü dosya adının uzantısından anlaşılmalı: .png, .svg ya da .pdf.</source>
        <translation>the kind of picture is told by the file name&apos;s extension: .png, .svg or .pdf.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Derste yol yok.</source>
        <translation>The lesson has no path.</translation>
    </message>
    <message>
        <location filename="../src/share/exercisebatch.cpp" line="+39"/>
        <source>&quot;%1&quot; yazılamadı: %2.</source>
        <translation>&quot;%1&quot; could not be written: %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--new-exercise, --boxes seçeneğini ister (örneğin --boxes 1,3,3,2,1).</source>
        <translation>--new-exercise needs the option --boxes (for example --boxes 1,3,3,2,1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--new-exercise, --values seçeneğini ister (örneğin --values 1..20).</source>
        <translation>--new-exercise needs the option --values (for example --values 1..20).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--values &quot;%1&quot;: EN_KÜÇÜK..EN_BÜYÜK biçiminde iki tam sayı olmalı (örneğin 1..20).</source>
        <translation>--values &quot;%1&quot;: must be two whole numbers as MIN..MAX (for example 1..20).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--missing &quot;%1&quot;: 0 ile %2 arasında bir tam sayı (yüzde) olmalı.</source>
        <translation>--missing &quot;%1&quot;: must be a whole number (a percentage) from 0 to %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--seed &quot;%1&quot;: 0 ile 18446744073709551615 arasında bir tam sayı olmalı.</source>
        <translation>--seed &quot;%1&quot;: must be a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>--new-exercise başka bir işle ya da bir ders dosyasıyla birlikte kullanılamaz.</source>
        <translation>--new-exercise cannot be combined with other work or with a lesson file.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--worksheet başka bir işle birlikte kullanılamaz.</source>
        <translation>--worksheet cannot be combined with other work.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--worksheet en az bir ders dosyası ister.</source>
        <translation>--worksheet needs at least one lesson file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--worksheet ve --key aynı dosyayı (&quot;%1&quot;) adlandırıyor.</source>
        <translation>--worksheet and --key name the same file (&quot;%1&quot;).</translation>
    </message>
</context>
<context>
    <name>BoxCountCommand</name>
    <message>
        <location filename="../src/lesson/boxcountcommand.cpp" line="+24"/>
        <source>kutu sayıları</source>
        <translation>box counts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kutu sayısı %2 → %3</source>
        <translation>%1 box count %2 → %3</translation>
    </message>
</context>
<context>
    <name>BoxNameRules</name>
    <message>
        <location filename="../src/model/boxnames.cpp" line="+38"/>
        <source>&quot;%1&quot; %2 karakter; bir kutu adı en çok %3 karakter olabilir.</source>
        <translation>&quot;%1&quot; has %2 characters; a box name may have at most %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; satır sonu içeriyor; bir kutu adı tek satır olmalı.</source>
        <translation>&quot;%1&quot; holds a line break; a box name must be one line.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; boşlukla başlıyor ya da bitiyor; bir kutu adının başında ve sonunda boşluk olamaz.</source>
        <translation>&quot;%1&quot; starts or ends with a space; a box name may not.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; içinde &quot;%2&quot; var; bir kutu adında &quot;(&quot;, &quot;)&quot; ve &quot;-&quot; olamaz, yol metnini karıştırırlar.</source>
        <translation>&quot;%1&quot; contains &quot;%2&quot;; a box name may not contain &quot;(&quot;, &quot;)&quot; or &quot;-&quot;, they would confuse the path text.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; adı %2. kutunun adı; her kutunun adı başka olmalı.</source>
        <translation>&quot;%1&quot; is the name of box %2; every box needs a name of its own.</translation>
    </message>
</context>
<context>
    <name>BoxNamesCommand</name>
    <message>
        <location filename="../src/lesson/boxnamescommand.cpp" line="+36"/>
        <source>kutu adları</source>
        <translation>box names</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1. kutunun adı %2 → %3</source>
        <translation>name of box %1 %2 → %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/platform/commandline.cpp" line="+51"/>
        <source>Dersin kendi seçimi yerine en uzun yolu alır (--solve ve --export için).</source>
        <translation>Takes the longest path instead of the lesson&apos;s own mode (for --solve and --export).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Çizimi, en iyi yol kırmızı, OUT dosyasına yazar: .png, .svg ya da .pdf.</source>
        <translation>Writes the drawing, with the best path in red, to OUT: .png, .svg or .pdf.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonuç tablosunun bütün yollarını OUT dosyasına CSV olarak yazar.</source>
        <translation>Writes every path of the result table to OUT as CSV.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kenar tablosunu OUT dosyasına CSV olarak yazar.</source>
        <translation>Writes the edge table to OUT as CSV.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yeni bir alıştırmayı OUT ders dosyasına yazar ve &quot;Seed: N&quot; yazar.</source>
        <translation>Writes a new exercise to the lesson file OUT and prints &quot;Seed: N&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alıştırmanın kutu sayıları, örneğin 1,3,3,2,1.</source>
        <translation>The exercise&apos;s box counts, for example 1,3,3,2,1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alıştırmanın tam sayı değerleri, örneğin 1..20.</source>
        <translation>The exercise&apos;s whole values, for example 1..20.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eksik yolların yüzdesi, 0 ile 60 arası (0 varsayılan).</source>
        <translation>The percentage of missing roads, 0 to 60 (0 by default).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alıştırmada tek bir en iyi yol olur.</source>
        <translation>The exercise has exactly one best path.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alıştırmanın tohumu; verilmezse yeni bir tohum seçilir.</source>
        <translation>The exercise&apos;s seed; a fresh one is chosen when none is given.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Derslerin çalışma kâğıdını OUT.pdf dosyasına yazar, her alıştırma bir sayfa.</source>
        <translation>Writes the worksheet of the lessons to OUT.pdf, one exercise per page.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--worksheet ile cevap anahtarını KEY.pdf dosyasına yazar.</source>
        <translation>With --worksheet, writes the answer key to KEY.pdf.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Açılacak ders dosyası (.stagepath).</source>
        <translation>The lesson file to open (.stagepath).</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>--key yalnızca --worksheet ile kullanılır.</source>
        <translation>--key is used only with --worksheet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 yalnızca --new-exercise ya da --worksheet ile kullanılır.</source>
        <translation>--%1 is used only with --new-exercise or --worksheet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yalnızca bir ders dosyası açılabilir.</source>
        <translation>Only one lesson file can be opened.</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+18"/>
        <source>--%1 seçeneği bir dosya adı ister.</source>
        <translation>The option --%1 needs a file name.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--solve ve --export seçenekleri bir ders dosyası ister.</source>
        <translation>The options --solve and --export need a lesson file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--longest yalnızca --solve ya da bir --export seçeneğiyle kullanılır.</source>
        <translation>--longest is used only with --solve or an --export option.</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>En Kısa Yol: aşamalı bir grafikte en kısa ve en uzun yol.

--solve ya da bir --export seçeneğiyle pencere açılmaz: ders dosyası okunur, istenen yazılır ve program biter (ekran gerekmez). Hata olursa standart hataya tek satırlık bir ileti yazılır, çıkış durumu 1 olur ve yarım dosya kalmaz. Eksik yollar (&quot;-&quot;) yüzünden hiç yolu olmayan bir derste --solve çıkış durumu 3 ile biter.</source>
        <translation>Shortest Path: the shortest and the longest path through a staged graph.

With --solve or an --export option no window opens: the lesson file is read, what was asked for is written and the program ends (no display is needed). On an error a message of one line goes to standard error, the exit status is 1 and no partial file is left. On a lesson whose missing roads (&quot;-&quot;) leave no path, --solve ends with exit status 3.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>En iyi yolu &quot;Mod: …&quot;, &quot;Toplam: …&quot; ve &quot;Yol: …&quot; satırları olarak yazar.</source>
        <translation>Prints the best path as the lines &quot;Mod: …&quot; (mode), &quot;Toplam: …&quot; (total) and &quot;Yol: …&quot; (path).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dersin kendi seçimi yerine en kısa yolu alır (--solve ve --export için).</source>
        <translation>Takes the shortest path instead of the lesson&apos;s own choice (for --solve and --export).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--solve ile: eşit toplamlı her en iyi yol için, tablo sırasıyla bir &quot;Yol: …&quot; satırı (en çok 1000).</source>
        <translation>With --solve: one &quot;Yol: …&quot; line for every tied best path, in table order (at most 1000).</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>--shortest yalnızca --solve ya da bir --export seçeneğiyle kullanılır.</source>
        <translation>--shortest is used only with --solve or an --export option.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--shortest ve --longest birlikte kullanılamaz.</source>
        <translation>--shortest and --longest cannot be used together.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--all-best yalnızca --solve ile kullanılır.</source>
        <translation>--all-best is used only with --solve.</translation>
    </message>
</context>
<context>
    <name>EdgeValueCommand</name>
    <message>
        <location filename="../src/lesson/edgevaluecommand.cpp" line="+22"/>
        <source>değer %1 → %2</source>
        <translation>value %1 → %2</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <location filename="../src/app/help/helptext.cpp" line="+43"/>
        <source>Vorta Sayısı</source>
        <translation>Number of stages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bir sütundaki kutular</source>
        <translation>Boxes in one column</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bütün sütunlardaki kutular</source>
        <translation>Boxes in all columns together</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Çizgiler (Değer / Kutu No / Diğer Kutu / Vorta tablosunun satırları)</source>
        <translation>Lines (rows of the Value / From box / To box / Stage table)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hesaplama Yap ile listelenen yollar</source>
        <translation>Paths listed by “Calculate”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>X ve Y aralığı (piksel)</source>
        <translation>X and Y spacing (pixels)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Çizgi Kalınlığı</source>
        <translation>Pen width</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>En Kısa Yol — Yardım</source>
        <translation>Shortest Path — Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bu program ne yapar?</source>
        <translation>What does this program do?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Vortalara ayrılmış bir grafikte ilk kutu sütunundan son kutu sütununa giden en kısa ve en uzun yolu bulur, grafiği çizer ve bütün yolları listeler. Dinamik programlamayı derste göstermek için yapılmıştır.&lt;/p&gt;</source>
        <translation>&lt;p&gt;It finds the shortest and the longest path through a graph divided into stages, from the first column of boxes to the last, draws the graph and lists every path. It is made for showing dynamic programming in a lesson.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vorta ve kutu</source>
        <translation>Stages and boxes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Grafik kutu sütunlarından oluşur. Bir vorta, iki komşu sütun arasındaki adımdır: 1.Vorta 1. sütunu 2. sütuna bağlar. Vorta Sayısı N ise grafikte N+1 sütun vardır. Bir sütunun her kutusu sonraki sütunun her kutusuna bir çizgiyle bağlıdır; her çizginin 0 ile 1000 arasında rastgele bir değeri vardır. Kutular sütun sütun, her sütunda yukarıdan aşağıya 1, 2, 3, … diye numaralanır.&lt;/p&gt;&lt;p&gt;Soldaki tabloda her satır bir kutu sütunudur: “Vorta” sütununda kutu sayısı, “Sayı” sütununda sütunun adı durur. Kutu sayısını değiştirmek için hücreye çift tıklayın ya da F2’ye basın; bütün çizgi değerleri yeniden çekilir. Vorta Sayısı’nın her değişikliği her şeyi baştan kurar: her sütun 3 kutuya döner.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The graph is made of columns of boxes. A stage is the step between two neighbouring columns: Stage 1 joins column 1 to column 2. With N stages the graph has N+1 columns. Every box of a column is joined by a line to every box of the next column, and every line has a random value from 0 to 1000. The boxes are numbered 1, 2, 3, … column by column, from the top down in each column.&lt;/p&gt;&lt;p&gt;In the table on the left each row is a column of boxes: “Boxes” says how many boxes it has, “Stage” gives its name. To change a number of boxes, double-click its cell or press F2; all line values are then drawn anew. Every change of the number of stages builds everything afresh: each column goes back to 3 boxes.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tablolar</source>
        <translation>The tables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;“Değer / Kutu No / Diğer Kutu / Vorta” tablosunda her çizgi bir satırdır: değeri, soldaki kutunun numarası, sağdaki kutunun numarası ve vortası. Bir değeri hücresinde değiştirebilirsiniz. Üstteki sekmelerden “Tümü” bütün çizgileri, “1.Vorta” ve ötekiler yalnız o vortanın çizgilerini gösterir; Ctrl+PgDown ve Ctrl+PgUp ya da sekmelerin üzerinde fare tekerleği sekmeler arasında gezdirir.&lt;/p&gt;&lt;p&gt;“Hesaplama Yap” her yolu alttaki tabloya yazar: her vortadaki çizginin değeri, “Toplam” ve “Yol”. Yol, kutu numaralarını ve aralarında ayraç içinde çizgi değerlerini gösterir: 1 (12) 4 (5) 7, 1. kutudan 12 değerli çizgiyle 4. kutuya, oradan 5 değerli çizgiyle 7. kutuya gider.&lt;/p&gt;</source>
        <translation>&lt;p&gt;In the “Value / From box / To box / Stage” table each line of the graph is a row: its value, the number of its left box, the number of its right box and its stage. You can change a value in its cell. Of the tabs above the table, “All” shows every line, “Stage 1” and the others only the lines of that stage; Ctrl+PgDown and Ctrl+PgUp, or the mouse wheel over the tabs, move between them.&lt;/p&gt;&lt;p&gt;“Calculate” writes every path into the table at the bottom: the value of its line in each stage, the “Total” and the “Path”. A path shows the box numbers with the line values between them in brackets: 1 (12) 4 (5) 7 goes from box 1 along a line of value 12 to box 4, and from there along a line of value 5 to box 7.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Çizim</source>
        <translation>The drawing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Her kutu, içinde numarasıyla bir yuvarlaktır. Bir kutudan çıkan çizgilerin değerleri o kutunun altında alt alta yazılır. “Çizgileri Renklendir” seçiliyse bir kutudan çıkan çizgiler kutunun sütundaki sırasına göre renklenir. “Çiz”, “En Kısa Yol” ya da “En Uzun Yol” seçimine göre en iyi yolu bulur, tabloda seçer ve çizimde kırmızıyla gösterir.&lt;/p&gt;&lt;p&gt;Fare tekerleği çizimi yukarı aşağı, Shift ile birlikte sağa sola kaydırır. Görünüm menüsü çizimi %50 ile %400 arasında büyütür ya da küçültür (Ctrl++, Ctrl+-, Ctrl+0).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Each box is a circle with its number inside. The values of the lines that leave a box are written one under another below it. With “Colour the lines” ticked, the lines that leave a box are coloured by the box’s place in its column. “Draw” finds the best path, the shortest or the longest as chosen, selects it in the table and marks it in red on the drawing.&lt;/p&gt;&lt;p&gt;The mouse wheel scrolls the drawing up and down, and with Shift left and right. The View menu makes the drawing larger or smaller, from 50% to 400% (Ctrl++, Ctrl+-, Ctrl+0).&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>“Çiz”in ardındaki fikir: dinamik programlama</source>
        <translation>The idea behind “Draw”: dynamic programming</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Bütün yolları tek tek toplamak yerine her kutu için o kutuya ulaşan en iyi toplam bulunur, sütun sütun. 1. sütundaki kutuların toplamı 0’dır. Sonraki sütundaki bir kutunun en iyi toplamı, önceki sütunun her kutusunun en iyi toplamına aradaki çizginin değeri eklenerek bulunan toplamların en küçüğüdür (En Uzun Yol için en büyüğü). Son sütunda en iyi toplamı olan kutudan geriye, her adımda bu toplamı veren kutu izlenerek yol bulunur.&lt;/p&gt;&lt;p&gt;Böylece iş çizgi sayısı kadardır, yol sayısı kadar değil: milyonlarca yol olsa da yanıt hemen gelir. “Hesaplama Yap” ise bütün yolları listeler; tabloda seçilen satır aynı toplamı gösterir. Toplamları eşit yollardan tabloda önce geleni seçilir.&lt;/p&gt;&lt;p&gt;Görünüm menüsündeki “Çözüm Adımları” (F6) bunu adım adım gösterir: tabloda her kutunun en iyi toplamı, bu toplamı veren önceki kutu ve o kutuya bu toplamla ulaşan yol sayısı (“Eşit yollar”) durur. “İleri” her adımda bir sütun daha çözer: çizimde çözülen kutuların en iyi toplamı yuvarlaklarının sağ üstüne yazılır, bakılan vortanın çizgileri ve her kutunun seçtiği çizgi renklenir; son adımda en iyi yol “Çiz”deki gibi kırmızıyla çizilir. Alttaki tablo en iyi yolları sıralar; bir yola çift tıklayınca satırı sonuç tablosunda seçilir. Sonuç tablosunda seçilen satırın yolu çizimde maviyle, “Tüm En İyi Yollar” seçiliyse bir en iyi yol üzerindeki bütün çizgiler turuncuyla gösterilir.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Instead of adding up every path one by one, the best total that reaches each box is found, column by column. The boxes of column 1 have the total 0. The best total of a box in the next column is the least of the best totals of the boxes in the column before, each plus the value of the line from there (the greatest, for the longest path). From the box of the last column with the best total, the path is found by going back, at each step to the box that gave that total.&lt;/p&gt;&lt;p&gt;So the work grows with the number of lines, not with the number of paths: even with millions of paths the answer comes at once. “Calculate”, on the other hand, lists every path; the row selected in the table shows the same total. Of paths with equal totals, the one that comes first in the table is chosen.&lt;/p&gt;&lt;p&gt;“Solution Steps” (F6) in the View menu shows this step by step: its table gives every box’s best total, the box before it that gives this total and how many paths reach the box with it (“Equal paths”). “Forward” solves one more column at each step: on the drawing the best totals of the solved boxes are written at the top right of their circles, and the lines of the stage being looked at and the line each box chose are coloured; at the last step the best path is drawn in red, as “Draw” draws it. The table below ranks the best paths; double-click one to select its row in the result table. The path of the row selected in the result table is drawn in blue, and with “All Best Paths” every line on a best path is drawn in orange.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Dışa aktarmak, yazdırmak, kopyalamak</source>
        <translation>Exporting, printing, copying</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Dosya menüsünde “Çizimi Dışa Aktar…” bütün çizimi, işaretliyse kırmızı yolla birlikte, %100 boyutta PNG (bir ya da iki kat), SVG ya da PDF olarak kaydeder; türünü dosya adının uzantısı belirler. “Tabloyu Dışa Aktar (CSV)…” sonuç tablosunu bütün satırlarıyla ya da çizgi tablosunu bir hesap tablosunun açabileceği bir CSV dosyasına yazar; sayılar ondalık noktayla yazılır. Uzun süren bir dışa aktarma iptal edilebilir; yarım dosya kalmaz. “Yazdır…” önce baskı önizlemesini açar: ilk sayfada çizim ve en iyi yol, ardından tablolar (uzun bir tablonun ilk satırları).&lt;/p&gt;&lt;p&gt;Düzen → Kopyala (Ctrl+C) odaktaki tablonun seçili satırlarını başlıklarıyla birlikte, bir hesap tablosuna sütun sütun yapışacak biçimde kopyalar; çizgi tablolarında Shift ve Ctrl ile birden çok satır, Ctrl+A ile hepsi seçilir (en çok 100.000 satır kopyalanır). Odak bir tabloda değilse bütün çizim resim olarak kopyalanır.&lt;/p&gt;&lt;p&gt;Pencere açmadan, komut satırından: &lt;code&gt;stagepath --solve ders.stagepath&lt;/code&gt; en iyi yolu yazar; --export-picture, --export-results ve --export-edges dosyaları yazar (ayrıntılar: &lt;code&gt;stagepath --help&lt;/code&gt;).&lt;/p&gt;</source>
        <translation>&lt;p&gt;In the File menu, “Export Drawing…” saves the whole drawing, with the red path when it is marked, at 100 % as PNG (at single or double size), SVG or PDF; the file name&apos;s extension decides which. “Export Table (CSV)…” writes the result table with every row, or the edge table, to a CSV file that a spreadsheet opens; numbers are written with a decimal point. An export that takes long can be cancelled; no partial file is left. “Print…” opens a print preview first: the drawing and the best path on the first page, then the tables (the first rows of a long one).&lt;/p&gt;&lt;p&gt;Edit → Copy (Ctrl+C) copies the selected rows of the table that has the focus, with its headings, so that they paste into a spreadsheet as columns; in the edge tables Shift and Ctrl select several rows and Ctrl+A all of them (at most 100,000 rows are copied). When no table has the focus, the whole drawing is copied as an image.&lt;/p&gt;&lt;p&gt;Without a window, from the command line: &lt;code&gt;stagepath --solve ders.stagepath&lt;/code&gt; prints the best path; --export-picture, --export-results and --export-edges write files (details: &lt;code&gt;stagepath --help&lt;/code&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Alıştırmalar ve çalışma kâğıtları</source>
        <translation>Exercises and worksheets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Alıştırma → “Yeni Alıştırma…” kutu sayılarından (örneğin 1,3,3,2,1), tam sayı değerlerin aralığından, eksik yolların payından (%0–60), “Tek bir en iyi yol” seçiminden, moddan ve bir tohumdan yeni bir ders yapar. Aynı seçenekler ve aynı tohum her bilgisayarda aynı alıştırmayı verir; tohum ve seçenekler ders dosyasına kaydedilir.&lt;/p&gt;&lt;p&gt;Alıştırma → “Çalışma Kâğıdı…” açık dersin çalışma kâğıdını (numarası, değerleri çizgilerinin yanında çizim, mod, her vorta için boş bir tablo, ad ve tarih satırları) ve cevap anahtarını (en iyi toplam, eşit en iyi yolların hepsi, doldurulmuş tablolar) iki PDF dosyasına yazar. Komut satırından: &lt;code&gt;stagepath --new-exercise ders.stagepath --boxes 1,3,3,2,1 --values 1..20 --seed 42&lt;/code&gt; ve &lt;code&gt;stagepath --worksheet kagit.pdf --key cevap.pdf ders1.stagepath ders2.stagepath&lt;/code&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Exercise → “New Exercise…” makes a new lesson from box counts (for example 1,3,3,2,1), a range of whole values, a share of missing roads (0–60%), “One best path only”, the mode and a seed. The same options and the same seed give the same exercise on every computer; the seed and the options are saved in the lesson file.&lt;/p&gt;&lt;p&gt;Exercise → “Worksheet…” writes the open lesson&apos;s worksheet (its number, the drawing with the values beside their lines, the mode, an empty table for each stage, name and date lines) and its answer key (the best total, every tied best path, the filled tables) to two PDF files. From the command line: &lt;code&gt;stagepath --new-exercise lesson.stagepath --boxes 1,3,3,2,1 --values 1..20 --seed 42&lt;/code&gt; and &lt;code&gt;stagepath --worksheet sheet.pdf --key key.pdf lesson1.stagepath lesson2.stagepath&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Sınırlar</source>
        <translation>Limits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Pencereyi dondurmayacak ya da belleği tüketmeyecek bir girdi kabul edilir; sınırı aşan bir girdi, neyin aştığı söylenerek geri çevrilir.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The window accepts any input that will neither freeze it nor use up the memory; input over a limit is refused, with a message that says which limit it exceeds.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sürüm %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vortalara ayrılmış bir grafikte en kısa ve en uzun yolu bulan, çizen ve bütün yolları listeleyen bir ders aracı.</source>
        <translation>A teaching tool that finds and draws the shortest and the longest path through a graph divided into stages, and lists every path.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lisans: GNU Genel Kamu Lisansı, sürüm 3 ya da (isteğinize göre) daha sonraki bir sürüm (GPL-3.0-or-later). Hiçbir garanti verilmez.</source>
        <translation>Licence: GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kullandığı kütüphane: Qt %1 (derlendiği sürüm %2), LGPL-3.0 lisansıyla.</source>
        <translation>Library used: Qt %1 (built with %2), under the LGPL-3.0.</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Vorta tablosu: ileri ve geri özyineleme</source>
        <translation>The stage tableau: forward and backward recursion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;“Çözüm Adımları” penceresinde “Özyineleme” iki yönden birini seçer. “İleri”: f(s), 1. sütundan s kutusuna en iyi toplamdır; adımlar 1. sütundan sağa gider. “Geri” (ders kitaplarının çoğunun yolu): f(s), s kutusundan son sütuna en iyi toplamdır; adımlar son sütundan sola gider ve adımlar tablosunun dördüncü sütunu “Sonraki kutu” olur. İki yön de “Çiz” ile aynı en iyi toplamı, aynı eşit yol sayısını ve aynı yolu verir. Seçim ayarlarda hatırlanır ve derse kaydedilir.&lt;/p&gt;&lt;p&gt;Vorta tablosu bu adımın sütununu bir ders kitabı gibi gösterir: her kutu bir satır; komşu sütunun her kutusu bir sütun; hücrede o adayın toplamı (yol değeri + komşunun en iyi toplamı, ipucunda “yol + en iyi”), yol yoksa ya da komşuya hiç yol ulaşmıyorsa “-”; ardından “En iyi” ve en iyiyi veren bütün komşular (“Seçilen”). Seçilen hücreler kalın ve yeşil zeminlidir; aynı seçimler çizimde yeşil çizilir. Tablonun üstünde seçili satırın bağıntısı sayılarıyla yazılır, ör. f(4) = min{ f(2) + 7, f(3) + 1 } = min{ 9, 5 } = 5. Komşu sütun çok kutuluysa komşular sayfa sayfa gösterilir.&lt;/p&gt;&lt;p&gt;Adımlar cevabı önceden vermez: son adıma kadar başlıkta en iyi toplam yoktur, adımlar tablosunda yalnız çözülen sütunlar doludur, en iyi yollar listesi boştur ve çizimde kırmızı ya da turuncu yol çizilmez. Son adımda hepsi gösterilir; pencere kapanınca çizim eski haline döner. Pencerenin altındaki satır çizimdeki her rengin anlamını söyler. “Yazdır” çizimi ve her vortanın tablosunu yazdırır (önce önizleme).&lt;/p&gt;</source>
        <translation>&lt;p&gt;In the window “Solution Steps”, “Recursion” chooses one of two directions. “Forward”: f(s) is the best total from column 1 to box s; the steps go from column 1 rightwards. “Backward” (the way most textbooks go): f(s) is the best total from box s to the last column; the steps go from the last column leftwards and the fourth column of the step table becomes “Next box”. Both give the same best total, the same number of tied paths and the same path as “Draw”. The choice is remembered in the settings and saved with the lesson.&lt;/p&gt;&lt;p&gt;The stage tableau shows this step&apos;s column as a textbook does: a row per box; a column per box of the neighbouring column; in a cell that candidate&apos;s total (the road&apos;s value + the neighbour&apos;s best total, “road + best” in its tooltip), “-” where the road does not exist or no path reaches the neighbour; then “Best” and every neighbour that gives it (“Chosen”). The chosen cells are bold on green; the same choices are drawn in green. Above the tableau the selected row&apos;s recurrence is written with its numbers, e.g. f(4) = min{ f(2) + 7, f(3) + 1 } = min{ 9, 5 } = 5. A neighbouring column of many boxes is shown page by page.&lt;/p&gt;&lt;p&gt;The steps do not give the answer away: until the last step the heading shows no best total, the step table only the solved columns, the list of best paths nothing, and the drawing no red or orange path. The last step shows it all; closing the window restores the drawing. The line at the bottom of the window says what each colour of the drawing means. “Print” prints the drawing and every stage&apos;s tableau (preview first).&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Öğrenciler için: alıştırma</source>
        <translation>For students: exercises</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Alıştırma menüsünde “Alıştırma Modu”nu açın (öğretmeniniz bir dersi alıştırma olarak da verebilir). Bu modda cevap gizlidir: “Çiz” ve “Hesaplama Yap” kapalıdır, hiçbir yerde en iyi toplam ya da en iyi yol görünmez. Değerler ve çizim durur; “-” değerli bir çizgi, var olmayan bir yoldur.&lt;/p&gt;&lt;p&gt;Sağdaki Alıştırma panelinde “Yol” kutusuna yolunuzu yazın: her sütundan bir kutu, ilk sütundan son sütuna, numarası ya da adıyla, aralarında “-” ya da boşluk (1-4-7). Çizimde kutulara sırayla tıklayarak da kurabilirsiniz; yanlış sütundan bir kutuya tıklarsanız pencere söyler. Geri tuşu son kutuyu siler. “Toplam” kutusuna yolun toplamını yazın ve “Kontrol Et”e basın.&lt;/p&gt;&lt;p&gt;Cevap doğruysa kaç en iyi yol olduğunu da öğrenirsiniz. Yanlışsa ilk sorun söylenir: yol her sütundan bir kutu geçmiyor, yolda var olmayan bir çizgi var, toplam yolun değerlerinin toplamı değil (doğru toplam yazılır) ya da yol en iyi değil: yolun bütün en iyi yollardan ayrıldığı sütun ve orada karşılaştırılan seçenekler gösterilir.&lt;/p&gt;&lt;p&gt;Çözüm Adımları penceresinde (F6) her kutunun en iyi toplamını “En iyi toplam” sütununa yazabilirsiniz. “Kontrol Et” doğru toplamları yeşil, yanlışları kırmızı yapar; kırmızı bir hücrenin üzerinde durunca o kutuya gelen adaylar görünür. Takılırsanız “Sonraki Sütunu Göster” bir sütunun toplamlarını doldurur; “Cevabı Göster” alıştırmayı bitirir ve “Çiz” gibi en iyi yolu gösterir.&lt;/p&gt;&lt;p&gt;Cevaplarınız dersle birlikte kaydedilir ve Geri Al ile geri alınır: dosyayı öğretmeninize verebilirsiniz.&lt;/p&gt;</source>
        <translation>&lt;p&gt;In the Exercise menu, turn on “Exercise Mode” (your teacher may also hand out a lesson as an exercise). In this mode the answer is hidden: “Draw” and “Calculate” are disabled, and no best total or best path shows anywhere. The values and the drawing stay; a line whose value is “-” is a road that does not exist.&lt;/p&gt;&lt;p&gt;In the Exercise panel on the right, type your path in the “Path” box: one box per column, from the first column to the last, by number or by name, separated by “-” or spaces (1-4-7). You can also build it by clicking the boxes on the drawing in order; a click on a box of the wrong column is answered with words. Backspace takes the last box off. Type the path&apos;s total in the “Total” box and press “Check”.&lt;/p&gt;&lt;p&gt;A right answer also tells you how many best paths there are. A wrong one is answered with its first problem: the path does not pass one box per column, a line on the path does not exist, the total is not the sum of the path&apos;s values (the right sum is given), or the path is not a best one: the column where it leaves every best path is named, with the choices compared there.&lt;/p&gt;&lt;p&gt;In the Solution Steps window (F6) you can type each box&apos;s best total in the “Best total” column. “Check” turns the right totals green and the wrong ones red; hold the mouse over a red cell to see the candidates for that box. If you are stuck, “Show Next Column” fills in one column&apos;s totals; “Show Answer” ends the exercise and shows the best path as “Draw” does.&lt;/p&gt;&lt;p&gt;Your answers are saved with the lesson and undone with Undo: you can hand the file to your teacher.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Kutu adları ve çizgilerdeki değerler</source>
        <translation>Box names and values on the lines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Ders kitaplarındaki gibi kutulara ad verebilirsiniz: Düzen → “Kutu Adları…” her kutunun numarasını ve adını bir tabloda gösterir; adına çift tıklayıp yazın. “Kutuları Harflerle Adlandır” bütün kutulara numara sırasıyla A, B, …, Z, AA, AB, … adlarını verir. Bir ad 1 ile 20 karakter arasındadır, her kutuda başkadır; “(”, “)”, “-”, satır sonu ve başta ya da sonda boşluk içeremez. Boş ad kutunun numarasını geri getirir. Ad, yuvarlağın içinde, yol metinlerinde (“Yol” sütunu, en iyi yollar, komut satırı ve CSV) ve Çözüm Adımları tablosunda numaranın yerine geçer; çizgi tablosu numaraları gösterir, adı ipucu olarak verir. Vorta Sayısı ya da kutu sayısı değişince bir kutu, sütunu ve sırası durdukça adını korur.&lt;/p&gt;&lt;p&gt;Görünüm → “Değerleri Çizgilerde Göster” her çizginin değerini kutunun altındaki sütun yerine kendi çizgisinin üstüne, beyaz küçük bir kutu içinde yazar; değerler birbirinin ve kırmızı yolun üstüne binmez; 100’den çok çizgisi olan bir vortanın değerleri kutuların altında kalır. Dışa aktarılan resim ve baskı da böyle çizilir. Adlar ve bu seçim ders dosyasına kaydedilir, geri alınabilir.&lt;/p&gt;</source>
        <translation>&lt;p&gt;You can name the boxes as a textbook does: Edit → “Box Names…” shows each box’s number and name in a table; double-click the name and type. “Name the Boxes with Letters” names every box A, B, …, Z, AA, AB, … in the order of their numbers. A name has 1 to 20 characters, differs from every other box’s name, and may not contain “(”, “)”, “-”, a line break or spaces at either end. An empty name brings the number back. The name takes the number’s place in the circle, in the path texts (the “Path” column, the best paths, the command line and CSV) and in the Solution Steps table; the edge table shows the numbers and gives the name as a tooltip. When the stage count or a box count changes, a box keeps its name as long as its column and its place in it remain.&lt;/p&gt;&lt;p&gt;View → “Show Values on the Lines” writes each line’s value on its own line, in a small white box, instead of in the column under the box; the values never cover each other and the red path never covers them; a stage of more than 100 lines keeps its values under the boxes. Exported pictures and prints are drawn the same way. The names and this choice are saved in the lesson file and can be undone.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Olmayan yollar, yapıştırmak</source>
        <translation>Roads that do not exist, pasting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Bir değer hücresine “-” yazmak (ya da hücrede Delete’e basmak) o yolu kaldırır: çizimde çizgisi olmaz, değer yığınında yerinde “-” durur, sonuç tablosu yalnızca bütün yolları var olan yolları listeler. Bir sayı yazmak yolu geri getirir; her değişiklik bir geri alma adımıdır. Hiç yol kalmazsa “Çiz” bunu söyler ve sonuç tablosu boş kalır.&lt;/p&gt;&lt;p&gt;Düzen → Yapıştır (Ctrl+V) panodaki değerleri (bir PDF’ten ya da bir hesap tablosu sütunundan kopyalanmış; sekme, boşluk, satır sonu ya da noktalı virgülle ayrılmış sayılar ve “-”) çizgi tablosunun seçili satırından başlayarak sırayla değer hücrelerine koyar; virgül ayırıcı değildir, “4,5” yazıldığı gibi yapışır. Yapıştırma tek adımda geri alınır. Sayı ya da “-” olmayan bir öğe ya da son yoldan sonraya taşan değerler varsa hiçbir şey değişmez ve ileti ilk sorunlu öğeyi söyler.&lt;/p&gt;&lt;p&gt;Komut satırında --solve önce “Mod: En Kısa Yol” ya da “Mod: En Uzun Yol” satırını yazar; --shortest en kısa, --longest en uzun yolu seçer; --all-best eşit toplamlı her en iyi yolu tablo sırasıyla bir “Yol:” satırında yazar (en çok 1000). Hiç yolu olmayan bir derste çıkış durumu 3’tür.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Typing “-” into a value cell (or pressing Delete on the cell) removes that road: it has no line in the drawing, its place in the value stack shows “-”, and the result table lists only the paths whose every road exists. Typing a number brings the road back; each change is one step of undo. When no path is left, “Draw” says so and the result table stays empty.&lt;/p&gt;&lt;p&gt;Edit → Paste (Ctrl+V) puts the values on the clipboard (copied from a PDF or a spreadsheet column; numbers and “-” separated by tabs, spaces, line breaks or semicolons) into the value cells one after the other, from the current row of the edge table on; a comma is no separator, so “4,5” pastes as typed. One undo takes the whole paste back. When an item is neither a number nor “-”, or the values run past the last road, nothing changes and the message names the first item at fault.&lt;/p&gt;&lt;p&gt;On the command line --solve first writes the line “Mod: …”, which names the mode solved; --shortest takes the shortest and --longest the longest path; --all-best writes every tied best path in table order on a “Yol:” line of its own (at most 1000). A lesson without any path ends with exit status 3.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LessonFile</name>
    <message>
        <location filename="../src/lesson/lessonreader.cpp" line="+34"/>
        <source>bir nesne kapanmıyor (&apos;}&apos; eksik)</source>
        <translation>an object is not closed (&apos;}&apos; missing)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alan adından sonra &apos;:&apos; eksik</source>
        <translation>&apos;:&apos; missing after a field name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bir liste kapanmıyor (&apos;]&apos; eksik)</source>
        <translation>a list is not closed (&apos;]&apos; missing)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iki değer arasında &apos;,&apos; eksik</source>
        <translation>&apos;,&apos; missing between two values</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>geçersiz bir değer</source>
        <translation>an invalid value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>metin bir sayının ortasında bitiyor</source>
        <translation>the text ends in the middle of a number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>geçersiz bir sayı</source>
        <translation>an invalid number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>geçersiz bir kaçış dizisi</source>
        <translation>an invalid escape sequence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>geçersiz UTF-8</source>
        <translation>invalid UTF-8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bir metin kapanmıyor (&apos;&quot;&apos; eksik)</source>
        <translation>a string is not closed (&apos;&quot;&apos; missing)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bir nesne bekleniyordu</source>
        <translation>an object was expected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iç içe geçme çok derin</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>belge çok büyük</source>
        <translation>the document is too large</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JSON bittikten sonra fazladan içerik var</source>
        <translation>there is more after the end of the JSON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JSON hatası</source>
        <translation>JSON error</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>satır %1, sütun %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>bir liste</source>
        <translation>a list</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bir nesne</source>
        <translation>an object</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hiçbir şey</source>
        <translation>nothing</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>bir stagepath ders dosyası değil (&quot;format&quot; alanı &quot;stagepath&quot; olmalı)</source>
        <translation>not a stagepath lesson file (the field &quot;format&quot; must be &quot;stagepath&quot;)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;version&quot; alanı 1 ya da daha büyük bir tam sayı olmalı, %1 değil</source>
        <translation>the field &quot;version&quot; must be a whole number of 1 or more, not %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dosyanın sürümü %1; bu programın açabildiği en yüksek sürüm %2</source>
        <translation>the file is of version %1; this program opens versions up to %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;boxes&quot; alanı en az bir kutu sayısı tutan bir liste olmalı</source>
        <translation>the field &quot;boxes&quot; must be a list of at least one box count</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;boxes&quot; listesinde %1 sütun var; vorta sayısı en çok %2 olabilir</source>
        <translation>the list &quot;boxes&quot; has %1 columns; the number of stages can be at most %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;boxes&quot; listesinin %1. öğesi (%2) 0 ile %3 arasında bir tam sayı olmalı</source>
        <translation>entry %1 of the list &quot;boxes&quot; (%2) must be a whole number from 0 to %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&quot;values&quot; alanı kenar değerlerini tutan bir liste olmalı</source>
        <translation>the field &quot;values&quot; must be a list of the edge values</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;values&quot; listesinde %1 değer var; kutu sayıları %2 kenar veriyor</source>
        <translation>the list &quot;values&quot; has %1 values; the box counts give %2 edges</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>&quot;%1&quot; alanı -%2 ile %2 arasında bir sayı olmalı, %3 değil</source>
        <translation>the field &quot;%1&quot; must be a number from -%2 to %2, not %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;penWidth&quot; alanı 1 ile %1 arasında bir sayı olmalı, %2 değil</source>
        <translation>the field &quot;penWidth&quot; must be a number from 1 to %1, not %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;circleSize&quot; alanı 10 ile 20 arasında bir tam sayı olmalı, %1 değil</source>
        <translation>the field &quot;circleSize&quot; must be a whole number from 10 to 20, not %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;%1&quot; alanı true ya da false olmalı, %2 değil</source>
        <translation>the field &quot;%1&quot; must be true or false, not %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&quot;generator&quot; alanı bir alıştırmanın seçeneklerini tutmalı (%1)</source>
        <translation>the key &quot;generator&quot; must hold the options of an exercise (%1)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>dosya %1 bayt; bir ders dosyası en çok %2 bayt (64 MiB) olabilir</source>
        <translation>the file has %1 bytes; a lesson file can have at most %2 bytes (64 MiB)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>JSON olarak okunamadı: %1 (%2)</source>
        <translation>it cannot be read as JSON: %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dosyanın en dışında bir JSON nesnesi ({ … }) olmalı</source>
        <translation>the file must hold one JSON object ({ … }) at its outermost level</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; açılamadı: %2.</source>
        <translation>&quot;%1&quot; cannot be opened: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bu bir klasör</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+8"/>
        <source>dosya okunamadı (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <location filename="../src/lesson/lessonwriter.cpp" line="+283"/>
        <source>dosya yazmak için açılamadı</source>
        <translation>the file cannot be opened for writing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>izin yok</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yeni dosya eskisinin yerine konamadı</source>
        <translation>the new file cannot take the old one&apos;s place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yazılamadı (disk dolu olabilir)</source>
        <translation>it cannot be written (the disk may be full)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; kaydedilemedi: %2. Dosya olduğu gibi kaldı.</source>
        <translation>&quot;%1&quot; cannot be saved: %2. The file is left as it was.</translation>
    </message>
    <message>
        <location filename="../src/lesson/lessonreader.cpp" line="-54"/>
        <source>&quot;recursion&quot; alanı &quot;forward&quot; ya da &quot;backward&quot; olmalı, %1 değil</source>
        <translation>the field &quot;recursion&quot; must be &quot;forward&quot; or &quot;backward&quot;, not %1</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>&quot;answers&quot; alanı bir nesne olmalı: &quot;path&quot; ve &quot;total&quot; metin, &quot;boxTotals&quot; kutu numarasından metne, &quot;revealedColumns&quot; bir tam sayı</source>
        <translation>the field &quot;answers&quot; must be an object: &quot;path&quot; and &quot;total&quot; texts, &quot;boxTotals&quot; from box numbers to texts, &quot;revealedColumns&quot; a whole number</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>&quot;names&quot; alanı her kutu için bir ad tutan bir liste olmalı (%1 kutu var)</source>
        <translation>&quot;names&quot; must be a list holding one name for each box (there are %1 boxes)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;names&quot; listesinin %1. öğesi (%2) bir metin olmalı</source>
        <translation>entry %1 of the &quot;names&quot; list (%2) must be a text</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;names&quot; listesinin %1. öğesi kullanılamaz: %2</source>
        <translation>entry %1 of the &quot;names&quot; list cannot be used: %2</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>&quot;values&quot; listesinin %1. öğesi (%2) bir sayı, metin ya da eksik yol için null olmalı</source>
        <translation>entry %1 of the list &quot;values&quot; (%2) must be a number, a text, or null for a missing road</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/app/common/errorfence.cpp" line="+20"/>
        <source>Bellek yetmedi; işlem yapılamadı. Pencere çalışmaya devam ediyor.</source>
        <translation>There was not enough memory, so the command was not done. The window goes on working.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beklenmeyen bir hata oluştu: %1.</source>
        <translation>An unexpected error occurred: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beklenmeyen bir hata oluştu.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
</context>
<context>
    <name>NewExercise</name>
    <message>
        <location filename="../src/lesson/exercisegenerator.cpp" line="+65"/>
        <source>Kutu sayılarının %1. öğesi (&quot;%2&quot;) 1 ile %3 arasında bir tam sayı olmalı.</source>
        <translation>Item %1 of the box counts (&quot;%2&quot;) must be a whole number from 1 to %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Kutu sayıları en az iki sütun vermeli (örneğin 1,3,3,2,1).</source>
        <translation>The box counts must give at least two columns (for example 1,3,3,2,1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kutu sayıları %1 sütun veriyor; vorta sayısı en çok %2 olabilir.</source>
        <translation>The box counts give %1 columns; there can be at most %2 stages.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kutu sayılarının %1. öğesi 1 ile %2 arasında olmalı.</source>
        <translation>Item %1 of the box counts must be from 1 to %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Kutu sayıları çok büyük: en çok %1 kutu ve %2 kenar olabilir.</source>
        <translation>The box counts are too large: there can be at most %1 boxes and %2 lines.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Değerler -%1 ile %1 arasında olmalı.</source>
        <translation>The values must be from -%1 to %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>En küçük değer (%1) en büyük değerden (%2) büyük olamaz.</source>
        <translation>The least value (%1) cannot be greater than the greatest value (%2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Eksik yolların payı 0 ile %1 arasında bir yüzde olmalı.</source>
        <translation>The share of missing roads must be a percentage from 0 to %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%%1 eksik yolla %2 kenardan hiçbir yol kalamaz; payı küçültün.</source>
        <translation>With %1% of the %2 lines missing no path can remain; make the share smaller.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bütün değerler eşitken (%1) bütün yollar eşit olur: tek bir en iyi yol olamaz. Değer aralığını genişletin.</source>
        <translation>With every value equal (%1) every path is equal: there cannot be one best path only. Widen the range of values.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>%1 denemede tek bir en iyi yolu olan bir alıştırma bulunamadı; değer aralığını genişletin ya da eksik yol payını değiştirin.</source>
        <translation>No exercise with one best path only was found in %1 attempts; widen the range of values or change the share of missing roads.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 denemede yolu olan bir alıştırma bulunamadı; eksik yol payını küçültün.</source>
        <translation>No exercise with a path was found in %1 attempts; make the share of missing roads smaller.</translation>
    </message>
</context>
<context>
    <name>PasteCommand</name>
    <message numerus="yes">
        <location filename="../src/lesson/pastecommand.cpp" line="+22"/>
        <source>%n değer yapıştırma</source>
        <translation>
            <numerusform>paste of %n value</numerusform>
            <numerusform>paste of %n values</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <location filename="../src/share/picturefile.cpp" line="+47"/>
        <source>Çizim PNG resmi için çok büyük (%1 × %2 piksel, en çok %3 piksel); SVG ya da PDF olarak kaydedin.</source>
        <translation>The drawing is too large for a PNG image (%1 × %2 pixels, at most %3 pixels); save it as SVG or PDF.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <location filename="../src/share/printout.cpp" line="+46"/>
        <location line="+94"/>
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location line="-94"/>
        <location line="+95"/>
        <source>En Uzun Yol</source>
        <translation>Longest Path</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Çizilecek yol yok.</source>
        <translation>There is no path to draw.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 — Toplam: %2</source>
        <translation>%1 — Total: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yol: %1</source>
        <translation>Path: %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Kenar tablosu</source>
        <translation>Edge table</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Sonuç tablosu</source>
        <translation>Result table</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>%1 (%2 satır)</source>
        <translation>%1 (%2 rows)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yalnızca ilk %1 satır yazdırıldı, %2 satır yazdırılmadı. Tablonun tamamı için: Dosya → Tabloyu Dışa Aktar (CSV).</source>
        <translation>Only the first %1 rows were printed; %2 rows were left out. For the whole table: File → Export Table (CSV).</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>alıştırma</source>
        <translation>exercise</translation>
    </message>
</context>
<context>
    <name>RankedPathTable</name>
    <message>
        <location filename="../src/solver/rankedpathtable.cpp" line="+68"/>
        <source>Sıra</source>
        <translation>Rank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toplam</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yol</source>
        <translation>Path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Satır</source>
        <translation>Row</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <location filename="../src/share/savedfile.cpp" line="+29"/>
        <source>&quot;%1&quot; yazılamadı: %2.</source>
        <translation>&quot;%1&quot; could not be written: %2.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>çıktı üretilemedi</source>
        <translation>the output could not be produced</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <location filename="../src/lesson/settingscommand.cpp" line="+26"/>
        <source>En Uzun Yol</source>
        <translation>Longest path</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>En Kısa Yol</source>
        <translation>Shortest path</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>X %1 → %2</source>
        <translation>X %1 → %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Y %1 → %2</source>
        <translation>Y %1 → %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>çizgi kalınlığı %1 → %2</source>
        <translation>pen width %1 → %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yuvarlak boyutu %1 → %2</source>
        <translation>circle size %1 → %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>çizgileri renklendir: açık</source>
        <translation>colour the lines: on</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>çizgileri renklendir: kapalı</source>
        <translation>colour the lines: off</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>özyineleme: Geri</source>
        <translation>recursion: backward</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>özyineleme: İleri</source>
        <translation>recursion: forward</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>alıştırma modu: açık</source>
        <translation>exercise mode: on</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>alıştırma modu: kapalı</source>
        <translation>exercise mode: off</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>alıştırma cevabı</source>
        <translation>exercise answer</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>değerler çizgilerde: açık</source>
        <translation>values on the lines: on</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>değerler çizgilerde: kapalı</source>
        <translation>values on the lines: off</translation>
    </message>
</context>
<context>
    <name>SolutionRunner</name>
    <message>
        <location filename="../src/app/tasks/solutionrunner.cpp" line="+39"/>
        <source>Bellek yetmedi; çözüm gösterilemiyor.</source>
        <translation>Out of memory; the solution cannot be shown.</translation>
    </message>
</context>
<context>
    <name>StageCountCommand</name>
    <message>
        <location filename="../src/lesson/stagecountcommand.cpp" line="+23"/>
        <source>vorta sayısı %1 → %2</source>
        <translation>number of stages %1 → %2</translation>
    </message>
</context>
<context>
    <name>StageTableau</name>
    <message>
        <location filename="../src/solver/stagetableau.cpp" line="+303"/>
        <source>: yol yok</source>
        <translation>: no path</translation>
    </message>
    <message>
        <location filename="../src/solver/stagetableautable.cpp" line="+79"/>
        <source>Kutu</source>
        <translation>Box</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>En iyi</source>
        <translation>Best</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seçilen</source>
        <translation>Chosen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>, … (%1 tane daha)</source>
        <translation>, … (%1 more)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Bu yol yok</source>
        <translation>This road does not exist</translation>
    </message>
</context>
<context>
    <name>StepTable</name>
    <message>
        <location filename="../src/solver/steptable.cpp" line="+92"/>
        <source>Kutu</source>
        <translation>Box</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sütun</source>
        <translation>Column</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En iyi toplam</source>
        <translation>Best total</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Önceki kutu</source>
        <translation>Previous box</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eşit yollar</source>
        <translation>Equal paths</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Sonraki kutu</source>
        <translation>Next box</translation>
    </message>
</context>
<context>
    <name>StepWalk</name>
    <message>
        <location filename="../src/app/stepsui/stepwalk.cpp" line="+105"/>
        <source>Adım 0 / %1: çizim olduğu gibi</source>
        <translation>Step 0 / %1: the drawing as it is</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Adım 1 / %1: 1. sütun, her kutunun toplamı 0</source>
        <translation>Step 1 / %1: column 1, every box&apos;s total is 0</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Adım %1 / %2: %3, %4. sütunun en iyi toplamları</source>
        <translation>Step %1 / %2: %3, the best totals of column %4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>; en iyi yol kırmızı</source>
        <translation>; the best path in red</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Adım 1 / %1: son sütun, her kutunun toplamı 0</source>
        <translation>Step 1 / %1: the last column, every box&apos;s total is 0</translation>
    </message>
</context>
<context>
    <name>StepsPrintout</name>
    <message>
        <location filename="../src/share/stepsprintout.cpp" line="+21"/>
        <source>Vorta tabloları</source>
        <translation>Stage tableaux</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Adım %1 — %2</source>
        <translation>Step %1 — %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> (ilk %1 komşu gösterildi)</source>
        <translation> (the first %1 neighbours shown)</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <location filename="../src/solver/validation.cpp" line="+37"/>
        <source>%1 için kutu sayısı 0: o sütunda hiç kutu yok, bu yüzden hiçbir yol yok.</source>
        <translation>%1 has 0 boxes: there is no box in that column, so there is no path at all.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Vorta Sayısı 0: tek bir kutu sütunu var, kutuları birleştiren çizgi yok; bu yüzden hiçbir yol yok.</source>
        <translation>The number of stages is 0: there is a single column of boxes and no line joins two boxes, so there is no path at all.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Değer sütununun %1. satırındaki değer bir sayı değil: &quot;%2&quot;.</source>
        <translation>The value in row %1 of the Value column is not a number: &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Bir yolun toplamı sayı sınırını aşıyor (taşma): %1.</source>
        <translation>The total of a path is beyond the largest number (overflow): %1.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>yaklaşık 10^%1</source>
        <translation>about 10^%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yol sayısı (%1) çok büyük: &quot;Hesaplama Yap&quot; en çok %2 yol listeleyebilir.</source>
        <translation>There are too many paths (%1): &quot;Calculate&quot; lists at most %2 paths.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Hiçbir yol yok: eksik yollar (&quot;-&quot;) yüzünden %1. sütundaki hiçbir kutuya ulaşılamıyor.</source>
        <translation>There is no path: because of the missing roads (&quot;-&quot;) no box of column %1 can be reached.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <location filename="../src/share/worksheet.cpp" line="+48"/>
        <source>Aşama %1: %2. sütunun kutuları, %3. sütundan geriye</source>
        <translation>Stage %1: the boxes of column %2, back from column %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kutu</source>
        <translation>Box</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>En iyi</source>
        <translation>Best</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Seçilen</source>
        <translation>Chosen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>En Uzun Yol: ilk sütundan son sütuna, toplamı en büyük olan yolu bulun.</source>
        <translation>Longest path: find the path from the first column to the last with the greatest total.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En Kısa Yol: ilk sütundan son sütuna, toplamı en küçük olan yolu bulun.</source>
        <translation>Shortest path: find the path from the first column to the last with the least total.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Çizgisi olmayan yol yoktur.</source>
        <translation>A road without a line does not exist.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>derste vorta yok: çalışma kâğıdı en az iki sütun ister.</source>
        <translation>the lesson has no stage: a worksheet needs at least two columns.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ders bir sayfaya sığmaz: çalışma kâğıdı en çok %1 sütun ve sütun başına %2 kutu alır.</source>
        <translation>the lesson does not fit a page: a worksheet takes at most %1 columns and %2 boxes a column.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1. kenarın değeri (&quot;%2&quot;) bir sayı değil.</source>
        <translation>the value of line %1 (&quot;%2&quot;) is not a number.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Bu derste ilk sütundan son sütuna giden yol yok.</source>
        <translation>This lesson has no path from the first column to the last.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>En iyi toplam: %1</source>
        <translation>Best total: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>… ve daha pek çok eşit yol.</source>
        <translation>… and many more tied paths.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>… ve %1 eşit yol daha.</source>
        <translation>… and %1 more tied paths.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Alıştırma %1 — Cevap Anahtarı</source>
        <translation>Exercise %1 — Answer Key</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Alıştırma %1</source>
        <translation>Exercise %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ad Soyad: ______________________</source>
        <translation>Name: ______________________</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tarih: ____________</source>
        <translation>Date: ____________</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>En iyi yol:</source>
        <translation>Best path:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eşit en iyi yollar:</source>
        <translation>Tied best paths:</translation>
    </message>
    <message>
        <location filename="../src/share/worksheetpdf.cpp" line="+232"/>
        <source>Cevap Anahtarı</source>
        <translation>Answer Key</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Çalışma Kâğıdı</source>
        <translation>Worksheet</translation>
    </message>
</context>
<context>
    <name>stagepath::BackgroundTask</name>
    <message>
        <location filename="../src/app/tasks/backgroundtask.cpp" line="+130"/>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
</context>
<context>
    <name>stagepath::BoxNameModel</name>
    <message>
        <location filename="../src/lesson/boxnamemodel.cpp" line="+75"/>
        <source>Kutu No</source>
        <translation>Box No</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ad</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>stagepath::ClipboardCopier</name>
    <message>
        <location filename="../src/app/shareui/clipboardcopier.cpp" line="+160"/>
        <source>Satırlar kopyalanıyor…</source>
        <translation>Copying the rows…</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Seçili %1 satırdan yalnızca ilk %2 satır kopyalandı. Tablonun tamamı için &quot;Tabloyu Dışa Aktar (CSV)…&quot; komutunu kullanın.</source>
        <translation>Only the first %2 of the %1 selected rows were copied. For the whole table use &quot;Export Table (CSV)…&quot;.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Çizim panoya kopyalanamayacak kadar büyük (%1 × %2 piksel, en çok %3 piksel). &quot;Çizimi Dışa Aktar…&quot; ile PNG, SVG ya da PDF olarak kaydedin.</source>
        <translation>The drawing is too large to copy to the clipboard (%1 × %2 pixels, at most %3 pixels). Save it as PNG, SVG or PDF with &quot;Export Drawing…&quot;.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Çizim kopyalanıyor…</source>
        <translation>Copying the drawing…</translation>
    </message>
</context>
<context>
    <name>stagepath::ColourLegend</name>
    <message>
        <location filename="../src/app/picture/colourlegend.cpp" line="+26"/>
        <source>en iyi yol (son adımda ve &quot;Çiz&quot;)</source>
        <translation>the best path (at the last step and after &quot;Draw&quot;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bir en iyi yol üzerindeki çizgiler (Tüm En İyi Yollar)</source>
        <translation>the lines on some best path (All Best Paths)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sonuç tablosunda seçili satırın yolu</source>
        <translation>the path of the row selected in the result table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bu adımda çözülen vorta</source>
        <translation>the stage this step solves</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seçilen yollar (tablodaki vurgulu hücreler)</source>
        <translation>the chosen roads (the marked cells of the tableau)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kutunun en iyi toplamı</source>
        <translation>the box&apos;s best total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kutular, çizgiler, kutu numaraları ve yol değerleri</source>
        <translation>boxes, lines, box numbers and road values</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zemin</source>
        <translation>background</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>“Çizgileri Renklendir” ile: her kutudan çıkan çizgiler kutunun sırasının renginde</source>
        <translation>with “Colour the lines”: the lines leaving a box in the colour of its place</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Renkler: </source>
        <translation>Colours: </translation>
    </message>
</context>
<context>
    <name>stagepath::EdgeTable</name>
    <message>
        <location filename="../src/model/edgetable.cpp" line="+131"/>
        <source>Değer</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kutu No</source>
        <translation>From box</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diğer Kutu</source>
        <translation>To box</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorta</source>
        <translation>Stage</translation>
    </message>
</context>
<context>
    <name>stagepath::ExerciseActions</name>
    <message>
        <location filename="../src/app/exerciseui/exerciseactions.cpp" line="+52"/>
        <source>Yeni Alıştırma…</source>
        <translation>New Exercise…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Çalışma Kâğıdı…</source>
        <translation>Worksheet…</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Alıştırma yapılamadı: bellek yetmedi.</source>
        <translation>The exercise could not be made: not enough memory.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+25"/>
        <source>Çalışma kâğıdı yazılamadı: %1</source>
        <translation>The worksheet could not be written: %1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>alistirma</source>
        <translation>exercise</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Çalışma Kâğıdını Kaydet</source>
        <translation>Save Worksheet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cevap Anahtarını Kaydet</source>
        <translation>Save Answer Key</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-cevaplar</source>
        <translation>-answers</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Çalışma kâğıdı ve cevap anahtarı aynı dosyaya (&quot;%1&quot;) yazılamaz.</source>
        <translation>The worksheet and the answer key cannot be written to the same file (&quot;%1&quot;).</translation>
    </message>
</context>
<context>
    <name>stagepath::ExerciseCheck</name>
    <message>
        <location filename="../src/solver/exercisecheck.cpp" line="+55"/>
        <source>Derste hiç sütun yok.</source>
        <translation>The lesson has no column.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Bir yolun toplamı sayı aralığının dışına çıkıyor.</source>
        <translation>The total of a path goes beyond the range of numbers.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>İlk sütunun kutularının en iyi toplamı 0&apos;dır.</source>
        <translation>The boxes of the first column have the best total 0.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bu kutuya var olan bir yol gelmiyor; en iyi toplamı &quot;-&quot; yazılır.</source>
        <translation>No existing road leads to this box; its best total is written &quot;-&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adaylar (önceki kutunun en iyi toplamı + yolun değeri):</source>
        <translation>Candidates (best total of the previous box + the road&apos;s value):</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 kutusundan: %2 + %3 = %4</source>
        <translation>from box %1: %2 + %3 = %4</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+181"/>
        <source>(en iyi)</source>
        <translation>(best)</translation>
    </message>
    <message>
        <location line="-177"/>
        <source>… ve %1 aday daha</source>
        <translation>… and %1 more candidates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En iyi toplam: %1</source>
        <translation>Best total: %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Yolu yazın ya da çizimde kutulara sırayla tıklayın.</source>
        <translation>Type the path, or click the boxes on the drawing in order.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yolun toplamını yazın.</source>
        <translation>Type the path&apos;s total.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; bir kutu değil: kutuları numarası ya da adıyla yazın.</source>
        <translation>&quot;%1&quot; is not a box: write the boxes by number or by name.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Yol her sütundan bir kutu geçmeli: yolun %1. kutusu (%2) %3. sütunda, %4. sütunda olmalıydı.</source>
        <translation>The path must pass one box per column: its box number %1 (%2) is in column %3; it should be in column %4.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Yol son sütuna varmıyor: %1 kutu var, her sütundan bir tane, %2 kutu olmalı.</source>
        <translation>The path does not reach the last column: it has %1 boxes; with one per column it needs %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Yolda fazla kutu var: %1 kutu yazıldı, sütun sayısı %2.</source>
        <translation>The path has too many boxes: %1 were written, and there are %2 columns.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 kutusundan %2 kutusuna yol yok (değeri &quot;-&quot;).</source>
        <translation>There is no road from box %1 to box %2 (its value is &quot;-&quot;).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Toplam &quot;%1&quot; bir sayı değil.</source>
        <translation>The total &quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Toplam yanlış: bu yolun değerlerinin toplamı %1, siz %2 yazdınız.</source>
        <translation>The total is wrong: the values of this path add up to %1; you wrote %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Doğru! Bu yol en iyi yol; toplamı %1. Başka en iyi yol yok.</source>
        <translation>Right! This path is the best path; its total is %1. There is no other best path.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doğru! Bu yol en iyi yollardan biri; toplamı %1. En iyi yol sayısı: %2.</source>
        <translation>Right! This path is one of the best paths; its total is %1. Number of best paths: %2.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>(sizin seçiminiz)</source>
        <translation>(your choice)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>… ve %1 seçenek daha</source>
        <translation>… and %1 more choices</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>en büyük</source>
        <translation>greatest</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>en küçük</source>
        <translation>least</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toplam doğru (%1), ama bu yol en iyi değil. Yol 1. sütunda ayrılıyor: hiçbir en iyi yol %2 kutusundan başlamıyor. Her başlangıç kutusundan varılabilecek %3 toplam: %4.</source>
        <translation>The total is right (%1), but this path is not a best one. It leaves them in column 1: no best path starts at box %2. The %3 total that can be reached from each starting box: %4.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Toplam doğru (%1), ama bu yol en iyi değil. Yol %2. sütunda bütün en iyi yollardan ayrılıyor. %3 kutusundan sonra seçenekler ve her biriyle varılabilecek %4 toplam: %5.</source>
        <translation>The total is right (%1), but this path is not a best one. In column %2 it leaves every best path. The choices after box %3, each with the %4 total it can still reach: %5.</translation>
    </message>
</context>
<context>
    <name>stagepath::ExerciseMode</name>
    <message>
        <location filename="../src/app/exerciseui/exercisemode.cpp" line="+171"/>
        <source>Alıştırma Modu</source>
        <translation>Exercise Mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cevabı gizler: yolu ve toplamları siz bulursunuz, pencere kontrol eder.</source>
        <translation>Hides the answer: you find the path and the totals, the window checks them.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kontrol Et</source>
        <translation>Check</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonraki Sütunu Göster</source>
        <translation>Show Next Column</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cevabı Göster</source>
        <translation>Show Answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alıştırma</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>En iyi yolu bulun. Çizimde kutulara ilk sütundan son sütuna sırayla tıklayın ya da kutuları yazın (örneğin 1-4-7). Geri tuşu son kutuyu siler. Kutuların en iyi toplamlarını Çözüm Adımları penceresine (F6) yazabilirsiniz.</source>
        <translation>Find the best path. Click the boxes on the drawing in order from the first column to the last, or type them (for example 1-4-7). Backspace takes the last box off. You can type the boxes&apos; best totals in the Solution Steps window (F6).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>örneğin 1-4-7</source>
        <translation>for example 1-4-7</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yolun toplamı</source>
        <translation>the path&apos;s total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yol</source>
        <translation>Path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toplam</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sonuç</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>Bütün sütunların toplamları gösterildi.</source>
        <translation>The totals of every column are shown.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Yol son sütuna vardı; %1 kutusu eklenmedi.</source>
        <translation>The path has reached the last column; box %1 was not added.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 kutusu %2. sütunda; yolun sıradaki kutusu %3. sütundan olmalı.</source>
        <translation>Box %1 is in column %2; the path&apos;s next box must be from column %3.</translation>
    </message>
    <message>
        <location line="-191"/>
        <source>Yol:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toplam:</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>stagepath::HelpMenu</name>
    <message>
        <location filename="../src/app/help/helpmenu.cpp" line="+31"/>
        <source>Yardım Konuları</source>
        <translation>Help Contents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En Kısa Yol Hakkında</source>
        <translation>About Shortest Path</translation>
    </message>
</context>
<context>
    <name>stagepath::HelpWindow</name>
    <message>
        <location filename="../src/app/help/helpwindow.cpp" line="+32"/>
        <source>En Kısa Yol — Yardım</source>
        <translation>Shortest Path — Help</translation>
    </message>
</context>
<context>
    <name>stagepath::HistoryActions</name>
    <message>
        <location filename="../src/app/lessonui/historyactions.cpp" line="+70"/>
        <source>Geri Al</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yinele</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>stagepath::LanguageMenu</name>
    <message>
        <location filename="../src/app/platform/languagemenu.cpp" line="+74"/>
        <source>Dil</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>stagepath::LessonFiles</name>
    <message>
        <location filename="../src/app/lessonui/lessonfiles.cpp" line="+118"/>
        <source>Yeni</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aç…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Son Açılanlar</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Kaydet</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Farklı Kaydet…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Çıkış</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dersteki değişiklikler kaydedilsin mi?</source>
        <translation>Save the changes to the lesson?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; dersindeki değişiklikler kaydedilsin mi?</source>
        <translation>Save the changes to the lesson &quot;%1&quot;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kaydedilmezse değişiklikler kaybolur.</source>
        <translation>The changes are lost if they are not saved.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kaydetme</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Ders Aç</source>
        <translation>Open Lesson</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Dersi Farklı Kaydet</source>
        <translation>Save Lesson As</translation>
    </message>
    <message>
        <location line="-163"/>
        <location line="+225"/>
        <source>&quot;%1&quot; açılamadı: bellek yetmedi.</source>
        <translation>&quot;%1&quot; cannot be opened: not enough memory.</translation>
    </message>
    <message>
        <location line="-202"/>
        <source>&quot;%1&quot; kaydedilemedi: bellek yetmedi.</source>
        <translation>&quot;%1&quot; cannot be saved: not enough memory.</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Ders açılıyor…</source>
        <translation>Opening the lesson…</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Ders kaydediliyor…</source>
        <translation>Saving the lesson…</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>stagepath dersleri (*.%1)</source>
        <translation>stagepath lessons (*.%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tüm dosyalar (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Adsız</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>stagepath::LessonPrinter</name>
    <message>
        <location filename="../src/app/shareui/lessonprinter.cpp" line="+51"/>
        <source>Baskı hazırlanıyor…</source>
        <translation>Preparing the printout…</translation>
    </message>
</context>
<context>
    <name>stagepath::MainWindow</name>
    <message>
        <location filename="../src/app/window/mainwindow.cpp" line="+228"/>
        <source>En Kısa Yol :: stagepath ekibi</source>
        <translation>Shortest Path :: the stagepath team</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>Dosya</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Düzen</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Görünüm</source>
        <translation>View</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alıştırma</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yardım</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/app/window/clientarea.cpp" line="+141"/>
        <source>Vorta Sayısı :</source>
        <translation>Stages :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tekrar Çiz</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>X :</source>
        <translation>X :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Y :</source>
        <translation>Y :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Çizgi Kalınlığı :</source>
        <translation>Pen width :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yuvarlak Boyutu :</source>
        <translation>Circle size :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Çizgileri Renklendir</source>
        <translation>Colour the lines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hesaplama Yap</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <location filename="../src/app/lessonui/pathlisting.cpp" line="+89"/>
        <location filename="../src/app/window/clientarea.cpp" line="+1"/>
        <source>En Kısa Yol</source>
        <translation>Shortest path</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/app/window/clientarea.cpp" line="+1"/>
        <source>En Uzun Yol</source>
        <translation>Longest path</translation>
    </message>
    <message>
        <location filename="../src/app/window/clientarea.cpp" line="+1"/>
        <source>Çiz</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Vortalar</source>
        <translation>Stages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Çizim</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yatay kaydırma</source>
        <translation>Horizontal scrolling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dikey kaydırma</source>
        <translation>Vertical scrolling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorta sekmeleri</source>
        <translation>Stage tabs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kenarlar</source>
        <translation>Lines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vortanın kenarları</source>
        <translation>Lines of one stage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yollar</source>
        <translation>Paths</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonuçlar</source>
        <translation>Results</translation>
    </message>
    <message>
        <location filename="../src/app/lessonui/settingcontrols.cpp" line="+151"/>
        <source>%1 aralığı %2 ile %3 arasında bir sayı olmalı; önceki değer (%4) kullanılıyor.</source>
        <translation>%1 spacing must be a number from %2 to %3; the previous value (%4) is used.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Çizgi Kalınlığı 1 ile %1 arasında bir sayı olmalı; önceki değer (%2) kullanılıyor.</source>
        <translation>Pen width must be a number from 1 to %1; the previous value (%2) is used.</translation>
    </message>
    <message>
        <location filename="../src/app/common/windowmessages.cpp" line="+44"/>
        <source>En Kısa Yol</source>
        <comment>the program&apos;s name</comment>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location filename="../src/app/lessonui/settingcontrols.cpp" line="-38"/>
        <source>Tablolar değiştirilmedi.</source>
        <translation>The tables were not changed.</translation>
    </message>
    <message>
        <location filename="../src/app/lessonui/pathlisting.cpp" line="-49"/>
        <source>Listelenen yollar değiştirilmedi.</source>
        <translation>The listed paths were not changed.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Çizilecek yol yok.</source>
        <translation>There is no path to draw.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Toplam: %1</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>stagepath::NewExerciseDialog</name>
    <message>
        <location filename="../src/app/exerciseui/newexercisedialog.cpp" line="+78"/>
        <source>Yeni Alıştırma</source>
        <translation>New Exercise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kutu sayıları:</source>
        <translation>Box counts:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Her sütunun kutu sayısı, virgülle ayrılmış: 1,3,3,2,1</source>
        <translation>The box count of each column, separated by commas: 1,3,3,2,1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Değerler (en küçük, en büyük):</source>
        <translation>Values (least, greatest):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En küçük değer</source>
        <translation>Least value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En büyük değer</source>
        <translation>Greatest value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eksik yollar:</source>
        <translation>Missing roads:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tek bir en iyi yol</source>
        <translation>One best path only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mod:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En Kısa Yol</source>
        <translation>Shortest path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En Uzun Yol</source>
        <translation>Longest path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tohum:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aynı seçenekler ve aynı tohum her bilgisayarda aynı alıştırmayı verir.</source>
        <translation>The same options and the same seed give the same exercise on every computer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Tohum (&quot;%1&quot;) 0 ile 18446744073709551615 arasında bir tam sayı olmalı.</source>
        <translation>The seed (&quot;%1&quot;) must be a whole number from 0 to 18446744073709551615.</translation>
    </message>
</context>
<context>
    <name>stagepath::PictureExport</name>
    <message>
        <location filename="../src/app/shareui/pictureexport.cpp" line="+30"/>
        <source>PNG resmi (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG resmi, iki kat (2×) (*.png)</source>
        <translation>PNG image, double size (2×) (*.png)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG çizimi (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF belgesi (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Çizimi Dışa Aktar</source>
        <translation>Export Drawing</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&quot;%1&quot; için resim türü bilinmiyor: dosya adı .png, .svg ya da .pdf ile bitmeli.</source>
        <translation>The kind of picture for &quot;%1&quot; is unknown: the file name must end in .png, .svg or .pdf.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Çizim yazılıyor…</source>
        <translation>Writing the drawing…</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>PNG resmi, baskı görünümü (*.png)</source>
        <translation>PNG image, print look (*.png)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG çizimi, baskı görünümü (*.svg)</source>
        <translation>SVG drawing, print look (*.svg)</translation>
    </message>
</context>
<context>
    <name>stagepath::PictureViewport</name>
    <message>
        <location filename="../src/app/picture/pictureviewport.cpp" line="+40"/>
        <source>Yakınlaştır</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uzaklaştır</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal Boyut (%100)</source>
        <translation>Actual Size (100%)</translation>
    </message>
</context>
<context>
    <name>stagepath::ResultTable</name>
    <message>
        <location filename="../src/solver/resulttable.cpp" line="+19"/>
        <location line="+17"/>
        <source>Toplam</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+17"/>
        <source>Yol</source>
        <translation>Path</translation>
    </message>
</context>
<context>
    <name>stagepath::ShareActions</name>
    <message>
        <location filename="../src/app/shareui/shareactions.cpp" line="+32"/>
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>En Kısa Yol — %1</source>
        <translation>Shortest Path — %1</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Çizimi Dışa Aktar…</source>
        <translation>Export Drawing…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tabloyu Dışa Aktar (CSV)…</source>
        <translation>Export Table (CSV)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yazdır…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kopyala</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ders</source>
        <translation>lesson</translation>
    </message>
</context>
<context>
    <name>stagepath::SolutionStepsWindow</name>
    <message>
        <location filename="../src/app/stepsui/solutionstepswindow.cpp" line="+125"/>
        <source>Çözüm Adımları</source>
        <translation>Solution Steps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>İlk</source>
        <translation>First</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Geri</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>İleri</source>
        <translation>Forward</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Son</source>
        <translation>Last</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>İlk adım: 1. sütun</source>
        <translation>First step: column 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Önceki adım</source>
        <translation>Previous step</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonraki adım: bir vorta daha</source>
        <translation>Next step: one more stage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Son adım: bütün sütunlar ve en iyi yol</source>
        <translation>Last step: every column and the best path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En iyi yollar, gösterilecek sayı:</source>
        <translation>Best paths, how many to show:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kutuların en iyi toplamları</source>
        <translation>Best totals of the boxes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En iyi yollar</source>
        <translation>Best paths</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bir yola çift tıklayın: sonuç tablosunda satırı seçilir ve yol mavi çizilir.</source>
        <translation>Double-click a path: its row is selected in the result table and the path is drawn in blue.</translation>
    </message>
    <message>
        <location line="+161"/>
        <source>Hesaplanıyor…</source>
        <translation>Working it out…</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+7"/>
        <source>En Uzun Yol</source>
        <translation>Longest path</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+7"/>
        <source>En Kısa Yol</source>
        <translation>Shortest path</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Çözülecek kutu yok.</source>
        <translation>There are no boxes to solve.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: bu grafikte yol yok.</source>
        <translation>%1: this graph has no path.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 — en iyi toplam: %2, bu toplamı veren yol sayısı: %3</source>
        <translation>%1 — best total: %2, paths with this total: %3</translation>
    </message>
    <message>
        <location line="-173"/>
        <source>Özyineleme:</source>
        <translation>Recursion:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>İleri</source>
        <comment>recursion</comment>
        <translation>Forward</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Geri</source>
        <comment>recursion</comment>
        <translation>Backward</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>İleri: 1. sütundan her kutuya en iyi toplam. Geri: her kutudan son sütuna en iyi toplam; adımlar son sütundan sola doğru gider.</source>
        <translation>Forward: the best total from column 1 to each box. Backward: the best total from each box to the last column; the steps go from the last column leftwards.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Yazdır</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Çizimi ve her vortanın tablosunu yazdırır (önce önizleme).</source>
        <translation>Prints the drawing and every stage&apos;s tableau (preview first).</translation>
    </message>
    <message>
        <location line="+163"/>
        <source>%1 — en iyi toplam son adımda</source>
        <translation>%1 — the best total at the last step</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 — alıştırma: her kutunun en iyi toplamını &quot;En iyi toplam&quot; sütununa yazın.</source>
        <translation>%1 — exercise: type each box&apos;s best total in the &quot;Best total&quot; column.</translation>
    </message>
</context>
<context>
    <name>stagepath::SolutionViews</name>
    <message>
        <location filename="../src/app/stepsui/solutionviews.cpp" line="+139"/>
        <source>Çözüm Adımları</source>
        <translation>Solution Steps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dinamik programı adım adım, en iyi yolları sıralı gösterir.</source>
        <translation>Shows the dynamic program step by step and the best paths in order.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tüm En İyi Yollar</source>
        <translation>All Best Paths</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bir en iyi yol üzerindeki her çizgiyi turuncu çizer.</source>
        <translation>Draws every line that lies on a best path in orange.</translation>
    </message>
    <message>
        <location line="+209"/>
        <source>Çözüm adımları</source>
        <translation>Solution steps</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Çözüm adımları — %1</source>
        <translation>Solution steps — %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Baskı hazırlanıyor…</source>
        <translation>Preparing the printout…</translation>
    </message>
</context>
<context>
    <name>stagepath::StageNavigation</name>
    <message>
        <location filename="../src/app/lessonui/stagenavigation.cpp" line="+33"/>
        <source>Sonraki Vorta</source>
        <translation>Next Stage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Önceki Vorta</source>
        <translation>Previous Stage</translation>
    </message>
</context>
<context>
    <name>stagepath::StageTable</name>
    <message>
        <location filename="../src/model/stagetable.cpp" line="+29"/>
        <source>%1.Vorta</source>
        <translation>Stage %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tümü</source>
        <translation>All</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Vorta Sayısı en çok %1 olabilir.</source>
        <translation>The number of stages can be at most %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vorta Sayısı 0 ya da daha büyük bir tam sayı olmalı.</source>
        <translation>The number of stages must be a whole number, 0 or more.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Bütün sütunlardaki kutuların toplamı en çok %1 olabilir (istenen: %2).</source>
        <translation>All columns together can hold at most %1 boxes (asked for: %2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Çizgi sayısı (Değer / Kutu No / Diğer Kutu / Vorta tablosunun satırları) en çok %1 olabilir (istenen: %2).</source>
        <translation>The number of lines (rows of the Value / From box / To box / Stage table) can be at most %1 (asked for: %2).</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Vorta</source>
        <translation>Boxes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sayı</source>
        <translation>Stage</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 için kutu sayısı en çok %2 olabilir: &quot;%3&quot; kabul edilmedi.</source>
        <translation>The number of boxes of %1 can be at most %2: &quot;%3&quot; was not accepted.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 için kutu sayısı 0 ya da daha büyük bir tam sayı olmalı: &quot;%2&quot; kabul edilmedi.</source>
        <translation>The number of boxes of %1 must be a whole number, 0 or more: &quot;%2&quot; was not accepted.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 için kutu sayısı &quot;%2&quot; kabul edilmedi. %3</source>
        <translation>The number of boxes &quot;%2&quot; for %1 was not accepted. %3</translation>
    </message>
</context>
<context>
    <name>stagepath::TableExport</name>
    <message>
        <location filename="../src/app/shareui/tableexport.cpp" line="+35"/>
        <source>Sonuç tablosu, CSV (*.csv)</source>
        <translation>Result table, CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kenar tablosu, CSV (*.csv)</source>
        <translation>Edge table, CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tabloyu Dışa Aktar</source>
        <translation>Export Table</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>-yollar</source>
        <translation>-paths</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+2"/>
        <source>-kenarlar</source>
        <translation>-edges</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sonuç tablosu yazılıyor…</source>
        <translation>Writing the result table…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Kenar tablosu yazılıyor…</source>
        <translation>Writing the edge table…</translation>
    </message>
</context>
<context>
    <name>stagepath::TableauPanel</name>
    <message>
        <location filename="../src/app/stepsui/tableaupanel.cpp" line="+75"/>
        <location line="+23"/>
        <source> / %1</source>
        <translation> / %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Komşu sayfası:</source>
        <translation>Neighbour page:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Komşu sütun bir sayfaya sığmıyor: her sayfa %1 kutu gösterir; &quot;En iyi&quot; ve &quot;Seçilen&quot; bütün komşuları tartar.</source>
        <translation>The neighbouring column does not fit on one page: each page shows %1 boxes; &quot;Best&quot; and &quot;Chosen&quot; weigh every neighbour.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vorta tablosu: her adayın toplamı</source>
        <translation>Stage tableau: every candidate&apos;s total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yineleme bağıntısı</source>
        <translation>Recurrence</translation>
    </message>
</context>
<context>
    <name>stagepath::TextbookActions</name>
    <message>
        <location filename="../src/app/lessonui/textbookactions.cpp" line="+67"/>
        <source>Kutu Adları…</source>
        <translation>Box Names…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kutuları Harflerle Adlandır</source>
        <translation>Name the Boxes with Letters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Değerleri Çizgilerde Göster</source>
        <translation>Show Values on the Lines</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Kutu Adları</source>
        <translation>Box Names</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bir kutuya ad vermek için adına çift tıklayın ya da yazmaya başlayın. Bir ad en çok %1 karakterdir; &quot;(&quot;, &quot;)&quot; ve &quot;-&quot; içeremez. Boş ad kutunun numarasını gösterir.</source>
        <translation>To name a box, double-click its name or start typing. A name has at most %1 characters and may not contain &quot;(&quot;, &quot;)&quot; or &quot;-&quot;. An empty name shows the box&apos;s number.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Harflerle Adlandır</source>
        <translation>Name with Letters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adları Sil</source>
        <translation>Remove the Names</translation>
    </message>
</context>
<context>
    <name>stagepath::ValueEditing</name>
    <message>
        <location filename="../src/app/lessonui/valueediting.cpp" line="+45"/>
        <source>Yapıştır</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Panoda yapıştırılacak değer yok.</source>
        <translation>The clipboard holds no values to paste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Yapıştırılamadı: panodaki &quot;%1&quot; bir sayı ya da &quot;-&quot; değil. Hiçbir değer değiştirilmedi.</source>
        <translation>Nothing was pasted: &quot;%1&quot; on the clipboard is neither a number nor &quot;-&quot;. No value was changed.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Yapıştırılamadı: panoda %1 değer var, seçili satırdan sonra %2 yol var; &quot;%3&quot; ve sonrası için yol yok. Hiçbir değer değiştirilmedi.</source>
        <translation>Nothing was pasted: the clipboard holds %1 values, the table has %2 roads from the current row on; there is no road for &quot;%3&quot; and what follows. No value was changed.</translation>
    </message>
</context>
<context>
    <name>stagepath::WindowFit</name>
    <message>
        <location filename="../src/app/window/windowfit.cpp" line="+73"/>
        <source>Düzeni Pencereye Yay</source>
        <translation>Fit Layout to Window</translation>
    </message>
</context>
</TS>
