#include "runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include "reportarea.h"

namespace scenario {

namespace {

// Lines of a text as the transcript shows them: split at CR LF; a lone CR or
// LF stays in its line (and is escaped when printed).
QStringList textLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    return text.split(QStringLiteral("\r\n"));
}

QString escapeBreaks(QString line)
{
    line.replace(u'\r', QStringLiteral("\\r"));
    line.replace(u'\n', QStringLiteral("\\n"));
    return line;
}

QList<QWidget*> programWindows()
{
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->property("windowOrder").isValid())
            found << w;
    std::sort(found.begin(), found.end(), [](QWidget* a, QWidget* b) {
        return a->property("windowOrder").toLongLong() < b->property("windowOrder").toLongLong();
    });
    return found;
}

// The text a multi-line box holds, lines separated by CR LF.
QString boxText(const QPlainTextEdit* box)
{
    if (auto* report = dynamic_cast<const widgets::ReportArea*>(box))
        return report->reportText();
    return box->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

}  // namespace

Runner::Runner(std::map<QString, ProgramStart> programs)
    : programs_(std::move(programs)), platform_(out_)
{
    out_.setTemporaryFolder(tmp_.path());
}

int Runner::run(const QString& scenarioPath)
{
    QFile file(scenarioPath);
    if (!file.open(QIODevice::ReadOnly))
        out_.error(QStringLiteral("cannot read ") + scenarioPath);
    const QString all = QString::fromUtf8(file.readAll());
    for (QString line : all.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        out_.line(QStringLiteral("> ") + line);
        command(line);
        settle();
    }
    const QString left = platform_.unused();
    if (!left.isEmpty())
        out_.error(QStringLiteral("answers left unused: ") + left);
    closeAllWindows();
    std::fflush(stdout);
    return 0;
}

QString Runner::expand(const QString& text) const
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar n = text.at(i + 1);
            if (n == u'r' || n == u'n' || n == u't' || n == u'\\') {
                out += n == u'r' ? u'\r' : n == u'n' ? u'\n' : n == u't' ? u'\t' : u'\\';
                ++i;
                continue;
            }
        }
        out += c;
    }
    out.replace(QStringLiteral("$TMP"), tmp_.path());
    return out;
}

void Runner::command(const QString& line)
{
    const qsizetype blank = line.indexOf(u' ');
    const QString verb = blank < 0 ? line : line.left(blank);
    const QString rest = blank < 0 ? QString() : line.mid(blank + 1);
    // The first word of rest, and what follows the blank after it.
    const qsizetype blank2 = rest.indexOf(u' ');
    const QString word = blank2 < 0 ? rest : rest.left(blank2);
    const QString tail = blank2 < 0 ? QString() : rest.mid(blank2 + 1);

    const bool beforeStart = verb == u"codepage" || verb == u"now" || verb == u"start";
    if (beforeStart && started_)
        out_.error(verb + QStringLiteral(" must come before any window command"));
    const bool needsProgram = verb == u"menu" || verb == u"click" || verb == u"toolbar" || verb == u"set" ||
                              verb == u"pick" || verb == u"show" || verb == u"font" || verb == u"text" ||
                              verb == u"windows";
    if (needsProgram && !started_)
        out_.error(QStringLiteral("no program started"));

    if (verb == u"codepage") {
        platform_.files().setCodePage(rest.toLatin1());
        if (!platform_.files().decode("x"))
            out_.error(QStringLiteral("unknown code page ") + rest);
    } else if (verb == u"now") {
        const QDateTime t = QDateTime::fromString(rest, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!t.isValid())
            out_.error(QStringLiteral("cannot read the time ") + rest);
        platform_.setNow(t);
    } else if (verb == u"start") {
        start(rest);
    } else if (verb == u"menu") {
        menu(rest);
    } else if (verb == u"click") {
        click(rest);
    } else if (verb == u"toolbar") {
        toolbar(rest);
    } else if (verb == u"set") {
        set(word, expand(tail));
    } else if (verb == u"pick") {
        pick(word, expand(tail));
    } else if (verb == u"answer" && (rest == u"yes" || rest == u"no")) {
        platform_.queueYesNo(rest == u"yes");
    } else if (verb == u"dialog") {
        dialog(rest);
    } else if (verb == u"fail" && rest == u"print") {
        platform_.failNextPrint();
    } else if (verb == u"fail" && rest == u"write") {
        platform_.files().failNextWrite();
    } else if (verb == u"write") {
        writeFile(rest);
    } else if (verb == u"file") {
        showFile(expand(rest));
    } else if (verb == u"show") {
        show(rest);
    } else if (verb == u"font") {
        font(rest);
    } else if (verb == u"text") {
        text(rest);
    } else if (verb == u"windows") {
        windows();
    } else if (verb == u"wait") {
        bool ok = false;
        const int ms = rest.toInt(&ok);
        if (!ok || ms < 0)
            out_.error(QStringLiteral("wait takes milliseconds"));
        wait(ms);
    } else {
        out_.error(QStringLiteral("unknown command: ") + line);
    }
}

