// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

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
