#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace stagepath {

void buildCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "En Kısa Yol: aşamalı bir grafikte en kısa ve en uzun yol."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("CommandLine", "Açılacak ders dosyası (.stagepath)."),
                                 QStringLiteral("[FILE]"));
}

CommandLineRequest readCommandLine(const QCommandLineParser &parser)
{
    CommandLineRequest request;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        request.problem = QCoreApplication::translate("CommandLine", "Yalnızca bir ders dosyası açılabilir.");
    else if (!files.isEmpty())
        request.lessonFile = files.constFirst();
    return request;
}

} // namespace stagepath
