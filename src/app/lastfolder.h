#pragma once
// The folder a file was last exported to, remembered from one start to the
// next (QSettings "stagepath"/"stagepath", key "lastFolder"), where the next
// export dialog opens.

#include <QString>

namespace stagepath::lastfolder {

// The remembered folder when it still exists, else the documents folder.
QString folder();
// Remembers the folder of a file just written or chosen.
void remember(const QString &fileName);

} // namespace stagepath::lastfolder
