#include "frmAbout.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "forms.h"
#include "platform.h"

namespace vardex {

frmAbout::frmAbout(platform::Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    const QString title = QCoreApplication::applicationName();
    widgets::window(this, "frmAbout", QStringLiteral("关于 ") + title);

    auto* icon = widgets::label(this, "picIcon", QString());
    icon->setPixmap(QApplication::windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(36, 36)
                        : QApplication::windowIcon().pixmap(36, 36));
    icon->setFixedSize(36, 36);
    auto* lblTitle = widgets::label(this, "lblTitle", title);
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lblTitle->setFont(big);
    auto* lblVersion =
        widgets::label(this, "lblVersion", QStringLiteral("版本 ") + QCoreApplication::applicationVersion());
    auto* description = widgets::label(this, "lblDescription",
                                       QStringLiteral("应用程序描述：本程序主要用来计算公路桥梁中的一些实际问题。"));
    description->setWordWrap(true);
    auto* disclaimer = widgets::label(
        this, "lblDisclaimer",
        QStringLiteral("警告：本程序的计算结果仅供设计参考，使用前请用手工的方法进行校核。"
                       "由于使用本程序而引起的各种问题，作者概不负责。"));
    disclaimer->setWordWrap(true);

    auto* ok = widgets::button(this, "cmdOK", QStringLiteral("确定"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);  // Escape rejects: closes as well
    connect(this, &QDialog::finished, this, &QWidget::close);
    auto* sysInfo = widgets::button(this, "cmdSysInfo", QStringLiteral("系统信息(&S)..."));
    connect(sysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(description, 2, 1, 1, 2);
    grid->addWidget(disclaimer, 3, 0, 1, 2);
    grid->addWidget(ok, 0, 2);
    grid->addWidget(sysInfo, 3, 2, Qt::AlignBottom);
    resize(420, 220);
}

void frmAbout::StartSysInfo()
{
    // The tool is whatever system-information program this system has; when
    // none is known or it will not start, the user is told so.
    const QString tool = platform_.programs.systemInformationTool();
    if (tool.isEmpty() || !platform_.programs.launch(tool))
        platform_.messages.show(this, QStringLiteral("此时系统信息不可用"), QString(), platform::Icon::None,
                                platform::Buttons::Ok);
}

}  // namespace vardex
