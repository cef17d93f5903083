#include "transcript.h"

#include <cstdio>
#include <cstdlib>

namespace scenario {

void Transcript::line(const QString& text)
{
    QString out = text;
    if (!tmp_.isEmpty())
        out.replace(tmp_, QStringLiteral("$TMP"));
    const QByteArray bytes = out.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void Transcript::error(const QString& reason)
{
    line(QStringLiteral("error: ") + reason);
    std::fflush(stdout);
    // Leave at once: the error may arise deep inside a window's handler.
    std::_Exit(2);
}

QString Transcript::quote(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'"')
            out += QStringLiteral("\\\"");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out + u'"';
}

}  // namespace scenario
