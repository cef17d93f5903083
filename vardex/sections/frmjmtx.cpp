#include "frmjmtx.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms.h"
#include "platform.h"
#include "reportsink.h"
#include "sectionproperties.h"

namespace vardex {

namespace {

struct FieldRow {
    int number;  // TextN
    const char16_t* label;
    const char16_t* tooltip;
};

const FieldRow kBeamFields[] = {
    {1, u"上翼缘或顶板宽度(m)BS＝", u"对矩形梁为0"},
    {2, u"上翼缘或顶板平均厚度(m)HS＝", u"对矩形梁为0"},
    {3, u"两个最外侧腹板宽度之和(m) B11=", u"对T梁为腹板宽度、对矩形梁为梁宽"},
    {4, u"室与室之间腹板宽度之和(m) B2=", u"对T梁及矩形梁为0"},
    {5, u"肋或腹板高度(m) HF=", u"对T梁为梁总高减上翼缘平均厚度、对矩形梁为梁高"},
    {6, u"下翼缘或底板宽度(m) BX=", u"对T梁及矩形梁为0"},
    {7, u"下翼缘或底板平均厚度(m) HX=", u"对T梁及矩形梁为0"},
};
const FieldRow kAnnulusFields[] = {
    {8, u"环形截面的外径(m) R1=", u""},
    {9, u"环形截面的内径(m) R2=", u""},
};
const FieldRow kHollowSlabFields[] = {
    {10, u"空心板的宽度(m) B=", u""},
    {11, u"空心板的高度(m) H=", u""},
    {12, u"挖空部分的圆直径(m) D=", u""},
    {13, u"挖空的中间直线部分高度(m) H1=", u""},
    {14, u"空洞间间隔厚度总和(m) B1=", u""},
    {15, u"空洞个数(个) N=", u""},
};
const FieldRow kResultFields[] = {
    {16, u"构件面积(m2) A=", u""},
    {17, u"构件抗弯惯性矩(m4) II=", u""},
    {18, u"构件抗扭惯性矩(m4) IT=", u""},
};

}  // namespace

frmjmtx::frmjmtx(Workspace& workspace) : workspace_(workspace)
{
    widgets::window(this, "frmjmtx", QStringLiteral("截面特性"));
    QMenu* wenjian = widgets::menu(this, "WENJIAN", QStringLiteral("文件(&F)"));
    connect(widgets::menuItem(wenjian, "tchu", QStringLiteral("退出")), &QAction::triggered, this, &QWidget::close);
    QMenu* gongch = widgets::menu(this, "gongch", QStringLiteral("工程(&P)"));
    connect(widgets::menuItem(gongch, "yunxin", QStringLiteral("运行")), &QAction::triggered, this,
            [this] { yunxin(); });

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* columns = new QGridLayout(central);

    QGroupBox* Frame1 = widgets::frame(central, "Frame1", QStringLiteral("构件形式选择："));
    auto* kinds = new QVBoxLayout(Frame1);
    Option1 = widgets::optionButton(Frame1, "Option1", QStringLiteral("矩形、T形或箱形构件"));
    Option2 = widgets::optionButton(Frame1, "Option2", QStringLiteral("矩形挖空构件"));
    Option3 = widgets::optionButton(Frame1, "Option3", QStringLiteral("环形构件"));
    for (QRadioButton* option : {Option1, Option2, Option3}) {
        kinds->addWidget(option);
        // Handlers run only when the selection really changes.
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                chooseKind();
        });
    }

    auto frameOf = [this](QWidget* parent, const char* name, const char16_t* caption, const auto& rows,
                          bool results) {
        QGroupBox* frame = widgets::frame(parent, name, QString::fromUtf16(caption));
        auto* grid = new QGridLayout(frame);
        int r = 0;
        for (const FieldRow& row : rows) {
            const QByteArray fieldName = "Text" + QByteArray::number(row.number);
            const QByteArray labelName = "Label" + QByteArray::number(row.number);
            grid->addWidget(widgets::label(frame, labelName.constData(), QString::fromUtf16(row.label)), r, 0,
                            Qt::AlignRight);
            QLineEdit* f = results ? widgets::resultField(frame, fieldName.constData())
                                   : widgets::field(frame, fieldName.constData(), QString::fromUtf16(row.tooltip));
            f->setFixedWidth(110);
            // A hidden input box keeps its place, so the labels stay put.
            QSizePolicy policy = f->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            f->setSizePolicy(policy);
            Text[static_cast<std::size_t>(row.number - 1)] = f;
            grid->addWidget(f, r++, 1);
        }
        return frame;
    };
    columns->addWidget(Frame1, 0, 0);
    columns->addWidget(frameOf(central, "Frame2", u"矩形、T形或箱形构件", kBeamFields, false), 1, 0, 2, 1);
    columns->addWidget(frameOf(central, "Frame3", u"环形构件：", kAnnulusFields, false), 0, 1);
    columns->addWidget(frameOf(central, "Frame4", u"矩形挖空构件：", kHollowSlabFields, false), 1, 1);
    columns->addWidget(frameOf(central, "Frame5", u"计算结果：", kResultFields, true), 2, 1);
    // Every field, result fields included, starts empty.
}

void frmjmtx::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The first control of the window takes the focus when it is shown, which
    // selects the rectangle, T or box section.
    if (!Option1->isChecked() && !Option2->isChecked() && !Option3->isChecked())
        Option1->setChecked(true);
}

void frmjmtx::chooseKind()
{
    const bool beam = Option1->isChecked();
    const bool slab = Option2->isChecked();
    const bool ring = Option3->isChecked();
    for (int n = 1; n <= 15; ++n) {
        const bool shown = (n <= 7 && beam) || (n >= 8 && n <= 9 && ring) || (n >= 10 && slab);
        text(n)->setVisible(shown);
    }
}

double frmjmtx::value(int number) const { return widgets::fieldValue(text(number)); }

void frmjmtx::yunxin()
{
    widgets::runGuarded(
        workspace_.platform, this, QStringLiteral("发生错误，请重新输入数据！"), QStringLiteral("出错啦"), [this] {
            sections::SectionProperties p{};
            if (Option1->isChecked())
                p = sections::beamSection({value(1), value(2), value(3), value(4), value(5), value(6), value(7)});
            else if (Option3->isChecked())
                p = sections::annulus({value(8), value(9)});
            else if (Option2->isChecked())
                p = sections::hollowSlab({value(10), value(11), value(12), value(13), value(14), value(15)});
            else
                return;
            const sections::SectionTexts results = sections::resultTexts(p);
            widgets::setFieldText(text(16), results.A);
            widgets::setFieldText(text(17), results.II);
            widgets::setFieldText(text(18), results.IT);
            sections::writeReport(workspace_.report, results);
            workspace_.platform.messages.show(this, QStringLiteral("谢谢使用！"), QString(),
                                              platform::Icon::Information, platform::Buttons::Ok);
            hide();
        });
}

}  // namespace vardex
