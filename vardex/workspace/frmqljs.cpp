#include "frmqljs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "forms.h"
#include "frmAbout.h"
#include "frmqljsh.h"
#include "platform.h"
#include "reportcommands.h"

namespace vardex {

namespace {

// Window geometry is given in twips; at 96 dots per inch a pixel is 15 twips.
constexpr int px(int twips) { return twips / 15; }
constexpr int kClockWidth = 3135;

const QString kStatusText = QStringLiteral("从工程的截面特性→横向分布系数→配筋计算→文件的保存→打印");

// Menu items that show a window, with the window each one shows.
struct WindowItem {
    const char* menu;
    const char* item;
    const char16_t* caption;
    const char* window;
};
const WindowItem kWindowItems[] = {
    {"jmtx", "gjt", u"钢筋砼构件", "frmjmtx"},  {"hxfbxs", "pxsy", u"偏心受压法", "frmpxylf"},
    {"hxfbxs", "gjjb", u"刚铰接板法", "frmgjj"}, {"hxfbxs", "bnb", u"比拟板法", "frmbnbf"},
    {"pjjs", "wjjl", u"弯矩剪力", "frmwjjl"},    {"pjjs", "hzzh", u"荷载组合", "frmhzzh"},
    {"pjjs", "jxl", u"受弯计算", "frmswgj"},     {"pjjs", "shouj", u"受剪计算", "frmjljs"},
    {"HELP", "about", u"帮助(&H)", "frmqljsh"},  {"HELP", "ab", u"关于(&A)", "frmAbout"},
};

}  // namespace

frmqljs::frmqljs(platform::Platform& platform)
    : platform_(platform),
      Text1(new widgets::ReportArea(this)),
      workspace_{platform, windows_, *Text1}
{
    widgets::window(this, "frmqljs", QStringLiteral("Vardex"));
    Text1->setObjectName(QStringLiteral("Text1"));
    setCentralWidget(Text1);

    buildMenus();
    buildToolbar();

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    auto* panel = widgets::label(statusBar(), "Panel1", kStatusText);
    statusBar()->addWidget(panel, 1);

    const QDateTime now = platform_.clock.now();
    Text1->setReportText(QStringLiteral("     ") + platform_.clock.shortDate(now) + QStringLiteral("  ") +
                         platform_.clock.longTime(now));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, [this] { tick(); });
    Timer1->start();

    windows_.add(QStringLiteral("frmqljsh"), [] { return new frmqljsh; });
    windows_.add(QStringLiteral("frmAbout"), [this] { return new frmAbout(platform_); });
    enableRegisteredWindows();

