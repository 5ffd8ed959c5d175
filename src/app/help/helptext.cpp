// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/help/helptext.h"

#include "model/inputlimits.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace stagepath {

namespace {

// The translation context of the help texts.
class HelpText
{
    Q_DECLARE_TR_FUNCTIONS(HelpText)
};

// Counts and limits as a person reads them: grouped by the locale ("50.000.000").
QString grouped(qint64 number)
{
    return QLocale().toString(number);
}

QString section(const QString &title, const QString &body)
{
    return QStringLiteral("<h3>%1</h3>%2").arg(title, body);
}

QString limitRow(const QString &what, const QString &limit)
{
    return QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>").arg(what, limit);
}

QString limitsTable()
{
    using namespace limits;
    const QString range = QStringLiteral("%1 … %2");
    const QString rows = limitRow(HelpText::tr("Vorta Sayısı"), range.arg(grouped(0), grouped(maxStageCount)))
                         + limitRow(HelpText::tr("Bir sütundaki kutular"), range.arg(grouped(0), grouped(maxBoxesPerColumn)))
                         + limitRow(HelpText::tr("Bütün sütunlardaki kutular"), grouped(maxBoxes))
                         + limitRow(HelpText::tr("Çizgiler (Değer / Kutu No / Diğer Kutu / Vorta tablosunun satırları)"), grouped(maxEdges))
                         + limitRow(HelpText::tr("Hesaplama Yap ile listelenen yollar"), grouped(maxListedPaths))
                         + limitRow(HelpText::tr("X ve Y aralığı (piksel)"),
                                    range.arg(grouped(-qint64(maxSpacing)), grouped(qint64(maxSpacing))))
                         + limitRow(HelpText::tr("Çizgi Kalınlığı"), range.arg(grouped(1), grouped(maxPenWidth)));
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(rows);
}

} // namespace

