#include "scriptedplatform.h"

#include <QLocale>

#include "qtplatform.h"

namespace scenario {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

QString fontText(const platform::FontChoice& f)
{
    QString text = QString::number(f.size);
    if (f.bold)
        text += QStringLiteral(" bold");
    if (f.italic)
        text += QStringLiteral(" italic");
    if (f.underline)
        text += QStringLiteral(" underline");
    if (f.strikeout)
        text += QStringLiteral(" strikeout");
    return text + u' ' + f.color.name(QColor::HexRgb).toUpper() + u' ' + f.family;
}

ScriptedPlatform::ScriptedPlatform(Transcript& out)
    : out_(out),
      files_("GBK"),
      now_(QDate(2000, 1, 1), QTime(0, 0, 0)),
      services_{*this, *this, *this, files_, *this, *this}
{
}

QString ScriptedPlatform::unused() const
{
    QStringList left;
    for (bool yes : yesNo_)
        left << (yes ? QStringLiteral("answer yes") : QStringLiteral("answer no"));
    for (const DialogAnswer& d : dialogs_) {
        static const char* const names[] = {"open", "save", "print", "font", "cancel"};
        left << QStringLiteral("dialog ") + QString::fromLatin1(names[d.kind]);
    }
    if (failPrint_)
        left << QStringLiteral("fail print");
    return left.join(QStringLiteral(", "));
}

Answer ScriptedPlatform::show(QWidget*, const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    const QString shownTitle = title.isEmpty() ? platform::applicationTitle() : title;
    const QString iconName = icon == Icon::Information ? QStringLiteral("information")
                             : icon == Icon::Warning   ? QStringLiteral("warning")
                                                       : QStringLiteral("none");
    QString line = QStringLiteral("message title=") + Transcript::quote(shownTitle) + QStringLiteral(" icon=") +
                   iconName + QStringLiteral(" buttons=") +
                   (buttons == Buttons::YesNo ? QStringLiteral("yesno") : QStringLiteral("ok")) +
                   QStringLiteral(" text=") + Transcript::quote(text);
    if (buttons == Buttons::Ok) {
        out_.line(line);
        return Answer::Ok;
    }
    if (yesNo_.empty()) {
        out_.line(line);
        out_.error(QStringLiteral("a Yes/No question arrived with no answer queued"));
    }
    const bool yes = yesNo_.front();
    yesNo_.pop_front();
    out_.line(line + (yes ? QStringLiteral(" -> yes") : QStringLiteral(" -> no")));
    return yes ? Answer::Yes : Answer::No;
}

ScriptedPlatform::DialogAnswer ScriptedPlatform::nextDialog(DialogAnswer::Kind kind, const QString& what)
{
    if (dialogs_.empty())
        out_.error(QStringLiteral("a dialog %1 arrived with no answer queued").arg(what));
    DialogAnswer answer = dialogs_.front();
    if (answer.kind != kind && answer.kind != DialogAnswer::Cancel)
        out_.error(QStringLiteral("a dialog %1 arrived but the next answer is for another dialog").arg(what));
    dialogs_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::fileDialog(DialogAnswer::Kind kind, const QString& what,
                                                    const QString& filter)
{
    const DialogAnswer answer = nextDialog(kind, what);
    const QString head = QStringLiteral("dialog ") + what + QStringLiteral(" filter=") + Transcript::quote(filter);
    if (answer.kind == DialogAnswer::Cancel) {
        out_.line(head + QStringLiteral(" -> cancel"));
        return std::nullopt;
    }
    out_.line(head + QStringLiteral(" -> ") + answer.path);
    return answer.path;
}

std::optional<QString> ScriptedPlatform::openFile(QWidget*, const QString& filter)
{
    return fileDialog(DialogAnswer::Open, QStringLiteral("open"), filter);
}

std::optional<QString> ScriptedPlatform::saveFile(QWidget*, const QString& filter)
{
    return fileDialog(DialogAnswer::Save, QStringLiteral("save"), filter);
}

std::optional<int> ScriptedPlatform::print(QWidget*)
{
    const DialogAnswer answer = nextDialog(DialogAnswer::Print, QStringLiteral("print"));
    if (answer.kind == DialogAnswer::Cancel) {
        out_.line(QStringLiteral("dialog print -> cancel"));
        return std::nullopt;
    }
    out_.line(QStringLiteral("dialog print -> ") + QString::number(answer.copies));
    return answer.copies;
}

std::optional<platform::FontChoice> ScriptedPlatform::font(QWidget*, const platform::FontChoice& current)
{
    DialogAnswer answer = nextDialog(DialogAnswer::Font, QStringLiteral("font"));
    if (answer.kind == DialogAnswer::Cancel) {
        out_.line(QStringLiteral("dialog font -> cancel"));
        return std::nullopt;
    }
    if (answer.keepColor)
        answer.font.color = current.color;
    out_.line(QStringLiteral("dialog font -> ") + fontText(answer.font));
    return answer.font;
}

namespace {

class TranscriptJob : public platform::PrintJob {
public:
    explicit TranscriptJob(Transcript& out) : out_(out) { out_.line(QStringLiteral("print")); }
    bool printLine(const QString& line) override
    {
        out_.line(QStringLiteral("printed ") + Transcript::quote(line));
        return true;
    }
    bool end() override
    {
        out_.line(QStringLiteral("print end"));
        return true;
    }

private:
    Transcript& out_;
};

}  // namespace

std::unique_ptr<platform::PrintJob> ScriptedPlatform::startJob()
{
    if (failPrint_) {
        failPrint_ = false;
        out_.line(QStringLiteral("print failed"));
        return nullptr;
    }
    return std::make_unique<TranscriptJob>(out_);
}

QString ScriptedPlatform::shortDate(const QDateTime& t)
{
    return QLocale(QLocale::Chinese, QLocale::China).toString(t.date(), QLocale::ShortFormat);
}

QString ScriptedPlatform::longTime(const QDateTime& t)
{
    return platform::longTimeWithoutZone(QLocale(QLocale::Chinese, QLocale::China), t.time());
}

bool ScriptedPlatform::launch(const QString& path)
{
    out_.line(QStringLiteral("launch ") + Transcript::quote(path));
    return true;
}

void ScriptedPlatform::quit()
{
    if (!quit_)
        out_.line(QStringLiteral("ended"));
    quit_ = true;
}

}  // namespace scenario
