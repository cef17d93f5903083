#include "frmqljsh.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "forms.h"

namespace vardex {

namespace {

// Each line ends with a line break; the leading blanks are part of the text
// (U+3000 is the ideographic space). The trailing blanks some lines once had
// are not kept.
const char16_t* const kHelpLines[] = {
    u"\u3000\u3000本程序主要用来计算实心板、空心板或T型梁在荷载作用下的横向分布系数，",
    u"进行配筋等。",
    u"\u3000  一、偏心压力法：",
    u"     1、本程序用以计算具有可靠横向联结、且宽跨比B/l≤0.5的桥梁的横向分",
    u"布系数，采用修正的偏心压力法。",
    u"\u3000\u3000 2、车辆荷载的横向分布系数已按照《公路工程技术标准》（JTJ001-97）中",
    u"的有关规定进行了折减。",
    u"\u3000\u3000 3、为了防止出错，请您用手工的方法进行校核。由于本程序而引起的各种",
    u"问题，本人概不负责。",
    u"\u3000\u3000",
    u"   二、刚（铰）接梁法：",
    u"    1、本程序主要用来计算空心板或T型梁在荷载作用下的横向分布系数。",
    u"    2、其中上翼缘宽度对空心板来讲就是板宽度；翼缘悬臂长度、翼缘板厚度对",
    u"于空心板均为０。",
    u"\u3000\u30003、只要根据确定的计算要求，输入相应的数据即可，车道数不需要输入。",
    u"",
    u"    三、比拟板法：",
    u"     1、插值点数一般不用更改。",
    u"     2、抗弯惯矩JX、JY以及JTX+JTY值的计算，请参照《桥梁工程》教科书的有",
    u"关内容。",
    u"     3、其他数值可以按照标签栏的提示填写即可。",
    u"     4、详细数据的复选框一般不用打勾。",
    u"",
    u"",
    u"     每个程序都有相关的帮助文件。文件的保存、打印都在主程序中进行。",
    u"\u3000\u3000 谢谢您的使用！",
};

}  // namespace

frmqljsh::frmqljsh(QWidget* parent) : QWidget(parent, Qt::Window)
{
    widgets::window(this, "frmqljsh", QStringLiteral("帮助文件"));
    QString help;
    for (const char16_t* line : kHelpLines)
        help += QString::fromUtf16(line) + u'\n';
    connect(widgets::helpText(this, help, "Command2"), &QPushButton::clicked, this, &QWidget::close);
    auto* text = findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(470, 450);
}

}  // namespace vardex
