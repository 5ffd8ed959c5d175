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
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+33"/>
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
        <location line="+1"/>
        <source>Dersin kendi seçimi yerine en uzun yolu alır (--solve ve --export için).</source>
        <translation>Takes the longest path instead of the lesson&apos;s own mode (for --solve and --export).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dersin kendi seçimi yerine en kısa yolu alır (--solve ve --export için).</source>
        <translation>Takes the shortest path instead of the lesson's own choice (for --solve and --export).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--solve ile: eşit toplamlı her en iyi yol için, tablo sırasıyla bir &quot;Yol: …&quot; satırı (en çok 1000).</source>
        <translation>With --solve: one &quot;Yol: …&quot; line for every tied best path, in table order (at most 1000).</translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location line="+2"/>
        <source>Açılacak ders dosyası (.stagepath).</source>
        <translation>The lesson file to open (.stagepath).</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Yalnızca bir ders dosyası açılabilir.</source>
        <translation>Only one lesson file can be opened.</translation>
    </message>
    <message>
        <location line="+5"/>
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
        <location line="+2"/>
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
        <location filename="../src/app/helptext.cpp" line="+43"/>
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
        <location line="+7"/>
        <source>“Çiz”in ardındaki fikir: dinamik programlama</source>
        <translation>The idea behind “Draw”: dynamic programming</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Bütün yolları tek tek toplamak yerine her kutu için o kutuya ulaşan en iyi toplam bulunur, sütun sütun. 1. sütundaki kutuların toplamı 0’dır. Sonraki sütundaki bir kutunun en iyi toplamı, önceki sütunun her kutusunun en iyi toplamına aradaki çizginin değeri eklenerek bulunan toplamların en küçüğüdür (En Uzun Yol için en büyüğü). Son sütunda en iyi toplamı olan kutudan geriye, her adımda bu toplamı veren kutu izlenerek yol bulunur.&lt;/p&gt;&lt;p&gt;Böylece iş çizgi sayısı kadardır, yol sayısı kadar değil: milyonlarca yol olsa da yanıt hemen gelir. “Hesaplama Yap” ise bütün yolları listeler; tabloda seçilen satır aynı toplamı gösterir. Toplamları eşit yollardan tabloda önce geleni seçilir.&lt;/p&gt;&lt;p&gt;Görünüm menüsündeki “Çözüm Adımları” (F6) bunu adım adım gösterir: tabloda her kutunun en iyi toplamı, bu toplamı veren önceki kutu ve o kutuya bu toplamla ulaşan yol sayısı (“Eşit yollar”) durur. “İleri” her adımda bir sütun daha çözer: çizimde çözülen kutuların en iyi toplamı yuvarlaklarının sağ üstüne yazılır, bakılan vortanın çizgileri ve her kutunun seçtiği çizgi renklenir; son adımda en iyi yol “Çiz”deki gibi kırmızıyla çizilir. Alttaki tablo en iyi yolları sıralar; bir yola çift tıklayınca satırı sonuç tablosunda seçilir. Sonuç tablosunda seçilen satırın yolu çizimde maviyle, “Tüm En İyi Yollar” seçiliyse bir en iyi yol üzerindeki bütün çizgiler turuncuyla gösterilir.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Instead of adding up every path one by one, the best total that reaches each box is found, column by column. The boxes of column 1 have the total 0. The best total of a box in the next column is the least of the best totals of the boxes in the column before, each plus the value of the line from there (the greatest, for the longest path). From the box of the last column with the best total, the path is found by going back, at each step to the box that gave that total.&lt;/p&gt;&lt;p&gt;So the work grows with the number of lines, not with the number of paths: even with millions of paths the answer comes at once. “Calculate”, on the other hand, lists every path; the row selected in the table shows the same total. Of paths with equal totals, the one that comes first in the table is chosen.&lt;/p&gt;&lt;p&gt;“Solution Steps” (F6) in the View menu shows this step by step: its table gives every box’s best total, the box before it that gives this total and how many paths reach the box with it (“Equal paths”). “Forward” solves one more column at each step: on the drawing the best totals of the solved boxes are written at the top right of their circles, and the lines of the stage being looked at and the line each box chose are coloured; at the last step the best path is drawn in red, as “Draw” draws it. The table below ranks the best paths; double-click one to select its row in the result table. The path of the row selected in the result table is drawn in blue, and with “All Best Paths” every line on a best path is drawn in orange.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
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
        <source>Olmayan yollar, yapıştırmak</source>
        <translation>Roads that do not exist, pasting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Bir değer hücresine “-” yazmak (ya da hücrede Delete’e basmak) o yolu kaldırır: çizimde çizgisi olmaz, değer yığınında yerinde “-” durur, sonuç tablosu yalnızca bütün yolları var olan yolları listeler. Bir sayı yazmak yolu geri getirir; her değişiklik bir geri alma adımıdır. Hiç yol kalmazsa “Çiz” bunu söyler ve sonuç tablosu boş kalır.&lt;/p&gt;&lt;p&gt;Düzen → Yapıştır (Ctrl+V) panodaki değerleri (bir PDF’ten ya da bir hesap tablosu sütunundan kopyalanmış; sekme, boşluk, satır sonu ya da noktalı virgülle ayrılmış sayılar ve “-”) çizgi tablosunun seçili satırından başlayarak sırayla değer hücrelerine koyar; virgül ayırıcı değildir, “4,5” yazıldığı gibi yapışır. Yapıştırma tek adımda geri alınır. Sayı ya da “-” olmayan bir öğe ya da son yoldan sonraya taşan değerler varsa hiçbir şey değişmez ve ileti ilk sorunlu öğeyi söyler.&lt;/p&gt;&lt;p&gt;Komut satırında --solve önce “Mod: En Kısa Yol” ya da “Mod: En Uzun Yol” satırını yazar; --shortest en kısa, --longest en uzun yolu seçer; --all-best eşit toplamlı her en iyi yolu tablo sırasıyla bir “Yol:” satırında yazar (en çok 1000). Hiç yolu olmayan bir derste çıkış durumu 3’tür.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Typing “-” into a value cell (or pressing Delete on the cell) removes that road: it has no line in the drawing, its place in the value stack shows “-”, and the result table lists only the paths whose every road exists. Typing a number brings the road back; each change is one step of undo. When no path is left, “Draw” says so and the result table stays empty.&lt;/p&gt;&lt;p&gt;Edit → Paste (Ctrl+V) puts the values on the clipboard (copied from a PDF or a spreadsheet column; numbers and “-” separated by tabs, spaces, line breaks or semicolons) into the value cells one after the other, from the current row of the edge table on; a comma is no separator, so “4,5” pastes as typed. One undo takes the whole paste back. When an item is neither a number nor “-”, or the values run past the last road, nothing changes and the message names the first item at fault.&lt;/p&gt;&lt;p&gt;On the command line --solve first writes the line “Mod: …”, which names the mode solved; --shortest takes the shortest and --longest the longest path; --all-best writes every tied best path in table order on a “Yol:” line of its own (at most 1000). A lesson without any path ends with exit status 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
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
</context>
<context>
    <name>LessonFile</name>
    <message>
        <location filename="../src/lesson/lessonreader.cpp" line="+33"/>
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
        <location line="+47"/>
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
        <location line="+31"/>
        <source>&quot;values&quot; listesinin %1. öğesi (%2) bir sayı, metin ya da eksik yol için null olmalı</source>
        <translation>entry %1 of the list &quot;values&quot; (%2) must be a number, a text, or null for a missing road</translation>
    </message>
    <message>
        <location line="+37"/>
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
        <location line="+11"/>
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
        <location filename="../src/lesson/lessonwriter.cpp" line="+182"/>
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
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>En Uzun Yol</source>
        <translation>Longest Path</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location line="+35"/>
        <source>Kenar tablosu</source>
        <translation>Edge table</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Sonuç tablosu</source>
        <translation>Result table</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>%1 (%2 satır)</source>
        <translation>%1 (%2 rows)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yalnızca ilk %1 satır yazdırıldı, %2 satır yazdırılmadı. Tablonun tamamı için: Dosya → Tabloyu Dışa Aktar (CSV).</source>
        <translation>Only the first %1 rows were printed; %2 rows were left out. For the whole table: File → Export Table (CSV).</translation>
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
        <location line="+2"/>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
