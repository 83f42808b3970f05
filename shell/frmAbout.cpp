#include "shell/frmAbout.h"

#include "controls/MessageService.h"
#include "forms/AppContext.h"
#include "forms/HostWindow.h"
#include "shell/NoticeKeys.h"
#include "shell/ShellValues.h"
#include "shell/Version.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon::shell {

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &text) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

} // namespace

frmAbout::frmAbout(const AppContext &context, ShellValues &values, QWidget *parent)
    : QWidget(parent), m_context(context), m_values(values) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Quillon 2017..."));

    QLabel *product = label(this, QStringLiteral("Label1_0"), QStringLiteral("Quillon 2017"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    product->setFont(big);
    QLabel *purpose = label(this, QStringLiteral("Label1_1"),
                            QStringLiteral("Payroll, salary package, vehicle and business "
                                           "calculators for the 2017 tax year."));
    QLabel *version =
        label(this, QStringLiteral("Label1_3"), QStringLiteral("Version: ") + displayVersion());
    QLabel *maker = label(this, QStringLiteral("Label1_2"),
                          makerNotice() + QStringLiteral(". All rights reserved.\n") +
                              QStringLiteral("Support: support@quillon2017.example\nWeb: ") +
                              makerWebAddress());
    QLabel *warning = label(
        this, QStringLiteral("Label2"),
        QStringLiteral("Warning: this program is protected by copyright law. Copying it, or any "
                       "part of it, or passing it on to others without the written permission "
                       "of Quillon Software is against the law and may lead to civil and "
                       "criminal action."));
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_check = new QCheckBox(QStringLiteral("Do not display this message again on start up"), this);
    m_check->setObjectName(QStringLiteral("Check1"));
    m_check->setChecked(!m_values.showAbout);
    connect(m_check, &QCheckBox::toggled, this,
            [this](bool ticked) { m_values.showAbout = !ticked; });

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    connect(ok, &QPushButton::clicked, this, [this] { closeHostWindow(this); });
    answerKeysWithOk(this, ok);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_check, 1);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(product);
    layout->addWidget(purpose);
    layout->addWidget(version);
    layout->addSpacing(6);
    layout->addWidget(maker);
    layout->addWidget(line);
    layout->addWidget(warning);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // Word-wrapped labels need their height for the chosen width.
    constexpr int width = 460;
    setFixedSize(width, layout->totalHeightForWidth(width));
}

void frmAbout::closeEvent(QCloseEvent *event) {
    save();
    QWidget::closeEvent(event);
}

void frmAbout::save() {
    if (m_saved)
        return;
    m_saved = true;
    const QString error =
        ProgramRecordStore(m_context.paths.programStateDatabase).writeViewAbout(m_values.showAbout);
    if (!error.isEmpty())
        m_context.messages.inform(this,
                                  error + QStringLiteral("\nThe start-up choice was not saved."),
                                  {}, MessageService::Icon::Warning);
}

} // namespace quillon::shell
