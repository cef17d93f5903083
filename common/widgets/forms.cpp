#include "forms.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "fieldnumber.h"
#include "platform.h"
#include "runfailure.h"

namespace widgets {

namespace {

template <typename W>
W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void window(QWidget* w, const char* name, const QString& caption)
{
    static qint64 created = 0;
    w->setObjectName(QString::fromLatin1(name));
    w->setWindowTitle(caption);
    w->setProperty("windowOrder", ++created);
}

QLineEdit* field(QWidget* parent, const char* name, const QString& tooltip)
{
    auto* f = named(new QLineEdit(parent), name);
    if (!tooltip.isEmpty())
        f->setToolTip(tooltip);
    return f;
}

QLineEdit* resultField(QWidget* parent, const char* name)
{
    auto* f = field(parent, name);
    f->setReadOnly(true);
    return f;
}

QLabel* label(QWidget* parent, const char* name, const QString& text)
{
    return named(new QLabel(text, parent), name);
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QGroupBox(caption, parent), name);
}

QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QRadioButton(caption, parent), name);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QCheckBox(caption, parent), name);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}

QMenu* menu(QMainWindow* window, const char* name, const QString& caption)
{
    QMenu* m = window->menuBar()->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption)
{
    return named(menu->addAction(caption), name);
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* a = menuItem(menu, name, caption);
    a->setShortcut(shortcut);
    return a;
}

QAction* separator(QMenu* menu, const char* name) { return named(menu->addSeparator(), name); }

QPushButton* helpText(QWidget* window, const QString& text, const char* buttonName)
{
    auto* box = named(new QPlainTextEdit(window), "Text1");
    box->setReadOnly(true);
    box->setPlainText(text);
    QPushButton* b = button(window, buttonName, QStringLiteral("知道了"));
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(box);
    layout->addWidget(b, 0, Qt::AlignHCenter);
    return b;
}

std::string fieldText(const QLineEdit* f) { return f->text().toStdString(); }

double fieldValue(const QLineEdit* f) { return common::fieldNumber(fieldText(f)); }

void setFieldText(QLineEdit* f, std::string_view utf8) { f->setText(qs(utf8)); }

bool runGuarded(platform::Platform& platform, QWidget* window, const QString& failureText,
                const QString& failureTitle, const std::function<void()>& run)
{
    try {
        run();
        return true;
    } catch (const common::InputRejected& rejected) {
        platform.messages.show(window, qs(rejected.text()), qs(rejected.title()),
                               platform::Icon::Information, platform::Buttons::Ok);
    } catch (const common::RunFailure&) {
        platform.messages.show(window, failureText, failureTitle, platform::Icon::Information,
                               platform::Buttons::Ok);
    }
    return false;
}

}  // namespace widgets
