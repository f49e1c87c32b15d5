#pragma once
#include <QString>
#include <QStringList>

// The last messages the programs showed, kept for the support report in
// $XDG_CACHE_HOME/tarven/last-messages.txt (~/.cache/tarven): one message a line, the
// newest last, at most kKeptMessages, written by both programs as they show them.
// The last transfer's serial trace of the desktop program is kept beside it.
inline constexpr int kKeptMessages = 30;

QString SupportCacheDir();
QString LastTransferTracePath();
void RememberShownMessage(const QString &text);
QStringList RecentShownMessages();