void Runner::start(const QString& program)
{
    const auto found = programs_.find(program);
    if (found == programs_.end())
        out_.error(QStringLiteral("unknown program ") + program);
    started_ = true;
    found->second(platform_.services());
}

QWidget* Runner::window(const QString& name)
{
    for (QWidget* w : programWindows())
        if (w->objectName() == name)
            return w;
    out_.error(QStringLiteral("no window ") + name);
}

QObject* Runner::control(const QString& qualified)
{
    const qsizetype dot = qualified.indexOf(u'.');
    if (dot < 0)
        out_.error(QStringLiteral("a control is named WINDOW.NAME: ") + qualified);
    QWidget* w = window(qualified.left(dot));
    const QString name = qualified.mid(dot + 1);
    for (QWidget* child : w->findChildren<QWidget*>(name))
        if (!qobject_cast<QMenu*>(child))
            return child;
    if (auto* a = w->findChild<QAction*>(name))
        return a;
    out_.error(QStringLiteral("no control ") + qualified);
}

QAction* Runner::action(const QString& qualified)
{
    auto* a = qobject_cast<QAction*>(control(qualified));
    if (!a)
        out_.error(qualified + QStringLiteral(" is not a menu item"));
    if (!a->isEnabled())
        out_.error(qualified + QStringLiteral(" is disabled"));
    if (!a->isVisible())
        out_.error(qualified + QStringLiteral(" is hidden"));
    if (!window(qualified.section(u'.', 0, 0))->isVisible())
        out_.error(qualified + QStringLiteral(": its window is hidden"));
    return a;
}

void Runner::requireUsable(QWidget* w, const QString& qualified)
{
    if (!w->window()->isVisible())
        out_.error(qualified + QStringLiteral(": its window is hidden"));
    if (!w->isVisible())
        out_.error(qualified + QStringLiteral(" is hidden"));
    if (!w->isEnabled())
        out_.error(qualified + QStringLiteral(" is disabled"));
}

