// What to tell the player when Qt cannot open the game window: Qt's own
// reason for each platform it tried, in a line, and what fits that cause.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace startup {
// held: Qt's messages from the failed start, the fatal one last; env: reads
// an environment variable. The lines to print, each ending in a line feed.
QString failure(const QStringList &held, const std::function<QString(const char *)> &env);
} // namespace startup