    resize(px(10395), px(7290) + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void frmqljs::buildMenus()
{
    QMenu* wenjian = widgets::menu(this, "wenjian", QStringLiteral("文件(&F)"));
    connect(widgets::menuItem(wenjian, "dak", QStringLiteral("打开(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { openReport(); });
    connect(widgets::menuItem(wenjian, "baoc", QStringLiteral("保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { saveReport(); });
    connect(widgets::menuItem(wenjian, "dayin", QStringLiteral("打印(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { printReport(); });
    widgets::separator(wenjian, "sy1");
    connect(widgets::menuItem(wenjian, "tchu", QStringLiteral("退出(&X)"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, [this] { platform_.programs.quit(); });

    QMenu* jmtx = widgets::menu(this, "jmtx", QStringLiteral("截面特性(&T)"));
    QMenu* hxfbxs = widgets::menu(this, "hxfbxs", QStringLiteral("分布系数(&P)"));
    QMenu* pjjs = widgets::menu(this, "pjjs", QStringLiteral("配筋计算(&J)"));
    QMenu* help = widgets::menu(this, "HELP", QStringLiteral("帮助(&H)"));
    const std::map<QString, QMenu*> menus{
        {QStringLiteral("jmtx"), jmtx}, {QStringLiteral("hxfbxs"), hxfbxs}, {QStringLiteral("pjjs"), pjjs},
        {QStringLiteral("HELP"), help}};
    for (const WindowItem& w : kWindowItems) {
        const QString item = QString::fromLatin1(w.item);
        if (item == u"jxl")
            widgets::separator(pjjs, "sy2");
        if (item == u"ab")
            widgets::separator(help, "sy3");
        QAction* action = widgets::menuItem(menus.at(QString::fromLatin1(w.menu)), w.item,
                                            QString::fromUtf16(w.caption));
        const QString window = QString::fromLatin1(w.window);
        action->setProperty("window", window);
        connect(action, &QAction::triggered, this, [this, window] { windows_.show(window); });
    }
}

void frmqljs::enableRegisteredWindows()
{
    for (QAction* action : findChildren<QAction*>()) {
        const QString window = action->property("window").toString();
        if (!window.isEmpty())
            action->setEnabled(windows_.knows(window));
    }
}

void frmqljs::buildToolbar()
{
    Toolbar1 = addToolBar(QString());
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFixedHeight(px(405) + 4);
    const struct {
        const char* key;
        const char16_t* tip;
        const char* theme;
        QStyle::StandardPixmap fallback;
    } buttons[] = {
        {"save", u"保存", "document-save", QStyle::SP_DialogSaveButton},
        {"open", u"打开", "document-open", QStyle::SP_DialogOpenButton},
        {"print", u"打印", "document-print", QStyle::SP_FileDialogDetailedView},
        {"ziti", u"字体", "preferences-desktop-font", QStyle::SP_FileDialogInfoView},
        {"shch", u"清空文本", "edit-clear", QStyle::SP_DialogResetButton},
    };
    for (const auto& b : buttons) {
        const QString key = QString::fromLatin1(b.key);
        QAction* action = Toolbar1->addAction(
            QIcon::fromTheme(QString::fromLatin1(b.theme), style()->standardIcon(b.fallback)), QString());
        action->setObjectName(key);
        action->setProperty("key", key);
        action->setToolTip(QString::fromUtf16(b.tip));
        connect(action, &QAction::triggered, this, [this, key] { toolbarClicked(key); });
    }

    Text2 = widgets::resultField(Toolbar1, "Text2");
    Text2->setGeometry(px(7200), px(40), px(kClockWidth), px(270) + 2);
}

void frmqljs::tick()
{
    const QDateTime now = platform_.clock.now();
    Text2->setText(QStringLiteral("现在时间是  ") + platform_.clock.shortDate(now) + QStringLiteral("  ") +
                   platform_.clock.longTime(now));
}

void frmqljs::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The clock keeps to the right edge while the window is wide enough; a
    // narrower window leaves it where it was last placed.
    const int outer = frameGeometry().width() * 15;
    const int left = outer - kClockWidth - 200;
    if (outer > 5300 && left >= 0)
        Text2->move(px(left), Text2->y());
}

void frmqljs::closeEvent(QCloseEvent* event)
{
    // The close box ends the program as 退出 does, with every window it opened.
    event->accept();
    if (!ending_) {
        ending_ = true;
        platform_.programs.quit();
    }
}

void frmqljs::toolbarClicked(const QString& key)
{
    if (key == u"ziti")
        chooseFont();
    else if (key == u"save")
        saveReport();
    else if (key == u"print")
        printReport();
    else if (key == u"shch")
        clearReport();
    else if (key == u"open")
        openReport();
}

void frmqljs::openReport()
{
    const auto path = platform_.dialogs.openFile(this, QStringLiteral("数据文件(*.txt)|*.txt|所有文件(*.*)|*.*"));
    if (!path)
        return;
    const auto lines = platform_.files.readLines(*path);
    if (!lines)
        return;
    // Lines joined by CR LF; empty lines before the first non-empty one are dropped.
    QString text;
    for (const QString& line : *lines) {
        if (text.isEmpty())
            text = line;
        else
            text += QStringLiteral("\r\n") + line;
    }
    replaceReport(text);
}

void frmqljs::saveReport()
{
    const auto path = platform_.dialogs.saveFile(this, QStringLiteral("text files(*.txt)|*.txt|all files(*.*)|*.*"));
    if (!path)
        return;
    platform::appendReport(platform_, *path, reportText());
}

void frmqljs::printReport() { platform::printCopies(platform_, this, reportText()); }

void frmqljs::chooseFont()
{
    const QFont f = Text1->font();
    const platform::FontChoice current{f.family(),    f.pointSizeF(), f.bold(),
                                       f.italic(),    f.underline(),  f.strikeOut(),
                                       Text1->palette().color(QPalette::Text)};
    const auto chosen = platform_.dialogs.font(this, current);
    if (!chosen)
        return;
    QFont font(chosen->family);
    font.setPointSizeF(chosen->size);
    font.setBold(chosen->bold);
    font.setItalic(chosen->italic);
    font.setUnderline(chosen->underline);
    font.setStrikeOut(chosen->strikeout);
    Text1->setFont(font);
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Text, chosen->color);
    Text1->setPalette(palette);
}

void frmqljs::clearReport()
{
    if (platform::confirmClear(platform_, this))
        replaceReport(QString());
}

}  // namespace vardex
