#include "reportarea.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace widgets {

namespace {

constexpr char16_t kLoneCr = 0xE00D;
constexpr char16_t kLoneLf = 0xE00A;

QString hideLoneBreaks(QString line)
{
    line.replace(u'\r', QChar(kLoneCr));
    line.replace(u'\n', QChar(kLoneLf));
    return line;
}

QString restoreLoneBreaks(QString line)
{
    line.replace(QChar(kLoneCr), u'\r');
    line.replace(QChar(kLoneLf), u'\n');
    return line;
}

}  // namespace

ReportArea::ReportArea(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Report columns are laid out with blanks, so they line up only in a
    // fixed-pitch font.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

QString ReportArea::reportText() const
{
    QString text;
    for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next()) {
        if (b != document()->firstBlock())
            text += QStringLiteral("\r\n");
        text += restoreLoneBreaks(b.text());
    }
    return text;
}

void ReportArea::setReportText(const QString& text)
{
    // Lines are separated by CR LF only; any other CR or LF stays in its line.
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString& line : lines)
        shown << hideLoneBreaks(line);
    setPlainText(shown.join(u'\n'));
}

void ReportArea::appendReportLine(const QString& line)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    end.insertText(hideLoneBreaks(line));
}

void ReportArea::appendLine(std::string_view line)
{
    appendReportLine(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

}  // namespace widgets