void Runner::show(const QString& qualified)
{
    QObject* c = control(qualified);
    QString text;
    QStringList flags;
    if (auto* a = qobject_cast<QAction*>(c)) {
        text = a->text();
        if (!a->isVisible())
            flags << QStringLiteral("hidden");
        if (a->isCheckable())
            flags << (a->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
        if (!a->isEnabled())
            flags << QStringLiteral("disabled");
        if (a->font().bold())
            flags << QStringLiteral("bold");
    } else {
        auto* w = static_cast<QWidget*>(c);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            text = e->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            text = g->title();
        else if (auto* box = qobject_cast<QComboBox*>(w))
            text = box->currentText();
        else if (auto* list = qobject_cast<QListWidget*>(w))
            text = list->currentItem() ? list->currentItem()->text() : QString();
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            text = boxText(p);
        else
            text = w->windowTitle();
        if (!w->isVisibleTo(w->window()) && w != w->window())
            flags << QStringLiteral("hidden");
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
            flags << (b->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
        if (!w->isEnabled())
            flags << QStringLiteral("disabled");
        if (w->font().bold())
            flags << QStringLiteral("bold");
    }
    QString line = qualified + QStringLiteral(" text=") + Transcript::quote(text);
    if (!flags.isEmpty())
        line += u' ' + flags.join(u' ');
    out_.line(line);
}

void Runner::font(const QString& qualified)
{
    auto* w = qobject_cast<QWidget*>(control(qualified));
    if (!w)
        out_.error(qualified + QStringLiteral(" has no font of its own"));
    const QFont f = w->font();
    const bool box = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                     qobject_cast<QListWidget*>(w) || qobject_cast<QComboBox*>(w);
    const QColor color = w->palette().color(box ? QPalette::Text : QPalette::WindowText);
    QString line = qualified + QStringLiteral(" font=") + Transcript::quote(f.family()) + QStringLiteral(" size=") +
                   QString::number(f.pointSizeF());
    if (f.bold())
        line += QStringLiteral(" bold");
    if (f.italic())
        line += QStringLiteral(" italic");
    if (f.underline())
        line += QStringLiteral(" underline");
    if (f.strikeOut())
        line += QStringLiteral(" strikeout");
    out_.line(line + QStringLiteral(" color=") + color.name(QColor::HexRgb).toUpper());
}

void Runner::printLines(const QString& head, const QStringList& lines)
{
    out_.line(head + QStringLiteral("lines=") + QString::number(lines.size()));
    for (const QString& line : lines)
        out_.line(QStringLiteral("| ") + escapeBreaks(line));
}

void Runner::text(const QString& qualified)
{
    QObject* c = control(qualified);
    QStringList lines;
    if (auto* p = qobject_cast<QPlainTextEdit*>(c)) {
        lines = textLines(boxText(p));
    } else if (auto* list = qobject_cast<QListWidget*>(c)) {
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
    } else if (auto* box = qobject_cast<QComboBox*>(c)) {
        for (int i = 0; i < box->count(); ++i)
            lines << box->itemText(i);
    } else {
        out_.error(qualified + QStringLiteral(" is neither a multi-line text box nor a list"));
    }
    printLines(qualified + u' ', lines);
}

void Runner::set(const QString& qualified, const QString& value)
{
    auto* w = qobject_cast<QWidget*>(control(qualified));
    if (!w)
        out_.error(qualified + QStringLiteral(" takes no text"));
    requireUsable(w, qualified);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->isReadOnly())
            out_.error(qualified + QStringLiteral(" is read-only"));
        e->setText(value);
    } else if (auto* report = dynamic_cast<widgets::ReportArea*>(w)) {
        if (report->isReadOnly())
            out_.error(qualified + QStringLiteral(" is read-only"));
        report->setReportText(value);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        if (p->isReadOnly())
            out_.error(qualified + QStringLiteral(" is read-only"));
        p->setPlainText(QString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* box = qobject_cast<QComboBox*>(w); box && box->isEditable()) {
        box->setEditText(value);
    } else {
        out_.error(qualified + QStringLiteral(" takes no typed text"));
    }
}

void Runner::pick(const QString& qualified, const QString& value)
{
    auto* w = qobject_cast<QWidget*>(control(qualified));
    if (!w)
        out_.error(qualified + QStringLiteral(" is not a list"));
    requireUsable(w, qualified);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        const int index = box->findText(value, Qt::MatchExactly);
        if (index < 0)
            out_.error(qualified + QStringLiteral(" has no entry ") + Transcript::quote(value));
        box->setCurrentIndex(index);
        emit box->activated(index);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const auto items = list->findItems(value, Qt::MatchExactly);
        if (items.isEmpty())
            out_.error(qualified + QStringLiteral(" has no entry ") + Transcript::quote(value));
        list->setCurrentItem(items.first());
        emit list->itemClicked(items.first());
    } else {
        out_.error(qualified + QStringLiteral(" is not a list"));
    }
}

void Runner::click(const QString& qualified)
{
    auto* b = qobject_cast<QAbstractButton*>(control(qualified));
    if (!b)
        out_.error(qualified + QStringLiteral(" is not a button, option button or check box"));
    requireUsable(b, qualified);
    b->click();
}

void Runner::menu(const QString& qualified) { action(qualified)->trigger(); }

