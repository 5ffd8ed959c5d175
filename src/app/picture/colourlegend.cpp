// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/colourlegend.h"

#include "drawing/colours.h"

#include <QColor>
#include <QStringList>

namespace stagepath {

ColourLegend::ColourLegend(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("StepsLegend"));
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    retranslate();
}

void ColourLegend::retranslate()
{
    const std::pair<QRgb, QString> entries[] = {
        {kPathColour, tr("en iyi yol (son adımda ve \"Çiz\")")},
        {kBestEdgesColour, tr("bir en iyi yol üzerindeki çizgiler (Tüm En İyi Yollar)")},
        {kSelectedPathColour, tr("sonuç tablosunda seçili satırın yolu")},
        {kHighlightedStageColour, tr("bu adımda çözülen vorta")},
        {kChosenEdgeColour, tr("seçilen yollar (tablodaki vurgulu hücreler)")},
        {kBoxLabelColour, tr("kutunun en iyi toplamı")},
        {kForegroundColour, tr("kutular, çizgiler, kutu numaraları ve yol değerleri")},
        {kBackgroundColour, tr("zemin")},
    };
    const auto square = [](QRgb colour) {
        return QStringLiteral("<span style=\"color:%1\">&#9632;</span>").arg(QColor::fromRgba(colour).name());
    };
    QStringList items;
    for (const auto &[colour, name] : entries)
        items << square(colour) + QStringLiteral("&nbsp;") + name.toHtmlEscaped();
    const QString palette = tr("“Çizgileri Renklendir” ile: her kutudan çıkan çizgiler kutunun sırasının renginde");
    items << square(linePalette()[1]) + square(linePalette()[2]) + square(linePalette()[3]) + QStringLiteral("&nbsp;")
            + palette.toHtmlEscaped();
    setText(tr("Renkler: ") + items.join(QStringLiteral(" &nbsp; ")));
    QStringList plain;
    for (const auto &[colour, name] : entries)
        plain << name;
    plain << palette;
    setAccessibleName(tr("Renkler: ") + plain.join(QStringLiteral("; ")));
}

} // namespace stagepath
