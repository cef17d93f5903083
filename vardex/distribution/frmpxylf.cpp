#include "frmpxylf.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

#include "eccentricpressure.h"
#include "forms.h"
#include "numbertext.h"
#include "platform.h"
#include "windowregistry.h"

namespace vardex {

frmpxylf::frmpxylf(Workspace& workspace) : workspace_(workspace)
{
    widgets::window(this, "frmpxylf", QStringLiteral("修正偏心压力法计算横向分布系数："));
    QMenu* file = widgets::menu(this, "wenjian", QStringLiteral("文件(&F)"));
    connect(widgets::menuItem(file, "tch", QStringLiteral("退出")), &QAction::triggered, this, &QWidget::close);
    QMenu* project = widgets::menu(this, "gongch", QStringLiteral("工程(&P)"));
    connect(widgets::menuItem(project, "yunxin", QStringLiteral("运行")), &QAction::triggered, this,
            [this] { yunxin(); });
    QMenu* help = widgets::menu(this, "bz", QStringLiteral("帮助(&H)"));
    connect(widgets::menuItem(help, "bangzh", QStringLiteral("帮助")), &QAction::triggered, this,
            [this] { workspace_.windows.show(QStringLiteral("frmpxyl")); });

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    QGroupBox* frame = widgets::frame(central, "Frame1", QStringLiteral("计算数据："));
    outer->addWidget(frame);
    auto* grid = new QGridLayout(frame);

    auto* loads = new QHBoxLayout;
    chkrq = widgets::checkBox(frame, "chkrq", QStringLiteral("人群荷载"));
    chkqc = widgets::checkBox(frame, "chkqc", QStringLiteral("汽车荷载"));
    chkgc = widgets::checkBox(frame, "chkgc", QStringLiteral("挂车荷载"));
    chkld = widgets::checkBox(frame, "chkld", QStringLiteral("履带车荷载"));
    for (QCheckBox* box : {chkrq, chkqc, chkgc, chkld})
        loads->addWidget(box);
    grid->addLayout(loads, 0, 0, 1, 4);

    int row[2] = {1, 1};
    auto add = [&](int column, const char* name, const char16_t* caption, const char16_t* tooltip = u"") {
        const QByteArray labelName = QByteArray("lbl") + QByteArray(name).mid(3);
        grid->addWidget(widgets::label(frame, labelName.constData(), QString::fromUtf16(caption)), row[column],
                        2 * column, Qt::AlignRight);
        QLineEdit* f = widgets::field(frame, name, QString::fromUtf16(tooltip));
        f->setFixedWidth(100);
        grid->addWidget(f, row[column]++, 2 * column + 1);
        return f;
    };
    txtrr = add(0, "txtrr", u"人行道宽度(m)RR＝");
    txtbb = add(0, "txtbb", u"行车道宽度(m)BB＝");
    txtaa = add(0, "txtaa", u"梁间距(m)AA＝");
    txtll = add(0, "txtll", u"计算跨径(m)LL＝");
    txtn = add(0, "txtn", u"梁片数(片)N＝");
    txtc0 = add(0, "txtc0", u"车道数C0＝");
    txtm = add(0, "txtm", u"荷载个数M＝", u"该数据不用输入");
    txtm->setReadOnly(true);
    txtbs = add(1, "txtbs", u"上翼缘顶板宽度(m)BS＝");
    txths = add(1, "txths", u"上翼缘平均厚度(m)HS＝");
    txtb1 = add(1, "txtb1", u"两个最外侧腹板之和(m)B1＝", u"对T梁为腹板的宽度");
    txtb2 = add(1, "txtb2", u"室与室之间腹板之和(m)B2＝", u"对T梁为0");
    txthf = add(1, "txthf", u"腹板高度(m)HF＝", u"对T梁为T梁的高度减上翼缘的平均厚度");
    txtbx = add(1, "txtbx", u"下翼缘平均宽度(m)BX＝", u"对T梁为0");
    txthx = add(1, "txthx", u"下翼缘底板厚度(m)HX＝", u"对T梁为0");
}

void frmpxylf::yunxin()
{
    widgets::runGuarded(
        workspace_.platform, this, QStringLiteral("发生错误，请重新输入数据！"), QStringLiteral("出错啦"), [this] {
            const distribution::LoadSelection loads = distribution::selectLoads(
                chkrq->isChecked(), chkqc->isChecked(), chkgc->isChecked(), chkld->isChecked());
            widgets::setFieldText(txtm, common::numberText(loads.M));
            const distribution::EccentricPressureInput input{
                widgets::fieldValue(txtrr), widgets::fieldValue(txtbb), widgets::fieldValue(txtaa),
                widgets::fieldValue(txtll), widgets::fieldValue(txtn),  widgets::fieldValue(txtc0),
                widgets::fieldValue(txtbs), widgets::fieldValue(txths), widgets::fieldValue(txtb1),
                widgets::fieldValue(txtb2), widgets::fieldValue(txthf), widgets::fieldValue(txtbx),
                widgets::fieldValue(txthx)};
            distribution::eccentricPressure(input, loads, workspace_.report);
            workspace_.platform.messages.show(this, QStringLiteral("本程序已经完成计算，谢谢您的使用！"),
                                              QStringLiteral("完成啦"), platform::Icon::Information,
                                              platform::Buttons::Ok);
            hide();
        });
}

}  // namespace vardex
