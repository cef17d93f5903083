#include "codepagefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <langinfo.h>

namespace platform {

CodePageFiles::CodePageFiles(QByteArray codePage) : codePage_(std::move(codePage)) {}

QByteArray CodePageFiles::localeCodePage()
{
    const char* set = nl_langinfo(CODESET);
    return set && *set ? QByteArray(set) : QByteArray("UTF-8");
}

QByteArray CodePageFiles::encode(const QString& text) const
{
    QStringEncoder whole(codePage_.constData());
    if (!whole.isValid())
        return {};
    QByteArray bytes = whole.encode(text);
    if (!whole.hasError())
        return bytes;
    // Some character has no place in the code page: encode one character at a
    // time so that exactly those become "?" (encoders differ in their own
    // substitute byte).
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder one(codePage_.constData());
        const QByteArray piece = one.encode(QStringView(text).mid(i, n));
        bytes += one.hasError() ? QByteArray("?") : piece;
        i += n;
    }
    return bytes;
}

std::optional<QString> CodePageFiles::decode(const QByteArray& bytes) const
{
    QStringDecoder decoder(codePage_.constData());
    if (!decoder.isValid())
        return std::nullopt;
    return QString(decoder.decode(bytes));
}

QStringList CodePageFiles::splitLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            lines << line;
            line.clear();
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

std::optional<QStringList> CodePageFiles::readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const auto text = decode(bytes);
    if (!text)
        return std::nullopt;
    return splitLines(*text);
}

bool CodePageFiles::append(const QString& path, const QString& text)
{
    const QByteArray bytes = encode(text);
    if (bytes.isEmpty() && !text.isEmpty())
        return false;  // unknown code page
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const qint64 before = file.size();

    QByteArray toWrite = bytes;
    const bool simulateFull = failNextWrite_;
    failNextWrite_ = false;
    if (simulateFull)
        toWrite.truncate(bytes.size() / 2);
    const bool ok = file.write(toWrite) == toWrite.size() && file.flush() && !simulateFull;
    if (ok) {
        file.close();
        return file.error() == QFileDevice::NoError;
    }
    // A write that stops part way must not leave half a report behind.
    file.close();
    if (existed)
        QFile::resize(path, before);
    else
        QFile::remove(path);
    return false;
}

}  // namespace platform
