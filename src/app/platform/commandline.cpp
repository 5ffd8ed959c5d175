// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace stagepath {

namespace {

// The translation context of the command line's texts.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString solveOption = QStringLiteral("solve");
const QString longestOption = QStringLiteral("longest");
const QString shortestOption = QStringLiteral("shortest");
const QString allBestOption = QStringLiteral("all-best");
const QString pictureOption = QStringLiteral("export-picture");
const QString resultsOption = QStringLiteral("export-results");
const QString edgesOption = QStringLiteral("export-edges");
const QString newExerciseOption = QStringLiteral("new-exercise");
const QString boxesOption = QStringLiteral("boxes");
const QString valuesOption = QStringLiteral("values");
const QString missingOption = QStringLiteral("missing");
const QString uniqueOption = QStringLiteral("unique");
const QString seedOption = QStringLiteral("seed");
const QString worksheetOption = QStringLiteral("worksheet");
const QString keyOption = QStringLiteral("key");

} // namespace

void buildCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        CommandLine::tr("En Kısa Yol: aşamalı bir grafikte en kısa ve en uzun yol.\n\n"
                        "--solve ya da bir --export seçeneğiyle pencere açılmaz: ders dosyası okunur, istenen yazılır "
                        "ve program biter (ekran gerekmez). Hata olursa standart hataya tek satırlık bir ileti yazılır, "
                        "çıkış durumu 1 olur ve yarım dosya kalmaz. Eksik yollar (\"-\") yüzünden hiç yolu olmayan "
                        "bir derste --solve çıkış durumu 3 ile biter."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QString out = QStringLiteral("OUT");
    parser.addOptions({
        {solveOption, CommandLine::tr("En iyi yolu \"Mod: …\", \"Toplam: …\" ve \"Yol: …\" satırları olarak yazar.")},
        {longestOption, CommandLine::tr("Dersin kendi seçimi yerine en uzun yolu alır (--solve ve --export için).")},
        {shortestOption, CommandLine::tr("Dersin kendi seçimi yerine en kısa yolu alır (--solve ve --export için).")},
        {allBestOption, CommandLine::tr("--solve ile: eşit toplamlı her en iyi yol için, tablo sırasıyla bir \"Yol: …\" "
                                        "satırı (en çok 1000).")},
        {pictureOption, CommandLine::tr("Çizimi, en iyi yol kırmızı, OUT dosyasına yazar: .png, .svg ya da .pdf."), out},
        {resultsOption, CommandLine::tr("Sonuç tablosunun bütün yollarını OUT dosyasına CSV olarak yazar."), out},
        {edgesOption, CommandLine::tr("Kenar tablosunu OUT dosyasına CSV olarak yazar."), out},
        {newExerciseOption, CommandLine::tr("Yeni bir alıştırmayı OUT ders dosyasına yazar ve \"Seed: N\" yazar."),
         out},
        {boxesOption, CommandLine::tr("Alıştırmanın kutu sayıları, örneğin 1,3,3,2,1."), QStringLiteral("LIST")},
        {valuesOption, CommandLine::tr("Alıştırmanın tam sayı değerleri, örneğin 1..20."), QStringLiteral("MIN..MAX")},
        {missingOption, CommandLine::tr("Eksik yolların yüzdesi, 0 ile 60 arası (0 varsayılan)."),
         QStringLiteral("PERCENT")},
        {uniqueOption, CommandLine::tr("Alıştırmada tek bir en iyi yol olur.")},
        {seedOption, CommandLine::tr("Alıştırmanın tohumu; verilmezse yeni bir tohum seçilir."), QStringLiteral("N")},
        {worksheetOption, CommandLine::tr("Derslerin çalışma kâğıdını OUT.pdf dosyasına yazar, her alıştırma bir sayfa."),
         QStringLiteral("OUT.pdf")},
        {keyOption, CommandLine::tr("--worksheet ile cevap anahtarını KEY.pdf dosyasına yazar."),
         QStringLiteral("KEY.pdf")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"), CommandLine::tr("Açılacak ders dosyası (.stagepath)."),
                                 QStringLiteral("[FILE]"));
}

CommandLineRequest readCommandLine(const QCommandLineParser &parser)
{
    CommandLineRequest request;
    const QStringList files = parser.positionalArguments();
    BatchRequest &batch = request.batch;
    batch.solve = parser.isSet(solveOption);
    batch.longest = parser.isSet(longestOption);
    batch.shortest = parser.isSet(shortestOption);
    batch.allBest = parser.isSet(allBestOption);
    batch.picture = parser.value(pictureOption);
    batch.results = parser.value(resultsOption);
    batch.edges = parser.value(edgesOption);
    batch.newExercise = parser.value(newExerciseOption);
    batch.unique = parser.isSet(uniqueOption);
    batch.worksheet = parser.value(worksheetOption);
    batch.key = parser.value(keyOption);
    for (auto [option, text] : {std::pair{&boxesOption, &batch.boxes}, std::pair{&valuesOption, &batch.values},
                                std::pair{&missingOption, &batch.missing}, std::pair{&seedOption, &batch.seed}}) {
        if (parser.isSet(*option))
            *text = parser.value(*option);
    }
    if (!batch.worksheet.isEmpty() || !batch.newExercise.isEmpty()) {
        // The exercises' own rules are checked where they are done (share/exercisebatch.cpp).
        batch.lessonFiles = files;
        for (const QString &option : {newExerciseOption, worksheetOption, keyOption, pictureOption, resultsOption,
                                      edgesOption}) {
            if (parser.isSet(option) && parser.value(option).isEmpty())
                request.problem = CommandLine::tr("--%1 seçeneği bir dosya adı ister.").arg(option);
        }
        if (request.problem.isEmpty() && !batch.key.isEmpty() && batch.worksheet.isEmpty())
            request.problem = CommandLine::tr("--key yalnızca --worksheet ile kullanılır.");
        return request;
    }
    for (const QString &option : {boxesOption, valuesOption, missingOption, seedOption, uniqueOption, keyOption}) {
        if (parser.isSet(option)) {
            request.problem = CommandLine::tr("--%1 yalnızca --new-exercise ya da --worksheet ile kullanılır.").arg(option);
            return request;
        }
    }
    if (files.size() > 1)
        request.problem = CommandLine::tr("Yalnızca bir ders dosyası açılabilir.");
    else if (!files.isEmpty())
        request.lessonFile = batch.lessonFile = files.constFirst();
    for (const QString &option : {pictureOption, resultsOption, edgesOption}) {
        if (parser.isSet(option) && parser.value(option).isEmpty())
            request.problem = CommandLine::tr("--%1 seçeneği bir dosya adı ister.").arg(option);
    }
    if (!request.problem.isEmpty())
        return request;
    if (batch.isBatch() && files.isEmpty())
        request.problem = CommandLine::tr("--solve ve --export seçenekleri bir ders dosyası ister.");
    else if (batch.longest && !batch.isBatch())
        request.problem = CommandLine::tr("--longest yalnızca --solve ya da bir --export seçeneğiyle kullanılır.");
    else if (batch.shortest && !batch.isBatch())
        request.problem = CommandLine::tr("--shortest yalnızca --solve ya da bir --export seçeneğiyle kullanılır.");
    else if (batch.shortest && batch.longest)
        request.problem = CommandLine::tr("--shortest ve --longest birlikte kullanılamaz.");
    else if (batch.allBest && !batch.solve)
        request.problem = CommandLine::tr("--all-best yalnızca --solve ile kullanılır.");
    return request;
}

} // namespace stagepath
