#include "qtplatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QString applicationTitle() { return QCoreApplication::applicationName(); }

QString qtFileFilter(const QString& filter)
{
    // Pairs of description and pattern; Qt wants "description (patterns)".
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        filters << parts.at(i) + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

QString longTimeWithoutZone(const QLocale& locale, const QTime& t)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return locale.toString(t, format.simplified());
}

namespace {

class PainterJob : public PrintJob {
public:
    explicit PainterJob(QPrinter& printer) : printer_(printer) {}
    ~PainterJob() override
    {
        // A job left without end() failed part way: nothing of it is sent.
        if (painter_.isActive()) {
            printer_.abort();
            painter_.end();
        }
    }

    bool open() { return painter_.begin(&printer_); }

    bool printLine(const QString& line) override
    {
        const QFontMetrics metrics = painter_.fontMetrics();
        const int height = metrics.lineSpacing();
        const int pageHeight = painter_.viewport().height();
        if (y_ + height > pageHeight && y_ > 0) {
            if (!printer_.newPage())
                return false;
            y_ = 0;
        }
        painter_.drawText(0, y_ + metrics.ascent(), line);
        y_ += height;
        return printer_.printerState() != QPrinter::Error;
    }

    bool end() override { return painter_.end() && printer_.printerState() != QPrinter::Error; }

private:
    QPrinter& printer_;
    QPainter painter_;
    int y_ = 0;
};

}  // namespace

QtPlatform::QtPlatform()
    : files_(CodePageFiles::localeCodePage()),
      services_{*this, *this, *this, files_, *this, *this}
{
}

Answer QtPlatform::show(QWidget* parent, const QString& text, const QString& title, Icon icon,
                        Buttons buttons)
{
    const QMessageBox::Icon qtIcon = icon == Icon::Information ? QMessageBox::Information
                                     : icon == Icon::Warning   ? QMessageBox::Warning
                                                               : QMessageBox::NoIcon;
    const auto qtButtons = buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(qtIcon, title.isEmpty() ? applicationTitle() : title, text, qtButtons, parent);
    const int chosen = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return chosen == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtPlatform::openFile(QWidget* parent, const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QString(), qtFileFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtPlatform::saveFile(QWidget* parent, const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(parent, QString(), QString(), qtFileFilter(filter),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<int> QtPlatform::print(QWidget* parent)
{
    QPrintDialog dialog(&printer_, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // The callers print each copy themselves, so the printer must not repeat them.
    const int copies = std::max(1, printer_.copyCount());
    printer_.setCopyCount(1);
    return copies;
}

std::optional<FontChoice> QtPlatform::font(QWidget* parent, const FontChoice& current)
{
    QFont start(current.family);
    start.setPointSizeF(current.size);
    start.setBold(current.bold);
    start.setItalic(current.italic);
    start.setUnderline(current.underline);
    start.setStrikeOut(current.strikeout);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, parent);
    if (!ok)
        return std::nullopt;
    // Qt's font dialog has no colour; the colour is asked right after it.
    const QColor color = QColorDialog::getColor(current.color, parent);
    if (!color.isValid())
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic(),
                      chosen.underline(), chosen.strikeOut(), color};
}

std::unique_ptr<PrintJob> QtPlatform::startJob()
{
    auto job = std::make_unique<PainterJob>(printer_);
    if (!job->open())
        return nullptr;
    return job;
}

QDateTime QtPlatform::now() { return QDateTime::currentDateTime(); }

QString QtPlatform::shortDate(const QDateTime& t)
{
    return QLocale::system().toString(t.date(), QLocale::ShortFormat);
}

QString QtPlatform::longTime(const QDateTime& t) { return longTimeWithoutZone(QLocale::system(), t.time()); }

QString QtPlatform::systemInformationTool()
{
    for (const char* tool : {"hardinfo", "hardinfo2", "kinfocenter", "gnome-system-monitor"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool QtPlatform::launch(const QString& path) { return QProcess::startDetached(path, {}); }

void QtPlatform::quit()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

}  // namespace platform
