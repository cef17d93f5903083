#include "form1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms.h"
#include "platform.h"
#include "reportcommands.h"
#include "reportarea.h"
#include "stakes.h"

namespace lismera {

namespace {

QString helpText()
{
    return QString(66, u' ') + QStringLiteral("交点桩号JD、曲线半径R、Lismera长度LS及加桩桩号JZ单位为米；") +
           QString(5, u' ') + QStringLiteral("偏角角度α单位为 度分秒（如56°35′37″输入采用56.3537即可）");
}

}  // namespace

Form1::Form1(platform::Platform& platform) : QWidget(nullptr, Qt::Window), platform_(platform)
{
    widgets::window(this, "Form1", QStringLiteral("Lismera计算"));

    QGroupBox* inputs = widgets::frame(this, "Frame1", QStringLiteral("原始数据："));
    auto* inputGrid = new QGridLayout(inputs);
    auto row = [](QGroupBox* frame, QGridLayout* grid, int r, const char* name, const char* labelName,
                  const QString& caption, const QString& tip) {
        grid->addWidget(widgets::label(frame, labelName, caption), r, 0, Qt::AlignRight);
        QLineEdit* f = widgets::field(frame, name, tip);
        grid->addWidget(f, r, 1);
        return f;
    };
    const QString metres = QStringLiteral("单位为米");
    Text1 = row(inputs, inputGrid, 0, "Text1", "Label1", QStringLiteral("交点桩号JD＝"), metres);
    Text2 = row(inputs, inputGrid, 1, "Text2", "Label2", QStringLiteral("偏角角度α＝"), QStringLiteral("单位为 度分秒"));
    Text3 = row(inputs, inputGrid, 2, "Text3", "Label3", QStringLiteral("曲线半径R ＝"), metres);
    Text4 = row(inputs, inputGrid, 3, "Text4", "Label4", QStringLiteral("LismeraLS＝"), metres);

    QGroupBox* stake = widgets::frame(this, "Frame2", QStringLiteral("加桩桩号"));
    auto* stakeGrid = new QGridLayout(stake);
    Text5 = row(stake, stakeGrid, 0, "Text5", "Label5", QStringLiteral("加桩桩号JZ＝"), metres);

    auto* buttons = new QGridLayout;
    const struct {
        const char* name;
        const char16_t* caption;
        void (Form1::*command)();
    } commands[] = {
        {"Command1", u"曲线要素", &Form1::curveElements}, {"Command2", u"加桩计算", &Form1::singleStake},
        {"Command3", u"保  存", &Form1::save},            {"Command4", u"打  印", &Form1::print},
        {"Command5", u"清  空", &Form1::clear},           {"Command6", u"退  出", nullptr},
    };
    int i = 0;
    for (const auto& c : commands) {
        QPushButton* b = widgets::button(this, c.name, QString::fromUtf16(c.caption));
        const auto command = c.command;
        if (command)
            connect(b, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
        else
            connect(b, &QPushButton::clicked, this, [this] { platform_.programs.quit(); });
        buttons->addWidget(b, i / 2, i % 2);
        ++i;
    }

    Text6 = new widgets::ReportArea(this);
    Text6->setObjectName(QStringLiteral("Text6"));

    auto* left = new QVBoxLayout;
    left->addWidget(inputs);
    left->addWidget(stake);
    left->addLayout(buttons);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(Text6, 1);
    resize(900, 520);

    load();
}

void Form1::load()
{
    for (QLineEdit* f : {Text1, Text2, Text3, Text4, Text5})
        f->clear();
    Text6->setReportText(helpText());
}

void Form1::curveElements()
{
    runCommand([this] {
        const CurveInputs in{widgets::fieldValue(Text1), widgets::fieldValue(Text2), widgets::fieldValue(Text3),
                             widgets::fieldValue(Text4)};
        // The elements are kept even when the curve does not fit: the
        // single-stake command works with whatever the last run computed.
        elements_ = lismera::curveElements(in);
        checkCurveFits(elements_);
        Text6->setReportText(QString());
        writeCurveReport(*Text6, in, widgets::fieldText(Text3), elements_);
    });
}

void Form1::singleStake()
{
    runCommand([this] {
        writeSingleStake(*Text6, elements_, widgets::fieldValue(Text5));
        Text5->clear();
        Text5->setFocus();
    });
}

void Form1::runCommand(const std::function<void()>& command)
{
    // Lismera has no failure message of its own; a result too large to be
    // written (an overflow) gets the suite's usual one, with the program's title.
    widgets::runGuarded(platform_, this, QStringLiteral("发生错误，请重新输入数据！"), QString(), command);
}

void Form1::save()
{
    if (reportFile_.isEmpty()) {
        const auto path =
            platform_.dialogs.saveFile(this, QStringLiteral("text files(*.txt)|*.txt|all files(*.*)|*.*"));
        if (!path)
            return;
        reportFile_ = *path;
    }
    platform::appendReport(platform_, reportFile_, Text6->reportText());
}

void Form1::print() { platform::printCopies(platform_, this, Text6->reportText()); }

void Form1::clear()
{
    // The remembered report file stays: the next save appends to it again.
    if (platform::confirmClear(platform_, this))
        load();
}

}  // namespace lismera
