#include "frmpxyl.h"

#include <QPushButton>

#include "forms.h"

namespace vardex {

frmpxyl::frmpxyl() : QWidget(nullptr, Qt::Window)
{
    widgets::window(this, "frmpxyl", QStringLiteral("帮助"));
    const QString help = QStringLiteral("　  本程序用以计算具有可靠横向联结、且宽跨比B/l≤\n"
                                        "0.5的桥梁的横向分布系数，采用修正的偏心压力法。　　\n"
                                        "　  车辆荷载的横向分布系数已按照《公路工程技术标准\n"
                                        "》（JTJ001-97）中的有关规定进行了折减。\n"
                                        "　  为了防止出错，请您用手工的方法进行校核。由于本\n"
                                        "程序而引起的各种问题，本人概不负责。\n"
                                        "　　谢谢您的使用！　\n");
    connect(widgets::helpText(this, help, "Command1"), &QPushButton::clicked, this, &QWidget::hide);
    resize(400, 260);
}

}  // namespace vardex
