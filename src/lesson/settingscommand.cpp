// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settingscommand.h"

#include "lessondocument.h"

#include "model/numbers.h"

namespace stagepath {

SettingsCommand::SettingsCommand(LessonDocument *document, Setting which, const SettingsState &before,
                                 const SettingsState &after, bool continuesTyping)
    : LessonCommand(document, FirstRedo::Applies)
    , m_which(which)
    , m_before(before)
    , m_after(after)
    , m_continuesTyping(continuesTyping)
{
    describe();
}

QString SettingsCommand::modeName(bool longest) const
{
    return longest ? tr("En Uzun Yol") : tr("En Kısa Yol");
}

void SettingsCommand::describe()
{
    const LessonSettings &was = m_before.values;
    const LessonSettings &is = m_after.values;
    switch (m_which) {
    case Setting::XSpacing: setText(tr("X %1 → %2").arg(m_before.xText, m_after.xText)); break;
    case Setting::YSpacing: setText(tr("Y %1 → %2").arg(m_before.yText, m_after.yText)); break;
    case Setting::PenWidth:
        setText(tr("çizgi kalınlığı %1 → %2").arg(m_before.penWidthText, m_after.penWidthText));
        break;
    case Setting::CircleSize:
        setText(tr("yuvarlak boyutu %1 → %2").arg(formatNumber(was.circleSize), formatNumber(is.circleSize)));
        break;
    case Setting::ColourLines:
        setText(is.colourLines ? tr("çizgileri renklendir: açık") : tr("çizgileri renklendir: kapalı"));
        break;
    case Setting::ValuesOnLines:
        setText(is.valuesOnLines ? tr("değerler çizgilerde: açık") : tr("değerler çizgilerde: kapalı"));
        break;
    case Setting::Mode: setText(tr("%1 → %2").arg(modeName(was.longest), modeName(is.longest))); break;
    case Setting::Recursion: setText(is.backward ? tr("özyineleme: Geri") : tr("özyineleme: İleri")); break;
    case Setting::Exercise:
        setText(is.exercise ? tr("alıştırma modu: açık") : tr("alıştırma modu: kapalı"));
        break;
    case Setting::Answers: setText(tr("alıştırma cevabı")); break;
    }
}

void SettingsCommand::apply(ChangeOrigin origin)
{
    document()->applySettings(m_after, m_which, origin);
}

void SettingsCommand::undo()
{
    document()->applySettings(m_before, m_which, ChangeOrigin::History);
}

bool SettingsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const SettingsCommand *>(other);
    if (!next || !mayMerge(other) || !next->m_continuesTyping || next->m_which != m_which)
        return false;
    m_after = next->m_after;
    describe();
    // Typed back to where it started ("220", "abc", "220"): no change at all,
    // and the history lets the step go.
    setObsolete(m_after == m_before);
    return true;
}

std::unique_ptr<LessonCommand> SettingsCommand::doneCopy() const
{
    auto copy = std::make_unique<SettingsCommand>(document(), m_which, m_before, m_after, false);
    copy->markAsDoneCopy();
    return copy;
}

} // namespace stagepath
