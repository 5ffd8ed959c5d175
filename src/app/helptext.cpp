// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helptext.h"

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
