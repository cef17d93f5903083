#pragma once
#include "platform.h"

namespace platform {

// Text files in a named code page ("GBK", "UTF-8", ...), converted with Qt's
// string encoder and decoder. Used by the programs with the code page of the
// user's locale and by the scenario runner with the scenario's code page.
class CodePageFiles : public TextFiles {
public:
    explicit CodePageFiles(QByteArray codePage);
    void setCodePage(QByteArray codePage) { codePage_ = std::move(codePage); }

    // The character set of the user's locale (GBK under zh_CN.GBK, UTF-8
    // under zh_CN.UTF-8); needs setlocale to have run, as QApplication does.
    static QByteArray localeCodePage();

    std::optional<QStringList> readLines(const QString& path) override;
    bool append(const QString& path, const QString& text) override;

    QByteArray encode(const QString& text) const;
    std::optional<QString> decode(const QByteArray& bytes) const;

    // Splits at CR LF or a lone CR; a lone LF stays inside its line.
    static QStringList splitLines(const QString& text);

    // For tests: the next append writes only part of its bytes and then fails,
    // as a full disk would.
    void failNextWrite() { failNextWrite_ = true; }

private:
    QByteArray codePage_;
    bool failNextWrite_ = false;
};

}  // namespace platform