void Runner::toolbar(const QString& key)
{
    for (QWidget* w : programWindows())
        for (QToolBar* bar : w->findChildren<QToolBar*>())
            for (QAction* a : bar->actions())
                if (a->property("key").toString() == key) {
                    if (!w->isVisible() || !a->isEnabled())
                        out_.error(QStringLiteral("toolbar button ") + key + QStringLiteral(" cannot be clicked"));
                    a->trigger();
                    return;
                }
    out_.error(QStringLiteral("no toolbar button with the key ") + key);
}

void Runner::dialog(const QString& rest)
{
    using Kind = ScriptedPlatform::DialogAnswer::Kind;
    const qsizetype blank = rest.indexOf(u' ');
    const QString kind = blank < 0 ? rest : rest.left(blank);
    const QString arg = blank < 0 ? QString() : rest.mid(blank + 1);
    ScriptedPlatform::DialogAnswer answer{Kind::Cancel, {}, 1, {}, true};
    if (kind == u"cancel") {
        answer.kind = Kind::Cancel;
    } else if (kind == u"open" || kind == u"save") {
        answer.kind = kind == u"open" ? Kind::Open : Kind::Save;
        answer.path = expand(arg);
    } else if (kind == u"print") {
        bool ok = false;
        answer.kind = Kind::Print;
        answer.copies = arg.toInt(&ok);
        if (!ok || answer.copies < 1)
            out_.error(QStringLiteral("dialog print takes a number of copies"));
    } else if (kind == u"font") {
        answer.kind = Kind::Font;
        QString left = arg;
        auto takeWord = [&left] {
            const qsizetype b = left.indexOf(u' ');
            const QString w = b < 0 ? left : left.left(b);
            left = b < 0 ? QString() : left.mid(b + 1);
            return w;
        };
        bool ok = false;
        answer.font.size = takeWord().toDouble(&ok);
        if (!ok || answer.font.size <= 0)
            out_.error(QStringLiteral("dialog font takes a size first"));
        for (;;) {
            const qsizetype b = left.indexOf(u' ');
            const QString w = b < 0 ? left : left.left(b);
            if (w == u"bold")
                answer.font.bold = true;
            else if (w == u"italic")
                answer.font.italic = true;
            else if (w == u"underline")
                answer.font.underline = true;
            else if (w == u"strikeout")
                answer.font.strikeout = true;
            else if (w.size() == 7 && w.startsWith(u'#') && QColor::isValidColorName(w)) {
                answer.font.color = QColor::fromString(w);
                answer.keepColor = false;
            } else
                break;
            takeWord();
        }
        answer.font.family = left;
    } else {
        out_.error(QStringLiteral("unknown dialog ") + kind);
    }
    platform_.queueDialog(answer);
}

void Runner::windows()
{
    for (QWidget* w : programWindows())
        out_.line(QStringLiteral("window ") + w->objectName() +
                  (w->isVisible() ? QStringLiteral(" shown") : QStringLiteral(" hidden")));
}

void Runner::writeFile(const QString& rest)
{
    const qsizetype blank = rest.indexOf(u' ');
    const QString path = expand(blank < 0 ? rest : rest.left(blank));
    const QString content = blank < 0 ? QString() : expand(rest.mid(blank + 1));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(platform_.files().encode(content)) < 0)
        out_.error(QStringLiteral("cannot write ") + path);
}

void Runner::showFile(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        out_.line(QStringLiteral("file ") + path + QStringLiteral(" missing"));
        return;
    }
    if (!file.open(QIODevice::ReadOnly))
        out_.error(QStringLiteral("cannot read ") + path);
    const QByteArray bytes = file.readAll();
    QString text = platform_.files().decode(bytes).value_or(QString());
    // A file's last line ends with its own CR LF; that is no further line.
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    const QStringList lines = bytes.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
    printLines(QStringLiteral("file ") + path + QStringLiteral(" bytes=") + QString::number(bytes.size()) + u' ',
               lines);
}

void Runner::wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Runner::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (platform_.quitRequested())
        closeAllWindows();
}

void Runner::closeAllWindows()
{
    // Deleting the main window takes the windows it owns with it.
    QList<QPointer<QWidget>> all;
    for (QWidget* w : programWindows())
        all << w;
    for (const QPointer<QWidget>& w : all)
        delete w.data();
}

}  // namespace scenario