QString helpPageHtml()
{
    const QStringList sections{
        QStringLiteral("<h2>%1</h2>").arg(HelpText::tr("En Kısa Yol — Yardım")),
        section(HelpText::tr("Bu program ne yapar?"),
                HelpText::tr("<p>Vortalara ayrılmış bir grafikte ilk kutu sütunundan son kutu sütununa giden "
                   "en kısa ve en uzun yolu bulur, grafiği çizer ve bütün yolları listeler. "
                   "Dinamik programlamayı derste göstermek için yapılmıştır.</p>")),
        section(HelpText::tr("Vorta ve kutu"),
                HelpText::tr("<p>Grafik kutu sütunlarından oluşur. Bir vorta, iki komşu sütun arasındaki adımdır: "
                   "1.Vorta 1. sütunu 2. sütuna bağlar. Vorta Sayısı N ise grafikte N+1 sütun vardır. "
                   "Bir sütunun her kutusu sonraki sütunun her kutusuna bir çizgiyle bağlıdır; her çizginin "
                   "0 ile 1000 arasında rastgele bir değeri vardır. Kutular sütun sütun, her sütunda yukarıdan "
                   "aşağıya 1, 2, 3, … diye numaralanır.</p>"
                   "<p>Soldaki tabloda her satır bir kutu sütunudur: “Vorta” sütununda kutu sayısı, “Sayı” "
                   "sütununda sütunun adı durur. Kutu sayısını değiştirmek için hücreye çift tıklayın ya da "
                   "F2’ye basın; bütün çizgi değerleri yeniden çekilir. Vorta Sayısı’nın her değişikliği her "
                   "şeyi baştan kurar: her sütun 3 kutuya döner.</p>")),
        section(HelpText::tr("Tablolar"),
                HelpText::tr("<p>“Değer / Kutu No / Diğer Kutu / Vorta” tablosunda her çizgi bir satırdır: değeri, "
                   "soldaki kutunun numarası, sağdaki kutunun numarası ve vortası. Bir değeri hücresinde "
                   "değiştirebilirsiniz. Üstteki sekmelerden “Tümü” bütün çizgileri, “1.Vorta” ve ötekiler "
                   "yalnız o vortanın çizgilerini gösterir; Ctrl+PgDown ve Ctrl+PgUp ya da sekmelerin "
                   "üzerinde fare tekerleği sekmeler arasında gezdirir.</p>"
                   "<p>“Hesaplama Yap” her yolu alttaki tabloya yazar: her vortadaki çizginin değeri, "
                   "“Toplam” ve “Yol”. Yol, kutu numaralarını ve aralarında ayraç içinde çizgi değerlerini "
                   "gösterir: 1 (12) 4 (5) 7, 1. kutudan 12 değerli çizgiyle 4. kutuya, oradan 5 değerli "
                   "çizgiyle 7. kutuya gider.</p>")),
        section(HelpText::tr("Çizim"),
                HelpText::tr("<p>Her kutu, içinde numarasıyla bir yuvarlaktır. Bir kutudan çıkan çizgilerin değerleri "
                   "o kutunun altında alt alta yazılır. “Çizgileri Renklendir” seçiliyse bir kutudan çıkan "
                   "çizgiler kutunun sütundaki sırasına göre renklenir. “Çiz”, “En Kısa Yol” ya da “En Uzun "
                   "Yol” seçimine göre en iyi yolu bulur, tabloda seçer ve çizimde kırmızıyla gösterir.</p>"
                   "<p>Fare tekerleği çizimi yukarı aşağı, Shift ile birlikte sağa sola kaydırır. "
                   "Görünüm menüsü çizimi %50 ile %400 arasında büyütür ya da küçültür (Ctrl++, Ctrl+-, "
                   "Ctrl+0).</p>")),
        section(HelpText::tr("Kutu adları ve çizgilerdeki değerler"),
                HelpText::tr("<p>Ders kitaplarındaki gibi kutulara ad verebilirsiniz: Düzen → “Kutu Adları…” her "
                   "kutunun numarasını ve adını bir tabloda gösterir; adına çift tıklayıp yazın. “Kutuları "
                   "Harflerle Adlandır” bütün kutulara numara sırasıyla A, B, …, Z, AA, AB, … adlarını verir. "
                   "Bir ad 1 ile 20 karakter arasındadır, her kutuda başkadır; “(”, “)”, “-”, satır sonu ve "
                   "başta ya da sonda boşluk içeremez. Boş ad kutunun numarasını geri getirir. Ad, yuvarlağın "
                   "içinde, yol metinlerinde (“Yol” sütunu, en iyi yollar, komut satırı ve CSV) ve Çözüm "
                   "Adımları tablosunda numaranın yerine geçer; çizgi tablosu numaraları gösterir, adı ipucu "
                   "olarak verir. Vorta Sayısı ya da kutu sayısı değişince bir kutu, sütunu ve sırası "
                   "durdukça adını korur.</p>"
                   "<p>Görünüm → “Değerleri Çizgilerde Göster” her çizginin değerini kutunun altındaki "
                   "sütun yerine kendi çizgisinin üstüne, beyaz küçük bir kutu içinde yazar; değerler "
                   "birbirinin ve kırmızı yolun üstüne binmez; 100’den çok çizgisi olan bir vortanın "
                   "değerleri kutuların altında kalır. Dışa aktarılan resim ve baskı da böyle "
                   "çizilir. Adlar ve bu seçim ders dosyasına kaydedilir, geri alınabilir.</p>")),
        section(HelpText::tr("“Çiz”in ardındaki fikir: dinamik programlama"),
                HelpText::tr("<p>Bütün yolları tek tek toplamak yerine her kutu için o kutuya ulaşan en iyi toplam "
                   "bulunur, sütun sütun. 1. sütundaki kutuların toplamı 0’dır. Sonraki sütundaki bir kutunun "
                   "en iyi toplamı, önceki sütunun her kutusunun en iyi toplamına aradaki çizginin değeri "
                   "eklenerek bulunan toplamların en küçüğüdür (En Uzun Yol için en büyüğü). Son sütunda en "
                   "iyi toplamı olan kutudan geriye, her adımda bu toplamı veren kutu izlenerek yol "
                   "bulunur.</p>"
                   "<p>Böylece iş çizgi sayısı kadardır, yol sayısı kadar değil: milyonlarca yol olsa da "
                   "yanıt hemen gelir. “Hesaplama Yap” ise bütün yolları listeler; tabloda seçilen satır "
                   "aynı toplamı gösterir. Toplamları eşit yollardan tabloda önce geleni seçilir.</p>"
                   "<p>Görünüm menüsündeki “Çözüm Adımları” (F6) bunu adım adım gösterir: tabloda her kutunun "
                   "en iyi toplamı, bu toplamı veren önceki kutu ve o kutuya bu toplamla ulaşan yol sayısı "
                   "(“Eşit yollar”) durur. “İleri” her adımda bir sütun daha çözer: çizimde çözülen kutuların "
                   "en iyi toplamı yuvarlaklarının sağ üstüne yazılır, bakılan vortanın çizgileri ve her "
                   "kutunun seçtiği çizgi renklenir; son adımda en iyi yol “Çiz”deki gibi kırmızıyla çizilir. "
                   "Alttaki tablo en iyi yolları sıralar; bir yola çift tıklayınca satırı sonuç tablosunda "
                   "seçilir. Sonuç tablosunda seçilen satırın yolu çizimde maviyle, “Tüm En İyi Yollar” "
                   "seçiliyse bir en iyi yol üzerindeki bütün çizgiler turuncuyla gösterilir.</p>")),
        section(HelpText::tr("Vorta tablosu: ileri ve geri özyineleme"),
                HelpText::tr("<p>“Çözüm Adımları” penceresinde “Özyineleme” iki yönden birini seçer. “İleri”: f(s), 1. "
                   "sütundan s kutusuna en iyi toplamdır; adımlar 1. sütundan sağa gider. “Geri” (ders kitaplarının "
                   "çoğunun yolu): f(s), s kutusundan son sütuna en iyi toplamdır; adımlar son sütundan sola gider "
                   "ve adımlar tablosunun dördüncü sütunu “Sonraki kutu” olur. İki yön de “Çiz” ile aynı en iyi "
                   "toplamı, aynı eşit yol sayısını ve aynı yolu verir. Seçim ayarlarda hatırlanır ve derse "
                   "kaydedilir.</p>"
                   "<p>Vorta tablosu bu adımın sütununu bir ders kitabı gibi gösterir: her kutu bir satır; komşu "
                   "sütunun her kutusu bir sütun; hücrede o adayın toplamı (yol değeri + komşunun en iyi toplamı, "
                   "ipucunda “yol + en iyi”), yol yoksa ya da komşuya hiç yol ulaşmıyorsa “-”; ardından “En iyi” ve "
                   "en iyiyi veren bütün komşular (“Seçilen”). Seçilen hücreler kalın ve yeşil zeminlidir; aynı "
                   "seçimler çizimde yeşil çizilir. Tablonun üstünde seçili satırın bağıntısı sayılarıyla yazılır, "
                   "ör. f(4) = min{ f(2) + 7, f(3) + 1 } = min{ 9, 5 } = 5. Komşu sütun çok kutuluysa komşular "
                   "sayfa sayfa gösterilir.</p>"
                   "<p>Adımlar cevabı önceden vermez: son adıma kadar başlıkta en iyi toplam yoktur, adımlar "
                   "tablosunda yalnız çözülen sütunlar doludur, en iyi yollar listesi boştur ve çizimde kırmızı ya "
                   "da turuncu yol çizilmez. Son adımda hepsi gösterilir; pencere kapanınca çizim eski haline "
                   "döner. Pencerenin altındaki satır çizimdeki her rengin anlamını söyler. “Yazdır” çizimi ve "
                   "her vortanın tablosunu yazdırır (önce önizleme).</p>")),
        section(HelpText::tr("Öğrenciler için: alıştırma"),
                HelpText::tr("<p>Alıştırma menüsünde “Alıştırma Modu”nu açın (öğretmeniniz bir dersi alıştırma olarak "
                   "da verebilir). Bu modda cevap gizlidir: “Çiz” ve “Hesaplama Yap” kapalıdır, hiçbir yerde en "
                   "iyi toplam ya da en iyi yol görünmez. Değerler ve çizim durur; “-” değerli bir çizgi, var "
                   "olmayan bir yoldur.</p>"
                   "<p>Sağdaki Alıştırma panelinde “Yol” kutusuna yolunuzu yazın: her sütundan bir kutu, ilk "
                   "sütundan son sütuna, numarası ya da adıyla, aralarında “-” ya da boşluk (1-4-7). Çizimde "
                   "kutulara sırayla tıklayarak da kurabilirsiniz; yanlış sütundan bir kutuya tıklarsanız "
                   "pencere söyler. Geri tuşu son kutuyu siler. “Toplam” kutusuna yolun toplamını yazın ve "
                   "“Kontrol Et”e basın.</p>"
                   "<p>Cevap doğruysa kaç en iyi yol olduğunu da öğrenirsiniz. Yanlışsa ilk sorun söylenir: "
                   "yol her sütundan bir kutu geçmiyor, yolda var olmayan bir çizgi var, toplam yolun "
                   "değerlerinin toplamı değil (doğru toplam yazılır) ya da yol en iyi değil: yolun bütün en "
                   "iyi yollardan ayrıldığı sütun ve orada karşılaştırılan seçenekler gösterilir.</p>"
                   "<p>Çözüm Adımları penceresinde (F6) her kutunun en iyi toplamını “En iyi toplam” "
                   "sütununa yazabilirsiniz. “Kontrol Et” doğru toplamları yeşil, yanlışları kırmızı yapar; "
                   "kırmızı bir hücrenin üzerinde durunca o kutuya gelen adaylar görünür. Takılırsanız "
                   "“Sonraki Sütunu Göster” bir sütunun toplamlarını doldurur; “Cevabı Göster” alıştırmayı "
                   "bitirir ve “Çiz” gibi en iyi yolu gösterir.</p>"
                   "<p>Cevaplarınız dersle birlikte kaydedilir ve Geri Al ile geri alınır: dosyayı "
                   "öğretmeninize verebilirsiniz.</p>")),
        section(HelpText::tr("Dışa aktarmak, yazdırmak, kopyalamak"),
                HelpText::tr("<p>Dosya menüsünde “Çizimi Dışa Aktar…” bütün çizimi, işaretliyse kırmızı yolla birlikte, "
                   "%100 boyutta PNG (bir ya da iki kat), SVG ya da PDF olarak kaydeder; türünü dosya adının "
                   "uzantısı belirler. “Tabloyu Dışa Aktar (CSV)…” sonuç tablosunu bütün satırlarıyla ya da "
                   "çizgi tablosunu bir hesap tablosunun açabileceği bir CSV dosyasına yazar; sayılar ondalık "
                   "noktayla yazılır. Uzun süren bir dışa aktarma iptal edilebilir; yarım dosya kalmaz. "
                   "“Yazdır…” önce baskı önizlemesini açar: ilk sayfada çizim ve en iyi yol, ardından tablolar "
                   "(uzun bir tablonun ilk satırları).</p>"
                   "<p>Düzen → Kopyala (Ctrl+C) odaktaki tablonun seçili satırlarını başlıklarıyla birlikte, bir "
                   "hesap tablosuna sütun sütun yapışacak biçimde kopyalar; çizgi tablolarında Shift ve Ctrl ile "
                   "birden çok satır, Ctrl+A ile hepsi seçilir (en çok 100.000 satır kopyalanır). Odak bir "
                   "tabloda değilse bütün çizim resim olarak kopyalanır.</p>"
                   "<p>Pencere açmadan, komut satırından: <code>stagepath --solve ders.stagepath</code> en iyi "
                   "yolu yazar; --export-picture, --export-results ve --export-edges dosyaları yazar "
                   "(ayrıntılar: <code>stagepath --help</code>).</p>")),
        section(HelpText::tr("Alıştırmalar ve çalışma kâğıtları"),
                HelpText::tr("<p>Alıştırma → “Yeni Alıştırma…” kutu sayılarından (örneğin 1,3,3,2,1), tam sayı "
                   "değerlerin aralığından, eksik yolların payından (%0–60), “Tek bir en iyi yol” seçiminden, "
                   "moddan ve bir tohumdan yeni bir ders yapar. Aynı seçenekler ve aynı tohum her bilgisayarda "
                   "aynı alıştırmayı verir; tohum ve seçenekler ders dosyasına kaydedilir.</p>"
                   "<p>Alıştırma → “Çalışma Kâğıdı…” açık dersin çalışma kâğıdını (numarası, değerleri "
                   "çizgilerinin yanında çizim, mod, her vorta için boş bir tablo, ad ve tarih satırları) ve "
                   "cevap anahtarını (en iyi toplam, eşit en iyi yolların hepsi, doldurulmuş tablolar) iki PDF "
                   "dosyasına yazar. Komut satırından: <code>stagepath --new-exercise ders.stagepath --boxes "
                   "1,3,3,2,1 --values 1..20 --seed 42</code> ve <code>stagepath --worksheet kagit.pdf --key "
                   "cevap.pdf ders1.stagepath ders2.stagepath</code>.</p>")),
        section(HelpText::tr("Olmayan yollar, yapıştırmak"),
                HelpText::tr("<p>Bir değer hücresine “-” yazmak (ya da hücrede Delete’e basmak) o yolu kaldırır: "
                   "çizimde çizgisi olmaz, değer yığınında yerinde “-” durur, sonuç tablosu yalnızca bütün "
                   "yolları var olan yolları listeler. Bir sayı yazmak yolu geri getirir; her değişiklik bir "
                   "geri alma adımıdır. Hiç yol kalmazsa “Çiz” bunu söyler ve sonuç tablosu boş kalır.</p>"
                   "<p>Düzen → Yapıştır (Ctrl+V) panodaki değerleri (bir PDF’ten ya da bir hesap tablosu "
                   "sütunundan kopyalanmış; sekme, boşluk, satır sonu ya da noktalı virgülle ayrılmış sayılar "
                   "ve “-”) çizgi tablosunun seçili satırından başlayarak sırayla değer hücrelerine koyar; "
                   "virgül ayırıcı değildir, “4,5” yazıldığı gibi yapışır. Yapıştırma tek adımda geri alınır. "
                   "Sayı ya da “-” olmayan bir öğe ya da son yoldan sonraya taşan değerler varsa hiçbir şey "
                   "değişmez ve ileti ilk sorunlu öğeyi söyler.</p>"
                   "<p>Komut satırında --solve önce “Mod: En Kısa Yol” ya da “Mod: En Uzun Yol” satırını yazar; "
                   "--shortest en kısa, --longest en uzun yolu seçer; --all-best eşit toplamlı her en iyi yolu "
                   "tablo sırasıyla bir “Yol:” satırında yazar (en çok 1000). Hiç yolu olmayan bir derste çıkış "
                   "durumu 3’tür.</p>")),
        section(HelpText::tr("Sınırlar"),
                HelpText::tr("<p>Pencereyi dondurmayacak ya da belleği tüketmeyecek bir girdi kabul edilir; "
                   "sınırı aşan bir girdi, neyin aştığı söylenerek geri çevrilir.</p>")
                    + limitsTable()),
    };
    return sections.join(QString());
}

QString aboutHtml()
{
    return QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p><p>%5</p>")
        .arg(HelpText::tr("En Kısa Yol"), HelpText::tr("Sürüm %1").arg(QStringLiteral(STAGEPATH_VERSION)),
             HelpText::tr("Vortalara ayrılmış bir grafikte en kısa ve en uzun yolu bulan, çizen ve bütün yolları "
                "listeleyen bir ders aracı."),
             HelpText::tr("Lisans: GNU Genel Kamu Lisansı, sürüm 3 ya da (isteğinize göre) daha sonraki bir sürüm "
                "(GPL-3.0-or-later). Hiçbir garanti verilmez."),
             HelpText::tr("Kullandığı kütüphane: Qt %1 (derlendiği sürüm %2), LGPL-3.0 lisansıyla.")
                 .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)));
}

} // namespace stagepath