</context>
<context>
    <name>SolutionRunner</name>
    <message>
        <location filename="../src/app/solutionrunner.cpp" line="+30"/>
        <source>Bellek yetmedi; çözüm gösterilemiyor.</source>
        <translation>Out of memory; the solution cannot be shown.</translation>
    </message>
</context>
<context>
    <name>StageCountCommand</name>
    <message>
        <location filename="../src/lesson/stagecountcommand.cpp" line="+22"/>
        <source>vorta sayısı %1 → %2</source>
        <translation>number of stages %1 → %2</translation>
    </message>
</context>
<context>
    <name>StepTable</name>
    <message>
        <location filename="../src/solver/steptable.cpp" line="+70"/>
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
        <location line="+1"/>
        <source>Önceki kutu</source>
        <translation>Previous box</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eşit yollar</source>
        <translation>Equal paths</translation>
    </message>
</context>
<context>
    <name>StepWalk</name>
    <message>
        <location filename="../src/app/stepwalk.cpp" line="+56"/>
        <source>Adım 0 / %1: çizim olduğu gibi</source>
        <translation>Step 0 / %1: the drawing as it is</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adım 1 / %1: 1. sütun, her kutunun toplamı 0</source>
        <translation>Step 1 / %1: column 1, every box&apos;s total is 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adım %1 / %2: %3, %4. sütunun en iyi toplamları</source>
        <translation>Step %1 / %2: %3, the best totals of column %4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>; en iyi yol kırmızı</source>
        <translation>; the best path in red</translation>
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
        <location line="+24"/>
        <source>Hiçbir yol yok: eksik yollar (&quot;-&quot;) yüzünden %1. sütundaki hiçbir kutuya ulaşılamıyor.</source>
        <translation>There is no path: because of the missing roads (&quot;-&quot;) no box of column %1 can be reached.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>yaklaşık 10^%1</source>
        <translation>about 10^%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yol sayısı (%1) çok büyük: &quot;Hesaplama Yap&quot; en çok %2 yol listeleyebilir.</source>
        <translation>There are too many paths (%1): &quot;Calculate&quot; lists at most %2 paths.</translation>
    </message>
