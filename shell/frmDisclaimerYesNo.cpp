#include "shell/frmDisclaimerYesNo.h"

#include "controls/MessageService.h"
#include "forms/AppContext.h"
#include "shell/Placement.h"
#include "shell/ShellValues.h"
#include "shell/Version.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::shell {

namespace {

const QString kStatement = QStringLiteral(
    "Quillon Software gives no warranty of any kind, expressed or implied, for the use of this "
    "program or for the results it produces, and accepts no liability for any loss or damage, "
    "direct or indirect, that may arise from using the program or relying on its results. The "
    "purchaser and user remain responsible for checking every calculation before using it. "
    "Quillon Software will not defend or answer for results that differ from those worked out "
    "by any other party, the South African Revenue Service included.");

const QString kUpdates = QStringLiteral(
    "This program is changed and updated regularly and free updates are made available to all "
    "users.  It is the program purchaser and user's responsibility to take advantage of these "
    "free updates.");

} // namespace

frmDisclaimerYesNo::frmDisclaimerYesNo(const AppContext &context, ShellValues &values,
                                       QWidget *parent)
    : QDialog(parent), m_context(context), m_values(values) {
    setObjectName(QStringLiteral("frmDisclaimerYesNo"));
    setWindowTitle(makerName() + QStringLiteral(" Disclaimer"));
    setModal(true);

    auto *statement = new QLabel(kStatement, this);
    statement->setObjectName(QStringLiteral("Label1"));
    statement->setWordWrap(true);
    auto *updates = new QLabel(kUpdates, this);
    updates->setObjectName(QStringLiteral("Label2"));
    updates->setWordWrap(true);
    QFont bold = updates->font();
    bold.setBold(true);
    updates->setFont(bold);

    m_check =
        new QCheckBox(QStringLiteral(" I have read this disclaimer and I understand and agree "
                                     "with the contents of this disclaimer"),
                      this);
    m_check->setObjectName(QStringLiteral("chkDisclaimerYesNo"));
    m_check->setChecked(false);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    connect(m_check, &QCheckBox::toggled, m_ok, &QPushButton::setEnabled);
    connect(m_ok, &QPushButton::clicked, this, &frmDisclaimerYesNo::acceptDisclaimer);
    connect(cancel, &QPushButton::clicked, this, &frmDisclaimerYesNo::declineDisclaimer);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(statement);
    layout->addWidget(updates);
    layout->addWidget(m_check);
    layout->addLayout(buttons);
    // Wide enough for the check box's one line; the labels take the height they need.
    const int width = std::max(600, m_check->sizeHint().width() + 40);
    setFixedSize(width, layout->totalHeightForWidth(width));
}

void frmDisclaimerYesNo::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (parentWidget()) {
        placeOnWindow(*this, *parentWidget()->window(), kQuarterDown);
        parentWidget()->window()->installEventFilter(this);
    }
    raise();
    activateWindow();
}

bool frmDisclaimerYesNo::eventFilter(QObject *watched, QEvent *event) {
    const bool mainMoved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (mainMoved && isVisible() && parentWidget() && watched == parentWidget()->window())
        placeOnWindow(*this, *parentWidget()->window(), kQuarterDown);
    return QDialog::eventFilter(watched, event);
}

void frmDisclaimerYesNo::acceptDisclaimer() {
    if (!m_check->isChecked())
        return;
    m_values.disclaimerAccepted = true;
    const QString error = ProgramRecordStore(m_context.paths.programStateDatabase)
                              .writeVar1(static_cast<std::int16_t>(disclaimerNumber()));
    if (!error.isEmpty())
        m_context.messages.inform(
            this, error + QStringLiteral("\nThe disclaimer will be shown again next time."), {},
            MessageService::Icon::Warning);
    accept();
}

void frmDisclaimerYesNo::declineDisclaimer() {
    m_values.disclaimerAccepted = false;
    reject();
}

} // namespace quillon::shell