</context>
<context>
    <name>stagepath::BackgroundTask</name>
    <message>
        <location filename="../src/app/backgroundtask.cpp" line="+61"/>
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
    <name>stagepath::CopyCommand</name>
    <message>
        <location filename="../src/app/copycommand.cpp" line="+160"/>
        <source>Satırlar kopyalanıyor…</source>
        <translation>Copying the rows…</translation>
    </message>
    <message>
        <location line="+24"/>
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
    <name>stagepath::EdgeTable</name>
    <message>
        <location filename="../src/model/edgetable.cpp" line="+114"/>
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
    <name>stagepath::FileWork</name>
    <message>
        <location filename="../src/app/filework.cpp" line="+63"/>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>stagepath::HelpMenu</name>
    <message>
        <location filename="../src/app/helpmenu.cpp" line="+31"/>
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
        <location filename="../src/app/helpwindow.cpp" line="+32"/>
        <source>En Kısa Yol — Yardım</source>
        <translation>Shortest Path — Help</translation>
    </message>
</context>
<context>
    <name>stagepath::HistoryActions</name>
    <message>
        <location filename="../src/app/historyactions.cpp" line="+64"/>
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
        <location filename="../src/app/languagemenu.cpp" line="+74"/>
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
        <location filename="../src/app/lessonfiles.cpp" line="+110"/>
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
        <location line="+27"/>
        <source>Kaydet</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Farklı Kaydet…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Çıkış</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location line="+19"/>
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
        <location line="+29"/>
        <source>Dersi Farklı Kaydet</source>
        <translation>Save Lesson As</translation>
    </message>
    <message>
        <location line="-157"/>
        <location line="+205"/>
        <source>&quot;%1&quot; açılamadı: bellek yetmedi.</source>
        <translation>&quot;%1&quot; cannot be opened: not enough memory.</translation>
    </message>
    <message>
        <location line="-182"/>
        <source>&quot;%1&quot; kaydedilemedi: bellek yetmedi.</source>
        <translation>&quot;%1&quot; cannot be saved: not enough memory.</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>Ders açılıyor…</source>
        <translation>Opening the lesson…</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Ders kaydediliyor…</source>
        <translation>Saving the lesson…</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>stagepath dersleri (*.%1)</source>
        <translation>stagepath lessons (*.%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tüm dosyalar (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>stagepath::MainWindow</name>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="+364"/>
        <source>En Kısa Yol :: stagepath ekibi</source>
        <translation>Shortest Path :: the stagepath team</translation>
    </message>
    <message>
        <location line="-202"/>
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
        <source>Yardım</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
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
        <location line="+1"/>
        <location line="+491"/>
        <source>En Kısa Yol</source>
        <translation>Shortest path</translation>
    </message>
    <message>
        <location line="-490"/>
        <location line="+490"/>
        <source>En Uzun Yol</source>
        <translation>Longest path</translation>
    </message>
    <message>
        <location line="-489"/>
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
        <location line="+89"/>
        <source>%1 aralığı %2 ile %3 arasında bir sayı olmalı; önceki değer (%4) kullanılıyor.</source>
        <translation>%1 spacing must be a number from %2 to %3; the previous value (%4) is used.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Çizgi Kalınlığı 1 ile %1 arasında bir sayı olmalı; önceki değer (%2) kullanılıyor.</source>
        <translation>Pen width must be a number from 1 to %1; the previous value (%2) is used.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Bellek yetmedi; işlem yapılamadı. Pencere çalışmaya devam ediyor.</source>
        <translation>There was not enough memory, so the command was not done. The window goes on working.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beklenmeyen bir hata oluştu: %1.</source>
        <translation>An unexpected error occurred: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beklenmeyen bir hata oluştu.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>En Kısa Yol</source>
        <comment>the program&apos;s name</comment>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Tablolar değiştirilmedi.</source>
        <translation>The tables were not changed.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Listelenen yollar değiştirilmedi.</source>
        <translation>The listed paths were not changed.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Çizilecek yol yok.</source>
        <translation>There is no path to draw.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Toplam: %1</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>stagepath::PictureExport</name>
    <message>
        <location filename="../src/app/pictureexport.cpp" line="+30"/>
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
        <location line="+1"/>
        <source>Çizimi Dışa Aktar</source>
        <translation>Export Drawing</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot; için resim türü bilinmiyor: dosya adı .png, .svg ya da .pdf ile bitmeli.</source>
        <translation>The kind of picture for &quot;%1&quot; is unknown: the file name must end in .png, .svg or .pdf.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Çizim yazılıyor…</source>
        <translation>Writing the drawing…</translation>
    </message>
</context>
<context>
    <name>stagepath::PictureViewport</name>
    <message>
        <location filename="../src/app/pictureviewport.cpp" line="+40"/>
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
    <name>stagepath::PrintCommand</name>
    <message>
        <location filename="../src/app/printcommand.cpp" line="+39"/>
        <source>Baskı hazırlanıyor…</source>
        <translation>Preparing the printout…</translation>
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
        <location filename="../src/app/shareactions.cpp" line="+30"/>
        <source>En Kısa Yol</source>
        <translation>Shortest Path</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>En Kısa Yol — %1</source>
        <translation>Shortest Path — %1</translation>
    </message>
    <message>
        <location line="+43"/>
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
        <location filename="../src/app/solutionstepswindow.cpp" line="+113"/>
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
        <location line="+98"/>
        <source>Hesaplanıyor…</source>
        <translation>Working it out…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>En Uzun Yol</source>
        <translation>Longest path</translation>
    </message>
    <message>
        <location line="+0"/>
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
        <location line="+2"/>
        <source>%1 — en iyi toplam: %2, bu toplamı veren yol sayısı: %3</source>
        <translation>%1 — best total: %2, paths with this total: %3</translation>
    </message>
</context>
<context>
    <name>stagepath::SolutionViews</name>
    <message>
        <location filename="../src/app/solutionviews.cpp" line="+81"/>
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
</context>
<context>
    <name>stagepath::StageNavigation</name>
    <message>
        <location filename="../src/app/stagenavigation.cpp" line="+33"/>
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
        <location filename="../src/app/tableexport.cpp" line="+35"/>
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
    <name>stagepath::ValueEditing</name>
    <message>
        <location filename="../src/app/valueediting.cpp" line="+45"/>
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
</TS>
